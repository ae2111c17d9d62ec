#pragma once

// Another process holding the data file's lock, as a second tlg would: the test program itself,
// started again with TLG_TEST_HOLD_LOCK naming the data file. Its main() calls
// HoldLockIfAsked() first.

#include "diary/DataFileLock.h"

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

#include <cstdio>
#include <optional>

inline const char* const kHoldLockVariable = "TLG_TEST_HOLD_LOCK";

// In the child: takes the lock, says "locked" on standard output and keeps the lock until its
// standard input closes. Nothing when the variable is not set.
inline std::optional<int> HoldLockIfAsked() {
    if (!qEnvironmentVariableIsSet(kHoldLockVariable)) {
        return std::nullopt;
    }
    DataFileLock lock(qEnvironmentVariable(kHoldLockVariable));
    if (lock.Acquire() != DataFileLock::kLocked) {
        std::puts("not locked");
        return 1;
    }
    std::puts("locked");
    std::fflush(stdout);
    char buffer[64];
    while (std::fread(buffer, 1, sizeof buffer, stdin) > 0) {
    }
    return 0;
}

// In the test: a child process that holds the lock of a data file while this object lives.
class LockHolder {
public:
    // Starts the child; true once it holds the lock.
    bool Start(const QString& szDataFile) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(kHoldLockVariable), szDataFile);
        m_process.setProcessEnvironment(environment);
        m_process.start(QCoreApplication::applicationFilePath(), QStringList());
        if (!m_process.waitForStarted(10000)) {
            return false;
        }
        QByteArray output;
        while (!output.contains('\n') && m_process.waitForReadyRead(10000)) {
            output += m_process.readAllStandardOutput();
        }
        return output.startsWith("locked");
    }
    qint64 Pid() const { return m_process.processId(); }
    // Ends the child as a crash would: its lock file stays behind.
    void Kill() {
        m_process.kill();
        m_process.waitForFinished(10000);
    }
    ~LockHolder() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.closeWriteChannel();
            if (!m_process.waitForFinished(10000)) {
                Kill();
            }
        }
    }

private:
    QProcess m_process;
};
