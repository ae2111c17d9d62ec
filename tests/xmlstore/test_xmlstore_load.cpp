#include "tests/xmlstore/XmlTestSupport.h"

#include <QBuffer>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using xmltest::Dump;
using xmltest::LoadBytes;

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

QStringList L(std::initializer_list<const char*> lines) {
    QStringList out;
    for (const char* l : lines) {
        out << QString::fromUtf8(l);
    }
    return out;
}

} // namespace

class TestXmlStoreLoad : public QObject {
    Q_OBJECT

private slots:
    void lineForms_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("tree");
        QTest::newRow("empty file") << QByteArray() << QStringList();
        QTest::newRow("empty lines only") << QByteArray("\r\n\r\r\n") << QStringList();
        QTest::newRow("complete tag") << QByteArray("<A>1</A>\r\n") << L({"0|A|1"});
        QTest::newRow("explicitly empty") << QByteArray("<A></A>") << L({"0|A|"});
        QTest::newRow("opening and closing") << QByteArray("<A>\r\n</A>\r\n") << L({"0|A|"});
        QTest::newRow("nesting") << QByteArray("<A>\r\n\t<B>x</B>\r\n\t<C>\r\n\t\t<D></D>\r\n"
                                               "\t</C>\r\n\t<E>y</E>\r\n</A>\r\n")
                                 << L({"0|A|", "1|B|x", "1|C|", "2|D|", "1|E|y"});
        QTest::newRow("leading blanks and junk") << QByteArray("  \t x<A>1</A>") << L({"0|A|1"});
        QTest::newRow("data may hold >") << QByteArray("<C>1>2</C>") << L({"0|C|1>2"});
        QTest::newRow("last = decides") << QByteArray("<A=x=y>") << L({"0|A=x|y"});
        QTest::newRow("leading = only") << QByteArray("<=5>") << L({"0|=5|5"});
        QTest::newRow("opening with value")
            << QByteArray("<X=5>\r\n<S></S>\r\n</X>") << L({"0|X|5", "1|S|"});
        QTest::newRow("complete tag keeps = and /")
            << QByteArray("<a=b>v</a=b>\r\n</x>z<//x>") << L({"0|a=b|v", "0|/x|z"});
        QTest::newRow("text after the closing tag") << QByteArray("<A>1</A>junk") << L({"0|A|1"});
        QTest::newRow("unclosed at the end")
            << QByteArray("<A>\r\n<B>\r\n<C>1</C>") << L({"0|A|", "1|B|", "2|C|1"});
        QTest::newRow("CR alone ends a line")
            << QByteArray("<A>\r<B>1</B>\r</A>") << L({"0|A|", "1|B|1"});
        QTest::newRow("LF alone stays in the line")
            << QByteArray("<A>x\ny</A>") << L({"0|A|x\\u000ay"});
        QTest::newRow("marker becomes CR LF") << QByteArray("<C>a\xF8"
                                                            "b\xF8</C>")
                                              << L({"0|C|a\\u000d\\u000ab\\u000d\\u000a"});
        QTest::newRow("only the marker") << QByteArray("<C>\xF8</C>") << L({"0|C|\\u000d\\u000a"});
        QTest::newRow("marker in names stays")
            << QByteArray("<S\xF8>1</S\xF8>") << L({"0|S\\u00f8|1"});
        QTest::newRow("code page 1252") << QByteArray("<C>\x80\x81\x9F\xE9\xFF</C>")
                                        << L({"0|C|\\u20ac\\u0081\\u0178\\u00e9\\u00ff"});
        QTest::newRow("references in values") << QByteArray("<C>&#60;&#248;&#38;#1;&#128512;</C>")
                                              << L({"0|C|<\\u00f8&#1;\\ud83d\\ude00"});
        QTest::newRow("references in names")
            << QByteArray("<a&#62;&#61;b>\r\n<&#47;x>v</&#47;x>\r\n</a&#62;&#61;b>")
            << L({"0|a>=b|", "1|/x|v"});
        QTest::newRow("a reference closed by its character")
            << QByteArray("<x&#65;>\r\n<B>1</B>\r\n</xA>\r\n<C>2</C>")
            << L({"0|xA|", "1|B|1", "0|C|2"});
        QTest::newRow("not a reference") << QByteArray("<C>&#;&#x41;&# 1;&#65&#99999999;&amp;</C>")
                                         << L({"0|C|&#;&#x41;&# 1;&#65&#99999999;&amp;"});
    }
    void lineForms() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, tree);
        clsXML doc;
        QVERIFY2(LoadBytes(doc, file), qPrintable(doc.szError));
        QCOMPARE(Dump(doc.objBlockTag), tree);
        QCOMPARE(doc.objCurrentTag, doc.objBlockTag);
    }

    // A file that ends inside its tags loads (the format allows it) and says so; one cut off
    // at a line end looks exactly like that.
    void endedWithOpenTags_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("bOpen");
        const QByteArray whole = "<T>\r\n\t<R>\r\n\t\t<20261201>\r\n\t\t\t<S>130</S>\r\n"
                                 "\t\t</20261201>\r\n\t</R>\r\n</T>\r\n";
        QTest::newRow("whole file") << whole << false;
        QTest::newRow("without the last line break") << whole.chopped(2) << false;
        QTest::newRow("empty file") << QByteArray() << false;
        QTest::newRow("complete tags only") << QByteArray("<A>1</A>\r\n<B>2</B>\r\n") << false;
        for (const int iLines : {1, 2, 3, 4, 5, 6}) {
            qsizetype end = 0;
            for (int i = 0; i < iLines; ++i) {
                end = whole.indexOf("\r\n", end) + 2;
            }
            QTest::addRow("cut after line %d", iLines) << whole.left(end) << true;
        }
    }
    void endedWithOpenTags() {
        QFETCH(QByteArray, file);
        QFETCH(bool, bOpen);
        clsXML doc;
        QVERIFY2(LoadBytes(doc, file), qPrintable(doc.szError));
        QCOMPARE(doc.bEndedWithOpenTags, bOpen);
        QCOMPARE(doc.objCurrentTag, doc.objBlockTag);
        // The next load says it anew.
        QVERIFY(LoadBytes(doc, "<A>1</A>"));
        QVERIFY(!doc.bEndedWithOpenTags);
    }

    void keysInFileOrder() {
        clsXML doc;
        QVERIFY(LoadBytes(doc, "<A>\r\n<B></B>\r\n<C>\r\n<D></D>\r\n</C>\r\n</A>\r\n<E></E>\r\n"));
        QCOMPARE(doc.GetTagObjectFromNamePath(S("A:C:D"), {})->szKey, S("root:1:2:1"));
        QCOMPARE(doc.GetTagObjectFromNamePath(S("E"), {})->szKey, S("root:2"));
    }

    void errors_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QStringList>("kept");
        QTest::addColumn<clsXML::LoadError>("why");
        const auto damaged = clsXML::LoadError::Damaged;
        QTest::newRow("no opening brace")
            << QByteArray("<A>\r\nhello\r\n")
            << S("Damaged XML File : XML Line hello has no opening brace on line 2") << L({"0|A|"})
            << damaged;
        QTest::newRow("blanks only")
            << QByteArray(" \t")
            << S("Damaged XML File : XML Line  \\x09 has no opening brace on line 1")
            << QStringList() << damaged;
        QTest::newRow("empty lines count")
            << QByteArray("\r\n\r\nx")
            << S("Damaged XML File : XML Line x has no opening brace on line 3") << QStringList()
            << damaged;
        QTest::newRow("no closing brace")
            << QByteArray("\t<ABCD")
            << S("Damaged XML File : XML Tag ABC has no closing brace on line 1") << QStringList()
            << damaged;
        QTest::newRow("no closing brace, lone <")
            << QByteArray("<") << S("Damaged XML File : XML Tag  has no closing brace on line 1")
            << QStringList() << damaged;
        QTest::newRow("no closing tag")
            << QByteArray("<A></A>\r\n  <B>data")
            << S("Damaged XML File : XML Tag <B>da has "
                 "enclosed tag data contents but no closing tag on line 2")
            << L({"0|A|"}) << damaged;
        QTest::newRow("closing tag mismatch")
            << QByteArray("<C>a<b</C>")
            << S("Damaged XML File : XML Tag <C>a<b</ has enclosed tag data contents but the "
                 "closing tag does not match the opening tag on line 1")
            << QStringList() << damaged;
        QTest::newRow("closing tag cut short")
            << QByteArray("<AB>1</AB")
            << S("Damaged XML File : XML Tag <AB>1</ has enclosed tag data contents but the "
                 "closing tag does not match the opening tag on line 1")
            << QStringList() << damaged;
        QTest::newRow("closing tag other case")
            << QByteArray("<a>1</A>")
            << S("Damaged XML File : XML Tag <a>1</ has enclosed tag data contents but the "
                 "closing tag does not match the opening tag on line 1")
            << QStringList() << damaged;
        QTest::newRow("corrupt nesting")
            << QByteArray("<Y>\r\n<Z></Z>\r\n</X>\r\n")
            << S("XML File contains corrupt nesting of tag: X  on line 3") << L({"0|Y|", "1|Z|"})
            << damaged;
        QTest::newRow("corrupt nesting, a name with references")
            << QByteArray("<Y>\r\n</a&#62;b>\r\n")
            << S("XML File contains corrupt nesting of tag: a>b  on line 2") << L({"0|Y|"})
            << damaged;
        QTest::newRow("closing the block tag, then a line")
            << QByteArray("<A>\r\n</A>\r\n</>\r\n<B></B>")
            << S("XML File Opening Error : Failed to open XML File test.dat") << L({"0|A|"})
            << damaged;
        // A file with more tags in one list than it can hold is not damaged: the store is full.
        QTest::newRow("an overflowing list")
            << QByteArray("<A>\r\n") + QByteArray("<B></B>\r\n").repeated(32768)
            << S("XML File Too Large : Tag A has more than the 32767 sub-tags one tag can hold on "
                 "line 32769")
            << QStringList() << clsXML::LoadError::StoreFull;
        QTest::newRow("an overflowing inner list of opening tags")
            << QByteArray("<A>\r\n\t<READINGS>\r\n") +
                   QByteArray("\t\t<D>\r\n\t\t</D>\r\n").repeated(32768)
            << S("XML File Too Large : Tag READINGS has more than the 32767 sub-tags one tag can "
                 "hold on line 65537")
            << QStringList() << clsXML::LoadError::StoreFull;
        QTest::newRow("an overflowing top list")
            << QByteArray("<B></B>\r\n").repeated(32768)
            << S("XML File Too Large : Tag  has more than the 32767 sub-tags one tag can hold on "
                 "line 32768")
            << QStringList() << clsXML::LoadError::StoreFull;
        QTest::newRow("too deep") << QByteArray("<A>\r\n").repeated(1001)
                                  << S("XML File Opening Error : Failed to open XML File test.dat")
                                  << QStringList() << damaged;
    }
    void errors() {
        QFETCH(QByteArray, file);
        QFETCH(QString, error);
        QFETCH(QStringList, kept);
        QFETCH(clsXML::LoadError, why);
        clsXML doc;
        QVERIFY(!LoadBytes(doc, file));
        QCOMPARE(doc.szError, error);
        QCOMPARE(doc.lLoadError, why);
        if (!kept.isEmpty() || file.size() < 1000) {
            QCOMPARE(Dump(doc.objBlockTag), kept);
        }
    }

    // A damaged file may hold a line of megabytes; a message shows at most 60 characters of it
    // and marks the cut with "…", so that a message box can show it at once. Control
    // characters are shown as escapes, which count with their length and are never cut.
    void longLinesInMessages_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("error");
        const QByteArray big(10 * 1024 * 1024, 'x');
        const QString x60(60, u'x');
        const QString cut = x60 + QChar(0x2026);
        QTest::newRow("no opening brace")
            << big
            << S("Damaged XML File : XML Line ") + cut + S(" has no opening brace on line 1");
        QTest::newRow("zero bytes") << QByteArray(3200 * 1024, '\0')
                                    << S("Damaged XML File : XML Line ") + S("\\x00").repeated(15) +
                                           QChar(0x2026) + S(" has no opening brace on line 1");
        QTest::newRow("an escape is never cut")
            << QByteArray(58, 'x') + "\x1B[2J"
            << S("Damaged XML File : XML Line ") + x60.left(58) + QChar(0x2026) +
                   S(" has no opening brace on line 1");
        QTest::newRow("terminal commands shown, not sent")
            << QByteArray("\x1B]0;owned\x07\x1B[2J")
            << S("Damaged XML File : XML Line \\x1B]0;owned\\x07\\x1B[2J has no opening brace "
                 "on line 1");
        QTest::newRow("no closing brace")
            << "<A>\r\n<" + big
            << S("Damaged XML File : XML Tag ") + cut + S(" has no closing brace on line 2");
        QTest::newRow("no closing tag")
            << "<A>" + big
            << S("Damaged XML File : XML Tag <A>") + x60.left(57) + QChar(0x2026) +
                   S(" has enclosed tag data contents but no closing tag on line 1");
        QTest::newRow("closing tag does not match")
            << "<A>" + big + "</B>"
            << S("Damaged XML File : XML Tag <A>") + x60.left(57) + QChar(0x2026) +
                   S(" has enclosed tag data contents but the closing tag does not match the "
                     "opening tag on line 1");
        QTest::newRow("long name in corrupt nesting")
            << "<A>\r\n</" + big + ">"
            << S("XML File contains corrupt nesting of tag: ") + cut + S("  on line 2");
        QTest::newRow("60 characters are quoted whole")
            << "\r\n" + QByteArray(60, 'x')
            << S("Damaged XML File : XML Line ") + x60 + S(" has no opening brace on line 2");
        QTest::newRow("61 characters are cut")
            << QByteArray(61, 'x')
            << S("Damaged XML File : XML Line ") + cut + S(" has no opening brace on line 1");
        QTest::newRow("no cut inside a character pair")
            << "<A>\r\n</" + QByteArray(59, 'x') + QByteArray("&#128512;").repeated(3) + ">"
            << S("XML File contains corrupt nesting of tag: ") + x60.left(59) + QChar(0x2026) +
                   S("  on line 2");
    }
    void longLinesInMessages() {
        QFETCH(QByteArray, file);
        QFETCH(QString, error);
        clsXML doc;
        QVERIFY(!LoadBytes(doc, file));
        QCOMPARE(xmltest::Visible(doc.szError), xmltest::Visible(error));
    }

    void depthLimitIsGenerous() {
        QByteArray file = QByteArray("<A>\r\n").repeated(1000) + "<B>1</B>\r\n";
        clsXML doc;
        QVERIFY2(LoadBytes(doc, file), qPrintable(doc.szError));
        QCOMPARE(Dump(doc.objBlockTag).size(), 1001);
    }

    void failedLoadKeepsCurrentTag() {
        clsXML doc;
        QVERIFY(!LoadBytes(doc, "<A>\r\n<B>\r\nbad"));
        QCOMPARE(doc.objCurrentTag->szName, S("B"));
        QVERIFY(doc.objCurrentTag != doc.objBlockTag);
    }

    void currentTagFollowsTheLines() {
        clsXML doc;
        QVERIFY(!LoadBytes(doc, "<A>\r\n<B>\r\nbad"));
        QVERIFY2(LoadBytes(doc, "<X>1</X>\r\n</B>\r\n<C>2</C>\r\n</A>\r\n<D>3</D>\r\n"),
                 qPrintable(doc.szError));
        QCOMPARE(Dump(doc.objBlockTag), L({"0|A|", "1|B|", "2|X|1", "1|C|2", "0|D|3"}));
        QCOMPARE(doc.objCurrentTag, doc.objBlockTag);
        // a list that overflows leaves its tag as the current one
        QVERIFY(!LoadBytes(doc, "<F>\r\n" + QByteArray("<G></G>\r\n").repeated(32768)));
        QCOMPARE(doc.objCurrentTag->szName, S("F"));
        QCOMPARE(doc.objCurrentTag->objSubTags->Count(), 32767);
    }

    void loadAddsUnderTheCurrentTag() {
        clsXML doc;
        QVERIFY(LoadBytes(doc, "<A>1</A>"));
        QVERIFY(LoadBytes(doc, "<B>2</B>"));
        QCOMPARE(Dump(doc.objBlockTag), L({"0|A|1", "0|B|2"}));
        doc.Reset();
        QCOMPARE(doc.objBlockTag->szKey, S("root"));
        QCOMPARE(doc.objCurrentTag, doc.objBlockTag);
        QCOMPARE(Dump(doc.objBlockTag), QStringList());
    }

    // Bytes already in memory load from where the device stands, and leave it read to the end,
    // as reading them would.
    void bytesInMemory_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<QStringList>("tree");
        QTest::newRow("from the start") << 0 << L({"0|A|1", "0|B|2"});
        QTest::newRow("from the second line") << 10 << L({"0|B|2"});
        QTest::newRow("at the end") << 20 << QStringList();
    }
    void bytesInMemory() {
        QFETCH(int, from);
        QFETCH(QStringList, tree);
        QByteArray bytes("<A>1</A>\r\n<B>2</B>\r\n");
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        QVERIFY(buffer.seek(from));
        clsXML doc;
        QVERIFY2(doc.LoadXMLFromDevice(buffer, S("in memory"), false), qPrintable(doc.szError));
        QCOMPARE(Dump(doc.objBlockTag), tree);
        QVERIFY(buffer.atEnd());
        QCOMPARE(bytes, QByteArray("<A>1</A>\r\n<B>2</B>\r\n"));
    }

    void errorTextLifetime() {
        clsXML doc;
        QVERIFY(!LoadBytes(doc, "x"));
        QVERIFY(!doc.szError.isEmpty());
        QVERIFY(LoadBytes(doc, QByteArray()));
        QVERIFY(!doc.szError.isEmpty()); // nothing was split
        QVERIFY(LoadBytes(doc, "<A></A>"));
        QCOMPARE(doc.szError, QString());
    }

    void longLines() {
        const QByteArray value(100000, 'v');
        const QByteArray name(40000, 'n');
        clsXML doc;
        QVERIFY2(LoadBytes(doc, "<" + name + ">" + value + "</" + name + ">\r\n"),
                 qPrintable(doc.szError.left(200)));
        const auto t = doc.objBlockTag->objSubTags->Item(1);
        QCOMPARE(t->szValue.size(), 100000);
        QCOMPARE(t->szName.size(), 40000);
    }

    void files() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString missing = dir.filePath(S("missing.dat"));
        clsXML doc;
        doc.objBlockTag->AddSubTag(S("keep"), {}, false);
        QVERIFY(!doc.LoadXMLFile(missing, false));
        QCOMPARE(doc.szError, S("XML File Opening Error : Failed to open XML File ") + missing);
        QCOMPARE(doc.lLoadError, clsXML::LoadError::CannotRead);
        QCOMPARE(Dump(doc.objBlockTag), L({"0|keep|"}));

        const QString path = dir.filePath(S("data.dat"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<R>\r\n\t<S>1</S>\r\n</R>\r\n");
        f.close();
        QVERIFY(doc.LoadXMLFile(path, false));
        QCOMPARE(Dump(doc.objBlockTag), L({"0|keep|", "0|R|", "1|S|1"}));

        QVERIFY(!doc.LoadXMLFile(dir.path(), false)); // a folder is not a file
        QCOMPARE(doc.szError,
                 S("XML File Opening Error : ") + dir.path() + S(" is not a regular file"));
    }

    // Only regular files are read. A named pipe called crtlg.dat once kept the program from
    // starting: opening it for reading waits until someone writes to it.
    void onlyRegularFiles_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("loads");
        QTest::newRow("named pipe") << S("pipe") << false;
        QTest::newRow("folder") << S("folder") << false;
        QTest::newRow("device") << S("device") << false;
        QTest::newRow("link to a folder") << S("link to folder") << false;
        QTest::newRow("link to a regular file") << S("link to file") << true;
    }
    void onlyRegularFiles() {
        QFETCH(QString, kind);
        QFETCH(bool, loads);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QString path = dir.filePath(S("crtlg.dat"));
        const QString target = dir.filePath(S("target"));
        if (kind == S("folder")) {
            QVERIFY(QDir(dir.path()).mkdir(S("crtlg.dat")));
        } else if (kind.startsWith(S("link"))) {
            if (kind == S("link to folder")) {
                QVERIFY(QDir(dir.path()).mkdir(S("target")));
            } else {
                QFile f(target);
                QVERIFY(f.open(QIODevice::WriteOnly));
                f.write("<A>1</A>\r\n");
            }
            if (!QFile::link(target, path)) {
                QSKIP("this system makes no symbolic links here");
            }
        } else {
#ifdef Q_OS_WIN
            QSKIP("no named pipes or devices in the file system on Windows");
#else
            if (kind == S("pipe")) {
                QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            } else {
                path = S("/dev/null");
            }
#endif
        }
        // The load runs on a thread of its own: should it wait on the pipe, the test opens the
        // pipe's other end after a while, so that the test fails instead of hanging.
        bool ok = true;
        QString error;
        clsXML::LoadError why = clsXML::LoadError::None;
        QStringList tree;
        std::unique_ptr<QThread> thread(QThread::create([&] {
            clsXML doc;
            ok = doc.LoadXMLFile(path, false);
            error = doc.szError;
            why = doc.lLoadError;
            tree = Dump(doc.objBlockTag);
        }));
        thread->start();
        const bool inTime = thread->wait(QDeadlineTimer(10000));
        if (!inTime) {
#ifndef Q_OS_WIN
            const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                ::close(fd);
            }
#endif
            thread->wait();
        }
        QVERIFY2(inTime, "the load waited on a file that is not a regular file");
        QCOMPARE(ok, loads);
        if (loads) {
            QCOMPARE(tree, L({"0|A|1"}));
            QCOMPARE(why, clsXML::LoadError::None);
        } else {
            QCOMPARE(error, S("XML File Opening Error : ") + path + S(" is not a regular file"));
            QCOMPARE(why, clsXML::LoadError::NotRegularFile);
            QCOMPARE(tree, QStringList());
        }
    }

    void legalHeader_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("copyright");
        QTest::addColumn<QString>("version");
        QTest::newRow("both") << QByteArray(
                                     "<H>\r\n<X>\r\n<COPYRIGHT>(c) me</COPYRIGHT>\r\n</X>\r\n"
                                     "<VERSION>2</VERSION>\r\n</H>")
                              << true << QString() << QString() << S("(c) me") << S("2");
        QTest::newRow("no copyright") << QByteArray("<VERSION>2</VERSION>") << false
                                      << S("There is no copyright on the xml file being loaded")
                                      << S("Tag  not found in COPYRIGHT") << QString() << QString();
        QTest::newRow("no version") << QByteArray("<COPYRIGHT>c</COPYRIGHT>") << false
                                    << S("There is no version on the xml file being loaded")
                                    << S("Tag  not found in VERSION") << S("c") << QString();
    }
    void legalHeader() {
        QFETCH(QByteArray, file);
        QFETCH(bool, ok);
        QFETCH(QString, message);
        QFETCH(QString, error);
        QFETCH(QString, copyright);
        QFETCH(QString, version);
        QStringList shown;
        clsXML::SetErrorReporter([&shown](const QString& m) { shown << m; });
        clsXML doc;
        QCOMPARE(LoadBytes(doc, file, true), ok);
        QCOMPARE(shown, message.isEmpty() ? QStringList() : QStringList{message});
        if (!ok) {
            QCOMPARE(doc.szError, error);
        }
        QCOMPARE(doc.szCopyright, copyright);
        QCOMPARE(doc.szVersion, version);
        clsXML::SetErrorReporter({});
        clsXML quiet;
        QCOMPARE(LoadBytes(quiet, file, true), ok); // no reporter: nothing shown, no crash
        QCOMPARE(shown.size(), message.isEmpty() ? 0 : 1);
    }

    void namePath_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("lastValue");
        QTest::addColumn<QString>("foundKey");
        QTest::newRow("day value tag")
            << S("READINGS:20240105:S") << QString() << S("root:1:1:2:1");
        QTest::newRow("by value") << S("READINGS:20240105:S") << S("120") << S("root:1:1:2:2:1:1");
        QTest::newRow("skipping levels") << S("20240105:S") << QString() << S("root:1:1:2:1");
        QTest::newRow("repeated element") << S("READINGS:READINGS") << QString() << S("root:1:1");
        QTest::newRow("empty path") << QString() << QString() << S("root");
        QTest::newRow("empty element") << S("READINGS::x") << QString() << S("root:1:1:2:2:1");
        QTest::newRow("missing first") << S("NOPE:S") << QString() << QString();
        QTest::newRow("missing value") << S("READINGS:S") << S("999") << QString();
    }
    void namePath() {
        QFETCH(QString, path);
        QFETCH(QString, lastValue);
        QFETCH(QString, foundKey);
        clsXML doc;
        QVERIFY(LoadBytes(doc, "<CORVALEN TENSIOLOG>\r\n<READINGS>\r\n<20240104>\r\n<S>1</S>\r\n"
                               "</20240104>\r\n<20240105>\r\n<S>110</S>\r\n<>\r\n<x>\r\n"
                               "<S>120</S>\r\n</x>\r\n</>\r\n</20240105>\r\n</READINGS>\r\n"));
        doc.szError = S("before");
        const auto t = doc.GetTagObjectFromNamePath(path, lastValue);
        QCOMPARE(t ? t->szKey : QString(), foundKey);
        QCOMPARE(doc.szError, foundKey.isEmpty() ? S("Tag  not found in ") + path : S("before"));
    }
};

QTEST_GUILESS_MAIN(TestXmlStoreLoad)
#include "test_xmlstore_load.moc"
