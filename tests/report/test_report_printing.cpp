// Printing the report and saving it as PDF: the page rectangle, pages, the outcome the user is
// told.

#include "diary/PressureColours.h"
#include "diary/modGlobals.h"
#include "report/ReportComposer.h"
#include "report/RichTextBox.h"
#include "report/frmReport.h"
#include "report/modPrint.h"
#include "tests/report/ReportTestData.h"
#include "tests/report/ReportTestTools.h"
#include "widgets/ctlChart.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <utility>

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
    void pictureSizeOnPaper_data();
    void pictureSizeOnPaper();
    void picturesAcrossTheTextWidth_data();
    void picturesAcrossTheTextWidth();
    void printOutcome_data();
    void printOutcome();
    void saveAsPdf();
    void savedWithoutWindowAsFromIt_data();
    void savedWithoutWindowAsFromIt();
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

namespace {

constexpr double kTwips = 1440.0;
// Dots to the inch of the page pictures the tests look at.
constexpr int kLookDpi = 50;

// Where the report's text runs on paper, in inches from the paper's left and top edges: inside
// the report's margins and inside the printable area (the printer's strip, the same at every
// edge).
QRectF TextArea(const QSizeF& paperInches, double printerStrip) {
    const double left = std::max(frmReport::kLeftMargin / kTwips, printerStrip);
    const double top = std::max(frmReport::kTopMargin / kTwips, printerStrip);
    const double right = std::min(paperInches.width() - frmReport::kRightMargin / kTwips,
                                  paperInches.width() - printerStrip);
    const double bottom = std::min(paperInches.height() - frmReport::kBottomMargin / kTwips,
                                   paperInches.height() - printerStrip);
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

// The columns and rows of a page picture that hold ink (anything darker than near white) within
// rows iTop to iBottom; an empty rectangle when there is none.
QRect InkBetween(const QImage& page, int iTop, int iBottom) {
    int left = page.width();
    int right = -1;
    int top = -1;
    int bottom = -1;
    for (int y = std::max(0, iTop); y <= std::min(iBottom, page.height() - 1); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (qGray(page.pixel(x, y)) < 245) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = top < 0 ? y : top;
                bottom = y;
            }
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

QString Inches(const QSizeF& size) {
    return QStringLiteral("%1 x %2 in").arg(size.width(), 0, 'f', 3).arg(size.height(), 0, 'f', 3);
}

} // namespace

void test_report_printing::pictureSizeOnPaper_data() {
    QTest::addColumn<QSize>("pixels");
    // Pixels to the device-independent pixel, as for a picture drawn finer than the screen.
    QTest::addColumn<qreal>("pixelRatio");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QSizeF>("inches");
    // A4 with no printable strip: the report's text is 7.504 inches wide and 10.929 tall, of
    // which a picture takes at most 95 %.
    const QRectF text = TextArea(QPageSize(QPageSize::A4).size(QPageSize::Inch), 0);
    const double width = text.width();
    const double height = text.height() * 0.95;
    QTest::newRow("wide, 300 dpi") << QSize(4000, 100) << 1.0 << 300 << QSizeF(width, width / 40);
    QTest::newRow("wide, 1200 dpi") << QSize(4000, 100) << 1.0 << 1200 << QSizeF(width, width / 40);
    QTest::newRow("square, 600 dpi") << QSize(1000, 1000) << 1.0 << 600 << QSizeF(width, width);
    // 250 x 125 device-independent pixels: narrower than the text, it still goes across it.
    QTest::newRow("narrow, drawn 8 times finer, 600 dpi")
        << QSize(2000, 1000) << 8.0 << 600 << QSizeF(width, width / 2);
    QTest::newRow("taller than a page, 300 dpi")
        << QSize(60, 12000) << 1.0 << 300 << QSizeF(height / 200, height);
    QTest::newRow("taller than a page, 1200 dpi")
        << QSize(60, 12000) << 1.0 << 1200 << QSizeF(height / 200, height);
}

// The size a picture takes on paper, measured in the PDF, whatever the resolution.
void test_report_printing::pictureSizeOnPaper() {
    QFETCH(QSize, pixels);
    QFETCH(qreal, pixelRatio);
    QFETCH(int, dpi);
    QFETCH(QSizeF, inches);
    if (reporttest::Tool(u"pdfimages"_s).isEmpty()) {
        QSKIP("pdfimages (poppler-utils) is needed to measure the pictures");
    }
    RichTextBox box;
    box.resize(400, 300);
    QImage picture(pixels, QImage::Format_RGB32);
    picture.fill(Qt::darkBlue);
    picture.setPixel(0, 0, qRgb(255, 255, 0));
    picture.setDevicePixelRatio(pixelRatio);
    box.InsertPicture(picture);
    box.SetSelStart(box.TextLength());
    box.SetSelText(QStringLiteral("\r\nafter the picture"));
    const QString szOut =
        m_dir.filePath(u"picture-%1x%2-%3.pdf"_s.arg(pixels.width()).arg(pixels.height()).arg(dpi));
    {
        QPdfWriter writer(szOut);
        writer.setResolution(dpi);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QVERIFY(modPrint::RenderPages(box, writer, frmReport::kLeftMargin, frmReport::kTopMargin,
                                      frmReport::kRightMargin, frmReport::kBottomMargin) >= 1);
    }
    const std::vector<reporttest::PlacedPicture> placed = reporttest::PdfPictures(szOut);
    QCOMPARE(placed.size(), size_t(1));
    QCOMPARE(placed[0].pixels, pixels);
    const QString szSizes = Inches(placed[0].inches) + u", expected "_s + Inches(inches);
    QVERIFY2(qAbs(placed[0].inches.width() - inches.width()) <= 0.01 * inches.width(),
             qPrintable(szSizes));
    QVERIFY2(qAbs(placed[0].inches.height() - inches.height()) <= 0.01 * inches.height(),
             qPrintable(szSizes));
}

void test_report_printing::picturesAcrossTheTextWidth_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("paper");
    QTest::addColumn<int>("dpi");
    // The strip at every edge of the paper that the printer cannot print on, in inches.
    QTest::addColumn<double>("strip");
    QTest::addColumn<int>("days");
    const std::pair<const char*, QPageSize::PageSizeId> papers[] = {{"A4", QPageSize::A4},
                                                                    {"Letter", QPageSize::Letter}};
    for (const char* command : {"print", "save as PDF"}) {
        for (const auto& [szPaper, paper] : papers) {
            for (const int dpi : {300, 600, 1200}) {
                for (const int days : {2, 400}) {
                    QTest::addRow("%s, %s, %d dpi, %d days", command, szPaper, dpi, days)
                        << QString::fromLatin1(command) << static_cast<int>(paper) << dpi << 0.0
                        << days;
                }
            }
        }
        QTest::addRow("%s, Letter, 600 dpi, half-inch strips", command)
            << QString::fromLatin1(command) << static_cast<int>(QPageSize::Letter) << 600 << 0.5
            << 2;
        QTest::addRow("%s, A4, 300 dpi, 25 mm strips", command)
            << QString::fromLatin1(command) << static_cast<int>(QPageSize::A4) << 300 << 25 / 25.4
            << 400;
    }
}

// On paper and in a saved PDF the header and the chart go across the text width, the chart as
// it fills the text width on screen: measured in the document itself, on the printer's paper
// and at its resolution.
void test_report_printing::picturesAcrossTheTextWidth() {
    QFETCH(QString, command);
    QFETCH(int, paper);
    QFETCH(int, dpi);
    QFETCH(double, strip);
    QFETCH(int, days);
    if (reporttest::Tool(u"pdfimages"_s).isEmpty() || reporttest::Tool(u"pdftoppm"_s).isEmpty()) {
        QSKIP("pdfimages and pdftoppm (poppler-utils) are needed to measure the pictures");
    }
    reporttest::FillDays(days);
    const QPageSize pageSize(static_cast<QPageSize::PageSizeId>(paper));
    const QString szName =
        QString::fromLatin1(QTest::currentDataTag()).remove(u',').replace(u' ', u'-');
    const QString szOut = m_dir.filePath(szName + u".pdf"_s);
    const bool bPrint = command == u"print"_s;
    modPrint::SetPrinterFactory([&]() {
        modPrint::PrinterChoice choice;
        choice.printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        choice.printer->setOutputFormat(QPrinter::PdfFormat);
        choice.printer->setResolution(dpi);
        choice.printer->setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait,
                                                  QMarginsF(strip, strip, strip, strip),
                                                  QPageLayout::Inch));
        choice.printer->setOutputFileName(bPrint ? szOut : m_dir.filePath(u"unused.pdf"_s));
        choice.szName = u"Office"_s;
        return choice;
    });
    frmReport::SetSaveDialog([&](QWidget*, const QString&) { return szOut; });
    frmReport frm(reporttest::Readings());
    (bPrint ? frm.btPrint : frm.btSavePdf)->click();
    QCOMPARE(m_boxes.shown.size(), size_t(1));
    QVERIFY2(m_boxes.shown[0].szText.contains(bPrint ? u"(Office)"_s : u"has been saved"_s),
             qPrintable(m_boxes.shown[0].szText));

    // Each picture once, on the first page, at its full resolution.
    const std::vector<reporttest::PlacedPicture> placed = reporttest::PdfPictures(szOut);
    QCOMPARE(placed.size(), size_t(2));
    const auto header = std::find_if(placed.begin(), placed.end(), [&](const auto& picture) {
        return picture.pixels == frm.HeaderPicture().size();
    });
    QVERIFY(header != placed.end());
    const reporttest::PlacedPicture& chart = placed[header == placed.begin() ? 1 : 0];
    QCOMPARE(chart.pixels, frm.rtbPrint->PictureAt(1).size());
    const QRectF text = TextArea(pageSize.size(QPageSize::Inch), strip);
    for (const reporttest::PlacedPicture& picture : {*header, chart}) {
        QCOMPARE(picture.iPage, 1);
        const QString szSizes = Inches(picture.inches) + u" for a text width of "_s +
                                QString::number(text.width(), 'f', 3) + u" in"_s;
        QVERIFY2(qAbs(picture.inches.width() - text.width()) <= 0.01 * text.width(),
                 qPrintable(szSizes));
        // In proportion.
        const double ratio = double(picture.pixels.height()) / picture.pixels.width();
        QVERIFY2(qAbs(picture.inches.height() / picture.inches.width() - ratio) <= 0.01 * ratio,
                 qPrintable(szSizes));
    }

    // On the page: the header's band runs from the text's left edge to its right edge at the
    // top of the text, and nothing is drawn outside the text's edges.
    const QString szPrefix = m_dir.filePath(szName);
    reporttest::RunTool(u"pdftoppm"_s,
                        {u"-png"_s, u"-r"_s, QString::number(kLookDpi), u"-f"_s, u"1"_s, u"-l"_s,
                         u"1"_s, u"-singlefile"_s, szOut, szPrefix});
    const QImage page(szPrefix + u".png"_s);
    QVERIFY(!page.isNull());
    const QRect area(QPoint(qRound(text.left() * kLookDpi), qRound(text.top() * kLookDpi)),
                     QPoint(qRound(text.right() * kLookDpi), qRound(text.bottom() * kLookDpi)));
    const QRect band = InkBetween(page, area.top() - 2,
                                  area.top() + qRound(header->inches.height() * kLookDpi) - 2);
    const QRect all = InkBetween(page, 0, page.height() - 1);
    const QString szInk =
        u"header band %1,%2 to %3,%4; all ink %5 to %6; text %7 to %8"_s.arg(band.left())
            .arg(band.top())
            .arg(band.right())
            .arg(band.bottom())
            .arg(all.left())
            .arg(all.right())
            .arg(area.left())
            .arg(area.right());
    QVERIFY2(qAbs(band.left() - area.left()) <= 2 && qAbs(band.right() - area.right()) <= 2 &&
                 qAbs(band.top() - area.top()) <= 2,
             qPrintable(szInk));
    QVERIFY2(all.left() >= area.left() - 1 && all.right() <= area.right() + 1, qPrintable(szInk));
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

void test_report_printing::savedWithoutWindowAsFromIt_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::newRow("all readings") << int(ReportPeriodKind::AllReadings) << QDate() << QDate();
    QTest::newRow("from to") << int(ReportPeriodKind::FromTo) << QDate(2000, 1, 20)
                             << QDate(2000, 2, 10);
}

// The report saved without a window (the command line's --export-pdf) is the one the window
// at its first size saves: the same pages, text and pictures.
void test_report_printing::savedWithoutWindowAsFromIt() {
    if (reporttest::Tool(QStringLiteral("pdfimages")).isEmpty()) {
        QSKIP("pdfimages (poppler-utils) is needed to read the PDF back");
    }
    QFETCH(int, kind);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    const ReportPeriod period{static_cast<ReportPeriodKind>(kind), from, to};
    reporttest::FillDaysOfReadings(60, 4);
    SetToday(QDate(2000, 3, 9));
    const QString szFromWindow = m_dir.filePath(u"window.pdf"_s);
    frmReport::SetSaveDialog([&](QWidget*, const QString&) { return szFromWindow; });
    {
        frmReport frm(reporttest::Readings());
        // Its first size on a screen large enough for it.
        frm.resize(869, 781);
        frm.Form_Activate();
        frm.tim->stop();
        frm.SetPeriod(period);
        frm.btSavePdf->click();
    }
    const QString szWithout = m_dir.filePath(u"without.pdf"_s);
    QString szError;
    QString szPeriod;
    QVERIFY2(
        frmReport::SaveReportAsPdf(reporttest::Readings(), period, szWithout, &szError, &szPeriod),
        qPrintable(szError));
    QCOMPARE(szPeriod,
             kind == 0 ? u"1 Jan 2000 to 29 Feb 2000"_s : u"20 Jan 2000 to 10 Feb 2000"_s);
    QVERIFY(reporttest::PdfPageCount(szWithout) > 1);
    QCOMPARE(reporttest::PdfPageCount(szWithout), reporttest::PdfPageCount(szFromWindow));
    QCOMPARE(reporttest::PdfText(szWithout), reporttest::PdfText(szFromWindow));
    const std::vector<reporttest::PlacedPicture> window = reporttest::PdfPictures(szFromWindow);
    const std::vector<reporttest::PlacedPicture> without = reporttest::PdfPictures(szWithout);
    QCOMPARE(without.size(), size_t(2));
    QCOMPARE(without.size(), window.size());
    for (size_t i = 0; i < window.size(); ++i) {
        QCOMPARE(without[i].pixels, window[i].pixels);
        QCOMPARE(without[i].inches, window[i].inches);
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
    QCOMPARE(frm.rtbPrint->PictureAt(0), frm.HeaderPicture());
    const QSizeF chart = frm.rtbPrint->PictureAt(1).deviceIndependentSize();
    QVERIFY2(qAbs(chart.width() - 1.96 * frm.rtbPrint->width()) <= 1,
             qPrintable(QString::number(chart.width())));
    // The screen report still comes, whole, after the command.
    QTRY_VERIFY(frm.rtb->Text().contains(u"08 Mar 2027"_s));
    QCOMPARE(frm.rtb->PictureCount(), 2);
    QCOMPARE(frm.rtb->PictureAt(0), frm.HeaderPicture());
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
