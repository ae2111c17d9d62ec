// The main window for every reader: the contrast of what it paints, what a screen reader hears
// of the calendar and the comment box, and the mark on a value that is not a number.

#include "tests/support/Contrast.h"
#include "tests/support/MainWindowTestSupport.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCalendarWidget>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

#include <functional>

using namespace tlgtest;
using namespace Qt::StringLiterals;

namespace {

const QDate kToday(2026, 12, 9);
const QString kTodayKey = QStringLiteral("20261209");

// The window as it is painted, at the screen's pixel ratio.
QImage Painted(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The contrast of what is painted in area (logical pixels) of image: the colour most pixels
// have is the background, the pixel farthest from it in contrast the text.
double PaintedContrast(const QImage& image, const QRect& area) {
    const qreal ratio = image.devicePixelRatio();
    const QRect pixels = QRect(QPoint(qRound(area.left() * ratio), qRound(area.top() * ratio)),
                               QSize(qRound(area.width() * ratio), qRound(area.height() * ratio)))
                             .intersected(image.rect());
    QHash<QRgb, int> counts;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    QRgb background = 0;
    int iMost = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > iMost) {
            iMost = it.value();
            background = it.key();
        }
    }
    double best = 1.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        best = std::max(best, testsupport::ContrastRatio(QColor(it.key()), QColor(background)));
    }
    return best;
}

// Where a child of the window lies on it.
QRect OnWindow(const QWidget& window, const QWidget& child, const QRect& area) {
    return QRect(child.mapTo(&window, area.topLeft()), area.size());
}

// Every object of an accessible tree, depth first.
void Walk(QAccessibleInterface* face, const std::function<void(QAccessibleInterface*)>& visit) {
    if (face == nullptr) {
        return;
    }
    visit(face);
    for (int i = 0; i < face->childCount(); ++i) {
        Walk(face->child(i), visit);
    }
}

// What a screen reader hears as focused in the window.
QList<QAccessibleInterface*> FocusedObjects(frmMain& window) {
    QList<QAccessibleInterface*> focused;
    Walk(QAccessible::queryAccessibleInterface(&window), [&](QAccessibleInterface* face) {
        if (face->state().focused) {
            focused << face;
        }
    });
    return focused;
}

// How many pixels of area in image have (about) the colour wanted.
int PixelsLike(const QImage& image, const QRect& area, const QColor& wanted) {
    int iCount = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel(image.pixel(x, y));
            if (std::abs(pixel.red() - wanted.red()) <= 12 &&
                std::abs(pixel.green() - wanted.green()) <= 12 &&
                std::abs(pixel.blue() - wanted.blue()) <= 12) {
                ++iCount;
            }
        }
    }
    return iCount;
}

} // namespace

class TestFrmMainReadable : public QObject {
    Q_OBJECT

private:
    PrivateSettings m_settings;

private slots:
    void init() {
        NewDocument();
        SetMessageBoxHandler(nullptr);
    }

    // Each text the window paints reads at 4.5:1 or more against what lies behind it.
    void textContrast_data() {
        QTest::addColumn<QString>("part");
        QTest::newRow("health warning") << u"warning"_s;
        QTest::newRow("calendar month header") << u"month"_s;
        QTest::newRow("calendar year header") << u"year"_s;
        QTest::newRow("calendar day names") << u"day names"_s;
        QTest::newRow("calendar days, weekend and selected day") << u"days"_s;
        QTest::newRow("calendar days of the months around") << u"days around"_s;
        QTest::newRow("instructions") << u"instructions"_s;
    }

    void textContrast() {
        QFETCH(QString, part);
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        const QImage image = Painted(*window);
        auto* days = window->ctlCal->findChild<QAbstractItemView*>();
        QVERIFY(days);
        // Each area holds one text on its background; the least readable counts.
        QList<QRect> areas;
        if (part == u"warning") {
            // Only the text's own box: the panel around it has an edge of its own.
            const QLabel& label = *window->lblDisclaimer;
            const QRect text(label.contentsRect().topLeft(),
                             QSize(label.fontMetrics().horizontalAdvance(label.text()),
                                   label.fontMetrics().height()));
            areas << OnWindow(*window, label, text);
        } else if (part == u"instructions") {
            areas << window->lblInstructions[0]->geometry()
                  << window->lblInstructions[1]->geometry();
        } else if (part == u"month" || part == u"year") {
            const auto* button = window->ctlCal->findChild<QToolButton*>(
                part == u"month" ? u"qt_calendar_monthbutton"_s : u"qt_calendar_yearbutton"_s);
            QVERIFY(button);
            areas << OnWindow(*window, *button, button->rect());
        } else {
            // The header row, the second week (all of it in the month shown), or the first
            // and last weeks (with days of November and January).
            QList<int> rows{2};
            if (part == u"day names") {
                rows = {0};
            } else if (part == u"days around") {
                rows = {1, days->model()->rowCount() - 1};
            }
            if (part == u"days") {
                window->ctlCal->setSelectedDate(kToday);
            }
            const QImage shown = Painted(*window);
            for (const int iRow : rows) {
                for (int iColumn = 0; iColumn < days->model()->columnCount(); ++iColumn) {
                    const QRect cell = days->visualRect(days->model()->index(iRow, iColumn));
                    const double ratio = PaintedContrast(
                        shown, OnWindow(*window, *days->viewport(), cell.adjusted(1, 1, -1, -1)));
                    QVERIFY2(
                        ratio >= 4.5,
                        qPrintable(u"row %1, column %2: %3:1"_s.arg(iRow).arg(iColumn).arg(ratio)));
                }
            }
            return;
        }
        for (const QRect& area : areas) {
            const double ratio = PaintedContrast(image, area);
            QVERIFY2(ratio >= 4.5, qPrintable(u"%1:1"_s.arg(ratio)));
        }
    }

    // The outlines of the upper area stand out from the background at 3:1 or more, as lines
    // and shapes must.
    void outlineContrast() {
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        const QImage image = Painted(*window);
        // The top edge of the frame around the upper area, where nothing else is painted: the
        // strongest pixel of a short column across it against the background just above.
        const QRect across(window->lblInstructions[0]->x() + 20,
                           window->lblInstructions[0]->y() - 8, 1, 6);
        const double ratio = PaintedContrast(image, across.adjusted(0, -3, 0, 0));
        QVERIFY2(ratio >= 3.0, qPrintable(u"%1:1"_s.arg(ratio)));
    }

    // The calendar's controls are named as a screen reader should say them.
    void calendarNames_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("previous month") << u"qt_calendar_prevmonth"_s << u"Previous month"_s;
        QTest::newRow("next month") << u"qt_calendar_nextmonth"_s << u"Next month"_s;
    }

    void calendarNames() {
        QFETCH(QString, control);
        QFETCH(QString, name);
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        auto* widget = window->ctlCal->findChild<QWidget*>(control);
        QVERIFY(widget);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(face);
        QCOMPARE(face->text(QAccessible::Name), name);
    }

    // The calendar grid's column headers are named by the day names it shows (in full), its
    // rows by their weeks, on every page it turns to, also where a screen reader asks a cell
    // or the table for them.
    void calendarHeaders_data() {
        QTest::addColumn<QDate>("day"); // the page turned to
        QTest::addColumn<int>("firstDay");
        QTest::addColumn<QString>("firstWeek"); // the row of the month's first day
        QTest::newRow("December 2026, Monday first") << QDate(2026, 12, 9) << 1 << u"Week 49"_s;
        QTest::newRow("December 2026, Sunday first") << QDate(2026, 12, 9) << 7 << u"Week 49"_s;
        QTest::newRow("February 2027, starting on a Monday")
            << QDate(2027, 2, 14) << 1 << u"Week 5"_s;
        QTest::newRow("January 2027, week of the old year")
            << QDate(2027, 1, 20) << 1 << u"Week 53"_s;
    }

    void calendarHeaders() {
        QFETCH(QDate, day);
        QFETCH(int, firstDay);
        QFETCH(QString, firstWeek);
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        auto* days = window->ctlCal->findChild<QAbstractItemView*>();
        QVERIFY(days);
        QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(days);
        QVERIFY(grid);
        // Read once on today's page, then turn.
        for (int i = 0; i < grid->childCount(); ++i) {
            QVERIFY(grid->child(i));
            grid->child(i)->text(QAccessible::Name);
        }
        window->ctlCal->setFirstDayOfWeek(static_cast<Qt::DayOfWeek>(firstDay));
        window->ctlCal->setCurrentPage(day.year(), day.month());
        QStringList columns;
        QStringList rows;
        for (int i = 0; i < grid->childCount(); ++i) {
            QAccessibleInterface* child = grid->child(i);
            QVERIFY(child);
            QCOMPARE(grid->indexOfChild(child), i);
            if (child->role() == QAccessible::ColumnHeader) {
                columns << child->text(QAccessible::Name);
            } else if (child->role() == QAccessible::RowHeader) {
                rows << child->text(QAccessible::Name);
            }
        }
        // Each header starts as the day name the grid shows above its column.
        QCOMPARE(columns.size(), days->model()->columnCount());
        for (int iColumn = 0; iColumn < columns.size(); ++iColumn) {
            const QString szShown = days->model()->index(0, iColumn).data().toString();
            QVERIFY2(columns[iColumn].size() > szShown.size() &&
                         columns[iColumn].startsWith(szShown),
                     qPrintable(columns[iColumn] + u" / "_s + szShown));
        }
        // The row of the month's first day is named by its week.
        int iFirstRow = -1;
        for (int iRow = 1; iRow < days->model()->rowCount() && iFirstRow < 0; ++iRow) {
            for (int iColumn = 0; iColumn < days->model()->columnCount(); ++iColumn) {
                if (days->model()->index(iRow, iColumn).data().toString() == u"1"_s) {
                    iFirstRow = iRow;
                    break;
                }
            }
        }
        QVERIFY(iFirstRow > 0);
        QCOMPARE(rows.value(iFirstRow), firstWeek);
        QCOMPARE(rows.value(0), QString());
        // The same names where a screen reader asks the table, or a cell, for its headers.
        QAccessibleTableInterface* table = grid->tableInterface();
        QVERIFY(table);
        for (int iColumn = 0; iColumn < columns.size(); ++iColumn) {
            QCOMPARE(table->columnDescription(iColumn), columns[iColumn]);
            QAccessibleInterface* cell = table->cellAt(iFirstRow, iColumn);
            QVERIFY(cell && cell->tableCellInterface());
            const QList<QAccessibleInterface*> headers =
                cell->tableCellInterface()->columnHeaderCells();
            QCOMPARE(headers.size(), 1);
            QCOMPARE(headers.first()->text(QAccessible::Name), columns[iColumn]);
            QCOMPARE(cell->tableCellInterface()->rowHeaderCells().value(0)->text(QAccessible::Name),
                     firstWeek);
            QCOMPARE(cell->parent(), grid);
        }
    }

    // Exactly one object says it has the keyboard focus: the control that holds it (in the
    // calendar, the selected day), wherever the focus went and whatever the calendar did.
    void oneFocusedObject_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("action");
        QTest::newRow("systolic box at the start") << u"txtSystolic"_s << u""_s;
        QTest::newRow("comment box") << u"txtComment"_s << u""_s;
        QTest::newRow("calendar") << u"ctlCal"_s << u""_s;
        QTest::newRow("calendar, then the pulse box") << u"txtPulse"_s << u"visit calendar"_s;
        QTest::newRow("calendar, arrow key, then the comment box")
            << u"txtComment"_s << u"arrow in calendar"_s;
        QTest::newRow("next month clicked") << u"txtSystolic"_s << u"next month"_s;
        QTest::newRow("day chosen elsewhere") << u"txtSystolic"_s << u"select day"_s;
    }

    void oneFocusedObject() {
        QFETCH(QString, focus);
        QFETCH(QString, action);
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        if (action == u"visit calendar" || action == u"arrow in calendar") {
            window->ctlCal->setFocus(Qt::TabFocusReason);
            QTRY_VERIFY(window->ctlCal->isAncestorOf(QApplication::focusWidget()));
            if (action == u"arrow in calendar") {
                QTest::keyClick(window->windowHandle(), Qt::Key_Right);
            }
        } else if (action == u"next month") {
            auto* next = window->ctlCal->findChild<QToolButton*>(u"qt_calendar_nextmonth"_s);
            QVERIFY(next);
            QTest::mouseClick(next, Qt::LeftButton);
            QCOMPARE(window->ctlCal->monthShown(), 1);
        } else if (action == u"select day") {
            window->ctlCal->setSelectedDate(kToday.addDays(-3));
        }
        QWidget* target = window->findChild<QWidget*>(focus);
        QVERIFY(target);
        target->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(target == QApplication::focusWidget() ||
                    target->isAncestorOf(QApplication::focusWidget()));

        const QList<QAccessibleInterface*> focused = FocusedObjects(*window);
        QStringList said;
        for (QAccessibleInterface* face : focused) {
            said << u"%1 %2 \"%3\""_s.arg(int(face->role()))
                        .arg(face->object() ? face->object()->objectName() : u"-"_s,
                             face->text(QAccessible::Name));
        }
        if (focus == u"ctlCal") {
            // The calendar, its grid of days and, in it, the selected day; nothing else.
            const QString szDay = QString::number(window->ctlCal->selectedDate().day());
            int iCells = 0;
            for (QAccessibleInterface* face : focused) {
                if (face->role() == QAccessible::Cell) {
                    ++iCells;
                    QCOMPARE(face->text(QAccessible::Name), szDay);
                } else {
                    QVERIFY2(
                        face->object() == window->ctlCal ||
                            window->ctlCal->isAncestorOf(qobject_cast<QWidget*>(face->object())),
                        qPrintable(said.join(u", ")));
                }
            }
            QVERIFY2(iCells == 1, qPrintable(said.join(u", ")));
        } else {
            QVERIFY2(focused.size() == 1, qPrintable(said.join(u", ")));
            QCOMPARE(focused.first()->object(), target);
        }
    }

    // A value that is not a number is marked in its box at once, by shape and in words, and
    // stored as typed; the mark goes when the value is a number again.
    void notANumberMark_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("marked");
        QTest::newRow("a number") << u"130"_s << u"130"_s << false;
        QTest::newRow("letter O for zero") << u"13O"_s << u"13O"_s << true;
        QTest::newRow("letter after digits") << u"12a"_s << u"12a"_s << true;
        QTest::newRow("letters only") << u"ab"_s << u"ab"_s << true;
        QTest::newRow("one letter") << u"x"_s << u"x"_s << true;
        QTest::newRow("decimal number") << u"1.5"_s << u"1.5"_s << false;
        QTest::newRow("minus number") << u"-5"_s << u"-5"_s << false;
        QTest::newRow("letter taken back") << u"13O\b0"_s << u"130"_s << false;
        QTest::newRow("digit turned letter") << u"12\ba"_s << u"1a"_s << true;
        QTest::newRow("emptied") << u"x\b"_s << u""_s << false;
    }

    void notANumberMark() {
        QFETCH(QString, keys);
        QFETCH(QString, stored);
        QFETCH(bool, marked);
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        QLineEdit* box = window->txtSystolic;
        QTRY_COMPARE(QApplication::focusWidget(), box);
        const QString szOwnTip = box->toolTip();
        QVERIFY(!szOwnTip.isEmpty());
        // Typed as a person does; the backspace goes back to the box when a full box moved on.
        for (const QChar key : keys) {
            if (key == u'\b') {
                box->setFocus(Qt::MouseFocusReason);
                box->end(false);
            }
            Type(*window, QString(key));
        }
        QCOMPARE(box->text(), stored);
        QCOMPARE(DayValue(kTodayKey, u"S"_s), stored);
        // The box loses the focus, so its frame is the plain one.
        window->txtComment->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), window->txtComment);

        const QString szWarning = u"Not a number"_s;
        QCOMPARE(box->toolTip().startsWith(szWarning), marked);
        QVERIFY(box->toolTip().contains(szOwnTip));
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(box);
        QVERIFY(face);
        QCOMPARE(face->text(QAccessible::Description).startsWith(szWarning), marked);
        QVERIFY(face->text(QAccessible::Description).contains(u"not counted"_s) == marked);

        // The mark is drawn in the frame's colour inside the box: a dashed line below the text
        // and a corner turned down at the top right.
        const QImage image = Painted(*box);
        const qreal ratio = image.devicePixelRatio();
        const QColor border(image.pixel(0, image.height() / 2));
        const QRect inside = QRect(QPoint(3, 3), box->size() - QSize(6, 6));
        const QRect underline(qRound(inside.left() * ratio), qRound((box->height() - 6) * ratio),
                              qRound(inside.width() * ratio), qRound(4 * ratio));
        const int iMarkPixels = PixelsLike(image, underline, border);
        QVERIFY2((iMarkPixels > 4) == marked, qPrintable(QString::number(iMarkPixels)));
        const QRect corner(qRound((box->width() - 7) * ratio), qRound(3 * ratio), qRound(4 * ratio),
                           qRound(2 * ratio));
        const int iCornerPixels = PixelsLike(image, corner, border);
        QVERIFY2((iCornerPixels > 2) == marked, qPrintable(QString::number(iCornerPixels)));
    }

    // The comment box's inner area is no control of its own to a screen reader.
    void commentViewportQuiet() {
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        window->txtComment->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), window->txtComment);
        QAccessibleInterface* viewport =
            QAccessible::queryAccessibleInterface(window->txtComment->viewport());
        QVERIFY(viewport);
        QVERIFY(!viewport->state().focused);
        QVERIFY(!viewport->state().focusable);
        QVERIFY(QAccessible::queryAccessibleInterface(window->txtComment)->state().focused);
    }
};

QTEST_MAIN(TestFrmMainReadable)
#include "test_frmmain_readable.moc"
