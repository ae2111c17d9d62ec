#pragma once

// A clock for tests of what runs on timers: time stands still until the test moves it on, and
// every timer that falls due on the way fires then, in time order.

#include "diary/OneShotTimer.h"

#include <QtGlobal>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class ManualTimers : public TimerSource {
public:
    std::unique_ptr<OneShotTimer> MakeTimer(std::function<void()> onTimeout) override {
        auto entry = std::make_shared<Entry>();
        entry->onTimeout = std::move(onTimeout);
        m_entries.push_back(entry);
        return std::make_unique<Timer>(entry, m_lNow);
    }

    // Milliseconds since the clock was made.
    qint64 Now() const { return m_lNow; }

    // Moves the clock on by iMs; each timer due by then fires at its moment (a timer started by
    // another's timeout fires too, when it falls due in the time passed).
    void Advance(int iMs) {
        const qint64 lEnd = m_lNow + iMs;
        while (const std::shared_ptr<Entry> next = NextDue(lEnd)) {
            m_lNow = next->lDue;
            next->lDue = -1;
            next->onTimeout();
        }
        m_lNow = lEnd;
    }

private:
    struct Entry {
        // When it fires; -1: stopped.
        qint64 lDue = -1;
        std::function<void()> onTimeout;
    };

    class Timer : public OneShotTimer {
    public:
        Timer(std::shared_ptr<Entry> entry, const qint64& lNow)
            : m_entry(std::move(entry)), m_lNow(lNow) {}
        void Start(int iMs) override { m_entry->lDue = m_lNow + iMs; }
        void Stop() override { m_entry->lDue = -1; }
        bool IsActive() const override { return m_entry->lDue >= 0; }

    private:
        std::shared_ptr<Entry> m_entry;
        const qint64& m_lNow;
    };

    // The running timer due first by lEnd (the one made first of a tie), or null.
    std::shared_ptr<Entry> NextDue(qint64 lEnd) {
        std::shared_ptr<Entry> next;
        for (auto it = m_entries.begin(); it != m_entries.end();) {
            const std::shared_ptr<Entry> entry = it->lock();
            if (!entry) {
                it = m_entries.erase(it);
                continue;
            }
            if (entry->lDue >= 0 && entry->lDue <= lEnd && (!next || entry->lDue < next->lDue)) {
                next = entry;
            }
            ++it;
        }
        return next;
    }

    qint64 m_lNow = 0;
    std::vector<std::weak_ptr<Entry>> m_entries;
};
