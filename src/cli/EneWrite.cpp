#include "cli/EneCli.h"

int RunEneWrite(const CliArgs& args) {
    return RunEneTransfer(args, true);
}
