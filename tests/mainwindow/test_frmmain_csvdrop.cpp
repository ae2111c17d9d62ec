// Readings in by dropping a .csv file on the main window: the drag is taken only for one such
// file, a question says what will change and No is its default, and after a Yes the chart and
// the boxes show the new readings. What is read at all follows the command line's rule.

#include "tests/support/MainWindowTestSupport.h"
#include "tests/support/UnusualFiles.h"

#include "widgets/ctlChart.h"

#include <QCalendarWidget>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

using namespace tlgtest;
using namespace Qt::StringLiterals;

namespace {

const QDate kToday(2027, 3, 5);

// Every day of the program's readings as "key S/D/P C".
QStringList Days() {
    QStringList days;
    for (const std::shared_ptr<clsXMLTag>& objDay : *objReadings->objSubTags) {
        days << objDay->szName + u' ' + objDay->GetSubTagValue(kSystolicName) + u'/' +
                    objDay->GetSubTagValue(kDiastolicName) + u'/' +
                    objDay->GetSubTagValue(kPulseName) + u' ' +
                    objDay->GetSubTagValue(kCommentName);
    }
    return days;
}

// What a person's drag does: enters the window at a point, then drops there. The window system
// hands both to whichever control under the point takes drops. True when the drop was taken.
bool DragAndDrop(frmMain& window, const QPoint& at, const QList<QUrl>& urls, bool bDrop = true) {
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, &data,
                          Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.windowHandle(), &enter);
    if (!enter.isAccepted() || !bDrop) {
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(window.windowHandle(), &leave);
        return enter.isAccepted();
    }
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, &data, Qt::LeftButton,
                    Qt::NoModifier);
    QCoreApplication::sendEvent(window.windowHandle(), &drop);
    return drop.isAccepted() && drop.dropAction() == Qt::CopyAction;
}

} // namespace

class TestFrmMainCsvDrop : public QObject {
    Q_OBJECT

    PrivateSettings settings;
    QTemporaryDir dir;
    int iNotes = 0;

    QString WriteFile(const QString& szName, const QByteArray& bytes) {
        QFile file(dir.filePath(szName));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            return {};
        }
        return file.fileName();
    }

private slots:
    void init() {
        NewDocument();
        AddDay(u"20270301"_s, u"140"_s, u"90"_s, u"80"_s, u"kept"_s);
        iNotes = 0;
        SetReadingsChangedHandler([this] { ++iNotes; });
        SetMessageBoxHandler(nullptr);
    }
    void cleanup() {
        SetReadingsChangedHandler(nullptr);
        SetMessageBoxHandler(nullptr);
    }

    // Which drags the window takes: exactly one local .csv file.
    void whichDragsAreTaken_data() {
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<bool>("taken");
        const QUrl csv = QUrl::fromLocalFile(u"/tmp/readings.csv"_s);
        QTest::newRow("a .csv file") << QList<QUrl>{csv} << true;
        QTest::newRow("capitals") << QList<QUrl>{QUrl::fromLocalFile(u"/tmp/R.CSV"_s)} << true;
        QTest::newRow("a text file")
            << QList<QUrl>{QUrl::fromLocalFile(u"/tmp/readings.txt"_s)} << false;
        QTest::newRow("two files") << QList<QUrl>{csv, csv} << false;
        QTest::newRow("a web address")
            << QList<QUrl>{QUrl(u"https://example.org/readings.csv"_s)} << false;
    }
    void whichDragsAreTaken() {
        QFETCH(QList<QUrl>, urls);
        QFETCH(bool, taken);
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        // Opening the window on a new day adds its placeholder entry, itself a change.
        iNotes = 0;
        QCOMPARE(DragAndDrop(*window, window->ctlCal->geometry().center(), urls, false), taken);
        if (taken) {
            // Over an entry box too (the box takes other drops as text, as it always has).
            QVERIFY(DragAndDrop(*window, window->txtComment->geometry().center(), urls, false));
            QVERIFY(DragAndDrop(*window, window->txtPulse->geometry().center(), urls, false));
        }
    }

    // A Yes imports: the new day is added, today's placeholder filled, the stored day kept;
    // the chart and the boxes show it and the saver hears of it.
    void dropAndAnswerYes() {
        const QString szFile =
            WriteFile(u"readings.csv"_s,
                      "Date,Sys,Dia,Pulse,Notes\r\n2027-03-01,150,95,85,other\r\n"
                      "2027-03-04,131,84,70,\r\n05.03.2027,128,82,66,\"Walked, \"\"far\"\"\"\r\n");
        QVERIFY(!szFile.isEmpty());
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        // Opening the window on a new day adds its placeholder entry, itself a change.
        iNotes = 0;
        QCOMPARE(window->ctlChart->RowCount(), qint16(1));
        MessageBoxes boxes(QMessageBox::Yes);
        QVERIFY(DragAndDrop(*window, window->ctlCal->geometry().center(),
                            {QUrl::fromLocalFile(szFile)}));
        QTRY_COMPARE(iNotes, 1);
        QCOMPARE(boxes.shown.size(), std::size_t(1));
        const ShownBox& question = boxes.shown.front();
        QCOMPARE(question.icon, QMessageBox::Question);
        QCOMPARE(question.szTitle, u"Import Readings"_s);
        QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(question.szText,
                 u"1 day will be added to the diary and 1 day changed (empty values filled in)."
                 "\n\n"_s +
                     QDir::toNativeSeparators(szFile) +
                     u": 3 readings on 3 days (UTF-8, fields separated by commas).\nWould add "
                     "1 day, fill in 1 day, replace values of 0 days; 1 day would stay "
                     "unchanged.\n1 day would keep stored values where the file has others."
                     "\n\nImport these readings?"_s);
        QCOMPARE(Days(), (QStringList{u"20270301 140/90/80 kept"_s, u"20270304 131/84/70 "_s,
                                      u"20270305 128/82/66 Walked, \"far\""_s}));
        QCOMPARE(window->txtSystolic->text(), u"128"_s);
        QCOMPARE(window->txtComment->toPlainText(), u"Walked, \"far\""_s);
        QCOMPARE(window->ctlChart->RowCount(), qint16(3));
        QCOMPARE(window->ctlChart->DataAt(2, 1), std::optional<double>(131));
    }

    // A No, or a drop on the comment box answered No, changes nothing; the box does not take
    // the file's name as text.
    void dropAndAnswerNo() {
        const QString szFile =
            WriteFile(u"new.csv"_s, "date,sys,dia,pulse\n2027-03-04,131,84,70\n");
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        // Opening the window on a new day adds its placeholder entry, itself a change.
        iNotes = 0;
        window->txtComment->setPlainText(u"typed"_s);
        const QStringList before = Days();
        MessageBoxes boxes(QMessageBox::No);
        QVERIFY(DragAndDrop(*window, window->txtComment->geometry().center(),
                            {QUrl::fromLocalFile(szFile)}));
        QTRY_COMPARE(boxes.shown.size(), std::size_t(1));
        QCOMPARE(boxes.shown.front().icon, QMessageBox::Question);
        QCOMPARE(Days(), before);
        QCOMPARE(iNotes, 0);
        QCOMPARE(window->txtComment->toPlainText(), u"typed"_s);
        QCOMPARE(window->ctlChart->RowCount(), qint16(1));
    }

    // The question is a real box whose default button is No, its text plain.
    void noIsTheDefault() {
        const QString szFile =
            WriteFile(u"x<b>y.csv"_s, "date,sys,dia,pulse\n2027-03-04,131,84,70\n");
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        // Opening the window on a new day adds its placeholder entry, itself a change.
        iNotes = 0;
        const QStringList before = Days();
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        Qt::TextFormat format = Qt::AutoText;
        QTimer::singleShot(100, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                return;
            }
            defaultButton = box->standardButton(box->defaultButton());
            format = box->textFormat();
            // Enter presses the default button.
            QTest::keyClick(box, Qt::Key_Return);
        });
        // Should no box come, the question must not wait for ever.
        QTimer::singleShot(10000, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                box->reject();
            }
        });
        QVERIFY(!window->ImportCsvFile(szFile));
        QCOMPARE(defaultButton, QMessageBox::No);
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(Days(), before);
    }

    // A file that cannot be read is refused with the reason and changes nothing; no question
    // is asked.
    void refusedFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("negative pulse")
            << QByteArray("date,sys,dia,pulse\n2027-03-04,131,84,70\n2027-03-05,1,2,-3\n")
            << u"line 3: the pulse \"-3\" is negative."_s;
        QTest::newRow("ambiguous dates")
            << QByteArray("date,sys\n03/04/2027,120\n")
            << u"line 2: \"03/04/2027\" can be read as 3 April 2027 (day first) or as 4 March "
               "2027 (month first), and no date in the file tells which.\n\nThe command tlg "
               "--import-csv with --date-order dmy (day first) or mdy (month first) reads such a "
               "file."_s;
    }
    void refusedFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const QString szFile = WriteFile(u"bad.csv"_s, bytes);
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        // Opening the window on a new day adds its placeholder entry, itself a change.
        iNotes = 0;
        const QStringList before = Days();
        MessageBoxes boxes(QMessageBox::Yes);
        QVERIFY(DragAndDrop(*window, window->ctlCal->geometry().center(),
                            {QUrl::fromLocalFile(szFile)}));
        QTRY_COMPARE(boxes.shown.size(), std::size_t(1));
        QCOMPARE(boxes.shown.front().icon, QMessageBox::Warning);
        QCOMPARE(boxes.shown.front().szText,
                 u"Nothing was imported. "_s + QDir::toNativeSeparators(szFile) + u", "_s + reason);
        QCOMPARE(Days(), before);
        QCOMPARE(iNotes, 0);
    }

    // The command line's rule for what is read at all, with the same words: an ordinary file of
    // at most 64 MB. A named pipe nobody writes to never holds up the window.
    void refusedInput_data() {
        AddRefusedInputRows();
        QTest::newRow("terminal commands in the header")
            << u"escapes"_s
            << u"%1: no header row names the columns: the first line should read like "
               "\"date,systolic,diastolic,pulse,comment\", and it reads "
               "\"\\x1B]0;owned\\x07\\x1B[2J\""_s;
    }
    void refusedInput() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QString szFile = dir.filePath(u"in.csv"_s);
        if (kind == u"escapes"_s) {
            QDir().rmdir(szFile); // left by an earlier row
            QVERIFY(
                !WriteFile(u"in.csv"_s, "\x1B]0;owned\x07\x1B[2J\r\n2027-03-04,120\r\n").isEmpty());
        } else if (const QString szWhyNot = MakeInput(kind, szFile); !szWhyNot.isEmpty()) {
            QSKIP(qPrintable(szWhyNot));
        }
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        iNotes = 0;
        const QStringList before = Days();
        MessageBoxes boxes(QMessageBox::Yes);
        const PipeWatchdog watchdog(szFile, 5);
        QVERIFY(!window->ImportCsvFile(szFile));
        QVERIFY2(!watchdog.SteppedIn(), "the window waited on the pipe");
        QCOMPARE(boxes.shown.size(), std::size_t(1));
        QCOMPARE(boxes.shown.front().icon, QMessageBox::Warning);
        QCOMPARE(boxes.shown.front().szText,
                 u"Nothing was imported. "_s + reason.arg(QDir::toNativeSeparators(szFile)) + u'.');
        QCOMPARE(Days(), before);
        QCOMPARE(iNotes, 0);
    }
};

QTEST_MAIN(TestFrmMainCsvDrop)
#include "test_frmmain_csvdrop.moc"
