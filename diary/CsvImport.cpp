#include "diary/ReadingsCsv.h"

#include "diary/CsvDates.h"
#include "diary/CsvDays.h"
#include "diary/CsvFields.h"
#include "diary/CsvHeader.h"
#include "diary/CsvText.h"
#include "diary/ReadingsSchema.h"
#include "i18n/Translations.h"
#include "xmlstore/FileSystem.h"
#include "xmlstore/MessageText.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QLocale>
#include <QTime>
#include <QTimeZone>

#include <algorithm>

namespace {

using namespace Csv;

struct CsvImport {
    Q_DECLARE_TR_FUNCTIONS(CsvImport)
};

// What can be wrong with a value of a pressure or the pulse.
enum ValueFault { kNegative, kNotWhole, kTooLarge };

// The refusal of a value of column kSystolic, kDiastolic or kPulse, szQuoted as the file gives
// it.
QString ValueProblem(Column column, ValueFault eFault, const QString& szQuoted) {
    static const char* const kTexts[3][3] = {
        {QT_TRANSLATE_NOOP("CsvImport", "the systolic pressure \"%1\" is negative"),
         QT_TRANSLATE_NOOP("CsvImport", "the systolic pressure \"%1\" is not a whole number"),
         QT_TRANSLATE_NOOP("CsvImport", "the systolic pressure \"%1\" is larger than 999")},
        {QT_TRANSLATE_NOOP("CsvImport", "the diastolic pressure \"%1\" is negative"),
         QT_TRANSLATE_NOOP("CsvImport", "the diastolic pressure \"%1\" is not a whole number"),
         QT_TRANSLATE_NOOP("CsvImport", "the diastolic pressure \"%1\" is larger than 999")},
        {QT_TRANSLATE_NOOP("CsvImport", "the pulse \"%1\" is negative"),
         QT_TRANSLATE_NOOP("CsvImport", "the pulse \"%1\" is not a whole number"),
         QT_TRANSLATE_NOOP("CsvImport", "the pulse \"%1\" is larger than 999")}};
    return CsvImport::tr(kTexts[column - kSystolic][eFault]).arg(szQuoted);
}

// A value without the unit it is written with ("134 mmHg", "72 bpm", "72/min"): pressures take
// mmHg, the pulse beats per minute, in any case, with or without a blank before the unit.
QStringView WithoutUnit(QStringView szText, Column column) {
    static const std::array<QLatin1String, 2> pressure = {QLatin1String("mmhg"),
                                                          QLatin1String("mm hg")};
    static const std::array<QLatin1String, 2> pulse = {QLatin1String("bpm"), QLatin1String("/min")};
    for (const QLatin1String unit : column == kPulse ? pulse : pressure) {
        if (szText.size() > unit.size() && szText.endsWith(unit, Qt::CaseInsensitive)) {
            return szText.chopped(unit.size()).trimmed();
        }
    }
    return szText;
}

// A value of a pressure or the pulse: blank, or a whole number from 0 to 999, perhaps with its
// unit. Kept as written unless it has more than three digits (leading zeros) or a unit.
bool ReadValue(const QString& szField, Column column, QString* pszValue, QString* pszProblem) {
    if (szField.isEmpty()) {
        pszValue->clear();
        return true;
    }
    const QStringView szText = WithoutUnit(szField, column);
    const auto allDigits = [](QStringView s) {
        return !s.isEmpty() &&
               std::all_of(s.begin(), s.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    };
    if (szText.startsWith(u'-') && allDigits(szText.sliced(1))) {
        *pszProblem = ValueProblem(column, kNegative, MessageText::Quoted(szField));
        return false;
    }
    if (!allDigits(szText)) {
        *pszProblem = ValueProblem(column, kNotWhole, MessageText::Quoted(szField));
        return false;
    }
    qsizetype iFirst = 0;
    while (iFirst + 1 < szText.size() && szText[iFirst] == u'0') {
        ++iFirst;
    }
    if (szText.size() - iFirst > 3) {
        *pszProblem = ValueProblem(column, kTooLarge, MessageText::Quoted(szField));
        return false;
    }
    if (szText.size() == szField.size()) {
        *pszValue = szText.size() <= 3 ? szField : szField.sliced(iFirst);
    } else {
        *pszValue = szText.sliced(szText.size() <= 3 ? 0 : iFirst).toString();
    }
    return true;
}

// A comment longer than the box and the import take, iLength characters long.
QString CommentTooLong(qsizetype iLength) {
    const QLocale locale = DisplayLocale();
    //: %1: the comment's length, %2: the most a comment holds (both over 1000)
    return CsvImport::tr("the comment is %1 characters long; a comment holds at most %2")
        .arg(locale.toString(iLength), locale.toString(kMaxCommentLength));
}

// What is wrong with a file, and where (line 0: the file as a whole).
struct Problem {
    int iLine = 0;
    QString szText;
    bool bAmbiguousDates = false;
};

// A row's field at iAt, or an empty text where the row has none.
const QString& FieldAt(const QList<Field>& fields, int iAt) {
    static const QString szNone;
    return iAt >= 0 && iAt < fields.size() ? fields[iAt].szText : szNone;
}

// The row's three values and comment into row, checked; false and *pszProblem when one is
// not a value or the comment is too long.
bool ReadRowValues(const QList<Field>& fields, const Header& columns, Row& row,
                   QString* pszProblem) {
    for (const Column column : {kSystolic, kDiastolic, kPulse}) {
        if (!ReadValue(FieldAt(fields, columns.iField[column]), column, &row.values[column - 1],
                       pszProblem)) {
            return false;
        }
    }
    const QString& szComment = FieldAt(fields, columns.iField[kComment]);
    if (const qsizetype iLength = CommentLength(szComment); iLength > kMaxCommentLength) {
        *pszProblem = CommentTooLong(iLength);
        return false;
    }
    row.values[3] = CommentForStore(szComment);
    return true;
}

// A date and time given as milliseconds since 1970 (UTC), taken on the local clock.
bool ReadUnixMs(Row& row, QString* pszProblem) {
    const QStringView szText(row.szDateText);
    bool bNumber =
        !szText.isEmpty() && szText.size() <= 15 &&
        std::all_of(szText.begin(), szText.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    const QDateTime when =
        bNumber ? QDateTime::fromMSecsSinceEpoch(szText.toLongLong(&bNumber)) : QDateTime();
    if (!bNumber || !when.isValid()) {
        *pszProblem = CsvImport::tr("\"%1\" is not a time in milliseconds since 1970")
                          .arg(MessageText::Quoted(row.szDateText));
        return false;
    }
    const QDate date = when.date();
    row.date.iYear = date.year();
    row.date.iFirst = date.month();
    row.date.iSecond = date.day();
    row.date.iSeconds = when.time().msecsSinceStartOfDay() / 1000;
    return true;
}

// The date of a row with a reading, and its time from the date or a time column; false and
// *pszProblem when either cannot be read.
bool ReadRowDate(const QList<Field>& fields, const Header& columns, Row& row, QString* pszProblem) {
    row.szDateText = FieldAt(fields, columns.iField[kDate]).trimmed();
    if (row.szDateText.isEmpty()) {
        *pszProblem = CsvImport::tr("the row has a reading but no date");
        return false;
    }
    if (columns.bUnixMs) {
        return ReadUnixMs(row, pszProblem);
    }
    if (!ReadDate(row.szDateText, row.date)) {
        *pszProblem = CsvImport::tr("\"%1\" is not a date that can be read (it should read like "
                                    "2026-12-08, 08.12.2026 or 08/12/2026)")
                          .arg(MessageText::Quoted(row.szDateText));
        return false;
    }
    const QString szTime = FieldAt(fields, columns.iTimeField).trimmed();
    if (columns.iTimeField >= 0 && row.date.iSeconds < 0 && !szTime.isEmpty() &&
        !ReadTime(szTime, row.date)) {
        *pszProblem = CsvImport::tr("\"%1\" is not a time of day").arg(MessageText::Quoted(szTime));
        return false;
    }
    return true;
}

// Whether a row has more fields that hold text than the header names columns.
bool HasFieldsBeyondHeader(const QList<Field>& fields, const Header& columns) {
    for (qsizetype i = columns.iFieldCount; i < fields.size(); ++i) {
        if (!fields[i].szText.isEmpty()) {
            return true;
        }
    }
    return false;
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
    QString szProblem;
    for (;;) {
        const RecordReader::Result result = reader.Next(fields, iLine, szProblem);
        if (result == RecordReader::End) {
            return true;
        }
        if (result == RecordReader::Broken) {
            break;
        }
        if (IsBlankRecord(fields)) {
            continue;
        }
        if (HasFieldsBeyondHeader(fields, columns)) {
            //: %1: how many columns the header row names (at least two)
            szProblem = CsvImport::tr("the row has %n fields, but the header names %1 columns",
                                      nullptr, static_cast<int>(fields.size()))
                            .arg(columns.iFieldCount);
            break;
        }
        // Our own export guarded its fields from spreadsheets: the guard comes off again.
        if (header.bOurExport) {
            for (Field& field : fields) {
                TakeOffFormulaGuard(field.szText);
            }
        }
        Row row;
        row.iLine = iLine;
        if (!ReadRowValues(fields, columns, row, &szProblem)) {
            break;
        }
        if (std::all_of(row.values.begin(), row.values.end(),
                        [](const QString& szValue) { return szValue.isEmpty(); })) {
            continue; // no reading (another kind of measurement, say)
        }
        if (!ReadRowDate(fields, columns, row, &szProblem)) {
            break;
        }
        pRows->append(std::move(row));
    }
    *pProblem = {iLine, szProblem};
    return false;
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
        *pProblem = {0, CsvImport::tr("the dates are in two orders: line %1 puts the day first "
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
                     //: %1: a date as the file gives it; %2 and %3: the two dates it can be
                     CsvImport::tr("\"%1\" can be read as %2 (day first) or as %3 (month "
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
            const QString szText =
                !row.date.bSlashed || order == CsvDateOrder::Unknown
                    ? CsvImport::tr("\"%1\" is not a date of the calendar")
                : order == CsvDateOrder::DayFirst
                    ? CsvImport::tr("\"%1\" is not a date of the calendar (read day first)")
                    : CsvImport::tr("\"%1\" is not a date of the calendar (read month first)");
            *pProblem = {row.iLine, szText.arg(MessageText::Quoted(row.szDateText))};
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
            *pProblem = {row.iLine, CsvImport::tr("%1 is outside the years 1900 to 9999")
                                        .arg(MessageText::Quoted(row.szDateText))};
            return false;
        }
        row.lDay = date.toJulianDay();
    }
    return true;
}

} // namespace

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
    //: %1: the file's name, %2: a number of megabytes
    return CsvImport::tr("%1 could not be read (it is larger than %2 MB, far more than any diary "
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
        *pszReason = CsvImport::tr("%1 could not be read (%2)").arg(szShown, pFile->errorString());
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
        //: %2: what the file is ("a folder", "a named pipe")
        *pszReason = CsvImport::tr("%1 could not be read (it is %2, not an ordinary file)")
                         .arg(szName, szKind.isEmpty() ? CsvImport::tr("something else") : szKind);
        return false;
    }
    case FileSystem::OpenResult::Failed:
        *pszReason = CsvImport::tr("%1 could not be opened (%2)").arg(szName, szWhy);
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
                                //: %1: the file's name, %2: a line number, %3: what is wrong
                                ? CsvImport::tr("%1, line %2: %3")
                                      .arg(szName, QString::number(problem.iLine), problem.szText)
                                //: %1: the file's name, %2: what is wrong
                                : CsvImport::tr("%1: %2").arg(szName, problem.szText);
        pError->bAmbiguousDates = problem.bAmbiguousDates;
        return false;
    };

    const QString szText = DecodeBytes(bytes, &pReadings->szEncoding);
    const HeaderRow header = FindHeader(szText);
    if (!header.columns.Usable()) {
        return fail(
            {0, header.szFirstLine.isEmpty()
                    ? CsvImport::tr("the file holds no readings (it is empty)")
                    : CsvImport::tr("no header row names the columns: the first line should "
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
    if (QString szProblem; !GroupDays(rows, header.bOurExport, pReadings, &szProblem)) {
        return fail({0, szProblem});
    }
    return true;
}
