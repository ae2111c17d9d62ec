#include "diary/SafeFile.h"

#include "xmlstore/ReadyMemory.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <mutex>
#include <system_error>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

struct SafeFile {
    Q_DECLARE_TR_FUNCTIONS(SafeFile)
};

const char* const kNotOrdinary = QT_TRANSLATE_NOOP("SafeFile", "it is not an ordinary file");

// The system's words for an error number (safe on any thread).
QString SystemReason(int iError) {
    return QString::fromStdString(std::generic_category().message(iError));
}

// Pushes what was written through an open file to the disk; false with pszReason on failure.
bool SyncHandle(int iHandle, QString* pszReason) {
    if (iHandle < 0) {
        return true;
    }
#ifdef Q_OS_WIN
    if (::_commit(iHandle) != 0) {
        *pszReason = SystemReason(errno);
        return false;
    }
#else
    if (::fsync(iHandle) != 0 && errno != EINVAL) {
        *pszReason = SystemReason(errno);
        return false;
    }
#endif
    return true;
}

// Writes all of bytes to an open file and pushes them to the disk, checking that every byte
// arrived (a full disk may show only in the flush); false with pszReason on failure.
bool WriteAllToDisk(QFileDevice& file, const QByteArray& bytes, QString* pszReason) {
    qint64 lDone = 0;
    while (lDone < bytes.size()) {
        const qint64 lWritten = file.write(bytes.constData() + lDone, bytes.size() - lDone);
        if (lWritten <= 0) {
            *pszReason = file.errorString();
            return false;
        }
        lDone += lWritten;
    }
    if (!file.flush()) {
        *pszReason = file.errorString();
        return false;
    }
    if (file.size() != bytes.size()) {
        //: %1 and %2: numbers of bytes
        *pszReason =
            SafeFile::tr("only %1 of %2 bytes reached the disk").arg(file.size()).arg(bytes.size());
        return false;
    }
    return SyncHandle(file.handle(), pszReason);
}

std::mutex g_hooksMutex;
SwapTestHooks g_hooks;

SwapTestHooks Hooks() {
    const std::lock_guard<std::mutex> lock(g_hooksMutex);
    return g_hooks;
}

// Syncs the folder after a swap; the swap has worked either way, so a failure is a warning.
void SyncFolderAfterSwap(const QString& szPath, const SwapTestHooks& hooks, QString* pszWarning) {
    QString szReason;
    const bool bOk =
        hooks.syncFolder ? hooks.syncFolder(&szReason) : SyncFolderOf(szPath, &szReason);
    if (!bOk && pszWarning != nullptr) {
        //: %1: a file, %2: the system's reason
        *pszWarning = SafeFile::tr("%1 was saved, but its folder could not be synced to disk "
                                   "(%2): a power cut soon may undo the save")
                          .arg(QDir::toNativeSeparators(szPath), szReason);
    }
}

// The file a write to szPath replaces: the target of a link, followed as QSaveFile follows it.
QString FinalPath(const QString& szPath) {
    QFileInfo info(szPath);
    for (int i = 0; i < 128 && info.isSymLink(); ++i) {
        info.setFile(info.symLinkTarget());
    }
    return info.isSymLink() ? szPath : info.filePath();
}

// Writes bytes to a new file beside szFinal, with the given permissions, checked and synced to
// disk; its path, or empty text and pszReason.
QString WriteBeside(const QString& szFinal, const QByteArray& bytes,
                    QFileDevice::Permissions permissions, QString* pszReason) {
    QTemporaryFile file(szFinal + QStringLiteral(".XXXXXX"));
    if (!file.open()) {
        *pszReason = file.errorString();
        return {};
    }
    file.setPermissions(permissions);
    if (!WriteAllToDisk(file, bytes, pszReason)) {
        return {};
    }
    file.setAutoRemove(false);
    file.close();
    return file.fileName();
}

#ifdef Q_OS_WIN
const wchar_t* Wide(const QString& szPath) {
    return reinterpret_cast<const wchar_t*>(szPath.utf16());
}
#else
QByteArray Local(const QString& szPath) {
    return QFile::encodeName(szPath);
}
#endif

// How a rename ended.
enum class Renamed {
    kDone,
    // The name to be replaced is not there.
    kNoFile,
    // The name to be taken is already there.
    kTaken,
    // The system or the file system cannot do it this way.
    kUnsupported,
    kFailed,
};

// Swaps the files at two names in one step.
Renamed ExchangeFiles(const QString& szA, const QString& szB, const SwapTestHooks& hooks,
                      QString* pszReason) {
#if defined(Q_OS_LINUX) && defined(RENAME_EXCHANGE)
    if (hooks.bNoExchange) {
        return Renamed::kUnsupported;
    }
    if (::renameat2(AT_FDCWD, Local(szA).constData(), AT_FDCWD, Local(szB).constData(),
                    RENAME_EXCHANGE) == 0) {
        return Renamed::kDone;
    }
    switch (errno) {
    case ENOENT:
        return Renamed::kNoFile;
    case EINVAL:
    case ENOSYS:
    case EOPNOTSUPP:
        return Renamed::kUnsupported;
    default:
        *pszReason = SystemReason(errno);
        return Renamed::kFailed;
    }
#else
    Q_UNUSED(szA);
    Q_UNUSED(szB);
    Q_UNUSED(hooks);
    Q_UNUSED(pszReason);
    return Renamed::kUnsupported;
#endif
}

// Gives the file at szFrom the name szTo, whatever file had that name.
bool RenameOver(const QString& szFrom, const QString& szTo, QString* pszReason) {
#ifdef Q_OS_WIN
    if (::MoveFileExW(Wide(QDir::toNativeSeparators(szFrom)), Wide(QDir::toNativeSeparators(szTo)),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0) {
        return true;
    }
    *pszReason = qt_error_string(static_cast<int>(::GetLastError()));
#else
    if (::rename(Local(szFrom).constData(), Local(szTo).constData()) == 0) {
        return true;
    }
    *pszReason = SystemReason(errno);
#endif
    return false;
}

// Gives the file at szFrom the name szTo only while no file has that name.
Renamed RenameIfFree(const QString& szFrom, const QString& szTo, QString* pszReason) {
#ifdef Q_OS_WIN
    if (::MoveFileExW(Wide(QDir::toNativeSeparators(szFrom)), Wide(QDir::toNativeSeparators(szTo)),
                      MOVEFILE_WRITE_THROUGH) != 0) {
        return Renamed::kDone;
    }
    const DWORD dwError = ::GetLastError();
    if (dwError == ERROR_ALREADY_EXISTS || dwError == ERROR_FILE_EXISTS) {
        return Renamed::kTaken;
    }
    *pszReason = qt_error_string(static_cast<int>(dwError));
    return Renamed::kFailed;
#else
    const QByteArray from = Local(szFrom);
    const QByteArray to = Local(szTo);
#if defined(Q_OS_LINUX) && defined(RENAME_NOREPLACE)
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0) {
        return Renamed::kDone;
    }
    if (errno == EEXIST) {
        return Renamed::kTaken;
    }
#endif
    // A second name, taken only when free, then the first one let go.
    if (::link(from.constData(), to.constData()) == 0) {
        ::unlink(from.constData());
        return Renamed::kDone;
    }
    if (errno == EEXIST) {
        return Renamed::kTaken;
    }
    // A file system without links: as close as it allows.
    const QFileInfo target(szTo);
    if (target.exists() || target.isSymLink()) {
        return Renamed::kTaken;
    }
    if (::rename(from.constData(), to.constData()) == 0) {
        return Renamed::kDone;
    }
    *pszReason = SystemReason(errno);
    return Renamed::kFailed;
#endif
}

// Gives the file at szFile the second name szLink; false where the file system cannot.
bool HardLink(const QString& szFile, const QString& szLink, const SwapTestHooks& hooks) {
    if (hooks.bNoHardLink) {
        return false;
    }
#ifdef Q_OS_WIN
    return ::CreateHardLinkW(Wide(QDir::toNativeSeparators(szLink)),
                             Wide(QDir::toNativeSeparators(szFile)), nullptr) != 0;
#else
    return ::link(Local(szFile).constData(), Local(szLink).constData()) == 0;
#endif
}

// Whether a file read is the version expected.
bool IsVersion(const FileRead& read, const FileVersion& expected) {
    return read.bOk && read.version.bExists && expected.bExists &&
           SameContent(read.version, expected);
}

// What is at a name is the version expected, or there is nothing: writing over it loses nothing
// of anyone's.
bool ExpectedOrGone(const QString& szPath, const FileVersion& expected, FileRead* pRead) {
    *pRead = ReadWholeFile(szPath);
    return (pRead->bOk && !pRead->version.bExists) || IsVersion(*pRead, expected);
}

// The new file at szNew takes szFinal's name, which nobody holds at the moment.
ReplaceOutcome MoveIntoFreeName(const QString& szNew, const QString& szFinal,
                                const SwapTestHooks& hooks, QString* pszReason,
                                QString* pszWarning) {
    switch (RenameIfFree(szNew, szFinal, pszReason)) {
    case Renamed::kDone:
        SyncFolderAfterSwap(szFinal, hooks, pszWarning);
        return ReplaceOutcome::kReplaced;
    case Renamed::kTaken:
        QFile::remove(szNew);
        return ReplaceOutcome::kChangedElsewhere;
    default:
        QFile::remove(szNew);
        return ReplaceOutcome::kFailed;
    }
}

// After the new file at szNew was swapped with the one at szFinal: the old one, now at szNew,
// becomes the backup or goes when it is the version expected, and is put back when it is not.
ReplaceOutcome AfterExchange(const QString& szNew, const QString& szFinal,
                             const FileVersion& expected, const QByteArray& bytes,
                             const QString& szBackup, const SwapTestHooks& hooks,
                             QString* pszReason, QString* pszWarning) {
    // Its version only: a large diary's bytes are read only when a backup must be a copy.
    if (const FileRead old = ReadFileVersion(szNew); IsVersion(old, expected)) {
        QString szIgnored;
        if (!szBackup.isEmpty() && !RenameOver(szNew, szBackup, &szIgnored)) {
            // On another file system (the data file is a link): a copy.
            WriteFileSafely(szBackup, ReadWholeFile(szNew, false).bytes, QFile::permissions(szNew),
                            &szIgnored);
        }
        QFile::remove(szNew);
        SyncFolderAfterSwap(szFinal, hooks, pszWarning);
        return ReplaceOutcome::kReplaced;
    }
    // Someone else's file was in place: it goes back.
    if (ExchangeFiles(szNew, szFinal, hooks, pszReason) != Renamed::kDone &&
        !RenameOver(szNew, szFinal, pszReason)) {
        //: %1: the system's reason, %2: a file
        *pszReason = SafeFile::tr("another program changed the file during the save, and its "
                                  "version could not be put back (%1); it is kept as %2")
                         .arg(*pszReason, QDir::toNativeSeparators(szNew));
        return ReplaceOutcome::kFailed;
    }
    // Only our own file is let go; anything else that came out stays.
    FileVersion ours;
    ours.bExists = true;
    ours.lSize = bytes.size();
    ours.hash = ContentHash(bytes);
    if (QFileInfo::exists(szNew) && IsVersion(ReadFileVersion(szNew), ours)) {
        QFile::remove(szNew);
    }
    QString szIgnored;
    SyncFolderOf(szFinal, &szIgnored);
    return ReplaceOutcome::kChangedElsewhere;
}

// Where two files cannot be swapped in one step: the file is checked again just before the new
// one takes its place; the backup is a second name of the old file, or a copy.
ReplaceOutcome ReplaceAfterCheck(const QString& szNew, const QString& szFinal,
                                 const FileVersion& expected, const QString& szBackup,
                                 const SwapTestHooks& hooks, QString* pszReason,
                                 QString* pszWarning) {
    QString szLink;
    if (!szBackup.isEmpty() && QFileInfo::exists(szFinal)) {
        szLink = szBackup + QStringLiteral(".new");
        QFile::remove(szLink);
        if (!HardLink(szFinal, szLink, hooks)) {
            szLink.clear();
        } else if (!IsVersion(ReadFileVersion(szLink), expected)) {
            QFile::remove(szLink);
            szLink.clear();
        }
    }
    FileRead now;
    const bool bExpected = ExpectedOrGone(szFinal, expected, &now);
    if (!bExpected || !now.version.bExists) {
        if (!szLink.isEmpty()) {
            QFile::remove(szLink);
        }
        if (bExpected) {
            return MoveIntoFreeName(szNew, szFinal, hooks, pszReason, pszWarning);
        }
        QFile::remove(szNew);
        if (!now.bOk) {
            *pszReason = now.szReason;
            return ReplaceOutcome::kFailed;
        }
        return ReplaceOutcome::kChangedElsewhere;
    }
    if (!RenameOver(szNew, szFinal, pszReason)) {
        QFile::remove(szNew);
        if (!szLink.isEmpty()) {
            QFile::remove(szLink);
        }
        return ReplaceOutcome::kFailed;
    }
    SyncFolderAfterSwap(szFinal, hooks, pszWarning);
    if (!szBackup.isEmpty()) {
        // Made after the swap, so that a backup never takes the room the save needs.
        QString szIgnored;
        if (szLink.isEmpty() || !RenameOver(szLink, szBackup, &szIgnored)) {
            if (!szLink.isEmpty()) {
                QFile::remove(szLink);
            }
            WriteFileSafely(szBackup, now.bytes, QFile::permissions(szFinal), &szIgnored);
        }
    }
    return ReplaceOutcome::kReplaced;
}

} // namespace

void SetSwapTestHooks(SwapTestHooks hooks) {
    const std::lock_guard<std::mutex> lock(g_hooksMutex);
    g_hooks = std::move(hooks);
}

namespace {

// The hash of a file's content, whether it is worked out at once or piece by piece.
constexpr QCryptographicHash::Algorithm kContentHash = QCryptographicHash::Sha1;

} // namespace

QByteArray ContentHash(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, kContentHash);
}

bool SameContent(const FileVersion& a, const FileVersion& b) {
    if (a.bExists != b.bExists) {
        return false;
    }
    return !a.bExists || (a.lSize == b.lSize && a.hash == b.hash);
}

namespace {

// The file's bytes in a buffer of their size (readAll grows its buffer as it goes, which leaves a
// large diary's bytes, kept for the run, in a buffer up to half as large again); whatever a read
// cut short left, or a file that grew meanwhile holds beyond that size, follows.
QByteArray ReadToEnd(QFile& file) {
    const qint64 lSize = file.size();
    QByteArray bytes(static_cast<qsizetype>(std::max<qint64>(lSize, 0)), Qt::Uninitialized);
    MakeMemoryReady(bytes.data(), static_cast<std::size_t>(bytes.size()));
    const qint64 lRead = lSize > 0 ? file.read(bytes.data(), lSize) : 0;
    if (lRead < 0) {
        return QByteArray();
    }
    bytes.truncate(static_cast<qsizetype>(lRead));
    bytes += file.readAll();
    return bytes;
}

} // namespace

namespace {

// Reads an open file to its end a piece at a time, hashing each piece and handing it to take;
// false on a read error.
bool ReadPieces(QFile& file, QCryptographicHash& hash, qint64& lSize,
                const std::function<void(QByteArrayView)>& take) {
    constexpr qint64 kPiece = 256 * 1024;
    QByteArray piece(static_cast<qsizetype>(kPiece), Qt::Uninitialized);
    qint64 lRead = 0;
    while ((lRead = file.read(piece.data(), kPiece)) > 0) {
        const QByteArrayView view(piece.constData(), static_cast<qsizetype>(lRead));
        hash.addData(view);
        if (take) {
            take(view);
        }
        lSize += lRead;
    }
    return lRead == 0 && file.error() == QFileDevice::NoError;
}

enum class Keep { kBytes, kBytesAndHash, kHashOnly };

FileRead ReadFileAs(const QString& szPath, Keep eKeep) {
    FileRead read;
    const QFileInfo info(szPath);
    if (!info.exists()) {
        // A link that leads nowhere counts as no file: writing creates its target.
        read.bOk = true;
        return read;
    }
    read.version.bExists = true;
    if (!info.isFile()) {
        read.szReason = SafeFile::tr(kNotOrdinary);
        return read;
    }
    QFile file(szPath);
    if (!file.open(QIODevice::ReadOnly)) {
        read.szReason = file.errorString();
        return read;
    }
    if (eKeep == Keep::kHashOnly) {
        QCryptographicHash hash(kContentHash);
        if (!ReadPieces(file, hash, read.version.lSize, {})) {
            read.szReason = file.errorString();
            read.version.lSize = 0;
            return read;
        }
        read.version.hash = hash.result();
    } else {
        read.bytes = ReadToEnd(file);
        if (file.error() != QFileDevice::NoError) {
            read.szReason = file.errorString();
            read.bytes.clear();
            return read;
        }
        read.version.lSize = read.bytes.size();
        if (eKeep == Keep::kBytesAndHash) {
            read.version.hash = ContentHash(read.bytes);
        }
    }
    read.version.dtModified = file.fileTime(QFileDevice::FileModificationTime);
    read.bOk = true;
    return read;
}

} // namespace

FileRead ReadWholeFile(const QString& szPath, bool bHash) {
    return ReadFileAs(szPath, bHash ? Keep::kBytesAndHash : Keep::kBytes);
}

FileRead ReadFileVersion(const QString& szPath) {
    return ReadFileAs(szPath, Keep::kHashOnly);
}

QByteArray ReadVersionAgain(const QString& szPath, const FileVersion& version,
                            const std::function<void(QByteArrayView piece)>& take) {
    if (!version.bExists || !version.dtModified.isValid()) {
        return QByteArray();
    }
    QFile file(szPath);
    if (!QFileInfo(szPath).isFile() || !file.open(QIODevice::ReadOnly) ||
        file.size() != version.lSize ||
        file.fileTime(QFileDevice::FileModificationTime) != version.dtModified) {
        return QByteArray();
    }
    QCryptographicHash hash(kContentHash);
    qint64 lSize = 0;
    if (!ReadPieces(file, hash, lSize, take) || lSize != version.lSize) {
        return QByteArray();
    }
    // Looked at again by its name: a write in place during the read shows in its time (a file
    // put in its place meanwhile counts as a change too, although the bytes read were whole).
    const QFileInfo after(szPath);
    if (after.size() != version.lSize || after.lastModified() != version.dtModified) {
        return QByteArray();
    }
    return hash.result();
}

bool WriteFileSafely(const QString& szPath, const QByteArray& bytes,
                     std::optional<QFileDevice::Permissions> permissions, QString* pszReason,
                     QString* pszWarning) {
    const QFileInfo info(szPath);
    if (info.exists() && !info.isFile()) {
        *pszReason = SafeFile::tr(kNotOrdinary);
        return false;
    }
    QSaveFile file(szPath);
    // Unbuffered, so that a full disk shows at the write that meets it and not only in a flush
    // whose failure the commit would not see.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *pszReason = file.errorString();
        return false;
    }
    if (permissions) {
        file.setPermissions(*permissions);
    } else if (!info.exists()) {
        file.setPermissions(kOwnerOnly);
    }
    if (!WriteAllToDisk(file, bytes, pszReason)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *pszReason = file.errorString();
        return false;
    }
    SyncFolderAfterSwap(szPath, Hooks(), pszWarning);
    return true;
}

ReplaceOutcome ReplaceFileIfUnchanged(const QString& szPath, const QByteArray& bytes,
                                      const FileVersion& expected, const QString& szBackup,
                                      QString* pszReason, QString* pszWarning) {
    const SwapTestHooks hooks = Hooks();
    const QString szFinal = FinalPath(szPath);
    const QFileInfo info(szFinal);
    if (info.exists() && !info.isFile()) {
        *pszReason = SafeFile::tr(kNotOrdinary);
        return ReplaceOutcome::kFailed;
    }
    const QString szNew =
        WriteBeside(szFinal, bytes, info.exists() ? info.permissions() : kOwnerOnly, pszReason);
    if (szNew.isEmpty()) {
        return ReplaceOutcome::kFailed;
    }
    if (hooks.beforeSwap) {
        hooks.beforeSwap(szPath);
    }
    switch (ExchangeFiles(szNew, szFinal, hooks, pszReason)) {
    case Renamed::kDone:
        return AfterExchange(szNew, szFinal, expected, bytes, szBackup, hooks, pszReason,
                             pszWarning);
    case Renamed::kNoFile:
        return MoveIntoFreeName(szNew, szFinal, hooks, pszReason, pszWarning);
    case Renamed::kUnsupported:
        return ReplaceAfterCheck(szNew, szFinal, expected, szBackup, hooks, pszReason, pszWarning);
    default:
        QFile::remove(szNew);
        return ReplaceOutcome::kFailed;
    }
}

QString WriteCopyBeside(const QString& szFile, const QString& szTag, const QDateTime& dtWhen,
                        const QByteArray& bytes, QString* pszReason) {
    const QString szBase = szFile + szTag + dtWhen.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int i = 1; i <= 1000; ++i) {
        const QString szCopy = i == 1 ? szBase : szBase + u'-' + QString::number(i);
        const QFileInfo info(szCopy);
        if (info.exists() || info.isSymLink()) {
            continue;
        }
        QFile copy(szCopy);
        // NewOnly: a file that appeared since the look above is never written over.
        if (!copy.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
            if (QFileInfo::exists(szCopy)) {
                continue;
            }
            *pszReason = copy.errorString();
            return {};
        }
        copy.setPermissions(kOwnerOnly);
        const bool bOk = WriteAllToDisk(copy, bytes, pszReason);
        copy.close();
        if (!bOk) {
            // A part-written copy would only mislead.
            QFile::remove(szCopy);
            return {};
        }
        SyncFolderOf(szCopy, pszReason);
        return szCopy;
    }
    *pszReason = SafeFile::tr("too many earlier copies");
    return {};
}

bool SyncFolderOf(const QString& szPath, QString* pszReason) {
#ifdef Q_OS_WIN
    Q_UNUSED(szPath);
    Q_UNUSED(pszReason);
    return true;
#else
    const QByteArray folder = QFile::encodeName(QFileInfo(szPath).absolutePath());
    const int iFolder = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (iFolder < 0) {
        *pszReason = SystemReason(errno);
        return false;
    }
    // Some file systems cannot sync a folder (EINVAL); nothing more can be done there.
    const bool bOk = ::fsync(iFolder) == 0 || errno == EINVAL;
    if (!bOk) {
        *pszReason = SystemReason(errno);
    }
    ::close(iFolder);
    return bOk;
#endif
}
