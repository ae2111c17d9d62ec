// The data file's lock: only a running instance keeps another out; whatever else a lock file
// holds, or whoever left it, never locks the user out.

#include "diary/DataFileLock.h"
#include "tests/diary/LockHolder.h"
#include "tests/diary/PipeWatchdog.h"
#include "tests/support/FileBytes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

using namespace Qt::StringLiterals;

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

namespace {

// A lock file as QLockFile writes it, naming a process id and program.
QByteArray LockContent(qint64 lPid, const QString& szProgram) {
    return QByteArray::number(lPid) + '\n' + szProgram.toUtf8() + '\n' +
           QSysInfo::machineHostName().toUtf8() + '\n' + QSysInfo::machineUniqueId() + '\n' +
           QSysInfo::bootUniqueId() + '\n';
}

// A lock file written by tlg on another computer: its machine id differs from this one's.
QByteArray OtherComputersLock(const QByteArray& host, const QByteArray& machineId,
                              const QByteArray& since) {
    QByteArray lock = "4242\ntlg\n" + host + '\n';
    if (!machineId.isNull()) {
        lock += machineId + "\n5c1e0d7a-9f4b-4d8e-a0e1-2b3c4d5e6f70\n";
    }
    if (!since.isNull()) {
        lock += since + '\n';
    }
    return lock;
}

const QByteArray kOtherMachineId = "0123456789abcdef0123456789abcdef";

} // namespace

class TestDataFileLock : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_szFile;
    QString m_szLock;

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_szFile = m_dir->filePath(QStringLiteral("crtlg.dat"));
        m_szLock = m_szFile + QStringLiteral(".lock");
    }

    // Lock files that no running instance holds are taken over.
    void leftoverLockIsTakenOver_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("garbage") << QByteArray("\x01\xff not a lock at all\n\n");
        QTest::newRow("no process id") << QByteArray("\ntlg\nhost\n");
        QTest::newRow("this very process (its id used again)")
            << LockContent(QCoreApplication::applicationPid(),
                           QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    }

    void leftoverLockIsTakenOver() {
        QFETCH(QByteArray, content);
        QVERIFY(WriteAll(m_szLock, content));
        DataFileLock lock(m_szFile);
        QCOMPARE(lock.Acquire(), DataFileLock::kLocked);
        QVERIFY(lock.IsLocked());
        // The lock file now names this process.
        QVERIFY(ReadAll(m_szLock).startsWith(
            QByteArray::number(QCoreApplication::applicationPid()) + '\n'));
    }

    void lockOfEndedProcessIsTakenOver() {
        LockHolder holder;
        QVERIFY(holder.Start(m_szFile));
        holder.Kill();
        QVERIFY(QFileInfo::exists(m_szLock));
        DataFileLock lock(m_szFile);
        QCOMPARE(lock.Acquire(), DataFileLock::kLocked);
    }

    void runningInstanceKeepsOthersOut() {
        LockHolder holder;
        QVERIFY(holder.Start(m_szFile));
        const QByteArray before = ReadAll(m_szLock);
        DataFileLock lock(m_szFile);
        QCOMPARE(lock.Acquire(), DataFileLock::kHeldByRunning);
        QCOMPARE(lock.HolderPid(), holder.Pid());
        QVERIFY(!lock.IsLocked());
        // The holder's lock is left exactly as it was.
        QCOMPARE(ReadAll(m_szLock), before);
    }

    void secondLockInThisProcessIsRefused() {
        DataFileLock first(m_szFile);
        QCOMPARE(first.Acquire(), DataFileLock::kLocked);
        DataFileLock second(m_szFile);
        QCOMPARE(second.Acquire(), DataFileLock::kHeldByRunning);
        QCOMPARE(second.HolderPid(), QCoreApplication::applicationPid());
        first.Release();
        QVERIFY(!QFileInfo::exists(m_szLock));
        QCOMPARE(second.Acquire(), DataFileLock::kLocked);
    }

    // A lock written on another computer cannot be checked by its process: it refuses, says
    // which computer and since when, and is taken over only when asked.
    void lockFromAnotherComputer_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("szHost");
        QTest::addColumn<QDateTime>("dtSince");
        const QDateTime dtWritten(QDate(2026, 12, 1), QTime(8, 30), Qt::UTC);
        // Older locks tell the time by the file's own.
        const QDateTime dtFileTime(QDate(2026, 11, 20), QTime(19, 5), Qt::UTC);
        QTest::newRow("another computer")
            << OtherComputersLock("far-away-pc", kOtherMachineId, "2026-12-01T08:30:00Z")
            << QStringLiteral("far-away-pc") << dtWritten;
        QTest::newRow("a copied home folder: this computer's name, another machine id")
            << OtherComputersLock(QSysInfo::machineHostName().toUtf8(), kOtherMachineId,
                                  "2026-12-01T08:30:00Z")
            << QSysInfo::machineHostName() << dtWritten;
        QTest::newRow("an older lock without machine id or time")
            << OtherComputersLock("far-away-pc", QByteArray(), QByteArray())
            << QStringLiteral("far-away-pc") << dtFileTime;
        QTest::newRow("a time that cannot be read")
            << OtherComputersLock("far-away-pc", kOtherMachineId, "yesterday")
            << QStringLiteral("far-away-pc") << dtFileTime;
    }

    void lockFromAnotherComputer() {
        QFETCH(QByteArray, content);
        QFETCH(QString, szHost);
        QFETCH(QDateTime, dtSince);
        QVERIFY(WriteAll(m_szLock, content));
        {
            QFile file(m_szLock);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(QDateTime(QDate(2026, 11, 20), QTime(19, 5), Qt::UTC),
                                     QFileDevice::FileModificationTime));
        }
        DataFileLock lock(m_szFile);
        QCOMPARE(lock.Acquire(), DataFileLock::kHeldElsewhere);
        QVERIFY(!lock.IsLocked());
        QCOMPARE(lock.HolderHost(), szHost);
        QCOMPARE(lock.HolderPid(), qint64(4242));
        QCOMPARE(lock.HolderSince(), dtSince);
        const QString szText = lock.HeldElsewhereText();
        QVERIFY2(szText.contains(QStringLiteral("\"%1\"").arg(szHost)), qPrintable(szText));
        QVERIFY2(
            szText.contains(dtSince.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))),
            qPrintable(szText));
        QVERIFY2(szText.contains(QDir::toNativeSeparators(m_szLock)), qPrintable(szText));
        // Left exactly as it was.
        QCOMPARE(ReadAll(m_szLock), content);

        QCOMPARE(lock.Acquire(DataFileLock::kTakeOverOtherComputer), DataFileLock::kLocked);
        const QList<QByteArray> lines = ReadAll(m_szLock).split('\n');
        QCOMPARE(lines[0], QByteArray::number(QCoreApplication::applicationPid()));
        QCOMPARE(QString::fromUtf8(lines[2]), QSysInfo::machineHostName());
        // When it was taken, for a user who meets it on another computer.
        const QDateTime dtTaken =
            QDateTime::fromString(QString::fromLatin1(lines.value(5)), Qt::ISODate);
        QVERIFY2(qAbs(dtTaken.secsTo(QDateTime::currentDateTimeUtc())) < 60,
                 lines.value(5).constData());
        // Taking over is for another computer's lock only: a running instance here still
        // keeps others out.
        DataFileLock second(m_szFile);
        QCOMPARE(second.Acquire(DataFileLock::kTakeOverOtherComputer),
                 DataFileLock::kHeldByRunning);
    }

    // A renamed computer is the same computer (its machine id tells): its lock is judged by its
    // process, whose program ended long ago.
    void lockOfThisComputerUnderAnotherName() {
        if (QSysInfo::machineUniqueId().isEmpty()) {
            QSKIP("this system has no machine id to tell computers apart by");
        }
        QVERIFY(WriteAll(m_szLock, "4242\nno-such-program-of-tlg\nold-name\n" +
                                       QSysInfo::machineUniqueId() + '\n' +
                                       QSysInfo::bootUniqueId() + "\n2026-12-01T08:30:00Z\n"));
        DataFileLock lock(m_szFile);
        QCOMPARE(lock.Acquire(), DataFileLock::kLocked);
    }

    // Something that is not a lock file in its place is refused at once with what it is, and
    // never opened in a way that waits (a pipe would block the start for good).
    void notALockFile_data() {
        QTest::addColumn<QString>("szKind");
        QTest::addColumn<QString>("szTold");
        QTest::newRow("a folder") << QStringLiteral("folder") << QStringLiteral("is a folder");
#ifndef Q_OS_WIN
        QTest::newRow("a named pipe") << QStringLiteral("pipe") << QStringLiteral("named pipe");
        QTest::newRow("a link to a named pipe")
            << QStringLiteral("link to pipe") << QStringLiteral("named pipe");
        QTest::newRow("a link to a device")
            << QStringLiteral("link to device") << QStringLiteral("is a device");
#endif
    }

    void notALockFile() {
        QFETCH(QString, szKind);
        QFETCH(QString, szTold);
        QString szPipe;
        if (szKind == QStringLiteral("folder")) {
            QVERIFY(QDir().mkpath(m_szLock));
        }
#ifndef Q_OS_WIN
        if (szKind.endsWith(QStringLiteral("pipe"))) {
            szPipe = szKind == QStringLiteral("pipe") ? m_szLock : m_dir->filePath(u"pipe"_s);
            QCOMPARE(::mkfifo(QFile::encodeName(szPipe).constData(), 0600), 0);
        }
        if (szKind.startsWith(QStringLiteral("link"))) {
            QVERIFY(QFile::link(szPipe.isEmpty() ? u"/dev/null"_s : szPipe, m_szLock));
        }
#endif
        std::optional<PipeWatchdog> watchdog;
        if (!szPipe.isEmpty()) {
            watchdog.emplace(szPipe);
        }
        DataFileLock lock(m_szFile);
        QCOMPARE(lock.Acquire(), DataFileLock::kNotAFile);
        QVERIFY2(!watchdog || !watchdog->HadToRelease(),
                 "the lock file was opened and waited for a writer");
        QVERIFY(!lock.IsLocked());
        QVERIFY2(lock.Reason().contains(szTold), qPrintable(lock.Reason()));
        QVERIFY(lock.Reason().contains(QDir::toNativeSeparators(m_szLock)));
        // Left where it is.
        QVERIFY(QFileInfo(m_szLock).exists() || QFileInfo(m_szLock).isSymLink());
    }

    void lockFileIsForItsOwnerOnly() {
        {
            DataFileLock lock(m_szFile);
            QCOMPARE(lock.Acquire(), DataFileLock::kLocked);
            QCOMPARE(QFile::permissions(m_szLock) &
                         (QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                          QFileDevice::ReadOther | QFileDevice::WriteOther),
                     QFileDevice::Permissions());
        }
        // Released with the object.
        QVERIFY(!QFileInfo::exists(m_szLock));
    }

    // No lock can be written: the caller is told so and may go on.
    void unwritableLock_data() {
        QTest::addColumn<QString>("szCase");
        QTest::newRow("folder missing") << QStringLiteral("missing");
    }

    void unwritableLock() {
        QFETCH(QString, szCase);
        QString szFile = m_szFile;
        if (szCase == QStringLiteral("missing")) {
            szFile = m_dir->filePath(QStringLiteral("gone/crtlg.dat"));
        }
        DataFileLock lock(szFile);
        QCOMPARE(lock.Acquire(), DataFileLock::kNotWritable);
        QVERIFY(!lock.Reason().isEmpty());
        QVERIFY(!lock.IsLocked());
    }
};

int main(int argc, char** argv) {
    if (const std::optional<int> iHeld = HoldLockIfAsked()) {
        return *iHeld;
    }
    QCoreApplication app(argc, argv);
    TestDataFileLock test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_diary_lock.moc"
