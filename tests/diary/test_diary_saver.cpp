// Saving while the program runs: changes reach the disk soon after the user pauses, a failing
// save is tried again and reported once, the first save keeps a backup of the file as loaded,
// and a file that someone else changed is never written over. The saver's timers run on a clock
// of the test's own, moved on by the test; the writes themselves run on the saver's worker.

#include "diary/DataFileSaver.h"
#include "diary/DocumentMerge.h"
#include "diary/SafeFile.h"
#include "diary/modGlobals.h"
#include "tests/diary/ManualTimers.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScopedHook.h"
#include "xmlstore/clsXML.h"
#include "xmlstore/clsXMLTag.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSemaphore>
#include <QTemporaryDir>

#include <QTimer>
#include <QtTest>
#include <limits>

#include <algorithm>
#include <atomic>

#ifndef Q_OS_WIN
#include <sys/mount.h>
#include <unistd.h>
#endif

namespace {

// The owner, group and other bits of a file's permissions (Qt adds the "user" ones).
constexpr int kOwnerGroupOther = 0x7077;

// A diary with one day whose systolic value is szSystolic, as the program's document.
std::shared_ptr<clsXMLTag> StartDiary(const QString& szSystolic, const QString& szComment = {}) {
    auto objDoc = std::make_shared<clsXML>();
    objDoc->objBlockTag->szName = QStringLiteral("CORVALEN TENSIOLOG");
    auto objReadingsTag = objDoc->objBlockTag->AddSubTag(QStringLiteral("READINGS"), {}, true);
    auto objDay = objReadingsTag->AddSubTag(QStringLiteral("20261207"), {}, true);
    auto objSystolic = objDay->AddSubTag(QStringLiteral("S"), szSystolic, false);
    for (const char* szName : {"D", "P"}) {
        objDay->AddSubTag(QString::fromLatin1(szName), {}, false);
    }
    objDay->AddSubTag(QStringLiteral("C"), szComment, false);
    ReplaceDocument(objDoc, objReadingsTag);
    return objSystolic;
}

// The program's document as the file's bytes.
QByteArray Encoded() {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return objXML->SaveXMLToDevice(buffer, QString()) ? bytes : QByteArray("(not encoded)");
}

// Files a save left behind beside szFile under a temporary name ("crtlg.dat.Ab12Cd").
QStringList LeftBehind(const QString& szFile) {
    const QFileInfo info(szFile);
    return info.dir().entryList(QStringList{info.fileName() + QStringLiteral(".??????")},
                                QDir::Files | QDir::Hidden, QDir::Name);
}

// Renames a new file with the given bytes over szFile, as a synchronising tool does.
bool RenameOver(const QString& szFile, const QByteArray& bytes) {
    const QString szTheirs = szFile + QStringLiteral(".sync-tmp");
    return WriteAll(szTheirs, bytes) && ::rename(QFile::encodeName(szTheirs).constData(),
                                                 QFile::encodeName(szFile).constData()) == 0;
}

// A file system of 64 KB of its own under a folder, for as long as it lives (root only).
class SmallDisk {
public:
    // No folder: nothing is mounted.
    explicit SmallDisk(const QString& szFolder) : m_szFolder(szFolder) {
#ifndef Q_OS_WIN
        m_bMounted =
            !szFolder.isEmpty() && ::geteuid() == 0 && QDir().mkpath(szFolder) &&
            ::mount("tmpfs", QFile::encodeName(szFolder).constData(), "tmpfs", 0, "size=64k") == 0;
#endif
    }
    ~SmallDisk() {
#ifndef Q_OS_WIN
        if (m_bMounted) {
            ::umount(QFile::encodeName(m_szFolder).constData());
        }
#endif
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const {
        return m_bMounted;
    }
    // Fills the disk until only lFree bytes are left.
    bool LeaveFree(qint64 lFree) {
        QFile filler(m_szFolder + QStringLiteral("/filler"));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            return false;
        }
        while (filler.write(QByteArray(4096, 'f')) > 0) {
        }
        return filler.size() > lFree && filler.resize(filler.size() - lFree);
    }

private:
    QString m_szFolder;
    bool m_bMounted = false;
};

// How many saves reached their swap on the thread that runs this: one worker that is kept
// counts on, a thread started for each save would count 1 every time.
thread_local int tl_iSwapsOnThisThread = 0;

// A day entry "<key>" with a systolic value, as the file holds it inside its readings.
QByteArray DayBlock(const char* szKey, const char* szSystolic) {
    return QByteArray("\t\t<") + szKey + ">\r\n\t\t\t<S>" + szSystolic +
           "</S>\r\n\t\t\t<D></D>\r\n\t\t\t<P></P>\r\n\t\t\t<C></C>\r\n\t\t</" + szKey + ">\r\n";
}

// Conflict copies beside a file.
QStringList ConflictCopies(const QString& szFile) {
    const QFileInfo info(szFile);
    return info.dir().entryList(QStringList{info.fileName() + QStringLiteral(".conflict-*")},
                                QDir::Files, QDir::Name);
}

} // namespace

class TestDataFileSaver : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ManualTimers> m_timers;
    QString m_szFolder;
    QString m_szFile;
    std::shared_ptr<clsXMLTag> m_objSystolic;
    std::unique_ptr<DataFileSaver> m_saver;
    int m_iSaves = 0;
    QStringList m_warnings;
    QList<QStringList> m_conflicts;
    QStringList m_merged;

    // Writes bytes as the data file, loads the diary "as the program would" and starts a saver.
    void Start(const QByteArray* pOnDisk, DataFileSaver::Timing timing = {},
               const QString& szComment = {}) {
        if (pOnDisk != nullptr) {
            QVERIFY(WriteAll(m_szFile, *pOnDisk));
        }
        m_objSystolic = StartDiary(QStringLiteral("120"), szComment);
        timing.pTimers = m_timers.get();
        m_saver = std::make_unique<DataFileSaver>(m_szFile, ReadWholeFile(m_szFile, false),
                                                  EncodeProgramDocument, timing);
        m_saver->onSaved = [this](const DataFileSaver::Result&) { ++m_iSaves; };
        m_saver->onKeepsFailing = [this](const QString& szFile, const QString& szReason) {
            m_warnings << szFile + QStringLiteral(" | ") + szReason;
        };
        m_saver->onConflict = [this](const QString& szTheirs, const QString& szOurs) {
            m_conflicts << QStringList{szTheirs, szOurs};
        };
    }

    // A key release that stores a new systolic value.
    void Type(const QString& szValue) {
        m_objSystolic->szValue = szValue;
        m_saver->NoteChange();
    }

    // Waits until the save under way (and any that followed it) has ended and been taken in;
    // false when one is still under way after ten seconds.
    bool WaitUntilIdle() {
        const QDeadlineTimer deadline(10000);
        // Wakes the wait now and then to look at the deadline.
        QTimer wake;
        wake.start(50);
        while (m_saver->IsSaving() && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        return !m_saver->IsSaving();
    }

    // Lets iMs pass on the saver's clock, in steps of 100 ms; each save that falls due ends
    // before the clock moves on. False when one did not end.
    bool Pass(int iMs) {
        for (int iDone = 0; iDone < iMs; iDone += 100) {
            m_timers->Advance(std::min(100, iMs - iDone));
            if (!WaitUntilIdle()) {
                return false;
            }
        }
        return true;
    }

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_szFolder = m_dir->filePath(QStringLiteral("data"));
        QVERIFY(QDir().mkpath(m_szFolder));
        m_szFile = m_szFolder + QStringLiteral("/crtlg.dat");
        m_timers = std::make_unique<ManualTimers>();
        m_iSaves = 0;
        m_warnings.clear();
        m_conflicts.clear();
        m_merged.clear();
    }

    void cleanup() {
        m_saver.reset();
        m_objSystolic.reset();
        ReplaceDocument(nullptr, nullptr);
    }

    void changeReachesDiskWithoutExit() {
        const QByteArray loaded = "<CORVALEN TENSIOLOG>\r\n</CORVALEN TENSIOLOG>\r\n";
        Start(&loaded);
        Type(QStringLiteral("135"));
        // A second after the change, and not before.
        m_timers->Advance(999);
        QVERIFY(!m_saver->IsSaving());
        m_timers->Advance(1);
        QVERIFY(m_saver->IsSaving());
        QVERIFY(m_saver->HasUnsavedChanges());
        // The save is told of once the worker is done, a little after the file is in place.
        QVERIFY(WaitUntilIdle());
        QCOMPARE(m_iSaves, 1);
        QCOMPARE(ReadAll(m_szFile), Encoded());
        QVERIFY(ReadAll(m_szFile).contains("\t\t\t<S>135</S>\r\n"));
        QVERIFY(!m_saver->HasUnsavedChanges());
        // A shorter diary than the last save's: nothing of the longer one is left at its end.
        Type(QString());
        QVERIFY(Pass(1000));
        QCOMPARE(m_iSaves, 2);
        QCOMPARE(ReadAll(m_szFile), Encoded());
        QVERIFY(ReadAll(m_szFile).endsWith("</CORVALEN TENSIOLOG>\r\n"));
    }

    void burstOfKeyReleasesGivesOneSave() {
        Start(nullptr);
        for (const char* szValue : {"1", "13", "135", "13", "138", "1", "14", "140"}) {
            Type(QString::fromLatin1(szValue));
            QVERIFY(Pass(40));
        }
        // A second after the last key.
        QVERIFY(Pass(900));
        QCOMPARE(m_iSaves, 0);
        QVERIFY(Pass(100));
        QCOMPARE(m_iSaves, 1);
        // Nothing more follows the pause.
        QVERIFY(Pass(5000));
        QCOMPARE(m_iSaves, 1);
        QVERIFY(ReadAll(m_szFile).contains("\t\t\t<S>140</S>\r\n"));
    }

    // Someone who types on and on still has their readings on disk every two seconds.
    void longTypingIsSavedBeforeItEnds() {
        Start(nullptr);
        const qint64 lStart = m_timers->Now();
        int iValue = 100;
        while (m_timers->Now() - lStart < 6000 && !m_saver->IsSaving()) {
            Type(QString::number(++iValue));
            m_timers->Advance(100);
        }
        // Started half a second early, so that it is on disk by then.
        const qint64 lLatest = DataFileSaver::Timing().iLatestMs;
        QCOMPARE(lLatest, qint64(1500));
        QCOMPARE(m_timers->Now() - lStart, lLatest);
        QVERIFY(WaitUntilIdle());
        QCOMPARE(m_iSaves, 1);
        QCOMPARE(ReadAll(m_szFile), Encoded());
        // And again two seconds after the next change, however the typing goes on.
        for (int i = 0; i < 20; ++i) {
            Type(QString::number(++iValue));
            QVERIFY(Pass(100));
        }
        QCOMPARE(m_iSaves, 2);
        QCOMPARE(m_timers->Now() - lStart, lLatest + 2000);
    }

    void unchangedDiaryIsNotWrittenAgain() {
        Start(nullptr);
        Type(QStringLiteral("120"));
        QVERIFY(Pass(1000));
        QCOMPARE(m_iSaves, 1);
        const QDateTime dtWritten = QFileInfo(m_szFile).lastModified();
        // A day picked again, an arrow key: a change is noted but nothing changed.
        m_saver->NoteChange();
        QVERIFY(Pass(999));
        QVERIFY(m_saver->HasUnsavedChanges());
        QVERIFY(Pass(1500));
        QVERIFY(!m_saver->HasUnsavedChanges());
        QCOMPARE(m_iSaves, 1);
        QCOMPARE(QFileInfo(m_szFile).lastModified(), dtWritten);
        QCOMPARE(m_saver->SaveNow().eKind, DataFileSaver::kUpToDate);
    }

    // A save that falls due while another is still being written waits for it, then writes the
    // newest readings; the user-interface thread goes on meanwhile, and both saves run on the
    // saver's one worker.
    void saveDueDuringASaveFollowsIt_data() {
        QTest::addColumn<bool>("bTypingOn");
        QTest::newRow("after a pause") << false;
        QTest::newRow("typing on") << true;
    }
    void saveDueDuringASaveFollowsIt() {
        QFETCH(bool, bTypingOn);
        QSemaphore atSwap;
        QSemaphore letGo;
        std::atomic<int> iInside{0};
        std::atomic<int> iMostInside{0};
        std::atomic<int> iSwaps{0};
        std::atomic<int> iFirstOnThread{0};
        std::atomic<int> iLastOnThread{0};
        SwapTestHooks hooks;
        hooks.beforeSwap = [&](const QString&) {
            const int iNow = ++iInside;
            iMostInside = std::max(iMostInside.load(), iNow);
            (iSwaps++ == 0 ? iFirstOnThread : iLastOnThread) = ++tl_iSwapsOnThisThread;
            if (iSwaps == 1) {
                // The first save is held here until the test lets it go.
                atSwap.release();
                letGo.acquire();
            }
            --iInside;
        };
        const ScopedHook<SwapTestHooks> scoped(SetSwapTestHooks, hooks);
        const QByteArray loaded = "<CORVALEN TENSIOLOG>\r\n</CORVALEN TENSIOLOG>\r\n";
        Start(&loaded);

        Type(QStringLiteral("135"));
        m_timers->Advance(1000);
        QVERIFY(atSwap.tryAcquire(1, 10000));
        // Held: more changes, and their save falls due.
        int iValue = 135;
        for (int i = 0; i < (bTypingOn ? 20 : 1); ++i) {
            Type(QString::number(++iValue));
            m_timers->Advance(bTypingOn ? 100 : 1000);
            QCoreApplication::processEvents();
        }
        QVERIFY(m_saver->IsSaving());
        QCOMPARE(iSwaps.load(), 1);
        QCOMPARE(m_iSaves, 0);

        letGo.release();
        QVERIFY(WaitUntilIdle());
        QCOMPARE(m_iSaves, 2);
        QCOMPARE(iSwaps.load(), 2);
        QCOMPARE(iMostInside.load(), 1);
        QVERIFY(ReadAll(m_szFile).contains(QStringLiteral("<S>%1</S>").arg(iValue).toLatin1()));
        QCOMPARE(ReadAll(m_szFile), Encoded());
        QVERIFY(!m_saver->HasUnsavedChanges());
        // The same worker both times, and not this thread.
        QCOMPARE(iLastOnThread.load(), iFirstOnThread.load() + 1);
        QCOMPARE(tl_iSwapsOnThisThread, 0);
        // Nothing more is due.
        QVERIFY(Pass(5000));
        QCOMPARE(m_iSaves, 2);
    }

    // The saver writes what the encoder it was handed gives, whatever the program's document
    // holds; an encoder that fails is a failed save, retried and told like any other.
    void encoderHandedInIsWhatIsWritten_data() {
        QTest::addColumn<bool>("bEncodes");
        QTest::newRow("encodes") << true;
        QTest::newRow("fails") << false;
    }
    void encoderHandedInIsWhatIsWritten() {
        QFETCH(bool, bEncodes);
        StartDiary(QStringLiteral("120"));
        int iCalls = 0;
        const auto encode = [&](std::string& bytes, const QString& szFile, QString* pszReason) {
            ++iCalls;
            if (!bEncodes) {
                *pszReason = QStringLiteral("cannot encode ") + szFile;
                return false;
            }
            bytes = "handed in " + std::to_string(iCalls) + "\r\n";
            return true;
        };
        DataFileSaver::Timing timing;
        timing.pTimers = m_timers.get();
        m_saver = std::make_unique<DataFileSaver>(m_szFile, ReadWholeFile(m_szFile, false), encode,
                                                  timing);
        m_saver->onSaved = [this](const DataFileSaver::Result&) { ++m_iSaves; };
        m_saver->onKeepsFailing = [this](const QString& szFile, const QString& szReason) {
            m_warnings << szFile + QStringLiteral(" | ") + szReason;
        };
        m_saver->NoteChange();
        QVERIFY(Pass(4000));
        if (bEncodes) {
            QCOMPARE(iCalls, 1);
            QCOMPARE(m_iSaves, 1);
            QCOMPARE(ReadAll(m_szFile), QByteArray("handed in 1\r\n"));
            return;
        }
        // At 1, 2 and 4 seconds.
        QCOMPARE(iCalls, 3);
        QCOMPARE(m_iSaves, 0);
        QVERIFY(!QFileInfo::exists(m_szFile));
        QCOMPARE(m_warnings,
                 QStringList{m_szFile + QStringLiteral(" | cannot encode ") + m_szFile});
        QCOMPARE(m_saver->SaveNow().szReason, QStringLiteral("cannot encode ") + m_szFile);
    }

    void failingSaveIsRetriedAndReportedOnce() {
        const QByteArray loaded = "<CORVALEN TENSIOLOG>\r\n</CORVALEN TENSIOLOG>\r\n";
        Start(&loaded);
        // The data folder goes away and a file takes its name.
        const QString szAway = m_szFolder + QStringLiteral("-away");
        QVERIFY(QDir().rename(m_szFolder, szAway));
        QVERIFY(WriteAll(m_szFolder, "in the way"));

        Type(QStringLiteral("150"));
        // Failures at 1 s (the pause), then one second later, then two: the third is told.
        QVERIFY(Pass(3900));
        QCOMPARE(m_warnings.size(), 0);
        QVERIFY(Pass(100));
        QCOMPARE(m_warnings.size(), 1);
        QVERIFY2(m_warnings[0].startsWith(m_szFile + QStringLiteral(" | ")),
                 qPrintable(m_warnings[0]));
        QVERIFY(m_warnings[0].size() > m_szFile.size() + 3);
        // Many more failures over a minute, still one warning.
        QVERIFY(Pass(60000));
        QCOMPARE(m_warnings.size(), 1);
        QCOMPARE(m_iSaves, 0);

        // The folder comes back: the next try, at most sixteen seconds on, saves without any
        // further change.
        QVERIFY(QFile::remove(m_szFolder));
        QVERIFY(QDir().rename(szAway, m_szFolder));
        QVERIFY(Pass(16000));
        QCOMPARE(m_iSaves, 1);
        QVERIFY(ReadAll(m_szFile).contains("<S>150</S>"));
        QCOMPARE(m_warnings.size(), 1);
    }

    void backupAtFirstSaveOfEachRun() {
        const QByteArray loaded = "<CORVALEN TENSIOLOG>\r\n\t<READINGS></READINGS>\r\n"
                                  "</CORVALEN TENSIOLOG>\r\n";
        QVERIFY(WriteAll(m_szFile, loaded));
        const QFileDevice::Permissions permissions =
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
        QVERIFY(QFile::setPermissions(m_szFile, permissions));
        const QString szBackup = m_szFile + QStringLiteral(".bak");
        Start(nullptr);

        Type(QStringLiteral("130"));
        QVERIFY(Pass(1000));
        QCOMPARE(m_iSaves, 1);
        QCOMPARE(ReadAll(szBackup), loaded);
        QCOMPARE(QFile::permissions(szBackup) & kOwnerGroupOther, permissions);

        // Later saves of the run leave the backup alone.
        Type(QStringLiteral("131"));
        QVERIFY(Pass(1000));
        QCOMPARE(m_iSaves, 2);
        QCOMPARE(ReadAll(szBackup), loaded);
        QCOMPARE(m_saver->SaveNow().eKind, DataFileSaver::kUpToDate);
        QCOMPARE(ReadAll(szBackup), loaded);

        // The next run's first save keeps the file as that run loaded it.
        const QByteArray secondLoaded = ReadAll(m_szFile);
        QVERIFY(secondLoaded.contains("<S>131</S>"));
        m_saver.reset();
        Start(nullptr);
        Type(QStringLiteral("140"));
        QVERIFY(Pass(1000));
        QCOMPARE(m_iSaves, 3);
        QCOMPARE(ReadAll(szBackup), secondLoaded);
    }

    void fileChangedElsewhereIsNeverWrittenOver_data() {
        QTest::addColumn<bool>("bLoadedFile");
        QTest::addColumn<QByteArray>("theirs");
        const QByteArray loaded = "<CORVALEN TENSIOLOG>\r\n</CORVALEN TENSIOLOG>\r\n";
        QTest::newRow("changed") << true << QByteArray("<OTHER>\r\n</OTHER>\r\n");
        QByteArray sameSize = loaded;
        sameSize[3] = 'X';
        QTest::newRow("same size, other bytes") << true << sameSize;
        QTest::newRow("appeared where there was none") << false << QByteArray("theirs\r\n");
    }

    void fileChangedElsewhereIsNeverWrittenOver() {
        QFETCH(bool, bLoadedFile);
        QFETCH(QByteArray, theirs);
        const QByteArray loaded = "<CORVALEN TENSIOLOG>\r\n</CORVALEN TENSIOLOG>\r\n";
        Start(bLoadedFile ? &loaded : nullptr);
        QVERIFY(WriteAll(m_szFile, theirs));

        Type(QStringLiteral("125"));
        QVERIFY(Pass(1000));
        QCOMPARE(m_iSaves, 1);
        QCOMPARE(ReadAll(m_szFile), theirs);
        const QStringList copies = ConflictCopies(m_szFile);
        QCOMPARE(copies.size(), 1);
        QVERIFY(QRegularExpression(QStringLiteral("^crtlg\\.dat\\.conflict-\\d{8}-\\d{6}$"))
                    .match(copies[0])
                    .hasMatch());
        const QString szCopy = m_szFolder + u'/' + copies[0];
        QCOMPARE(ReadAll(szCopy), Encoded());
        QCOMPARE(m_conflicts, QList<QStringList>{(QStringList{m_szFile, szCopy})});
        QCOMPARE(m_saver->TargetFile(), szCopy);

        // The run goes on saving into its copy; theirs stays, and the user is told once.
        Type(QStringLiteral("126"));
        QVERIFY(Pass(1000));
        QCOMPARE(m_iSaves, 2);
        QVERIFY(ReadAll(szCopy).contains("<S>126</S>"));
        QCOMPARE(ReadAll(m_szFile), theirs);
        QCOMPARE(ConflictCopies(m_szFile).size(), 1);
        QCOMPARE(m_conflicts.size(), 1);
        QCOMPARE(m_saver->SaveNow().eKind, DataFileSaver::kUpToDate);
    }

    void fileRemovedIsWrittenAgain() {
        const QByteArray loaded = "<CORVALEN TENSIOLOG>\r\n</CORVALEN TENSIOLOG>\r\n";
        Start(&loaded);
        QVERIFY(QFile::remove(m_szFile));
        Type(QStringLiteral("128"));
        QVERIFY(Pass(1000));
        QCOMPARE(m_iSaves, 1);
        QCOMPARE(ReadAll(m_szFile), Encoded());
        QVERIFY(m_conflicts.isEmpty());
    }

    void copyBesideNeverReplacesAnEarlierOne() {
        const QDateTime dtWhen(QDate(2026, 12, 7), QTime(14, 30, 0));
        const QString szFirst = m_szFile + QStringLiteral(".conflict-20261207-143000");
        QVERIFY(WriteAll(szFirst, "earlier"));
        QString szReason;
        QCOMPARE(WriteCopyBeside(m_szFile, QStringLiteral(".conflict-"), dtWhen, "ours", &szReason),
                 szFirst + QStringLiteral("-2"));
        QCOMPARE(ReadAll(szFirst), QByteArray("earlier"));
        QCOMPARE(ReadAll(szFirst + QStringLiteral("-2")), QByteArray("ours"));
        QCOMPARE(QFile::permissions(szFirst + QStringLiteral("-2")) & kOwnerGroupOther, kOwnerOnly);
    }

    // On a full disk the file keeps its old bytes and the system's reason is given (a write
    // smaller than Qt's buffer would otherwise fail only inside the commit, unseen).
    void fullDiskKeepsTheOldFile() {
        SmallDisk disk(m_dir->filePath(QStringLiteral("small")));
        if (!disk.Mounted()) {
            QSKIP("needs to mount a small file system of its own (root)");
        }
        const QString szFile = m_dir->filePath(QStringLiteral("small/crtlg.dat"));
        const QByteArray old(20000, 'o');
        QVERIFY(WriteAll(szFile, old));
        QVERIFY(disk.LeaveFree(0));
        QString szReason;
        QVERIFY(!WriteFileSafely(szFile, QByteArray(8000, 'n'), std::nullopt, &szReason));
        QVERIFY(!szReason.isEmpty());
        QCOMPARE(ReadAll(szFile), old);
    }

    // The three ways the first save of a run can keep its backup: the old file itself, swapped
    // out; a second name of it; a copy made once the save is in place.
    static void AddSwapWays() {
        QTest::addColumn<bool>("bExchange");
        QTest::addColumn<bool>("bHardLink");
        QTest::newRow("swapped in one step") << true << true;
        QTest::newRow("checked just before, linked") << false << true;
        QTest::newRow("checked just before, copied") << false << false;
    }

    // A nearly full disk (28 KB free, a 17.6 KB diary) has room for the save: the backup takes
    // none of it before the save is in place.
    void firstSaveOnNearlyFullDisk_data() { AddSwapWays(); }
    void firstSaveOnNearlyFullDisk() {
        QFETCH(bool, bExchange);
        QFETCH(bool, bHardLink);
        SmallDisk disk(m_dir->filePath(QStringLiteral("small")));
        if (!disk.Mounted()) {
            QSKIP("needs to mount a small file system of its own (root)");
        }
        SwapTestHooks hooks;
        hooks.bNoExchange = !bExchange;
        hooks.bNoHardLink = !bHardLink;
        const ScopedHook<SwapTestHooks> scoped(SetSwapTestHooks, hooks);
        m_szFile = m_dir->filePath(QStringLiteral("small/crtlg.dat"));
        const QByteArray loaded = QByteArray(17600, 'o');
        QVERIFY(WriteAll(m_szFile, loaded));
        QVERIFY(disk.LeaveFree(28 * 1024));
        Start(nullptr, {}, QString(17500, u'c'));

        Type(QStringLiteral("135"));
        const DataFileSaver::Result result = m_saver->SaveNow();
        QVERIFY2(result.eKind == DataFileSaver::kWritten, qPrintable(result.szReason));
        QCOMPARE(ReadAll(m_szFile), Encoded());
        QCOMPARE(ReadAll(m_saver->BackupFile()), loaded);
        QCOMPARE(LeftBehind(m_szFile), QStringList());
    }

    // Another program puts its file in place at the last moment of a save, after the first
    // check: theirs is never lost, ours goes to a conflict copy, and the user is told both names.
    void changedAtTheSwap_data() {
        QTest::addColumn<bool>("bExchange");
        QTest::addColumn<bool>("bLoadedFile");
        QTest::addColumn<QString>("szChange");
        QTest::addColumn<bool>("bConflict");
        for (const bool bExchange : {true, false}) {
            const char* szWay = bExchange ? "swapped" : "checked just before";
            const auto row = [szWay](const char* szCase) -> QTestData& {
                return QTest::newRow(qPrintable(
                    QStringLiteral("%1, %2").arg(QLatin1String(szWay), QLatin1String(szCase))));
            };
            row("renamed over it") << bExchange << true << u"rename"_qs << true;
            row("written into it") << bExchange << true << u"write"_qs << true;
            row("made where there was none") << bExchange << false << u"rename"_qs << true;
            row("removed") << bExchange << true << u"remove"_qs << false;
        }
    }
    void changedAtTheSwap() {
        QFETCH(bool, bExchange);
        QFETCH(bool, bLoadedFile);
        QFETCH(QString, szChange);
        QFETCH(bool, bConflict);
        const QByteArray loaded = "<CORVALEN TENSIOLOG>\r\n</CORVALEN TENSIOLOG>\r\n";
        const QByteArray theirs =
            "<CORVALEN TENSIOLOG>\r\n\t<THEIRS/>\r\n</CORVALEN TENSIOLOG>\r\n";
        SwapTestHooks hooks;
        hooks.bNoExchange = !bExchange;
        int iCalls = 0;
        // Runs on the saver's worker: what it saw is checked once the save is reported.
        QString szSeen;
        bool bChanged = false;
        hooks.beforeSwap = [&](const QString& szPath) {
            // Only the first save meets the other program.
            if (++iCalls > 1) {
                return;
            }
            szSeen = szPath;
            if (szChange == u"rename"_qs) {
                bChanged = RenameOver(szPath, theirs);
            } else if (szChange == u"write"_qs) {
                bChanged = WriteAll(szPath, theirs);
            } else {
                bChanged = QFile::remove(szPath);
            }
        };
        const ScopedHook<SwapTestHooks> scoped(SetSwapTestHooks, hooks);
        Start(bLoadedFile ? &loaded : nullptr);

        Type(QStringLiteral("125"));
        QVERIFY(Pass(1000));
        QCOMPARE(m_iSaves, 1);
        QCOMPARE(iCalls, 1);
        QCOMPARE(szSeen, m_szFile);
        QVERIFY(bChanged);

        QCOMPARE(LeftBehind(m_szFile), QStringList());
        if (!bConflict) {
            QCOMPARE(ReadAll(m_szFile), Encoded());
            QVERIFY(m_conflicts.isEmpty());
            return;
        }
        QCOMPARE(ReadAll(m_szFile), theirs);
        const QStringList copies = ConflictCopies(m_szFile);
        QCOMPARE(copies.size(), 1);
        const QString szCopy = m_szFolder + u'/' + copies[0];
        QCOMPARE(ReadAll(szCopy), Encoded());
        QCOMPARE(m_conflicts, QList<QStringList>{(QStringList{m_szFile, szCopy})});
        // Theirs is not taken for the file as loaded either.
        QVERIFY(!QFile::exists(m_saver->BackupFile()));
        // Later saves go to the copy and leave theirs alone.
        Type(QStringLiteral("126"));
        QVERIFY(Pass(1000));
        QCOMPARE(m_iSaves, 2);
        QVERIFY(ReadAll(szCopy).contains("<S>126</S>"));
        QCOMPARE(ReadAll(m_szFile), theirs);
    }

    // A save whose file is in place has worked, even when the folder cannot be synced after it:
    // the next save is no conflict, and the warning says why.
    void unsyncedFolderIsStillASave_data() {
        QTest::addColumn<bool>("bExchange");
        QTest::newRow("swapped in one step") << true;
        QTest::newRow("checked just before") << false;
    }
    void unsyncedFolderIsStillASave() {
        QFETCH(bool, bExchange);
        SwapTestHooks hooks;
        hooks.bNoExchange = !bExchange;
        hooks.syncFolder = [](QString* pszReason) {
            *pszReason = QStringLiteral("Input/output error");
            return false;
        };
        const ScopedHook<SwapTestHooks> scoped(SetSwapTestHooks, hooks);
        const QByteArray loaded = "<CORVALEN TENSIOLOG>\r\n</CORVALEN TENSIOLOG>\r\n";
        Start(&loaded);

        Type(QStringLiteral("135"));
        QVERIFY(Pass(1000));
        QCOMPARE(m_iSaves, 1);
        Type(QStringLiteral("136"));
        QVERIFY(Pass(1000));
        QCOMPARE(m_iSaves, 2);
        Type(QStringLiteral("137"));
        const DataFileSaver::Result result = m_saver->SaveNow();
        QCOMPARE(result.eKind, DataFileSaver::kWritten);
        QCOMPARE(result.szFile, m_szFile);
        QVERIFY2(result.szWarning.contains(u"Input/output error"_qs), qPrintable(result.szWarning));
        QCOMPARE(ReadAll(m_szFile), Encoded());
        QCOMPARE(ReadAll(m_saver->BackupFile()), loaded);
        QVERIFY(m_conflicts.isEmpty());
        QCOMPARE(ConflictCopies(m_szFile), QStringList());
        QVERIFY(m_warnings.isEmpty());

        // Every other safe write (exports, notes) takes it the same way.
        QString szReason;
        QString szWarning;
        const QString szExport = m_szFolder + QStringLiteral("/export.csv");
        QVERIFY(WriteFileSafely(szExport, "a,b\r\n", std::nullopt, &szReason, &szWarning));
        QVERIFY(szWarning.contains(u"Input/output error"_qs));
        QCOMPARE(ReadAll(szExport), QByteArray("a,b\r\n"));
    }

    // A data file reached through a link is saved where the link leads, on the same disk or
    // another one; the link stays, and the backup is kept beside the link.
    // Starts a saver on a file that holds the document as loaded, merging a file changed
    // elsewhere into it; what each merge said goes to m_merged.
    void StartMerging(DataFileSaver::Timing timing = {}, const QString& szComment = {}) {
        StartDiary(QStringLiteral("120"), szComment);
        const QByteArray loaded = Encoded();
        Start(&loaded, timing, szComment);
        m_saver->SetMerger([](const QByteArray& base, const QByteArray& theirs) {
            return SaverOutcomeOf(MergeFileInto(objReadings, base, theirs));
        });
        m_saver->onMerged = [this](const DataFileSaver::MergeOutcome& outcome,
                                   const QString& szCopy) {
            m_merged << QString::fromLatin1(outcome.bDiffersFromTheirs ? "+" : "=") +
                            QString::fromLatin1(outcome.bKeepTheirs ? "! " : " ") + szCopy;
        };
    }

    // Their file: the one loaded with szSystolic for the loaded day and, unless null, a further
    // day 20261208 with its own systolic value.
    QByteArray Theirs(const char* szSystolic, const char* szAddedSystolic) {
        QByteArray theirs = ReadAll(m_szFile);
        theirs.replace("<S>120</S>", QByteArray("<S>") + szSystolic + "</S>");
        if (szAddedSystolic != nullptr) {
            theirs.replace("\t</READINGS>",
                           DayBlock("20261208", szAddedSystolic) + "\t</READINGS>");
        }
        return theirs;
    }

    void changedElsewhereWhileTypingIsMerged_data() {
        QTest::addColumn<QByteArray>("theirSystolic");
        QTest::addColumn<QByteArray>("theirAddedDay");
        QTest::addColumn<bool>("bRenameOver");
        QTest::addColumn<bool>("bConflict");
        QTest::addColumn<bool>("bWritten");
        QTest::addColumn<QByteArray>("diskSystolic");
        // This side types 125 on the loaded day each time.
        QTest::newRow("they add a day")
            << QByteArray("120") << QByteArray("130") << true << false << true << QByteArray("125");
        QTest::newRow("they add a day in place") << QByteArray("120") << QByteArray("131") << false
                                                 << false << true << QByteArray("125");
        QTest::newRow("same value typed on both")
            << QByteArray("125") << QByteArray() << true << false << false << QByteArray("125");
        QTest::newRow("same value typed differently")
            << QByteArray("140") << QByteArray("130") << true << true << true << QByteArray("125");
    }

    void changedElsewhereWhileTypingIsMerged() {
        QFETCH(QByteArray, theirSystolic);
        QFETCH(QByteArray, theirAddedDay);
        QFETCH(bool, bRenameOver);
        QFETCH(bool, bConflict);
        QFETCH(bool, bWritten);
        QFETCH(QByteArray, diskSystolic);
        StartMerging();
        const QByteArray theirs =
            Theirs(theirSystolic.constData(),
                   theirAddedDay.isEmpty() ? nullptr : theirAddedDay.constData());
        QVERIFY(bRenameOver ? RenameOver(m_szFile, theirs) : WriteAll(m_szFile, theirs));

        Type(QStringLiteral("125"));
        QVERIFY(Pass(1000));
        const QByteArray disk = ReadAll(m_szFile);
        QVERIFY(disk.contains("<S>" + diskSystolic + "</S>"));
        if (!theirAddedDay.isEmpty()) {
            QVERIFY(disk.contains(DayBlock("20261208", theirAddedDay.constData())));
            QVERIFY(Encoded().contains(DayBlock("20261208", theirAddedDay.constData())));
        }
        QCOMPARE(disk == theirs, !bWritten);
        if (bWritten) {
            QCOMPARE(disk, Encoded());
        }
        QVERIFY(!m_saver->HasUnsavedChanges());
        QCOMPARE(m_saver->TargetFile(), m_szFile);
        QVERIFY(m_conflicts.isEmpty());
        QCOMPARE(m_merged.size(), 1);
        const QStringList copies = ConflictCopies(m_szFile);
        QCOMPARE(copies.size(), bConflict ? 1 : 0);
        if (bConflict) {
            // Their diary, whole, until the user picks.
            const QString szCopy = m_szFolder + u'/' + copies[0];
            QCOMPARE(ReadAll(szCopy), theirs);
            QCOMPARE(m_merged[0], QStringLiteral("+! ") + szCopy);
        } else {
            QCOMPARE(m_merged[0], (bWritten ? QStringLiteral("+ ") : QStringLiteral("= ")));
        }

        // Later saves go on merging against the file as merged: one more change elsewhere.
        const QByteArray again = ReadAll(m_szFile).replace(
            "\t</READINGS>", DayBlock("20261209", "150") + "\t</READINGS>");
        QVERIFY(RenameOver(m_szFile, again));
        Type(QStringLiteral("126"));
        QCOMPARE(m_saver->SaveNow().eKind, DataFileSaver::kWritten);
        QVERIFY(ReadAll(m_szFile).contains("<S>126</S>"));
        QVERIFY(ReadAll(m_szFile).contains(DayBlock("20261209", "150")));
        QCOMPARE(ConflictCopies(m_szFile).size(), bConflict ? 1 : 0);
    }

    // The base of a merge is what this run last wrote, however it is held: compressed by the
    // worker, or still in the encoding buffer after a save made at once. A stale base would
    // make the typed value and theirs a conflict.
    void baseHeldAnyWayMergesAlike_data() {
        QTest::addColumn<qsizetype>("lPackFrom");
        QTest::newRow("compressed") << qsizetype(0);
        QTest::newRow("as encoded") << qsizetype(1);
    }
    void baseHeldAnyWayMergesAlike() {
        QFETCH(qsizetype, lPackFrom);
        DataFileSaver::Timing timing;
        timing.lPackBaseFrom = lPackFrom == 0 ? 0 : std::numeric_limits<qsizetype>::max();
        StartMerging(timing);
        const auto theyAddADay = [this](const char* szDay, const char* szSystolic) {
            const QByteArray theirs = ReadAll(m_szFile).replace(
                "\t</READINGS>", DayBlock(szDay, szSystolic) + "\t</READINGS>");
            return RenameOver(m_szFile, theirs);
        };
        const char* const days[] = {"20261201", "20261202", "20261203", "20261204"};
        const char* const typed[] = {"125", "126", "127", "128"};
        for (int i = 0; i < 4; ++i) {
            // a background save, a save made at once, then background saves after it
            Type(QString::fromLatin1(typed[i]));
            if (i == 1) {
                QCOMPARE(m_saver->SaveNow().eKind, DataFileSaver::kWritten);
            } else {
                QVERIFY(Pass(1000));
            }
            QVERIFY(!m_saver->HasUnsavedChanges());
            QVERIFY(theyAddADay(days[i], "150"));
        }
        Type(QStringLiteral("129"));
        QVERIFY(Pass(1000));
        QByteArray disk = ReadAll(m_szFile);
        QVERIFY(disk.contains("<S>129</S>"));
        for (const char* szDay : days) {
            QVERIFY2(disk.contains(DayBlock(szDay, "150")), szDay);
        }
        QCOMPARE(disk, Encoded());
        // They take out a day both sides held: only a base that holds it tells that they did.
        QVERIFY(RenameOver(m_szFile, QByteArray(disk).replace(DayBlock(days[0], "150"), "")));
        Type(QStringLiteral("130"));
        QVERIFY(Pass(1000));
        disk = ReadAll(m_szFile);
        QVERIFY(disk.contains("<S>130</S>"));
        QVERIFY(!disk.contains(DayBlock(days[0], "150")));
        QVERIFY(disk.contains(DayBlock(days[3], "150")));
        QVERIFY(ConflictCopies(m_szFile).isEmpty());
        QVERIFY(m_conflicts.isEmpty());
        QCOMPARE(m_merged, QStringList(5, QStringLiteral("+ ")));
    }

    // A large diary's bytes as read are compressed on the worker once the program has a
    // moment: they stay the base of the first merge, also when a save or a second request came
    // first. Only a base that holds 120 tells that their 140 is a change of theirs alone, to be
    // taken without a conflict.
    void baseAsReadCompressedAtStart_data() {
        QTest::addColumn<int>("iRequests");
        QTest::addColumn<bool>("bDuringSave");
        QTest::newRow("asked once") << 1 << false;
        QTest::newRow("asked twice") << 2 << false;
        QTest::newRow("asked during a save") << 1 << true;
    }
    void baseAsReadCompressedAtStart() {
        QFETCH(int, iRequests);
        QFETCH(bool, bDuringSave);
        DataFileSaver::Timing timing;
        timing.lPackBaseFrom = 0;
        StartMerging(timing);
        if (bDuringSave) {
            // A save that leaves the file as it was: the base stays the bytes as read.
            m_saver->NoteChange();
            m_timers->Advance(1000);
            QVERIFY(m_saver->IsSaving());
        }
        // Nothing runs on the worker until it is asked for.
        QCOMPARE(m_saver->IsSaving(), bDuringSave);
        for (int i = 0; i < iRequests; ++i) {
            m_saver->PackReadBytes();
            QVERIFY(m_saver->IsSaving()); // the compression, or the save that packs its base
        }
        QVERIFY(WaitUntilIdle());
        QVERIFY(RenameOver(m_szFile, Theirs("140", "131")));
        m_saver->NoteChange(); // a change that leaves the readings as they were loaded
        QVERIFY(Pass(1000));
        const QByteArray disk = ReadAll(m_szFile);
        QVERIFY(disk.contains("<S>140</S>"));
        QVERIFY(disk.contains(DayBlock("20261208", "131")));
        QVERIFY(ConflictCopies(m_szFile).isEmpty());
        QCOMPARE(m_merged, QStringList(QStringLiteral("= ")));
    }

    // A large diary's bytes as read are let go of while its window is made: the base of the
    // first merge is read again from the file (compressed piece by piece as it is read, or read
    // back for a save that comes first), but only while the file is still the version read.
    // Only that base tells that their 140 is a change of theirs alone. A file changed before
    // it was read again leaves no base: their 140 and this run's 120 both stay.
    void readBytesLetGo_data() {
        QTest::addColumn<int>("iCommentKb");
        QTest::addColumn<bool>("bPack");
        QTest::addColumn<QString>("szEarly");
        QTest::addColumn<bool>("bBaseKept");
        QTest::newRow("compressed from the file") << 0 << true << QString() << true;
        QTest::newRow("compressed in several pieces") << 600 << true << QString() << true;
        QTest::newRow("read back for the first save") << 0 << false << QString() << true;
        QTest::newRow("renamed over before it was compressed")
            << 0 << true << QStringLiteral("rename") << false;
        QTest::newRow("written in place before it was compressed")
            << 0 << true << QStringLiteral("in place") << false;
        QTest::newRow("renamed over before the first save")
            << 0 << false << QStringLiteral("rename") << false;
    }
    void readBytesLetGo() {
        QFETCH(int, iCommentKb);
        QFETCH(bool, bPack);
        QFETCH(QString, szEarly);
        QFETCH(bool, bBaseKept);
        DataFileSaver::Timing timing;
        timing.lPackBaseFrom = 0;
        StartMerging(timing, QString(iCommentKb * 1024, u'x'));
        m_saver->LetGoOfReadBytes();
        if (szEarly == QLatin1String("rename")) {
            QVERIFY(RenameOver(m_szFile, Theirs("140", "131")));
        } else if (szEarly == QLatin1String("in place")) {
            // The same size: only its time tells.
            const QDateTime dtBefore = QFileInfo(m_szFile).lastModified();
            QVERIFY(WriteAll(m_szFile, Theirs("140", nullptr)));
            QFile file(m_szFile);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(dtBefore.addSecs(2), QFileDevice::FileModificationTime));
        }
        if (bPack) {
            m_saver->PackReadBytes();
            QVERIFY(m_saver->IsSaving());
            QVERIFY(WaitUntilIdle());
        } else {
            m_saver->NoteChange(); // a save that finds the readings as loaded
            QVERIFY(Pass(1000));
        }
        if (szEarly.isEmpty()) {
            QVERIFY(RenameOver(m_szFile, Theirs("140", "131")));
            m_saver->NoteChange();
            QVERIFY(Pass(1000));
        } else if (bPack) {
            m_saver->NoteChange();
            QVERIFY(Pass(1000));
        }
        const QByteArray disk = ReadAll(m_szFile);
        if (bBaseKept) {
            QVERIFY(disk.contains("<S>140</S>"));
            QVERIFY(disk.contains(DayBlock("20261208", "131")));
            QVERIFY(ConflictCopies(m_szFile).isEmpty());
            QCOMPARE(m_merged, QStringList(QStringLiteral("= ")));
            return;
        }
        // Without a version in common, the day keeps both as two readings of its own.
        QVERIFY(disk.contains("<S>120</S>"));
        QVERIFY(disk.contains("<S>140</S>"));
        if (szEarly == QLatin1String("rename")) {
            QVERIFY(disk.contains(DayBlock("20261208", "131")));
        }
        QCOMPARE(m_merged, QStringList(QStringLiteral("+ ")));
    }

    void changeElsewhereWithNothingUnsavedIsTakenIn_data() {
        QTest::addColumn<bool>("bSaving");
        QTest::newRow("idle") << false;
        QTest::newRow("during a save") << true;
    }

    void changeElsewhereWithNothingUnsavedIsTakenIn() {
        QFETCH(bool, bSaving);
        StartMerging();
        if (bSaving) {
            Type(QStringLiteral("120"));
            m_timers->Advance(1000);
            QVERIFY(m_saver->IsSaving());
        }
        const QByteArray theirs = Theirs("121", "132");
        QVERIFY(RenameOver(m_szFile, theirs));
        m_saver->CheckDiskNow();
        QVERIFY(WaitUntilIdle());
        QVERIFY(Encoded().contains("<S>121</S>"));
        QVERIFY(Encoded().contains(DayBlock("20261208", "132")));
        // Nothing of this run was unsaved: their file stays as they wrote it.
        QCOMPARE(ReadAll(m_szFile), theirs);
        QVERIFY(!m_saver->HasUnsavedChanges());
        QCOMPARE(m_merged, QStringList{QStringLiteral("= ")});
        QCOMPARE(m_saver->SaveNow().eKind, DataFileSaver::kUpToDate);
        // Looking again finds nothing new.
        m_saver->CheckDiskNow();
        QCOMPARE(m_merged.size(), 1);
    }

    // A file seen while another program is still writing it in place is left for a later look:
    // the run neither merges it nor leaves its file.
    void halfWrittenFileIsLookedAtAgain() {
        StartMerging();
        const QByteArray theirs = Theirs("121", "133");
        QVERIFY(WriteAll(m_szFile, theirs.left(theirs.size() / 2)));
        m_saver->CheckDiskNow();
        QVERIFY(m_merged.isEmpty());
        QCOMPARE(m_saver->TargetFile(), m_szFile);
        QVERIFY(!m_saver->IsSaving());
        QVERIFY(WriteAll(m_szFile, theirs));
        m_saver->CheckDiskNow();
        QCOMPARE(m_merged, QStringList{QStringLiteral("= ")});
        QVERIFY(Encoded().contains(DayBlock("20261208", "133")));
        Type(QStringLiteral("125"));
        QVERIFY(Pass(1000));
        QVERIFY(ReadAll(m_szFile).contains(DayBlock("20261208", "133")));
        QVERIFY(ConflictCopies(m_szFile).isEmpty());
    }

    void unmergeableFileGoesBesideAConflictCopy() {
        StartMerging();
        const QByteArray theirs = "<OTHER>\r\n";
        QVERIFY(RenameOver(m_szFile, theirs));
        Type(QStringLiteral("125"));
        QVERIFY(Pass(1000));
        QCOMPARE(ReadAll(m_szFile), theirs);
        QCOMPARE(ConflictCopies(m_szFile).size(), 1);
        QCOMPARE(m_conflicts.size(), 1);
        QVERIFY(m_merged.isEmpty());
    }

    void linkedFileStaysALink_data() {
        QTest::addColumn<bool>("bExchange");
        QTest::addColumn<bool>("bHardLink");
        QTest::addColumn<bool>("bOtherDisk");
        for (const bool bOtherDisk : {false, true}) {
            const QString szDisk = bOtherDisk ? u"other disk"_qs : u"same disk"_qs;
            QTest::addRow("swapped, %s", qPrintable(szDisk)) << true << true << bOtherDisk;
            QTest::addRow("linked, %s", qPrintable(szDisk)) << false << true << bOtherDisk;
            QTest::addRow("copied, %s", qPrintable(szDisk)) << false << false << bOtherDisk;
        }
    }
    void linkedFileStaysALink() {
        QFETCH(bool, bExchange);
        QFETCH(bool, bHardLink);
        QFETCH(bool, bOtherDisk);
        SwapTestHooks hooks;
        hooks.bNoExchange = !bExchange;
        hooks.bNoHardLink = !bHardLink;
        const ScopedHook<SwapTestHooks> scoped(SetSwapTestHooks, hooks);
        const QString szSynced = m_dir->filePath(QStringLiteral("synced"));
        QVERIFY(QDir().mkpath(szSynced));
        SmallDisk disk(bOtherDisk ? szSynced : QString());
        if (bOtherDisk && !disk.Mounted()) {
            QSKIP("needs to mount a small file system of its own (root)");
        }
        const QString szReal = szSynced + QStringLiteral("/crtlg.dat");
        const QByteArray loaded = "<CORVALEN TENSIOLOG>\r\n</CORVALEN TENSIOLOG>\r\n";
        QVERIFY(WriteAll(szReal, loaded));
        QVERIFY(QFile::link(szReal, m_szFile));
        Start(nullptr);

        Type(QStringLiteral("140"));
        QCOMPARE(m_saver->SaveNow().eKind, DataFileSaver::kWritten);
        QVERIFY(QFileInfo(m_szFile).isSymLink());
        QCOMPARE(ReadAll(szReal), Encoded());
        QCOMPARE(ReadAll(m_saver->BackupFile()), loaded);
        QCOMPARE(LeftBehind(szReal), QStringList());
    }

    // Checking the file's version keeps none of its bytes and tells what reading it whole tells.
    void versionReadWithoutKeepingTheBytes_data() {
        QTest::addColumn<QString>("szKind");
        QTest::addColumn<qint64>("lSize");
        QTest::newRow("no file") << u"missing"_qs << qint64(0);
        QTest::newRow("empty file") << u"file"_qs << qint64(0);
        QTest::newRow("small file") << u"file"_qs << qint64(100);
        QTest::newRow("one piece exactly") << u"file"_qs << qint64(256 * 1024);
        QTest::newRow("several pieces") << u"file"_qs << qint64(3 * 256 * 1024 + 17);
        QTest::newRow("a folder") << u"folder"_qs << qint64(0);
    }
    void versionReadWithoutKeepingTheBytes() {
        QFETCH(QString, szKind);
        QFETCH(qint64, lSize);
        const QString szPath = m_dir->filePath(QStringLiteral("version-of"));
        if (szKind == u"file"_qs) {
            QByteArray bytes(static_cast<qsizetype>(lSize), Qt::Uninitialized);
            for (qsizetype i = 0; i < bytes.size(); ++i) {
                bytes[i] = static_cast<char>('a' + (i * 7 + i / 251) % 26);
            }
            QVERIFY(WriteAll(szPath, bytes));
        } else if (szKind == u"folder"_qs) {
            QVERIFY(QDir().mkpath(szPath));
        }
        const FileRead whole = ReadWholeFile(szPath);
        const FileRead version = ReadFileVersion(szPath);
        QCOMPARE(version.bOk, whole.bOk);
        QCOMPARE(version.bOk, szKind != u"folder"_qs);
        QCOMPARE(version.version.bExists, whole.version.bExists);
        QCOMPARE(version.version.lSize, lSize);
        QCOMPARE(version.version.hash, whole.version.hash);
        QCOMPARE(version.version.dtModified, whole.version.dtModified);
        QCOMPARE(version.szReason.isEmpty(), whole.szReason.isEmpty());
        QVERIFY(version.bytes.isEmpty());
        QVERIFY(SameContent(version.version, whole.version));
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    TestDataFileSaver test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_diary_saver.moc"
