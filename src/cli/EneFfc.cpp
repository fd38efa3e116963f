#include "cli/EneCli.h"
#include "port/Tr.h"

int RunEneFfc(const CliArgs& args) {
    if (!args.values.count("mb") || !args.values.count("cable")) {
        std::fprintf(stderr, "%s\n", Tr("Ene", "ene ffc needs --mb and --cable").c_str());
        return kExitUsage;
    }
    std::shared_ptr<FtdiApi> api = OpenBackend(args);
    if (!api)
        return kExitUnavailable;
    CliStats stats;
    CliPort port;
    Kb901xEngine engine(api, port);
    const int status = ApplyEneCable(engine, args, port);
    if (args.Flag("stats"))
        stats.Print(engine.Run().FileBytes(), engine.Run().WorkerCpuNanos(), api);
    return status;
}
