#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFileDevice>
#include <QString>

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

// Writes bytes over szPath so that it holds either its old bytes or all of the new ones: written
// beside it, unbuffered, its size checked and synced to disk before it takes the file's place,
// and the folder synced after. permissions: those of the new file (none given: an existing file
// keeps its own, a new one is for its owner only). Refuses anything but an ordinary file. On
// failure pszReason says why, in the system's words.
bool WriteFileSafely(const QString& szPath, const QByteArray& bytes,
                     std::optional<QFileDevice::Permissions> permissions, QString* pszReason);

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
