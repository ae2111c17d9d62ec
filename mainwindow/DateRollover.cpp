#include "mainwindow/DateRollover.h"

DateRollover::Step DateRollover::Look(const QDate& dtNow, const QDate& dtLoaded, bool bTyping) {
    if (!dtNow.isValid() || dtNow == m_dtClockDay) {
        return Step::Nothing;
    }
    if (dtLoaded == m_dtToday && bTyping) {
        return Step::Wait;
    }
    m_dtClockDay = dtNow;
    const QDate dtBefore = m_dtToday;
    m_dtToday = dtNow;
    return dtLoaded == dtBefore ? Step::MoveToToday : Step::NewToday;
}
