#pragma once

// What the start-up benchmark's programs report about their own memory.

#include <QByteArray>
#include <QFile>
#include <QIODevice>
#include <QString>

// A figure of the process's status in kB ("VmRSS": resident now, "VmHWM": the most it was
// resident), or -1 where the system has no such file (anything but Linux).
inline long ProcessStatusKb(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(prefix)) {
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLong();
        }
    }
    return -1;
}
