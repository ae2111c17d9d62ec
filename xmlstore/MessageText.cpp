#include "xmlstore/MessageText.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

struct MessageTextList {
    Q_DECLARE_TR_FUNCTIONS(MessageText)
};

// Whether a character is shown as an escape: a control character, a mark or override of the
// text's direction (which can reorder what a terminal shows), or a line or paragraph separator.
bool ShownAsEscape(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0x2028 ||
           c == 0x2029;
}

// The escape of such a character: \xHH below 0x100, else \uHHHH (capital hex digits).
QString Escape(char16_t c) {
    const int iDigits = c < 0x100 ? 2 : 4;
    QString szEscape = c < 0x100 ? QStringLiteral("\\x") : QStringLiteral("\\u");
    for (int i = iDigits - 1; i >= 0; --i) {
        szEscape += QLatin1Char("0123456789ABCDEF"[(c >> (4 * i)) & 0xF]);
    }
    return szEscape;
}

} // namespace

QString MessageText::Visible(QStringView text) {
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        if (ShownAsEscape(c.unicode())) {
            shown += Escape(c.unicode());
        } else {
            shown += c;
        }
    }
    return shown;
}

QString MessageText::Quoted(QStringView text, qsizetype iMax) {
    QString shown;
    shown.reserve(std::min(text.size(), iMax) + 1);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (ShownAsEscape(c)) {
            const QString szEscape = Escape(c);
            if (shown.size() + szEscape.size() > iMax) {
                shown += QChar(0x2026);
                break;
            }
            shown += szEscape;
            continue;
        }
        // A surrogate pair is one character: both halves or neither.
        const qsizetype n = QChar::isHighSurrogate(c) && i + 1 < text.size() &&
                                    QChar::isLowSurrogate(text[i + 1].unicode())
                                ? 2
                                : 1;
        if (shown.size() + n > iMax) {
            shown += QChar(0x2026);
            break;
        }
        shown += text.sliced(i, n);
        i += n - 1;
    }
    return shown;
}

QString MessageText::List(const QStringList& names, qsizetype iMax) {
    QStringList shown;
    for (qsizetype i = 0; i < names.size() && i < iMax; ++i) {
        shown.append(Quoted(names[i]));
    }
    const QString szList = shown.join(QStringLiteral(", "));
    if (names.size() <= iMax) {
        return szList;
    }
    //: %1: names, %n: how many more names there are
    return MessageTextList::tr("%1 and %n more", nullptr, static_cast<int>(names.size() - iMax))
        .arg(szList);
}
