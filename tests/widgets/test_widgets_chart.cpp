#include "diary/DayReadings.h"
#include "diary/DiaryLoad.h"
#include "diary/ReadingsSchema.h"
#include "diary/TextToInteger.h"
#include "i18n/Translations.h"
#include "tests/support/Contrast.h"
#include "widgets/ReadingsChart.h"
#include "widgets/ctlChart.h"
#include "xmlstore/clsXML.h"
#include "xmlstore/clsXMLTags.h"

#include <QClipboard>
#include <QDate>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScopeGuard>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace {

// Day entries from "key|S|D|P" lines, added as the main window adds them (bNewKeys: every key
// is new, so the entry is added without looking for it first, as a large store needs).
std::shared_ptr<clsXMLTag> MakeReadings(const QStringList& entries, bool bNewKeys = false) {
    auto objBlock = std::make_shared<clsXMLTag>();
    const std::shared_ptr<clsXMLTag> objReadings = CreateReadingsSkeleton(objBlock);
    for (const QString& line : entries) {
        const QStringList parts = line.split(u'|');
        const DayEntryTags tags = bNewKeys ? CreateDayEntry(objReadings, parts.value(0))
                                           : FindOrCreateDayEntry(objReadings, parts.value(0));
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

// Day entries from "key|S/D/P|S/D/P..." lines, one reading per "|" part, stored as the entry
// control stores them (the first in the day's own tags, the rest in R2, R3, ...).
std::shared_ptr<clsXMLTag> MakeDays(const QStringList& days) {
    auto objBlock = std::make_shared<clsXMLTag>();
    const std::shared_ptr<clsXMLTag> objReadings = CreateReadingsSkeleton(objBlock);
    for (const QString& line : days) {
        const QStringList parts = line.split(u'|');
        QList<Reading> readings;
        for (qsizetype i = 1; i < parts.size(); ++i) {
            const QStringList values = parts[i].split(u'/');
            readings.append(Reading{QStringLiteral("%1:00").arg(6 + i, 2, 10, QChar(u'0')),
                                    values.value(0), values.value(1), values.value(2), QString()});
        }
        CreateDayEntry(objReadings, parts.value(0));
        WriteDayReadings(FindDayEntry(objReadings, parts.value(0)), readings);
    }
    static std::vector<std::shared_ptr<clsXMLTag>> documents;
    documents.push_back(objBlock);
    return objReadings;
}

// A row as "label S D P", each value followed by its readings' range where it has one, and
// the row's count of readings: "07/12 126 82 70 (125-128 81-84 70-71) x2".
QString DescribeSpreadRow(const ctlChart& chart, qint16 iRow) {
    QStringList ranges;
    for (qint16 iColumn = 1; iColumn <= chart.ColumnCount(); ++iColumn) {
        const auto spread = chart.SpreadAt(iRow, iColumn);
        ranges << (spread ? QStringLiteral("%1-%2").arg(spread->first).arg(spread->second)
                          : QStringLiteral("-"));
    }
    return DescribeRow(chart, iRow) + QStringLiteral(" (") + ranges.join(u' ') +
           QStringLiteral(") x") + QString::number(chart.RowSamplesAt(iRow));
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

// Pixels of a test colour, solid or a faint tint of it over white (the bands of dense drawing).
bool IsTint(QRgb pixel, int iChannel) {
    const int c[3] = {qRed(pixel), qGreen(pixel), qBlue(pixel)};
    int iOther = 0;
    for (int i = 0; i < 3; ++i) {
        if (i != iChannel) {
            iOther = std::max(iOther, c[i]);
        }
    }
    return c[iChannel] >= 200 && c[iChannel] - iOther >= 40;
}

struct PixelBounds {
    int count = 0;
    QRect box;
};

PixelBounds FindColour(const QImage& image, const QRect& region, int iChannel,
                       bool bTints = false) {
    PixelBounds bounds;
    const QRect area = region & image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (bTints ? IsTint(pixel, iChannel) : IsColour(pixel, iChannel)) {
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

QString KeyOf(const QDate& day) {
    return DayKey(qint16(day.year()), qint16(day.month()), qint16(day.day()));
}

// Readings on every iEvery-th day from first for iDays days: a yearly swing and a fixed
// jitter, the diastolic box left empty now and then.
QStringList DailyLines(const QDate& first, int iDays, int iEvery = 1) {
    QStringList lines;
    for (int i = 0; i < iDays; i += iEvery) {
        const double season = std::sin(i * 2 * std::numbers::pi / 365.0);
        const int s = 125 + int(std::lround(12 * season)) + (i * 7919) % 11 - 5;
        const int dd = 80 + int(std::lround(6 * season)) + (i * 104729) % 9 - 4;
        const int p = 68 + (i * 31) % 13 - 6;
        lines << KeyOf(first.addDays(i)) + u'|' + QString::number(s) + u'|' +
                     (i % 17 == 5 ? QString() : QString::number(dd)) + u'|' + QString::number(p);
    }
    return lines;
}

// Where values lie on the value axis of a chart drawn into rect.
std::function<double(double)> ValueToY(const ctlChart& chart, const QRectF& rect) {
    const QRectF plot = chart.PlotArea(rect);
    const ctlChart::AxisScale scale = chart.ValueAxis(rect);
    return [plot, scale](double value) {
        return plot.bottom() - (value - scale.lo) / (scale.hi - scale.lo) * plot.height();
    };
}

// Pixels dark enough to be the black text of the test style.
int CountDark(const QImage& image, const QRect& region) {
    int iCount = 0;
    const QRect area = region & image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            iCount += qRed(pixel) < 110 && qGreen(pixel) < 110 && qBlue(pixel) < 110 ? 1 : 0;
        }
    }
    return iCount;
}

} // namespace

class TestReadingsChart : public QObject {
    Q_OBJECT
private slots:
    void fill_data();
    void fill();
    void refillLeavesNothingBehind();
    void severalReadings_data();
    void severalReadings();
    void handMadeFurtherReadings();
    void largeDiaryAsItsParts_data();
    void largeDiaryAsItsParts();
    void severalReadingsDrawBands_data();
    void severalReadingsDrawBands();
    void severalReadingsSpoken_data();
    void severalReadingsSpoken();
    void spokenInLanguage_data();
    void spokenInLanguage();
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
    void barValuesHaveRoom_data();
    void barValuesHaveRoom();
    void denseMeanLineInsideBand_data();
    void denseMeanLineInsideBand();
    void denseDrawingPaintsBandAndLine_data();
    void denseDrawingPaintsBandAndLine();
    void yearMarks_data();
    void yearMarks();
    void paperLinesReadable();
    void homeThresholds_data();
    void homeThresholds();
    void emptyState();
    void toolTip_data();
    void toolTip();
    void denseToolTip();
    void keyboard();
    void accessibleDescription_data();
    void accessibleDescription();
    void descriptionChangesAreAnnounced();
    void pictures();
    void paintedAhead_data();
    void paintedAhead();
    void pictureDrawnAhead_data();
    void pictureDrawnAhead();
    void refilledWhileDrawnAhead();
    void chartedOnTheLoadingThread_data();
    void chartedOnTheLoadingThread();
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

void TestReadingsChart::severalReadings_data() {
    QTest::addColumn<QStringList>("days");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("one reading: as always")
        << Lines({"20261207|128/84/71"}) << Lines({"07/12 128 84 71 (- - -) x1"});
    QTest::newRow("two readings: mean rounds half to even")
        << Lines({"20261207|128/84/71|125/81/70"})
        << Lines({"07/12 126 82 70 (125-128 81-84 70-71) x2"});
    QTest::newRow("three readings, boxes left empty")
        << Lines({"20261207|130/85/|120//70|125/80/72"})
        << Lines({"07/12 125 82 71 (120-130 80-85 70-72) x3"});
    QTest::newRow("four readings") << Lines({"20261207|140/90/80|130/85/75|120/80/70|110/75/65"})
                                   << Lines({"07/12 125 82 72 (110-140 75-90 65-80) x4"});
    QTest::newRow("equal readings have no range")
        << Lines({"20261207|120/80/70|120/80/70"}) << Lines({"07/12 120 80 70 (- - -) x2"});
    QTest::newRow("an empty reading counts for nothing")
        << Lines({"20261207|120/80/70|//"}) << Lines({"07/12 120 80 70 (- - -) x1"});
    QTest::newRow("a value in one reading alone has no range")
        << Lines({"20261207|120/80/|118/78/66"}) << Lines({"07/12 119 79 66 (118-120 78-80 -) x2"});
    QTest::newRow("days of one and of several readings side by side")
        << Lines({"20261206|131/86/72", "20261207|128/84/71|126/82/69", "20261208|//|119/79/66"})
        << Lines({"06/12 131 86 72 (- - -) x1", "07/12 127 83 70 (126-128 82-84 69-71) x2",
                  "08/12 119 79 66 (- - -) x1"});
}

void TestReadingsChart::severalReadings() {
    QFETCH(QStringList, days);
    QFETCH(QStringList, rows);
    ctlChart chart;
    FillChartFromReadings(chart, MakeDays(days));
    QStringList actual;
    for (qint16 iRow = 1; iRow <= chart.RowCount(); ++iRow) {
        actual << DescribeSpreadRow(chart, iRow);
    }
    QCOMPARE(actual, rows);
}

void TestReadingsChart::largeDiaryAsItsParts_data() {
    QTest::addColumn<int>("iDays");
    QTest::addColumn<bool>("bSeveral");
    QTest::newRow("5,000 days of one reading") << 5000 << false;
    QTest::newRow("5,000 days, some of several readings, some empty, one by hand") << 5000 << true;
    // Read in blocks of 8,192 days, the second one on two threads too.
    QTest::newRow("12,500 days of one reading") << 12500 << false;
}

// A large diary is charted as its parts are: the rows of the whole, read on two threads, are the
// rows of its first and second half charted on their own (each read on one thread up to 8,000
// days), in order.
void TestReadingsChart::largeDiaryAsItsParts() {
    QFETCH(int, iDays);
    QFETCH(bool, bSeveral);
    const QDate dtFirst(1990, 1, 1);
    QStringList days;
    for (int i = 0; i < iDays; ++i) {
        QString szDay = dtFirst.addDays(i).toString(QStringLiteral("yyyyMMdd"));
        const auto reading = [i](int j) {
            return QStringLiteral("|%1/%2/%3")
                .arg(100 + (i + 3 * j) % 60)
                .arg(60 + (i + j) % 35)
                .arg(55 + (i + 7 * j) % 40);
        };
        if (bSeveral && i % 7 == 3) {
            szDay += QStringLiteral("|//"); // a day of nothing: no row
        } else {
            szDay += reading(0);
            for (int j = 1; bSeveral && j < 1 + i % 3; ++j) {
                szDay += reading(j);
            }
        }
        days << szDay;
    }
    const std::shared_ptr<clsXMLTag> objReadings = MakeDays(days);
    if (bSeveral) {
        // A further reading written by hand as one line, late in the diary: read where it is.
        const std::shared_ptr<clsXMLTag> objDay = FindDayEntry(
            objReadings, dtFirst.addDays(iDays - 2).toString(QStringLiteral("yyyyMMdd")));
        QVERIFY(objDay);
        objDay->AddSubTag(FurtherReadingTagName(4), QStringLiteral("x"), false);
    }
    ctlChart whole;
    FillChartFromReadings(whole, objReadings);
    const QString szMiddle = dtFirst.addDays(iDays / 2).toString(QStringLiteral("yyyyMMdd"));
    const QString szBeforeMiddle =
        dtFirst.addDays(iDays / 2 - 1).toString(QStringLiteral("yyyyMMdd"));
    QStringList parts;
    for (const DayKeyRange& range :
         {DayKeyRange{QString(), szBeforeMiddle}, DayKeyRange{szMiddle, QString()}}) {
        ctlChart part;
        FillChartFromReadings(part, objReadings, range);
        QVERIFY(part.RowCount() > 1);
        for (qint16 iRow = 1; iRow <= part.RowCount(); ++iRow) {
            parts << DescribeSpreadRow(part, iRow) + u' ' + part.RowDateAt(iRow).toString();
        }
    }
    QCOMPARE(int(whole.RowCount()), int(parts.size()));
    QCOMPARE(int(whole.RowCount()), bSeveral ? iDays - (iDays + 3) / 7 : iDays);
    for (qint16 iRow = 1; iRow <= whole.RowCount(); ++iRow) {
        QCOMPARE(DescribeSpreadRow(whole, iRow) + u' ' + whole.RowDateAt(iRow).toString(),
                 parts[iRow - 1]);
    }
}

void TestReadingsChart::handMadeFurtherReadings() {
    // A day written by hand in the file's form: the first reading in the day's own tags, the
    // others in R2 and R3 with their own values (and a tag this program does not know).
    auto objBlock = std::make_shared<clsXMLTag>();
    const std::shared_ptr<clsXMLTag> objReadings = CreateReadingsSkeleton(objBlock);
    const std::shared_ptr<clsXMLTag> objDay =
        objReadings->AddSubTag(QStringLiteral("20261207"), QString(), true);
    for (const auto& [name, value] :
         {std::pair{"S", "150"}, {"D", "95"}, {"P", "80"}, {"C", "Stairs"}, {"T", "07:05"}}) {
        objDay->AddSubTag(QString::fromLatin1(name), QString::fromLatin1(value), false);
    }
    const std::pair<const char*, const char*> further[2][4] = {
        {{"T", "07:07"}, {"S", "140"}, {"D", "90"}, {"P", "76"}},
        {{"T", "19:30"}, {"S", "131"}, {"X", "?"}, {"P", "71"}}};
    for (int i = 0; i < 2; ++i) {
        const auto objTag = objDay->AddSubTag(FurtherReadingTagName(i + 1), QString(), false);
        for (const auto& [name, value] : further[i]) {
            objTag->AddSubTag(QString::fromLatin1(name), QString::fromLatin1(value), false);
        }
    }
    objReadings->AddSubTag(QStringLiteral("20261208"), QString(), true);
    const DayEntryTags next = FindOrCreateDayEntry(objReadings, QStringLiteral("20261208"));
    next.objSystolicTag->szValue = QStringLiteral("128");
    next.objDiastolicTag->szValue = QStringLiteral("84");

    ctlChart chart;
    FillChartFromReadings(chart, objReadings);
    QCOMPARE(chart.RowCount(), qint16(2));
    // Means of 150/140/131, 95/90 and 80/76/71; the day's own tags alone would give 150/95/80.
    QCOMPARE(DescribeSpreadRow(chart, 1),
             QStringLiteral("07/12 140 92 76 (131-150 90-95 71-80) x3"));
    QCOMPARE(DescribeSpreadRow(chart, 2), QStringLiteral("08/12 128 84 - (- - -) x1"));
    // The value axis reaches the highest reading, not only the highest mean.
    QVERIFY(chart.ValueScale(6).hi >= 150);
}

void TestReadingsChart::severalReadingsDrawBands_data() {
    QTest::addColumn<QStringList>("days");
    QTest::addColumn<QSize>("size");

    QTest::newRow("bars of one day") << Lines({"20261207|150/80/|110/70/"}) << QSize(400, 300);
    QTest::newRow("line of a week") << Lines({"20261201|120/80/", "20261202|150/80/|110/70/",
                                              "20261203|130/75/", "20261204|125/77/"})
                                    << QSize(500, 300);
    QTest::newRow("line of 90 days, narrow rows") << [] {
        QStringList days;
        for (int i = 0; i < 90; ++i) {
            days << KeyOf(QDate(2026, 9, 1).addDays(i)) +
                        (i == 45 ? QStringLiteral("|150/80/|110/70/") : QStringLiteral("|130/75/"));
        }
        return days;
    }() << QSize(700, 300);
}

void TestReadingsChart::severalReadingsDrawBands() {
    QFETCH(QStringList, days);
    QFETCH(QSize, size);
    ctlChart chart;
    PrepareTestStyle(chart, 3);
    FillChartFromReadings(chart, MakeDays(days));
    const QRectF rect(QPointF(0, 0), size);
    const QImage image = RenderOnWhite(chart, size);
    const auto valueY = ValueToY(chart, rect);

    // The day of two readings (150 and 110, mean 130) shows a faint red band reaching from
    // near 110 to near 150 at its own row, and nowhere else.
    const qint16 iRow = qint16(std::find_if(days.cbegin(), days.cend(),
                                            [](const QString& d) { return d.count(u'|') > 1; }) -
                               days.cbegin() + 1);
    // Bars stand side by side around the row's centre; the systolic one is the first.
    const std::vector<ctlChart::BarSlot> bars = chart.BarLayout(rect);
    const double x =
        bars.empty() ? chart.RowCentre(chart.PlotArea(rect), iRow) : bars.front().bar.center().x();
    const QRect column(int(x) - 1, 0, 3, size.height());
    const PixelBounds band = FindColour(image, column, 0, true);
    QVERIFY2(band.count > 0, "no band at the day of two readings");
    QVERIFY2(
        std::abs(band.box.top() - valueY(150)) <= 2,
        qPrintable(QStringLiteral("band top %1, 150 at %2").arg(band.box.top()).arg(valueY(150))));
    if (chart.GetChartType() == ctlChart::ChartType::Line2d) {
        QVERIFY(std::abs(band.box.bottom() - valueY(110)) <= 2);
        // Days of one reading draw no band: no red tint above their values.
        const double xOther = chart.RowCentre(chart.PlotArea(rect), iRow == 1 ? 2 : 1);
        const PixelBounds other =
            FindColour(image, QRect(int(xOther), 0, 1, int(valueY(135))), 0, true);
        QCOMPARE(other.count, 0);
    }
}

void TestReadingsChart::severalReadingsSpoken_data() {
    QTest::addColumn<QStringList>("days");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QString>("latest");

    QTest::newRow("one reading a day speaks of days alone")
        << Lines({"20261207|128/84/71", "20261208|120/80/70"})
        << QStringLiteral("Readings chart: 2 days from 7 Dec 2026 to 8 Dec 2026. Latest 8 Dec "
                          "2026: 120/80, pulse 70. Last 7 days average 124/82.")
        << QStringLiteral("8 Dec 2026: 120/80, pulse 70");
    QTest::newRow("several readings are counted")
        << Lines({"20261207|128/84/71|126/82/", "20261208|120/80/70|//|124/84/72"})
        << QStringLiteral("Readings chart: 2 days, 4 readings from 7 Dec 2026 to 8 Dec 2026. "
                          "Latest 8 Dec 2026, 2 readings: average 122/82, pulse 71 (systolic "
                          "120\u2013124, diastolic 80\u201384, pulse 70\u201372). Last 7 days "
                          "average 124/82.")
        << QStringLiteral("8 Dec 2026, 2 readings: average 122/82, pulse 71 (systolic "
                          "120\u2013124, diastolic 80\u201384, pulse 70\u201372)");
    QTest::newRow("one day of several readings")
        << Lines({"20261207|128/84/71|126/82/"})
        << QStringLiteral("Readings chart: 1 day, 2 readings, 7 Dec 2026. Latest 7 Dec 2026, 2 "
                          "readings: average 127/83, pulse 71 (systolic 126\u2013128, diastolic "
                          "82\u201384, pulse 71). Last 7 days average 127/83.")
        << QStringLiteral("7 Dec 2026, 2 readings: average 127/83, pulse 71 (systolic "
                          "126\u2013128, diastolic 82\u201384, pulse 71)");
}

void TestReadingsChart::severalReadingsSpoken() {
    QFETCH(QStringList, days);
    QFETCH(QString, summary);
    QFETCH(QString, latest);
    ctlChart chart;
    StyleChartForPaper(chart);
    FillChartFromReadings(chart, MakeDays(days));
    QCOMPARE(ReadingsPictureSummary(chart), summary);
    const qint16 iLast = chart.RowCount();
    QCOMPARE(ReadingsSpanText(chart, chart.SummariseRows(iLast, iLast)), latest);
}

// The chart's words in each language: its days in the language's long dates (English keeps its
// short month), its counts in the language's plural forms.
void TestReadingsChart::spokenInLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("summary");
    QTest::newRow("en") << QStringLiteral("en")
                        << QStringLiteral(
                               "Readings chart: 2 days, 4 readings from 7 Dec 2026 to 8 Dec 2026. "
                               "Latest 8 Dec 2026, 2 readings: average 122/82, pulse 71 (systolic "
                               "120\u2013124, diastolic 80\u201384, pulse 70\u201372). Last 7 "
                               "days average 124/82.");
    QTest::newRow("de") << QStringLiteral("de")
                        << QStringLiteral(
                               "Diagramm der Messwerte: 2 Tage, 4 Messungen vom 7. Dezember 2026 "
                               "bis 8. Dezember 2026. Zuletzt 8. Dezember 2026, 2 Messungen: "
                               "Mittelwert 122/82, Puls 71 (systolisch 120\u2013124, diastolisch "
                               "80\u201384, Puls 70\u201372). Mittelwert der letzten 7 Tage "
                               "124/82.");
    QTest::newRow("fr") << QStringLiteral("fr")
                        << QStringLiteral(
                               "Graphique des mesures : 2 jours, 4 mesures du 7 d\u00e9cembre 2026 "
                               "au 8 d\u00e9cembre 2026. Dernier jour, 8 d\u00e9cembre 2026, 2 "
                               "mesures : moyenne 122/82, pouls 71 (systolique 120\u2013124, "
                               "diastolique 80\u201384, pouls 70\u201372). Moyenne des 7 derniers "
                               "jours 124/82.");
    QTest::newRow("es") << QStringLiteral("es")
                        << QStringLiteral(
                               "Gr\u00e1fico de mediciones: 2 d\u00edas, 4 mediciones del 7 de "
                               "diciembre de 2026 al 8 de diciembre de 2026. \u00daltimo d\u00eda, "
                               "8 de diciembre de 2026, 2 mediciones: media 122/82, pulso 71 "
                               "(sist\u00f3lica 120\u2013124, diast\u00f3lica 80\u201384, pulso "
                               "70\u201372). Media de los \u00faltimos 7 d\u00edas 124/82.");
}

void TestReadingsChart::spokenInLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, summary);
    QVERIFY(language == QStringLiteral("en") || InstallTranslations(QLocale(language)));
    const auto english = qScopeGuard([] { RemoveTranslations(); });
    ctlChart chart;
    StyleChartForPaper(chart);
    FillChartFromReadings(
        chart, MakeDays(Lines({"20261207|128/84/71|126/82/", "20261208|120/80/70|//|124/84/72"})));
    QCOMPARE(ReadingsPictureSummary(chart), summary);
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
    QCOMPARE(FindColour(image, gap, 0, true).count, 0);

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
    // Dense drawing shows single days in its faint band: tints count.
    for (const QSize size : {QSize(700, 200), QSize(1400, 500)}) {
        const QImage image = RenderOnWhite(chart, size);
        const QRectF plot = chart.PlotArea(QRectF(QPointF(0, 0), size));
        const PixelBounds all = FindColour(image, image.rect(), 0, true);
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
        const PixelBounds spike =
            FindColour(image, QRect(int(spikeX) - 3, 0, 7, size.height()), 0, true);
        const double level = plot.height() * 0.35;
        QVERIFY(spike.count > 0);
        QVERIFY(spike.box.top() < plot.top() + plot.height() * 0.2);
        QVERIFY(all.box.height() > level);
        if (type == QStringLiteral("line")) {
            // The dip shows as well.
            const double dipX = chart.RowCentre(plot, qint16(2 * rows / 3));
            const PixelBounds dip =
                FindColour(image, QRect(int(dipX) - 3, 0, 7, size.height()), 0, true);
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

void TestReadingsChart::barValuesHaveRoom_data() {
    QTest::addColumn<QString>("reading");
    QTest::addColumn<QSize>("size");

    for (const QSize size : {QSize(700, 200), QSize(300, 120), QSize(1400, 500)}) {
        for (const char* reading : {"120|80|72", "100|60|50", "150|95|88", "129|88|70",
                                    "200|120|100", "50|40|30", "120||", "|85|"}) {
            QTest::addRow("%s at %dx%d", reading, size.width(), size.height())
                << QString::fromLatin1(reading) << size;
        }
    }
}

void TestReadingsChart::barValuesHaveRoom() {
    QFETCH(QString, reading);
    QFETCH(QSize, size);
    QWidget window;
    auto* chart = new ctlChart(&window);
    PrepareTestStyle(*chart, 3);
    FillChartFromReadings(*chart, MakeReadings({QStringLiteral("20261207|") + reading}));
    const QRectF rect(QPointF(0, 0), size);
    const QRectF plot = chart->PlotArea(rect);
    const std::vector<ctlChart::BarSlot> bars = chart->BarLayout(rect);
    QCOMPARE(int(bars.size()), 3);
    const QImage image = RenderOnWhite(*chart, size);
    for (const ctlChart::BarSlot& bar : bars) {
        const QString szStored = reading.section(u'|', bar.iColumn - 1, bar.iColumn - 1);
        // A box left empty is a bar of nothing, with no "0" above it.
        if (szStored.isEmpty()) {
            QVERIFY(bar.szValue.isEmpty());
            QVERIFY(bar.label.isEmpty());
            continue;
        }
        // Every value is written above its own bar, inside the axes, the tallest one too.
        QVERIFY2(!bar.label.isEmpty(), qPrintable(bar.szValue));
        QCOMPARE(bar.szValue, szStored);
        QVERIFY(bar.label.bottom() <= bar.bar.top() + 0.5);
        QVERIFY(bar.label.top() >= plot.top());
        QVERIFY(bar.label.left() <= bar.bar.left() && bar.bar.right() <= bar.label.right());
        QVERIFY(CountDark(image, bar.label.toAlignedRect()) > 0);
    }
}

void TestReadingsChart::denseMeanLineInsideBand_data() {
    QTest::addColumn<int>("days");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<double>("ratio");

    for (const int days : {3650, 32767}) {
        QTest::addRow("%d days on the screen", days) << days << QSize(700, 200) << 1.0;
        QTest::addRow("%d days on a fine screen", days) << days << QSize(700, 200) << 2.0;
        QTest::addRow("%d days large", days) << days << QSize(1400, 420) << 1.0;
        QTest::addRow("%d days small", days) << days << QSize(300, 120) << 1.0;
    }
}

void TestReadingsChart::denseMeanLineInsideBand() {
    QFETCH(int, days);
    QFETCH(QSize, size);
    QFETCH(double, ratio);
    QWidget window;
    auto* chart = new ctlChart(&window);
    FillChartFromReadings(*chart, MakeReadings(DailyLines(QDate(1990, 1, 1), days), true));
    const QRectF rect(QPointF(0, 0), size);
    const QRectF plot = chart->PlotArea(rect);
    const std::vector<ctlChart::RowSpan> columns = chart->DenseColumns(rect, ratio);
    const std::vector<ctlChart::DenseSeries> shapes = chart->DenseLayout(rect, ratio);
    const std::function<double(double)> toY = ValueToY(*chart, rect);
    QCOMPARE(int(columns.size()), int(std::ceil(plot.width() * ratio)));
    QCOMPARE(int(shapes.size()), 3);

    // Every row lies in exactly one column, in row order.
    int iNext = 1;
    for (const ctlChart::RowSpan& column : columns) {
        QCOMPARE(int(column.iFirstRow), iNext);
        QVERIFY(column.iLastRow >= column.iFirstRow);
        iNext = column.iLastRow + 1;
    }
    QCOMPARE(iNext - 1, int(chart->RowCount()));

    for (qint16 iSeries = 1; iSeries <= 3; ++iSeries) {
        const ctlChart::DenseSeries& shape = shapes[size_t(iSeries - 1)];
        // One unbroken line over the whole plot, one band per column, side by side.
        QCOMPARE(int(shape.meanLines.size()), 1);
        const QPolygonF& line = shape.meanLines.front();
        QCOMPARE(int(line.size()), int(columns.size()));
        QCOMPARE(shape.bands.size(), columns.size());
        for (size_t b = 0; b < columns.size(); ++b) {
            const QRectF& band = shape.bands[b];
            const QPointF point = line[qsizetype(b)];
            QVERIFY(band.left() <= point.x() && point.x() <= band.right());
            QVERIFY2(band.top() - 1e-6 <= point.y() && point.y() <= band.bottom() + 1e-6,
                     qPrintable(QStringLiteral("series %1 column %2").arg(iSeries).arg(b)));
            if (b > 0) {
                QVERIFY(std::abs(shape.bands[b - 1].right() - band.left()) < 1e-6);
            }
            // The band spans the column's lowest to highest value, the line its mean.
            double sum = 0;
            int iCount = 0;
            double low = 1e9;
            double high = -1e9;
            for (int iRow = columns[b].iFirstRow; iRow <= columns[b].iLastRow; ++iRow) {
                if (const std::optional<double> value = chart->DataAt(qint16(iRow), iSeries)) {
                    sum += *value;
                    ++iCount;
                    low = std::min(low, *value);
                    high = std::max(high, *value);
                }
            }
            QVERIFY(iCount > 0);
            QVERIFY(std::abs(point.y() - toY(sum / iCount)) < 1e-6);
            QVERIFY(std::abs(band.top() - toY(high)) < 1e-6);
            QVERIFY(std::abs(band.bottom() - toY(low)) < 1e-6);
        }
    }

    // A chart whose rows each get a pixel column of their own is drawn as before, a line
    // through every row.
    FillChartFromReadings(*chart, MakeReadings(DailyLines(QDate(1990, 1, 1), 90), true));
    QVERIFY(chart->DenseColumns(rect, ratio).empty());
    QVERIFY(chart->DenseLayout(rect, ratio).empty());
}

void TestReadingsChart::denseDrawingPaintsBandAndLine_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("jitter");

    QTest::newRow("main window") << QSize(700, 200) << 10;
    QTest::newRow("main window, wide scatter") << QSize(700, 200) << 60;
    // Bands hundreds of pixels tall, filled in pieces: they must meet without a seam.
    QTest::newRow("report picture") << QSize(1600, 680) << 10;
    QTest::newRow("report picture, wide scatter") << QSize(1600, 680) << 60;
}

void TestReadingsChart::denseDrawingPaintsBandAndLine() {
    QFETCH(QSize, size);
    QFETCH(int, jitter);
    ctlChart chart;
    PrepareTestStyle(chart, 1);
    chart.SetRowCount(3650);
    for (int i = 1; i <= 3650; ++i) {
        Write(chart, i, 1, 120 + 25 * std::sin(i / 60.0) + (i * 7919) % (2 * jitter + 1) - jitter);
    }
    const QImage image = RenderOnWhite(chart, size);
    const QRect plot = chart.PlotArea(QRectF(QPointF(0, 0), size)).toAlignedRect();
    int iFaint = 0;
    int iTallest = 0;
    for (int x = plot.left() + 1; x < plot.right() - 1; ++x) {
        // The mean line crosses every pixel column of the plot in the series' own colour ...
        const PixelBounds solid = FindColour(image, QRect(x, plot.top(), 1, plot.height()), 0);
        QVERIFY2(solid.count > 0, qPrintable(QString::number(x)));
        // ... over a band of a faint tint of it, unbroken from its lowest to its highest value.
        const PixelBounds tint = FindColour(image, QRect(x, plot.top(), 1, plot.height()), 0, true);
        iFaint += tint.count - solid.count;
        QVERIFY(tint.box.top() <= solid.box.top() && solid.box.bottom() <= tint.box.bottom());
        for (int y = tint.box.top(); y <= tint.box.bottom(); ++y) {
            QVERIFY2(image.pixel(x, y) != qRgb(255, 255, 255),
                     qPrintable(QStringLiteral("a gap in the band at %1,%2").arg(x).arg(y)));
        }
        iTallest = std::max(iTallest, tint.box.height());
    }
    QVERIFY2(iFaint > 5 * plot.width(), qPrintable(QString::number(iFaint)));
    if (jitter > 10) {
        QVERIFY2(iTallest > size.height() / 8, qPrintable(QString::number(iTallest)));
    }
}

void TestReadingsChart::yearMarks_data() {
    QTest::addColumn<QDate>("first");
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("every");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("everyYear");

    QTest::newRow("90 days in one year") << QDate(2026, 3, 1) << 90 << 1 << QSize(700, 200) << true;
    QTest::newRow("90 days over a new year")
        << QDate(2017, 11, 3) << 90 << 1 << QSize(700, 200) << true;
    QTest::newRow("a new year in the last days")
        << QDate(2025, 10, 1) << 95 << 1 << QSize(700, 200) << true;
    QTest::newRow("three years, weekly")
        << QDate(2024, 5, 1) << 1100 << 7 << QSize(700, 200) << true;
    for (const QSize size : {QSize(700, 200), QSize(300, 120), QSize(1400, 420)}) {
        QTest::addRow("ten years at %dx%d", size.width(), size.height())
            << QDate(1990, 1, 1) << 3650 << 1 << size << (size.width() >= 700);
        QTest::addRow("ninety years at %dx%d", size.width(), size.height())
            << QDate(1930, 6, 1) << 32767 << 1 << size << false;
    }
}

void TestReadingsChart::yearMarks() {
    QFETCH(QDate, first);
    QFETCH(int, days);
    QFETCH(int, every);
    QFETCH(QSize, size);
    QFETCH(bool, everyYear);
    QWidget window;
    auto* chart = new ctlChart(&window);
    FillChartFromReadings(*chart, MakeReadings(DailyLines(first, days, every), true));
    const QRectF rect(QPointF(0, 0), size);
    const QRectF plot = chart->PlotArea(rect);
    const std::vector<ctlChart::YearMark> marks = chart->YearMarkLayout(rect);
    const std::vector<ctlChart::RowLabelSlot> labels = chart->RowLabelLayout(rect);
    const int iFirstYear = chart->RowDateAt(1).year();
    const int iLastYear = chart->RowDateAt(chart->RowCount()).year();
    if (iFirstYear == iLastYear) {
        QVERIFY(marks.empty());
        return;
    }
    QVERIFY(!marks.empty());
    QVERIFY(!labels.empty());

    std::vector<int> startYears;
    for (size_t i = 0; i < marks.size(); ++i) {
        const ctlChart::YearMark& mark = marks[i];
        // Inside the picture, under the row labels, apart from every label and other mark.
        QVERIFY(rect.contains(mark.text));
        for (const ctlChart::RowLabelSlot& label : labels) {
            QVERIFY(mark.text.top() >= label.rect.bottom() - 1e-6);
            QVERIFY(!mark.text.intersects(label.rect));
        }
        if (i > 0) {
            QVERIFY(marks[i - 1].text.right() <= mark.text.left());
            QVERIFY(marks[i - 1].x < mark.x);
        }
        QVERIFY(std::abs(mark.x - chart->RowCentre(plot, mark.iRow)) < 1e-6);
        if (!mark.bYearStart) {
            // The first row's year, at the left.
            QCOMPARE(i, size_t(0));
            QCOMPARE(int(mark.iRow), 1);
            QCOMPARE(mark.iYear, iFirstYear);
            continue;
        }
        // At the first row of its year.
        QCOMPARE(chart->RowDateAt(mark.iRow).year(), mark.iYear);
        QVERIFY(chart->RowDateAt(qint16(mark.iRow - 1)).year() < mark.iYear);
        startYears.push_back(mark.iYear);
    }

    // Thinned to round years: exactly the years that begin in the rows and are multiples of
    // 1, 2, 5, 10, 20...
    QVERIFY(!startYears.empty());
    int iStep = 0;
    for (const int iEvery : {1, 2, 5, 10, 20, 50, 100}) {
        std::vector<int> multiples;
        for (int iYear = iFirstYear + 1; iYear <= iLastYear; ++iYear) {
            if (iYear % iEvery == 0) {
                multiples.push_back(iYear);
            }
        }
        if (multiples == startYears) {
            iStep = iEvery;
            break;
        }
    }
    QVERIFY(iStep > 0);
    if (everyYear) {
        QCOMPARE(iStep, 1);
    }

    // Each year's line runs unbroken from the top of the plot to its bottom.
    const QImage image = RenderOnWhite(*chart, size);
    for (const ctlChart::YearMark& mark : marks) {
        if (!mark.bYearStart) {
            continue;
        }
        const int x = int(std::floor(mark.x));
        for (int y = int(std::ceil(plot.top())) + 1; y < int(std::floor(plot.bottom())); ++y) {
            QVERIFY2(image.pixel(x, y) != qRgb(255, 255, 255),
                     qPrintable(QStringLiteral("year %1 at %2,%3").arg(mark.iYear).arg(x).arg(y)));
        }
    }
}

void TestReadingsChart::paperLinesReadable() {
    // The printed chart's lines, as painted, stand out from the paper at 3:1 or more.
    ctlChart chart;
    StyleChartForPaper(chart);
    chart.SetColumnCount(3);
    chart.SetRowCount(7);
    for (int i = 1; i <= 7; ++i) {
        Write(chart, i, 1, 125 + 5 * (i % 3));
        Write(chart, i, 2, 80 + 4 * (i % 2));
        Write(chart, i, 3, 60 + 3 * (i % 4));
    }
    const QImage image = RenderOnWhite(chart, QSize(700, 300));
    for (qint16 iColumn = 1; iColumn <= 3; ++iColumn) {
        const QColor line = chart.SeriesColour(iColumn);
        int iPainted = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                iPainted += image.pixel(x, y) == line.rgb() ? 1 : 0;
            }
        }
        QVERIFY2(iPainted > 50, qPrintable(QString::number(iColumn)));
        QVERIFY2(testsupport::ContrastRatio(line, Qt::white) >= 3.0,
                 qPrintable(QStringLiteral("series %1 %2: %3:1")
                                .arg(iColumn)
                                .arg(line.name())
                                .arg(testsupport::ContrastRatio(line, Qt::white), 0, 'f', 2)));
    }
}

void TestReadingsChart::homeThresholds_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<bool>("systolic");
    QTest::addColumn<bool>("diastolic");

    QTest::newRow("typical readings")
        << Lines({"20270301|128|82|70", "20270302|140|90|75", "20270303|132|84|72"}) << true
        << true;
    QTest::newRow("low readings: the systolic line is above the axis")
        << Lines({"20270301|104|64|52", "20270302|110|70|58", "20270303|100|62|55"}) << false
        << true;
    QTest::newRow("very low readings: both above the axis")
        << Lines({"20270301|72|45|48", "20270302|78|50|52", "20270303|75|46|47"}) << false << false;
    QTest::newRow("high readings: both below the top")
        << Lines({"20270301|182|104|101", "20270302|190|110|105", "20270303|176|100|103"}) << true
        << false;
    QTest::newRow("one day of bars") << Lines({"20270301|120|80|72"}) << true << true;
    QTest::newRow("no rows") << Lines({"20270301|||"}) << false << false;
}

void TestReadingsChart::homeThresholds() {
    QFETCH(QStringList, entries);
    QFETCH(bool, systolic);
    QFETCH(bool, diastolic);
    QWidget window;
    auto* chart = new ctlChart(&window);
    StyleChartForScreen(*chart);
    FillChartFromReadings(*chart, MakeReadings(entries));
    const QRectF rect(QPointF(0, 0), QSize(700, 200));
    const ctlChart::AxisScale scale = chart->ValueAxis(rect);

    QStringList drawn;
    for (const ctlChart::ReferenceSlot& line : chart->ReferenceLineLayout(rect)) {
        drawn << QStringLiteral("%1 at %2").arg(line.iColumn).arg(line.value);
        // Across the plot at its own value, in its series' colour.
        QVERIFY(std::abs(line.y - ValueToY(*chart, rect)(line.value)) < 1e-6);
        QVERIFY(line.value >= scale.lo && line.value <= scale.hi);
    }
    QStringList expected;
    if (systolic) {
        expected << QStringLiteral("1 at 135");
    }
    if (diastolic) {
        expected << QStringLiteral("2 at 85");
    }
    QCOMPARE(drawn, expected);

    // The thresholds never move the axis.
    chart->SetReferenceLines({}, QString());
    const ctlChart::AxisScale without = chart->ValueAxis(rect);
    QCOMPARE(scale.lo, without.lo);
    QCOMPARE(scale.hi, without.hi);
    QCOMPARE(scale.step, without.step);
}

void TestReadingsChart::emptyState() {
    QWidget window;
    auto* chart = new ctlChart(&window);
    PrepareTestStyle(*chart, 3);
    chart->SetEmptyText(ChartEmptyText());
    auto* label = new QLabel(ChartEmptyText(), &window);
    chart->SetEmptyStateWidget(label);
    const QRectF rect(QPointF(0, 0), QSize(700, 200));
    const auto emptyTextShown = [&] {
        const QRectF area = chart->EmptyTextArea(rect);
        if (area.isEmpty()) {
            return false;
        }
        // Inside the axes, and the sentence is really drawn there.
        return chart->PlotArea(rect).contains(area) &&
               CountDark(RenderOnWhite(*chart, rect.size().toSize()), area.toAlignedRect()) > 50;
    };

    // Nothing at all: the chart is hidden and the window's sentence shows in its place.
    FillChartFromReadings(*chart, MakeReadings({}));
    QVERIFY(chart->isHidden());
    QVERIFY(label->isVisibleTo(&window));
    // Only placeholders: the chart shows, empty, with the sentence inside its axes.
    FillChartFromReadings(*chart, MakeReadings(Lines({"20270301|||", "20270302|||Walked"})));
    QVERIFY(!chart->isHidden());
    QVERIFY(!label->isVisibleTo(&window));
    QVERIFY(emptyTextShown());
    // Readings: neither.
    FillChartFromReadings(*chart, MakeReadings(Lines({"20270301|120|80|72", "20270302|||"})));
    QVERIFY(!label->isVisibleTo(&window));
    QVERIFY(!emptyTextShown());
    // Hidden from outside (the main window's reset), and shown again.
    chart->hide();
    QVERIFY(label->isVisibleTo(&window));
    chart->show();
    QVERIFY(!label->isVisibleTo(&window));
}

void TestReadingsChart::toolTip_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");

    const QStringList three =
        Lines({"20270301|120|80|72", "20270302|118|79|68", "20270303|125|82|70"});
    QTest::newRow("first row") << three << 1 << QStringLiteral("1 Mar 2027: 120/80, pulse 72");
    QTest::newRow("middle row") << three << 2 << QStringLiteral("2 Mar 2027: 118/79, pulse 68");
    QTest::newRow("last row") << three << 3 << QStringLiteral("3 Mar 2027: 125/82, pulse 70");
    QTest::newRow("a box left empty") << Lines({"20270301|120|80|72", "20270302|118||68"}) << 2
                                      << QStringLiteral("2 Mar 2027: 118/\u2013, pulse 68");
    QTest::newRow("one day of bars")
        << Lines({"20261207|120|80|72"}) << 1 << QStringLiteral("7 Dec 2026: 120/80, pulse 72");
    QTest::newRow("same day and month, the year tells them apart")
        << Lines({"20251207|130|85|75", "20261207|120|80|70"}) << 1
        << QStringLiteral("7 Dec 2025: 130/85, pulse 75");
}

void TestReadingsChart::toolTip() {
    QFETCH(QStringList, entries);
    QFETCH(int, row);
    QFETCH(QString, text);
    QWidget window;
    auto* chart = new ctlChart(&window);
    StyleChartForScreen(*chart);
    chart->resize(700, 200);
    FillChartFromReadings(*chart, MakeReadings(entries));
    const QRectF plot = chart->PlotArea(QRectF(chart->rect()));
    const double spacing = plot.width() / chart->RowCount();
    const double x = chart->RowCentre(plot, qint16(row));
    // Anywhere over the row's share of the plot, at any height.
    for (const QPointF at : {QPointF(x, plot.center().y()), QPointF(x - spacing * 0.45, 5),
                             QPointF(x + spacing * 0.45, plot.bottom())}) {
        QCOMPARE(chart->ToolTipAt(at), text);
    }
    // Not away from the plot.
    QCOMPARE(chart->ToolTipAt(QPointF(plot.left() - 40, plot.center().y())), QString());
}

void TestReadingsChart::denseToolTip() {
    QWidget window;
    auto* chart = new ctlChart(&window);
    StyleChartForScreen(*chart);
    chart->resize(700, 200);
    FillChartFromReadings(*chart, MakeReadings(DailyLines(QDate(2016, 1, 1), 3650), true));
    const QRectF rect(chart->rect());
    const QRectF plot = chart->PlotArea(rect);
    const std::vector<ctlChart::RowSpan> columns =
        chart->DenseColumns(rect, chart->devicePixelRatioF());
    QVERIFY(columns.size() > 100);
    const size_t b = columns.size() / 2;
    const ctlChart::RowSpan& column = columns[b];
    const double x = plot.left() + (double(b) + 0.5) * plot.width() / double(columns.size());

    // The column's days, and per series its mean (rounded half to even) and its range.
    QStringList means;
    QStringList ranges;
    for (qint16 iSeries = 1; iSeries <= 3; ++iSeries) {
        double sum = 0;
        int iCount = 0;
        double low = 1e9;
        double high = -1e9;
        for (int iRow = column.iFirstRow; iRow <= column.iLastRow; ++iRow) {
            if (const std::optional<double> value = chart->DataAt(qint16(iRow), iSeries)) {
                sum += *value;
                ++iCount;
                low = std::min(low, *value);
                high = std::max(high, *value);
            }
        }
        means << QString::number(RoundHalfEven(sum / iCount));
        ranges << (low == high ? QString::number(low)
                               : QString::number(low) + u'\u2013' + QString::number(high));
    }
    const QString expected =
        DayText(chart->RowDateAt(column.iFirstRow)) + QStringLiteral(" to ") +
        DayText(chart->RowDateAt(column.iLastRow)) +
        QStringLiteral(" (%1 days)\n").arg(column.iLastRow - column.iFirstRow + 1) +
        QStringLiteral("Average %1/%2, pulse %3\n").arg(means[0], means[1], means[2]) +
        QStringLiteral("Systolic %1, diastolic %2, pulse %3").arg(ranges[0], ranges[1], ranges[2]);
    QCOMPARE(chart->ToolTipAt(QPointF(x, plot.center().y())), expected);
}

void TestReadingsChart::keyboard() {
    QWidget window;
    auto* before = new QLineEdit(&window);
    before->setGeometry(0, 0, 100, 24);
    auto* chart = new ctlChart(&window);
    chart->setGeometry(0, 30, 700, 200);
    StyleChartForScreen(*chart);
    FillChartFromReadings(*chart, MakeReadings(Lines({"20270301|120|80|72", "20270302|118|79|68",
                                                      "20270303|125|82|70"})));
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const QString szSummary = ReadingsChartSummary(*chart);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(chart);
    QVERIFY(accessible != nullptr);

    // Tab reaches the chart, which shows a frame in its focus colour.
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), chart);
    QVERIFY(accessible->state().focusable);
    const QColor focus(0xff, 0xd8, 0x4a);
    QCOMPARE(chart->grab().toImage().pixelColor(0, 100), focus);
    QCOMPARE(accessible->text(QAccessible::Description), szSummary);

    // The arrow keys walk the rows, starting from the latest; the description follows.
    const QStringList rows = {QStringLiteral("1 Mar 2027: 120/80, pulse 72"),
                              QStringLiteral("2 Mar 2027: 118/79, pulse 68"),
                              QStringLiteral("3 Mar 2027: 125/82, pulse 70")};
    const std::pair<Qt::Key, int> steps[] = {
        {Qt::Key_Left, 3},  {Qt::Key_Left, 2}, {Qt::Key_Home, 1},  {Qt::Key_Left, 1},
        {Qt::Key_Right, 2}, {Qt::Key_End, 3},  {Qt::Key_Right, 3}, {Qt::Key_PageUp, 1}};
    for (const auto& [key, iRow] : steps) {
        QTest::keyClick(chart, key);
        QCOMPARE(int(chart->CursorRow()), iRow);
        QCOMPARE(accessible->text(QAccessible::Description), rows[iRow - 1]);
    }
    QTest::keyClick(chart, Qt::Key_Escape);
    QCOMPARE(int(chart->CursorRow()), 0);
    QCOMPARE(accessible->text(QAccessible::Description), szSummary);

    // Away from the chart: no frame, and the summary again.
    QTest::keyClick(chart, Qt::Key_Left);
    before->setFocus();
    QVERIFY(chart->grab().toImage().pixelColor(0, 100) != focus);
    QCOMPARE(accessible->text(QAccessible::Description), szSummary);
}

void TestReadingsChart::accessibleDescription_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("description");

    const QString szWaiting =
        QStringLiteral("Your readings will appear here as a chart once you have entered them.");
    QTest::newRow("no entries") << QStringList()
                                << QStringLiteral("Readings chart: hidden, no readings to show. ") +
                                       szWaiting;
    QTest::newRow("only placeholders")
        << Lines({"20270301|||", "20270302|||Walked"})
        << QStringLiteral("Readings chart: no readings yet. ") + szWaiting;
    QTest::newRow("one day") << Lines({"20261207|120|80|72"})
                             << QStringLiteral("Readings chart: 1 day, 7 Dec 2026. Latest 7 Dec "
                                               "2026: 120/80, pulse 72. Last 7 days average "
                                               "120/80.");
    // One day is a bar chart, whose empty boxes are bars of nothing: not readings of 0.
    QTest::newRow("one day, only the systolic")
        << Lines({"20261209|120||"})
        << QStringLiteral("Readings chart: 1 day, 9 Dec 2026. Latest 9 Dec 2026: 120/\u2013, "
                          "pulse \u2013. Last 7 days average 120/\u2013.");
    QTest::newRow("one day, only the pulse")
        << Lines({"20261209|||66"})
        << QStringLiteral("Readings chart: 1 day, 9 Dec 2026. Latest 9 Dec 2026: \u2013/\u2013, "
                          "pulse 66. Last 7 days average \u2013/\u2013.");
    QTest::newRow("three days")
        << Lines({"20270301|120|80|72", "20270302|118|79|68", "20270303|125|82|70"})
        << QStringLiteral("Readings chart: 3 days from 1 Mar 2027 to 3 Mar 2027. Latest 3 Mar "
                          "2027: 125/82, pulse 70. Last 7 days average 121/80.");
    QTest::newRow("the week leaves older days out")
        << Lines({"20270301|100|60|60", "20270318|150|95|80", "20270320|130|85|70",
                  "20270325|134|87|72"})
        << QStringLiteral("Readings chart: 4 days from 1 Mar 2027 to 25 Mar 2027. Latest 25 Mar "
                          "2027: 134/87, pulse 72. Last 7 days average 132/86.");
    QTest::newRow("over a year end, a box left empty, halves to even")
        << Lines({"20261230|122|80|70", "20270102|123||75"})
        << QStringLiteral("Readings chart: 2 days from 30 Dec 2026 to 2 Jan 2027. Latest 2 Jan "
                          "2027: 123/\u2013, pulse 75. Last 7 days average 122/80.");
}

void TestReadingsChart::accessibleDescription() {
    QFETCH(QStringList, entries);
    QFETCH(QString, description);
    QWidget window;
    auto* chart = new ctlChart(&window);
    StyleChartForScreen(*chart);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(chart);
    QVERIFY(accessible != nullptr);
    QCOMPARE(accessible->role(), QAccessible::Chart);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Readings chart"));

    // Kept current over refills: a fill of other readings first, then these.
    FillChartFromReadings(*chart, MakeReadings(DailyLines(QDate(2020, 1, 1), 400), true));
    QVERIFY(accessible->text(QAccessible::Description).contains(QStringLiteral("400 days")));
    FillChartFromReadings(*chart, MakeReadings(entries));
    QCOMPARE(accessible->text(QAccessible::Description), description);
}

void TestReadingsChart::descriptionChangesAreAnnounced() {
    QWidget window;
    auto* chart = new ctlChart(&window);
    StyleChartForScreen(*chart);
    QCoreApplication::processEvents();
    QSignalSpy changes(chart, &ctlChart::DescriptionChanged);

    // A fill writes thousands of cells; a screen reader hears of it once.
    FillChartFromReadings(*chart, MakeReadings(DailyLines(QDate(2016, 1, 1), 3650), true));
    QCoreApplication::processEvents();
    QCOMPARE(changes.count(), 1);
    // Hiding changes what it says at once, and the fill once more.
    changes.clear();
    FillChartFromReadings(*chart, MakeReadings({}));
    QCOMPARE(changes.count(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(changes.count(), 2);
    // A row reached by the keys.
    FillChartFromReadings(*chart, MakeReadings(Lines({"20270301|120|80|72"})));
    QCoreApplication::processEvents();
    changes.clear();
    chart->SetCursorRow(1);
    QCOMPARE(changes.count(), 1);
    chart->SetCursorRow(1);
    QCOMPARE(changes.count(), 1);
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

// The largest difference of one colour channel between two pictures of the same size.
int LargestDifference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int iLargest = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            iLargest = std::max({iLargest, std::abs(qRed(p[col]) - qRed(q[col])),
                                 std::abs(qGreen(p[col]) - qGreen(q[col])),
                                 std::abs(qBlue(p[col]) - qBlue(q[col])),
                                 std::abs(qAlpha(p[col]) - qAlpha(q[col]))});
        }
    }
    return iLargest;
}

void TestReadingsChart::paintedAhead_data() {
    QTest::addColumn<int>("iDays");
    QTest::addColumn<QString>("szChange");

    for (const int iDays : {1, 40, 3650}) {
        for (const char* szChange : {"none", "value", "size", "font", "colours", "shown"}) {
            QTest::addRow("%d days, %s changed after", iDays, szChange) << iDays << szChange;
        }
    }
}

void TestReadingsChart::paintedAhead() {
    // What a window being built draws ahead is exactly what its first paint would draw, and
    // a change in between is never hidden behind the older picture.
    QFETCH(int, iDays);
    QFETCH(QString, szChange);
    QWidget window;
    window.resize(720, 260);
    auto* chart = new ctlChart(&window);
    StyleChartForScreen(*chart);
    chart->setGeometry(21, 33, 677, 197);
    FillChartFromReadings(*chart, MakeReadings(DailyLines(QDate(2017, 3, 1), iDays)));
    QVERIFY(!chart->isHidden());
    chart->PaintAhead();

    if (szChange == u"value") {
        Write(*chart, 1, 1, 250);
    } else if (szChange == u"size") {
        chart->resize(600, 180);
    } else if (szChange == u"font") {
        // The chart sizes its text itself; the face is the widget's.
        QFont font = chart->font();
        font.setBold(!font.bold());
        font.setItalic(true);
        chart->setFont(font);
    } else if (szChange == u"colours") {
        chart->SetSeriesColours({Qt::black, Qt::black, Qt::black});
    } else if (szChange == u"shown") {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    const QImage first = chart->grab().toImage();
    const QImage drawnAnew = chart->grab().toImage();
    QCOMPARE(first.size(), drawnAnew.size());
    // Translucent pixels laid over the window at once or through a picture of their own
    // round differently, by a step or three where several bands overlap.
    QVERIFY2(LargestDifference(first, drawnAnew) <= 3,
             qPrintable(
                 QStringLiteral("largest difference %1").arg(LargestDifference(first, drawnAnew))));
}

void TestReadingsChart::pictureDrawnAhead_data() {
    QTest::addColumn<QString>("szChange");
    for (const char* szChange : {"none", "value", "size", "scale", "font", "picture twice"}) {
        QTest::newRow(szChange) << szChange;
    }
}

void TestReadingsChart::pictureDrawnAhead() {
    // A picture drawn ahead is exactly the one asked for later, unless the chart or the
    // picture asked for changed in between.
    QFETCH(QString, szChange);
    ctlChart chart;
    StyleChartForPaper(chart);
    FillChartFromReadings(chart, MakeReadings(DailyLines(QDate(2017, 3, 1), 3650)));
    chart.hide();
    const QSize size(700, 300);
    qreal scale = 2.0;
    chart.PictureAhead(size, scale);
    chart.resize(size);
    if (szChange == u"value") {
        Write(chart, 1, 1, 250);
    } else if (szChange == u"size") {
        chart.resize(720, 300);
    } else if (szChange == u"scale") {
        scale = 1.5;
    } else if (szChange == u"font") {
        QFont font = chart.font();
        font.setBold(!font.bold());
        font.setItalic(true);
        chart.setFont(font);
    } else if (szChange == u"picture twice") {
        // Asked for again before it is taken: one drawing.
        chart.PictureAhead(size, scale);
    }
    const QImage first = chart.Picture(scale);
    const QImage drawnAnew = chart.Picture(scale);
    QCOMPARE(first.size(), drawnAnew.size());
    QCOMPARE(first.devicePixelRatio(), scale);
    QCOMPARE(first, drawnAnew);
}

// A chart refilled while a picture of it is being drawn ahead keeps its look (legend,
// thresholds, series colours) and draws the new readings as a chart filled with them alone does.
void TestReadingsChart::refilledWhileDrawnAhead() {
    QWidget window;
    window.resize(720, 260);
    auto* chart = new ctlChart(&window);
    StyleChartForScreen(*chart);
    chart->setGeometry(21, 33, 677, 197);
    FillChartFromReadings(*chart, MakeReadings(DailyLines(QDate(2017, 3, 1), 3650)));
    chart->PaintAhead();
    const std::shared_ptr<clsXMLTag> objOther = MakeReadings(DailyLines(QDate(2020, 1, 1), 90));
    FillChartFromReadings(*chart, objOther);

    QWidget otherWindow;
    otherWindow.resize(720, 260);
    auto* fresh = new ctlChart(&otherWindow);
    StyleChartForScreen(*fresh);
    fresh->setGeometry(21, 33, 677, 197);
    FillChartFromReadings(*fresh, objOther);
    QCOMPARE(chart->RowCount(), qint16(90));
    QCOMPARE(chart->grab().toImage(), fresh->grab().toImage());
    QCOMPARE(ReadingsChartSummary(*chart), ReadingsChartSummary(*fresh));
}

void TestReadingsChart::chartedOnTheLoadingThread_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("bOneReader");
    QTest::newRow("en, one reader") << QStringLiteral("en") << true;
    QTest::newRow("en, two readers") << QStringLiteral("en") << false;
    QTest::newRow("de, one reader") << QStringLiteral("de") << true;
}

// The start-up has the loading thread chart the diary it loaded, in the user's language, while
// the window's controls are made: what it charts is what the window's own fill charts, day for
// day, label, value, spread and count.
void TestReadingsChart::chartedOnTheLoadingThread() {
    QFETCH(QString, language);
    QFETCH(bool, bOneReader);
    QVERIFY(language == QStringLiteral("en") || InstallTranslations(QLocale(language)));
    const auto english = qScopeGuard([] { RemoveTranslations(); });
    clsXML document;
    document.objBlockTag = std::make_shared<clsXMLTag>();
    const std::shared_ptr<clsXMLTag> objReadings = CreateReadingsSkeleton(document.objBlockTag);
    const QDate dtFirst(1990, 1, 1);
    for (int i = 0; i < 9000; ++i) {
        const QString szKey = KeyOf(dtFirst.addDays(i));
        QList<Reading> readings;
        for (int j = 0; j < 1 + i % 3; ++j) {
            readings.append(Reading{QStringLiteral("0%1:00").arg(7 + j),
                                    QString::number(100 + (i + 3 * j) % 60),
                                    i % 11 == 5 ? QString() : QString::number(60 + (i + j) % 35),
                                    QString::number(55 + (i + 7 * j) % 40), QString()});
        }
        CreateDayEntry(objReadings, szKey);
        WriteDayReadings(FindDayEntry(objReadings, szKey), readings);
    }
    QTemporaryDir dir;
    const QString szFile = dir.filePath(QStringLiteral("crtlg.dat"));
    std::string bytes;
    QVERIFY(document.SaveXMLToBytes(bytes, szFile));
    QFile file(szFile);
    QVERIFY(file.open(QIODevice::WriteOnly) &&
            file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()));
    file.close();

    BackgroundDiaryLoad load(szFile);
    ReadingsGrid ahead;
    QVERIFY(load.ThenOnLoadingThread([&](const LoadedDiary& diary) {
        FillReadingsGrid(ahead, diary.objReadings, {},
                         bOneReader ? ChartReaders::kOne : ChartReaders::kTwoForLarge);
    }));
    const LoadedDiary diary = load.Take();
    QCOMPARE(diary.eOutcome, DiaryLoadOutcome::kLoaded);
    ctlChart madeAhead;
    ShowReadingsGrid(madeAhead, std::move(ahead));
    ctlChart filled;
    FillChartFromReadings(filled, diary.objReadings);
    QCOMPARE(madeAhead.RowCount(), qint16(9000));
    QCOMPARE(madeAhead.GetChartType(), ctlChart::ChartType::Line2d);
    QCOMPARE(madeAhead.isHidden(), filled.isHidden());
    QCOMPARE(madeAhead.RowCount(), filled.RowCount());
    for (qint16 iRow = 1; iRow <= filled.RowCount(); ++iRow) {
        QCOMPARE(DescribeSpreadRow(madeAhead, iRow) + u' ' + madeAhead.RowDateAt(iRow).toString(),
                 DescribeSpreadRow(filled, iRow) + u' ' + filled.RowDateAt(iRow).toString());
    }
    QCOMPARE(madeAhead.RowLabelAt(1),
             language == u"de" ? QStringLiteral("01.01.") : QStringLiteral("01/01"));
}

QTEST_MAIN(TestReadingsChart)
#include "test_widgets_chart.moc"
