#include "diary/ReadingsSchema.h"
#include "xmlstore/clsXML.h"
#include "xmlstore/clsXMLTags.h"

#include <QBuffer>
#include <QTest>

namespace {

QStringList Names(std::initializer_list<const char*> names) {
    QStringList list;
    for (const char* name : names) {
        list << QString::fromLatin1(name);
    }
    return list;
}

QStringList ChildNames(const std::shared_ptr<clsXMLTag>& objTag) {
    QStringList names;
    for (const std::shared_ptr<clsXMLTag>& objChild : *objTag->objSubTags) {
        names << objChild->szName;
    }
    return names;
}

std::shared_ptr<clsXMLTag> NewReadings(clsXML& doc) {
    return CreateReadingsSkeleton(doc.objBlockTag);
}

} // namespace

class TestReadingsSchema : public QObject {
    Q_OBJECT
private slots:
    void dayKey_data();
    void dayKey();
    void rowLabel_data();
    void rowLabel();
    void dayKeyParts_data();
    void dayKeyParts();
    void entriesStayInDateOrder_data();
    void entriesStayInDateOrder();
    void newEntryHasFourEmptyValuesInOrder();
    void selectingADayAgainFindsItsEntry();
    void findDayEntry();
    void entryMissingAValueTagGetsItBack();
    void skeleton();
    void storedForm();
};

void TestReadingsSchema::dayKey_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("key");

    QTest::newRow("7 December 2026") << 2026 << 12 << 7 << QStringLiteral("20261207");
    QTest::newRow("1 March 2027") << 2027 << 3 << 1 << QStringLiteral("20270301");
    QTest::newRow("31 December 2026") << 2026 << 12 << 31 << QStringLiteral("20261231");
    QTest::newRow("first day of year 1000") << 1000 << 1 << 1 << QStringLiteral("10000101");
    QTest::newRow("last day of year 9999") << 9999 << 12 << 31 << QStringLiteral("99991231");
}

void TestReadingsSchema::dayKey() {
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QString, key);
    QCOMPARE(DayKey(qint16(year), qint16(month), qint16(day)), key);
}

void TestReadingsSchema::rowLabel_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("label");

    QTest::newRow("day and month") << QStringLiteral("20261207") << QStringLiteral("07/12");
    QTest::newRow("first of March") << QStringLiteral("20270301") << QStringLiteral("01/03");
    QTest::newRow("same day another year") << QStringLiteral("20251207") << QStringLiteral("07/12");
}

void TestReadingsSchema::rowLabel() {
    QFETCH(QString, key);
    QFETCH(QString, label);
    QCOMPARE(DayRowLabel(key), label);
}

void TestReadingsSchema::dayKeyParts_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("parts"); // year|month|day
    QTest::addColumn<int>("month");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");

    QTest::newRow("7 December 2026") << QStringLiteral("20261207") << QStringLiteral("2026|12|07")
                                     << 12 << QDate(2026, 12, 7) << QStringLiteral("7 Dec 2026");
    QTest::newRow("1 March 2027") << QStringLiteral("20270301") << QStringLiteral("2027|03|01") << 3
                                  << QDate(2027, 3, 1) << QStringLiteral("1 Mar 2027");
    QTest::newRow("29 February of a leap year")
        << QStringLiteral("20240229") << QStringLiteral("2024|02|29") << 2 << QDate(2024, 2, 29)
        << QStringLiteral("29 Feb 2024");
    QTest::newRow("29 February of another year")
        << QStringLiteral("20250229") << QStringLiteral("2025|02|29") << 2 << QDate() << QString();
    QTest::newRow("month 13") << QStringLiteral("20271307") << QStringLiteral("2027|13|07") << 0
                              << QDate() << QString();
    QTest::newRow("month 00") << QStringLiteral("20270007") << QStringLiteral("2027|00|07") << 0
                              << QDate() << QString();
    QTest::newRow("letters") << QStringLiteral("2027ab0x") << QStringLiteral("2027|ab|0x") << 0
                             << QDate() << QString();
    QTest::newRow("day not digits")
        << QStringLiteral("202703x1") << QStringLiteral("2027|03|x1") << 3 << QDate() << QString();
    QTest::newRow("short key") << QStringLiteral("2027") << QStringLiteral("2027||27") << 0
                               << QDate() << QString();
    QTest::newRow("empty key") << QString() << QStringLiteral("||") << 0 << QDate() << QString();
}

void TestReadingsSchema::dayKeyParts() {
    QFETCH(QString, key);
    QFETCH(QString, parts);
    QFETCH(int, month);
    QFETCH(QDate, date);
    QFETCH(QString, text);
    const DayKeyParts split = SplitDayKey(key);
    QCOMPARE(split.szYear.toString() + u'|' + split.szMonth.toString() + u'|' +
                 split.szDay.toString(),
             parts);
    QCOMPARE(DayKeyMonth(split), month);
    QCOMPARE(DayKeyDate(key), date);
    QCOMPARE(DayText(DayKeyDate(key)), text);
}

void TestReadingsSchema::entriesStayInDateOrder_data() {
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<QStringList>("stored");

    QTest::newRow("later day first")
        << Names({"20270315", "20270303"}) << Names({"20270303", "20270315"});
    QTest::newRow("across a year end") << Names({"20270101", "20261207", "20261231"})
                                       << Names({"20261207", "20261231", "20270101"});
    QTest::newRow("same day and month in two years") << Names({"20261207", "20251207", "20260101"})
                                                     << Names({"20251207", "20260101", "20261207"});
    QTest::newRow("a day selected twice")
        << Names({"20270303", "20270315", "20270303", "20270315", "20270301"})
        << Names({"20270301", "20270303", "20270315"});
    QTest::newRow("newest to oldest")
        << Names({"20270105", "20270104", "20270103", "20270102", "20270101"})
        << Names({"20270101", "20270102", "20270103", "20270104", "20270105"});
}

void TestReadingsSchema::entriesStayInDateOrder() {
    QFETCH(QStringList, selected);
    QFETCH(QStringList, stored);
    clsXML doc;
    const std::shared_ptr<clsXMLTag> objReadings = NewReadings(doc);
    for (const QString& key : selected) {
        FindOrCreateDayEntry(objReadings, key);
    }
    QCOMPARE(ChildNames(objReadings), stored);
}

void TestReadingsSchema::newEntryHasFourEmptyValuesInOrder() {
    clsXML doc;
    const std::shared_ptr<clsXMLTag> objReadings = NewReadings(doc);
    const DayEntryTags tags = CreateDayEntry(objReadings, QStringLiteral("20261207"));

    const std::shared_ptr<clsXMLTag> objEntry =
        FindDayEntry(objReadings, QStringLiteral("20261207"));
    QVERIFY(objEntry);
    QVERIFY(objEntry->szValue.isEmpty());
    QCOMPARE(ChildNames(objEntry), (Names({"S", "D", "P", "C"})));
    QCOMPARE(objEntry->objSubTags->Item(1), tags.objSystolicTag);
    QCOMPARE(objEntry->objSubTags->Item(2), tags.objDiastolicTag);
    QCOMPARE(objEntry->objSubTags->Item(3), tags.objPulseTag);
    QCOMPARE(objEntry->objSubTags->Item(4), tags.objCommentTag);
    for (const std::shared_ptr<clsXMLTag>& objValue : *objEntry->objSubTags) {
        QVERIFY(objValue->szValue.isEmpty());
        QCOMPARE(objValue->objSubTags->Count(), 0);
    }
}

void TestReadingsSchema::selectingADayAgainFindsItsEntry() {
    clsXML doc;
    const std::shared_ptr<clsXMLTag> objReadings = NewReadings(doc);
    const DayEntryTags first = FindOrCreateDayEntry(objReadings, QStringLiteral("20261207"));
    first.objSystolicTag->szValue = QStringLiteral("120");
    first.objCommentTag->szValue = QStringLiteral("Walked");
    FindOrCreateDayEntry(objReadings, QStringLiteral("20261208"));

    const DayEntryTags again = FindOrCreateDayEntry(objReadings, QStringLiteral("20261207"));
    QCOMPARE(objReadings->objSubTags->Count(), 2);
    QCOMPARE(again.objSystolicTag, first.objSystolicTag);
    QCOMPARE(again.objDiastolicTag, first.objDiastolicTag);
    QCOMPARE(again.objPulseTag, first.objPulseTag);
    QCOMPARE(again.objCommentTag, first.objCommentTag);
    QCOMPARE(again.objSystolicTag->szValue, QStringLiteral("120"));

    // Clearing a value keeps the entry and its other values.
    again.objSystolicTag->szValue.clear();
    const std::shared_ptr<clsXMLTag> objEntry =
        FindDayEntry(objReadings, QStringLiteral("20261207"));
    QVERIFY(objEntry);
    QCOMPARE(objEntry->GetSubTagValue(kSystolicName), QString());
    QCOMPARE(objEntry->GetSubTagValue(kCommentName), QStringLiteral("Walked"));
}

void TestReadingsSchema::findDayEntry() {
    clsXML doc;
    const std::shared_ptr<clsXMLTag> objReadings = NewReadings(doc);
    QVERIFY(!FindDayEntry(objReadings, QStringLiteral("20261207")));
    QVERIFY(!FindDayEntry(nullptr, QStringLiteral("20261207")));
    CreateDayEntry(objReadings, QStringLiteral("20261207"));
    QVERIFY(FindDayEntry(objReadings, QStringLiteral("20261207")));
    // Names compare exactly: neither a neighbouring day nor a value tag is a day entry.
    QVERIFY(!FindDayEntry(objReadings, QStringLiteral("20261208")));
    QVERIFY(!FindDayEntry(objReadings, QStringLiteral("2026120")));
    QCOMPARE(objReadings->objSubTags->Count(), 1);
}

void TestReadingsSchema::entryMissingAValueTagGetsItBack() {
    // A hand-edited file may leave a value tag out; typing for that day must still be stored.
    clsXML doc;
    const std::shared_ptr<clsXMLTag> objReadings = NewReadings(doc);
    const std::shared_ptr<clsXMLTag> objEntry =
        objReadings->AddSubTag(QStringLiteral("20261207"), QString(), true);
    objEntry->AddSubTag(kSystolicName, QStringLiteral("120"), false);
    objEntry->AddSubTag(kPulseName, QStringLiteral("72"), false);

    const DayEntryTags tags = FindOrCreateDayEntry(objReadings, QStringLiteral("20261207"));
    QVERIFY(tags.objSystolicTag && tags.objDiastolicTag && tags.objPulseTag && tags.objCommentTag);
    QCOMPARE(tags.objSystolicTag->szValue, QStringLiteral("120"));
    QCOMPARE(tags.objPulseTag->szValue, QStringLiteral("72"));
    tags.objDiastolicTag->szValue = QStringLiteral("80");
    QCOMPARE(objEntry->GetSubTagValue(kDiastolicName), QStringLiteral("80"));
    QCOMPARE(objEntry->objSubTags->Count(), 4);
    QCOMPARE(objReadings->objSubTags->Count(), 1);
}

void TestReadingsSchema::skeleton() {
    clsXML doc;
    const std::shared_ptr<clsXMLTag> objReadings = CreateReadingsSkeleton(doc.objBlockTag);
    QVERIFY(objReadings);
    QCOMPARE(doc.objBlockTag->szName, kTopTagName);
    QCOMPARE(ChildNames(doc.objBlockTag), QStringList{kReadingsTagName});
    QCOMPARE(doc.objBlockTag->objSubTags->Item(1), objReadings);
    QCOMPARE(objReadings->szValue, QString());
    QCOMPARE(objReadings->objSubTags->Count(), 0);
}

void TestReadingsSchema::storedForm() {
    // One reading and one placeholder, entered newest first, written as the file shows them.
    clsXML doc;
    const std::shared_ptr<clsXMLTag> objReadings = NewReadings(doc);
    FindOrCreateDayEntry(objReadings, QStringLiteral("20261208"));
    const DayEntryTags tags = FindOrCreateDayEntry(objReadings, QStringLiteral("20261207"));
    tags.objSystolicTag->szValue = QStringLiteral("120");
    tags.objDiastolicTag->szValue = QStringLiteral("80");
    tags.objPulseTag->szValue = QStringLiteral("72");
    tags.objCommentTag->szValue = QStringLiteral("Walked");

    QBuffer buffer;
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    QVERIFY2(doc.SaveXMLToDevice(buffer, QStringLiteral("crtlg.dat")), qPrintable(doc.szError));
    const QByteArray expected = "<CORVALEN TENSIOLOG>\r\n"
                                "\t<READINGS>\r\n"
                                "\t\t<20261207>\r\n"
                                "\t\t\t<S>120</S>\r\n"
                                "\t\t\t<D>80</D>\r\n"
                                "\t\t\t<P>72</P>\r\n"
                                "\t\t\t<C>Walked</C>\r\n"
                                "\t\t</20261207>\r\n"
                                "\t\t<20261208>\r\n"
                                "\t\t\t<S></S>\r\n"
                                "\t\t\t<D></D>\r\n"
                                "\t\t\t<P></P>\r\n"
                                "\t\t\t<C></C>\r\n"
                                "\t\t</20261208>\r\n"
                                "\t</READINGS>\r\n"
                                "</CORVALEN TENSIOLOG>\r\n";
    QCOMPARE(buffer.data(), expected);
}

QTEST_APPLESS_MAIN(TestReadingsSchema)
#include "test_diary_schema.moc"
