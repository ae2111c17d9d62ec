#pragma once

#include "xmlstore/clsXML.h"

#include <QDate>

#include <functional>
#include <memory>
#include <string>

// The one document of the program, from start-up to shutdown (replaced by a reset). Read-only
// here: ReplaceDocument is its only writer.
extern const std::shared_ptr<clsXML>& objXML;
// The "READINGS" tag inside objXML; every reader and writer of readings goes through it.
extern const std::shared_ptr<clsXMLTag>& objReadings;

// Makes objXMLNew the program's document and objReadingsNew its readings tag (both null: none).
// The only place that writes objXML and objReadings.
void ReplaceDocument(std::shared_ptr<clsXML> objXMLNew, std::shared_ptr<clsXMLTag> objReadingsNew);

// Says that the readings changed (a stored value, a new day entry, a reset, an import), so that
// whoever keeps the file up to date hears of it; counted (ReadingsGeneration).
void NoteReadingsChanged();
// Counts a change of the readings that whoever keeps the file has heard of already (a merge with
// the file on disk, a merge of copies the caller saves itself).
void CountReadingsChange();
// Grows by one with every change counted and every ReplaceDocument: what was made of the readings
// at one generation (a chart) still shows them while the generation is the same.
quint64 ReadingsGeneration();
// Who hears of changes (the saver); null: nobody.
void SetReadingsChangedHandler(std::function<void()> handler);

// The program's document as the file's bytes, put into bytes in place of what it held (the
// saver's encoder); szFile names the file in a reason. False with pszReason (also when there is
// no document).
bool EncodeProgramDocument(std::string& bytes, const QString& szFile, QString* pszReason);

// Whether the readings tag can take no further day, as its list of the store says
// (clsXMLTags::IsFull; also after a load that stopped at that limit); false without readings.
bool IsDiaryFull(const std::shared_ptr<clsXMLTag>& objReadings);
// What the user is told when the diary is full.
QString DiaryFullText();

// Today's date as the program sees it (the calendar opens on it): the system clock's, unless
// fixed with SetToday.
QDate Today();
// Fixes the date Today gives (tests, start-up options); an invalid date returns to the clock.
void SetToday(const QDate& date);
