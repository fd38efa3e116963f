#include "cli/CliCommand.h"
#include "cli/CliPort.h"
#include "cli/CliSafety.h"
#include "cli/CliSignals.h"
#include "cli/EdidExit.h"

int RunEdidWrite(const CliArgs& args) {
    std::shared_ptr<FtdiApi> api = OpenBackend(args);
    if (!api)
        return kExitNoJig;
    ProgrammerLink link(api);
    CliPort port(args.positional.at(0), args.Flag("yes"));
    // A stop ends the wait for the EEPROM's answer; the exchange is one frame each way.
    StopOnSignal stop([&link] { link.Cancel(); });
    return EdidExitCode(EdidWrite(link, port, CliSafety(args)));
}
