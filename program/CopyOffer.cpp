#include "program/CopyOffer.h"

#include "diary/ConflictCopies.h"
#include "diary/DocumentMerge.h"
#include "diary/SafeFile.h"
#include "diary/modGlobals.h"
#include "widgets/modUtils.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// The texts of the offer, translated in the context "CopyOffer".
class CopyOffer {
    Q_DECLARE_TR_FUNCTIONS(CopyOffer)
};

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
        //: %1: a file beside the diary.
        return CopyOffer::tr("\"%1\" is no diary Tensiolog can read; it was left as it is.")
            .arg(Native(copy.szPath));
    }
    *pbChanged = *pbChanged || !merge.merge.daysFromTheirs.isEmpty();
    //: Where readings came from, in sentences such as "the readings of 2 days came from %1":
    //: a file's name in quotation marks.
    const QString szFrom = CopyOffer::tr("\"%1\"").arg(szName);
    if (!merge.merge.conflicts.isEmpty()) {
        // Its differing values exist only there: it stays until the user has looked.
        return MergedFromText(merge.merge, szFrom, copy.szPath);
    }
    QString szReason;
    const QString szMoved = MoveMergedCopyAside(copy.szPath, szDataFile, &szReason);
    const QString szText = MergedFromText(merge.merge, szFrom, QString());
    if (szMoved.isEmpty()) {
        //: %1: what was merged from the copy (sentences), %2: why the copy could not be moved.
        return CopyOffer::tr("%1 It could not be moved aside (%2).").arg(szText, szReason);
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
        //: %1: a copy's file name, %2: the program or computer that left it.
        names << CopyOffer::tr("%1 (left by %2)")
                     .arg(QFileInfo(copy.szPath).fileName(), copy.szMadeBy);
    }
    const QMessageBox::StandardButton answer = ShowMessageBox(
        QMessageBox::Question, QStringLiteral("Tensiolog"),
        //: %1: the copies' names, one a line, %2: the folder merged copies are moved into.
        CopyOffer::tr("Beside your diary there are %n copies of it, left when two computers "
                      "saved at once:\n\n%1\n\nMerge their readings into the diary? Readings the "
                      "diary lacks are added; where a copy holds a different value, the diary "
                      "keeps its own and the copy stays where it is. Each merged copy is moved "
                      "into \"%2\", never deleted.",
                      nullptr, int(copies.size()))
            .arg(names.join(u'\n'), Native(MergedCopiesFolder(szDataFile))),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
        {{QMessageBox::Yes, CopyOffer::tr("&Merge")},
         {QMessageBox::No, CopyOffer::tr("&Not now")}});
    if (answer != QMessageBox::Yes) {
        return;
    }
    QStringList told;
    bool bChanged = false;
    for (const ConflictCopy& copy : copies) {
        told << MergeOneCopy(copy, szDataFile, objReadings, &bChanged);
    }
    if (bChanged) {
        // Whatever was made of the readings before (a chart) no longer shows them.
        CountReadingsChange();
    }
    if (bChanged && onChanged) {
        onChanged();
    }
    ShowMessageBox(QMessageBox::Information, QStringLiteral("Tensiolog"),
                   told.join(QStringLiteral("\n\n")), QMessageBox::Ok);
}
