#pragma once

#include "widgets/ReadingsChart.h"
#include "xmlstore/clsXMLTag.h"

#include <QDate>
#include <QFont>
#include <QList>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

// A piece of report text in one colour (a colour value, red in the lowest byte).
struct ColourRun {
    QString szText;
    long lColor = 0;
    bool operator==(const ColourRun&) const = default;
};

// One line of the report: its coloured runs in order (a comment's own line breaks stay inside
// its run and break the line where it is shown).
struct ReportLine {
    std::vector<ColourRun> runs;
    // A day line's first two columns: the date, and the reading with the spaces after it.
    QString szDateColumn;
    QString szReadingColumn;
    // The line's text, its runs joined.
    QString Text() const;
};

// Which days a report covers.
enum class ReportPeriodKind { AllReadings, Last30Days, Last90Days, Last12Months, FromTo };
struct ReportPeriod {
    ReportPeriodKind kind = ReportPeriodKind::AllReadings;
    // The first and last day of a FromTo period (either order).
    QDate dtFrom;
    QDate dtTo;
    bool operator==(const ReportPeriod&) const = default;
};

// The report's text as lines, without its pictures: an empty line, the summary, an empty line,
// "YOUR READINGS", an empty line, then one line per day with both pressures in the period (a day
// of several readings: its date alone, then one line per reading with both pressures, its time
// in the date's column).
struct ReportComposition {
    std::vector<ReportLine> lines;
    // Index of the first day line in lines, and how many day lines follow it (to the end).
    int iFirstDayLine = 0;
    int iDayLines = 0;
    // Index of the summary's first line (after its empty line).
    int iFirstSummaryLine = 0;
    // The period in words: "1 Sep 2026 to 8 Dec 2026", "All readings" when there is no day.
    QString szPeriod;
    // The whole text, the lines joined by CR LF (no line break after the last).
    QString Text() const;
};

// Composes the report's text and colours from the day entries of a readings tag; knows no
// window, box or picture.
namespace ReportComposer {

// The report of the day entries under objReadings in the period (null: no readings), oldest
// first, "Last ..." periods ending on dtToday.
ReportComposition Compose(const std::shared_ptr<clsXMLTag>& objReadings,
                          const ReportPeriod& period = {}, const QDate& dtToday = QDate());

// The first and last day of a period on dtToday, both included; invalid dates for all readings.
// "Last N days" ends on dtToday and starts N - 1 days before; "Last 12 months" starts the day
// after the same date a year before.
std::pair<QDate, QDate> PeriodDays(const ReportPeriod& period, const QDate& dtToday);
// The day keys of a period, for the chart and the day lines alike (all readings: no limit).
DayKeyRange PeriodKeyRange(const ReportPeriod& period, const QDate& dtToday);

// One day's line (or one reading's under its day, szDate then its time): the date, a tab, the
// systolic in its colour, "/", the diastolic in its colour,
// ":", the pulse, three spaces, a tab and the comment, the rest black. Nothing unless both
// pressures are present.
std::optional<ReportLine> DayLine(const QString& szDate, const QString& szSys, const QString& szDia,
                                  const QString& szPulse, const QString& szComment);

// Display date of a day key in the user's language (English "07 Mar 2027", German
// "07.03.2027"); a key that is no date is shown by its parts, a month outside 01 to 12 with no
// month word ("072027").
QString FormatDayKey(const QString& szDayKey);
// A date in the summary and on paper: "1 Sep 2026" in English, the language's long date under
// a translation ("1. September 2026").
QString FormatDate(const QDate& date);

// The average of whole numbers (their sum and count, count above 0) to the nearest whole
// number, a half to the even neighbour (RoundedMean).
qint16 RoundedAverage(qint64 lSum, qint64 lCount);

// Tab positions (in pixels at the font's resolution) that start the reading and the comment of
// every day line at one x each: past the widest date and the widest reading in the font.
QList<qreal> ColumnTabs(const ReportComposition& composition, const QFont& font);

} // namespace ReportComposer
