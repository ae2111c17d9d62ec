#include "diary/DocumentMerge.h"

#include "diary/ReadingsSchema.h"
#include "i18n/LocalDates.h"
#include "xmlstore/clsXML.h"
#include "xmlstore/clsXMLTag.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <iterator>

namespace {

struct DocumentMerge {
    Q_DECLARE_TR_FUNCTIONS(DocumentMerge)
};

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
    return dt.isValid() ? LocalDates::LongDate(dt) : szDayKey;
}

// Up to three days, then how many more.
QString DaysText(const QStringList& keys) {
    constexpr qsizetype kNamed = 3;
    QStringList names;
    for (qsizetype i = 0; i < std::min(kNamed, keys.size()); ++i) {
        names << DayText(keys[i]);
    }
    const QString szText = names.join(QStringLiteral(", "));
    if (keys.size() <= kNamed) {
        return szText;
    }
    //: %1: three dates; %n: how many more days
    return DocumentMerge::tr("%1 and %n more", nullptr, static_cast<int>(keys.size() - kNamed))
        .arg(szText);
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

namespace {

// The clauses of MergedFromText for one kind of other side, in the order of Clause.
enum Clause { kCameFrom, kTypedDifferently, kTypedDifferentlyCopy, kNothingNew };

// In each: %1: the days, or %1: how many values ("2 values") and %2: the days; %3: the file
// that keeps their values. In the last row the other side is named by the last placeholder.
constexpr const char* kClauses[][4] = {
    {QT_TRANSLATE_NOOP("DocumentMerge", "the readings of %1 came from the other computer"),
     QT_TRANSLATE_NOOP("DocumentMerge", "where a value was typed differently here and on the "
                                        "other computer (%1 on %2), yours is kept"),
     QT_TRANSLATE_NOOP("DocumentMerge", "where a value was typed differently here and on the "
                                        "other computer (%1 on %2), yours is kept and theirs is "
                                        "in \"%3\""),
     QT_TRANSLATE_NOOP("DocumentMerge", "nothing new came from the other computer")},
    {QT_TRANSLATE_NOOP("DocumentMerge",
                       "the readings of %1 came from a change made to the file during the import"),
     QT_TRANSLATE_NOOP("DocumentMerge", "where a value was typed differently here and on a change "
                                        "made to the file during the import (%1 on %2), yours is "
                                        "kept"),
     QT_TRANSLATE_NOOP("DocumentMerge", "where a value was typed differently here and on a change "
                                        "made to the file during the import (%1 on %2), yours is "
                                        "kept and theirs is in \"%3\""),
     QT_TRANSLATE_NOOP("DocumentMerge",
                       "nothing new came from a change made to the file during the import")},
    //: %2: a file's name in quotes
    {QT_TRANSLATE_NOOP("DocumentMerge", "the readings of %1 came from %2"),
     //: %3: a file's name in quotes
     QT_TRANSLATE_NOOP("DocumentMerge",
                       "where a value was typed differently here and on %3 (%1 on %2), yours is "
                       "kept"),
     //: %4: a file's name in quotes
     QT_TRANSLATE_NOOP("DocumentMerge",
                       "where a value was typed differently here and on %4 (%1 on %2), yours is "
                       "kept and theirs is in \"%3\""),
     //: %1: a file's name in quotes
     QT_TRANSLATE_NOOP("DocumentMerge", "nothing new came from %1")}};

// The sentence for the clauses of kClauses[iFrom]; szName names a file (the last placeholder),
// filled in in one pass with the others so that no name is read as a placeholder.
QString MergedText(const DiaryMerge& merge, std::size_t iFrom, const QString& szName,
                   const QString& szTheirsCopy) {
    const auto clause = [&](Clause eClause) { return DocumentMerge::tr(kClauses[iFrom][eClause]); };
    const bool bNamed = !szName.isNull();
    QStringList parts;
    if (!merge.daysFromTheirs.isEmpty()) {
        const QString szDays = DaysText(merge.daysFromTheirs);
        parts << (bNamed ? clause(kCameFrom).arg(szDays, szName) : clause(kCameFrom).arg(szDays));
    }
    if (!merge.conflicts.isEmpty()) {
        QStringList keys;
        for (const MergeConflict& conflict : merge.conflicts) {
            if (!keys.contains(conflict.szDayKey)) {
                keys << conflict.szDayKey;
            }
        }
        const QString szDays = DaysText(keys);
        //: How many values were typed differently
        const QString szValues = DocumentMerge::tr("%n values", "typed differently",
                                                   static_cast<int>(merge.conflicts.size()));
        const QString szCopy = QDir::toNativeSeparators(szTheirsCopy);
        if (szTheirsCopy.isEmpty()) {
            const QString szText = clause(kTypedDifferently);
            parts << (bNamed ? szText.arg(szValues, szDays, szName) : szText.arg(szValues, szDays));
        } else {
            const QString szText = clause(kTypedDifferentlyCopy);
            parts << (bNamed ? szText.arg(szValues, szDays, szCopy, szName)
                             : szText.arg(szValues, szDays, szCopy));
        }
    }
    if (parts.isEmpty()) {
        parts << (bNamed ? clause(kNothingNew).arg(szName) : clause(kNothingNew));
    }
    QString szText = parts.first();
    for (qsizetype i = 1; i < parts.size(); ++i) {
        //: Two parts of one sentence
        szText = DocumentMerge::tr("%1; %2").arg(szText, parts[i]);
    }
    szText += u'.';
    szText[0] = szText[0].toUpper();
    return szText;
}

} // namespace

QString MergedFromText(const DiaryMerge& merge, MergeSource eFrom, const QString& szTheirsCopy) {
    return MergedText(merge, eFrom == MergeSource::kOtherComputer ? 0 : 1, QString(), szTheirsCopy);
}

QString MergedFromText(const DiaryMerge& merge, const QString& szFrom,
                       const QString& szTheirsCopy) {
    return MergedText(merge, 2, szFrom, szTheirsCopy);
}
