#pragma once

#include "diary/DayReadings.h"
#include "xmlstore/clsXMLTag.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>

// Merging two versions of one diary day by day, against the version both came from.
//
// A day changed on one side only takes that side. A day changed identically on both sides is one
// change. Otherwise its readings are merged one by one: readings the common version held are
// merged value by value (a value changed on one side takes that side); readings either side
// added are all kept, the same reading added on both sides once. Only a value changed
// differently on both sides is a conflict: the merged diary keeps this side's value, and the
// conflict names the other side's.

// A diary's days by day key, each with its readings. A day whose readings are all empty counts
// as no day (selecting a day creates an empty entry, which is no change).
using DiaryDays = QMap<QString, QList<Reading>>;

// The days under a readings tag.
DiaryDays DiaryDaysOf(const std::shared_ptr<clsXMLTag>& objReadings);

// One value changed differently on both sides.
struct MergeConflict {
    QString szDayKey;
    // The reading's index in the merged day, and which value: "T", "S", "D", "P" or "C".
    int iReading = 0;
    QString szValueName;
    QString szMine;
    QString szTheirs;
    friend bool operator==(const MergeConflict&, const MergeConflict&) = default;
};

// The member of a reading a value name of a conflict stands for; null for an unknown name.
QString Reading::*ReadingValueOf(const QString& szValueName);

struct DiaryMerge {
    DiaryDays merged;
    QList<MergeConflict> conflicts;
    // Days where the merged diary differs from this side's: what came from the other side.
    QStringList daysFromTheirs;
};

// Merges this side's days (mine) and the other side's (theirs), both changed from base.
DiaryMerge MergeDiaries(const DiaryDays& base, const DiaryDays& mine, const DiaryDays& theirs);

// The version to merge two diaries against when they share no recorded one (a copy a
// synchronising tool left beside the diary): what both hold alike. Each day both hold keeps, for
// the readings both have, the values both hold alike, the others empty. Merged against it, what
// one side has that the other lacks is added, and only a value both hold differently is a
// conflict.
DiaryDays CommonBase(const DiaryDays& mine, const DiaryDays& theirs);

// Writes merged days into a readings tag: days that differ are rewritten (keeping tags this
// program does not know), days not in the merge are removed, new days are added in order.
// False when the store cannot take a new day (a full diary); what fitted is written.
bool WriteDiaryDays(const std::shared_ptr<clsXMLTag>& objReadings, const DiaryDays& days);
