#include "diary/DiaryMerge.h"

#include "diary/ReadingsSchema.h"
#include "xmlstore/clsXMLTags.h"

#include <QHash>

#include <algorithm>
#include <array>

namespace {

bool AllEmpty(const QList<Reading>& readings) {
    return std::all_of(readings.begin(), readings.end(),
                       [](const Reading& reading) { return reading.IsEmpty(); });
}

// A day as the merge compares it: no day and a day of empty readings are the same.
QList<Reading> DayOf(const DiaryDays& days, const QString& szDayKey) {
    const auto it = days.constFind(szDayKey);
    return it == days.constEnd() || AllEmpty(*it) ? QList<Reading>() : *it;
}

using ValueRef = QString Reading::*;
struct NamedValue {
    const char* pszName;
    ValueRef value;
};
const std::array<NamedValue, 5> kValues{{{"T", &Reading::szTime},
                                         {"S", &Reading::szSystolic},
                                         {"D", &Reading::szDiastolic},
                                         {"P", &Reading::szPulse},
                                         {"C", &Reading::szComment}}};

// One reading the common version held, merged value by value.
Reading MergeReading(const Reading& base, const Reading& mine, const Reading& theirs,
                     const QString& szDayKey, int iIndex, QList<MergeConflict>& conflicts) {
    Reading merged = mine;
    for (const NamedValue& named : kValues) {
        const QString& szBase = base.*named.value;
        const QString& szMine = mine.*named.value;
        const QString& szTheirs = theirs.*named.value;
        if (szMine == szBase) {
            merged.*named.value = szTheirs;
        } else if (szTheirs != szBase && szTheirs != szMine) {
            conflicts.append(MergeConflict{szDayKey, iIndex, QString::fromLatin1(named.pszName),
                                           szMine, szTheirs});
        }
    }
    return merged;
}

// A day changed differently on both sides.
QList<Reading> MergeDay(const QList<Reading>& base, const QList<Reading>& mine,
                        const QList<Reading>& theirs, const QString& szDayKey,
                        QList<MergeConflict>& conflicts) {
    QList<Reading> merged;
    const qsizetype iShared = std::min({base.size(), mine.size(), theirs.size()});
    for (qsizetype i = 0; i < iShared; ++i) {
        merged.append(
            MergeReading(base[i], mine[i], theirs[i], szDayKey, static_cast<int>(i), conflicts));
    }
    // Readings beyond what both kept of the common version: each side's own, both kept, the
    // same reading once. A reading one side removed that the other kept unchanged stays
    // removed; one the other side changed is kept.
    auto keep = [&](const QList<Reading>& side, const QList<Reading>& other) {
        for (qsizetype i = iShared; i < side.size(); ++i) {
            const bool bInBase = i < base.size();
            const bool bOtherRemovedIt = bInBase && i >= other.size();
            if (bOtherRemovedIt && side[i] == base[i]) {
                continue;
            }
            if (!side[i].IsEmpty() && !merged.contains(side[i])) {
                merged.append(side[i]);
            }
        }
    };
    keep(mine, theirs);
    keep(theirs, mine);
    // The added readings in time order (those without a time last), so the result is the
    // same whichever side merges.
    std::stable_sort(merged.begin() + iShared, merged.end(),
                     [](const Reading& a, const Reading& b) {
                         if (a.szTime.isEmpty() != b.szTime.isEmpty()) {
                             return b.szTime.isEmpty();
                         }
                         return a.szTime < b.szTime;
                     });
    if (merged.isEmpty()) {
        merged.append(Reading());
    }
    return merged;
}

} // namespace

QString Reading::*ReadingValueOf(const QString& szValueName) {
    for (const NamedValue& named : kValues) {
        if (szValueName == QLatin1String(named.pszName)) {
            return named.value;
        }
    }
    return nullptr;
}

DiaryDays DiaryDaysOf(const std::shared_ptr<clsXMLTag>& objReadings) {
    DiaryDays days;
    if (!objReadings || !objReadings->objSubTags) {
        return days;
    }
    for (const std::shared_ptr<clsXMLTag>& objEntry : *objReadings->objSubTags) {
        days.insert(objEntry->szName, DayReadings(objEntry));
    }
    return days;
}

DiaryMerge MergeDiaries(const DiaryDays& base, const DiaryDays& mine, const DiaryDays& theirs) {
    DiaryMerge result;
    QStringList keys = base.keys() + mine.keys() + theirs.keys();
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    for (const QString& szKey : keys) {
        const QList<Reading> baseDay = DayOf(base, szKey);
        const QList<Reading> mineDay = DayOf(mine, szKey);
        const QList<Reading> theirsDay = DayOf(theirs, szKey);
        QList<Reading> merged;
        if (mineDay == baseDay) {
            merged = theirsDay;
        } else if (theirsDay == baseDay || theirsDay == mineDay) {
            merged = mineDay;
        } else {
            merged = MergeDay(baseDay, mineDay, theirsDay, szKey, result.conflicts);
        }
        if (merged != mineDay) {
            result.daysFromTheirs.append(szKey);
        }
        if (!merged.isEmpty()) {
            result.merged.insert(szKey, merged);
        } else if (mineDay.isEmpty() && mine.contains(szKey)) {
            // An empty entry this side holds (a selected day) stays as it is.
            result.merged.insert(szKey, mine.value(szKey));
        }
    }
    return result;
}

DiaryDays CommonBase(const DiaryDays& mine, const DiaryDays& theirs) {
    DiaryDays base;
    for (auto it = mine.constBegin(); it != mine.constEnd(); ++it) {
        const QList<Reading> mineDay = DayOf(mine, it.key());
        const QList<Reading> theirsDay = DayOf(theirs, it.key());
        const qsizetype iShared = std::min(mineDay.size(), theirsDay.size());
        if (iShared == 0) {
            continue;
        }
        QList<Reading> day;
        for (qsizetype i = 0; i < iShared; ++i) {
            Reading alike;
            for (const NamedValue& named : kValues) {
                if (mineDay[i].*named.value == theirsDay[i].*named.value) {
                    alike.*named.value = mineDay[i].*named.value;
                }
            }
            day.append(alike);
        }
        base.insert(it.key(), day);
    }
    return base;
}

bool WriteDiaryDays(const std::shared_ptr<clsXMLTag>& objReadings, const DiaryDays& days) {
    // The entries by key once: a search of the tree for each day would take quadratic time.
    QHash<QString, std::shared_ptr<clsXMLTag>> entries;
    QList<std::shared_ptr<clsXMLTag>> gone;
    for (const std::shared_ptr<clsXMLTag>& objEntry : *objReadings->objSubTags) {
        if (days.contains(objEntry->szName)) {
            entries.insert(objEntry->szName, objEntry);
        } else {
            gone.append(objEntry);
        }
    }
    // Days that are gone first, so their room is free for new ones.
    for (const std::shared_ptr<clsXMLTag>& objEntry : gone) {
        objReadings->objSubTags->DeleteItem(objEntry->szName, objEntry->szValue);
    }
    bool bAllWritten = true;
    for (auto it = days.constBegin(); it != days.constEnd(); ++it) {
        std::shared_ptr<clsXMLTag> objEntry = entries.value(it.key());
        if (!objEntry) {
            if (objReadings->objSubTags->IsFull()) {
                bAllWritten = false;
                continue;
            }
            objEntry = objReadings->AddSubTag(it.key(), QString(), true);
        } else if (DayReadings(objEntry) == it.value()) {
            continue;
        }
        WriteDayReadings(objEntry, it.value());
    }
    return bAllWritten;
}
