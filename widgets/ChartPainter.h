#pragma once

#include "widgets/ChartData.h"
#include "widgets/ChartLayout.h"

#include <QColor>

#include <vector>

class QPainter;

// A chart's colours: background (may be translucent, to let a painted window show through),
// text and axes, grid lines, the focus frame and cursor marker, and the series.
struct ChartStyle {
    QColor background = Qt::white;
    QColor foreground = QColor(40, 40, 40);
    QColor grid = QColor(220, 220, 220);
    QColor focus = QColor(0, 120, 215);
    std::vector<QColor> colours;

    // A series' colour (1-based): the one given, else one of a fixed set.
    QColor SeriesColour(qint16 iColumn) const;
};

// Draws a chart's content with QPainter onto any paint device, where a layout puts it.
class ChartPainter {
public:
    ChartPainter(QPainter& painter, const ChartContent& content, const ChartStyle& style,
                 const ChartLayout& layout);

    // How many device pixel columns the plot covers on the painter's device.
    int DevicePixelColumns() const;
    // The whole chart into rect (the rectangle the layout was computed for); rows that are more
    // than iPixelColumns share pixel columns (dense drawing).
    void Paint(const QRectF& rect, int iPixelColumns);
    // A dashed line across the plot at the row the keyboard has reached.
    void PaintCursor(qint16 iRow);
    // A frame of 2 pixels inside area: the keyboard is here.
    void PaintFocusFrame(const QRectF& area);

private:
    void DrawAxes();
    void DrawRowLabels();
    void DrawYearMarks();
    void DrawReferenceLines();
    void DrawSeries(int iPixelColumns);
    void DrawBars();
    void DrawLines();
    void DrawDense(int iBuckets);
    void DrawEmptyText();
    void DrawLegend(const QRectF& rect);
    void DrawLegendSwatch(double x, double yMid, const QColor& colour);
    void DrawReferenceSwatch(double x, double yMid, const std::vector<ChartReferenceSlot>& lines);

    QPainter& m_painter;
    const ChartContent& m_content;
    const ChartStyle& m_style;
    const ChartLayout& m_layout;
};
