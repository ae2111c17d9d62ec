#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>

class QLockFile;

// The lock that lets one tlg at a time use a data file: "<data file>.lock" beside it (for
// crtlg.dat, crtlg.dat.lock), readable by its owner only, removed when released.
//
// The rules, in Acquire: only a lock held by a running instance refuses. A lock left by a
// process that has ended, an empty or unreadable lock file, and a lock naming this very
// process (a process id used again, as in containers) are taken over. When no lock can be
// written at all (a read-only folder, a full disk), the caller goes on without one: the saver
// never writes over a data file that someone else changed, so two instances still lose nothing.
class DataFileLock {
public:
    enum Outcome {
        // This object holds the lock.
        kLocked,
        // A running instance holds it (another process, or another lock of this process):
        // leave the data file alone.
        kHeldByRunning,
        // No lock could be written; Reason() says why. Going on without one is safe.
        kNotWritable,
    };

    // A lock for the data file at szDataFile; nothing happens until Acquire.
    explicit DataFileLock(const QString& szDataFile);
    // Releases the lock when held.
    ~DataFileLock();
    DataFileLock(const DataFileLock&) = delete;
    DataFileLock& operator=(const DataFileLock&) = delete;

    // Takes the lock by the rules above, without waiting for a running holder.
    Outcome Acquire();
    // Lets go of the lock (removes the lock file) when held.
    void Release();

    bool IsLocked() const;
    // The lock file's path.
    QString LockFilePath() const;
    // After kNotWritable: why no lock could be written.
    QString Reason() const;
    // After kHeldByRunning: the process id of the holder (0 when not known).
    qint64 HolderPid() const;

private:
    QString m_szLockFile;
    std::unique_ptr<QLockFile> m_lock;
    QString m_szReason;
    qint64 m_lHolderPid = 0;
};
