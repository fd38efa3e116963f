// tolvane-jig-cli: the program's operations without a window. The commands add themselves
// (see CliApp.h).
#include "cli/CliApp.h"
#include "cli/CliSignals.h"
#include "link/StartLog.h"
#include "port/StartLanguage.h"
#include "port/UserFolders.h"

#include <clocale>
#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    InstallStopSignals();
    // Dates and times as the system formats them (the start log), as the program writes them;
    // numbers stay in the C locale's form for scripts that read them.
    std::setlocale(LC_TIME, "");
    // Before the commands add themselves, so that their help is in the language too.
    std::string languageError;
    if (!SetLanguage(StartLanguage(LanguageArgument(argc, argv), std::nullopt), &languageError))
        std::fprintf(stderr, "%s\n", languageError.c_str());
    try {
        // Started from a folder it may not write to, the start log goes to the user's data folder.
        StartLog::SetPath(StartLogPlace());
        CliApp cli;
        return ExitStatusAfterSignal(cli.Run(argc, argv));
    } catch (const std::exception& e) {
        // A last net: every known bad input has its own message before this.
        std::fprintf(stderr, "error: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "error: an unexpected failure\n");
    }
    return 2;
}
