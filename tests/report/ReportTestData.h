#pragma once

// Builds readings for the report's tests and benchmarks: a fresh document as the program's
// one document, with day entries added as the main window adds them.

#include "app/util/modGlobals.h"
#include "mainwindow/readings/ReadingsSchema.h"
#include "xmlstore/clsXML.h"

#include <QDate>
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

// Starts a new, empty readings store as the program's one document.
inline void ResetReadings() {
    StartEmptyDocument();
}

inline void AddDay(const Day& day) {
    const DayEntryTags tags = FindOrCreateDayEntry(objReadings, day.szKey);
    tags.objSystolicTag->szValue = day.szSys;
    tags.objDiastolicTag->szValue = day.szDia;
    tags.objPulseTag->szValue = day.szPulse;
    tags.objCommentTag->szValue = day.szComment;
}

inline QString KeyOf(const QDate& date) {
    return date.toString(QStringLiteral("yyyyMMdd"));
}

// iDays consecutive days of full readings from 1 January 2000, values varying over the ranges.
inline void FillDays(int iDays) {
    ResetReadings();
    const QDate first(2000, 1, 1);
    for (int i = 0; i < iDays; ++i) {
        AddDay({KeyOf(first.addDays(i)), QString::number(95 + i % 60), QString::number(55 + i % 45),
                QString::number(60 + i % 30),
                i % 7 == 0 ? QStringLiteral("Walked in the park") : QString()});
    }
}

} // namespace reporttest
