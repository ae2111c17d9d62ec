#include "tests/xmlstore/XmlTestSupport.h"
#include "xmlstore/XMLInternal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/mount.h>
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

// A readings document with this many days.
void BuildReadings(clsXML& doc, int days) {
    doc.objBlockTag->szName = S("CORVALEN TENSIOLOG");
    auto readings = doc.objBlockTag->AddSubTag(S("READINGS"), {}, true);
    for (int i = 0; i < days; ++i) {
        AddDay(readings, QString::number(20000101 + i),
               {S("120"), S("80"), S("66"), S("Walked to work.")});
    }
}

// A folder on a file system of 64 KB of its own, where a disk can really be filled. Only the
// superuser can make one, on Linux; it is unmounted when this goes.
class SmallDisk {
public:
    SmallDisk() {
#ifdef Q_OS_LINUX
        mounted_ = dir_.isValid() && ::geteuid() == 0 &&
                   ::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0,
                           "size=64k") == 0;
#endif
    }
    ~SmallDisk() {
#ifdef Q_OS_LINUX
        if (mounted_) {
            ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
        }
#endif
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const {
        return mounted_;
    }
    QString Path() const {
        return dir_.path();
    }

    // Fills the disk with the file "fill" to its last byte.
    bool Fill() const {
        QFile fill(dir_.filePath(S("fill")));
        if (!fill.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            return false;
        }
        const QByteArray block(4096, 'f');
        while (fill.write(block) == block.size()) {
        }
        while (fill.write("f", 1) == 1) {
        }
        return fill.error() != QFileDevice::NoError;
    }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
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

    // A buffer kept from save to save holds exactly the latest document, in the same memory.
    void savingIntoAKeptBuffer() {
        clsXML doc;
        doc.objBlockTag->szName = S("CORVALEN TENSIOLOG");
        auto readings = doc.objBlockTag->AddSubTag(S("READINGS"), {}, true);
        for (int i = 0; i < 50; ++i) {
            AddDay(readings, QString::number(20260101 + i), {S("120"), S("80"), S("66"), S("x")});
        }
        std::string bytes(100000, 'o');
        const size_t capacity = bytes.capacity();
        const char* memory = bytes.data();
        QVERIFY(doc.SaveXMLToBytes(bytes, S("kept.dat")));
        QCOMPARE(QByteArray::fromStdString(bytes), SaveBytes(doc));
        // A shorter diary than the last save's: nothing of the longer one is left at its end.
        readings->objSubTags->Clear();
        AddDay(readings, S("20261207"), {S("121"), {}, {}, {}});
        QVERIFY(doc.SaveXMLToBytes(bytes, S("kept.dat")));
        QCOMPARE(QByteArray::fromStdString(bytes), SaveBytes(doc));
        QVERIFY(QByteArray::fromStdString(bytes).endsWith("</CORVALEN TENSIOLOG>\r\n"));
        QCOMPARE(bytes.capacity(), capacity);
        QCOMPARE(static_cast<const void*>(bytes.data()), static_cast<const void*>(memory));
        QCOMPARE(doc.objCurrentTag, doc.objBlockTag);
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

    // A save that cannot write all of the document fails and leaves the old file as it was,
    // with the system's reason; the tree can be saved again once there is room. Once, a full
    // disk emptied the file and the save reported success.
    void failedSaveKeepsTheOldFile_data() {
        QTest::addColumn<bool>("realDisk");
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("failAfter"); // bytes; -1: one byte short of the document
        // Days: 2 make a document smaller than a file's write buffer, 400 one of several.
        QTest::addColumn<bool>("silent");
        // A real full disk: a 64 KB file system, filled up (Linux, as the superuser only).
        QTest::newRow("full disk, small document") << true << 2 << 0 << false;
        QTest::newRow("full disk, large document") << true << 400 << 0 << false;
        // The writer's file made to fail after some bytes, everywhere.
        QTest::newRow("no byte written, small") << false << 2 << 0 << false;
        QTest::newRow("fails mid-way, small") << false << 2 << 100 << false;
        QTest::newRow("fails mid-way, large") << false << 400 << 20000 << false;
        QTest::newRow("one byte short, large") << false << 400 << -1 << false;
        QTest::newRow("bytes lost unnoticed, small") << false << 2 << 100 << true;
        QTest::newRow("bytes lost unnoticed, large") << false << 400 << 20000 << true;
        QTest::newRow("last byte lost unnoticed, large") << false << 400 << -1 << true;
    }
    void failedSaveKeepsTheOldFile() {
        QFETCH(bool, realDisk);
        QFETCH(int, days);
        QFETCH(int, failAfter);
        QFETCH(bool, silent);
        SmallDisk disk;
        QTemporaryDir plainDir;
        if (realDisk && !disk.Mounted()) {
            QSKIP("a small file system of its own needs Linux and the superuser");
        }
        const QString folder = realDisk ? disk.Path() : plainDir.path();
        const QString path = folder + S("/crtlg.dat");
        const QByteArray old = CrLfLines({"<OLD>", "\t<S>1</S>", "</OLD>"});
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QCOMPARE(f.write(old), old.size());
        }
        clsXML doc;
        BuildReadings(doc, days);
        const QByteArray full = SaveBytes(doc);
        // small: less than one buffer of a file (16 KB); large: several buffers
        QVERIFY(days > 100 ? full.size() > 32 * 1024 : full.size() < 1024);
        if (realDisk) {
            QVERIFY(disk.Fill());
        } else {
            XMLInternal::SetSaveFault(
                {failAfter < 0 ? full.size() + failAfter : failAfter, silent});
        }
        auto noFault = qScopeGuard([] { XMLInternal::SetSaveFault({}); });

        QVERIFY(!doc.SaveXMLFile(path));
        QCOMPARE(doc.szError, S("XML File Creation Error : Failed to open XML File ") + path);
        if (silent) {
            QVERIFY2(
                doc.szErrorReason.contains(S(" of %1 bytes reached the file").arg(full.size())),
                qPrintable(doc.szErrorReason));
        } else {
            QCOMPARE(doc.szErrorReason, QString::fromLocal8Bit(std::strerror(ENOSPC)));
        }
        QCOMPARE(ReadAll(path), old);
        QStringList expectedFiles{S("crtlg.dat")};
        if (realDisk) {
            expectedFiles << S("fill");
        }
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name), expectedFiles);

        // Once there is room, the same tree is written whole.
        noFault.dismiss();
        XMLInternal::SetSaveFault({});
        if (realDisk) {
            QVERIFY(QFile::remove(folder + S("/fill")));
        }
        QVERIFY2(doc.SaveXMLFile(path), qPrintable(doc.szErrorReason));
        QCOMPARE(ReadAll(path), full);
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
