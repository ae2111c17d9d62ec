// The report for years of daily readings: composing it on screen, and printing it to PDF.
// Runs on the offscreen platform unless another is asked for.

#include "app/util/modGlobals.h"
#include "report/ReportComposer.h"
#include "report/RichTextBox.h"
#include "report/frmReport.h"
#include "report/modPrint.h"
#include "tests/report/ReportTestData.h"

#include <QApplication>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

// Composes the whole report (text, header picture and chart) into the on-screen box.
void BM_ComposeReport(benchmark::State& state) {
    reporttest::FillDays(static_cast<int>(state.range(0)));
    frmReport frm(reporttest::Readings());
    frm.resize(869, 781);
    frm.Form_Activate();
    frm.tim->stop();
    for (auto _ : state) {
        frm.rtb->SetText(QString());
        frm.BuildReport(*frm.rtb);
        benchmark::DoNotOptimize(frm.rtb->TextLength());
    }
    state.counters["days"] = static_cast<double>(state.range(0));
    state.counters["chars"] = frm.rtb->TextLength();
}
BENCHMARK(BM_ComposeReport)->Arg(3650)->Arg(32767)->Unit(benchmark::kMillisecond);

// The composer alone: the report's lines, colours and summary from the readings, no window.
void BM_ComposeText(benchmark::State& state) {
    reporttest::FillDays(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const ReportComposition composition = ReportComposer::Compose(reporttest::Readings());
        benchmark::DoNotOptimize(composition.lines.size());
    }
    state.counters["days"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_ComposeText)->Arg(3650)->Arg(32767)->Unit(benchmark::kMillisecond);

// A new period chosen: the chart refilled and the report shown composed afresh, between the last
// 90 days and all readings in turn (years of days ending today).
void BM_ChangePeriod(benchmark::State& state) {
    const int iDays = static_cast<int>(state.range(0));
    reporttest::FillDays(iDays, QDate(2030, 1, 1).addDays(1 - iDays));
    SetToday(QDate(2030, 1, 1));
    frmReport frm(reporttest::Readings());
    frm.resize(869, 781);
    frm.Form_Activate();
    frm.tim->stop();
    bool bAll = false;
    for (auto _ : state) {
        bAll = !bAll;
        frm.SetPeriod({bAll ? ReportPeriodKind::AllReadings : ReportPeriodKind::Last90Days, QDate(),
                       QDate()});
        benchmark::DoNotOptimize(frm.rtb->TextLength());
    }
    SetToday(QDate());
    state.counters["days"] = static_cast<double>(iDays);
}
BENCHMARK(BM_ChangePeriod)->Arg(3650)->Unit(benchmark::kMillisecond);

// What "Save as PDF…" does: composes the print copy and lays it out page by page into a file.
void BM_PrintReportToPdf(benchmark::State& state) {
    reporttest::FillDays(static_cast<int>(state.range(0)));
    frmReport frm(reporttest::Readings());
    frm.resize(869, 781);
    frm.Form_Activate();
    frm.tim->stop();
    QTemporaryDir dir;
    const QString szPath = dir.filePath(QStringLiteral("report.pdf"));
    for (auto _ : state) {
        const modPrint::DocumentInfo info = frm.BuildPrintCopy();
        if (!modPrint::SaveRichTextBoxAsPdf(*frm.rtbPrint, szPath, frmReport::kLeftMargin,
                                            frmReport::kTopMargin, frmReport::kRightMargin,
                                            frmReport::kBottomMargin, nullptr, info)) {
            state.SkipWithError("the report could not be saved");
            break;
        }
    }
    state.counters["days"] = static_cast<double>(state.range(0));
    state.counters["kB"] = static_cast<double>(QFileInfo(szPath).size()) / 1024.0;
}
BENCHMARK(BM_PrintReportToPdf)->Arg(3650)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The period choice the window remembers goes to a folder of the benchmark's own.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
