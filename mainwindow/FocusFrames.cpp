#include "mainwindow/FocusFrames.h"

#include "widgets/FramelessWindow.h"

#include <QWidget>

#include <algorithm>
#include <utility>

FocusFrames::FocusFrames(const QWidget& calendar, std::vector<const QWidget*> labels)
    : m_calendar(calendar), m_labels(std::move(labels)) {}

const QWidget* FocusFrames::FramedControl(const QWidget* focus) const {
    if (focus == nullptr) {
        return nullptr;
    }
    if (focus == &m_calendar || m_calendar.isAncestorOf(focus)) {
        return &m_calendar;
    }
    if (std::find(m_labels.begin(), m_labels.end(), focus) != m_labels.end()) {
        return focus;
    }
    return nullptr;
}

QRect FocusFrames::OutsideFrame(const QWidget& control) {
    return control.geometry().adjusted(-4, -4, 4, 4);
}

void FocusFrames::FocusMoved(QWidget& window, const QWidget* before, const QWidget* now) const {
    for (const QWidget* widget : {before, now}) {
        if (const QWidget* framed = FramedControl(widget)) {
            window.update(OutsideFrame(*framed));
        }
    }
}

void FocusFrames::Paint(QPainter& painter, const QWidget* focus) const {
    if (const QWidget* framed = FramedControl(focus)) {
        DrawFocusFrame(painter, OutsideFrame(*framed));
    }
}
