#pragma once

#include "diary/ReadingsSchema.h"
#include "xmlstore/clsXMLTag.h"

#include <QList>
#include <QString>
#include <QTime>

#include <memory>
#include <optional>

// Several readings of one day.
//
// A day entry holds its first reading in its own four value tags ("S", "D", "P", "C"), exactly
// as a day with one reading always has, so a program that knows only those tags shows the day's
// first reading and keeps the rest when it saves. When the day holds more readings, the first
// reading's time follows in "T", and each further reading is a tag of its own after them,
// "R2", "R3", ..., holding "T", "S", "D", "P", "C" in that order:
//
//     <20261207>
//         <S>128</S> <D>84</D> <P>71</P> <C>Walked</C> <T>07:05</T>
//         <R2> <T>07:07</T> <S>126</S> <D>82</D> <P>70</P> <C></C> </R2>
//     </20261207>
//
// A day with one reading is written exactly as before: no "T", no "R" tags.

// Name of a reading's time tag; its value is "HH:mm" (24 hours) or empty when not known.
inline const QString kTimeName = QStringLiteral("T");
// The most readings one day holds: the home protocol takes two readings morning and evening;
// twelve leaves room for repeats and a day measured every two hours, and keeps a day's report
// lines and the entry control short.
inline constexpr int kMaxReadingsPerDay = 12;

// Name of the tag that holds a day's reading at this 0-based index (1 gives "R2").
QString FurtherReadingTagName(int iIndex);

// One reading: its time of day and its four values as stored.
struct Reading {
    QString szTime;
    QString szSystolic;
    QString szDiastolic;
    QString szPulse;
    QString szComment;
    // True when none of the four values holds anything.
    bool IsEmpty() const;
    friend bool operator==(const Reading&, const Reading&) = default;
};

// A time of day as stored ("07:05"); an invalid time gives empty text.
QString TimeText(const QTime& time);
// A stored or typed time ("7:05", "07:05", "19.30", "0730"): the time, or none when the text
// is not a time of day. Empty text (or blanks) gives an invalid time: no time known.
std::optional<QTime> ReadTimeText(QStringView szText);

// The number of readings a day entry holds: 1 for an entry with its four value tags alone, one
// more for each further reading tag.
int DayReadingCount(const std::shared_ptr<clsXMLTag>& objEntry);
// Every reading of a day entry, the first one first.
QList<Reading> DayReadings(const std::shared_ptr<clsXMLTag>& objEntry);
// The value tags of one reading (0 is the day's own), with its time tag in objTimeTag; tags
// the entry lacks are added empty so typing is never lost. Null tags when there is no such
// reading.
struct ReadingTags : DayEntryTags {
    std::shared_ptr<clsXMLTag> objTimeTag;
};
ReadingTags ReadingValueTags(const std::shared_ptr<clsXMLTag>& objEntry, int iIndex);
// Adds an empty reading at the end of the day with this time and returns its index; the first
// reading gets a time tag then too (szFirstTime when it has none yet). -1 when the day holds
// kMaxReadingsPerDay readings already.
int AddReading(const std::shared_ptr<clsXMLTag>& objEntry, const QString& szTime,
               const QString& szFirstTime = QString());
// Removes the reading at this index (a later one moves up; removing the first moves the second
// into the day's own tags). A day left with one reading is written as a day always was: its
// time tag goes. False when there is no such reading or it is the only one.
bool RemoveReading(const std::shared_ptr<clsXMLTag>& objEntry, int iIndex);
// Replaces every reading of a day entry, keeping any tags this program does not know.
// Readings beyond kMaxReadingsPerDay are not written; an empty list leaves one empty reading.
void WriteDayReadings(const std::shared_ptr<clsXMLTag>& objEntry, const QList<Reading>& readings);

// A day's readings reduced to what the chart shows: the mean of each value over the readings
// that hold a number above zero for it (rounded by the one rounding rule), and the lowest and
// highest of them; zero where none does.
struct DaySpread {
    int iReadings = 0;
    // The readings that hold a number above zero in any of the three values.
    int iMeasured = 0;
    int iSystolic = 0, iDiastolic = 0, iPulse = 0;
    int iSystolicLow = 0, iSystolicHigh = 0;
    int iDiastolicLow = 0, iDiastolicHigh = 0;
    int iPulseLow = 0, iPulseHigh = 0;
};
DaySpread SpreadOfReadings(const QList<Reading>& readings);
// The same of a day entry: SpreadOfReadings(DayReadings(objEntry)), in one pass over its tags
// without copying a reading (the chart reads every day of a diary so on each fill).
DaySpread SpreadOfDay(const std::shared_ptr<clsXMLTag>& objEntry);
