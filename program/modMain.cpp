#include "program/modMain.h"

#include "diary/DataFileLock.h"
#include "diary/DataFileSaver.h"
#include "diary/DiaryLoad.h"
#include "diary/PendingNotes.h"
#include "diary/ReadingsSchema.h"
#include "diary/SafeFile.h"
#include "diary/modFiles.h"
#include "diary/modGlobals.h"
#include "mainwindow/DiaryReload.h"
#include "mainwindow/frmMain.h"
#include "program/CopyOffer.h"
#include "resources/Resources.h"
#include "welcome/frmWelcome.h"
#include "widgets/modUtils.h"
#include "xmlstore/clsXML.h"
#include "xmlstore/clsXMLTag.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QIcon>
#include <QLocale>
#include <QPointer>
#include <QTimer>

#ifndef QT_NO_SESSIONMANAGER
#include <QSessionManager>
#endif

#ifndef Q_OS_WIN
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

#include <cstdio>
#include <exception>
#include <iterator>
#include <memory>
#include <optional>
#include <utility>

namespace {

// The reading StartReadingEarly started, until a run takes it over or lets it go.
std::unique_ptr<BackgroundDiaryLoad>& EarlyLoad() {
    static std::unique_ptr<BackgroundDiaryLoad> load;
    return load;
}

// The data file at its usual place: the application-data folder, else the home folder.
QString UsualDataFile() {
    QString szWhyNot;
    return DataFilePath(ResolveDataFolder(GetSpecialFolderPath(kAppDataFolderId), &szWhyNot));
}

} // namespace

void StartReadingEarly() {
    EarlyLoad() = std::make_unique<BackgroundDiaryLoad>(UsualDataFile());
}

void WaitForEarlyReading() {
    if (EarlyLoad()) {
        EarlyLoad()->Wait();
    }
}

namespace {

// The texts of the start and the end of a run, translated in the context "modMain".
class modMain {
    Q_DECLARE_TR_FUNCTIONS(modMain)
};

// The title of the box that says a save failed.
QString ProblemTitle() {
    //: %1: the program's name (Free Tensiolog).
    return modMain::tr("%1 has experienced a problem").arg(kProductName);
}

// What a run shares with the signal handler and with RequestShutdown, in one place.
struct ProcessState {
    // Set once the platform asked the program to end (a signal, the session ending).
    bool bShutdownRequested = false;
#ifndef Q_OS_WIN
    // Termination signals are turned into a byte on this socket pair, read on the
    // user-interface thread, where the program ends as a close would.
    int signalSockets[2] = {-1, -1};
#endif
};
ProcessState g_process;

QString Native(const QString& szPath) {
    return QDir::toNativeSeparators(szPath);
}

#ifndef Q_OS_WIN
void OnTerminationSignal(int /*signal*/) {
    const int savedErrno = errno;
    const char byte = 1;
    if (::write(g_process.signalSockets[1], &byte, 1) < 0) {
        // Nothing can be done inside a signal handler.
    }
    errno = savedErrno;
}

constexpr int kTerminationSignals[] = {SIGTERM, SIGINT, SIGHUP};
#endif

// While alive, SIGTERM, SIGINT and SIGHUP end the run as a close would (none on Windows,
// whose session end arrives through the application).
class TerminationWatch {
public:
    TerminationWatch() {
#ifndef Q_OS_WIN
        int* sockets = g_process.signalSockets;
        if (::socketpair(AF_UNIX, SOCK_STREAM, 0, sockets) != 0) {
            return;
        }
        m_notifier = std::make_unique<QSocketNotifier>(sockets[0], QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [sockets] {
            char buffer[16];
            if (::read(sockets[0], buffer, sizeof buffer) > 0) {
                RequestShutdown();
            }
        });
        struct sigaction action = {};
        action.sa_handler = OnTerminationSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (std::size_t i = 0; i < std::size(kTerminationSignals); ++i) {
            sigaction(kTerminationSignals[i], &action, &m_previous[i]);
        }
        m_bInstalled = true;
#endif
    }

    ~TerminationWatch() {
#ifndef Q_OS_WIN
        if (!m_bInstalled) {
            return;
        }
        for (std::size_t i = 0; i < std::size(kTerminationSignals); ++i) {
            sigaction(kTerminationSignals[i], &m_previous[i], nullptr);
        }
        m_notifier.reset();
        int* sockets = g_process.signalSockets;
        ::close(sockets[0]);
        ::close(sockets[1]);
        sockets[0] = sockets[1] = -1;
#endif
    }

    TerminationWatch(const TerminationWatch&) = delete;
    TerminationWatch& operator=(const TerminationWatch&) = delete;

private:
#ifndef Q_OS_WIN
    std::unique_ptr<QSocketNotifier> m_notifier;
    struct sigaction m_previous[std::size(kTerminationSignals)] = {};
    bool m_bInstalled = false;
#endif
};

// Runs a callback once, after the window has been painted for the first time.
class FirstPaintWatcher : public QObject {
public:
    FirstPaintWatcher(QWidget* window, std::function<void()> callback)
        : QObject(window), m_callback(std::move(callback)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && m_callback) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                const auto callback = std::move(m_callback);
                m_callback = nullptr;
                callback();
            });
        }
        return false;
    }

private:
    std::function<void()> m_callback;
};

// ---- What the user is told.

// An error that says nothing of itself.
QString UnexpectedErrorText() {
    return modMain::tr("an unexpected error");
}

// The day entries read completely: those with all four value tags.
int WholeDays(const std::shared_ptr<clsXMLTag>& objReadings) {
    if (!objReadings || !objReadings->objSubTags) {
        return 0;
    }
    int iDays = 0;
    for (const std::shared_ptr<clsXMLTag>& objEntry : *objReadings->objSubTags) {
        if (!objEntry->objSubTags) {
            continue;
        }
        int iFound = 0;
        const clsXMLTags& values = *objEntry->objSubTags;
        const int32_t lCount = values.Count();
        for (int32_t i = 1; i <= lCount; ++i) {
            const QString& szName = values.NameAt(i); // read in place: no tag is made
            if (szName == kSystolicName) {
                iFound |= 1;
            } else if (szName == kDiastolicName) {
                iFound |= 2;
            } else if (szName == kPulseName) {
                iFound |= 4;
            } else if (szName == kCommentName) {
                iFound |= 8;
            }
        }
        iDays += iFound == 15 ? 1 : 0;
    }
    return iDays;
}

QString DamagedFileNote(const QString& szFile, const QString& szReason, const QString& szCopy,
                        int iWholeDays) {
    const QString szKept =
        iWholeDays > 0
            ? modMain::tr("The %Ln days read before the damaged part are shown, and they will be "
                          "saved together with what you enter now.",
                          nullptr, iWholeDays)
            : modMain::tr("No readings could be read from it, so the diary starts empty.");
    //: %1: the readings file, %2: what is wrong with it, %3: the copy kept, %4: what is shown
    //: of it (a sentence).
    return modMain::tr("The readings file \"%1\" is damaged and could not be read completely "
                       "(%2).\n\nA copy of it as it was has been kept as \"%3\".\n\n%4")
        .arg(Native(szFile), szReason, Native(szCopy), szKept);
}

QString FullDiaryNote(const QString& szFile, const QString& szCopy, int iWholeDays) {
    //: %1: how many days the diary holds at most (sentences), %2: the readings file, %3: the
    //: copy kept of it.
    return modMain::tr("%1\n\n\"%2\" holds more days than that, so only the first %Ln days are "
                       "shown, and only they will be saved in it.\n\nA copy of the whole file has "
                       "been kept as \"%3\".",
                       nullptr, iWholeDays)
        .arg(DiaryFullText(), Native(szFile), Native(szCopy));
}

QString FolderMovedNote(const QString& szWanted, const QString& szWhyNot, const QString& szFile) {
    if (szWanted.isEmpty()) {
        //: %1: the readings file, %2: why it is there.
        return modMain::tr("The readings are kept in \"%1\": %2.").arg(Native(szFile), szWhyNot);
    }
    //: %1: the folder, %2: why it could not be made, %3: the readings file used instead.
    return modMain::tr("The data folder \"%1\" could not be made (%2), so the readings are kept "
                       "in \"%3\".")
        .arg(Native(szWanted), szWhyNot, Native(szFile));
}

QString ConflictNote(const QString& szTheirs, const QString& szOurs) {
    //: %1: the readings file, %2: the copy saved beside it.
    return modMain::tr("The readings file \"%1\" was changed by another program while Tensiolog "
                       "was running. It was left as it is, and the readings of this session were "
                       "saved beside it as \"%2\"; later changes of this session are saved there "
                       "too.")
        .arg(Native(szTheirs), Native(szOurs));
}

QString KeepsFailingNote(const QString& szFile, const QString& szReason) {
    //: %1: the readings file, %2: why not.
    return modMain::tr("The readings could not be saved to \"%1\" (%2).\n\nTensiolog keeps trying "
                       "while it runs; if it still cannot save them when you close it, you can try "
                       "again then.")
        .arg(Native(szFile), szReason);
}

// What is on disk after a save that did not happen, as it really stands.
QString WhatIsOnDisk(const DataFileSaver& saver) {
    const QString szFile = Native(saver.TargetFile());
    QString szReason;
    switch (saver.CheckDisk(&szReason)) {
    case DataFileSaver::kAsLastSaved: {
        const QDateTime dtSaved = saver.LastWritten();
        const QString szWhen = dtSaved.date() == QDate::currentDate()
                                   ? QLocale().toString(dtSaved.time(), QLocale::ShortFormat)
                                   : QLocale().toString(dtSaved, QLocale::ShortFormat);
        //: %1: the readings file, %2: a time (today) or a date and time.
        return modMain::tr("\"%1\" holds the readings as they were when they were last saved, at "
                           "%2.")
            .arg(szFile, szWhen);
    }
    case DataFileSaver::kAsLoaded:
        return modMain::tr("\"%1\" still holds the readings as they were when the program started.")
            .arg(szFile);
    case DataFileSaver::kMissing:
        return modMain::tr("There is no file \"%1\" now.").arg(szFile);
    case DataFileSaver::kChangedElsewhere:
        return modMain::tr("\"%1\" holds what another program wrote into it, which was left as it "
                           "is.")
            .arg(szFile);
    case DataFileSaver::kUnreadable:
        break;
    }
    //: %1: the readings file, %2: why not.
    return modMain::tr("\"%1\" cannot be read now (%2).").arg(szFile, szReason);
}

// Ends the run's program-wide state, so that nothing of it outlives Main.
void ReleaseDocument() {
    SetReadingsChangedHandler(nullptr);
    ReplaceDocument(nullptr, nullptr);
    SetToday(QDate());
    clsXML::SetErrorReporter(nullptr);
}

// One run of the program, step by step (see Main).
class Startup {
public:
    explicit Startup(const StartupOptions& options);
    ~Startup();
    Startup(const Startup&) = delete;
    Startup& operator=(const Startup&) = delete;

    // One program at a time per data file. False: another one runs (the user was told).
    bool LockDataFile();
    // Starts reading the file on a thread of its own and makes the main window's controls
    // meanwhile.
    void StartLoading();
    // Takes the readings as loaded; a damaged file is copied beside itself first. False: the
    // file could not be read and was left alone (the user was told).
    bool LoadOrRecover();
    // The welcome window on a first run or after a damaged file, the skeleton of a new diary,
    // and the notes waiting for the user.
    void Greet();
    // Shows the main window and waits until it is closed, saving while it is open.
    void RunMainWindow();
    // Saves at the end; on failure the user may try again. False: not saved.
    bool SaveWithRetry();

private:
    // Offers the file named on the command line for import in the main window.
    void OpenFiles(frmMain& window);
    // Keeps a copy of a file that could not be read whole beside it and a note for the user.
    // False: no copy could be kept (the user was told).
    bool KeepDamagedFile(const LoadedDiary& diary);
    // The saver of the run, and what the user hears of it.
    void StartSaver(const FileRead& read);
    // Shows the notes kept for the user, oldest first, unless the program is asked to end.
    void ShowNotes();
    // A note that must reach the user: kept on disk and shown as soon as possible.
    void KeepNote(const QString& szText);

    const StartupOptions& m_options;
    QString m_szFolderNote;
    QString m_szFile;
    std::unique_ptr<DataFileLock> m_lock;
    // The lock was taken at its first try, nobody asked: a reading started earlier still reads
    // the file as it is now.
    bool m_bLockedAtOnce = false;
    // The diary loaded whole: once its window is filled, the saver lets go of the bytes as read
    // (a large diary's are read again from the file when they are compressed, after the first
    // paint). Not before the fill: the memory they give back would serve the fill's scratch,
    // which would then stay with the program instead of going back to the system.
    bool m_bLetGoOfReadBytes = false;
    std::unique_ptr<BackgroundDiaryLoad> m_load;
    // The readings' chart, made by the loading thread (read once the load is taken).
    std::optional<ReadingsGrid> m_chartAhead;
    // The main window's controls, made while the file is read (or why they could not be).
    std::unique_ptr<frmMain> m_window;
    QString m_szWindowError;
    TerminationWatch m_termination;
    std::unique_ptr<PendingNotes> m_notes;
    std::unique_ptr<DataFileSaver> m_saver;
    // Takes in what another computer writes to the file (with the saver's life, less a little).
    std::unique_ptr<DiaryReload> m_reload;
    bool m_bWelcome = false;
    // The file could not be read whole (damaged, cut off or too large): a copy of it was kept.
    bool m_bDamagedLoad = false;
    bool m_bShowingNotes = false;
    // Owns the connections and deferred calls of the run.
    QObject m_context;
};

Startup::Startup(const StartupOptions& options) : m_options(options) {
    g_process.bShutdownRequested = false;
    QApplication::setQuitOnLastWindowClosed(false);
    SetToday(options.dtToday);
    clsXML::SetErrorReporter([](const QString& szText) { ShowErrorMessage(szText); });

    // The data file lies directly in the data folder; the home folder stands in for one that
    // cannot be made, and the user hears which file is used.
    const QString szWanted = options.szDataFolder.isEmpty() ? GetSpecialFolderPath(kAppDataFolderId)
                                                            : options.szDataFolder;
    QString szWhyNot;
    m_szFile = DataFilePath(ResolveDataFolder(szWanted, &szWhyNot));
    if (!szWhyNot.isEmpty()) {
        m_szFolderNote = FolderMovedNote(szWanted, szWhyNot, m_szFile);
    }

#ifndef QT_NO_SESSIONMANAGER
    // The desktop session ends: write the readings at once (once there is a diary), then end
    // as a close would.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &m_context,
                     [this](QSessionManager& /*manager*/) {
                         if (m_saver && objReadings) {
                             m_saver->SaveNow();
                         }
                         RequestShutdown();
                     });
#endif
}

Startup::~Startup() {
    m_window.reset();
    m_load.reset();
    // A reading started early and never taken over (the lock was refused) goes with the run.
    EarlyLoad().reset();
    m_reload.reset();
    m_saver.reset();
    ReleaseDocument();
}

bool Startup::LockDataFile() {
    m_lock = std::make_unique<DataFileLock>(m_szFile);
    DataFileLock::Outcome eOutcome = m_lock->Acquire();
    m_bLockedAtOnce = eOutcome == DataFileLock::kLocked || eOutcome == DataFileLock::kNotWritable;
    if (eOutcome == DataFileLock::kHeldElsewhere) {
        // Whether it still runs there cannot be told from here: the user knows.
        const QMessageBox::StandardButton answer = ShowMessageBox(
            QMessageBox::Warning, kProductName,
            //: %1: which computer has the readings open (a sentence).
            modMain::tr("%1\n\nIf Tensiolog is no longer running there, you can open the diary "
                        "here. If it is, two copies would be changing the same readings: close it "
                        "there first.")
                .arg(m_lock->HeldElsewhereText()),
            QMessageBox::Open | QMessageBox::Close, QMessageBox::Close,
            {{QMessageBox::Open, modMain::tr("&Open anyway")},
             {QMessageBox::Close, modMain::tr("&Quit")}});
        if (answer != QMessageBox::Open) {
            return false;
        }
        eOutcome = m_lock->Acquire(DataFileLock::kTakeOverOtherComputer);
    }
    switch (eOutcome) {
    case DataFileLock::kLocked:
        return true;
    case DataFileLock::kNotWritable:
        // A lock that cannot be written (a read-only folder, a full disk) does not stop the
        // run: saves never write over a file that someone else changed.
        return true;
    case DataFileLock::kNotAFile:
        ShowWarningMessage(
            //: %1: what lies where the lock file should be.
            modMain::tr("Tensiolog cannot keep a second copy of itself away from your readings: "
                        "%1.\n\nIf you do not know what it is, move it away or delete it, and "
                        "Tensiolog makes its own lock file at the next start. The diary opens now "
                        "without one; if another copy changes the readings meanwhile, neither "
                        "overwrites the other.")
                .arg(m_lock->Reason()));
        return true;
    case DataFileLock::kHeldElsewhere:
    case DataFileLock::kHeldByRunning:
        break;
    }
    ShowWarningMessage(
        //: %1: the lock file.
        modMain::tr("Tensiolog is already running.\n\nPlease use the window that is already open, "
                    "or wait until an import or export from the command line has finished: this "
                    "second one ends now and leaves your readings as they are.\n\nThe readings "
                    "are locked by \"%1\".")
            .arg(Native(m_lock->LockFilePath())));
    return false;
}

void Startup::StartLoading() {
    // The file's bytes are read once: what is loaded is exactly what later saves compare the
    // file on disk with (its hash is left to the first save, off this thread). A reading started
    // before the application was made is that reading when it is of this file and the lock was
    // taken at once: no other copy of the program could write the file in between.
    std::unique_ptr<BackgroundDiaryLoad> early = std::exchange(EarlyLoad(), nullptr);
    if (early && m_bLockedAtOnce && early->File() == m_szFile) {
        m_load = std::move(early);
    } else {
        early.reset();
        m_load = std::make_unique<BackgroundDiaryLoad>(m_szFile);
    }
    // Once the tree is built, the loading thread, which owns it until it is taken, charts the
    // readings while this one makes the window's controls (the language is installed: the rows'
    // labels are in it); alone, so that this thread keeps its core.
    m_load->ThenOnLoadingThread([this](const LoadedDiary& diary) {
        if (diary.objReadings) {
            ReadingsGrid chart;
            FillReadingsGrid(chart, diary.objReadings, {}, ChartReaders::kOne);
            m_chartAhead = std::move(chart);
        }
    });
    try {
        m_window = std::make_unique<frmMain>(frmMain::ControlsOnly{});
    } catch (const std::exception& error) {
        m_szWindowError = QString::fromLocal8Bit(error.what());
    }
}

bool Startup::LoadOrRecover() {
    m_notes = std::make_unique<PendingNotes>(m_szFile);
    const LoadedDiary diary = m_load->Take();
    m_load.reset();
    ReplaceDocument(diary.objDoc, diary.objReadings);
    if (m_chartAhead && m_window) {
        m_window->UseChartMadeAhead(std::move(*m_chartAhead), diary.objReadings);
    }
    m_chartAhead.reset();
    switch (diary.eOutcome) {
    case DiaryLoadOutcome::kUnreadable:
        //: %1: the readings file, %2: why not.
        ShowErrorMessage(modMain::tr("the readings file \"%1\" could not be read (%2). The program "
                                     "ends and leaves the file as it is.")
                             .arg(Native(m_szFile), LoadFailureReason(diary)));
        return false;
    case DiaryLoadOutcome::kMissing:
        // A first run.
        m_bWelcome = true;
        break;
    case DiaryLoadOutcome::kLoaded:
        break;
    case DiaryLoadOutcome::kDamaged:
    case DiaryLoadOutcome::kTooManyDays:
    case DiaryLoadOutcome::kNoReadings:
    case DiaryLoadOutcome::kCutOff:
        if (!KeepDamagedFile(diary)) {
            return false;
        }
        m_bWelcome = true;
        break;
    }
    StartSaver(diary.read);
    m_bLetGoOfReadBytes = diary.eOutcome == DiaryLoadOutcome::kLoaded;
    return true;
}

bool Startup::KeepDamagedFile(const LoadedDiary& diary) {
    // Damaged (also cut off at a line end, which loads but leaves its tags open), or more days
    // than the store holds: kept beside itself before anything can write over it.
    const bool bFull = diary.eOutcome == DiaryLoadOutcome::kTooManyDays;
    QString szCopyError;
    const QString szCopy =
        WriteCopyBeside(m_szFile, bFull ? QStringLiteral(".full-") : QStringLiteral(".damaged-"),
                        QDateTime::currentDateTime(), diary.read.bytes, &szCopyError);
    if (szCopy.isEmpty()) {
        //: %1: the readings file, %2: why no copy could be kept.
        ShowErrorMessage(
            modMain::tr("the readings file \"%1\" could not be read completely, and "
                        "no copy of it could be kept (%2). The program ends and leaves "
                        "the file as it is.")
                .arg(Native(m_szFile), szCopyError));
        return false;
    }
    m_bDamagedLoad = true;
    const int iDays = WholeDays(diary.objReadings);
    m_notes->Add(bFull ? FullDiaryNote(m_szFile, szCopy, iDays)
                       : DamagedFileNote(m_szFile, LoadFailureReason(diary), szCopy, iDays));
    return true;
}

void Startup::StartSaver(const FileRead& read) {
    m_saver = std::make_unique<DataFileSaver>(m_szFile, read, EncodeProgramDocument);
    if (m_bDamagedLoad) {
        // The damaged bytes are in their own copy; an earlier backup may be the last good one.
        m_saver->KeepEarlierBackup();
    }
    m_saver->onSaved = [this, bWarned = false](const DataFileSaver::Result& result) mutable {
        if (!result.szWarning.isEmpty() && !bWarned) {
            // The save has worked; only its durability is in doubt. Said once a run.
            bWarned = true;
            std::fprintf(stderr, "tlg: warning: %s\n", qPrintable(result.szWarning));
        }
        if (m_options.onSaved) {
            m_options.onSaved(result.szFile);
        }
    };
    m_saver->onConflict = [this](const QString& szTheirs, const QString& szOurs) {
        KeepNote(ConflictNote(szTheirs, szOurs));
    };
    m_reload = std::make_unique<DiaryReload>(*m_saver,
                                             [this](const QString& szText) { KeepNote(szText); });
    m_saver->onKeepsFailing = [this](const QString& szFile, const QString& szReason) {
        // Told once, outside the saver's own call.
        const QString szText = KeepsFailingNote(szFile, szReason);
        QTimer::singleShot(0, &m_context, [szText] {
            if (!g_process.bShutdownRequested) {
                ShowWarningMessage(szText);
            }
        });
    };
}

void Startup::Greet() {
    if (m_bWelcome) {
        QPointer<frmWelcome> welcome = new frmWelcome();
        welcome->setAttribute(Qt::WA_DeleteOnClose);
        if (m_options.onWelcomeShown) {
            new FirstPaintWatcher(welcome, [this, welcome] {
                if (welcome) {
                    m_options.onWelcomeShown(*welcome);
                }
            });
        }
        if (!g_process.bShutdownRequested) {
            welcome->ShowModal();
        }
        delete welcome.data();
    }
    if (!objReadings) {
        // Nothing worth keeping was read: a new diary (a damaged file's copy holds the old one).
        StartEmptyDocument();
    }
    ShowNotes();
    if (!m_szFolderNote.isEmpty() && !g_process.bShutdownRequested) {
        ShowWarningMessage(m_szFolderNote);
    }
    if (!g_process.bShutdownRequested) {
        OfferToMergeCopies(m_szFile, objReadings, [this] { m_saver->NoteChange(); });
    }
}

void Startup::RunMainWindow() {
    if (g_process.bShutdownRequested) {
        return;
    }
    // Every change of the readings reaches the file within two seconds.
    SetReadingsChangedHandler([this] { m_saver->NoteChange(); });
    // The controls were made while the file was read; now they show the readings.
    std::unique_ptr<frmMain> window = std::move(m_window);
    if (window) {
        try {
            window->Form_Load(Today());
            if (m_bLetGoOfReadBytes) {
                m_saver->LetGoOfReadBytes();
            }
        } catch (const std::exception& error) {
            window.reset();
            m_szWindowError = QString::fromLocal8Bit(error.what());
        }
    }
    if (!window) {
        ShowErrorMessage(m_szWindowError);
    }
    if (window) {
        m_reload->SetWindow(window.get());
        if (m_options.pStartClock != nullptr) {
            const QElapsedTimer* pClock = m_options.pStartClock;
            new FirstPaintWatcher(window.get(), [pClock, &window] {
                std::printf("tlg: main window shown after %.3f ms\n",
                            static_cast<double>(pClock->nsecsElapsed()) / 1e6);
                std::fflush(stdout);
                window->btClose_Click();
            });
        }
        // Once the window is on the screen, the file's bytes as read are compressed on the
        // saver's worker: done earlier, they took a core from the window's first paint.
        new FirstPaintWatcher(window.get(), [this] { m_saver->PackReadBytes(); });
        if (!m_options.filesToOpen.isEmpty()) {
            // Asked once the window is on the screen, as a drop is.
            new FirstPaintWatcher(window.get(),
                                  [this, pWindow = window.get()] { OpenFiles(*pWindow); });
        }
        if (m_options.onMainShown) {
            new FirstPaintWatcher(window.get(),
                                  [this, &window] { m_options.onMainShown(*window); });
        }
        window->show();
        // The window asks for the keyboard itself: where no window manager hands it over (a
        // bare X server, some kiosk sessions) it would otherwise take keys without ever
        // getting the focus events that refill the chart.
        window->activateWindow();
        // Every user action of the run happens inside this wait.
        WaitWhileVisible(window.get());
        try {
            window->Form_Unload();
        } catch (const std::exception& error) {
            ShowErrorMessage(QString::fromLocal8Bit(error.what()));
        }
        window.reset();
    }
    SetReadingsChangedHandler(nullptr);
}

void Startup::OpenFiles(frmMain& window) {
    if (m_options.filesToOpen.size() > 1) {
        ShowWarningMessage(modMain::tr("Nothing was imported: %n files were given, and Tensiolog "
                                       "imports one CSV file at a time.",
                                       nullptr, int(m_options.filesToOpen.size())));
        return;
    }
    window.ImportCsvFile(m_options.filesToOpen.constFirst());
}

bool Startup::SaveWithRetry() {
    for (;;) {
        const DataFileSaver::Result result = m_saver->SaveNow();
        if (result.eKind != DataFileSaver::kFailed) {
            ShowNotes();
            return true;
        }
        const QString szFile = Native(m_saver->TargetFile());
        const QString szReason =
            result.szReason.isEmpty() ? modMain::tr("unknown reason") : result.szReason;
        if (g_process.bShutdownRequested) {
            // Nobody is there to answer a question any more: the next start tells.
            std::fprintf(stderr, "tlg: the readings could not be saved to %s: %s\n",
                         qPrintable(szFile), qPrintable(szReason));
            //: %1: a date and time, %2: the readings file, %3: why not, %4: what the file holds
            //: now (a sentence).
            m_notes->Add(
                modMain::tr("The readings of the session that ended on %1 could not be saved to "
                            "\"%2\" (%3). %4")
                    .arg(QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat),
                         szFile, szReason, WhatIsOnDisk(*m_saver)));
            return false;
        }
        const QMessageBox::StandardButton answer = ShowMessageBox(
            QMessageBox::Critical, ProblemTitle(),
            //: %1: the program's name (Free Tensiolog), %2: the readings file, %3: why not.
            //: Retry and Cancel: the box's buttons as Qt names them in this language.
            modMain::tr("%1 has experienced an error : the readings could not be saved to \"%2\" "
                        "(%3).\n\nPress Retry to try again, or Cancel to end without saving them.")
                .arg(kProductName, szFile, szReason),
            QMessageBox::Retry | QMessageBox::Cancel);
        if (answer == QMessageBox::Retry && !g_process.bShutdownRequested) {
            continue;
        }
        if (!g_process.bShutdownRequested) {
            //: %1: what the file holds now (a sentence).
            ShowWarningMessage(
                modMain::tr("The latest readings were not saved. %1").arg(WhatIsOnDisk(*m_saver)));
        }
        return false;
    }
}

void Startup::ShowNotes() {
    if (m_bShowingNotes || !m_notes) {
        return;
    }
    m_bShowingNotes = true;
    while (!m_notes->IsEmpty() && !g_process.bShutdownRequested) {
        ShowWarningMessage(m_notes->Notes().constFirst());
        if (!g_process.bShutdownRequested) {
            m_notes->RemoveFirst();
        }
    }
    m_bShowingNotes = false;
}

void Startup::KeepNote(const QString& szText) {
    m_notes->Add(szText);
    QTimer::singleShot(0, &m_context, [this] { ShowNotes(); });
}

} // namespace

QString KeepDamagedCopy(const QString& szFile, const QDateTime& dtWhen, QString* pszReason) {
    const FileRead read = ReadWholeFile(szFile, false);
    if (!read.bOk || !read.version.bExists) {
        *pszReason = read.version.bExists ? read.szReason : modMain::tr("there is no such file");
        return {};
    }
    return WriteCopyBeside(szFile, QStringLiteral(".damaged-"), dtWhen, read.bytes, pszReason);
}

void RequestShutdown() {
    g_process.bShutdownRequested = true;
    // Hiding the windows ends every modal display and Main's wait.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->isVisible()) {
            window->hide();
        }
    }
}

TlgApplication::TlgApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("tlg"));
    setApplicationVersion(QStringLiteral(TLG_VERSION));
    // The desktop matches the windows to the menu entry (and its icon) by this name.
    setDesktopFileName(QStringLiteral(TLG_APP_ID));
    setWindowIcon(QIcon(ArtworkPath(QStringLiteral("icon.svg"))));
}

bool TlgApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowErrorMessage(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ShowErrorMessage(UnexpectedErrorText());
    }
    return false;
}

StartupResult Main(const StartupOptions& options) {
    Startup run(options);
    if (!run.LockDataFile()) {
        return kStartupAlreadyRunning;
    }
    run.StartLoading();
    if (!run.LoadOrRecover()) {
        return kStartupFileKept;
    }
    run.Greet();
    run.RunMainWindow();
    return run.SaveWithRetry() ? kStartupSaved : kStartupNotSaved;
}
