// Loading the data file as the start-up and the command line both do: what was found, what was
// read of it, and the reason the user is given when it could not be read whole.

#include "diary/DiaryLoad.h"
#include "diary/SafeFile.h"
#include "xmlstore/clsXML.h"
#include "xmlstore/clsXMLTag.h"
#include "xmlstore/clsXMLTags.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <stdexcept>

Q_DECLARE_METATYPE(DiaryLoadOutcome)

namespace {

const QByteArray kOneDay = "<CORVALEN TENSIOLOG>\r\n\t<READINGS>\r\n\t\t<20261207>\r\n"
                           "\t\t\t<S>120</S>\r\n\t\t\t<D>80</D>\r\n\t\t\t<P>72</P>\r\n"
                           "\t\t\t<C>Walked</C>\r\n\t\t</20261207>\r\n\t</READINGS>\r\n"
                           "</CORVALEN TENSIOLOG>\r\n";

// A diary of iDays days, each with a systolic value only.
QByteArray ManyDays(int iDays) {
    QByteArray bytes = "<CORVALEN TENSIOLOG>\r\n\t<READINGS>\r\n";
    QDate dt(1930, 1, 1);
    for (int i = 0; i < iDays; ++i, dt = dt.addDays(1)) {
        const QByteArray key = dt.toString(QStringLiteral("yyyyMMdd")).toLatin1();
        bytes += "\t\t<" + key + ">\r\n\t\t\t<S>120</S>\r\n\t\t</" + key + ">\r\n";
    }
    return bytes + "\t</READINGS>\r\n</CORVALEN TENSIOLOG>\r\n";
}

bool WriteFile(const QString& szFile, const QByteArray& bytes) {
    QFile file(szFile);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// iSize bytes that differ from page to page and within one: a page read or backed twice, or
// left out, shows.
QByteArray Pattern(int iSize) {
    QByteArray bytes(iSize, Qt::Uninitialized);
    for (int i = 0; i < iSize; ++i) {
        bytes[i] = static_cast<char>((i * 31 + i / 4096) & 0xFF);
    }
    return bytes;
}

} // namespace

class TestDiaryLoad : public QObject {
    Q_OBJECT

private slots:
    void outcomes_data() {
        QTest::addColumn<QByteArray>("onDisk");
        QTest::addColumn<DiaryLoadOutcome>("eOutcome");
        QTest::addColumn<int>("iDaysRead");
        QTest::addColumn<QString>("szReason");
        QTest::newRow("whole") << kOneDay << DiaryLoadOutcome::kLoaded << 1 << QString();
        QTest::newRow("missing") << QByteArray() << DiaryLoadOutcome::kMissing << -1 << QString();
        QTest::newRow("damaged") << QByteArray(kOneDay).replace("</S>", "</X>")
                                 << DiaryLoadOutcome::kDamaged << 1
                                 << u"it is damaged at line 4"_qs;
        QTest::newRow("cut off at a line end")
            << kOneDay.left(kOneDay.indexOf("\t\t\t<P>")) << DiaryLoadOutcome::kCutOff << 1
            << u"it ends in the middle of its readings, as a file that was cut off does"_qs;
        QTest::newRow("no readings")
            << QByteArray("<CORVALEN TENSIOLOG>\r\n\t<OTHER>1</OTHER>\r\n</CORVALEN TENSIOLOG>\r\n")
            << DiaryLoadOutcome::kNoReadings << -1 << u"it holds no list of readings"_qs;
        QTest::newRow("as many days as the store holds")
            << ManyDays(clsXMLTags::kCapacity) << DiaryLoadOutcome::kLoaded << clsXMLTags::kCapacity
            << QString();
        QTest::newRow("one day more than the store holds")
            << ManyDays(clsXMLTags::kCapacity + 1) << DiaryLoadOutcome::kTooManyDays
            << clsXMLTags::kCapacity << u"The diary has reached the largest size"_qs;
    }

    void outcomes() {
        QFETCH(QByteArray, onDisk);
        QFETCH(DiaryLoadOutcome, eOutcome);
        QFETCH(int, iDaysRead);
        QFETCH(QString, szReason);
        QTemporaryDir dir;
        const QString szFile = dir.filePath(QStringLiteral("crtlg.dat"));
        if (!onDisk.isEmpty()) {
            QVERIFY(WriteFile(szFile, onDisk));
        }

        // Here, and on a thread of its own as the start-up loads it: the same in every way.
        for (const bool bInBackground : {false, true}) {
            const LoadedDiary diary =
                bInBackground ? BackgroundDiaryLoad(szFile).Take() : LoadDiary(szFile);
            QCOMPARE(diary.eOutcome, eOutcome);
            QVERIFY(diary.objDoc);
            // Exactly the bytes on disk are what later saves compare the file with.
            QCOMPARE(diary.read.version.bExists, !onDisk.isEmpty());
            QCOMPARE(diary.read.bytes, onDisk);
            QCOMPARE(diary.read.version.lSize, onDisk.size());
            QCOMPARE(diary.objReadings ? diary.objReadings->objSubTags->Count() : -1, iDaysRead);
            if (eOutcome != DiaryLoadOutcome::kLoaded && eOutcome != DiaryLoadOutcome::kMissing) {
                QVERIFY2(LoadFailureReason(diary).startsWith(szReason),
                         qPrintable(LoadFailureReason(diary)));
            }
        }
    }

    // A diary loaded on another thread is this thread's to change and to let go, and a load
    // nobody takes ends with its owner.
    void loadedInBackground() {
        QTemporaryDir dir;
        const QString szFile = dir.filePath(QStringLiteral("crtlg.dat"));
        const QByteArray onDisk = ManyDays(2000);
        QVERIFY(WriteFile(szFile, onDisk));
        { BackgroundDiaryLoad untaken(szFile); }

        BackgroundDiaryLoad load(szFile);
        LoadedDiary diary = load.Take();
        QCOMPARE(diary.eOutcome, DiaryLoadOutcome::kLoaded);
        clsXMLTags& days = *diary.objReadings->objSubTags;
        for (int i = 0; i < 1000; ++i) {
            const std::shared_ptr<clsXMLTag> day = days.Item(1);
            days.DeleteItem(day->szName, day->szValue);
        }
        diary.objReadings->AddSubTag(QStringLiteral("20301231"), QString(), true)
            ->AddSubTag(QStringLiteral("S"), QStringLiteral("130"), false);
        QCOMPARE(days.Count(), 1001);
        std::string written;
        QVERIFY(diary.objDoc->SaveXMLToBytes(written, szFile));
        const QByteArray lastDays = onDisk.mid(onDisk.indexOf(
            "\t\t<" + QDate(1930, 1, 1).addDays(1000).toString(u"yyyyMMdd").toLatin1()));
        QVERIFY(QByteArray::fromStdString(written).contains(
            lastDays.left(lastDays.indexOf("\t</READINGS>"))));
        QVERIFY(QByteArray::fromStdString(written).contains("<20301231>"));
        diary = LoadedDiary();
    }

    void thenOnLoadingThread_data() {
        QTest::addColumn<QString>("szCase");
        QTest::addColumn<bool>("bRuns");
        QTest::newRow("given while loading") << QStringLiteral("given") << true;
        QTest::newRow("given twice: the first runs") << QStringLiteral("twice") << true;
        QTest::newRow("throws") << QStringLiteral("throws") << true;
        QTest::newRow("given after a wait") << QStringLiteral("after wait") << false;
    }

    // What the caller has the loading thread do with the loaded tree runs there, before the
    // tree is handed over, and once; what it made is there when the diary is taken, which is
    // this thread's to change and let go (the tags it made included). Given too late, it never
    // runs; one that throws costs the diary nothing.
    void thenOnLoadingThread() {
        QFETCH(QString, szCase);
        QFETCH(bool, bRuns);
        QTemporaryDir dir;
        const QString szFile = dir.filePath(QStringLiteral("crtlg.dat"));
        QVERIFY(WriteFile(szFile, ManyDays(3000)));

        BackgroundDiaryLoad load(szFile);
        if (szCase == u"after wait") {
            load.Wait();
        }
        QThread* pRanOn = nullptr;
        int iDaysSeen = -1;
        int iRuns = 0;
        const bool bTaken = load.ThenOnLoadingThread([&](const LoadedDiary& diary) {
            ++iRuns;
            pRanOn = QThread::currentThread();
            // Every day entry made a tag there, and every value read.
            int iDays = 0;
            for (const std::shared_ptr<clsXMLTag>& objDay : *diary.objReadings->objSubTags) {
                iDays += objDay->objSubTags->Item(1)->szValue == u"120" ? 1 : 0;
            }
            iDaysSeen = iDays;
            if (szCase == u"throws") {
                throw std::runtime_error("no memory left");
            }
        });
        QCOMPARE(bTaken, bRuns);
        if (szCase == u"twice") {
            QVERIFY(!load.ThenOnLoadingThread([&](const LoadedDiary&) { iRuns += 10; }));
        }
        LoadedDiary diary = load.Take();
        QCOMPARE(iRuns, bRuns ? 1 : 0);
        QCOMPARE(iDaysSeen, bRuns ? 3000 : -1);
        QVERIFY(bRuns ? pRanOn != QThread::currentThread() && pRanOn != nullptr
                      : pRanOn == nullptr);
        QCOMPARE(diary.eOutcome, DiaryLoadOutcome::kLoaded);
        clsXMLTags& days = *diary.objReadings->objSubTags;
        QCOMPARE(days.Count(), 3000);
        for (int i = 0; i < 1500; ++i) {
            const std::shared_ptr<clsXMLTag> day = days.Item(1);
            days.DeleteItem(day->szName, day->szValue);
        }
        QCOMPARE(days.Item(1)->objSubTags->Item(1)->szValue, QStringLiteral("120"));
        diary = LoadedDiary();
    }

    // The file's bytes come whole whatever their size: below and around the size from which
    // the buffer's memory is made ready at once, and a large diary's size not a whole number of
    // pages.
    void bytesReadWhole_data() {
        QTest::addColumn<int>("iSize");
        QTest::newRow("empty") << 0;
        QTest::newRow("one byte") << 1;
        QTest::newRow("one page less one") << 4095;
        QTest::newRow("64 kB less one") << 65535;
        QTest::newRow("64 kB") << 65536;
        QTest::newRow("64 kB and a part page") << 65536 + 4096 + 7;
        QTest::newRow("3 MB and 13 bytes") << (3 << 20) + 13;
    }
    void bytesReadWhole() {
        QFETCH(int, iSize);
        QTemporaryDir dir;
        const QString szFile = dir.filePath(QStringLiteral("crtlg.dat"));
        const QByteArray bytes = Pattern(iSize);
        QFile file(szFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), qint64(iSize));
        file.close();
        const FileRead read = ReadWholeFile(szFile, true);
        QVERIFY(read.bOk);
        QCOMPARE(read.version.lSize, qint64(iSize));
        QVERIFY(read.bytes == bytes);
        QCOMPARE(read.version.hash, ReadFileVersion(szFile).version.hash);
    }

    // A folder in the file's place is not read, and the reason is the system's.
    void notAFile() {
        QTemporaryDir dir;
        const QString szFile = dir.filePath(QStringLiteral("crtlg.dat"));
        QVERIFY(QDir().mkpath(szFile));
        const LoadedDiary diary = LoadDiary(szFile);
        QCOMPARE(diary.eOutcome, DiaryLoadOutcome::kUnreadable);
        QVERIFY(!diary.objReadings);
        QVERIFY(!LoadFailureReason(diary).isEmpty());
        QCOMPARE(LoadFailureReason(diary), diary.read.szReason);
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    TestDiaryLoad test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_diary_load.moc"
