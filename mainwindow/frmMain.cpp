#include "mainwindow/frmMain.h"

#include "app/shell/modUtils.h"
#include "app/util/modGlobals.h"
#include "mainwindow/readings/ReadingsChart.h"
#include "mainwindow/readings/ReadingsSchema.h"
#include "mainwindow/readings/ctlChart.h"
#include "report/frmReport.h"
#include "resources/Resources.h"
#include "xmlstore/clsXML.h"
#include "xmlstore/clsXMLTag.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSettings>
#include <QTextDocument>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <exception>
#include <optional>

const QString frmMain::kSettingsGroup = QStringLiteral("Settings");
const QString frmMain::kMainLeftKey = QStringLiteral("MainLeft");
const QString frmMain::kMainTopKey = QStringLiteral("MainTop");

namespace {

// Host of the program's home page, set at build time.
const QString kHomeHost = QStringLiteral(TLG_HOME_HOST);

// How much of the window must lie inside one screen's available area for it to be reachable.
constexpr int kMinVisibleWidth = 100;
constexpr int kMinVisibleHeight = 40;

// The settings store of the program: the platform's own, unless another default format was
// chosen (tests choose a file of their own, never the user's registry).
QSettings ProgramSettings() {
    return QSettings(QSettings::defaultFormat(), QSettings::UserScope, QStringLiteral("tlg"),
                     QStringLiteral("tlg"));
}

// The window's fonts: "MS Sans Serif" where it exists, else the closest sans-serif the
// platform has (the ones of about the same width first), else its default sans-serif.
QFont MsSansSerif(qreal pointSize, bool bBold) {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bBold);
    return font;
}

// Keeps a label's text whole where the platform's font is wider than the design's: a one-line
// label grows sideways around its alignment (its background is transparent), a wrapped label
// grows down as far as iMaxHeight allows and then its font shrinks a little until the text fits.
void FitLabel(QLabel& label, int iMaxHeight = 0) {
    if (label.wordWrap()) {
        const int iNeeded = label.heightForWidth(label.width());
        if (iNeeded > label.height() && iMaxHeight > label.height()) {
            label.resize(label.width(), std::min(iNeeded, iMaxHeight));
        }
        QFont font = label.font();
        while (label.heightForWidth(label.width()) > label.height() && font.pointSizeF() > 7.0) {
            font.setPointSizeF(font.pointSizeF() - 0.25);
            label.setFont(font);
        }
        return;
    }
    const int iNeeded = label.sizeHint().width();
    if (iNeeded <= label.width()) {
        return;
    }
    QRect box = label.geometry();
    const int iExtra = iNeeded - box.width();
    if (label.alignment() & Qt::AlignHCenter) {
        box.adjust(-iExtra / 2, 0, iExtra - iExtra / 2, 0);
    } else {
        box.setWidth(iNeeded);
    }
    label.setGeometry(box);
}

// The comment as the box shows it: the tree's CR LF (or a lone CR) as the box's line breaks.
QString CommentToBox(QString szValue) {
    szValue.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    szValue.replace(u'\r', u'\n');
    return szValue;
}

// The box's text as the tree holds it: every line break as CR LF. The raw text keeps every
// character as typed (plain text would turn non-breaking spaces into blanks).
QString CommentFromBox(const QPlainTextEdit& box) {
    QString szText = box.document()->toRawText();
    szText.replace(QChar::ParagraphSeparator, u'\n');
    szText.replace(QChar::LineSeparator, u'\n');
    szText.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return szText;
}

// Advance rule of the diastolic and pulse boxes: two characters unless the first is "1",
// and always three.
bool MeetsTwoOrThreeRule(const QString& szText) {
    if (szText.length() == 2 && szText.at(0) != u'1') {
        return true;
    }
    return szText.length() == 3;
}

// A rectangle outline or a line painted on the window, in twips.
struct Outline {
    double left, top, width, height;
};
constexpr Outline kShapes[] = {
    {4740, 720, 4275, 2475}, // Shape4: frames the calendar
    {9180, 2400, 1095, 795}, // Shape3: the pulse box and its label
    {9180, 720, 1095, 1635}, // Shape2: the systolic and diastolic boxes
    {240, 660, 10095, 3315}, // Shape1: the whole upper area
};
constexpr double kLine1[] = {9180, 1500, 10260, 1500};

} // namespace

frmMain::frmMain(QWidget* parent) : frmMain(Today(), parent) {}

frmMain::frmMain(const QDate& dtToday, QWidget* parent)
    : FramelessWindow(ArtworkPath(QStringLiteral("main-background.svg")), parent) {
    BuildControls();
    Form_Load(dtToday);
}

frmMain::~frmMain() {
    // No handler may run while the controls go away.
    for (QWidget* control : HandledControls()) {
        control->removeEventFilter(this);
    }
}

std::vector<QWidget*> frmMain::HandledControls() const {
    return {txtSystolic, txtDiastolic,  txtPulse, txtComment,
            lblReset,    lblDisclaimer, lblTips,  imgCorvalenLink};
}

void frmMain::BuildControls() {
    setWindowTitle(QStringLiteral("tlg"));
    setWindowIcon(QIcon(ArtworkPath(QStringLiteral("icon.svg"))));
    setObjectName(QStringLiteral("frmMain"));

    const auto place = [this](QWidget* control, const QString& szName, double left, double top,
                              double width, double height) {
        control->setObjectName(szName);
        control->setGeometry(TwipsRect(left, top, width, height));
        // Presses on a control never drag the window; only the background does.
        control->setAttribute(Qt::WA_NoMousePropagation);
    };
    const auto label = [&](const QString& szName, const QString& szCaption, double left, double top,
                           double width, double height, qreal pointSize, const QColor& colour,
                           Qt::Alignment alignment, bool bWrap = false) {
        auto* control = new QLabel(szCaption, this);
        place(control, szName, left, top, width, height);
        control->setFont(MsSansSerif(pointSize, true));
        control->setAlignment(alignment | Qt::AlignTop);
        control->setWordWrap(bWrap);
        QPalette colours = control->palette();
        colours.setColor(QPalette::WindowText, colour);
        control->setPalette(colours);
        FitLabel(*control);
        return control;
    };
    const auto entryBox = [&](const QString& szName, double top, const QString& szTip) {
        auto* box = new QLineEdit(this);
        place(box, szName, 9300, top, 855, 435);
        box->setMaxLength(3);
        box->setAlignment(Qt::AlignCenter);
        box->setFont(MsSansSerif(18, false));
        box->setToolTip(szTip);
        box->setCursor(HandPointer());
        box->setStyleSheet(QStringLiteral(
            "QLineEdit { padding: 0px; border: 1px solid #7f8fa6; border-radius: 2px;"
            " background: #ffffff; color: #101820; }"
            "QLineEdit:focus { border: 1px solid #ffd84a; }"));
        return box;
    };
    const auto pictureButton = [&](const QString& szName, const QString& szArtwork, double left,
                                   double top, double width, double height, const QString& szTip) {
        auto* button = new PictureButton(ArtworkPath(szArtwork), this);
        place(button, szName, left, top, width, height);
        button->setToolTip(szTip);
        button->setCursor(HandPointer());
        return button;
    };

    ctlCal = new QCalendarWidget(this);
    place(ctlCal, QStringLiteral("ctlCal"), 4920, 840, 4035, 2235);
    QFont calendarFont = ctlCal->font();
    calendarFont.setPointSizeF(8);
    ctlCal->setFont(calendarFont);
    ctlCal->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    ctlCal->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    // Day keys hold the year in four digits.
    ctlCal->setDateRange(QDate(1900, 1, 1), QDate(9999, 12, 31));

    btClose2 = pictureButton(QStringLiteral("btClose2"), QStringLiteral("main-close-button.svg"),
                             6960, 6960, 3435, 435, QStringLiteral("Close the Tensiolog now"));
    btReport = pictureButton(QStringLiteral("btReport"), QStringLiteral("main-report-button.svg"),
                             780, 2580, 3375, 435,
                             QStringLiteral("View the detailed report of your readings."));

    txtComment = new QPlainTextEdit(this);
    place(txtComment, QStringLiteral("txtComment"), 4740, 3360, 5535, 555);
    txtComment->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtComment->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtComment->setTabChangesFocus(true);
    txtComment->setToolTip(
        QStringLiteral("Please enter a short comment on what you did on this day"));
    txtComment->setCursor(HandPointer());
    txtComment->viewport()->setCursor(HandPointer());
    txtComment->document()->setDocumentMargin(2);

    txtPulse = entryBox(QStringLiteral("txtPulse"), 2460,
                        QStringLiteral("Please enter your pulse measurement for this day."));
    btClose = pictureButton(QStringLiteral("btClose"), QStringLiteral("close-mark.svg"), 9960, 120,
                            375, 375, QStringLiteral("Close the Tensiolog"));
    txtSystolic =
        entryBox(QStringLiteral("txtSystolic"), 780,
                 QStringLiteral("Please enter your Systolic pressure measurement for this day. The "
                                "Systolic is the higher of the two pressure readings. "));
    txtDiastolic = entryBox(
        QStringLiteral("txtDiastolic"), 1620,
        QStringLiteral("Please enter your Diastolic pressure measurement for this day. The "
                       "Diastolic is the lower of the two pressure readings."));

    ctlChart = new ::ctlChart(this);
    place(ctlChart, QStringLiteral("ctlChart"), 240, 4020, 10155, 2955);
    StyleChartForScreen(*ctlChart);

    const QColor blue(0, 0, 255);
    lblReset = label(QStringLiteral("lblReset"), QStringLiteral("Reset data and start again"), 1080,
                     3480, 2895, 255, 9.75, blue, Qt::AlignHCenter);
    lblReset->setToolTip(
        QStringLiteral("Click here to remove all the readings you have supplied so far."));
    lblDisclaimer = label(QStringLiteral("lblDisclaimer"), QStringLiteral("Health Warning"), 4860,
                          7080, 1395, 315, 8.25, QColor(255, 0, 0), Qt::AlignLeft);
    lblTips =
        label(QStringLiteral("lblTips"), QStringLiteral("Blood Pressure Information and Tips"), 600,
              3120, 3855, 255, 9.75, blue, Qt::AlignLeft);
    lblTips->setToolTip(
        QStringLiteral("Find our more about blood pressure and taking your own readings"));
    const QColor instructions(16, 24, 40);
    lblInstructions[1] =
        label(QStringLiteral("lblInstructions_1"),
              QStringLiteral("The graph below illustrates the readings you have entered. To see a "
                             "detailed report click on the button below."),
              300, 1740, 4335, 735, 9.75, instructions, Qt::AlignLeft, true);
    // The text may run down to just above the report button.
    lblInstructions[1]->setFont(MsSansSerif(9.75, true));
    FitLabel(*lblInstructions[1], btReport->y() - lblInstructions[1]->y() - 3);
    lbl[3] = label(QStringLiteral("lbl_3"), QStringLiteral("Comment"), 4740, 3180, 855, 255, 8.25,
                   QApplication::palette().color(QPalette::HighlightedText), Qt::AlignHCenter);
    lblInstructions[0] =
        label(QStringLiteral("lblInstructions_0"),
              QStringLiteral("Please select the day when you took the readings, enter the reading "
                             "values and add a short comment about what you did on that day. "),
              300, 720, 4395, 1035, 9.75, instructions, Qt::AlignLeft, true);

    imgCorvalenLink = new QLabel(this);
    place(imgCorvalenLink, QStringLiteral("imgCorvalenLink"), 180, 7020, 4335, 315);
    imgCorvalenLink->setToolTip(QStringLiteral("Go to the Corvalen Website"));

    lbl[2] = label(QStringLiteral("lbl_2"), QStringLiteral("Pulse"), 9300, 2940, 855, 195, 8.25,
                   QColor(255, 255, 0), Qt::AlignHCenter);
    lbl[1] = label(QStringLiteral("lbl_1"), QStringLiteral("Systolic"), 9300, 1260, 855, 255, 8.25,
                   QColor(0, 255, 255), Qt::AlignHCenter);
    lbl[0] = label(QStringLiteral("lbl_0"), QStringLiteral("Diastolic"), 9300, 2100, 855, 255, 8.25,
                   QColor(128, 128, 255), Qt::AlignHCenter);

    // The boxes' focus and key handlers and the clickable labels' clicks.
    for (QWidget* box : HandledControls()) {
        box->installEventFilter(this);
    }
    for (QLabel* control : {lblReset, lblDisclaimer, lblTips, imgCorvalenLink}) {
        control->setCursor(HandPointer());
    }

    QWidget::setTabOrder(ctlCal, txtSystolic);
    QWidget::setTabOrder(txtSystolic, txtDiastolic);
    QWidget::setTabOrder(txtDiastolic, txtPulse);
    QWidget::setTabOrder(txtPulse, txtComment);
    QWidget::setTabOrder(txtComment, btClose);
    QWidget::setTabOrder(btClose, btReport);
    QWidget::setTabOrder(btReport, btClose2);

    connect(btClose, &QAbstractButton::clicked, this, [this] { btClose_Click(); });
    connect(btClose2, &QAbstractButton::clicked, this, [this] { btClose2_Click(); });
    connect(btReport, &QAbstractButton::clicked, this, [this] { btReport_Click(); });

    // A click or Enter picks a day; the arrow keys move the selection, and the boxes follow it
    // so that what is typed always goes to the day the calendar shows.
    connect(ctlCal, &QCalendarWidget::clicked, this, [this] { ctlCal_DayPicked(true); });
    connect(ctlCal, &QCalendarWidget::activated, this, [this] { ctlCal_DayPicked(true); });
    connect(ctlCal, &QCalendarWidget::selectionChanged, this, [this] {
        if (!m_bSettingCalendar && ctlCal->selectedDate() != m_dtLoaded) {
            ctlCal_DayPicked(false);
        }
    });
}

void frmMain::Form_Load(const QDate& dtToday) {
    RestorePosition();
    SelectCalendarDay(dtToday);
    FillReadingsChart();
    LoadSelectedDay();
    // The first thing typed goes to today's systolic value.
    txtSystolic->setFocus(Qt::OtherFocusReason);
}

void frmMain::Guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ShowErrorMessage(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ShowErrorMessage(QStringLiteral("an unexpected error occurred"));
    }
}

void frmMain::SelectCalendarDay(const QDate& dt) {
    const bool bWasSetting = m_bSettingCalendar;
    m_bSettingCalendar = true;
    ctlCal->setSelectedDate(dt);
    m_bSettingCalendar = bWasSetting;
}

QPointF frmMain::RestoredPositionTwips(const QString* pszLeft, const QString* pszTop,
                                       const QSize& windowSize,
                                       const QList<QRect>& availableAreas) {
    const auto parse = [](const QString* pszValue, double& value) {
        if (pszValue == nullptr) {
            return false;
        }
        bool bOk = false;
        const float number = pszValue->trimmed().toFloat(&bOk);
        if (!bOk || !std::isfinite(number)) {
            return false;
        }
        value = number;
        return true;
    };
    QPointF position(kDefaultPositionTwips, kDefaultPositionTwips);
    double value = 0;
    if (parse(pszLeft, value)) {
        position.setX(value);
    }
    if (parse(pszTop, value)) {
        position.setY(value);
    }
    if (availableAreas.isEmpty()) {
        return position;
    }
    const QRectF window(position / kTwipsPerPixel, QSizeF(windowSize));
    const double minWidth = std::min<double>(kMinVisibleWidth, windowSize.width());
    const double minHeight = std::min<double>(kMinVisibleHeight, windowSize.height());
    for (const QRect& area : availableAreas) {
        const QRectF visible = window.intersected(QRectF(area));
        if (visible.width() >= minWidth && visible.height() >= minHeight) {
            return position;
        }
    }
    return {kDefaultPositionTwips, kDefaultPositionTwips};
}

void frmMain::RestorePosition() {
    QSettings settings = ProgramSettings();
    settings.beginGroup(kSettingsGroup);
    const auto read = [&settings](const QString& szKey) -> std::optional<QString> {
        const QVariant value = settings.value(szKey);
        if (!value.isValid()) {
            return std::nullopt;
        }
        return value.toString();
    };
    const std::optional<QString> szLeft = read(kMainLeftKey);
    const std::optional<QString> szTop = read(kMainTopKey);
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        areas.append(screen->availableGeometry());
    }
    const QPointF position = RestoredPositionTwips(szLeft ? &*szLeft : nullptr,
                                                   szTop ? &*szTop : nullptr, size(), areas);
    SetLeftTwips(position.x());
    SetTopTwips(position.y());
}

void frmMain::StorePosition() {
    QSettings settings = ProgramSettings();
    settings.beginGroup(kSettingsGroup);
    settings.setValue(kMainLeftKey, QString::number(std::llround(LeftTwips())));
    settings.setValue(kMainTopKey, QString::number(std::llround(TopTwips())));
    settings.sync();
}

void frmMain::Form_Unload() {
    // The other windows of the program, the most recently made first: a window's handle is
    // made when it is first shown, and the application lists the newest handle first.
    const QWindowList handles = QGuiApplication::allWindows();
    QList<QWidget*> others;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget == this || widget->parentWidget() != nullptr ||
            widget->windowType() == Qt::ToolTip || widget->windowType() == Qt::Popup ||
            widget->windowType() == Qt::Desktop) {
            continue;
        }
        others.append(widget);
    }
    const auto rank = [&handles](const QWidget* widget) {
        const QWindow* handle = widget->windowHandle();
        return handle ? handles.indexOf(handle) : -1;
    };
    std::stable_sort(others.begin(), others.end(),
                     [&](const QWidget* a, const QWidget* b) { return rank(a) < rank(b); });
    for (QWidget* other : others) {
        other->close();
    }
    if (!isMinimized()) {
        StorePosition();
    }
}

void frmMain::LoadSelectedDay() {
    const QDate dt = ctlCal->selectedDate();
    const QString szKey = DayKey(static_cast<qint16>(dt.year()), static_cast<qint16>(dt.month()),
                                 static_cast<qint16>(dt.day()));
    const DayEntryTags tags = FindOrCreateDayEntry(objReadings, szKey);
    objSystolicTag = tags.objSystolicTag;
    objDiastolicTag = tags.objDiastolicTag;
    objPulseTag = tags.objPulseTag;
    objCommentTag = tags.objCommentTag;
    m_dtLoaded = dt;
    NoteReadingsChanged();

    txtSystolic->setText(objSystolicTag->szValue);
    txtDiastolic->setText(objDiastolicTag->szValue);
    txtPulse->setText(objPulseTag->szValue);
    txtComment->setPlainText(CommentToBox(objCommentTag->szValue));
}

void frmMain::FillReadingsChart() {
    if (objReadings) {
        FillChartFromReadings(*ctlChart, objReadings);
    } else {
        ctlChart->setVisible(false);
    }
}

void frmMain::ctlCal_DayPicked(bool bMoveFocus) {
    Guarded([&] {
        try {
            LoadSelectedDay();
        } catch (...) {
            // The calendar must keep showing the day the boxes belong to.
            if (m_dtLoaded.isValid()) {
                SelectCalendarDay(m_dtLoaded);
            }
            throw;
        }
        if (bMoveFocus) {
            txtSystolic->setFocus(Qt::OtherFocusReason);
        }
    });
}

void frmMain::txtSystolic_GotFocus() {
    txtSystolic->setSelection(0, static_cast<int>(txtSystolic->text().length()));
}

void frmMain::txtSystolic_KeyUp() {
    const QString szText = txtSystolic->text();
    objSystolicTag->szValue = szText;
    NoteReadingsChanged();
    if (szText.length() == 3) {
        txtDiastolic->setFocus(Qt::OtherFocusReason);
    }
}

void frmMain::txtSystolic_LostFocus() {
    FillReadingsChart();
}

void frmMain::txtDiastolic_GotFocus() {
    txtDiastolic->setSelection(0, static_cast<int>(txtDiastolic->text().length()));
}

void frmMain::txtDiastolic_KeyUp() {
    const QString szText = txtDiastolic->text();
    objDiastolicTag->szValue = szText;
    NoteReadingsChanged();
    if (MeetsTwoOrThreeRule(szText)) {
        txtPulse->setFocus(Qt::OtherFocusReason);
    }
}

void frmMain::txtDiastolic_LostFocus() {
    FillReadingsChart();
}

void frmMain::txtPulse_GotFocus() {
    txtPulse->setSelection(0, static_cast<int>(txtPulse->text().length()));
}

void frmMain::txtPulse_KeyUp() {
    const QString szText = txtPulse->text();
    objPulseTag->szValue = szText;
    NoteReadingsChanged();
    if (MeetsTwoOrThreeRule(szText)) {
        txtComment->setFocus(Qt::OtherFocusReason);
    }
}

void frmMain::txtPulse_LostFocus() {
    FillReadingsChart();
}

void frmMain::txtComment_KeyUp() {
    objCommentTag->szValue = CommentFromBox(*txtComment);
    NoteReadingsChanged();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyRelease) {
        if (watched == txtSystolic) {
            Guarded([this] { txtSystolic_KeyUp(); });
        } else if (watched == txtDiastolic) {
            Guarded([this] { txtDiastolic_KeyUp(); });
        } else if (watched == txtPulse) {
            Guarded([this] { txtPulse_KeyUp(); });
        } else if (watched == txtComment) {
            Guarded([this] { txtComment_KeyUp(); });
        }
    } else if (type == QEvent::FocusIn) {
        if (watched == txtSystolic) {
            Guarded([this] { txtSystolic_GotFocus(); });
        } else if (watched == txtDiastolic) {
            Guarded([this] { txtDiastolic_GotFocus(); });
        } else if (watched == txtPulse) {
            Guarded([this] { txtPulse_GotFocus(); });
        }
    } else if (type == QEvent::FocusOut) {
        if (watched == txtSystolic) {
            Guarded([this] { txtSystolic_LostFocus(); });
        } else if (watched == txtDiastolic) {
            Guarded([this] { txtDiastolic_LostFocus(); });
        } else if (watched == txtPulse) {
            Guarded([this] { txtPulse_LostFocus(); });
        }
    } else if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease) {
        auto* label = qobject_cast<QLabel*>(watched);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (label != nullptr && mouse->button() == Qt::LeftButton) {
            // A click: released over the label it was pressed on.
            if (type == QEvent::MouseButtonRelease &&
                label->rect().contains(mouse->position().toPoint())) {
                if (label == lblReset) {
                    lblReset_Click();
                } else if (label == lblDisclaimer) {
                    lblDisclaimer_Click();
                } else if (label == lblTips) {
                    lblTips_Click();
                } else if (label == imgCorvalenLink) {
                    imgCorvalenLink_Click();
                }
            }
            return true;
        }
    }
    return FramelessWindow::eventFilter(watched, event);
}

void frmMain::paintEvent(QPaintEvent* event) {
    FramelessWindow::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(QColor(150, 170, 200), 1));
    painter.setBrush(Qt::NoBrush);
    for (const Outline& shape : kShapes) {
        painter.drawRect(QRectF(TwipsRect(shape.left, shape.top, shape.width, shape.height))
                             .adjusted(0.5, 0.5, -0.5, -0.5));
    }
    painter.drawLine(QPointF(kLine1[0] / kTwipsPerPixel, kLine1[1] / kTwipsPerPixel + 0.5),
                     QPointF(kLine1[2] / kTwipsPerPixel, kLine1[3] / kTwipsPerPixel + 0.5));
}

void frmMain::btClose_Click() {
    Guarded([this] {
        FadeOut();
        hide();
    });
}

void frmMain::btClose2_Click() {
    btClose_Click();
}

void frmMain::btReport_Click() {
    Guarded([this] {
        // Whatever happens, the window does not stay see-through.
        struct FadeBack {
            frmMain* window;
            bool bFadedIn = false;
            ~FadeBack() {
                if (!bFadedIn) {
                    SetWindowTransparency(window, kColourKey, 255);
                }
            }
        } fadeBack{this};
        const std::unique_ptr<frmReport> report = std::make_unique<frmReport>(this);
        FadeOut();
        report->exec();
        FadeIn();
        fadeBack.bFadedIn = true;
    });
}

void frmMain::lblReset_Click() {
    Guarded([this] {
        const QMessageBox::StandardButton answer = ShowMessageBox(
            QMessageBox::Warning, QStringLiteral("Reset Data Confirmation"),
            QStringLiteral("You are about to remove all the readings you have entered so far. "
                           "Are you sure?"),
            QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes) {
            return;
        }
        StartEmptyDocument();
        NoteReadingsChanged();
        LoadSelectedDay();
        // The focus goes first, so that no box leaving it refills the chart afterwards: the
        // chart stays hidden until a measurement box next loses the focus.
        txtSystolic->setFocus(Qt::OtherFocusReason);
        ctlChart->setVisible(false);
    });
}

void frmMain::lblDisclaimer_Click() {
    Guarded([] {
        ShowMessageBox(
            QMessageBox::Information, QStringLiteral("Warning Disclaimer"),
            QStringLiteral(
                "The information provided by this software should not be used as a basis for "
                "diagnosis or treament which can only be provided by a qualified medical "
                "practitioner. You should consult your doctor or an appropriate health "
                "professional for specific personal advice if you have any concerns about your "
                "health."),
            QMessageBox::Ok);
    });
}

void frmMain::lblTips_Click() {
    Guarded([] { OpenWebLink(kHomeHost + QStringLiteral("/tlg/index.php?src=tlgapp")); });
}

void frmMain::imgCorvalenLink_Click() {
    Guarded([] { OpenWebLink(kHomeHost + QStringLiteral("?src=tlgapp")); });
}
