#include "app/exe/modMain.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    // Stand-in until the command line is parsed in full: "--version" answers without a display.
    // The command-line parser replaces this loop.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("tlg %s\n", TLG_VERSION);
            return 0;
        }
    }
    TlgApplication app(argc, argv);
    return Main();
}
