#pragma once

#include <QString>

class QFile;

// What the store needs from the file system beyond QFile, each behind one small function so that
// the platforms can differ.
namespace FileSystem {

enum class OpenResult {
    Opened,         // the file is open for reading
    NotRegularFile, // the path names a folder, a pipe, a device...: nothing was opened
    Failed,         // missing, not readable, or any other failure to open
};

// Opens a regular file (or a link to one) for reading. Anything else is refused at once, without
// waiting: opening a named pipe for reading would otherwise block until someone writes to it.
// On Failed, *pszReason (when given) receives the system's reason.
OpenResult OpenRegularFile(QFile& file, const QString& path, QString* pszReason = nullptr);

// What a path names that is not a regular file, as a message says it: "a folder", "a named
// pipe", "a device", "a socket", or empty text where the system does not tell. Asks without
// opening it.
QString KindOfOtherFile(const QString& path);

// Makes a rename into the folder of filePath survive a power cut. On POSIX systems the folder
// itself is synced to disk (the rename changed the folder, which syncing the file does not
// cover); elsewhere it does nothing. Best effort: the rename has happened either way.
void SyncFolderOf(const QString& filePath);

} // namespace FileSystem
