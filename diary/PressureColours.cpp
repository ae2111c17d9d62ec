#include "diary/PressureColours.h"

#include "diary/TextToInteger.h"

#include <limits>

namespace {

constexpr qint16 kLowest = std::numeric_limits<qint16>::min();
constexpr qint16 kHighest = std::numeric_limits<qint16>::max();

long ColourInRanges(const QString& szReading, const PressureRanges& ranges) {
    const std::optional<qint16> value = TextToInteger(szReading);
    if (!value) {
        return kPressureBlack;
    }
    for (const PressureRange& range : ranges) {
        if (*value >= range.iLowest && *value <= range.iHighest) {
            return range.lColor;
        }
    }
    return kPressureBlack;
}

} // namespace

const PressureRanges& SystolicRanges() {
    static const PressureRanges ranges{{{kPressureRed, kLowest, 99},
                                        {kPressureGreen, 100, 129},
                                        {kPressureOrange, 130, 149},
                                        {kPressureRed, 150, kHighest}}};
    return ranges;
}

const PressureRanges& DiastolicRanges() {
    static const PressureRanges ranges{{{kPressureRed, kLowest, 59},
                                        {kPressureGreen, 60, 84},
                                        {kPressureOrange, 85, 94},
                                        {kPressureRed, 95, kHighest}}};
    return ranges;
}

long SystolicColor(const QString& szReading) {
    return ColourInRanges(szReading, SystolicRanges());
}

long DiastolicColor(const QString& szReading) {
    return ColourInRanges(szReading, DiastolicRanges());
}

QString PressureColourName(long lColor) {
    switch (lColor) {
    case kPressureRed:
        return QStringLiteral("red");
    case kPressureGreen:
        return QStringLiteral("green");
    case kPressureOrange:
        return QStringLiteral("orange");
    case kPressureBlack:
        return QStringLiteral("black");
    default:
        return QString();
    }
}
