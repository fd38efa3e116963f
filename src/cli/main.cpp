// tolvane-jig-cli: the program's operations without a window. The commands add themselves
// (see CliApp.h).
#include "cli/CliApp.h"

#include <clocale>

int main(int argc, char** argv) {
    // Dates and times as the system formats them (the start log), as the program writes them;
    // numbers stay in the C locale's form for scripts that read them.
    std::setlocale(LC_TIME, "");
    CliApp cli;
    return cli.Run(argc, argv);
}
