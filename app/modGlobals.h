#pragma once

#include "clsXML.h"

#include <memory>

// The one document of the program, from start-up to shutdown (replaced by a reset).
extern std::shared_ptr<clsXML> objXML;
// The "READINGS" tag inside objXML; every reader and writer of readings goes through it.
extern std::shared_ptr<clsXMLTag> objReadings;
