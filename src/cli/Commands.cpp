#include "cli/CliCommand.h"

int RunIdentify(const CliArgs& args);

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
    };
    return commands;
}
