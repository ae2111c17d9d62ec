#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QtGlobal>

#include <memory>
#include <optional>

class QLockFile;

// The lock that lets one tlg at a time use a data file: "<data file>.lock" beside it (for
// crtlg.dat, crtlg.dat.lock), readable by its owner only, removed when released. It names the
// process, the computer and the time it was taken.
//
// The rules, in Acquire: a lock of this computer refuses only while its process runs. A lock
// left by a process that has ended, an empty or unreadable lock file, and a lock naming this
// very process (a process id used again, as in containers) are taken over. A lock written on
// another computer (a copied home folder, a synchronised data folder) cannot be checked from
// here: it refuses unless the caller takes it over on the user's word. Anything but an ordinary
// file in the lock's place (a pipe, a folder, a device) is never opened in a way that could
// wait, and is refused with the reason. When no lock can be had that way (also a read-only
// folder, a full disk), the caller may go on without one: the saver never writes over a data
// file that someone else changed, so two instances still lose nothing.
class DataFileLock {
    Q_DECLARE_TR_FUNCTIONS(DataFileLock)

public:
    enum Outcome {
        // This object holds the lock.
        kLocked,
        // A running instance of this computer holds it (another process, or another lock of
        // this process): leave the data file alone.
        kHeldByRunning,
        // A lock written on another computer holds it (HolderHost, HolderSince): whether that
        // one still runs cannot be told from here.
        kHeldElsewhere,
        // Something that is not a lock file is in its place; Reason() says what. Going on
        // without a lock is safe.
        kNotAFile,
        // No lock could be written; Reason() says why. Going on without one is safe.
        kNotWritable,
    };

    // What to do with a lock written on another computer.
    enum OtherComputer {
        // It refuses (kHeldElsewhere).
        kRefuseOtherComputer,
        // It is taken over: the user said it no longer runs there.
        kTakeOverOtherComputer,
    };

    // A lock for the data file at szDataFile; nothing happens until Acquire.
    explicit DataFileLock(const QString& szDataFile);
    // Releases the lock when held.
    ~DataFileLock();
    DataFileLock(const DataFileLock&) = delete;
    DataFileLock& operator=(const DataFileLock&) = delete;

    // Takes the lock by the rules above, without waiting for a running holder.
    Outcome Acquire(OtherComputer eOtherComputer = kRefuseOtherComputer);
    // Lets go of the lock (removes the lock file) when held.
    void Release();

    bool IsLocked() const;
    // The lock file's path.
    QString LockFilePath() const;
    // After kNotAFile and kNotWritable: why no lock could be had.
    QString Reason() const;
    // After kHeldByRunning or kHeldElsewhere: the process id of the holder (0 when not known).
    qint64 HolderPid() const;
    // After kHeldByRunning or kHeldElsewhere: the computer the holder named.
    QString HolderHost() const;
    // After kHeldByRunning or kHeldElsewhere: when the holder took the lock (invalid when not
    // known).
    QDateTime HolderSince() const;
    // After kHeldElsewhere, in the user's words: "… open on the computer "X" since <time> (lock
    // file "<path>")." One sentence, for the window and the command line alike.
    QString HeldElsewhereText() const;

private:
    // One try at the lock (given the lock file's object); none: the lock file changed or was
    // stale, to be tried again.
    std::optional<Outcome> TryOnce(QLockFile& lock, OtherComputer eOtherComputer);
    void SetHolder(qint64 lPid, const QString& szHost, const QDateTime& dtSince);

    QString m_szLockFile;
    std::unique_ptr<QLockFile> m_lock;
    QString m_szReason;
    qint64 m_lHolderPid = 0;
    QString m_szHolderHost;
    QDateTime m_dtHolderSince;
};
