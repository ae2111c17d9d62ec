// Writes pictures of the readings chart in both looks, to be looked at by a person.
// Usage: chart_samples <output folder>
#include "bench/diary/SampleReadings.h"
#include "widgets/ReadingsChart.h"
#include "widgets/ctlChart.h"

#include <QApplication>
#include <QDir>
#include <QLinearGradient>
#include <QPainter>

#include <cstdio>

namespace {

void Save(ctlChart& chart, const QString& szFolder, const QString& szName, const QSize& size,
          qreal scale, bool bScreen) {
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    QPainter painter(&image);
    if (bScreen) {
        // Stands in for the main window's dark painted background.
        QLinearGradient gradient(0, 0, size.width(), size.height());
        gradient.setColorAt(0, QColor(20, 34, 60));
        gradient.setColorAt(1, QColor(8, 14, 30));
        painter.fillRect(QRect(QPoint(0, 0), size), gradient);
    }
    chart.Render(painter, QRectF(QPointF(0, 0), size));
    painter.end();
    image.save(QDir(szFolder).filePath(szName));
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    const QString szFolder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(szFolder);

    struct Case {
        const char* name;
        int days;
    };
    for (const Case c : {Case{"empty", 0}, Case{"1day", 1}, Case{"2days", 2}, Case{"7days", 7},
                         Case{"10days", 10}, Case{"60days", 60}, Case{"90days", 90},
                         Case{"400days", 400}, Case{"3650days", 3650}, Case{"32767days", 32767}}) {
        // "empty": one day selected, nothing typed.
        const auto objReadings = c.days == 0 ? MakePlaceholderReadings()
                                             : MakeSampleReadings(c.days, QDate(2017, 11, 3));
        for (const bool bScreen : {true, false}) {
            ctlChart chart;
            if (bScreen) {
                StyleChartForScreen(chart);
            } else {
                StyleChartForPaper(chart);
            }
            FillChartFromReadings(chart, objReadings);
            const QString szStem = QString::fromLatin1(c.name) +
                                   (bScreen ? QStringLiteral("-screen") : QStringLiteral("-paper"));
            Save(chart, szFolder, szStem + QStringLiteral("-700x200.png"), QSize(700, 200), 1,
                 bScreen);
            Save(chart, szFolder, szStem + QStringLiteral("-700x200@2.png"), QSize(700, 200), 2,
                 bScreen);
            Save(chart, szFolder, szStem + QStringLiteral("-1400x420.png"), QSize(1400, 420), 1,
                 bScreen);
        }
    }
    std::printf("Pictures written to %s\n", qPrintable(szFolder));
    return 0;
}
