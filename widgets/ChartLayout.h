#pragma once

#include "widgets/ChartData.h"

#include <QFont>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <utility>
#include <vector>

// Round value-axis scale: lo and hi are whole multiples of step, step is 1, 2 or 5 times a power
// of ten, and [lo, hi] holds every value given.
struct ChartAxisScale {
    double lo = 0;
    double hi = 1;
    double step = 1;
};
ChartAxisScale NiceChartScale(double min, double max, int iMaxTicks);

// One row label that is drawn: its row and its box under that row.
struct ChartRowLabelSlot {
    qint16 iRow = 0;
    QRectF rect;
};

// One year mark: where a year's first row lies (a line across the plot and the year below the
// row labels), or the year of the first row at the left (bYearStart false: no line).
struct ChartYearMark {
    int iYear = 0;
    qint16 iRow = 0;
    bool bYearStart = true;
    double x = 0;
    QRectF text;
};

// A reference line that is drawn, at height y.
struct ChartReferenceSlot {
    qint16 iColumn = 0;
    double value = 0;
    double y = 0;
};

// One bar and the box of the value written above it (empty when there is no room for it).
struct ChartBarSlot {
    qint16 iRow = 0;
    qint16 iColumn = 0;
    QRectF bar;
    QRectF label;
    QString szValue;
    // The band from the lowest to the highest measurement the bar is the mean of (empty: none).
    QRectF spread;
};

// What dense drawing paints for one series: a faint band from the lowest to the highest value
// of each pixel column, and a line (broken where a column has no value) through the columns'
// means.
struct ChartDenseSeries {
    std::vector<QRectF> bands;
    std::vector<QPolygonF> meanLines;
};

// The rows (0-based, end exclusive) of pixel column b when iRows rows share iColumns columns of
// equal width: the rows whose centre lies in the column. With more rows than columns every
// column has at least one.
std::pair<int, int> ChartColumnRows(int b, int iColumns, int iRows);
// Horizontal centre of a row (1-based) of iRows in a plot; rows are evenly spaced in row order.
double ChartRowCentre(const QRectF& plot, int iRows, qint16 iRow);
// How many pixel columns a width covers at pixelRatio device pixels to the unit (at least 1).
int ChartPixelColumns(double width, qreal pixelRatio);

// Where everything goes when a chart's content is drawn into one rectangle: pure geometry,
// from the content, the base font and the rectangle alone. Text and lines grow with the
// rectangle, so a large picture looks like a small one.
struct ChartLayout {
    QFont font;
    double fontPx = 10;
    double pad = 6;
    double penWidth = 1.5;
    QRectF plot;
    ChartAxisScale scale;
    int iDecimals = 0;
    double rowLabelHeight = 0;
    double rowLabelWidth = 0;
    int iLabelStep = 1;
    // The row of year marks under the row labels (height 0: the rows lie in one year).
    double yearTop = 0;
    double yearHeight = 0;
    double right = 0;
    double left = 0;
    // False when the rectangle is too small for a plot: nothing but the background is drawn.
    bool bValid = false;

    static ChartLayout Compute(const ChartContent& content, const QFont& baseFont,
                               const QRectF& rect);

    // Height of a value in the plot.
    double ValueY(double value) const;
    // Horizontal centre of a row (1-based) of iRows in the plot.
    double RowCentre(int iRows, qint16 iRow) const { return ChartRowCentre(plot, iRows, iRow); }
    // The row (1-based) of iRows whose slot holds x, the nearest at the ends; 0 without rows.
    qint16 NearestRow(int iRows, double x) const;
    // The values of the axis' ticks, lowest first, and how each is written.
    std::vector<double> Ticks() const;
    QString TickText(double value) const;

    // The row labels drawn, thinned so that no two overlap.
    std::vector<ChartRowLabelSlot> RowLabels(const ChartContent& content) const;
    // The year marks: none unless the rows span more than one calendar year; thinned to every
    // 2nd, 5th, 10th... year so that no two texts overlap.
    std::vector<ChartYearMark> YearMarks(const ChartContent& content) const;
    // The reference lines that the value axis reaches.
    std::vector<ChartReferenceSlot> ReferenceLines(const ChartContent& content) const;
    // The bars of a bar chart.
    std::vector<ChartBarSlot> Bars(const ChartContent& content) const;
    // Line drawing: for each series, a band behind each point whose value is the mean of
    // several measurements, from the lowest to the highest of them, as dense drawing bands a
    // pixel column. Empty when no cell has a spread.
    std::vector<std::vector<QRectF>> SpreadBands(const ChartContent& content) const;
    // Where the empty sentence goes; an empty box when it is not drawn.
    QRectF EmptyTextArea(const ChartContent& content) const;
    // Dense drawing over iBuckets pixel columns: the rows of each column with their summaries,
    // and the bands and mean lines of each series. Empty when the rows are few enough to get a
    // point each (or the chart has bars).
    std::vector<ChartRowSpan> DenseSpans(const ChartContent& content, int iBuckets) const;
    std::vector<ChartDenseSeries> DenseShapes(const ChartContent& content, int iBuckets) const;

private:
    void SetSizes(const QFont& baseFont, double w, double h);
    void FitScale(const ChartContent& content, double plotHeight);
    bool PlaceYear(ChartYearMark& mark, int iRows) const;
};
