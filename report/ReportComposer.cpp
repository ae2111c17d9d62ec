#include "report/ReportComposer.h"

#include "mainwindow/readings/PressureColours.h"
#include "mainwindow/readings/ReadingsSchema.h"
#include "xmlstore/clsXMLTags.h"

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

ReportLine BlackLine(const QString& szText) {
    ReportLine line;
    if (!szText.isEmpty()) {
        line.runs.push_back({szText, kPressureBlack});
    }
    return line;
}

} // namespace

QString ReportLine::Text() const {
    QString szText;
    for (const ColourRun& run : runs) {
        szText += run.szText;
    }
    return szText;
}

QString ReportComposition::Text() const {
    QString szText;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            szText += kLineBreak;
        }
        szText += lines[i].Text();
    }
    return szText;
}

namespace ReportComposer {

ReportComposition Compose(const std::shared_ptr<clsXMLTag>& objReadings) {
    ReportComposition composition;
    composition.lines.push_back(BlackLine(QString()));
    composition.lines.push_back(BlackLine(QStringLiteral("YOUR READINGS")));
    composition.lines.push_back(BlackLine(QString()));
    composition.iFirstDayLine = static_cast<int>(composition.lines.size());
    if (objReadings != nullptr) {
        composition.lines.reserve(composition.lines.size() +
                                  static_cast<size_t>(objReadings->objSubTags->Count()));
        for (const std::shared_ptr<clsXMLTag>& objDay : *objReadings->objSubTags) {
            const QString szSys = objDay->GetSubTagValue(kSystolicName);
            const QString szDia = objDay->GetSubTagValue(kDiastolicName);
            if (szSys.isEmpty() || szDia.isEmpty()) {
                continue; // a day is in the report when both pressures are present
            }
            std::optional<ReportLine> line =
                DayLine(FormatDayKey(objDay->szName), szSys, szDia,
                        objDay->GetSubTagValue(kPulseName), objDay->GetSubTagValue(kCommentName));
            composition.lines.push_back(std::move(*line));
            ++composition.iDayLines;
        }
    }
    return composition;
}

std::optional<ReportLine> DayLine(const QString& szDate, const QString& szSys, const QString& szDia,
                                  const QString& szPulse, const QString& szComment) {
    if (szSys.isEmpty() || szDia.isEmpty()) {
        return std::nullopt;
    }
    static const QString kAfterPulse = QStringLiteral("   ");
    ReportLine line;
    line.szDateColumn = szDate;
    line.szReadingColumn = szSys + u'/' + szDia + u':' + szPulse + kAfterPulse;
    line.runs.reserve(5);
    line.runs.push_back({szDate + u'\t', kPressureBlack});
    line.runs.push_back({szSys, SystolicColor(szSys)});
    line.runs.push_back({QStringLiteral("/"), kPressureBlack});
    line.runs.push_back({szDia, DiastolicColor(szDia)});
    line.runs.push_back({u':' + szPulse + kAfterPulse + u'\t' + szComment, kPressureBlack});
    return line;
}

QString FormatDayKey(const QString& szDayKey) {
    static const QString kMonthWords[] = {
        QStringLiteral(" Jan "), QStringLiteral(" Feb "), QStringLiteral(" Mar "),
        QStringLiteral(" Apr "), QStringLiteral(" May "), QStringLiteral(" Jun "),
        QStringLiteral(" Jul "), QStringLiteral(" Aug "), QStringLiteral(" Sep "),
        QStringLiteral(" Oct "), QStringLiteral(" Nov "), QStringLiteral(" Dec ")};
    const QStringView key(szDayKey);
    const QStringView month = key.mid(4, 2);
    QString szDate;
    szDate.reserve(11);
    szDate.append(key.right(2));
    // Only the twelve two-digit month numbers have a word.
    if (month.size() == 2 && month[0].isDigit() && month[1].isDigit()) {
        const int iMonth = month.toInt();
        if (iMonth >= 1 && iMonth <= 12) {
            szDate.append(kMonthWords[iMonth - 1]);
        }
    }
    return szDate.append(key.left(4));
}

} // namespace ReportComposer
