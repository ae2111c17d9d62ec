#include "diary/TextToInteger.h"

#include <QString>
#include <QStringView>

#include <cmath>

qint64 RoundHalfEven(qint64 lWhole, int iRestAgainstHalf) {
    if (iRestAgainstHalf > 0 || (iRestAgainstHalf == 0 && lWhole % 2 != 0)) {
        return lWhole + 1;
    }
    return lWhole;
}

qint32 RoundHalfEven(double value) {
    const double whole = std::floor(value);
    const double rest = value - whole;
    return static_cast<qint32>(RoundHalfEven(static_cast<qint64>(whole), rest > 0.5    ? 1
                                                                         : rest == 0.5 ? 0
                                                                                       : -1));
}

namespace {

// The digits of a number, as far as rounding it to a whole number needs them.
struct Digits {
    // The whole part, counted up to kBeyond only.
    qint64 lWhole = 0;
    qsizetype iWholeDigits = 0;
    // Of the fraction: its first digit, and whether anything non-zero follows it.
    int iFirstFractionDigit = 0;
    bool bMoreAfterFirst = false;
    qsizetype iFractionDigits = 0;
};

// Anything beyond 32768 is out of range whatever follows.
constexpr qint64 kBeyond = 40000;

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Reads the digits of view from i on: a whole part, then a point and a fraction. Returns where
// the reading stopped.
qsizetype ReadDigits(QStringView view, qsizetype i, Digits* pDigits) {
    const qsizetype n = view.size();
    // Whole part: counting stops beyond the range, but the rest must still be digits.
    for (; i < n && IsDigit(view[i]); ++i) {
        pDigits->lWhole = qMin(kBeyond, pDigits->lWhole * 10 + (view[i].unicode() - u'0'));
        ++pDigits->iWholeDigits;
    }
    if (i == n || view[i] != u'.') {
        return i;
    }
    for (++i; i < n && IsDigit(view[i]); ++i) {
        const int iDigit = view[i].unicode() - u'0';
        if (pDigits->iFractionDigits == 0) {
            pDigits->iFirstFractionDigit = iDigit;
        } else if (iDigit != 0) {
            pDigits->bMoreAfterFirst = true;
        }
        ++pDigits->iFractionDigits;
    }
    return i;
}

} // namespace

// The number is read exactly from its digits (no binary floating point), so that a half is a
// true half: 2.5 goes to 2, 3.5 to 4, and 0.50000000000000001 still goes to 1.
std::optional<qint16> TextToInteger(const QString& szText) {
    // Blanks around the number are skipped in place (no trimmed copy: the chart converts
    // every stored value on every refill).
    qsizetype iBegin = 0;
    qsizetype n = szText.size();
    while (iBegin < n && szText[iBegin].isSpace()) {
        ++iBegin;
    }
    while (n > iBegin && szText[n - 1].isSpace()) {
        --n;
    }
    if (iBegin == n) {
        return qint16(0);
    }
    const QStringView szView = QStringView(szText).first(n);

    qsizetype i = iBegin;
    bool bNegative = false;
    if (szView[i] == u'+' || szView[i] == u'-') {
        bNegative = szView[i] == u'-';
        ++i;
    }
    Digits digits;
    if (ReadDigits(szView, i, &digits) != n || digits.iWholeDigits + digits.iFractionDigits == 0) {
        return std::nullopt;
    }

    // Nearest whole number of the magnitude, an exact half to the even neighbour.
    const int iRestAgainstHalf = digits.iFirstFractionDigit != 5 ? digits.iFirstFractionDigit - 5
                                                                 : (digits.bMoreAfterFirst ? 1 : 0);
    const qint64 lRounded = RoundHalfEven(digits.lWhole, iRestAgainstHalf);
    const qint64 lValue = bNegative ? -lRounded : lRounded;
    if (lValue < -32768 || lValue > 32767) {
        return std::nullopt;
    }
    return static_cast<qint16>(lValue);
}
