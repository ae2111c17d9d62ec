#pragma once

#include <QFont>
#include <QKeySequence>
#include <QString>
#include <QWidget>

class EntryBox;
class QLabel;
class QToolButton;

// The small control under the entry boxes that picks which of the selected day's readings the
// boxes show ("‹ 2 of 3 ›"), with the shown reading's time and the commands that add and
// remove a reading. A day with one reading shows the add command alone.
class ReadingSwitcher : public QWidget {
    Q_OBJECT

public:
    explicit ReadingSwitcher(QWidget* parent);

    // Shows reading iIndex (0-based) of iCount, with its stored time; bCanAdd: the day takes
    // another reading.
    void ShowReading(int iIndex, int iCount, const QString& szTime, bool bCanAdd);
    // Shrinks the lettering until every part fits the control's place (a larger system font).
    void FitToPlace();

    // The keys of the commands (window-wide).
    static QKeySequence AddKey() { return QKeySequence(Qt::CTRL | Qt::Key_N); }
    static QKeySequence RemoveKey() { return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete); }
    static QKeySequence PreviousKey() { return QKeySequence(Qt::CTRL | Qt::Key_PageUp); }
    static QKeySequence NextKey() { return QKeySequence(Qt::CTRL | Qt::Key_PageDown); }

    QToolButton* const btPrevious;
    QLabel* const lblPosition;
    QToolButton* const btNext;
    EntryBox* const txtTime;
    QToolButton* const btAdd;
    QToolButton* const btRemove;

signals:
    void previousRequested();
    void nextRequested();
    void addRequested();
    void removeRequested();
    // A time was typed that is a time: as stored ("07:05"), empty for no time.
    void timeTyped(const QString& szTime);

private:
    void Arrange();
    // The program's lettering for this control, shrunk until szText fits iWidth pixels and
    // a row's height.
    QFont FittedFont(const QString& szText, int iWidth) const;
    void AddShortcut(const QKeySequence& key, void (ReadingSwitcher::*signal)());

    // The time the shown reading holds: the time box comes back to it when left with a text
    // that is not a time.
    QString m_szStoredTime;
    // The reading's time before the time box's current edit began.
    QString m_szTimeBeforeEdit;
    // The width of the small square buttons (set as the control is fitted to its place).
    int m_iButtonWidth = 16;
    int m_iRowHeight = 22;
    // The lettering of the buttons' signs, and of the add command alone with its words.
    QFont m_signFont;
    QFont m_wordsFont;
    // The room between two buttons of a row.
    int m_iMiddleWidth = 40;
};
