#include "mainwindow/frmMain.h"

#include "diary/DayReadings.h"
#include "diary/ProcessMemory.h"
#include "diary/ReadingsCsv.h"
#include "diary/ReadingsSchema.h"
#include "diary/TextToInteger.h"
#include "diary/modFiles.h"
#include "diary/modGlobals.h"
#include "i18n/LocalDates.h"
#include "i18n/Translations.h"
#include "mainwindow/CalendarGridAccessible.h"
#include "mainwindow/CsvImport.h"
#include "mainwindow/DateRollover.h"
#include "mainwindow/EntryBox.h"
#include "mainwindow/FocusFrames.h"
#include "mainwindow/LayoutFitting.h"
#include "mainwindow/ReadingSwitcher.h"
#include "report/frmReport.h"
#include "resources/Resources.h"
#include "widgets/LinkLabel.h"
#include "widgets/ReadingsChart.h"
#include "widgets/ctlChart.h"
#include "widgets/modUtils.h"
#include "xmlstore/clsXML.h"
#include "xmlstore/clsXMLTag.h"
#include "xmlstore/clsXMLTags.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCalendarWidget>
#include <QDateTime>
#include <QDir>
#include <QDropEvent>
#include <QEvent>
#include <QFile>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QInputMethodEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSettings>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <exception>
#include <limits>
#include <optional>
#include <utility>

const QString frmMain::kSettingsGroup = QStringLiteral("Settings");
const QString frmMain::kMainLeftKey = QStringLiteral("MainLeft");
const QString frmMain::kMainTopKey = QStringLiteral("MainTop");

namespace {
int s_iTypingPauseMs = frmMain::kDefaultTypingPauseMs;
} // namespace

void frmMain::SetTypingPause(int iMilliseconds) {
    s_iTypingPauseMs = iMilliseconds;
}

namespace {

// Host of the program's home page, set at build time.
const QString kHomeHost = QStringLiteral(TLG_HOME_HOST);

// How much of the window must lie inside one screen's available area for it to be reachable.
constexpr int kMinVisibleWidth = 100;
constexpr int kMinVisibleHeight = 40;

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

// The comment as the box shows it: the tree's CR LF (or a lone CR) as the box's line breaks.
QString CommentToBox(QString szValue) {
    return CommentAsTyped(std::move(szValue));
}

// A stored comment longer than the box takes, as the box shows it: a sentence saying so, then
// the comment's beginning (only that much of it is converted, however long it is).
QString ShortenedCommentText(const QString& szStored) {
    const QLocale locale = DisplayLocale();
    //: %1 the comment's length, %2 the most the box takes (numbers of characters)
    return frmMain::tr("[This comment is %1 characters long, longer than the %2 this box takes. It "
                       "is kept whole in the diary; only its beginning is shown here, and it "
                       "cannot be changed in this window.]")
               .arg(locale.toString(CommentLength(szStored)), locale.toString(kMaxCommentLength)) +
           u'\n' + CommentAsTyped(szStored.left(2 * kMaxCommentLength)).left(kMaxCommentLength) +
           QStringLiteral("\u2026");
}

// The words the window's pictures hold (main-background.svg, main-close-button.svg and
// main-report-button.svg), for translators: FramelessWindow draws them in the user's language.
[[maybe_unused]] constexpr const char* kArtworkWords[] = {
    //: The window's heading, after the program's name; small room
    QT_TRANSLATE_NOOP("Artwork", "your blood pressure diary"),
    //: The window's foot, after the web address; small room
    QT_TRANSLATE_NOOP("Artwork", "free blood pressure diary"),
    //: A button; small room
    QT_TRANSLATE_NOOP("Artwork", "Close"),
    //: A button; small room
    QT_TRANSLATE_NOOP("Artwork", "View report"),
};

// A day in words with its weekday: "Monday 7 December 2026".
QString DayWithWeekday(const QDate& dt) {
    //: %1 the weekday ("Monday"), %2 the date ("7 December 2026")
    return frmMain::tr("%1 %2").arg(DisplayLocale().dayName(dt.dayOfWeek()),
                                    LocalDates::LongDate(dt));
}

// The frame of the entry boxes.
const QColor kBoxFrame = EntryBoxFrameColour();

// What an entry box says, ahead of its own tip, while its text is not a number.
QString NotANumberText() {
    return frmMain::tr(
        "Not a number: it is stored as typed but not counted in the chart or the report.");
}

// The comment box's viewport to a screen reader: a plain area inside the named box that never
// claims the keyboard focus (the box itself holds it).
class CommentViewportAccessible : public QAccessibleWidget {
public:
    explicit CommentViewportAccessible(QWidget* viewport)
        : QAccessibleWidget(viewport, QAccessible::Client) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = false;
        state.focused = false;
        return state;
    }
};

// The comment box: what is pasted or dropped into it is cut to the room the box has left.
class CommentBox : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

    // Characters the box still takes in place of its selection.
    qsizetype Room() const {
        return kMaxCommentLength - (document()->characterCount() - 1) +
               textCursor().selectedText().size();
    }

protected:
    void insertFromMimeData(const QMimeData* source) override {
        if (source == nullptr || !source->hasText()) {
            return;
        }
        QString szText = CommentAsTyped(source->text());
        if (szText.size() > Room()) {
            szText.truncate(std::max<qsizetype>(0, Room()));
            QApplication::beep();
        }
        textCursor().insertText(szText);
        ensureCursorVisible();
    }
};

QAccessibleInterface* CommentViewportFactory(const QString& /*szClass*/, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) {
        return nullptr;
    }
    const auto* box = dynamic_cast<const CommentBox*>(widget->parentWidget());
    if (box == nullptr || box->viewport() != widget) {
        return nullptr;
    }
    return new CommentViewportAccessible(widget);
}

// The box's text as the tree holds it: every line break as CR LF. The raw text keeps every
// character as typed (plain text would turn non-breaking spaces into blanks).
QString CommentFromBox(const QPlainTextEdit& box) {
    QString szText = box.document()->toRawText();
    szText.replace(QChar::ParagraphSeparator, u'\n');
    szText.replace(QChar::LineSeparator, u'\n');
    return CommentForStore(std::move(szText));
}

// The colour of those outlines: they lie on the artwork's dark teal, where a light blue-grey
// stands out at about 5:1 and the usual black would fade to about 2:1.
constexpr QRgb kOutline = qRgb(150, 170, 200);

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

frmMain::frmMain(const QDate& dtToday, QWidget* parent) : frmMain(ControlsOnly{}, parent) {
    Form_Load(dtToday);
}

frmMain::frmMain(ControlsOnly /*unused*/, QWidget* parent)
    : FramelessWindow(ArtworkPath(QStringLiteral("main-background.svg")), parent),
      m_bControlsMade(MakeControls()), ctlCal(Child<QCalendarWidget>(u"ctlCal")),
      txtSystolic(Child<QLineEdit>(u"txtSystolic")),
      txtDiastolic(Child<QLineEdit>(u"txtDiastolic")), txtPulse(Child<QLineEdit>(u"txtPulse")),
      txtComment(Child<QPlainTextEdit>(u"txtComment")), ctlChart(Child<::ctlChart>(u"ctlChart")),
      lblChartEmpty(MakeChartEmptyLabel()), btClose(Child<PictureButton>(u"btClose")),
      btClose2(Child<PictureButton>(u"btClose2")), btReport(Child<PictureButton>(u"btReport")),
      lblReset(Child<LinkLabel>(u"lblReset")), lblDisclaimer(Child<LinkLabel>(u"lblDisclaimer")),
      lblTips(Child<LinkLabel>(u"lblTips")), lblInstructions{Child<QLabel>(u"lblInstructions_0"),
                                                             Child<QLabel>(u"lblInstructions_1")},
      lbl{Child<QLabel>(u"lbl_0"), Child<QLabel>(u"lbl_1"), Child<QLabel>(u"lbl_2"),
          Child<QLabel>(u"lbl_3")},
      imgCorvalenLink(Child<LinkLabel>(u"imgCorvalenLink")),
      ctlReadings(Child<ReadingSwitcher>(u"ctlReadings")),
      m_focusFrames(*ctlCal, {lblReset, lblTips, lblDisclaimer, imgCorvalenLink}) {
    BuildControls();
    m_boxHandlers = {
        {txtSystolic, &frmMain::txtSystolic_GotFocus, &frmMain::txtSystolic_KeyUp,
         &frmMain::txtSystolic_LostFocus},
        {txtDiastolic, &frmMain::txtDiastolic_GotFocus, &frmMain::txtDiastolic_KeyUp,
         &frmMain::txtDiastolic_LostFocus},
        {txtPulse, &frmMain::txtPulse_GotFocus, &frmMain::txtPulse_KeyUp,
         &frmMain::txtPulse_LostFocus},
        {txtComment, nullptr, &frmMain::txtComment_KeyUp, nullptr},
    };
    SetUpCsvDrop();
}

frmMain::~frmMain() {
    // No handler may run while the controls go away.
    for (QWidget* control : HandledControls()) {
        control->removeEventFilter(this);
    }
}

namespace {

// The controls of the window, in the order they are made (later ones lie on top). Positions
// and sizes in twips.
enum class Kind {
    Label,
    WrappedLabel,
    LinkLabel,
    WebLink,
    EntryBox,
    CommentBox,
    PictureButton,
    Calendar,
    Chart
};

struct ControlRow {
    Kind kind;
    const char16_t* szName;
    double left, top, width, height;
    // Caption of a label; artwork of a picture button. The texts are translated at use.
    const char* szCaption;
    // Tooltip, and the description a screen reader gives.
    const char* szTip;
    // What a screen reader calls the control (empty: its caption).
    const char* szAccessibleName;
    qreal pointSize;
    QRgb colour;
    Qt::Alignment alignment;
};

constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kInstructions = qRgb(16, 24, 40);
// The red of the health warning and of the calendar's weekend days: dark enough to read on
// white (about 6:1, where pure red reaches 4:1).
constexpr QRgb kReadableRed = qRgb(200, 0, 0);
// The calendar's month header and selected day: the usual highlight blue, darker, so that its
// white text reads at about 5:1.
constexpr QRgb kReadableHighlight = qRgb(40, 115, 168);
// The calendar's days of the months before and after: grey, at about 6:1 on white (thin
// lettering shows lighter than its colour).
constexpr QRgb kReadableGrey = qRgb(100, 100, 100);
// Marks the comment label's colour: the platform's highlighted-text colour.
constexpr QRgb kHighlightedText = 0;

constexpr ControlRow kControls[] = {
    {Kind::Calendar,
     u"ctlCal",
     4920,
     840,
     4035,
     2235,
     "",
     "",
     QT_TRANSLATE_NOOP("frmMain", "Calendar: the day of the readings"),
     8,
     0,
     {}},
    {Kind::PictureButton,
     u"btClose2",
     6960,
     6960,
     3435,
     435,
     "main-close-button.svg",
     QT_TRANSLATE_NOOP("frmMain", "Close the Tensiolog now"),
     QT_TRANSLATE_NOOP("frmMain", "Close Tensiolog"),
     0,
     0,
     {}},
    {Kind::PictureButton,
     u"btReport",
     780,
     2580,
     3375,
     435,
     "main-report-button.svg",
     QT_TRANSLATE_NOOP("frmMain", "View the detailed report of your readings."),
     QT_TRANSLATE_NOOP("frmMain", "View report"),
     0,
     0,
     {}},
    {Kind::CommentBox,
     u"txtComment",
     4740,
     3360,
     4260,
     555,
     "",
     QT_TRANSLATE_NOOP("frmMain", "Please enter a short comment on what you did on this day"),
     QT_TRANSLATE_NOOP("frmMain", "Comment"),
     0,
     0,
     {}},
    {Kind::EntryBox,
     u"txtPulse",
     9300,
     2460,
     855,
     435,
     "",
     QT_TRANSLATE_NOOP("frmMain", "Please enter your pulse measurement for this day."),
     QT_TRANSLATE_NOOP("frmMain", "Pulse, beats per minute"),
     18,
     0,
     {}},
    {Kind::PictureButton,
     u"btClose",
     9960,
     120,
     375,
     375,
     "close-mark.svg",
     QT_TRANSLATE_NOOP("frmMain", "Close the Tensiolog"),
     QT_TRANSLATE_NOOP("frmMain", "Close"),
     0,
     0,
     {}},
    {Kind::EntryBox,
     u"txtSystolic",
     9300,
     780,
     855,
     435,
     "",
     QT_TRANSLATE_NOOP(
         "frmMain",
         "Please enter your Systolic pressure measurement for this day. The Systolic is the higher "
         "of the two pressure readings. "),
     QT_TRANSLATE_NOOP("frmMain", "Systolic pressure, mmHg"),
     18,
     0,
     {}},
    {Kind::EntryBox,
     u"txtDiastolic",
     9300,
     1620,
     855,
     435,
     "",
     QT_TRANSLATE_NOOP("frmMain", "Please enter your Diastolic pressure measurement for this day. "
                                  "The Diastolic is the lower "
                                  "of the two pressure readings."),
     QT_TRANSLATE_NOOP("frmMain", "Diastolic pressure, mmHg"),
     18,
     0,
     {}},
    {Kind::Chart, u"ctlChart", 240, 4020, 10155, 2955, "", "", "", 0, 0, {}},
    {Kind::LinkLabel, u"lblReset", 1080, 3480, 2895, 255,
     QT_TRANSLATE_NOOP("frmMain", "Reset data and start again"),
     QT_TRANSLATE_NOOP("frmMain",
                       "Click here to remove all the readings you have supplied so far."),
     "", 9.75, kBlue, Qt::AlignHCenter},
    {Kind::LinkLabel, u"lblDisclaimer", 4860, 7080, 1395, 315,
     QT_TRANSLATE_NOOP("frmMain", "Health Warning"), "", "", 8.25, kReadableRed, Qt::AlignLeft},
    {Kind::WebLink, u"lblTips", 600, 3120, 3855, 255,
     QT_TRANSLATE_NOOP("frmMain", "Blood Pressure Information and Tips"),
     QT_TRANSLATE_NOOP("frmMain",
                       "Find our more about blood pressure and taking your own readings"),
     "", 9.75, kBlue, Qt::AlignLeft},
    {Kind::WrappedLabel, u"lblInstructions_1", 300, 1740, 4335, 735,
     QT_TRANSLATE_NOOP("frmMain", "The graph below illustrates the readings you have entered. To "
                                  "see a detailed report click "
                                  "on the button below."),
     "", "", 9.75, kInstructions, Qt::AlignLeft},
    {Kind::Label, u"lbl_3", 4740, 3180, 855, 255, QT_TRANSLATE_NOOP("frmMain", "Comment"), "", "",
     8.25, kHighlightedText, Qt::AlignHCenter},
    {Kind::WrappedLabel, u"lblInstructions_0", 300, 720, 4395, 1035,
     QT_TRANSLATE_NOOP(
         "frmMain",
         "Please select the day when you took the readings, enter the reading values and add a "
         "short comment about what you did on that day. "),
     "", "", 9.75, kInstructions, Qt::AlignLeft},
    {Kind::WebLink,
     u"imgCorvalenLink",
     180,
     7020,
     4335,
     315,
     "",
     QT_TRANSLATE_NOOP("frmMain", "Go to the Corvalen Website"),
     QT_TRANSLATE_NOOP("frmMain", "Tensiolog web site, www.tensiolog.org"),
     0,
     0,
     {}},
    {Kind::Label, u"lbl_2", 9300, 2940, 855, 195, QT_TRANSLATE_NOOP("frmMain", "Pulse"), "", "",
     8.25, qRgb(255, 255, 0), Qt::AlignHCenter},
    {Kind::Label, u"lbl_1", 9300, 1260, 855, 255, QT_TRANSLATE_NOOP("frmMain", "Systolic"), "", "",
     8.25, qRgb(0, 255, 255), Qt::AlignHCenter},
    {Kind::Label, u"lbl_0", 9300, 2100, 855, 255, QT_TRANSLATE_NOOP("frmMain", "Diastolic"), "", "",
     8.25, qRgb(128, 128, 255), Qt::AlignHCenter},
};

QString Text(const char16_t* sz) {
    return QString::fromUtf16(sz);
}

// A text of the table in the user's language.
QString Words(const char* sz) {
    return frmMain::tr(sz);
}

QLabel* MakeLabel(const ControlRow& row, QWidget* window) {
    const QString szCaption = Words(row.szCaption);
    QLabel* label = row.kind == Kind::LinkLabel || row.kind == Kind::WebLink
                        ? new LinkLabel(szCaption, row.kind == Kind::WebLink, window)
                        : new QLabel(szCaption, window);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(row.alignment | Qt::AlignTop);
    label->setWordWrap(row.kind == Kind::WrappedLabel);
    if (row.pointSize > 0) {
        label->setFont(MsSansSerif(row.pointSize, true));
        QPalette colours = label->palette();
        colours.setColor(QPalette::WindowText,
                         row.colour == kHighlightedText
                             ? QApplication::palette().color(QPalette::HighlightedText)
                             : QColor(row.colour));
        label->setPalette(colours);
    }
    return label;
}

QLineEdit* MakeEntryBox(const ControlRow& row, QWidget* window) {
    auto* box = new EntryBox(
        window, [](const QString& szText) { return TextToInteger(szText).has_value(); },
        NotANumberText());
    box->SetTip(Words(row.szTip));
    box->setMaxLength(3);
    box->setAlignment(Qt::AlignCenter);
    box->setFont(MsSansSerif(row.pointSize, false));
    box->setCursor(HandPointer());
    box->setStyleSheet(QStringLiteral("QLineEdit { padding: 0px; border: 1px solid %1;"
                                      " border-radius: 2px; background: #ffffff;"
                                      " color: #101820; }")
                           .arg(kBoxFrame.name()) +
                       FocusFrameStyle(QStringLiteral("QLineEdit")));
    return box;
}

QPlainTextEdit* MakeCommentBox(QWidget* window) {
    auto* box = new CommentBox(window);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setTabChangesFocus(true);
    box->setCursor(HandPointer());
    box->viewport()->setCursor(HandPointer());
    box->document()->setDocumentMargin(2);
    box->setStyleSheet(
        QStringLiteral("QPlainTextEdit { border: 1px solid %1; }").arg(kBoxFrame.name()) +
        FocusFrameStyle(QStringLiteral("QPlainTextEdit")));
    return box;
}

// The calendar, in colours that read well and with its month arrows named.
QCalendarWidget* MakeCalendar(const ControlRow& row, QWidget* window) {
    auto* calendar = new QCalendarWidget(window);
    QFont calendarFont = calendar->font();
    calendarFont.setPointSizeF(row.pointSize);
    calendar->setFont(calendarFont);
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    // Day keys hold the year in four digits.
    calendar->setDateRange(QDate(1900, 1, 1), QDate(9999, 12, 31));
    // In the language of the window's texts: its month and day names, and its first day of the
    // week. In English it keeps the system's own.
    if (!InstalledLanguage().isEmpty()) {
        calendar->setLocale(DisplayLocale());
    }
    // The weekend's red and the month header's blue, in shades that read well.
    for (int iDay = Qt::Monday; iDay <= Qt::Sunday; ++iDay) {
        const auto day = static_cast<Qt::DayOfWeek>(iDay);
        QTextCharFormat format = calendar->weekdayTextFormat(day);
        if (format.foreground().color() == QColor(Qt::red)) {
            format.setForeground(QColor(kReadableRed));
            calendar->setWeekdayTextFormat(day, format);
        }
    }
    QPalette colours = calendar->palette();
    colours.setColor(QPalette::Highlight, QColor(kReadableHighlight));
    colours.setColor(QPalette::HighlightedText, Qt::white);
    // The days of the months before and after, grey but readable.
    colours.setColor(QPalette::Disabled, QPalette::Text, QColor(kReadableGrey));
    calendar->setPalette(colours);
    // The month arrows, named for screen readers.
    for (const auto& [szArrow, szName] :
         {std::pair{"qt_calendar_prevmonth", QT_TRANSLATE_NOOP("frmMain", "Previous month")},
          std::pair{"qt_calendar_nextmonth", QT_TRANSLATE_NOOP("frmMain", "Next month")}}) {
        if (auto* arrow = calendar->findChild<QWidget*>(QLatin1String(szArrow))) {
            arrow->setAccessibleName(Words(szName));
            arrow->setToolTip(Words(szName));
        }
    }
    return calendar;
}

// The control of a row, by its kind.
QWidget* MakeControlOfKind(const ControlRow& row, QWidget* window) {
    switch (row.kind) {
    case Kind::Label:
    case Kind::WrappedLabel:
    case Kind::LinkLabel:
    case Kind::WebLink:
        return MakeLabel(row, window);
    case Kind::EntryBox:
        return MakeEntryBox(row, window);
    case Kind::CommentBox:
        return MakeCommentBox(window);
    case Kind::PictureButton: {
        QWidget* button = new PictureButton(ArtworkPath(QLatin1String(row.szCaption)), window);
        button->setCursor(HandPointer());
        return button;
    }
    case Kind::Calendar:
        return MakeCalendar(row, window);
    case Kind::Chart:
        return new ::ctlChart(window);
    }
    return nullptr;
}

// Makes one control of the table on the window.
QWidget* MakeControl(const ControlRow& row, QWidget* window) {
    const QString szName = Text(row.szName);
    QWidget* control = MakeControlOfKind(row, window);
    control->setObjectName(szName);
    control->setGeometry(TwipsRect(row.left, row.top, row.width, row.height));
    if (row.kind == Kind::PictureButton) {
        static_cast<PictureButton*>(control)->DrawAhead();
    }
    // Presses on a control never drag the window; only the background does.
    control->setAttribute(Qt::WA_NoMousePropagation);
    if (row.szTip[0] != 0 && row.kind != Kind::EntryBox) {
        control->setToolTip(Words(row.szTip));
        control->setAccessibleDescription(Words(row.szTip));
    }
    if (row.szAccessibleName[0] != 0) {
        control->setAccessibleName(Words(row.szAccessibleName));
    }
    return control;
}

} // namespace

std::vector<QRect> frmMain::GroupFrames() {
    std::vector<QRect> frames;
    for (const Outline& shape : kShapes) {
        frames.push_back(TwipsRect(shape.left, shape.top, shape.width, shape.height));
    }
    return frames;
}

std::vector<QWidget*> frmMain::HandledControls() const {
    return {txtSystolic, txtDiastolic, txtPulse, txtComment};
}

void frmMain::BuildControls() {
    setWindowTitle(QStringLiteral("tlg"));
    setWindowIcon(QIcon(ArtworkPath(QStringLiteral("icon.svg"))));
    setObjectName(QStringLiteral("frmMain"));
    FitLayout();
    ConnectBoxes();
    ConnectCommands();
    ConnectCalendar();
    ConnectReadings();
    MakeTimers();
}

bool frmMain::MakeControls() {
    [[maybe_unused]] static const bool bViewportFactory = [] {
        QAccessible::installFactory(CommentViewportFactory);
        return true;
    }();
    InstallCalendarGridAccessible();
    for (const ControlRow& row : kControls) {
        MakeControl(row, this);
    }
    // Under the entry boxes, beside the comment.
    auto* readings = new ReadingSwitcher(this);
    readings->setGeometry(TwipsRect(9060, 3210, 1170, 705));
    return true;
}

template <typename T> T* frmMain::Child(const char16_t* szName) const {
    T* control = findChild<T*>(Text(szName), Qt::FindDirectChildrenOnly);
    Q_ASSERT(control != nullptr);
    return control;
}

QLabel* frmMain::MakeChartEmptyLabel() {
    StyleChartForScreen(*ctlChart);
    // In the chart's place while it is hidden, in the window's lettering and the chart's colour.
    auto* label = new QLabel(ChartEmptyText(), this);
    label->setObjectName(QStringLiteral("lblChartEmpty"));
    label->setGeometry(ctlChart->geometry());
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setFont(MsSansSerif(9.75, true));
    QPalette chartText = label->palette();
    chartText.setColor(QPalette::WindowText, ctlChart->TextColour());
    label->setPalette(chartText);
    ctlChart->SetEmptyStateWidget(label);
    return label;
}

void frmMain::FitLayout() {
    // Labels keep their text whole with the platform's (or the user's larger) fonts.
    for (QLabel* label : {lbl[3], lbl[2], lbl[1], lbl[0], static_cast<QLabel*>(lblReset),
                          static_cast<QLabel*>(lblTips)}) {
        FitLabel(*label);
    }
    // The health warning stays inside its white panel of the artwork.
    FitLabel(*lblDisclaimer, 0, TwipsRect(0, 0, 1530, 0).width());
    FitCalendar(*ctlCal);
    // The instructions may run down to just above the report button.
    FitLabel(*lblInstructions[1], btReport->y() - lblInstructions[1]->y() - 3);
    FitLabel(*lblInstructions[0], lblInstructions[1]->y() - lblInstructions[0]->y() - 3);
    for (QLineEdit* box : {txtSystolic, txtDiastolic, txtPulse}) {
        FitBoxFont(*box);
    }
    ctlReadings->FitToPlace();
}

void frmMain::ConnectBoxes() {
    // Each box's label names it for screen readers.
    lbl[1]->setBuddy(txtSystolic);
    lbl[0]->setBuddy(txtDiastolic);
    lbl[2]->setBuddy(txtPulse);
    lbl[3]->setBuddy(txtComment);
    m_szCommentDescription = txtComment->accessibleDescription();

    // The boxes' focus and key handlers.
    for (QWidget* box : HandledControls()) {
        box->installEventFilter(this);
    }
    connect(txtComment->document(), &QTextDocument::contentsChanged, this,
            [this] { m_bCommentChanged = true; });

    // The window's own order first; the commands that were clicks only follow it, and the
    // reading commands (which have keys of their own) come last.
    const QWidget* const order[] = {ctlCal,
                                    txtSystolic,
                                    txtDiastolic,
                                    txtPulse,
                                    txtComment,
                                    btClose,
                                    btReport,
                                    btClose2,
                                    lblReset,
                                    lblTips,
                                    lblDisclaimer,
                                    imgCorvalenLink,
                                    ctlChart,
                                    ctlReadings->btPrevious,
                                    ctlReadings->btNext,
                                    ctlReadings->txtTime,
                                    ctlReadings->btAdd,
                                    ctlReadings->btRemove};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        QWidget::setTabOrder(const_cast<QWidget*>(order[i]), const_cast<QWidget*>(order[i + 1]));
    }
}

void frmMain::ConnectCommands() {
    connect(btClose, &QAbstractButton::clicked, this, [this] { btClose_Click(); });
    connect(btClose2, &QAbstractButton::clicked, this, [this] { btClose2_Click(); });
    connect(btReport, &QAbstractButton::clicked, this, [this] { btReport_Click(); });
    connect(lblReset, &LinkLabel::activated, this, [this] { lblReset_Click(); });
    connect(lblDisclaimer, &LinkLabel::activated, this, [this] { lblDisclaimer_Click(); });
    connect(lblTips, &LinkLabel::activated, this, [this] { lblTips_Click(); });
    connect(imgCorvalenLink, &LinkLabel::activated, this, [this] { imgCorvalenLink_Click(); });
}

void frmMain::ConnectCalendar() {
    // A click or Enter picks a day; the arrow keys move the selection, and the boxes follow it
    // so that what is typed always goes to the day the calendar shows.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* before, QWidget* now) {
        m_focusFrames.FocusMoved(*this, before, now);
    });
    connect(ctlCal, &QCalendarWidget::clicked, this, [this] { ctlCal_DayPicked(true); });
    connect(ctlCal, &QCalendarWidget::activated, this, [this] { ctlCal_DayPicked(true); });
    connect(ctlCal, &QCalendarWidget::selectionChanged, this, [this] {
        if (!m_bSettingCalendar && ctlCal->selectedDate() != m_dtLoaded) {
            ctlCal_DayPicked(false);
        }
        AnnounceCalendarDay();
    });
    m_pCalendarDays = ctlCal->findChild<QAbstractItemView*>();
    if (m_pCalendarDays != nullptr) {
        m_pCalendarDays->installEventFilter(this);
        connect(m_pCalendarDays->selectionModel(), &QItemSelectionModel::currentChanged, this,
                [this] { KeepCalendarCellFocus(); });
    }
    KeepCalendarCellFocus();
}

void frmMain::MakeTimers() {
    // At midnight the window moves on to the new day (unless the user picked another one).
    m_timMidnight = new QTimer(this);
    m_timMidnight->setSingleShot(true);
    connect(m_timMidnight, &QTimer::timeout, this, [this] { FollowDateChange(); });
    // A reading typed across midnight stays on one day: the window follows the date once the
    // typing pauses.
    m_timTypingPause = new QTimer(this);
    m_timTypingPause->setSingleShot(true);
    connect(m_timTypingPause, &QTimer::timeout, this,
            [this] { Guarded([this] { FollowDateChange(); }); });
}

void frmMain::Form_Load(const QDate& dtToday) {
    m_rollover = DateRollover(dtToday, Today());
    RestorePosition();
    SelectCalendarDay(dtToday);
    FillReadingsChart();
    // The chart is drawn on another core while the rest of the window is filled and painted.
    ctlChart->PaintAhead();
    // A diary that is full at the start has been told of already; its first pick tells why the
    // boxes take nothing.
    m_bDiaryFullToldPending = false;
    LoadSelectedDay();
    m_bDiaryFullToldPending = true;
    // The first thing typed goes to today's systolic value.
    m_bLoadFocusPending = !isActiveWindow();
    txtSystolic->setFocus(Qt::OtherFocusReason);
    AnnounceCalendarDay();
    ArmMidnightTimer();
}

void frmMain::Guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ShowErrorMessage(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ShowErrorMessage(tr("an unexpected error occurred"));
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
    DayEntryTags tags;
    bool bAdded = false;
    std::shared_ptr<clsXMLTag> objEntry = FindDayEntry(objReadings, szKey);
    if (objEntry) {
        tags = DayEntryValueTags(objEntry);
    } else if (!IsDiaryFull(objReadings)) {
        tags = CreateDayEntry(objReadings, szKey);
        objEntry = FindDayEntry(objReadings, szKey);
        bAdded = true;
    }
    // Another day (or a new diary) starts at its first reading; the boxes of a day with
    // several show the chosen one.
    if (objEntry != m_objEntry) {
        m_iReading = 0;
    }
    m_objEntry = objEntry;
    const int iCount = objEntry ? DayReadingCount(objEntry) : 1;
    m_iReading = std::clamp(m_iReading, 0, iCount - 1);
    objTimeTag.reset();
    if (iCount > 1) {
        const ReadingTags reading = ReadingValueTags(objEntry, m_iReading);
        tags = reading;
        objTimeTag = reading.objTimeTag;
    }
    // A full diary takes no new day: the boxes of a day it does not hold stay empty and take
    // nothing, while the days it holds can still be changed.
    const bool bWritable = tags.objSystolicTag != nullptr;
    objSystolicTag = tags.objSystolicTag;
    objDiastolicTag = tags.objDiastolicTag;
    objPulseTag = tags.objPulseTag;
    objCommentTag = tags.objCommentTag;
    m_dtLoaded = dt;
    // A new placeholder entry is a change to keep, like a typed value.
    if (bAdded) {
        NoteReadingsChanged();
    }

    const auto valueOf = [](const std::shared_ptr<clsXMLTag>& objTag) {
        return objTag ? objTag->szValue : QString();
    };
    txtSystolic->setText(valueOf(objSystolicTag));
    txtDiastolic->setText(valueOf(objDiastolicTag));
    txtPulse->setText(valueOf(objPulseTag));
    // A comment longer than the box takes (a hand-edited file) is kept whole in the tree; the
    // box shows its beginning and never writes it back.
    const QString szComment = valueOf(objCommentTag);
    m_bCommentShortened = CommentLength(szComment) > kMaxCommentLength;
    txtComment->setPlainText(m_bCommentShortened ? ShortenedCommentText(szComment)
                                                 : CommentToBox(szComment));
    m_bCommentChanged = false;
    ShowDiaryFull(!bWritable);
    ShowReadingPlace();
}

void frmMain::ShowReadingPlace() {
    const int iCount = m_objEntry ? DayReadingCount(m_objEntry) : 1;
    const bool bWritable = objSystolicTag != nullptr;
    const QString szTime = objTimeTag ? objTimeTag->szValue : QString();
    ctlReadings->ShowReading(m_iReading, iCount, szTime, bWritable && iCount < kMaxReadingsPerDay);
    TellBoxesWhichReading(iCount, szTime);
}

void frmMain::TellBoxesWhichReading(int iCount, const QString& szTime) {
    QString szContext;
    if (iCount > 1) {
        //: Said with each entry box on a day of several readings: the reading shown of how many
        szContext =
            szTime.isEmpty()
                ? tr("Reading %1 of %2.").arg(m_iReading + 1).arg(iCount)
                //: %3 the reading's time ("07:05")
                : tr("Reading %1 of %2, taken at %3.").arg(m_iReading + 1).arg(iCount).arg(szTime);
    }
    for (QLineEdit* box : {txtSystolic, txtDiastolic, txtPulse}) {
        static_cast<EntryBox*>(box)->SetContext(szContext);
    }
}

void frmMain::ConnectReadings() {
    connect(ctlReadings, &ReadingSwitcher::addRequested, this, [this] { AddReadingToDay(); });
    connect(ctlReadings, &ReadingSwitcher::removeRequested, this, [this] { RemoveShownReading(); });
    connect(ctlReadings, &ReadingSwitcher::previousRequested, this,
            [this] { ShowOtherReading(-1); });
    connect(ctlReadings, &ReadingSwitcher::nextRequested, this, [this] { ShowOtherReading(1); });
    connect(ctlReadings, &ReadingSwitcher::timeTyped, this, [this](const QString& szTime) {
        Guarded([&] {
            StoreValue(objTimeTag.get(), szTime);
            TellBoxesWhichReading(m_objEntry ? DayReadingCount(m_objEntry) : 1, szTime);
        });
    });
}

void frmMain::AddReadingToDay() {
    Guarded([this] {
        if (!m_objEntry || objSystolicTag == nullptr) {
            QApplication::beep();
            return;
        }
        const bool bToday = m_dtLoaded == m_rollover.Today();
        const QString szTime = bToday ? TimeText(QTime::currentTime()) : QString();
        const int iAdded = AddReading(m_objEntry, szTime, m_firstTypedTimes.value(m_dtLoaded));
        if (iAdded < 0) {
            ShowWarningMessage(tr("This day holds %n readings, the most one day takes. Nothing "
                                  "was added.",
                                  nullptr, kMaxReadingsPerDay));
            return;
        }
        NoteReadingsChanged();
        m_iReading = iAdded;
        LoadSelectedDay();
        txtSystolic->setFocus(Qt::OtherFocusReason);
        txtSystolic->selectAll();
        FillReadingsChart();
    });
}

void frmMain::ShowOtherReading(int iStep) {
    Guarded([this, iStep] {
        const int iCount = m_objEntry ? DayReadingCount(m_objEntry) : 1;
        const int iWanted = m_iReading + iStep;
        if (iWanted < 0 || iWanted >= iCount) {
            QApplication::beep();
            return;
        }
        m_iReading = iWanted;
        LoadSelectedDay();
        // What was typed into the reading left shows in the chart, as when a box is left.
        FillReadingsChart();
        // Typing in a box replaces the value the other reading shows there.
        if (auto* line = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            line != nullptr && IsBox(line)) {
            line->selectAll();
        }
    });
}

void frmMain::RemoveShownReading() {
    Guarded([this] {
        if (!m_objEntry || objSystolicTag == nullptr || DayReadingCount(m_objEntry) < 2) {
            QApplication::beep();
            return;
        }
        const Reading shown = DayReadings(m_objEntry).at(m_iReading);
        if (!shown.IsEmpty() && !ConfirmRemoveReading(shown)) {
            return;
        }
        const bool bFocusInControl = ctlReadings->isAncestorOf(QApplication::focusWidget());
        RemoveReading(m_objEntry, m_iReading);
        NoteReadingsChanged();
        LoadSelectedDay();
        FillReadingsChart();
        // The command's own button goes with the day's second reading: the focus goes to the
        // boxes, not on to whatever follows it.
        if (const QWidget* focus = QApplication::focusWidget();
            bFocusInControl &&
            (focus == nullptr || !focus->isVisible() || !ctlReadings->isAncestorOf(focus))) {
            txtSystolic->setFocus(Qt::OtherFocusReason);
        }
    });
}

bool frmMain::ConfirmRemoveReading(const Reading& shown) const {
    const auto orDash = [](const QString& szValue) {
        return szValue.isEmpty() ? QStringLiteral("-") : szValue;
    };
    const QString szDay = DayWithWeekday(m_dtLoaded);
    const QString szValues =
        shown.szComment.isEmpty()
            //: %1 systolic, %2 diastolic, %3 pulse
            ? tr("%1/%2, pulse %3")
                  .arg(orDash(shown.szSystolic), orDash(shown.szDiastolic), orDash(shown.szPulse))
            : tr("%1/%2, pulse %3, with its comment")
                  .arg(orDash(shown.szSystolic), orDash(shown.szDiastolic), orDash(shown.szPulse));
    const QString szQuestion =
        shown.szTime.isEmpty()
            //: %1 the reading's number, %2 the day, %3 its values
            ? tr("Remove the reading %1 on %2 (%3)? It is taken out of the diary.")
                  .arg(QString::number(m_iReading + 1), szDay, szValues)
            //: %1 the reading's time ("07:05"), %2 the day, %3 its values
            : tr("Remove the reading taken at %1 on %2 (%3)? It is taken out of the diary.")
                  .arg(shown.szTime, szDay, szValues);
    const QMessageBox::StandardButton answer =
        ShowMessageBox(QMessageBox::Question, tr("Remove Reading"), szQuestion,
                       QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes;
}

void frmMain::NoteFirstReadingTyped(const clsXMLTag* pTag) {
    if (m_iReading == 0 && pTag != objTimeTag.get() && m_dtLoaded == m_rollover.Today() &&
        !m_firstTypedTimes.contains(m_dtLoaded)) {
        m_firstTypedTimes.insert(m_dtLoaded, TimeText(QTime::currentTime()));
    }
}

void frmMain::ShowDiaryFull(bool bFull) {
    const QString szFull =
        bFull ? DiaryFullText() + u' ' +
                    tr("No new day can be added; the days it holds can still be changed.")
              : QString();
    for (QLineEdit* box : {txtSystolic, txtDiastolic, txtPulse}) {
        box->setReadOnly(bFull);
    }
    txtComment->setReadOnly(bFull || m_bCommentShortened);
    // Said where the typing would go, to the eye (short enough for the box) and to a screen
    // reader (in full).
    txtComment->setPlaceholderText(
        //: Shown in the comment box; keep it short
        bFull ? tr("The diary is full: this day cannot be added to it.") : QString());
    txtComment->setAccessibleDescription(bFull ? szFull : m_szCommentDescription);
    // Told once a run, when a day the diary cannot take is picked.
    if (bFull && m_bDiaryFullToldPending) {
        m_bDiaryFullToldPending = false;
        ShowWarningMessage(szFull);
    }
}

void frmMain::FillReadingsChart() {
    std::optional<ChartMadeAhead> ahead = std::exchange(m_chartAhead, std::nullopt);
    if (ahead && objReadings && ahead->iGeneration == ReadingsGeneration()) {
        ShowReadingsGrid(*ctlChart, std::move(ahead->grid));
    } else if (objReadings) {
        FillChartFromReadings(*ctlChart, objReadings);
    } else {
        ctlChart->setVisible(false);
    }
}

void frmMain::UseChartMadeAhead(ReadingsGrid grid, const std::shared_ptr<clsXMLTag>& objMadeFrom) {
    // Another document, or one replaced since, counts as a change.
    m_chartAhead.reset();
    if (objMadeFrom == objReadings) {
        m_chartAhead = ChartMadeAhead{std::move(grid), ReadingsGeneration()};
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
    StoreValue(objSystolicTag.get(), szText);
    if (EntryAdvance::IsFull(EntryAdvance::Rule::ThreeCharacters, szText) && m_bKeyFilled) {
        AdvanceTo(txtDiastolic);
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
    StoreValue(objDiastolicTag.get(), szText);
    if (EntryAdvance::IsFull(EntryAdvance::Rule::TwoOrThree, szText) && m_bKeyFilled) {
        AdvanceTo(txtPulse);
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
    StoreValue(objPulseTag.get(), szText);
    if (EntryAdvance::IsFull(EntryAdvance::Rule::TwoOrThree, szText) && m_bKeyFilled) {
        AdvanceTo(txtComment);
    }
}

void frmMain::txtPulse_LostFocus() {
    FillReadingsChart();
}

void frmMain::txtComment_KeyUp() {
    // Keys that change nothing (arrows, Shift) cost nothing, however long the comment.
    if (!m_bCommentChanged || m_bCommentShortened) {
        return;
    }
    m_bCommentChanged = false;
    StoreValue(objCommentTag.get(), CommentFromBox(*txtComment));
}

void frmMain::StoreValue(clsXMLTag* pTag, const QString& szText) {
    if (pTag != nullptr && pTag->szValue != szText) {
        pTag->szValue = szText;
        NoteReadingsChanged();
        NoteFirstReadingTyped(pTag);
    }
}

void frmMain::AdvanceTo(QWidget* next) {
    next->setFocus(Qt::OtherFocusReason);
    m_entry.Advanced(next);
}

bool frmMain::IsBox(const QObject* control) const {
    return control != nullptr && HandlersOf(control) != nullptr;
}

bool frmMain::TypingInBoxes() const {
    return m_timTypingPause->isActive() && IsBox(focusWidget());
}

bool frmMain::RefuseCommentKey(const QKeyEvent& key) {
    // Shortcuts (Ctrl+A, Ctrl+V: a paste is cut by the box itself) pass.
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return false;
    }
    const QString szText = key.text();
    const bool bAdds = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter ||
                       (!szText.isEmpty() && szText.at(0).isPrint());
    if (!bAdds || static_cast<CommentBox*>(txtComment)->Room() >= 1) {
        return false;
    }
    QApplication::beep();
    return true;
}

void frmMain::ShowLoadedDayPage() {
    if (m_dtLoaded.isValid() &&
        (ctlCal->yearShown() != m_dtLoaded.year() || ctlCal->monthShown() != m_dtLoaded.month())) {
        ctlCal->setCurrentPage(m_dtLoaded.year(), m_dtLoaded.month());
    }
}

void frmMain::AnnounceCalendarDay() {
    const QDate dt = ctlCal->selectedDate();
    const QString szDay = DayWithWeekday(dt);
    //: %1 the day ("Monday 7 December 2026")
    const QString szDescription = tr("Selected day: %1").arg(szDay);
    ctlCal->setAccessibleDescription(szDescription);
    if (auto* days = ctlCal->findChild<QAbstractItemView*>()) {
        //: A screen reader's name of the calendar's grid; %1 the month's name, %2 the year
        days->setAccessibleName(
            tr("Days of %1 %2")
                .arg(DisplayLocale().standaloneMonthName(dt.month()), QString::number(dt.year())));
        days->setAccessibleDescription(szDescription);
        if (QAccessible::isActive()) {
            QAccessibleEvent event(days, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&event);
        }
    }
}

void frmMain::ArmMidnightTimer() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime midnight(now.date().addDays(1), QTime(0, 0));
    // A little after midnight, so that the clock has surely passed it.
    m_timMidnight->start(static_cast<int>(
        std::min<qint64>(now.msecsTo(midnight) + 500, std::numeric_limits<int>::max())));
}

void frmMain::FollowDateChange() {
    // A reading being typed stays on its day: the window moves on once the typing pauses (the
    // pause timer looks again) or the focus leaves the boxes. The day that was today still
    // shown means the user has not picked another: the boxes move on to the new day instead of
    // writing to yesterday.
    const bool bTyping = m_dtLoaded == m_rollover.Today() && TypingInBoxes();
    if (m_rollover.Look(Today(), m_dtLoaded, bTyping) == DateRollover::Step::MoveToToday) {
        SelectCalendarDay(m_rollover.Today());
        LoadSelectedDay();
        if (QWidget* focus = QApplication::focusWidget();
            focus == txtSystolic || focus == txtDiastolic || focus == txtPulse) {
            static_cast<QLineEdit*>(focus)->selectAll();
        }
    }
    ArmMidnightTimer();
}

void frmMain::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        Guarded([this] { FollowDateChange(); });
    }
    FramelessWindow::changeEvent(event);
}

const frmMain::BoxHandlers* frmMain::HandlersOf(const QObject* watched) const {
    for (const BoxHandlers& handlers : m_boxHandlers) {
        if (handlers.box == watched) {
            return &handlers;
        }
    }
    return nullptr;
}

void frmMain::KeepCalendarCellFocus() {
    if (m_pCalendarDays == nullptr || m_pCalendarDays->selectionModel() == nullptr) {
        return;
    }
    QItemSelectionModel& selection = *m_pCalendarDays->selectionModel();
    if (m_pCalendarDays->hasFocus()) {
        const QModelIndexList selected = selection.selectedIndexes();
        if (!selection.currentIndex().isValid() && !selected.isEmpty()) {
            selection.setCurrentIndex(selected.first(), QItemSelectionModel::NoUpdate);
        }
    } else if (selection.currentIndex().isValid()) {
        selection.setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
}

void frmMain::RunBoxHandler(void (frmMain::*handler)()) {
    if (handler != nullptr) {
        Guarded([this, handler] { (this->*handler)(); });
    }
}

bool frmMain::IsFocusMove(const QFocusEvent& event) {
    // Focus that comes and goes with the window's activation or a popup is not a move
    // between the controls: the boxes' handlers ignore it.
    // The focus given at load reaches its box only when the window is first activated:
    // that first arrival is the load's focus move.
    if (event.type() == QEvent::FocusIn && m_bLoadFocusPending) {
        m_bLoadFocusPending = false;
        return true;
    }
    return event.reason() != Qt::ActiveWindowFocusReason && event.reason() != Qt::PopupFocusReason;
}

bool frmMain::BoxKeyPress(QObject* box, const QKeyEvent& key) {
    m_timTypingPause->start(s_iTypingPauseMs);
    if (key.key() == Qt::Key_Shift || key.key() == Qt::Key_Control || key.key() == Qt::Key_Alt ||
        key.key() == Qt::Key_Meta) {
        return false;
    }
    const auto* line = qobject_cast<QLineEdit*>(box);
    const bool bPlainTab = key.key() == Qt::Key_Tab && key.modifiers() == Qt::NoModifier;
    if (m_entry.KeyPressed(box, bPlainTab, line != nullptr ? line->text() : QString())) {
        return true;
    }
    return box == txtComment && RefuseCommentKey(key);
}

void frmMain::BoxKeyRelease(QObject* box, const BoxHandlers& handlers) {
    // Only a key that changed the box's text, and did not shorten it, filled the box: the
    // release of Tab, Enter, an arrow or of the key that brought the focus here did not.
    const auto* line = qobject_cast<QLineEdit*>(box);
    m_bKeyFilled =
        m_entry.KeyReleased(box, line != nullptr ? line->text() : QString()) && line != nullptr;
    RunBoxHandler(handlers.keyUp);
    m_bKeyFilled = false;
}

void frmMain::CutInputToRoom(QInputMethodEvent& input) {
    // Text an input method commits to the comment box is cut to the room it has left.
    const qsizetype iRoom = std::max<qsizetype>(0, static_cast<CommentBox*>(txtComment)->Room());
    if (input.commitString().size() > iRoom) {
        input.setCommitString(input.commitString().left(iRoom), input.replacementStart(),
                              input.replacementLength());
        QApplication::beep();
    }
}

void frmMain::BoxMouseRelease(QObject* box) {
    // A click into a box selects its text, so typing replaces it; a drag keeps what it
    // selected, and a further click places the caret.
    if (m_pSelectOnRelease != box) {
        return;
    }
    m_pSelectOnRelease = nullptr;
    auto* line = qobject_cast<QLineEdit*>(box);
    if (line != nullptr && !line->hasSelectedText()) {
        line->selectAll();
    }
}

void frmMain::BoxFocusIn(QObject* box, const QFocusEvent& event, const BoxHandlers& handlers) {
    if (!IsFocusMove(event)) {
        return;
    }
    m_entry.FocusMoved();
    m_pSelectOnRelease = event.reason() == Qt::MouseFocusReason ? box : nullptr;
    Guarded([this] {
        FollowDateChange();
        ShowLoadedDayPage();
    });
    RunBoxHandler(handlers.gotFocus);
}

void frmMain::BoxFocusOut(const QFocusEvent& event, const BoxHandlers& handlers) {
    if (!IsFocusMove(event)) {
        return;
    }
    RunBoxHandler(handlers.lostFocus);
    // The focus left the boxes: the typing is over, and the window may follow a date change
    // at once.
    if (!IsBox(QApplication::focusWidget())) {
        m_timTypingPause->stop();
        Guarded([this] { FollowDateChange(); });
    }
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_pCalendarDays &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        KeepCalendarCellFocus();
        return FramelessWindow::eventFilter(watched, event);
    }
    const BoxHandlers* handlers = HandlersOf(watched);
    if (handlers == nullptr) {
        return FramelessWindow::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::KeyPress:
        if (BoxKeyPress(watched, *static_cast<QKeyEvent*>(event))) {
            return true;
        }
        break;
    case QEvent::KeyRelease:
        BoxKeyRelease(watched, *handlers);
        break;
    case QEvent::InputMethod:
        if (watched == txtComment) {
            CutInputToRoom(*static_cast<QInputMethodEvent*>(event));
        }
        break;
    case QEvent::MouseButtonRelease:
        BoxMouseRelease(watched);
        break;
    case QEvent::FocusIn:
        BoxFocusIn(watched, *static_cast<QFocusEvent*>(event), *handlers);
        break;
    case QEvent::FocusOut:
        BoxFocusOut(*static_cast<QFocusEvent*>(event), *handlers);
        break;
    default:
        break;
    }
    return FramelessWindow::eventFilter(watched, event);
}

void frmMain::paintEvent(QPaintEvent* event) {
    FramelessWindow::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(QColor(kOutline), 1));
    painter.setBrush(Qt::NoBrush);
    for (const QRect& frame : GroupFrames()) {
        painter.drawRect(QRectF(frame).adjusted(0.5, 0.5, -0.5, -0.5));
    }
    painter.drawLine(QPointF(kLine1[0] / kTwipsPerPixel, kLine1[1] / kTwipsPerPixel + 0.5),
                     QPointF(kLine1[2] / kTwipsPerPixel, kLine1[3] / kTwipsPerPixel + 0.5));
    // The calendar's own focus mark is a faint line on the selected day, and a frame inside a
    // command label would cover its first letter: the window draws the common focus frame
    // around them instead.
    m_focusFrames.Paint(painter, QApplication::focusWidget());
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
        {
            const std::unique_ptr<frmReport> report =
                std::make_unique<frmReport>(objReadings, this);
            // While it is open, readings taken in from the file reach it too.
            struct OpenReport {
                frmReport*& slot;
                ~OpenReport() { slot = nullptr; }
            } openReport{m_pOpenReport};
            m_pOpenReport = report.get();
            FadeOut();
            report->exec();
        }
        // The closed report's window, text and pictures are gone: their memory goes back to
        // the system, so that each report costs only while it is open.
        GiveBackFreedMemory();
        FadeIn();
        fadeBack.bFadedIn = true;
        // The keyboard comes back here, also where no window manager would hand it back.
        activateWindow();
    });
}

void frmMain::lblReset_Click() {
    Guarded([this] {
        const QMessageBox::StandardButton answer = ShowMessageBox(
            QMessageBox::Warning, tr("Reset Data Confirmation"),
            tr("You are about to remove all the readings you have entered so far. Are you sure?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
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
            QMessageBox::Information, tr("Warning Disclaimer"),
            tr("The information provided by this software should not be used as a basis for "
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

void frmMain::SetUpCsvDrop() {
    setAcceptDrops(true);
    PassCsvDrops(
        this,
        {static_cast<QWidget*>(txtSystolic), static_cast<QWidget*>(txtDiastolic),
         static_cast<QWidget*>(txtPulse), txtComment->viewport()},
        [this](QDropEvent* event) { Form_OLEDragOver(event); },
        [this](QDropEvent* event) { Form_OLEDragDrop(event); });
}

void frmMain::Form_OLEDragOver(QDropEvent* event) {
    if (DroppedCsvFile(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void frmMain::Form_OLEDragDrop(QDropEvent* event) {
    const QString szFile = DroppedCsvFile(event->mimeData());
    if (szFile.isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    // The question waits until the drag has ended: its source must not hang on our answer.
    QTimer::singleShot(0, this, [this, szFile] { ImportCsvFile(szFile); });
}

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    Form_OLEDragOver(event);
}

void frmMain::dragMoveEvent(QDragMoveEvent* event) {
    Form_OLEDragOver(event);
}

void frmMain::dropEvent(QDropEvent* event) {
    Form_OLEDragDrop(event);
}

bool frmMain::ImportCsvFile(const QString& szPath) {
    bool bImported = false;
    Guarded([&] {
        bImported = AskAndImportCsv(szPath);
        if (bImported) {
            NoteReadingsChanged();
            FillReadingsChart();
            LoadSelectedDay();
        }
    });
    return bImported;
}
