#pragma once

#include "diary/HomeProtocol.h"
#include "widgets/ctlChart.h"
#include "xmlstore/clsXMLTag.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <memory>

class ctlChart;

// A range of day keys, both ends included; an empty end sets no limit. Keys compare as text,
// which is date order for eight-digit keys.
struct DayKeyRange {
    QString szFirst;
    QString szLast;
    bool Contains(const QString& szDayKey) const {
        return (szFirst.isEmpty() || szDayKey >= szFirst) &&
               (szLast.isEmpty() || szDayKey <= szLast);
    }
};

// A chart of readings as a grid, ready to be shown: what a fill of the chart writes.
struct ReadingsGrid {
    ChartData grid;
    // Bars for one row, else lines (as the chart was, when there are no entries).
    ChartKind type = ChartKind::Line2d;
    // Whether any day entry was charted: without one the chart is hidden; entries without a
    // measurement leave it shown with no rows (its empty text).
    bool bEntries = false;
};

// Rebuilds a grid from the day entries under a readings tag (those in range alone, as if the
// tag held no others), in place: one labelled row per day with a measurement above zero, oldest
// first, three series; bars for one row, else lines. A day of several readings is charted at
// their mean (diary/DayReadings.h), with their lowest and highest value as the cell's spread and
// their number as the row's samples. It needs no control: it runs on the thread that owns the
// readings' tree (the loading thread, before it hands the tree over, reads and charts them while
// the window's controls are made), once the user's language is installed (the rows' labels).
// A large diary's days are read on two threads, unless the caller's thread reads them alone
// (kOne: the start-up's loading thread, whose window's thread is busy meanwhile and would lose
// a core to a second reader).
enum class ChartReaders { kTwoForLarge, kOne };
void FillReadingsGrid(ReadingsGrid& out, const std::shared_ptr<clsXMLTag>& objReadings,
                      const DayKeyRange& range = {},
                      ChartReaders readers = ChartReaders::kTwoForLarge);
// Shows a grid in the chart; hides the chart when no entry was charted.
void ShowReadingsGrid(ctlChart& chart, ReadingsGrid grid);
// Both at once, into the chart's own grid: each window's FillReadingsChart calls this.
void FillChartFromReadings(ctlChart& chart, const std::shared_ptr<clsXMLTag>& objReadings,
                           const DayKeyRange& range = {});

// A day as the chart's words (and the report's) name it: "8 Dec 2026" in English, the
// language's long date ("8. Dezember 2026") under a translation.
QString DayInWords(const QDate& dt);

// The home-measurement thresholds of high blood pressure (diary/HomeProtocol.h) are drawn as
// dashed lines in the systolic and diastolic colours.
// Their name in the legend.
QString HomeThresholdName();
// The sentence shown where the chart would be while there is nothing to chart.
QString ChartEmptyText();

// Names of the three series in the legend, in column order.
QStringList ReadingsSeriesNames();
// The main window's look: see-through over its dark painted background, light text, and the
// series in the colours of the entry boxes' labels (cyan, light blue, yellow).
void StyleChartForScreen(ctlChart& chart);
// The report's look: white background, black text, and darker shades of the same three hues
// that stay readable on white paper.
void StyleChartForPaper(ctlChart& chart);

// A span of the chart's rows in words: one day as "8 Dec 2026: 128/84, pulse 71" (a day of
// several readings as "8 Dec 2026, 2 readings: average 128/84, pulse 71 (systolic 126–130,
// ...)"); several
// (a pixel column of dense drawing) as their days, average and lowest to highest values.
QString ReadingsSpanText(const ctlChart& chart, const ctlChart::RowSpan& span);
// The whole chart in words: how many days (and readings, where a day holds several) from when
// to when, the latest reading and the
// average of its last 7 days; or that it is empty or hidden.
QString ReadingsChartSummary(const ctlChart& chart);
// A picture of the chart in words, whether the chart itself is shown or not: as
// ReadingsChartSummary says it of a chart on the screen.
QString ReadingsPictureSummary(const ctlChart& chart);
