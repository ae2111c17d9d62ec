#include "report/frmReport.h"
#include "diary/TextToInteger.h"
#include "diary/Units.h"

#include "diary/PressureColours.h"
#include "diary/ReadingsCsv.h"
#include "diary/ReadingsSchema.h"
#include "diary/modFiles.h"
#include "diary/modGlobals.h"
#include "i18n/LocalDates.h"
#include "i18n/Translations.h"
#include "report/ReportComposer.h"
#include "report/RichTextBox.h"
#include "report/modPrint.h"
#include "resources/Resources.h"
#include "widgets/ReadingsChart.h"
#include "widgets/ctlChart.h"
#include "widgets/modUtils.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTimer>

#include <algorithm>
#include <optional>

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
// The screen report is written in steps of about this long, the window answering between them.
constexpr qint64 kWriteStepNs = 40'000'000;
qint64 gWriteStepNs = kWriteStepNs;
// Lines written between two looks at the clock.
constexpr size_t kLinesPerLook = 200;
// The header picture: its size in pixels, and how much finer it is drawn for paper.
constexpr int kHeaderWidth = 1000;
constexpr int kHeaderHeight = 70;
constexpr qreal kHeaderScale = 4.0;
// The chart picture for paper is drawn this much finer than the screen (the printed copy's chart
// comes out near 300 dots to the inch), but never more than this many pixels along its longer
// side. On screen it is shown at about half its size, so the screen's own resolution is enough.
constexpr qreal kPaperChartScale = 2.0;
constexpr qreal kChartMaxPixels = 4096.0;

const QString kLineBreak = QStringLiteral("\r\n");

frmReport::SaveDialog& SaveDialogSeam() {
    static frmReport::SaveDialog dialog;
    return dialog;
}

// The window's controls: a plain frame, and a 2-pixel frame in the focus colour around the one
// that has the keyboard focus.
QString ControlStyle() {
    return QStringLiteral(
               "QPushButton { border: 1px solid #767676; border-radius: 3px; padding: 2px 9px;"
               " background-color: #f2f2f2; color: black; }"
               "QPushButton:pressed { background-color: #d9d9d9; }"
               "QPushButton:focus { border: 2px solid %1; padding: 1px 8px; }"
               "QComboBox, QDateEdit { border: 1px solid #767676; border-radius: 3px;"
               " padding: 1px 4px; background-color: white; color: black; }"
               "QComboBox:focus, QDateEdit:focus { border: 2px solid %1; padding: 0px 3px; }")
        .arg(frmReport::kFocusColour.name());
}

// The header picture's drawing with its words (after the program's name) in the user's language.
QByteArray HeaderArtwork() {
    QFile file(ArtworkPath(QStringLiteral("report-header.svg")));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QString szEnglish = QStringLiteral(">blood pressure diary</text>");
    //: The words after "Tensiolog" on the report's header picture (at most 20 letters).
    const QString szWords = frmReport::tr("blood pressure diary");
    return QString::fromUtf8(file.readAll())
        .replace(szEnglish, u'>' + szWords.toHtmlEscaped() + QStringLiteral("</text>"))
        .toUtf8();
}

QImage RenderHeaderPicture() {
    QSvgRenderer renderer(HeaderArtwork());
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

// Keeps a document from being laid out until its destruction: a document without a page size is
// not laid out at all. Given its size back, it is laid out once, from its top, the way Qt lays
// out a new document (the lines in sight first). Writing a report into a box on the screen
// otherwise laid its text out along the way, at about three times the cost of the writing.
class LayoutWhenWritten {
public:
    explicit LayoutWhenWritten(QTextDocument& document)
        : m_document(document), m_pageSize(document.pageSize()) {
        m_document.setPageSize(QSizeF(0, 0));
    }
    ~LayoutWhenWritten() { m_document.setPageSize(m_pageSize); }
    LayoutWhenWritten(const LayoutWhenWritten&) = delete;
    LayoutWhenWritten& operator=(const LayoutWhenWritten&) = delete;

private:
    QTextDocument& m_document;
    QSizeF m_pageSize;
};

} // namespace

// A report being written into a box. Made, it has composed the report, put its pictures in and
// keeps the box from being laid out; Write puts the lines in, all at once or a step at a time;
// let go, it has the box laid out once, from its top.
class frmReport::Writing {
public:
    Writing(frmReport& form, RichTextBox& box)
        : m_box(box),
          m_composition(ReportComposer::Compose(form.m_objReadings, form.Period(), Today())),
          m_layout(std::in_place, *box.document()) {
        // The reading and the comment start at one x on every line, measured in the box's font.
        box.SetTabPositions(
            ReportComposer::ColumnTabs(m_composition, box.document()->defaultFont()));
        // The pictures first, then the text after them.
        EditBlock block(box);
        box.SetSelStart(0);
        box.SetSelLength(0);
        form.img = form.HeaderPicture();
        form.szImgText = HeaderPictureText();
        form.PasteImageRTF(box);
        form.PasteChartRTF(box);
    }
    Writing(const Writing&) = delete;
    Writing& operator=(const Writing&) = delete;

    // Writes lines until all are in, or, with a deadline (iUntilNs >= 0), until the clock has
    // passed it; true once all are in. The same text and colours in one step or many.
    bool Write(const QElapsedTimer& clock, qint64 iUntilNs) {
        EditBlock block(m_box);
        const size_t iCount = m_composition.lines.size();
        while (m_iNext < iCount) {
            const size_t iEnd = std::min(iCount, m_iNext + kLinesPerLook);
            WriteLines(m_box, m_composition, m_iNext, iEnd);
            m_iNext = iEnd;
            if (iUntilNs >= 0 && clock.nsecsElapsed() >= iUntilNs) {
                break;
            }
        }
        return m_iNext >= iCount;
    }

    const QString& Period() const { return m_composition.szPeriod; }

    // The box may be laid out from now on (written out, it is otherwise laid out when let go).
    void LetLayOut() { m_layout.reset(); }

private:
    RichTextBox& m_box;
    const ReportComposition m_composition;
    std::optional<LayoutWhenWritten> m_layout;
    size_t m_iNext = 0;
};

frmReport::frmReport(std::shared_ptr<clsXMLTag> objReadings, QWidget* parent)
    : QDialog(parent), m_objReadings(std::move(objReadings)) {
    setWindowTitle(tr("Tensiolog Report"));
    setWindowFlags((windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint) &
                   ~Qt::WindowContextHelpButtonHint);
    setSizeGripEnabled(true);
    // First, so that the controls' sizes below are measured in their own style.
    setStyleSheet(ControlStyle());

    BuildBoxes();
    BuildButtons();
    BuildPeriodChoice();
    setTabOrder(rtb, btPrint);
    setTabOrder(btPrint, btSavePdf);
    BuildExportCsvButton();
    setTabOrder(btSavePdf, btExportCsv);
    setTabOrder(btExportCsv, cboPeriod);
    setTabOrder(cboPeriod, dtFrom);
    setTabOrder(dtFrom, dtTo);

    tim = new QTimer(this);
    tim->setSingleShot(true);
    tim->setInterval(kComposeDelayMs);
    connect(tim, &QTimer::timeout, this, &frmReport::tim_Timer);
    m_timWriting = new QTimer(this);
    m_timWriting->setSingleShot(true);
    m_timWriting->setInterval(0);
    connect(m_timWriting, &QTimer::timeout, this, [this] {
        QElapsedTimer clock;
        clock.start();
        ContinueWriting(clock);
    });

    QSize size(kDesignWidth, kDesignHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        size = size.boundedTo(screen->availableSize() - QSize(16, 48));
    }
    resize(size);

    Form_Load();
}

void frmReport::BuildBoxes() {
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
    // A screen reader reads the report through the box's text.
    rtb->setAccessibleName(tr("Report"));
}

void frmReport::BuildButtons() {
    btSavePdf = new QPushButton(tr("Save as PDF\u2026"), this);
    btSavePdf->setObjectName(QStringLiteral("btSavePdf"));
    btSavePdf->resize(std::max(kButtonWidth, btSavePdf->sizeHint().width()), kButtonHeight);
    btPrint = new QPushButton(tr("Print"), this);
    btPrint->setObjectName(QStringLiteral("btPrint"));
    btPrint->setGeometry(304, 300, kButtonWidth, kButtonHeight);
    connect(btPrint, &QPushButton::clicked, this, &frmReport::btPrint_Click);
    connect(btSavePdf, &QPushButton::clicked, this, &frmReport::btSavePdf_Click);
    btPrint->setAccessibleName(btPrint->text());
    //: The "Save as PDF…" button's name for screen readers.
    btSavePdf->setAccessibleName(tr("Save as PDF"));
    for (QPushButton* button : {btPrint, btSavePdf}) {
        // The reading keys scroll the report while a button holds the focus.
        button->installEventFilter(this);
    }
}

void frmReport::BuildPeriodChoice() {
    //: The accelerator (&) must differ from the window's other ones (C of Export CSV).
    lblPeriod = new QLabel(tr("&Period:"), this);
    lblPeriod->setObjectName(QStringLiteral("lblPeriod"));
    cboPeriod = new QComboBox(this);
    cboPeriod->setObjectName(QStringLiteral("cboPeriod"));
    cboPeriod->addItems({tr("All readings"), tr("Last %n day(s)", nullptr, 30),
                         tr("Last %n day(s)", nullptr, 90), tr("Last %n month(s)", nullptr, 12),
                         //: The period choice whose first and last day are picked beside it.
                         tr("From \u2026 to \u2026")});
    cboPeriod->setAccessibleName(tr("Report period"));
    cboPeriod->resize(cboPeriod->sizeHint().width(), kButtonHeight);
    // Alt+P reaches the choice; the label also names it where a screen reader hears a combo
    // box by its label.
    lblPeriod->setBuddy(cboPeriod);
    lblPeriod->resize(lblPeriod->sizeHint().width(), kButtonHeight);
    dtFrom = new QDateEdit(this);
    dtFrom->setObjectName(QStringLiteral("dtFrom"));
    //: Screen reader's name of the period's first day.
    dtFrom->setAccessibleName(tr("Report from"));
    dtTo = new QDateEdit(this);
    dtTo->setObjectName(QStringLiteral("dtTo"));
    //: Screen reader's name of the period's last day.
    dtTo->setAccessibleName(tr("Report to"));
    for (QDateEdit* field : {dtFrom, dtTo}) {
        // English keeps its own form ("1 Feb 2027"); a translation shows the report's dates.
        field->setLocale(DisplayLocale());
        field->setDisplayFormat(InstalledLanguage().isEmpty() ? QStringLiteral("d MMM yyyy")
                                                              : LocalDates::ShortDateFormat());
        field->setCalendarPopup(true);
        field->resize(field->sizeHint().width() + kButtonGap, kButtonHeight);
        field->hide();
    }
    LoadPeriod();
    connect(cboPeriod, &QComboBox::currentIndexChanged, this, &frmReport::cboPeriod_Click);
    connect(dtFrom, &QDateEdit::dateChanged, this, &frmReport::dtFrom_Change);
    connect(dtTo, &QDateEdit::dateChanged, this, &frmReport::dtTo_Change);
}

frmReport::~frmReport() {
    // A report closed while it is written is not laid out on its way out.
    StopWriting();
}

void frmReport::Form_Load() {
    FillReadingsChart();
}

const QImage& frmReport::HeaderPicture() {
    if (imgHeader.isNull()) {
        imgHeader = RenderHeaderPicture();
    }
    return imgHeader;
}

void frmReport::FillReadingsChart() {
    if (m_objReadings != nullptr) {
        FillChartFromReadings(*ctlChart, m_objReadings,
                              ReportComposer::PeriodKeyRange(Period(), Today()));
    }
    // The chart is only ever seen as a picture in the report.
    ctlChart->hide();
}

void frmReport::Form_Activate() {
    const int W = width();
    const int H = height();
    rtbPrint->resize(qRound(0.8 * W), rtbPrint->height());
    btPrint->move(W - btPrint->width(), H - btPrint->height());
    btSavePdf->move(btPrint->x() - kButtonGap - btSavePdf->width(), H - btSavePdf->height());
    PlaceExportCsvButton();
    PlacePeriodChoice();
    // A report still being written is started again, half a second from now.
    StopWriting();
    rtb->SetText(QString());
    // The chart's picture is drawn on another core while the report waits to be written.
    const auto [size, scale] = ChartPictureSize(*rtb);
    ctlChart->PictureAhead(size, scale);
    tim->start();
    // The header picture is drawn halfway through the wait, with the window on the screen, and
    // let go with the report. (Kept for the run, its 4.5 MB stayed with the program after every
    // report; drawn on a thread of its own, that thread's heap kept about as much.) Then the
    // report is written, a step at a time, and shown when the wait is over.
    QTimer::singleShot(kComposeDelayMs / 2, this, [this] {
        HeaderPicture();
        // A turn of its own: the window answers between the picture and the first step.
        QTimer::singleShot(0, this, &frmReport::WriteAhead);
    });
}

void frmReport::PlacePeriodChoice() {
    const int H = height();
    const bool bRange = !dtFrom->isHidden();
    const int iRowWidth = lblPeriod->width() + kButtonGap + cboPeriod->width() +
                          (bRange ? 2 * kButtonGap + dtFrom->width() + dtTo->width() : 0);
    // At the left of the buttons' row, with room between it and them; where a language's words
    // or a large screen scale leave no such room, on a row of its own above the buttons.
    const bool bOwnRow = kButtonGap + iRowWidth + kButtonGap > btExportCsv->x();
    const int iBottom = bOwnRow ? H - btPrint->height() - kButtonGap : H;
    lblPeriod->move(kButtonGap, iBottom - lblPeriod->height());
    cboPeriod->move(lblPeriod->x() + lblPeriod->width() + kButtonGap,
                    iBottom - cboPeriod->height());
    dtFrom->move(cboPeriod->x() + cboPeriod->width() + kButtonGap, iBottom - dtFrom->height());
    dtTo->move(dtFrom->x() + dtFrom->width() + kButtonGap, iBottom - dtTo->height());
    const int iTop = bOwnRow ? iBottom - cboPeriod->height() : H - btPrint->height();
    if (rtb->geometry() != QRect(0, 0, width(), std::max(0, iTop))) {
        rtb->setGeometry(0, 0, width(), std::max(0, iTop));
    }
}

void frmReport::Form_Resize() {
    // The controls are arranged on activation only.
}

void frmReport::tim_Timer() {
    tim->stop();
    if (m_writing && m_bWritingAhead) {
        // Written during the wait: the rest is written, and the box laid out once all is in.
        m_bWritingAhead = false;
        if (!m_timWriting->isActive()) {
            QElapsedTimer clock;
            clock.start();
            ContinueWriting(clock);
        }
        return;
    }
    StopWriting();
    rtb->SetText(QString());
    WriteInSteps();
}

void frmReport::WriteAhead() {
    if (!tim->isActive() || m_writing) {
        return;
    }
    rtb->SetText(QString());
    WriteInSteps(true);
}

void frmReport::WriteInSteps(bool bAhead) {
    m_bWritingAhead = bAhead;
    // Written a step at a time, the window answering between the steps: a report of years of
    // several readings a day otherwise held the window up for as long as its writing took. The
    // header picture was drawn during the wait, unless the wait was cut short: then here, apart
    // from the steps.
    HeaderPicture();
    QElapsedTimer clock;
    clock.start();
    m_writing = std::make_unique<Writing>(*this, *rtb);
    // Read-only from the start: nothing can be typed into a report half written.
    rtb->setReadOnly(true);
    ContinueWriting(clock);
}

void frmReport::ContinueWriting(const QElapsedTimer& clock) {
    if (!m_writing) {
        return;
    }
    if (!m_writing->Write(clock, gWriteStepNs)) {
        m_timWriting->start();
        return;
    }
    if (m_bWritingAhead) {
        // Laid out during the wait as well, but not seen before it is over.
        rtb->SetContentHidden(true);
        m_writing->LetLayOut();
        return;
    }
    WritingDone(*rtb);
    rtb->SetContentHidden(false);
    // Let go, the writing has the box laid out.
    m_writing.reset();
}

void frmReport::SetWriteStep(qint64 iNs) {
    gWriteStepNs = iNs < 0 ? kWriteStepNs : iNs;
}

bool frmReport::IsWriting() const {
    return m_writing != nullptr;
}

void frmReport::StopWriting() {
    m_bWritingAhead = false;
    if (rtb != nullptr) {
        rtb->SetContentHidden(false);
    }
    if (m_timWriting != nullptr) {
        m_timWriting->stop();
    }
    if (m_writing) {
        // Emptied first, so that letting the writing go lays out nothing.
        rtb->SetText(QString());
        m_writing.reset();
    }
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
    if (event->type() == QEvent::KeyPress && qobject_cast<QPushButton*>(watched) != nullptr) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier && ScrollReport(key->key())) {
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool frmReport::ScrollReport(int iKey) {
    QAbstractSlider::SliderAction action = QAbstractSlider::SliderNoAction;
    switch (iKey) {
    case Qt::Key_PageUp:
        action = QAbstractSlider::SliderPageStepSub;
        break;
    case Qt::Key_PageDown:
        action = QAbstractSlider::SliderPageStepAdd;
        break;
    case Qt::Key_Up:
        action = QAbstractSlider::SliderSingleStepSub;
        break;
    case Qt::Key_Down:
        action = QAbstractSlider::SliderSingleStepAdd;
        break;
    case Qt::Key_Home:
        action = QAbstractSlider::SliderToMinimum;
        break;
    case Qt::Key_End:
        action = QAbstractSlider::SliderToMaximum;
        break;
    default:
        return false;
    }
    rtb->verticalScrollBar()->triggerAction(action);
    return true;
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

QString frmReport::BuildReport(RichTextBox& rtbTarget) {
    if (&rtbTarget == rtb) {
        StopWriting();
    }
    Writing writing(*this, rtbTarget);
    writing.Write(QElapsedTimer(), -1);
    WritingDone(rtbTarget);
    return writing.Period();
}

void frmReport::WritingDone(RichTextBox& rtbTarget) {
    // Still before the box is laid out: the writing is let go after this.
    rtbTarget.SetSelStart(0);
    rtbTarget.SetSelLength(0);
    ctlChart->hide();
    rtbTarget.setReadOnly(true);
}

modPrint::DocumentInfo frmReport::BuildPrintCopy() {
    rtbPrint->SetText(QString());
    const QString szPeriod = BuildReport(*rtbPrint);
    m_szPrintedPeriod = szPeriod;
    modPrint::DocumentInfo info;
    //: The printed document's title. %1: the period ("1 Sep 2026 to 8 Dec 2026").
    info.szTitle = tr("Tensiolog report, %1").arg(szPeriod);
    info.szCreator = (QStringLiteral("tlg ") + QCoreApplication::applicationVersion()).trimmed();
    //: The foot of each printed page. %1: the document's title, %2: the day it is printed.
    info.szFooter = tr("%1, printed %2").arg(info.szTitle, ReportComposer::FormatDate(Today()));
    return info;
}

ReportPeriod frmReport::Period() const {
    ReportPeriod period;
    period.kind = static_cast<ReportPeriodKind>(std::clamp(cboPeriod->currentIndex(), 0, 4));
    if (period.kind == ReportPeriodKind::FromTo) {
        period.dtFrom = dtFrom->date();
        period.dtTo = dtTo->date();
    }
    return period;
}

void frmReport::SetPeriod(const ReportPeriod& period) {
    {
        // One change, one composition.
        const QSignalBlocker blockFrom(dtFrom);
        const QSignalBlocker blockTo(dtTo);
        if (period.dtFrom.isValid()) {
            dtFrom->setDate(period.dtFrom);
        }
        if (period.dtTo.isValid()) {
            dtTo->setDate(period.dtTo);
        }
    }
    if (cboPeriod->currentIndex() != static_cast<int>(period.kind)) {
        cboPeriod->setCurrentIndex(static_cast<int>(period.kind));
    } else {
        PeriodChanged();
    }
}

void frmReport::cboPeriod_Click() {
    PeriodChanged();
}

void frmReport::dtFrom_Change() {
    if (Period().kind == ReportPeriodKind::FromTo) {
        PeriodChanged();
    }
}

void frmReport::dtTo_Change() {
    dtFrom_Change();
}

void frmReport::PeriodChanged() {
    const bool bRange = Period().kind == ReportPeriodKind::FromTo;
    dtFrom->setVisible(bRange);
    dtTo->setVisible(bRange);
    PlacePeriodChoice();
    StorePeriod();
    // The report shown follows at once.
    Recompose();
}

void frmReport::Recompose() {
    tim->stop();
    StopWriting();
    FillReadingsChart();
    rtb->SetText(QString());
    WriteInSteps();
}

void frmReport::ShowReadingsAgain() {
    Recompose();
}

namespace {

// Where earlier versions kept the period between runs; it is removed when found.
const QString kStaleReportGroup = QStringLiteral("Report");

// The period chosen in this run: each opening of the report starts from it, and a new run
// starts from "All readings" (fixed dates kept for weeks would silently cut a later report).
std::optional<ReportPeriod>& PeriodOfThisRun() {
    static std::optional<ReportPeriod> period;
    return period;
}

} // namespace

void frmReport::ForgetPeriodOfThisRun() {
    PeriodOfThisRun().reset();
}

void frmReport::LoadPeriod() {
    std::optional<ReportPeriod>& kept = PeriodOfThisRun();
    if (!kept) {
        QSettings settings = ProgramSettings();
        if (settings.childGroups().contains(kStaleReportGroup)) {
            settings.remove(kStaleReportGroup);
        }
    }
    const QDate dtToday = Today();
    const ReportPeriod period = kept.value_or(ReportPeriod{});
    dtFrom->setDate(period.dtFrom.isValid() ? period.dtFrom : dtToday.addMonths(-3));
    dtTo->setDate(period.dtTo.isValid() ? period.dtTo : dtToday);
    cboPeriod->setCurrentIndex(static_cast<int>(period.kind));
    const bool bRange = period.kind == ReportPeriodKind::FromTo;
    dtFrom->setVisible(bRange);
    dtTo->setVisible(bRange);
}

void frmReport::StorePeriod() {
    ReportPeriod period = Period();
    period.dtFrom = dtFrom->date();
    period.dtTo = dtTo->date();
    PeriodOfThisRun() = period;
}

void frmReport::WriteComposition(RichTextBox& rtbTarget, const ReportComposition& composition) {
    EditBlock block(rtbTarget);
    WriteLines(rtbTarget, composition, 0, composition.lines.size());
}

void frmReport::WriteLines(RichTextBox& rtbTarget, const ReportComposition& composition,
                           size_t iFrom, size_t iTo) {
    // The lines go in at the end. Placed there once, the selection stays there: each insert
    // leaves it after its own text (finding the end again for every run walked the document).
    rtbTarget.SetSelStart(rtbTarget.TextLength());
    rtbTarget.SetSelLength(0);
    // Neighbouring runs of one colour go in together; a line break is black.
    QString szPending;
    long lPending = kPressureBlack;
    const auto flush = [&] {
        rtbTarget.SetSelColor(lPending);
        rtbTarget.SetSelText(szPending);
        szPending.clear();
    };
    const auto append = [&](const QString& szText, long lColor) {
        if (lColor != lPending && !szPending.isEmpty()) {
            flush();
        }
        lPending = lColor;
        szPending += szText;
    };
    for (size_t i = iFrom; i < iTo && i < composition.lines.size(); ++i) {
        if (i > 0) {
            append(kLineBreak, kPressureBlack);
        }
        for (const ColourRun& run : composition.lines[i].runs) {
            append(run.szText, run.lColor);
        }
    }
    if (!szPending.isEmpty()) {
        flush();
    }
}

void frmReport::AppendColoredText(RichTextBox& rtbTarget, const QString& szText, long lColor) {
    rtbTarget.SetSelStart(rtbTarget.TextLength());
    rtbTarget.SetSelLength(0);
    rtbTarget.SetSelColor(lColor);
    rtbTarget.SetSelText(szText);
}

void frmReport::PasteImageRTF(RichTextBox& rtbTarget) {
    // Straight into the document: the user's clipboard is never touched, and nothing else runs
    // in the middle of a composition.
    rtbTarget.InsertPicture(img, szImgText);
}

QString frmReport::HeaderPictureText() {
    //: What a screen reader says in place of the report's header picture.
    return tr("Tensiolog, blood pressure diary");
}

std::pair<QSize, qreal> frmReport::ChartPictureSize(const RichTextBox& rtbTarget) const {
    // Sized from the box it goes into, in twips, as single-precision numbers.
    const float fWidth = static_cast<float>(rtbTarget.width() * kTwipsPerPixel * 0.7 * 2.8);
    const float fHeight = static_cast<float>(rtbTarget.height() * kTwipsPerPixel * 0.4 * 2.8);
    const int iWidth = std::max(1, qRound(fWidth / kTwipsPerPixel));
    const int iHeight = std::max(1, qRound(fHeight / kTwipsPerPixel));
    const qreal fineness = &rtbTarget == rtbPrint ? kPaperChartScale : devicePixelRatioF();
    return {QSize(iWidth, iHeight),
            std::min(fineness, kChartMaxPixels / std::max(iWidth, iHeight))};
}

void frmReport::PasteChartRTF(RichTextBox& rtbTarget) {
    const auto [size, scale] = ChartPictureSize(rtbTarget);
    ctlChart->resize(size);
    img = ctlChart->Picture(scale);
    szImgText = ReadingsPictureSummary(*ctlChart);
    PasteImageRTF(rtbTarget);
}

void frmReport::btPrint_Click() {
    const QString szNotPrinted =
        tr("This report was not printed. This was due to you either cancelling the printing or "
           "the printer being offline.");
    bool bPrinted = false;
    QString szPrinterName;
    try {
        const modPrint::DocumentInfo info = BuildPrintCopy();
        bPrinted = modPrint::PrintRichTextBox(*rtbPrint, kLeftMargin, kTopMargin, kRightMargin,
                                              kBottomMargin, &szPrinterName, info);
    } catch (...) {
        bPrinted = false;
    }
    if (bPrinted) {
        try {
            //: %1: the printer's name.
            ShowWarningMessage(
                tr("This report has been sent to your default printer (%1).").arg(szPrinterName));
            return;
        } catch (...) {
        }
    }
    ShowWarningMessage(szNotPrinted);
}

QString frmReport::DefaultPdfPath(const QDate& today) {
    QString szFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    // A documents folder that is not there would leave the dialog in whatever folder the
    // program was started from.
    if (szFolder.isEmpty() || !QFileInfo(szFolder).isDir()) {
        szFolder = QDir::homePath();
    }
    //: The file name proposed for the PDF. %1: today as 2027-03-07 (keep that form).
    return QDir(szFolder).filePath(
        tr("Tensiolog report %1.pdf").arg(today.toString(QStringLiteral("yyyy-MM-dd"))));
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
        const QString szTitle = tr("Save the report as PDF");
        //: The file type of the save dialog: keep "(*.pdf)" as it is.
        szPath = QFileDialog::getSaveFileName(this, szTitle, szProposed, tr("PDF files (*.pdf)"));
    }
    if (szPath.isEmpty()) {
        return; // cancelled
    }
    if (QFileInfo(szPath).suffix().isEmpty()) {
        szPath += QStringLiteral(".pdf");
    }
    QString szError;
    const bool bSaved = SavePdf(szPath, &szError);
    const QString szShownPath = QDir::toNativeSeparators(szPath);
    if (bSaved) {
        //: %1: the file's path.
        ShowMessageBox(QMessageBox::Information, kProductName,
                       tr("This report has been saved as %1.").arg(szShownPath), QMessageBox::Ok);
    } else {
        //: %1: the file's path, %2: the reason.
        ShowWarningMessage(tr("This report was not saved as %1 (%2).").arg(szShownPath, szError));
    }
}

bool frmReport::SavePdf(const QString& szPath, QString* pszError, QString* pszPeriod) {
    QString szError;
    bool bSaved = false;
    try {
        const modPrint::DocumentInfo info = BuildPrintCopy();
        if (pszPeriod != nullptr) {
            *pszPeriod = m_szPrintedPeriod;
        }
        bSaved = modPrint::SaveRichTextBoxAsPdf(*rtbPrint, szPath, kLeftMargin, kTopMargin,
                                                kRightMargin, kBottomMargin, &szError, info);
    } catch (const std::exception& e) {
        szError = QString::fromLocal8Bit(e.what());
    } catch (...) {
        szError = tr("unknown error");
    }
    if (pszError != nullptr) {
        *pszError = szError;
    }
    return bSaved;
}

bool frmReport::SaveReportAsPdf(std::shared_ptr<clsXMLTag> objReadings, const ReportPeriod& period,
                                const QString& szPath, QString* pszError, QString* pszPeriod) {
    frmReport frm(std::move(objReadings));
    // Arranged as the window opened at its designed size arranges itself (the printed chart's
    // shape follows the box it is made for); never shown.
    frm.resize(kDesignWidth, kDesignHeight);
    frm.Form_Activate();
    frm.tim->stop();
    {
        // The period goes to the printed copy alone: nothing is composed for the screen.
        const QSignalBlocker blockChoice(frm.cboPeriod);
        const QSignalBlocker blockFrom(frm.dtFrom);
        const QSignalBlocker blockTo(frm.dtTo);
        frm.cboPeriod->setCurrentIndex(static_cast<int>(period.kind));
        if (period.dtFrom.isValid()) {
            frm.dtFrom->setDate(period.dtFrom);
        }
        if (period.dtTo.isValid()) {
            frm.dtTo->setDate(period.dtTo);
        }
    }
    frm.FillReadingsChart();
    return frm.SavePdf(szPath, pszError, pszPeriod);
}

// ---- Readings out as CSV

void frmReport::BuildExportCsvButton() {
    //: The accelerator (&) must differ from the window's other ones (P of Period).
    btExportCsv = new QPushButton(tr("Export &CSV\u2026"), this);
    btExportCsv->setObjectName(QStringLiteral("btExportCsv"));
    //: The "Export CSV…" button's name for screen readers.
    btExportCsv->setAccessibleName(tr("Export CSV\u2026"));
    btExportCsv->setAccessibleDescription(tr("Saves the readings as a CSV file for a spreadsheet"));
    btExportCsv->setToolTip(tr("Save the readings as a CSV file for a spreadsheet"));
    btExportCsv->resize(std::max(kButtonWidth, btExportCsv->sizeHint().width()), kButtonHeight);
    connect(btExportCsv, &QPushButton::clicked, this, &frmReport::btExportCsv_Click);
    setTabOrder(btSavePdf, btExportCsv);
    // The reading keys scroll the report here too, as on the other buttons.
    btExportCsv->installEventFilter(this);
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
    //: The file name proposed for the CSV export. %1: today as 2027-03-07 (keep that form).
    return QDir(szFolder).filePath(
        tr("Tensiolog readings %1.csv").arg(today.toString(QStringLiteral("yyyy-MM-dd"))));
}

void frmReport::btExportCsv_Click() {
    const QString szProposed = DefaultCsvPath(Today());
    QString szPath;
    if (SaveDialogSeam()) {
        szPath = SaveDialogSeam()(this, szProposed);
    } else {
        const QString szTitle = tr("Export the readings as CSV");
        //: The file type of the save dialog: keep "(*.csv)" as it is.
        szPath = QFileDialog::getSaveFileName(this, szTitle, szProposed, tr("CSV files (*.csv)"));
    }
    if (szPath.isEmpty()) {
        return; // cancelled
    }
    if (QFileInfo(szPath).suffix().isEmpty()) {
        szPath += QStringLiteral(".csv");
    }
    // The export holds the days of the period the report shows.
    const auto [dtFirst, dtLast] = ReportComposer::PeriodDays(Period(), Today());
    ExportCsv(szPath, dtFirst, dtLast);
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
        bSaved = SaveCsvFile(szPath, ReadingsToCsv(m_objReadings, options, &iDays), &szReason);
    } catch (const std::exception& e) {
        szReason = QString::fromLocal8Bit(e.what());
    }
    const QString szShownPath = QDir::toNativeSeparators(szPath);
    if (bSaved) {
        //: A message's title.
        const QString szTitle = tr("Export CSV");
        //: %n: the days exported, %1: the file's path.
        ShowMessageBox(QMessageBox::Information, szTitle,
                       tr("%n day(s) have been exported to %1.", nullptr, iDays).arg(szShownPath),
                       QMessageBox::Ok);
    } else {
        //: A message's title. %1: the program's name.
        ShowMessageBox(QMessageBox::Warning, tr("%1 Warning").arg(kProductName),
                       //: %1: the file's path, %2: the reason.
                       tr("The readings were not exported to %1 (%2).").arg(szShownPath, szReason),
                       QMessageBox::Ok);
    }
    return bSaved;
}
