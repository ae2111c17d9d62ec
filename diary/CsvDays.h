#pragma once

// The rows of a CSV file gathered into days of readings, ready to merge into the store. Qt Core
// only.

#include "diary/CsvDates.h"
#include "diary/ReadingsCsv.h"

#include <QList>
#include <QString>

#include <array>

namespace Csv {

// One row with a reading, as read.
struct Row {
    int iLine = 0;
    QString szDateText;
    RowDate date;
    // The day, as a Julian day number, once the date order is known.
    qint64 lDay = 0;
    std::array<QString, 4> values; // systolic, diastolic, pulse, comment (as the store keeps it)
};

// One entry per day into pReadings (oldest first), each row a reading with its time (minutes;
// empty where the row has none), with the count of rows and of days with several readings.
// A day's readings go in order of time (rows without a time first, file order where times are
// equal); with bFileOrder (our own export, written in the diary's order) in file order. False,
// no days and *pszProblem naming the day when a day has more than kMaxReadingsPerDay rows.
bool GroupDays(const QList<Row>& rows, bool bFileOrder, CsvReadings* pReadings,
               QString* pszProblem);

} // namespace Csv
