#pragma once

// Shared helpers of the CSV tests: a store of its own, its days as text, and files as bytes.

#include "diary/ReadingsCsv.h"
#include "diary/ReadingsSchema.h"
#include "xmlstore/clsXML.h"
#include "xmlstore/clsXMLTag.h"
#include "xmlstore/clsXMLTags.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

namespace csvtest {

// A document with an empty readings list.
struct Store {
    Store() : objReadings(CreateReadingsSkeleton(doc.objBlockTag)) {}
    clsXML doc;
    std::shared_ptr<clsXMLTag> objReadings;

    // Adds a day entry with its four values (the comment as the store keeps it).
    void Add(const QString& szKey, const QString& szS, const QString& szD, const QString& szP,
             const QString& szC = QString()) {
        const DayEntryTags tags = CreateDayEntry(objReadings, szKey);
        tags.objSystolicTag->szValue = szS;
        tags.objDiastolicTag->szValue = szD;
        tags.objPulseTag->szValue = szP;
        tags.objCommentTag->szValue = szC;
    }

    int Days() const { return objReadings->objSubTags->Count(); }
};

// A text with its line breaks and tabs made visible.
inline QString Visible(QString szText) {
    szText.replace(u'\r', QStringLiteral("\\r"));
    szText.replace(u'\n', QStringLiteral("\\n"));
    szText.replace(u'\t', QStringLiteral("\\t"));
    return szText;
}

// One day as "key S/D/P", then a blank and the comment when there is one.
inline QString DayText(const QString& szKey, const QString& szS, const QString& szD,
                       const QString& szP, const QString& szC) {
    QString szDay = szKey + u' ' + szS + u'/' + szD + u'/' + szP;
    if (!szC.isEmpty()) {
        szDay += u' ' + Visible(szC);
    }
    return szDay;
}

// Every day entry of a store, oldest first, as "key S/D/P C" (the names of the value tags in
// the order the entry holds them when it is not S, D, P, C).
inline QStringList DaysText(const std::shared_ptr<clsXMLTag>& objReadings) {
    QStringList days;
    for (const std::shared_ptr<clsXMLTag>& objDay : *objReadings->objSubTags) {
        QString szOrder;
        for (const std::shared_ptr<clsXMLTag>& objValue : *objDay->objSubTags) {
            szOrder += objValue->szName;
        }
        QString szDay =
            DayText(objDay->szName, objDay->GetSubTagValue(kSystolicName),
                    objDay->GetSubTagValue(kDiastolicName), objDay->GetSubTagValue(kPulseName),
                    objDay->GetSubTagValue(kCommentName));
        if (szOrder != QLatin1String("SDPC")) {
            szDay += QStringLiteral(" [") + szOrder + u']';
        }
        days << szDay;
    }
    return days;
}

// The days a file holds after folding, in the form of DaysText.
inline QStringList DaysText(const CsvReadings& readings) {
    QStringList days;
    for (const CsvDay& day : readings.days) {
        days << DayText(day.szKey, day.szSystolic, day.szDiastolic, day.szPulse, day.szComment);
    }
    return days;
}

// Lines joined with CR LF, each ended by one, as UTF-8.
inline QByteArray CrLfLines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& szLine : lines) {
        bytes += szLine.toUtf8() + "\r\n";
    }
    return bytes;
}

} // namespace csvtest
