#pragma once

#include <QByteArray>

#include <QString>
#include <QStringView>
#include <string>

// How names and values are carried in a line of the data file.
//
// Values: a CR becomes the marker character (byte 0xF8), an LF is dropped. Characters the line
// form cannot carry are written as decimal character references "&#N;" (N the Unicode code
// point): "<" anywhere; ">" and "=" in the value of an opening line; the marker character
// itself; a literal "&#"; characters the code page has no byte for. A surrogate that is not
// part of a pair is written as a reference to its own code unit, so any text comes back
// exactly as it was. Text without such characters is written byte for byte.
//
// Names: the same references for "<", ">", "&#", CR, LF and characters the code page lacks;
// on opening and closing lines also "=" and a leading "/". Names carry no marker.
namespace XMLCodec {

// Appends a name in the file's code page; braceLine is true for opening and closing lines.
void AppendName(QStringView name, bool braceLine, std::string& out);
// Appends a value in the file's code page; openingLine is true for the value of an opening line.
void AppendValue(QStringView value, bool openingLine, std::string& out);
// The value as it stands in a line, as text (the marker, references), for a one-line tag.
QString EncodeValueText(QStringView value);

// Decodes the references of a name read from a line.
QString DecodeName(QStringView name);
// Decodes a value read from a line: the marker becomes CR LF, references their characters.
QString DecodeValue(QStringView value);
// True when DecodeName or DecodeValue would change the text.
bool NameNeedsDecoding(QStringView name);
bool ValueNeedsDecoding(QStringView value);

} // namespace XMLCodec
