#include "mainwindow/DateRollover.h"

#include <QObject>
#include <QTest>

Q_DECLARE_METATYPE(DateRollover::Step)

// What the window does when the clock's date changes, without a window or a clock.
class TestDateRollover : public QObject {
    Q_OBJECT
private slots:
    void look_data();
    void look();
    void waitsThenMoves();
};

namespace {
const QDate kMonday(2026, 3, 2);
const QDate kTuesday(2026, 3, 3);
const QDate kLastWeek(2026, 2, 23);
} // namespace

void TestDateRollover::look_data() {
    QTest::addColumn<QDate>("dtNow");
    QTest::addColumn<QDate>("dtLoaded");
    QTest::addColumn<bool>("bTyping");
    QTest::addColumn<DateRollover::Step>("step");
    QTest::addColumn<QDate>("dtToday");
    using Step = DateRollover::Step;
    QTest::newRow("same day") << kMonday << kMonday << false << Step::Nothing << kMonday;
    QTest::newRow("no clock") << QDate() << kMonday << false << Step::Nothing << kMonday;
    QTest::newRow("midnight") << kTuesday << kMonday << false << Step::MoveToToday << kTuesday;
    QTest::newRow("midnight while typing") << kTuesday << kMonday << true << Step::Wait << kMonday;
    QTest::newRow("picked day stays")
        << kTuesday << kLastWeek << false << Step::NewToday << kTuesday;
    QTest::newRow("typing in a picked day")
        << kTuesday << kLastWeek << true << Step::NewToday << kTuesday;
    QTest::newRow("clock set back")
        << kLastWeek << kMonday << false << Step::MoveToToday << kLastWeek;
}

void TestDateRollover::look() {
    QFETCH(QDate, dtNow);
    QFETCH(QDate, dtLoaded);
    QFETCH(bool, bTyping);
    QFETCH(DateRollover::Step, step);
    QFETCH(QDate, dtToday);
    DateRollover rollover(kMonday, kMonday);
    QCOMPARE(rollover.Look(dtNow, dtLoaded, bTyping), step);
    QCOMPARE(rollover.Today(), dtToday);
}

// A reading typed across midnight: the window waits, then moves on once the typing pauses,
// and does not move twice.
void TestDateRollover::waitsThenMoves() {
    DateRollover rollover(kMonday, kMonday);
    QCOMPARE(rollover.Look(kTuesday, kMonday, true), DateRollover::Step::Wait);
    QCOMPARE(rollover.Look(kTuesday, kMonday, false), DateRollover::Step::MoveToToday);
    QCOMPARE(rollover.Look(kTuesday, kTuesday, false), DateRollover::Step::Nothing);
}

QTEST_GUILESS_MAIN(TestDateRollover)
#include "test_mainwindow_daterollover.moc"
