#include "diary/DayReadings.h"
#include "diary/ReadingsSchema.h"
#include "xmlstore/clsXML.h"
#include "xmlstore/clsXMLTags.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QTest>

namespace {

Reading MakeReading(const char* time, const char* sys, const char* dia, const char* pulse,
                    const char* comment = "") {
    return Reading{QString::fromLatin1(time), QString::fromLatin1(sys), QString::fromLatin1(dia),
                   QString::fromLatin1(pulse), QString::fromLatin1(comment)};
}

QByteArray Saved(clsXML& doc) {
    QBuffer buffer;
    if (!buffer.open(QIODevice::WriteOnly) ||
        !doc.SaveXMLToDevice(buffer, QStringLiteral("crtlg.dat"))) {
        return QByteArray();
    }
    return buffer.data();
}

bool Load(clsXML& doc, const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    return buffer.open(QIODevice::ReadOnly) &&
           doc.LoadXMLFromDevice(buffer, QStringLiteral("crtlg.dat"), false);
}

std::shared_ptr<clsXMLTag> Entry(clsXML& doc, const QString& szDayKey) {
    const std::shared_ptr<clsXMLTag> objReadings =
        doc.objBlockTag->FindSubTagObjectByName(kReadingsTagName, QString());
    return objReadings ? FindDayEntry(objReadings, szDayKey) : nullptr;
}

const QByteArray kOneReadingDay = "<CORVALEN TENSIOLOG>\r\n"
                                  "\t<READINGS>\r\n"
                                  "\t\t<20261207>\r\n"
                                  "\t\t\t<S>128</S>\r\n"
                                  "\t\t\t<D>84</D>\r\n"
                                  "\t\t\t<P>71</P>\r\n"
                                  "\t\t\t<C>Walked</C>\r\n"
                                  "\t\t</20261207>\r\n"
                                  "\t</READINGS>\r\n"
                                  "</CORVALEN TENSIOLOG>\r\n";

const QByteArray kTwoReadingDay = "<CORVALEN TENSIOLOG>\r\n"
                                  "\t<READINGS>\r\n"
                                  "\t\t<20261207>\r\n"
                                  "\t\t\t<S>128</S>\r\n"
                                  "\t\t\t<D>84</D>\r\n"
                                  "\t\t\t<P>71</P>\r\n"
                                  "\t\t\t<C>Walked</C>\r\n"
                                  "\t\t\t<T>07:05</T>\r\n"
                                  "\t\t\t<R2>\r\n"
                                  "\t\t\t\t<T>07:07</T>\r\n"
                                  "\t\t\t\t<S>126</S>\r\n"
                                  "\t\t\t\t<D>82</D>\r\n"
                                  "\t\t\t\t<P>70</P>\r\n"
                                  "\t\t\t\t<C></C>\r\n"
                                  "\t\t\t</R2>\r\n"
                                  "\t\t</20261207>\r\n"
                                  "\t</READINGS>\r\n"
                                  "</CORVALEN TENSIOLOG>\r\n";

} // namespace

class TestDayReadings : public QObject {
    Q_OBJECT
private slots:
    void fileRoundTrip_data();
    void fileRoundTrip();
    void storeAloneKeepsEveryTag();
    void addingAndRemovingComesBackToTheOldForm();
    void removingTheFirstMovesTheSecondUp();
    void aDayTakesAtMostItsLimit();
    void valueTagsAreTheReadingsOwn();
    void readTime_data();
    void readTime();
    void spread_data();
    void spread();
    void spreadOfDay_data();
    void spreadOfDay();
};

void TestDayReadings::fileRoundTrip_data() {
    QTest::addColumn<QList<Reading>>("readings");
    QTest::newRow("one reading") << QList<Reading>{MakeReading("", "128", "84", "71", "Walked")};
    QTest::newRow("morning pair") << QList<Reading>{MakeReading("07:05", "128", "84", "71"),
                                                    MakeReading("07:07", "126", "82", "70")};
    QTest::newRow("morning and evening with notes")
        << QList<Reading>{MakeReading("07:05", "128", "84", "71", "before pills"),
                          MakeReading("07:07", "126", "82", "70"),
                          MakeReading("19:30", "131", "86", "75", "after\r\nwalk"),
                          MakeReading("", "13O", "", "", "")};
}

void TestDayReadings::fileRoundTrip() {
    QFETCH(QList<Reading>, readings);
    clsXML doc;
    const std::shared_ptr<clsXMLTag> objReadings = CreateReadingsSkeleton(doc.objBlockTag);
    const DayEntryTags tags = FindOrCreateDayEntry(objReadings, QStringLiteral("20261207"));
    const std::shared_ptr<clsXMLTag> objEntry =
        FindDayEntry(objReadings, QStringLiteral("20261207"));
    QVERIFY(tags.objSystolicTag);
    WriteDayReadings(objEntry, readings);
    QCOMPARE(DayReadings(objEntry), readings);

    const QByteArray bytes = Saved(doc);
    QVERIFY(!bytes.isEmpty());
    clsXML loaded;
    QVERIFY2(Load(loaded, bytes), qPrintable(loaded.szError));
    QCOMPARE(DayReadings(Entry(loaded, QStringLiteral("20261207"))), readings);
    QCOMPARE(Saved(loaded), bytes);
    // The day's own tags hold its first reading, as a program that knows only them shows it.
    const std::shared_ptr<clsXMLTag> objLoaded = Entry(loaded, QStringLiteral("20261207"));
    QCOMPARE(objLoaded->objSubTags->Item(1)->szValue, readings.first().szSystolic);
    QCOMPARE(objLoaded->objSubTags->Item(4)->szValue, readings.first().szComment);
}

void TestDayReadings::storeAloneKeepsEveryTag() {
    // A file with further readings and a tag this program does not know, loaded and saved by
    // the store without anyone reading the day.
    QByteArray bytes = kTwoReadingDay;
    bytes.replace("\t\t\t</R2>\r\n", "\t\t\t</R2>\r\n\t\t\t<X>kept</X>\r\n");
    clsXML doc;
    QVERIFY2(Load(doc, bytes), qPrintable(doc.szError));
    QCOMPARE(Saved(doc), bytes);
    // Rewriting the same readings keeps the unknown tag too.
    const std::shared_ptr<clsXMLTag> objEntry = Entry(doc, QStringLiteral("20261207"));
    WriteDayReadings(objEntry, DayReadings(objEntry));
    QVERIFY(Saved(doc).contains("<X>kept</X>"));
    QCOMPARE(DayReadingCount(objEntry), 2);
}

void TestDayReadings::addingAndRemovingComesBackToTheOldForm() {
    clsXML doc;
    QVERIFY(Load(doc, kOneReadingDay));
    const std::shared_ptr<clsXMLTag> objEntry = Entry(doc, QStringLiteral("20261207"));
    QCOMPARE(DayReadingCount(objEntry), 1);
    QVERIFY(!ReadingValueTags(objEntry, 0).objTimeTag);

    QCOMPARE(AddReading(objEntry, QStringLiteral("07:07"), QStringLiteral("07:05")), 1);
    const ReadingTags second = ReadingValueTags(objEntry, 1);
    second.objSystolicTag->szValue = QStringLiteral("126");
    second.objDiastolicTag->szValue = QStringLiteral("82");
    second.objPulseTag->szValue = QStringLiteral("70");
    QCOMPARE(Saved(doc), kTwoReadingDay);
    QCOMPARE(ReadingValueTags(objEntry, 0).objTimeTag->szValue, QStringLiteral("07:05"));

    QVERIFY(RemoveReading(objEntry, 1));
    QCOMPARE(Saved(doc), kOneReadingDay);
    QVERIFY(!RemoveReading(objEntry, 0));
}

void TestDayReadings::removingTheFirstMovesTheSecondUp() {
    clsXML doc;
    QVERIFY(Load(doc, kTwoReadingDay));
    const std::shared_ptr<clsXMLTag> objEntry = Entry(doc, QStringLiteral("20261207"));
    QVERIFY(RemoveReading(objEntry, 0));
    QCOMPARE(DayReadings(objEntry), QList<Reading>{MakeReading("", "126", "82", "70")});
    QVERIFY(!Saved(doc).contains("<T>"));
}

void TestDayReadings::aDayTakesAtMostItsLimit() {
    clsXML doc;
    QVERIFY(Load(doc, kOneReadingDay));
    const std::shared_ptr<clsXMLTag> objEntry = Entry(doc, QStringLiteral("20261207"));
    for (int i = 1; i < kMaxReadingsPerDay; ++i) {
        QCOMPARE(AddReading(objEntry, QStringLiteral("08:00")), i);
    }
    QCOMPARE(DayReadingCount(objEntry), kMaxReadingsPerDay);
    QCOMPARE(AddReading(objEntry, QStringLiteral("09:00")), -1);
    QCOMPARE(DayReadingCount(objEntry), kMaxReadingsPerDay);
    // Writing more than the limit keeps the first ones.
    QList<Reading> many(kMaxReadingsPerDay + 3, MakeReading("10:00", "120", "80", "70"));
    WriteDayReadings(objEntry, many);
    QCOMPARE(DayReadingCount(objEntry), kMaxReadingsPerDay);
}

void TestDayReadings::valueTagsAreTheReadingsOwn() {
    // A hand-edited entry that lost its own "S" while a further reading has one: the first
    // reading's box must get a tag of its own, never the further reading's.
    QByteArray bytes = kTwoReadingDay;
    bytes.replace("\t\t\t<S>128</S>\r\n", "");
    clsXML doc;
    QVERIFY(Load(doc, bytes));
    const std::shared_ptr<clsXMLTag> objEntry = Entry(doc, QStringLiteral("20261207"));
    const ReadingTags first = ReadingValueTags(objEntry, 0);
    const ReadingTags second = ReadingValueTags(objEntry, 1);
    QVERIFY(first.objSystolicTag != second.objSystolicTag);
    QCOMPARE(first.objSystolicTag->szValue, QString());
    QCOMPARE(second.objSystolicTag->szValue, QStringLiteral("126"));
    const DayEntryTags schemaTags = DayEntryValueTags(objEntry);
    QCOMPARE(schemaTags.objSystolicTag, first.objSystolicTag);
    QVERIFY(!ReadingValueTags(objEntry, 2).objSystolicTag);
}

void TestDayReadings::readTime_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isTime");
    QTest::addColumn<QString>("stored");
    QTest::newRow("empty: not known") << QString() << true << QString();
    QTest::newRow("blanks: not known") << QStringLiteral("  ") << true << QString();
    QTest::newRow("stored form") << QStringLiteral("07:05") << true << QStringLiteral("07:05");
    QTest::newRow("one-digit hour") << QStringLiteral("7:05") << true << QStringLiteral("07:05");
    QTest::newRow("dot") << QStringLiteral("19.30") << true << QStringLiteral("19:30");
    QTest::newRow("French h") << QStringLiteral("19h30") << true << QStringLiteral("19:30");
    QTest::newRow("digits") << QStringLiteral("0730") << true << QStringLiteral("07:30");
    QTest::newRow("three digits") << QStringLiteral("730") << true << QStringLiteral("07:30");
    QTest::newRow("midnight") << QStringLiteral("00:00") << true << QStringLiteral("00:00");
    QTest::newRow("hour 24") << QStringLiteral("24:00") << false << QString();
    QTest::newRow("minute 60") << QStringLiteral("07:60") << false << QString();
    QTest::newRow("one minute digit") << QStringLiteral("7:5") << false << QString();
    QTest::newRow("seconds") << QStringLiteral("07:05:10") << false << QString();
    QTest::newRow("letters") << QStringLiteral("morning") << false << QString();
    QTest::newRow("am") << QStringLiteral("7:05 am") << false << QString();
    QTest::newRow("negative") << QStringLiteral("-7:05") << false << QString();
}

void TestDayReadings::readTime() {
    QFETCH(QString, text);
    QFETCH(bool, isTime);
    QFETCH(QString, stored);
    const std::optional<QTime> time = ReadTimeText(text);
    QCOMPARE(time.has_value(), isTime);
    if (time) {
        QCOMPARE(TimeText(*time), stored);
    }
}

void TestDayReadings::spread_data() {
    QTest::addColumn<QList<Reading>>("readings");
    QTest::addColumn<QList<int>>("expected"); // mean, low, high for systolic, diastolic, pulse
    QTest::addColumn<int>("measured");
    QTest::newRow("one reading") << QList<Reading>{MakeReading("", "128", "84", "71")}
                                 << QList<int>{128, 128, 128, 84, 84, 84, 71, 71, 71} << 1;
    QTest::newRow("half to even, down")
        << QList<Reading>{MakeReading("", "128", "84", "71"), MakeReading("", "125", "81", "70")}
        << QList<int>{126, 125, 128, 82, 81, 84, 70, 70, 71} << 2;
    QTest::newRow("half to even, up")
        << QList<Reading>{MakeReading("", "127", "83", "71"), MakeReading("", "130", "80", "68")}
        << QList<int>{128, 127, 130, 82, 80, 83, 70, 68, 71} << 2;
    QTest::newRow("thirds") << QList<Reading>{MakeReading("", "120", "80", "70"),
                                              MakeReading("", "121", "80", "70"),
                                              MakeReading("", "121", "81", "71")}
                            << QList<int>{121, 120, 121, 80, 80, 81, 70, 70, 71} << 3;
    QTest::newRow("values that do not count are left out")
        << QList<Reading>{MakeReading("", "13O", "0", "", "note only"),
                          MakeReading("", "140", "90", "-5")}
        << QList<int>{140, 140, 140, 90, 90, 90, 0, 0, 0} << 1;
    QTest::newRow("nothing to count") << QList<Reading>{MakeReading("", "", "", "", "note")}
                                      << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0} << 0;
}

void TestDayReadings::spread() {
    QFETCH(QList<Reading>, readings);
    QFETCH(QList<int>, expected);
    QFETCH(int, measured);
    const DaySpread s = SpreadOfReadings(readings);
    QCOMPARE(s.iReadings, readings.size());
    // Readings without any number (a comment alone, an empty reading) are not counted.
    QCOMPARE(s.iMeasured, measured);
    const QList<int> actual{s.iSystolic,  s.iSystolicLow,  s.iSystolicHigh,
                            s.iDiastolic, s.iDiastolicLow, s.iDiastolicHigh,
                            s.iPulse,     s.iPulseLow,     s.iPulseHigh};
    QCOMPARE(actual, expected);
}

void TestDayReadings::spreadOfDay_data() {
    // The inside of a day entry 20261207, written on one line.
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("readings");
    QTest::addColumn<int>("systolic");

    QTest::newRow("one reading") << QByteArray("<S>128</S><D>84</D><P>71</P><C>x</C>") << 1 << 128;
    QTest::newRow("three readings")
        << QByteArray("<S>128</S><D>84</D><P>71</P><C></C><T>07:05</T>"
                      "<R2><T>07:07</T><S>126</S><D>82</D><P>70</P><C></C></R2>"
                      "<R3><T>19:00</T><S>121</S><D>80</D><P></P><C></C></R3>")
        << 3 << 125;
    QTest::newRow("R3 without R2 is not a reading")
        << QByteArray("<S>128</S><D>84</D><P>71</P><C></C>"
                      "<R3><S>100</S><D>60</D><P>60</P></R3>")
        << 1 << 128;
    QTest::newRow("names that are not reading tags")
        << QByteArray("<S>128</S><D>84</D><P>71</P><C></C>"
                      "<R02><S>100</S></R02><R13><S>100</S></R13><R1><S>100</S></R1>"
                      "<Rx><S>100</S></Rx><R><S>100</S></R>")
        << 1 << 128;
    QTest::newRow("the first of a repeated tag counts")
        << QByteArray("<S>130</S><S>90</S><D>84</D><P>71</P>"
                      "<R2><S>120</S><S>200</S><D>80</D></R2>")
        << 2 << 125;
    QTest::newRow("a reading's unknown tags and a lone value")
        << QByteArray("<D>84</D><X>7</X>"
                      "<R2><Q><S>300</S></Q><S>133</S></R2>")
        << 2 << 133;
}

void TestDayReadings::spreadOfDay() {
    QFETCH(QByteArray, body);
    QFETCH(int, readings);
    QFETCH(int, systolic);
    clsXML doc;
    // The file has each tag on a line of its own, and an empty tag's ends on one line.
    QString szLines = QString::fromLatin1(body);
    szLines.replace(QRegularExpression(QStringLiteral(">(?=<)")), QStringLiteral(">\r\n"));
    szLines.replace(QRegularExpression(QStringLiteral("<(\\w+)>\r\n</\\1>")),
                    QStringLiteral("<\\1></\\1>"));
    QVERIFY(Load(doc, "<CORVALEN TENSIOLOG>\r\n\t<READINGS>\r\n\t\t<20261207>\r\n" +
                          szLines.toLatin1() +
                          "\r\n</20261207>\r\n\t</READINGS>\r\n</CORVALEN TENSIOLOG>\r\n"));
    const std::shared_ptr<clsXMLTag> objEntry = Entry(doc, QStringLiteral("20261207"));
    QVERIFY(objEntry);
    const DaySpread fast = SpreadOfDay(objEntry);
    const DaySpread slow = SpreadOfReadings(DayReadings(objEntry));
    QCOMPARE(fast.iReadings, readings);
    QCOMPARE(fast.iSystolic, systolic);
    const auto fields = [](const DaySpread& d) {
        return QList<int>{d.iReadings,     d.iMeasured,  d.iSystolic,     d.iSystolicLow,
                          d.iSystolicHigh, d.iDiastolic, d.iDiastolicLow, d.iDiastolicHigh,
                          d.iPulse,        d.iPulseLow,  d.iPulseHigh};
    };
    QCOMPARE(fields(fast), fields(slow));
}

QTEST_APPLESS_MAIN(TestDayReadings)
#include "test_diary_dayreadings.moc"
