#include "mainwindow/readings/ReadingsChart.h"
#include "app/util/TextToInteger.h"

#include "mainwindow/readings/ReadingsSchema.h"
#include "mainwindow/readings/ctlChart.h"
#include "xmlstore/clsXMLTags.h"

#include <algorithm>

namespace {

// A stored measurement as a number; text that is not a number counts as no measurement.
qint16 StoredMeasurement(const std::shared_ptr<clsXMLTag>& objEntry, const QString& szName) {
    return TextToInteger(objEntry->GetSubTagValue(szName)).value_or(0);
}

} // namespace

void FillChartFromReadings(ctlChart& chart, const std::shared_ptr<clsXMLTag>& objReadings,
                           const DayKeyRange& range) {
    chart.SetColumnCount(3);
    const bool bAll = range.szFirst.isEmpty() && range.szLast.isEmpty();
    int32_t lEntries = objReadings ? objReadings->objSubTags->Count() : 0;
    if (!bAll && lEntries > 0) {
        lEntries = static_cast<int32_t>(
            std::count_if(objReadings->objSubTags->begin(), objReadings->objSubTags->end(),
                          [&range](const std::shared_ptr<clsXMLTag>& objEntry) {
                              return range.Contains(objEntry->szName);
                          }));
    }
    const qint16 iEntryCount = static_cast<qint16>(std::min<int32_t>(lEntries, 32767));
    chart.SetRowCount(iEntryCount);
    if (chart.RowCount() == 0) {
        chart.setVisible(false);
        return;
    }

    chart.setVisible(true);
    chart.SetRow(1);
    qint16 iUsedRows = 0;
    for (const std::shared_ptr<clsXMLTag>& objEntry : *objReadings->objSubTags) {
        if (!bAll && !range.Contains(objEntry->szName)) {
            continue;
        }
        const qint16 values[3] = {StoredMeasurement(objEntry, kSystolicName),
                                  StoredMeasurement(objEntry, kDiastolicName),
                                  StoredMeasurement(objEntry, kPulseName)};
        if (std::none_of(std::begin(values), std::end(values), [](qint16 v) { return v > 0; })) {
            continue;
        }
        chart.SetRowLabel(DayRowLabel(objEntry->szName));
        bool bWritten = false;
        for (qint16 iColumn = 1; iColumn <= 3; ++iColumn) {
            const qint16 value = values[iColumn - 1];
            chart.SetColumn(iColumn);
            if (iEntryCount <= 1 || value > 0) {
                chart.SetData(QString::number(value));
                bWritten = true;
            }
        }
        if (bWritten) {
            ++iUsedRows;
        }
        if (chart.Row() < iEntryCount) {
            chart.SetRow(static_cast<qint16>(chart.Row() + 1));
        } else {
            break;
        }
    }

    chart.SetRowCount(iUsedRows);
    chart.SetChartType(chart.RowCount() == 1 ? ctlChart::ChartType::Bar2d
                                             : ctlChart::ChartType::Line2d);
}

QStringList ReadingsSeriesNames() {
    return {QStringLiteral("Systolic"), QStringLiteral("Diastolic"), QStringLiteral("Pulse")};
}

void StyleChartForScreen(ctlChart& chart) {
    chart.SetColumnLabels(ReadingsSeriesNames());
    chart.SetSeriesColours({QColor(0, 255, 255), QColor(128, 128, 255), QColor(255, 255, 0)});
    // A light veil of black keeps the text readable wherever the painted background is brighter.
    chart.SetPalette(QColor(0, 0, 0, 70), QColor(225, 232, 240), QColor(255, 255, 255, 45));
}

void StyleChartForPaper(ctlChart& chart) {
    chart.SetColumnLabels(ReadingsSeriesNames());
    chart.SetSeriesColours({QColor(0, 140, 160), QColor(64, 64, 200), QColor(190, 145, 0)});
    chart.SetPalette(Qt::white, QColor(30, 30, 30), QColor(225, 225, 225));
}
