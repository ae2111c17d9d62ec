// Readings out as CSV and back in: the exported bytes, lossless round trips of random stores
// with hostile comments, merging into a store, and writing that fails.

#include "tests/diary/CsvTestSupport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <random>

using namespace csvtest;
using namespace Qt::StringLiterals;

namespace {

// A device that takes iRoom bytes and then refuses every write, as a full disk does.
class FullDevice : public QIODevice {
public:
    explicit FullDevice(qint64 iRoom) : m_iRoom(iRoom) { open(QIODevice::WriteOnly); }
    QByteArray taken;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 len) override {
        const qint64 n = std::min(len, m_iRoom - taken.size());
        if (n <= 0) {
            setErrorString(u"No space left on device"_s);
            return -1;
        }
        taken.append(data, n);
        return n;
    }

private:
    qint64 m_iRoom;
};

// A comment a user could type or paste, built to trip a CSV reader or the data file: the
// separators, quotes, line breaks, markup, the file's own line-break marker, a character
// reference, blanks at the ends, letters from other scripts and a character outside the
// 16-bit range.
QString HostileComment(std::mt19937& random) {
    static const QStringList pieces = {u","_s,
                                       u";"_s,
                                       u"\t"_s,
                                       u"\""_s,
                                       u"\"\""_s,
                                       u"\r\n"_s,
                                       u"<"_s,
                                       u"</C>"_s,
                                       u">"_s,
                                       u"="_s,
                                       u"\u00F8"_s,
                                       u"&#60;"_s,
                                       u"&"_s,
                                       u" "_s,
                                       u"walked"_s,
                                       u"\u00E9t\u00E9"_s,
                                       u"\u0436\u0438\u0442\u044C"_s,
                                       u"\u4E2D\u6587"_s,
                                       u"\U0001F600"_s,
                                       u"\u00A0"_s,
                                       u"'"_s,
                                       u"+"_s,
                                       u"-"_s,
                                       u"@"_s,
                                       u"a"_s};
    std::uniform_int_distribution<int> length(0, 12);
    std::uniform_int_distribution<qsizetype> pick(0, pieces.size() - 1);
    QString szComment;
    for (int i = length(random); i > 0; --i) {
        szComment += pieces[pick(random)];
    }
    return szComment;
}

// A value as a person types it in a box: a whole number, sometimes with a leading zero, or
// nothing.
QString RandomValue(std::mt19937& random) {
    std::uniform_int_distribution<int> kind(0, 9);
    std::uniform_int_distribution<int> number(0, 999);
    switch (kind(random)) {
    case 0:
        return QString();
    case 1:
        return u"0"_s + QString::number(number(random) % 100);
    default:
        return QString::number(number(random));
    }
}

// A time of day as the diary keeps it, sometimes none, sometimes one a day already has.
QString RandomTime(std::mt19937& random) {
    std::uniform_int_distribution<int> minute(0, 24 * 60 - 1);
    const int iMinute = minute(random);
    if (iMinute % 7 == 0) {
        return QString();
    }
    if (iMinute % 5 == 0) {
        return u"08:00"_s;
    }
    return TimeText(QTime(iMinute / 60, iMinute % 60));
}

// A day of two to kMaxReadingsPerDay readings, each with something in it, their times in any
// order, some the same, some missing.
QList<Reading> RandomReadings(std::mt19937& random) {
    std::uniform_int_distribution<int> count(2, kMaxReadingsPerDay);
    QList<Reading> readings;
    for (int i = count(random); i > 0; --i) {
        readings.append({RandomTime(random), RandomValue(random), RandomValue(random),
                         RandomValue(random), HostileComment(random)});
        if (readings.last().IsEmpty()) {
            readings.last().szPulse = u"70"_s;
        }
    }
    return readings;
}

// A store of random days between 1900 and 9999: readings, placeholders, comment-only days,
// days with several readings.
void FillRandomStore(Store& store, std::mt19937& random, int iDays) {
    std::uniform_int_distribution<qint64> day(QDate(1900, 1, 1).toJulianDay(),
                                              QDate(9999, 12, 31).toJulianDay());
    std::uniform_int_distribution<int> kind(0, 6);
    for (int i = 0; i < iDays; ++i) {
        const QDate date = QDate::fromJulianDay(day(random));
        const QString szKey = DayKey(qint16(date.year()), qint16(date.month()), qint16(date.day()));
        if (FindDayEntry(store.objReadings, szKey)) {
            continue;
        }
        switch (kind(random)) {
        case 0: // selected, nothing typed
            store.Add(szKey, {}, {}, {});
            break;
        case 1: // a comment alone
            store.Add(szKey, {}, {}, {}, HostileComment(random));
            break;
        case 2:
            store.Add(szKey, {}, {}, {});
            WriteDayReadings(FindDayEntry(store.objReadings, szKey), RandomReadings(random));
            break;
        default:
            store.Add(szKey, RandomValue(random), RandomValue(random), RandomValue(random),
                      HostileComment(random));
        }
    }
}

// The days of a store an export must carry: every entry with any value.
QStringList DaysWithValues(const std::shared_ptr<clsXMLTag>& objReadings) {
    QStringList days = DaysText(objReadings);
    days.removeIf([](const QString& szDay) { return szDay.size() == 8 + 3; });
    return days;
}

// The rows an export of the store writes: its readings that hold anything.
int CountReadings(const std::shared_ptr<clsXMLTag>& objReadings) {
    int iRows = 0;
    for (const std::shared_ptr<clsXMLTag>& objDay : *objReadings->objSubTags) {
        const QList<Reading> readings = DayReadings(objDay);
        iRows += int(std::count_if(readings.begin(), readings.end(),
                                   [](const Reading& reading) { return !reading.IsEmpty(); }));
    }
    return iRows;
}

// Reads the file and merges it into the store twice: counting alone, which changes nothing,
// then applying; the two summaries into *pSummaries.
void CountThenMerge(Store& store, const QByteArray& file, bool bReplace,
                    std::array<CsvMergeSummary, 2>* pSummaries) {
    CsvReadings readings;
    CsvReadError error;
    QVERIFY2(ReadReadingsCsv(file, u"f.csv"_s, CsvDateOrder::Unknown, &readings, &error),
             qPrintable(error.szMessage));
    const QStringList before = DaysText(store.objReadings);
    QString szError;
    QVERIFY(MergeCsvReadings(store.objReadings, readings, bReplace, false, &(*pSummaries)[0],
                             &szError));
    QCOMPARE(DaysText(store.objReadings), before);
    QVERIFY(
        MergeCsvReadings(store.objReadings, readings, bReplace, true, &(*pSummaries)[1], &szError));
}

} // namespace

class TestReadingsCsv : public QObject {
    Q_OBJECT
private slots:
    // The exported bytes of a small store, for each separator.
    void exportBytes_data() {
        QTest::addColumn<QChar>("delimiter");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("comma") << QChar(u',')
                               << QByteArray(
                                      "date,time,systolic,diastolic,pulse,comment\r\n"
                                      "2026-12-07,,120,80,72,Walked\r\n"
                                      "2026-12-09,,,,,\"Dizzy, then \"\"fine\"\"\n"
                                      "slept <8h> \xC3\xB8\"\r\n"
                                      "2026-12-10,,135,,066,\" blanks \"\r\n"
                                      "2027-01-02,,1x,9,,\xD0\xB6\xD0\xB8\xD1\x82\xD1\x8C\r\n");
        QTest::newRow("semicolon")
            << QChar(u';')
            << QByteArray("date;time;systolic;diastolic;pulse;comment\r\n"
                          "2026-12-07;;120;80;72;Walked\r\n"
                          "2026-12-09;;;;;\"Dizzy, then \"\"fine\"\"\nslept <8h> \xC3\xB8\"\r\n"
                          "2026-12-10;;135;;066;\" blanks \"\r\n"
                          "2027-01-02;;1x;9;;\xD0\xB6\xD0\xB8\xD1\x82\xD1\x8C\r\n");
        QTest::newRow("tab") << QChar(u'\t')
                             << QByteArray(
                                    "date\ttime\tsystolic\tdiastolic\tpulse\tcomment\r\n"
                                    "2026-12-07\t\t120\t80\t72\tWalked\r\n"
                                    "2026-12-09\t\t\t\t\t\"Dizzy, then \"\"fine\"\"\n"
                                    "slept <8h> \xC3\xB8\"\r\n"
                                    "2026-12-10\t\t135\t\t066\t\" blanks \"\r\n"
                                    "2027-01-02\t\t1x\t9\t\t\xD0\xB6\xD0\xB8\xD1\x82\xD1\x8C\r\n");
    }
    void exportBytes() {
        QFETCH(QChar, delimiter);
        QFETCH(QByteArray, expected);
        Store store;
        store.Add(u"20261207"_s, u"120"_s, u"80"_s, u"72"_s, u"Walked"_s);
        store.Add(u"20261208"_s, {}, {}, {}); // placeholder: left out
        store.Add(u"20261209"_s, {}, {}, {}, u"Dizzy, then \"fine\"\r\nslept <8h> \u00F8"_s);
        store.Add(u"20261210"_s, u"135"_s, {}, u"066"_s, u" blanks "_s);
        store.Add(u"20270102"_s, u"1x"_s, u"9"_s, {}, u"\u0436\u0438\u0442\u044C"_s);
        int iDays = 0;
        CsvExportOptions options;
        options.cDelimiter = delimiter;
        QCOMPARE(ReadingsToCsv(store.objReadings, options, &iDays), expected);
        QCOMPARE(iDays, 4);
    }

    // A period keeps the days from its first to its last, both included; entries that are not
    // days are never written.
    void exportPeriod() {
        Store store;
        for (const QString& szKey :
             {u"20260131"_s, u"20260201"_s, u"20260215"_s, u"20260228"_s, u"20260301"_s}) {
            store.Add(szKey, u"120"_s, u"80"_s, u"70"_s);
        }
        store.Add(u"notaday"_s, u"1"_s, u"2"_s, u"3"_s);
        CsvExportOptions options;
        options.dtFirst = QDate(2026, 2, 1);
        options.dtLast = QDate(2026, 2, 28);
        int iDays = 0;
        QCOMPARE(ReadingsToCsv(store.objReadings, options, &iDays),
                 QByteArray("date,time,systolic,diastolic,pulse,comment\r\n"
                            "2026-02-01,,120,80,70,\r\n2026-02-15,,120,80,70,\r\n"
                            "2026-02-28,,120,80,70,\r\n"));
        QCOMPARE(iDays, 3);
        options.dtLast = QDate();
        ReadingsToCsv(store.objReadings, options, &iDays);
        QCOMPARE(iDays, 4);
    }

    // Random stores with hostile comments come back exactly: into an empty store every day
    // with a value, into the store they came from nothing changes.
    void roundTripOfRandomStores_data() {
        QTest::addColumn<QChar>("delimiter");
        QTest::newRow("comma") << QChar(u',');
        QTest::newRow("semicolon") << QChar(u';');
        QTest::newRow("tab") << QChar(u'\t');
    }
    void roundTripOfRandomStores() {
        QFETCH(QChar, delimiter);
        for (unsigned seed = 1; seed <= 150; ++seed) {
            std::mt19937 random(seed);
            Store source;
            FillRandomStore(source, random, 40);
            CsvExportOptions options;
            options.cDelimiter = delimiter;
            const QByteArray bytes = ReadingsToCsv(source.objReadings, options);

            CsvReadings readings;
            CsvReadError error;
            QVERIFY2(
                ReadReadingsCsv(bytes, u"export.csv"_s, CsvDateOrder::Unknown, &readings, &error),
                qPrintable(u"seed %1: "_s.arg(seed) + error.szMessage));
            QCOMPARE(readings.cDelimiter, delimiter);
            QCOMPARE(readings.iRows, CountReadings(source.objReadings));
            QVERIFY(readings.ignoredColumns.isEmpty());

            Store copy;
            CsvMergeSummary summary;
            QString szError;
            QVERIFY(MergeCsvReadings(copy.objReadings, readings, false, true, &summary, &szError));
            const QStringList expected = DaysWithValues(source.objReadings);
            QCOMPARE(summary.iAdded, expected.size());
            if (DaysText(copy.objReadings) != expected) {
                QCOMPARE(DaysText(copy.objReadings).join(u'\n'), expected.join(u'\n'));
            }

            const QStringList before = DaysText(source.objReadings);
            QVERIFY(MergeCsvReadings(source.objReadings, readings, true, true, &summary, &szError));
            QCOMPARE(summary.iUnchanged, expected.size());
            QCOMPARE(summary.Changed() + summary.iAdded + summary.iKeptDifferent, 0);
            QCOMPARE(DaysText(source.objReadings), before);
        }
    }

    // The whole road a user's text takes: typed into the store, written to the data file and
    // read back, exported, imported into a new diary, written and read again.
    void roundTripThroughTheDataFile() {
        QTemporaryDir dir;
        std::mt19937 random(2026);
        auto source = std::make_unique<Store>();
        FillRandomStore(*source, random, 300);
        const QString szFile = dir.filePath(u"crtlg.dat"_s);
        QVERIFY(source->doc.SaveXMLFile(szFile));
        clsXML loaded;
        QVERIFY(loaded.LoadXMLFile(szFile, false));
        const auto objLoaded =
            loaded.objBlockTag->FindSubTagObjectByName(kReadingsTagName, QString());
        QVERIFY(objLoaded);
        QCOMPARE(DaysText(objLoaded), DaysText(source->objReadings));

        CsvReadings readings;
        CsvReadError error;
        QVERIFY2(ReadReadingsCsv(ReadingsToCsv(objLoaded, {}), u"x.csv"_s, CsvDateOrder::Unknown,
                                 &readings, &error),
                 qPrintable(error.szMessage));
        Store imported;
        CsvMergeSummary summary;
        QString szError;
        QVERIFY(MergeCsvReadings(imported.objReadings, readings, false, true, &summary, &szError));
        QVERIFY(imported.doc.SaveXMLFile(szFile));
        clsXML again;
        QVERIFY(again.LoadXMLFile(szFile, false));
        QCOMPARE(DaysText(again.objBlockTag->FindSubTagObjectByName(kReadingsTagName, QString())),
                 DaysWithValues(source->objReadings));
    }

    // A comment of any length, most of it quotes and line breaks, comes back whole.
    void aLongComment() {
        // Quotes, separators and line breaks all through a comment as long as a comment may be.
        QString szComment;
        for (int i = 0; i < 1400; ++i) {
            szComment += (i % 3 == 0) ? u"\"a\","_s : (i % 3 == 1) ? u"\r\n"_s : u"b; "_s;
        }
        Store store;
        store.Add(u"20260301"_s, u"120"_s, {}, {}, szComment);
        CsvReadings readings;
        CsvReadError error;
        QVERIFY(ReadReadingsCsv(ReadingsToCsv(store.objReadings, {}), u"f.csv"_s,
                                CsvDateOrder::Unknown, &readings, &error));
        QCOMPARE(readings.days.size(), 1);
        QCOMPARE(readings.days[0].readings[0].szComment, szComment);
        QVERIFY(CommentLength(szComment) > kMaxCommentLength - 500);
    }

    // What a merge does to each kind of stored day, with and without replacing.
    void merge_data() {
        QTest::addColumn<QStringList>("stored"); // key|S|D|P|C
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("replace");
        QTest::addColumn<QList<int>>("counts"); // added, filled, replaced, unchanged, kept
        QTest::addColumn<QStringList>("after");

        const QByteArray file =
            CrLfLines({u"date,sys,dia,pulse,comment"_s, u"2026-03-01,120,80,70,new"_s,
                       u"2026-03-02,121,81,71,"_s, u"2026-03-03,122,82,72,note"_s,
                       u"2026-03-04,,,,only a comment"_s});
        const QStringList stored = {u"20260302|||"_s, u"20260303|130||72|old"_s,
                                    u"20260305|140|90|60|kept"_s};
        QTest::newRow("fill") << stored << file << false << QList<int>{2, 2, 0, 0, 1}
                              << QStringList{u"20260301 120/80/70 new"_s, u"20260302 121/81/71"_s,
                                             u"20260303 130/82/72 old"_s,
                                             u"20260304 // only a comment"_s,
                                             u"20260305 140/90/60 kept"_s};
        QTest::newRow("replace") << stored << file << true << QList<int>{2, 1, 1, 0, 0}
                                 << QStringList{u"20260301 120/80/70 new"_s,
                                                u"20260302 121/81/71"_s,
                                                u"20260303 122/82/72 note"_s,
                                                u"20260304 // only a comment"_s,
                                                u"20260305 140/90/60 kept"_s};
        QTest::newRow("same values")
            << QStringList{u"20260301|120|80|70|new"_s}
            << CrLfLines({u"date,sys,dia,pulse,comment"_s, u"2026-03-01,120,80,70,new"_s}) << true
            << QList<int>{0, 0, 0, 1, 0} << QStringList{u"20260301 120/80/70 new"_s};
        QTest::newRow("entry without its value tags")
            << QStringList{u"20260301"_s} << CrLfLines({u"date,sys"_s, u"2026-03-01,120"_s})
            << false << QList<int>{0, 1, 0, 0, 0} << QStringList{u"20260301 120//"_s};
    }
    void merge() {
        QFETCH(QStringList, stored);
        QFETCH(QByteArray, file);
        QFETCH(bool, replace);
        QFETCH(QList<int>, counts);
        QFETCH(QStringList, after);
        Store store;
        for (const QString& szDay : stored) {
            const QStringList parts = szDay.split(u'|');
            if (parts.size() == 1) {
                store.objReadings->AddSubTag(parts[0], QString(), true); // hand-edited entry
                continue;
            }
            store.Add(parts[0], parts[1], parts[2], parts[3], parts.value(4));
        }
        std::array<CsvMergeSummary, 2> summaries;
        CountThenMerge(store, file, replace, &summaries);
        for (const CsvMergeSummary& summary : summaries) {
            QCOMPARE((QList<int>{summary.iAdded, summary.iFilled, summary.iReplaced,
                                 summary.iUnchanged, summary.iKeptDifferent}),
                     counts);
        }
        QCOMPARE(DaysText(store.objReadings), after);
    }

    // A day's readings out, one row each with its time, and back into an empty diary: the
    // same readings in the same order, through the document's own tags.
    void severalReadingsRoundTrip() {
        Store store;
        store.Add(u"20261207"_s, u"120"_s, u"80"_s, u"72"_s, u"one"_s);
        store.Add(u"20261208"_s, {}, {}, {});
        const QList<Reading> day = {{u"07:05"_s, u"128"_s, u"84"_s, u"71"_s, u"Walked"_s},
                                    {u"07:07"_s, u"126"_s, u"82"_s, u"70"_s, QString()},
                                    {u"19:30"_s, u"131"_s, QString(), u"75"_s, u"a\r\nb"_s},
                                    {u"06:50"_s, QString(), QString(), QString(), u"late"_s}};
        WriteDayReadings(FindDayEntry(store.objReadings, u"20261208"_s), day);
        const QByteArray bytes = ReadingsToCsv(store.objReadings, {});
        QCOMPARE(bytes, QByteArray("date,time,systolic,diastolic,pulse,comment\r\n"
                                   "2026-12-07,,120,80,72,one\r\n"
                                   "2026-12-08,07:05,128,84,71,Walked\r\n"
                                   "2026-12-08,07:07,126,82,70,\r\n"
                                   "2026-12-08,19:30,131,,75,\"a\nb\"\r\n"
                                   "2026-12-08,06:50,,,,late\r\n"));
        CsvReadings readings;
        CsvReadError error;
        QVERIFY2(ReadReadingsCsv(bytes, u"x.csv"_s, CsvDateOrder::Unknown, &readings, &error),
                 qPrintable(error.szMessage));
        QCOMPARE((QList<int>{readings.iRows, readings.iDaysWithSeveral}), (QList<int>{5, 1}));
        Store copy;
        CsvMergeSummary summary;
        QString szError;
        QVERIFY(MergeCsvReadings(copy.objReadings, readings, false, true, &summary, &szError));
        QCOMPARE(DayReadings(FindDayEntry(copy.objReadings, u"20261208"_s)), day);
        QCOMPARE(copy.Bytes(), store.Bytes());
    }

    // A file merged reading by reading into days the diary has: readings meet by time (the
    // n-th of a time the n-th), one reading meets one whatever the times, and a reading that
    // meets none is added in time order.
    void mergeReadings_data() {
        QTest::addColumn<QStringList>("stored"); // a day's readings: time|S|D|P|C
        QTest::addColumn<QStringList>("rows");   // time,S,D,P,C of 2026-03-01
        QTest::addColumn<bool>("replace");
        QTest::addColumn<QList<int>>("counts"); // grown, filled, replaced, unchanged, kept
        QTest::addColumn<QString>("after");
        const QStringList morningEvening = {u"08:00|130|||"_s, u"20:00|125|80|70|"_s};
        QTest::newRow("same time fills, new time goes between")
            << morningEvening << QStringList{u"08:00,131,85,,"_s, u"12:00,120,79,66,noon"_s}
            << false << QList<int>{1, 0, 0, 0, 1}
            << u"20260301 08:00 130/85/ | 12:00 120/79/66 noon | 20:00 125/80/70"_s;
        QTest::newRow("same time replaces")
            << morningEvening << QStringList{u"20:00,126,,,late"_s} << true
            << QList<int>{0, 0, 1, 0, 0} << u"20260301 08:00 130// | 20:00 126/80/70 late"_s;
        QTest::newRow("the same readings again")
            << morningEvening << QStringList{u"20:00,125,80,70,"_s, u"08:00,130,,,"_s} << true
            << QList<int>{0, 0, 0, 1, 0} << u"20260301 08:00 130// | 20:00 125/80/70"_s;
        QTest::newRow("one reading meets one, as a day always did")
            << QStringList{u"|130|||"_s} << QStringList{u"21:15,131,85,,"_s} << false
            << QList<int>{0, 1, 0, 0, 1} << u"20260301 130/85/"_s;
        QTest::newRow("a day of one reading takes a file's two")
            << QStringList{u"|130|||"_s} << QStringList{u"07:00,131,85,,"_s, u"19:00,128,,,"_s}
            << false << QList<int>{1, 0, 0, 0, 0}
            << u"20260301 130// | 07:00 131/85/ | 19:00 128//"_s;
        QTest::newRow("two of one time meet two of that time")
            << QStringList{u"08:00|130|||"_s, u"08:00|128|||"_s}
            << QStringList{u"08:00,,80,,"_s, u"08:00,,79,,"_s, u"08:00,127,,,"_s} << false
            << QList<int>{1, 0, 0, 0, 0}
            << u"20260301 08:00 130/80/ | 08:00 128/79/ | 08:00 127//"_s;
        QTest::newRow("readings without a time meet in order")
            << QStringList{u"|130|||"_s, u"09:00|128|||"_s}
            << QStringList{u",,80,,"_s, u",120,,,"_s} << false << QList<int>{1, 0, 0, 0, 0}
            << u"20260301 130/80/ | 120// | 09:00 128//"_s;
    }
    void mergeReadings() {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, rows);
        QFETCH(bool, replace);
        QFETCH(QList<int>, counts);
        QFETCH(QString, after);
        Store store;
        store.Add(u"20260301"_s, {}, {}, {});
        QList<Reading> day;
        for (const QString& szReading : stored) {
            const QStringList parts = szReading.split(u'|');
            day.append({parts[0], parts[1], parts[2], parts[3], parts[4]});
        }
        WriteDayReadings(FindDayEntry(store.objReadings, u"20260301"_s), day);
        QStringList lines = {u"date,time,systolic,diastolic,pulse,comment"_s};
        for (const QString& szRow : rows) {
            lines << u"2026-03-01,"_s + szRow;
        }
        std::array<CsvMergeSummary, 2> summaries;
        CountThenMerge(store, CrLfLines(lines), replace, &summaries);
        for (const CsvMergeSummary& summary : summaries) {
            QCOMPARE((QList<int>{summary.iGrown, summary.iFilled, summary.iReplaced,
                                 summary.iUnchanged, summary.iKeptDifferent}),
                     counts);
        }
        QCOMPARE(DaysText(store.objReadings), QStringList{after});
    }

    // A file that would give a stored day more readings than a day holds changes nothing, and
    // the message names the day.
    void mergeBeyondTheReadingsOfADay() {
        Store store;
        store.Add(u"20260228"_s, {}, {}, {});
        store.Add(u"20260301"_s, {}, {}, {});
        QList<Reading> day;
        for (int i = 0; i < kMaxReadingsPerDay - 1; ++i) {
            day.append({TimeText(QTime(8, i)), u"120"_s, {}, {}, {}});
        }
        WriteDayReadings(FindDayEntry(store.objReadings, u"20260301"_s), day);
        const QByteArray file =
            CrLfLines({u"date,time,sys"_s, u"2026-02-28,08:00,125"_s, u"2026-03-01,21:00,130"_s,
                       u"2026-03-01,21:05,131"_s, u"2026-03-02,08:00,120"_s});
        CsvReadings readings;
        CsvReadError error;
        QVERIFY(ReadReadingsCsv(file, u"f.csv"_s, CsvDateOrder::Unknown, &readings, &error));
        const std::string before = store.Bytes();
        for (const bool bApply : {false, true}) {
            CsvMergeSummary summary;
            QString szError;
            QVERIFY(
                !MergeCsvReadings(store.objReadings, readings, false, bApply, &summary, &szError));
            QCOMPARE(szError, u"1 Mar 2026 would hold 13 readings with those of the file; a day "
                              "holds at most 12"_s);
            QVERIFY(store.Bytes() == before);
        }
    }

    // A store that cannot take the new days refuses the whole file and stays as it was.
    void mergeBeyondTheStoresLimit() {
        Store store;
        const QDate first(1950, 1, 1);
        for (int i = 0; i < clsXMLTags::kCapacity - 2; ++i) {
            const QDate day = first.addDays(i);
            store.Add(DayKey(qint16(day.year()), qint16(day.month()), qint16(day.day())), u"120"_s,
                      {}, {});
        }
        QStringList lines = {u"date,sys"_s};
        for (int i = 0; i < 3; ++i) {
            lines << u"2100-01-0%1,130"_s.arg(i + 1);
        }
        lines << u"1950-01-01,125"_s; // a stored day, to be changed if anything were
        CsvReadings readings;
        CsvReadError error;
        QVERIFY(ReadReadingsCsv(CrLfLines(lines), u"f.csv"_s, CsvDateOrder::Unknown, &readings,
                                &error));
        CsvMergeSummary summary;
        QString szError;
        QVERIFY(!MergeCsvReadings(store.objReadings, readings, true, true, &summary, &szError));
        QCOMPARE(szError, u"the diary holds at most 32,767 days; it has 32,765, and the file "
                          "would add 3"_s);
        QCOMPARE(store.Days(), clsXMLTags::kCapacity - 2);
        QCOMPARE(store.objReadings->objSubTags->Item(1)->GetSubTagValue(kSystolicName), u"120"_s);
        // Two new days still fit.
        lines.removeAt(3);
        QVERIFY(ReadReadingsCsv(CrLfLines(lines), u"f.csv"_s, CsvDateOrder::Unknown, &readings,
                                &error));
        QVERIFY(MergeCsvReadings(store.objReadings, readings, true, true, &summary, &szError));
        QCOMPARE(store.Days(), clsXMLTags::kCapacity);
    }

    // A device that fills up stops the export with its reason; a file that cannot be made is
    // never left half written.
    void writingThatFails() {
        Store store;
        for (int i = 1; i <= 28; ++i) {
            store.Add(u"202602%1"_s.arg(i, 2, 10, QLatin1Char('0')), u"120"_s, u"80"_s, u"70"_s);
        }
        const QByteArray bytes = ReadingsToCsv(store.objReadings, {});
        FullDevice device(100);
        QString szReason;
        QVERIFY(!WriteCsvBytes(device, bytes, &szReason));
        QCOMPARE(szReason, u"No space left on device"_s);
        FullDevice roomy(bytes.size());
        QVERIFY(WriteCsvBytes(roomy, bytes, &szReason));
        QCOMPARE(roomy.taken, bytes);

        QTemporaryDir dir;
        const QString szMissing = dir.filePath(u"no such folder/out.csv"_s);
        QVERIFY(!SaveCsvFile(szMissing, bytes, &szReason));
        QVERIFY(!szReason.isEmpty());
        QVERIFY(!QFile::exists(szMissing));

        // Over an older file: all of the new bytes, nothing left beside it.
        const QString szFile = dir.filePath(u"out.csv"_s);
        QFile old(szFile);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(10000, 'x'));
        old.close();
        QVERIFY(SaveCsvFile(szFile, bytes, &szReason));
        QFile written(szFile);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), bytes);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"out.csv"_s});

        // A new export holds health data: for its owner only, like the data file.
        const QString szNew = dir.filePath(u"new.csv"_s);
        QVERIFY(SaveCsvFile(szNew, bytes, &szReason));
        const QFileDevice::Permissions everyone =
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
            QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
            QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
        QCOMPARE(QFile::permissions(szNew) & everyone,
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    // A comment a spreadsheet would run as a formula goes out behind a "'", and the import of
    // the export takes exactly that "'" off again: the comment comes back as stored (a lone CR
    // as the line break the store keeps).
    void formulasAreGuarded_data() {
        QTest::addColumn<QString>("comment");  // as stored
        QTest::addColumn<QByteArray>("field"); // as exported, with commas
        QTest::newRow("command") << u"=cmd|' /C calc'!A0"_s << QByteArray("'=cmd|' /C calc'!A0");
        QTest::newRow("hyperlink") << u"=HYPERLINK(\"http://x\",\"y\")"_s
                                   << QByteArray("\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\"");
        QTest::newRow("plus") << u"+1+1"_s << QByteArray("'+1+1");
        QTest::newRow("minus") << u"-2+3"_s << QByteArray("'-2+3");
        QTest::newRow("at") << u"@SUM(A1)"_s << QByteArray("'@SUM(A1)");
        QTest::newRow("tab") << u"\t=1"_s << QByteArray("'\t=1");
        QTest::newRow("line break first") << u"\r\n=1"_s << QByteArray("\"'\n=1\"");
        QTest::newRow("carriage return first") << u"\r=1"_s << QByteArray("\"'\n=1\"");
        QTest::newRow("a dash alone") << u"-"_s << QByteArray("'-");
        QTest::newRow("a dash list")
            << u"- walked\r\n- slept"_s << QByteArray("\"'- walked\n- slept\"");
        QTest::newRow("a negative number") << u"-5"_s << QByteArray("-5");
        QTest::newRow("a number with a sign and decimals") << u"+3.5"_s << QByteArray("+3.5");
        QTest::newRow("a guarded formula") << u"'=x"_s << QByteArray("''=x");
        QTest::newRow("twice guarded") << u"''+x"_s << QByteArray("'''+x");
        QTest::newRow("two apostrophes") << u"''"_s << QByteArray("''");
        QTest::newRow("an apostrophe alone") << u"'"_s << QByteArray("'");
        QTest::newRow("a quoted word") << u"'hello"_s << QByteArray("'hello");
        QTest::newRow("an apostrophe before a number") << u"'-5"_s << QByteArray("'-5");
        QTest::newRow("signs inside") << u"a=b-c"_s << QByteArray("a=b-c");
    }
    void formulasAreGuarded() {
        QFETCH(QString, comment);
        QFETCH(QByteArray, field);
        Store store;
        store.Add(u"20260301"_s, u"120"_s, u"080"_s, {}, comment);
        const QByteArray bytes = ReadingsToCsv(store.objReadings, {});
        QCOMPARE(bytes, "date,time,systolic,diastolic,pulse,comment\r\n2026-03-01,,120,080,," +
                            field + "\r\n");
        CsvReadings readings;
        CsvReadError error;
        QVERIFY2(ReadReadingsCsv(bytes, u"x.csv"_s, CsvDateOrder::Unknown, &readings, &error),
                 qPrintable(error.szMessage));
        QVERIFY(readings.bOurExport);
        QCOMPARE(DaysText(readings), QStringList{DayText(u"20260301"_s, u"120"_s, u"080"_s, {},
                                                         CommentForStore(comment))});
    }

    // A stored value that is not a number is guarded like a comment; numbers never are.
    void valuesAreGuardedOnlyWhenNotNumbers() {
        Store store;
        store.Add(u"20260301"_s, u"=1+1"_s, u"-5"_s, u"@x"_s);
        store.Add(u"20260302"_s, u"120"_s, u"080"_s, u"0"_s);
        QCOMPARE(ReadingsToCsv(store.objReadings, {}),
                 QByteArray("date,time,systolic,diastolic,pulse,comment\r\n"
                            "2026-03-01,,'=1+1,-5,'@x,\r\n2026-03-02,,120,080,0,\r\n"));
    }

    // Only our own export (its header row first, as it writes it) has the guard taken off:
    // other programs' files keep a leading "'" as written.
    void foreignFilesKeepTheirApostrophes_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<bool>("ours");
        const QByteArray row = "2026-03-01,120,80,70,'=1+1\r\n";
        QTest::newRow("our export") << QByteArray("date,time,systolic,diastolic,pulse,comment\r\n"
                                                  "2026-03-01,08:00,120,80,70,'=1+1\r\n")
                                    << u"=1+1"_s << true;
        QTest::newRow("our export before readings had times")
            << "date,systolic,diastolic,pulse,comment\r\n" + row << u"=1+1"_s << true;
        QTest::newRow("our export, semicolons")
            << QByteArray("date;systolic;diastolic;pulse;comment\r\n2026-03-01;120;80;70;'=1+1\r\n")
            << u"=1+1"_s << true;
        QTest::newRow("our export, a word in quotes")
            << QByteArray("date,systolic,diastolic,pulse,comment\r\n2026-03-01,120,80,70,'hi'\r\n")
            << u"'hi'"_s << true;
        QTest::newRow("names in capitals")
            << "Date,Systolic,Diastolic,Pulse,Comment\r\n" + row << u"'=1+1"_s << false;
        QTest::newRow("other names")
            << "date,sys,dia,pulse,comment\r\n" + row << u"'=1+1"_s << false;
        QTest::newRow("a line above the header")
            << "Readings\r\ndate,systolic,diastolic,pulse,comment\r\n" + row << u"'=1+1"_s << false;
        QTest::newRow("quoted names")
            << "\"date\",\"systolic\",\"diastolic\",\"pulse\",\"comment\"\r\n" + row << u"'=1+1"_s
            << false;
        QTest::newRow("one more column")
            << "date,systolic,diastolic,pulse,comment,arm\r\n" + row << u"'=1+1"_s << false;
    }
    void foreignFilesKeepTheirApostrophes() {
        QFETCH(QByteArray, file);
        QFETCH(QString, comment);
        QFETCH(bool, ours);
        CsvReadings readings;
        CsvReadError error;
        QVERIFY2(ReadReadingsCsv(file, u"x.csv"_s, CsvDateOrder::Unknown, &readings, &error),
                 qPrintable(error.szMessage));
        QCOMPARE(readings.bOurExport, ours);
        QCOMPARE(readings.days.size(), 1);
        QCOMPARE(readings.days[0].readings[0].szComment, comment);
        QCOMPARE(readings.days[0].readings[0].szSystolic, u"120"_s);
    }

    // Spreadsheets that write numbers with a decimal comma expect semicolons.
    void delimiterForLocale() {
        QCOMPARE(CsvDelimiterForLocale(QLocale(QLocale::English, QLocale::UnitedStates)),
                 QChar(u','));
        QCOMPARE(CsvDelimiterForLocale(QLocale(QLocale::German, QLocale::Germany)), QChar(u';'));
        QCOMPARE(CsvDelimiterForLocale(QLocale(QLocale::French, QLocale::France)), QChar(u';'));
    }
};

QTEST_GUILESS_MAIN(TestReadingsCsv)
#include "test_diary_csv.moc"
