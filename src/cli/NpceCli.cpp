#include "cli/NpceCli.h"

#include "cli/CliPort.h"
#include "cli/CliStats.h"

int NpceExitCode(NpceOutcome outcome) {
    switch (outcome) {
    case NpceOutcome::Succeeded:
        return kExitOk;
    case NpceOutcome::NoJig:
        return kExitNoJig;
    case NpceOutcome::None:
    case NpceOutcome::Failed:
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
    if (write)
        engine.WriteClick();
    else
        engine.ReadClick();
    engine.WaitForWorker();
    if (args.Flag("stats"))
        stats.Print(engine.FileBytes(), engine.WorkerCpuNanos(), api);
    return NpceExitCode(engine.Outcome());
}
