#include "cli/CliCommand.h"
#include "cli/CliPort.h"
#include "cli/CliSafety.h"
#include "cli/CliSignals.h"
#include "cli/CliStats.h"
#include "cli/EdidExit.h"

#include <filesystem>
#include <system_error>

int RunEdidRead(const CliArgs& args) {
    std::shared_ptr<FtdiApi> api = OpenBackend(args);
    if (!api)
        return kExitNoJig;
    CliStats stats;
    ProgrammerLink link(api);
    CliPort port(args.positional.at(0));
    // A stop ends the wait for the EEPROM's answer; the exchange is one frame each way.
    StopOnSignal stop([&link] { link.Cancel(); });
    const int status = EdidExitCode(EdidRead(link, port, CliSafety(args)));
    if (args.Flag("stats")) {
        std::error_code error;
        const auto size = std::filesystem::file_size(args.positional.at(0), error);
        stats.Print(error ? 0 : size, 0, api);
    }
    return status;
}
