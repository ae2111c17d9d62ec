#include "widgets/ChartLayout.h"

#include "i18n/Translations.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

ChartAxisScale NiceChartScale(double min, double max, int iMaxTicks) {
    if (!std::isfinite(min) || !std::isfinite(max)) {
        return ChartAxisScale{};
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
        ChartAxisScale scale;
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

std::pair<int, int> ChartColumnRows(int b, int iColumns, int iRows) {
    const auto first = [&](qint64 c) {
        const qint64 n = 2 * c * iRows - iColumns;
        return n <= 0 ? 0 : static_cast<int>((n + 2 * qint64(iColumns) - 1) / (2 * iColumns));
    };
    return {first(b), b + 1 >= iColumns ? iRows : first(b + 1)};
}

double ChartRowCentre(const QRectF& plot, int iRows, qint16 iRow) {
    if (iRows <= 0) {
        return plot.center().x();
    }
    return plot.left() + (iRow - 0.5) * plot.width() / iRows;
}

int ChartPixelColumns(double width, qreal pixelRatio) {
    return static_cast<int>(std::clamp(std::ceil(width * pixelRatio), 1.0, 65536.0));
}

namespace {

// Width of the widest tick text.
double AxisLabelWidth(const ChartLayout& layout, const QFontMetricsF& fm) {
    double width = 0;
    for (const double v : layout.Ticks()) {
        width = std::max(width, fm.horizontalAdvance(layout.TickText(v)));
    }
    return width;
}

// Width of a row label: the longest one, measured once, and never narrower than as many digits
// (drawn labels that are wider still are elided to this width). 0 when no row has a label.
double RowLabelWidth(const std::vector<QString>& labels, const QFontMetricsF& fm) {
    qsizetype iLongest = 0;
    const QString* szLongest = nullptr;
    for (const QString& label : labels) {
        if (label.size() > iLongest) {
            iLongest = label.size();
            szLongest = &label;
        }
    }
    if (!szLongest) {
        return 0;
    }
    return std::ceil(
        std::max(fm.horizontalAdvance(*szLongest), fm.horizontalAdvance(QString(iLongest, u'0'))));
}

} // namespace

void ChartLayout::SetSizes(const QFont& baseFont, double w, double h) {
    fontPx = std::max(7.0, std::min(w / 62.0, h / 18.0));
    pad = fontPx * 0.6;
    penWidth = std::max(1.0, fontPx / 6.5);
    font = baseFont;
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(fontPx))));
}

void ChartLayout::FitScale(const ChartContent& content, double plotHeight) {
    const QFontMetricsF fm(font);
    const int iMaxTicks = std::max(2, static_cast<int>(plotHeight / (fm.height() * 1.6)));
    const bool bBars = content.Bars();
    const auto [min, max] = content.grid.ValueRange(bBars);
    scale = NiceChartScale(min, max, iMaxTicks);
    if (bBars && plotHeight > 0) {
        // The value written above the tallest bar needs a line of room under the axis' top:
        // raise the top until the tallest bar ends that far below it.
        const double room = std::min(fm.height() * 1.15, plotHeight * 0.45) / plotHeight;
        for (int i = 0; i < 4; ++i) {
            const ChartAxisScale& s = scale;
            if ((s.hi - max) / (s.hi - s.lo) >= room) {
                break;
            }
            scale = NiceChartScale(s.lo, (max - s.lo * room) / (1 - room), iMaxTicks);
        }
    }
    iDecimals = scale.step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(scale.step) - 1e-9));
}

ChartLayout ChartLayout::Compute(const ChartContent& content, const QFont& baseFont,
                                 const QRectF& rect) {
    ChartLayout layout;
    const double w = rect.width();
    const double h = rect.height();
    if (!(w > 0) || !(h > 0)) {
        return layout;
    }
    layout.SetSizes(baseFont, w, h);
    const QFontMetricsF fm(layout.font);
    const double legendHeight = content.HasLegend() ? fm.height() * 1.5 : layout.pad;
    layout.rowLabelHeight = fm.height() * 1.3;
    // Rows in more than one calendar year get a row of year marks under their labels. Rows are
    // in date order, so the first and last known days tell.
    const auto [firstDate, lastDate] = content.grid.DateRange();
    if (firstDate.isValid() && firstDate.year() != lastDate.year()) {
        layout.yearHeight = fm.height() * 1.2;
    }

    const double plotTop = rect.top() + legendHeight;
    const double plotBottom =
        rect.bottom() - layout.pad * 0.4 - layout.rowLabelHeight - layout.yearHeight;
    layout.FitScale(content, plotBottom - plotTop);
    const double axisLabelWidth = AxisLabelWidth(layout, fm);
    layout.rowLabelWidth = RowLabelWidth(content.grid.Labels(), fm);

    const double plotLeft = rect.left() + std::max(layout.pad * 1.8 + axisLabelWidth,
                                                   layout.pad + layout.rowLabelWidth / 2);
    const double plotRight = rect.right() - std::max(layout.pad, layout.rowLabelWidth / 2 + 1);
    layout.plot = QRectF(QPointF(plotLeft, plotTop), QPointF(plotRight, plotBottom));
    layout.left = rect.left();
    layout.right = rect.right();
    layout.yearTop = plotBottom + layout.pad * 0.4 + layout.rowLabelHeight;
    if (layout.plot.width() < 1 || layout.plot.height() < 1) {
        return layout;
    }

    const qint16 iRows = content.grid.RowCount();
    if (iRows > 0 && layout.rowLabelWidth > 0) {
        const double spacing = layout.plot.width() / iRows;
        const double needed = layout.rowLabelWidth + layout.fontPx * 0.8;
        layout.iLabelStep = std::max(1, static_cast<int>(std::ceil(needed / spacing)));
    }
    layout.bValid = true;
    return layout;
}

double ChartLayout::ValueY(double value) const {
    return plot.bottom() - (value - scale.lo) / (scale.hi - scale.lo) * plot.height();
}

qint16 ChartLayout::NearestRow(int iRows, double x) const {
    if (iRows <= 0 || !(plot.width() > 0)) {
        return 0;
    }
    const double row = std::floor((x - plot.left()) / plot.width() * iRows);
    return static_cast<qint16>(std::clamp(row, 0.0, iRows - 1.0) + 1);
}

std::vector<double> ChartLayout::Ticks() const {
    std::vector<double> ticks;
    for (double v = scale.lo; v <= scale.hi + scale.step * 0.5; v += scale.step) {
        ticks.push_back(v);
    }
    return ticks;
}

QString ChartLayout::TickText(double value) const {
    // In the user's digits and decimal sign, without thousands separators (as the values).
    QLocale locale = DisplayLocale();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(std::abs(value) < scale.step * 1e-9 ? 0 : value, 'f', iDecimals);
}

std::vector<ChartRowLabelSlot> ChartLayout::RowLabels(const ChartContent& content) const {
    std::vector<ChartRowLabelSlot> labelSlots;
    const qint16 iRows = content.grid.RowCount();
    if (!bValid || iRows <= 0 || rowLabelWidth <= 0) {
        return labelSlots;
    }
    labelSlots.reserve(static_cast<size_t>(iRows / iLabelStep + 1));
    const double top = plot.bottom() + pad * 0.4;
    const std::vector<QString>& labels = content.grid.Labels();
    for (int iRow = 1; iRow <= iRows; iRow += iLabelStep) {
        if (labels[static_cast<size_t>(iRow - 1)].isEmpty()) {
            continue;
        }
        const double centre = RowCentre(iRows, static_cast<qint16>(iRow));
        labelSlots.push_back(
            ChartRowLabelSlot{static_cast<qint16>(iRow), QRectF(centre - rowLabelWidth / 2, top,
                                                                rowLabelWidth, rowLabelHeight)});
    }
    return labelSlots;
}

namespace {

// The first row of each year after the first row's (bYearStart true), and the year of the first
// row with a known day (bYearStart false; year 0 when no day is known).
std::pair<std::vector<ChartYearMark>, ChartYearMark> YearStarts(const std::vector<QDate>& dates) {
    std::vector<ChartYearMark> starts;
    ChartYearMark leading;
    int iPreviousYear = 0;
    for (size_t i = 0; i < dates.size(); ++i) {
        const QDate& dt = dates[i];
        if (!dt.isValid()) {
            continue;
        }
        if (iPreviousYear == 0) {
            leading = ChartYearMark{dt.year(), static_cast<qint16>(i + 1), false, 0, QRectF()};
        } else if (dt.year() != iPreviousYear) {
            starts.push_back(
                ChartYearMark{dt.year(), static_cast<qint16>(i + 1), true, 0, QRectF()});
        }
        iPreviousYear = dt.year();
    }
    return {std::move(starts), leading};
}

// Every placed year where their texts fit side by side, else every 2nd, 5th, 10th... year (the
// round ones). Marks of year 0 could not be placed.
std::vector<ChartYearMark> ThinYears(const std::vector<ChartYearMark>& starts, double space) {
    for (const int iEvery : {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 10000}) {
        std::vector<ChartYearMark> kept;
        bool bFits = true;
        for (const ChartYearMark& mark : starts) {
            if (mark.iYear == 0 || mark.iYear % iEvery != 0) {
                continue;
            }
            if (!kept.empty() && kept.back().text.right() + space > mark.text.left()) {
                bFits = false;
                break;
            }
            kept.push_back(mark);
        }
        if (bFits) {
            return kept;
        }
    }
    return {};
}

} // namespace

bool ChartLayout::PlaceYear(ChartYearMark& mark, int iRows) const {
    // A year's text goes right of its line, or left of it where it would leave the picture.
    const QFontMetricsF fm(font);
    const double gap = fontPx * 0.3;
    mark.x = RowCentre(iRows, mark.iRow);
    const double width = std::ceil(fm.horizontalAdvance(QString::number(mark.iYear)));
    double textLeft = mark.bYearStart ? mark.x + gap : std::max(left, mark.x - width / 2);
    if (textLeft + width > right) {
        textLeft = mark.x - gap - width;
    }
    mark.text = QRectF(textLeft, yearTop, width, yearHeight);
    return textLeft >= left;
}

std::vector<ChartYearMark> ChartLayout::YearMarks(const ChartContent& content) const {
    if (!bValid || yearHeight <= 0) {
        return {};
    }
    const double space = fontPx * 0.8;
    const int iRows = content.grid.RowCount();
    auto [starts, leading] = YearStarts(content.grid.Dates());
    for (ChartYearMark& mark : starts) {
        if (!PlaceYear(mark, iRows)) {
            mark.iYear = 0; // cannot be shown at this width
        }
    }
    std::vector<ChartYearMark> marks = ThinYears(starts, space);
    // The first row's year, at the left, where it does not crowd the first mark.
    if (leading.iYear != 0 && PlaceYear(leading, iRows) &&
        (marks.empty() || leading.text.right() + space <= marks.front().text.left())) {
        marks.insert(marks.begin(), leading);
    }
    return marks;
}

std::vector<ChartReferenceSlot> ChartLayout::ReferenceLines(const ChartContent& content) const {
    std::vector<ChartReferenceSlot> drawn;
    if (!bValid || content.grid.RowCount() <= 0) {
        return drawn;
    }
    for (const ChartReferenceLine& line : content.referenceLines) {
        if (line.value >= scale.lo && line.value <= scale.hi) {
            drawn.push_back(ChartReferenceSlot{line.iColumn, line.value, ValueY(line.value)});
        }
    }
    return drawn;
}

std::vector<ChartBarSlot> ChartLayout::Bars(const ChartContent& content) const {
    std::vector<ChartBarSlot> bars;
    const qint16 iRows = content.grid.RowCount();
    const qint16 iColumns = content.grid.ColumnCount();
    if (!bValid || !content.Bars() || iRows <= 0 || iColumns <= 0) {
        return bars;
    }
    const double spacing = plot.width() / iRows;
    // Bars stay slender when there are few rows, so one day does not fill the whole plot.
    const double group = std::min(spacing * 0.7, iColumns * fontPx * 6);
    const double barWidth = group / iColumns;
    const double baseline = ValueY(std::clamp(0.0, scale.lo, scale.hi));
    const QFontMetricsF fm(font);
    for (int iColumn = 0; iColumn < iColumns; ++iColumn) {
        const std::vector<float>& column = content.grid.Cells(iColumn);
        for (int i = 0; i < iRows; ++i) {
            const float value = column[static_cast<size_t>(i)];
            if (std::isnan(value)) {
                continue;
            }
            ChartBarSlot slot;
            slot.iRow = static_cast<qint16>(i + 1);
            slot.iColumn = static_cast<qint16>(iColumn + 1);
            const double x = plot.left() + (i + 0.5) * spacing - group / 2 + iColumn * barWidth;
            const double y = ValueY(value);
            slot.bar = QRectF(QPointF(x + barWidth * 0.08, std::min(y, baseline)),
                              QPointF(x + barWidth * 0.92, std::max(y, baseline)));
            // The value above its bar, where there is room for it; a bar of nothing (a value
            // never measured) says nothing.
            slot.szValue =
                value != 0 ? DisplayLocale().toString(static_cast<double>(value)) : QString();
            const QRectF label(x, y - fm.height() * 1.1, barWidth, fm.height());
            if (!slot.szValue.isEmpty() && fm.horizontalAdvance(slot.szValue) <= barWidth &&
                label.top() >= plot.top()) {
                slot.label = label;
            }
            if (const auto spread = content.grid.SpreadAt(slot.iRow, slot.iColumn)) {
                slot.spread = QRectF(QPointF(slot.bar.left(), ValueY(spread->second)),
                                     QPointF(slot.bar.right(), ValueY(spread->first)));
            }
            bars.push_back(slot);
        }
    }
    return bars;
}

std::vector<std::vector<QRectF>> ChartLayout::SpreadBands(const ChartContent& content) const {
    std::vector<std::vector<QRectF>> bands;
    const qint16 iRows = content.grid.RowCount();
    if (!bValid || content.Bars() || iRows <= 0 || !content.grid.HasSpreads()) {
        return bands;
    }
    const double spacing = plot.width() / iRows;
    // As wide as a point's dot or two, never wider than its row: the neighbours' bands touch
    // where rows are close, as dense drawing's pixel columns do.
    const double width = std::min(spacing, fontPx * 0.9);
    bands.resize(static_cast<size_t>(content.grid.ColumnCount()));
    for (qint16 iColumn = 1; iColumn <= content.grid.ColumnCount(); ++iColumn) {
        std::vector<QRectF>& series = bands[static_cast<size_t>(iColumn - 1)];
        for (qint16 iRow = 1; iRow <= iRows; ++iRow) {
            const auto spread = content.grid.SpreadAt(iRow, iColumn);
            if (!spread || !content.grid.ValueAt(iRow, iColumn)) {
                continue;
            }
            const double top = ValueY(spread->second);
            series.emplace_back(RowCentre(iRows, iRow) - width / 2, top, width,
                                ValueY(spread->first) - top);
        }
    }
    return bands;
}

QRectF ChartLayout::EmptyTextArea(const ChartContent& content) const {
    if (!bValid || content.grid.RowCount() > 0 || content.szEmptyText.isEmpty()) {
        return QRectF();
    }
    return plot.adjusted(pad, pad, -pad, -pad);
}

std::vector<ChartRowSpan> ChartLayout::DenseSpans(const ChartContent& content, int iBuckets) const {
    std::vector<ChartRowSpan> spans;
    const qint16 iRows = content.grid.RowCount();
    if (content.Bars() || iRows <= iBuckets || content.grid.ColumnCount() <= 0) {
        return spans;
    }
    spans.reserve(static_cast<size_t>(iBuckets));
    for (int b = 0; b < iBuckets; ++b) {
        const auto [iBegin, iEnd] = ChartColumnRows(b, iBuckets, iRows);
        spans.push_back(
            content.grid.SummariseRows(static_cast<qint16>(iBegin + 1), static_cast<qint16>(iEnd)));
    }
    return spans;
}

std::vector<ChartDenseSeries> ChartLayout::DenseShapes(const ChartContent& content,
                                                       int iBuckets) const {
    std::vector<ChartDenseSeries> shapes;
    const std::vector<ChartRowSpan> spans = DenseSpans(content, iBuckets);
    if (spans.empty()) {
        return shapes;
    }
    const double bucketWidth = plot.width() / iBuckets;
    shapes.resize(static_cast<size_t>(content.grid.ColumnCount()));
    for (size_t c = 0; c < shapes.size(); ++c) {
        ChartDenseSeries& shape = shapes[c];
        shape.bands.reserve(spans.size());
        QPolygonF line;
        for (size_t b = 0; b < spans.size(); ++b) {
            const ChartSeriesSummary& summary = spans[b].series[c];
            if (summary.iCount == 0) {
                if (!line.isEmpty()) {
                    shape.meanLines.push_back(std::move(line));
                    line = QPolygonF();
                }
                continue;
            }
            const double bandLeft = plot.left() + static_cast<double>(b) * bucketWidth;
            const double top = ValueY(summary.max);
            shape.bands.emplace_back(bandLeft, top, bucketWidth, ValueY(summary.min) - top);
            line.append(QPointF(bandLeft + bucketWidth / 2, ValueY(summary.mean)));
        }
        if (!line.isEmpty()) {
            shape.meanLines.push_back(std::move(line));
        }
    }
    return shapes;
}
