#include "cli/EneCli.h"

int RunEneRead(const CliArgs& args) {
    return RunEneTransfer(args, false);
}
