#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

// Colour values of the report's pressures (red in the lowest byte, then green, then blue). Each
// class is a shade that reads on white paper at 4.5:1 or more (WCAG 2.1 AA for text), also on a
// grey printout: red (204, 0, 0) 5.9:1, green (0, 128, 0) 5.1:1, orange (190, 80, 0) 4.8:1.
constexpr long kPressureBlack = 0x000000;
constexpr long kPressureRed = 0x0000CC;
constexpr long kPressureGreen = 0x008000;
constexpr long kPressureOrange = 0x0050BE;

// One colour range of a pressure: whole numbers from iLowest to iHighest, both included.
struct PressureRange {
    long lColor;
    qint16 iLowest;
    qint16 iHighest;
};

// The ranges of a systolic and of a diastolic pressure, lowest first, together covering every
// 16-bit whole number: red (low), green, orange, red (high).
using PressureRanges = std::array<PressureRange, 4>;
const PressureRanges& SystolicRanges();
const PressureRanges& DiastolicRanges();

// The colour of a stored systolic or diastolic text by its range (the text read as TextToInteger
// reads it); black for text that is not a whole number of the 16-bit range.
long SystolicColor(const QString& szReading);
long DiastolicColor(const QString& szReading);

// The colour's name in words ("green"; "black" for the colour of text that is no number);
// empty for any other colour.
QString PressureColourName(long lColor);
