#include "diary/CsvDates.h"

#include "i18n/LocalDates.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

struct CsvImport {
    Q_DECLARE_TR_FUNCTIONS(CsvImport)
};

bool ReadNumber(QStringView s, qsizetype& p, int iMinDigits, int iMaxDigits, int* piValue) {
    int iValue = 0;
    int iDigits = 0;
    while (p < s.size() && s[p] >= u'0' && s[p] <= u'9' && iDigits < iMaxDigits) {
        iValue = iValue * 10 + (s[p].unicode() - u'0');
        ++p;
        ++iDigits;
    }
    if (iDigits < iMinDigits || (p < s.size() && s[p] >= u'0' && s[p] <= u'9')) {
        return false;
    }
    *piValue = iValue;
    return true;
}

// H:MM[:SS[.fraction]][ AM|PM] from the start of s into *piSeconds; p is left after it.
bool ReadClock(QStringView s, qsizetype& p, int* piSeconds) {
    int iHour = 0;
    int iMinute = 0;
    int iSecond = 0;
    if (!ReadNumber(s, p, 1, 2, &iHour) || p >= s.size() || s[p] != u':' ||
        !ReadNumber(s, ++p, 2, 2, &iMinute)) {
        return false;
    }
    if (p < s.size() && s[p] == u':') {
        if (!ReadNumber(s, ++p, 2, 2, &iSecond)) {
            return false;
        }
        if (p < s.size() && (s[p] == u'.' || s[p] == u',')) {
            ++p;
            while (p < s.size() && s[p] >= u'0' && s[p] <= u'9') {
                ++p;
            }
        }
    }
    qsizetype q = p;
    while (q < s.size() && s[q] == u' ') {
        ++q;
    }
    const QStringView rest = s.sliced(q);
    const auto meridiem = [&](QLatin1String word) {
        return rest.startsWith(word, Qt::CaseInsensitive) &&
               (rest.size() == word.size() || !rest[word.size()].isLetter());
    };
    if (meridiem(QLatin1String("am")) || meridiem(QLatin1String("pm"))) {
        if (iHour < 1 || iHour > 12) {
            return false;
        }
        const bool bPm = rest[0].toLower() == u'p';
        iHour = iHour % 12 + (bPm ? 12 : 0);
        p = q + 2;
    }
    if (iHour > 23 || iMinute > 59 || iSecond > 60) {
        return false;
    }
    *piSeconds = iHour * 3600 + iMinute * 60 + std::min(iSecond, 59);
    return true;
}

// The offset from UTC after a time, s being all of it: +HH, +HHMM or +HH:MM (or -).
bool ReadOffset(QStringView s, int* piOffsetSeconds) {
    const int iSign = s[0] == u'-' ? -1 : 1;
    QString szDigits;
    for (qsizetype p = 1; p < s.size(); ++p) {
        if (s[p] >= u'0' && s[p] <= u'9') {
            szDigits += s[p];
        } else if (s[p] != u':' || szDigits.size() != 2) {
            return false;
        }
    }
    if (szDigits.size() != 2 && szDigits.size() != 4) {
        return false;
    }
    const int iOffsetHours = QStringView(szDigits).first(2).toInt();
    const int iOffsetMinutes = szDigits.size() == 4 ? QStringView(szDigits).sliced(2).toInt() : 0;
    if (iOffsetHours > 14 || iOffsetMinutes > 59) {
        return false;
    }
    *piOffsetSeconds = iSign * (iOffsetHours * 3600 + iOffsetMinutes * 60);
    return true;
}

} // namespace

bool Csv::ReadTime(QStringView s, RowDate& date) {
    qsizetype p = 0;
    if (!ReadClock(s, p, &date.iSeconds)) {
        return false;
    }
    while (p < s.size() && s[p] == u' ') {
        ++p;
    }
    if (p == s.size()) {
        return true;
    }
    if (s[p] == u'Z' || s[p] == u'z') {
        date.iOffsetSeconds = 0;
        return p + 1 == s.size();
    }
    if (s[p] != u'+' && s[p] != u'-') {
        return false;
    }
    int iOffset = 0;
    if (!ReadOffset(s.sliced(p), &iOffset)) {
        return false;
    }
    date.iOffsetSeconds = iOffset;
    return true;
}

bool Csv::ReadDate(QStringView s, RowDate& date) {
    qsizetype p = 0;
    int iA = 0;
    int iB = 0;
    int iC = 0;
    if (!ReadNumber(s, p, 1, 4, &iA)) {
        return false;
    }
    const qsizetype iLengthA = p;
    if (p >= s.size() || (s[p] != u'-' && s[p] != u'/' && s[p] != u'.')) {
        return false;
    }
    const QChar cSeparator = s[p];
    if (!ReadNumber(s, ++p, 1, 2, &iB) || p >= s.size() || s[p] != cSeparator) {
        return false;
    }
    const qsizetype iStartC = ++p;
    if (!ReadNumber(s, p, 1, 4, &iC)) {
        return false;
    }
    const qsizetype iLengthC = p - iStartC;
    if (iLengthA == 4 && iLengthC <= 2) {
        date.iYear = iA;
        date.iFirst = iB;
        date.iSecond = iC;
    } else if (iLengthA <= 2 && iLengthC == 4) {
        date.iYear = iC;
        date.iFirst = iA;
        date.iSecond = iB;
        (cSeparator == u'.' ? date.bDayFirst : date.bSlashed) = true;
    } else {
        return false;
    }
    if (p == s.size()) {
        return true;
    }
    if (s[p] == u'T' || s[p] == u't') {
        ++p;
    } else if (s[p] == u' ' || s[p] == u',') {
        while (p < s.size() && (s[p] == u' ' || s[p] == u',')) {
            ++p;
        }
    } else {
        return false;
    }
    return ReadTime(s.sliced(p), date);
}

QDate Csv::CalendarDate(const RowDate& date, CsvDateOrder order) {
    if (date.bDayFirst || (date.bSlashed && order == CsvDateOrder::DayFirst)) {
        return QDate(date.iYear, date.iSecond, date.iFirst);
    }
    return QDate(date.iYear, date.iFirst, date.iSecond);
}

QString Csv::SpelledDate(int iYear, int iMonth, int iDay) {
    const QDate date(iYear, iMonth, iDay);
    if (!date.isValid()) {
        return CsvImport::tr("no valid date");
    }
    return LocalDates::LongDate(date);
}
