// Writes pictures of the readings chart in both looks, to be looked at by a person.
// Usage: chart_samples <output folder>
#include "bench/diary/SampleReadings.h"
#include "diary/DayReadings.h"
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

// Two weeks of home measurement: most days a morning and an evening pair, some days one
// reading, a day of four with a high morning.
std::shared_ptr<clsXMLTag> MakeSeveralReadings() {
    const auto objReadings = MakeSampleReadings(14, QDate(2026, 11, 23));
    int iDay = 0;
    for (const std::shared_ptr<clsXMLTag>& objEntry : *objReadings->objSubTags) {
        const Reading first = DayReadings(objEntry).value(0);
        const int iCount = iDay % 5 == 3 ? 1 : (iDay == 9 ? 4 : 2 + iDay % 2);
        QList<Reading> readings;
        for (int i = 0; i < iCount; ++i) {
            const int iShift = (iDay == 9 && i == 0) ? 16 : ((i * 7 + iDay * 3) % 11) - 5;
            const auto shifted = [iShift](const QString& szValue, int iPart) {
                bool bOk = false;
                const int iValue = szValue.toInt(&bOk);
                return bOk ? QString::number(iValue + iShift / iPart) : szValue;
            };
            readings.append(Reading{QString(), shifted(first.szSystolic, 1),
                                    shifted(first.szDiastolic, 2), shifted(first.szPulse, 3),
                                    QString()});
        }
        WriteDayReadings(objEntry, readings);
        ++iDay;
    }
    return objReadings;
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
    for (const Case c :
         {Case{"empty", 0}, Case{"1day", 1}, Case{"2days", 2}, Case{"7days", 7}, Case{"10days", 10},
          Case{"60days", 60}, Case{"90days", 90}, Case{"400days", 400}, Case{"3650days", 3650},
          Case{"32767days", 32767}, Case{"several", -14}}) {
        // "empty": one day selected, nothing typed.
        // "several": two weeks of several readings a day (days -14).
        const auto objReadings = c.days == 0  ? MakePlaceholderReadings()
                                 : c.days < 0 ? MakeSeveralReadings()
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
            if (!bScreen) {
                // The size of the report's picture.
                Save(chart, szFolder, szStem + QStringLiteral("-1600x680.png"), QSize(1600, 680),
                     1, bScreen);
            }
        }
    }
    std::printf("Pictures written to %s\n", qPrintable(szFolder));
    return 0;
}
