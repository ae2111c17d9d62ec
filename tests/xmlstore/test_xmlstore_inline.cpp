// Value lines read from a file are kept inline in their list until someone asks for their tag.
// These tests check that reading a tree in place makes no tags, and that a tag made later is
// exactly the tag a load that made every tag at once would have given, in every way the store
// can be used.

#include "tests/xmlstore/XmlTestSupport.h"
#include "xmlstore/XMLInternal.h"

#include <QTest>

#include <functional>
#include <stdexcept>

using xmltest::Dump;
using xmltest::LoadBytes;
using xmltest::SaveBytes;

namespace {

// Two days of four values, a day with a further reading holding values of its own, and a value
// line whose text needs decoding.
QByteArray Diary() {
    return xmltest::CrLfLines({
        "<TOP>",
        "\t<READINGS>",
        "\t\t<20270301>",
        "\t\t\t<S>120</S>",
        "\t\t\t<D>80</D>",
        "\t\t\t<P>66</P>",
        "\t\t\t<C>walked</C>",
        "\t\t</20270301>",
        "\t\t<20270302>",
        "\t\t\t<S>131</S>",
        "\t\t\t<D>84</D>",
        "\t\t\t<P>70</P>",
        "\t\t\t<C>a &#60;b> c</C>",
        "\t\t\t<R2>",
        "\t\t\t\t<T>19:05</T>",
        "\t\t\t\t<S>128</S>",
        "\t\t\t</R2>",
        "\t\t</20270302>",
        "\t</READINGS>",
        "</TOP>",
    });
}

struct Loaded {
    std::unique_ptr<clsXML> doc = std::make_unique<clsXML>();
    std::shared_ptr<clsXMLTag> readings;
    std::shared_ptr<clsXMLTag> day1;
    std::shared_ptr<clsXMLTag> day2;
};

Loaded Load(const QByteArray& bytes = Diary()) {
    Loaded l;
    if (!LoadBytes(*l.doc, bytes)) {
        throw std::runtime_error("the test diary did not load");
    }
    const auto top = l.doc->objBlockTag->objSubTags->Item(1);
    l.readings = top->objSubTags->Item(1);
    l.day1 = l.readings->objSubTags->Item(1);
    l.day2 = l.readings->objSubTags->Item(2);
    return l;
}

qsizetype Inline(const std::shared_ptr<clsXMLTag>& tag) {
    return XMLInternal::Access::InlineCount(*tag->objSubTags);
}

// Inline items of the two days and the further reading together.
qsizetype InlineInDays(const Loaded& l) {
    return Inline(l.day1) + Inline(l.day2) + Inline(l.day2->objSubTags->Item(5));
}

// The same tree with every tag made as the file is read: made, then written.
QByteArray Written(const QByteArray& bytes) {
    clsXML doc;
    LoadBytes(doc, bytes);
    Dump(doc.objBlockTag); // walks every item, which makes every tag
    return SaveBytes(doc);
}

using ReadFn = std::function<QString(const Loaded&)>;
using AskFn = std::function<std::shared_ptr<clsXMLTag>(const Loaded&)>;
using ChangeFn = std::function<void(const Loaded&)>;

} // namespace

Q_DECLARE_METATYPE(ReadFn)
Q_DECLARE_METATYPE(AskFn)
Q_DECLARE_METATYPE(ChangeFn)

class TestXmlStoreInline : public QObject {
    Q_OBJECT

private slots:
    void valueLinesAreKeptInline() {
        const Loaded l = Load();
        QCOMPARE(Inline(l.day1), 4);
        QCOMPARE(Inline(l.day2), 4); // R2 holds tags, so it is a tag
        QCOMPARE(Inline(l.day2->objSubTags->Item(5)), 2);
        QCOMPARE(Inline(l.readings), 0);
    }

    // Each way of reading the tree that has no tag to hand back reads in place.
    void readingInPlaceMakesNoTag_data() {
        QTest::addColumn<ReadFn>("read");
        QTest::addColumn<QString>("expected");
        using Read = ReadFn;
        QTest::newRow("NameAt and ValueAt") << Read([](const Loaded& l) {
            return l.day2->objSubTags->NameAt(4) + u'=' + l.day2->objSubTags->ValueAt(4);
        }) << QStringLiteral("C=a <b> c");
        QTest::newRow("HasSubTagsAt") << Read([](const Loaded& l) {
            return QString::number(l.day2->objSubTags->HasSubTagsAt(1)) +
                   QString::number(l.day2->objSubTags->HasSubTagsAt(5));
        }) << QStringLiteral("01");
        QTest::newRow("GetSubTagValue, deep")
            << Read([](const Loaded& l) { return l.readings->GetSubTagValue(QStringLiteral("T")); })
            << QStringLiteral("19:05");
        QTest::newRow("search by name that finds a day") << Read([](const Loaded& l) {
            return l.readings->FindSubTagObjectByName(QStringLiteral("20270302"), QString())->szKey;
        }) << QStringLiteral("root:1:1:2");
        QTest::newRow("search by name that finds nothing") << Read([](const Loaded& l) {
            return QString::number(
                l.readings->FindSubTagObjectByName(QStringLiteral("X"), QString()) == nullptr);
        }) << QStringLiteral("1");
        QTest::newRow("search by key that finds nothing") << Read([](const Loaded& l) {
            return QString::number(l.doc->GetTagObject(QStringLiteral("root:1:1:9:1")) == nullptr);
        }) << QStringLiteral("1");
        QTest::newRow("sorted add among the days") << Read([](const Loaded& l) {
            return l.readings->AddSubTag(QStringLiteral("20270301"), QStringLiteral("a"), true)
                ->szKey;
        }) << QStringLiteral("root:1:1:3");
        QTest::newRow("sorted add among the values") << Read([](const Loaded& l) {
            l.day1->AddSubTag(QStringLiteral("E"), QString(), true);
            QStringList names;
            for (int i = 1; i <= l.day1->objSubTags->Count(); ++i) {
                names << l.day1->objSubTags->NameAt(i);
            }
            return names.join(u',');
        }) << QStringLiteral("S,D,E,P,C");
        QTest::newRow("DeleteItem of a value that is not there") << Read([](const Loaded& l) {
            l.day1->objSubTags->DeleteItem(QStringLiteral("S"), QStringLiteral("121"));
            return QString::number(l.day1->objSubTags->Count());
        }) << QStringLiteral("4");
        QTest::newRow("a save") << Read([](const Loaded& l) {
            return QString::number(SaveBytes(*l.doc) == Diary());
        }) << QStringLiteral("1");
    }
    void readingInPlaceMakesNoTag() {
        QFETCH(ReadFn, read);
        QFETCH(QString, expected);
        const Loaded l = Load();
        const qsizetype before = InlineInDays(l);
        QCOMPARE(read(l), expected);
        QCOMPARE(InlineInDays(l), before);
    }

    // A tag made later is the tag a load that made it at once would have given.
    void tagMadeOnDemand_data() {
        QTest::addColumn<AskFn>("ask");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("parentDay"); // 1 or 2; 0: the further reading R2
        // Tags the question makes in the parent's list: the one asked for, or all of them when
        // the list's key index is built.
        QTest::addColumn<int>("made");
        using Ask = AskFn;
        QTest::newRow("Item by position")
            << Ask([](const Loaded& l) { return l.day1->objSubTags->Item(2); }) << "root:1:1:1:2"
            << "D"
            << "80" << 1 << 1;
        QTest::newRow("Item by key, any letter case") << Ask([](const Loaded& l) {
            return l.day2->objSubTags->Item(QStringLiteral("ROOT:1:1:2:4"));
        }) << "root:1:1:2:4"
                                                      << "C"
                                                      << "a <b> c" << 2 << 4;
        QTest::newRow("iteration")
            << Ask([](const Loaded& l) { return *std::next(l.day1->objSubTags->begin(), 3); })
            << "root:1:1:1:4"
            << "C"
            << "walked" << 1 << 1;
        QTest::newRow("search by key") << Ask([](const Loaded& l) {
            return l.doc->GetTagObject(QStringLiteral("root:1:1:2:5:2"));
        }) << "root:1:1:2:5:2"
                                       << "S"
                                       << "128" << 0 << 1;
        QTest::newRow("search by name and value") << Ask([](const Loaded& l) {
            return l.readings->FindSubTagObjectByName(QStringLiteral("S"), QStringLiteral("131"));
        }) << "root:1:1:2:1"
                                                  << "S"
                                                  << "131" << 2 << 1;
        QTest::newRow("search by name path") << Ask([](const Loaded& l) {
            return l.doc->GetTagObjectFromNamePath(QStringLiteral("TOP:READINGS:20270301:P"),
                                                   QString());
        }) << "root:1:1:1:3"
                                             << "P"
                                             << "66" << 1 << 1;
    }
    void tagMadeOnDemand() {
        QFETCH(AskFn, ask);
        QFETCH(QString, key);
        QFETCH(QString, name);
        QFETCH(QString, value);
        QFETCH(int, parentDay);
        QFETCH(int, made);
        const Loaded l = Load();
        const std::shared_ptr<clsXMLTag> parent = parentDay == 1   ? l.day1
                                                  : parentDay == 2 ? l.day2
                                                                   : l.day2->objSubTags->Item(5);
        const qsizetype before = Inline(parent);
        const std::shared_ptr<clsXMLTag> tag = ask(l);
        QVERIFY(tag);
        QCOMPARE(tag->szKey, key);
        QCOMPARE(tag->szName, name);
        QCOMPARE(tag->szValue, value);
        QCOMPARE(tag->objParent.lock(), parent);
        QCOMPARE(tag->objSubTags->Count(), 0);
        QCOMPARE(Inline(parent), before - made);
        // Made once: every way of asking gives the same object from now on.
        QCOMPARE(parent->objSubTags->Item(key), tag);
        QCOMPARE(l.doc->GetTagObject(key), tag);
        // What is done to the tag is what the list, the searches and the file see.
        tag->szValue = QStringLiteral("changed");
        const int position = static_cast<int>(std::find(parent->objSubTags->begin(),
                                                        parent->objSubTags->end(), tag) -
                                              parent->objSubTags->begin()) +
                             1;
        QCOMPARE(parent->objSubTags->ValueAt(position), QStringLiteral("changed"));
        QVERIFY(SaveBytes(*l.doc).contains(QByteArray("<" + name.toUtf8() + ">changed</")));
        tag->AddSubTag(QStringLiteral("X"), QStringLiteral("1"), false);
        QCOMPARE(tag->objSubTags->Item(1)->szKey, key + QStringLiteral(":1"));
        QVERIFY(parent->objSubTags->HasSubTagsAt(position));
    }

    // Whatever mix of made and inline items a list holds, it writes what a tree whose tags were
    // all made at once writes, after the same changes.
    void savesAsIfEveryTagWereMade_data() {
        QTest::addColumn<ChangeFn>("change");
        QTest::addColumn<QByteArray>("expectedLine");
        using Change = ChangeFn;
        QTest::newRow("nothing") << Change([](const Loaded&) {})
                                 << QByteArray("\t\t\t<C>walked</C>");
        QTest::newRow("one tag made")
            << Change([](const Loaded& l) { l.day1->objSubTags->Item(3); })
            << QByteArray("\t\t\t<P>66</P>");
        QTest::newRow("an inline item removed by position")
            << Change([](const Loaded& l) { l.day1->objSubTags->Remove(2); })
            << QByteArray("\t\t\t<S>120</S>\r\n\t\t\t<P>66</P>");
        QTest::newRow("an inline item removed by key") << Change([](const Loaded& l) {
            l.day1->objSubTags->Remove(QStringLiteral("root:1:1:1:1"));
        }) << QByteArray("\t\t<20270301>\r\n\t\t\t<D>80</D>");
        QTest::newRow("an inline item removed by name and value") << Change([](const Loaded& l) {
            l.day1->objSubTags->DeleteItem(QStringLiteral("C"), QStringLiteral("walked"));
        }) << QByteArray("\t\t\t<P>66</P>\r\n\t\t</20270301>");
        QTest::newRow("DeleteSubTag") << Change([](const Loaded& l) {
            l.day2->DeleteSubTag(QStringLiteral("P"), QStringLiteral("70"));
        }) << QByteArray("\t\t\t<D>84</D>\r\n\t\t\t<C>a &#60;b> c</C>");
        QTest::newRow("an item added at the end") << Change([](const Loaded& l) {
            l.day1->AddSubTag(QStringLiteral("T"), QStringLiteral("07:00"), false);
        }) << QByteArray("\t\t\t<C>walked</C>\r\n\t\t\t<T>07:00</T>\r\n\t\t</20270301>");
        QTest::newRow("the list cleared")
            << Change([](const Loaded& l) { l.day2->objSubTags->Clear(); })
            << QByteArray("\t\t<20270302></20270302>");
        QTest::newRow("a second load into a list") << Change([](const Loaded& l) {
            l.doc->objCurrentTag = l.day1;
            LoadBytes(*l.doc, QByteArrayLiteral("<Q>9</Q>\r\n"));
        }) << QByteArray("\t\t\t<C>walked</C>\r\n\t\t\t<Q>9</Q>\r\n\t\t</20270301>");
    }
    void savesAsIfEveryTagWereMade() {
        QFETCH(ChangeFn, change);
        QFETCH(QByteArray, expectedLine);
        const Loaded inlineTree = Load();
        change(inlineTree);
        const QByteArray saved = SaveBytes(*inlineTree.doc);

        const Loaded madeTree = Load();
        Dump(madeTree.doc->objBlockTag);
        QCOMPARE(InlineInDays(madeTree), 0);
        change(madeTree);
        QCOMPARE(saved, SaveBytes(*madeTree.doc));
        QVERIFY2(saved.contains(expectedLine), saved.constData());
        QCOMPARE(Dump(inlineTree.doc->objBlockTag), Dump(madeTree.doc->objBlockTag));
    }

    // Key texts that almost match an inline item's key find nothing.
    void nearKeysFindNothing_data() {
        QTest::addColumn<QString>("key");
        QTest::newRow("leading zero") << QStringLiteral("root:1:1:1:02");
        QTest::newRow("sign") << QStringLiteral("root:1:1:1:+2");
        QTest::newRow("trailing text") << QStringLiteral("root:1:1:1:2x");
        QTest::newRow("no number") << QStringLiteral("root:1:1:1:");
        QTest::newRow("other letter case") << QStringLiteral("ROOT:1:1:1:2");
        QTest::newRow("number past the count") << QStringLiteral("root:1:1:1:5");
        QTest::newRow("too many digits") << QStringLiteral("root:1:1:1:99999999999999999999");
        QTest::newRow("prefix only") << QStringLiteral("root:1:1:1");
    }
    void nearKeysFindNothing() {
        QFETCH(QString, key);
        const Loaded l = Load();
        const std::shared_ptr<clsXMLTag> found = l.day1->FindSubTagObject(key);
        QVERIFY(!found || found == l.day1);
        QCOMPARE(found == l.day1, key == QStringLiteral("root:1:1:1"));
        QCOMPARE(Inline(l.day1), 4);
    }

    // The key of an inline item is fixed when it is read, as a tag's is when it is added.
    void keyPrefixFixedWhenRead() {
        const Loaded l = Load();
        l.day1->szKey = QStringLiteral("renamed");
        QCOMPARE(l.day1->objSubTags->Item(1)->szKey, QStringLiteral("root:1:1:1:1"));
        // Read into the list after the change: a tag with the new prefix (the inline items
        // keep theirs).
        l.doc->objCurrentTag = l.day1;
        QVERIFY(LoadBytes(*l.doc, QByteArrayLiteral("<Q>9</Q>\r\n")));
        QCOMPARE(l.day1->objSubTags->Item(5)->szKey, QStringLiteral("renamed:5"));
        QCOMPARE(l.day1->objSubTags->Item(2)->szKey, QStringLiteral("root:1:1:1:2"));
    }

    // A made tag outlives its list and the document as any tag does.
    void madeTagOutlivesTheDocument() {
        std::shared_ptr<clsXMLTag> kept;
        std::weak_ptr<clsXMLTag> day;
        {
            const Loaded l = Load();
            kept = l.day2->objSubTags->Item(4);
            day = l.day2;
        }
        QVERIFY(day.expired());
        QCOMPARE(kept->szValue, QStringLiteral("a <b> c"));
        QCOMPARE(kept->szKey, QStringLiteral("root:1:1:2:4"));
        QVERIFY(kept->objParent.expired());
    }

    // More distinct names than the store keeps: the rest become tags, and nothing changes.
    void manyDistinctNames() {
        QList<QByteArray> lines{"<TOP>"};
        for (int i = 0; i < 5000; ++i) {
            lines << "\t<name" + QByteArray::number(i) + ">" + QByteArray::number(i) + "</name" +
                         QByteArray::number(i) + ">";
        }
        lines << "</TOP>";
        const QByteArray bytes = xmltest::CrLfLines(lines);
        clsXML doc;
        QVERIFY(LoadBytes(doc, bytes));
        const auto top = doc.objBlockTag->objSubTags->Item(1);
        QCOMPARE(top->objSubTags->Count(), 5000);
        QVERIFY(Inline(top) < 5000);
        QCOMPARE(top->objSubTags->NameAt(5000), QStringLiteral("name4999"));
        QCOMPARE(SaveBytes(doc), bytes);
        QCOMPARE(SaveBytes(doc), Written(bytes));
    }
};

QTEST_GUILESS_MAIN(TestXmlStoreInline)
#include "test_xmlstore_inline.moc"
