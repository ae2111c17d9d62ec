// Readings out as CSV and back in, for ten years and for the largest store (32,767 days) with
// one reading a day, and for ten years of four readings a day (morning and evening pairs).
#include "bench/diary/SampleReadings.h"
#include "diary/DayReadings.h"
#include "diary/ReadingsCsv.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <array>
#include <map>
#include <utility>

namespace {

// A day's readings made iPerDay: the first at 07:00, then pairs two minutes apart, morning and
// evening, the further ones a little off the first.
void MakeSeveral(const std::shared_ptr<clsXMLTag>& objDay, int iPerDay) {
    QList<Reading> readings = DayReadings(objDay);
    if (iPerDay < 2 || readings.first().IsEmpty()) {
        return;
    }
    const Reading first = readings.first();
    readings.first().szTime = QStringLiteral("07:00");
    const std::array<const char*, 3> times = {"07:02", "19:00", "19:02"};
    for (int i = 1; i < iPerDay; ++i) {
        Reading reading = first;
        reading.szTime = QString::fromLatin1(times[std::size_t(i - 1) % times.size()]);
        if (!first.szSystolic.isEmpty()) {
            reading.szSystolic = QString::number(first.szSystolic.toInt() - i);
        }
        reading.szComment.clear();
        readings.append(reading);
    }
    WriteDayReadings(objDay, readings);
}

// A diary of iDays days from 1 January 1990, without typos, iPerDay readings a day; every
// fifth comment has a separator, quotes and a line break, as typed comments do.
const std::shared_ptr<clsXMLTag>& Readings(int iDays, int iPerDay) {
    static std::map<std::pair<int, int>, std::shared_ptr<clsXMLTag>> cache;
    auto it = cache.find({iDays, iPerDay});
    if (it == cache.end()) {
        auto objReadings = MakeSampleReadings(iDays, QDate(1990, 1, 1));
        int i = 0;
        for (const std::shared_ptr<clsXMLTag>& objDay : *objReadings->objSubTags) {
            // A typed "7x" is exported as it stands, but no import takes it.
            const auto objPulse = objDay->FindSubTagObjectByName(kPulseName, QString());
            if (objPulse->szValue == QLatin1String("7x")) {
                objPulse->szValue = QStringLiteral("72");
            }
            if (++i % 5 == 0) {
                objDay->FindSubTagObjectByName(kCommentName, QString())->szValue =
                    QStringLiteral("Walked, then \"rested\"\r\nslept well");
            }
            MakeSeveral(objDay, iPerDay);
        }
        it = cache.emplace(std::make_pair(iDays, iPerDay), objReadings).first;
    }
    return it->second;
}

const QByteArray& Csv(int iDays, int iPerDay) {
    static std::map<std::pair<int, int>, QByteArray> cache;
    auto it = cache.find({iDays, iPerDay});
    if (it == cache.end()) {
        it = cache
                 .emplace(std::make_pair(iDays, iPerDay),
                          ReadingsToCsv(Readings(iDays, iPerDay), {}))
                 .first;
    }
    return it->second;
}

// The whole export: the diary to the bytes of the file.
void BM_ExportCsv(benchmark::State& state) {
    const auto& objReadings = Readings(int(state.range(0)), int(state.range(1)));
    int iDays = 0;
    for (auto _ : state) {
        const QByteArray bytes = ReadingsToCsv(objReadings, {}, &iDays);
        benchmark::DoNotOptimize(bytes.constData());
    }
    state.counters["rows"] = iDays;
    state.counters["bytes"] = double(Csv(int(state.range(0)), int(state.range(1))).size());
}

// Reads the CSV bytes and merges them into the readings, as an import does; false (and the
// benchmark stopped with the reason) when either fails.
bool Import(const QByteArray& bytes, const std::shared_ptr<clsXMLTag>& objReadings,
            CsvMergeSummary* pSummary, benchmark::State& state) {
    CsvReadings readings;
    CsvReadError error;
    QString szError;
    if (!ReadReadingsCsv(bytes, QStringLiteral("bench.csv"), CsvDateOrder::Unknown, &readings,
                         &error) ||
        !MergeCsvReadings(objReadings, readings, false, true, pSummary, &szError)) {
        state.SkipWithError(qPrintable(error.szMessage + szError));
        return false;
    }
    return true;
}

// The whole import into an empty diary: the file read, checked, gathered into days and merged.
void BM_ImportCsvIntoEmptyDiary(benchmark::State& state) {
    const QByteArray& bytes = Csv(int(state.range(0)), int(state.range(1)));
    int iAdded = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto objBlock = std::make_shared<clsXMLTag>();
        const std::shared_ptr<clsXMLTag> objReadings = CreateReadingsSkeleton(objBlock);
        state.ResumeTiming();
        CsvMergeSummary summary;
        if (!Import(bytes, objReadings, &summary, state)) {
            break;
        }
        iAdded = summary.iAdded;
        // Letting go of the tree is not the import's work.
        state.PauseTiming();
        objBlock.reset();
        state.ResumeTiming();
    }
    state.counters["days"] = iAdded;
}

// Importing a diary's own export into it again: every day found and compared, nothing changed.
void BM_ImportCsvIntoSameDiary(benchmark::State& state) {
    const auto& objReadings = Readings(int(state.range(0)), int(state.range(1)));
    const QByteArray& bytes = Csv(int(state.range(0)), int(state.range(1)));
    int iUnchanged = 0;
    for (auto _ : state) {
        CsvMergeSummary summary;
        if (!Import(bytes, objReadings, &summary, state)) {
            break;
        }
        iUnchanged = summary.iUnchanged;
    }
    state.counters["unchanged"] = iUnchanged;
}

} // namespace

// Days and readings a day.
void Sizes(benchmark::internal::Benchmark* pBenchmark) {
    pBenchmark->Args({3650, 1})->Args({32767, 1})->Args({3650, 4})->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_ExportCsv)->Apply(Sizes);
BENCHMARK(BM_ImportCsvIntoEmptyDiary)->Apply(Sizes);
BENCHMARK(BM_ImportCsvIntoSameDiary)->Apply(Sizes);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
