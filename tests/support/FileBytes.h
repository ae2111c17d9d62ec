#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// A whole file's bytes; empty when it cannot be read.
inline QByteArray ReadAll(const QString& szPath) {
    QFile file(szPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes a whole file (replacing it); false when it cannot be written whole.
inline bool WriteAll(const QString& szPath, const QByteArray& bytes) {
    QFile file(szPath);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
