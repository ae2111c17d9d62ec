#pragma once

#include "diary/OneShotTimer.h"
#include "diary/SafeFile.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <string>

// Keeps a data file up to date with a document while the program runs, so that a crash, a power
// cut or a killed process loses at most the last second or two. The saver is handed the function
// that turns the document into the file's bytes; it knows nothing else of the document.
//
// After a change (NoteChange), the whole document is saved once the changes pause for a second,
// and at the latest within two seconds of the first unsaved change (the save starts after one and
// a half, leaving time for the writing). The document is turned into the file's bytes on this
// (the user-interface) thread, which takes well under a frame for ten years
// of readings, into a buffer kept from save to save (fresh memory for every save would cost more
// in page faults than the writing out itself) unless the diary is large: a large diary's buffer is
// let go once the worker has compressed its bytes as the next base of a merge, so that between
// saves it holds its tree and a tenth of its bytes only; the bytes are written and synced to disk
// on one worker thread, kept for the saver's life, that never touches the document. There is never
// more than one save at a time: a save that falls due while one is under way follows it, with the
// document as it is then.
//
// Every save first checks that the file on disk is still the one this run loaded or last wrote
// (its size and a hash of its bytes); the check is made again at the swap itself, so that a file
// another program puts in place while the save is under way is never written over. When someone
// else changed it and the owner handed in a merger, their file is merged into the document
// against the version this run last read or wrote (the common base), and the merged document is
// saved over theirs by the same checked save (merged again when it changed once more meanwhile).
// Without a merger, or when their file cannot be merged, it is left as it is and this run's
// readings go to a new "<file>.conflict-<yyyyMMdd>-<HHmmss>" beside it, where later saves of the
// run go too. The first save of a run
// keeps the file it replaces, as loaded, as "<file>.bak" (the old file itself where possible, so
// that the backup takes no room the save needs; the next run's first save replaces it).
//
// A failed save is tried again, after one second, then two, four, ... up to sixteen; after the
// third failure in a row the owner hears of it once (onKeepsFailing).
class DataFileSaver : public QObject {
public:
    // Puts the document, as the file's bytes, into bytes in place of what it held (its memory is
    // used again from save to save); szFile names the file in a reason. False with pszReason.
    using Encoder =
        std::function<bool(std::string& bytes, const QString& szFile, QString* pszReason)>;

    // How long the saver waits, and by which clock.
    struct Timing {
        // A save follows a pause in the changes this long ...
        int iPauseMs = 1000;
        // ... and starts at the latest this long after the first unsaved change, leaving half a
        // second for the writing so that a reading is on disk within two seconds of its typing.
        int iLatestMs = 1500;
        // A failed save is tried again after this, then twice as long each time, up to the
        // longest.
        int iFirstRetryMs = 1000;
        int iLongestRetryMs = 16000;
        // Failures in a row before onKeepsFailing.
        int iFailuresBeforeWarning = 3;
        // Where the timers come from; null: the event loop's. Tests give a clock of their own and
        // move it on instead of waiting.
        TimerSource* pTimers = nullptr;
        // A base of a merge at least this large is kept compressed once a save has written or
        // checked it (the worker compresses it); tests make it small.
        qsizetype lPackBaseFrom = 256 * 1024;
    };

    // What a save did.
    enum Kind {
        // The bytes were written to the file saves go to.
        kWritten,
        // The file already held exactly these bytes: nothing was written.
        kUpToDate,
        // The file had been changed by someone else: the bytes went to a conflict copy.
        kConflictCopy,
        // Nothing could be written; szReason says why.
        kFailed,
    };
    struct Result {
        Kind eKind = kFailed;
        // The file written (or found up to date).
        QString szFile;
        // Why it failed, in the system's words.
        QString szReason;
        // What went wrong after the bytes were in place (the folder could not be synced): the
        // save has worked all the same.
        QString szWarning;
    };

    // How the file saves go to stands, for telling the user what is on disk.
    enum DiskState {
        // It holds what this run last wrote.
        kAsLastSaved,
        // It holds what this run loaded (nothing was written).
        kAsLoaded,
        // There is no such file.
        kMissing,
        // Someone else has changed it.
        kChangedElsewhere,
        // It cannot be read.
        kUnreadable,
    };

    // What merging the other side's file into the document did.
    struct MergeOutcome {
        // The document now holds both sides' readings; false: their file could not be merged
        // (it is no diary this program can read), and this run's readings go to a conflict copy.
        bool bMerged = false;
        // The merged document holds something their file lacks: it must be written.
        bool bDiffersFromTheirs = false;
        // A value was changed differently on both sides: their file is kept as a conflict copy.
        bool bKeepTheirs = false;
    };
    // Merges the other side's file (theirs) into the document, against base: the file as this
    // run last read or wrote it (empty when there was none). A null base: their file does not
    // come from that version (a synchronising tool put it in place of this run's last write and
    // set that aside as its conflict copy), so there is no version in common to merge against.
    using Merger = std::function<MergeOutcome(const QByteArray& base, const QByteArray& theirs)>;

    // Saves go to szFile; loaded is what this run read from it (no version: there was no file);
    // encode writes out the document.
    DataFileSaver(const QString& szFile, const FileRead& loaded, Encoder encode, Timing timing);
    DataFileSaver(const QString& szFile, const FileRead& loaded, Encoder encode);
    // Waits for a save that is under way, then ends the worker; reports nothing more.
    ~DataFileSaver() override;
    DataFileSaver(const DataFileSaver&) = delete;
    DataFileSaver& operator=(const DataFileSaver&) = delete;

    // Compresses the bytes as read, the base of the first merge, on the worker: a large diary
    // then holds a tenth of them. Meant for when the program has a moment (its window is on the
    // screen); a save that comes first keeps its base compressed itself.
    void PackReadBytes();
    // Lets go of the bytes as read (a large diary's): until PackReadBytes has compressed them,
    // they are read again from the file whenever they are needed, for as long as it is still the
    // version read (its size and modification time). A file changed meanwhile leaves no base: a
    // later merge then keeps what either side holds.
    void LetGoOfReadBytes();
    // The file as loaded is not worth a backup (it was damaged, and a copy of it is kept
    // elsewhere): the first save leaves an earlier backup as it is.
    void KeepEarlierBackup() { m_bBackupDone = true; }
    // From now on a file changed elsewhere is merged into the document (see above).
    void SetMerger(Merger merge) { m_merge = std::move(merge); }
    // Looks at the file now (it was seen to change): when someone else changed it, it is merged
    // into the document, and the merge is saved when it holds more than their file. After the
    // save under way, when there is one.
    void CheckDiskNow();
    // The readings changed: a save is due after the next pause.
    void NoteChange();
    // Waits for a save under way, then saves the document now on this thread (the exit save).
    Result SaveNow();

    // Whether a save is under way on the worker.
    bool IsSaving() const { return m_bRunning; }
    // Whether a change came after the last save that succeeded.
    bool HasUnsavedChanges() const { return m_lSavedChange != m_lChanges; }
    // The data file.
    QString DataFile() const { return m_szDataFile; }
    // Where saves go: the data file, or this run's conflict copy after a conflict.
    QString TargetFile() const { return m_szTarget; }
    // The copy of the file as loaded that the first save keeps.
    QString BackupFile() const { return m_szDataFile + QStringLiteral(".bak"); }
    // When this run last wrote its readings (invalid: never).
    QDateTime LastWritten() const { return m_dtLastWritten; }
    // How the file saves go to stands now; pszReason: why it cannot be read.
    DiskState CheckDisk(QString* pszReason) const;

    // After each save that wrote (to the file or a conflict copy).
    std::function<void(const Result&)> onSaved;
    // Once per run, when background saves keep failing: the file and the last reason.
    std::function<void(const QString& szFile, const QString& szReason)> onKeepsFailing;
    // When the file was found changed by someone else: their file and the copy of ours.
    std::function<void(const QString& szTheirs, const QString& szOurs)> onConflict;
    // After their file was merged into the document: what the merge did, and the conflict copy
    // their file was kept in (empty: none was needed, or none could be written; the merged
    // document then goes to a conflict copy of its own).
    std::function<void(const MergeOutcome& outcome, const QString& szTheirsCopy)> onMerged;

private:
    struct Job;
    struct JobResult;
    class Worker;
    // Runs one save; touches no document, so that it may run on any thread.
    static JobResult RunJob(const Job& job);
    // Only compresses the bytes as read, and works out their hash.
    static JobResult PackOnly(const Job& job);
    // Whether the target is still the version expected (or gone); pDisk: what it holds, when
    // it was read. False with pszReason when it cannot be told; false alone when it changed.
    static bool TargetStillExpected(const Job& job, const FileVersion& expected, FileRead* pDisk,
                                    QString* pszReason);
    // Writes ours beside the data file, as this run's conflict copy.
    static JobResult WriteConflictCopy(const Job& job, FileVersion ours);
    // The target changed elsewhere: hands their file back for a merge, or writes the conflict
    // copy when it cannot be read or no merge is wanted.
    static JobResult ChangedElsewhere(const Job& job, const FileVersion& ours);
    // Whether a file changed elsewhere is merged now (rather than left beside a conflict copy).
    bool CanMerge() const;
    // Merges their file into the document and makes it the new base; true when the document
    // must be saved (it holds more than their file, or they could not be merged). bMayWait: a
    // file that cannot be merged is left for a later look (it may still be being written)
    // instead of sending this run's readings to a conflict copy.
    bool TakeInTheirs(const FileRead& theirs, bool bMayWait);
    // Whether a synchronising tool set the version this run last wrote aside as its conflict
    // copy: the file in its place then holds another computer's saves made without ours.
    bool BaseSetAside() const;

    // A save is due: start one, or ask for one after the save under way.
    void SaveWhenFree();
    void StopTimers();
    void StartBackgroundSave();
    // The worker has ended a save: takes in its result, unless SaveNow took it already, and
    // starts a save that fell due meanwhile.
    void OnBackgroundSaveDone();
    // The document as the file's bytes, and what the save must check; false with pszReason.
    bool PrepareJob(Job& job, QString* pszReason);
    // Takes a save's result into the saver's state; the change count it saved.
    Result Apply(const JobResult& done, qint64 lChange);
    // After a failure: try again later, and tell the owner once when it keeps failing.
    void ScheduleRetry(const QString& szReason);

    QString m_szDataFile;
    QString m_szTarget;
    Encoder m_encode;
    Timing m_timing;
    // The version of the target this run loaded or last wrote (the hash of what was loaded is
    // left to the first save, off this thread), and its bytes: the base of a merge. The bytes
    // are held in one of these ways: as they were read (m_baseBytes), compressed by the worker
    // after a save (m_basePacked: a large diary's base takes a tenth of its size), or as what the
    // last save encoded, still in m_encoded (m_bBaseInEncoded), until the next save needs the
    // buffer. Null throughout: no base.
    FileVersion m_expected;
    QByteArray m_baseBytes;
    QByteArray m_basePacked;
    bool m_bBaseInEncoded = false;
    // Or, after LetGoOfReadBytes, still only in the file (read back or compressed from there).
    bool m_bBaseOnDisk = false;
    // The base's bytes, whichever way they are held (null: no base).
    QByteArray BaseBytes() const;
    bool HasBase() const;
    // m_expected with its hash, worked out from the base when it was left for later.
    FileVersion ExpectedWithHash() const;
    // Replaces the base by bytes as read, or by none.
    void SetBase(QByteArray bytes);
    // Before the encoding buffer is used again: a base held there is compressed first.
    void TakeBaseOutOfEncoded();
    // Takes in the compressed bytes as read, when they are still the base.
    void TakePacked(const JobResult& done);
    // A base held only in the file is read back into memory (or found lost) before it is used.
    void ReadBaseBack();
    // The version read is gone from the file before its bytes were kept: no base, no hash.
    void BaseLost();
    Merger m_merge;
    // Merges since the last save that reached the file; a file changed again at every try goes
    // to a conflict copy after a few.
    int m_iMergesInRow = 0;
    bool m_bMergeFailed = false;
    // The disk is looked at again once the save under way has ended.
    bool m_bCheckAfterSave = false;
    bool m_bBackupDone = false;
    QDateTime m_dtLastWritten;

    qint64 m_lChanges = 0;
    qint64 m_lSavedChange = 0;
    int m_iFailures = 0;
    bool m_bWarned = false;

    std::unique_ptr<OneShotTimer> m_timPause;
    std::unique_ptr<OneShotTimer> m_timLatest;
    std::unique_ptr<OneShotTimer> m_timRetry;

    // The document as the file's bytes; its memory is used again by the next save.
    std::string m_encoded;
    // The worker thread (one, kept for the saver's life); whether a save is under way on it and
    // the change count it saves.
    std::unique_ptr<Worker> m_worker;
    bool m_bRunning = false;
    qint64 m_lRunningChange = 0;
    // A save fell due while one was under way.
    bool m_bSaveAgain = false;
};
