#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The program's one rounding rule: the nearest whole number, an exact half to the even
// neighbour (2.5 gives 2, 3.5 gives 4, -2.5 gives -2). The number is given as its whole part
// (rounded down) and how the rest compares with one half (negative: less, 0: exactly a half,
// positive: more).
qint64 RoundHalfEven(qint64 lWhole, int iRestAgainstHalf);
// The same rule for a number.
qint32 RoundHalfEven(double value);

// Converts entered text to a 16-bit whole number: empty text gives 0, a decimal number the
// nearest whole number (halves to even), blanks around it ignored. Text that is not a number,
// or a number outside -32768 to 32767, gives no value.
std::optional<qint16> TextToInteger(const QString& szText);
