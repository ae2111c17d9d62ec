#include "i18n/Translations.h"
#include "program/CommandLine.h"
#include "program/modMain.h"

int main(int argc, char** argv) {
    // An export, an import, help or the version: no window, and no display needed.
    if (IsCommandLineRun(argc, argv)) {
        return CommandLineMain(argc, argv);
    }
    // The diary is read while the application connects to the display.
    StartReadingEarly();
    TlgApplication app(argc, argv);
    // The windows, messages and Qt's own dialogs in the user's language.
    InstallTranslations(QLocale::system());
    StartupOptions options;
    // What Qt leaves once it has taken its own options: a file to open, from a file manager.
    options.filesToOpen = WindowRunFiles(QCoreApplication::arguments());
    return Main(options);
}
