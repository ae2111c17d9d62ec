// Any bytes given to the CSV import: reading them must return, never crash, hang or read out
// of bounds; what it reads must be well formed, merge into a new diary completely, and come
// back unchanged through an export and a second import.
#include "tests/diary/CsvTestSupport.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

// A value as the import keeps it: empty, or one to three digits.
bool IsStoredValue(const QString& szValue) {
    if (szValue.size() > 3) {
        return false;
    }
    for (const QChar c : szValue) {
        if (c < u'0' || c > u'9') {
            return false;
        }
    }
    return true;
}

// A reading as the import keeps it: its values stored values, its comment not too long, its
// time empty or "HH:mm", and something in it.
bool WellFormed(const Reading& reading) {
    return IsStoredValue(reading.szSystolic) && IsStoredValue(reading.szDiastolic) &&
           IsStoredValue(reading.szPulse) &&
           CommentLength(reading.szComment) <= kMaxCommentLength &&
           (reading.szTime.isEmpty() ||
            TimeText(ReadTimeText(reading.szTime).value_or(QTime())) == reading.szTime) &&
           !reading.IsEmpty();
}

// The days are in order, each holds one to kMaxReadingsPerDay readings, and the counts agree
// with them.
bool WellFormed(const CsvReadings& readings) {
    int iRows = 0;
    int iSeveral = 0;
    for (qsizetype i = 0; i < readings.days.size(); ++i) {
        const CsvDay& day = readings.days[i];
        if ((i > 0 && readings.days[i - 1].szKey >= day.szKey) || day.readings.isEmpty() ||
            day.readings.size() > kMaxReadingsPerDay || !DayKeyDate(day.szKey).isValid() ||
            !std::all_of(day.readings.begin(), day.readings.end(),
                         [](const Reading& reading) { return WellFormed(reading); })) {
            return false;
        }
        iRows += int(day.readings.size());
        iSeveral += day.readings.size() > 1 ? 1 : 0;
    }
    return iRows == readings.iRows && iSeveral == readings.iDaysWithSeveral;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto order = static_cast<CsvDateOrder>(size % 3);
    CsvReadings readings;
    CsvReadError error;
    if (!ReadReadingsCsv(bytes, QStringLiteral("fuzz.csv"), order, &readings, &error)) {
        if (!error.szMessage.startsWith(QLatin1String("fuzz.csv"))) {
            __builtin_trap(); // a refused file always says which and why
        }
        return 0;
    }
    if (!WellFormed(readings)) {
        __builtin_trap();
    }
    // Into a new diary: a trial run counts what the real one then does, and every day is new.
    csvtest::Store store;
    CsvMergeSummary trial;
    CsvMergeSummary done;
    QString szError;
    if (!MergeCsvReadings(store.objReadings, readings, false, false, &trial, &szError) ||
        !MergeCsvReadings(store.objReadings, readings, false, true, &done, &szError) ||
        trial.iAdded != done.iAdded || done.iAdded != readings.days.size() ||
        csvtest::DaysText(store.objReadings) != csvtest::DaysText(readings)) {
        __builtin_trap();
    }
    // The diary's export reads back as the same days.
    CsvReadings again;
    if (!ReadReadingsCsv(ReadingsToCsv(store.objReadings, CsvExportOptions()),
                         QStringLiteral("export.csv"), CsvDateOrder::Unknown, &again, &error) ||
        csvtest::DaysText(again) != csvtest::DaysText(readings)) {
        __builtin_trap();
    }
    return 0;
}
