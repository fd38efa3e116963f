#include "cli/CliCommand.h"
#include "cli/CliPort.h"
#include "cli/CliSafety.h"
#include "cli/EdidExit.h"

int RunEdidWrite(const CliArgs& args) {
    std::shared_ptr<FtdiApi> api = OpenBackend(args);
    if (!api)
        return kExitNoJig;
    ProgrammerLink link(api);
    CliPort port(args.positional.at(0), args.Flag("yes"));
    return EdidExitCode(EdidWrite(link, port, CliSafety(args)));
}
