#include "app/util/SafeFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <system_error>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

const QString kNotOrdinary = QStringLiteral("it is not an ordinary file");

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

// Writes all of bytes to an open device; false when any part was refused.
bool WriteAll(QFileDevice& file, const QByteArray& bytes) {
    qint64 lDone = 0;
    while (lDone < bytes.size()) {
        const qint64 lWritten = file.write(bytes.constData() + lDone, bytes.size() - lDone);
        if (lWritten <= 0) {
            return false;
        }
        lDone += lWritten;
    }
    return true;
}

QString ShortWriteReason(qint64 lOnDisk, qint64 lWanted) {
    return QStringLiteral("only %1 of %2 bytes reached the disk").arg(lOnDisk).arg(lWanted);
}

} // namespace

QByteArray ContentHash(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
}

bool SameContent(const FileVersion& a, const FileVersion& b) {
    if (a.bExists != b.bExists) {
        return false;
    }
    return !a.bExists || (a.lSize == b.lSize && a.hash == b.hash);
}

FileRead ReadWholeFile(const QString& szPath, bool bHash) {
    FileRead read;
    const QFileInfo info(szPath);
    if (!info.exists()) {
        // A link that leads nowhere counts as no file: writing creates its target.
        read.bOk = true;
        return read;
    }
    read.version.bExists = true;
    if (!info.isFile()) {
        read.szReason = kNotOrdinary;
        return read;
    }
    QFile file(szPath);
    if (!file.open(QIODevice::ReadOnly)) {
        read.szReason = file.errorString();
        return read;
    }
    read.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        read.szReason = file.errorString();
        read.bytes.clear();
        return read;
    }
    read.version.lSize = read.bytes.size();
    read.version.dtModified = file.fileTime(QFileDevice::FileModificationTime);
    if (bHash) {
        read.version.hash = ContentHash(read.bytes);
    }
    read.bOk = true;
    return read;
}

bool WriteFileSafely(const QString& szPath, const QByteArray& bytes,
                     std::optional<QFileDevice::Permissions> permissions, QString* pszReason) {
    const QFileInfo info(szPath);
    if (info.exists() && !info.isFile()) {
        *pszReason = kNotOrdinary;
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
    bool bOk = WriteAll(file, bytes);
    if (!bOk) {
        *pszReason = file.errorString();
    } else if (file.size() != bytes.size()) {
        *pszReason = ShortWriteReason(file.size(), bytes.size());
        bOk = false;
    } else {
        bOk = SyncHandle(file.handle(), pszReason);
    }
    if (!bOk) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *pszReason = file.errorString();
        return false;
    }
    return SyncFolderOf(szPath, pszReason);
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
        bool bOk = WriteAll(copy, bytes);
        if (!bOk) {
            *pszReason = copy.errorString();
        } else if (copy.size() != bytes.size()) {
            *pszReason = ShortWriteReason(copy.size(), bytes.size());
            bOk = false;
        } else {
            bOk = SyncHandle(copy.handle(), pszReason);
        }
        copy.close();
        if (!bOk) {
            // A part-written copy would only mislead.
            QFile::remove(szCopy);
            return {};
        }
        SyncFolderOf(szCopy, pszReason);
        return szCopy;
    }
    *pszReason = QStringLiteral("too many earlier copies");
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
