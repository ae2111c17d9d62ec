#pragma once

// Inputs that are not ordinary files, for tests of what reads them: a named pipe nobody writes
// to, and a file far larger than the disk space it takes.

#include <QDir>
#include <QFile>
#include <QString>
#include <QTest>

#include <atomic>
#include <chrono>
#include <thread>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tlgtest {

// Makes a named pipe (FIFO) at szPath; false where the system has none.
inline bool MakeNamedPipe(const QString& szPath) {
#ifdef Q_OS_WIN
    Q_UNUSED(szPath);
    return false;
#else
    return ::mkfifo(QFile::encodeName(szPath).constData(), 0600) == 0;
#endif
}

// Makes a file of lSize bytes of zeros without writing them (sparse where the file system
// allows it).
inline bool MakeLargeFile(const QString& szPath, qint64 lSize) {
    QFile file(szPath);
    return file.open(QIODevice::WriteOnly) && file.resize(lSize);
}

// The inputs every import refuses before reading, as rows of a Qt Test table: the kind of
// input (for MakeInput) and the reason the user reads, the same in the window and on the
// command line (%1: the path).
inline void AddRefusedInputRows() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a named pipe") << QStringLiteral("pipe")
                                  << QStringLiteral("%1 could not be read (it is a named pipe, "
                                                    "not an ordinary file)");
    QTest::newRow("a folder") << QStringLiteral("folder")
                              << QStringLiteral("%1 could not be read (it is a folder, not an "
                                                "ordinary file)");
    QTest::newRow("an endless device") << QStringLiteral("device")
                                       << QStringLiteral("%1 could not be read (it is a device, "
                                                         "not an ordinary file)");
    QTest::newRow("one byte over 64 MB")
        << QStringLiteral("large")
        << QStringLiteral("%1 could not be read (it is larger than 64 MB, far more than any diary "
                          "holds)");
}

// Makes an input of such a kind at szPath (a device is /dev/zero, which szPath then names).
// Empty text when made, else why this system cannot have it (a reason to skip the row).
inline QString MakeInput(const QString& szKind, QString& szPath) {
    QFile::remove(szPath);
    QDir().rmdir(szPath);
    if (szKind == QLatin1String("pipe")) {
        return MakeNamedPipe(szPath) ? QString() : QStringLiteral("this system has no named pipes");
    }
    if (szKind == QLatin1String("folder")) {
        return QDir().mkdir(szPath) ? QString() : QStringLiteral("no folder could be made");
    }
    if (szKind == QLatin1String("device")) {
        szPath = QStringLiteral("/dev/zero");
        return QFile::exists(szPath) ? QString() : QStringLiteral("this system has no /dev/zero");
    }
    return MakeLargeFile(szPath, qint64(64) * 1024 * 1024 + 1) ? QString()
                                                               : QStringLiteral("no room on disk");
}

// Frees whatever waits on a named pipe nobody writes to: after iSeconds it opens the pipe for
// writing and closes it again, which ends the reader's wait with an empty read. A test of code
// that must never wait on such a pipe then fails instead of hanging. SteppedIn() says whether it
// had to step in.
class PipeWatchdog {
public:
    PipeWatchdog(const QString& szPath, int iSeconds)
        : m_path(QFile::encodeName(szPath)), m_thread([this, iSeconds] { Watch(iSeconds); }) {}
    ~PipeWatchdog() {
        m_bStop = true;
        m_thread.join();
    }
    PipeWatchdog(const PipeWatchdog&) = delete;
    PipeWatchdog& operator=(const PipeWatchdog&) = delete;

    bool SteppedIn() const { return m_bSteppedIn; }

private:
    void Watch(int iSeconds) {
#ifdef Q_OS_WIN
        Q_UNUSED(iSeconds);
#else
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(iSeconds);
        while (!m_bStop) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            if (std::chrono::steady_clock::now() < deadline) {
                continue;
            }
            // Succeeds only while a reader waits on the pipe.
            const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                m_bSteppedIn = true;
                ::close(fd);
            }
        }
#endif
    }

    QByteArray m_path;
    std::atomic<bool> m_bStop{false};
    std::atomic<bool> m_bSteppedIn{false};
    std::thread m_thread;
};

} // namespace tlgtest
