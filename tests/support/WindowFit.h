#pragma once

// Whether a window's controls fit it as a user sees them: each visible control wholly inside
// the window, none overlapping another, and each text within its control (or wrapped within
// it where the control wraps).

#include <QAbstractButton>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QSizeGrip>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace windowfit {

// The visible controls of a window: its visible widgets that lie inside no other control.
inline QList<QWidget*> Controls(const QWidget& window) {
    QList<QWidget*> controls;
    for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        // (A dialog's size grip belongs to its frame, drawn in the corner over whatever is there.)
        if (child->isVisibleTo(&window) && !child->isWindow() &&
            qobject_cast<QSizeGrip*>(child) == nullptr) {
            controls.append(child);
        }
    }
    return controls;
}

// Why a control's text does not fit it; empty when it fits.
inline QString TextProblem(const QWidget& control) {
    const QString szName = control.objectName();
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        if (label->wordWrap()) {
            const int iNeeded = label->heightForWidth(label->width());
            return iNeeded <= label->height() ? QString()
                                              : QStringLiteral("%1 needs %2 px of height, has %3")
                                                    .arg(szName)
                                                    .arg(iNeeded)
                                                    .arg(label->height());
        }
        const QSize needed = label->sizeHint();
        return needed.width() <= label->width() && needed.height() <= label->height()
                   ? QString()
                   : QStringLiteral("%1 needs %2x%3 px, has %4x%5")
                         .arg(szName)
                         .arg(needed.width())
                         .arg(needed.height())
                         .arg(label->width())
                         .arg(label->height());
    }
    int iNeeded = 0;
    if (qobject_cast<const QPushButton*>(&control) != nullptr ||
        qobject_cast<const QComboBox*>(&control) != nullptr ||
        qobject_cast<const QDateTimeEdit*>(&control) != nullptr) {
        iNeeded = control.sizeHint().width();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        // A picture button that writes its text: the text and a little room on each side.
        iNeeded = button->text().isEmpty()
                      ? 0
                      : QFontMetrics(button->font()).horizontalAdvance(button->text()) + 8;
    }
    return iNeeded <= control.width() ? QString()
                                      : QStringLiteral("%1 needs %2 px of width, has %3")
                                            .arg(szName)
                                            .arg(iNeeded)
                                            .arg(control.width());
}

// Everything that does not fit, one sentence each; empty when all fits.
inline QStringList Problems(const QWidget& window) {
    QStringList problems;
    const QList<QWidget*> controls = Controls(window);
    const QRect area(QPoint(0, 0), window.size());
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QWidget* control = controls[i];
        if (!area.contains(control->geometry())) {
            problems << QStringLiteral("%1 lies outside the window").arg(control->objectName());
        }
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            if (control->geometry().intersects(controls[j]->geometry())) {
                problems << QStringLiteral("%1 overlaps %2")
                                .arg(control->objectName(), controls[j]->objectName());
            }
        }
        const QString szText = TextProblem(*control);
        if (!szText.isEmpty()) {
            problems << szText;
        }
    }
    return problems;
}

} // namespace windowfit
