#include "xmlstore/CodePage.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstdint>
#include <vector>
#endif

namespace {

#ifndef Q_OS_WIN
// Windows-1252, bytes 0x80 to 0x9F. The five bytes the code page leaves undefined stand for
// the C1 control characters of the same number, so that every byte comes back unchanged.
constexpr char16_t kHigh1252[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int Byte1252(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return c;
    }
    for (int i = 0; i < 32; ++i) {
        if (kHigh1252[i] == c) {
            return 0x80 + i;
        }
    }
    return -1;
}
#else
bool AnsiIsUtf8() {
    static const bool utf8 = GetACP() == CP_UTF8;
    return utf8;
}

// For every UTF-16 code unit: 0 when the ANSI code page cannot carry it, otherwise the number
// of bytes (1 or 2) in the top byte and the bytes below it. Built once, on first use.
const std::vector<uint32_t>& AnsiTable() {
    static const std::vector<uint32_t> table = [] {
        std::vector<uint32_t> t(0x10000, 0);
        for (uint32_t u = 0; u < 0x10000; ++u) {
            if (u >= 0xD800 && u <= 0xDFFF) {
                continue;
            }
            const wchar_t w = static_cast<wchar_t>(u);
            char buf[4] = {};
            BOOL usedDefault = FALSE;
            const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &w, 1, buf, 4, nullptr,
                                              &usedDefault);
            if (n < 1 || n > 2 || usedDefault) {
                continue;
            }
            wchar_t back[2] = {};
            if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, buf, n, back, 2) != 1 ||
                back[0] != w) {
                continue;
            }
            uint32_t v = static_cast<uint32_t>(n) << 24;
            for (int i = 0; i < n; ++i) {
                v |= static_cast<uint32_t>(static_cast<unsigned char>(buf[i])) << (8 * i);
            }
            t[u] = v;
        }
        return t;
    }();
    return table;
}
#endif

} // namespace

namespace CodePage {

#ifndef Q_OS_WIN

void DecodeInto(const char* data, qsizetype size, QString& out) {
    out.resize(size);
    char16_t* p = reinterpret_cast<char16_t*>(out.data());
    const auto* in = reinterpret_cast<const unsigned char*>(data);
    for (qsizetype i = 0; i < size; ++i) {
        const unsigned char b = in[i];
        p[i] = (b >= 0x80 && b < 0xA0) ? kHigh1252[b - 0x80] : char16_t(b);
    }
}

bool AppendChar(char16_t c, std::string& out) {
    const int b = Byte1252(c);
    if (b < 0) {
        return false;
    }
    out.push_back(static_cast<char>(b));
    return true;
}

bool CanEncode(char16_t c) {
    return Byte1252(c) >= 0;
}

char16_t MarkerChar() {
    return 0x00F8;
}

#else

void DecodeInto(const char* data, qsizetype size, QString& out) {
    out.clear();
    // Lines longer than an int can count are cut at that length, never read past.
    const int len = size > 0x3FFFFFFF ? 0x3FFFFFFF : static_cast<int>(size);
    if (len == 0) {
        return;
    }
    const int n = MultiByteToWideChar(CP_ACP, 0, data, len, nullptr, 0);
    if (n > 0) {
        out.resize(n);
        const int got =
            MultiByteToWideChar(CP_ACP, 0, data, len, reinterpret_cast<wchar_t*>(out.data()), n);
        out.resize(got > 0 ? got : 0);
    }
}

bool AppendChar(char16_t c, std::string& out) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
        return true;
    }
    if (c >= 0xD800 && c <= 0xDFFF) {
        return false;
    }
    if (AnsiIsUtf8()) {
        if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        }
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        return true;
    }
    const uint32_t v = AnsiTable()[c];
    if (v == 0) {
        return false;
    }
    const int n = static_cast<int>(v >> 24);
    for (int i = 0; i < n; ++i) {
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
    return true;
}

bool CanEncode(char16_t c) {
    if (c < 0x80) {
        return true;
    }
    if (c >= 0xD800 && c <= 0xDFFF) {
        return false;
    }
    return AnsiIsUtf8() || AnsiTable()[c] != 0;
}

char16_t MarkerChar() {
    static const char16_t marker = [] {
        const char b = static_cast<char>(0xF8);
        wchar_t w[2] = {};
        if (MultiByteToWideChar(CP_ACP, 0, &b, 1, w, 2) == 1) {
            return static_cast<char16_t>(w[0]);
        }
        return char16_t(0x00F8);
    }();
    return marker;
}

#endif

} // namespace CodePage
