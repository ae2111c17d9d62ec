// Day selection and reading entry in the main window, typed as a person types.

#include "tests/support/MainWindowTestSupport.h"

#include "widgets/ctlChart.h"

#include <QBuffer>
#include <QCalendarWidget>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>

#include <stdexcept>

using namespace tlgtest;
using namespace Qt::StringLiterals;

namespace {

const QDate kToday(2026, 12, 7);
const QString kTodayKey = QStringLiteral("20261207");

// "S|D|P|focus": the day's three stored measurements and the control with the focus.
QString State(const QString& szKey) {
    return DayValue(szKey, kSystolicName) + u'|' + DayValue(szKey, kDiastolicName) + u'|' +
           DayValue(szKey, kPulseName) + u'|' + FocusName();
}

// Clicks a day of the month the calendar shows, as a person clicks it.
bool ClickCalendarDay(QCalendarWidget& calendar, int iDay) {
    auto* view = calendar.findChild<QTableView*>();
    if (view == nullptr) {
        return false;
    }
    const QAbstractItemModel* model = view->model();
    // Days of the neighbouring months show on the first and last rows; the middle of the
    // month is found only once.
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(row, column);
            if (model->data(index).toString() == QString::number(iDay)) {
                QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                                  view->visualRect(index).center());
                return true;
            }
        }
    }
    return false;
}

} // namespace

class TestFrmMainEntry : public QObject {
    Q_OBJECT

private slots:
    void init() {
        NewDocument();
        SetMessageBoxHandler(nullptr);
    }

    // Each key release stores the whole text; the focus moves on by the box's rule.
    void typing_data() {
        QTest::addColumn<QStringList>("preset"); // S, D, P of the day before the window opens
        QTest::addColumn<QString>("startBox");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("states"); // State() after each key

        const QStringList empty{QString(), QString(), QString()};
        QTest::newRow("systolic advances at three characters")
            << empty << u"txtSystolic"_s << u"120"_s
            << QStringList{u"1|||txtSystolic"_s, u"12|||txtSystolic"_s, u"120|||txtDiastolic"_s};
        QTest::newRow("systolic stays at two characters")
            << empty << u"txtSystolic"_s << u"95"_s
            << QStringList{u"9|||txtSystolic"_s, u"95|||txtSystolic"_s};
        QTest::newRow("diastolic advances at two characters")
            << empty << u"txtDiastolic"_s << u"85"_s
            << QStringList{u"|8||txtDiastolic"_s, u"|85||txtPulse"_s};
        QTest::newRow("diastolic starting with 1 waits for the third")
            << empty << u"txtDiastolic"_s << u"105"_s
            << QStringList{u"|1||txtDiastolic"_s, u"|10||txtDiastolic"_s, u"|105||txtPulse"_s};
        QTest::newRow("pulse advances at two characters")
            << empty << u"txtPulse"_s << u"72"_s
            << QStringList{u"||7|txtPulse"_s, u"||72|txtComment"_s};
        QTest::newRow("pulse starting with 1 waits for the third")
            << empty << u"txtPulse"_s << u"110"_s
            << QStringList{u"||1|txtPulse"_s, u"||11|txtPulse"_s, u"||110|txtComment"_s};
        QTest::newRow("letters are stored as typed")
            << empty << u"txtSystolic"_s << u"ab"_s
            << QStringList{u"a|||txtSystolic"_s, u"ab|||txtSystolic"_s};
        QTest::newRow("a fourth key goes to the next box")
            << empty << u"txtSystolic"_s << u"1357"_s
            << QStringList{u"1|||txtSystolic"_s, u"13|||txtSystolic"_s, u"135|||txtDiastolic"_s,
                           u"135|7||txtDiastolic"_s};
        QTest::newRow("focus selects the old value, so typing replaces it")
            << QStringList{u"135"_s, u""_s, u""_s} << u"txtSystolic"_s << u"12"_s
            << QStringList{u"1|||txtSystolic"_s, u"12|||txtSystolic"_s};
        QTest::newRow("backspace stores the emptied box")
            << QStringList{u"135"_s, u""_s, u""_s} << u"txtSystolic"_s << u"\b"_s
            << QStringList{u"|||txtSystolic"_s};
        QTest::newRow("an automatic move selects the next box's text")
            << QStringList{u""_s, u"80"_s, u""_s} << u"txtSystolic"_s << u"12090"_s
            << QStringList{u"1|80||txtSystolic"_s, u"12|80||txtSystolic"_s,
                           u"120|80||txtDiastolic"_s, u"120|9||txtDiastolic"_s,
                           u"120|90||txtPulse"_s};
        // Tab into a full box stays there, so that a value can be corrected.
        QTest::newRow("tab into a full diastolic box stays")
            << QStringList{u""_s, u"120"_s, u""_s} << u"txtSystolic"_s << u"\t"_s
            << QStringList{u"|120||txtDiastolic"_s};
        QTest::newRow("tab into a diastolic box starting with 1 stays")
            << QStringList{u""_s, u"10"_s, u""_s} << u"txtSystolic"_s << u"\t"_s
            << QStringList{u"|10||txtDiastolic"_s};
        QTest::newRow("tab into a pulse box of two stays")
            << QStringList{u""_s, u""_s, u"64"_s} << u"txtDiastolic"_s << u"\t"_s
            << QStringList{u"||64|txtPulse"_s};
        // Keys that change nothing in a full box do not move on.
        QTest::newRow("enter in a full box stays")
            << QStringList{u"128"_s, u""_s, u""_s} << u"txtSystolic"_s << u"\n"_s
            << QStringList{u"128|||txtSystolic"_s};
        QTest::newRow("tab into an empty box stays")
            << empty << u"txtSystolic"_s << u"\t"_s << QStringList{u"|||txtDiastolic"_s};
    }
    void typing() {
        QFETCH(QStringList, preset);
        QFETCH(QString, startBox);
        QFETCH(QString, keys);
        QFETCH(QStringList, states);
        QCOMPARE(keys.size(), states.size());

        AddDay(kTodayKey, preset.at(0), preset.at(1), preset.at(2));
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        auto* box = window->findChild<QWidget*>(startBox);
        QVERIFY(box);
        box->setFocus(Qt::MouseFocusReason);
        QCOMPARE(FocusName(), startBox);
        for (qsizetype i = 0; i < keys.size(); ++i) {
            Type(*window, keys.mid(i, 1));
            QCOMPARE(State(kTodayKey), states.at(i));
        }
    }

    // Correcting a day with the keyboard and the mouse, as whole sequences of real keys: the
    // key that brings the focus to a box never moves it on, a box entered by any means has its
    // value selected, and a Tab typed out of habit after the focus moved by itself is taken as
    // done.
    void correctingWithKeys_data() {
        QTest::addColumn<QString>("arrival"); // how the day's systolic box is reached
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("state"); // State() of the day after the keys

        const QString szNov30 = u"20261130"_s; // holds 128/82/70
        QTest::newRow("Enter on the calendar, then a new systolic")
            << u"enter"_s << szNov30 << u"135"_s << u"135|82|70|txtDiastolic"_s;
        QTest::newRow("Tab from the calendar, then a new systolic")
            << u"tab"_s << szNov30 << u"135"_s << u"135|82|70|txtDiastolic"_s;
        QTest::newRow("Enter on the calendar, Tab keeps the systolic")
            << u"enter"_s << szNov30 << u"\t79"_s << u"128|79|70|txtPulse"_s;
        QTest::newRow("click into the full systolic box, then 95")
            << u"click"_s << szNov30 << u"95"_s << u"95|82|70|txtSystolic"_s;
        QTest::newRow("click, then a whole reading")
            << u"click"_s << szNov30 << u"1357968"_s << u"135|79|68|txtComment"_s;
        QTest::newRow("a reading typed with Tab as in any form")
            << u"load"_s << kTodayKey << u"142\t91\t74"_s << u"142|91|74|txtComment"_s;
        QTest::newRow("the habit Tab is taken once, the next one moves on")
            << u"load"_s << kTodayKey << u"142\t91\t74\t\t"_s << u"142|91|74|btClose"_s;
        QTest::newRow("a Tab after another key moves on")
            << u"load"_s << kTodayKey << u"142\b\t"_s << u"142|||txtPulse"_s;
    }
    void correctingWithKeys() {
        QFETCH(QString, arrival);
        QFETCH(QString, day);
        QFETCH(QString, keys);
        QFETCH(QString, state);
        AddDay(u"20261130"_s, u"128"_s, u"82"_s, u"70"_s);
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        if (arrival != u"load"_s) {
            window->ctlCal->setFocus(Qt::TabFocusReason);
            window->ctlCal->setSelectedDate(QDate(2026, 11, 30));
            QCOMPARE(window->LoadedDay(), QDate(2026, 11, 30));
            if (arrival == u"enter"_s) {
                QTest::keyClick(window->windowHandle(), Qt::Key_Return);
            } else if (arrival == u"tab"_s) {
                QTest::keyClick(window->windowHandle(), Qt::Key_Tab);
            } else {
                QTest::mouseClick(window->txtSystolic, Qt::LeftButton, {},
                                  window->txtSystolic->rect().center());
            }
        }
        QCOMPARE(FocusName(), u"txtSystolic"_s);
        QCOMPARE(window->txtSystolic->selectedText(), window->txtSystolic->text());
        Type(*window, keys);
        QCOMPARE(State(day), state);
    }

    // A click into a box selects its value; a further click places the caret, and a drag
    // selects what it covers, as in any Qt box.
    void clickIntoBox_data() {
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<QString>("selected");
        QTest::newRow("one click selects the value") << u"click"_s << u"128"_s;
        QTest::newRow("a second click places the caret") << u"second click"_s << u""_s;
        QTest::newRow("a drag selects what it covers") << u"drag"_s << u"12"_s;
    }
    void clickIntoBox() {
        QFETCH(QString, gesture);
        QFETCH(QString, selected);
        AddDay(kTodayKey, u"128"_s, u"82"_s, u"70"_s);
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        window->ctlCal->setFocus(Qt::TabFocusReason);
        QLineEdit* box = window->txtSystolic;
        const auto caretX = [box](int iPosition) {
            box->setCursorPosition(iPosition);
            return box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
        };
        const int iLeft = caretX(0);
        const int iAfterTwo = caretX(2);
        box->deselect();
        const int y = box->rect().center().y();
        if (gesture == u"drag"_s) {
            QTest::mousePress(box, Qt::LeftButton, {}, {iLeft, y});
            QTest::mouseMove(box, {iAfterTwo, y});
            QTest::mouseRelease(box, Qt::LeftButton, {}, {iAfterTwo, y});
        } else {
            QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
            if (gesture == u"second click"_s) {
                QCOMPARE(box->selectedText(), u"128"_s);
                // Later than a double click.
                QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center(),
                                  QApplication::doubleClickInterval() + 50);
            }
        }
        QCOMPARE(FocusName(), u"txtSystolic"_s);
        QCOMPARE(box->selectedText(), selected);
    }

    // Only a key release stores: text put into a box any other way is not kept.
    void textWithoutKeyIsNotStored() {
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        window->txtSystolic->setFocus();
        window->txtSystolic->insert(QStringLiteral("140"));
        QCOMPARE(DayValue(kTodayKey, kSystolicName), QString());
        // The next key release stores the whole text, pasted part included.
        window->txtSystolic->end(false);
        Type(*window, QStringLiteral("\b"));
        QCOMPARE(DayValue(kTodayKey, kSystolicName), QStringLiteral("14"));
    }

    // The comment keeps its line breaks: CR LF in the tree, the box's own breaks on screen.
    void commentLineBreaks_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shownAfter");
        QTest::addColumn<QString>("storedAfter");

        QTest::newRow("typed on two lines")
            << u""_s << u"walk\nswim"_s << u"walk\nswim"_s << u"walk\r\nswim"_s;
        QTest::newRow("stored breaks shown and kept")
            << u"slept\r\nwell"_s << u"!"_s << u"slept\nwell!"_s << u"slept\r\nwell!"_s;
        QTest::newRow("empty lines and a final break")
            << u"a\r\n\r\nb\r\n"_s << u"c"_s << u"a\n\nb\nc"_s << u"a\r\n\r\nb\r\nc"_s;
        QTest::newRow("backspace removes a line break")
            << u"ab\r\ncd"_s << u"\b\b\b"_s << u"ab"_s << u"ab"_s;
    }
    void commentLineBreaks() {
        QFETCH(QString, stored);
        QFETCH(QString, keys);
        QFETCH(QString, shownAfter);
        QFETCH(QString, storedAfter);

        AddDay(kTodayKey, QStringLiteral("120"), QStringLiteral("80"), QStringLiteral("60"),
               stored);
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        QCOMPARE(window->txtComment->toPlainText(),
                 QString(stored).replace(QLatin1String("\r\n"), QLatin1String("\n")));
        window->txtComment->setFocus();
        window->txtComment->moveCursor(QTextCursor::End);
        Type(*window, keys);
        QCOMPARE(window->txtComment->toPlainText(), shownAfter);
        QCOMPARE(DayValue(kTodayKey, kCommentName), storedAfter);

        // Another day and back: the comment comes back with its breaks.
        window->ctlCal->setFocus();
        Type(*window, QStringLiteral("\n")); // picks the same day again: no change
        QCOMPARE(window->txtComment->toPlainText(), shownAfter);
    }

    // A stored comment longer than the box takes is kept whole: the box shows its beginning,
    // read-only, with a sentence saying so, and neither keys nor a save change the stored text.
    void longStoredComment_data() {
        QTest::addColumn<int>("iLength");
        QTest::addColumn<bool>("bShortened");
        QTest::newRow("the longest the box takes") << int(kMaxCommentLength) << false;
        QTest::newRow("one character more") << int(kMaxCommentLength) + 1 << true;
        QTest::newRow("2 MB") << 2 * 1024 * 1024 << true;
    }
    void longStoredComment() {
        QFETCH(int, iLength);
        QFETCH(bool, bShortened);
        // A line break in the middle counts as one character.
        const QString szStored =
            QString(iLength / 2, u'a') + u"\r\n"_s + QString(iLength - iLength / 2 - 1, u'b');
        QCOMPARE(CommentLength(szStored), qsizetype(iLength));
        AddDay(kTodayKey, u"120"_s, u"80"_s, u"60"_s, szStored);
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        QCOMPARE(window->CommentShortened(), bShortened);
        QCOMPARE(window->txtComment->isReadOnly(), bShortened);
        QVERIFY(window->txtComment->document()->characterCount() <= kMaxCommentLength + 300);
        if (bShortened) {
            QVERIFY(window->txtComment->toPlainText().startsWith(
                u"[This comment is "_s + QLocale(QLocale::English).toString(iLength) +
                u" characters long"_s));
        } else {
            QCOMPARE(window->txtComment->toPlainText(), CommentAsTyped(szStored));
        }
        // Keys in the box: a letter (no room left, or read-only), arrows, select all, Delete.
        window->txtComment->setFocus(Qt::TabFocusReason);
        window->txtComment->moveCursor(QTextCursor::End);
        Type(*window, u"x"_s);
        QTest::keyClick(window->windowHandle(), Qt::Key_Left);
        QTest::keyClick(window->windowHandle(), Qt::Key_A, Qt::ControlModifier);
        if (bShortened) {
            QTest::keyClick(window->windowHandle(), Qt::Key_Delete);
        }
        Type(*window, u"\t"_s);
        QCOMPARE(DayValue(kTodayKey, kCommentName), szStored);

        // Saved and read back whole.
        std::string bytes;
        QVERIFY(objXML->SaveXMLToBytes(bytes, u"crtlg.dat"_s));
        QByteArray data(bytes.data(), qsizetype(bytes.size()));
        QBuffer buffer(&data);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        clsXML loaded;
        QVERIFY(loaded.LoadXMLFromDevice(buffer, u"crtlg.dat"_s, false));
        const auto objComment =
            loaded.GetTagObjectFromNamePath(u"READINGS:"_s + kTodayKey + u":C"_s, QString());
        QVERIFY2(objComment, qPrintable(loaded.szError));
        QCOMPARE(objComment->szValue, szStored);
    }

    // The box takes no more than the longest comment, typed or pasted.
    void commentBoxTakesNoMore_data() {
        QTest::addColumn<int>("iStored");
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("iAfter");
        const int kMax = int(kMaxCommentLength);
        QTest::newRow("typing stops at the limit") << kMax - 2 << u"type"_s << kMax;
        QTest::newRow("Enter at the limit adds no line") << kMax << u"enter"_s << kMax;
        QTest::newRow("a paste is cut to the room left") << kMax - 10 << u"paste"_s << kMax;
        QTest::newRow("a paste over the whole text") << kMax << u"paste over"_s << 100;
        QTest::newRow("input method text is cut to the room left")
            << kMax - 3 << u"input method"_s << kMax;
    }
    void commentBoxTakesNoMore() {
        QFETCH(int, iStored);
        QFETCH(QString, how);
        QFETCH(int, iAfter);
        AddDay(kTodayKey, u"120"_s, u"80"_s, u"60"_s, QString(iStored, u'c'));
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        window->txtComment->setFocus(Qt::TabFocusReason);
        window->txtComment->moveCursor(QTextCursor::End);
        if (how == u"type"_s) {
            Type(*window, u"abcd"_s);
        } else if (how == u"enter"_s) {
            Type(*window, u"\n"_s);
        } else if (how == u"input method"_s) {
            QInputMethodEvent input;
            input.setCommitString(u"\u4f60\u597d\u4e16\u754c\u3002"_s);
            QApplication::sendEvent(window->txtComment, &input);
            // Only a key release stores: one that changes nothing stores the box's text.
            QTest::keyClick(window->windowHandle(), Qt::Key_Right);
        } else {
            QApplication::clipboard()->setText(QString(100, u'p'));
            if (how == u"paste over"_s) {
                QTest::keyClick(window->windowHandle(), Qt::Key_A, Qt::ControlModifier);
            }
            QTest::keyClick(window->windowHandle(), Qt::Key_V, Qt::ControlModifier);
        }
        QCOMPARE(CommentLength(DayValue(kTodayKey, kCommentName)), qsizetype(iAfter));
        QCOMPARE(window->txtComment->document()->characterCount() - 1, iAfter);
    }

    // Tab leaves the comment box instead of going into the text.
    void tabLeavesComment() {
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        window->txtComment->setFocus();
        Type(*window, QStringLiteral("ok\t"));
        QCOMPARE(FocusName(), QStringLiteral("btClose"));
        QCOMPARE(DayValue(kTodayKey, kCommentName), QStringLiteral("ok"));
    }

    // Loading a day finds its entry or adds one with four empty values, in order.
    void loadSelectedDay_data() {
        QTest::addColumn<QStringList>("existing"); // keys of entries before the window opens
        QTest::addColumn<int>("entriesAfter");

        QTest::newRow("new day is created") << QStringList{} << 1;
        QTest::newRow("existing day is found") << QStringList{u"20261207"_s} << 1;
        QTest::newRow("found among others")
            << QStringList{u"20261201"_s, u"20261207"_s, u"20261231"_s} << 3;
        QTest::newRow("created among others") << QStringList{u"20261201"_s, u"20261231"_s} << 3;
    }
    void loadSelectedDay() {
        QFETCH(QStringList, existing);
        QFETCH(int, entriesAfter);
        for (const QString& key : existing) {
            AddDay(key, key.right(3), QStringLiteral("8") + key.right(1), QStringLiteral("6"),
                   QStringLiteral("note ") + key);
        }
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        QCOMPARE(objReadings->objSubTags->Count(), entriesAfter);

        const std::shared_ptr<clsXMLTag> objDay = FindDayEntry(objReadings, kTodayKey);
        QVERIFY(objDay);
        QStringList names;
        for (const auto& tag : *objDay->objSubTags) {
            names << tag->szName;
        }
        QCOMPARE(names, (QStringList{u"S"_s, u"D"_s, u"P"_s, u"C"_s}));
        QCOMPARE(window->SystolicTag(), objDay->FindSubTagObjectByName(kSystolicName, {}));
        QCOMPARE(window->CommentTag(), objDay->FindSubTagObjectByName(kCommentName, {}));

        const bool bExisted = existing.contains(kTodayKey);
        QCOMPARE(window->txtSystolic->text(), bExisted ? QStringLiteral("207") : QString());
        QCOMPARE(window->txtDiastolic->text(), bExisted ? QStringLiteral("87") : QString());
        QCOMPARE(window->txtPulse->text(), bExisted ? QStringLiteral("6") : QString());
        QCOMPARE(window->txtComment->toPlainText(),
                 bExisted ? QStringLiteral("note 20261207") : QString());

        // Entries stay in date order.
        QStringList keys;
        for (const auto& tag : *objReadings->objSubTags) {
            keys << tag->szName;
        }
        QStringList sorted = keys;
        sorted.sort();
        QCOMPARE(keys, sorted);
    }

    // Picking days with the mouse and the keyboard.
    void dayPicked() {
        AddDay(QStringLiteral("20261215"), QStringLiteral("131"), QStringLiteral("91"),
               QStringLiteral("71"));
        const auto window = OpenWindow(kToday);
        QVERIFY(window);

        // A click loads the day and sends the focus to the systolic box, text selected.
        QVERIFY(ClickCalendarDay(*window->ctlCal, 15));
        QCOMPARE(window->LoadedDay(), QDate(2026, 12, 15));
        QCOMPARE(window->txtSystolic->text(), QStringLiteral("131"));
        QCOMPARE(FocusName(), QStringLiteral("txtSystolic"));
        QCOMPARE(window->txtSystolic->selectedText(), QStringLiteral("131"));

        // The arrow keys move the selection and the boxes follow; the focus stays.
        window->ctlCal->setFocus();
        QTest::keyClick(window->windowHandle(), Qt::Key_Right);
        QCOMPARE(window->LoadedDay(), QDate(2026, 12, 16));
        QCOMPARE(window->txtSystolic->text(), QString());
        QVERIFY(window->ctlCal->hasFocus() ||
                window->ctlCal->isAncestorOf(QApplication::focusWidget()));

        // Enter picks it: focus to the systolic box, and typing goes to the new day.
        QTest::keyClick(window->windowHandle(), Qt::Key_Return);
        QCOMPARE(FocusName(), QStringLiteral("txtSystolic"));
        Type(*window, QStringLiteral("125"));
        QCOMPARE(DayValue(QStringLiteral("20261216"), kSystolicName), QStringLiteral("125"));
        QCOMPARE(DayValue(QStringLiteral("20261215"), kSystolicName), QStringLiteral("131"));

        // Back to the first day: its value is shown again.
        QVERIFY(ClickCalendarDay(*window->ctlCal, 16));
        QVERIFY(ClickCalendarDay(*window->ctlCal, 15));
        QCOMPARE(window->txtSystolic->text(), QStringLiteral("131"));
        QVERIFY(ClickCalendarDay(*window->ctlCal, 16));
        QCOMPARE(window->txtSystolic->text(), QStringLiteral("125"));
    }

    // The chart follows a measurement box only when the box loses the focus.
    void chartRefilledOnFocusLost() {
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        QVERIFY(window->ctlChart->isHidden()); // nothing entered before the load
        window->txtSystolic->setFocus();
        Type(*window, QStringLiteral("13"));
        QVERIFY(window->ctlChart->isHidden());
        Type(*window, QStringLiteral("2")); // moves on: the systolic box loses the focus
        QVERIFY(!window->ctlChart->isHidden());
        QCOMPARE(window->ctlChart->RowCount(), qint16(1));
        QCOMPARE(window->ctlChart->DataAt(1, 1), std::optional<double>(132));

        Type(*window, QStringLiteral("8")); // the diastolic box keeps the focus: no refill
        QCOMPARE(window->ctlChart->DataAt(1, 2), std::optional<double>(0));
        Type(*window, QStringLiteral("\t"));
        QCOMPARE(window->ctlChart->DataAt(1, 2), std::optional<double>(8));

        // The comment box refills nothing when it loses the focus.
        window->txtComment->setFocus();
        window->PulseTag()->szValue = QStringLiteral("99");
        Type(*window, QStringLiteral("x\t"));
        QCOMPARE(window->ctlChart->DataAt(1, 3), std::optional<double>(0));
    }

    // A full diary takes no new day: a day it does not hold is shown with empty boxes that take
    // nothing, the user is told once in words of their own (no internal text), and the days it
    // holds can still be changed.
    void fullDiaryTakesNoNewDay_data() {
        QTest::addColumn<bool>("bFullAtStart");
        QTest::newRow("filled while open") << false;
        QTest::newRow("full at start") << true;
    }
    void fullDiaryTakesNoNewDay() {
        QFETCH(bool, bFullAtStart);
        const auto fill = [] {
            // Use up every key the list can ever hand out.
            for (int i = objReadings->objSubTags->AddCount(); i < clsXMLTags::kCapacity; ++i) {
                objReadings->AddSubTag(QStringLiteral("X"), QString(), false);
            }
        };
        AddDay(kTodayKey, QStringLiteral("120"), QStringLiteral("80"), QStringLiteral("60"));
        if (bFullAtStart) {
            fill();
        }
        MessageBoxes boxes;
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        if (!bFullAtStart) {
            fill();
        }
        // The start says so itself: opening the window adds no box.
        QCOMPARE(boxes.shown.size(), size_t(0));
        QVERIFY(!window->txtSystolic->isReadOnly());

        window->ctlCal->setFocus();
        QTest::keyClick(window->windowHandle(), Qt::Key_Right);
        const QDate dtNew = kToday.addDays(1);
        QCOMPARE(window->ctlCal->selectedDate(), dtNew);
        QCOMPARE(window->LoadedDay(), dtNew);
        QCOMPARE(boxes.shown.size(), size_t(1));
        QCOMPARE(boxes.shown.front().icon, QMessageBox::Warning);
        const QString& szText = boxes.shown.front().szText;
        QVERIFY2(szText.startsWith(DiaryFullText()), qPrintable(szText));
        QVERIFY2(!szText.contains(QLatin1String("clsXML")), qPrintable(szText));
        QCOMPARE(window->txtComment->placeholderText(),
                 QStringLiteral("The diary is full: this day cannot be added to it."));
        QCOMPARE(window->txtComment->accessibleDescription(), szText);

        // Nothing typed for that day goes anywhere.
        window->txtSystolic->setFocus();
        Type(*window, QStringLiteral("14"));
        window->txtComment->setFocus();
        Type(*window, QStringLiteral("x"));
        QVERIFY(window->txtSystolic->text().isEmpty());
        QVERIFY(window->txtComment->toPlainText().isEmpty());
        QVERIFY(!FindDayEntry(objReadings, DayKey(2026, 12, 8)));
        QCOMPARE(DayValue(kTodayKey, kSystolicName), QStringLiteral("120"));

        // Told once a run.
        window->ctlCal->setFocus();
        QTest::keyClick(window->windowHandle(), Qt::Key_Right);
        QCOMPARE(window->LoadedDay(), kToday.addDays(2));
        QCOMPARE(boxes.shown.size(), size_t(1));

        // A day the diary holds is changed as ever.
        window->ctlCal->setFocus();
        QTest::keyClick(window->windowHandle(), Qt::Key_Left);
        QTest::keyClick(window->windowHandle(), Qt::Key_Left);
        QCOMPARE(window->LoadedDay(), kToday);
        QVERIFY(!window->txtSystolic->isReadOnly());
        QVERIFY(window->txtComment->placeholderText().isEmpty());
        QVERIFY(!window->txtComment->accessibleDescription().startsWith(DiaryFullText()));
        window->txtSystolic->setFocus();
        Type(*window, QStringLiteral("13"));
        QCOMPARE(DayValue(kTodayKey, kSystolicName), QStringLiteral("13"));
    }
};

QTEST_MAIN(TestFrmMainEntry)
#include "test_frmmain_entry.moc"
