#include "program/CommandLine.h"
#include "program/modMain.h"

int main(int argc, char** argv) {
    // An export, an import, help or the version: no window, and no display needed.
    if (IsCommandLineRun(argc, argv)) {
        return CommandLineMain(argc, argv);
    }
    TlgApplication app(argc, argv);
    return Main();
}
