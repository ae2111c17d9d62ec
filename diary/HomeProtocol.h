#pragma once

#include "diary/DayReadings.h"

#include <QDate>
#include <QList>

// The home-measurement protocol (2023 European guidelines): two readings morning and evening on
// up to seven consecutive days, the first day left out, the mean of the rest compared with
// 135/85. Morning is before noon, evening from noon on; a reading without a time or without a
// systolic and diastolic number is not counted.

// The home-measurement thresholds of high blood pressure: a mean at or above either is high.
inline constexpr int kHomeSystolicThreshold = 135;
inline constexpr int kHomeDiastolicThreshold = 85;

// A day and its readings, for the figures below.
struct DatedReadings {
    QDate dtDay;
    QList<Reading> readings;
};

// The fewest consecutive days with morning and evening readings that make up a protocol week
// (the first of them is left out).
inline constexpr int kProtocolMinimumDays = 3;
// The most days a protocol week takes: the last seven of a longer run.
inline constexpr int kProtocolWeekDays = 7;

struct HomeProtocolFigures {
    // True when the readings hold a protocol week; the figures below are then filled in.
    bool bComplete = false;
    // The week's days with morning and evening readings, the left-out first day included.
    QDate dtWeekFirst;
    QDate dtWeekLast;
    // Days and readings counted (without the first day).
    int iDaysCounted = 0;
    int iReadings = 0;
    int iMorningReadings = 0;
    int iEveningReadings = 0;
    // Means, rounded by the program's one rounding rule.
    int iSystolic = 0, iDiastolic = 0;
    int iMorningSystolic = 0, iMorningDiastolic = 0;
    int iEveningSystolic = 0, iEveningDiastolic = 0;
    // True when the mean reaches the home threshold: systolic 135 or more, or diastolic 85 or
    // more.
    bool bReachesThreshold = false;
    // When there is no protocol week: the longest run found of consecutive days with morning and
    // evening readings (0 when no day has both).
    int iLongestRun = 0;
};

// The figures of the latest protocol week among these days (any order; days without readings
// may be left out).
HomeProtocolFigures ComputeHomeProtocol(QList<DatedReadings> days);
