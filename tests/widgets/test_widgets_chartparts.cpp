// The chart's parts on their own, without a widget: the grid, the geometry and the keys.
#include "widgets/ChartData.h"
#include "widgets/ChartKeyboard.h"
#include "widgets/ChartLayout.h"

#include <QDate>
#include <QFont>
#include <QFontMetricsF>
#include <QTest>

#include <cmath>

namespace {

// A content of three series over iRows days from first, every day labelled like the diary's
// rows; bars or lines, with or without a legend and the two thresholds.
ChartContent MakeContent(int iRows, bool bBars, bool bLegend, const QDate& first = {2017, 11, 3}) {
    ChartContent content;
    content.type = bBars ? ChartKind::Bar2d : ChartKind::Line2d;
    content.grid.SetRowCount(qint16(iRows));
    content.grid.SetColumnCount(3);
    for (int i = 1; i <= iRows; ++i) {
        const qint16 iRow = qint16(i);
        const QDate day = first.addDays(iRow - 1);
        content.grid.SetLabel(iRow, day.toString(QStringLiteral("dd/MM")));
        content.grid.SetDate(iRow, day);
        const double swing = 20 * std::sin(iRow / 30.0);
        content.grid.SetValue(iRow, 1, 130 + swing);
        content.grid.SetValue(iRow, 2, iRow % 9 == 4 ? std::nan("") : 80 + swing / 2);
        content.grid.SetValue(iRow, 3, 65 + iRow % 13);
    }
    if (bLegend) {
        content.columnLabels = {QStringLiteral("Systolic"), QStringLiteral("Diastolic"),
                                QStringLiteral("Pulse")};
        content.referenceLines = {{1, 135}, {2, 85}};
        content.szReferenceName = QStringLiteral("135/85 home threshold");
    }
    content.szEmptyText = QStringLiteral("Nothing to chart yet.");
    return content;
}

bool Inside(const QRectF& outer, const QRectF& inner) {
    const double e = 1e-6;
    return inner.left() >= outer.left() - e && inner.right() <= outer.right() + e &&
           inner.top() >= outer.top() - e && inner.bottom() <= outer.bottom() + e;
}

} // namespace

class TestChartParts : public QObject {
    Q_OBJECT
private slots:
    void layoutStaysInside_data();
    void layoutStaysInside();
    void pixelColumnsShareRowsOut_data();
    void pixelColumnsShareRowsOut();
    void nearestRowFindsEveryRow_data();
    void nearestRowFindsEveryRow();
    void keys_data();
    void keys();
    void gridIgnoresCellsOutside();
};

void TestChartParts::layoutStaysInside_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<QRectF>("rect");
    QTest::addColumn<bool>("bars");
    QTest::addColumn<bool>("legend");

    const QRectF rects[] = {QRectF(0, 0, 677, 197), QRectF(0, 0, 1600, 680),
                            QRectF(20, 35, 300, 120), QRectF(0, 0, 160, 90)};
    for (const QRectF& rect : rects) {
        for (const int rows : {0, 1, 2, 7, 90, 400, 3650, 32767}) {
            for (const bool legend : {false, true}) {
                QTest::addRow("%d rows at %gx%g%s", rows, rect.width(), rect.height(),
                              legend ? " with legend" : "")
                    << rows << rect << (rows == 1) << legend;
            }
        }
    }
    QTest::newRow("bars of a week") << 7 << QRectF(0, 0, 677, 197) << true << true;
}

void TestChartParts::layoutStaysInside() {
    QFETCH(int, rows);
    QFETCH(QRectF, rect);
    QFETCH(bool, bars);
    QFETCH(bool, legend);
    const ChartContent content = MakeContent(rows, bars, legend);
    const ChartLayout layout = ChartLayout::Compute(content, QFont(), rect);
    QVERIFY(layout.bValid);

    // The plot, with its tick texts left of it and room for the legend above it.
    QVERIFY(Inside(rect, layout.plot));
    const QFontMetricsF fm(layout.font);
    for (const double tick : layout.Ticks()) {
        QVERIFY(fm.horizontalAdvance(layout.TickText(tick)) <= layout.plot.left() - rect.left());
    }
    QVERIFY(layout.plot.top() - rect.top() >= (legend ? fm.height() : 0));
    // Every value on the axis.
    const auto [min, max] = content.grid.ValueRange(bars);
    QVERIFY(layout.scale.lo <= min && max <= layout.scale.hi);

    // Row labels under the plot, apart from each other; year marks under them, apart too.
    const std::vector<ChartRowLabelSlot> labels = layout.RowLabels(content);
    QCOMPARE(labels.empty(), rows == 0);
    for (size_t i = 0; i < labels.size(); ++i) {
        QVERIFY(Inside(rect, labels[i].rect));
        QVERIFY(labels[i].rect.top() >= layout.plot.bottom());
        QVERIFY(i == 0 || labels[i - 1].rect.right() <= labels[i].rect.left());
    }
    const std::vector<ChartYearMark> marks = layout.YearMarks(content);
    QCOMPARE(marks.empty(), rows < 60); // the rows begin on 3 November
    for (size_t i = 0; i < marks.size(); ++i) {
        QVERIFY(Inside(rect, marks[i].text));
        QVERIFY(labels.empty() || marks[i].text.top() >= labels.front().rect.bottom() - 1e-6);
        QVERIFY(i == 0 || marks[i - 1].text.right() <= marks[i].text.left());
    }

    // Bars and their values, reference lines and the empty sentence inside the plot.
    const std::vector<ChartBarSlot> barSlots = layout.Bars(content);
    QCOMPARE(barSlots.empty(), !bars);
    for (const ChartBarSlot& slot : barSlots) {
        QVERIFY(Inside(layout.plot, slot.bar));
        QVERIFY(slot.label.isEmpty() || Inside(layout.plot, slot.label));
    }
    for (const ChartReferenceSlot& slot : layout.ReferenceLines(content)) {
        QVERIFY(slot.y >= layout.plot.top() - 1e-6 && slot.y <= layout.plot.bottom() + 1e-6);
    }
    QCOMPARE(layout.EmptyTextArea(content).isEmpty(), rows > 0);
    QVERIFY(rows > 0 || Inside(layout.plot, layout.EmptyTextArea(content)));
}

void TestChartParts::pixelColumnsShareRowsOut_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    QTest::newRow("a few more rows") << 11 << 10;
    QTest::newRow("twice as many") << 1200 << 600;
    QTest::newRow("ten years on the main window") << 3650 << 592;
    QTest::newRow("the largest diary at 2x") << 32767 << 3017;
    QTest::newRow("one column") << 500 << 1;
    QTest::newRow("rows and columns alike") << 640 << 640;
}

void TestChartParts::pixelColumnsShareRowsOut() {
    QFETCH(int, rows);
    QFETCH(int, columns);
    // Every row in exactly one column, in order, each column at least one row, and each row in
    // the column under its centre.
    int iNext = 0;
    for (int b = 0; b < columns; ++b) {
        const auto [iBegin, iEnd] = ChartColumnRows(b, columns, rows);
        QCOMPARE(iBegin, iNext);
        QVERIFY2(iEnd > iBegin, qPrintable(QStringLiteral("column %1").arg(b)));
        for (const int iRow : {iBegin, iEnd - 1}) {
            const double centre = (iRow + 0.5) / rows * columns;
            QVERIFY(centre >= b - 1e-9 && centre <= b + 1 + 1e-9);
        }
        iNext = iEnd;
    }
    QCOMPARE(iNext, rows);

    // Dense drawing takes over exactly when the rows are more than the columns.
    ChartContent content = MakeContent(rows, false, false);
    const ChartLayout layout = ChartLayout::Compute(content, QFont(), QRectF(0, 0, 700, 200));
    const std::vector<ChartRowSpan> spans = layout.DenseSpans(content, columns);
    QCOMPARE(int(spans.size()), rows > columns ? columns : 0);
    if (!spans.empty()) {
        QCOMPARE(int(spans.front().iFirstRow), 1);
        QCOMPARE(int(spans.back().iLastRow), rows);
    }
}

void TestChartParts::nearestRowFindsEveryRow_data() {
    QTest::addColumn<int>("rows");
    for (const int rows : {1, 2, 7, 365, 3650}) {
        QTest::addRow("%d rows", rows) << rows;
    }
}

void TestChartParts::nearestRowFindsEveryRow() {
    QFETCH(int, rows);
    ChartLayout layout;
    layout.plot = QRectF(42.5, 10, 613.25, 150);
    for (int iRow = 1; iRow <= rows; ++iRow) {
        const double x = layout.RowCentre(rows, qint16(iRow));
        QVERIFY(x > layout.plot.left() && x < layout.plot.right());
        QCOMPARE(int(layout.NearestRow(rows, x)), iRow);
    }
    // Beside the plot: the row at that end.
    QCOMPARE(int(layout.NearestRow(rows, 0)), 1);
    QCOMPARE(int(layout.NearestRow(rows, 5000)), rows);
    QCOMPARE(int(layout.NearestRow(0, 100)), 0);
}

void TestChartParts::keys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<int>("rows");
    QTest::addColumn<double>("plotWidth"); // 0: not known
    QTest::addColumn<int>("target");       // -1: left to the window

    QTest::newRow("left from no row: the latest") << int(Qt::Key_Left) << 0 << 30 << 600.0 << 30;
    QTest::newRow("right from no row: the latest") << int(Qt::Key_Right) << 0 << 30 << 600.0 << 30;
    QTest::newRow("page up from no row: the latest")
        << int(Qt::Key_PageUp) << 0 << 30 << 600.0 << 30;
    QTest::newRow("home from no row") << int(Qt::Key_Home) << 0 << 30 << 600.0 << 1;
    QTest::newRow("left") << int(Qt::Key_Left) << 12 << 30 << 600.0 << 11;
    QTest::newRow("left at the first row") << int(Qt::Key_Left) << 1 << 30 << 600.0 << 1;
    QTest::newRow("right at the last row") << int(Qt::Key_Right) << 30 << 30 << 600.0 << 30;
    QTest::newRow("page up: a week") << int(Qt::Key_PageUp) << 12 << 30 << 600.0 << 5;
    QTest::newRow("page up near the start") << int(Qt::Key_PageUp) << 3 << 30 << 600.0 << 1;
    QTest::newRow("page down near the end") << int(Qt::Key_PageDown) << 27 << 30 << 600.0 << 30;
    QTest::newRow("end") << int(Qt::Key_End) << 4 << 30 << 600.0 << 30;
    QTest::newRow("escape leaves the rows") << int(Qt::Key_Escape) << 4 << 30 << 600.0 << 0;
    QTest::newRow("escape with no row: the window's")
        << int(Qt::Key_Escape) << 0 << 30 << 600.0 << -1;
    QTest::newRow("tab: the window's") << int(Qt::Key_Tab) << 4 << 30 << 600.0 << -1;
    QTest::newRow("no rows: the window's") << int(Qt::Key_Left) << 0 << 0 << 600.0 << -1;
    QTest::newRow("page down, largest diary: a pixel column's rows")
        << int(Qt::Key_PageDown) << 100 << 32767 << 600.0 << 155;
    QTest::newRow("page up, plot not known: a week")
        << int(Qt::Key_PageUp) << 100 << 32767 << 0.0 << 93;
    QTest::newRow("largest diary, end") << int(Qt::Key_End) << 0 << 32767 << 600.0 << 32767;
}

void TestChartParts::keys() {
    QFETCH(int, key);
    QFETCH(int, cursor);
    QFETCH(int, rows);
    QFETCH(double, plotWidth);
    QFETCH(int, target);
    // A page is a week, or the rows one pixel column holds where they are more.
    const int iPage = ChartPageRows(qint16(rows), plotWidth);
    const std::optional<qint16> to = ChartKeyTarget(key, qint16(cursor), qint16(rows), iPage);
    QCOMPARE(to ? int(*to) : -1, target);
}

void TestChartParts::gridIgnoresCellsOutside() {
    ChartData grid;
    grid.SetRowCount(3);
    grid.SetColumnCount(2);
    const std::pair<int, int> outside[] = {{0, 1}, {4, 1}, {1, 0}, {1, 3}, {-1, -1}};
    for (const auto& [iRow, iColumn] : outside) {
        grid.SetValue(qint16(iRow), qint16(iColumn), 5);
        QVERIFY(!grid.ValueAt(qint16(iRow), qint16(iColumn)));
    }
    grid.SetLabel(4, QStringLiteral("x"));
    grid.SetDate(0, QDate(2026, 1, 1));
    for (qint16 iRow = 1; iRow <= 3; ++iRow) {
        QVERIFY(grid.LabelAt(iRow).isEmpty());
        QVERIFY(!grid.DateAt(iRow).isValid());
        QVERIFY(!grid.ValueAt(iRow, 1) && !grid.ValueAt(iRow, 2));
    }
    // The known days at both ends, past rows whose day is not known.
    QCOMPARE(grid.DateRange(), std::make_pair(QDate(), QDate()));
    grid.SetDate(2, QDate(2025, 12, 31));
    grid.SetDate(3, QDate(2026, 1, 1));
    QCOMPARE(grid.DateRange(), std::make_pair(QDate(2025, 12, 31), QDate(2026, 1, 1)));
    grid.SetText(3, 2, QStringLiteral(" 81.5 "));
    QCOMPARE(grid.ValueAt(3, 2), std::optional<double>(81.5));
    QCOMPARE(grid.ValueRange(true), std::make_pair(0.0, 81.5));
}

QTEST_MAIN(TestChartParts)
#include "test_widgets_chartparts.moc"
