// The report for years of daily readings (one a day, and four a day as home measurement takes
// them): composing it on screen, and printing it to PDF.
// Runs on the offscreen platform unless another is asked for.

#include "diary/modGlobals.h"
#include "report/ReportComposer.h"
#include "report/RichTextBox.h"
#include "report/frmReport.h"
#include "report/modPrint.h"
#include "tests/report/ReportTestData.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

#include <algorithm>

#include <benchmark/benchmark.h>

namespace {

// The pause between the report window's activation and its composition.
constexpr int kComposeDelayMs = 500;

// The readings of a run: state.range(0) days with state.range(1) readings each.
void FillReadings(benchmark::State& state) {
    const int iDays = static_cast<int>(state.range(0));
    const int iPerDay = static_cast<int>(state.range(1));
    if (iPerDay == 1) {
        reporttest::FillDays(iDays);
    } else {
        reporttest::FillDaysOfReadings(iDays, iPerDay);
    }
    state.counters["days"] = static_cast<double>(iDays);
    state.counters["readings_a_day"] = static_cast<double>(iPerDay);
}

// Composes the whole report (text, header picture and chart) into the on-screen box of a window
// never shown: the composition alone, without the layout a shown window does.
void BM_ComposeReport(benchmark::State& state) {
    FillReadings(state);
    frmReport frm(reporttest::Readings());
    frm.resize(869, 781);
    frm.Form_Activate();
    frm.tim->stop();
    for (auto _ : state) {
        frm.rtb->SetText(QString());
        frm.BuildReport(*frm.rtb);
        benchmark::DoNotOptimize(frm.rtb->TextLength());
    }
    state.counters["chars"] = frm.rtb->TextLength();
}
BENCHMARK(BM_ComposeReport)
    ->ArgNames({"days", "readings"})
    ->Args({3650, 1})
    ->Args({3650, 4})
    ->Args({32767, 1})
    ->Unit(benchmark::kMillisecond);

// Lays a shown text box out to its last line and paints what it shows: what the user waits for
// after the text is in place.
void Settle(QTextEdit& box) {
    QTextDocument* document = box.document();
    benchmark::DoNotOptimize(document->documentLayout()->blockBoundingRect(document->lastBlock()));
    box.viewport()->repaint();
}

// Opening the report as the user waits for it, beyond the 500 ms pause before it is shown (it is
// written during the pause): the window made and shown, the report composed into it, laid out to
// its end and painted; then
// closing it. Beside it, in the same run, a plain Qt text window of the same size doing the same
// work with the same text and pictures (counter "plain_ms", and "plain_close_ms"). The opening's
// parts: the window made and shown, the composition, the layout and paint after it.
void BM_OpenAndCloseReport(benchmark::State& state) {
    FillReadings(state);
    QString szHtml;
    QList<QImage> pictures;
    {
        frmReport frm(reporttest::Readings());
        frm.resize(869, 781);
        frm.Form_Activate();
        frm.tim->stop();
        frm.BuildReport(*frm.rtb);
        szHtml = frm.rtb->document()->toHtml();
        pictures = {frm.imgHeader, frm.ctlChart->Picture(1.0)};
    }
    QElapsedTimer clock;
    double openMs = 0;
    double showMs = 0;
    double composeMs = 0;
    double layoutMs = 0;
    double closeMs = 0;
    double plainMs = 0;
    double plainCloseMs = 0;
    for (auto _ : state) {
        clock.start();
        auto frm = std::make_unique<frmReport>(reporttest::Readings());
        frm->show();
        if (!QTest::qWaitForWindowExposed(frm.get())) {
            state.SkipWithError("the report was not shown");
            break;
        }
        const qint64 iShown = clock.nsecsElapsed();
        // The half-second wait passes as it does for the user, with what the window does
        // meanwhile (drawing its pictures, writing the report ahead); the time counts from the
        // moment the wait is over.
        if (!QTest::qWaitFor([&] { return frm->tim->isActive(); }, 5000)) {
            state.SkipWithError("the report's wait never began");
            break;
        }
        const qint64 iWaitEnds = clock.nsecsElapsed() + qint64{frm->tim->remainingTime()} * 1000000;
        // Written in steps, the window answering between them, and shown when the wait is over.
        while (frm->tim->isActive() || frm->IsWriting()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        const qint64 iComposed = std::max(clock.nsecsElapsed(), iWaitEnds);
        Settle(*frm->rtb);
        const qint64 iSettled = clock.nsecsElapsed();
        openMs += static_cast<double>(iShown + iSettled - iWaitEnds) / 1e6;
        showMs += static_cast<double>(iShown) / 1e6;
        composeMs += static_cast<double>(iComposed - iWaitEnds) / 1e6;
        layoutMs += static_cast<double>(iSettled - iComposed) / 1e6;
        clock.start();
        frm->close();
        frm.reset();
        closeMs += static_cast<double>(clock.nsecsElapsed()) / 1e6;

        clock.start();
        auto plain = std::make_unique<QTextEdit>();
        plain->resize(869, 781);
        plain->show();
        if (!QTest::qWaitForWindowExposed(plain.get())) {
            state.SkipWithError("the plain window was not shown");
            break;
        }
        QTextCursor cursor(plain->document());
        cursor.beginEditBlock();
        for (int i = 0; i < pictures.size(); ++i) {
            const QUrl name(QStringLiteral("picture:%1").arg(i));
            plain->document()->addResource(QTextDocument::ImageResource, name, pictures[i]);
            QTextImageFormat format;
            format.setName(name.toString());
            cursor.insertImage(format);
            cursor.insertBlock();
        }
        cursor.insertHtml(szHtml);
        cursor.endEditBlock();
        Settle(*plain);
        plainMs += static_cast<double>(clock.nsecsElapsed()) / 1e6;
        clock.start();
        plain->close();
        plain.reset();
        plainCloseMs += static_cast<double>(clock.nsecsElapsed()) / 1e6;
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["open_ms"] = openMs / iterations;
    state.counters["show_ms"] = showMs / iterations;
    state.counters["compose_ms"] = composeMs / iterations;
    state.counters["layout_ms"] = layoutMs / iterations;
    state.counters["close_ms"] = closeMs / iterations;
    state.counters["plain_ms"] = plainMs / iterations;
    state.counters["plain_close_ms"] = plainCloseMs / iterations;
}
BENCHMARK(BM_OpenAndCloseReport)
    ->ArgNames({"days", "readings"})
    ->Args({100, 1})
    ->Args({3650, 1})
    ->Args({3650, 4})
    ->Args({32767, 1})
    ->Unit(benchmark::kMillisecond);

// The longest time the window does not answer while the report opens as the user meets it: from
// the window shown, through the half-second pause, the composition and the layout that follows
// it, to a settled window (counter "longest_block_ms", measured between the turns of a timer
// that asks for a turn of the event loop every millisecond).
void BM_ReportLongestBlock(benchmark::State& state) {
    FillReadings(state);
    double longestMs = 0;
    for (auto _ : state) {
        auto frm = std::make_unique<frmReport>(reporttest::Readings());
        QElapsedTimer sinceTurn;
        qint64 iLongest = 0;
        QTimer ticker;
        ticker.setInterval(1);
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            iLongest = std::max(iLongest, sinceTurn.nsecsElapsed());
            sinceTurn.start();
        });
        frm->show();
        sinceTurn.start();
        ticker.start();
        if (!QTest::qWaitFor([&] { return frm->rtb->PictureCount() == 2 && !frm->IsWriting(); },
                             10000)) {
            state.SkipWithError("the report's pictures never arrived");
            return;
        }
        // The layout that follows the composition, in steps, and the paints.
        QTest::qWait(500);
        ticker.stop();
        QTextDocument* document = frm->rtb->document();
        benchmark::DoNotOptimize(
            document->documentLayout()->blockBoundingRect(document->lastBlock()));
        longestMs = std::max(longestMs, static_cast<double>(iLongest) / 1e6);
        frm.reset();
    }
    state.counters["longest_block_ms"] = longestMs;
}
BENCHMARK(BM_ReportLongestBlock)
    ->ArgNames({"days", "readings"})
    ->Args({3650, 1})
    ->Args({3650, 4})
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

// The composer alone: the report's lines, colours and summary from the readings, no window.
void BM_ComposeText(benchmark::State& state) {
    FillReadings(state);
    for (auto _ : state) {
        const ReportComposition composition = ReportComposer::Compose(reporttest::Readings());
        benchmark::DoNotOptimize(composition.lines.size());
    }
}
BENCHMARK(BM_ComposeText)
    ->ArgNames({"days", "readings"})
    ->Args({3650, 1})
    ->Args({3650, 4})
    ->Args({32767, 1})
    ->Unit(benchmark::kMillisecond);

// A new period chosen: the chart refilled and the report shown composed afresh, between the last
// 90 days and all readings in turn (years of days ending today, state.range(1) readings a day),
// to the last line written; and the longest the window did not answer meanwhile (counter
// "longest_block_ms": the choice itself, or one of the writing's later steps).
void BM_ChangePeriod(benchmark::State& state) {
    const int iDays = static_cast<int>(state.range(0));
    const int iPerDay = static_cast<int>(state.range(1));
    if (iPerDay > 1) {
        reporttest::FillDaysOfReadings(iDays, iPerDay);
        SetToday(QDate(2000, 1, 1).addDays(iDays - 1));
    } else {
        reporttest::FillDays(iDays, QDate(2030, 1, 1).addDays(1 - iDays));
        SetToday(QDate(2030, 1, 1));
    }
    frmReport frm(reporttest::Readings());
    frm.resize(869, 781);
    frm.Form_Activate();
    frm.tim->stop();
    bool bAll = false;
    qint64 iLongest = 0;
    QElapsedTimer clock;
    for (auto _ : state) {
        bAll = !bAll;
        clock.start();
        frm.SetPeriod({bAll ? ReportPeriodKind::AllReadings : ReportPeriodKind::Last90Days, QDate(),
                       QDate()});
        iLongest = std::max(iLongest, clock.nsecsElapsed());
        while (frm.IsWriting()) {
            clock.start();
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            iLongest = std::max(iLongest, clock.nsecsElapsed());
        }
        benchmark::DoNotOptimize(frm.rtb->TextLength());
    }
    SetToday(QDate());
    state.counters["days"] = static_cast<double>(iDays);
    state.counters["longest_block_ms"] = static_cast<double>(iLongest) / 1e6;
}
BENCHMARK(BM_ChangePeriod)->Args({3650, 1})->Args({3650, 4})->Unit(benchmark::kMillisecond);

// What "Save as PDF…" does: composes the print copy and lays it out page by page into a file.
void BM_PrintReportToPdf(benchmark::State& state) {
    FillReadings(state);
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
    state.counters["kB"] = static_cast<double>(QFileInfo(szPath).size()) / 1024.0;
}
BENCHMARK(BM_PrintReportToPdf)
    ->ArgNames({"days", "readings"})
    ->Args({3650, 1})
    ->Args({3650, 4})
    ->Unit(benchmark::kMillisecond);

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
