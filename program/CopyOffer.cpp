#include "program/CopyOffer.h"

#include "diary/ConflictCopies.h"
#include "diary/DocumentMerge.h"
#include "diary/SafeFile.h"
#include "widgets/modUtils.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString Native(const QString& szPath) {
    return QDir::toNativeSeparators(szPath);
}

// Merges one copy; what the user hears of it.
QString MergeOneCopy(const ConflictCopy& copy, const QString& szDataFile,
                     const std::shared_ptr<clsXMLTag>& objReadings, bool* pbChanged) {
    const FileRead read = ReadWholeFile(copy.szPath, false);
    const QString szName = QFileInfo(copy.szPath).fileName();
    const FileMerge merge = read.bOk ? MergeCopyInto(objReadings, read.bytes) : FileMerge();
    if (!merge.bMerged) {
        return QStringLiteral("\"%1\" is no diary Tensiolog can read; it was left as it is.")
            .arg(Native(copy.szPath));
    }
    *pbChanged = *pbChanged || !merge.merge.daysFromTheirs.isEmpty();
    const QString szFrom = QStringLiteral("\"%1\"").arg(szName);
    if (!merge.merge.conflicts.isEmpty()) {
        // Its differing values exist only there: it stays until the user has looked.
        return MergedFromText(merge.merge, szFrom, copy.szPath);
    }
    QString szReason;
    const QString szMoved = MoveMergedCopyAside(copy.szPath, szDataFile, &szReason);
    QString szText = MergedFromText(merge.merge, szFrom, QString());
    if (szMoved.isEmpty()) {
        szText += QStringLiteral(" It could not be moved aside (%1).").arg(szReason);
    }
    return szText;
}

} // namespace

void OfferToMergeCopies(const QString& szDataFile, const std::shared_ptr<clsXMLTag>& objReadings,
                        const std::function<void()>& onChanged) {
    const QList<ConflictCopy> copies = FindConflictCopies(szDataFile);
    if (copies.isEmpty() || !objReadings) {
        return;
    }
    QStringList names;
    for (const ConflictCopy& copy : copies) {
        names << QStringLiteral("%1 (left by %2)")
                     .arg(QFileInfo(copy.szPath).fileName(), copy.szMadeBy);
    }
    const QMessageBox::StandardButton answer = ShowMessageBox(
        QMessageBox::Question, QStringLiteral("Tensiolog"),
        QStringLiteral("Beside your diary there %1 of it, left when two computers saved at "
                       "once:\n\n%2\n\nMerge their readings into the diary? Readings the diary "
                       "lacks are added; where a copy holds a different value, the diary keeps "
                       "its own and the copy stays where it is. Each merged copy is moved into "
                       "\"%3\", never deleted.")
            .arg(copies.size() == 1 ? QStringLiteral("is a copy")
                                    : QStringLiteral("are %1 copies").arg(copies.size()),
                 names.join(u'\n'), Native(MergedCopiesFolder(szDataFile))),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
        {{QMessageBox::Yes, QStringLiteral("&Merge")},
         {QMessageBox::No, QStringLiteral("&Not now")}});
    if (answer != QMessageBox::Yes) {
        return;
    }
    QStringList told;
    bool bChanged = false;
    for (const ConflictCopy& copy : copies) {
        told << MergeOneCopy(copy, szDataFile, objReadings, &bChanged);
    }
    if (bChanged && onChanged) {
        onChanged();
    }
    ShowMessageBox(QMessageBox::Information, QStringLiteral("Tensiolog"),
                   told.join(QStringLiteral("\n\n")), QMessageBox::Ok);
}
