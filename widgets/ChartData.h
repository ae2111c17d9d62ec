#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <cmath>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

// What a span of rows holds in one series: how many values, the lowest, highest and mean.
struct ChartSeriesSummary {
    int iCount = 0;
    double min = 0;
    double max = 0;
    double mean = 0;
};

// A span of rows (first to last, 1-based) with the summary of each series; no rows: 0 and 0.
struct ChartRowSpan {
    qint16 iFirstRow = 0;
    qint16 iLastRow = 0;
    // How many measurements the rows stand for (a row whose values are means counts each).
    int iSamples = 0;
    std::vector<ChartSeriesSummary> series;
};

// The grid of values a chart holds: rows (each with a label and a calendar day) and columns
// (series). Rows and columns are 1-based; a cell that was not written is a gap, never a zero.
class ChartData {
public:
    // Starts a fresh grid of this many columns: every cell a gap, every label and day empty.
    void SetColumnCount(qint16 iCount);
    qint16 ColumnCount() const { return m_iColumns; }
    // Changes the number of rows, keeping the cells and labels of rows that still exist.
    void SetRowCount(qint16 iCount);
    qint16 RowCount() const { return m_iRows; }
    bool HasRow(qint16 iRow) const { return iRow >= 1 && iRow <= m_iRows; }
    bool HasCell(qint16 iRow, qint16 iColumn) const {
        return HasRow(iRow) && iColumn >= 1 && iColumn <= m_iColumns;
    }

    // The cell's value (a gap for a value that is not finite or too large for a cell). Inline:
    // a fill writes tens of thousands of cells.
    void SetValue(qint16 iRow, qint16 iColumn, double value) {
        Write(iRow, iColumn, CellValue(value));
    }
    // The cell's value from decimal text; text that is not a finite number leaves a gap.
    void SetText(qint16 iRow, qint16 iColumn, const QString& szValue);
    std::optional<double> ValueAt(qint16 iRow, qint16 iColumn) const;
    // A cell whose value is the mean of several measurements: the lowest and highest of them.
    // Summaries and the value axis reach them; the chart draws them as a faint band.
    void SetSpread(qint16 iRow, qint16 iColumn, double low, double high);
    std::optional<std::pair<double, double>> SpreadAt(qint16 iRow, qint16 iColumn) const;
    // How many measurements a row's values stand for (1 unless set otherwise).
    void SetSamples(qint16 iRow, int iSamples);
    int SamplesAt(qint16 iRow) const;
    // Whether any cell has a spread: a grid of single measurements keeps no spread at all.
    bool HasSpreads() const { return !m_lows.empty(); }
    void SetLabel(qint16 iRow, const QString& szLabel);
    QString LabelAt(qint16 iRow) const;
    void SetDate(qint16 iRow, const QDate& dt);
    QDate DateAt(qint16 iRow) const;

    // A series' cells in row order (column 0-based), NaN for a gap.
    const std::vector<float>& Cells(int iColumn) const {
        return m_cells[static_cast<size_t>(iColumn)];
    }
    const std::vector<QString>& Labels() const { return m_labels; }
    const std::vector<QDate>& Dates() const { return m_dates; }

    // What rows first to last hold, per series (clamped to the grid).
    ChartRowSpan SummariseRows(qint16 iFirstRow, qint16 iLastRow) const;
    // The lowest and highest written value (0 to 100 when nothing is written), with 0 for bars.
    std::pair<double, double> ValueRange(bool bBars) const;
    // The first and last known calendar day in row order (invalid when none is known).
    std::pair<QDate, QDate> DateRange() const;

    // A number as a cell holds it; one that is not finite, or too large, is a gap (NaN).
    static float CellValue(double value) {
        if (!std::isfinite(value) || std::abs(value) > std::numeric_limits<float>::max()) {
            return std::numeric_limits<float>::quiet_NaN();
        }
        return static_cast<float>(value);
    }

private:
    void Write(qint16 iRow, qint16 iColumn, float value) {
        if (HasCell(iRow, iColumn)) {
            m_cells[static_cast<size_t>(iColumn - 1)][static_cast<size_t>(iRow - 1)] = value;
        }
    }

    qint16 m_iColumns = 0;
    qint16 m_iRows = 0;
    // One vector per column, m_iRows long; NaN marks a cell that was not written.
    std::vector<std::vector<float>> m_cells;
    // The lowest and highest measurement of each cell, laid out as m_cells (NaN: none); empty
    // until a spread is set. Likewise each row's measurement count, empty while every row is 1.
    std::vector<std::vector<float>> m_lows;
    std::vector<std::vector<float>> m_highs;
    std::vector<int> m_samples;
    std::vector<QString> m_labels;
    std::vector<QDate> m_dates;
};

// How a chart draws its grid: a bar per cell, or a line per series.
enum class ChartKind { Bar2d, Line2d };

// A thin dashed line across the plot at a value, in its series' colour.
struct ChartReferenceLine {
    qint16 iColumn = 1;
    double value = 0;
};

// Everything a chart shows, apart from its colours: the grid, how it is drawn, the legend's
// names, the reference lines and the sentence shown while there are no rows.
struct ChartContent {
    ChartData grid;
    ChartKind type = ChartKind::Line2d;
    QStringList columnLabels;
    std::vector<ChartReferenceLine> referenceLines;
    QString szReferenceName;
    QString szEmptyText;

    bool Bars() const { return type == ChartKind::Bar2d; }
    // Whether a legend is drawn above the plot: a series or the reference lines have a name.
    bool HasLegend() const;
};
