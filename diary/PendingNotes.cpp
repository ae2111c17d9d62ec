#include "diary/PendingNotes.h"

#include "diary/SafeFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStandardPaths>

namespace {

// A notes file larger than this was not written by the program: it is not read.
constexpr qint64 kLargestNotesFile = 1 << 20;

// The notes file of a data file inside a per-user folder of the platform ("…/tlg/crtlg.dat-
// 1f2e3d4c5b6a7980.note"): the name tells the data files apart by their full path. Empty text
// when the platform names no such folder.
QString FallbackPath(QStandardPaths::StandardLocation eLocation, const QString& szDataFile) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Without a session's runtime folder Qt would make one up in /tmp: none is used then.
    if (eLocation == QStandardPaths::RuntimeLocation &&
        qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        return {};
    }
#endif
    const QString szBase = QStandardPaths::writableLocation(eLocation);
    if (szBase.isEmpty()) {
        return {};
    }
    const QFileInfo data(szDataFile);
    const QByteArray key =
        QCryptographicHash::hash(QDir::cleanPath(data.absoluteFilePath()).toUtf8(),
                                 QCryptographicHash::Sha256)
            .toHex()
            .left(16);
    return szBase + QStringLiteral("/tlg/") + data.fileName() + u'-' + QString::fromLatin1(key) +
           QStringLiteral(".note");
}

} // namespace

PendingNotes::PendingNotes(const QString& szDataFile) {
    m_places.append(szDataFile + QStringLiteral(".note"));
    // The cache folder outlives the session; the runtime folder (often in memory, so it has
    // room when the disk is full) is emptied at logout.
    for (const auto eLocation :
         {QStandardPaths::GenericCacheLocation, QStandardPaths::RuntimeLocation}) {
        const QString szPath = FallbackPath(eLocation, szDataFile);
        if (!szPath.isEmpty() && !m_places.contains(szPath)) {
            m_places.append(szPath);
        }
    }
    for (const QString& szPlace : std::as_const(m_places)) {
        const QFileInfo info(szPlace);
        if (!info.isFile() || info.size() > kLargestNotesFile) {
            continue;
        }
        const FileRead read = ReadWholeFile(szPlace, false);
        const QJsonArray notes = QJsonDocument::fromJson(read.bytes).array();
        for (const QJsonValue& note : notes) {
            // A file that could not be removed after its notes moved elsewhere repeats them.
            if (note.isString() && !note.toString().isEmpty() &&
                !m_notes.contains(note.toString())) {
                m_notes.append(note.toString());
            }
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
    qsizetype iStored = -1;
    if (!m_notes.isEmpty()) {
        const QByteArray bytes = QJsonDocument(QJsonArray::fromStringList(m_notes)).toJson();
        for (qsizetype i = 0; i < m_places.size() && iStored < 0; ++i) {
            const QString szFolder = QFileInfo(m_places.at(i)).absolutePath();
            if (i > 0 && !QFileInfo(szFolder).isDir()) {
                // The program's own folder in the cache or runtime folder: for its owner only.
                if (!QDir().mkpath(szFolder)) {
                    continue;
                }
                QFile::setPermissions(szFolder, kOwnerOnly | QFileDevice::ExeOwner);
            }
            QString szReason;
            if (WriteFileSafely(m_places.at(i), bytes, kOwnerOnly, &szReason)) {
                iStored = i;
            }
        }
        // A note that cannot be kept anywhere is still shown in this run; nothing more can be
        // done.
    }
    // The notes are in one place only, so that none is shown twice.
    for (qsizetype i = 0; i < m_places.size(); ++i) {
        if (i != iStored && QFileInfo(m_places.at(i)).isFile()) {
            QFile::remove(m_places.at(i));
        }
    }
}
