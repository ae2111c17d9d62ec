// The report for years of daily readings: composing it on screen, and printing it to PDF.
// Runs on the offscreen platform unless another is asked for.

#include "report/RichTextBox.h"
#include "report/frmReport.h"
#include "report/modPrint.h"
#include "tests/report/ReportTestData.h"

#include <QApplication>
#include <QFileInfo>
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
        frm.rtbPrint->SetText(QString());
        frm.BuildReport(*frm.rtbPrint);
        if (!modPrint::SaveRichTextBoxAsPdf(*frm.rtbPrint, szPath, frmReport::kLeftMargin,
                                            frmReport::kTopMargin, frmReport::kRightMargin,
                                            frmReport::kBottomMargin)) {
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
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
