#include "mainwindow/readings/ctlChart.h"

#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr float kGap = std::numeric_limits<float>::quiet_NaN();

// A number as a cell holds it; one that is not finite, or too large, is a gap.
float CellValue(double value) {
    if (!std::isfinite(value) || std::abs(value) > std::numeric_limits<float>::max()) {
        return kGap;
    }
    return static_cast<float>(value);
}

// Colours of series that were given none.
const QColor kDefaultSeriesColours[] = {QColor(0, 150, 170), QColor(70, 70, 200),
                                        QColor(200, 150, 0), QColor(200, 60, 60),
                                        QColor(60, 160, 60)};

// Reads decimal text as a number; text that is not a finite number gives a gap.
float ParseCell(const QString& szValue) {
    bool bOk = false;
    const double value = QLocale::c().toDouble(QStringView(szValue).trimmed(), &bOk);
    return bOk ? CellValue(value) : kGap;
}

QString FormatNumber(double value, int iDecimals) {
    return QString::number(value, 'f', iDecimals);
}

} // namespace

struct ctlChart::Impl {
    qint16 iColumns = 0;
    qint16 iRows = 0;
    qint16 iRow = 1;
    qint16 iColumn = 1;
    // One vector per column, iRows long; NaN marks a cell that was not written.
    std::vector<std::vector<float>> cells;
    std::vector<QString> labels;
    ChartType type = ChartType::Line2d;
    QStringList columnLabels;
    std::vector<QColor> colours;
    QColor background = Qt::white;
    QColor foreground = QColor(40, 40, 40);
    QColor grid = QColor(220, 220, 220);
    bool bRepaintPending = false;

    bool CurrentCellExists() const {
        return iRow >= 1 && iRow <= iRows && iColumn >= 1 && iColumn <= iColumns;
    }
};

// Everything the drawing needs to know about where things go for one target rectangle.
struct ctlChart::Layout {
    QFont font;
    double fontPx = 10;
    double pad = 6;
    double penWidth = 1.5;
    QRectF plot;
    AxisScale scale;
    int iDecimals = 0;
    double rowLabelWidth = 0;
    double rowLabelHeight = 0;
    int iLabelStep = 1;
    bool bValid = false;
};

ctlChart::ctlChart(QWidget* parent) : QWidget(parent), d(std::make_unique<Impl>()) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

ctlChart::~ctlChart() = default;

void ctlChart::SetColumnCount(qint16 iCount) {
    d->iColumns = std::max<qint16>(0, iCount);
    // Refilled in place: a chart that is rebuilt often keeps its memory.
    d->cells.resize(static_cast<size_t>(d->iColumns));
    for (std::vector<float>& column : d->cells) {
        column.assign(static_cast<size_t>(d->iRows), kGap);
    }
    for (QString& label : d->labels) {
        label.clear();
    }
    d->labels.resize(static_cast<size_t>(d->iRows));
    ScheduleRepaint();
}

qint16 ctlChart::ColumnCount() const {
    return d->iColumns;
}

void ctlChart::SetRowCount(qint16 iCount) {
    d->iRows = std::max<qint16>(0, iCount);
    for (std::vector<float>& column : d->cells) {
        column.resize(static_cast<size_t>(d->iRows), kGap);
    }
    d->labels.resize(static_cast<size_t>(d->iRows));
    ScheduleRepaint();
}

qint16 ctlChart::RowCount() const {
    return d->iRows;
}

void ctlChart::SetRow(qint16 iRow) {
    d->iRow = iRow;
}

qint16 ctlChart::Row() const {
    return d->iRow;
}

void ctlChart::SetColumn(qint16 iColumn) {
    d->iColumn = iColumn;
}

qint16 ctlChart::Column() const {
    return d->iColumn;
}

void ctlChart::SetRowLabel(const QString& szLabel) {
    if (d->iRow >= 1 && d->iRow <= d->iRows) {
        d->labels[static_cast<size_t>(d->iRow - 1)] = szLabel;
        ScheduleRepaint();
    }
}

QString ctlChart::RowLabelAt(qint16 iRow) const {
    if (iRow < 1 || iRow > d->iRows) {
        return QString();
    }
    return d->labels[static_cast<size_t>(iRow - 1)];
}

void ctlChart::SetData(const QString& szValue) {
    if (d->CurrentCellExists()) {
        WriteCell(ParseCell(szValue));
    }
}

void ctlChart::SetDataValue(double value) {
    if (d->CurrentCellExists()) {
        WriteCell(CellValue(value));
    }
}

void ctlChart::WriteCell(float value) {
    d->cells[static_cast<size_t>(d->iColumn - 1)][static_cast<size_t>(d->iRow - 1)] = value;
    ScheduleRepaint();
}

std::optional<double> ctlChart::DataAt(qint16 iRow, qint16 iColumn) const {
    if (iRow < 1 || iRow > d->iRows || iColumn < 1 || iColumn > d->iColumns) {
        return std::nullopt;
    }
    const float value = d->cells[static_cast<size_t>(iColumn - 1)][static_cast<size_t>(iRow - 1)];
    if (std::isnan(value)) {
        return std::nullopt;
    }
    return static_cast<double>(value);
}

void ctlChart::SetChartType(ChartType type) {
    d->type = type;
    ScheduleRepaint();
}

ctlChart::ChartType ctlChart::GetChartType() const {
    return d->type;
}

void ctlChart::SetColumnLabels(const QStringList& labels) {
    d->columnLabels = labels;
    ScheduleRepaint();
}

QStringList ctlChart::ColumnLabels() const {
    return d->columnLabels;
}

void ctlChart::SetSeriesColours(const std::vector<QColor>& colours) {
    d->colours = colours;
    ScheduleRepaint();
}

void ctlChart::SetPalette(const QColor& background, const QColor& foreground, const QColor& grid) {
    d->background = background;
    d->foreground = foreground;
    d->grid = grid;
    ScheduleRepaint();
}

QColor ctlChart::BackgroundColour() const {
    return d->background;
}

QColor ctlChart::SeriesColour(qint16 iColumn) const {
    if (iColumn >= 1 && static_cast<size_t>(iColumn) <= d->colours.size()) {
        return d->colours[static_cast<size_t>(iColumn - 1)];
    }
    const size_t iCount = std::size(kDefaultSeriesColours);
    return kDefaultSeriesColours[static_cast<size_t>(std::max(0, iColumn - 1)) % iCount];
}

ctlChart::AxisScale ctlChart::NiceScale(double min, double max, int iMaxTicks) {
    if (!std::isfinite(min) || !std::isfinite(max)) {
        return AxisScale{};
    }
    if (min > max) {
        std::swap(min, max);
    }
    if (min == max) {
        // A flat series still gets a band around it rather than a zero-height axis.
        const double margin = min == 0 ? 1.0 : std::abs(min) * 0.05;
        min -= min == 0 ? 0 : margin;
        max += margin;
    }
    iMaxTicks = std::max(2, iMaxTicks);
    const double rawStep = (max - min) / (iMaxTicks - 1);
    double magnitude = std::pow(10.0, std::floor(std::log10(rawStep)));
    static constexpr double kMultipliers[] = {1, 2, 5};
    int iMultiplier = 0;
    while (kMultipliers[iMultiplier] * magnitude < rawStep * (1 - 1e-9)) {
        if (++iMultiplier == 3) {
            iMultiplier = 0;
            magnitude *= 10;
        }
    }
    // Rounding the ends outward can add an interval or two: take a larger step until it fits.
    for (;;) {
        const double step = kMultipliers[iMultiplier] * magnitude;
        AxisScale scale;
        scale.step = step;
        scale.lo = std::floor(min / step + 1e-9) * step;
        scale.hi = std::ceil(max / step - 1e-9) * step;
        if (scale.hi <= scale.lo) {
            scale.hi = scale.lo + step;
        }
        const double intervals = std::round((scale.hi - scale.lo) / step);
        if (intervals + 1 <= iMaxTicks) {
            return scale;
        }
        if (++iMultiplier == 3) {
            iMultiplier = 0;
            magnitude *= 10;
        }
    }
}

ctlChart::AxisScale ctlChart::ValueScale(int iMaxTicks) const {
    double min = std::numeric_limits<double>::infinity();
    double max = -std::numeric_limits<double>::infinity();
    for (const std::vector<float>& column : d->cells) {
        for (const float value : column) {
            if (!std::isnan(value)) {
                min = std::min(min, static_cast<double>(value));
                max = std::max(max, static_cast<double>(value));
            }
        }
    }
    if (min > max) {
        // Nothing written: an empty axis of a sensible height.
        min = 0;
        max = 100;
    }
    if (d->type == ChartType::Bar2d) {
        min = std::min(min, 0.0);
        max = std::max(max, 0.0);
    }
    return NiceScale(min, max, iMaxTicks);
}

ctlChart::Layout ctlChart::ComputeLayout(const QRectF& rect) const {
    Layout layout;
    const double w = rect.width();
    const double h = rect.height();
    if (!(w > 0) || !(h > 0)) {
        return layout;
    }
    // Text and lines grow with the picture, so a large rendering looks like a small one.
    layout.fontPx = std::max(7.0, std::min(w / 62.0, h / 18.0));
    layout.pad = layout.fontPx * 0.6;
    layout.penWidth = std::max(1.0, layout.fontPx / 6.5);
    layout.font = font();
    layout.font.setPixelSize(std::max(1, static_cast<int>(std::lround(layout.fontPx))));
    const QFontMetricsF fm(layout.font);

    const bool bLegend = std::any_of(d->columnLabels.cbegin(), d->columnLabels.cend(),
                                     [](const QString& s) { return !s.isEmpty(); });
    const double legendHeight = bLegend ? fm.height() * 1.5 : layout.pad;
    layout.rowLabelHeight = fm.height() * 1.3;

    const double plotTop = rect.top() + legendHeight;
    const double plotBottom = rect.bottom() - layout.pad * 0.4 - layout.rowLabelHeight;
    const double plotHeight = plotBottom - plotTop;
    layout.scale = ValueScale(std::max(2, static_cast<int>(plotHeight / (fm.height() * 1.6))));
    layout.iDecimals = layout.scale.step >= 1
                           ? 0
                           : static_cast<int>(std::ceil(-std::log10(layout.scale.step) - 1e-9));

    double axisLabelWidth = 0;
    for (double v = layout.scale.lo; v <= layout.scale.hi + layout.scale.step * 0.5;
         v += layout.scale.step) {
        axisLabelWidth = std::max(
            axisLabelWidth, fm.horizontalAdvance(FormatNumber(
                                std::abs(v) < layout.scale.step * 1e-9 ? 0 : v, layout.iDecimals)));
    }

    // Width of a row label: the longest one, measured once, and never narrower than as many
    // digits (drawn labels that are wider still are elided to this width).
    qsizetype iLongest = 0;
    const QString* szLongest = nullptr;
    for (const QString& label : d->labels) {
        if (label.size() > iLongest) {
            iLongest = label.size();
            szLongest = &label;
        }
    }
    if (szLongest) {
        layout.rowLabelWidth = std::ceil(std::max(fm.horizontalAdvance(*szLongest),
                                                  fm.horizontalAdvance(QString(iLongest, u'0'))));
    }

    const double left = rect.left() + std::max(layout.pad * 1.8 + axisLabelWidth,
                                               layout.pad + layout.rowLabelWidth / 2);
    const double right = rect.right() - std::max(layout.pad, layout.rowLabelWidth / 2 + 1);
    layout.plot = QRectF(QPointF(left, plotTop), QPointF(right, plotBottom));
    if (layout.plot.width() < 1 || layout.plot.height() < 1) {
        return layout;
    }

    if (d->iRows > 0 && layout.rowLabelWidth > 0) {
        const double spacing = layout.plot.width() / d->iRows;
        const double needed = layout.rowLabelWidth + layout.fontPx * 0.8;
        layout.iLabelStep = std::max(1, static_cast<int>(std::ceil(needed / spacing)));
    }
    layout.bValid = true;
    return layout;
}

QRectF ctlChart::PlotArea(const QRectF& rect) const {
    return ComputeLayout(rect).plot;
}

double ctlChart::RowCentre(const QRectF& plot, qint16 iRow) const {
    if (d->iRows <= 0) {
        return plot.center().x();
    }
    return plot.left() + (iRow - 0.5) * plot.width() / d->iRows;
}

std::vector<ctlChart::RowLabelSlot> ctlChart::RowLabelLayout(const QRectF& rect) const {
    return RowLabelSlots(ComputeLayout(rect));
}

std::vector<ctlChart::RowLabelSlot> ctlChart::RowLabelSlots(const Layout& layout) const {
    std::vector<RowLabelSlot> labelSlots;
    if (!layout.bValid || d->iRows <= 0 || layout.rowLabelWidth <= 0) {
        return labelSlots;
    }
    labelSlots.reserve(static_cast<size_t>(d->iRows / layout.iLabelStep + 1));
    const double top = layout.plot.bottom() + layout.pad * 0.4;
    for (int iRow = 1; iRow <= d->iRows; iRow += layout.iLabelStep) {
        if (d->labels[static_cast<size_t>(iRow - 1)].isEmpty()) {
            continue;
        }
        const double centre = RowCentre(layout.plot, static_cast<qint16>(iRow));
        labelSlots.push_back(RowLabelSlot{static_cast<qint16>(iRow),
                                          QRectF(centre - layout.rowLabelWidth / 2, top,
                                                 layout.rowLabelWidth, layout.rowLabelHeight)});
    }
    return labelSlots;
}

void ctlChart::Render(QPainter& painter, const QRectF& rect) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    if (d->background.alpha() > 0) {
        painter.fillRect(rect, d->background);
    }
    const Layout layout = ComputeLayout(rect);
    if (layout.bValid) {
        painter.setFont(layout.font);
        DrawAxes(painter, layout);
        DrawSeries(painter, layout);
        DrawLegend(painter, layout, rect);
    }
    painter.restore();
}

void ctlChart::DrawAxes(QPainter& painter, const Layout& layout) const {
    const QRectF& plot = layout.plot;
    const AxisScale& scale = layout.scale;
    const double span = scale.hi - scale.lo;

    QPen gridPen(d->grid, std::max(1.0, layout.penWidth * 0.6));
    gridPen.setCosmetic(false);
    QPen textPen(d->foreground);
    for (double v = scale.lo; v <= scale.hi + scale.step * 0.5; v += scale.step) {
        const double y = plot.bottom() - (v - scale.lo) / span * plot.height();
        if (v > scale.lo + scale.step * 0.5) {
            painter.setPen(gridPen);
            painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        }
        painter.setPen(textPen);
        const QRectF textRect(plot.left() - layout.pad * 0.8 - 1000, y - layout.fontPx, 1000,
                              layout.fontPx * 2);
        painter.drawText(textRect, Qt::AlignRight | Qt::AlignVCenter,
                         FormatNumber(std::abs(v) < scale.step * 1e-9 ? 0 : v, layout.iDecimals));
    }

    QColor axisColour = d->foreground;
    axisColour.setAlphaF(axisColour.alphaF() * 0.7f);
    painter.setPen(QPen(axisColour, std::max(1.0, layout.penWidth * 0.7)));
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());

    // Row labels, each under its own row, thinned so that none overlaps the next.
    painter.setPen(textPen);
    const QFontMetricsF fm(layout.font);
    for (const RowLabelSlot& slot : RowLabelSlots(layout)) {
        const QString& szLabel = d->labels[static_cast<size_t>(slot.iRow - 1)];
        painter.drawText(slot.rect, Qt::AlignHCenter | Qt::AlignTop,
                         fm.elidedText(szLabel, Qt::ElideRight, slot.rect.width() + 0.5));
        // A short tick ties the label to its row.
        const double x = slot.rect.center().x();
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + layout.pad * 0.4));
    }
}

void ctlChart::DrawSeries(QPainter& painter, const Layout& layout) const {
    if (d->iRows <= 0 || d->iColumns <= 0) {
        return;
    }
    if (d->type == ChartType::Bar2d) {
        DrawBars(painter, layout);
        return;
    }
    // When there are more rows than device pixels across the plot, rows share pixel columns.
    const int iPixelColumns = DevicePixelColumns(painter, layout.plot);
    if (d->iRows > iPixelColumns) {
        DrawDense(painter, layout, iPixelColumns);
    } else {
        DrawLines(painter, layout);
    }
    painter.setBrush(Qt::NoBrush);
}

int ctlChart::DevicePixelColumns(const QPainter& painter, const QRectF& plot) {
    const double devicePixels =
        std::abs(painter.deviceTransform().map(QLineF(plot.left(), 0, plot.right(), 0)).dx());
    return static_cast<int>(std::clamp(std::ceil(devicePixels), 1.0, 65536.0));
}

double ctlChart::ValueY(const Layout& layout, double value) {
    const AxisScale& scale = layout.scale;
    return layout.plot.bottom() - (value - scale.lo) / (scale.hi - scale.lo) * layout.plot.height();
}

void ctlChart::DrawBars(QPainter& painter, const Layout& layout) const {
    const QRectF& plot = layout.plot;
    const AxisScale& scale = layout.scale;
    const double spacing = plot.width() / d->iRows;
    // Bars stay slender when there are few rows, so one day does not fill the whole plot.
    const double group = std::min(spacing * 0.7, d->iColumns * layout.fontPx * 6);
    const double barWidth = group / d->iColumns;
    const double baseline = ValueY(layout, std::clamp(0.0, scale.lo, scale.hi));
    const QFontMetricsF fm(layout.font);
    for (int iColumn = 0; iColumn < d->iColumns; ++iColumn) {
        const QColor colour = SeriesColour(static_cast<qint16>(iColumn + 1));
        const std::vector<float>& column = d->cells[static_cast<size_t>(iColumn)];
        for (int i = 0; i < d->iRows; ++i) {
            const float value = column[static_cast<size_t>(i)];
            if (std::isnan(value)) {
                continue;
            }
            const double x = plot.left() + (i + 0.5) * spacing - group / 2 + iColumn * barWidth;
            const double y = ValueY(layout, value);
            const QRectF bar(QPointF(x + barWidth * 0.08, std::min(y, baseline)),
                             QPointF(x + barWidth * 0.92, std::max(y, baseline)));
            painter.fillRect(bar, colour);
            // The value above its bar, where there is room for it.
            const QString szValue = QString::number(static_cast<double>(value));
            if (fm.horizontalAdvance(szValue) <= barWidth &&
                y - fm.height() >= plot.top() - fm.height() * 0.2) {
                painter.setPen(d->foreground);
                painter.drawText(QRectF(x, y - fm.height() * 1.1, barWidth, fm.height()),
                                 Qt::AlignHCenter | Qt::AlignBottom, szValue);
            }
        }
    }
}

void ctlChart::DrawLines(QPainter& painter, const Layout& layout) const {
    const QRectF& plot = layout.plot;
    const double spacing = plot.width() / d->iRows;
    const double dotRadius = layout.penWidth * 1.6;
    const bool bMarkers = spacing >= layout.fontPx * 1.5;

    std::vector<QPointF> points;
    for (int iColumn = 0; iColumn < d->iColumns; ++iColumn) {
        const QColor colour = SeriesColour(static_cast<qint16>(iColumn + 1));
        const QPen pen(colour, layout.penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        painter.setPen(pen);
        painter.setBrush(colour);
        const std::vector<float>& column = d->cells[static_cast<size_t>(iColumn)];

        // Draws the run gathered so far; a lone point, with gaps on both sides, as a dot.
        auto flush = [&]() {
            if (points.size() == 1) {
                painter.setPen(Qt::NoPen);
                painter.drawEllipse(points.front(), dotRadius, dotRadius);
                painter.setPen(pen);
            } else if (!points.empty()) {
                painter.drawPolyline(points.data(), static_cast<int>(points.size()));
            }
            points.clear();
        };
        for (int i = 0; i < d->iRows; ++i) {
            const float value = column[static_cast<size_t>(i)];
            if (std::isnan(value)) {
                flush();
                continue;
            }
            points.emplace_back(plot.left() + (i + 0.5) * spacing, ValueY(layout, value));
        }
        flush();
        if (bMarkers) {
            painter.setPen(Qt::NoPen);
            for (int i = 0; i < d->iRows; ++i) {
                const float value = column[static_cast<size_t>(i)];
                if (!std::isnan(value)) {
                    painter.drawEllipse(
                        QPointF(plot.left() + (i + 0.5) * spacing, ValueY(layout, value)),
                        dotRadius, dotRadius);
                }
            }
        }
    }
}

void ctlChart::DrawDense(QPainter& painter, const Layout& layout, int iBuckets) const {
    // Each pixel column with values becomes one bar from its highest to its lowest value,
    // as thick as the pen where the column holds one value. A column also reaches to the
    // last value of the column before, so steep steps stay solid. Pixel-wide rectangles
    // fill in time linear in the width, whatever the shape of the data (a filled polygon
    // of a jagged band costs many times more).
    const QRectF& plot = layout.plot;
    const int iRows = d->iRows;
    const double bucketWidth = plot.width() / iBuckets;
    const double halfPen = layout.penWidth / 2;
    std::vector<QRectF> bars;
    bars.reserve(static_cast<size_t>(iBuckets));
    painter.setPen(Qt::NoPen);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int iColumn = 0; iColumn < d->iColumns; ++iColumn) {
        painter.setBrush(SeriesColour(static_cast<qint16>(iColumn + 1)));
        const std::vector<float>& column = d->cells[static_cast<size_t>(iColumn)];
        bars.clear();
        float previousLast = kGap;
        int iRow = 0;
        for (int b = 0; b < iBuckets; ++b) {
            // Rows of bucket b: those i with floor(i * buckets / rows) == b.
            const int iEnd = static_cast<int>(std::min<qint64>(
                iRows, ((static_cast<qint64>(b) + 1) * iRows + iBuckets - 1) / iBuckets));
            float last = kGap;
            float low = std::numeric_limits<float>::infinity();
            float high = -std::numeric_limits<float>::infinity();
            for (; iRow < iEnd; ++iRow) {
                const float value = column[static_cast<size_t>(iRow)];
                if (!std::isnan(value)) {
                    last = value;
                    low = std::min(low, value);
                    high = std::max(high, value);
                }
            }
            if (std::isnan(last)) {
                previousLast = kGap;
                continue;
            }
            if (!std::isnan(previousLast)) {
                low = std::min(low, previousLast);
                high = std::max(high, previousLast);
            }
            previousLast = last;
            const double left = plot.left() + b * bucketWidth;
            const double top = ValueY(layout, high) - halfPen;
            bars.emplace_back(left, top, bucketWidth, ValueY(layout, low) + halfPen - top);
        }
        if (!bars.empty()) {
            painter.drawRects(bars.data(), static_cast<int>(bars.size()));
        }
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
}

void ctlChart::DrawLegend(QPainter& painter, const Layout& layout, const QRectF& rect) const {
    const QFontMetricsF fm(layout.font);
    const double swatch = fm.height() * 1.2;
    const double gap = layout.fontPx * 0.4;
    const double between = layout.fontPx * 1.4;

    struct Entry {
        QString szName;
        QColor colour;
    };
    std::vector<Entry> entries;
    double total = 0;
    for (int i = 0; i < d->columnLabels.size(); ++i) {
        if (d->columnLabels[i].isEmpty()) {
            continue;
        }
        entries.push_back(Entry{d->columnLabels[i], SeriesColour(static_cast<qint16>(i + 1))});
        total +=
            (total > 0 ? between : 0) + swatch + gap + fm.horizontalAdvance(d->columnLabels[i]);
    }
    if (entries.empty()) {
        return;
    }
    double x = std::max(rect.left() + layout.pad, layout.plot.right() - total);
    const double yMid = rect.top() + (layout.plot.top() - rect.top()) / 2;
    for (const Entry& entry : entries) {
        if (d->type == ChartType::Bar2d) {
            const double side = fm.height() * 0.7;
            painter.fillRect(QRectF(x + (swatch - side) / 2, yMid - side / 2, side, side),
                             entry.colour);
        } else {
            painter.setPen(QPen(entry.colour, layout.penWidth * 1.3, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(QPointF(x, yMid), QPointF(x + swatch, yMid));
        }
        x += swatch + gap;
        painter.setPen(d->foreground);
        const double width = fm.horizontalAdvance(entry.szName);
        painter.drawText(QRectF(x, yMid - fm.height(), width + 1, fm.height() * 2),
                         Qt::AlignLeft | Qt::AlignVCenter, entry.szName);
        x += width + between;
    }
}

QImage ctlChart::ToImage(const QSize& size, qreal scale) const {
    return RenderImage(size, scale, Qt::transparent);
}

QImage ctlChart::RenderImage(const QSize& size, qreal scale, const QColor& base) const {
    if (size.isEmpty() || !(scale > 0)) {
        return QImage();
    }
    QImage image(QSize(static_cast<int>(std::ceil(size.width() * scale)),
                       static_cast<int>(std::ceil(size.height() * scale))),
                 QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        return image;
    }
    image.setDevicePixelRatio(scale);
    image.fill(base);
    QPainter painter(&image);
    Render(painter, QRectF(0, 0, size.width(), size.height()));
    painter.end();
    return image;
}

void ctlChart::CopyToClipboard(qreal scale) const {
    // A pasted picture has no window behind it: a see-through background goes onto white.
    const QImage image = RenderImage(size(), scale, Qt::white);
    if (image.isNull()) {
        return;
    }
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        clipboard->setImage(image);
    }
}

QSize ctlChart::sizeHint() const {
    return QSize(677, 197);
}

void ctlChart::ScheduleRepaint() {
    // One request per paint: a fill writes tens of thousands of cells.
    if (!d->bRepaintPending) {
        d->bRepaintPending = true;
        update();
    }
}

void ctlChart::paintEvent(QPaintEvent* event) {
    Q_UNUSED(event);
    d->bRepaintPending = false;
    QPainter painter(this);
    Render(painter, QRectF(rect()));
}
