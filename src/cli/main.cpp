// tolvane-jig-cli: the program's operations without a window. The commands add themselves
// (see CliApp.h).
#include "cli/CliApp.h"
#include "link/StartLog.h"
#include "port/UserFolders.h"

#include <clocale>

int main(int argc, char** argv) {
    // Dates and times as the system formats them (the start log), as the program writes them;
    // numbers stay in the C locale's form for scripts that read them.
    std::setlocale(LC_TIME, "");
    // Started from a folder it may not write to, the start log goes to the user's data folder.
    StartLog::SetPath(StartLogPlace());
    CliApp cli;
    return cli.Run(argc, argv);
}
