#include "i18n/LocalDates.h"

#include "i18n/Translations.h"

#include <QCoreApplication>

namespace LocalDates {

QString RowLabel(QDate date) {
    //: Date format (QDate::toString) of a chart row label: day and month only, at most six
    //: characters.
    return DisplayLocale().toString(date, QCoreApplication::translate("LocalDates", "dd/MM"));
}

QString ShortDate(QDate date) {
    return DisplayLocale().toString(date, ShortDateFormat());
}

QString ShortDateFormat() {
    //: Date format (QDate::toString) of a report line: day, month and year, compact.
    return QCoreApplication::translate("LocalDates", "dd MMM yyyy");
}

QString LongDate(QDate date) {
    //: Date format (QDate::toString) in sentences: day, full month name and year.
    return DisplayLocale().toString(date, QCoreApplication::translate("LocalDates", "d MMMM yyyy"));
}

QString MediumDate(QDate date) {
    //: Date format (QDate::toString) of one day named in a message: day, short month name and
    //: year.
    return DisplayLocale().toString(date, QCoreApplication::translate("LocalDates", "d MMM yyyy"));
}

QString DateAndTime(const QDateTime& when) {
    //: Date and time format (QDateTime::toString) in messages: date, hours and minutes.
    return DisplayLocale().toString(when,
                                    QCoreApplication::translate("LocalDates", "yyyy-MM-dd HH:mm"));
}

QString DayInWords(QDate date) {
    return InstalledLanguage().isEmpty() ? MediumDate(date) : LongDate(date);
}

} // namespace LocalDates
