#include "diary/ReadingsCsv.h"

#include "xmlstore/MessageText.h"

#include <QCoreApplication>

namespace {

struct CsvDescriptions {
    Q_DECLARE_TR_FUNCTIONS(CsvDescriptions)
};

QString DelimiterText(QChar c) {
    if (c == u';') {
        return CsvDescriptions::tr("fields separated by semicolons");
    }
    if (c == u'\t') {
        return CsvDescriptions::tr("fields separated by tabs");
    }
    return CsvDescriptions::tr("fields separated by commas");
}

// A number of days standing alone, as after a colon.
QString Days(qsizetype n) {
    return CsvDescriptions::tr("%n days", nullptr, static_cast<int>(n));
}

// A line of its own for nDays days, when there are any.
void AddDaysLine(QString& szText, int nDays, const char* szSource) {
    if (nDays > 0) {
        szText += u'\n' + CsvDescriptions::tr(szSource, nullptr, nDays);
    }
}

} // namespace

QString CsvReadingsDescription(const QString& szFileName, const CsvReadings& readings) {
    //: %1: the file's name, %2: "on N days", %3: its encoding ("UTF-8"), %4: "fields separated by
    //: commas"
    QString szText = CsvDescriptions::tr("%1: %n readings on %2 (%3, %4).", nullptr, readings.iRows)
                         .arg(MessageText::Visible(szFileName),
                              CsvDescriptions::tr("%n days", "after \"on\"",
                                                  static_cast<int>(readings.days.size())),
                              readings.szEncoding, DelimiterText(readings.cDelimiter));
    if (readings.iDaysWithSeveral > 0) {
        szText += u'\n' + CsvDescriptions::tr("%n days have more than one reading; each is kept "
                                              "with its time.",
                                              nullptr, readings.iDaysWithSeveral);
    }
    if (!readings.ignoredColumns.isEmpty()) {
        szText += u'\n' + CsvDescriptions::tr("Columns left out: %1.")
                              .arg(MessageText::List(readings.ignoredColumns));
    }
    if (readings.iLinesBeforeHeader > 0) {
        szText += u'\n' + CsvDescriptions::tr("%n lines above the header row skipped.", nullptr,
                                              readings.iLinesBeforeHeader);
    }
    return szText;
}

QString CsvMergeDescription(const CsvMergeSummary& summary, bool bApplied) {
    //: Each of %1 to %4 is a number of days ("1 day", "3 days")
    QString szText =
        bApplied
            ? CsvDescriptions::tr("Added %1, filled in %2, replaced values of %3; %4 unchanged.")
            : CsvDescriptions::tr("Would add %1, fill in %2, replace values of %3; %4 would "
                                  "stay unchanged.");
    szText = szText.arg(Days(summary.iAdded), Days(summary.iFilled), Days(summary.iReplaced),
                        Days(summary.iUnchanged));
    static const char* const kGrown[] = {
        QT_TRANSLATE_N_NOOP("CsvDescriptions",
                            "%n days would take readings of the file beside their own."),
        QT_TRANSLATE_N_NOOP("CsvDescriptions",
                            "%n days took readings of the file beside their own.")};
    static const char* const kKept[] = {
        QT_TRANSLATE_N_NOOP("CsvDescriptions",
                            "%n days would keep stored values where the file has others."),
        QT_TRANSLATE_N_NOOP("CsvDescriptions",
                            "%n days kept stored values where the file has others.")};
    AddDaysLine(szText, summary.iGrown, kGrown[bApplied ? 1 : 0]);
    AddDaysLine(szText, summary.iKeptDifferent, kKept[bApplied ? 1 : 0]);
    return szText;
}
