#pragma once

#include <functional>
#include <memory>

// A single-shot timer behind an interface, so that a test can stand in its own clock and move
// time on instead of waiting for it.
class OneShotTimer {
public:
    virtual ~OneShotTimer() = default;
    // Calls the timeout once, iMs from now; a timer already running starts again.
    virtual void Start(int iMs) = 0;
    virtual void Stop() = 0;
    virtual bool IsActive() const = 0;
};

// Makes the timers of an owner: the real ones, or a test's clock.
class TimerSource {
public:
    virtual ~TimerSource() = default;
    // A stopped timer that calls onTimeout on the thread that made it.
    virtual std::unique_ptr<OneShotTimer> MakeTimer(std::function<void()> onTimeout) = 0;
};

// The event loop's timers (QTimer).
TimerSource& RealTimers();
