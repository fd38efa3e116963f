#pragma once
// "npce read" and "npce write": one NPCE operation from the command line, its exit status and
// its --stats figures.
#include "cli/CliCommand.h"
#include "modes/Npce/NpceEngine.h"

// The whole of "npce read" (`write` false) and "npce write".
int RunNpceTransfer(const CliArgs& args, bool write);
