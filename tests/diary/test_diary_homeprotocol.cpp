#include "diary/HomeProtocol.h"

#include <QTest>

namespace {

const QDate kMonday(2026, 11, 2);

// A day with morning readings (systolic/diastolic at 07:00 and 07:02) and evening readings
// (at 19:00 and 19:02).
DatedReadings Day(int iOffset, QList<QPair<int, int>> morning, QList<QPair<int, int>> evening) {
    DatedReadings day{kMonday.addDays(iOffset), {}};
    int iMinute = 0;
    for (const auto& [sys, dia] : morning) {
        day.readings.append(Reading{QStringLiteral("07:%1").arg(iMinute++, 2, 10, QChar(u'0')),
                                    QString::number(sys), QString::number(dia),
                                    QStringLiteral("70"), QString()});
    }
    iMinute = 0;
    for (const auto& [sys, dia] : evening) {
        day.readings.append(Reading{QStringLiteral("19:%1").arg(iMinute++, 2, 10, QChar(u'0')),
                                    QString::number(sys), QString::number(dia),
                                    QStringLiteral("70"), QString()});
    }
    return day;
}

// A run of days, each with two morning readings at (m, m-40) and two evening at (e, e-40).
QList<DatedReadings> Run(int iFirst, int iDays, int iMorning, int iEvening) {
    QList<DatedReadings> days;
    for (int i = iFirst; i < iFirst + iDays; ++i) {
        days.append(Day(i, {{iMorning, iMorning - 40}, {iMorning, iMorning - 40}},
                        {{iEvening, iEvening - 40}, {iEvening, iEvening - 40}}));
    }
    return days;
}

} // namespace

class TestHomeProtocol : public QObject {
    Q_OBJECT
private slots:
    void week_data();
    void week();
    void figures_data();
    void figures();
};

void TestHomeProtocol::week_data() {
    QTest::addColumn<QList<DatedReadings>>("days");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<int>("firstOffset");
    QTest::addColumn<int>("lastOffset");
    QTest::addColumn<int>("daysCounted");
    QTest::addColumn<int>("longestRun");

    QTest::newRow("seven days: the first left out")
        << Run(0, 7, 130, 130) << true << 0 << 6 << 6 << 7;
    QTest::newRow("ten days: the last seven") << Run(0, 10, 130, 130) << true << 3 << 9 << 6 << 10;
    QTest::newRow("three days: the fewest") << Run(0, 3, 130, 130) << true << 0 << 2 << 2 << 3;
    QTest::newRow("two days: not a protocol week")
        << Run(0, 2, 130, 130) << false << 0 << 0 << 0 << 2;
    QTest::newRow("nothing") << QList<DatedReadings>{} << false << 0 << 0 << 0 << 0;
    QTest::newRow("a short latest run: the full week before it")
        << (Run(0, 5, 130, 130) + Run(7, 2, 150, 150)) << true << 0 << 4 << 4 << 5;
    QTest::newRow("given newest first") << [] {
        QList<DatedReadings> days = Run(0, 4, 130, 130);
        std::reverse(days.begin(), days.end());
        return days;
    }() << true << 0 << 3 << 3 << 4;
    {
        // A day with morning readings only breaks the run.
        QList<DatedReadings> days = Run(0, 3, 130, 130);
        days.append(Day(3, {{130, 90}}, {}));
        days += Run(4, 2, 130, 130);
        QTest::newRow("a morning-only day breaks the run") << days << true << 0 << 2 << 2 << 3;
    }
    {
        // Readings without a time are not counted, so such a day has no morning and evening.
        QList<DatedReadings> days = Run(0, 2, 130, 130);
        DatedReadings untimed{kMonday.addDays(2),
                              {Reading{QString(), QStringLiteral("130"), QStringLiteral("90"),
                                       QStringLiteral("70"), QString()},
                               Reading{QString(), QStringLiteral("131"), QStringLiteral("91"),
                                       QStringLiteral("70"), QString()}}};
        days.append(untimed);
        QTest::newRow("readings without a time") << days << false << 0 << 0 << 0 << 2;
    }
}

void TestHomeProtocol::week() {
    QFETCH(QList<DatedReadings>, days);
    QFETCH(bool, complete);
    QFETCH(int, firstOffset);
    QFETCH(int, lastOffset);
    QFETCH(int, daysCounted);
    QFETCH(int, longestRun);
    const HomeProtocolFigures figures = ComputeHomeProtocol(days);
    QCOMPARE(figures.bComplete, complete);
    QCOMPARE(figures.iLongestRun, longestRun);
    if (complete) {
        QCOMPARE(figures.dtWeekFirst, kMonday.addDays(firstOffset));
        QCOMPARE(figures.dtWeekLast, kMonday.addDays(lastOffset));
        QCOMPARE(figures.iDaysCounted, daysCounted);
        QCOMPARE(figures.iReadings, daysCounted * 4);
    }
}

void TestHomeProtocol::figures_data() {
    QTest::addColumn<QList<DatedReadings>>("days");
    // overall, morning, evening (systolic, diastolic each), reaches threshold
    QTest::addColumn<QList<int>>("means");
    QTest::addColumn<bool>("reaches");

    // The first day's high readings must not count.
    QList<DatedReadings> days = Run(0, 4, 130, 120);
    days[0] = Day(0, {{200, 120}, {200, 120}}, {{200, 120}, {200, 120}});
    QTest::newRow("first day left out") << days << QList<int>{125, 85, 130, 90, 120, 80} << true;
    QTest::newRow("morning higher than evening")
        << Run(0, 7, 136, 130) << QList<int>{133, 93, 136, 96, 130, 90} << true;
    QTest::newRow("just below both") <<
        [] {
            QList<DatedReadings> below;
            for (int i = 0; i < 3; ++i) {
                below.append(Day(i, {{134, 84}}, {{134, 84}}));
            }
            return below;
        }() << QList<int>{134, 84, 134, 84, 134, 84}
                                     << false;
    QTest::newRow("normal") <<
        [] {
            QList<DatedReadings> low;
            for (int i = 0; i < 7; ++i) {
                low.append(Day(i, {{128, 80}, {126, 78}}, {{124, 76}, {122, 74}}));
            }
            return low;
        }() << QList<int>{125, 77, 127, 79, 123, 75}
                            << false;
    QTest::newRow("systolic alone reaches it") <<
        [] {
            QList<DatedReadings> high;
            for (int i = 0; i < 3; ++i) {
                high.append(Day(i, {{135, 80}}, {{135, 80}}));
            }
            return high;
        }() << QList<int>{135, 80, 135, 80, 135, 80}
                                               << true;
    QTest::newRow("means rounded half to even") << [] {
        QList<DatedReadings> half;
        for (int i = 0; i < 3; ++i) {
            half.append(Day(i, {{121, 81}, {122, 82}}, {{123, 83}, {124, 84}}));
        }
        return half;
    }() << QList<int>{122, 82, 122, 82, 124, 84} << false;
}

void TestHomeProtocol::figures() {
    QFETCH(QList<DatedReadings>, days);
    QFETCH(QList<int>, means);
    QFETCH(bool, reaches);
    const HomeProtocolFigures f = ComputeHomeProtocol(days);
    QVERIFY(f.bComplete);
    const QList<int> actual{f.iSystolic,         f.iDiastolic,       f.iMorningSystolic,
                            f.iMorningDiastolic, f.iEveningSystolic, f.iEveningDiastolic};
    QCOMPARE(actual, means);
    QCOMPARE(f.bReachesThreshold, reaches);
    QCOMPARE(f.iMorningReadings + f.iEveningReadings, f.iReadings);
}

QTEST_APPLESS_MAIN(TestHomeProtocol)
#include "test_diary_homeprotocol.moc"
