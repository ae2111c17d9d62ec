// The program exactly as main.cpp starts it, plus a start-up clock: it prints how long it took
// until the main window was on the screen, then ends as its close button does, and prints the
// most memory it held (peak resident set). Only the start-up benchmark runs it; the shipped
// program has no such hook.

#include "bench/startup/ProcessStatus.h"
#include "program/modMain.h"

#include <QElapsedTimer>

#include <cstdio>

int main(int argc, char** argv) {
    QElapsedTimer startClock;
    startClock.start();
    // The diary is read while the application connects to the display.
    StartReadingEarly();
    TlgApplication app(argc, argv);
    StartupOptions options;
    options.pStartClock = &startClock;
    const int iStatus = static_cast<int>(Main(options));
    std::printf("tlg: peak resident %ld kB\n", ProcessStatusKb("VmHWM"));
    std::fflush(stdout);
    return iStatus;
}
