// Readings in from CSV files as other programs write them, and every file the importer refuses,
// with the message the user reads; what it reads at all, and how messages show a file's data.

#include "tests/diary/CsvTestSupport.h"
#include "tests/support/UnusualFiles.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace csvtest;
using namespace tlgtest;
using namespace Qt::StringLiterals;

namespace {

QByteArray Latin(const char* szText) {
    return QByteArray(szText);
}

QByteArray Utf16LeWithMark(const QString& szText) {
    QStringEncoder encoder(QStringConverter::Utf16LE);
    return QByteArray("\xFF\xFE") + QByteArray(encoder(szText));
}

} // namespace

class TestReadingsCsvImport : public QObject {
    Q_OBJECT
private slots:
    // Files in the shapes other programs and spreadsheets write, and what is read from them.
    void otherShapes_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("dateOrder");
        QTest::addColumn<QStringList>("days");
        // rows, days with several readings, lines above the header
        QTest::addColumn<QList<int>>("counts");
        QTest::addColumn<QStringList>("ignored");
        QTest::addColumn<QString>("encoding");
        QTest::addColumn<QChar>("delimiter");

        const int kUnknown = int(CsvDateOrder::Unknown);
        QTest::newRow("our own export")
            << CrLfLines({u"date,systolic,diastolic,pulse,comment"_s,
                          u"2026-12-07,120,80,72,Walked"_s, u"2026-12-09,,,,\"a,\"\"b\"\"\nc\""_s})
            << kUnknown
            << QStringList{u"20261207 120/80/72 Walked"_s, u"20261209 // a,\"b\"\\r\\nc"_s}
            << QList<int>{2, 0, 0} << QStringList() << u"UTF-8"_s << QChar(u',');
        // The longest comment taken: each line break counts as one character.
        QTest::newRow("a comment of the longest length, with a line break")
            << CrLfLines({u"date,systolic,diastolic,pulse,comment"_s,
                          u"2026-12-07,120,80,72,\""_s + QString(1999, u'a') + u"\r\n"_s +
                              QString(2000, u'b') + u"\""_s})
            << kUnknown
            << QStringList{u"20261207 120/80/72 "_s + QString(1999, u'a') + u"\\r\\n"_s +
                           QString(2000, u'b')}
            << QList<int>{1, 0, 0} << QStringList() << u"UTF-8"_s << QChar(u',');
        QTest::newRow("monitor app: month first, AM/PM, units, two readings a day")
            << CrLfLines({u"Date,Time,Systolic (mmHg),Diastolic (mmHg),Pulse (bpm),"
                          "Irregular Heartbeat,Notes"_s,
                          u"03/14/2026,07:45 PM,128,84,71,No,evening"_s,
                          u"03/14/2026,07:15 AM,121,79,66,No,\"after coffee, calm\""_s,
                          u"03/15/2026,08:02 AM,119,78,64,No,"_s})
            << kUnknown
            << QStringList{u"20260314 07:15 121/79/66 after coffee, calm | 19:45 128/84/71 evening"_s,
                           u"20260315 119/78/64"_s}
            << QList<int>{3, 1, 0} << QStringList{u"Irregular Heartbeat"_s} << u"UTF-8"_s
            << QChar(u',');
        QTest::newRow("spreadsheet with semicolons, dd.mm.yyyy, Windows-1252")
            << Latin("date;time;sys;dia;pulse;weight;comment\r\n"
                     "01.03.2026;07:30;135;88;72;81,5;Kopfschmerzen, m\xFC"
                     "de\r\n"
                     "2.3.2026;07:45;131;85;70;81,2;\r\n")
            << kUnknown
            << QStringList{u"20260301 135/88/72 Kopfschmerzen, m\u00FCde"_s,
                           u"20260302 131/85/70"_s}
            << QList<int>{2, 0, 0} << QStringList{u"weight"_s} << u"Windows-1252"_s << QChar(u';');
        QTest::newRow("tabs, byte-order mark, UTC timestamps")
            << Latin("\xEF\xBB\xBFTimestamp\tSYS\tDIA\tBPM\tNote\r\n"
                     "2026-03-01T06:15:00Z\t118\t76\t62\tmorning\r\n"
                     "2026-03-01T23:30:00Z\t125\t80\t70\tlate, after midnight in Berlin\r\n"
                     "2026-03-03T07:00:00+01:00\t122\t79\t66\t\r\n")
            << kUnknown
            << QStringList{u"20260301 118/76/62 morning"_s,
                           u"20260302 125/80/70 late, after midnight in Berlin"_s,
                           u"20260303 122/79/66"_s}
            << QList<int>{3, 0, 0} << QStringList() << u"UTF-8"_s << QChar(u'\t');
        QTest::newRow("Unicode text from a spreadsheet (UTF-16)")
            << Utf16LeWithMark(u"DateTime\tSys\tDia\tHeart rate\tComments\r\n"
                               "2026-03-01 08:00:00\t120\t80\t60\t\u65E5\u672C \u0436\r\n"_s)
            << kUnknown << QStringList{u"20260301 120/80/60 \u65E5\u672C \u0436"_s}
            << QList<int>{1, 0, 0} << QStringList() << u"UTF-16"_s << QChar(u'\t');
        QTest::newRow("title lines, quoted names, blanks after the commas")
            << CrLfLines({u"Blood pressure diary of A. Person"_s, u"(printed 2026-03-10)"_s,
                          QString(), u"\"Day\", \"Sys\", \"Dia\", \"Pulse\""_s,
                          u"\"2026-03-01\", \"130\", \"85\", \"75\""_s,
                          u" 2026-03-02 , 128 , 84 , 74 "_s})
            << kUnknown << QStringList{u"20260301 130/85/75"_s, u"20260302 128/84/74"_s}
            << QList<int>{2, 0, 3} << QStringList() << u"UTF-8"_s << QChar(u',');
        QTest::newRow("old Mac line ends, day first shown by the file")
            << Latin("date,systolic,diastolic,pulse\r03/04/2026,138,88,79\r25/03/2026,140,90,80\r")
            << kUnknown << QStringList{u"20260325 140/90/80"_s, u"20260403 138/88/79"_s}
            << QList<int>{2, 0, 0} << QStringList() << u"UTF-8"_s << QChar(u',');
        QTest::newRow("ambiguous dates, month first asked for")
            << CrLfLines({u"date,sys"_s, u"03/04/2026,120"_s, u"05/06/2026,121"_s})
            << int(CsvDateOrder::MonthFirst)
            << QStringList{u"20260304 120//"_s, u"20260506 121//"_s} << QList<int>{2, 0, 0}
            << QStringList() << u"UTF-8"_s << QChar(u',');
        QTest::newRow("ambiguous dates, day first asked for")
            << CrLfLines({u"date,sys"_s, u"03/04/2026,120"_s, u"05/06/2026,121"_s})
            << int(CsvDateOrder::DayFirst) << QStringList{u"20260403 120//"_s, u"20260605 121//"_s}
            << QList<int>{2, 0, 0} << QStringList() << u"UTF-8"_s << QChar(u',');
        QTest::newRow("comments alone, blank lines, rows of something else")
            << Latin("date,sys,dia,pulse,comment,\n"
                     "2026-03-01,,,,\"line one\nline two\",\n"
                     "\n"
                     "2026-03-02,,,,,\n"
                     ",,,,,\n"
                     "2026-03-03,120,80,,,\n")
            << kUnknown
            << QStringList{u"20260301 // line one\\r\\nline two"_s, u"20260303 120/80/"_s}
            << QList<int>{2, 0, 0} << QStringList{u"column 6"_s} << u"UTF-8"_s << QChar(u',');
        QTest::newRow("several readings, values missing, out of time order")
            << CrLfLines({u"date,sys,dia,pulse,comment"_s, u"2026-03-01 19:00,121,81,,c"_s,
                          u"2026-03-01 07:00,120,80,,a"_s, u"2026-03-01 12:00,121,,70,"_s,
                          u"2026-03-02,122,80,70,x"_s, u"2026-03-02,123,80,70,y"_s})
            << kUnknown
            << QStringList{u"20260301 07:00 120/80/ a | 12:00 121//70 | 19:00 121/81/ c"_s,
                           u"20260302 122/80/70 x | 123/80/70 y"_s}
            << QList<int>{5, 2, 0} << QStringList() << u"UTF-8"_s << QChar(u',');
    }
    void otherShapes() {
        QFETCH(QByteArray, file);
        QFETCH(int, dateOrder);
        QFETCH(QStringList, days);
        QFETCH(QList<int>, counts);
        QFETCH(QStringList, ignored);
        QFETCH(QString, encoding);
        QFETCH(QChar, delimiter);
        CsvReadings readings;
        CsvReadError error;
        QVERIFY2(ReadReadingsCsv(file, u"shape.csv"_s, CsvDateOrder(dateOrder), &readings, &error),
                 qPrintable(error.szMessage));
        QCOMPARE(DaysText(readings), days);
        QCOMPARE(
            (QList<int>{readings.iRows, readings.iDaysWithSeveral, readings.iLinesBeforeHeader}),
            counts);
        QCOMPARE(readings.ignoredColumns, ignored);
        QCOMPARE(readings.szEncoding, encoding);
        QCOMPARE(readings.cDelimiter, delimiter);
    }

    // Files whose header row is in another language, values written with their units, and a
    // phone diary's export by milliseconds since 1970: each header and its rows give exactly
    // these days and readings.
    void otherLanguages_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("days");
        QTest::newRow("German")
            << QStringList{u"Datum;Uhrzeit;Systolisch;Diastolisch;Puls;Bemerkung"_s,
                           u"07.03.2027;07:30;134;86;72;m\u00FCde"_s,
                           u"07.03.2027;19:10;128;82;70;"_s}
            << QStringList{u"20270307 07:30 134/86/72 m\u00FCde | 19:10 128/82/70"_s};
        QTest::newRow("German, short names, upper case")
            << QStringList{u"DATUM,ZEIT,SYS,DIA,PULS,NOTIZ"_s, u"2027-03-07,08:00,134,86,72,x"_s}
            << QStringList{u"20270307 134/86/72 x"_s};
        QTest::newRow("German, Kommentar")
            << QStringList{u"datum;sys;dia;puls;kommentar"_s, u"07.03.2027;134;86;72;k"_s}
            << QStringList{u"20270307 134/86/72 k"_s};
        QTest::newRow("French with accents")
            << QStringList{u"Date;Heure;Systolique;Diastolique;Pouls;Commentaire"_s,
                           u"07.03.2027;07:30;134;86;72;fatigu\u00E9"_s,
                           u"07.03.2027;07:32;131;85;71;"_s}
            << QStringList{u"20270307 07:30 134/86/72 fatigu\u00E9 | 07:32 131/85/71"_s};
        QTest::newRow("Spanish with accents")
            << QStringList{u"Fecha,Hora,Sist\u00F3lica,Diast\u00F3lica,Pulso,Comentario"_s,
                           u"2027-03-07,21:00,140,90,80,noche"_s,
                           u"2027-03-07,08:00,135,88,75,ma\u00F1ana"_s}
            << QStringList{u"20270307 08:00 135/88/75 ma\u00F1ana | 21:00 140/90/80 noche"_s};
        QTest::newRow("Spanish without accents, any case")
            << QStringList{u"FECHA,hora,SISTOLICA,diastolica,PULSO,comentario"_s,
                           u"2027-03-07,8:05,135,88,75,"_s}
            << QStringList{u"20270307 135/88/75"_s};
        QTest::newRow("accents written as two characters")
            << QStringList{u"Fecha,Sisto\u0301lica,Diasto\u0301lica"_s, u"2027-03-07,135,88"_s}
            << QStringList{u"20270307 135/88/"_s};
        QTest::newRow("units")
            << QStringList{u"date,time,sys,dia,pulse"_s,
                           u"2027-03-07,08:00,134 mmHg,86mmHg,72 bpm"_s,
                           u"2027-03-07,09:00,\"130 mm Hg\",85 MMHG,72/min"_s,
                           u"2027-03-07,10:00,129,84,71 /min"_s}
            << QStringList{u"20270307 08:00 134/86/72 | 09:00 130/85/72 | 10:00 129/84/71"_s};
        QTest::newRow("a phone diary's milliseconds, on the local clock")
            << QStringList{u"timestampUnixMs,systolic,diastolic,pulse,note"_s,
                           u"1741852800000,134,86,72,a"_s, u"1741906800000,130,84,70,"_s,
                           u"1741935600000,128,82,69,b"_s}
            << QStringList{u"20250313 134/86/72 a"_s,
                           u"20250314 00:00 130/84/70 | 08:00 128/82/69 b"_s};
    }
    void otherLanguages() {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, days);
        CsvReadings readings;
        CsvReadError error;
        QVERIFY2(
            ReadReadingsCsv(CrLfLines(lines), u"f.csv"_s, CsvDateOrder::Unknown, &readings, &error),
            qPrintable(error.szMessage));
        QCOMPARE(DaysText(readings), days);
        QVERIFY(readings.ignoredColumns.isEmpty());
    }

    // A unit where it does not belong, or a number of milliseconds that is none, is refused
    // with its line.
    void unitsAndMillisecondsRefused_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("message");
        QTest::newRow("beats for a pressure")
            << QStringList{u"date,sys"_s, u"2027-03-07,134 bpm"_s}
            << u"f.csv, line 2: the systolic pressure \"134 bpm\" is not a whole number"_s;
        QTest::newRow("mmHg for the pulse")
            << QStringList{u"date,pulse"_s, u"2027-03-07,72 mmHg"_s}
            << u"f.csv, line 2: the pulse \"72 mmHg\" is not a whole number"_s;
        QTest::newRow("a unit alone") << QStringList{u"date,sys"_s, u"2027-03-07,mmHg"_s}
                                      << u"f.csv, line 2: the systolic pressure \"mmHg\" is not "
                                         "a whole number"_s;
        QTest::newRow("a date for milliseconds")
            << QStringList{u"timestampUnixMs,sys"_s, u"2027-03-07,120"_s}
            << u"f.csv, line 2: \"2027-03-07\" is not a time in milliseconds since 1970"_s;
        QTest::newRow("milliseconds beyond the calendar")
            << QStringList{u"timestampUnixMs,sys"_s, u"999999999999999,120"_s}
            << u"f.csv, line 2: 999999999999999 is outside the years 1900 to 9999"_s;
    }
    void unitsAndMillisecondsRefused() {
        QFETCH(QStringList, lines);
        QFETCH(QString, message);
        CsvReadings readings;
        CsvReadError error;
        QVERIFY(!ReadReadingsCsv(CrLfLines(lines), u"f.csv"_s, CsvDateOrder::Unknown, &readings,
                                 &error));
        QCOMPARE(error.szMessage, message);
    }

    // What the user reads about a file before and after importing it.
    void descriptions() {
        CsvReadings readings;
        CsvReadError error;
        QVERIFY(ReadReadingsCsv(Latin("note\r\ndate;sys;dia;arm\r\n2026-03-01;120;80;left\r\n"
                                      "2026-03-01;122;82;left\r\n2026-03-02;1;2;\r\n"),
                                u"/tmp/a.csv"_s, CsvDateOrder::Unknown, &readings, &error));
        QCOMPARE(CsvReadingsDescription(u"/tmp/a.csv"_s, readings),
                 u"/tmp/a.csv: 3 readings on 2 days (UTF-8, fields separated by semicolons).\n"
                 "1 day has more than one reading; each is kept with its time.\nColumns left out: "
                 "arm.\n"
                 "1 line above the header row skipped."_s);
        CsvMergeSummary summary;
        summary.iAdded = 1;
        summary.iFilled = 2;
        summary.iUnchanged = 3;
        summary.iKeptDifferent = 1;
        QCOMPARE(CsvMergeDescription(summary, true),
                 u"Added 1 day, filled in 2 days, replaced values of 0 days; 3 days unchanged.\n"
                 "1 day kept stored values where the file has others."_s);
        QCOMPARE(CsvMergeDescription(summary, false),
                 u"Would add 1 day, fill in 2 days, replace values of 0 days; 3 days would stay "
                 "unchanged.\n1 day would keep stored values where the file has others."_s);
        summary.iKeptDifferent = 0;
        summary.iGrown = 2;
        QCOMPARE(CsvMergeDescription(summary, false),
                 u"Would add 1 day, fill in 2 days, replace values of 0 days; 3 days would stay "
                 "unchanged.\n2 days would take readings of the file beside their own."_s);
        QCOMPARE(summary.Changed(), 4);
    }

    // Every file that is refused, and what the user is told; nothing is read from it.
    void refusals_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("dateOrder");
        QTest::addColumn<QString>("message");

        const int kUnknown = int(CsvDateOrder::Unknown);
        const QString szHeader = u"date,sys,dia,pulse,comment"_s;
        const auto rows = [&](const QStringList& lines) {
            return CrLfLines(QStringList{szHeader} + lines);
        };
        QTest::newRow("empty") << QByteArray() << kUnknown
                               << u"r.csv: the file holds no readings (it is empty)"_s;
        QTest::newRow("no header")
            << CrLfLines({u"2026-03-01,120,80,70"_s}) << kUnknown
            << u"r.csv: no header row names the columns: the first line should read like "
               "\"date,systolic,diastolic,pulse,comment\", and it reads \"2026-03-01,120,80,70\""_s;
        QTest::newRow("a value named twice")
            << CrLfLines({u"date,sys,Systolic (mmHg)"_s, u"2026-03-01,120,121"_s}) << kUnknown
            << u"r.csv, line 1: the columns \"sys\" and \"Systolic (mmHg)\" both hold the "
               "systolic pressure"_s;
        QTest::newRow("negative") << rows({u"2026-03-01,-5,80,70,"_s}) << kUnknown
                                  << u"r.csv, line 2: the systolic pressure \"-5\" is negative"_s;
        QTest::newRow("larger than three digits")
            << rows({u"2026-03-01,120,80,70,"_s, u"2026-03-02,120,1200,70,"_s}) << kUnknown
            << u"r.csv, line 3: the diastolic pressure \"1200\" is larger than 999"_s;
        QTest::newRow("not a whole number")
            << rows({u"2026-03-01,120,80,72.5,"_s}) << kUnknown
            << u"r.csv, line 2: the pulse \"72.5\" is not a whole number"_s;
        QTest::newRow("words for a date")
            << rows({u"March 1st,120,80,70,"_s}) << kUnknown
            << u"r.csv, line 2: \"March 1st\" is not a date that can be read (it should read "
               "like 2026-12-08, 08.12.2026 or 08/12/2026)"_s;
        QTest::newRow("two-digit year")
            << rows({u"03/04/26,120,80,70,"_s}) << kUnknown
            << u"r.csv, line 2: \"03/04/26\" is not a date that can be read (it should read "
               "like 2026-12-08, 08.12.2026 or 08/12/2026)"_s;
        QTest::newRow("an hour that does not exist")
            << rows({u"2026-03-01 25:00,120,80,70,"_s}) << kUnknown
            << u"r.csv, line 2: \"2026-03-01 25:00\" is not a date that can be read (it should "
               "read like 2026-12-08, 08.12.2026 or 08/12/2026)"_s;
        QTest::newRow("a day that does not exist")
            << rows({u"2026-02-29,120,80,70,"_s}) << kUnknown
            << u"r.csv, line 2: \"2026-02-29\" is not a date of the calendar"_s;
        QTest::newRow("month 30 when read day first")
            << rows({u"02/30/2026,120,80,70,"_s}) << int(CsvDateOrder::DayFirst)
            << u"r.csv, line 2: \"02/30/2026\" is not a date of the calendar (read day first)"_s;
        QTest::newRow("ambiguous")
            << rows({u"03/03/2026,120,80,70,"_s, u"03/04/2026,120,80,70,"_s}) << kUnknown
            << u"r.csv, line 3: \"03/04/2026\" can be read as 3 April 2026 (day first) or as "
               "4 March 2026 (month first), and no date in the file tells which"_s;
        QTest::newRow("two orders in one file")
            << rows({u"25/03/2026,120,80,70,"_s, u"03/25/2026,120,80,70,"_s}) << kUnknown
            << u"r.csv: the dates are in two orders: line 2 puts the day first (\"25/03/2026\"), "
               "line 3 the month (\"03/25/2026\")"_s;
        QTest::newRow("quote never closed")
            << rows({u"2026-03-01,1,2,3,\"two\r\nlines\""_s, u"2026-03-02,1,2,3,\"open"_s})
            << kUnknown << u"r.csv, line 4: field 5 opens a quote on line 4 that is never closed"_s;
        QTest::newRow("text after a closing quote")
            << rows({u"2026-03-01,\"120\"x,80,70,"_s}) << kUnknown
            << u"r.csv, line 2: field 2 has text after its closing quote"_s;
        QTest::newRow("more fields than columns")
            << rows({u"2026-03-01,120,80,70,ok,extra"_s}) << kUnknown
            << u"r.csv, line 2: the row has 6 fields, but the header names 5 columns"_s;
        QTest::newRow("no date") << rows({u",120,80,70,"_s}) << kUnknown
                                 << u"r.csv, line 2: the row has a reading but no date"_s;
        QTest::newRow("before the calendar's years")
            << rows({u"1850-03-01,120,80,70,"_s}) << kUnknown
            << u"r.csv, line 2: 1850-03-01 is outside the years 1900 to 9999"_s;
        QTest::newRow("not a time")
            << CrLfLines({u"date,time,sys"_s, u"2026-03-01,noon,120"_s}) << kUnknown
            << u"r.csv, line 2: \"noon\" is not a time of day"_s;
        // A comment is a short note: a longer one is refused where it is, never cut.
        QTest::newRow("a comment longer than a comment holds")
            << rows({u"2026-03-01,120,80,70,a"_s, u"2026-03-02,120,80,70,"_s + QString(4001, u'x')})
            << kUnknown
            << u"r.csv, line 3: the comment is 4,001 characters long; a comment holds at most "
               "4,000"_s;
        QTest::newRow("more readings than a day holds")
            << rows(QStringList(kMaxReadingsPerDay + 1, u"2026-03-01,120,80,70,"_s) +
                    QStringList{u"2026-03-02,120,80,70,"_s})
            << kUnknown << u"r.csv: 1 Mar 2026 has 13 readings; a day holds at most 12"_s;
        QTest::newRow("a time column that holds no time")
            << CrLfLines({u"date,time,systolic,diastolic,pulse,comment"_s,
                          u"2026-03-01,08:00,120,80,70,"_s, u"2026-03-01,8 Uhr,121,81,71,"_s})
            << kUnknown << u"r.csv, line 3: \"8 Uhr\" is not a time of day"_s;
    }
    void refusals() {
        QFETCH(QByteArray, file);
        QFETCH(int, dateOrder);
        QFETCH(QString, message);
        CsvReadings readings;
        readings.iRows = 99;
        CsvReadError error;
        QVERIFY(!ReadReadingsCsv(file, u"r.csv"_s, CsvDateOrder(dateOrder), &readings, &error));
        QCOMPARE(error.szMessage, message);
        QCOMPARE(error.bAmbiguousDates, QByteArray(QTest::currentDataTag()) == "ambiguous");
        QVERIFY(readings.days.isEmpty());
    }

    // What a file holds is shown in a message, never acted on: control characters (a
    // terminal's commands among them) as escapes, in UTF-8 and UTF-16 alike, and long texts cut.
    void messagesShowDataSafely_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        const QString szNoHeader = u"r.csv: no header row names the columns: the first line "
                                   "should read like \"date,systolic,diastolic,pulse,comment\", "
                                   "and it reads "_s;
        const QString szTerminal = u"\x1B]0;owned\x07\x1B[2J"_s;
        QTest::newRow("a new title and a cleared screen")
            << u"r.csv"_s << (szTerminal + u"\r\n2026-03-01,120\r\n"_s).toUtf8()
            << szNoHeader + u"\"\\x1B]0;owned\\x07\\x1B[2J\""_s;
        QTest::newRow("the same in UTF-16")
            << u"r.csv"_s << Utf16LeWithMark(szTerminal + u"\r\n2026-03-01,120\r\n"_s)
            << szNoHeader + u"\"\\x1B]0;owned\\x07\\x1B[2J\""_s;
        QTest::newRow("the same in Windows-1252")
            << u"r.csv"_s << QByteArray("\x1B]0;\xE9\x07\x1B[2J\r\n")
            << szNoHeader + u"\"\\x1B]0;\u00E9\\x07\\x1B[2J\""_s;
        QTest::newRow("a C1 control in a date")
            << u"r.csv"_s
            << QByteArray("date,sys\r\n2026-03-01\xC2\x9B"
                          "2J,120\r\n")
            << u"r.csv, line 2: \"2026-03-01\\x9B2J\" is not a date that can be read (it should "
               "read like 2026-12-08, 08.12.2026 or 08/12/2026)"_s;
        QTest::newRow("a turn of direction in a value")
            << u"r.csv"_s
            << QByteArray("date,sys\r\n2026-03-01,1\xE2\x80\xAE"
                          "2\r\n")
            << u"r.csv, line 2: the systolic pressure \"1\\u202E2\" is not a whole number"_s;
        QTest::newRow("a delete and a line break in a time")
            << u"r.csv"_s << QByteArray("date,time,sys\r\n2026-03-01,\"1\x7F\n2\",120\r\n")
            << u"r.csv, line 2: \"1\\x7F\\x0A2\" is not a time of day"_s;
        QTest::newRow("a control in the name of a second column")
            << u"r.csv"_s << QByteArray("date,sys,sys\x1B\r\n2026-03-01,1,2\r\n")
            << u"r.csv, line 1: the columns \"sys\" and \"sys\\x1B\" both hold the systolic "
               "pressure"_s;
        QTest::newRow("a control in the file's name")
            << u"a\x1B[2Jb.csv"_s << QByteArray()
            << u"a\\x1B[2Jb.csv: the file holds no readings (it is empty)"_s;
        QTest::newRow("place markers in the file's name")
            << u"a%1%2.csv"_s << QByteArray("date,sys\r\n2026-03-01,-1\r\n")
            << u"a%1%2.csv, line 2: the systolic pressure \"-1\" is negative"_s;
        QTest::newRow("a header line of 100,000 characters")
            << u"r.csv"_s << QByteArray(100000, 'x') + "\r\n"
            << szNoHeader + u"\""_s + QString(60, u'x') + u"\u2026\""_s;
        QTest::newRow("a value of 10,000 digits")
            << u"r.csv"_s << "date,sys\r\n2026-03-01," + QByteArray(10000, '9') + "\r\n"
            << u"r.csv, line 2: the systolic pressure \""_s + QString(60, u'9') +
                   u"\u2026\" is larger than 999"_s;
        QTest::newRow("escapes cut whole")
            << u"r.csv"_s << "date,sys\r\n" + QByteArray(58, '1') + "\x1B,120\r\n"
            << u"r.csv, line 2: \""_s + QString(58, u'1') +
                   u"\u2026\" is not a date that can be read (it should read like 2026-12-08, "
                   "08.12.2026 or 08/12/2026)"_s;
    }
    void messagesShowDataSafely() {
        QFETCH(QString, name);
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        CsvReadings readings;
        CsvReadError error;
        QVERIFY(!ReadReadingsCsv(file, name, CsvDateOrder::Unknown, &readings, &error));
        QCOMPARE(Visible(error.szMessage), Visible(message));
    }

    // 100,000 columns the importer does not know: the description names the first few and
    // counts the rest, each name shown safely.
    void manyUnknownColumns() {
        QByteArray file = "date,sys,\x1B[2J";
        for (int i = 1; i < 100000; ++i) {
            file += ",c" + QByteArray::number(i);
        }
        file += "\r\n2026-03-01,120\r\n";
        CsvReadings readings;
        CsvReadError error;
        QVERIFY2(ReadReadingsCsv(file, u"r.csv"_s, CsvDateOrder::Unknown, &readings, &error),
                 qPrintable(error.szMessage));
        QCOMPARE(readings.ignoredColumns.size(), 100000);
        const QString szDescription = CsvReadingsDescription(u"r.csv"_s, readings);
        QCOMPARE(szDescription,
                 u"r.csv: 1 reading on 1 day (UTF-8, fields separated by commas).\nColumns left "
                 "out: \\x1B[2J, c1, c2, c3, c4, c5, c6, c7, c8, c9 and 99990 more."_s);
    }

    // Only an ordinary file (or a link to one) of at most 64 MB is read; anything else is
    // refused at once with the reason, a named pipe nobody writes to included.
    void inputsThatAreRefused_data() {
        AddRefusedInputRows();
        QTest::newRow("missing") << u"missing"_s
                                 << u"%1 could not be opened (No such file or directory)"_s;
        QTest::newRow("64 MB") << u"largest"_s << QString();
        QTest::newRow("a link to a file") << u"link"_s << QString();
    }
    void inputsThatAreRefused() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QString szPath = dir.filePath(u"in.csv"_s);
        const QByteArray small = "date,sys\r\n2026-03-01,120\r\n";
        QByteArray expected = small;
        if (kind == u"largest"_s) {
            QVERIFY(MakeLargeFile(szPath, kLargestCsvInput));
            expected = QByteArray(kLargestCsvInput, '\0');
        } else if (kind == u"link"_s) {
            const QString szTarget = dir.filePath(u"target.csv"_s);
            QFile target(szTarget);
            QVERIFY(target.open(QIODevice::WriteOnly) && target.write(small) == small.size());
            target.close();
            if (!QFile::link(szTarget, szPath)) {
                QSKIP("this system makes no links");
            }
        } else if (kind != u"missing"_s) {
            if (const QString szWhyNot = MakeInput(kind, szPath); !szWhyNot.isEmpty()) {
                QSKIP(qPrintable(szWhyNot));
            }
        }

        const PipeWatchdog watchdog(szPath, 5);
        QByteArray bytes = "left over";
        QString szReason;
        const bool bRead = ReadCsvFile(szPath, &bytes, &szReason);
        QVERIFY2(!watchdog.SteppedIn(), "the read waited on the pipe");
        if (reason.isEmpty()) {
            QVERIFY2(bRead, qPrintable(szReason));
            QVERIFY(bytes == expected);
        } else {
            QVERIFY(!bRead);
            QCOMPARE(szReason, reason.arg(QDir::toNativeSeparators(szPath)));
            QVERIFY(bytes.isEmpty());
        }
    }

    // A source such as standard input is read to its end, up to the same limit.
    void sourcesAreCapped() {
        QByteArray bytes;
        QString szReason;
        QByteArray big(kLargestCsvInput + 1, 'x');
        QBuffer source(&big);
        QVERIFY(source.open(QIODevice::ReadOnly));
        QVERIFY(!ReadCsvSource(source, u"standard input"_s, &bytes, &szReason));
        QCOMPARE(szReason, u"standard input could not be read (it is larger than 64 MB, far more "
                           "than any diary holds)"_s);
        QVERIFY(bytes.isEmpty());
        big.chop(1);
        source.seek(0);
        QVERIFY(ReadCsvSource(source, u"standard input"_s, &bytes, &szReason));
        QCOMPARE(bytes.size(), kLargestCsvInput);
    }

    // Each row of a day is a reading of its own, its values as written: nothing is folded
    // into a mean, and the comment limit holds for each reading alone.
    void readingsOfADayKeepTheirValues_data() {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("comment");
        QTest::newRow("two values whose mean is a half")
            << QStringList{u"120"_s, u"121"_s} << QString();
        QTest::newRow("leading zeros") << QStringList{u"080"_s, u"81"_s} << QString();
        QTest::newRow("twelve, the most a day holds")
            << QStringList(kMaxReadingsPerDay, u"99"_s) << QString();
        QTest::newRow("comments that would be too long joined")
            << QStringList{u"70"_s, u"71"_s} << QString(kMaxCommentLength, u'x');
    }
    void readingsOfADayKeepTheirValues() {
        QFETCH(QStringList, values);
        QFETCH(QString, comment);
        QStringList lines = {u"date,pulse,comment"_s};
        for (const QString& szValue : values) {
            lines << u"2026-03-01,"_s + szValue + u',' + comment;
        }
        CsvReadings readings;
        CsvReadError error;
        QVERIFY2(
            ReadReadingsCsv(CrLfLines(lines), u"f.csv"_s, CsvDateOrder::Unknown, &readings, &error),
            qPrintable(error.szMessage));
        QCOMPARE(readings.days.size(), 1);
        QStringList pulses;
        for (const Reading& reading : readings.days[0].readings) {
            pulses << reading.szPulse;
            QCOMPARE(reading.szComment, comment);
        }
        QCOMPARE(pulses, values);
    }
};

int main(int argc, char** argv) {
    // UTC timestamps are taken on the local clock: the tests read them in Berlin.
    qputenv("TZ", "Europe/Berlin");
    QCoreApplication app(argc, argv);
    TestReadingsCsvImport test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_diary_csv_import.moc"
