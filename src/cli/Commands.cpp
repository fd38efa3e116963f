#include "cli/CliCommand.h"

int RunIdentify(const CliArgs& args);
int RunStart(const CliArgs& args);

const std::vector<CliCommand>& CliCommands() {
    static const std::vector<CliCommand> commands{
        {{"identify"},
         "identify [--device D] [--scenario F] [--timing T]",
         "Finds the JIG, identifies it and prints its version text and board (PCB2 or PCB3).\n"
         "Exit status: 0 identified, 2 no JIG (\"FTDI device not found\" or\n"
         "\"FTDI found, ERROR answer\").",
         {},
         {},
         0,
         0,
         RunIdentify},
        {{"start"},
         "start --mode NAME [--device D] [--scenario F] [--timing T]",
         "Start as the main window does it: identifies the JIG and makes it run the firmware of\n"
         "the working mode NAME (\"ENE KB90XX\", \"MEC jtag\", \"ITE\", \"NUVOTON spi\",\n"
         "\"NUVOTON jtag\", \"EDID lcd\" or \"Keyboard testing\"): a PCB2 is reflashed over its\n"
         "bootloader, an outdated PCB3 is updated from its package. Prints the update window's\n"
         "lines. When the JIG's reset button is needed the lines say so: a PCB2 bootloader must\n"
         "greet within 5 s, a PCB3 bootloader within 120 s.\n"
         "Exit status: 0 the JIG runs the mode's firmware, 1 the switch failed, 2 no JIG,\n"
         "64 no such mode.",
         {"mode"},
         {},
         0,
         0,
         RunStart},
    };
    return commands;
}
