#pragma once

#include <QDate>

// The window's today and what it does when the clock's date changes (midnight, or a clock set
// while the program waited): the day shown moves on only when it is still the day that was
// today, and never while a reading is being typed into it.
class DateRollover {
public:
    // dtToday: the day the window takes for today; dtClock: the clock's date now.
    DateRollover(const QDate& dtToday, const QDate& dtClock)
        : m_dtToday(dtToday), m_dtClockDay(dtClock) {}

    enum class Step {
        Nothing,    // the date has not changed
        Wait,       // it has, but the reading being typed stays on its day for now
        NewToday,   // today moved on; the day shown was picked by the user and stays
        MoveToToday // today moved on and the day shown follows it
    };
    // The clock's date is dtNow, the boxes show dtLoaded, and bTyping when a reading is being
    // typed; takes the new today unless the answer is Nothing or Wait.
    Step Look(const QDate& dtNow, const QDate& dtLoaded, bool bTyping);
    QDate Today() const { return m_dtToday; }

private:
    QDate m_dtToday;
    // The clock's date when the window last looked.
    QDate m_dtClockDay;
};
