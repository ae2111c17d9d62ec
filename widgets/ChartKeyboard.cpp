#include "widgets/ChartKeyboard.h"

#include <algorithm>
#include <cmath>

int ChartPageRows(qint16 iRows, double plotWidth) {
    return std::max(7, plotWidth > 0 ? static_cast<int>(std::ceil(iRows / plotWidth)) : 7);
}

std::optional<qint16> ChartKeyTarget(int iKey, qint16 iCursor, qint16 iRows, int iPage) {
    if (iRows <= 0) {
        return std::nullopt;
    }
    const auto by = [&](int iStep) {
        return static_cast<qint16>(
            iCursor == 0 ? iRows : std::clamp(iCursor + iStep, 1, static_cast<int>(iRows)));
    };
    switch (iKey) {
    case Qt::Key_Left:
        return by(-1);
    case Qt::Key_Right:
        return by(1);
    case Qt::Key_PageUp:
        return by(-iPage);
    case Qt::Key_PageDown:
        return by(iPage);
    case Qt::Key_Home:
        return qint16(1);
    case Qt::Key_End:
        return iRows;
    case Qt::Key_Escape:
        return iCursor == 0 ? std::nullopt : std::optional<qint16>(0);
    default:
        return std::nullopt;
    }
}
