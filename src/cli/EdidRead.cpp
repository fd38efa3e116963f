#include "cli/CliCommand.h"
#include "cli/CliPort.h"
#include "cli/EdidExit.h"

int RunEdidRead(const CliArgs& args) {
    std::shared_ptr<FtdiApi> api = OpenBackend(args);
    if (!api)
        return kExitNoJig;
    ProgrammerLink link(api);
    CliPort port(args.positional.at(0));
    return EdidExitCode(EdidRead(link, port));
}
