#include "diary/CsvDays.h"

#include "diary/ReadingsSchema.h"
#include "diary/RoundedMean.h"
#include "xmlstore/clsXMLTag.h"
#include "xmlstore/clsXMLTags.h"

#include <QHash>
#include <QLocale>

#include <algorithm>
#include <tuple>
#include <vector>

namespace {

const QLatin1String kCrLf("\r\n");

// A row's place in the order of folding: by day and time of day, in file order where those
// are equal. Sorted as small entries that point at the rows, which stay where they are.
struct Entry {
    qint64 lDay;
    int iSeconds;
    int iRow;
};

std::vector<Entry> RowsInOrder(const QList<Csv::Row>& rows) {
    std::vector<Entry> order;
    order.reserve(static_cast<std::size_t>(rows.size()));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        order.push_back({rows[i].lDay, rows[i].date.iSeconds, static_cast<int>(i)});
    }
    std::sort(order.begin(), order.end(), [](const Entry& a, const Entry& b) {
        return std::tie(a.lDay, a.iSeconds, a.iRow) < std::tie(b.lDay, b.iSeconds, b.iRow);
    });
    return order;
}

// One day from the rows that order[iFirst, iEnd) points at.
CsvDay FoldDay(const QList<Csv::Row>& rows, const std::vector<Entry>& order, std::size_t iFirst,
               std::size_t iEnd) {
    const QDate date = QDate::fromJulianDay(order[iFirst].lDay);
    CsvDay day;
    day.szKey = DayKey(static_cast<qint16>(date.year()), static_cast<qint16>(date.month()),
                       static_cast<qint16>(date.day()));
    day.iReadings = static_cast<int>(iEnd - iFirst);
    const std::array<QString*, 3> targets = {&day.szSystolic, &day.szDiastolic, &day.szPulse};
    for (std::size_t v = 0; v < targets.size(); ++v) {
        qint64 lSum = 0;
        qint64 lCount = 0;
        const QString* pOnly = nullptr;
        for (std::size_t k = iFirst; k < iEnd; ++k) {
            const QString& szValue = rows[order[k].iRow].values[v];
            if (!szValue.isEmpty()) {
                lSum += szValue.toInt();
                ++lCount;
                pOnly = &szValue;
            }
        }
        if (lCount == 1) {
            *targets[v] = *pOnly;
        } else if (lCount > 1) {
            *targets[v] = QString::number(RoundedMean(lSum, lCount));
        }
    }
    for (std::size_t k = iFirst; k < iEnd; ++k) {
        const QString& szComment = rows[order[k].iRow].values[3];
        if (!szComment.isEmpty()) {
            if (!day.szComment.isEmpty()) {
                day.szComment += kCrLf;
            }
            day.szComment += szComment;
        }
    }
    return day;
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
    const QLocale english(QLocale::English);
    *pszError =
        QStringLiteral("the diary holds at most %1 days; it has %2, and the file would "
                       "add %3")
            .arg(english.toString(clsXMLTags::kCapacity),
                 english.toString(pDays != nullptr ? pDays->Count() : 0), english.toString(iNew));
    return false;
}

void AddDay(const std::shared_ptr<clsXMLTag>& objReadings, const CsvDay& day) {
    const DayEntryTags tags = CreateDayEntry(objReadings, day.szKey);
    tags.objSystolicTag->szValue = day.szSystolic;
    tags.objDiastolicTag->szValue = day.szDiastolic;
    tags.objPulseTag->szValue = day.szPulse;
    tags.objCommentTag->szValue = day.szComment;
}

// A day the store has: the file's values where the store's are empty, or wherever the file
// has one with bReplace; counted, and changed with bApply.
void MergeDay(const std::shared_ptr<clsXMLTag>& objDay, const CsvDay& day, bool bReplace,
              bool bApply, CsvMergeSummary* pSummary) {
    const std::array<const QString*, 4> values = {&day.szSystolic, &day.szDiastolic, &day.szPulse,
                                                  &day.szComment};
    const std::array<const QString*, 4> names = {&kSystolicName, &kDiastolicName, &kPulseName,
                                                 &kCommentName};
    bool bFilled = false;
    bool bReplaced = false;
    bool bKept = false;
    std::array<bool, 4> change = {};
    for (std::size_t v = 0; v < values.size(); ++v) {
        if (values[v]->isEmpty()) {
            continue;
        }
        const QString szStored = objDay->GetSubTagValue(*names[v]);
        if (szStored.isEmpty()) {
            bFilled = change[v] = true;
        } else if (szStored != *values[v]) {
            if (bReplace) {
                bReplaced = change[v] = true;
            } else {
                bKept = true;
            }
        }
    }
    ++(bReplaced ? pSummary->iReplaced : bFilled ? pSummary->iFilled : pSummary->iUnchanged);
    if (bKept) {
        ++pSummary->iKeptDifferent;
    }
    if (bApply && (bFilled || bReplaced)) {
        const DayEntryTags tags = DayEntryValueTags(objDay);
        const std::array<clsXMLTag*, 4> targets = {
            tags.objSystolicTag.get(), tags.objDiastolicTag.get(), tags.objPulseTag.get(),
            tags.objCommentTag.get()};
        for (std::size_t v = 0; v < targets.size(); ++v) {
            if (change[v]) {
                targets[v]->szValue = *values[v];
            }
        }
    }
}

} // namespace

void Csv::FoldDays(const QList<Row>& rows, CsvReadings* pReadings) {
    const std::vector<Entry> order = RowsInOrder(rows);
    pReadings->iRows = static_cast<int>(rows.size());
    pReadings->days.reserve(rows.size());
    for (std::size_t i = 0; i < order.size();) {
        std::size_t j = i + 1;
        while (j < order.size() && order[j].lDay == order[i].lDay) {
            ++j;
        }
        CsvDay day = FoldDay(rows, order, i, j);
        if (day.iReadings > 1) {
            ++pReadings->iFoldedDays;
        }
        pReadings->days.append(std::move(day));
        i = j;
    }
}

bool MergeCsvReadings(const std::shared_ptr<clsXMLTag>& objReadings, const CsvReadings& readings,
                      bool bReplace, bool bApply, CsvMergeSummary* pSummary, QString* pszError) {
    *pSummary = CsvMergeSummary();
    if (!objReadings) {
        *pszError = QStringLiteral("there is no list of readings to add to");
        return false;
    }
    const clsXMLTags* pDays = objReadings->objSubTags.get();
    const QHash<QString, std::shared_ptr<clsXMLTag>> stored = StoredDays(pDays);
    // Counting first: the store must be able to take every new day before anything changes.
    if (!RoomForNewDays(pDays, readings, stored, pszError)) {
        return false;
    }
    for (const CsvDay& day : readings.days) {
        const auto found = stored.constFind(day.szKey);
        if (found != stored.constEnd()) {
            MergeDay(found.value(), day, bReplace, bApply, pSummary);
            continue;
        }
        ++pSummary->iAdded;
        if (bApply) {
            AddDay(objReadings, day);
        }
    }
    return true;
}
