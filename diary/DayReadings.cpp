#include "diary/DayReadings.h"

#include "diary/RoundedMean.h"
#include "diary/TextToInteger.h"
#include "xmlstore/clsXMLTags.h"

#include <algorithm>
#include <array>
#include <limits>

namespace {

std::shared_ptr<clsXMLTag> DirectSubTagOrNew(const std::shared_ptr<clsXMLTag>& objTag,
                                             const QString& szName) {
    std::shared_ptr<clsXMLTag> objSub = DirectSubTag(objTag, szName);
    return objSub ? objSub : objTag->AddSubTag(szName, QString(), false);
}

QString DirectValue(const std::shared_ptr<clsXMLTag>& objTag, const QString& szName) {
    return DirectSubTagValue(objTag, szName);
}

// The further reading tags of an entry, in the order they are stored.
QList<std::shared_ptr<clsXMLTag>> FurtherReadingTags(const std::shared_ptr<clsXMLTag>& objEntry) {
    QList<std::shared_ptr<clsXMLTag>> tags;
    if (!objEntry || !objEntry->objSubTags) {
        return tags;
    }
    for (int i = 1; i < kMaxReadingsPerDay; ++i) {
        std::shared_ptr<clsXMLTag> objTag = DirectSubTag(objEntry, FurtherReadingTagName(i));
        if (!objTag) {
            break;
        }
        tags.append(std::move(objTag));
    }
    return tags;
}

Reading ReadingOf(const std::shared_ptr<clsXMLTag>& objTag) {
    Reading reading;
    reading.szTime = DirectValue(objTag, kTimeName);
    reading.szSystolic = DirectValue(objTag, kSystolicName);
    reading.szDiastolic = DirectValue(objTag, kDiastolicName);
    reading.szPulse = DirectValue(objTag, kPulseName);
    reading.szComment = DirectValue(objTag, kCommentName);
    return reading;
}

void SetValue(const std::shared_ptr<clsXMLTag>& objTag, const QString& szName,
              const QString& szValue) {
    DirectSubTagOrNew(objTag, szName)->szValue = szValue;
}

// Writes a further reading's tags in their order: time first, then the four values.
void FillFurtherReading(const std::shared_ptr<clsXMLTag>& objTag, const Reading& reading) {
    SetValue(objTag, kTimeName, reading.szTime);
    SetValue(objTag, kSystolicName, reading.szSystolic);
    SetValue(objTag, kDiastolicName, reading.szDiastolic);
    SetValue(objTag, kPulseName, reading.szPulse);
    SetValue(objTag, kCommentName, reading.szComment);
}

// Removes this direct sub-tag from its parent's list (found by identity, not by key).
void RemoveSubTagObject(const std::shared_ptr<clsXMLTag>& objTag,
                        const std::shared_ptr<clsXMLTag>& objSub) {
    int iPosition = 1;
    for (const std::shared_ptr<clsXMLTag>& objItem : *objTag->objSubTags) {
        if (objItem == objSub) {
            objTag->objSubTags->Remove(iPosition);
            return;
        }
        ++iPosition;
    }
}

void RemoveDirectSubTag(const std::shared_ptr<clsXMLTag>& objTag, const QString& szName) {
    if (const std::shared_ptr<clsXMLTag> objSub = DirectSubTag(objTag, szName)) {
        RemoveSubTagObject(objTag, objSub);
    }
}

// The whole number a stored value counts as on the chart, or none.
std::optional<int> ChartValue(const QString& szValue) {
    const std::optional<qint16> value = TextToInteger(szValue);
    if (!value || *value <= 0) {
        return std::nullopt;
    }
    return *value;
}

struct ValueSpread {
    qint64 lSum = 0;
    qint64 lCount = 0;
    int iLow = std::numeric_limits<int>::max();
    int iHigh = 0;
    void Add(int iValue) {
        lSum += iValue;
        ++lCount;
        iLow = std::min(iLow, iValue);
        iHigh = std::max(iHigh, iValue);
    }
    void Into(int& iMean, int& iLowOut, int& iHighOut) const {
        if (lCount == 0) {
            return;
        }
        iMean = static_cast<int>(RoundedMean(lSum, lCount));
        iLowOut = iLow;
        iHighOut = iHigh;
    }
};

// Collects a day's values reading by reading.
class DaySpreadBuilder {
public:
    void Add(const QString& szSystolic, const QString& szDiastolic, const QString& szPulse) {
        bool bMeasured = false;
        const std::array<const QString*, 3> values{&szSystolic, &szDiastolic, &szPulse};
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (const std::optional<int> value = ChartValue(*values[i])) {
                m_spreads[i].Add(*value);
                bMeasured = true;
            }
        }
        m_iMeasured += bMeasured ? 1 : 0;
    }
    DaySpread Result(int iReadings) const {
        DaySpread spread;
        spread.iReadings = iReadings;
        spread.iMeasured = m_iMeasured;
        m_spreads[0].Into(spread.iSystolic, spread.iSystolicLow, spread.iSystolicHigh);
        m_spreads[1].Into(spread.iDiastolic, spread.iDiastolicLow, spread.iDiastolicHigh);
        m_spreads[2].Into(spread.iPulse, spread.iPulseLow, spread.iPulseHigh);
        return spread;
    }

private:
    std::array<ValueSpread, 3> m_spreads;
    int m_iMeasured = 0;
};

// The 0-based index of the reading a tag of this name holds ("R2" gives 1), as
// FurtherReadingTagName names them; 0 for any other name.
int FurtherReadingIndex(const QString& szName) {
    if (szName.size() < 2 || szName.size() > 3 || szName.front() != u'R' || szName[1] == u'0') {
        return 0;
    }
    int iNumber = 0;
    for (qsizetype i = 1; i < szName.size(); ++i) {
        if (szName[i] < u'0' || szName[i] > u'9') {
            return 0;
        }
        iNumber = iNumber * 10 + (szName[i].unicode() - u'0');
    }
    return iNumber >= 2 && iNumber <= kMaxReadingsPerDay ? iNumber - 1 : 0;
}

// The first direct "S", "D" and "P" of a tag, as DirectSubTag finds them (null: none), read
// without copying a value.
struct ValueTexts {
    std::array<const QString*, 3> values{};

    // Takes a sub-tag's value when it is the first of its name; false for other names.
    bool Take(const QString& szName, const QString& szValue) {
        static const std::array<const QString*, 3> names{&kSystolicName, &kDiastolicName,
                                                         &kPulseName};
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (szName == *names[i]) {
                if (!values[i]) {
                    values[i] = &szValue;
                }
                return true;
            }
        }
        return false;
    }
    void AddTo(DaySpreadBuilder& builder) const {
        static const QString kNone;
        builder.Add(values[0] ? *values[0] : kNone, values[1] ? *values[1] : kNone,
                    values[2] ? *values[2] : kNone);
    }
};

ValueTexts ValuesOf(const clsXMLTag& objTag) {
    ValueTexts values;
    if (objTag.objSubTags) {
        const clsXMLTags& list = *objTag.objSubTags;
        const int32_t lCount = list.Count();
        for (int32_t i = 1; i <= lCount; ++i) {
            values.Take(list.NameAt(i), list.ValueAt(i));
        }
    }
    return values;
}

} // namespace

QString FurtherReadingTagName(int iIndex) {
    return u'R' + QString::number(iIndex + 1);
}

bool Reading::IsEmpty() const {
    return szSystolic.isEmpty() && szDiastolic.isEmpty() && szPulse.isEmpty() &&
           szComment.isEmpty();
}

QString TimeText(const QTime& time) {
    return time.isValid() ? time.toString(QStringLiteral("HH:mm")) : QString();
}

std::optional<QTime> ReadTimeText(QStringView szText) {
    const QStringView szTrimmed = szText.trimmed();
    if (szTrimmed.isEmpty()) {
        return QTime();
    }
    QString szDigits;
    int iSeparators = 0;
    qsizetype iSeparatorAt = -1;
    for (qsizetype i = 0; i < szTrimmed.size(); ++i) {
        const QChar c = szTrimmed[i];
        if (c >= u'0' && c <= u'9') {
            szDigits.append(c);
        } else if (c == u':' || c == u'.' || c == u'h') {
            ++iSeparators;
            iSeparatorAt = i;
        } else {
            return std::nullopt;
        }
    }
    int iHour = -1;
    int iMinute = -1;
    if (iSeparators == 1) {
        const qsizetype iMinuteDigits = szTrimmed.size() - iSeparatorAt - 1;
        if (iSeparatorAt < 1 || iSeparatorAt > 2 || iMinuteDigits != 2) {
            return std::nullopt;
        }
        iHour = szDigits.left(iSeparatorAt).toInt();
        iMinute = szDigits.mid(iSeparatorAt).toInt();
    } else if (iSeparators == 0 && (szDigits.size() == 3 || szDigits.size() == 4)) {
        iHour = szDigits.left(szDigits.size() - 2).toInt();
        iMinute = szDigits.right(2).toInt();
    } else {
        return std::nullopt;
    }
    const QTime time(iHour, iMinute);
    if (!time.isValid()) {
        return std::nullopt;
    }
    return time;
}

int DayReadingCount(const std::shared_ptr<clsXMLTag>& objEntry) {
    return objEntry ? 1 + static_cast<int>(FurtherReadingTags(objEntry).size()) : 0;
}

QList<Reading> DayReadings(const std::shared_ptr<clsXMLTag>& objEntry) {
    QList<Reading> readings;
    if (!objEntry) {
        return readings;
    }
    readings.append(ReadingOf(objEntry));
    for (const std::shared_ptr<clsXMLTag>& objTag : FurtherReadingTags(objEntry)) {
        readings.append(ReadingOf(objTag));
    }
    return readings;
}

ReadingTags ReadingValueTags(const std::shared_ptr<clsXMLTag>& objEntry, int iIndex) {
    ReadingTags tags;
    if (!objEntry || iIndex < 0) {
        return tags;
    }
    std::shared_ptr<clsXMLTag> objHolder = objEntry;
    if (iIndex > 0) {
        objHolder = DirectSubTag(objEntry, FurtherReadingTagName(iIndex));
        if (!objHolder || iIndex >= DayReadingCount(objEntry)) {
            return tags;
        }
        tags.objTimeTag = DirectSubTagOrNew(objHolder, kTimeName);
    }
    tags.objSystolicTag = DirectSubTagOrNew(objHolder, kSystolicName);
    tags.objDiastolicTag = DirectSubTagOrNew(objHolder, kDiastolicName);
    tags.objPulseTag = DirectSubTagOrNew(objHolder, kPulseName);
    tags.objCommentTag = DirectSubTagOrNew(objHolder, kCommentName);
    if (iIndex == 0 && DayReadingCount(objEntry) > 1) {
        tags.objTimeTag = DirectSubTagOrNew(objEntry, kTimeName);
    }
    return tags;
}

int AddReading(const std::shared_ptr<clsXMLTag>& objEntry, const QString& szTime,
               const QString& szFirstTime) {
    const int iCount = DayReadingCount(objEntry);
    // A list takes a bounded number of adds in its life; the reading and up to six tags.
    if (iCount == 0 || iCount >= kMaxReadingsPerDay ||
        objEntry->objSubTags->AddCount() > clsXMLTags::kCapacity - 8) {
        return -1;
    }
    // The day's own tags first, in their order, so the new tags come after them.
    ReadingValueTags(objEntry, 0);
    if (!DirectSubTag(objEntry, kTimeName)) {
        objEntry->AddSubTag(kTimeName, szFirstTime, false);
    }
    const std::shared_ptr<clsXMLTag> objNew =
        objEntry->AddSubTag(FurtherReadingTagName(iCount), QString(), false);
    Reading reading;
    reading.szTime = szTime;
    FillFurtherReading(objNew, reading);
    return iCount;
}

bool RemoveReading(const std::shared_ptr<clsXMLTag>& objEntry, int iIndex) {
    QList<Reading> readings = DayReadings(objEntry);
    if (iIndex < 0 || iIndex >= readings.size() || readings.size() < 2) {
        return false;
    }
    readings.removeAt(iIndex);
    WriteDayReadings(objEntry, readings);
    return true;
}

void WriteDayReadings(const std::shared_ptr<clsXMLTag>& objEntry, const QList<Reading>& readings) {
    if (!objEntry) {
        return;
    }
    const QList<std::shared_ptr<clsXMLTag>> further = FurtherReadingTags(objEntry);
    for (const std::shared_ptr<clsXMLTag>& objTag : further) {
        RemoveSubTagObject(objEntry, objTag);
    }
    const Reading first = readings.isEmpty() ? Reading() : readings.first();
    SetValue(objEntry, kSystolicName, first.szSystolic);
    SetValue(objEntry, kDiastolicName, first.szDiastolic);
    SetValue(objEntry, kPulseName, first.szPulse);
    SetValue(objEntry, kCommentName, first.szComment);
    const qsizetype iCount = std::min<qsizetype>(readings.size(), kMaxReadingsPerDay);
    if (iCount < 2) {
        RemoveDirectSubTag(objEntry, kTimeName);
        return;
    }
    SetValue(objEntry, kTimeName, first.szTime);
    for (qsizetype i = 1; i < iCount; ++i) {
        const std::shared_ptr<clsXMLTag> objTag =
            objEntry->AddSubTag(FurtherReadingTagName(static_cast<int>(i)), QString(), false);
        FillFurtherReading(objTag, readings[i]);
    }
}

DaySpread SpreadOfReadings(const QList<Reading>& readings) {
    DaySpreadBuilder builder;
    for (const Reading& reading : readings) {
        builder.Add(reading.szSystolic, reading.szDiastolic, reading.szPulse);
    }
    return builder.Result(static_cast<int>(readings.size()));
}

DaySpread SpreadOfDay(const std::shared_ptr<clsXMLTag>& objEntry) {
    // One pass over the entry's tags, without copying a reading: the chart reads every day of
    // a diary this way on each fill. The tags read are those DayReadings reads.
    if (!objEntry || !objEntry->objSubTags) {
        return DaySpread{};
    }
    // Names and values are read in place: the day's value lines stay inline in the store.
    ValueTexts first;
    std::array<const clsXMLTag*, kMaxReadingsPerDay> further{};
    const clsXMLTags& list = *objEntry->objSubTags;
    const int32_t lCount = list.Count();
    for (int32_t i = 1; i <= lCount; ++i) {
        const QString& szName = list.NameAt(i);
        if (!first.Take(szName, list.ValueAt(i))) {
            const int iIndex = FurtherReadingIndex(szName);
            if (iIndex > 0 && !further[static_cast<std::size_t>(iIndex)]) {
                // a further reading holds tags, so it is a tag already: nothing is made here
                further[static_cast<std::size_t>(iIndex)] = list.Item(i).get();
            }
        }
    }
    DaySpreadBuilder builder;
    first.AddTo(builder);
    int iReadings = 1;
    for (std::size_t i = 1; i < further.size() && further[i]; ++i) {
        // Readings follow one another: R3 without R2 is not read.
        ValuesOf(*further[i]).AddTo(builder);
        ++iReadings;
    }
    return builder.Result(iReadings);
}
