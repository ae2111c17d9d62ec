#include "diary/HomeProtocol.h"

#include "diary/RoundedMean.h"
#include "diary/TextToInteger.h"

#include <algorithm>
#include <optional>

namespace {

enum class PartOfDay { None, Morning, Evening };

struct CountedReading {
    PartOfDay part = PartOfDay::None;
    int iSystolic = 0;
    int iDiastolic = 0;
};

std::optional<int> PressureValue(const QString& szValue) {
    const std::optional<qint16> value = TextToInteger(szValue);
    if (!value || *value <= 0) {
        return std::nullopt;
    }
    return *value;
}

CountedReading Counted(const Reading& reading) {
    CountedReading counted;
    const std::optional<QTime> time = ReadTimeText(reading.szTime);
    const std::optional<int> systolic = PressureValue(reading.szSystolic);
    const std::optional<int> diastolic = PressureValue(reading.szDiastolic);
    if (!time || !time->isValid() || !systolic || !diastolic) {
        return counted;
    }
    counted.part = time->hour() < 12 ? PartOfDay::Morning : PartOfDay::Evening;
    counted.iSystolic = *systolic;
    counted.iDiastolic = *diastolic;
    return counted;
}

bool HasMorningAndEvening(const DatedReadings& day) {
    bool bMorning = false;
    bool bEvening = false;
    for (const Reading& reading : day.readings) {
        const PartOfDay part = Counted(reading).part;
        bMorning = bMorning || part == PartOfDay::Morning;
        bEvening = bEvening || part == PartOfDay::Evening;
    }
    return bMorning && bEvening;
}

struct Mean {
    qint64 lSystolic = 0;
    qint64 lDiastolic = 0;
    int iCount = 0;
    void Add(const CountedReading& reading) {
        lSystolic += reading.iSystolic;
        lDiastolic += reading.iDiastolic;
        ++iCount;
    }
    void Into(int& iSystolic, int& iDiastolic) const {
        if (iCount > 0) {
            iSystolic = static_cast<int>(RoundedMean(lSystolic, iCount));
            iDiastolic = static_cast<int>(RoundedMean(lDiastolic, iCount));
        }
    }
};

// The latest run of consecutive days with morning and evening readings that is long enough,
// as [first, last) indexes into the sorted days; an empty range when there is none. Also
// gives the longest run seen.
std::pair<qsizetype, qsizetype> LatestWeek(const QList<DatedReadings>& days, int& iLongestRun) {
    iLongestRun = 0;
    std::pair<qsizetype, qsizetype> week{0, 0};
    qsizetype iRunStart = -1;
    for (qsizetype i = 0; i <= days.size(); ++i) {
        const bool bCounts = i < days.size() && HasMorningAndEvening(days[i]);
        const bool bFollows =
            bCounts && iRunStart >= 0 && days[i - 1].dtDay.daysTo(days[i].dtDay) == 1;
        if (bFollows) {
            continue;
        }
        if (iRunStart >= 0) {
            const qsizetype iLength = i - iRunStart;
            iLongestRun = std::max(iLongestRun, static_cast<int>(iLength));
            if (iLength >= kProtocolMinimumDays) {
                week = {std::max(iRunStart, i - kProtocolWeekDays), i};
            }
        }
        iRunStart = bCounts ? i : -1;
    }
    return week;
}

} // namespace

HomeProtocolFigures ComputeHomeProtocol(QList<DatedReadings> days) {
    std::sort(days.begin(), days.end(),
              [](const DatedReadings& a, const DatedReadings& b) { return a.dtDay < b.dtDay; });
    HomeProtocolFigures figures;
    const auto [iFirst, iEnd] = LatestWeek(days, figures.iLongestRun);
    if (iEnd - iFirst < kProtocolMinimumDays) {
        return figures;
    }
    figures.bComplete = true;
    figures.dtWeekFirst = days[iFirst].dtDay;
    figures.dtWeekLast = days[iEnd - 1].dtDay;
    Mean all;
    Mean morning;
    Mean evening;
    for (qsizetype i = iFirst + 1; i < iEnd; ++i) {
        ++figures.iDaysCounted;
        for (const Reading& reading : days[i].readings) {
            const CountedReading counted = Counted(reading);
            if (counted.part == PartOfDay::None) {
                continue;
            }
            all.Add(counted);
            (counted.part == PartOfDay::Morning ? morning : evening).Add(counted);
        }
    }
    figures.iReadings = all.iCount;
    figures.iMorningReadings = morning.iCount;
    figures.iEveningReadings = evening.iCount;
    all.Into(figures.iSystolic, figures.iDiastolic);
    morning.Into(figures.iMorningSystolic, figures.iMorningDiastolic);
    evening.Into(figures.iEveningSystolic, figures.iEveningDiastolic);
    figures.bReachesThreshold = figures.iSystolic >= kHomeSystolicThreshold ||
                                figures.iDiastolic >= kHomeDiastolicThreshold;
    return figures;
}
