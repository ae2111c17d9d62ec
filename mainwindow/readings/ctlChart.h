#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

class QPainter;

// A chart of a grid of values: rows (days, each with a label) and columns (series), drawn as
// bars or lines with QPainter, at any size and onto any paint device.
// A cell that was not written since the column count was last set is a gap, never a zero.
class ctlChart : public QWidget {
    Q_OBJECT
public:
    enum class ChartType { Bar2d, Line2d };

    explicit ctlChart(QWidget* parent = nullptr);
    ~ctlChart() override;

    // Number of series (columns). Setting it starts a fresh grid: every cell unwritten (a gap),
    // every label empty; the row count stays.
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
    // Value of the current cell, from decimal text (text that is not a number leaves a gap).
    void SetData(const QString& szValue);
    // Value of the current cell as a number (one that is not finite leaves a gap).
    void SetDataValue(double value);
    std::optional<double> DataAt(qint16 iRow, qint16 iColumn) const;
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
    QColor SeriesColour(qint16 iColumn) const;

    // Round value-axis scale: lo and hi are whole multiples of step, step is 1, 2 or 5 times a
    // power of ten, and [lo, hi] holds every value given.
    struct AxisScale {
        double lo = 0;
        double hi = 1;
        double step = 1;
    };
    static AxisScale NiceScale(double min, double max, int iMaxTicks);
    // The scale the value axis would have now (every written cell fits in it; bars include 0).
    AxisScale ValueScale(int iMaxTicks) const;

    // Where the plot goes when the chart is drawn into rect.
    QRectF PlotArea(const QRectF& rect) const;
    // Horizontal centre of a row (1-based) in a plot area; rows are evenly spaced in row order.
    double RowCentre(const QRectF& plot, qint16 iRow) const;
    // One row label that is drawn: its row and its box under that row.
    struct RowLabelSlot {
        qint16 iRow = 0;
        QRectF rect;
    };
    // The row labels drawn when the chart is drawn into rect, thinned so that no two overlap.
    std::vector<RowLabelSlot> RowLabelLayout(const QRectF& rect) const;

    // Draws the whole chart into rect of any paint device (screen, image, printer).
    void Render(QPainter& painter, const QRectF& rect) const;
    // A picture of the chart at the given size in device-independent pixels, drawn at scale
    // (the image has size x scale pixels and a device pixel ratio of scale).
    QImage ToImage(const QSize& size, qreal scale) const;
    // Puts a picture of itself, drawn at its current size and sharp enough for paper
    // (scale times the screen resolution), on the clipboard. The image has scale times as many
    // pixels and a device pixel ratio of scale, so it still lays out at the chart's size.
    void CopyToClipboard(qreal scale = 4.0) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Layout;
    Layout ComputeLayout(const QRectF& rect) const;
    std::vector<RowLabelSlot> RowLabelSlots(const Layout& layout) const;
    void DrawAxes(QPainter& painter, const Layout& layout) const;
    void DrawSeries(QPainter& painter, const Layout& layout) const;
    void DrawBars(QPainter& painter, const Layout& layout) const;
    void DrawLines(QPainter& painter, const Layout& layout) const;
    void DrawDense(QPainter& painter, const Layout& layout, int iBuckets) const;
    static int DevicePixelColumns(const QPainter& painter, const QRectF& plot);
    static double ValueY(const Layout& layout, double value);
    void DrawLegend(QPainter& painter, const Layout& layout, const QRectF& rect) const;
    void ScheduleRepaint();
    void WriteCell(float value);
    QImage RenderImage(const QSize& size, qreal scale, const QColor& base) const;

    struct Impl;
    std::unique_ptr<Impl> d;
};
