#pragma once

#include "xmlstore/clsXMLTag.h"

#include <QDate>
#include <QString>
#include <QStringView>

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
// The parts of a day key by position: its first four characters are the year, the fifth and
// sixth the month, the last two the day. The parts are views into the key given.
struct DayKeyParts {
    QStringView szYear;
    QStringView szMonth;
    QStringView szDay;
};
DayKeyParts SplitDayKey(QStringView szDayKey);
// The month of a key's month characters, 1 to 12; 0 when they are not two digits of a month.
int DayKeyMonth(const DayKeyParts& parts);
// The calendar day a key names; an invalid date when it names none.
QDate DayKeyDate(QStringView szDayKey);
// The short English name of a month ("Jan" for 1); empty outside 1 to 12.
QString MonthShortName(int iMonth);
// A day as people read it, with its year, in the user's language: "8 Dec 2026" in English
// (LocalDates::MediumDate).
QString DayText(const QDate& dt);
// Row label of a day key: its day, "/", its month (07/12).
QString DayRowLabel(const QString& szDayKey);
// A direct sub-tag by name, or null: a deeper tag of the same name (a further reading's "S")
// never counts.
std::shared_ptr<clsXMLTag> DirectSubTag(const std::shared_ptr<clsXMLTag>& objTag,
                                        const QString& szName);
// The 1-based position of the first direct sub-tag of this name, or 0; it reads names only,
// so a value line read from the file stays inline (no tag object is made for it).
int DirectSubTagPosition(const clsXMLTag& objTag, const QString& szName);
// The value of the first direct sub-tag of this name, or empty text, read the same way.
QString DirectSubTagValue(const std::shared_ptr<clsXMLTag>& objTag, const QString& szName);
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
// The longest comment, in characters as typed, that the comment box and a CSV import take: a
// comment is a short note on the day (this is about a typed page). A longer stored comment is
// kept whole; the window shows only its beginning.
inline constexpr qsizetype kMaxCommentLength = 4000;
// A comment's length as typed: each line break (CR LF, LF or a lone CR) counts as one.
qsizetype CommentLength(QStringView szComment);
// Builds the skeleton of a new document: names the block tag and adds an empty, sorted
// "READINGS" under it; returns the readings tag.
std::shared_ptr<clsXMLTag> CreateReadingsSkeleton(const std::shared_ptr<clsXMLTag>& objBlockTag);
// Makes a new, empty readings document the program's document (a first run, a reset) and
// returns its readings tag.
std::shared_ptr<clsXMLTag> StartEmptyDocument();
