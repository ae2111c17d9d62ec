#include "report/frmReport.h"
#include "app/util/TextToInteger.h"
#include "app/util/Units.h"

#include "app/shell/modUtils.h"
#include "app/util/modGlobals.h"
#include "mainwindow/readings/ReadingsChart.h"
#include "mainwindow/readings/ReadingsCsv.h"
#include "mainwindow/readings/ReadingsSchema.h"
#include "mainwindow/readings/ctlChart.h"
#include "report/ClipboardKeeper.h"
#include "report/RichTextBox.h"
#include "report/modPrint.h"
#include "resources/Resources.h"
#include "xmlstore/clsXMLTags.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTimer>

#include <algorithm>

namespace {

// Inner size of the window as designed, in pixels (13035 x 11715 twips).
constexpr int kDesignWidth = 869;
constexpr int kDesignHeight = 781;
// The print copy's box as designed (11895 x 11670 twips), and the Print button (1335 x 375).
constexpr int kPrintBoxWidth = 793;
constexpr int kPrintBoxHeight = 778;
constexpr int kButtonWidth = 89;
constexpr int kButtonHeight = 25;
// Gap between the two buttons.
constexpr int kButtonGap = 6;
// Delay between an activation and the composition of the report.
constexpr int kComposeDelayMs = 500;
// The header picture: its size in pixels, and how much finer it is drawn for paper.
constexpr int kHeaderWidth = 1000;
constexpr int kHeaderHeight = 70;
constexpr qreal kHeaderScale = 4.0;
// The chart picture for paper is drawn this much finer than the screen (the printed copy's chart
// comes out near 300 dots to the inch), but never more than this many pixels along its longer
// side. On screen it is shown at about half its size, so the screen's own resolution is enough.
constexpr qreal kPaperChartScale = 2.0;
constexpr qreal kChartMaxPixels = 4096.0;
// Tries at putting a picture on the clipboard before giving up.
constexpr int kPutAttempts = 9;

const QString kLineBreak = QStringLiteral("\r\n");

frmReport::SaveDialog& SaveDialogSeam() {
    static frmReport::SaveDialog dialog;
    return dialog;
}

// Lets queued window-system work (the clipboard's among it) run. The user's clicks and keys wait,
// so no other command of this window can start in the middle of a composition.
void LetPendingEventsRun() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

QImage RenderHeaderPicture() {
    QSvgRenderer renderer(ArtworkPath(QStringLiteral("report-header.svg")));
    if (!renderer.isValid()) {
        return {};
    }
    QImage picture(QSize(kHeaderWidth, kHeaderHeight) * kHeaderScale, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(picture.size())));
    painter.end();
    picture.setDevicePixelRatio(kHeaderScale);
    return picture;
}

// Runs an edit block of a box from its construction to its destruction.
class EditBlock {
public:
    explicit EditBlock(RichTextBox& box) : m_box(box) { m_box.BeginEdit(); }
    ~EditBlock() { m_box.EndEdit(); }
    EditBlock(const EditBlock&) = delete;
    EditBlock& operator=(const EditBlock&) = delete;

private:
    RichTextBox& m_box;
};

} // namespace

frmReport::frmReport(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Tensiolog Report"));
    setWindowFlags((windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint) &
                   ~Qt::WindowContextHelpButtonHint);
    setSizeGripEnabled(true);

    // Created in stacking order from the back: the print copy lies behind the report box.
    rtbPrint = new RichTextBox(this);
    rtbPrint->setObjectName(QStringLiteral("rtbPrint"));
    rtbPrint->setGeometry(0, 0, kPrintBoxWidth, kPrintBoxHeight);
    rtbPrint->setFocusPolicy(Qt::NoFocus);
    // Never seen: it is only laid out for the printer.
    rtbPrint->hide();

    ctlChart = new ::ctlChart(this);
    StyleChartForPaper(*ctlChart);
    ctlChart->setObjectName(QStringLiteral("ctlChart"));
    ctlChart->setGeometry(0, 0, 493, 197);
    ctlChart->hide();

    rtb = new RichTextBox(this);
    rtb->setObjectName(QStringLiteral("rtb"));
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(12);
    rtb->setFont(font);
    rtb->setGeometry(4, 4, 469, 153);
    rtb->installEventFilter(this);

    btSavePdf = new QPushButton(QStringLiteral("Save as PDF\u2026"), this);
    btSavePdf->setObjectName(QStringLiteral("btSavePdf"));
    btSavePdf->resize(std::max(kButtonWidth, btSavePdf->sizeHint().width()), kButtonHeight);
    btPrint = new QPushButton(QStringLiteral("Print"), this);
    btPrint->setObjectName(QStringLiteral("btPrint"));
    btPrint->setGeometry(304, 300, kButtonWidth, kButtonHeight);
    connect(btPrint, &QPushButton::clicked, this, &frmReport::btPrint_Click);
    connect(btSavePdf, &QPushButton::clicked, this, &frmReport::btSavePdf_Click);
    setTabOrder(rtb, btPrint);
    setTabOrder(btPrint, btSavePdf);
    BuildExportCsvButton();

    tim = new QTimer(this);
    tim->setSingleShot(true);
    tim->setInterval(kComposeDelayMs);
    connect(tim, &QTimer::timeout, this, &frmReport::tim_Timer);

    QSize size(kDesignWidth, kDesignHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        size = size.boundedTo(screen->availableSize() - QSize(16, 48));
    }
    resize(size);

    Form_Load();
}

frmReport::~frmReport() = default;

void frmReport::Form_Load() {
    FillReadingsChart();
    imgHeader = RenderHeaderPicture();
}

void frmReport::FillReadingsChart() {
    if (objReadings != nullptr) {
        FillChartFromReadings(*ctlChart, objReadings);
    }
    // The chart is only ever seen as a picture in the report.
    ctlChart->hide();
}

void frmReport::Form_Activate() {
    const int W = width();
    const int H = height();
    rtb->setGeometry(0, 0, W, std::max(0, H - btPrint->height()));
    rtbPrint->resize(qRound(0.8 * W), rtbPrint->height());
    btPrint->move(W - btPrint->width(), H - btPrint->height());
    btSavePdf->move(btPrint->x() - kButtonGap - btSavePdf->width(), H - btSavePdf->height());
    PlaceExportCsvButton();
    rtb->SetText(QString());
    tim->start();
}

void frmReport::Form_Resize() {
    // The controls are arranged on activation only.
}

void frmReport::tim_Timer() {
    rtb->SetText(QString());
    BuildReport(*rtb);
    tim->stop();
}

void frmReport::rtb_GotFocus() {
    btPrint->setFocus(Qt::OtherFocusReason);
}

bool frmReport::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        const bool bResult = QDialog::event(event);
        Form_Activate();
        return bResult;
    }
    return QDialog::event(event);
}

bool frmReport::eventFilter(QObject* watched, QEvent* event) {
    if (watched == rtb && event->type() == QEvent::FocusIn) {
        rtb_GotFocus();
    }
    return QDialog::eventFilter(watched, event);
}

void frmReport::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Form_Resize();
}

void frmReport::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Window managers activate a new dialog by themselves; a bare X server does not.
    QTimer::singleShot(0, this, [this] {
        if (isVisible() && !isActiveWindow()) {
            activateWindow();
        }
    });
}

void frmReport::BuildReport(RichTextBox& rtbTarget) {
    {
        EditBlock block(rtbTarget);
        AppendColoredText(rtbTarget, kLineBreak + QStringLiteral("YOUR READINGS") + kLineBreak,
                          kBlack);
        if (objReadings != nullptr) {
            for (const std::shared_ptr<clsXMLTag>& objDay : *objReadings->objSubTags) {
                const QString szDate = FormatDayKey(*objDay);
                const QString szSys = objDay->GetSubTagValue(kSystolicName);
                const QString szDia = objDay->GetSubTagValue(kDiastolicName);
                const QString szPulse = objDay->GetSubTagValue(kPulseName);
                const QString szComment = objDay->GetSubTagValue(kCommentName);
                if (!szSys.isEmpty() || !szDia.isEmpty() || !szPulse.isEmpty()) {
                    WriteFormattedEntry(rtbTarget, szDate, szSys, szDia, szPulse, szComment);
                }
            }
        }
    }
    rtbTarget.SetSelStart(0);
    rtbTarget.SetSelLength(0);
    img = imgHeader;
    PasteImageRTF(rtbTarget);
    PasteChartRTF(rtbTarget);
    ctlChart->hide();
    rtbTarget.setReadOnly(true);
}

void frmReport::WriteFormattedEntry(RichTextBox& rtbTarget, const QString& szDate,
                                    const QString& szSys, const QString& szDia,
                                    const QString& szPulse, const QString& szComment) {
    if (szSys.isEmpty() || szDia.isEmpty()) {
        return;
    }
    AppendColoredText(rtbTarget, kLineBreak + szDate + u'\t', kBlack);
    AppendColoredText(rtbTarget, szSys, SystolicColor(szSys));
    AppendColoredText(rtbTarget, QStringLiteral("/"), kBlack);
    AppendColoredText(rtbTarget, szDia, DiastolicColor(szDia));
    AppendColoredText(rtbTarget, u':' + szPulse + QStringLiteral("   \t") + szComment, kBlack);
}

QString frmReport::FormatDayKey(const clsXMLTag& objDay) {
    return FormatDayKey(objDay.szName);
}

QString frmReport::FormatDayKey(const QString& szDayKey) {
    // Only the twelve two-digit month numbers have a word.
    const DayKeyParts parts = SplitDayKey(szDayKey);
    const int iMonth = DayKeyMonth(parts);
    QString szText = parts.szDay.toString();
    if (iMonth != 0) {
        szText += u' ' + MonthShortName(iMonth) + u' ';
    }
    return szText.append(parts.szYear);
}

void frmReport::AppendColoredText(RichTextBox& rtbTarget, const QString& szText, long lColor) {
    rtbTarget.SetSelStart(rtbTarget.TextLength());
    rtbTarget.SetSelLength(0);
    rtbTarget.SetSelColor(lColor);
    rtbTarget.SetSelText(szText);
}

namespace {

// Colour of a pressure: red up to iLowRed, green up to iGreen, orange up to iOrange, red
// above; black for text that is not a whole number of the 16-bit range.
long PressureColor(const QString& szReading, int iLowRed, int iGreen, int iOrange) {
    const std::optional<qint16> value = TextToInteger(szReading);
    if (!value) {
        return frmReport::kBlack;
    }
    if (*value <= iLowRed) {
        return frmReport::kRed;
    }
    if (*value <= iGreen) {
        return frmReport::kGreen;
    }
    if (*value <= iOrange) {
        return frmReport::kOrange;
    }
    return frmReport::kRed;
}

} // namespace

long frmReport::SystolicColor(const QString& szReading) {
    return PressureColor(szReading, 99, 129, 149);
}

long frmReport::DiastolicColor(const QString& szReading) {
    return PressureColor(szReading, 59, 84, 94);
}

bool frmReport::PutClipboardPicture(const QImage& objPicture) {
    if (objPicture.isNull()) {
        return false;
    }
    QClipboard* clipboard = QGuiApplication::clipboard();
    for (int iAttempt = 0; iAttempt < kPutAttempts; ++iAttempt) {
        LetPendingEventsRun();
        clipboard->setImage(objPicture);
        const QMimeData* content = clipboard->mimeData();
        if (content != nullptr && content->hasImage()) {
            return true;
        }
    }
    return false;
}

void frmReport::PasteImageRTF(RichTextBox& rtbTarget) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    ClipboardKeeper saved;
    clipboard->clear();
    if (PutClipboardPicture(img)) {
        const QMimeData* content = clipboard->mimeData();
        if (content != nullptr && content->hasImage()) {
            rtbTarget.Paste();
        }
    }
    clipboard->clear();
    saved.Restore();
}

void frmReport::PasteChartRTF(RichTextBox& rtbTarget) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    {
        ClipboardKeeper saved;
        clipboard->clear();
        // Sized from the box it goes into, in twips, as single-precision numbers.
        const float fWidth = static_cast<float>(rtbTarget.width() * kTwipsPerPixel * 0.7 * 2.8);
        const float fHeight = static_cast<float>(rtbTarget.height() * kTwipsPerPixel * 0.4 * 2.8);
        const int iWidth = std::max(1, qRound(fWidth / kTwipsPerPixel));
        const int iHeight = std::max(1, qRound(fHeight / kTwipsPerPixel));
        ctlChart->resize(iWidth, iHeight);
        const qreal fineness = &rtbTarget == rtbPrint ? kPaperChartScale : devicePixelRatioF();
        const qreal scale = std::min(fineness, kChartMaxPixels / std::max(iWidth, iHeight));
        ctlChart->CopyToClipboard(scale);
        LetPendingEventsRun();
        img = clipboard->image();
        clipboard->clear();
        saved.Restore();
    }
    PasteImageRTF(rtbTarget);
}

void frmReport::btPrint_Click() {
    const QString szNotPrinted =
        QStringLiteral("This report was not printed. This was due to you either cancelling the "
                       "printing or the printer being offline.");
    bool bPrinted = false;
    QString szPrinterName;
    try {
        rtbPrint->SetText(QString());
        BuildReport(*rtbPrint);
        bPrinted = modPrint::PrintRichTextBox(*rtbPrint, kLeftMargin, kTopMargin, kRightMargin,
                                              kBottomMargin, &szPrinterName);
    } catch (...) {
        bPrinted = false;
    }
    if (bPrinted) {
        try {
            ShowWarningMessage(
                QStringLiteral("This report has been sent to your default printer (") +
                szPrinterName + QStringLiteral(")."));
            return;
        } catch (...) {
        }
    }
    ShowWarningMessage(szNotPrinted);
}

QString frmReport::DefaultPdfPath(const QDate& today) {
    QString szFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (szFolder.isEmpty()) {
        szFolder = QDir::homePath();
    }
    return QDir(szFolder).filePath(QStringLiteral("Tensiolog report ") +
                                   today.toString(QStringLiteral("yyyy-MM-dd")) +
                                   QStringLiteral(".pdf"));
}

void frmReport::SetSaveDialog(SaveDialog dialog) {
    SaveDialogSeam() = std::move(dialog);
}

void frmReport::btSavePdf_Click() {
    const QString szProposed = DefaultPdfPath(Today());
    QString szPath;
    if (SaveDialogSeam()) {
        szPath = SaveDialogSeam()(this, szProposed);
    } else {
        szPath = QFileDialog::getSaveFileName(this, QStringLiteral("Save the report as PDF"),
                                              szProposed, QStringLiteral("PDF files (*.pdf)"));
    }
    if (szPath.isEmpty()) {
        return; // cancelled
    }
    if (QFileInfo(szPath).suffix().isEmpty()) {
        szPath += QStringLiteral(".pdf");
    }
    bool bSaved = false;
    QString szError;
    try {
        rtbPrint->SetText(QString());
        BuildReport(*rtbPrint);
        bSaved = modPrint::SaveRichTextBoxAsPdf(*rtbPrint, szPath, kLeftMargin, kTopMargin,
                                                kRightMargin, kBottomMargin, &szError);
    } catch (const std::exception& e) {
        szError = QString::fromLocal8Bit(e.what());
    } catch (...) {
        szError = QStringLiteral("unknown error");
    }
    const QString szShownPath = QDir::toNativeSeparators(szPath);
    if (bSaved) {
        ShowWarningMessage(QStringLiteral("This report has been saved as ") + szShownPath +
                           QStringLiteral("."));
    } else {
        ShowWarningMessage(QStringLiteral("This report was not saved as ") + szShownPath +
                           QStringLiteral(" (") + szError + QStringLiteral(")."));
    }
}

// ---- Readings out as CSV

void frmReport::BuildExportCsvButton() {
    btExportCsv = new QPushButton(QStringLiteral("Export &CSV\u2026"), this);
    btExportCsv->setObjectName(QStringLiteral("btExportCsv"));
    btExportCsv->setAccessibleName(QStringLiteral("Export CSV\u2026"));
    btExportCsv->setAccessibleDescription(
        QStringLiteral("Saves the readings as a CSV file for a spreadsheet"));
    btExportCsv->setToolTip(QStringLiteral("Save the readings as a CSV file for a spreadsheet"));
    btExportCsv->resize(std::max(kButtonWidth, btExportCsv->sizeHint().width()), kButtonHeight);
    connect(btExportCsv, &QPushButton::clicked, this, &frmReport::btExportCsv_Click);
    setTabOrder(btSavePdf, btExportCsv);
}

void frmReport::PlaceExportCsvButton() {
    btExportCsv->move(btSavePdf->x() - kButtonGap - btExportCsv->width(),
                      btSavePdf->y() + btSavePdf->height() - btExportCsv->height());
}

QString frmReport::DefaultCsvPath(const QDate& today) {
    QString szFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (szFolder.isEmpty()) {
        szFolder = QDir::homePath();
    }
    return QDir(szFolder).filePath(QStringLiteral("Tensiolog readings ") +
                                   today.toString(QStringLiteral("yyyy-MM-dd")) +
                                   QStringLiteral(".csv"));
}

void frmReport::btExportCsv_Click() {
    const QString szProposed = DefaultCsvPath(Today());
    QString szPath;
    if (SaveDialogSeam()) {
        szPath = SaveDialogSeam()(this, szProposed);
    } else {
        szPath = QFileDialog::getSaveFileName(this, QStringLiteral("Export the readings as CSV"),
                                              szProposed, QStringLiteral("CSV files (*.csv)"));
    }
    if (szPath.isEmpty()) {
        return; // cancelled
    }
    if (QFileInfo(szPath).suffix().isEmpty()) {
        szPath += QStringLiteral(".csv");
    }
    // The report shows every day, and so does its export.
    ExportCsv(szPath);
}

bool frmReport::ExportCsv(const QString& szPath, const QDate& dtFirst, const QDate& dtLast) {
    CsvExportOptions options;
    options.cDelimiter = CsvDelimiterForLocale(QLocale());
    options.dtFirst = dtFirst;
    options.dtLast = dtLast;
    int iDays = 0;
    QString szReason;
    bool bSaved = false;
    try {
        bSaved = SaveCsvFile(szPath, ReadingsToCsv(objReadings, options, &iDays), &szReason);
    } catch (const std::exception& e) {
        szReason = QString::fromLocal8Bit(e.what());
    }
    const QString szShownPath = QDir::toNativeSeparators(szPath);
    if (bSaved) {
        ShowMessageBox(
            QMessageBox::Information, QStringLiteral("Export CSV"),
            (iDays == 1 ? QStringLiteral("1 day has") : QStringLiteral("%1 days have").arg(iDays)) +
                QStringLiteral(" been exported to ") + szShownPath + QStringLiteral("."),
            QMessageBox::Ok);
    } else {
        ShowMessageBox(QMessageBox::Warning, kProductName + QStringLiteral(" Warning"),
                            QStringLiteral("The readings were not exported to ") + szShownPath +
                                QStringLiteral(" (") + szReason + QStringLiteral(")."),
                            QMessageBox::Ok);
    }
    return bSaved;
}
