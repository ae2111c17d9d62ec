// The pieces of the CSV reader on their own: bytes to text, the field reader, and dates and
// times as other programs write them.
#include "diary/CsvDates.h"
#include "diary/CsvText.h"
#include "tests/diary/CsvTestSupport.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Every record of a text: "<line>:<field>|<field>", a quoted field in <>, line breaks
// visible; a broken record as "broken <line>: <problem>".
QStringList Records(const QString& szText, QChar cDelimiter) {
    Csv::RecordReader reader(szText, cDelimiter);
    QStringList records;
    QList<Csv::Field> fields;
    int iLine = 0;
    QString szProblem;
    for (;;) {
        const Csv::RecordReader::Result result = reader.Next(fields, iLine, szProblem);
        if (result == Csv::RecordReader::End) {
            return records;
        }
        if (result == Csv::RecordReader::Broken) {
            return records << u"broken %1: %2"_s.arg(iLine).arg(szProblem);
        }
        QStringList texts;
        for (const Csv::Field& field : fields) {
            const QString szField = csvtest::Visible(field.szText);
            texts << (field.bQuoted ? u'<' + szField + u'>' : szField);
        }
        records << QString::number(iLine) + u':' + texts.join(u'|');
    }
}

// What ReadDate made of a text: "<year> <first> <second> <kind> t=<seconds> z=<offset>".
QString DateRead(const QString& szText) {
    Csv::RowDate date;
    if (!Csv::ReadDate(szText, date)) {
        return u"unreadable"_s;
    }
    const QString szKind = date.bSlashed ? u"slashed"_s : date.bDayFirst ? u"dayfirst"_s : u"ymd"_s;
    return u"%1 %2 %3 %4 t=%5 z=%6"_s.arg(date.iYear)
        .arg(date.iFirst)
        .arg(date.iSecond)
        .arg(szKind, date.iSeconds < 0 ? u"-"_s : QString::number(date.iSeconds),
             date.iOffsetSeconds ? QString::number(*date.iOffsetSeconds) : u"-"_s);
}

} // namespace

class TestCsvParts : public QObject {
    Q_OBJECT
private slots:
    void decoding_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("encoding");
        QTest::newRow("plain ASCII") << QByteArray("a,b") << u"a,b"_s << u"UTF-8"_s;
        QTest::newRow("UTF-8") << QByteArray("caf\xC3\xA9") << u"café"_s << u"UTF-8"_s;
        QTest::newRow("UTF-8 mark taken off") << QByteArray("\xEF\xBB\xBF"
                                                            "a")
                                              << u"a"_s << u"UTF-8"_s;
        QTest::newRow("UTF-16 little-endian") << QByteArray("\xFF\xFE"
                                                            "a\0\xE9\0",
                                                            6)
                                              << u"aé"_s << u"UTF-16"_s;
        QTest::newRow("UTF-16 big-endian")
            << QByteArray("\xFE\xFF\0a\0\xE9", 6) << u"aé"_s << u"UTF-16"_s;
        // Half a surrogate pair reads as U+FFFD, as broken UTF-8 does, so that it can be
        // written again; a whole pair stays.
        QTest::newRow("UTF-16, a low surrogate alone") << QByteArray("\xFF\xFE"
                                                                     "a\0\x00\xDC"
                                                                     "b\0",
                                                                     8)
                                                       << u"a\uFFFDb"_s << u"UTF-16"_s;
        QTest::newRow("UTF-16, a high surrogate at the end")
            << QByteArray("\xFE\xFF\0a\xD8\x3D", 6) << u"a\uFFFD"_s << u"UTF-16"_s;
        QTest::newRow("UTF-16, a pair")
            << QByteArray("\xFF\xFE\x3D\xD8\x00\xDE", 6) << u"\U0001F600"_s << u"UTF-16"_s;
        QTest::newRow("UTF-8 mark, broken UTF-8") << QByteArray("\xEF\xBB\xBF"
                                                                "a\xE9")
                                                  << u"a\uFFFD"_s << u"UTF-8"_s;
        QTest::newRow("not UTF-8: Windows-1252")
            << QByteArray("caf\xE9 \x80") << u"café €"_s << u"Windows-1252"_s;
        QTest::newRow("UTF-8 cut in the middle of a character")
            << QByteArray("ab\xC3") << u"ab\u00C3"_s << u"Windows-1252"_s;
    }
    void decoding() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(QString, encoding);
        QString szEncoding;
        QCOMPARE(Csv::DecodeBytes(bytes, &szEncoding), text);
        QCOMPARE(szEncoding, encoding);
    }

    // Records and the lines they start on, for every kind of line end and quoting.
    void records_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QChar>("delimiter");
        QTest::addColumn<QStringList>("records");
        QTest::newRow("CR LF") << u"a,b\r\nc,d\r\n"_s << QChar(u',')
                               << QStringList{u"1:a|b"_s, u"2:c|d"_s};
        QTest::newRow("CR alone, no end at the end")
            << u"a\rb\rc"_s << QChar(u',') << QStringList{u"1:a"_s, u"2:b"_s, u"3:c"_s};
        QTest::newRow("an empty line is one empty field")
            << u"a\n\nb\n"_s << QChar(u',') << QStringList{u"1:a"_s, u"2:"_s, u"3:b"_s};
        QTest::newRow("empty fields") << u",,"_s << QChar(u',') << QStringList{u"1:||"_s};
        QTest::newRow("fields without quotes are trimmed")
            << u" a , b\t"_s << QChar(u',') << QStringList{u"1:a|b"_s};
        QTest::newRow("blanks around quotes, kept inside")
            << u"  \" a \"  ,b"_s << QChar(u',') << QStringList{u"1:< a >|b"_s};
        QTest::newRow("doubled quotes")
            << u"\"a\"\"b\",\"\"\"\""_s << QChar(u',') << QStringList{u"1:<a\"b>|<\">"_s};
        QTest::newRow("line breaks in quotes count as lines")
            << u"\"x\r\ny\rz\",w\nv"_s << QChar(u',')
            << QStringList{u"1:<x\\r\\ny\\rz>|w"_s, u"4:v"_s};
        QTest::newRow("quote in the middle of a field is text")
            << u"a\"b,c"_s << QChar(u',') << QStringList{u"1:a\"b|c"_s};
        QTest::newRow("semicolons: commas are text")
            << u"1,5;2"_s << QChar(u';') << QStringList{u"1:1,5|2"_s};
        QTest::newRow("tabs: a tab is a separator, not a blank")
            << u"\ta\t \"b\""_s << QChar(u'\t') << QStringList{u"1:|a|<b>"_s};
        QTest::newRow("a quote never closed")
            << u"a\n\"b\nc"_s << QChar(u',')
            << QStringList{u"1:a"_s, u"broken 2: field 1 opens a quote on line 2 that is never "
                                     u"closed"_s};
        QTest::newRow("text after a closing quote")
            << u"x,y\nz,\"a\" b"_s << QChar(u',')
            << QStringList{u"1:x|y"_s, u"broken 2: field 2 has text after its closing quote"_s};
    }
    void records() {
        QFETCH(QString, text);
        QFETCH(QChar, delimiter);
        QFETCH(QStringList, records);
        QCOMPARE(Records(text, delimiter), records);
    }

    // Dates with and without a time, and everything that is not one.
    void dates_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read");
        QTest::newRow("ISO") << u"2026-12-08"_s << u"2026 12 8 ymd t=- z=-"_s;
        QTest::newRow("year first, slashes, one digit")
            << u"2026/1/8"_s << u"2026 1 8 ymd t=- z=-"_s;
        QTest::newRow("dots: day first") << u"08.12.2026"_s << u"2026 8 12 dayfirst t=- z=-"_s;
        QTest::newRow("slashes: order open") << u"03/04/2026"_s << u"2026 3 4 slashed t=- z=-"_s;
        QTest::newRow("dashes, year last: order open")
            << u"3-4-2026"_s << u"2026 3 4 slashed t=- z=-"_s;
        QTest::newRow("T and a time") << u"2026-12-08T07:05"_s << u"2026 12 8 ymd t=25500 z=-"_s;
        QTest::newRow("comma, seconds and a fraction, pm")
            << u"2026-12-08, 7:05:30.250 pm"_s << u"2026 12 8 ymd t=68730 z=-"_s;
        QTest::newRow("am straight after the time")
            << u"2026-12-08 9:05am"_s << u"2026 12 8 ymd t=32700 z=-"_s;
        QTest::newRow("12 AM is midnight")
            << u"2026-12-08 12:00 AM"_s << u"2026 12 8 ymd t=0 z=-"_s;
        QTest::newRow("12 PM is noon")
            << u"2026-12-08 12:00 PM"_s << u"2026 12 8 ymd t=43200 z=-"_s;
        QTest::newRow("a leap second is the second before")
            << u"2026-12-31T23:59:60"_s << u"2026 12 31 ymd t=86399 z=-"_s;
        QTest::newRow("UTC") << u"2026-12-08T10:00Z"_s << u"2026 12 8 ymd t=36000 z=0"_s;
        QTest::newRow("offset +HHMM")
            << u"2026-12-08T10:00+0130"_s << u"2026 12 8 ymd t=36000 z=5400"_s;
        QTest::newRow("offset after a blank, -HH:MM")
            << u"2026-12-08T10:00 -05:00"_s << u"2026 12 8 ymd t=36000 z=-18000"_s;
        QTest::newRow("the largest offset")
            << u"2026-12-08T10:00+14"_s << u"2026 12 8 ymd t=36000 z=50400"_s;

        const QString kNo = u"unreadable"_s;
        QTest::newRow("empty") << QString() << kNo;
        QTest::newRow("digits only") << u"20261208"_s << kNo;
        QTest::newRow("two-digit year") << u"08/12/26"_s << kNo;
        QTest::newRow("two-digit year first") << u"26-12-08"_s << kNo;
        QTest::newRow("three-digit month") << u"2026-123-08"_s << kNo;
        QTest::newRow("mixed separators") << u"2026-12/08"_s << kNo;
        QTest::newRow("text after the date") << u"2026-12-08x"_s << kNo;
        QTest::newRow("hour 24") << u"2026-12-08T24:00"_s << kNo;
        QTest::newRow("one-digit minutes") << u"2026-12-08T10:0"_s << kNo;
        QTest::newRow("minute 60") << u"2026-12-08T10:60"_s << kNo;
        QTest::newRow("hour 13 pm") << u"2026-12-08 13:00 PM"_s << kNo;
        QTest::newRow("hour 0 am") << u"2026-12-08 0:30 AM"_s << kNo;
        QTest::newRow("a word after the time") << u"2026-12-08 10:00 AMX"_s << kNo;
        QTest::newRow("text after Z") << u"2026-12-08T10:00Zx"_s << kNo;
        QTest::newRow("offset beyond 14 hours") << u"2026-12-08T10:00+15"_s << kNo;
        QTest::newRow("offset minutes beyond 59") << u"2026-12-08T10:00+01:60"_s << kNo;
        QTest::newRow("offset with one-digit hours") << u"2026-12-08T10:00+1:00"_s << kNo;
        QTest::newRow("offset of three digits") << u"2026-12-08T10:00+013"_s << kNo;
    }
    void dates() {
        QFETCH(QString, text);
        QFETCH(QString, read);
        QCOMPARE(DateRead(text), read);
    }

    // The calendar day once the order of slashed dates is known.
    void calendarDates_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("order");
        QTest::addColumn<QDate>("date");
        const int kUnknown = int(CsvDateOrder::Unknown);
        const int kDayFirst = int(CsvDateOrder::DayFirst);
        const int kMonthFirst = int(CsvDateOrder::MonthFirst);
        QTest::newRow("slashed, day first") << u"03/04/2026"_s << kDayFirst << QDate(2026, 4, 3);
        QTest::newRow("slashed, month first")
            << u"03/04/2026"_s << kMonthFirst << QDate(2026, 3, 4);
        QTest::newRow("slashed, order unknown: as written")
            << u"03/04/2026"_s << kUnknown << QDate(2026, 3, 4);
        QTest::newRow("dots are day first whatever the order")
            << u"08.12.2026"_s << kMonthFirst << QDate(2026, 12, 8);
        QTest::newRow("ISO is never swapped") << u"2026-03-04"_s << kDayFirst << QDate(2026, 3, 4);
        QTest::newRow("30 February") << u"2026-02-30"_s << kUnknown << QDate();
        QTest::newRow("31 April, day first") << u"31/04/2026"_s << kDayFirst << QDate();
        QTest::newRow("29 February of a leap year")
            << u"29.02.2028"_s << kUnknown << QDate(2028, 2, 29);
    }
    void calendarDates() {
        QFETCH(QString, text);
        QFETCH(int, order);
        QFETCH(QDate, date);
        Csv::RowDate read;
        QVERIFY(Csv::ReadDate(text, read));
        QCOMPARE(Csv::CalendarDate(read, CsvDateOrder(order)), date);
    }
};

QTEST_GUILESS_MAIN(TestCsvParts)
#include "test_diary_csv_parts.moc"
