// The data file's lock: only a running instance keeps another out; whatever else a lock file
// holds, or whoever left it, never locks the user out.

#include "app/util/DataFileLock.h"
#include "tests/app/util/LockHolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray ReadAll(const QString& szPath) {
    QFile file(szPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString& szPath, const QByteArray& bytes) {
    QFile file(szPath);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A lock file as QLockFile writes it, naming a process id and program.
QByteArray LockContent(qint64 lPid, const QString& szProgram) {
    return QByteArray::number(lPid) + '\n' + szProgram.toUtf8() + '\n' +
           QSysInfo::machineHostName().toUtf8() + '\n' + QSysInfo::machineUniqueId() + '\n' +
           QSysInfo::bootUniqueId() + '\n';
}

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
        QTest::newRow("a folder in the lock file's place") << QStringLiteral("folder");
    }

    void unwritableLock() {
        QFETCH(QString, szCase);
        QString szFile = m_szFile;
        if (szCase == QStringLiteral("missing")) {
            szFile = m_dir->filePath(QStringLiteral("gone/crtlg.dat"));
        } else {
            QVERIFY(QDir().mkpath(m_szLock));
        }
        DataFileLock lock(szFile);
        QCOMPARE(lock.Acquire(), DataFileLock::kNotWritable);
        QVERIFY(!lock.Reason().isEmpty());
        QVERIFY(!lock.IsLocked());
        if (szCase == QStringLiteral("folder")) {
            QVERIFY(QFileInfo(m_szLock).isDir());
        }
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

#include "test_apputil_lock.moc"
