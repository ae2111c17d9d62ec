// Several readings of one day in the main window: added, picked, corrected and removed with
// the keys (and the mouse) as a person does it.

#include "tests/support/MainWindowTestSupport.h"

#include "diary/DayReadings.h"
#include "mainwindow/EntryBox.h"
#include "mainwindow/ReadingSwitcher.h"
#include "widgets/ctlChart.h"

#include <QAccessible>
#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTime>
#include <QToolButton>

using namespace tlgtest;
using namespace Qt::StringLiterals;

namespace {

const QDate kToday(2026, 12, 7);
const QString kTodayKey = QStringLiteral("20261207");

std::shared_ptr<clsXMLTag> Entry(const QString& szKey) {
    return FindDayEntry(objReadings, szKey);
}

// "T S/D/P C" of every reading of a day, joined by " | ".
QString Readings(const QString& szKey) {
    QStringList parts;
    for (const Reading& reading : DayReadings(Entry(szKey))) {
        parts << reading.szTime + u' ' + reading.szSystolic + u'/' + reading.szDiastolic + u'/' +
                     reading.szPulse + u' ' + reading.szComment;
    }
    return parts.join(u" | "_s);
}

// What the boxes show: "S/D/P C".
QString Boxes(const frmMain& window) {
    return window.txtSystolic->text() + u'/' + window.txtDiastolic->text() + u'/' +
           window.txtPulse->text() + u' ' + window.txtComment->toPlainText();
}

// Presses a key with its modifiers on the window, reaching the control with the focus.
void Press(frmMain& window, const QKeySequence& key) {
    const QKeyCombination combination = key[0];
    QTest::keyClick(window.windowHandle(), combination.key(), combination.keyboardModifiers());
}

// A day of two readings: 07:05 128/84/71 "Walked", then 19:30 with szSecond's values
// ("S/D/P").
void AddTwoReadingDay(const QString& szKey, const QString& szSecond) {
    AddDay(szKey, u"128"_s, u"84"_s, u"71"_s, u"Walked"_s);
    const QStringList values = szSecond.split(u'/');
    Reading second{u"19:30"_s, values.value(0), values.value(1), values.value(2), QString()};
    Reading first{u"07:05"_s, u"128"_s, u"84"_s, u"71"_s, u"Walked"_s};
    WriteDayReadings(Entry(szKey), {first, second});
}

} // namespace

class TestFrmMainReadings : public QObject {
    Q_OBJECT

private:
    PrivateSettings m_settings;

private slots:
    void init() {
        NewDocument();
        SetMessageBoxHandler(nullptr);
    }

    // The keys add a second reading and correct it: its values go to the second reading,
    // with the current time, and the first one stays as it was.
    void addAndCorrectSecondReading() {
        AddDay(kTodayKey, u"128"_s, u"84"_s, u"71"_s, u"Walked"_s);
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        QCOMPARE(FocusName(), u"txtSystolic"_s);
        const QTime before = QTime::currentTime();
        Press(*window, ReadingSwitcher::AddKey());
        QCOMPARE(window->ReadingIndex(), 1);
        QCOMPARE(FocusName(), u"txtSystolic"_s);
        QCOMPARE(Boxes(*window), u"// "_s);
        // 135, 88 and 75 move the focus on by the usual rule; Shift+Tab goes back to correct.
        Type(*window, u"1358875"_s);
        QCOMPARE(FocusName(), u"txtComment"_s);
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(window->windowHandle(), Qt::Key_Backtab, Qt::ShiftModifier);
        }
        QCOMPARE(FocusName(), u"txtSystolic"_s);
        Type(*window, u"132"_s);
        const QList<Reading> readings = DayReadings(Entry(kTodayKey));
        QCOMPARE(readings.size(), 2);
        QCOMPARE(readings.at(0), (Reading{QString(), u"128"_s, u"84"_s, u"71"_s, u"Walked"_s}));
        QCOMPARE(readings.at(1).szSystolic, u"132"_s);
        QCOMPARE(readings.at(1).szDiastolic, u"88"_s);
        QCOMPARE(readings.at(1).szPulse, u"75"_s);
        // Stored in the day's second reading tag, the day's own values untouched.
        const std::shared_ptr<clsXMLTag> objSecond =
            DirectSubTag(Entry(kTodayKey), FurtherReadingTagName(1));
        QVERIFY(objSecond);
        QCOMPARE(objSecond->GetSubTagValue(kSystolicName), u"132"_s);
        QCOMPARE(DayValue(kTodayKey, kSystolicName), u"128"_s);
        const std::optional<QTime> time = ReadTimeText(readings.at(1).szTime);
        QVERIFY(time && time->isValid());
        QVERIFY(std::abs(time->secsTo(before)) <= 120);
        // Back to the first reading, and on again.
        Press(*window, ReadingSwitcher::PreviousKey());
        QCOMPARE(window->ReadingIndex(), 0);
        QCOMPARE(Boxes(*window), u"128/84/71 Walked"_s);
        // The focus stayed in the diastolic box, its value selected so typing replaces it.
        QCOMPARE(FocusName(), u"txtDiastolic"_s);
        QCOMPARE(window->txtDiastolic->selectedText(), u"84"_s);
        Press(*window, ReadingSwitcher::NextKey());
        QCOMPARE(Boxes(*window), u"132/88/75 "_s);
    }

    // The commands' keys work wherever the focus is in the window and change no text there.
    void commandKeys_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<QString>("second"); // "": a day of one reading
        QTest::addColumn<int>("startIndex");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("count");

        const QKeySequence add = ReadingSwitcher::AddKey();
        const QKeySequence remove = ReadingSwitcher::RemoveKey();
        const QKeySequence previous = ReadingSwitcher::PreviousKey();
        const QKeySequence next = ReadingSwitcher::NextKey();
        QTest::newRow("add from systolic") << u"txtSystolic"_s << add << u""_s << 0 << 1 << 2;
        QTest::newRow("add from comment") << u"txtComment"_s << add << u""_s << 0 << 1 << 2;
        QTest::newRow("add from calendar") << u"ctlCal"_s << add << u""_s << 0 << 1 << 2;
        QTest::newRow("add to a day of two") << u"txtPulse"_s << add << u"1/2/3"_s << 0 << 2 << 3;
        QTest::newRow("previous from diastolic")
            << u"txtDiastolic"_s << previous << u"130/80/70"_s << 1 << 0 << 2;
        QTest::newRow("previous from comment")
            << u"txtComment"_s << previous << u"130/80/70"_s << 1 << 0 << 2;
        QTest::newRow("next from pulse") << u"txtPulse"_s << next << u"130/80/70"_s << 0 << 1 << 2;
        QTest::newRow("next from calendar") << u"ctlCal"_s << next << u"130/80/70"_s << 0 << 1 << 2;
        QTest::newRow("next at the last reading stays")
            << u"txtSystolic"_s << next << u"130/80/70"_s << 1 << 1 << 2;
        QTest::newRow("previous at the first reading stays")
            << u"txtSystolic"_s << previous << u"130/80/70"_s << 0 << 0 << 2;
        QTest::newRow("remove an empty reading from systolic")
            << u"txtSystolic"_s << remove << u"//"_s << 1 << 0 << 1;
        QTest::newRow("remove an empty reading from comment")
            << u"txtComment"_s << remove << u"//"_s << 1 << 0 << 1;
        QTest::newRow("remove the only reading does nothing")
            << u"txtSystolic"_s << remove << u""_s << 0 << 0 << 1;
    }
    void commandKeys() {
        QFETCH(QString, focus);
        QFETCH(QKeySequence, key);
        QFETCH(QString, second);
        QFETCH(int, startIndex);
        QFETCH(int, index);
        QFETCH(int, count);

        const MessageBoxes boxes(QMessageBox::No);
        if (second.isEmpty()) {
            AddDay(kTodayKey, u"128"_s, u"84"_s, u"71"_s, u"Walked"_s);
        } else {
            AddTwoReadingDay(kTodayKey, second);
        }
        // The first reading's values (its time goes when the day is left with one reading).
        const auto first = [] {
            return Readings(kTodayKey).section(u" | "_s, 0, 0).section(u' ', 1);
        };
        const QString szFirst = first();
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        for (int i = 0; i < startIndex; ++i) {
            window->ShowOtherReading(1);
        }
        QCOMPARE(window->ReadingIndex(), startIndex);
        auto* control = window->findChild<QWidget*>(focus);
        QVERIFY(control);
        control->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(control->hasFocus() || control->isAncestorOf(QApplication::focusWidget()));
        const QString szShownBefore = Boxes(*window);
        Press(*window, key);
        QCOMPARE(window->ReadingIndex(), index);
        QCOMPARE(DayReadingCount(Entry(kTodayKey)), count);
        QCOMPARE(first(), szFirst);
        QVERIFY(boxes.shown.empty());
        // The boxes show the reading picked, and no key reached a text as typing.
        const QList<Reading> readings = DayReadings(Entry(kTodayKey));
        const Reading& shown = readings.at(index);
        QCOMPARE(Boxes(*window), shown.szSystolic + u'/' + shown.szDiastolic + u'/' +
                                     shown.szPulse + u' ' + shown.szComment);
        if (index == startIndex && count == DayReadingCount(Entry(kTodayKey))) {
            QCOMPARE(Boxes(*window), szShownBefore);
        }
    }

    // Removing a reading asks only when it holds a value; No keeps it.
    void removeAsksForFilledReading_data() {
        QTest::addColumn<QString>("second");
        QTest::addColumn<int>("shownIndex");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("asked");
        QTest::addColumn<QString>("after");

        // A day left with one reading keeps no time.
        const QString szFirst = u" 128/84/71 Walked"_s;
        // The second reading has its time (19:30) in every row: a time alone is no value.
        QTest::newRow("empty: removed without a question")
            << u"//"_s << 1 << int(QMessageBox::No) << 0 << szFirst;
        QTest::newRow("filled, No: kept") << u"135/88/75"_s << 1 << int(QMessageBox::No) << 1
                                          << u"07:05 128/84/71 Walked | 19:30 135/88/75 "_s;
        QTest::newRow("pulse alone, Yes: removed")
            << u"//75"_s << 1 << int(QMessageBox::Yes) << 1 << szFirst;
        QTest::newRow("first, Yes: the second takes the day's own tags")
            << u"135/88/75"_s << 0 << int(QMessageBox::Yes) << 1 << u" 135/88/75 "_s;
    }
    void removeAsksForFilledReading() {
        QFETCH(QString, second);
        QFETCH(int, shownIndex);
        QFETCH(int, answer);
        QFETCH(int, asked);
        QFETCH(QString, after);

        const MessageBoxes boxes(static_cast<QMessageBox::StandardButton>(answer));
        AddTwoReadingDay(kTodayKey, second);
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        if (shownIndex == 1) {
            Press(*window, ReadingSwitcher::NextKey());
        }
        Press(*window, ReadingSwitcher::RemoveKey());
        QCOMPARE(int(boxes.shown.size()), asked);
        if (asked > 0) {
            QCOMPARE(boxes.shown.front().buttons, QMessageBox::Yes | QMessageBox::No);
            // Which reading, of which day, with what it holds.
            const QString szText = boxes.shown.front().szText;
            QVERIFY2(szText.contains(u"Monday 7 December 2026"_s), qPrintable(szText));
            QVERIFY2(szText.contains(shownIndex == 0 ? u"07:05"_s : u"19:30"_s),
                     qPrintable(szText));
        }
        QCOMPARE(Readings(kTodayKey), after);
        // A day left with one reading is stored as such a day always was: no time tag.
        if (DayReadingCount(Entry(kTodayKey)) == 1) {
            QVERIFY(!DirectSubTag(Entry(kTodayKey), kTimeName));
            QVERIFY(window->ctlReadings->btRemove->isHidden());
        }
        QCOMPARE(window->ReadingIndex(),
                 std::min(shownIndex, DayReadingCount(Entry(kTodayKey)) - 1));
    }

    // The chart follows a removed reading at once, without waiting for a box to lose the focus.
    void chartFollowsRemoval() {
        AddTwoReadingDay(kTodayKey, u"135/88/75"_s);
        const MessageBoxes boxes(QMessageBox::Yes);
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        const auto summary = [&window] {
            return QAccessible::queryAccessibleInterface(window->ctlChart)
                ->text(QAccessible::Description);
        };
        QVERIFY(!summary().contains(u"135/88, pulse 75"_s));
        Press(*window, ReadingSwitcher::RemoveKey());
        QCOMPARE(int(boxes.shown.size()), 1);
        QCOMPARE(FocusName(), u"txtSystolic"_s);
        QVERIFY2(summary().contains(u"135/88, pulse 75"_s), qPrintable(summary()));
    }

    // The mouse does what the keys do.
    void buttonsClicked() {
        AddDay(kTodayKey, u"128"_s, u"84"_s, u"71"_s);
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        ReadingSwitcher& switcher = *window->ctlReadings;
        QTest::mouseClick(switcher.btAdd, Qt::LeftButton);
        QCOMPARE(window->ReadingIndex(), 1);
        QTRY_VERIFY(switcher.btPrevious->isVisible());
        QTest::mouseClick(switcher.btPrevious, Qt::LeftButton);
        QCOMPARE(window->ReadingIndex(), 0);
        QCOMPARE(switcher.lblPosition->text(), u"1 of 2"_s);
        QTest::mouseClick(switcher.btNext, Qt::LeftButton);
        QCOMPARE(switcher.lblPosition->text(), u"2 of 2"_s);
        QTest::mouseClick(switcher.btRemove, Qt::LeftButton);
        QCOMPARE(DayReadingCount(Entry(kTodayKey)), 1);
        QCOMPARE(FocusName(), u"txtSystolic"_s);
    }

    // The time box takes what is a time and keeps the last good time otherwise, marked.
    void timeBox_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("marked");

        QTest::newRow("hours and minutes") << u"21:15"_s << u"21:15"_s << false;
        QTest::newRow("one digit hour") << u"7:30"_s << u"07:30"_s << false;
        QTest::newRow("a dot") << u"19.45"_s << u"19:45"_s << false;
        QTest::newRow("four digits") << u"0610"_s << u"06:10"_s << false;
        QTest::newRow("empty: no time known") << u""_s << u""_s << false;
        QTest::newRow("hour past the day") << u"25:00"_s << u"19:30"_s << true;
        QTest::newRow("letters") << u"noon"_s << u"19:30"_s << true;
        QTest::newRow("minutes past the hour") << u"10:75"_s << u"19:30"_s << true;
        // "101" is a time (01:01) on the way; the wrong end leaves the time as it was.
        QTest::newRow("a time on the way, then a wrong end") << u"101x"_s << u"19:30"_s << true;
    }
    void timeBox() {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(bool, marked);

        AddTwoReadingDay(kTodayKey, u"135/88/75"_s);
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        Press(*window, ReadingSwitcher::NextKey());
        EntryBox& box = *window->ctlReadings->txtTime;
        QVERIFY(box.isVisible());
        QCOMPARE(box.text(), u"19:30"_s);
        box.setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(box.hasFocus());
        box.selectAll();
        if (typed.isEmpty()) {
            QTest::keyClick(&box, Qt::Key_Backspace);
        }
        QTest::keyClicks(&box, typed);
        QCOMPARE(window->TimeTag()->szValue, stored);
        QCOMPARE(DayReadings(Entry(kTodayKey)).at(1).szTime, stored);
        QCOMPARE(box.Marked(), marked);
        QCOMPARE(box.toolTip().startsWith(u"Not a time"_s), marked);
        // The boxes tell a screen reader the time the reading keeps.
        const QString szHeard = QAccessible::queryAccessibleInterface(window->txtSystolic)
                                    ->text(QAccessible::Description);
        QVERIFY2(szHeard.startsWith(stored.isEmpty()
                                        ? u"Reading 2 of 2. "_s
                                        : u"Reading 2 of 2, taken at "_s + stored + u". "_s),
                 qPrintable(szHeard));
        // Left, the box shows the time the reading keeps.
        window->txtSystolic->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(window->txtSystolic->hasFocus());
        QCOMPARE(box.text(), stored);
        QVERIFY(!box.Marked());
        // The first reading's time is untouched.
        QCOMPARE(DayReadings(Entry(kTodayKey)).at(0).szTime, u"07:05"_s);
    }

    // The first reading's time when a second is added: the time it was typed today, none
    // when it was not typed in this run; a day other than today gets no times.
    void timesOfAddedReading_data() {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<bool>("typeFirst");
        QTest::addColumn<bool>("firstTimed");
        QTest::addColumn<bool>("secondTimed");

        QTest::newRow("today, first typed now") << kToday << true << true << true;
        QTest::newRow("today, first stored before") << kToday << false << false << true;
        QTest::newRow("another day, typed now") << kToday.addDays(-1) << true << false << false;
    }
    void timesOfAddedReading() {
        QFETCH(QDate, day);
        QFETCH(bool, typeFirst);
        QFETCH(bool, firstTimed);
        QFETCH(bool, secondTimed);

        const QString szKey = day.toString(u"yyyyMMdd"_s);
        if (!typeFirst) {
            AddDay(szKey, u"128"_s, u"84"_s, u"71"_s);
        }
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        window->ctlCal->setSelectedDate(day);
        window->txtSystolic->setFocus(Qt::TabFocusReason);
        if (typeFirst) {
            Type(*window, u"12884"_s);
        }
        Press(*window, ReadingSwitcher::AddKey());
        const QList<Reading> readings = DayReadings(Entry(szKey));
        QCOMPARE(readings.size(), 2);
        QCOMPARE(readings.at(0).szSystolic, u"128"_s);
        const QRegularExpression hhmm(u"^\\d\\d:\\d\\d$"_s);
        QCOMPARE(hhmm.match(readings.at(0).szTime).hasMatch(), firstTimed);
        QCOMPARE(readings.at(0).szTime.isEmpty(), !firstTimed);
        QCOMPARE(hhmm.match(readings.at(1).szTime).hasMatch(), secondTimed);
        QCOMPARE(readings.at(1).szTime.isEmpty(), !secondTimed);
    }

    // A day of one reading looks as it always did: the add command alone, no time, no
    // position; its file tags gain nothing from being shown and typed in.
    void oneReadingShowsAddAlone() {
        AddDay(kTodayKey, u"128"_s, u"84"_s, u"71"_s, u"Walked"_s);
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        const ReadingSwitcher& switcher = *window->ctlReadings;
        QVERIFY(switcher.btAdd->isVisible());
        for (const QWidget* part : std::initializer_list<const QWidget*>{
                 switcher.btPrevious, switcher.btNext, switcher.lblPosition, switcher.txtTime,
                 switcher.btRemove}) {
            QVERIFY2(part->isHidden(), qPrintable(part->objectName()));
        }
        Type(*window, u"130"_s);
        QCOMPARE(Entry(kTodayKey)->objSubTags->Count(), 4);
        QVERIFY(!window->TimeTag());
        // The control sits clear of the boxes and the comment.
        for (const QWidget* other : {static_cast<const QWidget*>(window->txtComment),
                                     static_cast<const QWidget*>(window->txtPulse)}) {
            QVERIFY(!switcher.geometry().intersects(other->geometry()));
        }
    }

    // Every part of the control shows its text whole inside the window's place for it, at
    // any position of a full day (run a second time with fonts half as large again).
    void partsShowWhole_data() {
        QTest::addColumn<int>("count");
        QTest::newRow("one reading") << 1;
        QTest::newRow("two readings") << 2;
        QTest::newRow("a full day") << kMaxReadingsPerDay;
    }
    void partsShowWhole() {
        QFETCH(int, count);
        AddDay(kTodayKey, u"128"_s, u"84"_s, u"71"_s);
        WriteDayReadings(
            Entry(kTodayKey),
            QList<Reading>(count, Reading{u"23:58"_s, u"120"_s, u"80"_s, u"70"_s, QString()}));
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        for (int i = 1; i < count; ++i) {
            window->ShowOtherReading(1);
        }
        const ReadingSwitcher& switcher = *window->ctlReadings;
        QVERIFY(window->rect().contains(switcher.geometry()));
        const auto whole = [](const QWidget& part, const QString& szText, int iFrame) {
            const QFontMetrics metrics(part.font());
            const bool bWhole = metrics.horizontalAdvance(szText) + iFrame <= part.width() &&
                                metrics.height() <= part.height();
            if (!bWhole) {
                qWarning() << part.objectName() << szText << metrics.horizontalAdvance(szText)
                           << metrics.height() << part.size();
            }
            return bWhole;
        };
        if (count == 1) {
            QVERIFY(whole(*switcher.btAdd, switcher.btAdd->text(), 4));
            return;
        }
        QVERIFY(whole(*switcher.lblPosition, switcher.lblPosition->text(), 0));
        QVERIFY(whole(*switcher.txtTime, switcher.txtTime->text(), 8));
        for (const QToolButton* button :
             {switcher.btPrevious, switcher.btNext, switcher.btAdd, switcher.btRemove}) {
            QVERIFY2(whole(*button, button->text(), 2), qPrintable(button->objectName()));
        }
        // No part covers another.
        const QList<const QWidget*> parts{switcher.btPrevious, switcher.lblPosition,
                                          switcher.btNext,     switcher.txtTime,
                                          switcher.btAdd,      switcher.btRemove};
        for (qsizetype i = 0; i < parts.size(); ++i) {
            QVERIFY(switcher.rect().contains(parts[i]->geometry()));
            for (qsizetype j = i + 1; j < parts.size(); ++j) {
                QVERIFY(!parts[i]->geometry().intersects(parts[j]->geometry()));
            }
        }
    }

    // A screen reader in a box hears which reading it holds, on a day of several only.
    void boxesSayWhichReading() {
        AddTwoReadingDay(kTodayKey, u"135/88/75"_s);
        AddDay(u"20261206"_s, u"128"_s, u"84"_s, u"71"_s);
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        const auto heard = [&window] {
            return QAccessible::queryAccessibleInterface(window->txtSystolic)
                ->text(QAccessible::Description);
        };
        QVERIFY2(heard().startsWith(u"Reading 1 of 2, taken at 07:05. Please enter"_s),
                 qPrintable(heard()));
        Press(*window, ReadingSwitcher::NextKey());
        QVERIFY2(heard().startsWith(u"Reading 2 of 2, taken at 19:30. "_s), qPrintable(heard()));
        window->ctlCal->setSelectedDate(kToday.addDays(-1));
        QVERIFY2(heard().startsWith(u"Please enter"_s), qPrintable(heard()));
    }

    // A day picked on the calendar starts at its first reading.
    void otherDayStartsAtFirstReading() {
        AddTwoReadingDay(kTodayKey, u"135/88/75"_s);
        AddTwoReadingDay(u"20261206"_s, u"140/90/80"_s);
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        Press(*window, ReadingSwitcher::NextKey());
        QCOMPARE(window->ReadingIndex(), 1);
        window->ctlCal->setSelectedDate(kToday.addDays(-1));
        QCOMPARE(window->ReadingIndex(), 0);
        QCOMPARE(Boxes(*window), u"128/84/71 Walked"_s);
        QCOMPARE(window->ctlReadings->lblPosition->text(), u"1 of 2"_s);
    }

    // A day with the most readings takes no more: told why, nothing changed.
    void fullDayTakesNoMore() {
        AddDay(kTodayKey, u"128"_s, u"84"_s, u"71"_s);
        QList<Reading> readings(kMaxReadingsPerDay,
                                Reading{u"08:00"_s, u"120"_s, u"80"_s, u"70"_s, QString()});
        WriteDayReadings(Entry(kTodayKey), readings);
        const MessageBoxes boxes;
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        QVERIFY(!window->ctlReadings->btAdd->isEnabled());
        Press(*window, ReadingSwitcher::AddKey());
        QCOMPARE(DayReadingCount(Entry(kTodayKey)), kMaxReadingsPerDay);
        QCOMPARE(int(boxes.shown.size()), 1);
        QVERIFY(boxes.shown.front().szText.contains(QString::number(kMaxReadingsPerDay)));
    }

    // Every part a screen reader meets has its name and a tip, and takes the focus with Tab.
    void accessibleNames_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("role");

        QTest::newRow("add") << u"btAddReading"_s << u"Add a reading"_s << int(QAccessible::Button);
        QTest::newRow("remove") << u"btRemoveReading"_s << u"Remove this reading"_s
                                << int(QAccessible::Button);
        QTest::newRow("previous") << u"btPreviousReading"_s << u"Previous reading"_s
                                  << int(QAccessible::Button);
        QTest::newRow("next") << u"btNextReading"_s << u"Next reading"_s
                              << int(QAccessible::Button);
        QTest::newRow("time") << u"txtReadingTime"_s << u"Time of this reading"_s
                              << int(QAccessible::EditableText);
    }
    void accessibleNames() {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(int, role);

        AddTwoReadingDay(kTodayKey, u"135/88/75"_s);
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        auto* widget = window->findChild<QWidget*>(control);
        QVERIFY(widget);
        QVERIFY(widget->isVisible());
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(face);
        QCOMPARE(face->text(QAccessible::Name), name);
        QCOMPARE(int(face->role()), role);
        QVERIFY(!face->text(QAccessible::Description).isEmpty());
        QVERIFY(!widget->toolTip().isEmpty());
        QVERIFY(widget->focusPolicy() & Qt::TabFocus);
        // Reached with Tab from the control before it.
        widget->previousInFocusChain()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(FocusName(), control);
        // The common focus frame on its edge while it has the focus, and only then.
        const QPoint edge(1, widget->height() / 2);
        QCOMPARE(widget->grab().toImage().pixelColor(edge), FocusFrameColour());
        window->txtSystolic->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(window->txtSystolic->hasFocus());
        QVERIFY(widget->grab().toImage().pixelColor(edge) != FocusFrameColour());
    }
};

QTEST_MAIN(TestFrmMainReadings)
#include "test_frmmain_readings.moc"
