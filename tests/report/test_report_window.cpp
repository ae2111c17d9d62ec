// The report window: its caption, layout on activation, the delayed composition and the keyboard.

#include "diary/PressureColours.h"
#include "diary/modGlobals.h"
#include "report/ReportComposer.h"
#include "report/RichTextBox.h"
#include "report/frmReport.h"
#include "report/modPrint.h"
#include "tests/report/ReportTestData.h"
#include "tests/report/ReportTestTools.h"
#include "widgets/ctlChart.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

using namespace Qt::StringLiterals;
using reporttest::AddDay;
using reporttest::ColourName;
using reporttest::Day;
using reporttest::Heading;
using reporttest::ResetReadings;

class test_report_window : public QObject {
    Q_OBJECT

    reporttest::PrivateSettings m_settings;
    reporttest::Messages m_boxes;

    QTemporaryDir m_dir;

private slots:
    void init();
    void cleanup();

    void activation();
    void activationWaitsForComposition();
    void composedReportFitsTheBox_data();
    void composedReportFitsTheBox();
    void writtenInSteps_data();
    void writtenInSteps();
    void writingInterrupted_data();
    void writingInterrupted();
    void readingKeysScroll_data();
    void readingKeysScroll();
    void screenReaderNames();
    void focusFrame();
    void periodChoice();
    void periodKeptForTheRunOnly();
};

void test_report_window::init() {
    reporttest::StartTest(m_boxes);
}

void test_report_window::cleanup() {
    reporttest::EndTest();
}

void test_report_window::activation() {
    reporttest::FillDays(40);
    AddDay({u"20270307"_s, u"120"_s, u"80"_s, u"72"_s, u"Walked"_s});
    frmReport frm(reporttest::Readings());
    QCOMPARE(frm.windowTitle(), QStringLiteral("Tensiolog Report"));
    QCOMPARE(frm.btPrint->text(), QStringLiteral("Print"));
    frm.show();
    QVERIFY(QTest::qWaitForWindowActive(&frm));
    // Empty at first. Written during the half-second wait, the report is not seen before the
    // wait is over: the box shows nothing but its background.
    QCOMPARE(frm.rtb->TextLength(), 0);
    QVERIFY(frm.tim->isActive());
    frm.WriteAhead();
    QVERIFY(frm.IsWriting());
    QVERIFY(frm.rtb->Text().contains(QStringLiteral("07 Mar 2027")));
    const QImage waiting = frm.rtb->viewport()->grab().toImage();
    QCOMPARE(waiting.copy(0, 0, 1, 1).scaled(waiting.size()), waiting);
    // Shown, laid out, when it is over.
    QTRY_VERIFY_WITH_TIMEOUT(!frm.tim->isActive() && !frm.IsWriting(), 3000);
    QVERIFY(frm.rtb->Text().contains(QStringLiteral("07 Mar 2027")));
    QCOMPARE(frm.rtb->PictureCount(), 2);
    const QImage shown = frm.rtb->viewport()->grab().toImage();
    QVERIFY(shown != shown.copy(0, 0, 1, 1).scaled(shown.size()));
    const QString szSnapshots = qEnvironmentVariable("TLG_SNAPSHOT_DIR");
    if (!szSnapshots.isEmpty()) {
        frm.grab().save(QDir(szSnapshots).filePath(QStringLiteral("report-window.png")));
    }

    const int W = frm.width();
    const int H = frm.height();
    QCOMPARE(frm.rtb->geometry(), QRect(0, 0, W, H - frm.btPrint->height()));
    QCOMPARE(frm.btPrint->geometry().bottomRight(), QPoint(W - 1, H - 1));
    QCOMPARE(frm.btSavePdf->geometry().top(), frm.btPrint->geometry().top());
    QVERIFY(frm.btSavePdf->geometry().right() < frm.btPrint->geometry().left());
    QCOMPARE(frm.rtbPrint->width(), qRound(0.8 * W));
    QVERIFY(frm.rtbPrint->isHidden());
    QVERIFY(frm.ctlChart->isHidden());

    // The report box hands its focus on: the user cannot type into it.
    frm.rtb->setFocus();
    QTRY_VERIFY(frm.btPrint->hasFocus());

    // Resizing leaves the controls where they are until the next activation.
    const QRect box = frm.rtb->geometry();
    frm.resize(W + 60, H + 40);
    QCoreApplication::processEvents();
    QCOMPARE(frm.rtb->geometry(), box);
}

void test_report_window::activationWaitsForComposition() {
    AddDay({u"20270307"_s, u"120"_s, u"80"_s, u"72"_s, u"Walked"_s});
    frmReport frm(reporttest::Readings());
    frm.resize(900, 700);
    // An activation that arrives while a report of one step is composed waits until it is done:
    // nothing runs in the middle of a step, so the pictures never lose their text.
    QCoreApplication::postEvent(&frm, new QEvent(QEvent::WindowActivate));
    frm.tim_Timer();
    QVERIFY(frm.rtb->Text().contains(u"07 Mar 2027\t120/80:72"_s));
    QCOMPARE(frm.rtb->PictureCount(), 2);
    // Then it takes effect: an empty box, and half a second later the report composed afresh.
    QCoreApplication::sendPostedEvents(&frm, QEvent::WindowActivate);
    QCOMPARE(frm.rtb->TextLength(), 0);
    QVERIFY(frm.tim->isActive());
    QTRY_VERIFY(!frm.tim->isActive());
    QVERIFY(frm.rtb->Text().contains(u"07 Mar 2027\t120/80:72"_s));
    QCOMPARE(frm.rtb->PictureCount(), 2);
    QCOMPARE(frm.rtb->PictureAt(0), frm.HeaderPicture());
}

void test_report_window::composedReportFitsTheBox_data() {
    QTest::addColumn<int>("iDays");
    QTest::addColumn<bool>("bPeriodChange");
    QTest::newRow("a few days") << 3 << false;
    QTest::newRow("a year") << 365 << false;
    QTest::newRow("a year, then the last 90 days chosen") << 365 << true;
}

// However the composition keeps the text from being laid out while it is written, the box shows
// the whole report laid out to its own width afterwards, top first, every line in reach.
void test_report_window::composedReportFitsTheBox() {
    QFETCH(int, iDays);
    QFETCH(bool, bPeriodChange);
    reporttest::FillDays(iDays, QDate(2030, 1, 1).addDays(1 - iDays));
    SetToday(QDate(2030, 1, 1));
    frmReport frm(reporttest::Readings());
    frm.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frm));
    frm.Form_Activate();
    frm.tim->stop();
    frm.tim_Timer();
    if (bPeriodChange) {
        frm.SetPeriod({ReportPeriodKind::Last90Days, QDate(), QDate()});
    }
    QTextDocument* document = frm.rtb->document();
    QCOMPARE(document->pageSize().width(), qreal(frm.rtb->viewport()->width()));
    QCOMPARE(frm.rtb->PictureCount(), 2);
    QVERIFY(frm.rtb->Text().contains(u"01 Jan 2030"_s));
    const QRectF last = document->documentLayout()->blockBoundingRect(document->lastBlock());
    QVERIFY(last.bottom() > 0);
    QVERIFY(last.right() <= frm.rtb->viewport()->width());
    // Laid out once, to its end: the scroll bar reaches the last line, and the report is shown
    // from its top.
    QTRY_COMPARE(frm.rtb->verticalScrollBar()->maximum(),
                 qMax(0, qCeil(document->size().height()) - frm.rtb->viewport()->height()));
    QCOMPARE(frm.rtb->verticalScrollBar()->value(), 0);
    SetToday(QDate());
}

namespace {

// A box's report as HTML, its pictures named in the order they stand (a box numbers every
// picture it was ever given).
QString ReportHtml(const RichTextBox& box) {
    QString szHtml = box.document()->toHtml();
    static const QRegularExpression kPictureName(QStringLiteral("tlg-picture:\\d+"));
    int iPicture = 0;
    QRegularExpressionMatch match;
    while ((match = kPictureName.match(szHtml)).hasMatch()) {
        szHtml.replace(match.capturedStart(), match.capturedLength(),
                       QStringLiteral("picture %1").arg(++iPicture));
    }
    return szHtml;
}

// The screen report of a window composed at once, as printing composes its copy.
QString ReportWrittenAtOnce(const ReportPeriod& period = {}) {
    frmReport frm(reporttest::Readings());
    frm.SetPeriod(period);
    reporttest::ComposeLaidOut(frm);
    return ReportHtml(*frm.rtb);
}

} // namespace

void test_report_window::writtenInSteps_data() {
    QTest::addColumn<int>("iDays");
    QTest::addColumn<int>("iPerDay");
    QTest::addColumn<bool>("bSmallSteps");
    QTest::addColumn<bool>("bPeriodChosen");
    QTest::addColumn<bool>("bSelectionMoved");
    QTest::newRow("a year, in the usual steps") << 365 << 1 << false << false << false;
    QTest::newRow("three years, 200 lines a step") << 1100 << 1 << true << false << false;
    QTest::newRow("a year of four readings a day, 200 lines a step")
        << 365 << 4 << true << false << false;
    QTest::newRow("three years, 200 lines a step, the period chosen")
        << 1100 << 1 << true << true << false;
    // Each step goes on at the end, wherever the box's selection was put in between.
    QTest::newRow("three years, 200 lines a step, the selection moved between steps")
        << 1100 << 1 << true << false << true;
}

// The report the half-second pause or a new period writes a step at a time is the report written
// at once: the same text, colours and pictures, read-only and laid out to the box once written;
// the window answers between the steps.
void test_report_window::writtenInSteps() {
    QFETCH(int, iDays);
    QFETCH(int, iPerDay);
    QFETCH(bool, bSmallSteps);
    QFETCH(bool, bPeriodChosen);
    QFETCH(bool, bSelectionMoved);
    if (iPerDay > 1) {
        reporttest::FillDaysOfReadings(iDays, iPerDay);
    } else {
        reporttest::FillDays(iDays);
    }
    const QString szAtOnce = ReportWrittenAtOnce();
    frmReport::SetWriteStep(bSmallSteps ? 0 : -1);
    frmReport frm(reporttest::Readings());
    frm.resize(900, 700);
    frm.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frm));
    frm.Form_Activate();
    frm.tim->stop();
    int iTurnsWhileWriting = 0;
    QTimer turns;
    turns.setInterval(0);
    connect(&turns, &QTimer::timeout, &frm, [&] {
        iTurnsWhileWriting += frm.IsWriting() ? 1 : 0;
        if (bSelectionMoved && frm.IsWriting()) {
            frm.rtb->SetSelStart(iTurnsWhileWriting % 7);
            frm.rtb->SetSelLength(3);
        }
    });
    turns.start();
    if (bPeriodChosen) {
        frm.SetPeriod({ReportPeriodKind::AllReadings, QDate(), QDate()});
    } else {
        frm.tim_Timer();
    }
    QCOMPARE(frm.IsWriting(), bSmallSteps);
    QCOMPARE(frm.rtb->PictureCount(), 2);
    QTRY_VERIFY_WITH_TIMEOUT(!frm.IsWriting(), 20000);
    turns.stop();
    QCOMPARE(iTurnsWhileWriting > 0, bSmallSteps);
    // Line for line the composition's text, whatever the steps cut it into.
    QCOMPARE(frm.rtb->Text(), ReportComposer::Compose(reporttest::Readings()).Text());
    QCOMPARE(ReportHtml(*frm.rtb), szAtOnce);
    QVERIFY(frm.rtb->isReadOnly());
    QTextDocument* document = frm.rtb->document();
    QCOMPARE(document->pageSize().width(), qreal(frm.rtb->viewport()->width()));
    QVERIFY(document->documentLayout()->blockBoundingRect(document->lastBlock()).bottom() > 0);
}

void test_report_window::writingInterrupted_data() {
    QTest::addColumn<QString>("what");
    // Written ahead during the half-second wait and held there, or between the steps of a
    // writing after it.
    QTest::addColumn<bool>("bAhead");
    for (const bool bAhead : {false, true}) {
        const char* when = bAhead ? ", written ahead" : ", between steps";
        QTest::addRow("activated again%s", when) << u"activation"_s << bAhead;
        QTest::addRow("another period chosen%s", when) << u"period"_s << bAhead;
        QTest::addRow("readings changed elsewhere%s", when) << u"readings"_s << bAhead;
        QTest::addRow("closed%s", when) << u"close"_s << bAhead;
    }
    QTest::newRow("nothing, written ahead") << u"wait"_s << true;
}

// What may happen between the steps of a writing, or while a report written during the wait is
// held: the report shown afterwards is the one asked for last, whole and once, and a window
// closed meanwhile goes without a trace. A report written ahead is not seen before the wait is
// over.
void test_report_window::writingInterrupted() {
    QFETCH(QString, what);
    QFETCH(bool, bAhead);
    reporttest::FillDays(1100);
    const ReportPeriod last90{ReportPeriodKind::Last90Days, QDate(), QDate()};
    SetToday(QDate(2003, 1, 4));
    const QString szAll = ReportWrittenAtOnce();
    const QString szLast90 = ReportWrittenAtOnce(last90);
    QVERIFY(szAll != szLast90);
    frmReport::ForgetPeriodOfThisRun();
    // Ahead, in one step: written out and held.
    frmReport::SetWriteStep(bAhead ? qint64{1} << 50 : 0);
    auto frm = std::make_unique<frmReport>(reporttest::Readings());
    frm->resize(900, 700);
    frm->show();
    QVERIFY(QTest::qWaitForWindowExposed(frm.get()));
    frm->Form_Activate();
    if (bAhead) {
        frm->WriteAhead();
        QVERIFY(frm->tim->isActive());
        QCOMPARE(ReportHtml(*frm->rtb), szAll);
        // Laid out at the box's width, but nothing of it is seen: the box shows its background
        // alone.
        QCOMPARE(frm->rtb->document()->pageSize().width(), qreal(frm->rtb->viewport()->width()));
        QVERIFY(frm->rtb->IsContentHidden());
        const QImage waiting = frm->rtb->viewport()->grab().toImage();
        QCOMPARE(waiting.copy(0, 0, 1, 1).scaled(waiting.size()), waiting);
        // Asked again (a second activation's turn), it writes nothing more.
        frm->WriteAhead();
        QCOMPARE(ReportHtml(*frm->rtb), szAll);
    } else {
        frm->tim->stop();
        frm->tim_Timer();
    }
    QVERIFY(frm->IsWriting());
    if (what == u"wait"_s) {
        // Scrolled while unseen (a wheel over the empty box), it is still shown from its top.
        frm->rtb->verticalScrollBar()->setValue(frm->rtb->verticalScrollBar()->maximum());
        QTRY_VERIFY_WITH_TIMEOUT(!frm->tim->isActive() && !frm->IsWriting(), 20000);
        QVERIFY(!frm->rtb->IsContentHidden());
        QCOMPARE(frm->rtb->verticalScrollBar()->value(), 0);
        QCOMPARE(ReportHtml(*frm->rtb), szAll);
        QVERIFY(frm->rtb->document()->documentLayout()->documentSize().height() >
                frm->rtb->viewport()->height());
    } else if (what == u"activation"_s) {
        frm->Form_Activate();
        QVERIFY(!frm->IsWriting());
        QCOMPARE(frm->rtb->TextLength(), 0);
        QVERIFY(frm->tim->isActive());
        QTRY_VERIFY_WITH_TIMEOUT(!frm->tim->isActive() && !frm->IsWriting(), 20000);
        QCOMPARE(ReportHtml(*frm->rtb), szAll);
    } else if (what == u"period"_s) {
        frm->SetPeriod(last90);
        QVERIFY(!frm->IsWriting());
        QCOMPARE(ReportHtml(*frm->rtb), szLast90);
        // Nothing of the earlier writing comes after it.
        QTest::qWait(50);
        QCOMPARE(ReportHtml(*frm->rtb), szLast90);
    } else if (what == u"readings"_s) {
        reporttest::AddDay({u"20030105"_s, u"177"_s, u"99"_s, u"88"_s, u"Late entry"_s});
        frm->ShowReadingsAgain();
        QTRY_VERIFY_WITH_TIMEOUT(!frm->IsWriting(), 20000);
        QTest::qWait(50);
        QCOMPARE(frm->rtb->Text().count(u"177/99"_s), 1);
    } else {
        QPointer<RichTextBox> box = frm->rtb;
        frm->close();
        frm.reset();
        QVERIFY(box.isNull());
        QTest::qWait(50);
    }
    SetToday(QDate());
    frmReport::SetWriteStep(-1);
}

void test_report_window::readingKeysScroll_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("End") << u"btPrint"_s << int(Qt::Key_End) << u"top"_s << u"bottom"_s;
    QTest::newRow("Home") << u"btPrint"_s << int(Qt::Key_Home) << u"bottom"_s << u"top"_s;
    QTest::newRow("Down") << u"btPrint"_s << int(Qt::Key_Down) << u"top"_s << u"a line down"_s;
    QTest::newRow("Up") << u"btPrint"_s << int(Qt::Key_Up) << u"bottom"_s << u"a line up"_s;
    QTest::newRow("PageDown") << u"btPrint"_s << int(Qt::Key_PageDown) << u"top"_s
                              << u"a page down"_s;
    QTest::newRow("PageUp") << u"btPrint"_s << int(Qt::Key_PageUp) << u"bottom"_s << u"a page up"_s;
    // Every button of the window, not only Print.
    for (const QString& button : {u"btSavePdf"_s, u"btExportCsv"_s}) {
        QTest::addRow("PageDown on %s", qPrintable(button))
            << button << int(Qt::Key_PageDown) << u"top"_s << u"a page down"_s;
        QTest::addRow("End on %s", qPrintable(button))
            << button << int(Qt::Key_End) << u"top"_s << u"bottom"_s;
        QTest::addRow("Down on %s", qPrintable(button))
            << button << int(Qt::Key_Down) << u"top"_s << u"a line down"_s;
    }
}

void test_report_window::readingKeysScroll() {
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(QString, from);
    QFETCH(QString, to);
    reporttest::FillDays(300);
    frmReport frm(reporttest::Readings());
    frm.show();
    QVERIFY(QTest::qWaitForWindowActive(&frm));
    QTRY_VERIFY_WITH_TIMEOUT(
        frm.rtb->PictureCount() == 2 && !frm.tim->isActive() && !frm.IsWriting(), 3000);
    auto* focused = frm.findChild<QPushButton*>(button);
    QVERIFY(focused);
    focused->setFocus();
    QTRY_VERIFY(focused->hasFocus());
    QScrollBar* bar = frm.rtb->verticalScrollBar();
    QVERIFY(bar->maximum() > 2 * bar->pageStep());
    const int iStart = from == u"top"_s ? bar->minimum() : bar->maximum();
    bar->setValue(iStart);
    const QMap<QString, int> expected{{u"top"_s, bar->minimum()},
                                      {u"bottom"_s, bar->maximum()},
                                      {u"a line down"_s, iStart + bar->singleStep()},
                                      {u"a line up"_s, iStart - bar->singleStep()},
                                      {u"a page down"_s, iStart + bar->pageStep()},
                                      {u"a page up"_s, iStart - bar->pageStep()}};
    // The key goes where a person's key goes: to the control that has the focus.
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
    QCOMPARE(bar->value(), expected.value(to));
    // The focus stays on the button; the box itself still never takes it.
    QVERIFY(focused->hasFocus());
    QVERIFY(!frm.rtb->hasFocus());
}

void test_report_window::screenReaderNames() {
    AddDay({u"20270307"_s, u"120"_s, u"80"_s, u"72"_s, u"Walked"_s});
    frmReport frm(reporttest::Readings());
    frm.show();
    QVERIFY(QTest::qWaitForWindowActive(&frm));
    QTRY_VERIFY_WITH_TIMEOUT(frm.rtb->Text().contains(u"07 Mar 2027"_s), 3000);
    // The window is a dialog named by its title.
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&frm);
    QCOMPARE(window->role(), QAccessible::Dialog);
    QCOMPARE(window->text(QAccessible::Name), u"Tensiolog Report"_s);
    QAccessibleInterface* report = QAccessible::queryAccessibleInterface(frm.rtb);
    QVERIFY(report != nullptr);
    QCOMPARE(report->text(QAccessible::Name), u"Report"_s);
    QAccessibleTextInterface* text = report->textInterface();
    QVERIFY(text != nullptr);
    const QString szHeard = text->text(0, text->characterCount());
    QVERIFY2(szHeard.contains(u"YOUR READINGS"_s), qPrintable(szHeard));
    QVERIFY(szHeard.contains(u"07 Mar 2027"_s));
    QVERIFY(report->state().readOnly);
    // Every button has a name of its own.
    QStringList names;
    for (QPushButton* button : frm.findChildren<QPushButton*>()) {
        QAccessibleInterface* item = QAccessible::queryAccessibleInterface(button);
        QVERIFY(item != nullptr);
        names.append(item->text(QAccessible::Name));
    }
    QVERIFY(names.contains(u"Print"_s));
    QVERIFY(names.contains(u"Save as PDF"_s));
    QVERIFY(!names.contains(QString()));
}

void test_report_window::focusFrame() {
    frmReport frm(reporttest::Readings());
    frm.SetPeriod({ReportPeriodKind::FromTo, QDate(2027, 1, 1), QDate(2027, 1, 31)});
    frm.show();
    QVERIFY(QTest::qWaitForWindowActive(&frm));
    const QList<QWidget*> controls{frm.btPrint, frm.btSavePdf, frm.cboPeriod, frm.dtFrom, frm.dtTo};
    for (QWidget* control : controls) {
        control->setFocus();
        QTRY_VERIFY(control->hasFocus());
        const QImage focused = control->grab().toImage();
        (control == frm.btPrint ? frm.btSavePdf : frm.btPrint)->setFocus();
        QTRY_VERIFY(!control->hasFocus());
        const QImage unfocused = control->grab().toImage();
        // A frame two pixels wide in the focus colour on all four sides, only with the focus.
        const int w = focused.width();
        const int h = focused.height();
        const QList<QPoint> frame{{0, h / 2}, {1, h / 2}, {w - 1, h / 2}, {w - 2, h / 2},
                                  {w / 4, 0}, {w / 4, 1}, {w / 4, h - 1}, {w / 4, h - 2}};
        for (const QPoint& p : frame) {
            QVERIFY2(focused.pixelColor(p) == frmReport::kFocusColour,
                     qPrintable(control->objectName() + u" at %1,%2"_s.arg(p.x()).arg(p.y())));
            QVERIFY(unfocused.pixelColor(p) != frmReport::kFocusColour);
        }
        QVERIFY(focused.pixelColor(w / 4, h / 2) != frmReport::kFocusColour);
    }
}

void test_report_window::periodChoice() {
    SetToday(QDate(2027, 3, 9));
    AddDay({u"20270101"_s, u"130"_s, u"85"_s, u"70"_s, u"New year"_s});
    AddDay({u"20270301"_s, u"120"_s, u"80"_s, u"72"_s, u"Walked"_s});
    frmReport frm(reporttest::Readings());
    frm.show();
    QVERIFY(QTest::qWaitForWindowActive(&frm));
    QTRY_VERIFY_WITH_TIMEOUT(frm.rtb->Text().contains(u"01 Jan 2027"_s), 3000);
    QComboBox* choice = frm.cboPeriod;
    QCOMPARE(choice->count(), 5);
    QCOMPARE(choice->itemText(0), u"All readings"_s);
    QCOMPARE(choice->itemText(4), u"From \u2026 to \u2026"_s);
    QCOMPARE(choice->currentIndex(), 0);
    // Named, and labelled by a visible label (a screen reader on Linux hears a combo box by its
    // label and its current text).
    QCOMPARE(choice->accessibleName(), u"Report period"_s);
    QCOMPARE(frm.lblPeriod->buddy(), choice);
    bool bLabelled = false;
    for (const auto& [other, relation] :
         QAccessible::queryAccessibleInterface(choice)->relations(QAccessible::Label)) {
        bLabelled = bLabelled || other->object() == frm.lblPeriod;
    }
    QVERIFY(bLabelled);
    QCOMPARE(QAccessible::queryAccessibleInterface(frm.dtFrom)->text(QAccessible::Name),
             u"Report from"_s);
    QCOMPARE(QAccessible::queryAccessibleInterface(frm.dtTo)->text(QAccessible::Name),
             u"Report to"_s);
    QVERIFY(frm.dtFrom->isHidden());
    // It sits in the buttons' row, clear of them.
    QCOMPARE(choice->geometry().bottom(), frm.btPrint->geometry().bottom());
    QVERIFY(choice->geometry().right() < frm.btSavePdf->geometry().left());

    // By keyboard alone: Tab from the buttons reaches the choice, Down picks the next period and
    // the report follows at once.
    frm.btExportCsv->setFocus();
    QTRY_VERIFY(frm.btExportCsv->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_VERIFY(choice->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(choice->currentIndex(), 1);
    QVERIFY(!frm.rtb->Text().contains(u"01 Jan 2027"_s));
    QVERIFY(frm.rtb->Text().contains(u"01 Mar 2027"_s));
    QVERIFY(frm.rtb->Text().contains(u"8 Feb 2027 to 9 Mar 2027: 1 day"_s));

    // Alt+P reaches the choice from anywhere in the window.
    frm.btPrint->setFocus();
    QTRY_VERIFY(frm.btPrint->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::AltModifier);
    QTRY_VERIFY(choice->hasFocus());

    // From ... to ...: the two date fields appear and bound the report.
    choice->setCurrentIndex(static_cast<int>(ReportPeriodKind::FromTo));
    QVERIFY(frm.dtFrom->isVisible());
    QVERIFY(frm.dtTo->isVisible());
    frm.dtFrom->setDate(QDate(2026, 12, 31));
    frm.dtTo->setDate(QDate(2027, 1, 1));
    QVERIFY(frm.rtb->Text().contains(u"01 Jan 2027"_s));
    QVERIFY(!frm.rtb->Text().contains(u"01 Mar 2027"_s));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_VERIFY(frm.dtFrom->hasFocus());
    const QString szSnapshots = qEnvironmentVariable("TLG_SNAPSHOT_DIR");
    if (!szSnapshots.isEmpty()) {
        frm.grab().save(QDir(szSnapshots).filePath(u"report-window-period.png"_s));
    }

    // Printing prints what is shown.
    const QString szOut = m_dir.filePath(u"period.pdf"_s);
    modPrint::SetPrinterFactory([&]() {
        modPrint::PrinterChoice printer;
        printer.printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer.printer->setOutputFormat(QPrinter::PdfFormat);
        printer.printer->setOutputFileName(szOut);
        printer.szName = u"Office"_s;
        return printer;
    });
    frm.btPrint->click();
    QCOMPARE(frm.rtbPrint->Text(), frm.rtb->Text());
    QCOMPARE(frm.rtbPrint->PictureCount(), 2);
}

void test_report_window::periodKeptForTheRunOnly() {
    SetToday(QDate(2027, 3, 9));
    // What an earlier version kept between runs is neither used nor kept.
    {
        QSettings stale(QSettings::IniFormat, QSettings::UserScope, u"tlg"_s, u"tlg"_s);
        stale.setValue(u"Report/Period"_s, u"FromTo"_s);
        stale.setValue(u"Report/From"_s, u"2026-09-01"_s);
        stale.setValue(u"Report/To"_s, u"2026-12-08"_s);
    }
    {
        frmReport frm(reporttest::Readings());
        QCOMPARE(frm.Period().kind, ReportPeriodKind::AllReadings);
        QVERIFY(frm.dtFrom->isHidden());
        frm.SetPeriod({ReportPeriodKind::FromTo, QDate(2026, 9, 1), QDate(2026, 12, 8)});
    }
    {
        QSettings settings(QSettings::IniFormat, QSettings::UserScope, u"tlg"_s, u"tlg"_s);
        QVERIFY(!settings.childGroups().contains(u"Report"_s));
        QVERIFY(settings.allKeys().filter(u"Period"_s).isEmpty());
    }
    // Within the run, each opening starts from the choice made before.
    {
        frmReport frm(reporttest::Readings());
        QCOMPARE(frm.Period(),
                 (ReportPeriod{ReportPeriodKind::FromTo, QDate(2026, 9, 1), QDate(2026, 12, 8)}));
        QVERIFY(!frm.dtFrom->isHidden());
        frm.SetPeriod({ReportPeriodKind::Last90Days, {}, {}});
    }
    {
        frmReport frm(reporttest::Readings());
        QCOMPARE(frm.Period().kind, ReportPeriodKind::Last90Days);
        QVERIFY(frm.dtFrom->isHidden());
    }
    // A new run starts from all readings again.
    frmReport::ForgetPeriodOfThisRun();
    frmReport frm(reporttest::Readings());
    QCOMPARE(frm.Period().kind, ReportPeriodKind::AllReadings);
}

QTEST_MAIN(test_report_window)
#include "test_report_window.moc"
