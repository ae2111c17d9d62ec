#pragma once

// The rows of a CSV file folded into days, ready to merge into the store. Qt Core only.

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

// One entry per day into pReadings (oldest first), with the count of rows and of folded days:
// a value a day has once is kept as written, several are replaced by their rounded mean
// (RoundedMean), the comments are joined in order of time (file order where times are equal).
void FoldDays(const QList<Row>& rows, CsvReadings* pReadings);

} // namespace Csv
