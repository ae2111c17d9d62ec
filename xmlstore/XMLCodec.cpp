#include "xmlstore/XMLCodec.h"

#include "xmlstore/CodePage.h"

#include <array>

namespace {

// Characters below 0x80 that may need a reference, by where they stand.
enum : unsigned char {
    kAny = 1,       // everywhere: "<", CR, LF in names
    kBraceName = 2, // "=" in the name of an opening or closing line
    kOpenValue = 4, // ">" and "=" in the value of an opening line
    kName = 8,      // ">" in every name
};

constexpr std::array<unsigned char, 128> MakeAsciiClass() {
    std::array<unsigned char, 128> t{};
    t['<'] = kAny;
    t['>'] = kName | kOpenValue;
    t['='] = kBraceName | kOpenValue;
    t['&'] = kAny; // only when "#" follows; checked at the place
    return t;
}
constexpr std::array<unsigned char, 128> kAsciiClass = MakeAsciiClass();

void AppendReference(char32_t cp, std::string& out) {
    char buf[16];
    int n = 0;
    do {
        buf[n++] = static_cast<char>('0' + cp % 10);
        cp /= 10;
    } while (cp != 0);
    out.append("&#", 2);
    while (n > 0) {
        out.push_back(buf[--n]);
    }
    out.push_back(';');
}

void AppendReference(char32_t cp, QString& out) {
    out.append(QLatin1String("&#"));
    out.append(QString::number(static_cast<uint>(cp)));
    out.append(u';');
}

inline bool IsHigh(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
inline bool IsLow(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Byte-writing target: the file's code page.
struct ByteSink {
    std::string& out;
    void Ascii(char16_t c) { out.push_back(static_cast<char>(c)); }
    void Marker() { out.push_back(static_cast<char>(0xF8)); }
    bool Char(char16_t c) { return CodePage::AppendChar(c, out); }
    void Reference(char32_t cp) { AppendReference(cp, out); }
};

// Text target: the same characters as QString.
struct TextSink {
    QString& out;
    void Ascii(char16_t c) { out.append(QChar(c)); }
    void Marker() { out.append(QChar(CodePage::MarkerChar())); }
    bool Char(char16_t c) {
        if (!CodePage::CanEncode(c)) {
            return false;
        }
        out.append(QChar(c));
        return true;
    }
    void Reference(char32_t cp) { AppendReference(cp, out); }
};

// Handles a character at or above 0x80 (or a surrogate); returns how many units it used.
template <class Sink> qsizetype EncodeWide(QStringView s, qsizetype i, Sink& sink) {
    const char16_t c = s[i].unicode();
    if (IsHigh(c) && i + 1 < s.size() && IsLow(s[i + 1].unicode())) {
        const char32_t cp =
            0x10000 + ((char32_t(c) - 0xD800) << 10) + (char32_t(s[i + 1].unicode()) - 0xDC00);
        sink.Reference(cp);
        return 2;
    }
    if (IsHigh(c) || IsLow(c) || !sink.Char(c)) {
        sink.Reference(c);
    }
    return 1;
}

template <class Sink> void EncodeName(QStringView name, bool braceLine, Sink& sink) {
    const qsizetype n = name.size();
    const unsigned char mask = kAny | kName | (braceLine ? kBraceName : 0);
    for (qsizetype i = 0; i < n;) {
        const char16_t c = name[i].unicode();
        if (c < 0x80) {
            bool escape = (kAsciiClass[c] & mask) != 0;
            if (c == u'&') {
                escape = i + 1 < n && name[i + 1] == u'#';
            } else if (c == u'\r' || c == u'\n') {
                escape = true;
            } else if (c == u'/' && i == 0 && braceLine) {
                escape = true;
            }
            if (escape) {
                sink.Reference(c);
            } else {
                sink.Ascii(c);
            }
            ++i;
        } else {
            i += EncodeWide(name, i, sink);
        }
    }
}

template <class Sink> void EncodeValue(QStringView value, bool openingLine, Sink& sink) {
    const qsizetype n = value.size();
    const unsigned char mask = kAny | (openingLine ? kOpenValue : 0);
    const char16_t marker = CodePage::MarkerChar();
    for (qsizetype i = 0; i < n;) {
        const char16_t c = value[i].unicode();
        if (c < 0x80) {
            if (c == u'\r') {
                sink.Marker();
            } else if (c == u'\n') {
                // dropped: line breaks are CR LF, and the CR stands for both
            } else {
                bool escape = (kAsciiClass[c] & mask) != 0;
                if (c == u'&') {
                    // a dropped LF must not join "&" and "#" into a reference
                    qsizetype j = i + 1;
                    while (j < n && value[j] == u'\n') {
                        ++j;
                    }
                    escape = j < n && value[j] == u'#';
                }
                if (escape) {
                    sink.Reference(c);
                } else {
                    sink.Ascii(c);
                }
            }
            ++i;
        } else if (c == marker) {
            sink.Reference(c);
            ++i;
        } else {
            i += EncodeWide(value, i, sink);
        }
    }
}

// Reads a reference "&#N;" at position i; returns its length (0 when there is none) and the
// code point.
qsizetype ReadReference(QStringView s, qsizetype i, char32_t& cp) {
    const qsizetype n = s.size();
    if (i + 3 >= n || s[i] != u'&' || s[i + 1] != u'#') {
        return 0;
    }
    qsizetype j = i + 2;
    char32_t v = 0;
    while (j < n && j - (i + 2) < 8) {
        const char16_t d = s[j].unicode();
        if (d < u'0' || d > u'9') {
            break;
        }
        v = v * 10 + (d - u'0');
        ++j;
    }
    if (j == i + 2 || j >= n || s[j] != u';' || v > 0x10FFFF) {
        return 0;
    }
    cp = v;
    return j + 1 - i;
}

void AppendCodePoint(char32_t cp, QString& out) {
    if (cp < 0x10000) {
        out.append(QChar(static_cast<char16_t>(cp)));
    } else {
        out.append(QChar(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10))));
        out.append(QChar(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF))));
    }
}

QString Decode(QStringView s, bool marker) {
    QString out;
    out.reserve(s.size());
    const char16_t m = CodePage::MarkerChar();
    const qsizetype n = s.size();
    for (qsizetype i = 0; i < n;) {
        const char16_t c = s[i].unicode();
        if (marker && c == m) {
            out.append(QLatin1String("\r\n"));
            ++i;
            continue;
        }
        if (c == u'&') {
            char32_t cp = 0;
            const qsizetype len = ReadReference(s, i, cp);
            if (len > 0) {
                AppendCodePoint(cp, out);
                i += len;
                continue;
            }
        }
        out.append(QChar(c));
        ++i;
    }
    return out;
}

// True when s holds "&#", or the marker character when marker is true. A plain loop: the texts
// are short, and the loader asks this of every name and value it reads.
bool NeedsDecoding(QStringView s, bool marker) {
    const char16_t* p = s.utf16();
    const qsizetype n = s.size();
    const char16_t m = CodePage::MarkerChar();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = p[i];
        if ((marker && c == m) || (c == u'&' && i + 1 < n && p[i + 1] == u'#')) {
            return true;
        }
    }
    return false;
}

} // namespace

namespace XMLCodec {

void AppendName(QStringView name, bool braceLine, std::string& out) {
    ByteSink sink{out};
    EncodeName(name, braceLine, sink);
}

void AppendValue(QStringView value, bool openingLine, std::string& out) {
    ByteSink sink{out};
    EncodeValue(value, openingLine, sink);
}

QString EncodeValueText(QStringView value) {
    QString out;
    out.reserve(value.size());
    TextSink sink{out};
    EncodeValue(value, false, sink);
    return out;
}

QString DecodeName(QStringView name) {
    return Decode(name, false);
}

QString DecodeValue(QStringView value) {
    return Decode(value, true);
}

bool NameNeedsDecoding(QStringView name) {
    return NeedsDecoding(name, false);
}

bool ValueNeedsDecoding(QStringView value) {
    return NeedsDecoding(value, true);
}

} // namespace XMLCodec
