#pragma once

#include "clsXMLTag.h"

#include <memory>

class ctlChart;

// Rebuilds a chart's grid from the day entries under a readings tag: one labelled row per day
// with a measurement above zero, oldest first, three series; bars for one row, else lines;
// hidden when there are no entries. Each window's FillReadingsChart calls this.
void FillChartFromReadings(ctlChart& chart, const std::shared_ptr<clsXMLTag>& objReadings);
