// The report window's "Export CSV…" button: where it sits and how it is reached, what it
// writes, with which separator, and what the user is told.

#include "diary/modGlobals.h"
#include "report/frmReport.h"
#include "tests/report/ReportTestData.h"
#include "widgets/modUtils.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

using namespace Qt::StringLiterals;
using reporttest::AddDay;
using reporttest::ResetReadings;

namespace {

struct Shown {
    QMessageBox::Icon icon;
    QString szTitle;
    QString szText;
};

QByteArray ReadAll(const QString& szPath) {
    QFile file(szPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestReportCsvExport : public QObject {
    Q_OBJECT

    std::vector<Shown> shown;
    QStringList proposed;
    QString szAnswer;
    QTemporaryDir dir;

private slots:
    void init() {
        ResetReadings();
        AddDay({u"20270301"_s, u"128"_s, u"84"_s, u"70"_s, u"Walked\r\nthen \"rested\""_s});
        AddDay({u"20270302"_s, QString(), QString(), QString(), QString()});
        AddDay({u"20270303"_s, QString(), QString(), QString(), u"dizzy"_s});
        AddDay({u"20270304"_s, u"131"_s, u"86"_s, QString(), QString()});
        shown.clear();
        proposed.clear();
        SetMessageBoxHandler([this](QMessageBox::Icon icon, const QString& szTitle,
                                    const QString& szText, QMessageBox::StandardButtons) {
            shown.push_back({icon, szTitle, szText});
            return QMessageBox::Ok;
        });
        frmReport::SetSaveDialog([this](QWidget*, const QString& szProposed) {
            proposed << szProposed;
            return szAnswer;
        });
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void cleanup() {
        SetMessageBoxHandler(nullptr);
        frmReport::SetSaveDialog(nullptr);
        QLocale::setDefault(QLocale::system());
    }

    // The button sits left of "Save as PDF…", follows it in the tab order and has a name.
    void theButton() {
        frmReport frm(reporttest::Readings());
        frm.show();
        QVERIFY(QTest::qWaitForWindowActive(&frm));
        QCOMPARE(frm.btExportCsv->geometry().bottom(), frm.btSavePdf->geometry().bottom());
        QVERIFY(frm.btExportCsv->geometry().right() < frm.btSavePdf->geometry().left());
        QVERIFY(frm.btExportCsv->geometry().left() >= 0);
        QCOMPARE(frm.btSavePdf->nextInFocusChain(), frm.btExportCsv);
        QVERIFY(frm.btExportCsv->focusPolicy() & Qt::TabFocus);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(frm.btExportCsv);
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), u"Export CSV\u2026"_s);
        // Tab from "Save as PDF…" reaches it, and Space presses it.
        szAnswer.clear();
        frm.btSavePdf->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(frm.windowHandle(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), frm.btExportCsv);
        QTest::keyClick(frm.windowHandle(), Qt::Key_Space);
        QCOMPARE(proposed.size(), 1);
    }

    // What the export writes, where it proposes to, and what the user reads afterwards.
    void exportsEveryDayWithAValue() {
        szAnswer = dir.filePath(u"readings"_s);
        frmReport frm(reporttest::Readings());
        frm.btExportCsv->click();
        QCOMPARE(proposed, QStringList{frmReport::DefaultCsvPath(Today())});
        QVERIFY(proposed[0].endsWith(u"Tensiolog readings "_s + Today().toString(u"yyyy-MM-dd"_s) +
                                     u".csv"_s));
        QCOMPARE(ReadAll(szAnswer + u".csv"_s),
                 QByteArray("date,time,systolic,diastolic,pulse,comment\r\n"
                            "2027-03-01,,128,84,70,\"Walked\nthen \"\"rested\"\"\"\r\n"
                            "2027-03-03,,,,,dizzy\r\n2027-03-04,,131,86,,\r\n"));
        QCOMPARE(shown.size(), std::size_t(1));
        QCOMPARE(shown[0].icon, QMessageBox::Information);
        QCOMPARE(shown[0].szText, u"3 days have been exported to "_s +
                                      QDir::toNativeSeparators(szAnswer + u".csv"_s) + u"."_s);
    }

    // Where numbers take a decimal comma, spreadsheets expect semicolons.
    void semicolonsForADecimalComma() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        szAnswer = dir.filePath(u"de.csv"_s);
        frmReport frm(reporttest::Readings());
        frm.btExportCsv->click();
        QVERIFY(ReadAll(szAnswer).startsWith("date;time;systolic;diastolic;pulse;comment\r\n"
                                             "2027-03-01;;128;84;70;"));
    }

    // A period: only its days, and the count says so.
    void aPeriod() {
        frmReport frm(reporttest::Readings());
        const QString szPath = dir.filePath(u"period.csv"_s);
        QVERIFY(frm.ExportCsv(szPath, QDate(2027, 3, 2), QDate(2027, 3, 3)));
        QCOMPARE(ReadAll(szPath), QByteArray("date,time,systolic,diastolic,pulse,comment\r\n"
                                             "2027-03-03,,,,,dizzy\r\n"));
        QCOMPARE(shown.back().szText,
                 u"1 day has been exported to "_s + QDir::toNativeSeparators(szPath) + u"."_s);
    }

    // Cancelling writes nothing and says nothing; a folder that is not there is reported.
    void cancelledOrNotWritten() {
        frmReport frm(reporttest::Readings());
        szAnswer.clear();
        frm.btExportCsv->click();
        QVERIFY(shown.empty());

        szAnswer = dir.filePath(u"gone/x.csv"_s);
        frm.btExportCsv->click();
        QCOMPARE(shown.size(), std::size_t(1));
        QCOMPARE(shown[0].icon, QMessageBox::Warning);
        QVERIFY2(shown[0].szText.startsWith(u"The readings were not exported to "_s +
                                            QDir::toNativeSeparators(szAnswer) + u" ("_s),
                 qPrintable(shown[0].szText));
        QVERIFY(!QFile::exists(szAnswer));
    }
};

QTEST_MAIN(TestReportCsvExport)
#include "test_report_csvexport.moc"
