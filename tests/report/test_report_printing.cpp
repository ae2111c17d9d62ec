// Printing the report and saving it as PDF: the page rectangle, pages, the outcome the user is
// told.

#include "app/util/modGlobals.h"
#include "mainwindow/readings/PressureColours.h"
#include "mainwindow/readings/ctlChart.h"
#include "report/ReportComposer.h"
#include "report/RichTextBox.h"
#include "report/frmReport.h"
#include "report/modPrint.h"
#include "tests/report/ReportTestData.h"
#include "tests/report/ReportTestTools.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPdfWriter>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#include <unistd.h>
#endif

Q_DECLARE_METATYPE(modPrint::TwipsRect)

using namespace Qt::StringLiterals;
using reporttest::AddDay;
using reporttest::ColourName;
using reporttest::Day;
using reporttest::Heading;
using reporttest::ResetReadings;

class test_report_printing : public QObject {
    Q_OBJECT

    reporttest::PrivateSettings m_settings;
    reporttest::Messages m_boxes;
    QTemporaryDir m_dir;

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void roundHalfEven_data();
    void roundHalfEven();
    void drawingRectangle();
    void severalPages();
    void tallPictureFitsPage();
    void printOutcome_data();
    void printOutcome();
    void saveAsPdf();
    void saveAsPdfFails();
    void saveAsPdfOnFullDisk_data();
    void saveAsPdfOnFullDisk();
    void proposedFolder_data();
    void proposedFolder();
    void timerWaitsForCommand_data();
    void timerWaitsForCommand();
    void footerOnEveryPage_data();
    void footerOnEveryPage();
    void insidePrintableArea_data();
    void insidePrintableArea();
    void wideMarginsPrinter();
};

void test_report_printing::initTestCase() {
    QVERIFY(m_dir.isValid());
    // TLG_KEEP_TEST_FILES=1 keeps the PDF files made here, to look at.
    if (!qEnvironmentVariableIsEmpty("TLG_KEEP_TEST_FILES")) {
        m_dir.setAutoRemove(false);
        qInfo("PDF files are kept in %s", qPrintable(m_dir.path()));
    }
}

void test_report_printing::init() {
    reporttest::StartTest(m_boxes);
}

void test_report_printing::cleanup() {
    reporttest::EndTest();
}

void test_report_printing::roundHalfEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("rounded");
    QTest::newRow("2.5") << 2.5 << 2;
    QTest::newRow("3.5") << 3.5 << 4;
    QTest::newRow("2.4") << 2.4 << 2;
    QTest::newRow("2.6") << 2.6 << 3;
    QTest::newRow("-2.5") << -2.5 << -2;
    QTest::newRow("-3.5") << -3.5 << -4;
    QTest::newRow("359.99") << 359.99 << 360;
}

void test_report_printing::roundHalfEven() {
    QFETCH(double, value);
    QFETCH(int, rounded);
    QCOMPARE(modPrint::RoundHalfEven(value), rounded);
}

void test_report_printing::drawingRectangle() {
    // Letter paper, printable area a quarter inch in, the Print command's margins.
    const modPrint::TwipsRect rc =
        modPrint::DrawingRectangle(1000, 1000, 100, 100, 360, 360, 12240, 15840);
    QCOMPARE(rc, (modPrint::TwipsRect{640, 640, 11780, 15380}));
    // No offset: the margins themselves.
    QCOMPARE(modPrint::DrawingRectangle(1000, 1000, 100, 100, 0, 0, 11906, 16838),
             (modPrint::TwipsRect{1000, 1000, 11806, 16738}));
}

void test_report_printing::severalPages() {
    if (reporttest::Tool(QStringLiteral("pdfinfo")).isEmpty() ||
        reporttest::Tool(QStringLiteral("pdftotext")).isEmpty()) {
        QSKIP("pdfinfo and pdftotext (poppler-utils) are needed to read the PDF back");
    }
    const int iDays = 300;
    reporttest::FillDays(iDays);
    frmReport frm(reporttest::Readings());
    frm.BuildReport(*frm.rtbPrint);
    const QString szPath = m_dir.filePath(QStringLiteral("several.pdf"));
    QString szError;
    QVERIFY2(modPrint::SaveRichTextBoxAsPdf(*frm.rtbPrint, szPath, 1000, 1000, 100, 100, &szError),
             qPrintable(szError));
    const int iPages = reporttest::PdfPageCount(szPath);
    QVERIFY2(iPages >= 3, qPrintable(QString::number(iPages)));

    // Every day is on paper exactly once: no line is lost or repeated at a page break.
    const QString szText = reporttest::PdfText(szPath);
    // A day line: its date, then its reading (the summary's dates have none after them).
    const QRegularExpression dayLine(QStringLiteral("\\d\\d (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|"
                                                    "Oct|Nov|Dec) \\d{4}\\s+\\d+/\\d+:"));
    QCOMPARE(szText.count(dayLine), iDays);
    QVERIFY(reporttest::PdfText(szPath, 1).contains(QStringLiteral("YOUR READINGS")));
    QVERIFY(reporttest::PdfText(szPath, 1).contains(QStringLiteral("01 Jan 2000")));
    const QString szLastDay =
        ReportComposer::FormatDayKey(reporttest::KeyOf(QDate(2000, 1, 1).addDays(iDays - 1)));
    QVERIFY(reporttest::PdfText(szPath, iPages).contains(szLastDay));
    // The box keeps showing its pictures at its own width: a copy was laid out for the paper.
    QVERIFY(frm.rtbPrint->PictureShownSize(1).width() <= frm.rtbPrint->ScreenPictureWidth() + 0.01);
}

void test_report_printing::tallPictureFitsPage() {
    RichTextBox box;
    box.resize(400, 300);
    QImage tall(60, 12000, QImage::Format_RGB32);
    tall.fill(Qt::darkBlue);
    box.InsertPicture(tall);
    box.SetSelStart(box.TextLength());
    box.SetSelText(QStringLiteral("\r\nafter the picture"));
    QBuffer buffer;
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    // Unscaled the picture would run over some thirty pages; scaled it takes one or two.
    const int iPages = modPrint::RenderPages(box, writer, 1000, 1000, 100, 100);
    QVERIFY2(iPages >= 1 && iPages <= 2, qPrintable(QString::number(iPages)));
    // An empty box still prints one page and ends.
    RichTextBox empty;
    QBuffer emptyBuffer;
    QVERIFY(emptyBuffer.open(QIODevice::WriteOnly));
    QPdfWriter emptyWriter(&emptyBuffer);
    QCOMPARE(modPrint::RenderPages(empty, emptyWriter, 1000, 1000, 100, 100), 1);
}

void test_report_printing::printOutcome_data() {
    QTest::addColumn<QString>("printer");
    QTest::addColumn<QString>("message");
    const QString szNotPrinted =
        u"This report was not printed. This was due to you either cancelling the printing or the "_s
        u"printer being offline."_s;
    QTest::newRow("no default printer") << u"none"_s << szNotPrinted;
    QTest::newRow("a printer that would quietly write a file")
        << u"nameless file"_s << szNotPrinted;
    QTest::newRow("printed") << u"Office"_s
                             << u"This report has been sent to your default printer (Office)."_s;
}

void test_report_printing::printOutcome() {
    QFETCH(QString, printer);
    QFETCH(QString, message);
    AddDay({u"20270307"_s, u"120"_s, u"80"_s, u"72"_s, u"Walked"_s});
    const QString szOut = m_dir.filePath(QStringLiteral("printed-%1.pdf").arg(printer));
    modPrint::SetPrinterFactory([&]() {
        modPrint::PrinterChoice choice;
        if (printer == u"none"_s) {
            return choice;
        }
        choice.printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        choice.printer->setOutputFormat(QPrinter::PdfFormat);
        if (printer == u"Office"_s) {
            choice.printer->setOutputFileName(szOut);
        }
        choice.szName = printer;
        return choice;
    });
    frmReport frm(reporttest::Readings());
    frm.btPrint->click();
    QCOMPARE(m_boxes.shown.size(), size_t(1));
    QCOMPARE(m_boxes.shown[0].icon, QMessageBox::Warning);
    QCOMPARE(m_boxes.shown[0].szTitle, QStringLiteral("Free Tensiolog Warning"));
    QCOMPARE(m_boxes.shown[0].szText, message);
    QCOMPARE(QFile::exists(szOut), printer == u"Office"_s);
    QVERIFY(frm.rtbPrint->Text().contains(QStringLiteral("07 Mar 2027")));

    // Printing twice prints the same report twice, each built afresh.
    if (printer == u"Office"_s) {
        const QString szFirst = frm.rtbPrint->Text();
        frm.btPrint->click();
        QCOMPARE(m_boxes.shown.size(), size_t(2));
        QCOMPARE(m_boxes.shown[1].szText, message);
        QCOMPARE(frm.rtbPrint->Text(), szFirst);
        QCOMPARE(frm.rtbPrint->PictureCount(), 2);
    }
}

void test_report_printing::saveAsPdf() {
    if (reporttest::Tool(QStringLiteral("pdftotext")).isEmpty()) {
        QSKIP("pdftotext (poppler-utils) is needed to read the PDF back");
    }
    AddDay({u"20270307"_s, u"120"_s, u"80"_s, u"72"_s, u"Walked"_s});
    AddDay({u"20270308"_s, u"150"_s, u"95"_s, u"80"_s, u"Headache"_s});
    SetToday(QDate(2027, 3, 9));
    const QString szChosen = m_dir.filePath(QStringLiteral("for the doctor"));
    QString szProposed;
    frmReport::SetSaveDialog([&](QWidget*, const QString& szPath) {
        szProposed = szPath;
        return szChosen;
    });
    frmReport frm(reporttest::Readings());
    frm.btSavePdf->click();

    QCOMPARE(QFileInfo(szProposed).fileName(), QStringLiteral("Tensiolog report 2027-03-09.pdf"));
    const QString szSaved = szChosen + QStringLiteral(".pdf");
    QVERIFY(QFile::exists(szSaved));
    // Success is news, not a warning.
    QCOMPARE(m_boxes.shown.size(), size_t(1));
    QCOMPARE(m_boxes.shown[0].icon, QMessageBox::Information);
    QCOMPARE(m_boxes.shown[0].szTitle, QStringLiteral("Free Tensiolog"));
    QCOMPARE(m_boxes.shown[0].szText, QStringLiteral("This report has been saved as ") +
                                          QDir::toNativeSeparators(szSaved) + QStringLiteral("."));
    const QString szText = reporttest::PdfText(szSaved);
    QVERIFY(szText.contains(QStringLiteral("YOUR READINGS")));
    QVERIFY(szText.contains(QStringLiteral("07 Mar 2027")));
    QVERIFY(szText.contains(QStringLiteral("Headache")));
    QCOMPARE(reporttest::PdfPageCount(szSaved), 1);

    // Cancelling the dialog saves nothing and says nothing.
    frmReport::SetSaveDialog([](QWidget*, const QString&) { return QString(); });
    frm.btSavePdf->click();
    QCOMPARE(m_boxes.shown.size(), size_t(1));
}

void test_report_printing::saveAsPdfFails() {
    const QString szPath = m_dir.filePath(QStringLiteral("no such folder/report.pdf"));
    frmReport::SetSaveDialog([&](QWidget*, const QString&) { return szPath; });
    frmReport frm(reporttest::Readings());
    frm.btSavePdf->click();
    QVERIFY(!QFile::exists(szPath));
    QCOMPARE(m_boxes.shown.size(), size_t(1));
    QCOMPARE(m_boxes.shown[0].icon, QMessageBox::Warning);
    QCOMPARE(m_boxes.shown[0].szTitle, QStringLiteral("Free Tensiolog Warning"));
    QVERIFY2(m_boxes.shown[0].szText.startsWith(QStringLiteral("This report was not saved as ") +
                                                QDir::toNativeSeparators(szPath)),
             qPrintable(m_boxes.shown[0].szText));
}

void test_report_printing::saveAsPdfOnFullDisk_data() {
    QTest::addColumn<int>("iDays");
    // A PDF smaller than a file's write buffer fails only when the buffer is flushed; a large
    // one fails in the middle of its writes.
    QTest::newRow("small PDF") << 0;
    QTest::newRow("large PDF") << 400;
}

// A full disk never leaves a short PDF in the place of the old one, and never counts as saved.
void test_report_printing::saveAsPdfOnFullDisk() {
#ifndef Q_OS_LINUX
    QSKIP("needs a small file system of its own");
#else
    QFETCH(int, iDays);
    if (::geteuid() != 0) {
        QSKIP("needs to mount a small file system of its own (root)");
    }
    ResetReadings();
    reporttest::FillDays(iDays);
    frmReport frm(reporttest::Readings());
    frm.BuildReport(*frm.rtbPrint);
    QString szError;
    // How large this PDF is when there is room.
    const QString szRoomy = m_dir.filePath(u"roomy.pdf"_s);
    QVERIFY2(modPrint::SaveRichTextBoxAsPdf(*frm.rtbPrint, szRoomy, 1000, 1000, 100, 100, &szError),
             qPrintable(szError));
    const qint64 iSize = QFileInfo(szRoomy).size();

    const QString szMount = m_dir.filePath(u"small"_s);
    QVERIFY(QDir().mkpath(szMount));
    const QByteArray options = "size=" + QByteArray::number(iSize + 64 * 1024);
    if (::mount("tmpfs", QFile::encodeName(szMount).constData(), "tmpfs", 0, options.constData()) !=
        0) {
        QSKIP("cannot mount a small file system here");
    }
    const QString szFile = szMount + u"/report.pdf"_s;
    const QByteArray old("%PDF-1.4 an older report");
    {
        QFile file(szFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    // Leave room for half of the new PDF.
    {
        QFile filler(szMount + u"/filler"_s);
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'f')) > 0) {
        }
        filler.resize(std::max<qint64>(0, filler.size() - iSize / 2));
    }
    const bool bSaved =
        modPrint::SaveRichTextBoxAsPdf(*frm.rtbPrint, szFile, 1000, 1000, 100, 100, &szError);
    QFile file(szFile);
    const QByteArray after = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const QStringList left = QDir(szMount).entryList(QDir::Files);
    ::umount2(QFile::encodeName(szMount).constData(), MNT_DETACH);
    QVERIFY(!bSaved);
    QVERIFY2(szError.contains(u"No space left on device"_s), qPrintable(szError));
    QCOMPARE(after, old);
    QCOMPARE(left, (QStringList{u"filler"_s, u"report.pdf"_s}));
#endif
}

void test_report_printing::proposedFolder_data() {
    QTest::addColumn<bool>("documents");
    QTest::newRow("documents folder there") << true;
    QTest::newRow("documents folder missing") << false;
}

void test_report_printing::proposedFolder() {
    QFETCH(bool, documents);
    // A home of this test's own, with or without its documents folder.
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QByteArray previousHome = qgetenv("HOME");
    const QByteArray previousConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(u".config"_s)));
    const QString szDocuments = home.filePath(u"Documents"_s);
    if (documents) {
        QVERIFY(QDir().mkpath(szDocuments));
    }
    const QString szProposed = frmReport::DefaultPdfPath(QDate(2027, 3, 9));
    qputenv("HOME", previousHome);
    qputenv("XDG_CONFIG_HOME", previousConfig);
    QCOMPARE(QFileInfo(szProposed).fileName(), u"Tensiolog report 2027-03-09.pdf"_s);
    QCOMPARE(QFileInfo(szProposed).absolutePath(), documents ? szDocuments : home.path());
}

void test_report_printing::timerWaitsForCommand_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("print") << u"print"_s;
    QTest::newRow("save as PDF") << u"save as PDF"_s;
}

void test_report_printing::timerWaitsForCommand() {
    QFETCH(QString, command);
    AddDay({u"20270307"_s, u"120"_s, u"80"_s, u"72"_s, u"Walked"_s});
    AddDay({u"20270308"_s, u"125"_s, u"82"_s, u"70"_s, u""_s});
    const QString szOut = m_dir.filePath(u"timer-%1.pdf"_s.arg(command));
    modPrint::SetPrinterFactory([&]() {
        modPrint::PrinterChoice choice;
        choice.printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        choice.printer->setOutputFormat(QPrinter::PdfFormat);
        choice.printer->setOutputFileName(szOut);
        choice.szName = u"Office"_s;
        return choice;
    });
    frmReport::SetSaveDialog([&](QWidget*, const QString&) { return szOut; });
    frmReport frm(reporttest::Readings());
    frm.resize(900, 700);
    frm.Form_Activate();
    // The screen report falls due while the command composes its copy (the user pressed the
    // button just before the half second was up).
    frm.tim->start(0);
    (command == u"print"_s ? frm.btPrint : frm.btSavePdf)->click();
    QVERIFY(QFile::exists(szOut));
    // The copy has the header where it belongs, then the chart sized from its own box.
    QCOMPARE(frm.rtbPrint->PictureCount(), 2);
    QCOMPARE(frm.rtbPrint->PictureAt(0), frm.imgHeader);
    const QSizeF chart = frm.rtbPrint->PictureAt(1).deviceIndependentSize();
    QVERIFY2(qAbs(chart.width() - 1.96 * frm.rtbPrint->width()) <= 1,
             qPrintable(QString::number(chart.width())));
    // The screen report still comes, whole, after the command.
    QTRY_VERIFY(frm.rtb->Text().contains(u"08 Mar 2027"_s));
    QCOMPARE(frm.rtb->PictureCount(), 2);
    QCOMPARE(frm.rtb->PictureAt(0), frm.imgHeader);
}

void test_report_printing::footerOnEveryPage_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("save as PDF") << u"save as PDF"_s;
    QTest::newRow("print") << u"print"_s;
}

void test_report_printing::footerOnEveryPage() {
    QFETCH(QString, command);
    if (reporttest::Tool(u"pdfinfo"_s).isEmpty() || reporttest::Tool(u"pdftotext"_s).isEmpty()) {
        QSKIP("pdfinfo and pdftotext (poppler-utils) are needed to read the PDF back");
    }
    QCoreApplication::setApplicationVersion(u"1.0.0"_s);
    reporttest::FillDays(300);
    SetToday(QDate(2027, 3, 9));
    const QString szOut = m_dir.filePath(u"footer-%1.pdf"_s.arg(command));
    frmReport::SetSaveDialog([&](QWidget*, const QString&) { return szOut; });
    modPrint::SetPrinterFactory([&]() {
        modPrint::PrinterChoice choice;
        choice.printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        choice.printer->setOutputFormat(QPrinter::PdfFormat);
        choice.printer->setOutputFileName(szOut);
        choice.szName = u"Office"_s;
        return choice;
    });
    frmReport frm(reporttest::Readings());
    (command == u"print"_s ? frm.btPrint : frm.btSavePdf)->click();
    QCoreApplication::setApplicationVersion(QString());

    const int iPages = reporttest::PdfPageCount(szOut);
    QVERIFY2(iPages >= 3, qPrintable(QString::number(iPages)));
    const QString szFooter = u"Tensiolog report, 1 Jan 2000 to 26 Oct 2000, printed 9 Mar 2027"_s;
    for (int iPage = 1; iPage <= iPages; ++iPage) {
        QStringList lines;
        for (const QString& szLine : reporttest::PdfText(szOut, iPage).split(u'\n')) {
            if (!szLine.simplified().isEmpty()) {
                lines.append(szLine.simplified());
            }
        }
        // The footer is the page's last line: below every line of the report.
        QVERIFY(!lines.isEmpty());
        const QString szLast = lines.last();
        QVERIFY2(szLast.startsWith(szFooter), qPrintable(szLast));
        QVERIFY2(szLast.endsWith(u"page %1 of %2"_s.arg(iPage).arg(iPages)), qPrintable(szLast));
    }
    // What the file says about itself.
    const QString szInfo = reporttest::RunTool(u"pdfinfo"_s, {szOut});
    QVERIFY2(szInfo.contains(
                 QRegularExpression(u"Title:\\s+Tensiolog report, 1 Jan 2000 to 26 Oct 2000\n"_s)),
             qPrintable(szInfo));
    QVERIFY2(szInfo.contains(QRegularExpression(u"Creator:\\s+tlg 1\\.0\\.0\n"_s)),
             qPrintable(szInfo));
    QVERIFY2(szInfo.contains(QRegularExpression(u"CreationDate:\\s+\\S"_s)), qPrintable(szInfo));
}

void test_report_printing::insidePrintableArea_data() {
    QTest::addColumn<int>("printableWidth");
    QTest::addColumn<int>("printableHeight");
    QTest::addColumn<int>("offsetLeft");
    QTest::addColumn<int>("offsetTop");
    QTest::addColumn<modPrint::TwipsRect>("expected");
    // Letter, 12240 x 15840 twips.
    QTest::newRow("a quarter inch all round: the right and bottom edges move in")
        << 11520 << 15120 << 360 << 360 << modPrint::TwipsRect{640, 640, 11520, 15120};
    QTest::newRow("no strip at all")
        << 12240 << 15840 << 0 << 0 << modPrint::TwipsRect{1000, 1000, 12140, 15740};
    QTest::newRow("an inch and a half all round: everything moves in")
        << 7920 << 11520 << 2160 << 2160 << modPrint::TwipsRect{0, 0, 7920, 11520};
}

void test_report_printing::insidePrintableArea() {
    QFETCH(int, printableWidth);
    QFETCH(int, printableHeight);
    QFETCH(int, offsetLeft);
    QFETCH(int, offsetTop);
    QFETCH(modPrint::TwipsRect, expected);
    const modPrint::TwipsRect rc = modPrint::DrawingRectangle(
        frmReport::kLeftMargin, frmReport::kTopMargin, frmReport::kRightMargin,
        frmReport::kBottomMargin, offsetLeft, offsetTop, 12240, 15840);
    QCOMPARE(modPrint::InsidePrintableArea(rc, printableWidth, printableHeight), expected);
}

void test_report_printing::wideMarginsPrinter() {
    if (reporttest::Tool(u"pdftoppm"_s).isEmpty()) {
        QSKIP("pdftoppm (poppler-utils) is needed to look at the pages");
    }
    // A printer that cannot print within 25 mm of any edge of its A4 paper.
    reporttest::FillDays(120);
    const QString szOut = m_dir.filePath(u"wide-margins.pdf"_s);
    modPrint::SetPrinterFactory([&]() {
        modPrint::PrinterChoice choice;
        choice.printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        choice.printer->setOutputFormat(QPrinter::PdfFormat);
        choice.printer->setOutputFileName(szOut);
        choice.printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                                  QMarginsF(25, 25, 25, 25),
                                                  QPageLayout::Millimeter));
        choice.szName = u"Wide"_s;
        return choice;
    });
    frmReport frm(reporttest::Readings());
    frm.btPrint->click();
    QCOMPARE(m_boxes.shown.size(), size_t(1));
    QCOMPARE(m_boxes.shown[0].szText,
             u"This report has been sent to your default printer (Wide)."_s);
    const int iPages = reporttest::PdfPageCount(szOut);
    QVERIFY(iPages >= 2);
    // Every page at 50 dots to the inch: nothing but white in the strips the printer cannot
    // print on (24 mm, a little less than the 25, for the edge pixels).
    const QString szPrefix = m_dir.filePath(u"wide-margins"_s);
    reporttest::RunTool(u"pdftoppm"_s, {u"-png"_s, u"-r"_s, u"50"_s, szOut, szPrefix});
    const int iStrip = qRound(24 / 25.4 * 50);
    for (int iPage = 1; iPage <= iPages; ++iPage) {
        const QImage page(u"%1-%2.png"_s.arg(szPrefix).arg(iPage));
        QVERIFY2(!page.isNull(), qPrintable(QString::number(iPage)));
        int iInk = 0;
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                const bool bStrip = x < iStrip || y < iStrip || x >= page.width() - iStrip ||
                                    y >= page.height() - iStrip;
                iInk += bStrip && qGray(page.pixel(x, y)) < 245 ? 1 : 0;
            }
        }
        QVERIFY2(iInk == 0,
                 qPrintable(u"page %1: %2 dots of ink in the strips"_s.arg(iPage).arg(iInk)));
    }
}

QTEST_MAIN(test_report_printing)
#include "test_report_printing.moc"
