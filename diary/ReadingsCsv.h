#pragma once

// Readings in and out as CSV (comma-separated values): the export the report window and
// `tlg --export-csv` write, and the one importer behind `tlg --import-csv` and a dropped file.
// Qt Core only.

#include "diary/DayReadings.h"

#include <QByteArray>
#include <QChar>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class clsXMLTag;
class QIODevice;
class QLocale;

// ---- Export

// What an export writes.
struct CsvExportOptions {
    // Field separator: ',' (the default), ';' or a tab.
    QChar cDelimiter = u',';
    // First and last day written; an invalid date leaves that end open.
    QDate dtFirst;
    QDate dtLast;
};

// The readings as CSV: UTF-8, the header row "date,time,systolic,diastolic,pulse,comment", then
// one row per reading that holds any value (placeholders left out), oldest day first and a day's
// readings in the diary's order, with the ISO date, the reading's time ("07:05"; empty for a day
// with one reading, or where none is known), the values as stored and the comment as typed (its
// line breaks as LF); CR LF line ends,
// fields quoted when they hold the separator, a quote, a line break or blanks at either end.
// A field a spreadsheet would take for a formula (one that starts with =, +, -, @, a tab or a
// line break and is not a plain number) gets a leading "'", and so does one that already
// starts with "'"s followed by such a character, so that the import of this file takes exactly
// one off again.
// piDays receives the number of days written.
QByteArray ReadingsToCsv(const std::shared_ptr<clsXMLTag>& objReadings,
                         const CsvExportOptions& options, int* piDays = nullptr);

// Writes all the bytes to an open device; false and the device's reason when it takes fewer.
bool WriteCsvBytes(QIODevice& device, const QByteArray& bytes, QString* pszReason);

// Writes the bytes over a file safely: into a new file beside it, checked and flushed, then
// swapped in; a failure leaves whatever was there untouched. A new file is for its owner only,
// like the data file. False and the reason on failure.
bool SaveCsvFile(const QString& szFile, const QByteArray& bytes, QString* pszReason);

// The separator a locale's spreadsheets expect: ';' where numbers take a decimal comma, else ','.
QChar CsvDelimiterForLocale(const QLocale& locale);

// ---- Import

// The largest CSV input an import reads: far more than any diary's readings, and a bound for a
// source that never ends.
constexpr qint64 kLargestCsvInput = qint64(64) * 1024 * 1024;

// How messages name a CSV file: its path in the system's form, control characters shown
// visibly.
QString CsvNameForMessages(const QString& szPath);

// Whether a file's name says it holds CSV (it ends in ".csv", in any case): the files the window
// takes from a drop or from its command line.
bool IsCsvFileName(const QString& szPath);

// Reads a whole CSV file for an import. What is not an ordinary file (or a link to one) is
// refused at once, without waiting on it: a named pipe, a folder, a device. So is a file larger
// than kLargestCsvInput. False and *pszReason, which names the file ("<name> could not be read
// (it is a named pipe, not an ordinary file)").
bool ReadCsvFile(const QString& szPath, QByteArray* pBytes, QString* pszReason);

// Reads an open source (standard input) to its end, refusing more than kLargestCsvInput bytes;
// szName names it in *pszReason.
bool ReadCsvSource(QIODevice& device, const QString& szName, QByteArray* pBytes,
                   QString* pszReason);

// How dates such as 03/04/2026 are read when the file itself does not tell.
enum class CsvDateOrder { Unknown, DayFirst, MonthFirst };

// One day of a CSV file with its readings.
struct CsvDay {
    // The day key (20261208).
    QString szKey;
    // One reading for each row of the day (1 to kMaxReadingsPerDay): its time ("07:05", or
    // empty where the row has none) and its values as the store keeps them, the comment's line
    // breaks as CR LF. In order of time (rows without a time first, rows of one time in file
    // order); in our own export in the file's order, which is the diary's.
    QList<Reading> readings;
};

// A CSV file, read completely.
struct CsvReadings {
    // The days, oldest first.
    QList<CsvDay> days;
    // Rows that held a reading.
    int iRows = 0;
    // Days with more than one reading.
    int iDaysWithSeveral = 0;
    // Header names of the columns that were left out, as the file spells them.
    QStringList ignoredColumns;
    // How the bytes were read: "UTF-8", "UTF-16" or "Windows-1252".
    QString szEncoding;
    // The separator found.
    QChar cDelimiter;
    // Lines above the header row (a title, say), skipped.
    int iLinesBeforeHeader = 0;
    // The file is one of our exports (its first line is our header row): the "'" that guards a
    // field from spreadsheets was taken off again.
    bool bOurExport = false;
};

// Why a file could not be read.
struct CsvReadError {
    // "<file>, line N: what is wrong", or "<file>: what is wrong" for the file as a whole.
    QString szMessage;
    // The file has dates such as 03/04/2026 and nothing tells which is the day.
    bool bAmbiguousDates = false;
};

// Reads a CSV file's bytes: UTF-8 with or without byte-order mark, UTF-16 with one, else
// Windows-1252; separator comma, semicolon or tab, found from the header row; columns found by
// their header names (English, German, French or Spanish, with or without accents); dates ISO
// (with or without a time), dd.mm.yyyy, with slashes in the order the file shows or dateOrder
// says, or milliseconds since 1970 (a "timestampUnixMs" column), taken on the local clock;
// values may carry their unit ("134 mmHg", "72 bpm", "72/min"). Each row is a reading of its
// day, with its time; a day holds at most kMaxReadingsPerDay. A file that starts with our
// header row (or the older one without a time) is one of our exports: a field's leading "'"
// that guards a formula is taken off (other files keep their text as written). szFileName
// names the file in messages, which quote its data as MessageText::Quoted shows it. False and
// *pError when any line cannot be read.
bool ReadReadingsCsv(const QByteArray& bytes, const QString& szFileName, CsvDateOrder dateOrder,
                     CsvReadings* pReadings, CsvReadError* pError);

// What a merge does, or would do, to the store, in days.
struct CsvMergeSummary {
    // Days the store lacked.
    int iAdded = 0;
    // Days the store had that gained readings, none of their values replaced.
    int iGrown = 0;
    // Days whose empty values were filled in, with no reading added and none replaced.
    int iFilled = 0;
    // Days where at least one stored value was replaced.
    int iReplaced = 0;
    // Days left as they were.
    int iUnchanged = 0;
    // Days (among the grown, filled and unchanged) that keep a stored value the file differs
    // from.
    int iKeptDifferent = 0;

    int Changed() const { return iGrown + iFilled + iReplaced; }
};

// Merges the days of a file into the readings: a day the store lacks is added (in order, with
// its readings). In a day the store has, each reading of the file meets the stored reading of
// the same time (the first of a time the first, and so on; readings without a time likewise),
// and a day that holds one reading meets a file's day of one reading whatever their times:
// such a reading gets the file's values where its own are empty, or wherever the file has one
// when bReplace is set. A reading of the file that meets none is added, placed by its time
// before the first stored reading of a later time. With bApply false nothing changes and only
// the counts are made. False and *pszError, with nothing changed, when the store cannot take
// that many days, or a day would hold more than kMaxReadingsPerDay readings.
bool MergeCsvReadings(const std::shared_ptr<clsXMLTag>& objReadings, const CsvReadings& readings,
                      bool bReplace, bool bApply, CsvMergeSummary* pSummary, QString* pszError);

// What the file holds, in a few lines: rows, days, how it was read, days with several readings,
// left-out columns (the first few of them).
QString CsvReadingsDescription(const QString& szFileName, const CsvReadings& readings);
// What a merge did (bApplied) or would do, in one or two lines.
QString CsvMergeDescription(const CsvMergeSummary& summary, bool bApplied);
