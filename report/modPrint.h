#pragma once

#include "diary/TextToInteger.h"

#include <QString>
#include <QtGlobal>

#include <functional>
#include <memory>

class QPagedPaintDevice;
class QPrinter;
class QTextDocument;
class RichTextBox;

namespace modPrint {

// A rectangle in twips: left, top, right, bottom.
struct TwipsRect {
    qint32 left = 0;
    qint32 top = 0;
    qint32 right = 0;
    qint32 bottom = 0;
    bool operator==(const TwipsRect&) const = default;
};

// Nearest whole number, a half going to the even neighbour: the program's one rule.
using ::RoundHalfEven;

// The rectangle text is drawn into, relative to the printable area: margins measured from the
// paper's edges, less the printable area's offsets from the paper's left and top edges.
TwipsRect DrawingRectangle(qint32 lLeftMargin, qint32 lTopMargin, qint32 lRightMargin,
                           qint32 lBottomMargin, qint32 lOffsetLeft, qint32 lOffsetTop,
                           qint32 lPageWidth, qint32 lPageHeight);

// The drawing rectangle moved inside the printable area (0, 0, printable width and height):
// an edge the margins put into a strip the printer cannot print on moves in to that strip's
// edge.
TwipsRect InsidePrintableArea(const TwipsRect& rc, qint32 lPrintableWidth, qint32 lPrintableHeight);

// What a printed or saved document says about itself.
struct DocumentInfo {
    // The title (the print job's name, the PDF's title) and the program that made it.
    QString szTitle;
    QString szCreator;
    // The footer at the foot of every page, left; "page N of M" stands at its right. Empty: no
    // footer.
    QString szFooter;
};

// The printer a print job goes to, with the name the user knows it by.
struct PrinterChoice {
    std::unique_ptr<QPrinter> printer; // null when there is no printer to print on
    QString szName;
};
// The system's default printer, in colour; no printer when there is none (it never falls back
// to writing a file).
PrinterChoice DefaultPrinter();
// Test seam: when set, print jobs go to the printer this returns instead of the default one.
void SetPrinterFactory(std::function<PrinterChoice()> factory);
// The printer print jobs go to now (the factory's, else the default one).
PrinterChoice ChoosePrinter();

// Lays the whole content of the box out page by page into the drawing rectangle (kept inside
// the printable area) and draws it on the device, one page after another (pictures across the
// text width, scaled down where that is taller than a page), with the footer, when there is
// one, on the last line of every page. Every page moves on through the text, so it always ends.
// Returns the number of pages drawn, 0 after a failure.
int RenderPages(RichTextBox& rtbTarget, QPagedPaintDevice& device, qint32 lLeftMargin,
                qint32 vTopMargin, qint32 vRightMargin, qint32 vBottomMargin,
                const QString& szFooter = QString());
// The copy of the box's document that RenderPages draws, laid out for the device and its pages
// (for measuring what goes on paper); null when the page leaves no room.
std::unique_ptr<QTextDocument> LayoutForDevice(RichTextBox& rtbTarget, QPagedPaintDevice& device,
                                               qint32 lLeftMargin, qint32 vTopMargin,
                                               qint32 vRightMargin, qint32 vBottomMargin,
                                               const QString& szFooter = QString());

// Prints the whole content of the box on the printer of ChoosePrinter() with margins in twips
// from the paper's edges. True when the document went to the printer to the end; the printer's
// name goes to szPrinterName.
bool PrintRichTextBox(RichTextBox& rtbTarget, qint32 lLeftMargin, qint32 vTopMargin,
                      qint32 vRightMargin, qint32 vBottomMargin, QString* szPrinterName = nullptr,
                      const DocumentInfo& info = {});

// Writes the box to a PDF file laid out exactly as PrintRichTextBox lays it out on the paper of
// the printer of ChoosePrinter(). The file is replaced only when complete. False with the
// reason in szError.
bool SaveRichTextBoxAsPdf(RichTextBox& rtbTarget, const QString& szFileName, qint32 lLeftMargin,
                          qint32 vTopMargin, qint32 vRightMargin, qint32 vBottomMargin,
                          QString* szError = nullptr, const DocumentInfo& info = {});

} // namespace modPrint
