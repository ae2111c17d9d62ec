#pragma once

#include "xmlstore/clsXML.h"

#include <QDate>

#include <memory>

// The one document of the program, from start-up to shutdown (replaced by a reset).
extern std::shared_ptr<clsXML> objXML;
// The "READINGS" tag inside objXML; every reader and writer of readings goes through it.
extern std::shared_ptr<clsXMLTag> objReadings;

// Today's date as the program sees it (the calendar opens on it): the system clock's, unless
// fixed with SetToday.
QDate Today();
// Fixes the date Today gives (tests, start-up options); an invalid date returns to the clock.
void SetToday(const QDate& date);
