#include "app/exe/modMain.h"

#include "app/shell/frmWelcome.h"
#include "app/shell/modUtils.h"
#include "app/util/DataFileLock.h"
#include "app/util/modFiles.h"
#include "app/util/modGlobals.h"
#include "mainwindow/frmMain.h"
#include "mainwindow/readings/ReadingsSchema.h"
#include "resources/Resources.h"
#include "xmlstore/clsXML.h"
#include "xmlstore/clsXMLTag.h"
#include "xmlstore/clsXMLTags.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
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
#include <utility>

namespace {

const QString kProblemTitle = kProductName + QStringLiteral(" has experienced a problem");

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

// Writes the document over the data file; on failure pszReason says why.
bool WriteReadings(const QString& szFile, QString* pszReason) {
    if (objXML->SaveXMLFile(szFile)) {
        return true;
    }
    *pszReason = objXML->szErrorReason.isEmpty() ? objXML->szError : objXML->szErrorReason;
    return false;
}

// Writes the readings at the end of the run; on failure the user is told the path and the
// reason and may try again. False when they were not written.
bool SaveReadings(const QString& szFile) {
    for (;;) {
        QString szReason;
        if (WriteReadings(szFile, &szReason)) {
            return true;
        }
        if (szReason.isEmpty()) {
            szReason = QStringLiteral("unknown reason");
        }
        if (g_process.bShutdownRequested) {
            // Nobody is there to answer a question any more.
            std::fprintf(stderr, "tlg: the readings could not be saved to %s: %s\n",
                         qPrintable(Native(szFile)), qPrintable(szReason));
            return false;
        }
        const QMessageBox::StandardButton answer = ShowMessageBox(
            QMessageBox::Critical, kProblemTitle,
            kProductName + QStringLiteral(" has experienced an error : the readings could not be "
                                          "saved to \"%1\" (%2).\n\nPress Retry to try again, "
                                          "or Cancel to end without saving them.")
                               .arg(Native(szFile), szReason),
            QMessageBox::Retry | QMessageBox::Cancel);
        if (answer == QMessageBox::Retry && !g_process.bShutdownRequested) {
            continue;
        }
        if (!g_process.bShutdownRequested) {
            ShowWarningMessage(QStringLiteral("The readings of this session were not saved. "
                                              "\"%1\" still holds the readings as they were "
                                              "when they were last saved.")
                                   .arg(Native(szFile)));
        }
        return false;
    }
}

// What the user is told about a damaged data file, after the welcome window.
QString DamagedFileNote(const QString& szFile, const QString& szReason, const QString& szCopy) {
    const int iDays = objReadings ? objReadings->objSubTags->Count() : 0;
    QString szKept;
    if (iDays > 0) {
        szKept = QStringLiteral("The %1 days read before the damaged part are shown, and they will "
                                "be saved together with what you enter now.")
                     .arg(iDays);
    } else {
        szKept = QStringLiteral("No readings could be read from it, so the diary starts empty.");
    }
    return QStringLiteral("The readings file \"%1\" is damaged and could not be read completely "
                          "(%2).\n\nA copy of it as it was has been kept as \"%3\".\n\n%4")
        .arg(Native(szFile), szReason, Native(szCopy), szKept);
}

// Ends the run's program-wide state, so that nothing of it outlives Main.
void ReleaseDocument() {
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
    // Loads the readings; a damaged file is copied beside itself first. False: the file could
    // not be read and was left alone (the user was told).
    bool LoadOrRecover();
    // The welcome window on a first run or after a damaged file, the skeleton of a new diary,
    // and the note about a damaged file.
    void Greet();
    // Shows the main window and waits until it is closed.
    void RunMainWindow();
    // Saves at the end; on failure the user may try again. False: not saved.
    bool SaveWithRetry();

private:
    const StartupOptions& m_options;
    QString m_szFolder;
    QString m_szFile;
    std::unique_ptr<DataFileLock> m_lock;
    TerminationWatch m_termination;
    bool m_bWelcome = false;
    QString m_szDamageNote;
    // Owns the connections of the run.
    QObject m_context;
};

Startup::Startup(const StartupOptions& options) : m_options(options) {
    g_process.bShutdownRequested = false;
    QApplication::setQuitOnLastWindowClosed(false);
    SetToday(options.dtToday);
    clsXML::SetErrorReporter([](const QString& szText) { ShowErrorMessage(szText); });

    // The data file lies directly in the data folder.
    m_szFolder =
        ResolveDataFolder(options.szDataFolder.isEmpty() ? GetSpecialFolderPath(kAppDataFolderId)
                                                         : options.szDataFolder);
    m_szFile = DataFilePath(m_szFolder);
}

Startup::~Startup() {
    ReleaseDocument();
}

bool Startup::LockDataFile() {
    // Each program writes the whole file, so the later would undo the other's readings. A lock
    // that cannot be written (a read-only folder, a full disk) does not stop the run.
    m_lock = std::make_unique<DataFileLock>(m_szFile);
    if (m_lock->Acquire() != DataFileLock::kHeldByRunning) {
        return true;
    }
    ShowWarningMessage(QStringLiteral(
        "Tensiolog is already running.\n\nPlease use the window that is already open: this "
        "second one ends now and leaves your readings as they are."));
    return false;
}

bool Startup::LoadOrRecover() {
    auto objLoaded = std::make_shared<clsXML>();
    std::shared_ptr<clsXMLTag> objLoadedReadings;

    // A missing file is a first run; a file that is there but cannot be read, or holds no
    // readings list, is damaged: it is kept beside itself before anything can write over it.
    const bool bExists = QFileInfo::exists(m_szFile);
    bool bLoaded = false;
    if (bExists) {
        bLoaded = objLoaded->LoadXMLFile(m_szFile, false);
        objLoadedReadings =
            objLoaded->objBlockTag->FindSubTagObjectByName(kReadingsTagName, QString());
    }
    ReplaceDocument(objLoaded, objLoadedReadings);
    if (bExists && (!bLoaded || !objReadings)) {
        const QString szReason =
            bLoaded ? QStringLiteral("it holds no list of readings") : objLoaded->szError;
        QString szCopyError;
        const QString szCopy =
            KeepDamagedCopy(m_szFile, QDateTime::currentDateTime(), &szCopyError);
        if (szCopy.isEmpty()) {
            ShowErrorMessage(QStringLiteral("the readings file \"%1\" could not be read (%2), and "
                                            "no copy of it could be kept (%3). The program ends "
                                            "and leaves the file as it is.")
                                 .arg(Native(m_szFile), szReason, szCopyError));
            return false;
        }
        m_szDamageNote = DamagedFileNote(m_szFile, szReason, szCopy);
    }
    m_bWelcome = !bLoaded || !m_szDamageNote.isEmpty();
    return true;
}

void Startup::Greet() {
    if (!m_bWelcome) {
        return;
    }
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
    if (!objReadings) {
        // Nothing worth keeping was read: a new document (a damaged file's copy holds the old
        // one).
        StartEmptyDocument();
    }
    if (!m_szDamageNote.isEmpty() && !g_process.bShutdownRequested) {
        ShowWarningMessage(m_szDamageNote);
    }
}

void Startup::RunMainWindow() {
#ifndef QT_NO_SESSIONMANAGER
    // The desktop session ends: write the readings at once, then end as a close would.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &m_context,
                     [this](QSessionManager& /*manager*/) {
                         QString szReason;
                         WriteReadings(m_szFile, &szReason);
                         RequestShutdown();
                     });
#endif
    if (g_process.bShutdownRequested) {
        return;
    }
    std::unique_ptr<frmMain> window;
    try {
        window = std::make_unique<frmMain>();
    } catch (const std::exception& error) {
        ShowErrorMessage(QString::fromLocal8Bit(error.what()));
    }
    if (!window) {
        return;
    }
    if (m_options.pStartClock != nullptr) {
        const QElapsedTimer* pClock = m_options.pStartClock;
        new FirstPaintWatcher(window.get(), [pClock, &window] {
            std::printf("tlg: main window shown after %.3f ms\n",
                        static_cast<double>(pClock->nsecsElapsed()) / 1e6);
            std::fflush(stdout);
            window->hide();
        });
    }
    if (m_options.onMainShown) {
        new FirstPaintWatcher(window.get(), [this, &window] { m_options.onMainShown(*window); });
    }
    window->show();
    // Every user action of the run happens inside this wait.
    WaitWhileVisible(window.get());
    try {
        window->Form_Unload();
    } catch (const std::exception& error) {
        ShowErrorMessage(QString::fromLocal8Bit(error.what()));
    }
}

bool Startup::SaveWithRetry() {
    return SaveReadings(m_szFile);
}

} // namespace

QString KeepDamagedCopy(const QString& szFile, const QDateTime& dtWhen, QString* pszReason) {
    const QString szBase =
        szFile + QStringLiteral(".damaged-") + dtWhen.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int i = 1; i <= 1000; ++i) {
        const QString szCopy = i == 1 ? szBase : szBase + u'-' + QString::number(i);
        const QFileInfo info(szCopy);
        if (info.exists() || info.isSymLink()) {
            continue;
        }
        QFile source(szFile);
        if (source.copy(szCopy)) {
            return szCopy;
        }
        *pszReason = source.errorString();
        if (!QFileInfo::exists(szCopy)) {
            return {};
        }
    }
    *pszReason = QStringLiteral("too many earlier copies");
    return {};
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
    setApplicationDisplayName(QStringLiteral("Tensiolog"));
    setWindowIcon(QIcon(ArtworkPath(QStringLiteral("icon.svg"))));
}

bool TlgApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowErrorMessage(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ShowErrorMessage(QStringLiteral("an unexpected error"));
    }
    return false;
}

StartupResult Main(const StartupOptions& options) {
    Startup run(options);
    if (!run.LockDataFile()) {
        return kStartupAlreadyRunning;
    }
    if (!run.LoadOrRecover()) {
        return kStartupFileKept;
    }
    run.Greet();
    run.RunMainWindow();
    return run.SaveWithRetry() ? kStartupSaved : kStartupNotSaved;
}
