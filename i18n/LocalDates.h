#pragma once

// The one place for dates as people read them: in the language of the installed translation and
// the order of the user's locale. The stored day keys, the data file and the CSV export never
// use these.

#include <QDate>
#include <QDateTime>
#include <QString>

namespace LocalDates {

// A chart row: day and month ("07/12" in English).
QString RowLabel(QDate date);

// A report day line: day, short month name and year ("07 Mar 2027" in English).
QString ShortDate(QDate date);
// The format ShortDate writes in (QDate::toString), for date fields that show the same form.
QString ShortDateFormat();

// Summaries and messages: day, month name and year ("7 March 2027" in English).
QString LongDate(QDate date);

// One day named in a message or a spoken text: day, short month name and year ("7 Mar 2027" in
// English).
QString MediumDate(QDate date);

// A moment in a message: date and time of day ("2027-03-07 14:05" in English).
QString DateAndTime(const QDateTime& when);

// A day named in the chart's words and the report's summary: English keeps its short month
// ("1 Sep 2026"), as it always read; a translation writes its language's long date
// ("1. September 2026").
QString DayInWords(QDate date);

} // namespace LocalDates
