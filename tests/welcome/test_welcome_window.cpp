#include "tests/support/AppTestSupport.h"
#include "welcome/frmWelcome.h"
#include "widgets/modUtils.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QTimer>
#include <QtTest>

#include <cmath>

class TestAppWelcome : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        HideOpacityWarnings();
        FramelessWindow::SetFadeDuration(0);
    }

    void layout() {
        frmWelcome window;
        QCOMPARE(window.size(), QSize(700, 500));
        QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
        // Its own place on the screen: 2715, 3315 twips.
        QCOMPARE(window.pos(), QPoint(181, 221));

        QCOMPARE(window.btClose->geometry(), QRect(664, 12, 25, 25));
        QCOMPARE(window.btClose->toolTip(), QStringLiteral("Close the Tensiolog"));
        QCOMPARE(window.btClose2->geometry(), QRect(588, 468, 101, 25));
        QVERIFY(window.btClose2->toolTip().isEmpty());
        QCOMPARE(window.btClose->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(window.btClose2->cursor().shape(), Qt::PointingHandCursor);
    }

    void artwork() {
        frmWelcome window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage picture = window.grab().toImage();
        // The title strip is dark, the page light, the close mark red.
        QVERIFY(qGray(picture.pixel(300, 10)) < 128);
        QVERIFY(qGray(picture.pixel(300, 250)) > 200);
        const QColor mark =
            picture.pixelColor(window.btClose->geometry().topLeft() + QPoint(3, 12));
        QVERIFY(mark.red() > 150 && mark.green() < 120);
        // No pixel of the colour key: dragging and fading never cut a hole in it.
        QVERIFY(window.ColourKeyShape(kColourKey).isEmpty());
    }

    void closing_data() {
        QTest::addColumn<QString>("szButton");
        QTest::newRow("close mark") << QStringLiteral("btClose");
        QTest::newRow("close button") << QStringLiteral("btClose2");
    }

    void closing() {
        QFETCH(QString, szButton);
        frmWelcome window;
        bool bClicked = false;
        QTimer::singleShot(0, &window, [&] {
            QVERIFY(window.isVisible());
            QVERIFY(window.isModal());
            auto* button = window.findChild<QAbstractButton*>(szButton);
            QVERIFY(button != nullptr);
            QTest::mouseClick(button, Qt::LeftButton);
            bClicked = true;
        });
        window.ShowModal();
        // ShowModal returned because the window faded out and hid itself.
        QVERIFY(bClicked);
        QVERIFY(!window.isVisible());
        QVERIFY(IsLayered(&window));
        QCOMPARE(window.windowOpacity(), 0.0);
    }

    void closingByKeyboard_data() {
        QTest::addColumn<bool>("bOnButton");
        QTest::addColumn<int>("key");
        QTest::newRow("Space on the close button") << true << int(Qt::Key_Space);
        QTest::newRow("Enter on the close button") << true << int(Qt::Key_Return);
        QTest::newRow("Escape anywhere") << false << int(Qt::Key_Escape);
    }

    void closingByKeyboard() {
        QFETCH(bool, bOnButton);
        QFETCH(int, key);
        frmWelcome window;
        QTimer::singleShot(0, &window, [&] {
            QWidget* target = bOnButton ? static_cast<QWidget*>(window.btClose2) : &window;
            target->setFocus();
            QTest::keyClick(target, Qt::Key(key));
        });
        window.ShowModal();
        QTRY_VERIFY(!window.isVisible());
    }

    // What a screen reader finds: the words of the picture, the emergency advice among them.
    void textForScreenReaders() {
        frmWelcome window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&window);
        QVERIFY(face != nullptr);
        // A frame named by its title, as the window system shows it.
        QCOMPARE(face->role(), QAccessible::Window);
        QCOMPARE(face->text(QAccessible::Name), window.windowTitle());
        // The close mark says what it closes: this window, not the program.
        QAccessibleInterface* closeMark = QAccessible::queryAccessibleInterface(window.btClose);
        QCOMPARE(closeMark->text(QAccessible::Name), QStringLiteral("Close the welcome window"));
        QCOMPARE(window.btClose->toolTip(), QStringLiteral("Close the Tensiolog"));
        QString szAll;
        for (int i = 0; i < face->childCount(); ++i) {
            QAccessibleInterface* child = face->child(i);
            if (child != nullptr && !child->state().invisible) {
                szAll += child->text(QAccessible::Name) + u'\n';
            }
        }
        for (const QString& szWords :
             {QStringLiteral("Welcome to Tensiolog"), QStringLiteral("Rest first."),
              QStringLiteral("See a doctor at once if a reading is 180/120 or higher"),
              QStringLiteral("A diary never replaces your doctor.")}) {
            QVERIFY2(szAll.contains(szWords), qPrintable(szWords));
        }
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TestAppWelcome test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_welcome_window.moc"
