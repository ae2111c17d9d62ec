// Picking between values typed differently on two computers: the dialog offers both values of
// each, by keyboard and to a screen reader, and what is picked goes into the diary.

#include "diary/DocumentMerge.h"
#include "diary/ReadingsSchema.h"
#include "mainwindow/ConflictPicker.h"
#include "xmlstore/clsXML.h"
#include "xmlstore/clsXMLTag.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

const QList<MergeConflict> kConflicts{
    {QStringLiteral("20261201"), 0, QStringLiteral("S"), QStringLiteral("121"),
     QStringLiteral("122")},
    {QStringLiteral("20261201"), 1, QStringLiteral("C"), QStringLiteral("tea & toast"), QString()},
};

} // namespace

class TestConflictPicker : public QObject {
    Q_OBJECT
private slots:
    void picks_data() {
        QTest::addColumn<QList<int>>("theirsClicked");
        QTest::addColumn<int>("iKey");
        QTest::addColumn<int>("iResult");
        QTest::addColumn<QList<int>>("theirsPicked");
        QTest::newRow("Enter keeps this side's")
            << QList<int>{} << int(Qt::Key_Return) << int(QDialog::Accepted) << QList<int>{};
        QTest::newRow("the other side's comment")
            << QList<int>{1} << int(Qt::Key_Return) << int(QDialog::Accepted) << QList<int>{1};
        QTest::newRow("both of the other side's") << QList<int>{0, 1} << int(Qt::Key_Return)
                                                  << int(QDialog::Accepted) << QList<int>{0, 1};
        QTest::newRow("Escape decides later")
            << QList<int>{0} << int(Qt::Key_Escape) << int(QDialog::Rejected) << QList<int>{0};
    }

    void picks() {
        QFETCH(QList<int>, theirsClicked);
        QFETCH(int, iKey);
        QFETCH(int, iResult);
        QFETCH(QList<int>, theirsPicked);
        ConflictPicker picker(kConflicts, QStringLiteral("Said."),
                              QStringLiteral("/data/crtlg.dat.conflict-20261210-101500"));
        picker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picker));
        QCOMPARE(picker.radMine.size(), 2);
        // The keyboard starts on the first choice; Space on the other picks it.
        QCOMPARE(QApplication::focusWidget(), picker.radMine[0]);
        for (int i : theirsClicked) {
            picker.radTheirs[i]->setFocus();
            QTest::keyClick(picker.radTheirs[i], Qt::Key_Space);
        }
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(iKey));
        QCOMPARE(picker.result(), iResult);
        QList<MergeConflict> expected;
        for (int i : theirsPicked) {
            expected << kConflicts[i];
        }
        QCOMPARE(picker.TheirsPicked(), expected);
    }

    void readableChoices() {
        ConflictPicker picker(kConflicts, QStringLiteral("Said."), QStringLiteral("copy"));
        // A screen reader hears the day, the value and both sides' values; "&" is no shortcut
        // and an empty value is said.
        QVERIFY2(picker.radMine[1]->accessibleName().contains(QStringLiteral("reading 2, comment")),
                 qPrintable(picker.radMine[1]->accessibleName()));
        QVERIFY(picker.radMine[1]->accessibleName().endsWith(QStringLiteral("Here: tea & toast")));
        QCOMPARE(picker.radMine[1]->text(), QStringLiteral("Here: tea && toast"));
        QVERIFY(picker.radTheirs[1]->accessibleName().endsWith(
            QStringLiteral("On the other computer: (empty)")));
        QVERIFY(picker.radMine[0]->accessibleName().contains(QStringLiteral("systolic")));
        for (QRadioButton* choice : picker.radMine + picker.radTheirs) {
            QCOMPARE(choice->focusPolicy(), Qt::StrongFocus);
            QVERIFY(choice->styleSheet().contains(QStringLiteral(":focus")));
        }
    }

    void theirValuesGoIntoTheDiary() {
        clsXML doc;
        const auto objReadings = doc.objBlockTag->AddSubTag(kReadingsTagName, {}, true);
        const auto objDay = objReadings->AddSubTag(QStringLiteral("20261201"), {}, true);
        WriteDayReadings(objDay,
                         {Reading{QStringLiteral("07:00"), QStringLiteral("121"), {}, {}, {}},
                          Reading{QStringLiteral("19:00"),
                                  QStringLiteral("130"),
                                  {},
                                  {},
                                  QStringLiteral("tea & toast")}});
        TakeTheirValues(objReadings, kConflicts);
        const QList<Reading> readings = DayReadings(objDay);
        QCOMPARE(readings.size(), 2);
        QCOMPARE(readings[0].szSystolic, QStringLiteral("122"));
        QCOMPARE(readings[1].szSystolic, QStringLiteral("130"));
        QCOMPARE(readings[1].szComment, QString());
        QCOMPARE(readings[1].szTime, QStringLiteral("19:00"));
    }
};

QTEST_MAIN(TestConflictPicker)
#include "test_mainwindow_conflicts.moc"
