// Filling the chart from the readings and painting it at the main window's size.
#include "bench/diary/SampleReadings.h"
#include "widgets/ReadingsChart.h"
#include "widgets/ctlChart.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <map>

namespace {

const QSize kSize(700, 200);

const std::shared_ptr<clsXMLTag>& Readings(int iDays) {
    static std::map<int, std::shared_ptr<clsXMLTag>> cache;
    auto it = cache.find(iDays);
    if (it == cache.end()) {
        it = cache.emplace(iDays, MakeSampleReadings(iDays, QDate(1990, 1, 1))).first;
    }
    return it->second;
}

void Paint(const ctlChart& chart, QImage& image) {
    QPainter painter(&image);
    chart.Render(painter, QRectF(QPointF(0, 0), kSize));
}

void BM_Fill(benchmark::State& state) {
    const auto& objReadings = Readings(int(state.range(0)));
    ctlChart chart;
    StyleChartForScreen(chart);
    for (auto _ : state) {
        FillChartFromReadings(chart, objReadings);
        benchmark::DoNotOptimize(chart.RowCount());
    }
    state.counters["rows"] = chart.RowCount();
}

void BM_Paint(benchmark::State& state) {
    ctlChart chart;
    StyleChartForScreen(chart);
    FillChartFromReadings(chart, Readings(int(state.range(0))));
    QImage image(kSize, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::black);
        Paint(chart, image);
        benchmark::ClobberMemory();
    }
}

void BM_FillAndPaint(benchmark::State& state) {
    const auto& objReadings = Readings(int(state.range(0)));
    ctlChart chart;
    StyleChartForScreen(chart);
    QImage image(kSize, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        FillChartFromReadings(chart, objReadings);
        image.fill(Qt::black);
        Paint(chart, image);
        benchmark::ClobberMemory();
    }
}

// One paint of the chart as the user sees it: the main window's chart on screen, and the report's
// picture of it (about 1,600 x 680 pixels in a report window of 869 x 781), each at 100, 200 and
// 3,650 days, where wide lines with round joins once cost tens of milliseconds a paint.
void BM_PaintAsShown(benchmark::State& state) {
    const bool bReport = state.range(1) != 0;
    const QSize size = bReport ? QSize(1600, 680) : QSize(677, 197);
    ctlChart chart;
    if (bReport) {
        StyleChartForPaper(chart);
    } else {
        StyleChartForScreen(chart);
    }
    chart.resize(size);
    FillChartFromReadings(chart, Readings(int(state.range(0))));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        chart.Render(painter, QRectF(QPointF(0, 0), size));
        painter.end();
        benchmark::ClobberMemory();
    }
    state.SetLabel(bReport ? "report picture" : "main window");
}

} // namespace

BENCHMARK(BM_PaintAsShown)->ArgsProduct({{100, 200, 3650}, {0, 1}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Fill)->Arg(3650)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Paint)->Arg(400)->Arg(3650)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillAndPaint)->Arg(3650)->Arg(32767)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
