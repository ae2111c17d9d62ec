// The program exactly as main.cpp starts it, plus a start-up clock: it prints how long it took
// until the main window was on the screen, then ends as its close button does. Only the start-up
// benchmark runs it; the shipped program has no such hook.

#include "program/modMain.h"

#include <QElapsedTimer>

int main(int argc, char** argv) {
    QElapsedTimer startClock;
    startClock.start();
    TlgApplication app(argc, argv);
    StartupOptions options;
    options.pStartClock = &startClock;
    return Main(options);
}
