#include "xmlstore/FileSystem.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#ifndef Q_OS_WIN
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

struct FileSystemText {
    Q_DECLARE_TR_FUNCTIONS(FileSystem)
};

// Checks the kind of file first, then opens it; for Windows and Qt resource paths (":/..."),
// where no pipe can stand in the way of a plain open.
FileSystem::OpenResult CheckThenOpen(QFile& file, const QString& path, QString* pszReason) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        return FileSystem::OpenResult::NotRegularFile;
    }
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (pszReason != nullptr) {
            *pszReason = file.errorString();
        }
        return FileSystem::OpenResult::Failed;
    }
    return FileSystem::OpenResult::Opened;
}

} // namespace

FileSystem::OpenResult FileSystem::OpenRegularFile(QFile& file, const QString& path,
                                                   QString* pszReason) {
#ifdef Q_OS_WIN
    return CheckThenOpen(file, path, pszReason);
#else
    if (path.startsWith(u':')) {
        return CheckThenOpen(file, path, pszReason);
    }
    const auto failed = [pszReason](int iError) {
        if (pszReason != nullptr) {
            *pszReason = qt_error_string(iError);
        }
        return OpenResult::Failed;
    };
    // Opened without waiting (a pipe would wait for a writer), then asked what it is: so nothing
    // can be swapped in between the check and the open.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return failed(errno);
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int iError = errno;
        ::close(fd);
        return failed(iError);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return OpenResult::NotRegularFile;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags == -1 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == -1) {
        const int iError = errno;
        ::close(fd);
        return failed(iError);
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return failed(EIO);
    }
    return OpenResult::Opened;
#endif
}

QString FileSystem::KindOfOtherFile(const QString& path) {
    if (QFileInfo(path).isDir()) {
        return FileSystemText::tr("a folder");
    }
#ifndef Q_OS_WIN
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) == 0) {
        if (S_ISFIFO(st.st_mode)) {
            return FileSystemText::tr("a named pipe");
        }
        if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)) {
            return FileSystemText::tr("a device");
        }
        if (S_ISSOCK(st.st_mode)) {
            return FileSystemText::tr("a socket");
        }
    }
#endif
    return QString();
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
