#include "mainwindow/EntryAdvance.h"

#include <QObject>
#include <QTest>

// The rule that moves the focus on from a filled value box, driven by the keys a person types,
// without a window.
class TestEntryAdvance : public QObject {
    Q_OBJECT
private slots:
    void isFull_data();
    void isFull();
    void keySequence_data();
    void keySequence();
};

void TestEntryAdvance::isFull_data() {
    QTest::addColumn<bool>("bTwoOrThree");
    QTest::addColumn<QString>("szText");
    QTest::addColumn<bool>("bFull");
    QTest::newRow("systolic empty") << false << QString() << false;
    QTest::newRow("systolic two") << false << QStringLiteral("95") << false;
    QTest::newRow("systolic three") << false << QStringLiteral("120") << true;
    QTest::newRow("diastolic one") << true << QStringLiteral("8") << false;
    QTest::newRow("diastolic two") << true << QStringLiteral("80") << true;
    QTest::newRow("diastolic 1x waits") << true << QStringLiteral("10") << false;
    QTest::newRow("diastolic 1xx") << true << QStringLiteral("105") << true;
    QTest::newRow("pulse four") << true << QStringLiteral("1000") << false;
}

void TestEntryAdvance::isFull() {
    QFETCH(bool, bTwoOrThree);
    QFETCH(QString, szText);
    QFETCH(bool, bFull);
    const auto rule =
        bTwoOrThree ? EntryAdvance::Rule::TwoOrThree : EntryAdvance::Rule::ThreeCharacters;
    QCOMPARE(EntryAdvance::IsFull(rule, szText), bFull);
}

// Steps, separated by ';': "k BOX BEFORE" a key pressed in a box (BOX is a or b) whose text
// was BEFORE, "t BOX" a plain Tab pressed there, "r BOX AFTER" a key released with AFTER the
// box's text, "adv BOX" the focus moved on by itself, "user" the user moved it. Each press
// answers 1 when swallowed, each release 1 when it filled its box.
void TestEntryAdvance::keySequence_data() {
    QTest::addColumn<QString>("szSteps");
    QTest::addColumn<QString>("szAnswers");
    QTest::newRow("digit typed fills") << "k a 12;r a 123"
                                       << "01";
    QTest::newRow("selected character overtyped fills") << "k a 12;r a 13"
                                                        << "01";
    QTest::newRow("backspace does not") << "k a 123;r a 12"
                                        << "00";
    QTest::newRow("replace by same text does not") << "k a 80;r a 80"
                                                   << "00";
    QTest::newRow("overtyped selection fills") << "k a 123;r a 9"
                                               << "00";
    QTest::newRow("release in another box") << "k a 12;r b 123"
                                            << "00";
    QTest::newRow("release without its press") << "r a 123"
                                               << "0";
    QTest::newRow("second release after one press") << "k a 12;r a 123;r a 1234"
                                                    << "010";
    QTest::newRow("habit tab swallowed") << "adv b;t b"
                                         << "1";
    QTest::newRow("only the first tab") << "adv b;t b;t b"
                                        << "10";
    QTest::newRow("tab after a digit passes") << "adv b;k b ;r b 8;t b"
                                              << "010";
    QTest::newRow("tab in another box passes") << "adv b;t a"
                                               << "0";
    QTest::newRow("user move clears") << "adv b;user;t b"
                                      << "0";
    QTest::newRow("swallowed tab fills nothing") << "adv b;t b;r b 8"
                                                 << "10";
}

void TestEntryAdvance::keySequence() {
    QFETCH(QString, szSteps);
    QFETCH(QString, szAnswers);
    QObject boxA;
    QObject boxB;
    const auto box = [&](const QString& szName) { return szName == u'a' ? &boxA : &boxB; };
    EntryAdvance entry;
    QString szGot;
    for (const QString& szStep : szSteps.split(u';')) {
        const QStringList parts = szStep.split(u' ');
        const QString szText = parts.size() > 2 ? parts.at(2) : QString();
        const QString& szOp = parts.at(0);
        if (szOp == u'k' || szOp == u't') {
            szGot += entry.KeyPressed(box(parts.at(1)), szOp == u't', szText) ? u'1' : u'0';
        } else if (szOp == u'r') {
            szGot += entry.KeyReleased(box(parts.at(1)), szText) ? u'1' : u'0';
        } else if (szOp == QStringLiteral("adv")) {
            entry.Advanced(box(parts.at(1)));
        } else {
            entry.FocusMoved();
        }
    }
    QCOMPARE(szGot, szAnswers);
}

QTEST_GUILESS_MAIN(TestEntryAdvance)
#include "test_mainwindow_entryadvance.moc"
