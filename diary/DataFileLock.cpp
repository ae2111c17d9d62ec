#include "diary/DataFileLock.h"

#include "diary/SafeFile.h"
#include "i18n/LocalDates.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QLockFile>
#include <QMutex>
#include <QSet>
#include <QSysInfo>
#include <QThread>

#include <optional>

#ifndef Q_OS_WIN
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// How long a lock file without a readable process id may be in the making: a starting
// instance writes its id right after creating the file.
constexpr unsigned long kSettleMs = 100;

// Only the start of a lock file is read: a lock is a few short lines.
constexpr qint64 kLockBytesRead = 4096;

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

// What is found in the lock file's place.
struct FoundLockFile {
    enum Kind {
        // Nothing (or nothing that can be looked at).
        kNothing,
        // An ordinary file: its first bytes and its time.
        kOrdinary,
        // Anything else: szWhat says what ("a folder").
        kOther,
    };
    Kind eKind = kNothing;
    QString szWhat;
    QByteArray bytes;
    QDateTime dtModified;
};

#ifndef Q_OS_WIN
QString KindOfFile(mode_t mode) {
    if (S_ISFIFO(mode)) {
        return DataFileLock::tr("a named pipe (FIFO)");
    }
    if (S_ISDIR(mode)) {
        return DataFileLock::tr("a folder");
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return DataFileLock::tr("a device");
    }
    if (S_ISSOCK(mode)) {
        return DataFileLock::tr("a socket");
    }
    return DataFileLock::tr("not an ordinary file");
}
#endif

// Looks at the lock file's place without ever waiting: a pipe or a device is named, not opened,
// and what is opened is opened so that it cannot wait for a writer.
FoundLockFile InspectLockFile(const QString& szPath) {
    FoundLockFile found;
#ifndef Q_OS_WIN
    const QByteArray path = QFile::encodeName(szPath);
    struct stat status = {};
    if (::stat(path.constData(), &status) != 0) {
        return found;
    }
    if (!S_ISREG(status.st_mode)) {
        found.eKind = FoundLockFile::kOther;
        found.szWhat = KindOfFile(status.st_mode);
        return found;
    }
    found.eKind = FoundLockFile::kOrdinary;
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return found;
    }
    // Whatever took the name meanwhile is judged as what was opened.
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        found.eKind = FoundLockFile::kOther;
        found.szWhat = KindOfFile(status.st_mode);
        ::close(fd);
        return found;
    }
    found.bytes.resize(kLockBytesRead);
    qint64 lRead = 0;
    while (lRead < kLockBytesRead) {
        const ssize_t n = ::read(fd, found.bytes.data() + lRead, size_t(kLockBytesRead - lRead));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        lRead += n;
    }
    found.bytes.truncate(lRead);
    found.dtModified = QDateTime::fromSecsSinceEpoch(status.st_mtime, Qt::UTC);
    ::close(fd);
#else
    const QFileInfo info(szPath);
    if (!info.exists()) {
        return found;
    }
    if (!info.isFile()) {
        found.eKind = FoundLockFile::kOther;
        found.szWhat =
            info.isDir() ? DataFileLock::tr("a folder") : DataFileLock::tr("not an ordinary file");
        return found;
    }
    found.eKind = FoundLockFile::kOrdinary;
    QFile file(szPath);
    if (file.open(QIODevice::ReadOnly)) {
        found.bytes = file.read(kLockBytesRead);
    }
    found.dtModified = info.lastModified().toUTC();
#endif
    return found;
}

// Who a lock file names: the lines are the process id, the program, the computer's name, its
// machine id, its boot id (as QLockFile writes them), then the time the lock was taken.
struct LockOwner {
    qint64 lPid = 0;
    QString szHost;
    QDateTime dtSince;
    bool bThisComputer = true;
};

std::optional<LockOwner> OwnerOf(const FoundLockFile& found) {
    if (found.eKind != FoundLockFile::kOrdinary) {
        return std::nullopt;
    }
    const QList<QByteArray> lines = found.bytes.split('\n');
    if (lines.size() < 3) {
        return std::nullopt;
    }
    bool bNumber = false;
    LockOwner owner;
    owner.lPid = lines.constFirst().trimmed().toLongLong(&bNumber);
    if (!bNumber || owner.lPid <= 0) {
        return std::nullopt;
    }
    owner.szHost = QString::fromUtf8(lines.at(2)).trimmed();
    // The machine id tells computers apart where there is one (a renamed computer is the same
    // one); otherwise the name does.
    owner.bThisComputer = owner.szHost.isEmpty() || owner.szHost == QSysInfo::machineHostName();
    const QByteArray ownId = QSysInfo::machineUniqueId();
    if (lines.size() > 3 && !lines.at(3).trimmed().isEmpty() && !ownId.isEmpty()) {
        owner.bThisComputer = lines.at(3).trimmed() == ownId;
    }
    if (lines.size() > 5) {
        owner.dtSince =
            QDateTime::fromString(QString::fromLatin1(lines.at(5).trimmed()), Qt::ISODate);
    }
    if (!owner.dtSince.isValid()) {
        owner.dtSince = found.dtModified;
    }
    return owner;
}

// Who holds a lock file that could not be taken.
enum class HeldBy {
    // It changed meanwhile (another computer's now, or no lock file): to be judged again.
    kChanged,
    // A running process of this computer (pOwner).
    kRunning,
    // Nobody: empty, unreadable, or naming this process, which holds no such lock.
    kNobody,
};
HeldBy WhoHolds(const QString& szLockFile, qint64 lOwnPid, LockOwner* pOwner) {
    FoundLockFile held = InspectLockFile(szLockFile);
    std::optional<LockOwner> owner = OwnerOf(held);
    if (!owner && held.eKind == FoundLockFile::kOrdinary) {
        // Perhaps being written: given a moment.
        QThread::msleep(kSettleMs);
        held = InspectLockFile(szLockFile);
        owner = OwnerOf(held);
    }
    if (held.eKind == FoundLockFile::kOther || (owner && !owner->bThisComputer)) {
        return HeldBy::kChanged;
    }
    if (owner && owner->lPid != lOwnPid) {
        // A process of that id runs under that name.
        *pOwner = *owner;
        return HeldBy::kRunning;
    }
    return HeldBy::kNobody;
}

// Whether this process holds the lock file of that absolute path already.
bool HeldHere(const QString& szKey) {
    const QMutexLocker locker(&Held().mutex);
    return Held().paths.contains(szKey);
}

// Why a lock file could not be written, for a failure other than another holder.
QString WriteFailure(const QLockFile& lock, const QString& szNative) {
    return (lock.error() == QLockFile::PermissionError
                ? DataFileLock::tr("the folder of \"%1\" may not be written to")
                : DataFileLock::tr("\"%1\" could not be written"))
        .arg(szNative);
}

// A lock just taken: for the owner only, with the time it was taken, for a user who meets it
// on another computer.
void StampTakenLock(const QString& szLockFile) {
    QFile::setPermissions(szLockFile, kOwnerOnly);
    QFile file(szLockFile);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        file.write(QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toLatin1() + '\n');
    }
}

} // namespace

DataFileLock::DataFileLock(const QString& szDataFile)
    : m_szLockFile(szDataFile + QStringLiteral(".lock")) {}

DataFileLock::~DataFileLock() {
    Release();
}

DataFileLock::Outcome DataFileLock::Acquire(OtherComputer eOtherComputer) {
    if (IsLocked()) {
        return kLocked;
    }
    m_szReason.clear();
    SetHolder(0, QString(), QDateTime());
    const QString szKey = QFileInfo(m_szLockFile).absoluteFilePath();
    if (HeldHere(szKey)) {
        SetHolder(QCoreApplication::applicationPid(), QSysInfo::machineHostName(), QDateTime());
        return kHeldByRunning;
    }
    auto lock = std::make_unique<QLockFile>(m_szLockFile);
    // A lock is never stale for being old: the program keeps it as long as it runs. QLockFile
    // still takes over the lock of a process of this computer that has ended.
    lock->setStaleLockTime(0);
    for (int iAttempt = 0; iAttempt < 3; ++iAttempt) {
        const std::optional<Outcome> outcome = TryOnce(*lock, eOtherComputer);
        if (!outcome) {
            continue;
        }
        if (*outcome == kLocked) {
            const QMutexLocker locker(&Held().mutex);
            Held().paths.insert(szKey);
            m_lock = std::move(lock);
        }
        return *outcome;
    }
    m_szReason = tr("\"%1\" kept coming back").arg(QDir::toNativeSeparators(m_szLockFile));
    return kNotWritable;
}

std::optional<DataFileLock::Outcome> DataFileLock::TryOnce(QLockFile& lock,
                                                           OtherComputer eOtherComputer) {
    const QString szNative = QDir::toNativeSeparators(m_szLockFile);
    // Looked at first, without waiting: QLockFile would open a pipe in its place and wait for a
    // writer, and would keep another computer's lock for good.
    const FoundLockFile found = InspectLockFile(m_szLockFile);
    if (found.eKind == FoundLockFile::kOther) {
        //: %2: what is there ("a folder", "a named pipe (FIFO)")
        m_szReason = tr("\"%1\" is %2, not a lock file").arg(szNative, found.szWhat);
        return kNotAFile;
    }
    if (const std::optional<LockOwner> owner = OwnerOf(found); owner && !owner->bThisComputer) {
        if (eOtherComputer == kRefuseOtherComputer) {
            SetHolder(owner->lPid, owner->szHost, owner->dtSince);
            return kHeldElsewhere;
        }
        // Taken over on the user's word; the save's check of the data file keeps whatever the
        // other computer still writes.
        if (!QFile::remove(m_szLockFile)) {
            m_szReason = tr("\"%1\" could not be replaced").arg(szNative);
            return kNotWritable;
        }
    }
    if (TryLockOwnerOnly(lock)) {
        StampTakenLock(m_szLockFile);
        return kLocked;
    }
    if (lock.error() != QLockFile::LockFailedError) {
        m_szReason = WriteFailure(lock, szNative);
        return kNotWritable;
    }
    LockOwner owner;
    switch (WhoHolds(m_szLockFile, QCoreApplication::applicationPid(), &owner)) {
    case HeldBy::kChanged:
        return std::nullopt;
    case HeldBy::kRunning:
        SetHolder(owner.lPid, owner.szHost, owner.dtSince);
        return kHeldByRunning;
    case HeldBy::kNobody:
        break;
    }
    // Removing it fails while a process holds it open.
    if (!lock.removeStaleLockFile()) {
        m_szReason = tr("\"%1\" could not be replaced").arg(szNative);
        return kNotWritable;
    }
    return std::nullopt;
}

void DataFileLock::SetHolder(qint64 lPid, const QString& szHost, const QDateTime& dtSince) {
    m_lHolderPid = lPid;
    m_szHolderHost = szHost;
    m_dtHolderSince = dtSince;
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

QString DataFileLock::HolderHost() const {
    return m_szHolderHost;
}

QDateTime DataFileLock::HolderSince() const {
    return m_dtHolderSince;
}

QString DataFileLock::HeldElsewhereText() const {
    const QString szLock = QDir::toNativeSeparators(m_szLockFile);
    const QString szSince = m_dtHolderSince.isValid()
                                ? LocalDates::DateAndTime(m_dtHolderSince.toLocalTime())
                                : QString();
    if (m_szHolderHost.isEmpty()) {
        return szSince.isEmpty()
                   ? tr("The readings are open in Tensiolog on another computer (lock file "
                        "\"%1\").")
                         .arg(szLock)
                   //: %1: a date and time
                   : tr("The readings are open in Tensiolog on another computer since %1 (lock "
                        "file \"%2\").")
                         .arg(szSince, szLock);
    }
    return szSince.isEmpty()
               //: %1: the other computer's name
               ? tr("The readings are open in Tensiolog on the computer \"%1\" (lock file "
                    "\"%2\").")
                     .arg(m_szHolderHost, szLock)
               //: %1: the other computer's name, %2: a date and time
               : tr("The readings are open in Tensiolog on the computer \"%1\" since %2 (lock "
                    "file \"%3\").")
                     .arg(m_szHolderHost, szSince, szLock);
}
