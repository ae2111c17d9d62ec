// The main window with the keyboard alone and through a screen reader's eyes: focus moves,
// the commands, the names controls are announced by, and the day moving on at midnight.

#include "tests/support/MainWindowTestSupport.h"

#include "widgets/ctlChart.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>

using namespace tlgtest;
using namespace Qt::StringLiterals;

namespace {

const QDate kToday(2026, 12, 9);
const QString kTodayKey = QStringLiteral("20261209");
// The rest of the boxes after which the window follows a date change, shortened.
constexpr int kTypingPauseMs = 300;

// Shift+Tab, pressed and released as a person does it.
void BackTab(frmMain& window) {
    QTest::keyClick(window.windowHandle(), Qt::Key_Backtab, Qt::ShiftModifier);
}

// Another window takes the activation, then the main window gets it back.
bool SwitchAwayAndBack(frmMain& window) {
    QWidget other;
    other.setGeometry(900, 100, 200, 100);
    other.show();
    other.activateWindow();
    if (!QTest::qWaitForWindowActive(&other)) {
        return false;
    }
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

} // namespace

class TestFrmMainKeyboard : public QObject {
    Q_OBJECT

private:
    PrivateSettings m_settings;

private slots:
    void init() {
        NewDocument();
        SetMessageBoxHandler(nullptr);
        SetToday(QDate());
        frmMain::SetTypingPause(kTypingPauseMs);
    }

    void cleanup() {
        SetMessageBoxHandler(nullptr);
        SetToday(QDate());
        frmMain::SetTypingPause(frmMain::kDefaultTypingPauseMs);
    }

    // Switching to another window and back is not a focus move: the box does not select its
    // text again, so typing goes on where it was.
    void activationIsNotAFocusMove() {
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        Type(*window, u"120"_s);
        QCOMPARE(FocusName(), u"txtDiastolic"_s);
        Type(*window, u"8"_s);
        QVERIFY(SwitchAwayAndBack(*window));
        QCOMPARE(FocusName(), u"txtDiastolic"_s);
        Type(*window, u"5"_s);
        QCOMPARE(DayValue(kTodayKey, kDiastolicName), u"85"_s);
    }

    // After a reset the chart stays hidden while the window loses and regains activation.
    void hiddenChartStaysHiddenAcrossActivation() {
        AddDay(kTodayKey, u"130"_s, u"85"_s, u"70"_s);
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        {
            MessageBoxes boxes(QMessageBox::Yes);
            QTest::mouseClick(window->lblReset, Qt::LeftButton);
        }
        QVERIFY(window->ctlChart->isHidden());
        QVERIFY(SwitchAwayAndBack(*window));
        QVERIFY(window->ctlChart->isHidden());
    }

    // Shift+Tab and Tab reach full boxes and stay there, so a reading can be corrected.
    void backwardsIntoFullBoxes() {
        AddDay(kTodayKey, u"120"_s, u"80"_s, u"70"_s);
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        window->txtComment->setFocus(Qt::MouseFocusReason);
        BackTab(*window);
        QCOMPARE(FocusName(), u"txtPulse"_s);
        BackTab(*window);
        QCOMPARE(FocusName(), u"txtDiastolic"_s);
        BackTab(*window);
        QCOMPARE(FocusName(), u"txtSystolic"_s);
        // The old value is selected: typing replaces it, and the full box sends the focus on.
        Type(*window, u"135"_s);
        QCOMPARE(DayValue(kTodayKey, kSystolicName), u"135"_s);
        QCOMPARE(FocusName(), u"txtDiastolic"_s);
        // Forward Tab into a full box stays there too.
        window->txtSystolic->setFocus(Qt::MouseFocusReason);
        Type(*window, u"\t"_s);
        QCOMPARE(FocusName(), u"txtDiastolic"_s);
        QCOMPARE(window->txtDiastolic->selectedText(), u"80"_s);
    }

    // Enter or Escape on the reset question keeps every reading; only Yes removes them.
    void resetAnswersSafelyByDefault_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("bRemoved");
        QTest::newRow("Enter") << int(Qt::Key_Return) << false;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << false;
        QTest::newRow("Y for Yes") << int(Qt::Key_Y) << true;
    }

    void resetAnswersSafelyByDefault() {
        QFETCH(int, key);
        QFETCH(bool, bRemoved);
        AddDay(u"20261201"_s, u"120"_s, u"80"_s, u"60"_s);
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        QString szTitle;
        QTimer::singleShot(0, window.get(), [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            szTitle = box->windowTitle();
            if (key == Qt::Key_Y) {
                box->button(QMessageBox::Yes)->click();
            } else {
                QTest::keyClick(box, Qt::Key(key));
            }
        });
        window->lblReset->setFocus(Qt::TabFocusReason);
        QTest::keyClick(window->lblReset, Qt::Key_Space);
        QCOMPARE(szTitle, u"Reset Data Confirmation"_s);
        QCOMPARE(DayValue(u"20261201"_s, kSystolicName), bRemoved ? u"<none>"_s : u"120"_s);
    }

    // Browsing months with the calendar's arrows, then going back to a box: the calendar
    // shows the day the boxes write to again.
    void calendarReturnsToTheEditedDay() {
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        window->ctlCal->showNextMonth();
        QCOMPARE(window->ctlCal->monthShown(), 1);
        window->txtDiastolic->setFocus(Qt::MouseFocusReason);
        QCOMPARE(window->ctlCal->monthShown(), 12);
        QCOMPARE(window->ctlCal->yearShown(), 2026);
        QCOMPARE(window->LoadedDay(), kToday);
    }

    // Left open overnight, the window moves on to the new day, unless another day was picked.
    void dateChangeMovesToTheNewDay_data() {
        QTest::addColumn<bool>("bPickedAnother");
        QTest::newRow("today still shown") << false;
        QTest::newRow("another day picked") << true;
    }

    void dateChangeMovesToTheNewDay() {
        QFETCH(bool, bPickedAnother);
        SetToday(kToday);
        const auto window = OpenWindow(Today());
        QVERIFY(window);
        Type(*window, u"120"_s);
        const QDate dtPicked = kToday.addDays(-3);
        if (bPickedAnother) {
            window->ctlCal->setSelectedDate(dtPicked);
        }
        SetToday(kToday.addDays(1));
        // After the typing pause.
        QTest::qWait(kTypingPauseMs + 100);
        QVERIFY(SwitchAwayAndBack(*window));
        const QDate dtExpected = bPickedAnother ? dtPicked : kToday.addDays(1);
        QCOMPARE(window->LoadedDay(), dtExpected);
        QCOMPARE(window->ctlCal->selectedDate(), dtExpected);
        window->txtSystolic->setFocus(Qt::MouseFocusReason);
        Type(*window, u"131"_s);
        // Yesterday's reading is untouched; the morning's goes to the day shown.
        QCOMPARE(DayValue(kTodayKey, kSystolicName), bPickedAnother ? u"120"_s : u"120"_s);
        QCOMPARE(DayValue(dtExpected.toString(u"yyyyMMdd"_s), kSystolicName), u"131"_s);
    }

    // A reading typed across midnight stays on the day it was begun on: the window moves on to
    // the new day once the boxes have rested, or at once when the focus leaves them.
    void typingAcrossMidnight_data() {
        QTest::addColumn<QString>("between"); // what happens after midnight, mid-reading
        QTest::addColumn<QString>("keysAfter");
        QTest::addColumn<QString>("dayAfterKeys"); // the day loaded right after the keys
        QTest::newRow("typing goes on") << u""_s << u"28570"_s << u"20261209"_s;
        QTest::newRow("window switched while typing") << u"switch"_s << u"28570"_s << u"20261209"_s;
        QTest::newRow("comment typed on") << u""_s << u"28570ok"_s << u"20261209"_s;
        QTest::newRow("focus leaves the boxes") << u"leave"_s << u""_s << u"20261210"_s;
    }
    void typingAcrossMidnight() {
        QFETCH(QString, between);
        QFETCH(QString, keysAfter);
        QFETCH(QString, dayAfterKeys);
        SetToday(kToday);
        const auto window = OpenWindow(Today());
        QVERIFY(window);
        Type(*window, u"13"_s);
        SetToday(kToday.addDays(1));
        if (between == u"switch"_s) {
            QVERIFY(SwitchAwayAndBack(*window));
        } else if (between == u"leave"_s) {
            window->ctlCal->setFocus(Qt::TabFocusReason);
        }
        Type(*window, keysAfter);
        QCOMPARE(window->LoadedDay().toString(u"yyyyMMdd"_s), dayAfterKeys);
        const QString szStored =
            DayValue(kTodayKey, kSystolicName) + u'/' + DayValue(kTodayKey, kDiastolicName) + u'/' +
            DayValue(kTodayKey, kPulseName) + u'/' + DayValue(kTodayKey, kCommentName);
        QCOMPARE(szStored, keysAfter.isEmpty() ? u"13///"_s : u"132/85/70/"_s + keysAfter.mid(5));
        // Once the boxes rest, the window is on the new day, which holds nothing typed.
        QTRY_COMPARE(window->LoadedDay(), kToday.addDays(1));
        QCOMPARE(window->ctlCal->selectedDate(), kToday.addDays(1));
        QCOMPARE(DayValue(u"20261210"_s, kSystolicName), QString());
    }

    // Every control the keyboard reaches has a name a screen reader says, in a Tab order that
    // reaches every command.
    void tabOrderReachesEveryCommand() {
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        window->ctlCal->setFocus(Qt::TabFocusReason);
        QStringList visited;
        for (int i = 0; i < 30 && !visited.contains(FocusName()); ++i) {
            visited.append(FocusName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        for (const QString& szName :
             {u"txtSystolic"_s, u"txtDiastolic"_s, u"txtPulse"_s, u"txtComment"_s, u"btClose"_s,
              u"btReport"_s, u"btClose2"_s, u"lblReset"_s, u"lblTips"_s, u"lblDisclaimer"_s,
              u"imgCorvalenLink"_s}) {
            QVERIFY2(visited.contains(szName),
                     qPrintable(szName + u" not reached: "_s + visited.join(u", "_s)));
        }
        QVERIFY(visited.indexOf(u"btClose2"_s) < visited.indexOf(u"lblReset"_s));
    }

    void accessibleNames_data() {
        QTest::addColumn<QString>("szControl");
        QTest::addColumn<QString>("szName");
        QTest::addColumn<int>("role");
        QTest::addColumn<bool>("bDescribed");

        QTest::newRow("systolic") << u"txtSystolic"_s << u"Systolic pressure, mmHg"_s
                                  << int(QAccessible::EditableText) << true;
        QTest::newRow("diastolic") << u"txtDiastolic"_s << u"Diastolic pressure, mmHg"_s
                                   << int(QAccessible::EditableText) << true;
        QTest::newRow("pulse") << u"txtPulse"_s << u"Pulse, beats per minute"_s
                               << int(QAccessible::EditableText) << true;
        QTest::newRow("comment") << u"txtComment"_s << u"Comment"_s
                                 << int(QAccessible::EditableText) << true;
        QTest::newRow("report") << u"btReport"_s << u"View report"_s << int(QAccessible::Button)
                                << true;
        QTest::newRow("close mark")
            << u"btClose"_s << u"Close"_s << int(QAccessible::Button) << true;
        QTest::newRow("close button")
            << u"btClose2"_s << u"Close Tensiolog"_s << int(QAccessible::Button) << true;
        QTest::newRow("reset") << u"lblReset"_s << u"Reset data and start again"_s
                               << int(QAccessible::Button) << true;
        QTest::newRow("disclaimer")
            << u"lblDisclaimer"_s << u"Health Warning"_s << int(QAccessible::Button) << false;
        QTest::newRow("tips") << u"lblTips"_s << u"Blood Pressure Information and Tips"_s
                              << int(QAccessible::Link) << true;
        QTest::newRow("web site") << u"imgCorvalenLink"_s
                                  << u"Tensiolog web site, www.tensiolog.org"_s
                                  << int(QAccessible::Link) << true;
        QTest::newRow("calendar") << u"ctlCal"_s << u"Calendar: the day of the readings"_s << -1
                                  << true;
    }

    void accessibleNames() {
        QFETCH(QString, szControl);
        QFETCH(QString, szName);
        QFETCH(int, role);
        QFETCH(bool, bDescribed);
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        auto* control = window->findChild<QWidget*>(szControl);
        QVERIFY(control);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
        QVERIFY(face);
        QCOMPARE(face->text(QAccessible::Name), szName);
        if (role >= 0) {
            QCOMPARE(int(face->role()), role);
        }
        QCOMPARE(!face->text(QAccessible::Description).isEmpty(), bDescribed);
        QVERIFY(control->focusPolicy() & Qt::TabFocus);
    }

    // The boxes' visible labels name them too (a screen reader's "labelled by").
    void labelsAreBuddies() {
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        QCOMPARE(window->lbl[1]->buddy(), window->txtSystolic);
        QCOMPARE(window->lbl[0]->buddy(), window->txtDiastolic);
        QCOMPARE(window->lbl[2]->buddy(), window->txtPulse);
        QCOMPARE(window->lbl[3]->buddy(), window->txtComment);
    }

    // The clickable labels are commands by keyboard and by a screen reader's press action.
    void labelCommands_data() {
        QTest::addColumn<QString>("szControl");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("szExpected");
        QTest::newRow("disclaimer by Enter")
            << u"lblDisclaimer"_s << int(Qt::Key_Return) << u"box:Warning Disclaimer"_s;
        QTest::newRow("disclaimer by Space")
            << u"lblDisclaimer"_s << int(Qt::Key_Space) << u"box:Warning Disclaimer"_s;
        QTest::newRow("reset by Enter")
            << u"lblReset"_s << int(Qt::Key_Return) << u"box:Reset Data Confirmation"_s;
        QTest::newRow("tips by Enter")
            << u"lblTips"_s << int(Qt::Key_Return)
            << u"link:http://"_s + QStringLiteral(TLG_HOME_HOST) + u"/tlg/index.php?src=tlgapp"_s;
        QTest::newRow("web site by screen reader")
            << u"imgCorvalenLink"_s << -1
            << u"link:http://"_s + QStringLiteral(TLG_HOME_HOST) + u"?src=tlgapp"_s;
        QTest::newRow("disclaimer by screen reader")
            << u"lblDisclaimer"_s << -1 << u"box:Warning Disclaimer"_s;
    }

    void labelCommands() {
        QFETCH(QString, szControl);
        QFETCH(int, key);
        QFETCH(QString, szExpected);
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        QStringList given;
        SetWebLinkHandler([&given](const QString& szUrl) {
            given.append(u"link:"_s + szUrl);
            return true;
        });
        MessageBoxes boxes(QMessageBox::No);
        auto* control = window->findChild<QWidget*>(szControl);
        QVERIFY(control);
        if (key >= 0) {
            control->setFocus(Qt::TabFocusReason);
            QTest::keyClick(control, Qt::Key(key));
        } else {
            QAccessibleActionInterface* actions =
                QAccessible::queryAccessibleInterface(control)->actionInterface();
            QVERIFY(actions);
            QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
            actions->doAction(QAccessibleActionInterface::pressAction());
            // The command runs once the screen reader's call has returned.
            QTRY_VERIFY(!given.isEmpty() || !boxes.shown.empty());
        }
        SetWebLinkHandler(nullptr);
        for (const ShownBox& box : boxes.shown) {
            given.append(u"box:"_s + box.szTitle);
        }
        QCOMPARE(given, QStringList{szExpected});
    }

    // With a font half as large again, every label's text still fits its place.
    void largerFontFits() {
        const QFont before = QApplication::font();
        QFont larger = before;
        larger.setPointSizeF(before.pointSizeF() * 1.5);
        QApplication::setFont(larger);
        const auto window = OpenWindow(kToday);
        QApplication::setFont(before);
        QVERIFY(window);
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            if (label->text().isEmpty() || !label->isVisible()) {
                continue;
            }
            const int iNeeded = label->wordWrap() ? label->heightForWidth(label->width())
                                                  : label->sizeHint().height();
            QVERIFY2(iNeeded <= label->height() + 1, qPrintable(label->objectName()));
            if (!label->wordWrap()) {
                QVERIFY2(label->sizeHint().width() <= label->width() + 1,
                         qPrintable(label->objectName()));
            }
        }
        for (const QLineEdit* box : {window->txtSystolic, window->txtDiastolic, window->txtPulse}) {
            const QRect digits =
                QFontMetrics(box->font()).tightBoundingRect(QStringLiteral("0123456789"));
            QVERIFY2(digits.height() <= box->height() - 4, qPrintable(box->objectName()));
        }
    }

    // The calendar and the command labels show that they have the keyboard as every other
    // control does: a frame two pixels wide, drawn by the window just outside them, where it
    // covers none of their letters, and only while they have the focus.
    void focusFrameAroundControl_data() {
        QTest::addColumn<QString>("control");
        QTest::newRow("calendar") << u"ctlCal"_s;
        QTest::newRow("reset") << u"lblReset"_s;
        QTest::newRow("tips") << u"lblTips"_s;
        QTest::newRow("health warning") << u"lblDisclaimer"_s;
        QTest::newRow("web link") << u"imgCorvalenLink"_s;
    }
    void focusFrameAroundControl() {
        QFETCH(QString, control);
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        auto* framed = window->findChild<QWidget*>(control);
        QVERIFY(framed);
        const QRect rect = framed->geometry();
        // Points on the inner line of the frame, on each side of the control.
        const QList<QPoint> frame{{rect.left() - 2, rect.center().y()},
                                  {rect.right() + 2, rect.center().y()},
                                  {rect.center().x(), rect.top() - 2},
                                  {rect.center().x(), rect.bottom() + 2}};
        framed->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(framed->isAncestorOf(QApplication::focusWidget()) || framed->hasFocus());
        const QImage focused = window->grab().toImage();
        // Nothing of the frame inside the control, over its text.
        const QImage inside = framed->grab().toImage();
        window->txtSystolic->setFocus();
        QTRY_VERIFY(window->txtSystolic->hasFocus());
        const QImage unfocused = window->grab().toImage();
        for (const QPoint& p : frame) {
            QCOMPARE(focused.pixelColor(p), FocusFrameColour());
            QVERIFY(unfocused.pixelColor(p) != FocusFrameColour());
        }
        if (control != u"ctlCal"_s) {
            QCOMPARE(inside, framed->grab().toImage());
        }
    }

    // Every row of days shows whole, also in months that take all six rows, with the fonts of
    // the system (run a second time with a font resolution half as large again).
    void calendarRowsFit_data() {
        QTest::addColumn<int>("iMonth");
        QTest::newRow("March 2026, six rows") << 3;
        QTest::newRow("August 2026, six rows") << 8;
        QTest::newRow("February 2026, four rows") << 2;
    }
    void calendarRowsFit() {
        QFETCH(int, iMonth);
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        window->ctlCal->setCurrentPage(2026, iMonth);
        QApplication::processEvents();
        auto* days = window->ctlCal->findChild<QAbstractItemView*>();
        QVERIFY(days);
        const QAbstractItemModel* model = days->model();
        const QModelIndex last = model->index(model->rowCount() - 1, model->columnCount() - 1);
        QVERIFY2(days->visualRect(last).bottom() < days->viewport()->height(),
                 qPrintable(QStringLiteral("the last row ends at %1 of %2")
                                .arg(days->visualRect(last).bottom())
                                .arg(days->viewport()->height())));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setEffectEnabled(Qt::UI_AnimateCombo, false);
    TestFrmMainKeyboard test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_frmmain_keyboard.moc"
