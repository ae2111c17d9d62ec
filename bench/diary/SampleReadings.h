#pragma once

#include "diary/ReadingsSchema.h"
#include "xmlstore/clsXMLTags.h"

#include <QDate>

#include <cmath>
#include <memory>
#include <numbers>
#include <random>

// Daily readings as a person would keep them over the years: a seasonal swing and day-to-day
// noise, with some days only selected (placeholders), some boxes left empty and a few typos.
inline std::shared_ptr<clsXMLTag> MakeSampleReadings(int iDays, const QDate& first) {
    auto objBlock = std::make_shared<clsXMLTag>();
    std::shared_ptr<clsXMLTag> objReadings = CreateReadingsSkeleton(objBlock);
    std::mt19937 random(12345);
    std::normal_distribution<double> noise(0.0, 1.0);
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    for (int i = 0; i < iDays; ++i) {
        const QDate day = first.addDays(i);
        const DayEntryTags tags = CreateDayEntry(
            objReadings, DayKey(qint16(day.year()), qint16(day.month()), qint16(day.day())));
        const double roll = chance(random);
        if (roll < 0.04) {
            continue; // selected, nothing typed
        }
        const double season = std::sin(i * 2 * std::numbers::pi / 365.0);
        const double drift = 6 * std::sin(i * 2 * std::numbers::pi / 2900.0);
        tags.objSystolicTag->szValue =
            QString::number(std::lround(128 + 9 * season + drift + 7 * noise(random)));
        if (roll > 0.06) {
            tags.objDiastolicTag->szValue =
                QString::number(std::lround(82 + 5 * season + drift / 2 + 5 * noise(random)));
        }
        tags.objPulseTag->szValue =
            QString::number(std::lround(70 + 3 * season + 6 * noise(random)));
        if (roll > 0.995) {
            tags.objPulseTag->szValue = QStringLiteral("7x");
        }
        if (roll > 0.9) {
            tags.objCommentTag->szValue = QStringLiteral("Walked");
        }
    }
    // The readings tag keeps its own list alive; its parent link does not own.
    static std::vector<std::shared_ptr<clsXMLTag>> documents;
    documents.push_back(objBlock);
    return objReadings;
}

// One day selected and nothing typed: a chart that is shown but has no rows.
inline std::shared_ptr<clsXMLTag> MakePlaceholderReadings() {
    auto objBlock = std::make_shared<clsXMLTag>();
    std::shared_ptr<clsXMLTag> objReadings = CreateReadingsSkeleton(objBlock);
    CreateDayEntry(objReadings, DayKey(2026, 12, 8));
    static std::vector<std::shared_ptr<clsXMLTag>> documents;
    documents.push_back(objBlock);
    return objReadings;
}
