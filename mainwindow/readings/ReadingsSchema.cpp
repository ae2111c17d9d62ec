#include "mainwindow/readings/ReadingsSchema.h"

#include "app/util/modGlobals.h"
#include "xmlstore/clsXML.h"

#include "xmlstore/clsXMLTags.h"

#include <utility>

QString DayKey(qint16 iYear, qint16 iMonth, qint16 iDay) {
    return QString::number(iYear) + QStringLiteral("%1").arg(iMonth, 2, 10, QLatin1Char('0')) +
           QStringLiteral("%1").arg(iDay, 2, 10, QLatin1Char('0'));
}

QDate DayKeyDate(const QString& szDayKey) {
    if (szDayKey.size() != 8) {
        return {};
    }
    int iDigits[8];
    for (int i = 0; i < 8; ++i) {
        const char16_t c = szDayKey[i].unicode();
        if (c < u'0' || c > u'9') {
            return {};
        }
        iDigits[i] = c - u'0';
    }
    const int iYear = iDigits[0] * 1000 + iDigits[1] * 100 + iDigits[2] * 10 + iDigits[3];
    // The key of a year from 1000 on has no leading zero.
    if (iYear < 1000) {
        return {};
    }
    return QDate(iYear, iDigits[4] * 10 + iDigits[5], iDigits[6] * 10 + iDigits[7]);
}

QString DayRowLabel(const QString& szDayKey) {
    const QStringView key(szDayKey);
    const QStringView day = key.right(2);
    const QStringView month = key.mid(4, 2);
    QString label;
    label.reserve(day.size() + 1 + month.size());
    return label.append(day).append(u'/').append(month);
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
    std::shared_ptr<clsXMLTag> objTag = objEntry->FindSubTagObjectByName(szName, QString());
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
