#include "app/util/PendingNotes.h"

#include "app/util/SafeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

namespace {

// A notes file larger than this was not written by the program: it is not read.
constexpr qint64 kLargestNotesFile = 1 << 20;

} // namespace

PendingNotes::PendingNotes(const QString& szDataFile)
    : m_szFile(szDataFile + QStringLiteral(".note")) {
    const QFileInfo info(m_szFile);
    if (!info.isFile() || info.size() > kLargestNotesFile) {
        return;
    }
    const FileRead read = ReadWholeFile(m_szFile, false);
    const QJsonArray notes = QJsonDocument::fromJson(read.bytes).array();
    for (const QJsonValue& note : notes) {
        if (note.isString() && !note.toString().isEmpty()) {
            m_notes.append(note.toString());
        }
    }
}

void PendingNotes::Add(const QString& szText) {
    m_notes.append(szText);
    Store();
}

void PendingNotes::RemoveFirst() {
    if (!m_notes.isEmpty()) {
        m_notes.removeFirst();
        Store();
    }
}

void PendingNotes::Store() {
    if (m_notes.isEmpty()) {
        if (QFileInfo(m_szFile).isFile()) {
            QFile::remove(m_szFile);
        }
        return;
    }
    // A note that cannot be kept is still shown in this run; nothing more can be done.
    QString szReason;
    WriteFileSafely(m_szFile, QJsonDocument(QJsonArray::fromStringList(m_notes)).toJson(),
                    kOwnerOnly, &szReason);
}
