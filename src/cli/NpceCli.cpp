#include "cli/NpceCli.h"

#include "cli/CliPort.h"
#include "cli/CliSafety.h"
#include "cli/CliSignals.h"
#include "cli/CliStats.h"

int NpceExitCode(NpceOutcome outcome) {
    switch (outcome) {
    case NpceOutcome::Succeeded:
        return kExitOk;
    case NpceOutcome::NoJig:
        return kExitNoJig;
    case NpceOutcome::None:
    case NpceOutcome::Failed:
    case NpceOutcome::Stopped:
        break;
    }
    return kExitFailed;
}

int RunNpceTransfer(const CliArgs& args, bool write) {
    std::shared_ptr<FtdiApi> api = OpenBackend(args);
    if (!api)
        return kExitNoJig;
    CliStats stats;
    CliPort port(args.positional.at(0));
    NpceEngine engine(api, port);
    engine.SetSafety(CliSafety(args));
    {
        StopOnSignal stop([&engine] { engine.Stop(); });
        if (write)
            engine.WriteFile(args.positional.at(0));
        else
            engine.ReadClick();
        if (StopSignal() != 0) // it came before the operation began, which clears the flag
            engine.Stop();
        engine.WaitForWorker();
    }
    PrintChipState(engine.ChipState(), args, "npce write", engine.BackupPath());
    if (args.Flag("stats"))
        stats.Print(engine.FileBytes(), engine.WorkerCpuNanos(), api);
    return NpceExitCode(engine.Outcome());
}
