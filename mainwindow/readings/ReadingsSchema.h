#pragma once

#include "xmlstore/clsXMLTag.h"

#include <QDate>
#include <QString>

#include <memory>

// Name of the top tag of a document the program creates.
inline const QString kTopTagName = QStringLiteral("CORVALEN TENSIOLOG");
// Name of the tag that holds the day entries.
inline const QString kReadingsTagName = QStringLiteral("READINGS");
// Names of a day entry's four value tags, in their order.
inline const QString kSystolicName = QStringLiteral("S");
inline const QString kDiastolicName = QStringLiteral("D");
inline const QString kPulseName = QStringLiteral("P");
inline const QString kCommentName = QStringLiteral("C");

// The four value tags of one day entry.
struct DayEntryTags {
    std::shared_ptr<clsXMLTag> objSystolicTag;
    std::shared_ptr<clsXMLTag> objDiastolicTag;
    std::shared_ptr<clsXMLTag> objPulseTag;
    std::shared_ptr<clsXMLTag> objCommentTag;
};

// Day key: the year in plain digits, then month and day with two digits each (20261207).
QString DayKey(qint16 iYear, qint16 iMonth, qint16 iDay);
// The day a key names (its eight digits read back); an invalid date for any other text.
QDate DayKeyDate(const QString& szDayKey);
// Row label of a day key: its last two characters, "/", its fifth and sixth (07/12).
QString DayRowLabel(const QString& szDayKey);
// The day entry with this key under the readings tag, or null.
std::shared_ptr<clsXMLTag> FindDayEntry(const std::shared_ptr<clsXMLTag>& objReadings,
                                        const QString& szDayKey);
// Adds a day entry (sorted) with its four empty value tags (in order) and returns them.
DayEntryTags CreateDayEntry(const std::shared_ptr<clsXMLTag>& objReadings, const QString& szDayKey);
// The value tags of an existing entry, or of a new one when the day has none yet. A value tag
// that an existing entry lacks (a hand-edited file) is added empty, so typing is never lost.
DayEntryTags FindOrCreateDayEntry(const std::shared_ptr<clsXMLTag>& objReadings,
                                  const QString& szDayKey);
// The value tags of an existing day entry; one it lacks is added empty, as above.
DayEntryTags DayEntryValueTags(const std::shared_ptr<clsXMLTag>& objEntry);
// A stored comment as the user wrote it: every line break (CR LF, or a lone CR) as one LF.
QString CommentAsTyped(QString szStored);
// A comment as the store keeps it: every line break (LF, CR LF or a lone CR) as CR LF.
QString CommentForStore(QString szTyped);
// Builds the skeleton of a new document: names the block tag and adds an empty, sorted
// "READINGS" under it; returns the readings tag.
std::shared_ptr<clsXMLTag> CreateReadingsSkeleton(const std::shared_ptr<clsXMLTag>& objBlockTag);
// Makes a new, empty readings document the program's document (a first run, a reset) and
// returns its readings tag.
std::shared_ptr<clsXMLTag> StartEmptyDocument();
