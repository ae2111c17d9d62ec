#pragma once

// Dates and times of day as CSV files of other programs write them. Qt Core only.

#include "diary/ReadingsCsv.h"

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

namespace Csv {

// A date and time as a row gives it; slashed dates keep both numbers until the order is known.
struct RowDate {
    int iYear = 0;
    int iFirst = 0;  // month, or for a slashed date the first number
    int iSecond = 0; // day, or the second number
    bool bSlashed = false;
    bool bDayFirst = false; // dd.mm.yyyy
    int iSeconds = -1;      // time of day, -1 when none
    std::optional<int> iOffsetSeconds;
};

// A time of day into date: H:MM[:SS[.fraction]][ AM|PM][Z|+HH[:MM]|-HH[:MM]] (a leap second
// counts as the second before it). False when the text is not such a time.
bool ReadTime(QStringView s, RowDate& date);

// A date with an optional time into date: yyyy-mm-dd, yyyy/mm/dd, dd.mm.yyyy, nn/nn/yyyy,
// nn-nn-yyyy; then "T" or blanks and a time. The numbers are not checked against the calendar
// (CalendarDate does that). False when the text reads like none of these.
bool ReadDate(QStringView s, RowDate& date);

// Month and day of a date once the order of slashed dates is known; invalid when the calendar
// has no such day.
QDate CalendarDate(const RowDate& date, CsvDateOrder order);

// A date for a message, "3 April 2026", or "no valid date".
QString SpelledDate(int iYear, int iMonth, int iDay);

} // namespace Csv
