// The main window's frame and commands: position, closing, reset, disclaimer, links, report,
// dragging and the other windows at unload.

#include "tests/support/MainWindowTestSupport.h"

#include "report/RichTextBox.h"
#include "report/frmReport.h"
#include "widgets/ctlChart.h"

#include <QCalendarWidget>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QTextDocument>
#include <QTimer>

using namespace tlgtest;
using namespace Qt::StringLiterals;

namespace {

const QDate kToday(2027, 3, 5);
const QString kTodayKey = QStringLiteral("20270305");
const QString kHost = QStringLiteral(TLG_HOME_HOST);

// A top-level window that notes when it is closed.
class NotedWindow : public QWidget {
public:
    NotedWindow(const QString& szName, QStringList& closed) : closed(closed) {
        setObjectName(szName);
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        closed << objectName();
        QWidget::closeEvent(event);
    }

private:
    QStringList& closed;
};

} // namespace

class TestFrmMainFrame : public QObject {
    Q_OBJECT

    PrivateSettings settings;

private slots:
    void init() {
        NewDocument();
        PrivateSettings::Clear();
        SetMessageBoxHandler(nullptr);
        SetWebLinkHandler(nullptr);
    }

    // Where the window opens for what the settings hold and where the screens are.
    void restoredPosition_data() {
        QTest::addColumn<QString>("left"); // "<none>": missing
        QTest::addColumn<QString>("top");
        QTest::addColumn<QList<QRect>>("areas");
        QTest::addColumn<QPointF>("expected");

        const QList<QRect> one{QRect(0, 0, 1280, 1024)};
        const QList<QRect> two{QRect(0, 0, 1280, 1024), QRect(-1920, 0, 1920, 1080)};
        const QPointF fallback(1000, 1000);
        QTest::newRow("nothing stored") << u"<none>"_s << u"<none>"_s << one << fallback;
        QTest::newRow("stored place") << u"1500"_s << u"3000"_s << one << QPointF(1500, 3000);
        QTest::newRow("one key missing") << u"4500"_s << u"<none>"_s << one << QPointF(4500, 1000);
        QTest::newRow("not a number") << u"abc"_s << u"2250"_s << one << QPointF(1000, 2250);
        QTest::newRow("empty text") << u""_s << u""_s << one << fallback;
        QTest::newRow("blanks around") << u" 1500 "_s << u"1500"_s << one << QPointF(1500, 1500);
        QTest::newRow("fraction") << u"1507.5"_s << u"1500"_s << one << QPointF(1507.5, 1500);
        QTest::newRow("too large for a number")
            << u"1e40"_s << u"1500"_s << one << QPointF(1000, 1500);
        QTest::newRow("infinite") << u"inf"_s << u"1500"_s << one << QPointF(1000, 1500);
        QTest::newRow("far right of every screen") << u"100000"_s << u"1500"_s << one << fallback;
        QTest::newRow("above every screen") << u"1500"_s << u"-9000"_s << one << fallback;
        QTest::newRow("only a sliver on screen") << u"18750"_s << u"1500"_s << one << fallback;
        QTest::newRow("partly off screen but reachable")
            << u"-6000"_s << u"-3000"_s << one << QPointF(-6000, -3000);
        QTest::newRow("on the second screen, left of the first")
            << u"-15000"_s << u"1500"_s << two << QPointF(-15000, 1500);
        QTest::newRow("in the gap below the smaller screen")
            << u"-15000"_s << u"15750"_s << two << fallback;
        QTest::newRow("no screen known")
            << u"100000"_s << u"100000"_s << QList<QRect>{} << QPointF(100000, 100000);
    }
    void restoredPosition() {
        QFETCH(QString, left);
        QFETCH(QString, top);
        QFETCH(QList<QRect>, areas);
        QFETCH(QPointF, expected);
        const QString none = QStringLiteral("<none>");
        const QPointF position = frmMain::RestoredPositionTwips(
            left == none ? nullptr : &left, top == none ? nullptr : &top, QSize(700, 500), areas);
        QCOMPARE(position, expected);
    }

    // The window opens where it was closed; unusable settings give the default place.
    void positionStoredAndRestored() {
        {
            const auto window = OpenWindow(kToday);
            QVERIFY(window);
            QCOMPARE(window->pos(), QPoint(67, 67)); // 1000 twips
            window->move(200, 120);
            window->Form_Unload();
        }
        QCOMPARE(PrivateSettings::Stored(QStringLiteral("MainLeft")), QStringLiteral("3000"));
        QCOMPARE(PrivateSettings::Stored(QStringLiteral("MainTop")), QStringLiteral("1800"));
        {
            const auto window = OpenWindow(kToday);
            QVERIFY(window);
            QCOMPARE(window->pos(), QPoint(200, 120));
        }

        // Far outside the screen: pulled back to the default place.
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        PrivateSettings::Store(QStringLiteral("MainLeft"),
                               QString::number((screen.right() + 50) * 15));
        PrivateSettings::Store(QStringLiteral("MainTop"), QStringLiteral("1500"));
        {
            const auto window = OpenWindow(kToday);
            QVERIFY(window);
            QCOMPARE(window->pos(), QPoint(67, 67));
        }
    }

    // A minimised window stores nothing: the place stored before stays.
    void minimisedKeepsStoredPosition() {
        PrivateSettings::Store(QStringLiteral("MainLeft"), QStringLiteral("1500"));
        PrivateSettings::Store(QStringLiteral("MainTop"), QStringLiteral("2250"));
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        window->move(300, 300);
        window->setWindowState(Qt::WindowMinimized);
        QVERIFY(window->isMinimized());
        window->Form_Unload();
        QCOMPARE(PrivateSettings::Stored(QStringLiteral("MainLeft")), QStringLiteral("1500"));
        QCOMPARE(PrivateSettings::Stored(QStringLiteral("MainTop")), QStringLiteral("2250"));
    }

    // Unloading closes the program's other windows, the most recent first.
    void unloadClosesOtherWindows() {
        QStringList closed;
        NotedWindow welcome(QStringLiteral("welcome"), closed);
        welcome.show();
        welcome.hide(); // the welcome window stays loaded, hidden
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        NotedWindow later(QStringLiteral("later"), closed);
        later.show();
        window->Form_Unload();
        QCOMPARE(closed, (QStringList{u"later"_s, u"welcome"_s}));
    }

    // Both close commands fade the window out and hide it.
    void closeCommands_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("close mark") << u"btClose"_s;
        QTest::newRow("close button") << u"btClose2"_s;
    }
    void closeCommands() {
        QFETCH(QString, button);
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        auto* control = window->findChild<QWidget*>(button);
        QVERIFY(control);
        QTest::mouseClick(control, Qt::LeftButton);
        QVERIFY(!window->isVisible());
        QVERIFY(window->windowOpacity() < 0.01);
    }

    // Reset asks first; only Yes empties the readings.
    void reset_data() {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::newRow("yes") << QMessageBox::Yes;
        QTest::newRow("no") << QMessageBox::No;
        QTest::newRow("box closed") << QMessageBox::NoButton;
    }
    void reset() {
        QFETCH(QMessageBox::StandardButton, answer);
        AddDay(QStringLiteral("20270301"), QStringLiteral("120"), QStringLiteral("80"),
               QStringLiteral("60"), QStringLiteral("fine"));
        AddDay(kTodayKey, QStringLiteral("130"), QStringLiteral("85"), QStringLiteral("70"));
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        QVERIFY(!window->ctlChart->isHidden());
        window->txtPulse->setFocus();
        const std::shared_ptr<clsXML> before = objXML;

        MessageBoxes boxes(answer);
        QTest::mouseClick(window->lblReset, Qt::LeftButton);
        QCOMPARE(boxes.shown.size(), size_t(1));
        QCOMPARE(boxes.shown.front().icon, QMessageBox::Warning);
        QCOMPARE(boxes.shown.front().szTitle, QStringLiteral("Reset Data Confirmation"));
        QCOMPARE(boxes.shown.front().szText,
                 QStringLiteral("You are about to remove all the readings you have entered so "
                                "far. Are you sure?"));
        QCOMPARE(boxes.shown.front().buttons, QMessageBox::Yes | QMessageBox::No);

        if (answer != QMessageBox::Yes) {
            QCOMPARE(objXML, before);
            QCOMPARE(objReadings->objSubTags->Count(), 2);
            QCOMPARE(window->txtSystolic->text(), QStringLiteral("130"));
            QVERIFY(!window->ctlChart->isHidden());
            QCOMPARE(FocusName(), QStringLiteral("txtPulse"));
            return;
        }
        QVERIFY(objXML != before);
        QCOMPARE(objXML->objBlockTag->szName, QStringLiteral("CORVALEN TENSIOLOG"));
        QCOMPARE(objXML->objBlockTag->objSubTags->Count(), 1);
        QCOMPARE(objReadings, objXML->objBlockTag->FindSubTagObjectByName(
                                  QStringLiteral("READINGS"), QString()));
        QCOMPARE(objReadings->objSubTags->Count(), 1);
        QCOMPARE(DayValue(kTodayKey, kSystolicName), QString());
        QCOMPARE(window->txtSystolic->text(), QString());
        QCOMPARE(window->txtPulse->text(), QString());
        QVERIFY(window->ctlChart->isHidden());
        QCOMPARE(FocusName(), QStringLiteral("txtSystolic"));

        // What is typed now goes into the new document.
        Type(*window, QStringLiteral("14"));
        QCOMPARE(DayValue(kTodayKey, kSystolicName), QStringLiteral("14"));
    }

    void disclaimer() {
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        MessageBoxes boxes;
        QTest::mouseClick(window->lblDisclaimer, Qt::LeftButton);
        QCOMPARE(boxes.shown.size(), size_t(1));
        QCOMPARE(boxes.shown.front().icon, QMessageBox::Information);
        QCOMPARE(boxes.shown.front().szTitle, QStringLiteral("Warning Disclaimer"));
        QCOMPARE(boxes.shown.front().buttons, QMessageBox::Ok);
        QCOMPARE(boxes.shown.front().szText,
                 QStringLiteral(
                     "The information provided by this software should not be used as a basis "
                     "for diagnosis or treament which can only be provided by a qualified "
                     "medical practitioner. You should consult your doctor or an appropriate "
                     "health professional for specific personal advice if you have any "
                     "concerns about your health."));
    }

    // The links hand their address to the browser; a click that leaves the link does nothing.
    void webLinks_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("address");
        QTest::newRow("home page")
            << u"imgCorvalenLink"_s << QStringLiteral("http://") + kHost + u"?src=tlgapp"_s;
        QTest::newRow("tips") << u"lblTips"_s
                              << QStringLiteral("http://") + kHost + u"/tlg/index.php?src=tlgapp"_s;
    }
    void webLinks() {
        QFETCH(QString, control);
        QFETCH(QString, address);
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        QStringList opened;
        SetWebLinkHandler([&opened](const QString& szAddress) {
            opened << szAddress;
            return false; // a refused request stays silent
        });
        MessageBoxes boxes;
        auto* link = window->findChild<QWidget*>(control);
        QVERIFY(link);
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(opened, QStringList{address});
        QVERIFY(boxes.shown.empty());

        QTest::mousePress(link, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseRelease(window.get(), Qt::LeftButton, {}, QPoint(690, 250));
        QCOMPARE(opened.size(), 1);
        SetWebLinkHandler(nullptr);
    }

    // Only the window's own background starts a drag, never a control.
    void dragOnlyFromBackground_data() {
        QTest::addColumn<QString>("control"); // empty: the background
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("drags");
        QTest::newRow("title strip") << u""_s << QPoint(400, 20) << true;
        QTest::newRow("between the panels") << u""_s << QPoint(6, 300) << true;
        QTest::newRow("instructions") << u"lblInstructions_0"_s << QPoint(5, 5) << false;
        QTest::newRow("systolic label") << u"lbl_1"_s << QPoint(5, 5) << false;
        QTest::newRow("chart") << u"ctlChart"_s << QPoint(300, 100) << false;
        QTest::newRow("calendar") << u"ctlCal"_s << QPoint(130, 10) << false;
        QTest::newRow("entry box") << u"txtPulse"_s << QPoint(5, 5) << false;
    }
    void dragOnlyFromBackground() {
        QFETCH(QString, control);
        QFETCH(QPoint, at);
        QFETCH(bool, drags);
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        QWidget* target = control.isEmpty() ? window.get() : window->findChild<QWidget*>(control);
        QVERIFY(target);
        const QPoint start = window->pos();
        QTest::mousePress(target, Qt::RightButton, {}, at);
        QCOMPARE(window->bDragging, drags);
        QTest::mouseRelease(target, Qt::RightButton, {}, at);
        QVERIFY(!window->bDragging);
        QCOMPARE(window->pos(), start);
    }

    // The report opens modally over the faded window, which comes back when it closes.
    void report() {
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        QPointer<frmReport> shown;
        QPointer<QTextDocument> text;
        QPointer<QTextDocument> printCopy;
        bool bShown = false;
        bool bWindowFaded = false;
        QTimer::singleShot(0, [&] {
            shown = qobject_cast<frmReport*>(QApplication::activeModalWidget());
            bShown = shown && shown->isVisible();
            if (shown) {
                text = shown->rtb->document();
                printCopy = shown->rtbPrint->document();
            }
            bWindowFaded = window->windowOpacity() < 0.01;
            if (shown) {
                shown->reject();
            }
        });
        QTest::mouseClick(window->btReport, Qt::LeftButton);
        QVERIFY(bShown);
        QVERIFY(bWindowFaded);
        QVERIFY(shown.isNull()); // released once closed
        // ... with its text and its print copy: a closed report holds no memory.
        QVERIFY(bShown && text.isNull() && printCopy.isNull());
        QVERIFY(window->isVisible());
        QVERIFY(window->windowOpacity() > 0.99);
    }
};

QTEST_MAIN(TestFrmMainFrame)
#include "test_frmmain_frame.moc"
