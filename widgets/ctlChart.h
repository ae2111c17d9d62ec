#pragma once

#include "widgets/ChartData.h"
#include "widgets/ChartLayout.h"

#include <QColor>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QPainter;

// A chart of a grid of values: rows (days, each with a label and a calendar day) and columns
// (series), drawn as bars or lines with QPainter, at any size and onto any paint device.
// A cell that was not written since the column count was last set is a gap, never a zero.
// On screen it takes the keyboard focus; the arrow keys walk the rows, and a tooltip and the
// accessible description say in words what the row (or the pointer's column) holds.
// The control joins the parts: the grid (ChartData), where things go (ChartLayout), the
// drawing (ChartPainter), the keys (ChartKeyboard) and the accessible face (ChartAccessible).
class ctlChart : public QWidget {
    Q_OBJECT
public:
    using ChartType = ChartKind;

    explicit ctlChart(QWidget* parent = nullptr);
    ~ctlChart() override;

    // Number of series (columns). Setting it starts a fresh grid: every cell unwritten (a gap),
    // every label and day empty, no row chosen by the keyboard; the row count stays.
    void SetColumnCount(qint16 iCount);
    qint16 ColumnCount() const;
    // Number of rows; changing it keeps the cells and labels of rows that still exist.
    void SetRowCount(qint16 iCount);
    qint16 RowCount() const;
    // Current row and column (1-based), the cell the next value goes to. Labels and values
    // written while the current cell lies outside the grid go nowhere.
    void SetRow(qint16 iRow);
    qint16 Row() const;
    void SetColumn(qint16 iColumn);
    qint16 Column() const;
    // Label of the current row.
    void SetRowLabel(const QString& szLabel);
    QString RowLabelAt(qint16 iRow) const;
    // Calendar day of the current row (invalid: not known); it places the year marks and names
    // the row in words.
    void SetRowDate(const QDate& dt);
    QDate RowDateAt(qint16 iRow) const;
    // Value of the current cell, from decimal text (text that is not a number leaves a gap).
    void SetData(const QString& szValue);
    // Value of the current cell as a number (one that is not finite leaves a gap).
    void SetDataValue(double value);
    std::optional<double> DataAt(qint16 iRow, qint16 iColumn) const;
    // The current cell's value is the mean of several measurements, from low to high: drawn as
    // a faint band behind its point, as dense drawing draws a pixel column's values.
    void SetDataSpread(double low, double high);
    std::optional<std::pair<double, double>> SpreadAt(qint16 iRow, qint16 iColumn) const;
    // How many measurements the current row's values stand for (1 unless set).
    void SetRowSamples(int iSamples);
    int RowSamplesAt(qint16 iRow) const;
    // The whole grid at once, as a fill made it (elsewhere, or on another thread): no row chosen
    // by the keyboard, the current cell the first.
    void SetGrid(ChartData grid);
    // Hands the grid over, to be refilled in place and set again (its memory kept); the chart
    // holds an empty grid meanwhile.
    ChartData TakeGrid();
    // How the grid is drawn.
    void SetChartType(ChartType type);
    ChartType GetChartType() const;

    // Names and colours of the series, shown in the legend.
    void SetColumnLabels(const QStringList& labels);
    QStringList ColumnLabels() const;
    void SetSeriesColours(const std::vector<QColor>& colours);
    // Colours for the background (may be translucent, to let a painted window show through),
    // axes and text, and the grid lines.
    void SetPalette(const QColor& background, const QColor& foreground, const QColor& grid);
    QColor BackgroundColour() const;
    QColor TextColour() const;
    QColor SeriesColour(qint16 iColumn) const;
    // Colour of the focus frame and of the marker of the row the keyboard has reached.
    void SetFocusColour(const QColor& colour);

    // A thin dashed line across the plot at a value, in its series' colour.
    using ReferenceLine = ChartReferenceLine;
    // Reference lines and the one legend name they share. A line is drawn only where the value
    // axis reaches its value; it never widens the axis.
    void SetReferenceLines(const std::vector<ReferenceLine>& lines, const QString& szLegendName);
    // The sentence drawn inside the axes while the chart has no rows.
    void SetEmptyText(const QString& szText);
    // A widget of the window (a label) that is shown exactly while the chart itself is hidden.
    void SetEmptyStateWidget(QWidget* widget);

    // What a span of rows holds, per series: how many values, the lowest, highest and mean.
    using SeriesSummary = ChartSeriesSummary;
    // A span of rows (first to last, 1-based): one row, or the rows that share a pixel column
    // in dense drawing. No rows: first and last 0.
    using RowSpan = ChartRowSpan;
    RowSpan SummariseRows(qint16 iFirstRow, qint16 iLastRow) const;

    // The chart in words: a span of rows, and the whole chart (also when hidden or empty).
    struct Describer {
        std::function<QString(const ctlChart&, const RowSpan&)> span;
        std::function<QString(const ctlChart&)> summary;
    };
    void SetDescriber(Describer describer);
    // The tooltip's text for a point of the widget: the nearest row, or in dense drawing the
    // rows of the pixel column under it; empty away from the plot or without rows.
    QString ToolTipAt(const QPointF& pos) const;
    // The row the arrow keys have reached (0: none).
    qint16 CursorRow() const;
    void SetCursorRow(qint16 iRow);
    // What the accessible description says: the reached row while there is one and the chart
    // has the focus, else the summary of the whole chart.
    QString Description() const;

    // Round value-axis scale: lo and hi are whole multiples of step, step is 1, 2 or 5 times a
    // power of ten, and [lo, hi] holds every value given.
    using AxisScale = ChartAxisScale;
    static AxisScale NiceScale(double min, double max, int iMaxTicks);
    // The scale the value axis would have now (every written cell fits in it; bars include 0).
    AxisScale ValueScale(int iMaxTicks) const;
    // The value axis when the chart is drawn into rect: as ValueScale, and for bars with room
    // above the tallest bar for its value.
    AxisScale ValueAxis(const QRectF& rect) const;

    // Where the plot goes when the chart is drawn into rect.
    QRectF PlotArea(const QRectF& rect) const;
    // Horizontal centre of a row (1-based) in a plot area; rows are evenly spaced in row order.
    double RowCentre(const QRectF& plot, qint16 iRow) const;
    // One row label that is drawn: its row and its box under that row.
    using RowLabelSlot = ChartRowLabelSlot;
    // The row labels drawn when the chart is drawn into rect, thinned so that no two overlap.
    std::vector<RowLabelSlot> RowLabelLayout(const QRectF& rect) const;
    // One year mark: where a year's first row lies (a line across the plot and the year below
    // the row labels), or the year of the first row at the left (bYearStart false: no line).
    using YearMark = ChartYearMark;
    // The year marks drawn into rect: none unless the rows span more than one calendar year;
    // thinned to every 2nd, 5th, 10th... year so that no two texts overlap.
    std::vector<YearMark> YearMarkLayout(const QRectF& rect) const;
    // A reference line that is drawn, at height y.
    using ReferenceSlot = ChartReferenceSlot;
    std::vector<ReferenceSlot> ReferenceLineLayout(const QRectF& rect) const;
    // One bar and the box of the value written above it (empty when there is no room for it).
    using BarSlot = ChartBarSlot;
    // The bars drawn into rect (a bar chart only).
    std::vector<BarSlot> BarLayout(const QRectF& rect) const;
    // Where the empty sentence is drawn into rect; an empty box when it is not drawn.
    QRectF EmptyTextArea(const QRectF& rect) const;
    // Dense drawing, used when more rows than device pixel columns cross the plot: the rows of
    // each pixel column with their summaries, at pixelRatio device pixels to the unit. Empty
    // when the rows are few enough to get a point each (or the chart has bars).
    std::vector<RowSpan> DenseColumns(const QRectF& rect, qreal pixelRatio = 1) const;
    // What dense drawing paints for one series: a faint band from the lowest to the highest
    // value of each pixel column, and a line (broken where a column has no value) through
    // the columns' means.
    using DenseSeries = ChartDenseSeries;
    std::vector<DenseSeries> DenseLayout(const QRectF& rect, qreal pixelRatio = 1) const;

    // Draws the whole chart into rect of any paint device (screen, image, printer).
    void Render(QPainter& painter, const QRectF& rect) const;
    // While its window is still being built (the chart not yet visible): draws the chart for
    // its first paint on a thread of its own, so that the window's other controls are painted
    // meanwhile. The first paint copies that picture, unless the chart, its size, its font or
    // its screen changed since; then it draws anew. Nothing happens once the chart is visible.
    void PaintAhead();
    // A picture of the chart at the given size in device-independent pixels, drawn at scale
    // (the image has size x scale pixels and a device pixel ratio of scale).
    QImage ToImage(const QSize& size, qreal scale) const;
    // A picture of itself at its current size on white (no window behind it), drawn at scale
    // times the screen resolution: what CopyToClipboard puts on the clipboard.
    QImage Picture(qreal scale) const;
    // Starts drawing the picture Picture(scale) gives once the chart has that size, on a thread
    // of its own: Picture then takes it, unless the chart changed meanwhile.
    void PictureAhead(const QSize& size, qreal scale);
    // Puts a picture of itself, drawn at its current size and sharp enough for paper
    // (scale times the screen resolution), on the clipboard. The image has scale times as many
    // pixels and a device pixel ratio of scale, so it still lays out at the chart's size.
    void CopyToClipboard(qreal scale = 4.0) const;

    QSize sizeHint() const override;
    // Shows or hides the chart, and the empty-state widget the other way round.
    void setVisible(bool bVisible) override;

signals:
    // The chart was shown or hidden.
    void ShownChanged(bool bShown);
    // What the accessible description says has changed (once per fill; assistive technology
    // hears of it through an accessibility event at the same time).
    void DescriptionChanged();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Where things go when the chart is drawn into rect, with the widget's font.
    ChartLayout LayoutFor(const QRectF& rect) const;
    RowSpan SpanAt(const QPointF& pos) const;
    QString SpanText(const RowSpan& span) const;
    void MoveCursor(qint16 iRow);
    void NotifyDescriptionChanged();
    void ScheduleRepaint();
    // Draws a picture of the chart as it is now on another thread; TakeAhead gives it back if
    // it is asked for with the same size, scale and base and the chart has not changed since.
    // A later call replaces an earlier picture.
    void DrawAhead(const QSize& size, qreal scale, const QColor& base) const;
    QImage TakeAhead(const QSize& size, qreal scale, const QColor& base) const;
    QImage RenderImage(const QSize& size, qreal scale, const QColor& base) const;

    struct Impl;
    std::unique_ptr<Impl> d;
};
