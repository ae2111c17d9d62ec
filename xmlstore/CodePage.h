#pragma once

#include <QByteArray>

#include <QString>
#include <string>

// The 8-bit code page of the data file: Windows-1252 on every system except Windows, where it
// is the system's ANSI code page. Files therefore move between systems unchanged.
namespace CodePage {

// Decodes bytes of the file (whole lines) into out, replacing what it held; out keeps its
// capacity, so decoding line after line into one text allocates almost nothing.
void DecodeInto(const char* data, qsizetype size, QString& out);

// Appends the bytes of one UTF-16 code unit that is not a surrogate; false (nothing appended)
// when the code page has no byte for it.
bool AppendChar(char16_t c, std::string& out);

// True when AppendChar would succeed for c.
bool CanEncode(char16_t c);

// The character that the byte 0xF8 stands for: the line-break marker of encoded values.
char16_t MarkerChar();

} // namespace CodePage
