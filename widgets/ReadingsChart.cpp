#include "widgets/ReadingsChart.h"
#include "diary/TextToInteger.h"

#include "diary/DayReadings.h"
#include "diary/ReadingsSchema.h"
#include "xmlstore/clsXMLTags.h"

#include <QSet>

#include <algorithm>

namespace {

const QString kDash = QStringLiteral("\u2013");

// A value as it is read: a whole number stays whole; none is a dash. A cell of 0 is a box
// left empty (the one-day bar chart writes every box), never a measurement.
QString ValueText(const std::optional<double>& value) {
    return value && *value > 0 ? QString::number(*value) : kDash;
}

// Whether a series holds any measurement (see ValueText on cells of 0).
bool HasMeasurement(const ctlChart::SeriesSummary& summary) {
    return summary.iCount > 0 && summary.max > 0;
}

// A mean as a whole number, by the program's one rounding rule.
QString MeanText(const ctlChart::SeriesSummary& summary) {
    return HasMeasurement(summary) ? QString::number(RoundHalfEven(summary.mean)) : kDash;
}

QString RangeText(const ctlChart::SeriesSummary& summary) {
    if (!HasMeasurement(summary)) {
        return kDash;
    }
    if (summary.min == summary.max) {
        return QString::number(summary.min);
    }
    return QString::number(summary.min) + kDash + QString::number(summary.max);
}

// "128/84, pulse 71" from three texts.
QString ReadingText(const QString& szSystolic, const QString& szDiastolic, const QString& szPulse) {
    return szSystolic + u'/' + szDiastolic + QStringLiteral(", pulse ") + szPulse;
}

// The day of a row in words, with its year; its label when its day is not known.
QString RowDayText(const ctlChart& chart, qint16 iRow) {
    const QDate dt = chart.RowDateAt(iRow);
    return dt.isValid() ? DayText(dt) : chart.RowLabelAt(iRow);
}

QString Days(int iCount) {
    return QString::number(iCount) +
           (iCount == 1 ? QStringLiteral(" day") : QStringLiteral(" days"));
}

QString Readings(int iCount) {
    return QString::number(iCount) +
           (iCount == 1 ? QStringLiteral(" reading") : QStringLiteral(" readings"));
}

// A value of a row with its readings' range: "128" or "128 (120–135)".
QString RangeOfCell(const ctlChart& chart, qint16 iRow, qint16 iColumn) {
    const auto spread = chart.SpreadAt(iRow, iColumn);
    const std::optional<double> value = chart.DataAt(iRow, iColumn);
    if (!spread || !value || *value <= 0) {
        return ValueText(value);
    }
    return QString::number(spread->first) + kDash + QString::number(spread->second);
}

// A day in words: "8 Dec 2026: 128/84, pulse 71"; a day of several readings says how many,
// that the values are their average, and how far apart they lay.
QString RowText(const ctlChart& chart, qint16 iRow) {
    const QString szValues =
        ReadingText(ValueText(chart.DataAt(iRow, 1)), ValueText(chart.DataAt(iRow, 2)),
                    ValueText(chart.DataAt(iRow, 3)));
    const int iSamples = chart.RowSamplesAt(iRow);
    if (iSamples <= 1) {
        return RowDayText(chart, iRow) + QStringLiteral(": ") + szValues;
    }
    return RowDayText(chart, iRow) + QStringLiteral(", ") + Readings(iSamples) +
           QStringLiteral(": average ") + szValues + QStringLiteral(" (systolic ") +
           RangeOfCell(chart, iRow, 1) + QStringLiteral(", diastolic ") +
           RangeOfCell(chart, iRow, 2) + QStringLiteral(", pulse ") + RangeOfCell(chart, iRow, 3) +
           u')';
}

// "30 days" for days of one reading each; "30 days, 45 readings" where some held more.
QString DaysAndReadings(int iDays, int iReadings) {
    return iReadings > iDays ? Days(iDays) + QStringLiteral(", ") + Readings(iReadings)
                             : Days(iDays);
}

// Writes a day into the chart's current row: the mean of its readings in each column, with
// their spread where they differ, and their number. A lone entry writes every column (a box
// left empty is a bar of nothing), else empty columns stay gaps. False, writing nothing, when
// the day holds no measurement above zero. Labels repeat every year: one text of each is kept in
// labels and shared by its rows, so that ninety years of days hold 366 label texts, not 32,767.
bool WriteDayRow(ctlChart& chart, const std::shared_ptr<clsXMLTag>& objEntry, bool bOnlyEntry,
                 QSet<QString>& labels) {
    const DaySpread day = SpreadOfDay(objEntry);
    const int values[3] = {day.iSystolic, day.iDiastolic, day.iPulse};
    if (std::none_of(std::begin(values), std::end(values), [](int v) { return v > 0; })) {
        return false;
    }
    chart.SetRowLabel(*labels.insert(DayRowLabel(objEntry->szName)));
    // The row's calendar day places the year marks and names the day in words.
    chart.SetRowDate(DayKeyDate(objEntry->szName));
    chart.SetRowSamples(day.iMeasured);
    const std::pair<int, int> spreads[3] = {{day.iSystolicLow, day.iSystolicHigh},
                                            {day.iDiastolicLow, day.iDiastolicHigh},
                                            {day.iPulseLow, day.iPulseHigh}};
    for (qint16 iColumn = 1; iColumn <= 3; ++iColumn) {
        const int value = values[iColumn - 1];
        chart.SetColumn(iColumn);
        if (bOnlyEntry || value > 0) {
            chart.SetDataValue(value);
        }
        // A day of several readings shows how far apart they lay.
        const auto [low, high] = spreads[iColumn - 1];
        if (value > 0 && high > low) {
            chart.SetDataSpread(low, high);
        }
    }
    return true;
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
    QSet<QString> labels;
    for (const std::shared_ptr<clsXMLTag>& objEntry : *objReadings->objSubTags) {
        if (!bAll && !range.Contains(objEntry->szName)) {
            continue;
        }
        if (!WriteDayRow(chart, objEntry, iEntryCount <= 1, labels)) {
            continue;
        }
        ++iUsedRows;
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

QString HomeThresholdName() {
    return QStringLiteral("135/85 home threshold");
}

QString ChartEmptyText() {
    return QStringLiteral("Your readings will appear here as a chart once you have entered them.");
}

QStringList ReadingsSeriesNames() {
    return {QStringLiteral("Systolic"), QStringLiteral("Diastolic"), QStringLiteral("Pulse")};
}

namespace {

// What both looks share: the legend's names, the thresholds, the empty sentence and the words.
void StyleReadingsChart(ctlChart& chart) {
    chart.SetColumnLabels(ReadingsSeriesNames());
    chart.SetReferenceLines({{1, kHomeSystolicThreshold}, {2, kHomeDiastolicThreshold}},
                            HomeThresholdName());
    chart.SetEmptyText(ChartEmptyText());
    chart.setAccessibleName(QStringLiteral("Readings chart"));
    chart.SetDescriber({ReadingsSpanText, ReadingsChartSummary});
}

} // namespace

void StyleChartForScreen(ctlChart& chart) {
    StyleReadingsChart(chart);
    chart.SetSeriesColours({QColor(0, 255, 255), QColor(128, 128, 255), QColor(255, 255, 0)});
    // A light veil of black keeps the text readable wherever the painted background is brighter.
    chart.SetPalette(QColor(0, 0, 0, 70), QColor(225, 232, 240), QColor(255, 255, 255, 45));
    // The entry boxes' focus colour.
    chart.SetFocusColour(QColor(0xff, 0xd8, 0x4a));
}

void StyleChartForPaper(ctlChart& chart) {
    StyleReadingsChart(chart);
    // Lines at 3:1 or more on white: 4.0, 7.5 and 3.6.
    chart.SetSeriesColours({QColor(0, 140, 160), QColor(64, 64, 200), QColor(170, 128, 0)});
    chart.SetPalette(Qt::white, Qt::black, QColor(215, 215, 215));
}

QString ReadingsSpanText(const ctlChart& chart, const ctlChart::RowSpan& span) {
    if (span.iFirstRow <= 0) {
        return QString();
    }
    if (span.iFirstRow == span.iLastRow) {
        return RowText(chart, span.iFirstRow);
    }
    const auto summary = [&](size_t iColumn) {
        return iColumn < span.series.size() ? span.series[iColumn] : ctlChart::SeriesSummary();
    };
    return RowDayText(chart, span.iFirstRow) + QStringLiteral(" to ") +
           RowDayText(chart, span.iLastRow) + QStringLiteral(" (") +
           DaysAndReadings(span.iLastRow - span.iFirstRow + 1, span.iSamples) +
           QStringLiteral(")\nAverage ") +
           ReadingText(MeanText(summary(0)), MeanText(summary(1)), MeanText(summary(2))) +
           QStringLiteral("\nSystolic ") + RangeText(summary(0)) + QStringLiteral(", diastolic ") +
           RangeText(summary(1)) + QStringLiteral(", pulse ") + RangeText(summary(2));
}

QString ReadingsChartSummary(const ctlChart& chart) {
    if (chart.isHidden()) {
        return QStringLiteral("Readings chart: hidden, no readings to show. ") + ChartEmptyText();
    }
    return ReadingsPictureSummary(chart);
}

QString ReadingsPictureSummary(const ctlChart& chart) {
    const QString szName = QStringLiteral("Readings chart: ");
    const qint16 iRows = chart.RowCount();
    if (iRows <= 0) {
        return szName + QStringLiteral("no readings yet. ") + ChartEmptyText();
    }
    QString szText = szName + DaysAndReadings(iRows, chart.SummariseRows(1, iRows).iSamples);
    szText += iRows == 1 ? QStringLiteral(", ") + RowDayText(chart, 1)
                         : QStringLiteral(" from ") + RowDayText(chart, 1) +
                               QStringLiteral(" to ") + RowDayText(chart, iRows);
    szText += QStringLiteral(". Latest ") + RowText(chart, iRows) + u'.';

    // The last 7 calendar days up to the latest reading (the last 7 rows where days are not
    // known).
    const QDate dtLast = chart.RowDateAt(iRows);
    qint16 iFirst = iRows;
    while (iFirst > 1 && (dtLast.isValid() ? chart.RowDateAt(iFirst - 1).isValid() &&
                                                 chart.RowDateAt(iFirst - 1).daysTo(dtLast) < 7
                                           : iRows - iFirst + 1 < 7)) {
        --iFirst;
    }
    const ctlChart::RowSpan week = chart.SummariseRows(iFirst, iRows);
    if (week.series.size() >= 2) {
        szText += QStringLiteral(" Last 7 days average ") + MeanText(week.series[0]) + u'/' +
                  MeanText(week.series[1]) + u'.';
    }
    return szText;
}
