#include "modGlobals.h"

std::shared_ptr<clsXML> objXML;
std::shared_ptr<clsXMLTag> objReadings;
