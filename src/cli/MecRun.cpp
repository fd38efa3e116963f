#include "cli/MecCli.h"

int RunMecCheck(const CliArgs& args) {
    MecCliPort port;
    return WithMecEngine(args, port, [](Mec16xxEngine& engine, MecStats&) {
        engine.CheckClick();
        return MecExitCode(engine.Outcome());
    });
}

int RunMecRead(const CliArgs& args) {
    MecCliPort port;
    port.QueueFile(args.positional.at(0));
    return WithMecEngine(args, port, [&](Mec16xxEngine& engine, MecStats& stats) {
        const int status = RunMecOperation(engine, &Mec16xxEngine::ReadClick, args.Flag("info"));
        stats.Add(engine);
        return status;
    });
}

int RunMecErase(const CliArgs& args) {
    MecCliPort port;
    return WithMecEngine(args, port, [&](Mec16xxEngine& engine, MecStats& stats) {
        const int status = RunMecOperation(engine, &Mec16xxEngine::EraseClick, args.Flag("info"));
        stats.Add(engine);
        PrintMecChipState(engine, args);
        return status;
    });
}
