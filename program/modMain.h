#pragma once

#include <QApplication>
#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>

class QDateTime;
class QElapsedTimer;
class frmMain;
class frmWelcome;

// How a run of Main ends.
enum StartupResult : int {
    // The readings were written at the end.
    kStartupSaved = 0,
    // The readings could not be written and the user gave up (they were told).
    kStartupNotSaved = 1,
    // Another tlg uses the data file; this one ended without touching it.
    kStartupAlreadyRunning = 2,
    // The data file could not be read and no copy of it could be kept; it was left as it is.
    kStartupFileKept = 3,
};

// What a run can be told; left empty, everything is as when a person starts the program.
struct StartupOptions {
    // Folder of the data file; empty: the user's application-data folder.
    QString szDataFolder;
    // The day the calendar takes for today; invalid: the system clock's.
    QDate dtToday;
    // Called once the welcome window is on the screen.
    std::function<void(frmWelcome&)> onWelcomeShown;
    // Files named on the command line (a file manager's "Open with"): once the main window is on
    // the screen, the one file is offered for import as a dropped file is; several are refused.
    QStringList filesToOpen;
    // Called once the main window is on the screen.
    std::function<void(frmMain&)> onMainShown;
    // Called after each save that wrote the readings to disk (while running or at the end),
    // with the file written.
    std::function<void(const QString&)> onSaved;
    // When set, the time from this clock's start until the main window is on the screen is
    // printed, and the run then ends as the main window's close button ends it.
    const QElapsedTimer* pStartClock = nullptr;
};

// The program: takes the data file's lock, loads the readings (keeping a copy of a damaged
// file), greets (the welcome window on a first run, notes for the user), shows the main window
// and waits until it is closed, keeping the file up to date meanwhile, then saves the readings,
// offering to try again when that fails.
StartupResult Main(const StartupOptions& options = {});

// Starts reading the diary at its usual place on a thread of its own, before the application
// object is made (connecting to the display takes a while): the next Main takes the reading over
// when it locks that very file at once, without asking the user anything; otherwise it lets the
// reading go and reads the file again once it holds the lock.
void StartReadingEarly();
// Waits until a reading started early has read its file.
void WaitForEarlyReading();

// Copies a data file that could not be read beside itself, as "<file>.damaged-<date>-<time>"
// with "-2", "-3", ... added when an earlier copy has that name; never replaces a file. The
// copy's path, or empty text and pszReason when no copy could be made.
QString KeepDamagedCopy(const QString& szFile, const QDateTime& dtWhen, QString* pszReason);

// Asks a running Main to end as a close would (termination signals, the session ending).
void RequestShutdown();

// The application object of tlg: an error raised inside an event handler is shown in the
// error box and the program goes on.
class TlgApplication : public QApplication {
    Q_OBJECT
public:
    TlgApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
