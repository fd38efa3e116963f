// tolvane-jig-cli: the program's operations without a window. The commands add themselves
// (see CliApp.h).
#include "cli/CliApp.h"

int main(int argc, char** argv) {
    CliApp cli;
    return cli.Run(argc, argv);
}
