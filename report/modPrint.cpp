#include "report/modPrint.h"

#include "app/util/Units.h"
#include "report/RichTextBox.h"

#include <QAbstractTextDocumentLayout>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QTextDocument>

namespace modPrint {

namespace {

// Share of a page's height a picture may take, so that it always fits with its line.
constexpr double kPictureShareOfPage = 0.95;
// Resolution of saved PDF files when there is no printer to match.
constexpr int kPdfResolution = 1200;

std::function<PrinterChoice()>& PrinterFactory() {
    static std::function<PrinterChoice()> factory;
    return factory;
}

// The paper and resolution of the default printer, so that a saved file is laid out as a print
// would be; without a printer, the usual paper of the user's country.
void TakeDefaultPaper(QPdfWriter& writer) {
    PrinterChoice choice = DefaultPrinter();
    if (choice.printer != nullptr) {
        writer.setResolution(choice.printer->resolution());
        writer.setPageLayout(choice.printer->pageLayout());
        return;
    }
    const QPageSize::PageSizeId paper =
        QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                           : QPageSize::A4;
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(
        QPageLayout(QPageSize(paper), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
}

} // namespace

TwipsRect DrawingRectangle(qint32 lLeftMargin, qint32 lTopMargin, qint32 lRightMargin,
                           qint32 lBottomMargin, qint32 lOffsetLeft, qint32 lOffsetTop,
                           qint32 lPageWidth, qint32 lPageHeight) {
    TwipsRect rect;
    rect.left = lLeftMargin - lOffsetLeft;
    rect.top = lTopMargin - lOffsetTop;
    rect.right = (lPageWidth - lRightMargin) - lOffsetLeft;
    rect.bottom = (lPageHeight - lBottomMargin) - lOffsetTop;
    return rect;
}

PrinterChoice DefaultPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull() || info.printerName().isEmpty()) {
        return {};
    }
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    // A printer that is not a real one would quietly write a file instead: not a printer here.
    if (!printer->isValid() || printer->outputFormat() != QPrinter::NativeFormat) {
        return {};
    }
    printer->setColorMode(QPrinter::Color);
    PrinterChoice choice;
    choice.szName = info.printerName();
    choice.printer = std::move(printer);
    return choice;
}

void SetPrinterFactory(std::function<PrinterChoice()> factory) {
    PrinterFactory() = std::move(factory);
}

PrinterChoice ChoosePrinter() {
    if (PrinterFactory()) {
        return PrinterFactory()();
    }
    return DefaultPrinter();
}

int RenderPages(RichTextBox& rtbTarget, QPagedPaintDevice& device, qint32 lLeftMargin,
                qint32 vTopMargin, qint32 vRightMargin, qint32 vBottomMargin) {
    const int iDpiX = device.logicalDpiX();
    const int iDpiY = device.logicalDpiY();
    if (iDpiX <= 0 || iDpiY <= 0) {
        return 0;
    }
    const QPageLayout layout = device.pageLayout();
    const QRect fullRect = layout.fullRectPixels(iDpiX);
    const QRect paintRect = layout.paintRectPixels(iDpiX);

    const qint32 lOffsetLeft = RoundHalfEven(paintRect.left() * kTwipsPerInch / iDpiX);
    const qint32 lOffsetTop = RoundHalfEven(paintRect.top() * kTwipsPerInch / iDpiY);
    const qint32 lPageWidth = RoundHalfEven(fullRect.width() * kTwipsPerInch / iDpiX);
    const qint32 lPageHeight = RoundHalfEven(fullRect.height() * kTwipsPerInch / iDpiY);
    const TwipsRect rc = DrawingRectangle(lLeftMargin, vTopMargin, vRightMargin, vBottomMargin,
                                          lOffsetLeft, lOffsetTop, lPageWidth, lPageHeight);
    if (rc.right <= rc.left || rc.bottom <= rc.top) {
        return 0;
    }
    const QRectF drawRect(rc.left * iDpiX / kTwipsPerInch, rc.top * iDpiY / kTwipsPerInch,
                          (rc.right - rc.left) * iDpiX / kTwipsPerInch,
                          (rc.bottom - rc.top) * iDpiY / kTwipsPerInch);

    // A copy of the box's document is laid out for the device; the box itself stays as it is.
    const std::unique_ptr<QTextDocument> doc(rtbTarget.document()->clone());
    QAbstractTextDocumentLayout* docLayout = doc->documentLayout();
    docLayout->setPaintDevice(&device);
    doc->setDocumentMargin(0);
    RichTextBox::FitPictures(*doc, (rc.right - rc.left) / kTwipsPerPixel,
                             (rc.bottom - rc.top) / kTwipsPerPixel * kPictureShareOfPage);
    // A page height makes the layout break lines at page ends; a picture never straddles one.
    doc->setPageSize(drawRect.size());
    const int iPages = std::max(1, doc->pageCount());

    QPainter painter;
    if (!painter.begin(&device)) {
        return 0;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    for (int iPage = 0; iPage < iPages; ++iPage) {
        if (iPage > 0 && !device.newPage()) {
            painter.end();
            return 0;
        }
        const QRectF pageInDoc(0, iPage * drawRect.height(), drawRect.width(), drawRect.height());
        painter.save();
        painter.translate(drawRect.topLeft());
        painter.setClipRect(QRectF(QPointF(0, 0), drawRect.size()));
        painter.translate(0, -pageInDoc.top());
        context.clip = pageInDoc;
        docLayout->draw(&painter, context);
        painter.restore();
    }
    if (!painter.end()) {
        return 0;
    }
    return iPages;
}

bool PrintRichTextBox(RichTextBox& rtbTarget, qint32 lLeftMargin, qint32 vTopMargin,
                      qint32 vRightMargin, qint32 vBottomMargin, QString* szPrinterName) {
    PrinterChoice choice = ChoosePrinter();
    if (choice.printer == nullptr) {
        return false;
    }
    QPrinter& printer = *choice.printer;
    if (printer.outputFormat() != QPrinter::NativeFormat && printer.outputFileName().isEmpty()) {
        return false;
    }
    printer.setColorMode(QPrinter::Color);
    printer.setFullPage(false);
    printer.setDocName(QStringLiteral("Tensiolog report"));
    if (RenderPages(rtbTarget, printer, lLeftMargin, vTopMargin, vRightMargin, vBottomMargin) ==
        0) {
        return false;
    }
    if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted) {
        return false;
    }
    if (szPrinterName != nullptr) {
        *szPrinterName = choice.szName;
    }
    return true;
}

bool SaveRichTextBoxAsPdf(RichTextBox& rtbTarget, const QString& szFileName, qint32 lLeftMargin,
                          qint32 vTopMargin, qint32 vRightMargin, qint32 vBottomMargin,
                          QString* szError) {
    auto fail = [szError](const QString& szReason) {
        if (szError != nullptr) {
            *szError = szReason;
        }
        return false;
    };
    QSaveFile file(szFileName);
    if (!file.open(QIODevice::WriteOnly)) {
        return fail(file.errorString());
    }
    int iPages = 0;
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Free Tensiolog"));
        writer.setTitle(QStringLiteral("Tensiolog report"));
        TakeDefaultPaper(writer);
        iPages =
            RenderPages(rtbTarget, writer, lLeftMargin, vTopMargin, vRightMargin, vBottomMargin);
    }
    if (iPages == 0) {
        file.cancelWriting();
        return fail(QStringLiteral("the report could not be laid out on the page"));
    }
    if (!file.commit()) {
        return fail(file.errorString());
    }
    return true;
}

} // namespace modPrint
