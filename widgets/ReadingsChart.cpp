#include "widgets/ReadingsChart.h"
#include "diary/TextToInteger.h"
#include "i18n/LocalDates.h"
#include "i18n/Translations.h"

#include "diary/DayReadings.h"
#include "diary/ReadingsSchema.h"
#include "xmlstore/clsXMLTags.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <future>
#include <system_error>
#include <vector>

namespace {

// The chart's words, under one context for translators.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(ReadingsChart)
};

const QString kDash = QStringLiteral("\u2013");

// A value as it is read: a whole number stays whole; none is a dash. A cell of 0 is a box
// left empty (the one-day bar chart writes every box), never a measurement.
QString ValueText(const std::optional<double>& value) {
    return value && *value > 0 ? DisplayLocale().toString(*value) : kDash;
}

// Whether a series holds any measurement (see ValueText on cells of 0).
bool HasMeasurement(const ctlChart::SeriesSummary& summary) {
    return summary.iCount > 0 && summary.max > 0;
}

// A mean as a whole number, by the program's one rounding rule.
QString MeanText(const ctlChart::SeriesSummary& summary) {
    return HasMeasurement(summary) ? DisplayLocale().toString(RoundHalfEven(summary.mean)) : kDash;
}

QString RangeText(const ctlChart::SeriesSummary& summary) {
    if (!HasMeasurement(summary)) {
        return kDash;
    }
    const QLocale locale = DisplayLocale();
    if (summary.min == summary.max) {
        return locale.toString(summary.min);
    }
    return locale.toString(summary.min) + kDash + locale.toString(summary.max);
}

// "128/84, pulse 71" from three texts.
QString ReadingText(const QString& szSystolic, const QString& szDiastolic, const QString& szPulse) {
    //: %1 systolic, %2 diastolic, %3 pulse
    return Words::tr("%1/%2, pulse %3").arg(szSystolic, szDiastolic, szPulse);
}

// The day of a row in words, with its year; its label when its day is not known.
QString RowDayText(const ctlChart& chart, qint16 iRow) {
    const QDate dt = chart.RowDateAt(iRow);
    return dt.isValid() ? DayInWords(dt) : chart.RowLabelAt(iRow);
}

QString Days(int iCount) {
    return Words::tr("%n days", nullptr, iCount);
}

QString Readings(int iCount) {
    return Words::tr("%n readings", nullptr, iCount);
}

// A value of a row with its readings' range: "128" or "128 (120–135)".
QString RangeOfCell(const ctlChart& chart, qint16 iRow, qint16 iColumn) {
    const auto spread = chart.SpreadAt(iRow, iColumn);
    const std::optional<double> value = chart.DataAt(iRow, iColumn);
    if (!spread || !value || *value <= 0) {
        return ValueText(value);
    }
    const QLocale locale = DisplayLocale();
    return locale.toString(spread->first) + kDash + locale.toString(spread->second);
}

// A day in words: "8 Dec 2026: 128/84, pulse 71"; a day of several readings says how many,
// that the values are their average, and how far apart they lay.
QString RowText(const ctlChart& chart, qint16 iRow) {
    const QString szValues =
        ReadingText(ValueText(chart.DataAt(iRow, 1)), ValueText(chart.DataAt(iRow, 2)),
                    ValueText(chart.DataAt(iRow, 3)));
    const int iSamples = chart.RowSamplesAt(iRow);
    if (iSamples <= 1) {
        //: %1 the day, %2 its values ("128/84, pulse 71")
        return Words::tr("%1: %2").arg(RowDayText(chart, iRow), szValues);
    }
    //: %1 the day, %2 how many readings, %3 their average values ("128/84, pulse 71"), %4 to %6
    //: the lowest to highest systolic, diastolic and pulse values ("120–135")
    return Words::tr("%1, %2: average %3 (systolic %4, diastolic %5, pulse %6)")
        .arg(RowDayText(chart, iRow), Readings(iSamples), szValues, RangeOfCell(chart, iRow, 1),
             RangeOfCell(chart, iRow, 2), RangeOfCell(chart, iRow, 3));
}

// "30 days" for days of one reading each; "30 days, 45 readings" where some held more.
QString DaysAndReadings(int iDays, int iReadings) {
    //: %1 how many days ("30 days"), %2 how many readings ("45 readings")
    return iReadings > iDays ? Words::tr("%1, %2").arg(Days(iDays), Readings(iReadings))
                             : Days(iDays);
}

// The rows' day labels, each made once a fill: a label holds the day and month alone, which
// a diary of many years repeats, and the locale's formatting of each would double the fill.
class RowLabels {
public:
    QString Of(const QDate& dt) {
        QString& szLabel = m_labels[static_cast<std::size_t>(dt.month() * 32 + dt.day())];
        if (szLabel.isNull()) {
            szLabel = LocalDates::RowLabel(dt);
        }
        return szLabel;
    }

private:
    std::array<QString, 13 * 32> m_labels;
};

// What the chart shows of a day: its readings' means and spreads, and its calendar day.
struct DayOfChart {
    DaySpread spread;
    QDate dt;
};

// Below this many days the days are read on the calling thread alone.
constexpr size_t kDaysForTwoThreads = 4096;
// The days are read and charted this many at a time: a fill's scratch stays a few hundred
// kilobytes at any size of diary, instead of a copy of every day's figures.
constexpr size_t kDaysPerBlock = 8192;

// The days of entries iFrom to iTo (exclusive) into days, read on two threads for a large block
// unless told otherwise: reading them is most of a fill, and only reads the readings (which
// nothing changes meanwhile: the fill runs on the thread that owns them, which waits here).
void ReadDays(const std::vector<const std::shared_ptr<clsXMLTag>*>& entries, size_t iFrom,
              size_t iTo, std::vector<DayOfChart>& days, ChartReaders readers) {
    days.resize(iTo - iFrom);
    const auto read = [&](size_t iFirst, size_t iEnd) {
        for (size_t i = iFirst; i < iEnd; ++i) {
            const std::shared_ptr<clsXMLTag>& objEntry = *entries[i];
            days[i - iFrom] = {SpreadOfDay(objEntry), DayKeyDate(objEntry->szName)};
        }
    };
    const size_t iHalf = iFrom + (iTo - iFrom) / 2;
    std::future<void> secondHalf;
    if (readers == ChartReaders::kTwoForLarge && iTo - iFrom >= kDaysForTwoThreads) {
        try {
            secondHalf = std::async(std::launch::async, read, iHalf, iTo);
        } catch (const std::system_error&) {
            // No thread: all on this one.
        }
    }
    read(iFrom, secondHalf.valid() ? iHalf : iTo);
    if (secondHalf.valid()) {
        secondHalf.get();
    }
}

// Writes a day into row iRow of the grid: the mean of its readings in each column, with their
// spread where they differ, and their number. A lone entry writes every column (a box left
// empty is a bar of nothing), else empty columns stay gaps. False, writing nothing, when the day
// holds no measurement above zero. Labels repeat every year: rows share one text of each (ninety
// years of days hold 366 label texts, not 32,767).
bool WriteDayRow(ChartData& grid, qint16 iRow, const DayOfChart& dayOfChart,
                 const QString& szDayKey, bool bOnlyEntry, RowLabels& labels) {
    const DaySpread& day = dayOfChart.spread;
    const int values[3] = {day.iSystolic, day.iDiastolic, day.iPulse};
    if (std::none_of(std::begin(values), std::end(values), [](int v) { return v > 0; })) {
        return false;
    }
    // The row's calendar day labels the row, places the year marks and names the day in words.
    const QDate& dt = dayOfChart.dt;
    grid.SetLabel(iRow, dt.isValid() ? labels.Of(dt) : DayRowLabel(szDayKey));
    grid.SetDate(iRow, dt);
    grid.SetSamples(iRow, day.iMeasured);
    const std::pair<int, int> spreads[3] = {{day.iSystolicLow, day.iSystolicHigh},
                                            {day.iDiastolicLow, day.iDiastolicHigh},
                                            {day.iPulseLow, day.iPulseHigh}};
    for (qint16 iColumn = 1; iColumn <= 3; ++iColumn) {
        const int value = values[iColumn - 1];
        if (bOnlyEntry || value > 0) {
            grid.SetValue(iRow, iColumn, value);
        }
        // A day of several readings shows how far apart they lay.
        const auto [low, high] = spreads[iColumn - 1];
        if (value > 0 && high > low) {
            grid.SetSpread(iRow, iColumn, low, high);
        }
    }
    return true;
}

} // namespace

void FillReadingsGrid(ReadingsGrid& out, const std::shared_ptr<clsXMLTag>& objReadings,
                      const DayKeyRange& range, ChartReaders readers) {
    ChartData& grid = out.grid;
    grid.SetColumnCount(3);
    const bool bAll = range.szFirst.isEmpty() && range.szLast.isEmpty();
    // The entries in list order (any item kept inline is made a tag here, on this thread).
    std::vector<const std::shared_ptr<clsXMLTag>*> entries;
    if (objReadings) {
        entries.reserve(static_cast<size_t>(objReadings->objSubTags->Count()));
        for (const std::shared_ptr<clsXMLTag>& objEntry : *objReadings->objSubTags) {
            if (bAll || range.Contains(objEntry->szName)) {
                entries.push_back(&objEntry);
            }
        }
    }
    const qint16 iEntryCount = static_cast<qint16>(std::min<size_t>(entries.size(), 32767));
    grid.SetRowCount(iEntryCount);
    out.bEntries = iEntryCount > 0;
    if (!out.bEntries) {
        return;
    }

    qint16 iUsedRows = 0;
    RowLabels labels;
    std::vector<DayOfChart> days;
    for (size_t iBlock = 0; iBlock < entries.size() && iUsedRows < iEntryCount;
         iBlock += kDaysPerBlock) {
        const size_t iEnd = std::min(entries.size(), iBlock + kDaysPerBlock);
        ReadDays(entries, iBlock, iEnd, days, readers);
        for (size_t i = iBlock; i < iEnd && iUsedRows < iEntryCount; ++i) {
            if (WriteDayRow(grid, static_cast<qint16>(iUsedRows + 1), days[i - iBlock],
                            (*entries[i])->szName, iEntryCount <= 1, labels)) {
                ++iUsedRows;
            }
        }
    }

    grid.SetRowCount(iUsedRows);
    out.type = grid.RowCount() == 1 ? ChartKind::Bar2d : ChartKind::Line2d;
}

void ShowReadingsGrid(ctlChart& chart, ReadingsGrid grid) {
    chart.SetGrid(std::move(grid.grid));
    if (grid.bEntries) {
        chart.SetChartType(grid.type);
    }
    chart.setVisible(grid.bEntries);
}

void FillChartFromReadings(ctlChart& chart, const std::shared_ptr<clsXMLTag>& objReadings,
                           const DayKeyRange& range) {
    // The chart's grid is refilled in place: a chart that is refilled often keeps its memory.
    ReadingsGrid grid{chart.TakeGrid(), chart.GetChartType()};
    FillReadingsGrid(grid, objReadings, range);
    ShowReadingsGrid(chart, std::move(grid));
}

QString DayInWords(const QDate& dt) {
    return dt.isValid() ? LocalDates::DayInWords(dt) : QString();
}

QString HomeThresholdName() {
    //: The chart's legend: the dashed lines of high blood pressure measured at home
    return Words::tr("135/85 home threshold");
}

QString ChartEmptyText() {
    return Words::tr("Your readings will appear here as a chart once you have entered them.");
}

QStringList ReadingsSeriesNames() {
    //: The chart's legend; keep it short
    return {Words::tr("Systolic"), Words::tr("Diastolic"), Words::tr("Pulse")};
}

namespace {

// What both looks share: the legend's names, the thresholds, the empty sentence and the words.
void StyleReadingsChart(ctlChart& chart) {
    chart.SetColumnLabels(ReadingsSeriesNames());
    chart.SetReferenceLines({{1, kHomeSystolicThreshold}, {2, kHomeDiastolicThreshold}},
                            HomeThresholdName());
    chart.SetEmptyText(ChartEmptyText());
    chart.setAccessibleName(Words::tr("Readings chart"));
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
    //: A tooltip's first line: %1 first day, %2 last day, %3 how many days (and readings)
    return Words::tr("%1 to %2 (%3)")
               .arg(RowDayText(chart, span.iFirstRow), RowDayText(chart, span.iLastRow),
                    DaysAndReadings(span.iLastRow - span.iFirstRow + 1, span.iSamples)) +
           u'\n' +
           //: %1 the average values ("128/84, pulse 71")
           Words::tr("Average %1")
               .arg(ReadingText(MeanText(summary(0)), MeanText(summary(1)), MeanText(summary(2)))) +
           u'\n' +
           //: Lowest to highest values ("120–135")
           Words::tr("Systolic %1, diastolic %2, pulse %3")
               .arg(RangeText(summary(0)), RangeText(summary(1)), RangeText(summary(2)));
}

QString ReadingsChartSummary(const ctlChart& chart) {
    if (chart.isHidden()) {
        return Words::tr("Readings chart: hidden, no readings to show.") + u' ' + ChartEmptyText();
    }
    return ReadingsPictureSummary(chart);
}

QString ReadingsPictureSummary(const ctlChart& chart) {
    const qint16 iRows = chart.RowCount();
    if (iRows <= 0) {
        return Words::tr("Readings chart: no readings yet.") + u' ' + ChartEmptyText();
    }
    const QString szCount = DaysAndReadings(iRows, chart.SummariseRows(1, iRows).iSamples);
    QString szText = iRows == 1
                         //: %1 how many days (and readings), %2 the day
                         ? Words::tr("Readings chart: %1, %2.").arg(szCount, RowDayText(chart, 1))
                         //: %1 how many days (and readings), %2 the first day, %3 the last day
                         : Words::tr("Readings chart: %1 from %2 to %3.")
                               .arg(szCount, RowDayText(chart, 1), RowDayText(chart, iRows));
    //: %1 the latest day and its values
    szText += u' ' + Words::tr("Latest %1.").arg(RowText(chart, iRows));

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
        //: %1 systolic, %2 diastolic
        szText += u' ' + Words::tr("Last 7 days average %1/%2.")
                             .arg(MeanText(week.series[0]), MeanText(week.series[1]));
    }
    return szText;
}
