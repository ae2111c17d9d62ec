#include "report/ReportComposer.h"

#include "diary/DayReadings.h"
#include "diary/HomeProtocol.h"
#include "diary/PressureColours.h"
#include "diary/ReadingsSchema.h"
#include "diary/RoundedMean.h"
#include "diary/TextToInteger.h"
#include "i18n/LocalDates.h"
#include "i18n/Translations.h"
#include "xmlstore/clsXMLTags.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <limits>

namespace {

// Numbers in the report's words: in the user's way of writing them, without group separators
// (a count of days reads as "1234", as in English).
QString Number(qint64 lValue) {
    QLocale locale = DisplayLocale();
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(lValue);
}

const QString kLineBreak = QStringLiteral("\r\n");

// Home readings at or above these count as raised (the home measurement threshold of the
// European Society of Hypertension, 2023). A day counts when either pressure reaches its
// threshold: systolic 135 or more, or diastolic 85 or more.
// How many of the latest days with readings the short averages take.
constexpr int kShortAverageDays = 7;
constexpr int kLongAverageDays = 30;

ReportLine BlackLine(const QString& szText) {
    ReportLine line;
    if (!szText.isEmpty()) {
        line.runs.push_back({szText, kPressureBlack});
    }
    return line;
}

// The figures of one day in the report: each value as a number, none when its text is not one
// (an empty pulse is no pulse).
struct DayFigures {
    std::optional<qint16> sys;
    std::optional<qint16> dia;
    std::optional<qint16> pulse;
};

// Sums of the numbers among a run of days.
struct Averages {
    qint64 lSys = 0, lDia = 0, lPulse = 0;
    qint64 nSys = 0, nDia = 0, nPulse = 0;
    void Add(const DayFigures& day) {
        if (day.sys) {
            lSys += *day.sys;
            ++nSys;
        }
        if (day.dia) {
            lDia += *day.dia;
            ++nDia;
        }
        if (day.pulse) {
            lPulse += *day.pulse;
            ++nPulse;
        }
    }
};

QString AverageText(qint64 lSum, qint64 lCount) {
    return lCount > 0 ? Number(ReportComposer::RoundedAverage(lSum, lCount))
                      : QStringLiteral("\u2013");
}

// "Average, whole period: 131/85, pulse 71" (no pulse part when no day has a pulse number).
QString AverageLine(const QString& szWhich, const std::vector<DayFigures>& days, size_t nLast) {
    Averages sums;
    for (size_t i = days.size() - std::min(nLast, days.size()); i < days.size(); ++i) {
        sums.Add(days[i]);
    }
    const QString szSys = AverageText(sums.lSys, sums.nSys);
    const QString szDia = AverageText(sums.lDia, sums.nDia);
    if (sums.nPulse > 0) {
        //: %1: which days ("whole period"), %2/%3: systolic/diastolic average, %4: pulse.
        return QCoreApplication::translate("ReportComposer", "Average, %1: %2/%3, pulse %4")
            .arg(szWhich, szSys, szDia, AverageText(sums.lPulse, sums.nPulse));
    }
    //: %1: which days ("whole period"), %2/%3: systolic/diastolic average.
    return QCoreApplication::translate("ReportComposer", "Average, %1: %2/%3")
        .arg(szWhich, szSys, szDia);
}

// One pressure's values of a colour in words: "100\u2013129", "up to 99 or from 150".
QString RangesInWords(const PressureRanges& ranges, long lColor) {
    QStringList parts;
    for (const PressureRange& range : ranges) {
        if (range.lColor != lColor) {
            continue;
        }
        if (range.iLowest == std::numeric_limits<qint16>::min()) {
            //: A pressure range of the colour key: this value and all below it.
            parts.append(QCoreApplication::translate("ReportComposer", "up to %1")
                             .arg(Number(range.iHighest)));
        } else if (range.iHighest == std::numeric_limits<qint16>::max()) {
            //: A pressure range of the colour key: this value and all above it.
            parts.append(QCoreApplication::translate("ReportComposer", "from %1")
                             .arg(Number(range.iLowest)));
        } else {
            parts.append(Number(range.iLowest) + u'\u2013' + Number(range.iHighest));
        }
    }
    QString szWords = parts.value(0);
    for (qsizetype i = 1; i < parts.size(); ++i) {
        //: Two pressure ranges of one colour: "up to 99 or from 150".
        szWords = QCoreApplication::translate("ReportComposer", "%1 or %2").arg(szWords, parts[i]);
    }
    return szWords;
}

// What the day lines found: each day's figures, its readings when it holds several (for the
// home-measurement week), and how many readings the day lines show.
struct DaysFound {
    std::vector<DayFigures> figures;
    QList<DatedReadings> severalReadings;
    qsizetype nReadings = 0;
};

QString MeanText(int iSystolic, int iDiastolic) {
    return Number(iSystolic) + u'/' + Number(iDiastolic);
}

// The home-measurement week in words: its days, its means and whether they reach the threshold;
// or plainly that the readings hold no such week, and why.
void AppendHomeProtocol(std::vector<ReportLine>& lines, const QList<DatedReadings>& days) {
    const HomeProtocolFigures week = ComputeHomeProtocol(days);
    if (!week.bComplete) {
        QString szNone;
        if (week.iLongestRun == 0) {
            //: %1: the fewest days the week needs (3).
            szNone = QCoreApplication::translate(
                "ReportComposer",
                "Home measurement week: none in these readings. It needs at least %1 consecutive "
                "days with morning (before noon) and evening readings; no day here has both.");
        } else {
            //: %1: the fewest days the week needs (3); %n: the longest run of such days.
            szNone = QCoreApplication::translate(
                "ReportComposer",
                "Home measurement week: none in these readings. It needs at least %1 consecutive "
                "days with morning (before noon) and evening readings; the longest run here is "
                "%n day(s).",
                nullptr, week.iLongestRun);
        }
        lines.push_back(BlackLine(szNone.arg(Number(kProtocolMinimumDays))));
        return;
    }
    //: %1 and %2: the week's first and last day; %3: days counted (2 or more); %4: readings.
    lines.push_back(
        BlackLine(QCoreApplication::translate(
                      "ReportComposer",
                      "Home measurement week %1 to %2, first day left out: %3 days, %4 readings")
                      .arg(ReportComposer::FormatDate(week.dtWeekFirst),
                           ReportComposer::FormatDate(week.dtWeekLast), Number(week.iDaysCounted),
                           Number(week.iReadings))));
    const QString szMean = MeanText(week.iSystolic, week.iDiastolic);
    const QString szMorning = MeanText(week.iMorningSystolic, week.iMorningDiastolic);
    const QString szEvening = MeanText(week.iEveningSystolic, week.iEveningDiastolic);
    const QString szThreshold = MeanText(kHomeSystolicThreshold, kHomeDiastolicThreshold);
    //: %1: the mean (systolic/diastolic), %2: morning mean, %3: evening mean,
    //: %4: the threshold (135/85).
    const char* szAbove = QT_TRANSLATE_NOOP(
        "ReportComposer", "Home measurement mean %1 (morning %2, evening %3): at or above %4");
    //: %1: the mean (systolic/diastolic), %2: morning mean, %3: evening mean,
    //: %4: the threshold (135/85).
    const char* szBelow = QT_TRANSLATE_NOOP(
        "ReportComposer", "Home measurement mean %1 (morning %2, evening %3): below %4");
    lines.push_back(BlackLine(
        QCoreApplication::translate("ReportComposer", week.bReachesThreshold ? szAbove : szBelow)
            .arg(szMean, szMorning, szEvening, szThreshold)));
}

// The summary's count line: "All readings: 2 days with both pressures" (", 5 readings" where
// a day holds several).
QString CountLine(const QString& szPeriod, const DaysFound& found) {
    const qsizetype nDays = static_cast<qsizetype>(found.figures.size());
    if (nDays == 0) {
        //: %1: the period ("All readings", "1 Sep 2026 to 8 Dec 2026").
        return QCoreApplication::translate("ReportComposer", "%1: no days with both pressures")
            .arg(szPeriod);
    }
    const int iDays = static_cast<int>(nDays);
    if (found.nReadings > nDays) {
        //: %1: the period; %n: days; %2: readings (always more than the days).
        return QCoreApplication::translate("ReportComposer",
                                           "%1: %n day(s) with both pressures, %2 readings",
                                           nullptr, iDays)
            .arg(szPeriod, Number(found.nReadings));
    }
    //: %1: the period; %n: days.
    return QCoreApplication::translate("ReportComposer", "%1: %n day(s) with both pressures",
                                       nullptr, iDays)
        .arg(szPeriod);
}

// One colour's line of the key: its name in its colour, then its ranges in black.
ReportLine ColourKeyLine(long lColor) {
    //: A line of the colour key. %1: the colour's name (shown in that colour), %2 and %3:
    //: the systolic and the diastolic ranges ("100-129", "up to 99 or from 150").
    const QString szLine =
        QCoreApplication::translate("ReportComposer", "%1: systolic %2 and diastolic %3");
    const qsizetype iName = std::max<qsizetype>(0, szLine.indexOf(QStringLiteral("%1")));
    const auto words = [&](qsizetype iFrom, qsizetype iLength) {
        return szLine.mid(iFrom, iLength)
            .replace(QStringLiteral("%2"), RangesInWords(SystolicRanges(), lColor))
            .replace(QStringLiteral("%3"), RangesInWords(DiastolicRanges(), lColor));
    };
    ReportLine key;
    if (iName > 0) {
        key.runs.push_back({words(0, iName), kPressureBlack});
    }
    key.runs.push_back({PressureColourName(lColor), lColor});
    key.runs.push_back({words(iName + 2, -1), kPressureBlack});
    return key;
}

// The summary's lines: counts, averages, the threshold, the home-measurement week where a day
// holds several readings, units and the colour key.
std::vector<ReportLine> ComposeSummary(const QString& szPeriod, const DaysFound& found) {
    const std::vector<DayFigures>& days = found.figures;
    std::vector<ReportLine> lines;
    const qsizetype nDays = static_cast<qsizetype>(days.size());
    lines.push_back(BlackLine(CountLine(szPeriod, found)));
    if (nDays > 0) {
        //: Which days an average is taken over.
        const QString szWhole = QCoreApplication::translate("ReportComposer", "whole period");
        lines.push_back(BlackLine(AverageLine(szWhole, days, days.size())));
        for (const int iLast : {kShortAverageDays, kLongAverageDays}) {
            //: Which days an average is taken over: the latest %n days that hold readings.
            const QString szWhich = QCoreApplication::translate(
                "ReportComposer", "last %n day(s) with readings", nullptr, iLast);
            lines.push_back(BlackLine(AverageLine(szWhich, days, static_cast<size_t>(iLast))));
        }
        const qsizetype nRaised = std::count_if(days.begin(), days.end(), [](const DayFigures& d) {
            return (d.sys && *d.sys >= kHomeSystolicThreshold) ||
                   (d.dia && *d.dia >= kHomeDiastolicThreshold);
        });
        //: %1: the threshold (135/85); %2 of %3: days at or above it, of all days.
        lines.push_back(BlackLine(
            QCoreApplication::translate("ReportComposer", "Days at or above %1 (home measurement "
                                                          "threshold, ESH 2023): %2 of %3")
                .arg(MeanText(kHomeSystolicThreshold, kHomeDiastolicThreshold), Number(nRaised),
                     Number(nDays))));
    }
    if (!found.severalReadings.isEmpty()) {
        AppendHomeProtocol(lines, found.severalReadings);
    }
    lines.push_back(BlackLine(QCoreApplication::translate(
        "ReportComposer", "Pressures in mmHg, pulse in beats per minute")));
    lines.push_back(BlackLine(QCoreApplication::translate(
        "ReportComposer", "Each pressure is coloured by its own range:")));
    for (const long lColor : {kPressureGreen, kPressureOrange, kPressureRed}) {
        lines.push_back(ColourKeyLine(lColor));
    }
    return lines;
}

QString PeriodInWords(const QDate& dtFirst, const QDate& dtLast) {
    if (!dtFirst.isValid() || !dtLast.isValid()) {
        //: The report's period when it is not limited to some days.
        return QCoreApplication::translate("ReportComposer", "All readings");
    }
    if (dtFirst == dtLast) {
        return ReportComposer::FormatDate(dtFirst);
    }
    //: The report's period: its first and its last day.
    return QCoreApplication::translate("ReportComposer", "%1 to %2")
        .arg(ReportComposer::FormatDate(dtFirst), ReportComposer::FormatDate(dtLast));
}

QDate DateOfKey(const QString& szDayKey) {
    return QDate::fromString(szDayKey, QStringLiteral("yyyyMMdd"));
}

QString KeyOfDate(const QDate& date) {
    return DayKey(static_cast<qint16>(date.year()), static_cast<qint16>(date.month()),
                  static_cast<qint16>(date.day()));
}

// A value as the colour rule reads it (a stored 129.5 is 130); text that is no number is none.
DayFigures FiguresOf(const QString& szSys, const QString& szDia, const QString& szPulse) {
    DayFigures day{TextToInteger(szSys), TextToInteger(szDia), std::nullopt};
    // An empty pulse is no pulse.
    if (!szPulse.trimmed().isEmpty()) {
        day.pulse = TextToInteger(szPulse);
    }
    return day;
}

// A day of several readings: its date on a line of its own, then each reading with both
// pressures on its own line under it, its time in the date's column. The day's figures are the
// means of its readings, as the chart shows the day. False when no reading has both pressures.
bool AppendSeveralReadings(std::vector<ReportLine>& lines, DaysFound& found,
                           const std::shared_ptr<clsXMLTag>& objDay) {
    QList<Reading> readings = DayReadings(objDay);
    readings.removeIf([](const Reading& reading) {
        return reading.szSystolic.isEmpty() || reading.szDiastolic.isEmpty();
    });
    if (readings.isEmpty()) {
        return false;
    }
    const QString szDate = ReportComposer::FormatDayKey(objDay->szName);
    ReportLine dateLine = BlackLine(szDate);
    dateLine.szDateColumn = szDate;
    lines.push_back(std::move(dateLine));
    for (const Reading& reading : readings) {
        const QString szTime =
            //: In place of a reading's time of day, when it has none (the date column: keep short).
            reading.szTime.isEmpty() ? QCoreApplication::translate("ReportComposer", "no time")
                                     : reading.szTime;
        lines.push_back(*ReportComposer::DayLine(QStringLiteral("  ") + szTime, reading.szSystolic,
                                                 reading.szDiastolic, reading.szPulse,
                                                 reading.szComment));
    }
    const DaySpread spread = SpreadOfReadings(readings);
    const auto value = [](int iMean) {
        return iMean > 0 ? std::optional<qint16>(static_cast<qint16>(iMean)) : std::nullopt;
    };
    found.figures.push_back(
        {value(spread.iSystolic), value(spread.iDiastolic), value(spread.iPulse)});
    found.nReadings += readings.size();
    const QDate dtDay = DateOfKey(objDay->szName);
    if (dtDay.isValid()) {
        found.severalReadings.append({dtDay, readings});
    }
    return true;
}

// Appends the lines of one day entry and its figures; false when the day is not in the report
// (a day is in it when a reading has both pressures).
bool AppendDay(std::vector<ReportLine>& lines, DaysFound& found,
               const std::shared_ptr<clsXMLTag>& objDay) {
    if (DayReadingCount(objDay) > 1) {
        return AppendSeveralReadings(lines, found, objDay);
    }
    const QString szSys = objDay->GetSubTagValue(kSystolicName);
    const QString szDia = objDay->GetSubTagValue(kDiastolicName);
    if (szSys.isEmpty() || szDia.isEmpty()) {
        return false;
    }
    const QString szPulse = objDay->GetSubTagValue(kPulseName);
    lines.push_back(*ReportComposer::DayLine(ReportComposer::FormatDayKey(objDay->szName), szSys,
                                             szDia, szPulse, objDay->GetSubTagValue(kCommentName)));
    found.figures.push_back(FiguresOf(szSys, szDia, szPulse));
    ++found.nReadings;
    return true;
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

std::pair<QDate, QDate> PeriodDays(const ReportPeriod& period, const QDate& dtToday) {
    switch (period.kind) {
    case ReportPeriodKind::AllReadings:
        return {};
    case ReportPeriodKind::Last30Days:
        return {dtToday.addDays(-29), dtToday};
    case ReportPeriodKind::Last90Days:
        return {dtToday.addDays(-89), dtToday};
    case ReportPeriodKind::Last12Months:
        return {dtToday.addYears(-1).addDays(1), dtToday};
    case ReportPeriodKind::FromTo:
        if (!period.dtFrom.isValid() || !period.dtTo.isValid()) {
            return {};
        }
        return {std::min(period.dtFrom, period.dtTo), std::max(period.dtFrom, period.dtTo)};
    }
    return {};
}

DayKeyRange PeriodKeyRange(const ReportPeriod& period, const QDate& dtToday) {
    const auto [dtFirst, dtLast] = PeriodDays(period, dtToday);
    if (!dtFirst.isValid() || !dtLast.isValid()) {
        return {};
    }
    return {KeyOfDate(dtFirst), KeyOfDate(dtLast)};
}

ReportComposition Compose(const std::shared_ptr<clsXMLTag>& objReadings, const ReportPeriod& period,
                          const QDate& dtToday) {
    const DayKeyRange range = PeriodKeyRange(period, dtToday);
    const bool bAll = range.szFirst.isEmpty();
    std::vector<ReportLine> dayLines;
    DaysFound found;
    std::vector<QString> dayKeys;
    if (objReadings != nullptr) {
        const size_t nEntries = static_cast<size_t>(objReadings->objSubTags->Count());
        dayLines.reserve(nEntries);
        found.figures.reserve(nEntries);
        dayKeys.reserve(nEntries);
        for (const std::shared_ptr<clsXMLTag>& objDay : *objReadings->objSubTags) {
            if ((bAll || range.Contains(objDay->szName)) && AppendDay(dayLines, found, objDay)) {
                dayKeys.push_back(objDay->szName);
            }
        }
    }
    ReportComposition composition;
    if (bAll) {
        // All readings run from the first to the last day shown whose key is a date.
        QDate dtFirst;
        QDate dtLast;
        for (auto it = dayKeys.cbegin(); it != dayKeys.cend() && !dtFirst.isValid(); ++it) {
            dtFirst = DateOfKey(*it);
        }
        for (auto it = dayKeys.crbegin(); it != dayKeys.crend() && !dtLast.isValid(); ++it) {
            dtLast = DateOfKey(*it);
        }
        composition.szPeriod = PeriodInWords(dtFirst, dtLast);
    } else {
        composition.szPeriod = PeriodInWords(DateOfKey(range.szFirst), DateOfKey(range.szLast));
    }
    // The summary stands first, where a reader of the first page finds it; the day lines follow.
    std::vector<ReportLine> summary = ComposeSummary(composition.szPeriod, found);
    std::vector<ReportLine>& lines = composition.lines;
    lines.reserve(summary.size() + dayLines.size() + 4);
    lines.push_back(BlackLine(QString()));
    composition.iFirstSummaryLine = static_cast<int>(lines.size());
    std::move(summary.begin(), summary.end(), std::back_inserter(lines));
    lines.push_back(BlackLine(QString()));
    //: The heading above the day lines.
    lines.push_back(BlackLine(QCoreApplication::translate("ReportComposer", "YOUR READINGS")));
    lines.push_back(BlackLine(QString()));
    composition.iFirstDayLine = static_cast<int>(lines.size());
    composition.iDayLines = static_cast<int>(dayLines.size());
    std::move(dayLines.begin(), dayLines.end(), std::back_inserter(lines));
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
    const QDate date = DayKeyDate(szDayKey);
    if (date.isValid()) {
        return LocalDates::ShortDate(date);
    }
    // A key that is no date is shown as its parts say.
    const DayKeyParts parts = SplitDayKey(szDayKey);
    // Only the twelve two-digit month numbers have a word.
    const int iMonth = DayKeyMonth(parts);
    QString szDate;
    szDate.reserve(11);
    szDate.append(parts.szDay);
    if (iMonth != 0) {
        szDate.append(u' ').append(MonthShortName(iMonth)).append(u' ');
    }
    return szDate.append(parts.szYear);
}

QString FormatDate(const QDate& date) {
    return date.isValid() ? LocalDates::DayInWords(date) : QString();
}

qint16 RoundedAverage(qint64 lSum, qint64 lCount) {
    return static_cast<qint16>(RoundedMean(lSum, lCount));
}

namespace {

// Widths of column texts in one font. Text of plain Latin characters is measured as the sum of
// its characters' advances (each measured once); anything else is shaped as a whole.
class ColumnMeasure {
public:
    explicit ColumnMeasure(const QFont& font) : m_metrics(font) {}

    qreal Width(const QString& szText) {
        qreal width = 0;
        for (const QChar ch : szText) {
            const char16_t code = ch.unicode();
            if (code < 0x20 || code >= 0x0300) {
                return m_metrics.horizontalAdvance(szText);
            }
            qreal& advance = m_advances[code];
            if (advance < 0) {
                advance = m_metrics.horizontalAdvance(ch);
            }
            width += advance;
        }
        return width;
    }
    qreal Space() { return Width(QStringLiteral(" ")); }

private:
    QFontMetricsF m_metrics;
    std::array<qreal, 0x0300> m_advances = [] {
        std::array<qreal, 0x0300> unknown{};
        unknown.fill(-1);
        return unknown;
    }();
};

} // namespace

QList<qreal> ColumnTabs(const ReportComposition& composition, const QFont& font) {
    ColumnMeasure metrics(font);
    qreal dateWidth = 0;
    qreal readingWidth = 0;
    const int iEnd = composition.iFirstDayLine + composition.iDayLines;
    for (int i = composition.iFirstDayLine; i < iEnd; ++i) {
        const ReportLine& line = composition.lines[static_cast<size_t>(i)];
        dateWidth = std::max(dateWidth, metrics.Width(line.szDateColumn));
        readingWidth = std::max(readingWidth, metrics.Width(line.szReadingColumn));
    }
    // A space's width of room keeps the columns apart wherever the text is laid out a little
    // wider (a printer's resolution rounds glyphs differently from the screen's).
    // (It also covers kerning, which the sum of advances leaves out.)
    const qreal space = metrics.Space();
    const qreal first = std::ceil(dateWidth + 2 * space);
    const qreal second = std::ceil(first + readingWidth + space);
    return {first, second};
}

} // namespace ReportComposer
