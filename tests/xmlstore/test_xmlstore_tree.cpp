#include "tests/xmlstore/XmlTestSupport.h"
#include "xmlstore/XMLInternal.h"

#include <QBuffer>
#include <QScopeGuard>
#include <QTest>
#include <QThread>

#include <stdexcept>

using xmltest::Dump;

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

// "name" or "name=value" per item, in list order.
QStringList Names(const std::shared_ptr<clsXMLTag>& t) {
    QStringList out;
    for (const auto& c : *t->objSubTags) {
        out << (c->szValue.isEmpty() ? c->szName : c->szName + u'=' + c->szValue);
    }
    return out;
}

QStringList Keys(const std::shared_ptr<clsXMLTag>& t) {
    QStringList out;
    for (const auto& c : *t->objSubTags) {
        out << c->szKey;
    }
    return out;
}

// Adds "name" or "name=value" items; a leading "+" asks for a sorted add.
void AddAll(const std::shared_ptr<clsXMLTag>& t, const QStringList& items) {
    for (QString item : items) {
        const bool sorted = item.startsWith(u'+');
        if (sorted) {
            item.remove(0, 1);
        }
        const qsizetype eq = item.indexOf(u'=');
        t->AddSubTag(eq < 0 ? item : item.left(eq), eq < 0 ? QString() : item.mid(eq + 1), sorted);
    }
}

} // namespace

class TestXmlStoreTree : public QObject {
    Q_OBJECT

private slots:
    void sortedInsertion_data() {
        QTest::addColumn<QStringList>("adds");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("days sorted") << QStringList{S("+20240105"), S("+20240103"), S("+20240104")}
                                     << QStringList{S("20240103"), S("20240104"), S("20240105")};
        QTest::newRow("days unsorted keep order")
            << QStringList{S("20240105"), S("20240103"), S("20240104")}
            << QStringList{S("20240105"), S("20240103"), S("20240104")};
        QTest::newRow("case ignored, value decides")
            << QStringList{S("+abc=2"), S("+ABC=1"), S("+Abc=3")}
            << QStringList{S("ABC=1"), S("abc=2"), S("Abc=3")};
        QTest::newRow("value case ignored") << QStringList{S("+x=b"), S("+x=A"), S("+x=C")}
                                            << QStringList{S("x=A"), S("x=b"), S("x=C")};
        QTest::newRow("digits before letters") << QStringList{S("+B"), S("+2"), S("+A"), S("+10")}
                                               << QStringList{S("10"), S("2"), S("A"), S("B")};
        QTest::newRow("prefix first")
            << QStringList{S("+ab"), S("+a"), S("+abc")} << QStringList{S("a"), S("ab"), S("abc")};
        QTest::newRow("empty name first")
            << QStringList{S("+b"), S("+"), S("+a")} << QStringList{S(""), S("a"), S("b")};
        QTest::newRow("sorted into an unsorted list, exact probes")
            << QStringList{S("A"), S("Z"), S("B"), S("C"), S("D"), S("E"), S("F"), S("+Y")}
            << QStringList{S("A"), S("Z"), S("B"), S("C"), S("D"), S("E"), S("F"), S("Y")};
        QTest::newRow("sorted into an unsorted list, scan stops early")
            << QStringList{S("A"), S("Z"), S("B"), S("C"), S("D"), S("+C")}
            << QStringList{S("A"), S("C"), S("Z"), S("B"), S("C"), S("D")};
        QTest::newRow("unsorted add after sorted ones appends")
            << QStringList{S("+b"), S("+a"), S("0")} << QStringList{S("a"), S("b"), S("0")};
    }
    void sortedInsertion() {
        QFETCH(QStringList, adds);
        QFETCH(QStringList, order);
        auto top = std::make_shared<clsXMLTag>();
        AddAll(top, adds);
        QCOMPARE(Names(top), order);
    }

    void equalItemGoesBefore() {
        auto top = std::make_shared<clsXMLTag>();
        AddAll(top, {S("+a=1"), S("+b=1"), S("+c=1")});
        top->AddSubTag(S("B"), S("1"), true);
        QCOMPARE(Keys(top), (QStringList{S(":1"), S(":4"), S(":2"), S(":3")}));
    }

    void sortedAddIntoLongList_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("newDay");
        QTest::newRow("front") << 3000 << -1;
        QTest::newRow("middle") << 3000 << 1501;
        QTest::newRow("end") << 3000 << 9999;
        QTest::newRow("one item, before") << 1 << -1;
        QTest::newRow("one item, after") << 1 << 5;
    }
    void sortedAddIntoLongList() {
        // Day keys at even numbers; the new one must land between its neighbours.
        QFETCH(int, count);
        QFETCH(int, newDay);
        auto top = std::make_shared<clsXMLTag>();
        for (int i = 0; i < count; ++i) {
            top->AddSubTag(QString::number(20000000 + 2 * i), {}, true);
        }
        top->AddSubTag(QString::number(20000000 + newDay), {}, true);
        QString previous;
        for (const auto& t : *top->objSubTags) {
            QVERIFY2(previous < t->szName, qPrintable(previous + u' ' + t->szName));
            previous = t->szName;
        }
        QCOMPARE(top->objSubTags->Count(), count + 1);
    }

    void keys_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("keys");
        // a = add, r<key> = remove by key, p<n> = remove at position, c = clear
        QTest::newRow("numbering") << S("a a a") << QStringList{S("P:1"), S("P:2"), S("P:3")};
        QTest::newRow("removed numbers are not reused")
            << S("a a a rP:2 a") << QStringList{S("P:1"), S("P:3"), S("P:4")};
        QTest::newRow("clear keeps counting") << S("a a c a") << QStringList{S("P:3")};
        QTest::newRow("remove by position keeps keys")
            << S("a a a p1") << QStringList{S("P:2"), S("P:3")};
        QTest::newRow("key lookup ignores case") << S("a a rp:1") << QStringList{S("P:2")};
    }
    void keys() {
        QFETCH(QString, script);
        QFETCH(QStringList, keys);
        auto top = std::make_shared<clsXMLTag>();
        top->szKey = S("P");
        for (const QString& op : script.split(u' ')) {
            if (op == u"a") {
                top->AddSubTag(S("t"), {}, false);
            } else if (op == u"c") {
                top->objSubTags->Clear();
            } else if (op.startsWith(u'r')) {
                top->objSubTags->Remove(op.mid(1));
            } else if (op.startsWith(u'p')) {
                top->objSubTags->Remove(op.mid(1).toInt());
            }
        }
        QCOMPARE(Keys(top), keys);
    }

    void keysFromTheTop() {
        clsXML doc;
        auto a = doc.objBlockTag->AddSubTag(S("A"), {}, false);
        auto b = a->AddSubTag(S("B"), {}, false);
        a->AddSubTag(S("B"), {}, false);
        auto c = a->AddSubTag(S("C"), {}, false);
        QCOMPARE(a->szKey, S("root:1"));
        QCOMPARE(b->szKey, S("root:1:1"));
        QCOMPARE(c->szKey, S("root:1:3"));
        QCOMPARE(doc.GetTagObject(S("root:1:3")), c);
        QCOMPARE(doc.GetTagObject(S("ROOT:1:3")), std::shared_ptr<clsXMLTag>());
        auto lone = std::make_shared<clsXMLTag>();
        QCOMPARE(lone->szKey, QString());
        QCOMPARE(lone->AddSubTag(S("x"), {}, false)->szKey, S(":1"));
        QCOMPARE(lone->AddSubTag(S("x"), {}, false)->szKey, S(":2"));
        QCOMPARE(c->objParent.lock(), a);
    }

    // Keys are cut from shared text blocks where the Qt version allows it, and are ordinary
    // texts otherwise; both ways they must behave as texts of their own.
    void keyTextsAreIndependent_data() {
        QTest::addColumn<bool>("sharedBlocks");
        QTest::addColumn<int>("parentKeyLength");
        QTest::addColumn<int>("tags");
        for (const bool shared : {true, false}) {
            const char* way = shared ? "shared blocks" : "plain texts";
            QTest::addRow("%s: short keys, many blocks", way) << shared << 4 << 3000;
            QTest::addRow("%s: long parent key", way) << shared << 600 << 20;
            QTest::addRow("%s: very long parent key", way) << shared << 100000 << 3;
        }
    }
    void keyTextsAreIndependent() {
        QFETCH(bool, sharedBlocks);
        QFETCH(int, parentKeyLength);
        QFETCH(int, tags);
        XMLInternal::SetSharedKeyBlocks(sharedBlocks);
        const auto restore = qScopeGuard([] { XMLInternal::SetSharedKeyBlocks(true); });
        auto top = std::make_shared<clsXMLTag>();
        top->szKey = QString(parentKeyLength, u'k');
        std::vector<std::shared_ptr<clsXMLTag>> added;
        for (int i = 0; i < tags; ++i) {
            added.push_back(top->AddSubTag(S("t"), {}, false));
        }
        const auto expected = [&](int i) { return top->szKey + u':' + QString::number(i + 1); };
        // Short keys of one block follow one another in memory; plain texts never do.
        int adjacent = 0;
        for (int i = 1; i < tags; ++i) {
            const QString& before = added[static_cast<size_t>(i) - 1]->szKey;
            adjacent +=
                added[static_cast<size_t>(i)]->szKey.utf16() == before.utf16() + before.size() + 1;
        }
        if (sharedBlocks && XMLInternal::SharedKeyBlocksAvailable() && parentKeyLength < 100) {
            QVERIFY2(adjacent > tags / 2, qPrintable(QString::number(adjacent)));
        } else {
            QCOMPARE(adjacent, 0);
        }
        // Changing one key in place, and one after its neighbours are gone, touches no other.
        added[0]->szKey.append(S("-changed"));
        added[1]->szKey[0] = u'X';
        QString copied = added[tags - 1]->szKey;
        const QString kept = added[tags / 2]->szKey;
        for (int i = 2; i < tags; ++i) {
            QCOMPARE(added[static_cast<size_t>(i)]->szKey, expected(i));
            QCOMPARE(*added[static_cast<size_t>(i)]->szKey.utf16(), u'k');
            QCOMPARE(added[static_cast<size_t>(i)]->szKey.utf16()[expected(i).size()], u'\0');
        }
        QCOMPARE(added[0]->szKey, expected(0) + S("-changed"));
        QCOMPARE(added[1]->szKey.mid(1), expected(1).mid(1));
        QCOMPARE(top->objSubTags->Item(expected(0))->szName, S("t"));
        // Keys outlive their tags and can still be changed.
        added.clear();
        top.reset();
        copied.append(S("+"));
        copied.squeeze();
        QCOMPARE(copied.right(2), QString::number(tags).right(1) + S("+"));
        QCOMPARE(kept.size(), parentKeyLength + 1 + QString::number(tags / 2 + 1).size());
    }

    void itemAndRemove_data() {
        QTest::addColumn<QString>("op");
        QTest::addColumn<bool>("throws");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("item 0") << S("i0") << true << QStringList{S("a"), S("b"), S("c")};
        QTest::newRow("item 4") << S("i4") << true << QStringList{S("a"), S("b"), S("c")};
        QTest::newRow("item -1") << S("i-1") << true << QStringList{S("a"), S("b"), S("c")};
        QTest::newRow("item unknown key")
            << S("k:9") << true << QStringList{S("a"), S("b"), S("c")};
        QTest::newRow("item key other case")
            << S("kX:2") << false << QStringList{S("a"), S("b"), S("c")};
        QTest::newRow("remove 0") << S("p0") << true << QStringList{S("a"), S("b"), S("c")};
        QTest::newRow("remove 4") << S("p4") << true << QStringList{S("a"), S("b"), S("c")};
        QTest::newRow("remove 2") << S("p2") << false << QStringList{S("a"), S("c")};
        QTest::newRow("remove unknown key")
            << S("r:4") << true << QStringList{S("a"), S("b"), S("c")};
        QTest::newRow("remove key") << S("rx:3") << false << QStringList{S("a"), S("b")};
        QTest::newRow("delete item") << S("db") << false << QStringList{S("a"), S("c")};
        QTest::newRow("delete item, case matters")
            << S("dB") << false << QStringList{S("a"), S("b"), S("c")};
    }
    void itemAndRemove() {
        QFETCH(QString, op);
        QFETCH(bool, throws);
        QFETCH(QStringList, left);
        auto top = std::make_shared<clsXMLTag>();
        top->szKey = S("x");
        AddAll(top, {S("a"), S("b"), S("c")});
        clsXMLTags& list = *top->objSubTags;
        bool threw = false;
        try {
            const QString arg = op.mid(1);
            switch (op[0].unicode()) {
            case u'i':
                QCOMPARE(list.Item(arg.toInt())->szName, S("?"));
                break;
            case u'k':
                QCOMPARE(list.Item(arg)->szName, S("b"));
                break;
            case u'p':
                list.Remove(arg.toInt());
                break;
            case u'r':
                list.Remove(arg);
                break;
            case u'd':
                list.DeleteItem(arg, {});
                break;
            }
        } catch (const std::out_of_range&) {
            threw = true;
        }
        QCOMPARE(threw, throws);
        QCOMPARE(Names(top), left);
        QCOMPARE(list.Count(), left.size());
    }

    void searchOrder_data() {
        // Tree: top "T"=v0 { A=1 { S=deep }, S=2, A=3, B { S=4 } }
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("foundKey");
        QTest::newRow("itself first") << S("T") << QString() << S("t");
        QTest::newRow("itself with value") << S("T") << S("v0") << S("t");
        QTest::newRow("depth first beats a later sibling") << S("S") << QString() << S("t:1:1");
        QTest::newRow("value narrows") << S("S") << S("4") << S("t:4:1");
        QTest::newRow("second A by value") << S("A") << S("3") << S("t:3");
        QTest::newRow("name case matters") << S("a") << QString() << QString();
        QTest::newRow("value case matters") << S("S") << S("DEEP") << QString();
        QTest::newRow("missing") << S("Q") << QString() << QString();
    }
    void searchOrder() {
        QFETCH(QString, name);
        QFETCH(QString, value);
        QFETCH(QString, foundKey);
        auto top = std::make_shared<clsXMLTag>();
        top->szKey = S("t");
        top->szName = S("T");
        top->szValue = S("v0");
        top->AddSubTag(S("A"), S("1"), false)->AddSubTag(S("S"), S("deep"), false);
        top->AddSubTag(S("S"), S("2"), false);
        top->AddSubTag(S("A"), S("3"), false);
        top->AddSubTag(S("B"), {}, false)->AddSubTag(S("S"), S("4"), false);
        const auto found = top->FindSubTagObjectByName(name, value);
        QCOMPARE(found ? found->szKey : QString(), foundKey);
        if (!foundKey.isEmpty()) {
            QCOMPARE(top->FindSubTagObject(foundKey), found);
        }
        if (value.isEmpty()) {
            QCOMPARE(top->GetSubTagValue(name), found ? found->szValue : QString());
        }
    }

    void deleteSubTag_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("throws");
        QTest::addColumn<QStringList>("left");
        const QStringList all{S("D"), S("S=1"), S("S=2")};
        QTest::newRow("direct sub-tag")
            << S("S") << S("2") << false << QStringList{S("D"), S("S=1")};
        QTest::newRow("first by name")
            << S("S") << QString() << false << QStringList{S("D"), S("S=2")};
        QTest::newRow("not found") << S("X") << QString() << true << all;
        QTest::newRow("the tag itself matches") << S("day") << QString() << true << all;
        QTest::newRow("a deeper tag comes first") << S("P") << QString() << true << all;
    }
    void deleteSubTag() {
        QFETCH(QString, name);
        QFETCH(QString, value);
        QFETCH(bool, throws);
        QFETCH(QStringList, left);
        auto day = std::make_shared<clsXMLTag>();
        day->szName = S("day");
        day->AddSubTag(S("D"), {}, false)->AddSubTag(S("P"), {}, false);
        day->AddSubTag(S("S"), S("1"), false);
        day->AddSubTag(S("S"), S("2"), false);
        day->AddSubTag(S("P"), {}, false);
        day->objSubTags->Remove(4);
        day->AddSubTag(S("P"), {}, false); // a direct P exists too, after the deep one
        day->objSubTags->Remove(4);
        bool threw = false;
        try {
            day->DeleteSubTag(name, value);
        } catch (const std::exception&) {
            threw = true;
        }
        QCOMPARE(threw, throws);
        QCOMPARE(Names(day), left);
    }

    void addMisuse() {
        clsXMLTags list;
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, list.Add(S("a"), {}, nullptr, false));
        QCOMPARE(list.Count(), 0);
        QCOMPARE(list.AddCount(), int16_t(0));
        clsXMLTag onStack;
        QVERIFY_THROWS_EXCEPTION(std::exception, onStack.AddSubTag(S("a"), {}, false));
    }

    void capacity() {
        auto top = std::make_shared<clsXMLTag>();
        for (int i = 0; i < clsXMLTags::kCapacity; ++i) {
            QVERIFY(!top->objSubTags->IsFull());
            top->AddSubTag(S("t"), {}, false);
        }
        QVERIFY(top->objSubTags->IsFull());
        QCOMPARE(top->objSubTags->Count(), 32767);
        QCOMPARE(top->objSubTags->Item(32767)->szKey, S(":32767"));
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, top->AddSubTag(S("t"), {}, false));
        QCOMPARE(top->objSubTags->Count(), 32767);
        top->objSubTags->Clear();
        QVERIFY(top->objSubTags->IsFull()); // the count of adds, not of items, is full
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, top->AddSubTag(S("t"), {}, true));
        QCOMPARE(top->objSubTags->Count(), 0);
        QCOMPARE(top->objSubTags->AddCount(), int16_t(32767));
    }

    // Tags without sub-tags share one empty list (values are most of a diary's tags); whatever
    // way a sub-tag comes in, it goes to a list of that tag's own and no other tag sees it.
    void tagsWithoutSubTagsShareAnEmptyList_data() {
        QTest::addColumn<QString>("way");
        QTest::newRow("AddSubTag") << S("tag");
        QTest::newRow("the list's Add") << S("list");
        QTest::newRow("the list's sorted Add") << S("sorted");
        QTest::newRow("loaded from a file") << S("load");
    }
    void tagsWithoutSubTagsShareAnEmptyList() {
        QFETCH(QString, way);
        clsXML doc;
        auto day = doc.objBlockTag->AddSubTag(S("20261207"), {}, false);
        const auto systolic = day->AddSubTag(S("S"), S("120"), false);
        const auto diastolic = day->AddSubTag(S("D"), S("80"), false);
        QCOMPARE(systolic->objSubTags, diastolic->objSubTags);
        QCOMPARE(systolic->objSubTags, XMLInternal::SharedEmptyList());
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, systolic->objSubTags->Remove(S("x:1")));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, systolic->objSubTags->Item(1));
        // Another tag's list is never filled through it.
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 systolic->objSubTags->Add(S("x"), {}, day, false));
        if (way == u"tag") {
            systolic->AddSubTag(S("x"), S("1"), false);
        } else if (way == u"list" || way == u"sorted") {
            systolic->objSubTags->Add(S("x"), S("1"), systolic, way == u"sorted");
        } else {
            QByteArray bytes("\t<x>1</x>\r\n</S>\r\n");
            QBuffer buffer(&bytes);
            QVERIFY(buffer.open(QIODevice::ReadOnly));
            doc.objCurrentTag = systolic;
            QVERIFY2(doc.LoadXMLFromDevice(buffer, S("in memory"), false), qPrintable(doc.szError));
        }
        QCOMPARE(Names(systolic), QStringList{S("x=1")});
        QCOMPARE(systolic->objSubTags->Item(1)->szKey, systolic->szKey + S(":1"));
        QVERIFY(Names(diastolic).isEmpty());
        QCOMPARE(diastolic->objSubTags, XMLInternal::SharedEmptyList());
        QCOMPARE(XMLInternal::SharedEmptyList()->Count(), 0);
        QCOMPARE(XMLInternal::SharedEmptyList()->AddCount(), int16_t(0));
        QCOMPARE(Names(day), (QStringList{S("S=120"), S("D=80")}));
    }

    void removedTagLivesOn() {
        auto top = std::make_shared<clsXMLTag>();
        auto kept = top->AddSubTag(S("a"), S("1"), false);
        kept->AddSubTag(S("b"), {}, false);
        top->objSubTags->Clear();
        QCOMPARE(kept->objParent.lock(), top);
        QCOMPARE(kept->objSubTags->Count(), 1);
        QCOMPARE(kept->szValue, S("1"));
        top.reset();
        QVERIFY(kept->objParent.expired());
        QCOMPARE(kept->objSubTags->Item(1)->szName, S("b"));
    }

    void deepAndWideTreesTearDown() {
        // On a thread with a small stack, so that any recursion over the depth would crash.
        bool done = false;
        std::unique_ptr<QThread> thread(QThread::create([&done] {
            auto top = std::make_shared<clsXMLTag>();
            auto t = top;
            for (int i = 0; i < 6000; ++i) {
                t = t->AddSubTag(S("n"), {}, false);
            }
            t->szName = S("deepest");
            t.reset();
            if (!top->FindSubTagObjectByName(S("deepest"), {}) ||
                top->FindSubTagObject(S("absent"))) {
                return;
            }
            QBuffer sink;
            sink.open(QIODevice::WriteOnly);
            top->WriteToFile(0, sink);
            if (!sink.data().endsWith("</n>\r\n")) {
                return;
            }
            top.reset();

            auto wide = std::make_shared<clsXMLTag>();
            for (int i = 0; i < 1000; ++i) {
                auto c = wide->AddSubTag(S("c"), {}, false);
                for (int j = 0; j < 30; ++j) {
                    c->AddSubTag(S("g"), {}, false);
                }
            }
            auto keptGrandChild = wide->objSubTags->Item(500)->objSubTags->Item(3);
            wide.reset();
            done = keptGrandChild->szName == S("g") && keptGrandChild->objParent.expired();
        }));
        thread->setStackSize(128 * 1024);
        thread->start();
        QVERIFY(thread->wait());
        QVERIFY(done);
    }

    void iterationFollowsListOrder() {
        auto top = std::make_shared<clsXMLTag>();
        AddAll(top, {S("+c"), S("+a"), S("+b")});
        QStringList seen;
        for (auto& t : *top->objSubTags) {
            seen << t->szName;
        }
        QCOMPARE(seen, (QStringList{S("a"), S("b"), S("c")}));
        QCOMPARE(Dump(top), (QStringList{S("0|a|"), S("0|b|"), S("0|c|")}));
    }
};

QTEST_GUILESS_MAIN(TestXmlStoreTree)
#include "test_xmlstore_tree.moc"
