#pragma once

#include "mainwindow/DateRollover.h"
#include "mainwindow/EntryAdvance.h"
#include "mainwindow/FocusFrames.h"
#include "widgets/FramelessWindow.h"
#include "widgets/ReadingsChart.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QPointF>
#include <QRect>
#include <QSize>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class clsXMLTag;
class frmReport;
class ctlChart;
class LinkLabel;
class QTimer;
class PictureButton;
class QAbstractItemView;
class QCalendarWidget;
class QDropEvent;
class QFocusEvent;
class QInputMethodEvent;
class QKeyEvent;
class QMimeData;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class ReadingSwitcher;
struct Reading;

// The main window: calendar, the four entry boxes, the chart and the commands.
// Every control is a public member and carries its name as objectName ("txtSystolic",
// "lbl_2", "lblInstructions_0", ...).
class frmMain : public FramelessWindow {
    Q_OBJECT
    // Made first, so that the controls below can be found by name as they are initialised.
    const bool m_bControlsMade;

public:
    // Loads the window with today selected on the calendar: restores its position, fills the
    // chart, shows the selected day.
    explicit frmMain(QWidget* parent = nullptr);
    // Loads the window with dtToday selected on the calendar.
    explicit frmMain(const QDate& dtToday, QWidget* parent = nullptr);
    // Makes the window's controls and shows no readings yet: Form_Load fills it. The start-up
    // makes them while the file is still being read.
    struct ControlsOnly {};
    explicit frmMain(ControlsOnly, QWidget* parent = nullptr);
    ~frmMain() override;

    // Restores the window's position, selects dtToday on the calendar, fills the chart and
    // shows the selected day.
    void Form_Load(const QDate& dtToday);

    // Closes the other windows of the program and stores the window position.
    void Form_Unload();

    // Makes the calendar's selected day the window's current day (finds or creates its entry)
    // and shows its four values; stores nothing and moves no focus.
    void LoadSelectedDay();
    // Rebuilds the chart from every day entry.
    void FillReadingsChart();
    // A chart of the readings made ahead (the start-up has the loading thread make it while the
    // controls are made) from objMadeFrom as it stands now: the next fill shows it instead of
    // reading them again, when those are the program's readings and unchanged since this call.
    void UseChartMadeAhead(ReadingsGrid grid, const std::shared_ptr<clsXMLTag>& objMadeFrom);
    // The readings changed on disk and were taken in: the boxes and the chart show them, and the
    // box being typed in keeps its text, caret and focus.
    void ShowReloadedReadings();
    // A day a full diary does not hold: its boxes take nothing, and the window says why.
    void ShowDiaryFull(bool bFull);

    // The user picked a day on the calendar: load it; bMoveFocus sends the focus to the
    // systolic box (a click or Enter), arrow keys only follow the selection.
    void ctlCal_DayPicked(bool bMoveFocus);

    // Commands.
    void btClose_Click();
    void btClose2_Click();
    void btReport_Click();
    void lblReset_Click();
    void lblDisclaimer_Click();
    void lblTips_Click();
    void imgCorvalenLink_Click();

    // Readings in from a CSV file (dropped, or named on the command line): says what the file
    // holds and how many days it adds or changes (empty values filled in), and imports it when
    // the user answers Yes (No is the default); then the chart and the boxes show the new
    // readings. A file whose name does not end in .csv is refused with a message, as is one that
    // is missing or not an ordinary file. True when imported.
    bool ImportCsvFile(const QString& szPath);
    // A .csv file dragged over the window (accepted), or dropped on it (imported).
    void Form_OLEDragOver(QDropEvent* event);
    void Form_OLEDragDrop(QDropEvent* event);

    // Readings of the loaded day. Adds an empty reading (its time the current one when the day
    // is today) and shows it, the focus in its systolic box; a full day is refused with a
    // message.
    void AddReadingToDay();
    // Shows the day's reading iStep away from the shown one (-1 previous, 1 next).
    void ShowOtherReading(int iStep);
    // Removes the shown reading of a day that holds several: at once when it is empty, else
    // after asking (No is the default).
    void RemoveShownReading();
    // The 0-based index of the reading the boxes show.
    int ReadingIndex() const { return m_iReading; }

    // The day whose value tags the window holds (the calendar's day at the last load).
    QDate LoadedDay() const { return m_dtLoaded; }
    // The loaded day's comment is longer than the box takes: the box shows its beginning,
    // read-only, and the stored comment stays whole.
    bool CommentShortened() const { return m_bCommentShortened; }

    // How long the boxes must rest (no key pressed in them) before the window follows a date
    // change, in milliseconds; tests shorten it.
    static void SetTypingPause(int iMilliseconds);
    // The frames the window draws around its groups of controls, in window pixels; no text may
    // run across one.
    static std::vector<QRect> GroupFrames();
    static constexpr int kDefaultTypingPauseMs = 60000;

    // Settings: organisation and application "tlg", group "Settings".
    static const QString kSettingsGroup;
    static const QString kMainLeftKey;
    static const QString kMainTopKey;
    // Position used when nothing usable is stored, in twips.
    static constexpr double kDefaultPositionTwips = 1000.0;

    // Where a window of windowSize (pixels) goes for the stored settings texts (null: missing),
    // given the screens' available areas (pixels), in twips: the stored place; the default for
    // a missing text or one that is not a number; the default too when too little of the window
    // would lie inside any area to be seen and dragged back (no areas known: no check).
    static QPointF RestoredPositionTwips(const QString* pszLeft, const QString* pszTop,
                                         const QSize& windowSize,
                                         const QList<QRect>& availableAreas);

    // Controls, made with the window and never replaced.
    QCalendarWidget* const ctlCal;
    QLineEdit* const txtSystolic;
    QLineEdit* const txtDiastolic;
    QLineEdit* const txtPulse;
    QPlainTextEdit* const txtComment;
    ::ctlChart* const ctlChart;
    // Stands where the chart is while it is hidden, saying what will appear there.
    QLabel* const lblChartEmpty;
    PictureButton* const btClose;
    PictureButton* const btClose2;
    PictureButton* const btReport;
    LinkLabel* const lblReset;
    LinkLabel* const lblDisclaimer;
    LinkLabel* const lblTips;
    const std::array<QLabel*, 2> lblInstructions;
    const std::array<QLabel*, 4> lbl;
    LinkLabel* const imgCorvalenLink;
    // Picks the day's reading the boxes show, adds and removes readings.
    ReadingSwitcher* const ctlReadings;
    // The frames the window draws around the calendar and the command labels.
    const FocusFrames m_focusFrames;

    // The value tags of the loaded day's entry, which the boxes write to.
    const std::shared_ptr<clsXMLTag>& SystolicTag() const { return objSystolicTag; }
    const std::shared_ptr<clsXMLTag>& DiastolicTag() const { return objDiastolicTag; }
    const std::shared_ptr<clsXMLTag>& PulseTag() const { return objPulseTag; }
    const std::shared_ptr<clsXMLTag>& CommentTag() const { return objCommentTag; }
    // The shown reading's time tag; null while the day holds one reading.
    const std::shared_ptr<clsXMLTag>& TimeTag() const { return objTimeTag; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // The window's activation: the date may have changed meanwhile.
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The report window while it is open (it is modal), or null.
    frmReport* m_pOpenReport = nullptr;
    // The boxes' handlers, one row per box.
    struct BoxHandlers {
        QObject* box;
        void (frmMain::*gotFocus)();
        void (frmMain::*keyUp)();
        void (frmMain::*lostFocus)();
    };
    const BoxHandlers* HandlersOf(const QObject* watched) const;
    // What the boxes do with the events the window watches for them.
    void RunBoxHandler(void (frmMain::*handler)());
    bool IsFocusMove(const QFocusEvent& event);
    // True when the key is swallowed.
    bool BoxKeyPress(QObject* box, const QKeyEvent& key);
    void BoxKeyRelease(QObject* box, const BoxHandlers& handlers);
    void CutInputToRoom(QInputMethodEvent& input);
    void BoxMouseRelease(QObject* box);
    void BoxFocusIn(QObject* box, const QFocusEvent& event, const BoxHandlers& handlers);
    void BoxFocusOut(const QFocusEvent& event, const BoxHandlers& handlers);

    void BuildControls();
    // The parts of building the window: the controls of the table, the chart's stand-in, the
    // fitting of texts into their places, and the handlers and timers.
    bool MakeControls();
    // The control of the table named szName.
    template <typename T> T* Child(const char16_t* szName) const;
    QLabel* MakeChartEmptyLabel();
    void FitLayout();
    void ConnectBoxes();
    void ConnectCommands();
    void ConnectCalendar();
    void ConnectReadings();
    // The reading control shows the loaded day's readings and the shown one's place and time.
    void ShowReadingPlace();
    // A screen reader in a box hears which of the day's several readings it holds, and when
    // it was taken.
    void TellBoxesWhichReading(int iCount, const QString& szTime);
    // The day's first reading was typed into (keeps the time it was first typed today).
    void NoteFirstReadingTyped(const clsXMLTag* pTag);
    // Asks whether to remove a reading that holds values; true on Yes.
    bool ConfirmRemoveReading(const Reading& shown) const;
    void MakeTimers();
    // Stores a box's text in its value tag; a real change is told to the saver.
    void StoreValue(clsXMLTag* pTag, const QString& szText);
    // A filled box sends the focus on to the next one; a Tab pressed there before any other
    // key then keeps it there.
    void AdvanceTo(QWidget* next);
    // The focus is in one of the boxes and a key was pressed in them within the typing pause.
    bool TypingInBoxes() const;
    // Whether a control is one of the four boxes.
    bool IsBox(const QObject* control) const;
    // Handles the keys of the comment box that would make it longer than it takes; true when
    // the key is refused.
    bool RefuseCommentKey(const QKeyEvent& key);
    // The calendar shows the month of the day the boxes belong to.
    void ShowLoadedDayPage();
    // The calendar's selected day is its current cell (the one a screen reader hears as
    // focused) only while the calendar holds the keyboard focus.
    void KeepCalendarCellFocus();
    // Tells screen readers the calendar's selected day with its month and year.
    void AnnounceCalendarDay();
    // When the date has changed since the window last looked and the day shown is still the
    // day it was today then, the calendar and the boxes move to the new day.
    void FollowDateChange();
    void ArmMidnightTimer();
    // Lets .csv files be dropped anywhere on the window, the entry boxes included.
    void SetUpCsvDrop();
    // The controls with handlers of their own (boxes and clickable labels).
    std::vector<QWidget*> HandledControls() const;
    void RestorePosition();
    void StorePosition();

    // Box handlers.
    void txtSystolic_GotFocus();
    void txtSystolic_KeyUp();
    void txtSystolic_LostFocus();
    void txtDiastolic_GotFocus();
    void txtDiastolic_KeyUp();
    void txtDiastolic_LostFocus();
    void txtPulse_GotFocus();
    void txtPulse_KeyUp();
    void txtPulse_LostFocus();
    void txtComment_KeyUp();

    // Runs an event handler; an error it raises is shown in the error box and the program
    // goes on.
    void Guarded(const std::function<void()>& handler);
    // Selects the calendar's day without raising the day-picked handler.
    void SelectCalendarDay(const QDate& dt);

    // References to the value tags of the loaded day's entry.
    std::shared_ptr<clsXMLTag> objSystolicTag;
    std::shared_ptr<clsXMLTag> objDiastolicTag;
    std::shared_ptr<clsXMLTag> objPulseTag;
    std::shared_ptr<clsXMLTag> objCommentTag;
    std::shared_ptr<clsXMLTag> objTimeTag;
    // The loaded day's entry (null for a day a full diary does not hold) and the reading shown.
    std::shared_ptr<clsXMLTag> m_objEntry;
    // The chart made ahead, with the generation of the readings it shows; once.
    struct ChartMadeAhead {
        ReadingsGrid grid;
        quint64 iGeneration = 0;
    };
    std::optional<ChartMadeAhead> m_chartAhead;
    int m_iReading = 0;
    // The time a day's first reading was first typed this run, for the days typed today.
    QHash<QDate, QString> m_firstTypedTimes;
    QDate m_dtLoaded;
    // The date the window takes for today (it moves on at midnight).
    DateRollover m_rollover{QDate(), QDate()};
    bool m_bSettingCalendar = false;
    std::vector<BoxHandlers> m_boxHandlers;
    // When a filled box moves the focus on, and what a Tab typed right after means.
    EntryAdvance m_entry;
    // The key being released filled its box (set while the box's key-up handler runs).
    bool m_bKeyFilled = false;
    // The box entered with a click: the click's release selects its text (unless the click
    // was a drag that selected some).
    const QObject* m_pSelectOnRelease = nullptr;
    // The loaded day's comment is too long for the box (see CommentShortened).
    bool m_bCommentShortened = false;
    // Runs while the boxes are being typed in; a date change waits for its end.
    QTimer* m_timTypingPause = nullptr;
    // The comment box changed since its text was last stored.
    bool m_bCommentChanged = false;
    // The load's focus has not reached its box yet (the window was not active).
    bool m_bLoadFocusPending = false;
    // The start tells of a full diary; picking a day it cannot take tells once more.
    bool m_bDiaryFullToldPending = true;
    // The comment box's own description, in place again when a day can be written.
    QString m_szCommentDescription;
    QTimer* m_timMidnight = nullptr;
    // The calendar's grid of days.
    QAbstractItemView* m_pCalendarDays = nullptr;
};
