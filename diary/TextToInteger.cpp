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
    const QStringView szView(szText);

    qsizetype i = iBegin;
    bool bNegative = false;
    if (szView[i] == u'+' || szView[i] == u'-') {
        bNegative = szView[i] == u'-';
        ++i;
    }

    // Whole part. Anything beyond 32768 is out of range whatever follows, so stop counting there
    // but keep checking that the rest is made of digits.
    constexpr qint64 kBeyond = 40000;
    qint64 lWhole = 0;
    qsizetype iWholeDigits = 0;
    for (; i < n && szView[i] >= u'0' && szView[i] <= u'9'; ++i) {
        lWhole = qMin(kBeyond, lWhole * 10 + (szView[i].unicode() - u'0'));
        ++iWholeDigits;
    }

    // Fraction: only its first digit and whether anything non-zero follows matter for rounding.
    int iFirstFractionDigit = 0;
    bool bMoreAfterFirst = false;
    qsizetype iFractionDigits = 0;
    if (i < n && szView[i] == u'.') {
        ++i;
        for (; i < n && szView[i] >= u'0' && szView[i] <= u'9'; ++i) {
            const int iDigit = szView[i].unicode() - u'0';
            if (iFractionDigits == 0) {
                iFirstFractionDigit = iDigit;
            } else if (iDigit != 0) {
                bMoreAfterFirst = true;
            }
            ++iFractionDigits;
        }
    }

    if (i != n || iWholeDigits + iFractionDigits == 0) {
        return std::nullopt;
    }

    // Nearest whole number of the magnitude, an exact half to the even neighbour.
    const int iRestAgainstHalf =
        iFirstFractionDigit != 5 ? iFirstFractionDigit - 5 : (bMoreAfterFirst ? 1 : 0);
    const qint64 lRounded = RoundHalfEven(lWhole, iRestAgainstHalf);
    const qint64 lValue = bNegative ? -lRounded : lRounded;
    if (lValue < -32768 || lValue > 32767) {
        return std::nullopt;
    }
    return static_cast<qint16>(lValue);
}
