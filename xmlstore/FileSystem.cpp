#include "xmlstore/FileSystem.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// Checks the kind of file first, then opens it; for Windows and Qt resource paths (":/..."),
// where no pipe can stand in the way of a plain open.
FileSystem::OpenResult CheckThenOpen(QFile& file, const QString& path) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        return FileSystem::OpenResult::NotRegularFile;
    }
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly) ? FileSystem::OpenResult::Opened
                                          : FileSystem::OpenResult::Failed;
}

} // namespace

FileSystem::OpenResult FileSystem::OpenRegularFile(QFile& file, const QString& path) {
#ifdef Q_OS_WIN
    return CheckThenOpen(file, path);
#else
    if (path.startsWith(u':')) {
        return CheckThenOpen(file, path);
    }
    // Opened without waiting (a pipe would wait for a writer), then asked what it is: so nothing
    // can be swapped in between the check and the open.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return OpenResult::Failed;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        ::close(fd);
        return OpenResult::Failed;
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return OpenResult::NotRegularFile;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags == -1 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == -1 ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return OpenResult::Failed;
    }
    return OpenResult::Opened;
#endif
}

void FileSystem::SyncFolderOf(const QString& filePath) {
#ifdef Q_OS_WIN
    Q_UNUSED(filePath);
#else
    const QByteArray folder = QFile::encodeName(QFileInfo(filePath).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#endif
}
