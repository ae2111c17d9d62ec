#pragma once

// Shared helpers of the CSV tests: a store of its own, its days as text, and files as bytes.

#include "diary/DayReadings.h"
#include "diary/ReadingsCsv.h"
#include "diary/ReadingsSchema.h"
#include "xmlstore/clsXML.h"
#include "xmlstore/clsXMLTag.h"
#include "xmlstore/clsXMLTags.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <string>

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

    // The document as the data file holds it.
    std::string Bytes() {
        std::string bytes;
        doc.SaveXMLToBytes(bytes, QStringLiteral("crtlg.dat"));
        return bytes;
    }
};

// A text with its line breaks and tabs made visible.
inline QString Visible(QString szText) {
    szText.replace(u'\r', QStringLiteral("\\r"));
    szText.replace(u'\n', QStringLiteral("\\n"));
    szText.replace(u'\t', QStringLiteral("\\t"));
    return szText;
}

// One reading as "S/D/P", then a blank and the comment when there is one; its time first
// ("07:05 S/D/P") when it has one.
inline QString ReadingText(const Reading& reading) {
    QString szText = reading.szSystolic + u'/' + reading.szDiastolic + u'/' + reading.szPulse;
    if (!reading.szTime.isEmpty()) {
        szText = reading.szTime + u' ' + szText;
    }
    if (!reading.szComment.isEmpty()) {
        szText += u' ' + Visible(reading.szComment);
    }
    return szText;
}

// One day as "key S/D/P", then a blank and the comment when there is one.
inline QString DayText(const QString& szKey, const QString& szS, const QString& szD,
                       const QString& szP, const QString& szC) {
    return szKey + u' ' + ReadingText({QString(), szS, szD, szP, szC});
}

// A day as "key" and its readings, "key 07:05 S/D/P C | 19:00 S/D/P": a day with one reading
// keeps no time, as the diary keeps none for it.
inline QString DayText(const QString& szKey, QList<Reading> readings) {
    if (readings.size() == 1) {
        readings[0].szTime.clear();
    }
    QStringList parts;
    for (const Reading& reading : readings) {
        parts << ReadingText(reading);
    }
    return szKey + u' ' + parts.join(QStringLiteral(" | "));
}

// Every day entry of a store, oldest first, as DayText gives it (the names of the value tags
// in the order the entry holds them when it is not S, D, P, C).
inline QStringList DaysText(const std::shared_ptr<clsXMLTag>& objReadings) {
    QStringList days;
    for (const std::shared_ptr<clsXMLTag>& objDay : *objReadings->objSubTags) {
        QString szOrder;
        for (const std::shared_ptr<clsXMLTag>& objValue : *objDay->objSubTags) {
            if (objValue->szName != kTimeName && !objValue->szName.startsWith(u'R')) {
                szOrder += objValue->szName;
            }
        }
        QString szDay = DayText(objDay->szName, DayReadings(objDay));
        if (szOrder != QLatin1String("SDPC")) {
            szDay += QStringLiteral(" [") + szOrder + u']';
        }
        days << szDay;
    }
    return days;
}

// The days a file holds, in the form of DaysText.
inline QStringList DaysText(const CsvReadings& readings) {
    QStringList days;
    for (const CsvDay& day : readings.days) {
        days << DayText(day.szKey, day.readings);
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
