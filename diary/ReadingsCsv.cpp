#include "diary/ReadingsCsv.h"

#include "diary/ReadingsSchema.h"
#include "diary/SafeFile.h"
#include "diary/TextToInteger.h"
#include "xmlstore/CodePage.h"
#include "xmlstore/FileSystem.h"
#include "xmlstore/MessageText.h"
#include "xmlstore/clsXMLTag.h"
#include "xmlstore/clsXMLTags.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QIODevice>
#include <QLocale>
#include <QStringDecoder>
#include <QTime>
#include <QTimeZone>

#include <algorithm>
#include <array>
#include <optional>
#include <tuple>
#include <vector>

namespace {

// ---- Writing

// Column names of the header row, in their order.
constexpr std::array<const char16_t*, 5> kHeaderNames = {u"date", u"systolic", u"diastolic",
                                                         u"pulse", u"comment"};

const QLatin1String kCrLf("\r\n");

// The mark that keeps a spreadsheet from taking a field for a formula.
constexpr char16_t kFormulaGuard = u'\'';

// Whether a spreadsheet reads the text as a plain number: a sign, digits, and at most one
// decimal point or comma with digits after it.
bool IsPlainNumber(QStringView s) {
    qsizetype i = (!s.isEmpty() && (s[0] == u'+' || s[0] == u'-')) ? 1 : 0;
    const auto digits = [&] {
        const qsizetype iStart = i;
        while (i < s.size() && s[i] >= u'0' && s[i] <= u'9') {
            ++i;
        }
        return i > iStart;
    };
    if (!digits()) {
        return false;
    }
    if (i < s.size() && (s[i] == u'.' || s[i] == u',')) {
        ++i;
        if (!digits()) {
            return false;
        }
    }
    return i == s.size();
}

// Whether a field is written with kFormulaGuard before it: after any guards it already has,
// it starts with a character that makes a spreadsheet read a formula (=, +, -, @, a tab or a
// line break), and it is not a plain number. The guards it already has count, so that the
// import, which takes one guard off whatever this says needs one, gives back the text exactly
// ("'=x" is written "''=x"; "'hello" and "''" stay as they are).
bool NeedsFormulaGuard(QStringView s) {
    qsizetype i = 0;
    while (i < s.size() && s[i] == kFormulaGuard) {
        ++i;
    }
    if (i == s.size()) {
        return false;
    }
    const QChar c = s[i];
    const bool bFormula =
        c == u'=' || c == u'+' || c == u'-' || c == u'@' || c == u'\t' || c == u'\r' || c == u'\n';
    return bFormula && !IsPlainNumber(s.sliced(i));
}

// Gives a field of our own export back as it was before the guard was put in front of it.
void TakeOffFormulaGuard(QString& szField) {
    if (szField.startsWith(kFormulaGuard) && NeedsFormulaGuard(QStringView(szField).sliced(1))) {
        szField.remove(0, 1);
    }
}

// Appends a field, guarded against spreadsheet formulas, and quoted when a reader could take
// it apart or trim it.
void AppendField(QString& out, const QString& szValue, QChar cDelimiter) {
    const QString szText = NeedsFormulaGuard(szValue) ? kFormulaGuard + szValue : szValue;
    bool bQuote = !szText.isEmpty() && (szText.front().isSpace() || szText.back().isSpace());
    for (qsizetype i = 0; i < szText.size() && !bQuote; ++i) {
        const QChar c = szText[i];
        bQuote = c == cDelimiter || c == u'"' || c == u'\r' || c == u'\n';
    }
    if (!bQuote) {
        out += szText;
        return;
    }
    out += u'"';
    for (const QChar c : szText) {
        if (c == u'"') {
            out += u'"';
        }
        out += c;
    }
    out += u'"';
}

// ---- Reading: bytes to text

QString DecodeBytes(const QByteArray& bytes, QString* pszEncoding) {
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        *pszEncoding = QStringLiteral("UTF-8");
        return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    }
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        *pszEncoding = QStringLiteral("UTF-16");
        QStringDecoder decoder(bytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE
                                                            : QStringConverter::Utf16BE);
        return decoder(QByteArrayView(bytes).sliced(2));
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString szText = utf8(bytes);
    if (!utf8.hasError()) {
        *pszEncoding = QStringLiteral("UTF-8");
        return szText;
    }
    // Not UTF-8: the 8-bit code page that Windows programs write (and the data file uses).
    *pszEncoding = QStringLiteral("Windows-1252");
    CodePage::DecodeInto(bytes.constData(), bytes.size(), szText);
    return szText;
}

// ---- Reading: records

struct Field {
    QString szText;
    bool bQuoted = false;
};

// Reads records (rows) of RFC 4180 text one at a time and counts the lines they span. Line
// ends may be CR LF, LF or CR; blanks around a quoted field are allowed.
class RecordReader {
public:
    RecordReader(QStringView text, QChar cDelimiter) : m_text(text), m_cDelimiter(cDelimiter) {}

    enum Result { Record, End, Broken };

    // The next record into fields, its first line into iLine; Broken with szProblem when a
    // quote is never closed or text follows one.
    Result Next(QList<Field>& fields, int& iLine, QString& szProblem) {
        const qsizetype n = m_text.size();
        if (m_pos >= n) {
            return End;
        }
        fields.clear();
        iLine = m_iLine;
        for (;;) {
            Field field;
            qsizetype p = SkipBlanks(m_pos);
            if (p < n && m_text[p] == u'"') {
                field.bQuoted = true;
                const int iFieldLine = m_iLine;
                ++p;
                for (;;) {
                    const qsizetype q = m_text.indexOf(u'"', p);
                    if (q < 0) {
                        szProblem = QStringLiteral("field %1 opens a quote on line %2 that is "
                                                   "never closed")
                                        .arg(fields.size() + 1)
                                        .arg(iFieldLine);
                        return Broken;
                    }
                    const QStringView part = m_text.sliced(p, q - p);
                    CountLines(part);
                    field.szText += part;
                    if (q + 1 < n && m_text[q + 1] == u'"') {
                        field.szText += u'"';
                        p = q + 2;
                        continue;
                    }
                    p = q + 1;
                    break;
                }
                p = SkipBlanks(p);
                if (p < n && m_text[p] != m_cDelimiter && m_text[p] != u'\r' &&
                    m_text[p] != u'\n') {
                    szProblem = QStringLiteral("field %1 has text after its closing quote")
                                    .arg(fields.size() + 1);
                    return Broken;
                }
            } else {
                qsizetype q = m_pos;
                while (q < n && m_text[q] != m_cDelimiter && m_text[q] != u'\r' &&
                       m_text[q] != u'\n') {
                    ++q;
                }
                field.szText = m_text.sliced(m_pos, q - m_pos).trimmed().toString();
                p = q;
            }
            fields.append(std::move(field));
            if (p >= n) {
                m_pos = n;
                return Record;
            }
            if (m_text[p] == m_cDelimiter) {
                m_pos = p + 1;
                continue;
            }
            // A line end closes the record.
            if (m_text[p] == u'\r' && p + 1 < n && m_text[p + 1] == u'\n') {
                ++p;
            }
            m_pos = p + 1;
            ++m_iLine;
            return Record;
        }
    }

    // The text after the record just read, and the line it starts on.
    qsizetype Position() const { return m_pos; }
    int Line() const { return m_iLine; }
    void Restart(qsizetype pos, int iLine) {
        m_pos = pos;
        m_iLine = iLine;
    }

private:
    qsizetype SkipBlanks(qsizetype p) const {
        while (p < m_text.size() &&
               (m_text[p] == u' ' || (m_text[p] == u'\t' && m_cDelimiter != u'\t'))) {
            ++p;
        }
        return p;
    }

    void CountLines(QStringView part) {
        for (qsizetype i = 0; i < part.size(); ++i) {
            if (part[i] == u'\n' ||
                (part[i] == u'\r' && (i + 1 >= part.size() || part[i + 1] != u'\n'))) {
                ++m_iLine;
            }
        }
    }

    QStringView m_text;
    QChar m_cDelimiter;
    qsizetype m_pos = 0;
    int m_iLine = 1;
};

bool IsBlankRecord(const QList<Field>& fields) {
    return std::all_of(fields.begin(), fields.end(),
                       [](const Field& field) { return field.szText.isEmpty(); });
}

// ---- Reading: the header

enum Column { kDate, kSystolic, kDiastolic, kPulse, kComment, kTime, kIgnored };

// A header name without case, a unit in brackets or anything but letters and digits
// ("Systolic (mmHg)" gives "systolic", "Heart rate" gives "heartrate").
QString NormalName(QString szName) {
    szName = szName.trimmed().toLower();
    if (szName.endsWith(u')') || szName.endsWith(u']')) {
        const qsizetype at = szName.lastIndexOf(szName.endsWith(u')') ? u'(' : u'[');
        if (at > 0) {
            szName.truncate(at);
        }
    }
    QString szLetters;
    for (const QChar c : szName) {
        if (c.isLetterOrNumber()) {
            szLetters += c;
        }
    }
    return szLetters;
}

// Which column a header name stands for; iDateRank orders the names of the date column (the
// lowest wins).
Column ColumnOfName(const QString& szNormal, int* piDateRank) {
    static const QHash<QString, std::pair<Column, int>> names = {
        {QStringLiteral("date"), {kDate, 0}},        {QStringLiteral("datetime"), {kDate, 1}},
        {QStringLiteral("dateandtime"), {kDate, 1}}, {QStringLiteral("timestamp"), {kDate, 2}},
        {QStringLiteral("day"), {kDate, 3}},         {QStringLiteral("time"), {kTime, 4}},
        {QStringLiteral("sys"), {kSystolic, 0}},     {QStringLiteral("systolic"), {kSystolic, 0}},
        {QStringLiteral("dia"), {kDiastolic, 0}},    {QStringLiteral("diastolic"), {kDiastolic, 0}},
        {QStringLiteral("pulse"), {kPulse, 0}},      {QStringLiteral("heartrate"), {kPulse, 0}},
        {QStringLiteral("bpm"), {kPulse, 0}},        {QStringLiteral("comment"), {kComment, 0}},
        {QStringLiteral("comments"), {kComment, 0}}, {QStringLiteral("note"), {kComment, 0}},
        {QStringLiteral("notes"), {kComment, 0}},
    };
    const auto it = names.constFind(szNormal);
    if (it == names.constEnd()) {
        return kIgnored;
    }
    *piDateRank = it->second;
    return it->first;
}

const QString& ValueName(Column column) {
    static const QString names[] = {QStringLiteral("date"), QStringLiteral("systolic pressure"),
                                    QStringLiteral("diastolic pressure"), QStringLiteral("pulse"),
                                    QStringLiteral("comment")};
    return names[column];
}

// Where each column is, from a header row.
struct Header {
    // Field positions of the date, the three values and the comment (-1: none), and of a
    // separate time column.
    std::array<int, 5> iField = {-1, -1, -1, -1, -1};
    int iTimeField = -1;
    int iFieldCount = 0;
    int iKnown = 0;
    QStringList ignored;
    // Two columns for one value: their names.
    QString szDuplicate;
    // The row is our export's own header row, as the export writes it.
    bool bOurs = false;

    bool Usable() const {
        return iField[kDate] >= 0 && (iField[kSystolic] >= 0 || iField[kDiastolic] >= 0 ||
                                      iField[kPulse] >= 0 || iField[kComment] >= 0);
    }
};

Header ReadHeader(const QList<Field>& fields) {
    Header header;
    header.iFieldCount = static_cast<int>(fields.size());
    int iBestDateRank = 100;
    for (int i = 0; i < fields.size(); ++i) {
        const QString szName = fields[i].szText.trimmed();
        int iRank = 0;
        Column column = ColumnOfName(NormalName(szName), &iRank);
        if (column == kTime) {
            // A time column holds the date and time when there is no date column.
            if (header.iTimeField < 0) {
                header.iTimeField = i;
            }
            column = kDate;
        }
        if (column == kDate) {
            if (iRank < iBestDateRank) {
                iBestDateRank = iRank;
                header.iField[kDate] = i;
            }
            continue;
        }
        if (column == kIgnored) {
            continue;
        }
        if (header.iField[column] >= 0) {
            header.szDuplicate =
                QStringLiteral("the columns \"%1\" and \"%2\" both hold the %3")
                    .arg(MessageText::Quoted(fields[header.iField[column]].szText.trimmed()),
                         MessageText::Quoted(szName), ValueName(column));
            continue;
        }
        header.iField[column] = i;
        ++header.iKnown;
    }
    if (header.iField[kDate] >= 0) {
        ++header.iKnown;
    }
    if (header.iTimeField == header.iField[kDate]) {
        header.iTimeField = -1;
    }
    header.bOurs = fields.size() == qsizetype(kHeaderNames.size());
    for (std::size_t i = 0; i < kHeaderNames.size() && header.bOurs; ++i) {
        header.bOurs = !fields[qsizetype(i)].bQuoted &&
                       fields[qsizetype(i)].szText == QStringView(kHeaderNames[i]);
    }
    for (int i = 0; i < fields.size(); ++i) {
        if (std::find(header.iField.begin(), header.iField.end(), i) != header.iField.end() ||
            i == header.iTimeField) {
            continue;
        }
        const QString szName = fields[i].szText.trimmed();
        header.ignored.append(szName.isEmpty() ? QStringLiteral("column %1").arg(i + 1) : szName);
    }
    return header;
}

// ---- Reading: dates and values

// A date and time as a row gives it; slashed dates keep both numbers until the order is known.
struct RowDate {
    int iYear = 0;
    int iFirst = 0;  // month, or for a slashed date the first number
    int iSecond = 0; // day, or the second number
    bool bSlashed = false;
    bool bDayFirst = false; // dd.mm.yyyy
    int iSeconds = -1;      // time of day, -1 when none
    std::optional<int> iOffsetSeconds;
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

// A time of day: H:MM[:SS[.fraction]][ AM|PM][Z|+HH[:MM]|-HH[:MM]].
bool ReadTime(QStringView s, RowDate& date) {
    qsizetype p = 0;
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
    date.iSeconds = iHour * 3600 + iMinute * 60 + std::min(iSecond, 59);
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
    const int iSign = s[p] == u'-' ? -1 : 1;
    // +HH, +HHMM or +HH:MM.
    QString szDigits;
    for (++p; p < s.size(); ++p) {
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
    date.iOffsetSeconds = iSign * (iOffsetHours * 3600 + iOffsetMinutes * 60);
    return true;
}

// A date with an optional time: yyyy-mm-dd, yyyy/mm/dd, dd.mm.yyyy, nn/nn/yyyy, nn-nn-yyyy;
// then "T" or blanks and a time.
bool ReadDate(QStringView s, RowDate& date) {
    qsizetype p = 0;
    int iA = 0;
    int iB = 0;
    int iC = 0;
    const qsizetype iStartA = p;
    if (!ReadNumber(s, p, 1, 4, &iA)) {
        return false;
    }
    const qsizetype iLengthA = p - iStartA;
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
        if (cSeparator == u'.') {
            date.bDayFirst = true;
        } else {
            date.bSlashed = true;
        }
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

// Month and day of a date once the order of slashed dates is known.
QDate CalendarDate(const RowDate& date, CsvDateOrder order) {
    if (date.bDayFirst || (date.bSlashed && order == CsvDateOrder::DayFirst)) {
        return QDate(date.iYear, date.iSecond, date.iFirst);
    }
    return QDate(date.iYear, date.iFirst, date.iSecond);
}

QString SpelledDate(int iYear, int iMonth, int iDay) {
    const QDate date(iYear, iMonth, iDay);
    if (!date.isValid()) {
        return QStringLiteral("no valid date");
    }
    return QLocale::c().toString(date, QStringLiteral("d MMMM yyyy"));
}

// A value of a pressure or the pulse: blank, or a whole number from 0 to 999. Kept as written
// unless it has more than three digits (leading zeros).
bool ReadValue(const QString& szText, Column column, QString* pszValue, QString* pszProblem) {
    if (szText.isEmpty()) {
        pszValue->clear();
        return true;
    }
    const auto allDigits = [](QStringView s) {
        return !s.isEmpty() &&
               std::all_of(s.begin(), s.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    };
    // Made only for a message: every value of a file passes here.
    const auto quoted = [&] {
        return QStringLiteral("the %1 \"%2\"").arg(ValueName(column), MessageText::Quoted(szText));
    };
    if (szText.startsWith(u'-') && allDigits(QStringView(szText).sliced(1))) {
        *pszProblem = quoted() + QStringLiteral(" is negative");
        return false;
    }
    if (!allDigits(szText)) {
        *pszProblem = quoted() + QStringLiteral(" is not a whole number");
        return false;
    }
    qsizetype iFirst = 0;
    while (iFirst + 1 < szText.size() && szText[iFirst] == u'0') {
        ++iFirst;
    }
    if (szText.size() - iFirst > 3) {
        *pszProblem = quoted() + QStringLiteral(" is larger than 999");
        return false;
    }
    *pszValue = szText.size() <= 3 ? szText : szText.sliced(iFirst);
    return true;
}

// One row with a reading, as read.
struct Row {
    int iLine = 0;
    QString szDateText;
    RowDate date;
    // The day, as a Julian day number, once the date order is known.
    qint64 lDay = 0;
    std::array<QString, 4> values; // systolic, diastolic, pulse, comment (as the store keeps it)
};

// The whole number nearest the mean of values, halves to even, by the program's one rule.
QString MeanValue(qint64 lSum, qint64 lCount) {
    // The mean as decimal text that rounds exactly as the mean itself: the whole part, the
    // first decimal and a last digit that says whether anything follows.
    const qint64 lWhole = lSum / lCount;
    const qint64 lRest = lSum % lCount;
    const qint64 lFirstDecimal = lRest * 10 / lCount;
    const bool bMore = (lRest * 10) % lCount != 0;
    const QString szMean = QString::number(lWhole) + u'.' + QString::number(lFirstDecimal) +
                           (bMore ? QStringLiteral("1") : QString());
    return QString::number(TextToInteger(szMean).value_or(0));
}

QString DelimiterName(QChar c) {
    if (c == u';') {
        return QStringLiteral("semicolons");
    }
    if (c == u'\t') {
        return QStringLiteral("tabs");
    }
    return QStringLiteral("commas");
}

QString Count(qsizetype n, const char* szOne, const char* szMany) {
    return QString::number(n) + u' ' + QLatin1String(n == 1 ? szOne : szMany);
}

// A comment longer than the box and the import take ("the comment is" N characters long).
QString CommentTooLong(qsizetype iLength, const QString& szWhat) {
    const QLocale english(QLocale::English);
    return QStringLiteral("%1 %2 characters long; a comment holds at most %3")
        .arg(szWhat, english.toString(iLength), english.toString(kMaxCommentLength));
}

// What is wrong with a file, and where (line 0: the file as a whole).
struct Problem {
    int iLine = 0;
    QString szText;
    bool bAmbiguousDates = false;
};

// The header row, the separator that finds it, and where the rows begin.
struct HeaderRow {
    Header columns;
    QChar cDelimiter = u',';
    int iLine = 0;
    qsizetype iDataStart = 0;
    int iDataLine = 0;
    // The file starts with our export's header row: it is one of our exports.
    bool bOurExport = false;
    // The start of the first line that is not blank, for a file without a header (as read,
    // the fields joined with commas; quoted in a message).
    QString szFirstLine;
};

// Among the first lines that are not blank, the first that names a date and a value column;
// the separator is the one that finds the most known columns there.
HeaderRow FindHeader(const QString& szText) {
    constexpr int kHeaderSearchRecords = 10;
    HeaderRow found;
    int iFoundIndex = kHeaderSearchRecords;
    for (const QChar cDelimiter : {u',', u';', u'\t'}) {
        RecordReader scan(szText, cDelimiter);
        QList<Field> fields;
        int iLine = 0;
        QString szProblem;
        int iIndex = 0;
        while (iIndex < kHeaderSearchRecords &&
               scan.Next(fields, iLine, szProblem) == RecordReader::Record) {
            if (IsBlankRecord(fields)) {
                continue;
            }
            if (found.szFirstLine.isEmpty() && cDelimiter == u',') {
                // More than a message quotes, and no more: a line may hold megabytes.
                for (const Field& field : fields) {
                    if (found.szFirstLine.size() > MessageText::kMaxQuoted) {
                        break;
                    }
                    if (&field != &fields.front()) {
                        found.szFirstLine += u',';
                    }
                    found.szFirstLine +=
                        QStringView(field.szText).left(MessageText::kMaxQuoted + 1);
                }
            }
            const Header candidate = ReadHeader(fields);
            if (candidate.Usable()) {
                if (candidate.iKnown > found.columns.iKnown ||
                    (candidate.iKnown == found.columns.iKnown && iIndex < iFoundIndex)) {
                    found.columns = candidate;
                    found.cDelimiter = cDelimiter;
                    found.iLine = iLine;
                    found.iDataStart = scan.Position();
                    found.iDataLine = scan.Line();
                    found.bOurExport = candidate.bOurs && iLine == 1;
                    iFoundIndex = iIndex;
                }
                break;
            }
            ++iIndex;
        }
    }
    return found;
}

// Reads every row below the header: its values checked, its date and time read (slashed
// dates wait for their order). Rows without a reading are left out.
bool ReadRows(const QString& szText, const HeaderRow& header, QList<Row>* pRows,
              Problem* pProblem) {
    const Header& columns = header.columns;
    RecordReader reader(szText, header.cDelimiter);
    reader.Restart(header.iDataStart, header.iDataLine);
    QList<Field> fields;
    int iLine = 0;
    const auto fail = [&](const QString& szText) {
        *pProblem = {iLine, szText};
        return false;
    };
    for (;;) {
        QString szProblem;
        const RecordReader::Result result = reader.Next(fields, iLine, szProblem);
        if (result == RecordReader::End) {
            return true;
        }
        if (result == RecordReader::Broken) {
            return fail(szProblem);
        }
        if (IsBlankRecord(fields)) {
            continue;
        }
        for (qsizetype i = columns.iFieldCount; i < fields.size(); ++i) {
            if (!fields[i].szText.isEmpty()) {
                return fail(QStringLiteral("the row has %1 fields, but the header names %2 "
                                           "columns")
                                .arg(fields.size())
                                .arg(columns.iFieldCount));
            }
        }
        // Our own export guarded its fields from spreadsheets: the guard comes off again.
        if (header.bOurExport) {
            for (Field& field : fields) {
                TakeOffFormulaGuard(field.szText);
            }
        }
        const auto field = [&fields](int iAt) -> const QString& {
            static const QString szNone;
            return iAt >= 0 && iAt < fields.size() ? fields[iAt].szText : szNone;
        };
        Row row;
        row.iLine = iLine;
        for (const Column column : {kSystolic, kDiastolic, kPulse}) {
            if (!ReadValue(field(columns.iField[column]), column, &row.values[column - 1],
                           &szProblem)) {
                return fail(szProblem);
            }
        }
        const QString& szComment = field(columns.iField[kComment]);
        if (const qsizetype iLength = CommentLength(szComment); iLength > kMaxCommentLength) {
            return fail(CommentTooLong(iLength, QStringLiteral("the comment is")));
        }
        row.values[3] = CommentForStore(szComment);
        if (std::all_of(row.values.begin(), row.values.end(),
                        [](const QString& szValue) { return szValue.isEmpty(); })) {
            continue; // no reading (another kind of measurement, say)
        }
        row.szDateText = field(columns.iField[kDate]).trimmed();
        if (row.szDateText.isEmpty()) {
            return fail(QStringLiteral("the row has a reading but no date"));
        }
        if (!ReadDate(row.szDateText, row.date)) {
            return fail(QStringLiteral("\"%1\" is not a date that can be read (it should read "
                                       "like 2026-12-08, 08.12.2026 or 08/12/2026)")
                            .arg(MessageText::Quoted(row.szDateText)));
        }
        const QString szTime = field(columns.iTimeField).trimmed();
        if (columns.iTimeField >= 0 && row.date.iSeconds < 0 && !szTime.isEmpty() &&
            !ReadTime(szTime, row.date)) {
            return fail(
                QStringLiteral("\"%1\" is not a time of day").arg(MessageText::Quoted(szTime)));
        }
        pRows->append(std::move(row));
    }
}

// The order of slashed dates as the file shows it: a first number above 12 is a day, and so
// is a second one. False when the file shows both orders, or none while one is needed.
bool FindDateOrder(const QList<Row>& rows, CsvDateOrder* pOrder, Problem* pProblem) {
    const Row* pDayFirst = nullptr;
    const Row* pMonthFirst = nullptr;
    const Row* pAmbiguous = nullptr;
    for (const Row& row : rows) {
        if (!row.date.bSlashed) {
            continue;
        }
        const int a = row.date.iFirst;
        const int b = row.date.iSecond;
        if (a > 12 && b <= 12 && !pDayFirst) {
            pDayFirst = &row;
        } else if (b > 12 && a <= 12 && !pMonthFirst) {
            pMonthFirst = &row;
        } else if (a <= 12 && b <= 12 && a != b && !pAmbiguous) {
            pAmbiguous = &row;
        }
    }
    if (pDayFirst && pMonthFirst) {
        *pProblem = {0, QStringLiteral("the dates are in two orders: line %1 puts the day first "
                                       "(\"%2\"), line %3 the month (\"%4\")")
                            .arg(QString::number(pDayFirst->iLine),
                                 MessageText::Quoted(pDayFirst->szDateText),
                                 QString::number(pMonthFirst->iLine),
                                 MessageText::Quoted(pMonthFirst->szDateText))};
        return false;
    }
    if (pDayFirst || pMonthFirst) {
        *pOrder = pDayFirst ? CsvDateOrder::DayFirst : CsvDateOrder::MonthFirst;
        return true;
    }
    if (pAmbiguous) {
        const RowDate& date = pAmbiguous->date;
        *pProblem = {pAmbiguous->iLine,
                     QStringLiteral("\"%1\" can be read as %2 (day first) or as %3 (month "
                                    "first), and no date in the file tells which")
                         .arg(MessageText::Quoted(pAmbiguous->szDateText),
                              SpelledDate(date.iYear, date.iSecond, date.iFirst),
                              SpelledDate(date.iYear, date.iFirst, date.iSecond)),
                     true};
        return false;
    }
    return true;
}

// Gives every row its day; a time with an offset from UTC counts on the local clock.
bool GiveDays(QList<Row>& rows, CsvDateOrder order, Problem* pProblem) {
    for (Row& row : rows) {
        QDate date = CalendarDate(row.date, order);
        if (!date.isValid()) {
            const QString szOrder = !row.date.bSlashed || order == CsvDateOrder::Unknown ? QString()
                                    : order == CsvDateOrder::DayFirst
                                        ? QStringLiteral(" (read day first)")
                                        : QStringLiteral(" (read month first)");
            *pProblem = {row.iLine, QStringLiteral("\"%1\" is not a date of the calendar%2")
                                        .arg(MessageText::Quoted(row.szDateText), szOrder)};
            return false;
        }
        if (row.date.iOffsetSeconds && row.date.iSeconds >= 0) {
            const QDateTime when(date, QTime::fromMSecsSinceStartOfDay(row.date.iSeconds * 1000),
                                 QTimeZone(*row.date.iOffsetSeconds));
            const QDateTime local = when.toLocalTime();
            date = local.date();
            row.date.iSeconds = local.time().msecsSinceStartOfDay() / 1000;
        }
        // The calendar's years.
        if (date.year() < 1900 || date.year() > 9999) {
            *pProblem = {row.iLine, QStringLiteral("%1 is outside the years 1900 to 9999")
                                        .arg(MessageText::Quoted(row.szDateText))};
            return false;
        }
        row.lDay = date.toJulianDay();
    }
    return true;
}

// One entry per day: the mean of each value over the day's rows, the comments in time order.
void FoldDays(const QList<Row>& rows, CsvReadings* pReadings) {
    // The rows by day and time of day, in file order where those are equal; sorted as small
    // entries that point at the rows, which stay where they are.
    struct Entry {
        qint64 lDay;
        int iSeconds;
        int iRow;
    };
    std::vector<Entry> order;
    order.reserve(static_cast<std::size_t>(rows.size()));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        order.push_back({rows[i].lDay, rows[i].date.iSeconds, static_cast<int>(i)});
    }
    std::sort(order.begin(), order.end(), [](const Entry& a, const Entry& b) {
        return std::tie(a.lDay, a.iSeconds, a.iRow) < std::tie(b.lDay, b.iSeconds, b.iRow);
    });
    pReadings->iRows = static_cast<int>(rows.size());
    pReadings->days.reserve(rows.size());
    for (std::size_t i = 0; i < order.size();) {
        std::size_t j = i + 1;
        while (j < order.size() && order[j].lDay == order[i].lDay) {
            ++j;
        }
        const QDate date = QDate::fromJulianDay(order[i].lDay);
        CsvDay day;
        day.szKey = DayKey(static_cast<qint16>(date.year()), static_cast<qint16>(date.month()),
                           static_cast<qint16>(date.day()));
        day.iReadings = static_cast<int>(j - i);
        const std::array<QString*, 3> targets = {&day.szSystolic, &day.szDiastolic, &day.szPulse};
        for (std::size_t v = 0; v < targets.size(); ++v) {
            qint64 lSum = 0;
            qint64 lCount = 0;
            const QString* pOnly = nullptr;
            for (std::size_t k = i; k < j; ++k) {
                const QString& szValue = rows[order[k].iRow].values[v];
                if (!szValue.isEmpty()) {
                    lSum += szValue.toInt();
                    ++lCount;
                    pOnly = &szValue;
                }
            }
            if (lCount == 1) {
                *targets[v] = *pOnly;
            } else if (lCount > 1) {
                *targets[v] = MeanValue(lSum, lCount);
            }
        }
        for (std::size_t k = i; k < j; ++k) {
            const QString& szComment = rows[order[k].iRow].values[3];
            if (!szComment.isEmpty()) {
                if (!day.szComment.isEmpty()) {
                    day.szComment += kCrLf;
                }
                day.szComment += szComment;
            }
        }
        if (day.iReadings > 1) {
            ++pReadings->iFoldedDays;
        }
        pReadings->days.append(std::move(day));
        i = j;
    }
}

} // namespace

// ---- Export

QByteArray ReadingsToCsv(const std::shared_ptr<clsXMLTag>& objReadings,
                         const CsvExportOptions& options, int* piDays) {
    const QChar d = options.cDelimiter;
    QString out;
    for (std::size_t i = 0; i < kHeaderNames.size(); ++i) {
        if (i > 0) {
            out += d;
        }
        out += QStringView(kHeaderNames[i]);
    }
    out += kCrLf;
    int iDays = 0;
    if (objReadings && objReadings->objSubTags) {
        out.reserve(out.size() + objReadings->objSubTags->Count() * 24);
        for (const std::shared_ptr<clsXMLTag>& objDay : *objReadings->objSubTags) {
            if (!objDay) {
                continue;
            }
            const QDate date = DayKeyDate(objDay->szName);
            if (!date.isValid() || (options.dtFirst.isValid() && date < options.dtFirst) ||
                (options.dtLast.isValid() && date > options.dtLast)) {
                continue;
            }
            const QString szS = objDay->GetSubTagValue(kSystolicName);
            const QString szD = objDay->GetSubTagValue(kDiastolicName);
            const QString szP = objDay->GetSubTagValue(kPulseName);
            const QString szC = objDay->GetSubTagValue(kCommentName);
            if (szS.isEmpty() && szD.isEmpty() && szP.isEmpty() && szC.isEmpty()) {
                continue;
            }
            const QStringView key(objDay->szName);
            out += key.first(4);
            out += u'-';
            out += key.sliced(4, 2);
            out += u'-';
            out += key.sliced(6, 2);
            out += d;
            AppendField(out, szS, d);
            out += d;
            AppendField(out, szD, d);
            out += d;
            AppendField(out, szP, d);
            out += d;
            AppendField(out, CommentAsTyped(szC), d);
            out += kCrLf;
            ++iDays;
        }
    }
    if (piDays != nullptr) {
        *piDays = iDays;
    }
    return out.toUtf8();
}

bool WriteCsvBytes(QIODevice& device, const QByteArray& bytes, QString* pszReason) {
    qint64 lDone = 0;
    while (lDone < bytes.size()) {
        const qint64 lWritten = device.write(bytes.constData() + lDone, bytes.size() - lDone);
        if (lWritten <= 0) {
            *pszReason = device.errorString();
            if (pszReason->isEmpty() || *pszReason == QLatin1String("Unknown error")) {
                *pszReason = QStringLiteral("the bytes could not all be written");
            }
            return false;
        }
        lDone += lWritten;
    }
    return true;
}

bool SaveCsvFile(const QString& szFile, const QByteArray& bytes, QString* pszReason) {
    return WriteFileSafely(szFile, bytes, std::nullopt, pszReason);
}

QChar CsvDelimiterForLocale(const QLocale& locale) {
    return locale.decimalPoint() == QStringLiteral(",") ? u';' : u',';
}

// ---- Import

QString CsvNameForMessages(const QString& szPath) {
    return MessageText::Visible(QDir::toNativeSeparators(szPath));
}

bool IsCsvFileName(const QString& szPath) {
    return szPath.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive);
}

namespace {

QString TooLargeReason(const QString& szShownName) {
    // One arg() for all: a "%1" in a file's name stays as it is.
    return QStringLiteral("%1 could not be read (it is larger than %2 MB, far more than any diary "
                          "holds)")
        .arg(szShownName, QString::number(kLargestCsvInput / (1024 * 1024)));
}

} // namespace

bool ReadCsvSource(QIODevice& device, const QString& szName, QByteArray* pBytes,
                   QString* pszReason) {
    pBytes->clear();
    const QString szShown = MessageText::Visible(szName);
    for (;;) {
        const QByteArray chunk = device.read(1024 * 1024);
        if (chunk.isEmpty()) {
            break;
        }
        if (pBytes->size() + chunk.size() > kLargestCsvInput) {
            pBytes->clear();
            *pszReason = TooLargeReason(szShown);
            return false;
        }
        pBytes->append(chunk);
    }
    if (auto* pFile = qobject_cast<QFileDevice*>(&device);
        pFile != nullptr && pFile->error() != QFileDevice::NoError) {
        pBytes->clear();
        *pszReason = QStringLiteral("%1 could not be read (%2)").arg(szShown, pFile->errorString());
        return false;
    }
    return true;
}

bool ReadCsvFile(const QString& szPath, QByteArray* pBytes, QString* pszReason) {
    pBytes->clear();
    const QString szName = CsvNameForMessages(szPath);
    QFile file;
    QString szWhy;
    switch (FileSystem::OpenRegularFile(file, szPath, &szWhy)) {
    case FileSystem::OpenResult::Opened:
        break;
    case FileSystem::OpenResult::NotRegularFile: {
        const QString szKind = FileSystem::KindOfOtherFile(szPath);
        *pszReason = QStringLiteral("%1 could not be read (it is %2, not an ordinary file)")
                         .arg(szName, szKind.isEmpty() ? QStringLiteral("something else") : szKind);
        return false;
    }
    case FileSystem::OpenResult::Failed:
        *pszReason = QStringLiteral("%1 could not be opened (%2)").arg(szName, szWhy);
        return false;
    }
    // A file known to be too large is refused before any of it is read.
    if (file.size() > kLargestCsvInput) {
        *pszReason = TooLargeReason(szName);
        return false;
    }
    // Read up to the limit all the same: the file may grow meanwhile.
    return ReadCsvSource(file, szName, pBytes, pszReason);
}

bool ReadReadingsCsv(const QByteArray& bytes, const QString& szFileName, CsvDateOrder dateOrder,
                     CsvReadings* pReadings, CsvReadError* pError) {
    *pReadings = CsvReadings();
    *pError = CsvReadError();
    const QString szName = MessageText::Visible(szFileName);
    const auto fail = [&](const Problem& problem) {
        pError->szMessage = problem.iLine > 0
                                ? QStringLiteral("%1, line %2: %3")
                                      .arg(szName, QString::number(problem.iLine), problem.szText)
                                : QStringLiteral("%1: %2").arg(szName, problem.szText);
        pError->bAmbiguousDates = problem.bAmbiguousDates;
        return false;
    };

    const QString szText = DecodeBytes(bytes, &pReadings->szEncoding);
    const HeaderRow header = FindHeader(szText);
    if (!header.columns.Usable()) {
        return fail(
            {0, header.szFirstLine.isEmpty()
                    ? QStringLiteral("the file holds no readings (it is empty)")
                    : QStringLiteral("no header row names the columns: the first line should "
                                     "read like \"date,systolic,diastolic,pulse,comment\", and "
                                     "it reads \"%1\"")
                          .arg(MessageText::Quoted(header.szFirstLine))});
    }
    if (!header.columns.szDuplicate.isEmpty()) {
        return fail({header.iLine, header.columns.szDuplicate});
    }
    pReadings->cDelimiter = header.cDelimiter;
    pReadings->ignoredColumns = header.columns.ignored;
    pReadings->iLinesBeforeHeader = header.iLine - 1;
    pReadings->bOurExport = header.bOurExport;

    // Every row is checked; nothing is kept unless all of them can be read.
    QList<Row> rows;
    Problem problem;
    CsvDateOrder order = dateOrder;
    if (!ReadRows(szText, header, &rows, &problem) ||
        (order == CsvDateOrder::Unknown && !FindDateOrder(rows, &order, &problem)) ||
        !GiveDays(rows, order, &problem)) {
        return fail(problem);
    }
    FoldDays(rows, pReadings);
    for (const CsvDay& day : pReadings->days) {
        if (const qsizetype iLength = CommentLength(day.szComment); iLength > kMaxCommentLength) {
            pReadings->days.clear();
            return fail(
                {0, CommentTooLong(iLength, QStringLiteral("the comments of %1 are, joined,")
                                                .arg(DayText(DayKeyDate(day.szKey))))});
        }
    }
    return true;
}

bool MergeCsvReadings(const std::shared_ptr<clsXMLTag>& objReadings, const CsvReadings& readings,
                      bool bReplace, bool bApply, CsvMergeSummary* pSummary, QString* pszError) {
    *pSummary = CsvMergeSummary();
    if (!objReadings) {
        *pszError = QStringLiteral("there is no list of readings to add to");
        return false;
    }
    clsXMLTags* pDays = objReadings->objSubTags.get();
    // The stored days by key; the first of a key is the one the program uses.
    QHash<QString, std::shared_ptr<clsXMLTag>> stored;
    if (pDays != nullptr) {
        stored.reserve(pDays->Count());
        for (const std::shared_ptr<clsXMLTag>& objDay : *pDays) {
            if (objDay && !stored.contains(objDay->szName)) {
                stored.insert(objDay->szName, objDay);
            }
        }
    }

    // Counting first: the store must be able to take every new day before anything changes.
    qsizetype iNew = 0;
    for (const CsvDay& day : readings.days) {
        if (!stored.contains(day.szKey)) {
            ++iNew;
        }
    }
    const int iTaken = pDays != nullptr ? pDays->AddCount() : 0;
    if (iTaken + iNew > clsXMLTags::kCapacity) {
        const QLocale english(QLocale::English);
        *pszError = QStringLiteral("the diary holds at most %1 days; it has %2, and the file "
                                   "would add %3")
                        .arg(english.toString(clsXMLTags::kCapacity),
                             english.toString(pDays != nullptr ? pDays->Count() : 0),
                             english.toString(iNew));
        return false;
    }

    for (const CsvDay& day : readings.days) {
        const std::array<const QString*, 4> values = {&day.szSystolic, &day.szDiastolic,
                                                      &day.szPulse, &day.szComment};
        const std::array<const QString*, 4> names = {&kSystolicName, &kDiastolicName, &kPulseName,
                                                     &kCommentName};
        const auto found = stored.constFind(day.szKey);
        if (found == stored.constEnd()) {
            ++pSummary->iAdded;
            if (bApply) {
                const DayEntryTags tags = CreateDayEntry(objReadings, day.szKey);
                tags.objSystolicTag->szValue = day.szSystolic;
                tags.objDiastolicTag->szValue = day.szDiastolic;
                tags.objPulseTag->szValue = day.szPulse;
                tags.objCommentTag->szValue = day.szComment;
            }
            continue;
        }
        const std::shared_ptr<clsXMLTag>& objDay = found.value();
        bool bFilled = false;
        bool bReplaced = false;
        bool bKept = false;
        std::array<bool, 4> change = {};
        for (std::size_t v = 0; v < values.size(); ++v) {
            if (values[v]->isEmpty()) {
                continue;
            }
            const QString szStored = objDay->GetSubTagValue(*names[v]);
            if (szStored.isEmpty()) {
                bFilled = change[v] = true;
            } else if (szStored != *values[v]) {
                if (bReplace) {
                    bReplaced = change[v] = true;
                } else {
                    bKept = true;
                }
            }
        }
        if (bReplaced) {
            ++pSummary->iReplaced;
        } else if (bFilled) {
            ++pSummary->iFilled;
        } else {
            ++pSummary->iUnchanged;
        }
        if (bKept) {
            ++pSummary->iKeptDifferent;
        }
        if (bApply && (bFilled || bReplaced)) {
            const DayEntryTags tags = DayEntryValueTags(objDay);
            const std::array<clsXMLTag*, 4> targets = {
                tags.objSystolicTag.get(), tags.objDiastolicTag.get(), tags.objPulseTag.get(),
                tags.objCommentTag.get()};
            for (std::size_t v = 0; v < targets.size(); ++v) {
                if (change[v]) {
                    targets[v]->szValue = *values[v];
                }
            }
        }
    }
    return true;
}

QString CsvReadingsDescription(const QString& szFileName, const CsvReadings& readings) {
    QString szText =
        QStringLiteral("%1: %2 on %3 (%4, fields separated by %5).")
            .arg(MessageText::Visible(szFileName), Count(readings.iRows, "reading", "readings"),
                 Count(readings.days.size(), "day", "days"), readings.szEncoding,
                 DelimiterName(readings.cDelimiter));
    if (readings.iFoldedDays > 0) {
        szText +=
            u'\n' + QStringLiteral("%1 more than one reading; each such day was folded into one "
                                   "(the mean of each value, the comments joined).")
                        .arg(readings.iFoldedDays == 1
                                 ? QStringLiteral("1 day has")
                                 : QStringLiteral("%1 days have").arg(readings.iFoldedDays));
    }
    if (!readings.ignoredColumns.isEmpty()) {
        szText +=
            u'\n' +
            QStringLiteral("Columns left out: %1.").arg(MessageText::List(readings.ignoredColumns));
    }
    if (readings.iLinesBeforeHeader > 0) {
        szText += u'\n' + QStringLiteral("%1 above the header row skipped.")
                              .arg(Count(readings.iLinesBeforeHeader, "line", "lines"));
    }
    return szText;
}

QString CsvMergeDescription(const CsvMergeSummary& summary, bool bApplied) {
    QString szText =
        bApplied ? QStringLiteral("Added %1, filled in %2, replaced values of %3; %4 unchanged.")
                 : QStringLiteral("Would add %1, fill in %2, replace values of %3; %4 would stay "
                                  "unchanged.");
    szText = szText.arg(Count(summary.iAdded, "day", "days"), Count(summary.iFilled, "day", "days"),
                        Count(summary.iReplaced, "day", "days"),
                        Count(summary.iUnchanged, "day", "days"));
    if (summary.iKeptDifferent > 0) {
        szText += u'\n' + QStringLiteral("%1 %2 stored values where the file has others.")
                              .arg(Count(summary.iKeptDifferent, "day", "days"),
                                   QLatin1String(bApplied ? "kept" : "would keep"));
    }
    return szText;
}
