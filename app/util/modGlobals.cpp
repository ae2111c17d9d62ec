#include "app/util/modGlobals.h"

std::shared_ptr<clsXML> objXML;
std::shared_ptr<clsXMLTag> objReadings;

namespace {

QDate& FixedToday() {
    static QDate date;
    return date;
}

} // namespace

QDate Today() {
    return FixedToday().isValid() ? FixedToday() : QDate::currentDate();
}

void SetToday(const QDate& date) {
    FixedToday() = date;
}
