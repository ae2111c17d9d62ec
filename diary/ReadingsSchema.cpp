#include "diary/ReadingsSchema.h"

#include "diary/modGlobals.h"
#include "i18n/LocalDates.h"
#include "xmlstore/clsXML.h"

#include "xmlstore/clsXMLTags.h"

#include <utility>

QString DayKey(qint16 iYear, qint16 iMonth, qint16 iDay) {
    return QString::number(iYear) + QStringLiteral("%1").arg(iMonth, 2, 10, QLatin1Char('0')) +
           QStringLiteral("%1").arg(iDay, 2, 10, QLatin1Char('0'));
}

namespace {

// The number written by a run of decimal digits; -1 when it is empty or holds anything else.
int DigitsValue(QStringView szDigits) {
    if (szDigits.isEmpty() || szDigits.size() > 9) {
        return -1;
    }
    int iValue = 0;
    for (const QChar c : szDigits) {
        if (c < u'0' || c > u'9') {
            return -1;
        }
        iValue = iValue * 10 + (c.unicode() - u'0');
    }
    return iValue;
}

} // namespace

DayKeyParts SplitDayKey(QStringView szDayKey) {
    return {szDayKey.left(4), szDayKey.mid(4, 2), szDayKey.right(2)};
}

int DayKeyMonth(const DayKeyParts& parts) {
    const int iMonth = parts.szMonth.size() == 2 ? DigitsValue(parts.szMonth) : -1;
    return iMonth >= 1 && iMonth <= 12 ? iMonth : 0;
}

QDate DayKeyDate(QStringView szDayKey) {
    if (szDayKey.size() != 8) {
        return QDate();
    }
    const DayKeyParts parts = SplitDayKey(szDayKey);
    const int iMonth = DayKeyMonth(parts);
    const int iYear = DigitsValue(parts.szYear);
    const int iDay = DigitsValue(parts.szDay);
    if (iMonth == 0 || iYear < 0 || iDay < 0) {
        return QDate();
    }
    return QDate(iYear, iMonth, iDay);
}

QString MonthShortName(int iMonth) {
    static const QString kNames[] = {
        QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mar"), QStringLiteral("Apr"),
        QStringLiteral("May"), QStringLiteral("Jun"), QStringLiteral("Jul"), QStringLiteral("Aug"),
        QStringLiteral("Sep"), QStringLiteral("Oct"), QStringLiteral("Nov"), QStringLiteral("Dec")};
    return iMonth >= 1 && iMonth <= 12 ? kNames[iMonth - 1] : QString();
}

QString DayText(const QDate& dt) {
    if (!dt.isValid()) {
        return QString();
    }
    return LocalDates::MediumDate(dt);
}

QString DayRowLabel(const QString& szDayKey) {
    const DayKeyParts parts = SplitDayKey(szDayKey);
    QString label;
    label.reserve(parts.szDay.size() + 1 + parts.szMonth.size());
    return label.append(parts.szDay).append(u'/').append(parts.szMonth);
}

int DirectSubTagPosition(const clsXMLTag& objTag, const QString& szName) {
    if (!objTag.objSubTags) {
        return 0;
    }
    const clsXMLTags& list = *objTag.objSubTags;
    const int32_t lCount = list.Count();
    for (int32_t i = 1; i <= lCount; ++i) {
        if (list.NameAt(i) == szName) {
            return i;
        }
    }
    return 0;
}

std::shared_ptr<clsXMLTag> DirectSubTag(const std::shared_ptr<clsXMLTag>& objTag,
                                        const QString& szName) {
    const int iPosition = objTag ? DirectSubTagPosition(*objTag, szName) : 0;
    return iPosition > 0 ? objTag->objSubTags->Item(iPosition) : nullptr;
}

QString DirectSubTagValue(const std::shared_ptr<clsXMLTag>& objTag, const QString& szName) {
    const int iPosition = objTag ? DirectSubTagPosition(*objTag, szName) : 0;
    return iPosition > 0 ? objTag->objSubTags->ValueAt(iPosition) : QString();
}

std::shared_ptr<clsXMLTag> FindDayEntry(const std::shared_ptr<clsXMLTag>& objReadings,
                                        const QString& szDayKey) {
    if (!objReadings || szDayKey.isEmpty()) {
        return nullptr;
    }
    return objReadings->FindSubTagObjectByName(szDayKey, QString());
}

DayEntryTags CreateDayEntry(const std::shared_ptr<clsXMLTag>& objReadings,
                            const QString& szDayKey) {
    const std::shared_ptr<clsXMLTag> objEntry = objReadings->AddSubTag(szDayKey, QString(), true);
    DayEntryTags tags;
    tags.objSystolicTag = objEntry->AddSubTag(kSystolicName, QString(), false);
    tags.objDiastolicTag = objEntry->AddSubTag(kDiastolicName, QString(), false);
    tags.objPulseTag = objEntry->AddSubTag(kPulseName, QString(), false);
    tags.objCommentTag = objEntry->AddSubTag(kCommentName, QString(), false);
    return tags;
}

namespace {

// A value tag of an entry; one that a hand-edited file left out is added empty, so that what the
// user types for that day is kept instead of being lost.
std::shared_ptr<clsXMLTag> ValueTag(const std::shared_ptr<clsXMLTag>& objEntry,
                                    const QString& szName) {
    std::shared_ptr<clsXMLTag> objTag = DirectSubTag(objEntry, szName);
    if (!objTag) {
        objTag = objEntry->AddSubTag(szName, QString(), false);
    }
    return objTag;
}

} // namespace

DayEntryTags FindOrCreateDayEntry(const std::shared_ptr<clsXMLTag>& objReadings,
                                  const QString& szDayKey) {
    const std::shared_ptr<clsXMLTag> objEntry = FindDayEntry(objReadings, szDayKey);
    if (!objEntry) {
        return CreateDayEntry(objReadings, szDayKey);
    }
    return DayEntryValueTags(objEntry);
}

DayEntryTags DayEntryValueTags(const std::shared_ptr<clsXMLTag>& objEntry) {
    DayEntryTags tags;
    tags.objSystolicTag = ValueTag(objEntry, kSystolicName);
    tags.objDiastolicTag = ValueTag(objEntry, kDiastolicName);
    tags.objPulseTag = ValueTag(objEntry, kPulseName);
    tags.objCommentTag = ValueTag(objEntry, kCommentName);
    return tags;
}

QString CommentAsTyped(QString szStored) {
    szStored.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    szStored.replace(u'\r', u'\n');
    return szStored;
}

QString CommentForStore(QString szTyped) {
    return CommentAsTyped(std::move(szTyped)).replace(QLatin1String("\n"), QLatin1String("\r\n"));
}

qsizetype CommentLength(QStringView szComment) {
    return szComment.size() - szComment.count(QStringView(u"\r\n"));
}

std::shared_ptr<clsXMLTag> CreateReadingsSkeleton(const std::shared_ptr<clsXMLTag>& objBlockTag) {
    objBlockTag->szName = kTopTagName;
    return objBlockTag->AddSubTag(kReadingsTagName, QString(), true);
}

std::shared_ptr<clsXMLTag> StartEmptyDocument() {
    auto objNew = std::make_shared<clsXML>();
    std::shared_ptr<clsXMLTag> objNewReadings = CreateReadingsSkeleton(objNew->objBlockTag);
    ReplaceDocument(std::move(objNew), objNewReadings);
    return objNewReadings;
}
