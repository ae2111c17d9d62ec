#include "report/modPrint.h"

#include "diary/SafeFile.h"
#include "diary/Units.h"
#include "report/RichTextBox.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <optional>

namespace modPrint {

namespace {

// The document's name when it is given none: shown in the printer's queue and the PDF's title.
QString DefaultTitle() {
    return QCoreApplication::translate("modPrint", "Tensiolog report");
}

// Share of a page's height a picture may take, so that it always fits with its line.
constexpr double kPictureShareOfPage = 0.95;
// How far (device pixels) a block must reach into a page to be drawn on it.
constexpr qreal kTouchingEdge = 0.5;
// The footer's line and the room above it, in lines of the footer's font.
constexpr qreal kFooterLines = 2.0;
// Resolution of saved PDF files when there is no printer to match.
constexpr int kPdfResolution = 1200;

std::function<PrinterChoice()>& PrinterFactory() {
    static std::function<PrinterChoice()> factory;
    return factory;
}

// The paper and resolution of the printer a print would go to, so that a saved file is laid out
// as a print would be; without a printer, the usual paper of the user's country.
void TakeDefaultPaper(QPdfWriter& writer) {
    PrinterChoice choice = ChoosePrinter();
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

TwipsRect InsidePrintableArea(const TwipsRect& rc, qint32 lPrintableWidth,
                              qint32 lPrintableHeight) {
    TwipsRect inside = rc;
    inside.left = std::max<qint32>(rc.left, 0);
    inside.top = std::max<qint32>(rc.top, 0);
    inside.right = std::min(rc.right, lPrintableWidth);
    inside.bottom = std::min(rc.bottom, lPrintableHeight);
    return inside;
}

namespace {

// Where a page's text and footer go, in device pixels from the printable area's top left.
struct PageFrame {
    QRectF body;
    QRectF footer; // empty: no footer
};

// The footer's font: the text's own family, small.
QFont FooterFont(const QTextDocument& document) {
    QFont font = document.defaultFont();
    font.setPointSizeF(8);
    font.setBold(false);
    font.setItalic(false);
    return font;
}

std::optional<PageFrame> FramePage(QPagedPaintDevice& device, qint32 lLeftMargin, qint32 vTopMargin,
                                   qint32 vRightMargin, qint32 vBottomMargin,
                                   const QFont* footerFont) {
    const int iDpiX = device.logicalDpiX();
    const int iDpiY = device.logicalDpiY();
    if (iDpiX <= 0 || iDpiY <= 0) {
        return std::nullopt;
    }
    const QPageLayout layout = device.pageLayout();
    const QRect fullRect = layout.fullRectPixels(iDpiX);
    const QRect paintRect = layout.paintRectPixels(iDpiX);

    const qint32 lOffsetLeft = RoundHalfEven(paintRect.left() * kTwipsPerInch / iDpiX);
    const qint32 lOffsetTop = RoundHalfEven(paintRect.top() * kTwipsPerInch / iDpiY);
    const qint32 lPageWidth = RoundHalfEven(fullRect.width() * kTwipsPerInch / iDpiX);
    const qint32 lPageHeight = RoundHalfEven(fullRect.height() * kTwipsPerInch / iDpiY);
    const qint32 lPrintableWidth = RoundHalfEven(paintRect.width() * kTwipsPerInch / iDpiX);
    const qint32 lPrintableHeight = RoundHalfEven(paintRect.height() * kTwipsPerInch / iDpiY);
    const TwipsRect rc =
        InsidePrintableArea(DrawingRectangle(lLeftMargin, vTopMargin, vRightMargin, vBottomMargin,
                                             lOffsetLeft, lOffsetTop, lPageWidth, lPageHeight),
                            lPrintableWidth, lPrintableHeight);
    if (rc.right <= rc.left || rc.bottom <= rc.top) {
        return std::nullopt;
    }
    PageFrame frame;
    frame.body = QRectF(rc.left * iDpiX / kTwipsPerInch, rc.top * iDpiY / kTwipsPerInch,
                        (rc.right - rc.left) * iDpiX / kTwipsPerInch,
                        (rc.bottom - rc.top) * iDpiY / kTwipsPerInch);
    if (footerFont != nullptr) {
        // The footer takes the page's last line; the text ends a little above it.
        const qreal lineHeight = QFontMetricsF(*footerFont, &device).height();
        frame.footer = QRectF(frame.body.left(), frame.body.bottom() - lineHeight,
                              frame.body.width(), lineHeight);
        frame.body.setBottom(frame.body.bottom() - lineHeight * kFooterLines);
        if (frame.body.height() <= 0) {
            return std::nullopt;
        }
    }
    return frame;
}

std::unique_ptr<QTextDocument> LayOut(RichTextBox& rtbTarget, QPagedPaintDevice& device,
                                      const PageFrame& frame) {
    // A copy of the box's document is laid out for the device; the box itself stays as it is.
    std::unique_ptr<QTextDocument> doc(rtbTarget.document()->clone());
    RichTextBox::UsePaperPictures(*doc);
    doc->documentLayout()->setPaintDevice(&device);
    doc->setDocumentMargin(0);
    // The pictures go across the text width: the chart as it fills the box's text width on
    // screen, the header above it. One that would then be taller than a page is scaled down to
    // fit one. Sizes in device-independent pixels: the layout turns them into the device's own.
    RichTextBox::FitPicturesAcross(*doc, frame.body.width() * kPixelsPerInch / device.logicalDpiX(),
                                   frame.body.height() * kPixelsPerInch / device.logicalDpiY() *
                                       kPictureShareOfPage);
    // A page height makes the layout break lines at page ends; a picture never straddles one.
    doc->setPageSize(frame.body.size());
    return doc;
}

void DrawFooter(QPainter& painter, const QRectF& rect, const QFont& font, const QString& szFooter,
                int iPage, int iPages) {
    //: At the foot of each printed page.
    const QString szPage =
        QCoreApplication::translate("modPrint", "page %1 of %2").arg(iPage).arg(iPages);
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(painter.font(), painter.device());
    const qreal pageWidth = metrics.horizontalAdvance(szPage);
    const QString szLeft =
        metrics.elidedText(szFooter, Qt::ElideRight,
                           std::max<qreal>(0, rect.width() - pageWidth - 2 * metrics.height()));
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, szLeft);
    painter.drawText(rect, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, szPage);
    painter.restore();
}

} // namespace

std::unique_ptr<QTextDocument> LayoutForDevice(RichTextBox& rtbTarget, QPagedPaintDevice& device,
                                               qint32 lLeftMargin, qint32 vTopMargin,
                                               qint32 vRightMargin, qint32 vBottomMargin,
                                               const QString& szFooter) {
    const QFont footerFont = FooterFont(*rtbTarget.document());
    const std::optional<PageFrame> frame =
        FramePage(device, lLeftMargin, vTopMargin, vRightMargin, vBottomMargin,
                  szFooter.isEmpty() ? nullptr : &footerFont);
    if (!frame) {
        return nullptr;
    }
    return LayOut(rtbTarget, device, *frame);
}

int RenderPages(RichTextBox& rtbTarget, QPagedPaintDevice& device, qint32 lLeftMargin,
                qint32 vTopMargin, qint32 vRightMargin, qint32 vBottomMargin,
                const QString& szFooter) {
    const QFont footerFont = FooterFont(*rtbTarget.document());
    const std::optional<PageFrame> frame =
        FramePage(device, lLeftMargin, vTopMargin, vRightMargin, vBottomMargin,
                  szFooter.isEmpty() ? nullptr : &footerFont);
    if (!frame) {
        return 0;
    }
    const std::unique_ptr<QTextDocument> doc = LayOut(rtbTarget, device, *frame);
    QAbstractTextDocumentLayout* docLayout = doc->documentLayout();
    const QRectF& drawRect = frame->body;
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
        // The layout draws every block that touches the clip, even one that only begins at the
        // page's lower edge or ends at its upper edge; its text, hidden by the painter's clip,
        // would still be in a PDF twice. Blocks that only touch the page are left out.
        context.clip = pageInDoc.adjusted(0, kTouchingEdge, 0, -kTouchingEdge);
        docLayout->draw(&painter, context);
        painter.restore();
        if (!szFooter.isEmpty()) {
            DrawFooter(painter, frame->footer, footerFont, szFooter, iPage + 1, iPages);
        }
    }
    if (!painter.end()) {
        return 0;
    }
    return iPages;
}

bool PrintRichTextBox(RichTextBox& rtbTarget, qint32 lLeftMargin, qint32 vTopMargin,
                      qint32 vRightMargin, qint32 vBottomMargin, QString* szPrinterName,
                      const DocumentInfo& info) {
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
    printer.setDocName(info.szTitle.isEmpty() ? DefaultTitle() : info.szTitle);
    if (!info.szCreator.isEmpty()) {
        printer.setCreator(info.szCreator);
    }
    if (RenderPages(rtbTarget, printer, lLeftMargin, vTopMargin, vRightMargin, vBottomMargin,
                    info.szFooter) == 0) {
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
                          QString* szError, const DocumentInfo& info) {
    auto fail = [szError](const QString& szReason) {
        if (szError != nullptr) {
            *szError = szReason;
        }
        return false;
    };
    // Laid out in memory first, then written by the one safe rule of the program's files: a
    // full disk or a failing write never leaves a short PDF in the place of a good one, and
    // never counts as saved.
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    int iPages = 0;
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(info.szCreator.isEmpty() ? QStringLiteral("Free Tensiolog")
                                                   : info.szCreator);
        writer.setTitle(info.szTitle.isEmpty() ? DefaultTitle() : info.szTitle);
        TakeDefaultPaper(writer);
        iPages = RenderPages(rtbTarget, writer, lLeftMargin, vTopMargin, vRightMargin,
                             vBottomMargin, info.szFooter);
    }
    if (iPages == 0) {
        //: Why a PDF was not saved (after "This report was not saved as ... (").
        return fail(QCoreApplication::translate("modPrint",
                                                "the report could not be laid out on the page"));
    }
    QString szReason;
    if (!WriteFileSafely(szFileName, pdf, std::nullopt, &szReason)) {
        return fail(szReason);
    }
    return true;
}

} // namespace modPrint
