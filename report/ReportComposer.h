#pragma once

#include "xmlstore/clsXMLTag.h"

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

// The report's text as lines, without its pictures: an empty line, "YOUR READINGS", an empty
// line, one line per day with both pressures.
struct ReportComposition {
    std::vector<ReportLine> lines;
    // Index of the first day line in lines, and how many day lines follow it.
    int iFirstDayLine = 0;
    int iDayLines = 0;
    // The whole text, the lines joined by CR LF (no line break after the last).
    QString Text() const;
};

// Composes the report's text and colours from the day entries of a readings tag; knows no
// window, box or picture.
namespace ReportComposer {

// The report of every day entry under objReadings, oldest first (null: no readings).
ReportComposition Compose(const std::shared_ptr<clsXMLTag>& objReadings);

// One day's line: the date, a tab, the systolic in its colour, "/", the diastolic in its colour,
// ":", the pulse, three spaces, a tab and the comment, the rest black. Nothing unless both
// pressures are present.
std::optional<ReportLine> DayLine(const QString& szDate, const QString& szSys, const QString& szDia,
                                  const QString& szPulse, const QString& szComment);

// Display date of a day key: "07 Mar 2027"; a month outside 01 to 12 gives no month word
// ("072027").
QString FormatDayKey(const QString& szDayKey);

} // namespace ReportComposer
