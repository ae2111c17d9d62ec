#pragma once

#include <QRect>

#include <vector>

class QPainter;
class QWidget;

// The focus frames a window draws itself around controls whose own focus mark is hard to see
// (a calendar marks only a faint line on its selected day) or would cover their text (a frame
// inside a command label would cover its first letter).
class FocusFrames {
public:
    // calendar is framed when focus is in it or any of its parts; labels when focus is on them.
    FocusFrames(const QWidget& calendar, std::vector<const QWidget*> labels);

    // The control whose frame the window draws when focus is in focus; null for the others,
    // which draw their own.
    const QWidget* FramedControl(const QWidget* focus) const;
    // Where the window draws that frame: just outside the control.
    static QRect OutsideFrame(const QWidget& control);
    // Repaints the frames of the controls focus left and entered.
    void FocusMoved(QWidget& window, const QWidget* before, const QWidget* now) const;
    // Draws the frame around the control that has focus, if the window frames it.
    void Paint(QPainter& painter, const QWidget* focus) const;

private:
    const QWidget& m_calendar;
    std::vector<const QWidget*> m_labels;
};
