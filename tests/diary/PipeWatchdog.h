#pragma once

// Keeps a test that opens a named pipe by mistake from hanging: after a grace period, a thread
// keeps opening the pipe for writing and for reading (which lets whoever waits in open() go on,
// reading nothing), and the test sees that someone had the pipe open. A regression then fails
// the test within seconds instead of blocking the test run for good.

#include <QFile>
#include <QString>

#include <atomic>
#include <chrono>
#include <thread>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <unistd.h>
#endif

class PipeWatchdog {
public:
    // Watches the pipe at szPath from now on.
    explicit PipeWatchdog(const QString& szPath,
                          std::chrono::milliseconds grace = std::chrono::milliseconds(1000))
        : m_path(QFile::encodeName(szPath)), m_thread([this, grace] {
              const auto deadline = std::chrono::steady_clock::now() + grace;
              while (!m_bStop) {
                  if (std::chrono::steady_clock::now() >= deadline) {
                      Release();
                  }
                  std::this_thread::sleep_for(std::chrono::milliseconds(20));
              }
          }) {}
    ~PipeWatchdog() {
        m_bStop = true;
        m_thread.join();
    }
    PipeWatchdog(const PipeWatchdog&) = delete;
    PipeWatchdog& operator=(const PipeWatchdog&) = delete;

    // Whether someone was blocked on the pipe and had to be let go.
    bool HadToRelease() const { return m_bReleased; }

private:
    void Release() {
#ifndef Q_OS_WIN
        // A writer succeeds only while someone has the pipe open for reading (or waits to):
        // that is what the test must never do.
        const int writer = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (writer >= 0) {
            m_bReleased = true;
            ::close(writer);
        }
        // Someone waiting to write goes on once there is a reader.
        const int reader = ::open(m_path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (reader >= 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            ::close(reader);
        }
#endif
    }

    const QByteArray m_path;
    std::atomic<bool> m_bStop{false};
    std::atomic<bool> m_bReleased{false};
    std::thread m_thread;
};
