#include "diary/ConflictCopies.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

struct ConflictCopies {
    Q_DECLARE_TR_FUNCTIONS(ConflictCopies)
};

} // namespace

QString ConflictCopyMaker(const QString& szFileName, const QString& szDiaryFileName) {
    const QFileInfo diary(szDiaryFileName);
    const QString szBase = QRegularExpression::escape(diary.completeBaseName());
    const QString szSuffix =
        diary.suffix().isEmpty()
            ? QString()
            : QStringLiteral("\\.") + QRegularExpression::escape(diary.suffix());
    const QString szWhole = QRegularExpression::escape(diary.fileName());
    struct Pattern {
        const char* pszMadeBy;
        QString szPattern;
    };
    const Pattern patterns[] = {
        {"Syncthing",
         szBase + QStringLiteral("\\.sync-conflict-\\d{8}-\\d{6}-[A-Z0-9]{7}") + szSuffix},
        {"Nextcloud",
         szBase + QStringLiteral(" \\(conflicted copy [^()]*\\d{4}-\\d{2}-\\d{2}[^()]*\\)") +
             szSuffix},
        {"Dropbox", szBase + QStringLiteral(" \\([^()]+ conflicted copy[^()]*\\)") + szSuffix},
        {"tlg", szWhole + QStringLiteral("\\.conflict-\\d{8}-\\d{6}(-\\d+)?")},
    };
    for (const Pattern& pattern : patterns) {
        const QRegularExpression re(QRegularExpression::anchoredPattern(pattern.szPattern));
        if (re.match(szFileName).hasMatch()) {
            return QString::fromLatin1(pattern.pszMadeBy);
        }
    }
    return QString();
}

QList<ConflictCopy> FindConflictCopies(const QString& szDataFile) {
    const QFileInfo diary(szDataFile);
    QList<ConflictCopy> copies;
    const QFileInfoList entries =
        diary.dir().entryInfoList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& entry : entries) {
        if (entry.isSymLink() || !entry.isFile()) {
            continue;
        }
        const QString szMadeBy = ConflictCopyMaker(entry.fileName(), diary.fileName());
        if (!szMadeBy.isEmpty()) {
            copies.append(ConflictCopy{entry.filePath(), szMadeBy});
        }
    }
    return copies;
}

QString MergedCopiesFolder(const QString& szDataFile) {
    return szDataFile + QStringLiteral(".merged");
}

QString MoveMergedCopyAside(const QString& szCopy, const QString& szDataFile, QString* pszReason) {
    const QString szFolder = MergedCopiesFolder(szDataFile);
    if (!QDir().mkpath(szFolder)) {
        *pszReason = ConflictCopies::tr("the folder %1 cannot be made").arg(szFolder);
        return QString();
    }
    QFile::setPermissions(szFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString szName = QFileInfo(szCopy).fileName();
    for (int i = 1; i <= 1000; ++i) {
        const QString szTarget =
            szFolder + u'/' + (i == 1 ? szName : szName + u'-' + QString::number(i));
        const QFileInfo target(szTarget);
        if (target.exists() || target.isSymLink()) {
            continue;
        }
        // QFile::rename never replaces an existing file.
        QFile file(szCopy);
        if (file.rename(szTarget)) {
            return szTarget;
        }
        if (!QFileInfo::exists(szTarget)) {
            *pszReason = file.errorString();
            return QString();
        }
    }
    *pszReason = ConflictCopies::tr("too many earlier copies");
    return QString();
}
