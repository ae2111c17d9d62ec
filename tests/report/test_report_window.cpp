// The report window: its caption, layout on activation, the delayed composition and the keyboard.

#include "app/util/modGlobals.h"
#include "mainwindow/readings/PressureColours.h"
#include "mainwindow/readings/ctlChart.h"
#include "report/ReportComposer.h"
#include "report/RichTextBox.h"
#include "report/frmReport.h"
#include "report/modPrint.h"
#include "tests/report/ReportTestData.h"
#include "tests/report/ReportTestTools.h"

#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using reporttest::AddDay;
using reporttest::ColourName;
using reporttest::Day;
using reporttest::Heading;
using reporttest::ResetReadings;

class test_report_window : public QObject {
    Q_OBJECT

    reporttest::Messages m_boxes;

private slots:
    void init();
    void cleanup();

    void activation();
};

void test_report_window::init() {
    m_boxes.shown.clear();
    ResetReadings();
    QGuiApplication::clipboard()->clear();
}

void test_report_window::cleanup() {
    modPrint::SetPrinterFactory(nullptr);
    frmReport::SetSaveDialog(nullptr);
    SetToday(QDate());
}

void test_report_window::activation() {
    reporttest::FillDays(40);
    AddDay({u"20270307"_s, u"120"_s, u"80"_s, u"72"_s, u"Walked"_s});
    frmReport frm(reporttest::Readings());
    QCOMPARE(frm.windowTitle(), QStringLiteral("Tensiolog Report"));
    QCOMPARE(frm.btPrint->text(), QStringLiteral("Print"));
    frm.show();
    QVERIFY(QTest::qWaitForWindowActive(&frm));
    // Empty at first, composed half a second after the activation.
    QCOMPARE(frm.rtb->TextLength(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(frm.rtb->Text().contains(QStringLiteral("07 Mar 2027")), 3000);
    QCOMPARE(frm.rtb->PictureCount(), 2);
    QVERIFY(!frm.tim->isActive());
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

QTEST_MAIN(test_report_window)
#include "test_report_window.moc"
