#pragma once

// Builds readings for the report's tests and benchmarks: a document of their own (never the
// program's one document), with day entries added as the main window adds them.

#include "diary/DayReadings.h"
#include "diary/ReadingsSchema.h"
#include "xmlstore/clsXML.h"

#include <QDate>
#include <QList>
#include <QString>

#include <memory>

namespace reporttest {

// One day's four stored texts.
struct Day {
    QString szKey;
    QString szSys;
    QString szDia;
    QString szPulse;
    QString szComment;
};

// The document the tests' readings live in, and its readings tag.
struct Store {
    std::shared_ptr<clsXML> objXML;
    std::shared_ptr<clsXMLTag> objReadings;
};

inline Store& CurrentStore() {
    static Store store;
    return store;
}

// The readings tag a report window is given.
inline std::shared_ptr<clsXMLTag> Readings() {
    return CurrentStore().objReadings;
}

// Starts a new, empty readings store.
inline void ResetReadings() {
    Store& store = CurrentStore();
    store.objXML = std::make_shared<clsXML>();
    store.objReadings = CreateReadingsSkeleton(store.objXML->objBlockTag);
}

inline void AddDay(const Day& day) {
    const DayEntryTags tags = FindOrCreateDayEntry(Readings(), day.szKey);
    tags.objSystolicTag->szValue = day.szSys;
    tags.objDiastolicTag->szValue = day.szDia;
    tags.objPulseTag->szValue = day.szPulse;
    tags.objCommentTag->szValue = day.szComment;
}

inline QString KeyOf(const QDate& date) {
    return date.toString(QStringLiteral("yyyyMMdd"));
}

// iDays consecutive days of full readings from dtFirst (1 January 2000 unless given), values
// varying over the ranges.
inline void FillDays(int iDays, const QDate& dtFirst = QDate(2000, 1, 1)) {
    ResetReadings();
    for (int i = 0; i < iDays; ++i) {
        // Every day is new: created without looking for it first, as years of days would
        // otherwise take minutes to set up.
        const DayEntryTags tags = CreateDayEntry(Readings(), KeyOf(dtFirst.addDays(i)));
        tags.objSystolicTag->szValue = QString::number(95 + i % 60);
        tags.objDiastolicTag->szValue = QString::number(55 + i % 45);
        tags.objPulseTag->szValue = QString::number(60 + i % 30);
        tags.objCommentTag->szValue = i % 7 == 0 ? QStringLiteral("Walked in the park") : QString();
    }
}

// A day of several readings, as the main window stores them.
inline void AddReadings(const QString& szKey, const QList<Reading>& readings) {
    FindOrCreateDayEntry(Readings(), szKey);
    WriteDayReadings(FindDayEntry(Readings(), szKey), readings);
}

// iDays consecutive days from 1 January 2000 with iPerDay readings each (at 07:00, 07:02,
// 19:00, 19:02, then every further hour), values varying over the ranges.
inline void FillDaysOfReadings(int iDays, int iPerDay) {
    ResetReadings();
    static const QStringList kTimes = {QStringLiteral("07:00"), QStringLiteral("07:02"),
                                       QStringLiteral("19:00"), QStringLiteral("19:02")};
    const QDate dtFirst(2000, 1, 1);
    for (int i = 0; i < iDays; ++i) {
        const QString szKey = KeyOf(dtFirst.addDays(i));
        CreateDayEntry(Readings(), szKey);
        QList<Reading> readings;
        for (int j = 0; j < iPerDay; ++j) {
            const int v = i + 7 * j;
            readings.append({j < kTimes.size() ? kTimes[j] : QStringLiteral("%1:30").arg(8 + j),
                             QString::number(95 + v % 60), QString::number(55 + v % 45),
                             QString::number(60 + v % 30),
                             v % 7 == 0 ? QStringLiteral("Walked in the park") : QString()});
        }
        WriteDayReadings(FindDayEntry(Readings(), szKey), readings);
    }
}

} // namespace reporttest
