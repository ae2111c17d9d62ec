#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFileDevice>
#include <QString>

#include <functional>
#include <optional>

// Read and write for the owner only: the files beside the data file hold health data too.
inline constexpr QFileDevice::Permissions kOwnerOnly =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// One version of a file as found on disk.
struct FileVersion {
    // Whether there was a file at all; the other members mean nothing when not.
    bool bExists = false;
    qint64 lSize = 0;
    QDateTime dtModified;
    // ContentHash of its bytes; empty when not worked out yet.
    QByteArray hash;
};

// The hash that tells two versions of a file apart (SHA-1: it finds changes, it seals nothing).
QByteArray ContentHash(const QByteArray& bytes);

// Whether two versions hold the same bytes (both absent counts as the same). Their hashes must
// be known. The modification time is not compared: a file touched but not changed loses nothing
// when it is written over.
bool SameContent(const FileVersion& a, const FileVersion& b);

// A whole file as read from disk.
struct FileRead {
    // Read completely, or there was no file (version.bExists then tells which).
    bool bOk = false;
    QByteArray bytes;
    FileVersion version;
    // Why it could not be read, when not bOk.
    QString szReason;
};

// Reads a whole file. A missing file reads as bOk with no version; anything but an ordinary
// file (a folder, a pipe, a device) is refused unread. bHash: work out version.hash too.
FileRead ReadWholeFile(const QString& szPath, bool bHash = true);
// Reads a whole file as ReadWholeFile does, hash included, but keeps none of its bytes: they
// are hashed piece by piece as they are read, so that checking a large diary on disk costs no
// copy of it in memory.
FileRead ReadFileVersion(const QString& szPath);
// Reads a file again, piece by piece, handing each piece to take, as long as it is still the
// version given (its size, and its modification time before and after the read). Its hash when
// it was; empty when it changed, went or could not be read (the pieces given then mean nothing).
// Costs no copy of the whole file in memory.
QByteArray ReadVersionAgain(const QString& szPath, const FileVersion& version,
                            const std::function<void(QByteArrayView piece)>& take);

// Writes bytes over szPath so that it holds either its old bytes or all of the new ones: written
// beside it, unbuffered, its size checked and synced to disk before it takes the file's place,
// and the folder synced after. permissions: those of the new file (none given: an existing file
// keeps its own, a new one is for its owner only). Refuses anything but an ordinary file. On
// failure pszReason says why, in the system's words. Once the new file is in place the write has
// worked: a folder that could not be synced after it is told in pszWarning (when given).
bool WriteFileSafely(const QString& szPath, const QByteArray& bytes,
                     std::optional<QFileDevice::Permissions> permissions, QString* pszReason,
                     QString* pszWarning = nullptr);

// What ReplaceFileIfUnchanged did.
enum class ReplaceOutcome {
    // The new bytes are in place.
    kReplaced,
    // The file was not the expected version at the swap: it is as someone else left it, and
    // nothing was written over it.
    kChangedElsewhere,
    // Nothing could be written; the file is as it was.
    kFailed,
};

// Writes bytes over szPath as WriteFileSafely does, but only if it still holds the version
// expected (its hash known; no version: there must be no file), checked at the swap itself:
// where the system can swap two files in one step (Linux), the new file is swapped with the old
// one and what came out is checked, and put back when it was someone else's; elsewhere the file
// is checked again just before the new one takes its place. szBackup (when not empty): the
// replaced version is kept there, the old file itself where possible (no room is spent), a copy
// otherwise; a backup that cannot be made never stops the write. Reasons and warnings as in
// WriteFileSafely.
ReplaceOutcome ReplaceFileIfUnchanged(const QString& szPath, const QByteArray& bytes,
                                      const FileVersion& expected, const QString& szBackup,
                                      QString* pszReason, QString* pszWarning);

// For tests: what happens around the swap of ReplaceFileIfUnchanged and WriteFileSafely.
struct SwapTestHooks {
    // Called just before the new file takes the old one's place, with the path it replaces.
    std::function<void(const QString& szPath)> beforeSwap;
    // Stands in for the folder's sync after the swap: its answer and reason as the system's.
    std::function<bool(QString* pszReason)> syncFolder;
    // Behave as where two files cannot be swapped in one step (the check comes just before).
    bool bNoExchange = false;
    // Behave as where a file cannot have a second name (the backup is then a copy).
    bool bNoHardLink = false;
};
void SetSwapTestHooks(SwapTestHooks hooks);

// Writes bytes into a new file beside szFile, named szFile, szTag and the time as
// yyyyMMdd-HHmmss ("crtlg.dat.conflict-20261207-143000"), with "-2", "-3", ... added when an
// earlier file has that name; never replaces a file. For the owner only. Its path, or empty text
// and pszReason.
QString WriteCopyBeside(const QString& szFile, const QString& szTag, const QDateTime& dtWhen,
                        const QByteArray& bytes, QString* pszReason);

// Makes the changes to the entries of the folder that holds szPath (a file renamed into it)
// durable; false with pszReason when the system reports a failure. Does nothing where the
// platform has no such call.
bool SyncFolderOf(const QString& szPath, QString* pszReason);
