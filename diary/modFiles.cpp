#include "diary/modFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>

#include <shlobj.h>
#endif

namespace {

struct modFiles {
    Q_DECLARE_TR_FUNCTIONS(modFiles)
};

// Drops trailing separators, keeping a root folder as it is.
QString WithoutTrailingSeparator(QString szPath) {
    while (szPath.size() > 1 && (szPath.endsWith(u'/') || szPath.endsWith(u'\\')) &&
           !(szPath.size() == 3 && szPath.at(1) == u':')) {
        szPath.chop(1);
    }
    return szPath;
}

#ifdef Q_OS_WIN
QString ShellFolderPath(long lFolderId) {
    PIDLIST_ABSOLUTE idList = nullptr;
    if (SHGetSpecialFolderLocation(nullptr, static_cast<int>(lFolderId), &idList) != S_OK ||
        idList == nullptr) {
        return {};
    }
    wchar_t buffer[MAX_PATH + 1] = {};
    QString szPath;
    if (SHGetPathFromIDListW(idList, buffer)) {
        buffer[MAX_PATH] = 0;
        szPath = QString::fromWCharArray(buffer);
    }
    CoTaskMemFree(idList);
    return szPath;
}
#else
// The per-user folders of other platforms that stand in for the shell's folder ids.
QString StandardFolderPath(long lFolderId) {
    switch (lFolderId) {
    case 0x1A: // roaming application data
    case 0x1C: // local application data
        return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    case 0x05: // documents
        return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    case 0x10: // desktop
        return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    case 0x28: // the user's profile
        return QDir::homePath();
    default:
        return {};
    }
}
#endif

// Why a folder that is not there could not be made: what stands in the way on its path.
QString WhyNoFolder(const QString& szFolder) {
    QString szPath = QDir::cleanPath(QDir(szFolder).absolutePath());
    for (;;) {
        const QFileInfo info(szPath);
        if (info.exists() && !info.isDir()) {
            return modFiles::tr("\"%1\" is a file, not a folder")
                .arg(QDir::toNativeSeparators(szPath));
        }
        if (info.isDir()) {
            if (!info.isWritable()) {
                return modFiles::tr("no folder may be made in \"%1\"")
                    .arg(QDir::toNativeSeparators(szPath));
            }
            break;
        }
        const QString szParent = info.absolutePath();
        if (szParent == szPath) {
            break;
        }
        szPath = szParent;
    }
    return modFiles::tr("it could not be made");
}

} // namespace

QString GetSpecialFolderPath(long lFolderId) {
#ifdef Q_OS_WIN
    const QString szPath = ShellFolderPath(lFolderId);
#else
    const QString szPath = StandardFolderPath(lFolderId);
#endif
    return szPath.isEmpty() ? QString() : WithoutTrailingSeparator(szPath);
}

QString ResolveDataFolder(const QString& szFolder, QString* pszWhyNot) {
    QString szWhyNot;
    if (szFolder.isEmpty()) {
        szWhyNot = modFiles::tr("the system names no folder for application data");
    } else {
        const QFileInfo info(szFolder);
        if (info.isDir() || (!info.exists() && QDir().mkpath(szFolder))) {
            return WithoutTrailingSeparator(QDir::cleanPath(szFolder));
        }
        szWhyNot = WhyNoFolder(szFolder);
    }
    if (pszWhyNot != nullptr) {
        *pszWhyNot = szWhyNot;
    }
    return WithoutTrailingSeparator(QDir::homePath());
}

QString DataFilePath(const QString& szFolder) {
    return QDir::toNativeSeparators(WithoutTrailingSeparator(szFolder) + u'/' + kDataFileName);
}

QSettings ProgramSettings() {
    return QSettings(QSettings::defaultFormat(), QSettings::UserScope, QStringLiteral("tlg"),
                     QStringLiteral("tlg"));
}
