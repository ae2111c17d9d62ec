// The one rounded mean of the program: halves to the even neighbour on both sides of zero,
// exact far beyond what the readings need.
#include "diary/RoundedMean.h"

#include <QTest>

#include <limits>

class TestRoundedMean : public QObject {
    Q_OBJECT
private slots:
    void means_data() {
        QTest::addColumn<qint64>("sum");
        QTest::addColumn<qint64>("count");
        QTest::addColumn<qint64>("mean");
        constexpr qint64 kMax = std::numeric_limits<qint64>::max();

        // An exact half goes to the even neighbour, above and below zero.
        QTest::newRow("0.5 to 0") << qint64(1) << qint64(2) << qint64(0);
        QTest::newRow("1.5 to 2") << qint64(3) << qint64(2) << qint64(2);
        QTest::newRow("2.5 to 2") << qint64(5) << qint64(2) << qint64(2);
        QTest::newRow("120.5 to 120") << qint64(241) << qint64(2) << qint64(120);
        QTest::newRow("121.5 to 122") << qint64(243) << qint64(2) << qint64(122);
        QTest::newRow("-0.5 to 0") << qint64(-1) << qint64(2) << qint64(0);
        QTest::newRow("-1.5 to -2") << qint64(-3) << qint64(2) << qint64(-2);
        QTest::newRow("-2.5 to -2") << qint64(-5) << qint64(2) << qint64(-2);
        QTest::newRow("-120.5 to -120") << qint64(-241) << qint64(2) << qint64(-120);
        QTest::newRow("a half of four readings") << qint64(282) << qint64(4) << qint64(70);

        // Anything else to the nearest whole number.
        QTest::newRow("a third down") << qint64(1) << qint64(3) << qint64(0);
        QTest::newRow("two thirds up") << qint64(2) << qint64(3) << qint64(1);
        QTest::newRow("-1/3 up to 0") << qint64(-1) << qint64(3) << qint64(0);
        QTest::newRow("-2/3 down to -1") << qint64(-2) << qint64(3) << qint64(-1);
        QTest::newRow("a hair above a half") << qint64(2501) << qint64(1000) << qint64(3);
        QTest::newRow("a hair below a half") << qint64(2499) << qint64(1000) << qint64(2);
        QTest::newRow("one value") << qint64(137) << qint64(1) << qint64(137);
        QTest::newRow("exact") << qint64(360) << qint64(3) << qint64(120);

        // Exact where a double or a doubled rest would not be.
        QTest::newRow("largest sum") << kMax << qint64(1) << kMax;
        QTest::newRow("largest sum over two") << kMax << qint64(2) << kMax / 2 + 1;
        QTest::newRow("lowest odd sum over two, to even") << -kMax << qint64(2) << -(kMax / 2) - 1;
        QTest::newRow("a rest near the largest count") << kMax << kMax - 1 << qint64(1);
        QTest::newRow("ten years of readings at 999")
            << qint64(999) * 3650 * 9 << qint64(3650) * 9 << qint64(999);
    }

    void means() {
        QFETCH(qint64, sum);
        QFETCH(qint64, count);
        QFETCH(qint64, mean);
        QCOMPARE(RoundedMean(sum, count), mean);
    }
};

QTEST_GUILESS_MAIN(TestRoundedMean)
#include "test_diary_roundedmean.moc"
