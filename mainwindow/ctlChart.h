#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QWidget>

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
    // Current row and column (1-based), the cell the next value goes to.
    void SetRow(qint16 iRow);
    qint16 Row() const;
    void SetColumn(qint16 iColumn);
    qint16 Column() const;
    // Label of the current row.
    void SetRowLabel(const QString& szLabel);
    QString RowLabelAt(qint16 iRow) const;
    // Value of the current cell, from decimal text (text that is not a number leaves a gap).
    void SetData(const QString& szValue);
    std::optional<double> DataAt(qint16 iRow, qint16 iColumn) const;
    // How the grid is drawn.
    void SetChartType(ChartType type);
    ChartType GetChartType() const;

    // Names and colours of the series, shown in the legend.
    void SetColumnLabels(const QStringList& labels);
    QStringList ColumnLabels() const;
    void SetSeriesColours(const std::vector<QColor>& colours);
    // Colours for the background, axes and text.
    void SetPalette(const QColor& background, const QColor& foreground, const QColor& grid);

    // Draws the whole chart into rect of any paint device (screen, image, printer).
    void Render(QPainter& painter, const QRectF& rect) const;
    // A picture of the chart at the given size in device-independent pixels, drawn at scale.
    QImage ToImage(const QSize& size, qreal scale) const;
    // Puts a picture of itself, drawn at its current size and sharp enough for paper
    // (scale times the screen resolution), on the clipboard.
    void CopyToClipboard(qreal scale = 4.0) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Impl;
    Impl* d;
};
