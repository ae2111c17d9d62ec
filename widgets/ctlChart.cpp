#include "widgets/ctlChart.h"

#include "widgets/ChartAccessible.h"
#include "widgets/ChartKeyboard.h"
#include "widgets/ChartPainter.h"

#include <QAccessible>
#include <QClipboard>
#include <QFont>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <future>
#include <system_error>
#include <utility>

namespace {

// A blank picture for a chart of size (device-independent pixels) at scale, made on the thread
// that asks for the chart: its memory then belongs to that thread's heap, also when the chart is
// drawn on another. (A report's picture made on the short-lived thread that drew it left several
// megabytes with that thread's heap once it was let go.)
QImage BlankChartImage(const QSize& size, qreal scale) {
    if (size.isEmpty() || !(scale > 0)) {
        return QImage();
    }
    QImage image(QSize(static_cast<int>(std::ceil(size.width() * scale)),
                       static_cast<int>(std::ceil(size.height() * scale))),
                 QImage::Format_ARGB32_Premultiplied);
    if (!image.isNull()) {
        image.setDevicePixelRatio(scale);
    }
    return image;
}

// A chart's content drawn on base into image, a BlankChartImage of size: what the control
// draws, from copies that any thread may use. The image is handed over, never shared (a shared
// one would be copied by its painter, on the drawing thread).
QImage DrawChartImage(QImage image, const ChartContent& content, const ChartStyle& style,
                      const QFont& font, const QSize& size, const QColor& base) {
    if (image.isNull()) {
        return image;
    }
    image.fill(base);
    QPainter painter(&image);
    const QRectF area(0, 0, size.width(), size.height());
    const ChartLayout layout = ChartLayout::Compute(content, font, area);
    ChartPainter chartPainter(painter, content, style, layout);
    chartPainter.Paint(area, chartPainter.DevicePixelColumns());
    painter.end();
    return image;
}

} // namespace

struct ctlChart::Impl {
    // Shared with a picture being drawn ahead, which then costs no copy of a large diary's
    // grid; a change while it is drawn copies it first (Edit).
    std::shared_ptr<ChartContent> shared = std::make_shared<ChartContent>();
    const ChartContent& content() const { return *shared; }
    ChartStyle style;
    // The current cell, where the next label and value go.
    qint16 iRow = 1;
    qint16 iColumn = 1;
    QPointer<QWidget> emptyStateWidget;
    Describer describer;
    qint16 iCursorRow = 0;
    bool bRepaintPending = false;
    bool bDescriptionPending = false;
    // Counts the changes of what the chart draws.
    quint64 iDrawnState = 0;

    // A picture of the chart being drawn on another thread, and what it was drawn for.
    struct Ahead {
        std::future<QImage> image;
        quint64 iDrawnState = 0;
        QSize size;
        qreal scale = 1;
        QColor base;
        QFont font;
    };
    std::optional<Ahead> ahead;

    const ChartData& Grid() const { return shared->grid; }
    // The content to change, this control's own.
    ChartContent& Edit() {
        if (shared.use_count() > 1) {
            shared = std::make_shared<ChartContent>(*shared);
        }
        return *shared;
    }
    // The content to change, this control's own, but for its grid: one shared with a picture
    // being drawn ahead is copied without its grid (left empty), which is about to be replaced.
    ChartContent& EditAllButGrid() {
        if (shared.use_count() > 1) {
            const ChartContent& old = *shared;
            auto fresh = std::make_shared<ChartContent>();
            fresh->type = old.type;
            fresh->columnLabels = old.columnLabels;
            fresh->referenceLines = old.referenceLines;
            fresh->szReferenceName = old.szReferenceName;
            fresh->szEmptyText = old.szEmptyText;
            shared = std::move(fresh);
        }
        return *shared;
    }
};

ctlChart::ctlChart(QWidget* parent) : QWidget(parent), d(std::make_unique<Impl>()) {
    InstallChartAccessibility();
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setFocusPolicy(Qt::StrongFocus);
}

ctlChart::~ctlChart() = default;

void ctlChart::SetColumnCount(qint16 iCount) {
    d->Edit().grid.SetColumnCount(iCount);
    d->iCursorRow = 0;
    ScheduleRepaint();
}

qint16 ctlChart::ColumnCount() const {
    return d->Grid().ColumnCount();
}

void ctlChart::SetRowCount(qint16 iCount) {
    d->Edit().grid.SetRowCount(iCount);
    if (d->iCursorRow > d->Grid().RowCount()) {
        d->iCursorRow = 0;
    }
    ScheduleRepaint();
}

qint16 ctlChart::RowCount() const {
    return d->Grid().RowCount();
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
    if (d->Grid().HasRow(d->iRow)) {
        d->Edit().grid.SetLabel(d->iRow, szLabel);
        ScheduleRepaint();
    }
}

QString ctlChart::RowLabelAt(qint16 iRow) const {
    return d->Grid().LabelAt(iRow);
}

void ctlChart::SetRowDate(const QDate& dt) {
    if (d->Grid().HasRow(d->iRow)) {
        d->Edit().grid.SetDate(d->iRow, dt);
        ScheduleRepaint();
    }
}

QDate ctlChart::RowDateAt(qint16 iRow) const {
    return d->Grid().DateAt(iRow);
}

void ctlChart::SetData(const QString& szValue) {
    if (d->Grid().HasCell(d->iRow, d->iColumn)) {
        d->Edit().grid.SetText(d->iRow, d->iColumn, szValue);
        ScheduleRepaint();
    }
}

void ctlChart::SetDataValue(double value) {
    if (d->Grid().HasCell(d->iRow, d->iColumn)) {
        d->Edit().grid.SetValue(d->iRow, d->iColumn, value);
        ScheduleRepaint();
    }
}

std::optional<double> ctlChart::DataAt(qint16 iRow, qint16 iColumn) const {
    return d->Grid().ValueAt(iRow, iColumn);
}

void ctlChart::SetDataSpread(double low, double high) {
    d->Edit().grid.SetSpread(d->iRow, d->iColumn, low, high);
    ScheduleRepaint();
}

std::optional<std::pair<double, double>> ctlChart::SpreadAt(qint16 iRow, qint16 iColumn) const {
    return d->Grid().SpreadAt(iRow, iColumn);
}

void ctlChart::SetRowSamples(int iSamples) {
    d->Edit().grid.SetSamples(d->iRow, iSamples);
    ++d->iDrawnState;
}

int ctlChart::RowSamplesAt(qint16 iRow) const {
    return d->Grid().SamplesAt(iRow);
}

void ctlChart::SetGrid(ChartData grid) {
    d->EditAllButGrid().grid = std::move(grid);
    d->iRow = 1;
    d->iColumn = 1;
    d->iCursorRow = 0;
    ScheduleRepaint();
}

ChartData ctlChart::TakeGrid() {
    ChartData grid = std::exchange(d->EditAllButGrid().grid, ChartData());
    d->iCursorRow = 0;
    ScheduleRepaint();
    return grid;
}

void ctlChart::SetChartType(ChartType type) {
    d->Edit().type = type;
    ScheduleRepaint();
}

ctlChart::ChartType ctlChart::GetChartType() const {
    return d->content().type;
}

void ctlChart::SetColumnLabels(const QStringList& labels) {
    d->Edit().columnLabels = labels;
    ScheduleRepaint();
}

QStringList ctlChart::ColumnLabels() const {
    return d->content().columnLabels;
}

void ctlChart::SetSeriesColours(const std::vector<QColor>& colours) {
    d->style.colours = colours;
    ScheduleRepaint();
}

void ctlChart::SetPalette(const QColor& background, const QColor& foreground, const QColor& grid) {
    d->style.background = background;
    d->style.foreground = foreground;
    d->style.grid = grid;
    ScheduleRepaint();
}

QColor ctlChart::BackgroundColour() const {
    return d->style.background;
}

QColor ctlChart::TextColour() const {
    return d->style.foreground;
}

QColor ctlChart::SeriesColour(qint16 iColumn) const {
    return d->style.SeriesColour(iColumn);
}

void ctlChart::SetFocusColour(const QColor& colour) {
    d->style.focus = colour;
    update();
}

void ctlChart::SetReferenceLines(const std::vector<ReferenceLine>& lines,
                                 const QString& szLegendName) {
    d->Edit().referenceLines = lines;
    d->Edit().szReferenceName = szLegendName;
    ScheduleRepaint();
}

void ctlChart::SetEmptyText(const QString& szText) {
    d->Edit().szEmptyText = szText;
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
    return d->Grid().SummariseRows(iFirstRow, iLastRow);
}

ctlChart::AxisScale ctlChart::NiceScale(double min, double max, int iMaxTicks) {
    return NiceChartScale(min, max, iMaxTicks);
}

ctlChart::AxisScale ctlChart::ValueScale(int iMaxTicks) const {
    const auto [min, max] = d->Grid().ValueRange(d->content().Bars());
    return NiceChartScale(min, max, iMaxTicks);
}

ChartLayout ctlChart::LayoutFor(const QRectF& rect) const {
    return ChartLayout::Compute(d->content(), font(), rect);
}

ctlChart::AxisScale ctlChart::ValueAxis(const QRectF& rect) const {
    return LayoutFor(rect).scale;
}

QRectF ctlChart::PlotArea(const QRectF& rect) const {
    return LayoutFor(rect).plot;
}

double ctlChart::RowCentre(const QRectF& plot, qint16 iRow) const {
    return ChartRowCentre(plot, d->Grid().RowCount(), iRow);
}

std::vector<ctlChart::RowLabelSlot> ctlChart::RowLabelLayout(const QRectF& rect) const {
    return LayoutFor(rect).RowLabels(d->content());
}

std::vector<ctlChart::YearMark> ctlChart::YearMarkLayout(const QRectF& rect) const {
    return LayoutFor(rect).YearMarks(d->content());
}

std::vector<ctlChart::ReferenceSlot> ctlChart::ReferenceLineLayout(const QRectF& rect) const {
    return LayoutFor(rect).ReferenceLines(d->content());
}

std::vector<ctlChart::BarSlot> ctlChart::BarLayout(const QRectF& rect) const {
    return LayoutFor(rect).Bars(d->content());
}

QRectF ctlChart::EmptyTextArea(const QRectF& rect) const {
    return LayoutFor(rect).EmptyTextArea(d->content());
}

std::vector<ctlChart::RowSpan> ctlChart::DenseColumns(const QRectF& rect, qreal pixelRatio) const {
    const ChartLayout layout = LayoutFor(rect);
    if (!layout.bValid) {
        return {};
    }
    return layout.DenseSpans(d->content(), ChartPixelColumns(layout.plot.width(), pixelRatio));
}

std::vector<ctlChart::DenseSeries> ctlChart::DenseLayout(const QRectF& rect,
                                                         qreal pixelRatio) const {
    const ChartLayout layout = LayoutFor(rect);
    if (!layout.bValid) {
        return {};
    }
    return layout.DenseShapes(d->content(), ChartPixelColumns(layout.plot.width(), pixelRatio));
}

void ctlChart::Render(QPainter& painter, const QRectF& rect) const {
    const ChartLayout layout = LayoutFor(rect);
    ChartPainter chartPainter(painter, d->content(), d->style, layout);
    chartPainter.Paint(rect, chartPainter.DevicePixelColumns());
}

ctlChart::RowSpan ctlChart::SpanAt(const QPointF& pos) const {
    const ChartLayout layout = LayoutFor(QRectF(rect()));
    const qint16 iRows = d->Grid().RowCount();
    if (!layout.bValid || iRows <= 0) {
        return RowSpan();
    }
    const QRectF& plot = layout.plot;
    const double reach = layout.fontPx;
    if (pos.x() < plot.left() - reach || pos.x() > plot.right() + reach) {
        return RowSpan();
    }
    const int iBuckets = ChartPixelColumns(plot.width(), devicePixelRatioF());
    if (!d->content().Bars() && iRows > iBuckets) {
        const double column = std::floor((pos.x() - plot.left()) / plot.width() * iBuckets);
        const int b = static_cast<int>(std::clamp(column, 0.0, iBuckets - 1.0));
        const auto [iBegin, iEnd] = ChartColumnRows(b, iBuckets, iRows);
        return SummariseRows(static_cast<qint16>(iBegin + 1), static_cast<qint16>(iEnd));
    }
    const qint16 iRow = layout.NearestRow(iRows, pos.x());
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
    const qint16 iNew = d->Grid().HasRow(iRow) ? iRow : qint16(0);
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
    SetCursorRow(std::clamp<qint16>(iRow, 1, std::max<qint16>(1, d->Grid().RowCount())));
    if (d->iCursorRow <= 0) {
        return;
    }
    // Sighted keyboard users read the row where the pointer's tooltip would show it.
    const ChartLayout layout = LayoutFor(QRectF(rect()));
    const QString szText = SpanText(SummariseRows(d->iCursorRow, d->iCursorRow));
    if (layout.bValid && !szText.isEmpty() && isVisible()) {
        const QPoint at(static_cast<int>(layout.RowCentre(d->Grid().RowCount(), d->iCursorRow)),
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
    const qint16 iRows = d->Grid().RowCount();
    int iPage = 7;
    if (iRows > 0) {
        const ChartLayout layout = LayoutFor(QRectF(rect()));
        iPage = ChartPageRows(iRows, layout.bValid ? layout.plot.width() : 0);
    }
    const std::optional<qint16> target = ChartKeyTarget(event->key(), d->iCursorRow, iRows, iPage);
    if (!target) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (*target == 0) {
        SetCursorRow(0);
        QToolTip::hideText();
    } else {
        MoveCursor(*target);
    }
    event->accept();
}

void ctlChart::mousePressEvent(QMouseEvent* event) {
    const qint16 iRows = d->Grid().RowCount();
    if (event->button() == Qt::LeftButton && iRows > 0) {
        const ChartLayout layout = LayoutFor(QRectF(rect()));
        if (layout.bValid) {
            SetCursorRow(layout.NearestRow(iRows, event->position().x()));
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
    return DrawChartImage(BlankChartImage(size, scale), d->content(), d->style, font(), size, base);
}

void ctlChart::PictureAhead(const QSize& size, qreal scale) {
    DrawAhead(size, scale, Qt::white);
}

QImage ctlChart::Picture(qreal scale) const {
    if (QImage ahead = TakeAhead(size(), scale, Qt::white); !ahead.isNull()) {
        return ahead;
    }
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
    ++d->iDrawnState;
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

void ctlChart::PaintAhead() {
    const qreal dpr = devicePixelRatioF();
    // The picture is copied onto whole device pixels, where the chart must lie too.
    const QPointF origin = QPointF(mapTo(window(), QPoint(0, 0))) * dpr;
    if (isVisible() || isHidden() || origin != origin.toPoint()) {
        return;
    }
    // Drawn on nothing: the window's background shows through where the chart lets it.
    DrawAhead(size(), dpr, Qt::transparent);
}

void ctlChart::DrawAhead(const QSize& size, qreal scale, const QColor& base) const {
    if (size.isEmpty() || !(scale > 0)) {
        return;
    }
    if (d->ahead && d->ahead->iDrawnState == d->iDrawnState && d->ahead->size == size &&
        d->ahead->scale == scale && d->ahead->base == base && d->ahead->font == font()) {
        return; // already being drawn
    }
    Impl::Ahead ahead;
    ahead.iDrawnState = d->iDrawnState;
    ahead.size = size;
    ahead.scale = scale;
    ahead.base = base;
    ahead.font = font();
    try {
        ahead.image = std::async(
            std::launch::async, [image = BlankChartImage(size, scale),
                                 content = std::shared_ptr<const ChartContent>(d->shared),
                                 style = d->style, font = ahead.font, size, base]() mutable {
                return DrawChartImage(std::move(image), *content, style, font, size, base);
            });
    } catch (const std::system_error&) {
        // No thread: the picture is drawn when it is needed.
        return;
    }
    d->ahead = std::move(ahead);
}

QImage ctlChart::TakeAhead(const QSize& size, qreal scale, const QColor& base) const {
    if (!d->ahead) {
        return {};
    }
    Impl::Ahead ahead = std::move(*d->ahead);
    d->ahead.reset();
    if (ahead.iDrawnState != d->iDrawnState || ahead.size != size || ahead.scale != scale ||
        ahead.base != base || ahead.font != font() || !ahead.image.valid()) {
        return {};
    }
    try {
        return ahead.image.get();
    } catch (const std::exception&) {
        // Not drawn (no memory for the picture): drawn anew.
        return {};
    }
}

void ctlChart::paintEvent(QPaintEvent* event) {
    Q_UNUSED(event);
    d->bRepaintPending = false;
    QPainter painter(this);
    const QRectF area(rect());
    const QImage ahead = TakeAhead(size(), devicePixelRatioF(), Qt::transparent);
    if (!ahead.isNull()) {
        painter.drawImage(QPointF(0, 0), ahead);
        if (!hasFocus()) {
            return;
        }
    }
    const ChartLayout layout = LayoutFor(area);
    ChartPainter chartPainter(painter, d->content(), d->style, layout);
    if (ahead.isNull()) {
        chartPainter.Paint(area, chartPainter.DevicePixelColumns());
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    if (hasFocus() && d->iCursorRow > 0 && layout.bValid) {
        // The row the arrow keys have reached.
        chartPainter.PaintCursor(d->iCursorRow);
    }
    if (hasFocus()) {
        chartPainter.PaintFocusFrame(area);
    }
}
