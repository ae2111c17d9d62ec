#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// Converts entered text to a 16-bit whole number: empty text gives 0, a decimal number the
// nearest whole number (halves to even), blanks around it ignored. Text that is not a number,
// or a number outside -32768 to 32767, gives no value.
std::optional<qint16> TextToInteger(const QString& szText);
