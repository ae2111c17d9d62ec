#include "diary/OneShotTimer.h"

#include <QTimer>

#include <utility>

namespace {

class RealTimer : public OneShotTimer {
public:
    explicit RealTimer(std::function<void()> onTimeout) {
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, std::move(onTimeout));
    }
    void Start(int iMs) override { m_timer.start(iMs); }
    void Stop() override { m_timer.stop(); }
    bool IsActive() const override { return m_timer.isActive(); }

private:
    QTimer m_timer;
};

class RealTimerSource : public TimerSource {
public:
    std::unique_ptr<OneShotTimer> MakeTimer(std::function<void()> onTimeout) override {
        return std::make_unique<RealTimer>(std::move(onTimeout));
    }
};

} // namespace

TimerSource& RealTimers() {
    static RealTimerSource source;
    return source;
}
