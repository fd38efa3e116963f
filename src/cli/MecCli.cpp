#include "cli/MecCli.h"

#include "cli/CliSafety.h"
#include "cli/CliSignals.h"

#include <cstdio>

int RunMecOperation(Mec16xxEngine& engine, const std::function<void()>& start) {
    if (StopSignal() != 0)
        return kExitFailed;
    return ExitStatusOf(RunToEnd(engine.Run(), start));
}

void PrintMecChipState(const Mec16xxEngine& engine, const CliArgs& args,
                       const std::string& backup) {
    const OperationRunner& run = engine.Run();
    PrintChipState(run.ChipState(), args, "mec write",
                   run.BackupPath().empty() ? backup : run.BackupPath(), run.ChipStateInLog());
}

int WithMecEngine(const CliArgs& args, CliPort& port,
                  const std::function<int(Mec16xxEngine&, MecStats&)>& body) {
    std::shared_ptr<FtdiApi> api = OpenBackend(args);
    if (!api)
        return kExitUnavailable;
    MecStats stats;
    Mec16xxEngine engine(api, port);
    engine.Run().SetSafety(CliSafety(args));
    int status = 0;
    {
        StopOnSignal stop([&engine] { engine.Stop(); });
        status = body(engine, stats);
    }
    if (args.Flag("stats"))
        stats.Print(api);
    return status;
}

void MecStats::Add(const Mec16xxEngine& engine) {
    workerCpu_ += engine.Run().WorkerCpuNanos();
    fileBytes_ += engine.Run().FileBytes();
}

void MecStats::Print(const std::shared_ptr<FtdiApi>& api) const {
    stats_.Print(fileBytes_, workerCpu_, api);
}
