#include "cli/MecCli.h"

int RunMecCheck(const CliArgs& args) {
    CliPort port;
    return WithMecEngine(args, port, [](Mec16xxEngine& engine, MecStats&) {
        engine.CheckClick();
        return ExitStatusOf(engine.Run().Result());
    });
}

int RunMecRead(const CliArgs& args) {
    CliPort port;
    return WithMecEngine(args, port, [&](Mec16xxEngine& engine, MecStats& stats) {
        const int status = RunMecOperation(
            engine, [&] { engine.ReadFile(args.positional.at(0), args.Flag("info")); });
        stats.Add(engine);
        return status;
    });
}

int RunMecErase(const CliArgs& args) {
    CliPort port(std::nullopt, args.Flag("yes"));
    return WithMecEngine(args, port, [&](Mec16xxEngine& engine, MecStats& stats) {
        const int status = RunMecOperation(engine, [&] { engine.EraseClick(args.Flag("info")); });
        stats.Add(engine);
        PrintMecChipState(engine, args);
        return status;
    });
}
