#include "cli/CliCommand.h"
#include "cli/CliPort.h"
#include "cli/CliSafety.h"
#include "cli/CliSignals.h"
#include "cli/CliStats.h"
#include "modes/Edid/EdidEngine.h"

int RunEdidRead(const CliArgs& args) {
    std::shared_ptr<FtdiApi> api = OpenBackend(args);
    if (!api)
        return kExitUnavailable;
    CliStats stats;
    ProgrammerLink link(api);
    CliPort port;
    EdidEngine engine(link, port);
    engine.Run().SetSafety(CliSafety(args));
    {
        // A stop ends the wait for the EEPROM's answer; the exchange is one frame each way.
        StopOnSignal stop([&engine] { engine.Stop(); });
        engine.ReadFile(args.positional.at(0));
    }
    const OperationRunner& run = engine.Run();
    if (args.Flag("stats"))
        stats.Print(run.FileBytes(), run.WorkerCpuNanos(), api);
    return ExitStatusOf(run.Result());
}
