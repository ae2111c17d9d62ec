#include "diary/DataFileSaver.h"

#include "diary/ConflictCopies.h"
#include "diary/ProcessMemory.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <utility>

namespace {

struct DataFileSaverText {
    Q_DECLARE_TR_FUNCTIONS(DataFileSaver)
};

// A base of a merge is kept compressed a piece at a time: each piece as qCompress leaves it,
// after its length in four bytes (most significant first). No step needs a buffer of the
// whole file's size, so a file read again piece by piece is compressed as it is read.
constexpr qsizetype kPackPiece = 256 * 1024;

void AppendPacked(QByteArray& packed, QByteArrayView piece) {
    for (qsizetype i = 0; i < piece.size(); i += kPackPiece) {
        const QByteArrayView part = piece.sliced(i, std::min(kPackPiece, piece.size() - i));
        const QByteArray done = qCompress(reinterpret_cast<const uchar*>(part.data()),
                                          static_cast<int>(part.size()), 1);
        const auto lLength = static_cast<quint32>(done.size());
        const char length[4] = {static_cast<char>(lLength >> 24), static_cast<char>(lLength >> 16),
                                static_cast<char>(lLength >> 8), static_cast<char>(lLength)};
        packed.append(length, 4);
        packed.append(done);
    }
}

// The packed bytes in a buffer of their own size.
QByteArray Tight(const QByteArray& packed) {
    return QByteArray(packed.constData(), packed.size());
}

QByteArray Packed(QByteArrayView bytes) {
    QByteArray packed;
    AppendPacked(packed, bytes);
    return Tight(packed);
}

// The hash of a version whose bytes are lost: no file's hash is ever this.
QByteArray LostHash() {
    return QByteArrayLiteral("no such version");
}

// The bytes packed; null when they are damaged.
QByteArray Unpacked(const QByteArray& packed) {
    QByteArray bytes("");
    for (qsizetype i = 0; i < packed.size();) {
        if (packed.size() - i < 4) {
            return QByteArray();
        }
        const auto* p = reinterpret_cast<const uchar*>(packed.constData() + i);
        const qsizetype lLength = (qsizetype(p[0]) << 24) | (qsizetype(p[1]) << 16) |
                                  (qsizetype(p[2]) << 8) | qsizetype(p[3]);
        i += 4;
        if (lLength > packed.size() - i) {
            return QByteArray();
        }
        const QByteArray piece = qUncompress(p + 4, lLength);
        if (piece.isNull()) {
            return QByteArray();
        }
        bytes += piece;
        i += lLength;
    }
    return bytes;
}

} // namespace

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
    // A target changed elsewhere is handed back for a merge instead of a conflict copy.
    bool bMerge = false;
    // Once the target holds the bytes, hand them back compressed: the next base of a merge.
    bool bPackBase = false;
    // Nothing to save: only compress bytes (the file as read, the first base of a merge) and
    // work out their hash.
    bool bPackOnly = false;
};

struct DataFileSaver::JobResult {
    Kind eKind = kFailed;
    QString szFile;
    QString szReason;
    QString szWarning;
    // The version of szFile now (what was written, or what was found up to date).
    FileVersion version;
    // Nothing was written: the target was changed elsewhere, and holds theirs.
    bool bChangedElsewhere = false;
    FileRead theirs;
    // The bytes compressed, when the job asked for it and the target holds them.
    QByteArray packed;
    // A job that only compressed: the bytes' hash, and nothing else in this result means anything.
    bool bPackedOnly = false;
    QByteArray packedHash;
};

// A job that only compresses the bytes as read (the first base of a merge) and works out their
// hash: the bytes handed over, or, once they were let go of, the file read again piece by piece
// and compressed as it comes, while it is still the version read (none packed when it is not).
DataFileSaver::JobResult DataFileSaver::PackOnly(const Job& job) {
    JobResult result;
    result.bPackedOnly = true;
    if (!job.bytes.isNull()) {
        result.packedHash = ContentHash(job.bytes);
        result.packed = Packed(job.bytes);
        return result;
    }
    QByteArray packed;
    result.packedHash =
        ReadVersionAgain(job.szTarget, job.expected,
                         [&packed](QByteArrayView piece) { AppendPacked(packed, piece); });
    if (!result.packedHash.isEmpty()) {
        result.packed = Tight(packed);
    }
    return result;
}

// The saver's one worker thread, kept for its life. A job is handed over under a mutex and runs
// at once; its result waits there until the saver takes it, on the thread the saver lives on.
class DataFileSaver::Worker {
public:
    // onDone: called on the worker thread after each job, once its result can be taken.
    explicit Worker(std::function<void()> onDone) : m_onDone(std::move(onDone)) {
        m_thread.reset(QThread::create([this] { Loop(); }));
        m_thread->setObjectName(QStringLiteral("tlg saver"));
        m_thread->start();
    }
    // Lets a job handed over end, then ends the thread.
    ~Worker() {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_bStop = true;
        }
        m_changed.notify_all();
        m_thread->wait();
    }
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    // Hands a job over; the one before must have been taken.
    void Run(Job job) {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_job = std::move(job);
            m_result.reset();
        }
        m_changed.notify_all();
    }

    // The result of the job handed over last, once it has ended; none when it was taken
    // already. bWait: waits for a job under way (otherwise one under way gives none).
    std::optional<JobResult> Take(bool bWait) {
        std::unique_lock<std::mutex> lock(m_mutex);
        if (bWait) {
            m_changed.wait(lock, [this] { return !m_job && !m_bBusy; });
        }
        return std::exchange(m_result, std::nullopt);
    }

private:
    void Loop() {
        for (;;) {
            Job job;
            {
                std::unique_lock<std::mutex> lock(m_mutex);
                m_changed.wait(lock, [this] { return m_job || m_bStop; });
                if (!m_job) {
                    return;
                }
                job = std::move(*m_job);
                m_job.reset();
                m_bBusy = true;
            }
            JobResult result = job.bPackOnly ? PackOnly(job) : RunJob(job);
            if (job.bPackBase && (result.eKind == kWritten || result.eKind == kUpToDate)) {
                result.packed = Packed(job.bytes);
            }
            if (!result.packed.isNull()) {
                // Compressing took buffers on this thread, which the allocator would otherwise
                // keep: given back, so that the base's tenth remains.
                GiveBackFreedMemory();
            }
            // The job lets go of the encoded bytes here, before the saver can start the next
            // save into the same buffer.
            job = Job();
            {
                const std::lock_guard<std::mutex> lock(m_mutex);
                m_result = std::move(result);
                m_bBusy = false;
            }
            m_changed.notify_all();
            m_onDone();
        }
    }

    std::function<void()> m_onDone;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::optional<Job> m_job;
    std::optional<JobResult> m_result;
    bool m_bBusy = false;
    bool m_bStop = false;
    std::unique_ptr<QThread> m_thread;
};

DataFileSaver::DataFileSaver(const QString& szFile, const FileRead& loaded, Encoder encode)
    : DataFileSaver(szFile, loaded, std::move(encode), Timing()) {}

DataFileSaver::DataFileSaver(const QString& szFile, const FileRead& loaded, Encoder encode,
                             Timing timing)
    : m_szDataFile(szFile), m_szTarget(szFile), m_encode(std::move(encode)), m_timing(timing),
      m_expected(loaded.version), m_baseBytes(loaded.bytes) {
    TimerSource& timers = m_timing.pTimers != nullptr ? *m_timing.pTimers : RealTimers();
    for (std::unique_ptr<OneShotTimer>* timer : {&m_timPause, &m_timLatest, &m_timRetry}) {
        *timer = timers.MakeTimer([this] { SaveWhenFree(); });
    }
    m_worker = std::make_unique<Worker>([this] {
        QMetaObject::invokeMethod(
            this, [this] { OnBackgroundSaveDone(); }, Qt::QueuedConnection);
    });
}

void DataFileSaver::PackReadBytes() {
    // Only the bytes as read, and only while the worker is free: a save under way compresses
    // the base it writes.
    if (m_bRunning) {
        return;
    }
    Job job;
    job.bPackOnly = true;
    if (m_bBaseOnDisk) {
        job.szTarget = m_szDataFile;
        job.expected = m_expected;
    } else if (m_bBaseInEncoded || !m_basePacked.isNull() || m_baseBytes.isEmpty() ||
               m_baseBytes.size() < m_timing.lPackBaseFrom ||
               m_expected.lSize != m_baseBytes.size()) {
        return;
    } else {
        job.bytes = m_baseBytes;
    }
    m_bRunning = true;
    m_worker->Run(std::move(job));
}

void DataFileSaver::LetGoOfReadBytes() {
    if (m_baseBytes.size() < std::max<qsizetype>(m_timing.lPackBaseFrom, 1) || m_bBaseInEncoded ||
        !m_basePacked.isNull() || !m_expected.bExists || !m_expected.dtModified.isValid() ||
        m_expected.lSize != m_baseBytes.size() || m_szTarget != m_szDataFile) {
        return;
    }
    SetBase(QByteArray());
    m_bBaseOnDisk = true;
}

void DataFileSaver::TakePacked(const JobResult& done) {
    if (m_bBaseOnDisk) {
        // Nothing replaced the base meanwhile (a save or a merge would have). Nothing packed:
        // the file is not the version read any more, that version is lost, and with it the
        // base; the next save finds the file changed, and a merge keeps both sides.
        if (done.packed.isNull() ||
            (!m_expected.hash.isEmpty() && m_expected.hash != done.packedHash)) {
            BaseLost();
            return;
        }
        m_expected.hash = done.packedHash;
        SetBase(QByteArray());
        m_basePacked = done.packed;
        GiveBackFreedMemory();
        return;
    }
    // The base is still the bytes that were compressed, unless something replaced it meanwhile.
    if (!m_bBaseInEncoded && m_basePacked.isNull() && !m_baseBytes.isNull() &&
        !done.packed.isNull() && m_expected.lSize == m_baseBytes.size()) {
        if (m_expected.hash.isEmpty()) {
            m_expected.hash = done.packedHash;
        }
        if (m_expected.hash == done.packedHash) {
            SetBase(QByteArray());
            m_basePacked = done.packed;
            GiveBackFreedMemory();
        }
    }
}

void DataFileSaver::BaseLost() {
    // An empty base: everything either side holds counts as its own addition. The expected
    // version keeps its size and time, but no hash matches it.
    SetBase(QByteArray(""));
    m_expected.hash = LostHash();
}

void DataFileSaver::ReadBaseBack() {
    if (!m_bBaseOnDisk) {
        return;
    }
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(m_expected.lSize));
    const QByteArray hash = ReadVersionAgain(m_szDataFile, m_expected,
                                             [&bytes](QByteArrayView piece) { bytes += piece; });
    if (hash.isEmpty()) {
        BaseLost();
        return;
    }
    m_expected.hash = hash;
    SetBase(bytes);
}

DataFileSaver::~DataFileSaver() {
    // Before anything else goes: the worker may still call back into the saver.
    m_worker.reset();
}

void DataFileSaver::NoteChange() {
    ++m_lChanges;
    m_timPause->Start(m_timing.iPauseMs);
    if (!m_timLatest->IsActive()) {
        m_timLatest->Start(m_timing.iLatestMs);
    }
}

void DataFileSaver::StopTimers() {
    m_timPause->Stop();
    m_timLatest->Stop();
    m_timRetry->Stop();
}

void DataFileSaver::SaveWhenFree() {
    StopTimers();
    if (m_bRunning) {
        m_bSaveAgain = true;
        return;
    }
    StartBackgroundSave();
}

bool DataFileSaver::PrepareJob(Job& job, QString* pszReason) {
    // A save before the bytes as read were compressed needs them now.
    ReadBaseBack();
    if (!m_encode) {
        *pszReason = DataFileSaverText::tr("there is no diary to save");
        return false;
    }
    // The buffer is taken in one piece, a little larger than the file (grown as it goes, fresh
    // memory made the first save of a large diary hold up the window for tens of milliseconds),
    // and kept from save to save unless the diary is large (Apply lets it go).
    TakeBaseOutOfEncoded();
    if (m_encoded.capacity() < static_cast<size_t>(m_expected.lSize)) {
        m_encoded.reserve(static_cast<size_t>(m_expected.lSize + m_expected.lSize / 8 + 4096));
    }
    if (!m_encode(m_encoded, m_szTarget, pszReason)) {
        return false;
    }
    // Not a copy: no other save starts, and so nothing writes into the buffer, until this job is
    // done with it.
    job.bytes = QByteArray::fromRawData(m_encoded.data(), static_cast<qsizetype>(m_encoded.size()));
    job.szDataFile = m_szDataFile;
    job.szTarget = m_szTarget;
    job.expected = m_expected;
    job.expectedBytes = m_expected.hash.isEmpty() ? BaseBytes() : QByteArray();
    job.bBackup = !m_bBackupDone && m_szTarget == m_szDataFile && m_expected.bExists;
    job.szBackup = BackupFile();
    job.dtWhen = QDateTime::currentDateTime();
    job.bMerge = CanMerge();
    job.bPackBase = m_merge && job.bytes.size() >= m_timing.lPackBaseFrom;
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
    m_bRunning = true;
    m_worker->Run(std::move(job));
}

void DataFileSaver::OnBackgroundSaveDone() {
    std::optional<JobResult> done = m_worker->Take(false);
    if (!done) {
        // SaveNow took it in already.
        return;
    }
    m_bRunning = false;
    if (done->bPackedOnly) {
        TakePacked(*done);
    } else if (done->bChangedElsewhere) {
        m_bSaveAgain = TakeInTheirs(done->theirs, false) || m_bSaveAgain;
    } else {
        Apply(*done, m_lRunningChange);
        if (done->eKind == kFailed) {
            ScheduleRetry(done->szReason);
        }
    }
    if (m_bSaveAgain) {
        m_bSaveAgain = false;
        m_bCheckAfterSave = false;
        SaveWhenFree();
    } else if (m_bCheckAfterSave) {
        m_bCheckAfterSave = false;
        CheckDiskNow();
    }
}

bool DataFileSaver::CanMerge() const {
    constexpr int kMostMergesInRow = 3;
    return m_merge && !m_bMergeFailed && m_szTarget == m_szDataFile &&
           m_iMergesInRow < kMostMergesInRow;
}

QByteArray DataFileSaver::BaseBytes() const {
    if (m_bBaseInEncoded) {
        return QByteArray(m_encoded.data(), static_cast<qsizetype>(m_encoded.size()));
    }
    if (!m_basePacked.isNull()) {
        const QByteArray bytes = Unpacked(m_basePacked);
        return bytes.isNull() ? QByteArray("") : bytes; // an empty base is still a base
    }
    return m_baseBytes;
}

FileVersion DataFileSaver::ExpectedWithHash() const {
    FileVersion expected = m_expected;
    if (expected.bExists && expected.hash.isEmpty()) {
        expected.hash = m_bBaseOnDisk ? ReadVersionAgain(m_szDataFile, m_expected, {})
                                      : ContentHash(BaseBytes());
        if (expected.hash.isEmpty()) {
            expected.hash = LostHash();
        }
    }
    return expected;
}

bool DataFileSaver::HasBase() const {
    return m_bBaseInEncoded || !m_basePacked.isNull() || !m_baseBytes.isNull() || m_bBaseOnDisk;
}

void DataFileSaver::SetBase(QByteArray bytes) {
    m_baseBytes = std::move(bytes);
    m_basePacked = QByteArray();
    m_bBaseInEncoded = false;
    m_bBaseOnDisk = false;
}

void DataFileSaver::TakeBaseOutOfEncoded() {
    if (!m_bBaseInEncoded) {
        return;
    }
    const QByteArrayView encoded(m_encoded.data(), static_cast<qsizetype>(m_encoded.size()));
    if (encoded.size() < m_timing.lPackBaseFrom) {
        SetBase(encoded.toByteArray());
    } else {
        SetBase(QByteArray());
        m_basePacked = Packed(encoded);
    }
}

bool DataFileSaver::BaseSetAside() const {
    if (!HasBase() || m_expected.lSize == 0) {
        return false;
    }
    const QList<ConflictCopy> copies = FindConflictCopies(m_szDataFile);
    QByteArray base;
    return std::any_of(copies.begin(), copies.end(), [this, &base](const ConflictCopy& copy) {
        if (copy.szMadeBy == QLatin1String("tlg")) {
            return false;
        }
        if (base.isNull()) {
            base = BaseBytes();
        }
        return ReadWholeFile(copy.szPath, false).bytes == base;
    });
}

bool DataFileSaver::TakeInTheirs(const FileRead& theirs, bool bMayWait) {
    ReadBaseBack();
    // A null base tells the merger that their file does not come from this run's version.
    const QByteArray base =
        BaseSetAside() ? QByteArray() : (HasBase() ? BaseBytes() : QByteArray(""));
    const MergeOutcome outcome = m_merge(base, theirs.bytes);
    if (!outcome.bMerged && bMayWait) {
        // Perhaps still being written: looked at again at its next change, or the next save.
        return false;
    }
    ++m_iMergesInRow;
    if (!outcome.bMerged) {
        // Theirs stays as it is; the next save puts this run's readings beside it.
        m_bMergeFailed = true;
        return true;
    }
    QString szCopy;
    if (outcome.bKeepTheirs) {
        QString szReason;
        szCopy = WriteCopyBeside(m_szDataFile, QStringLiteral(".conflict-"),
                                 QDateTime::currentDateTime(), theirs.bytes, &szReason);
        if (szCopy.isEmpty()) {
            // Their values that differ from ours exist only in their file: it is never written
            // over, and the merged readings go to a conflict copy.
            m_bMergeFailed = true;
        }
    }
    // Their file is what the disk holds now: the base of the next merge, and what the next save
    // may write over.
    m_expected = theirs.version;
    SetBase(theirs.bytes);
    const bool bSave = outcome.bDiffersFromTheirs || m_bMergeFailed;
    if (!bSave) {
        // The document holds exactly their readings: nothing of this run is left unsaved.
        m_lSavedChange = m_lChanges;
        m_iMergesInRow = 0;
    }
    if (onMerged) {
        onMerged(outcome, szCopy);
    }
    return bSave;
}

void DataFileSaver::CheckDiskNow() {
    if (m_bRunning) {
        m_bCheckAfterSave = true;
        return;
    }
    if (!CanMerge()) {
        return;
    }
    // The version first, without keeping the bytes; they are read only when they changed.
    const FileRead version = ReadFileVersion(m_szDataFile);
    if (!version.bOk || !version.version.bExists) {
        // Unreadable for now, or gone: the next save tells (and writes a file that is gone).
        return;
    }
    m_expected = ExpectedWithHash();
    if (SameContent(version.version, m_expected)) {
        return;
    }
    const FileRead disk = ReadWholeFile(m_szDataFile);
    if (!disk.bOk || !disk.version.bExists) {
        return;
    }
    if (TakeInTheirs(disk, true)) {
        SaveWhenFree();
    }
}

DataFileSaver::Result DataFileSaver::SaveNow() {
    StopTimers();
    m_bSaveAgain = false;
    if (m_bRunning) {
        if (std::optional<JobResult> done = m_worker->Take(true)) {
            if (done->bPackedOnly) {
                TakePacked(*done);
            } else if (done->bChangedElsewhere) {
                TakeInTheirs(done->theirs, false);
            } else {
                Apply(*done, m_lRunningChange);
            }
        }
        m_bRunning = false;
    }
    for (;;) {
        Job job;
        QString szReason;
        if (!PrepareJob(job, &szReason)) {
            return {kFailed, m_szTarget, szReason, {}};
        }
        JobResult done = RunJob(job);
        if (!done.bChangedElsewhere) {
            return Apply(done, m_lChanges);
        }
        // Merged, then saved again (a few times at most: CanMerge counts them).
        TakeInTheirs(done.theirs, false);
    }
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
    if (done.eKind == kConflictCopy || !m_merge) {
        SetBase(QByteArray());
    } else {
        // The file holds the bytes this save encoded: they are the base of a later merge. The
        // worker compressed them, or they stay in the encoding buffer until the next save needs
        // it (never a second copy of a large diary: the save at close makes none at all).
        SetBase(QByteArray());
        if (!done.packed.isNull()) {
            m_basePacked = done.packed;
            // A large diary's encoding buffer goes too: between saves the diary holds its tree
            // and a tenth of its bytes only (the next save faults in a fresh buffer, about a
            // millisecond per 3 MB).
            std::string().swap(m_encoded);
            // Their memory goes back to the system (with the bytes as read, after the first).
            GiveBackFreedMemory();
        } else {
            m_bBaseInEncoded = true;
        }
        m_iMergesInRow = 0;
    }
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
    m_timRetry->Start(std::min(m_timing.iLongestRetryMs, m_timing.iFirstRetryMs << iShift));
    if (!m_bWarned && m_iFailures >= m_timing.iFailuresBeforeWarning) {
        m_bWarned = true;
        if (onKeepsFailing) {
            onKeepsFailing(m_szTarget, szReason);
        }
    }
}

DataFileSaver::DiskState DataFileSaver::CheckDisk(QString* pszReason) const {
    const FileRead disk = ReadFileVersion(m_szTarget);
    if (!disk.bOk) {
        *pszReason = disk.szReason;
        return kUnreadable;
    }
    if (!disk.version.bExists) {
        return kMissing;
    }
    if (!SameContent(disk.version, ExpectedWithHash())) {
        return kChangedElsewhere;
    }
    return m_dtLastWritten.isValid() ? kAsLastSaved : kAsLoaded;
}

bool DataFileSaver::TargetStillExpected(const Job& job, const FileVersion& expected,
                                        FileRead* pDisk, QString* pszReason) {
    // Only a file of the expected size can be the expected one, so only then is it read. A file
    // that is gone can be written again: nothing of anyone's is lost by that.
    const QFileInfo info(job.szTarget);
    if (!info.exists()) {
        return true;
    }
    if (!info.isFile()) {
        *pszReason = DataFileSaverText::tr("it is not an ordinary file");
        return false;
    }
    if (!expected.bExists || info.size() != expected.lSize) {
        return false;
    }
    // Only its version is compared: the bytes are not kept (a large diary's would double what
    // the save holds in memory).
    *pDisk = ReadFileVersion(job.szTarget);
    if (!pDisk->bOk) {
        *pszReason = pDisk->szReason;
        return false;
    }
    return SameContent(pDisk->version, expected);
}

DataFileSaver::JobResult DataFileSaver::WriteConflictCopy(const Job& job, FileVersion ours) {
    // Someone else wrote the target: theirs stays, ours goes beside it.
    JobResult done;
    done.szFile = WriteCopyBeside(job.szDataFile, QStringLiteral(".conflict-"), job.dtWhen,
                                  job.bytes, &done.szReason);
    if (done.szFile.isEmpty()) {
        done.szFile = job.szTarget;
        return done;
    }
    done.eKind = kConflictCopy;
    done.szReason.clear();
    ours.dtModified = QFileInfo(done.szFile).lastModified();
    done.version = ours;
    return done;
}

DataFileSaver::JobResult DataFileSaver::ChangedElsewhere(const Job& job, const FileVersion& ours) {
    if (!job.bMerge) {
        return WriteConflictCopy(job, ours);
    }
    JobResult done;
    done.szFile = job.szTarget;
    done.theirs = ReadWholeFile(job.szTarget);
    if (!done.theirs.bOk || !done.theirs.version.bExists) {
        // Gone or unreadable again already: nothing to merge, and theirs is never written over.
        return WriteConflictCopy(job, ours);
    }
    done.bChangedElsewhere = true;
    return done;
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

    FileRead disk;
    if (!TargetStillExpected(job, expected, &disk, &done.szReason)) {
        return done.szReason.isEmpty() ? ChangedElsewhere(job, ours) : done;
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
        return ChangedElsewhere(job, ours);
    case ReplaceOutcome::kFailed:
        return done;
    }
    done.eKind = kWritten;
    ours.dtModified = QFileInfo(job.szTarget).lastModified();
    done.version = ours;
    return done;
}
