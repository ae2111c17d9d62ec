#include "diary/CsvDays.h"

#include "diary/DayReadings.h"
#include "diary/ReadingsSchema.h"
#include "i18n/Translations.h"
#include "xmlstore/clsXMLTag.h"
#include "xmlstore/clsXMLTags.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>

#include <algorithm>
#include <tuple>
#include <vector>

namespace {

struct CsvImport {
    Q_DECLARE_TR_FUNCTIONS(CsvImport)
};

// A row's place among the readings: by day and time of day (or file order alone), in file
// order where those are equal. Sorted as small entries that point at the rows, which stay
// where they are.
struct Entry {
    qint64 lDay;
    int iSeconds;
    int iRow;
};

std::vector<Entry> RowsInOrder(const QList<Csv::Row>& rows, bool bFileOrder) {
    std::vector<Entry> order;
    order.reserve(static_cast<std::size_t>(rows.size()));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        order.push_back(
            {rows[i].lDay, bFileOrder ? 0 : rows[i].date.iSeconds, static_cast<int>(i)});
    }
    std::sort(order.begin(), order.end(), [](const Entry& a, const Entry& b) {
        return std::tie(a.lDay, a.iSeconds, a.iRow) < std::tie(b.lDay, b.iSeconds, b.iRow);
    });
    return order;
}

// A time of day in seconds as the diary keeps it, "07:05"; empty for none (-1).
QString TimeOfSeconds(int iSeconds) {
    if (iSeconds < 0) {
        return QString();
    }
    const int iHour = iSeconds / 3600;
    const int iMinute = iSeconds / 60 % 60;
    const QChar digits[] = {QChar(u'0' + iHour / 10), QChar(u'0' + iHour % 10), QChar(u':'),
                            QChar(u'0' + iMinute / 10), QChar(u'0' + iMinute % 10)};
    return QString(digits, 5);
}

Reading ReadingOfRow(const Csv::Row& row) {
    Reading reading;
    reading.szTime = TimeOfSeconds(row.date.iSeconds);
    reading.szSystolic = row.values[0];
    reading.szDiastolic = row.values[1];
    reading.szPulse = row.values[2];
    reading.szComment = row.values[3];
    return reading;
}

QString KeyOfDay(qint64 lDay) {
    const QDate date = QDate::fromJulianDay(lDay);
    return DayKey(static_cast<qint16>(date.year()), static_cast<qint16>(date.month()),
                  static_cast<qint16>(date.day()));
}

// The stored days by key; the first of a key is the one the program uses.
QHash<QString, std::shared_ptr<clsXMLTag>> StoredDays(const clsXMLTags* pDays) {
    QHash<QString, std::shared_ptr<clsXMLTag>> stored;
    if (pDays != nullptr) {
        stored.reserve(pDays->Count());
        for (const std::shared_ptr<clsXMLTag>& objDay : *pDays) {
            if (objDay && !stored.contains(objDay->szName)) {
                stored.insert(objDay->szName, objDay);
            }
        }
    }
    return stored;
}

// Whether the store can take every new day of the file; *pszError says why not.
bool RoomForNewDays(const clsXMLTags* pDays, const CsvReadings& readings,
                    const QHash<QString, std::shared_ptr<clsXMLTag>>& stored, QString* pszError) {
    qsizetype iNew = 0;
    for (const CsvDay& day : readings.days) {
        if (!stored.contains(day.szKey)) {
            ++iNew;
        }
    }
    const int iTaken = pDays != nullptr ? pDays->AddCount() : 0;
    if (iTaken + iNew <= clsXMLTags::kCapacity) {
        return true;
    }
    const QLocale locale = DisplayLocale();
    *pszError =
        //: %1: the most days a diary holds, %2: the days it has, %3: the days the file adds
        CsvImport::tr("the diary holds at most %1 days; it has %2, and the file would add %3")
            .arg(locale.toString(clsXMLTags::kCapacity),
                 locale.toString(pDays != nullptr ? pDays->Count() : 0), locale.toString(iNew));
    return false;
}

void AddDay(const std::shared_ptr<clsXMLTag>& objReadings, const CsvDay& day) {
    const DayEntryTags tags = CreateDayEntry(objReadings, day.szKey);
    WriteDayReadings(tags.objSystolicTag->objParent.lock(), day.readings);
}

// The four values of a reading, in the order of the value tags.
std::array<QString*, 4> ValuesOf(Reading& reading) {
    return {&reading.szSystolic, &reading.szDiastolic, &reading.szPulse, &reading.szComment};
}
std::array<const QString*, 4> ValuesOf(const Reading& reading) {
    return {&reading.szSystolic, &reading.szDiastolic, &reading.szPulse, &reading.szComment};
}

// A reading's time in minutes for placing it; -1 when it has none (or none that reads).
int MinuteOf(const Reading& reading) {
    const std::optional<QTime> time = ReadTimeText(reading.szTime);
    return time && time->isValid() ? time->msecsSinceStartOfDay() / 60000 : -1;
}

// For each reading of the file, the stored reading it meets, or -1: the n-th of a time meets
// the n-th stored reading of that time (no time counts as a time of its own); one reading
// meets one whatever their times.
QList<int> MatchReadings(const QList<Reading>& stored, const QList<Reading>& file) {
    QList<int> match(file.size(), -1);
    if (stored.size() == 1 && file.size() == 1) {
        match[0] = 0;
        return match;
    }
    QHash<QString, QList<int>> storedByTime;
    for (int i = 0; i < stored.size(); ++i) {
        storedByTime[stored[i].szTime].append(i);
    }
    QHash<QString, int> seen;
    for (qsizetype j = 0; j < file.size(); ++j) {
        const int iOccurrence = seen[file[j].szTime]++;
        match[j] = storedByTime.value(file[j].szTime).value(iOccurrence, -1);
    }
    return match;
}

// What a merge changes in one stored day.
struct DayChange {
    std::shared_ptr<clsXMLTag> objDay;
    // The day's readings after the merge.
    QList<Reading> readings;
    // For each stored reading, which of its four values change (bit v for value v).
    QList<quint8> changed;
    bool bGrown = false;
};

// The file's values in the stored reading where the store's are empty, or wherever the file
// has one with bReplace; what that does is noted in the flags.
quint8 MergeReading(Reading& target, const Reading& from, bool bReplace, bool* pbFilled,
                    bool* pbReplaced, bool* pbKept) {
    quint8 changed = 0;
    const std::array<QString*, 4> targets = ValuesOf(target);
    const std::array<const QString*, 4> values = ValuesOf(from);
    for (std::size_t v = 0; v < values.size(); ++v) {
        if (values[v]->isEmpty() || *targets[v] == *values[v]) {
            continue;
        }
        if (targets[v]->isEmpty()) {
            *pbFilled = true;
        } else if (bReplace) {
            *pbReplaced = true;
        } else {
            *pbKept = true;
            continue;
        }
        *targets[v] = *values[v];
        changed |= quint8(1u << v);
    }
    return changed;
}

// Puts a new reading before the first one of a later time.
void PlaceByTime(QList<Reading>& readings, const Reading& reading) {
    const int iMinute = MinuteOf(reading);
    qsizetype i = 0;
    while (i < readings.size() && MinuteOf(readings[i]) <= iMinute) {
        ++i;
    }
    readings.insert(i, reading);
}

// A day the store has, merged with the file's day: counted into *pSummary, and what changes
// into *pChange. False and *pszError when the day would hold too many readings.
bool MergeDay(const std::shared_ptr<clsXMLTag>& objDay, const CsvDay& day, bool bReplace,
              CsvMergeSummary* pSummary, DayChange* pChange, QString* pszError) {
    const QList<Reading> stored = DayReadings(objDay);
    const QList<int> match = MatchReadings(stored, day.readings);
    pChange->objDay = objDay;
    pChange->readings = stored;
    pChange->changed = QList<quint8>(stored.size(), 0);
    bool bFilled = false;
    bool bReplaced = false;
    bool bKept = false;
    QList<Reading> added;
    for (qsizetype j = 0; j < day.readings.size(); ++j) {
        if (match[j] < 0) {
            added.append(day.readings[j]);
            continue;
        }
        pChange->changed[match[j]] |= MergeReading(pChange->readings[match[j]], day.readings[j],
                                                   bReplace, &bFilled, &bReplaced, &bKept);
    }
    if (stored.size() + added.size() > kMaxReadingsPerDay) {
        //: %1: a date, %2: the most readings a day holds
        *pszError = CsvImport::tr("%1 would hold %n readings with those of the file; a day "
                                  "holds at most %2",
                                  nullptr, static_cast<int>(stored.size() + added.size()))
                        .arg(DayText(DayKeyDate(day.szKey)))
                        .arg(kMaxReadingsPerDay);
        return false;
    }
    for (const Reading& reading : added) {
        PlaceByTime(pChange->readings, reading);
    }
    pChange->bGrown = !added.isEmpty();
    ++(bReplaced         ? pSummary->iReplaced
       : pChange->bGrown ? pSummary->iGrown
       : bFilled         ? pSummary->iFilled
                         : pSummary->iUnchanged);
    if (bKept) {
        ++pSummary->iKeptDifferent;
    }
    return true;
}

// Writes what a merge changes in a stored day: the values that change in place, or the whole
// day when it gains readings.
void ApplyChange(const DayChange& change) {
    if (change.bGrown) {
        WriteDayReadings(change.objDay, change.readings);
        return;
    }
    for (qsizetype i = 0; i < change.changed.size(); ++i) {
        if (change.changed[i] == 0) {
            continue;
        }
        const ReadingTags tags = ReadingValueTags(change.objDay, static_cast<int>(i));
        const std::array<clsXMLTag*, 4> targets = {
            tags.objSystolicTag.get(), tags.objDiastolicTag.get(), tags.objPulseTag.get(),
            tags.objCommentTag.get()};
        const std::array<const QString*, 4> values = ValuesOf(change.readings[i]);
        for (std::size_t v = 0; v < targets.size(); ++v) {
            if ((change.changed[i] & (1u << v)) != 0) {
                targets[v]->szValue = *values[v];
            }
        }
    }
}

} // namespace

bool Csv::GroupDays(const QList<Row>& rows, bool bFileOrder, CsvReadings* pReadings,
                    QString* pszProblem) {
    const std::vector<Entry> order = RowsInOrder(rows, bFileOrder);
    pReadings->iRows = static_cast<int>(rows.size());
    pReadings->days.reserve(rows.size());
    for (std::size_t i = 0; i < order.size();) {
        std::size_t j = i + 1;
        while (j < order.size() && order[j].lDay == order[i].lDay) {
            ++j;
        }
        CsvDay day;
        day.szKey = KeyOfDay(order[i].lDay);
        if (j - i > std::size_t(kMaxReadingsPerDay)) {
            //: %1: a date, %2: the most readings a day holds
            *pszProblem = CsvImport::tr("%1 has %n readings; a day holds at most %2", nullptr,
                                        static_cast<int>(j - i))
                              .arg(DayText(DayKeyDate(day.szKey)))
                              .arg(kMaxReadingsPerDay);
            pReadings->days.clear();
            return false;
        }
        day.readings.reserve(static_cast<qsizetype>(j - i));
        for (std::size_t k = i; k < j; ++k) {
            day.readings.append(ReadingOfRow(rows[order[k].iRow]));
        }
        if (day.readings.size() > 1) {
            ++pReadings->iDaysWithSeveral;
        }
        pReadings->days.append(std::move(day));
        i = j;
    }
    return true;
}

bool MergeCsvReadings(const std::shared_ptr<clsXMLTag>& objReadings, const CsvReadings& readings,
                      bool bReplace, bool bApply, CsvMergeSummary* pSummary, QString* pszError) {
    *pSummary = CsvMergeSummary();
    if (!objReadings) {
        *pszError = CsvImport::tr("there is no list of readings to add to");
        return false;
    }
    const clsXMLTags* pDays = objReadings->objSubTags.get();
    const QHash<QString, std::shared_ptr<clsXMLTag>> stored = StoredDays(pDays);
    // Counting first: the store must be able to take every new day and every new reading
    // before anything changes.
    if (!RoomForNewDays(pDays, readings, stored, pszError)) {
        return false;
    }
    std::vector<DayChange> changes;
    for (const CsvDay& day : readings.days) {
        const auto found = stored.constFind(day.szKey);
        if (found == stored.constEnd()) {
            ++pSummary->iAdded;
            continue;
        }
        DayChange change;
        if (!MergeDay(found.value(), day, bReplace, pSummary, &change, pszError)) {
            *pSummary = CsvMergeSummary();
            return false;
        }
        if (bApply && (change.bGrown || std::any_of(change.changed.begin(), change.changed.end(),
                                                    [](quint8 c) { return c != 0; }))) {
            changes.push_back(std::move(change));
        }
    }
    if (!bApply) {
        return true;
    }
    for (const DayChange& change : changes) {
        ApplyChange(change);
    }
    for (const CsvDay& day : readings.days) {
        if (!stored.contains(day.szKey)) {
            AddDay(objReadings, day);
        }
    }
    return true;
}
