#pragma once

#include "diary/SafeFile.h"
#include "xmlstore/NodePool.h"

#include <QString>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

class QThread;
class clsXML;
class clsXMLTag;

// What reading the data file found.
enum class DiaryLoadOutcome {
    // Read whole, with its list of readings.
    kLoaded,
    // There is no file: a new diary.
    kMissing,
    // There is a file, but it could not be read (read.szReason says why).
    kUnreadable,
    // Its lines do not form a tag tree; the days before the damage were read.
    kDamaged,
    // It holds more days than the store can; the days up to that limit were read.
    kTooManyDays,
    // It loaded, but holds no list of readings.
    kNoReadings,
    // It loaded, but ends while tags are still open, as a file cut off at a line end does.
    kCutOff,
};

// The data file as read and loaded, for the start-up and the command line alike.
struct LoadedDiary {
    DiaryLoadOutcome eOutcome = DiaryLoadOutcome::kMissing;
    // The file's bytes as read (its hash left to the first save): what saves compare the file on
    // disk with.
    FileRead read;
    // What was read of it (empty when nothing could be), and its list of readings, or null.
    std::shared_ptr<clsXML> objDoc;
    std::shared_ptr<clsXMLTag> objReadings;
};

// Reads the data file once and loads its bytes; never shows anything and changes no file.
LoadedDiary LoadDiary(const QString& szFile);

// LoadDiary on a thread of its own, started at once: the caller builds its window meanwhile.
// The loaded tree belongs to whoever takes it; nothing else may touch the store until then.
class BackgroundDiaryLoad {
public:
    explicit BackgroundDiaryLoad(QString szFile);
    // Waits for the load (its result is let go).
    ~BackgroundDiaryLoad();
    BackgroundDiaryLoad(const BackgroundDiaryLoad&) = delete;
    BackgroundDiaryLoad& operator=(const BackgroundDiaryLoad&) = delete;

    // Has then run on the loading thread once the file is loaded, before the tree is handed over
    // (at once, when the loaded tree waits already): the thread that owns the tree reads it
    // meanwhile (a chart of it) while the caller makes its window. Then may read the diary and
    // make what it holds, never change what it says; what it throws is let go. At most one, and
    // only before Take or Wait: false when it comes too late to run.
    bool ThenOnLoadingThread(std::function<void(const LoadedDiary&)> then);
    // Waits until the file is loaded (and what was given to ThenOnLoadingThread has run) and hands
    // the diary over; once. Where no thread could be started, loads it here.
    LoadedDiary Take();
    // The file it reads.
    const QString& File() const { return m_szFile; }
    // Waits until the file has been read (or no thread could read it); nothing given to
    // ThenOnLoadingThread afterwards runs.
    void Wait();

private:
    // Lets the loading thread go on from a loaded tree, with then to run first (or none).
    bool Release(std::function<void(const LoadedDiary&)> then);

    QString m_szFile;
    LoadedDiary m_diary;
    // A loaded tree waits here until the caller says what is to be done with it first.
    std::mutex m_gateMutex;
    std::condition_variable m_gate;
    bool m_bReleased = false;
    std::function<void(const LoadedDiary&)> m_then;
    // The thread's node pool, which holds the loaded tree's blocks.
    NodePool::ParcelPtr m_pool;
    std::atomic<bool> m_bLoaded{false};
    std::unique_ptr<QThread> m_thread;
};

// Why a diary that did not load whole (unreadable, damaged, without readings, cut off) could not
// be read, in the user's words (the loader's own texts are for developers).
QString LoadFailureReason(const LoadedDiary& diary);
