#include "app/util/DataFileLock.h"

#include "app/util/SafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMutex>
#include <QSet>
#include <QThread>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

namespace {

// How long a lock file without a readable process id may be in the making: a starting
// instance writes its id right after creating the file.
constexpr unsigned long kSettleMs = 100;

// The lock files this process holds, by absolute path: a second lock of the same file in this
// process is refused like another instance's, while a leftover file naming this process's id
// is not.
struct HeldLocks {
    QMutex mutex;
    QSet<QString> paths;
};

HeldLocks& Held() {
    static HeldLocks held;
    return held;
}

// Tries the lock once; a new lock file is created for its owner only from the start.
bool TryLockOwnerOnly(QLockFile& lock) {
#ifndef Q_OS_WIN
    const mode_t previous = ::umask(S_IRWXG | S_IRWXO);
#endif
    const bool bLocked = lock.tryLock(0);
#ifndef Q_OS_WIN
    ::umask(previous);
#endif
    return bLocked;
}

} // namespace

DataFileLock::DataFileLock(const QString& szDataFile)
    : m_szLockFile(szDataFile + QStringLiteral(".lock")) {}

DataFileLock::~DataFileLock() {
    Release();
}

DataFileLock::Outcome DataFileLock::Acquire() {
    if (IsLocked()) {
        return kLocked;
    }
    m_szReason.clear();
    m_lHolderPid = 0;
    const QString szKey = QFileInfo(m_szLockFile).absoluteFilePath();
    const qint64 lOwnPid = QCoreApplication::applicationPid();
    {
        const QMutexLocker locker(&Held().mutex);
        if (Held().paths.contains(szKey)) {
            m_lHolderPid = lOwnPid;
            return kHeldByRunning;
        }
    }
    const QString szNative = QDir::toNativeSeparators(m_szLockFile);
    auto lock = std::make_unique<QLockFile>(m_szLockFile);
    // A lock is never stale for being old: the program keeps it as long as it runs. QLockFile
    // still takes over the lock of a process that has ended.
    lock->setStaleLockTime(0);
    for (int iAttempt = 0; iAttempt < 3; ++iAttempt) {
        if (TryLockOwnerOnly(*lock)) {
            QFile::setPermissions(m_szLockFile, kOwnerOnly);
            const QMutexLocker locker(&Held().mutex);
            Held().paths.insert(szKey);
            m_lock = std::move(lock);
            return kLocked;
        }
        if (lock->error() == QLockFile::PermissionError) {
            m_szReason = QStringLiteral("the folder of \"%1\" may not be written to").arg(szNative);
            return kNotWritable;
        }
        if (lock->error() != QLockFile::LockFailedError) {
            m_szReason = QStringLiteral("\"%1\" could not be written").arg(szNative);
            return kNotWritable;
        }
        qint64 lPid = 0;
        QString szHost;
        QString szApp;
        bool bKnown = lock->getLockInfo(&lPid, &szHost, &szApp);
        if (!bKnown) {
            QThread::msleep(kSettleMs);
            bKnown = lock->getLockInfo(&lPid, &szHost, &szApp);
        }
        if (bKnown && lPid != lOwnPid) {
            // A process of that id runs under that name (or on another machine).
            m_lHolderPid = lPid;
            return kHeldByRunning;
        }
        // Empty or unreadable, or naming this process although this process holds no such
        // lock: no running instance's. Removing it fails while a process holds it open.
        if (!lock->removeStaleLockFile()) {
            m_szReason = QStringLiteral("\"%1\" could not be replaced").arg(szNative);
            return kNotWritable;
        }
    }
    m_szReason = QStringLiteral("\"%1\" kept coming back").arg(szNative);
    return kNotWritable;
}

void DataFileLock::Release() {
    if (!m_lock) {
        return;
    }
    m_lock->unlock();
    m_lock.reset();
    const QMutexLocker locker(&Held().mutex);
    Held().paths.remove(QFileInfo(m_szLockFile).absoluteFilePath());
}

bool DataFileLock::IsLocked() const {
    return m_lock != nullptr;
}

QString DataFileLock::LockFilePath() const {
    return m_szLockFile;
}

QString DataFileLock::Reason() const {
    return m_szReason;
}

qint64 DataFileLock::HolderPid() const {
    return m_lHolderPid;
}
