// Saving while the program runs, for 10 years (3,650 days) and the largest store (32,767 days):
// - BM_BackgroundSave: a value changes (a key release); the time until the saver reports the
//   file written and synced (manual time; it includes the one-second pause the saver waits for),
//   and the longest the event loop was held up meanwhile: the longest single event handled, in
//   the first save of the run (first_ms, first_cpu_ms: this thread's CPU time in it) and in the
//   later ones (later_ms, later_cpu_ms: the longest of them). Goal: under 16 ms at 3,650 days.
// - BM_EncodeDocument: the part done on the user-interface thread, the document turned into the
//   file's bytes.
// - BM_SwapIn: the worker's write of those bytes over the file, synced: as a plain safe write
//   (way 0), and checked at the swap itself, exchanged in one step (1) or checked just before (2).

#include "bench/diary/SampleReadings.h"
#include "bench/startup/ProcessStatus.h"
#include "diary/DataFileSaver.h"
#include "diary/DocumentMerge.h"
#include "diary/SafeFile.h"
#include "diary/modGlobals.h"
#include "xmlstore/clsXML.h"
#include "xmlstore/clsXMLTag.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <ctime>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

namespace {

// Makes a diary of iDays days the program's document, loaded from the file's bytes as the
// program loads it; returns the last day's systolic tag.
std::shared_ptr<clsXMLTag> StartDiary(int iDays, const QString& szFile = QString()) {
    const std::shared_ptr<clsXMLTag> objSample =
        MakeSampleReadings(iDays, QDate(2026, 12, 7).addDays(-iDays + 1));
    QByteArray bytes;
    {
        auto objSampleDoc = std::make_shared<clsXML>();
        objSampleDoc->objBlockTag = objSample->objParent.lock();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        objSampleDoc->SaveXMLToDevice(buffer, QString());
    }
    if (!szFile.isEmpty()) {
        QFile file(szFile);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(bytes);
        }
    }
    auto objDoc = std::make_shared<clsXML>();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    objDoc->LoadXMLFromDevice(buffer, QString(), false);
    const std::shared_ptr<clsXMLTag> objReadingsTag =
        objDoc->objBlockTag->FindSubTagObjectByName(QStringLiteral("READINGS"), QString());
    ReplaceDocument(objDoc, objReadingsTag);
    const auto objLastDay = objReadingsTag->objSubTags->Item(objReadingsTag->objSubTags->Count());
    return objLastDay->FindSubTagObjectByName(QStringLiteral("S"), QString());
}

// The application, timing every event it hands out: the longest one is the longest the event
// loop was held up (wall clock, and the CPU time this thread spent in it, which leaves out the
// time the machine gave to other programs).
class TimingApplication : public QCoreApplication {
public:
    using QCoreApplication::QCoreApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        const qint64 lCpuBefore = ThreadCpuNs();
        QElapsedTimer clock;
        clock.start();
        const bool bResult = QCoreApplication::notify(receiver, event);
        const qint64 lWall = clock.nsecsElapsed();
        if (lWall > m_lLongestWall) {
            m_lLongestWall = lWall;
            m_lLongestCpu = ThreadCpuNs() - lCpuBefore;
        }
        return bResult;
    }

    void Restart() { m_lLongestWall = m_lLongestCpu = 0; }
    double LongestMs() const { return static_cast<double>(m_lLongestWall) / 1e6; }
    double LongestCpuMs() const { return static_cast<double>(m_lLongestCpu) / 1e6; }

private:
    // This thread's CPU time (0 where the platform has no such clock here).
    static qint64 ThreadCpuNs() {
#ifdef Q_OS_WIN
        return 0;
#else
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return static_cast<qint64>(now.tv_sec) * 1000000000 + now.tv_nsec;
#endif
    }

    qint64 m_lLongestWall = 0;
    qint64 m_lLongestCpu = 0;
};

TimingApplication* g_app = nullptr;

void BM_BackgroundSave(benchmark::State& state) {
    const int iDays = static_cast<int>(state.range(0));
    QTemporaryDir folder;
    const QString szFile = folder.filePath(QStringLiteral("crtlg.dat"));
    // The diary as loaded from its file, as the program starts.
    const std::shared_ptr<clsXMLTag> objSystolic = StartDiary(iDays, szFile);
    DataFileSaver saver(szFile, ReadWholeFile(szFile, false), EncodeProgramDocument);
    QEventLoop loop;
    saver.onSaved = [&loop](const DataFileSaver::Result&) { loop.quit(); };
    // As the main window hands it one: the base of a merge is then kept.
    saver.SetMerger([](const QByteArray& base, const QByteArray& theirs) {
        return SaverOutcomeOf(MergeFileInto(objReadings, base, theirs));
    });
    // What the saves keep in memory beyond the loaded diary (their buffer, the merge base).
    const long lLoadedKb = ProcessStatusKb("VmRSS");

    // The first save of a run writes the bytes into fresh memory; later ones reuse it.
    double dFirstMs = -1;
    double dFirstCpuMs = 0;
    double dLaterMs = 0;
    double dLaterCpuMs = 0;
    int iValue = 100;
    for (auto _ : state) {
        objSystolic->szValue = QString::number(++iValue);
        QElapsedTimer clock;
        clock.start();
        g_app->Restart();
        saver.NoteChange();
        loop.exec();
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
        if (dFirstMs < 0) {
            dFirstMs = g_app->LongestMs();
            dFirstCpuMs = g_app->LongestCpuMs();
        } else {
            dLaterMs = std::max(dLaterMs, g_app->LongestMs());
            dLaterCpuMs = std::max(dLaterCpuMs, g_app->LongestCpuMs());
        }
    }
    state.counters["days"] = iDays;
    state.counters["first_ms"] = dFirstMs;
    state.counters["first_cpu_ms"] = dFirstCpuMs;
    state.counters["later_ms"] = dLaterMs;
    state.counters["later_cpu_ms"] = dLaterCpuMs;
    state.counters["kept_by_saves_mb"] =
        static_cast<double>(ProcessStatusKb("VmRSS") - lLoadedKb) / 1024.0;
    ReplaceDocument(nullptr, nullptr);
}

void BM_EncodeDocument(benchmark::State& state) {
    const int iDays = static_cast<int>(state.range(0));
    StartDiary(iDays);
    qint64 lBytes = 0;
    for (auto _ : state) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!objXML->SaveXMLToDevice(buffer, QString())) {
            state.SkipWithError("the document could not be written out");
            break;
        }
        lBytes = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.counters["days"] = iDays;
    state.counters["bytes"] = static_cast<double>(lBytes);
    ReplaceDocument(nullptr, nullptr);
}

void BM_SwapIn(benchmark::State& state) {
    const int iDays = static_cast<int>(state.range(0));
    const int iWay = static_cast<int>(state.range(1));
    QTemporaryDir folder;
    const QString szFile = folder.filePath(QStringLiteral("crtlg.dat"));
    const std::shared_ptr<clsXMLTag> objSystolic = StartDiary(iDays, szFile);
    // Two versions of the diary, written in turn.
    QByteArray versions[2];
    for (int i = 0; i < 2; ++i) {
        objSystolic->szValue = QString::number(130 + i);
        QBuffer buffer(&versions[i]);
        buffer.open(QIODevice::WriteOnly);
        objXML->SaveXMLToDevice(buffer, QString());
    }
    SwapTestHooks hooks;
    hooks.bNoExchange = iWay == 2;
    SetSwapTestHooks(hooks);
    FileVersion expected = ReadWholeFile(szFile).version;
    int iNext = 0;
    for (auto _ : state) {
        const QByteArray& bytes = versions[iNext];
        QString szReason;
        QString szWarning;
        const bool bOk = iWay == 0
                             ? WriteFileSafely(szFile, bytes, std::nullopt, &szReason)
                             : ReplaceFileIfUnchanged(szFile, bytes, expected, QString(), &szReason,
                                                      &szWarning) == ReplaceOutcome::kReplaced;
        if (!bOk) {
            state.SkipWithError("the file could not be written");
            break;
        }
        expected.lSize = bytes.size();
        expected.hash = ContentHash(bytes);
        iNext = 1 - iNext;
    }
    SetSwapTestHooks({});
    state.counters["days"] = iDays;
    ReplaceDocument(nullptr, nullptr);
}

} // namespace

BENCHMARK(BM_SwapIn)
    ->ArgsProduct({{3650, 32767}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(0.5);
BENCHMARK(BM_BackgroundSave)
    ->Arg(3650)
    ->Arg(32767)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(8);
BENCHMARK(BM_EncodeDocument)->Arg(3650)->Arg(32767)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    TimingApplication app(argc, argv);
    g_app = &app;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
