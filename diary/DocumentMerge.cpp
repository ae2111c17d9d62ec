#include "diary/DocumentMerge.h"

#include "diary/ReadingsSchema.h"
#include "xmlstore/clsXML.h"
#include "xmlstore/clsXMLTag.h"

#include <QBuffer>
#include <QDir>
#include <QLocale>

#include <algorithm>
#include <iterator>

namespace {

// The days that hold a reading with anything in it.
DiaryDays WithoutEmptyDays(DiaryDays days) {
    for (auto it = days.begin(); it != days.end();) {
        it = it.value().isEmpty() ? days.erase(it) : std::next(it);
    }
    return days;
}

// A day key as the user reads it, or the key itself when it is no date.
QString DayText(const QString& szDayKey) {
    const QDate dt = DayKeyDate(szDayKey);
    return dt.isValid() ? QLocale().toString(dt, QLocale::ShortFormat) : szDayKey;
}

// Up to three days, then how many more.
QString DaysText(const QStringList& keys) {
    constexpr qsizetype kNamed = 3;
    QStringList names;
    for (qsizetype i = 0; i < std::min(kNamed, keys.size()); ++i) {
        names << DayText(keys[i]);
    }
    QString szText = names.join(QStringLiteral(", "));
    if (keys.size() > kNamed) {
        szText += QStringLiteral(" and %1 more").arg(keys.size() - kNamed);
    }
    return szText;
}

} // namespace

bool DiaryDaysOfBytes(const QByteArray& bytes, DiaryDays* pDays) {
    pDays->clear();
    if (bytes.isEmpty()) {
        return true;
    }
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    clsXML doc;
    if (!doc.LoadXMLFromDevice(buffer, QString(), false) || doc.bEndedWithOpenTags) {
        return false;
    }
    const std::shared_ptr<clsXMLTag> objReadings =
        doc.objBlockTag->FindSubTagObjectByName(kReadingsTagName, QString());
    if (!objReadings) {
        return false;
    }
    *pDays = WithoutEmptyDays(DiaryDaysOf(objReadings));
    return true;
}

namespace {

// Merges theirsDays into objReadings against baseDays.
FileMerge MergeDaysInto(const std::shared_ptr<clsXMLTag>& objReadings, const DiaryDays& baseDays,
                        const DiaryDays& theirsDays) {
    FileMerge result;
    result.merge = MergeDiaries(baseDays, DiaryDaysOf(objReadings), theirsDays);
    if (!WriteDiaryDays(objReadings, result.merge.merged)) {
        // A full diary: what did not fit stays in their file, which is then kept.
        result.bDiffersFromTheirs = true;
    }
    result.bMerged = true;
    result.bDiffersFromTheirs =
        result.bDiffersFromTheirs || WithoutEmptyDays(result.merge.merged) != theirsDays;
    return result;
}

} // namespace

FileMerge MergeFileInto(const std::shared_ptr<clsXMLTag>& objReadings, const QByteArray& base,
                        const QByteArray& theirs) {
    DiaryDays theirsDays;
    if (!objReadings || !DiaryDaysOfBytes(theirs, &theirsDays)) {
        return {};
    }
    DiaryDays baseDays;
    if (base.isNull()) {
        baseDays = CommonBase(DiaryDaysOf(objReadings), theirsDays);
    } else if (!DiaryDaysOfBytes(base, &baseDays)) {
        baseDays.clear();
    }
    return MergeDaysInto(objReadings, baseDays, theirsDays);
}

DataFileSaver::MergeOutcome SaverOutcomeOf(const FileMerge& merge) {
    return {merge.bMerged, merge.bDiffersFromTheirs, !merge.merge.conflicts.isEmpty()};
}

FileMerge MergeCopyInto(const std::shared_ptr<clsXMLTag>& objReadings, const QByteArray& copy) {
    return MergeFileInto(objReadings, QByteArray(), copy);
}

void TakeTheirValues(const std::shared_ptr<clsXMLTag>& objReadings,
                     const QList<MergeConflict>& picked) {
    for (const MergeConflict& conflict : picked) {
        const std::shared_ptr<clsXMLTag> objEntry = FindDayEntry(objReadings, conflict.szDayKey);
        QString Reading::*value = ReadingValueOf(conflict.szValueName);
        if (!objEntry || value == nullptr) {
            continue;
        }
        QList<Reading> readings = DayReadings(objEntry);
        if (conflict.iReading < 0 || conflict.iReading >= readings.size()) {
            continue;
        }
        readings[conflict.iReading].*value = conflict.szTheirs;
        WriteDayReadings(objEntry, readings);
    }
}

QString MergedFromText(const DiaryMerge& merge, const QString& szFrom,
                       const QString& szTheirsCopy) {
    QStringList parts;
    if (!merge.daysFromTheirs.isEmpty()) {
        parts << QStringLiteral("the readings of %1 came from %2")
                     .arg(DaysText(merge.daysFromTheirs), szFrom);
    }
    if (!merge.conflicts.isEmpty()) {
        QStringList days;
        for (const MergeConflict& conflict : merge.conflicts) {
            if (!days.contains(conflict.szDayKey)) {
                days << conflict.szDayKey;
            }
        }
        QString szConflicts =
            QStringLiteral("where a value was typed differently here and on %1 (%2 on %3), "
                           "yours is kept")
                .arg(szFrom,
                     merge.conflicts.size() == 1
                         ? QStringLiteral("one value")
                         : QStringLiteral("%1 values").arg(merge.conflicts.size()),
                     DaysText(days));
        if (!szTheirsCopy.isEmpty()) {
            szConflicts += QStringLiteral(" and theirs is in \"%1\"")
                               .arg(QDir::toNativeSeparators(szTheirsCopy));
        }
        parts << szConflicts;
    }
    if (parts.isEmpty()) {
        parts << QStringLiteral("nothing new came from %1").arg(szFrom);
    }
    QString szText = parts.join(QStringLiteral("; ")) + u'.';
    szText[0] = szText[0].toUpper();
    return szText;
}
