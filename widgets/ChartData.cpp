#include "widgets/ChartData.h"

#include "xmlstore/ReadyMemory.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace {

constexpr float kGap = std::numeric_limits<float>::quiet_NaN();

// Reads decimal text as a number; text that is not a finite number gives a gap.
float ParseCell(const QString& szValue) {
    bool bOk = false;
    const double value = QLocale::c().toDouble(QStringView(szValue).trimmed(), &bOk);
    return bOk ? ChartData::CellValue(value) : kGap;
}

} // namespace

void ChartData::SetColumnCount(qint16 iCount) {
    m_iColumns = std::max<qint16>(0, iCount);
    // Refilled in place: a chart that is rebuilt often keeps its memory.
    const auto iRows = static_cast<size_t>(m_iRows);
    m_cells.resize(static_cast<size_t>(m_iColumns));
    for (std::vector<float>& column : m_cells) {
        ReserveReady(column, iRows);
        column.assign(iRows, kGap);
    }
    m_lows.clear();
    m_highs.clear();
    m_samples.clear();
    for (QString& label : m_labels) {
        label.clear();
    }
    ReserveReady(m_labels, iRows);
    m_labels.resize(iRows);
    ReserveReady(m_dates, iRows);
    m_dates.assign(iRows, QDate());
}

void ChartData::SetRowCount(qint16 iCount) {
    m_iRows = std::max<qint16>(0, iCount);
    const auto iRows = static_cast<size_t>(m_iRows);
    for (std::vector<float>& column : m_cells) {
        ReserveReady(column, iRows);
        column.resize(iRows, kGap);
    }
    for (auto* spread : {&m_lows, &m_highs}) {
        for (std::vector<float>& column : *spread) {
            column.resize(static_cast<size_t>(m_iRows), kGap);
        }
    }
    if (!m_samples.empty()) {
        m_samples.resize(static_cast<size_t>(m_iRows), 1);
    }
    ReserveReady(m_labels, iRows);
    m_labels.resize(iRows);
    ReserveReady(m_dates, iRows);
    m_dates.resize(iRows);
}

void ChartData::SetText(qint16 iRow, qint16 iColumn, const QString& szValue) {
    Write(iRow, iColumn, ParseCell(szValue));
}

std::optional<double> ChartData::ValueAt(qint16 iRow, qint16 iColumn) const {
    if (!HasCell(iRow, iColumn)) {
        return std::nullopt;
    }
    const float value = m_cells[static_cast<size_t>(iColumn - 1)][static_cast<size_t>(iRow - 1)];
    if (std::isnan(value)) {
        return std::nullopt;
    }
    return static_cast<double>(value);
}

void ChartData::SetSpread(qint16 iRow, qint16 iColumn, double low, double high) {
    if (!HasCell(iRow, iColumn)) {
        return;
    }
    if (m_lows.empty()) {
        const std::vector<float> gaps(static_cast<size_t>(m_iRows), kGap);
        m_lows.assign(static_cast<size_t>(m_iColumns), gaps);
        m_highs.assign(static_cast<size_t>(m_iColumns), gaps);
    }
    const float lo = CellValue(std::min(low, high));
    const float hi = CellValue(std::max(low, high));
    const bool bBoth = !std::isnan(lo) && !std::isnan(hi);
    const auto c = static_cast<size_t>(iColumn - 1);
    const auto r = static_cast<size_t>(iRow - 1);
    m_lows[c][r] = bBoth ? lo : kGap;
    m_highs[c][r] = bBoth ? hi : kGap;
}

std::optional<std::pair<double, double>> ChartData::SpreadAt(qint16 iRow, qint16 iColumn) const {
    if (m_lows.empty() || !HasCell(iRow, iColumn)) {
        return std::nullopt;
    }
    const auto c = static_cast<size_t>(iColumn - 1);
    const auto r = static_cast<size_t>(iRow - 1);
    if (std::isnan(m_lows[c][r])) {
        return std::nullopt;
    }
    return std::pair<double, double>(m_lows[c][r], m_highs[c][r]);
}

void ChartData::SetSamples(qint16 iRow, int iSamples) {
    if (!HasRow(iRow)) {
        return;
    }
    if (m_samples.empty()) {
        if (iSamples == 1) {
            return;
        }
        m_samples.assign(static_cast<size_t>(m_iRows), 1);
    }
    m_samples[static_cast<size_t>(iRow - 1)] = std::max(0, iSamples);
}

int ChartData::SamplesAt(qint16 iRow) const {
    if (!HasRow(iRow)) {
        return 0;
    }
    return m_samples.empty() ? 1 : m_samples[static_cast<size_t>(iRow - 1)];
}

void ChartData::SetLabel(qint16 iRow, const QString& szLabel) {
    if (HasRow(iRow)) {
        m_labels[static_cast<size_t>(iRow - 1)] = szLabel;
    }
}

QString ChartData::LabelAt(qint16 iRow) const {
    return HasRow(iRow) ? m_labels[static_cast<size_t>(iRow - 1)] : QString();
}

void ChartData::SetDate(qint16 iRow, const QDate& dt) {
    if (HasRow(iRow)) {
        m_dates[static_cast<size_t>(iRow - 1)] = dt;
    }
}

QDate ChartData::DateAt(qint16 iRow) const {
    return HasRow(iRow) ? m_dates[static_cast<size_t>(iRow - 1)] : QDate();
}

ChartRowSpan ChartData::SummariseRows(qint16 iFirstRow, qint16 iLastRow) const {
    ChartRowSpan span;
    iFirstRow = std::max<qint16>(1, iFirstRow);
    iLastRow = std::min(iLastRow, m_iRows);
    if (iFirstRow > iLastRow) {
        return span;
    }
    span.iFirstRow = iFirstRow;
    span.iLastRow = iLastRow;
    span.iSamples = m_samples.empty() ? iLastRow - iFirstRow + 1
                                      : std::accumulate(m_samples.begin() + (iFirstRow - 1),
                                                        m_samples.begin() + iLastRow, 0);
    span.series.resize(static_cast<size_t>(m_iColumns));
    for (size_t c = 0; c < span.series.size(); ++c) {
        ChartSeriesSummary& summary = span.series[c];
        double sum = 0;
        for (int i = iFirstRow - 1; i < iLastRow; ++i) {
            const float value = m_cells[c][static_cast<size_t>(i)];
            if (std::isnan(value)) {
                continue;
            }
            summary.min = summary.iCount == 0 ? value : std::min<double>(summary.min, value);
            summary.max = summary.iCount == 0 ? value : std::max<double>(summary.max, value);
            sum += value;
            ++summary.iCount;
        }
        summary.mean = summary.iCount > 0 ? sum / summary.iCount : 0;
        if (!m_lows.empty()) {
            // A day's mean hides its own lowest and highest measurement: the span reaches them.
            for (int i = iFirstRow - 1; i < iLastRow; ++i) {
                const float low = m_lows[c][static_cast<size_t>(i)];
                if (!std::isnan(low) && !std::isnan(m_cells[c][static_cast<size_t>(i)])) {
                    summary.min = std::min<double>(summary.min, low);
                    summary.max = std::max<double>(summary.max, m_highs[c][static_cast<size_t>(i)]);
                }
            }
        }
    }
    return span;
}

std::pair<double, double> ChartData::ValueRange(bool bBars) const {
    double min = std::numeric_limits<double>::infinity();
    double max = -std::numeric_limits<double>::infinity();
    for (const auto* cells : {&m_cells, &m_lows, &m_highs}) {
        for (const std::vector<float>& column : *cells) {
            for (const float value : column) {
                if (!std::isnan(value)) {
                    min = std::min(min, static_cast<double>(value));
                    max = std::max(max, static_cast<double>(value));
                }
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

std::pair<QDate, QDate> ChartData::DateRange() const {
    const auto first = std::find_if(m_dates.cbegin(), m_dates.cend(),
                                    [](const QDate& dt) { return dt.isValid(); });
    if (first == m_dates.cend()) {
        return {};
    }
    const auto last = std::find_if(m_dates.crbegin(), m_dates.crend(),
                                   [](const QDate& dt) { return dt.isValid(); });
    return {*first, *last};
}

bool ChartContent::HasLegend() const {
    return std::any_of(columnLabels.cbegin(), columnLabels.cend(),
                       [](const QString& s) { return !s.isEmpty(); }) ||
           (!szReferenceName.isEmpty() && !referenceLines.empty());
}
