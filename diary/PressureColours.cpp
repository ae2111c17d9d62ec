#include "diary/PressureColours.h"

#include "diary/TextToInteger.h"

#include <QCoreApplication>
#include <limits>

namespace {

struct PressureColours {
    Q_DECLARE_TR_FUNCTIONS(PressureColours)
};

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
        return PressureColours::tr("red");
    case kPressureGreen:
        return PressureColours::tr("green");
    case kPressureOrange:
        return PressureColours::tr("orange");
    case kPressureBlack:
        return PressureColours::tr("black");
    default:
        return QString();
    }
}
