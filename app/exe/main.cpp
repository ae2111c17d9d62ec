#include "modMain.h"

#include <QElapsedTimer>

int main(int argc, char** argv) {
    QElapsedTimer startClock;
    startClock.start();
    TlgApplication app(argc, argv);
    StartupOptions options;
    // A start-up timing run (benchmarks): report when the main window is shown, then end.
    if (qEnvironmentVariableIsSet("TLG_EXIT_WHEN_SHOWN")) {
        options.pStartClock = &startClock;
    }
    return Main(options);
}
