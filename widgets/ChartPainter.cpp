#include "widgets/ChartPainter.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// Colours of series that were given none.
const QColor kDefaultSeriesColours[] = {QColor(0, 150, 170), QColor(70, 70, 200),
                                        QColor(200, 150, 0), QColor(200, 60, 60),
                                        QColor(60, 160, 60)};

// Opacity of the band from the lowest to the highest value in dense drawing: faint enough that
// the mean line over it, and the other series' bands, stay readable.
constexpr double kBandOpacity = 0.3;

// Draws a line through points with the painter's pen, as a wide line with round joins and ends
// looks. Qt strokes a polyline of a wide pen with round joins or ends very slowly (tens of
// milliseconds for a few hundred points, each join a curve of its own), but draws straight
// segments with flat or square ends quickly. A round-joined line is exactly its flat-ended
// segments and a disc on every point, so a short line is drawn so; beyond that many points the
// discs cannot be told from square ends, which cost less again.
void StrokeLine(QPainter& painter, const QPointF* points, int iCount) {
    constexpr int kLongLine = 200;
    if (iCount < 2) {
        return;
    }
    const QPen pen = painter.pen();
    const QBrush brush = painter.brush();
    const bool bLong = iCount > kLongLine;
    QPen segmentPen = pen;
    segmentPen.setCapStyle(bLong ? Qt::SquareCap : Qt::FlatCap);
    painter.setPen(segmentPen);
    std::vector<QLineF> segments;
    segments.reserve(static_cast<size_t>(iCount - 1));
    for (int i = 1; i < iCount; ++i) {
        segments.emplace_back(points[i - 1], points[i]);
    }
    painter.drawLines(segments.data(), static_cast<int>(segments.size()));
    if (!bLong) {
        const double radius = pen.widthF() / 2;
        painter.setPen(Qt::NoPen);
        painter.setBrush(pen.brush());
        for (int i = 0; i < iCount; ++i) {
            painter.drawEllipse(points[i], radius, radius);
        }
        painter.setBrush(brush);
    }
    painter.setPen(pen);
}

// Draws a run of points: a lone point as a dot, more as a line with the painter's pen.
void DrawRun(QPainter& painter, const QPointF* points, int iCount, double dotRadius) {
    if (iCount == 1) {
        const QPen pen = painter.pen();
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(points[0], dotRadius, dotRadius);
        painter.setPen(pen);
    } else if (iCount > 1) {
        StrokeLine(painter, points, iCount);
    }
}

// Qt's raster engine hands a fill of more than about a hundred scanlines to its worker threads
// and waits for them; on a small machine waking them costs many times the fill itself (the
// bands of a 3,650-day report picture: 24 ms instead of 1.5). Whole-pixel rectangles are
// therefore filled in pieces of at most this many rows, which it fills on the calling thread:
// the same pixels, as the pieces meet on whole pixels.
constexpr int kRowsPerFill = 64;

// The whole pixels a rectangle covers most of, at least one each way: the same pixels as the
// rectangle filled without antialiasing.
QRect WholePixels(const QRectF& rect) {
    const int iLeft = qRound(rect.left());
    const int iTop = qRound(rect.top());
    return QRect(iLeft, iTop, std::max(1, qRound(rect.right()) - iLeft),
                 std::max(1, qRound(rect.bottom()) - iTop));
}

// Fills rectangles on whole pixels without antialiasing, in a translucent or opaque colour, in
// pieces of at most kRowsPerFill rows. Qt fills whole-pixel rectangles directly, fractional ones
// as paths at many times the cost.
void FillOnWholePixels(QPainter& painter, const QColor& colour, const std::vector<QRectF>& rects) {
    std::vector<QRect> pieces;
    pieces.reserve(rects.size());
    for (const QRectF& rect : rects) {
        const QRect pixels = WholePixels(rect);
        for (int y = pixels.top(); y <= pixels.bottom(); y += kRowsPerFill) {
            pieces.emplace_back(pixels.left(), y, pixels.width(),
                                std::min(kRowsPerFill, pixels.bottom() + 1 - y));
        }
    }
    if (pieces.empty()) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRects(pieces.data(), static_cast<int>(pieces.size()));
    painter.restore();
}

// A series' bands from lowest to highest value, faint in its colour, on whole pixels.
// Pixel-wide rectangles fill in time linear in the width, whatever the data's shape.
void FillSeriesBands(QPainter& painter, const QColor& colour, const std::vector<QRectF>& bands) {
    QColor band = colour;
    band.setAlphaF(static_cast<float>(colour.alphaF() * kBandOpacity));
    FillOnWholePixels(painter, band, bands);
}

// The area a vertical line from top to bottom at x covers when stroked with a square-capped pen
// of this width.
QRectF VerticalStroke(double x, double top, double bottom, double width) {
    return QRectF(x - width / 2, top - width / 2, width, bottom - top + width);
}

// The pen of a dashed reference line.
QPen ReferencePen(const QColor& colour, const ChartLayout& layout) {
    return QPen(colour, std::max(1.0, layout.penWidth * 0.8), Qt::DashLine, Qt::FlatCap);
}

} // namespace

QColor ChartStyle::SeriesColour(qint16 iColumn) const {
    if (iColumn >= 1 && static_cast<size_t>(iColumn) <= colours.size()) {
        return colours[static_cast<size_t>(iColumn - 1)];
    }
    const size_t iCount = std::size(kDefaultSeriesColours);
    return kDefaultSeriesColours[static_cast<size_t>(std::max(0, iColumn - 1)) % iCount];
}

ChartPainter::ChartPainter(QPainter& painter, const ChartContent& content, const ChartStyle& style,
                           const ChartLayout& layout)
    : m_painter(painter), m_content(content), m_style(style), m_layout(layout) {}

int ChartPainter::DevicePixelColumns() const {
    if (!m_layout.bValid) {
        return 1;
    }
    const QRectF& plot = m_layout.plot;
    const double devicePixels =
        std::abs(m_painter.deviceTransform().map(QLineF(plot.left(), 0, plot.right(), 0)).dx());
    return ChartPixelColumns(devicePixels, 1);
}

void ChartPainter::Paint(const QRectF& rect, int iPixelColumns) {
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    if (m_style.background.alpha() > 0) {
        m_painter.fillRect(rect, m_style.background);
    }
    if (m_layout.bValid) {
        m_painter.setFont(m_layout.font);
        DrawAxes();
        DrawRowLabels();
        DrawYearMarks();
        DrawReferenceLines();
        DrawSeries(iPixelColumns);
        DrawEmptyText();
        DrawLegend(rect);
    }
    m_painter.restore();
}

void ChartPainter::PaintCursor(qint16 iRow) {
    const double x = m_layout.RowCentre(m_content.grid.RowCount(), iRow);
    m_painter.setPen(QPen(m_style.focus, std::max(1.0, m_layout.penWidth), Qt::DashLine));
    m_painter.drawLine(QPointF(x, m_layout.plot.top()), QPointF(x, m_layout.plot.bottom()));
}

void ChartPainter::PaintFocusFrame(const QRectF& area) {
    m_painter.setPen(QPen(m_style.focus, 2));
    m_painter.drawRect(area.adjusted(1, 1, -1, -1));
}

void ChartPainter::DrawAxes() {
    const QRectF& plot = m_layout.plot;
    QPen gridPen(m_style.grid, std::max(1.0, m_layout.penWidth * 0.6));
    gridPen.setCosmetic(false);
    const QPen textPen(m_style.foreground);
    const ChartAxisScale& scale = m_layout.scale;
    for (const double v : m_layout.Ticks()) {
        const double y = m_layout.ValueY(v);
        if (v > scale.lo + scale.step * 0.5) {
            m_painter.setPen(gridPen);
            m_painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        }
        m_painter.setPen(textPen);
        const QRectF textRect(plot.left() - m_layout.pad * 0.8 - 1000, y - m_layout.fontPx, 1000,
                              m_layout.fontPx * 2);
        m_painter.drawText(textRect, Qt::AlignRight | Qt::AlignVCenter, m_layout.TickText(v));
    }

    QColor axisColour = m_style.foreground;
    axisColour.setAlphaF(axisColour.alphaF() * 0.7f);
    m_painter.setPen(QPen(axisColour, std::max(1.0, m_layout.penWidth * 0.7)));
    m_painter.drawLine(plot.bottomLeft(), plot.topLeft());
    m_painter.drawLine(plot.bottomLeft(), plot.bottomRight());
}

void ChartPainter::DrawRowLabels() {
    // Row labels, each under its own row, thinned so that none overlaps the next.
    const QRectF& plot = m_layout.plot;
    m_painter.setPen(QPen(m_style.foreground));
    const QFontMetricsF fm(m_layout.font);
    for (const ChartRowLabelSlot& slot : m_layout.RowLabels(m_content)) {
        const QString szLabel = m_content.grid.LabelAt(slot.iRow);
        m_painter.drawText(slot.rect, Qt::AlignHCenter | Qt::AlignTop,
                           fm.elidedText(szLabel, Qt::ElideRight, slot.rect.width() + 0.5));
        // A short tick ties the label to its row.
        const double x = slot.rect.center().x();
        m_painter.drawLine(QPointF(x, plot.bottom()),
                           QPointF(x, plot.bottom() + m_layout.pad * 0.4));
    }
}

void ChartPainter::DrawYearMarks() {
    const std::vector<ChartYearMark> marks = m_layout.YearMarks(m_content);
    if (marks.empty()) {
        return;
    }
    const QRectF& plot = m_layout.plot;
    QColor lineColour = m_style.foreground;
    lineColour.setAlphaF(lineColour.alphaF() * 0.35f);
    // Whole pixels wide, so every year's line is as wide as the next.
    const double lineWidth = std::max(1.0, std::round(m_layout.penWidth * 0.6));
    const QPen textPen(m_style.foreground);
    for (const ChartYearMark& mark : marks) {
        if (mark.bYearStart) {
            // A thin line across the plot where the year begins, and a tick beside its year:
            // each the rectangle its square-capped pen would stroke, on whole pixels.
            const double x = std::round(mark.x - lineWidth / 2) + lineWidth / 2;
            FillOnWholePixels(
                m_painter, lineColour,
                {VerticalStroke(x, plot.top(), plot.bottom(), lineWidth),
                 VerticalStroke(x, mark.text.top(), mark.text.top() + mark.text.height() * 0.75,
                                lineWidth)});
        }
        m_painter.setPen(textPen);
        m_painter.drawText(mark.text, Qt::AlignLeft | Qt::AlignTop, QString::number(mark.iYear));
    }
}

void ChartPainter::DrawReferenceLines() {
    for (const ChartReferenceSlot& slot : m_layout.ReferenceLines(m_content)) {
        m_painter.setPen(ReferencePen(m_style.SeriesColour(slot.iColumn), m_layout));
        m_painter.drawLine(QPointF(m_layout.plot.left(), slot.y),
                           QPointF(m_layout.plot.right(), slot.y));
    }
}

void ChartPainter::DrawSeries(int iPixelColumns) {
    const qint16 iRows = m_content.grid.RowCount();
    if (iRows <= 0 || m_content.grid.ColumnCount() <= 0) {
        return;
    }
    if (m_content.Bars()) {
        DrawBars();
    } else if (iRows > iPixelColumns) {
        // More rows than device pixels across the plot: rows share pixel columns.
        DrawDense(iPixelColumns);
    } else {
        DrawLines();
    }
    m_painter.setBrush(Qt::NoBrush);
}

void ChartPainter::DrawBars() {
    for (const ChartBarSlot& slot : m_layout.Bars(m_content)) {
        const QColor colour = m_style.SeriesColour(slot.iColumn);
        m_painter.fillRect(slot.bar, colour);
        if (!slot.spread.isEmpty()) {
            // Over the bar, the band shows where the day's highest measurement reached; a
            // line at its lowest shows how far down the bar it went.
            FillSeriesBands(m_painter, colour, {slot.spread});
            m_painter.setPen(QPen(m_style.foreground, std::max(1.0, m_layout.penWidth * 0.6)));
            m_painter.drawLine(QPointF(slot.spread.left(), slot.spread.bottom()),
                               QPointF(slot.spread.right(), slot.spread.bottom()));
        }
        if (!slot.label.isEmpty()) {
            m_painter.setPen(m_style.foreground);
            m_painter.drawText(slot.label, Qt::AlignHCenter | Qt::AlignBottom, slot.szValue);
        }
    }
}

void ChartPainter::DrawLines() {
    const QRectF& plot = m_layout.plot;
    const qint16 iRows = m_content.grid.RowCount();
    const double spacing = plot.width() / iRows;
    const double dotRadius = m_layout.penWidth * 1.6;
    const bool bMarkers = spacing >= m_layout.fontPx * 1.5;

    // Days of several measurements first: each one's band, behind every line.
    const std::vector<std::vector<QRectF>> spreads = m_layout.SpreadBands(m_content);
    for (size_t c = 0; c < spreads.size(); ++c) {
        FillSeriesBands(m_painter, m_style.SeriesColour(static_cast<qint16>(c + 1)), spreads[c]);
    }

    std::vector<QPointF> points;
    const auto flush = [&]() {
        DrawRun(m_painter, points.data(), static_cast<int>(points.size()), dotRadius);
        points.clear();
    };
    for (int iColumn = 0; iColumn < m_content.grid.ColumnCount(); ++iColumn) {
        const QColor colour = m_style.SeriesColour(static_cast<qint16>(iColumn + 1));
        m_painter.setPen(
            QPen(colour, m_layout.penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        m_painter.setBrush(colour);
        const std::vector<float>& column = m_content.grid.Cells(iColumn);
        // Runs between gaps; a lone point, with gaps on both sides, is a dot.
        for (int i = 0; i < iRows; ++i) {
            const float value = column[static_cast<size_t>(i)];
            if (std::isnan(value)) {
                flush();
                continue;
            }
            points.emplace_back(plot.left() + (i + 0.5) * spacing, m_layout.ValueY(value));
        }
        flush();
        if (bMarkers) {
            m_painter.setPen(Qt::NoPen);
            for (int i = 0; i < iRows; ++i) {
                const float value = column[static_cast<size_t>(i)];
                if (!std::isnan(value)) {
                    m_painter.drawEllipse(
                        QPointF(plot.left() + (i + 0.5) * spacing, m_layout.ValueY(value)),
                        dotRadius, dotRadius);
                }
            }
        }
    }
}

void ChartPainter::DrawDense(int iBuckets) {
    // Each pixel column gets a faint band from its lowest to its highest value, so single
    // peaks and dips stay visible, and a solid line joins the columns' means, so the trend
    // reads through the day-to-day scatter. The mean rather than the median: it is one pass
    // without sorting, it is what the tooltip and the description call the average, and the
    // band already shows the outliers that would pull it.
    const std::vector<ChartDenseSeries> shapes = m_layout.DenseShapes(m_content, iBuckets);
    const double dotRadius = m_layout.penWidth * 1.2;
    for (size_t c = 0; c < shapes.size(); ++c) {
        const QColor colour = m_style.SeriesColour(static_cast<qint16>(c + 1));
        FillSeriesBands(m_painter, colour, shapes[c].bands);
        m_painter.setPen(
            QPen(colour, m_layout.penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        m_painter.setBrush(colour);
        for (const QPolygonF& line : shapes[c].meanLines) {
            DrawRun(m_painter, line.constData(), static_cast<int>(line.size()), dotRadius);
        }
    }
}

void ChartPainter::DrawEmptyText() {
    if (m_content.grid.RowCount() > 0 || m_content.szEmptyText.isEmpty()) {
        return;
    }
    m_painter.setPen(m_style.foreground);
    m_painter.drawText(m_layout.EmptyTextArea(m_content), Qt::AlignCenter | Qt::TextWordWrap,
                       m_content.szEmptyText);
}

void ChartPainter::DrawLegendSwatch(double x, double yMid, const QColor& colour) {
    const QFontMetricsF fm(m_layout.font);
    const double swatch = fm.height() * 1.2;
    if (m_content.Bars()) {
        const double side = fm.height() * 0.7;
        m_painter.fillRect(QRectF(x + (swatch - side) / 2, yMid - side / 2, side, side), colour);
    } else {
        m_painter.setPen(QPen(colour, m_layout.penWidth * 1.3, Qt::SolidLine, Qt::RoundCap));
        m_painter.drawLine(QPointF(x, yMid), QPointF(x + swatch, yMid));
    }
}

void ChartPainter::DrawReferenceSwatch(double x, double yMid,
                                       const std::vector<ChartReferenceSlot>& lines) {
    // One short dashed line per reference line, one above the other.
    const QFontMetricsF fm(m_layout.font);
    const double swatch = fm.height() * 1.2;
    const double step = fm.height() * 0.35;
    double y = yMid - step * (static_cast<double>(lines.size()) - 1) / 2;
    for (const ChartReferenceSlot& slot : lines) {
        m_painter.setPen(ReferencePen(m_style.SeriesColour(slot.iColumn), m_layout));
        m_painter.drawLine(QPointF(x, y), QPointF(x + swatch, y));
        y += step;
    }
}

void ChartPainter::DrawLegend(const QRectF& rect) {
    const QFontMetricsF fm(m_layout.font);
    const double swatch = fm.height() * 1.2;
    const double gap = m_layout.fontPx * 0.4;
    const double between = m_layout.fontPx * 1.4;

    // The named series, then the name the reference lines share.
    struct Entry {
        QString szName;
        QColor colour;
        bool bReference = false;
    };
    std::vector<Entry> entries;
    double total = 0;
    const auto add = [&](const Entry& entry) {
        entries.push_back(entry);
        total += (total > 0 ? between : 0) + swatch + gap + fm.horizontalAdvance(entry.szName);
    };
    const QStringList& names = m_content.columnLabels;
    for (int i = 0; i < names.size(); ++i) {
        if (!names[i].isEmpty()) {
            add(Entry{names[i], m_style.SeriesColour(static_cast<qint16>(i + 1))});
        }
    }
    const std::vector<ChartReferenceSlot> references = m_layout.ReferenceLines(m_content);
    if (!references.empty() && !m_content.szReferenceName.isEmpty()) {
        add(Entry{m_content.szReferenceName, QColor(), true});
    }
    double x = std::max(rect.left() + m_layout.pad, m_layout.plot.right() - total);
    const double yMid = rect.top() + (m_layout.plot.top() - rect.top()) / 2;
    for (const Entry& entry : entries) {
        if (entry.bReference) {
            DrawReferenceSwatch(x, yMid, references);
        } else {
            DrawLegendSwatch(x, yMid, entry.colour);
        }
        x += swatch + gap;
        m_painter.setPen(m_style.foreground);
        const double width = fm.horizontalAdvance(entry.szName);
        m_painter.drawText(QRectF(x, yMid - fm.height(), width + 1, fm.height() * 2),
                           Qt::AlignLeft | Qt::AlignVCenter, entry.szName);
        x += width + between;
    }
}
