#include "diary/TextToInteger.h"

#include <QTest>

class TestTextToInteger : public QObject {
    Q_OBJECT
private slots:
    void numbers_data();
    void numbers();
    void notNumbers_data();
    void notNumbers();
};

void TestTextToInteger::numbers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");

    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("blanks only count as empty") << QStringLiteral("   ") << 0;
    QTest::newRow("plain") << QStringLiteral("120") << 120;
    QTest::newRow("leading zeros") << QStringLiteral("007") << 7;
    QTest::newRow("zero") << QStringLiteral("0") << 0;
    QTest::newRow("minus zero") << QStringLiteral("-0") << 0;
    QTest::newRow("plus sign") << QStringLiteral("+5") << 5;
    QTest::newRow("negative") << QStringLiteral("-72") << -72;
    QTest::newRow("blanks around") << QStringLiteral("  80 ") << 80;
    QTest::newRow("tab and line break around") << QStringLiteral("\t95\r\n") << 95;

    // Halves go to the even neighbour, on both sides of zero; everything else to the nearest.
    QTest::newRow("2.5 to 2") << QStringLiteral("2.5") << 2;
    QTest::newRow("3.5 to 4") << QStringLiteral("3.5") << 4;
    QTest::newRow("0.5 to 0") << QStringLiteral("0.5") << 0;
    QTest::newRow("1.5 to 2") << QStringLiteral("1.5") << 2;
    QTest::newRow("-2.5 to -2") << QStringLiteral("-2.5") << -2;
    QTest::newRow("-3.5 to -4") << QStringLiteral("-3.5") << -4;
    QTest::newRow("-0.5 to 0") << QStringLiteral("-0.5") << 0;
    QTest::newRow("120.49 down") << QStringLiteral("120.49") << 120;
    QTest::newRow("120.51 up") << QStringLiteral("120.51") << 121;
    QTest::newRow("a hair above a half rounds up") << QStringLiteral("2.50000000000000000001") << 3;
    QTest::newRow("a hair below a half rounds down")
        << QStringLiteral("3.49999999999999999999") << 3;
    QTest::newRow("trailing zeros of a half") << QStringLiteral("4.5000") << 4;
    QTest::newRow("point without fraction") << QStringLiteral("5.") << 5;
    QTest::newRow("fraction without whole part") << QStringLiteral(".6") << 1;

    QTest::newRow("largest") << QStringLiteral("32767") << 32767;
    QTest::newRow("smallest") << QStringLiteral("-32768") << -32768;
    QTest::newRow("rounds down into range") << QStringLiteral("32767.4") << 32767;
    QTest::newRow("half rounds to even inside range") << QStringLiteral("-32768.5") << -32768;
    QTest::newRow("many leading zeros") << QStringLiteral("000000000000000000120") << 120;
}

void TestTextToInteger::numbers() {
    QFETCH(QString, text);
    QFETCH(int, expected);
    const std::optional<qint16> result = TextToInteger(text);
    QVERIFY2(result.has_value(), qPrintable(text));
    QCOMPARE(int(*result), expected);
}

void TestTextToInteger::notNumbers_data() {
    QTest::addColumn<QString>("text");

    QTest::newRow("letters") << QStringLiteral("abc");
    QTest::newRow("digit then letter") << QStringLiteral("12a");
    QTest::newRow("letter then digits") << QStringLiteral("a12");
    QTest::newRow("comma") << QStringLiteral(",");
    QTest::newRow("comma as decimal point") << QStringLiteral("1,5");
    QTest::newRow("thousands separator") << QStringLiteral("1,000");
    QTest::newRow("exponent") << QStringLiteral("1e2");
    QTest::newRow("inf") << QStringLiteral("inf");
    QTest::newRow("nan") << QStringLiteral("nan");
    QTest::newRow("hexadecimal") << QStringLiteral("0x10");
    QTest::newRow("sign alone") << QStringLiteral("-");
    QTest::newRow("point alone") << QStringLiteral(".");
    QTest::newRow("two signs") << QStringLiteral("--5");
    QTest::newRow("blank after sign") << QStringLiteral("- 5");
    QTest::newRow("blank inside") << QStringLiteral("1 2");
    QTest::newRow("two points") << QStringLiteral("1.2.3");
    QTest::newRow("other script digits") << QString::fromUtf16(u"\u0661\u0662");
    QTest::newRow("just above range") << QStringLiteral("32768");
    QTest::newRow("half above range rounds out") << QStringLiteral("32767.5");
    QTest::newRow("just below range") << QStringLiteral("-32769");
    QTest::newRow("below range after rounding") << QStringLiteral("-32768.6");
    QTest::newRow("huge") << QStringLiteral("99999999999999999999999");
}

void TestTextToInteger::notNumbers() {
    QFETCH(QString, text);
    QVERIFY2(!TextToInteger(text).has_value(), qPrintable(text));
}

QTEST_APPLESS_MAIN(TestTextToInteger)
#include "test_diary_texttointeger.moc"
