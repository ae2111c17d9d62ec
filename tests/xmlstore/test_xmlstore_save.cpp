#include "tests/xmlstore/XmlTestSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

using xmltest::CrLfLines;
using xmltest::Dump;
using xmltest::LoadBytes;
using xmltest::SaveBytes;

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

// The skeleton of a readings document with one entry per (day, S, D, P, C).
void AddDay(const std::shared_ptr<clsXMLTag>& readings, const QString& day,
            const QStringList& values) {
    auto entry = readings->AddSubTag(day, {}, true);
    const QStringList names{S("S"), S("D"), S("P"), S("C")};
    for (int i = 0; i < 4; ++i) {
        entry->AddSubTag(names[i], values.value(i), false);
    }
}

} // namespace

// Permission bits do not stop the superuser (there is none to test for on Windows).
static bool RunningAsSuperuser() {
#ifdef Q_OS_WIN
    return false;
#else
    return ::geteuid() == 0;
#endif
}

class TestXmlStoreSave : public QObject {
    Q_OBJECT

private slots:
    void firstReadingFile() {
        const QByteArray expected = CrLfLines({
            "<CORVALEN TENSIOLOG>",
            "\t<READINGS>",
            "\t\t<20070312>",
            "\t\t\t<S>128</S>",
            "\t\t\t<D>84</D>",
            "\t\t\t<P>66</P>",
            "\t\t\t<C>Felt fine.\xF8Slept well.</C>",
            "\t\t</20070312>",
            "\t</READINGS>",
            "</CORVALEN TENSIOLOG>",
        });
        clsXML doc;
        doc.objBlockTag->szName = S("CORVALEN TENSIOLOG");
        auto readings = doc.objBlockTag->AddSubTag(S("READINGS"), {}, true);
        AddDay(readings, S("20070312"),
               {S("128"), S("84"), S("66"), S("Felt fine.\r\nSlept well.")});
        QCOMPARE(SaveBytes(doc), expected);

        // Loaded again, the top tag sits below an unnamed block tag and writes the same lines.
        clsXML loaded;
        QVERIFY(LoadBytes(loaded, expected));
        QCOMPARE(loaded.objBlockTag->szName, QString());
        QCOMPARE(loaded.GetTagObjectFromNamePath(S("C"), {})->szValue,
                 S("Felt fine.\r\nSlept well."));
        QCOMPARE(SaveBytes(loaded), expected);
    }

    void twoDaysFile() {
        const QByteArray expected = CrLfLines({
            "<CORVALEN TENSIOLOG>",
            "\t<READINGS>",
            "\t\t<20261207>",
            "\t\t\t<S>120</S>",
            "\t\t\t<D>80</D>",
            "\t\t\t<P>72</P>",
            "\t\t\t<C>Walked</C>",
            "\t\t</20261207>",
            "\t\t<20261208>",
            "\t\t\t<S></S>",
            "\t\t\t<D></D>",
            "\t\t\t<P></P>",
            "\t\t\t<C></C>",
            "\t\t</20261208>",
            "\t</READINGS>",
            "</CORVALEN TENSIOLOG>",
        });
        clsXML doc;
        doc.objBlockTag->szName = S("CORVALEN TENSIOLOG");
        auto readings = doc.objBlockTag->AddSubTag(S("READINGS"), {}, true);
        AddDay(readings, S("20261208"), {});
        AddDay(readings, S("20261207"), {S("120"), S("80"), S("72"), S("Walked")});
        QCOMPARE(SaveBytes(doc), expected);
        QCOMPARE(doc.objCurrentTag, doc.objBlockTag);
    }

    void lineShapes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("withSubTag");
        QTest::addColumn<QByteArray>("lines");
        QTest::newRow("leaf") << S("S") << S("120") << false << QByteArray("<S>120</S>\r\n");
        QTest::newRow("empty leaf") << S("S") << QString() << false << QByteArray("<S></S>\r\n");
        QTest::newRow("opening with value")
            << S("X") << S("5") << true << QByteArray("<X=5>\r\n\t<s></s>\r\n</X>\r\n");
        QTest::newRow("opening without value")
            << S("X") << QString() << true << QByteArray("<X>\r\n\t<s></s>\r\n</X>\r\n");
        QTest::newRow("unnamed leaf writes nothing")
            << QString() << S("v") << false << QByteArray();
        QTest::newRow("unnamed tag writes its sub-tags in its place")
            << QString() << S("v") << true << QByteArray("<s></s>\r\n");
        QTest::newRow("CR LF, lone LF, lone CR") << S("C") << S("a\r\nb\nc\rd") << false
                                                 << QByteArray("<C>a\xF8"
                                                               "bc\xF8"
                                                               "d</C>\r\n");
        QTest::newRow("1252 characters as bytes")
            << S("C") << S("\u20ac\u00e9\u0178\u0081 \u00a0\u00ff") << false
            << QByteArray("<C>\x80\xE9\x9F\x81 \xA0\xFF</C>\r\n");
        QTest::newRow("ordinary markup characters stay")
            << S("C") << S("1>2 a=b & c/d #") << false << QByteArray("<C>1>2 a=b & c/d #</C>\r\n");
        QTest::newRow("< and the marker character")
            << S("C") << S("a<b \u00f8 S\u00f8ndag") << false
            << QByteArray("<C>a&#60;b &#248; S&#248;ndag</C>\r\n");
        QTest::newRow("literal &#")
            << S("C") << S("&#60;") << false << QByteArray("<C>&#38;#60;</C>\r\n");
        QTest::newRow("&# joined by a dropped LF")
            << S("C") << S("&\n#2;") << false << QByteArray("<C>&#38;#2;</C>\r\n");
        QTest::newRow("outside the code page")
            << S("C") << S("\u0100\u4e2d\U0001F600\u0080") << false
            << QByteArray("<C>&#256;&#20013;&#128512;&#128;</C>\r\n");
        QTest::newRow("lone surrogates") << S("C") << QString(QChar(0xDC01)) + QChar(0xD800)
                                         << false << QByteArray("<C>&#56321;&#55296;</C>\r\n");
        QTest::newRow("opening line value")
            << S("X") << S("a=b>c<d") << true
            << QByteArray("<X=a&#61;b&#62;c&#60;d>\r\n\t<s></s>\r\n</X>\r\n");
        QTest::newRow("leaf name") << S("a>b<c=d/") << S("v") << false
                                   << QByteArray("<a&#62;b&#60;c=d/>v</a&#62;b&#60;c=d/>\r\n");
        QTest::newRow("opening line name")
            << S("/a=b") << QString() << true
            << QByteArray("<&#47;a&#61;b>\r\n\t<s></s>\r\n</&#47;a&#61;b>\r\n");
        QTest::newRow("line breaks in a name")
            << S("a\r\nb") << S("v") << false << QByteArray("<a&#13;&#10;b>v</a&#13;&#10;b>\r\n");
        QTest::newRow("marker in a name stays")
            << S("S\u00f8n") << S("v") << false << QByteArray("<S\xF8n>v</S\xF8n>\r\n");
    }
    void lineShapes() {
        QFETCH(QString, name);
        QFETCH(QString, value);
        QFETCH(bool, withSubTag);
        QFETCH(QByteArray, lines);
        clsXML doc;
        auto t = doc.objBlockTag->AddSubTag(name, value, false);
        if (withSubTag) {
            t->AddSubTag(S("s"), {}, false);
        }
        QCOMPARE(SaveBytes(doc), lines);
    }

    void valueConversion_data() {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QString>("converted");
        QTest::addColumn<QString>("back");
        QTest::newRow("plain") << S("120") << S("120") << S("120");
        QTest::newRow("CR LF") << S("a\r\nb") << S("a\u00f8b") << S("a\r\nb");
        QTest::newRow("lone LF dropped") << S("a\nb") << S("ab") << S("ab");
        QTest::newRow("lone CR") << S("a\rb") << S("a\u00f8b") << S("a\r\nb");
        QTest::newRow("marker character kept") << S("S\u00f8n") << S("S&#248;n") << S("S\u00f8n");
        QTest::newRow("less than") << S("<") << S("&#60;") << S("<");
        QTest::newRow("dropped LF between & and #") << S("&\n#60;") << S("&#38;#60;") << S("&#60;");
    }
    void valueConversion() {
        QFETCH(QString, raw);
        QFETCH(QString, converted);
        QFETCH(QString, back);
        clsXMLTag tag;
        QCOMPARE(tag.ConvertTagValue(raw), converted);
        QCOMPARE(tag.ReConvertTagValue(converted), back);
    }

    void writeToFileAtDepth() {
        auto t = std::make_shared<clsXMLTag>();
        t->szName = S("A");
        t->AddSubTag(S("B"), S("1"), false);
        QBuffer b;
        b.open(QIODevice::WriteOnly);
        QVERIFY(t->WriteToFile(2, b));
        QCOMPARE(b.data(), QByteArray("\t\t<A>\r\n\t\t\t<B>1</B>\r\n\t\t</A>\r\n"));
        xmltest::FailingDevice broken(5);
        broken.open(QIODevice::WriteOnly);
        QVERIFY_THROWS_EXCEPTION(std::exception, t->WriteToFile(0, broken));
    }

    void emptyDocument() {
        clsXML doc;
        QCOMPARE(SaveBytes(doc), QByteArray());
        QTemporaryDir dir;
        const QString path = dir.filePath(S("empty.dat"));
        QVERIFY(doc.SaveXMLFile(path));
        QCOMPARE(QFileInfo(path).size(), 0);
    }

    void failingDevice_data() {
        QTest::addColumn<int>("limit");
        QTest::newRow("nothing accepted") << 0;
        QTest::newRow("one byte") << 1;
        QTest::newRow("mid line") << 40;
        QTest::newRow("one byte short") << -1;
    }
    void failingDevice() {
        QFETCH(int, limit);
        clsXML doc;
        doc.objBlockTag->szName = S("T");
        for (int i = 0; i < 20; ++i) {
            doc.objBlockTag->AddSubTag(S("N"), QString::number(i), false);
        }
        const QByteArray full = SaveBytes(doc);
        xmltest::FailingDevice device(limit < 0 ? full.size() + limit : limit);
        device.open(QIODevice::WriteOnly);
        QVERIFY(!doc.SaveXMLToDevice(device, S("dev.dat")));
        QCOMPARE(doc.szError, S("XML File Creation Error : Failed to open XML File dev.dat"));
        QVERIFY(full.startsWith(device.written));
        QVERIFY(!doc.szErrorReason.isEmpty());
        // the tree is unchanged: a later save writes all of it
        QCOMPARE(SaveBytes(doc), full);
    }

    void saveIntoUnusableFolders_data() {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<bool>("needsNonRoot");
        QTest::newRow("missing folder") << S("missing/sub/crtlg.dat") << false;
        QTest::newRow("parent is a file") << S("plain.txt/crtlg.dat") << false;
        QTest::newRow("target is a folder") << S("folder") << false;
        QTest::newRow("read-only folder") << S("locked/crtlg.dat") << true;
    }
    void saveIntoUnusableFolders() {
        QFETCH(QString, relative);
        QFETCH(bool, needsNonRoot);
        if (needsNonRoot && RunningAsSuperuser()) {
            QSKIP("permission bits do not stop the superuser");
        }
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QFile plain(dir.filePath(S("plain.txt")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        QVERIFY(QDir(dir.path()).mkdir(S("folder")));
        QVERIFY(QDir(dir.path()).mkdir(S("locked")));
        const QString old = dir.filePath(S("locked/crtlg.dat"));
        QFile oldFile(old);
        QVERIFY(oldFile.open(QIODevice::WriteOnly));
        oldFile.write("<OLD></OLD>\r\n");
        oldFile.close();
        QFile::setPermissions(dir.filePath(S("locked")),
                              QFileDevice::ReadOwner | QFileDevice::ExeOwner);

        clsXML doc;
        doc.objBlockTag->AddSubTag(S("NEW"), S("1"), false);
        const QString path = dir.filePath(relative);
        QVERIFY(!doc.SaveXMLFile(path));
        QCOMPARE(doc.szError, S("XML File Creation Error : Failed to open XML File ") + path);
        // the system's reason comes along, for the user to read
        QVERIFY(!doc.szErrorReason.isEmpty());
        QVERIFY(oldFile.open(QIODevice::ReadOnly));
        QCOMPARE(oldFile.readAll(), QByteArray("<OLD></OLD>\r\n"));
        QCOMPARE(QDir(dir.filePath(S("locked"))).entryList(QDir::Files),
                 QStringList{S("crtlg.dat")});
        QFile::setPermissions(dir.filePath(S("locked")), QFileDevice::ReadOwner |
                                                             QFileDevice::WriteOwner |
                                                             QFileDevice::ExeOwner);
    }

    void filePermissions() {
        QTemporaryDir dir;
        const QString fresh = dir.filePath(S("new.dat"));
        clsXML doc;
        doc.objBlockTag->AddSubTag(S("A"), S("1"), false);
        QVERIFY(doc.SaveXMLFile(fresh));
        QCOMPARE(QFileInfo(fresh).permissions() & 0x7777,
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                     QFileDevice::WriteUser);

        const QString shared = dir.filePath(S("shared.dat"));
        QFile f(shared);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("old contents, longer than the new ones");
        f.close();
        const QFileDevice::Permissions wide = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ReadUser | QFileDevice::WriteUser |
                                              QFileDevice::ReadGroup | QFileDevice::ReadOther;
        QVERIFY(QFile::setPermissions(shared, wide));
        QVERIFY(doc.SaveXMLFile(shared));
        QCOMPARE(QFileInfo(shared).permissions() & 0x7777, wide);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("<A>1</A>\r\n"));
    }

    void longValues() {
        clsXML doc;
        QString value;
        for (int i = 0; i < 100000; ++i) {
            value += QChar(u"ab\u00f8<\r\u00e9x"[i % 7]);
        }
        doc.objBlockTag->AddSubTag(S("C"), value, false);
        doc.objBlockTag->AddSubTag(QString(100000, u'N'), S("1"), false)
            ->AddSubTag(S("S"), QString(100000, u'='), false);
        QTemporaryDir dir;
        const QString path = dir.filePath(S("long.dat"));
        QVERIFY(doc.SaveXMLFile(path));
        clsXML back;
        QVERIFY2(back.LoadXMLFile(path, false), qPrintable(back.szError.left(100)));
        QString expected = value;
        expected.replace(S("\r"), S("\r\n"));
        QCOMPARE(back.GetTagObjectFromNamePath(S("C"), {})->szValue, expected);
        QCOMPARE(back.objBlockTag->objSubTags->Item(2)->szName.size(), 100000);
        QCOMPARE(back.GetTagObjectFromNamePath(S("S"), {})->szValue, QString(100000, u'='));
    }
};

QTEST_GUILESS_MAIN(TestXmlStoreSave)
#include "test_xmlstore_save.moc"
