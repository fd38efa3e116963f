#include "cli/NpceCli.h"

#include "cli/CliPort.h"
#include "cli/CliSafety.h"
#include "cli/CliSignals.h"
#include "cli/CliStats.h"

int RunNpceTransfer(const CliArgs& args, bool write) {
    std::shared_ptr<FtdiApi> api = OpenBackend(args);
    if (!api)
        return kExitUnavailable;
    CliStats stats;
    CliPort port;
    NpceEngine engine(api, port);
    engine.Run().SetSafety(CliSafety(args));
    {
        StopOnSignal stop([&engine] { engine.Stop(); });
        RunToEnd(engine.Run(), [&] {
            if (write)
                engine.WriteFile(args.positional.at(0));
            else
                engine.ReadFile(args.positional.at(0));
        });
    }
    const OperationRunner& run = engine.Run();
    PrintChipState(run.ChipState(), args, "npce write", run.BackupPath(), run.ChipStateInLog());
    if (args.Flag("stats"))
        stats.Print(run.FileBytes(), run.WorkerCpuNanos(), api);
    return ExitStatusOf(run.Result());
}
