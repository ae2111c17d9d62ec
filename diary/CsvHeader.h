#pragma once

// The header row of a CSV file: which column holds what, found by the columns' names, and the
// separator that finds them. Qt Core only.

#include "diary/CsvText.h"

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace Csv {

enum Column { kDate, kSystolic, kDiastolic, kPulse, kComment, kTime, kIgnored };

// Where each column is, from a header row.
struct Header {
    // Field positions of the date, the three values and the comment (-1: none), and of a
    // separate time column.
    std::array<int, 5> iField = {-1, -1, -1, -1, -1};
    int iTimeField = -1;
    int iFieldCount = 0;
    int iKnown = 0;
    QStringList ignored;
    // Two columns for one value: their names.
    QString szDuplicate;
    // The row is our export's own header row, as the export writes it (or wrote it before
    // readings had times).
    bool bOurs = false;
    // The date column holds milliseconds since 1970 ("timestampUnixMs").
    bool bUnixMs = false;

    bool Usable() const {
        return iField[kDate] >= 0 && (iField[kSystolic] >= 0 || iField[kDiastolic] >= 0 ||
                                      iField[kPulse] >= 0 || iField[kComment] >= 0);
    }
};

// The columns a row's fields name, in English, German, French or Spanish, without case,
// accents, units in brackets or anything but letters and digits ("Systolic (mmHg)", "Heart
// rate", "Sistólica"); of several names of the date, the most telling wins ("Date" before
// "Time").
Header ReadHeader(const QList<Field>& fields);

// The header row, the separator that finds it, and where the rows begin.
struct HeaderRow {
    Header columns;
    QChar cDelimiter = u',';
    int iLine = 0;
    qsizetype iDataStart = 0;
    int iDataLine = 0;
    // The file starts with our export's header row: it is one of our exports.
    bool bOurExport = false;
    // The start of the first line that is not blank, for a file without a header (as read,
    // the fields joined with commas; quoted in a message).
    QString szFirstLine;
};

// Among the first lines that are not blank, the first that names a date and a value column;
// the separator is the one that finds the most known columns there.
HeaderRow FindHeader(const QString& szText);

} // namespace Csv
