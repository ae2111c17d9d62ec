#include "mainwindow/LayoutFitting.h"

#include <QCalendarWidget>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

#include <algorithm>

namespace {

// The smallest font a label or the calendar shrinks to.
constexpr qreal kSmallestPointSize = 5.0;

} // namespace

void FitLabel(QLabel& label, int iMaxHeight, int iMaxWidth) {
    if (label.wordWrap()) {
        const int iNeeded = label.heightForWidth(label.width());
        if (iNeeded > label.height() && iMaxHeight > label.height()) {
            label.resize(label.width(), std::min(iNeeded, iMaxHeight));
        }
        QFont font = label.font();
        while (label.heightForWidth(label.width()) > label.height() &&
               font.pointSizeF() > kSmallestPointSize) {
            font.setPointSizeF(font.pointSizeF() - 0.25);
            label.setFont(font);
        }
        return;
    }
    // A line too tall (a larger system font) shrinks until it fits its height.
    QFont font = label.font();
    while ((label.sizeHint().height() > label.height() ||
            (iMaxWidth > 0 && label.sizeHint().width() > iMaxWidth)) &&
           font.pointSizeF() > kSmallestPointSize) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        label.setFont(font);
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

void FitCalendar(QCalendarWidget& calendar) {
    auto* days = calendar.findChild<QTableView*>();
    const auto* navigation =
        calendar.findChild<QWidget*>(QStringLiteral("qt_calendar_navigationbar"));
    QFont font = calendar.font();
    const auto fits = [&] {
        // A row of days may be as low as its text; the style's own minimum is made for the
        // default font, and with a larger one would push the last row out of sight.
        const int iRow = QFontMetrics(font).height() + 2;
        if (days != nullptr) {
            days->verticalHeader()->setMinimumSectionSize(iRow);
        }
        if (calendar.sizeHint().height() > calendar.height() ||
            calendar.sizeHint().width() > calendar.width()) {
            return false;
        }
        if (days == nullptr || navigation == nullptr) {
            return true;
        }
        const int iRoom =
            calendar.height() - navigation->sizeHint().height() - 2 * days->frameWidth();
        return days->model()->rowCount() * iRow <= iRoom;
    };
    while (!fits() && font.pointSizeF() > kSmallestPointSize) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        calendar.setFont(font);
    }
}

void FitBoxFont(QLineEdit& box) {
    QFont font = box.font();
    const int iRoom = box.height() - 6;
    while (QFontMetrics(font).tightBoundingRect(QStringLiteral("0123456789")).height() > iRoom &&
           font.pointSizeF() > 6.0) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    box.setFont(font);
}
