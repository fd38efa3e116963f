#include "cli/CliCommand.h"
#include "cli/CliPort.h"
#include "cli/CliSafety.h"
#include "cli/CliSignals.h"
#include "modes/Edid/EdidEngine.h"

int RunEdidWrite(const CliArgs& args) {
    std::shared_ptr<FtdiApi> api = OpenBackend(args);
    if (!api)
        return kExitUnavailable;
    ProgrammerLink link(api);
    CliPort port(std::nullopt, args.Flag("yes"));
    EdidEngine engine(link, port);
    engine.Run().SetSafety(CliSafety(args));
    {
        // A stop ends the wait for the EEPROM's answer; the exchange is one frame each way.
        StopOnSignal stop([&engine] { engine.Stop(); });
        engine.WriteFile(args.positional.at(0));
    }
    return ExitStatusOf(engine.Run().Result());
}
