// Filling the chart from the readings and painting it at the main window's size.
#include "bench/diary/SampleReadings.h"
#include "diary/DayReadings.h"
#include "widgets/ReadingsChart.h"
#include "widgets/ctlChart.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <map>

namespace {

const QSize kSize(700, 200);

// Each measured day of the sample diary as iPerDay readings, as the home protocol takes them
// (two in the morning, two in the evening): the day's own reading and others a few mmHg apart.
void SpreadReadings(const std::shared_ptr<clsXMLTag>& objReadings, int iPerDay) {
    static const char* const kTimes[] = {"07:00", "07:02", "19:00", "19:02"};
    for (const std::shared_ptr<clsXMLTag>& objEntry : *objReadings->objSubTags) {
        const Reading first = DayReadings(objEntry).value(0);
        QList<Reading> readings;
        for (int i = 0; i < iPerDay; ++i) {
            const auto shifted = [i](const QString& szValue) {
                bool bOk = false;
                const int iValue = szValue.toInt(&bOk);
                return bOk ? QString::number(iValue + (i * 5) % 7 - 3) : szValue;
            };
            readings.append(Reading{QString::fromLatin1(kTimes[i % 4]), shifted(first.szSystolic),
                                    shifted(first.szDiastolic), shifted(first.szPulse),
                                    i == 0 ? first.szComment : QString()});
        }
        WriteDayReadings(objEntry, readings);
    }
}

const std::shared_ptr<clsXMLTag>& Readings(int iDays, int iPerDay = 1) {
    static std::map<std::pair<int, int>, std::shared_ptr<clsXMLTag>> cache;
    auto it = cache.find({iDays, iPerDay});
    if (it == cache.end()) {
        auto objReadings = MakeSampleReadings(iDays, QDate(1990, 1, 1));
        if (iPerDay > 1) {
            SpreadReadings(objReadings, iPerDay);
        }
        it = cache.emplace(std::pair(iDays, iPerDay), objReadings).first;
    }
    return it->second;
}

void Paint(const ctlChart& chart, QImage& image) {
    QPainter painter(&image);
    chart.Render(painter, QRectF(QPointF(0, 0), kSize));
}

// Fill with one reading a day (second argument 1) or four (the home protocol's morning and
// evening pairs).
void BM_Fill(benchmark::State& state) {
    const auto& objReadings = Readings(int(state.range(0)), int(state.range(1)));
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
    const auto& objReadings = Readings(int(state.range(0)), int(state.range(1)));
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
// 3,650 days, where wide lines with round joins once cost tens of milliseconds a paint; the
// third argument is the readings a day (1, or 4 as the home protocol takes them).
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
    FillChartFromReadings(chart, Readings(int(state.range(0)), int(state.range(2))));
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

BENCHMARK(BM_PaintAsShown)
    ->ArgsProduct({{100, 200, 3650}, {0, 1}, {1}})
    ->Args({100, 0, 4})
    ->Args({100, 1, 4})
    ->Args({3650, 0, 4})
    ->Args({3650, 1, 4})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Fill)
    ->Args({3650, 1})
    ->Args({3650, 4})
    ->Args({32767, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Paint)->Arg(400)->Arg(3650)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillAndPaint)
    ->Args({3650, 1})
    ->Args({3650, 4})
    ->Args({32767, 1})
    ->Unit(benchmark::kMillisecond);

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
