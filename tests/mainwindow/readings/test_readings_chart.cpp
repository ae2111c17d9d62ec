#include "mainwindow/readings/ReadingsChart.h"
#include "mainwindow/readings/ReadingsSchema.h"
#include "mainwindow/readings/ctlChart.h"
#include "xmlstore/clsXMLTags.h"

#include <QClipboard>
#include <QDate>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QTest>

#include <cmath>

namespace {

// Day entries from "key|S|D|P" lines, added as the main window adds them.
std::shared_ptr<clsXMLTag> MakeReadings(const QStringList& entries) {
    auto objBlock = std::make_shared<clsXMLTag>();
    const std::shared_ptr<clsXMLTag> objReadings = CreateReadingsSkeleton(objBlock);
    for (const QString& line : entries) {
        const QStringList parts = line.split(u'|');
        const DayEntryTags tags = FindOrCreateDayEntry(objReadings, parts.value(0));
        tags.objSystolicTag->szValue = parts.value(1);
        tags.objDiastolicTag->szValue = parts.value(2);
        tags.objPulseTag->szValue = parts.value(3);
        tags.objCommentTag->szValue = parts.value(4);
    }
    return objReadings;
}

// A row as "label S D P", with "-" for a cell that was not written.
QString DescribeRow(const ctlChart& chart, qint16 iRow) {
    QStringList parts{chart.RowLabelAt(iRow)};
    for (qint16 iColumn = 1; iColumn <= chart.ColumnCount(); ++iColumn) {
        const std::optional<double> value = chart.DataAt(iRow, iColumn);
        parts << (value ? QString::number(*value) : QStringLiteral("-"));
    }
    return parts.join(u' ');
}

QStringList Lines(std::initializer_list<const char*> lines) {
    QStringList list;
    for (const char* line : lines) {
        list << QString::fromLatin1(line);
    }
    return list;
}

QImage RenderOnWhite(const ctlChart& chart, const QSize& size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    chart.Render(painter, QRectF(QPointF(0, 0), size));
    return image;
}

// Pixels that are clearly of one of the pure test colours (red, green or blue), anti-aliased
// edges included, and clearly not the grey of text, axes or grid.
bool IsColour(QRgb pixel, int iChannel) {
    const int c[3] = {qRed(pixel), qGreen(pixel), qBlue(pixel)};
    for (int i = 0; i < 3; ++i) {
        if (i == iChannel ? c[i] < 200 : c[i] > 140) {
            return false;
        }
    }
    return true;
}

struct PixelBounds {
    int count = 0;
    QRect box;
};

PixelBounds FindColour(const QImage& image, const QRect& region, int iChannel) {
    PixelBounds bounds;
    const QRect area = region & image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (IsColour(image.pixel(x, y), iChannel)) {
                ++bounds.count;
                bounds.box |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

// A chart of one series in pure red (or three in red, green, blue) on a plain white palette.
void PrepareTestStyle(ctlChart& chart, qint16 iColumns) {
    chart.SetColumnCount(iColumns);
    chart.SetSeriesColours({QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255)});
    chart.SetPalette(Qt::white, Qt::black, QColor(200, 200, 200));
}

void Write(ctlChart& chart, int iRow, int iColumn, double value) {
    chart.SetRow(qint16(iRow));
    chart.SetColumn(qint16(iColumn));
    chart.SetData(QString::number(value));
}

} // namespace

class TestReadingsChart : public QObject {
    Q_OBJECT
private slots:
    void fill_data();
    void fill();
    void refillLeavesNothingBehind();
    void grid();
    void cellText_data();
    void cellText();
    void niceScale_data();
    void niceScale();
    void gapIsDrawnAsGap_data();
    void gapIsDrawnAsGap();
    void everyValueFitsAndPeaksSurvive_data();
    void everyValueFitsAndPeaksSurvive();
    void rowLabelsNeverOverlap_data();
    void rowLabelsNeverOverlap();
    void singleDayBars();
    void pictures();
};

void TestReadingsChart::fill_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<bool>("bars");

    QTest::newRow("no entries") << QStringList() << false << QStringList() << false;
    QTest::newRow("only placeholders")
        << Lines({"20261207|||", "20261208|||Walked"}) << true << QStringList() << false;
    QTest::newRow("one entry, systolic only")
        << Lines({"20261207|120||"}) << true << Lines({"07/12 120 0 0"}) << true;
    QTest::newRow("one entry with a comment only")
        << Lines({"20261207|||Walked"}) << true << QStringList() << false;
    QTest::newRow("reading and placeholder") << Lines({"20261207|120|80|72", "20261208|||"}) << true
                                             << Lines({"07/12 120 80 72"}) << true;
    QTest::newRow("placeholder between readings, entered out of order")
        << Lines({"20270305|125|82|70", "20270301|120|80|72", "20270303|||", "20270302|118|79|68"})
        << true << Lines({"01/03 120 80 72", "02/03 118 79 68", "05/03 125 82 70"}) << false;
    QTest::newRow("empty diastolic is not written")
        << Lines({"20270301|120|80|72", "20270302|118||68"}) << true
        << Lines({"01/03 120 80 72", "02/03 118 - 68"}) << false;
    QTest::newRow("stored zeros are no measurement")
        << Lines({"20270301|0|0|0", "20270302|000|00|0", "20270303|120|0|72"}) << true
        << Lines({"03/03 120 - 72"}) << true;
    QTest::newRow("not numbers are no measurement")
        << Lines({"20270301|abc|8x|?", "20270302|12a|80|72", "20270303|1,5|1e2|72"}) << true
        << Lines({"02/03 - 80 72", "03/03 - - 72"}) << false;
    QTest::newRow("one entry with a letter counts it as zero")
        << Lines({"20270301|12a|80|"}) << true << Lines({"01/03 0 80 0"}) << true;
    QTest::newRow("negative values are not measurements")
        << Lines({"20270301|-120|80|72", "20270302|-1|-2|-3"}) << true << Lines({"01/03 - 80 72"})
        << true;
    QTest::newRow("decimals round to the even neighbour")
        << Lines({"20270301|120.5|80.5|72.51", "20270302| 121.5 |79.4|0.4"}) << true
        << Lines({"01/03 120 80 73", "02/03 122 79 -"}) << false;
    QTest::newRow("same day and month in three years keep their own rows")
        << Lines({"20261207|120|80|70", "20251207|130|85|75", "20260101|125|82|72",
                  "20271207|110|70|65"})
        << true
        << Lines({"07/12 130 85 75", "01/01 125 82 72", "07/12 120 80 70", "07/12 110 70 65"})
        << false;
}

void TestReadingsChart::fill() {
    QFETCH(QStringList, entries);
    QFETCH(bool, visible);
    QFETCH(QStringList, rows);
    QFETCH(bool, bars);

    QWidget window;
    auto* chart = new ctlChart(&window);
    // Visibility must come from the fill, whatever it was before.
    chart->setVisible(!visible);
    FillChartFromReadings(*chart, MakeReadings(entries));

    QCOMPARE(!chart->isHidden(), visible);
    QCOMPARE(chart->ColumnCount(), qint16(3));
    if (!visible) {
        return;
    }
    QStringList actual;
    for (qint16 iRow = 1; iRow <= chart->RowCount(); ++iRow) {
        actual << DescribeRow(*chart, iRow);
    }
    QCOMPARE(actual, rows);
    QCOMPARE(chart->GetChartType() == ctlChart::ChartType::Bar2d, bars);
}

void TestReadingsChart::refillLeavesNothingBehind() {
    QWidget window;
    auto* chart = new ctlChart(&window);
    FillChartFromReadings(*chart, MakeReadings(Lines({"20270301|120|80|72", "20270302|118|79|68",
                                                      "20270303|125|82|70"})));
    QCOMPARE(chart->RowCount(), qint16(3));

    // A later fill with fewer values must not show cells or labels of the earlier one.
    FillChartFromReadings(*chart,
                          MakeReadings(Lines({"20270401|||", "20270402|119||", "20270403|||"})));
    QCOMPARE(chart->RowCount(), qint16(1));
    QCOMPARE(DescribeRow(*chart, 1), QStringLiteral("02/04 119 - -"));
    QCOMPARE(chart->GetChartType(), ctlChart::ChartType::Bar2d);

    FillChartFromReadings(*chart, MakeReadings(QStringList()));
    QVERIFY(chart->isHidden());
}

void TestReadingsChart::grid() {
    ctlChart chart;
    chart.SetColumnCount(3);
    chart.SetRowCount(4);
    Write(chart, 2, 1, 120);
    chart.SetRowLabel(QStringLiteral("07/12"));
    Write(chart, 4, 3, 72);
    chart.SetRowLabel(QStringLiteral("09/12"));

    // Shrinking keeps the rows that remain; growing adds unwritten rows.
    chart.SetRowCount(3);
    chart.SetRowCount(5);
    QCOMPARE(chart.DataAt(2, 1), std::optional<double>(120));
    QCOMPARE(chart.RowLabelAt(2), QStringLiteral("07/12"));
    QCOMPARE(chart.DataAt(4, 3), std::nullopt);
    QCOMPARE(chart.RowLabelAt(4), QString());

    // Writes outside the grid go nowhere.
    for (const auto& [iRow, iColumn] : {std::pair{0, 1}, {6, 1}, {1, 0}, {1, 4}, {-1, -1}}) {
        Write(chart, iRow, iColumn, 99);
        if (iRow < 1 || iRow > 5) {
            chart.SetRowLabel(QStringLiteral("x"));
        }
    }
    for (qint16 iRow = 1; iRow <= 5; ++iRow) {
        for (qint16 iColumn = 1; iColumn <= 3; ++iColumn) {
            QVERIFY(chart.DataAt(iRow, iColumn) != std::optional<double>(99));
        }
        QVERIFY(chart.RowLabelAt(iRow) != QStringLiteral("x"));
    }

    // Setting the columns starts afresh and keeps the row count.
    chart.SetColumnCount(3);
    QCOMPARE(chart.RowCount(), qint16(5));
    QCOMPARE(chart.DataAt(2, 1), std::nullopt);
    QCOMPARE(chart.RowLabelAt(2), QString());

    chart.SetRowCount(-3);
    QCOMPARE(chart.RowCount(), qint16(0));
}

void TestReadingsChart::cellText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("written");
    QTest::addColumn<double>("value");

    QTest::newRow("whole number") << QStringLiteral("120") << true << 120.0;
    QTest::newRow("zero") << QStringLiteral("0") << true << 0.0;
    QTest::newRow("negative") << QStringLiteral("-5") << true << -5.0;
    QTest::newRow("decimal point") << QStringLiteral("12.5") << true << 12.5;
    QTest::newRow("blanks around") << QStringLiteral(" 80 ") << true << 80.0;
    QTest::newRow("largest 16-bit") << QStringLiteral("32767") << true << 32767.0;
    QTest::newRow("empty") << QString() << false << 0.0;
    QTest::newRow("letters") << QStringLiteral("abc") << false << 0.0;
    QTest::newRow("digit and letter") << QStringLiteral("12a") << false << 0.0;
    QTest::newRow("infinity") << QStringLiteral("inf") << false << 0.0;
    QTest::newRow("not a number") << QStringLiteral("nan") << false << 0.0;
}

void TestReadingsChart::cellText() {
    QFETCH(QString, text);
    QFETCH(bool, written);
    QFETCH(double, value);
    ctlChart chart;
    chart.SetColumnCount(1);
    chart.SetRowCount(1);
    chart.SetRow(1);
    chart.SetColumn(1);
    chart.SetData(text);
    QCOMPARE(chart.DataAt(1, 1), written ? std::optional<double>(value) : std::nullopt);
}

void TestReadingsChart::niceScale_data() {
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<int>("maxTicks");

    QTest::newRow("blood pressure") << 62.0 << 181.0 << 6;
    QTest::newRow("from zero") << 0.0 << 120.0 << 5;
    QTest::newRow("flat") << 120.0 << 120.0 << 5;
    QTest::newRow("all zero") << 0.0 << 0.0 << 5;
    QTest::newRow("negative to positive") << -5.0 << 130.0 << 6;
    QTest::newRow("small fractions") << 0.1 << 0.35 << 5;
    QTest::newRow("whole 16-bit range") << -32768.0 << 32767.0 << 8;
    QTest::newRow("narrow band") << 60.0 << 61.0 << 3;
    QTest::newRow("only two ticks") << 47.0 << 193.0 << 2;
    QTest::newRow("reversed") << 90.0 << 70.0 << 5;
}

void TestReadingsChart::niceScale() {
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(int, maxTicks);
    const ctlChart::AxisScale scale = ctlChart::NiceScale(min, max, maxTicks);

    QVERIFY(scale.step > 0);
    QVERIFY(scale.hi > scale.lo);
    QVERIFY(scale.lo <= std::min(min, max));
    QVERIFY(scale.hi >= std::max(min, max));
    const double mantissa = scale.step / std::pow(10.0, std::floor(std::log10(scale.step)));
    QVERIFY2(std::abs(mantissa - 1) < 1e-9 || std::abs(mantissa - 2) < 1e-9 ||
                 std::abs(mantissa - 5) < 1e-9,
             qPrintable(QString::number(scale.step)));
    for (const double end : {scale.lo, scale.hi}) {
        QVERIFY(std::abs(end / scale.step - std::round(end / scale.step)) < 1e-6);
    }
    const double ticks = std::round((scale.hi - scale.lo) / scale.step) + 1;
    QVERIFY(ticks >= 2);
    QVERIFY(ticks <= maxTicks);
}

void TestReadingsChart::gapIsDrawnAsGap_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("gapFirst");
    QTest::addColumn<int>("gapLast");

    QTest::newRow("one day in ten") << 10 << 5 << 5;
    QTest::newRow("three days in forty") << 40 << 20 << 22;
    QTest::newRow("five months in ten years") << 3650 << 1500 << 1650;
    QTest::newRow("six years in the largest store") << 32767 << 20000 << 22190;
}

void TestReadingsChart::gapIsDrawnAsGap() {
    QFETCH(int, rows);
    QFETCH(int, gapFirst);
    QFETCH(int, gapLast);
    ctlChart chart;
    PrepareTestStyle(chart, 1);
    chart.SetRowCount(qint16(rows));
    for (int i = 1; i <= rows; ++i) {
        if (i < gapFirst || i > gapLast) {
            Write(chart, i, 1, 100 + 20 * std::sin(i / 7.0));
        }
    }
    const QSize size(700, 200);
    const QImage image = RenderOnWhite(chart, size);
    const QRectF plot = chart.PlotArea(QRectF(QPointF(0, 0), size));

    // Between the last row before the gap and the first after it there is no line at all.
    const double margin = 5;
    const int left = int(std::ceil(chart.RowCentre(plot, qint16(gapFirst - 1)) + margin));
    const int right = int(std::floor(chart.RowCentre(plot, qint16(gapLast + 1)) - margin));
    QVERIFY(right > left);
    const QRect gap(left, 0, right - left + 1, size.height());
    QCOMPARE(FindColour(image, gap, 0).count, 0);

    // ... while the line is there on both sides of it.
    const QRect before(QPoint(int(plot.left()), 0), QPoint(left - int(2 * margin), size.height()));
    const QRect after(QPoint(right + int(2 * margin), 0), QPoint(int(plot.right()), size.height()));
    QVERIFY(FindColour(image, before, 0).count > 0);
    QVERIFY(FindColour(image, after, 0).count > 0);
}

void TestReadingsChart::everyValueFitsAndPeaksSurvive_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("type");

    QTest::newRow("a month of lines") << 31 << QStringLiteral("line");
    QTest::newRow("ten years of lines") << 3650 << QStringLiteral("line");
    QTest::newRow("largest store of lines") << 32767 << QStringLiteral("line");
    QTest::newRow("a month of bars") << 31 << QStringLiteral("bar");
}

void TestReadingsChart::everyValueFitsAndPeaksSurvive() {
    QFETCH(int, rows);
    QFETCH(QString, type);
    ctlChart chart;
    PrepareTestStyle(chart, 1);
    chart.SetChartType(type == QStringLiteral("bar") ? ctlChart::ChartType::Bar2d
                                                     : ctlChart::ChartType::Line2d);
    chart.SetRowCount(qint16(rows));
    // A steady series with one single-day spike and one single-day dip.
    for (int i = 1; i <= rows; ++i) {
        Write(chart, i, 1, i == rows / 3 ? 300 : i == 2 * rows / 3 ? 40 : 120);
    }
    for (const QSize size : {QSize(700, 200), QSize(1400, 500)}) {
        const QImage image = RenderOnWhite(chart, size);
        const QRectF plot = chart.PlotArea(QRectF(QPointF(0, 0), size));
        const PixelBounds all = FindColour(image, image.rect(), 0);
        QVERIFY(all.count > 0);
        // Nothing of the series lies outside the plot (a line or a dot may stick out by its
        // half width).
        const double stickOut = size.height() / 40.0;
        const QRectF allowed = plot.adjusted(-stickOut, -stickOut, stickOut, stickOut);
        QVERIFY2(allowed.contains(QRectF(all.box)), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                   .arg(all.box.x())
                                                                   .arg(all.box.y())
                                                                   .arg(all.box.width())
                                                                   .arg(all.box.height())));
        // The spike reaches far above the steady level, at the spike's own row.
        const double spikeX = chart.RowCentre(plot, qint16(rows / 3));
        const PixelBounds spike = FindColour(image, QRect(int(spikeX) - 3, 0, 7, size.height()), 0);
        const double level = plot.height() * 0.35;
        QVERIFY(spike.count > 0);
        QVERIFY(spike.box.top() < plot.top() + plot.height() * 0.2);
        QVERIFY(all.box.height() > level);
        if (type == QStringLiteral("line")) {
            // The dip shows as well.
            const double dipX = chart.RowCentre(plot, qint16(2 * rows / 3));
            const PixelBounds dip = FindColour(image, QRect(int(dipX) - 3, 0, 7, size.height()), 0);
            QVERIFY(dip.box.bottom() > plot.bottom() - plot.height() * 0.35);
        }
    }
}

void TestReadingsChart::rowLabelsNeverOverlap_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<QSize>("size");

    for (const QSize size : {QSize(700, 200), QSize(300, 120), QSize(1400, 500)}) {
        for (const int rows : {1, 2, 7, 31, 100, 365, 1000, 3650, 32767}) {
            QTest::addRow("%d rows at %dx%d", rows, size.width(), size.height()) << rows << size;
        }
    }
}

void TestReadingsChart::rowLabelsNeverOverlap() {
    QFETCH(int, rows);
    QFETCH(QSize, size);
    ctlChart chart;
    chart.SetColumnCount(3);
    chart.SetRowCount(qint16(rows));
    const QDate first(2000, 1, 1);
    for (int i = 1; i <= rows; ++i) {
        chart.SetRow(qint16(i));
        const QDate day = first.addDays(i - 1);
        chart.SetRowLabel(
            DayRowLabel(DayKey(qint16(day.year()), qint16(day.month()), qint16(day.day()))));
    }
    const QRectF rect(QPointF(0, 0), size);
    const QRectF plot = chart.PlotArea(rect);
    const std::vector<ctlChart::RowLabelSlot> labels = chart.RowLabelLayout(rect);

    QVERIFY(!labels.empty());
    QVERIFY(int(labels.size()) >= std::min(rows, 3));
    const double spacing = plot.width() / rows;
    for (size_t i = 0; i < labels.size(); ++i) {
        const ctlChart::RowLabelSlot& slot = labels[i];
        // Under its own row, inside the picture, below the plot.
        QVERIFY(std::abs(slot.rect.center().x() - chart.RowCentre(plot, slot.iRow)) < 0.01);
        QVERIFY(rect.contains(slot.rect));
        QVERIFY(slot.rect.top() >= plot.bottom());
        if (i + 1 < labels.size()) {
            const ctlChart::RowLabelSlot& next = labels[i + 1];
            QVERIFY(next.iRow > slot.iRow);
            QVERIFY2(slot.rect.right() <= next.rect.left(),
                     qPrintable(QStringLiteral("rows %1 and %2").arg(slot.iRow).arg(next.iRow)));
            // Thinned no more than needed to keep them apart.
            QVERIFY((next.iRow - slot.iRow - 1) * spacing < 2 * slot.rect.width());
        }
    }
}

void TestReadingsChart::singleDayBars() {
    QWidget window;
    auto* chart = new ctlChart(&window);
    PrepareTestStyle(*chart, 3);
    FillChartFromReadings(*chart, MakeReadings(Lines({"20261207|120|80|72"})));
    QCOMPARE(chart->GetChartType(), ctlChart::ChartType::Bar2d);

    const QSize size(700, 200);
    const QImage image = RenderOnWhite(*chart, size);
    const QRectF plot = chart->PlotArea(QRectF(QPointF(0, 0), size));
    const QRect plotPixels = plot.toAlignedRect();
    const PixelBounds systolic = FindColour(image, plotPixels, 0);
    const PixelBounds diastolic = FindColour(image, plotPixels, 1);
    const PixelBounds pulse = FindColour(image, plotPixels, 2);
    QVERIFY(systolic.count > 0 && diastolic.count > 0 && pulse.count > 0);
    // Side by side in column order, taller for larger values, on one base line.
    QVERIFY(systolic.box.right() < diastolic.box.left());
    QVERIFY(diastolic.box.right() < pulse.box.left());
    QVERIFY(systolic.box.top() < diastolic.box.top());
    QVERIFY(diastolic.box.top() < pulse.box.top());
    QVERIFY(std::abs(systolic.box.bottom() - pulse.box.bottom()) <= 1);
    // Heights in proportion to the values (80 against 120).
    const double ratio = double(diastolic.box.height()) / systolic.box.height();
    QVERIFY2(std::abs(ratio - 80.0 / 120.0) < 0.05, qPrintable(QString::number(ratio)));
}

void TestReadingsChart::pictures() {
    QWidget window;
    auto* chart = new ctlChart(&window);
    StyleChartForScreen(*chart);
    FillChartFromReadings(*chart, MakeReadings(Lines({"20270301|120|80|72", "20270302|118|79|68",
                                                      "20270303|125|82|70"})));
    chart->resize(350, 100);

    // Sharp pictures: twice the pixels, laid out at the chart's own size.
    const QImage image = chart->ToImage(QSize(350, 100), 2.0);
    QCOMPARE(image.size(), QSize(700, 200));
    QCOMPARE(image.devicePixelRatio(), 2.0);

    // The clipboard copy goes at the chart's current size, opaque even over a see-through style.
    chart->CopyToClipboard(3.0);
    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), QSize(1050, 300));
    for (const QPoint corner : {QPoint(0, 0), QPoint(1049, 299)}) {
        QCOMPARE(qAlpha(copied.pixel(corner)), 255);
    }
    QSet<QRgb> colours;
    for (int y = 0; y < copied.height(); y += 7) {
        for (int x = 0; x < copied.width(); x += 7) {
            colours.insert(copied.pixel(x, y));
        }
    }
    QVERIFY(colours.size() > 3);

    QVERIFY(chart->ToImage(QSize(0, 100), 2.0).isNull());
    QVERIFY(chart->ToImage(QSize(100, 100), 0).isNull());
}

QTEST_MAIN(TestReadingsChart)
#include "test_readings_chart.moc"
