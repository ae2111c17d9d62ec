#include "widgets/ctlChart.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QImage>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr float kGap = std::numeric_limits<float>::quiet_NaN();

// Colours of series that were given none.
const QColor kDefaultSeriesColours[] = {QColor(0, 150, 170), QColor(70, 70, 200),
                                        QColor(200, 150, 0), QColor(200, 60, 60),
                                        QColor(60, 160, 60)};

// Opacity of the band from the lowest to the highest value in dense drawing: faint enough that
// the mean line over it, and the other series' bands, stay readable.
constexpr double kBandOpacity = 0.3;

// A number as a cell holds it; one that is not finite, or too large, is a gap.
float CellValue(double value) {
    if (!std::isfinite(value) || std::abs(value) > std::numeric_limits<float>::max()) {
        return kGap;
    }
    return static_cast<float>(value);
}

// Reads decimal text as a number; text that is not a finite number gives a gap.
float ParseCell(const QString& szValue) {
    bool bOk = false;
    const double value = QLocale::c().toDouble(QStringView(szValue).trimmed(), &bOk);
    return bOk ? CellValue(value) : kGap;
}

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

QString FormatNumber(double value, int iDecimals) {
    return QString::number(value, 'f', iDecimals);
}

// The rows (0-based, end exclusive) of pixel column b when iRows rows share iColumns columns
// of equal width: the rows whose centre lies in the column. With more rows than columns every
// column has at least one.
std::pair<int, int> ColumnRows(int b, int iColumns, int iRows) {
    const auto first = [&](qint64 c) {
        const qint64 n = 2 * c * iRows - iColumns;
        return n <= 0 ? 0 : static_cast<int>((n + 2 * qint64(iColumns) - 1) / (2 * iColumns));
    };
    return {first(b), b + 1 >= iColumns ? iRows : first(b + 1)};
}

// The accessible face of the chart: a chart whose description is always current.
class ChartAccessible : public QAccessibleWidget {
public:
    explicit ChartAccessible(ctlChart* chart) : QAccessibleWidget(chart, QAccessible::Chart) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description) {
            return static_cast<const ctlChart*>(widget())->Description();
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* ChartAccessibleFactory(const QString& szClassName, QObject* object) {
    if (szClassName == QLatin1String("ctlChart") && object != nullptr && object->isWidgetType()) {
        return new ChartAccessible(static_cast<ctlChart*>(object));
    }
    return nullptr;
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
    std::vector<QDate> dates;
    ChartType type = ChartType::Line2d;
    QStringList columnLabels;
    std::vector<QColor> colours;
    QColor background = Qt::white;
    QColor foreground = QColor(40, 40, 40);
    QColor grid = QColor(220, 220, 220);
    QColor focus = QColor(0, 120, 215);
    std::vector<ReferenceLine> referenceLines;
    QString szReferenceName;
    QString szEmptyText;
    QPointer<QWidget> emptyStateWidget;
    Describer describer;
    qint16 iCursorRow = 0;
    bool bRepaintPending = false;
    bool bDescriptionPending = false;

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
    double rowLabelHeight = 0;
    double rowLabelWidth = 0;
    int iLabelStep = 1;
    // The row of year marks under the row labels (height 0: the rows lie in one year).
    double yearTop = 0;
    double yearHeight = 0;
    double right = 0;
    double left = 0;
    bool bValid = false;
};

ctlChart::ctlChart(QWidget* parent) : QWidget(parent), d(std::make_unique<Impl>()) {
    static const bool bFactoryInstalled = [] {
        QAccessible::installFactory(ChartAccessibleFactory);
        return true;
    }();
    Q_UNUSED(bFactoryInstalled);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setFocusPolicy(Qt::StrongFocus);
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
    d->dates.assign(static_cast<size_t>(d->iRows), QDate());
    d->iCursorRow = 0;
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
    d->dates.resize(static_cast<size_t>(d->iRows));
    if (d->iCursorRow > d->iRows) {
        d->iCursorRow = 0;
    }
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

void ctlChart::SetRowDate(const QDate& dt) {
    if (d->iRow >= 1 && d->iRow <= d->iRows) {
        d->dates[static_cast<size_t>(d->iRow - 1)] = dt;
        ScheduleRepaint();
    }
}

QDate ctlChart::RowDateAt(qint16 iRow) const {
    if (iRow < 1 || iRow > d->iRows) {
        return QDate();
    }
    return d->dates[static_cast<size_t>(iRow - 1)];
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

QColor ctlChart::TextColour() const {
    return d->foreground;
}

QColor ctlChart::SeriesColour(qint16 iColumn) const {
    if (iColumn >= 1 && static_cast<size_t>(iColumn) <= d->colours.size()) {
        return d->colours[static_cast<size_t>(iColumn - 1)];
    }
    const size_t iCount = std::size(kDefaultSeriesColours);
    return kDefaultSeriesColours[static_cast<size_t>(std::max(0, iColumn - 1)) % iCount];
}

void ctlChart::SetFocusColour(const QColor& colour) {
    d->focus = colour;
    update();
}

void ctlChart::SetReferenceLines(const std::vector<ReferenceLine>& lines,
                                 const QString& szLegendName) {
    d->referenceLines = lines;
    d->szReferenceName = szLegendName;
    ScheduleRepaint();
}

void ctlChart::SetEmptyText(const QString& szText) {
    d->szEmptyText = szText;
    ScheduleRepaint();
}

void ctlChart::SetEmptyStateWidget(QWidget* widget) {
    d->emptyStateWidget = widget;
    if (widget != nullptr) {
        widget->setVisible(isHidden());
    }
}

void ctlChart::SetDescriber(Describer describer) {
    d->describer = std::move(describer);
    NotifyDescriptionChanged();
}

void ctlChart::setVisible(bool bVisible) {
    const bool bWasHidden = isHidden();
    QWidget::setVisible(bVisible);
    if (d->emptyStateWidget) {
        d->emptyStateWidget->setVisible(isHidden());
    }
    if (bWasHidden != isHidden()) {
        emit ShownChanged(!isHidden());
        NotifyDescriptionChanged();
    }
}

ctlChart::RowSpan ctlChart::SummariseRows(qint16 iFirstRow, qint16 iLastRow) const {
    RowSpan span;
    iFirstRow = std::max<qint16>(1, iFirstRow);
    iLastRow = std::min(iLastRow, d->iRows);
    if (iFirstRow > iLastRow) {
        return span;
    }
    span.iFirstRow = iFirstRow;
    span.iLastRow = iLastRow;
    span.series.resize(static_cast<size_t>(d->iColumns));
    for (size_t c = 0; c < span.series.size(); ++c) {
        SeriesSummary& summary = span.series[c];
        double sum = 0;
        for (int i = iFirstRow - 1; i < iLastRow; ++i) {
            const float value = d->cells[c][static_cast<size_t>(i)];
            if (std::isnan(value)) {
                continue;
            }
            summary.min = summary.iCount == 0 ? value : std::min<double>(summary.min, value);
            summary.max = summary.iCount == 0 ? value : std::max<double>(summary.max, value);
            sum += value;
            ++summary.iCount;
        }
        summary.mean = summary.iCount > 0 ? sum / summary.iCount : 0;
    }
    return span;
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

namespace {

// The lowest and highest written value of a grid (0 to 100 when nothing is written), with 0
// for bars.
std::pair<double, double> ValueRange(const std::vector<std::vector<float>>& cells, bool bBars) {
    double min = std::numeric_limits<double>::infinity();
    double max = -std::numeric_limits<double>::infinity();
    for (const std::vector<float>& column : cells) {
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
    if (bBars) {
        min = std::min(min, 0.0);
        max = std::max(max, 0.0);
    }
    return {min, max};
}

} // namespace

ctlChart::AxisScale ctlChart::ValueScale(int iMaxTicks) const {
    const auto [min, max] = ValueRange(d->cells, d->type == ChartType::Bar2d);
    return NiceScale(min, max, iMaxTicks);
}

ctlChart::AxisScale ctlChart::ValueAxis(const QRectF& rect) const {
    return ComputeLayout(rect).scale;
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
                                     [](const QString& s) { return !s.isEmpty(); }) ||
                         (!d->szReferenceName.isEmpty() && !d->referenceLines.empty());
    const double legendHeight = bLegend ? fm.height() * 1.5 : layout.pad;
    layout.rowLabelHeight = fm.height() * 1.3;

    // Rows in more than one calendar year get a row of year marks under their labels. Rows are
    // in date order, so the first and last known days tell.
    const auto firstDate = std::find_if(d->dates.cbegin(), d->dates.cend(),
                                        [](const QDate& dt) { return dt.isValid(); });
    const auto lastDate = std::find_if(d->dates.crbegin(), d->dates.crend(),
                                       [](const QDate& dt) { return dt.isValid(); });
    if (firstDate != d->dates.cend() && firstDate->year() != lastDate->year()) {
        layout.yearHeight = fm.height() * 1.2;
    }

    const double plotTop = rect.top() + legendHeight;
    const double plotBottom =
        rect.bottom() - layout.pad * 0.4 - layout.rowLabelHeight - layout.yearHeight;
    const double plotHeight = plotBottom - plotTop;
    const int iMaxTicks = std::max(2, static_cast<int>(plotHeight / (fm.height() * 1.6)));
    const bool bBars = d->type == ChartType::Bar2d;
    const auto [min, max] = ValueRange(d->cells, bBars);
    layout.scale = NiceScale(min, max, iMaxTicks);
    if (bBars && plotHeight > 0) {
        // The value written above the tallest bar needs a line of room under the axis' top:
        // raise the top until the tallest bar ends that far below it.
        const double room = std::min(fm.height() * 1.15, plotHeight * 0.45) / plotHeight;
        for (int i = 0; i < 4; ++i) {
            const AxisScale& s = layout.scale;
            if ((s.hi - max) / (s.hi - s.lo) >= room) {
                break;
            }
            layout.scale = NiceScale(s.lo, (max - s.lo * room) / (1 - room), iMaxTicks);
        }
    }
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
    layout.left = rect.left();
    layout.right = rect.right();
    layout.yearTop = plotBottom + layout.pad * 0.4 + layout.rowLabelHeight;
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

qint16 ctlChart::NearestRow(const QRectF& plot, double x) const {
    if (d->iRows <= 0 || !(plot.width() > 0)) {
        return 0;
    }
    const double row = std::floor((x - plot.left()) / plot.width() * d->iRows);
    return static_cast<qint16>(std::clamp(row, 0.0, d->iRows - 1.0) + 1);
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

std::vector<ctlChart::YearMark> ctlChart::YearMarkLayout(const QRectF& rect) const {
    return YearMarks(ComputeLayout(rect));
}

std::vector<ctlChart::YearMark> ctlChart::YearMarks(const Layout& layout) const {
    std::vector<YearMark> marks;
    if (!layout.bValid || layout.yearHeight <= 0) {
        return marks;
    }
    const QFontMetricsF fm(layout.font);
    const double gap = layout.fontPx * 0.3;
    const double space = layout.fontPx * 0.8;

    // The first row of each year, and the year of the first row.
    std::vector<YearMark> starts;
    YearMark leading;
    int iPreviousYear = 0;
    for (int i = 0; i < d->iRows; ++i) {
        const QDate& dt = d->dates[static_cast<size_t>(i)];
        if (!dt.isValid()) {
            continue;
        }
        if (iPreviousYear == 0) {
            leading = YearMark{dt.year(), static_cast<qint16>(i + 1), false, 0, QRectF()};
        } else if (dt.year() != iPreviousYear) {
            starts.push_back(YearMark{dt.year(), static_cast<qint16>(i + 1), true, 0, QRectF()});
        }
        iPreviousYear = dt.year();
    }

    // A year's text goes right of its line, or left of it where it would leave the picture.
    const auto place = [&](YearMark& mark) {
        mark.x = RowCentre(layout.plot, mark.iRow);
        const double width = std::ceil(fm.horizontalAdvance(QString::number(mark.iYear)));
        double left = mark.bYearStart ? mark.x + gap : std::max(layout.left, mark.x - width / 2);
        if (left + width > layout.right) {
            left = mark.x - gap - width;
        }
        mark.text = QRectF(left, layout.yearTop, width, layout.yearHeight);
        return left >= layout.left;
    };
    const auto fitsAfter = [&](const std::vector<YearMark>& kept, const YearMark& mark) {
        return kept.empty() || kept.back().text.right() + space <= mark.text.left();
    };
    for (YearMark& mark : starts) {
        if (!place(mark)) {
            mark.iYear = 0; // cannot be shown at this width
        }
    }

    // Every year where they fit, else every 2nd, 5th, 10th... year (the round ones).
    for (const int iEvery : {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 10000}) {
        std::vector<YearMark> kept;
        bool bFits = true;
        for (const YearMark& mark : starts) {
            if (mark.iYear == 0 || mark.iYear % iEvery != 0) {
                continue;
            }
            if (!fitsAfter(kept, mark)) {
                bFits = false;
                break;
            }
            kept.push_back(mark);
        }
        if (bFits) {
            marks = std::move(kept);
            break;
        }
    }
    // The first row's year, at the left, where it does not crowd the first mark.
    if (leading.iYear != 0 && place(leading) &&
        (marks.empty() || leading.text.right() + space <= marks.front().text.left())) {
        marks.insert(marks.begin(), leading);
    }
    return marks;
}

std::vector<ctlChart::ReferenceSlot> ctlChart::ReferenceLineLayout(const QRectF& rect) const {
    return ReferenceSlots(ComputeLayout(rect));
}

std::vector<ctlChart::ReferenceSlot> ctlChart::ReferenceSlots(const Layout& layout) const {
    std::vector<ReferenceSlot> drawn;
    if (!layout.bValid || d->iRows <= 0) {
        return drawn;
    }
    for (const ReferenceLine& line : d->referenceLines) {
        if (line.value >= layout.scale.lo && line.value <= layout.scale.hi) {
            drawn.push_back(ReferenceSlot{line.iColumn, line.value, ValueY(layout, line.value)});
        }
    }
    return drawn;
}

std::vector<ctlChart::BarSlot> ctlChart::BarLayout(const QRectF& rect) const {
    return BarSlots(ComputeLayout(rect));
}

std::vector<ctlChart::BarSlot> ctlChart::BarSlots(const Layout& layout) const {
    std::vector<BarSlot> bars;
    if (!layout.bValid || d->type != ChartType::Bar2d || d->iRows <= 0 || d->iColumns <= 0) {
        return bars;
    }
    const QRectF& plot = layout.plot;
    const AxisScale& scale = layout.scale;
    const double spacing = plot.width() / d->iRows;
    // Bars stay slender when there are few rows, so one day does not fill the whole plot.
    const double group = std::min(spacing * 0.7, d->iColumns * layout.fontPx * 6);
    const double barWidth = group / d->iColumns;
    const double baseline = ValueY(layout, std::clamp(0.0, scale.lo, scale.hi));
    const QFontMetricsF fm(layout.font);
    for (int iColumn = 0; iColumn < d->iColumns; ++iColumn) {
        const std::vector<float>& column = d->cells[static_cast<size_t>(iColumn)];
        for (int i = 0; i < d->iRows; ++i) {
            const float value = column[static_cast<size_t>(i)];
            if (std::isnan(value)) {
                continue;
            }
            BarSlot slot;
            slot.iRow = static_cast<qint16>(i + 1);
            slot.iColumn = static_cast<qint16>(iColumn + 1);
            const double x = plot.left() + (i + 0.5) * spacing - group / 2 + iColumn * barWidth;
            const double y = ValueY(layout, value);
            slot.bar = QRectF(QPointF(x + barWidth * 0.08, std::min(y, baseline)),
                              QPointF(x + barWidth * 0.92, std::max(y, baseline)));
            // The value above its bar, where there is room for it; a bar of nothing (a value
            // never measured) says nothing.
            slot.szValue = value != 0 ? QString::number(static_cast<double>(value)) : QString();
            const QRectF label(x, y - fm.height() * 1.1, barWidth, fm.height());
            if (!slot.szValue.isEmpty() && fm.horizontalAdvance(slot.szValue) <= barWidth &&
                label.top() >= plot.top()) {
                slot.label = label;
            }
            bars.push_back(slot);
        }
    }
    return bars;
}

QRectF ctlChart::EmptyTextArea(const QRectF& rect) const {
    if (d->iRows > 0 || d->szEmptyText.isEmpty()) {
        return QRectF();
    }
    const Layout layout = ComputeLayout(rect);
    if (!layout.bValid) {
        return QRectF();
    }
    return layout.plot.adjusted(layout.pad, layout.pad, -layout.pad, -layout.pad);
}

int ctlChart::PixelColumns(const QRectF& plot, qreal pixelRatio) {
    return static_cast<int>(std::clamp(std::ceil(plot.width() * pixelRatio), 1.0, 65536.0));
}

int ctlChart::DevicePixelColumns(const QPainter& painter, const QRectF& plot) {
    const double devicePixels =
        std::abs(painter.deviceTransform().map(QLineF(plot.left(), 0, plot.right(), 0)).dx());
    return PixelColumns(QRectF(0, 0, devicePixels, 1), 1);
}

std::vector<ctlChart::RowSpan> ctlChart::DenseColumns(const QRectF& rect, qreal pixelRatio) const {
    const Layout layout = ComputeLayout(rect);
    if (!layout.bValid) {
        return {};
    }
    return DenseSpans(PixelColumns(layout.plot, pixelRatio));
}

std::vector<ctlChart::RowSpan> ctlChart::DenseSpans(int iBuckets) const {
    std::vector<RowSpan> spans;
    if (d->type == ChartType::Bar2d || d->iRows <= iBuckets || d->iColumns <= 0) {
        return spans;
    }
    spans.reserve(static_cast<size_t>(iBuckets));
    for (int b = 0; b < iBuckets; ++b) {
        const auto [iBegin, iEnd] = ColumnRows(b, iBuckets, d->iRows);
        spans.push_back(SummariseRows(static_cast<qint16>(iBegin + 1), static_cast<qint16>(iEnd)));
    }
    return spans;
}

std::vector<ctlChart::DenseSeries> ctlChart::DenseLayout(const QRectF& rect,
                                                         qreal pixelRatio) const {
    const Layout layout = ComputeLayout(rect);
    if (!layout.bValid) {
        return {};
    }
    return DenseShapes(layout, PixelColumns(layout.plot, pixelRatio));
}

std::vector<ctlChart::DenseSeries> ctlChart::DenseShapes(const Layout& layout, int iBuckets) const {
    std::vector<DenseSeries> shapes;
    const std::vector<RowSpan> spans = DenseSpans(iBuckets);
    if (spans.empty()) {
        return shapes;
    }
    const QRectF& plot = layout.plot;
    const double bucketWidth = plot.width() / iBuckets;
    shapes.resize(static_cast<size_t>(d->iColumns));
    for (size_t c = 0; c < shapes.size(); ++c) {
        DenseSeries& shape = shapes[c];
        shape.bands.reserve(spans.size());
        QPolygonF line;
        for (size_t b = 0; b < spans.size(); ++b) {
            const SeriesSummary& summary = spans[b].series[c];
            if (summary.iCount == 0) {
                if (!line.isEmpty()) {
                    shape.meanLines.push_back(std::move(line));
                    line = QPolygonF();
                }
                continue;
            }
            const double left = plot.left() + static_cast<double>(b) * bucketWidth;
            const double top = ValueY(layout, summary.max);
            shape.bands.emplace_back(left, top, bucketWidth, ValueY(layout, summary.min) - top);
            line.append(QPointF(left + bucketWidth / 2, ValueY(layout, summary.mean)));
        }
        if (!line.isEmpty()) {
            shape.meanLines.push_back(std::move(line));
        }
    }
    return shapes;
}

void ctlChart::Render(QPainter& painter, const QRectF& rect) const {
    const Layout layout = ComputeLayout(rect);
    RenderLayout(painter, rect, layout,
                 layout.bValid ? DevicePixelColumns(painter, layout.plot) : 1);
}

void ctlChart::RenderLayout(QPainter& painter, const QRectF& rect, const Layout& layout,
                            int iPixelColumns) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    if (d->background.alpha() > 0) {
        painter.fillRect(rect, d->background);
    }
    if (layout.bValid) {
        painter.setFont(layout.font);
        DrawAxes(painter, layout);
        DrawYearMarks(painter, layout);
        DrawReferenceLines(painter, layout);
        DrawSeries(painter, layout, iPixelColumns);
        DrawEmptyText(painter, layout);
        DrawLegend(painter, layout, rect);
    }
    painter.restore();
}

double ctlChart::ValueY(const Layout& layout, double value) {
    const AxisScale& scale = layout.scale;
    return layout.plot.bottom() - (value - scale.lo) / (scale.hi - scale.lo) * layout.plot.height();
}

void ctlChart::DrawAxes(QPainter& painter, const Layout& layout) const {
    const QRectF& plot = layout.plot;
    const AxisScale& scale = layout.scale;

    QPen gridPen(d->grid, std::max(1.0, layout.penWidth * 0.6));
    gridPen.setCosmetic(false);
    QPen textPen(d->foreground);
    for (double v = scale.lo; v <= scale.hi + scale.step * 0.5; v += scale.step) {
        const double y = ValueY(layout, v);
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

void ctlChart::DrawYearMarks(QPainter& painter, const Layout& layout) const {
    const std::vector<YearMark> marks = YearMarks(layout);
    if (marks.empty()) {
        return;
    }
    const QRectF& plot = layout.plot;
    QColor lineColour = d->foreground;
    lineColour.setAlphaF(lineColour.alphaF() * 0.35f);
    const QPen linePen(lineColour, std::max(1.0, layout.penWidth * 0.6));
    const QPen textPen(d->foreground);
    for (const YearMark& mark : marks) {
        if (mark.bYearStart) {
            // A thin line across the plot where the year begins, and a tick beside its year.
            painter.setPen(linePen);
            painter.drawLine(QPointF(mark.x, plot.top()), QPointF(mark.x, plot.bottom()));
            painter.drawLine(QPointF(mark.x, mark.text.top()),
                             QPointF(mark.x, mark.text.top() + mark.text.height() * 0.75));
        }
        painter.setPen(textPen);
        painter.drawText(mark.text, Qt::AlignLeft | Qt::AlignTop, QString::number(mark.iYear));
    }
}

void ctlChart::DrawReferenceLines(QPainter& painter, const Layout& layout) const {
    for (const ReferenceSlot& slot : ReferenceSlots(layout)) {
        QPen pen(SeriesColour(slot.iColumn), std::max(1.0, layout.penWidth * 0.8), Qt::DashLine,
                 Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(QPointF(layout.plot.left(), slot.y), QPointF(layout.plot.right(), slot.y));
    }
}

void ctlChart::DrawSeries(QPainter& painter, const Layout& layout, int iPixelColumns) const {
    if (d->iRows <= 0 || d->iColumns <= 0) {
        return;
    }
    if (d->type == ChartType::Bar2d) {
        DrawBars(painter, layout);
    } else if (d->iRows > iPixelColumns) {
        // More rows than device pixels across the plot: rows share pixel columns.
        DrawDense(painter, layout, iPixelColumns);
    } else {
        DrawLines(painter, layout);
    }
    painter.setBrush(Qt::NoBrush);
}

void ctlChart::DrawBars(QPainter& painter, const Layout& layout) const {
    for (const BarSlot& slot : BarSlots(layout)) {
        painter.fillRect(slot.bar, SeriesColour(slot.iColumn));
        if (!slot.label.isEmpty()) {
            painter.setPen(d->foreground);
            painter.drawText(slot.label, Qt::AlignHCenter | Qt::AlignBottom, slot.szValue);
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
                StrokeLine(painter, points.data(), static_cast<int>(points.size()));
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
    // Each pixel column gets a faint band from its lowest to its highest value, so single
    // peaks and dips stay visible, and a solid line joins the columns' means, so the trend
    // reads through the day-to-day scatter. The mean rather than the median: it is one pass
    // without sorting, it is what the tooltip and the description call the average, and the
    // band already shows the outliers that would pull it.
    const std::vector<DenseSeries> shapes = DenseShapes(layout, iBuckets);
    const double dotRadius = layout.penWidth * 1.2;
    for (size_t c = 0; c < shapes.size(); ++c) {
        const QColor colour = SeriesColour(static_cast<qint16>(c + 1));
        QColor band = colour;
        band.setAlphaF(static_cast<float>(colour.alphaF() * kBandOpacity));
        // Pixel-wide rectangles fill in time linear in the width, whatever the data's shape.
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(Qt::NoPen);
        painter.setBrush(band);
        const std::vector<QRectF>& bands = shapes[c].bands;
        if (!bands.empty()) {
            // On whole pixels (the same pixels without antialiasing): Qt fills whole-pixel
            // rectangles directly, fractional ones as paths at many times the cost.
            std::vector<QRect> pixels;
            pixels.reserve(bands.size());
            for (const QRectF& band : bands) {
                const int iLeft = qRound(band.left());
                const int iTop = qRound(band.top());
                pixels.emplace_back(iLeft, iTop, std::max(1, qRound(band.right()) - iLeft),
                                    std::max(1, qRound(band.bottom()) - iTop));
            }
            painter.drawRects(pixels.data(), static_cast<int>(pixels.size()));
        }
        painter.setRenderHint(QPainter::Antialiasing, true);
        const QPen pen(colour, layout.penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        painter.setBrush(colour);
        for (const QPolygonF& line : shapes[c].meanLines) {
            if (line.size() == 1) {
                painter.setPen(Qt::NoPen);
                painter.drawEllipse(line.front(), dotRadius, dotRadius);
            } else {
                painter.setPen(pen);
                StrokeLine(painter, line.constData(), static_cast<int>(line.size()));
            }
        }
    }
}

void ctlChart::DrawEmptyText(QPainter& painter, const Layout& layout) const {
    if (d->iRows > 0 || d->szEmptyText.isEmpty()) {
        return;
    }
    painter.setPen(d->foreground);
    painter.drawText(layout.plot.adjusted(layout.pad, layout.pad, -layout.pad, -layout.pad),
                     Qt::AlignCenter | Qt::TextWordWrap, d->szEmptyText);
}

void ctlChart::DrawLegend(QPainter& painter, const Layout& layout, const QRectF& rect) const {
    const QFontMetricsF fm(layout.font);
    const double swatch = fm.height() * 1.2;
    const double gap = layout.fontPx * 0.4;
    const double between = layout.fontPx * 1.4;

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
    for (int i = 0; i < d->columnLabels.size(); ++i) {
        if (!d->columnLabels[i].isEmpty()) {
            add(Entry{d->columnLabels[i], SeriesColour(static_cast<qint16>(i + 1))});
        }
    }
    const std::vector<ReferenceSlot> references = ReferenceSlots(layout);
    if (!references.empty() && !d->szReferenceName.isEmpty()) {
        add(Entry{d->szReferenceName, QColor(), true});
    }
    if (entries.empty()) {
        return;
    }
    double x = std::max(rect.left() + layout.pad, layout.plot.right() - total);
    const double yMid = rect.top() + (layout.plot.top() - rect.top()) / 2;
    for (const Entry& entry : entries) {
        if (entry.bReference) {
            // One short dashed line per reference line, one above the other.
            const double step = fm.height() * 0.35;
            double y = yMid - step * (static_cast<double>(references.size()) - 1) / 2;
            for (const ReferenceSlot& slot : references) {
                painter.setPen(QPen(SeriesColour(slot.iColumn),
                                    std::max(1.0, layout.penWidth * 0.8), Qt::DashLine,
                                    Qt::FlatCap));
                painter.drawLine(QPointF(x, y), QPointF(x + swatch, y));
                y += step;
            }
        } else if (d->type == ChartType::Bar2d) {
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

ctlChart::RowSpan ctlChart::SpanAt(const QPointF& pos) const {
    const Layout layout = ComputeLayout(QRectF(rect()));
    if (!layout.bValid || d->iRows <= 0) {
        return RowSpan();
    }
    const QRectF& plot = layout.plot;
    const double reach = layout.fontPx;
    if (pos.x() < plot.left() - reach || pos.x() > plot.right() + reach) {
        return RowSpan();
    }
    const int iBuckets = PixelColumns(plot, devicePixelRatioF());
    if (d->type != ChartType::Bar2d && d->iRows > iBuckets) {
        const double column = std::floor((pos.x() - plot.left()) / plot.width() * iBuckets);
        const int b = static_cast<int>(std::clamp(column, 0.0, iBuckets - 1.0));
        const auto [iBegin, iEnd] = ColumnRows(b, iBuckets, d->iRows);
        return SummariseRows(static_cast<qint16>(iBegin + 1), static_cast<qint16>(iEnd));
    }
    const qint16 iRow = NearestRow(plot, pos.x());
    return SummariseRows(iRow, iRow);
}

QString ctlChart::SpanText(const RowSpan& span) const {
    if (span.iFirstRow <= 0 || !d->describer.span) {
        return QString();
    }
    return d->describer.span(*this, span);
}

QString ctlChart::ToolTipAt(const QPointF& pos) const {
    return SpanText(SpanAt(pos));
}

qint16 ctlChart::CursorRow() const {
    return d->iCursorRow;
}

void ctlChart::SetCursorRow(qint16 iRow) {
    const qint16 iNew = iRow >= 1 && iRow <= d->iRows ? iRow : qint16(0);
    if (iNew != d->iCursorRow) {
        d->iCursorRow = iNew;
        update();
        NotifyDescriptionChanged();
    }
}

QString ctlChart::Description() const {
    if (d->iCursorRow > 0 && hasFocus() && !isHidden()) {
        return SpanText(SummariseRows(d->iCursorRow, d->iCursorRow));
    }
    return d->describer.summary ? d->describer.summary(*this) : QString();
}

void ctlChart::MoveCursor(qint16 iRow) {
    SetCursorRow(std::clamp<qint16>(iRow, 1, std::max<qint16>(1, d->iRows)));
    if (d->iCursorRow <= 0) {
        return;
    }
    // Sighted keyboard users read the row where the pointer's tooltip would show it.
    const Layout layout = ComputeLayout(QRectF(rect()));
    const QString szText = SpanText(SummariseRows(d->iCursorRow, d->iCursorRow));
    if (layout.bValid && !szText.isEmpty() && isVisible()) {
        const QPoint at(static_cast<int>(RowCentre(layout.plot, d->iCursorRow)),
                        static_cast<int>(layout.plot.top()));
        QToolTip::showText(mapToGlobal(at), szText, this);
    }
}

void ctlChart::NotifyDescriptionChanged() {
    emit DescriptionChanged();
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

bool ctlChart::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString szText = ToolTipAt(help->pos());
        if (szText.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), szText, this);
        }
        return true;
    }
    return QWidget::event(event);
}

void ctlChart::keyPressEvent(QKeyEvent* event) {
    const qint16 iRows = d->iRows;
    if (iRows <= 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    const qint16 iCursor = d->iCursorRow;
    // A page is a week, or the rows of one pixel column where they are more.
    const Layout layout = ComputeLayout(QRectF(rect()));
    const int iPage =
        std::max(7, layout.bValid ? static_cast<int>(std::ceil(iRows / layout.plot.width())) : 7);
    const auto by = [&](int iStep) {
        return static_cast<qint16>(
            iCursor == 0 ? iRows : std::clamp(iCursor + iStep, 1, static_cast<int>(iRows)));
    };
    switch (event->key()) {
    case Qt::Key_Left:
        MoveCursor(by(-1));
        break;
    case Qt::Key_Right:
        MoveCursor(by(1));
        break;
    case Qt::Key_PageUp:
        MoveCursor(by(-iPage));
        break;
    case Qt::Key_PageDown:
        MoveCursor(by(iPage));
        break;
    case Qt::Key_Home:
        MoveCursor(1);
        break;
    case Qt::Key_End:
        MoveCursor(iRows);
        break;
    case Qt::Key_Escape:
        if (iCursor == 0) {
            QWidget::keyPressEvent(event);
            return;
        }
        SetCursorRow(0);
        QToolTip::hideText();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void ctlChart::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && d->iRows > 0) {
        const Layout layout = ComputeLayout(QRectF(rect()));
        if (layout.bValid) {
            SetCursorRow(NearestRow(layout.plot, event->position().x()));
        }
    }
    QWidget::mousePressEvent(event);
}

void ctlChart::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
    NotifyDescriptionChanged();
}

void ctlChart::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
    NotifyDescriptionChanged();
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

QImage ctlChart::Picture(qreal scale) const {
    // A picture has no window behind it: a see-through background goes onto white.
    return RenderImage(size(), scale, Qt::white);
}

void ctlChart::CopyToClipboard(qreal scale) const {
    const QImage image = Picture(scale);
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
    // One request per paint, and one word to a screen reader per fill: a fill writes tens of
    // thousands of cells.
    if (!d->bRepaintPending) {
        d->bRepaintPending = true;
        update();
    }
    if (!d->bDescriptionPending) {
        d->bDescriptionPending = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                d->bDescriptionPending = false;
                NotifyDescriptionChanged();
            },
            Qt::QueuedConnection);
    }
}

void ctlChart::paintEvent(QPaintEvent* event) {
    Q_UNUSED(event);
    d->bRepaintPending = false;
    QPainter painter(this);
    const QRectF area(rect());
    const Layout layout = ComputeLayout(area);
    RenderLayout(painter, area, layout,
                 layout.bValid ? DevicePixelColumns(painter, layout.plot) : 1);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    if (hasFocus() && d->iCursorRow > 0 && layout.bValid) {
        // The row the arrow keys have reached.
        const double x = RowCentre(layout.plot, d->iCursorRow);
        painter.setPen(QPen(d->focus, std::max(1.0, layout.penWidth), Qt::DashLine));
        painter.drawLine(QPointF(x, layout.plot.top()), QPointF(x, layout.plot.bottom()));
    }
    if (hasFocus()) {
        // A frame of 2 pixels shows where the keyboard is.
        painter.setPen(QPen(d->focus, 2));
        painter.drawRect(area.adjusted(1, 1, -1, -1));
    }
}
