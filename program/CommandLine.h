#pragma once

#include <QStringList>

class QIODevice;

// Where a command-line run reads and writes.
struct CommandLineStreams {
    // Standard output: results, and the CSV of an export to "-".
    QIODevice* pOut = nullptr;
    // Standard error: why a run failed.
    QIODevice* pErr = nullptr;
    // Standard input: the CSV of an import from "-".
    QIODevice* pIn = nullptr;
};

// How a command-line run ends (its exit status).
enum CommandLineResult : int {
    kCommandLineDone = 0,
    // Nothing was changed; the reason is on standard error.
    kCommandLineFailed = 1,
    // The program is open on the same readings; nothing was read or changed.
    kCommandLineInUse = 2,
};

// True when the arguments ask for the command line (an export or import, help, the version,
// or an option the program does not know) rather than the window.
bool IsCommandLineRun(int argc, char** argv);

// The files a window run is asked to open (a file manager's "Open with" names one): the
// arguments that are not options, once Qt has taken its own (the program's name first);
// everything after "--" is a file. A file: address is taken as the file it names; each comes
// back as an absolute path.
QStringList WindowRunFiles(const QStringList& arguments);

// Runs the command line on its arguments (the program's name first) with an application
// object already made: --export-csv, --import-csv and their options, --help, --version.
// Returns the exit status.
int RunCommandLine(const QStringList& arguments, const CommandLineStreams& streams);

// The whole of a command-line run: makes an application object that needs no display and runs
// RunCommandLine on the standard streams.
int CommandLineMain(int argc, char** argv);
