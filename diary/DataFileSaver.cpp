#include "diary/DataFileSaver.h"

#include "diary/modGlobals.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <utility>

// One save, as handed to the worker: bytes and paths only, never the document.
struct DataFileSaver::Job {
    // Conflict copies go beside the data file.
    QString szDataFile;
    QString szTarget;
    QByteArray bytes;
    // What the target must still be; its bytes when the hash is not known yet.
    FileVersion expected;
    QByteArray expectedBytes;
    // Keep the file as it is now as szBackup before writing over it.
    bool bBackup = false;
    QString szBackup;
    QDateTime dtWhen;
};

struct DataFileSaver::JobResult {
    Kind eKind = kFailed;
    QString szFile;
    QString szReason;
    QString szWarning;
    // The version of szFile now (what was written, or what was found up to date).
    FileVersion version;
};

DataFileSaver::DataFileSaver(const QString& szFile, const FileRead& loaded)
    : DataFileSaver(szFile, loaded, Timing()) {}

DataFileSaver::DataFileSaver(const QString& szFile, const FileRead& loaded, Timing timing)
    : m_szDataFile(szFile), m_szTarget(szFile), m_timing(timing), m_expected(loaded.version),
      m_expectedBytes(loaded.version.hash.isEmpty() ? loaded.bytes : QByteArray()) {
    for (QTimer* timer : {&m_timPause, &m_timLatest, &m_timRetry}) {
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, this, [this] { SaveWhenFree(); });
    }
    m_timPause.setInterval(m_timing.iPauseMs);
    m_timLatest.setInterval(m_timing.iLatestMs);
    m_worker.setMaxThreadCount(1);
    m_worker.setExpiryTimeout(-1);
}

DataFileSaver::~DataFileSaver() {
    m_worker.waitForDone();
}

void DataFileSaver::NoteChange() {
    ++m_lChanges;
    m_timPause.start();
    if (!m_timLatest.isActive()) {
        m_timLatest.start();
    }
}

void DataFileSaver::SaveWhenFree() {
    m_timPause.stop();
    m_timLatest.stop();
    m_timRetry.stop();
    if (m_running) {
        m_bSaveAgain = true;
        return;
    }
    StartBackgroundSave();
}

bool DataFileSaver::PrepareJob(Job& job, QString* pszReason) {
    if (!objXML) {
        *pszReason = QStringLiteral("there is no diary to save");
        return false;
    }
    // The buffer's memory is kept from save to save: fresh memory costs a page fault for every
    // few kilobytes, which made the first save of a large diary hold up the window for tens of
    // milliseconds. The first save takes it in one piece, a little larger than the file.
    if (m_encoded.capacity() < static_cast<size_t>(m_expected.lSize)) {
        m_encoded.reserve(static_cast<size_t>(m_expected.lSize + m_expected.lSize / 8 + 4096));
    }
    if (!objXML->SaveXMLToBytes(m_encoded, m_szTarget)) {
        *pszReason = objXML->szErrorReason.isEmpty()
                         ? QStringLiteral("the diary could not be written out")
                         : objXML->szErrorReason;
        return false;
    }
    // Not a copy: no other save starts, and so nothing writes into the buffer, until this job is
    // done with it.
    job.bytes = QByteArray::fromRawData(m_encoded.data(), static_cast<qsizetype>(m_encoded.size()));
    job.szDataFile = m_szDataFile;
    job.szTarget = m_szTarget;
    job.expected = m_expected;
    job.expectedBytes = m_expectedBytes;
    job.bBackup = !m_bBackupDone && m_szTarget == m_szDataFile && m_expected.bExists;
    job.szBackup = BackupFile();
    job.dtWhen = QDateTime::currentDateTime();
    return true;
}

void DataFileSaver::StartBackgroundSave() {
    Job job;
    QString szReason;
    if (!PrepareJob(job, &szReason)) {
        ++m_iFailures;
        ScheduleRetry(szReason);
        return;
    }
    m_lRunningChange = m_lChanges;
    auto result = std::make_shared<JobResult>();
    m_running = result;
    m_worker.start([this, job = std::move(job), result]() mutable {
        *result = RunJob(job);
        // The job lets go of the encoded bytes here, before the saver can start the next save
        // into the same buffer.
        job = Job();
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (CollectBackgroundSave() && m_bSaveAgain) {
                    m_bSaveAgain = false;
                    SaveWhenFree();
                }
            },
            Qt::QueuedConnection);
    });
}

bool DataFileSaver::CollectBackgroundSave() {
    if (!m_running) {
        // SaveNow took it in already.
        return false;
    }
    m_worker.waitForDone();
    const JobResult done = *m_running;
    m_running.reset();
    Apply(done, m_lRunningChange);
    if (done.eKind == kFailed) {
        ScheduleRetry(done.szReason);
    }
    return true;
}

DataFileSaver::Result DataFileSaver::SaveNow() {
    m_timPause.stop();
    m_timLatest.stop();
    m_timRetry.stop();
    m_bSaveAgain = false;
    if (m_running) {
        m_worker.waitForDone();
        const JobResult done = *m_running;
        m_running.reset();
        Apply(done, m_lRunningChange);
    }
    Job job;
    QString szReason;
    if (!PrepareJob(job, &szReason)) {
        return {kFailed, m_szTarget, szReason, {}};
    }
    return Apply(RunJob(job), m_lChanges);
}

DataFileSaver::Result DataFileSaver::Apply(const JobResult& done, qint64 lChange) {
    const Result result{done.eKind, done.szFile, done.szReason, done.szWarning};
    if (done.eKind == kFailed) {
        ++m_iFailures;
        return result;
    }
    m_iFailures = 0;
    m_lSavedChange = lChange;
    m_expected = done.version;
    m_expectedBytes.clear();
    if (done.eKind == kUpToDate) {
        return result;
    }
    m_dtLastWritten = QDateTime::currentDateTime();
    if (done.eKind == kConflictCopy) {
        m_szTarget = done.szFile;
        if (onConflict) {
            onConflict(m_szDataFile, done.szFile);
        }
    } else if (m_szTarget == m_szDataFile) {
        m_bBackupDone = true;
    }
    if (onSaved) {
        onSaved(result);
    }
    return result;
}

void DataFileSaver::ScheduleRetry(const QString& szReason) {
    const int iShift = std::min(m_iFailures - 1, 16);
    m_timRetry.start(std::min(m_timing.iLongestRetryMs, m_timing.iFirstRetryMs << iShift));
    if (!m_bWarned && m_iFailures >= m_timing.iFailuresBeforeWarning) {
        m_bWarned = true;
        if (onKeepsFailing) {
            onKeepsFailing(m_szTarget, szReason);
        }
    }
}

DataFileSaver::DiskState DataFileSaver::CheckDisk(QString* pszReason) const {
    const FileRead disk = ReadWholeFile(m_szTarget);
    if (!disk.bOk) {
        *pszReason = disk.szReason;
        return kUnreadable;
    }
    if (!disk.version.bExists) {
        return kMissing;
    }
    FileVersion expected = m_expected;
    if (expected.bExists && expected.hash.isEmpty()) {
        expected.hash = ContentHash(m_expectedBytes);
    }
    if (!SameContent(disk.version, expected)) {
        return kChangedElsewhere;
    }
    return m_dtLastWritten.isValid() ? kAsLastSaved : kAsLoaded;
}

DataFileSaver::JobResult DataFileSaver::RunJob(const Job& job) {
    JobResult done;
    done.szFile = job.szTarget;
    FileVersion expected = job.expected;
    if (expected.bExists && expected.hash.isEmpty()) {
        expected.hash = ContentHash(job.expectedBytes);
    }
    FileVersion ours;
    ours.bExists = true;
    ours.lSize = job.bytes.size();
    ours.hash = ContentHash(job.bytes);

    // What the target holds now. Only a file of the expected size can be the expected one, so
    // only then is it read.
    const QFileInfo info(job.szTarget);
    FileRead disk;
    bool bStillExpected = true;
    if (info.exists()) {
        if (!info.isFile()) {
            done.szReason = QStringLiteral("it is not an ordinary file");
            return done;
        }
        bStillExpected = expected.bExists && info.size() == expected.lSize;
        if (bStillExpected) {
            disk = ReadWholeFile(job.szTarget);
            if (!disk.bOk) {
                done.szReason = disk.szReason;
                return done;
            }
            bStillExpected = SameContent(disk.version, expected);
        }
    }
    // A file that is gone can be written again: nothing of anyone's is lost by that.

    // Someone else wrote it: theirs stays, ours goes beside it.
    const auto toConflictCopy = [&job, &done, &ours] {
        const QString szCopy = WriteCopyBeside(job.szDataFile, QStringLiteral(".conflict-"),
                                               job.dtWhen, job.bytes, &done.szReason);
        if (szCopy.isEmpty()) {
            return done;
        }
        done.eKind = kConflictCopy;
        done.szFile = szCopy;
        done.szReason.clear();
        ours.dtModified = QFileInfo(szCopy).lastModified();
        done.version = ours;
        return done;
    };
    if (!bStillExpected) {
        return toConflictCopy();
    }

    if (disk.version.bExists && SameContent(disk.version, ours)) {
        done.eKind = kUpToDate;
        done.version = disk.version;
        return done;
    }

    // Checked once more at the swap itself: a file another program puts in place meanwhile (a
    // synchronising tool renaming its copy over ours) is never written over. The file as this
    // run loaded it is kept once, where possible without taking any room.
    const QString szBackup = job.bBackup && disk.version.bExists ? job.szBackup : QString();
    switch (ReplaceFileIfUnchanged(job.szTarget, job.bytes, expected, szBackup, &done.szReason,
                                   &done.szWarning)) {
    case ReplaceOutcome::kReplaced:
        break;
    case ReplaceOutcome::kChangedElsewhere:
        return toConflictCopy();
    case ReplaceOutcome::kFailed:
        return done;
    }
    done.eKind = kWritten;
    ours.dtModified = QFileInfo(job.szTarget).lastModified();
    done.version = ours;
    return done;
}
