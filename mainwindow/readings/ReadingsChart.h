#pragma once

#include "xmlstore/clsXMLTag.h"

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

// Rebuilds a chart's grid from the day entries under a readings tag (those in range alone, as
// if the tag held no others): one labelled row per day with a measurement above zero, oldest
// first, three series; bars for one row, else lines; hidden when there are no entries. Each
// window's FillReadingsChart calls this.
void FillChartFromReadings(ctlChart& chart, const std::shared_ptr<clsXMLTag>& objReadings,
                           const DayKeyRange& range = {});

// Names of the three series in the legend, in column order.
QStringList ReadingsSeriesNames();
// The main window's look: see-through over its dark painted background, light text, and the
// series in the colours of the entry boxes' labels (cyan, light blue, yellow).
void StyleChartForScreen(ctlChart& chart);
// The report's look: white background, dark text, and darker shades of the same three hues
// that stay readable on white paper.
void StyleChartForPaper(ctlChart& chart);
