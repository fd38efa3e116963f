#include "cli/MecCli.h"

#include <cstdio>

int MecExitCode(MecOutcome outcome) {
    switch (outcome) {
    case MecOutcome::Succeeded:
        return kExitOk;
    case MecOutcome::NoJig:
        return kExitNoJig;
    case MecOutcome::None:
    case MecOutcome::Failed:
        break;
    }
    return kExitFailed;
}

std::optional<std::string> MecCliPort::AskSaveFile(const FileDialogSpec&) {
    if (files_.empty())
        return std::nullopt;
    std::string name = files_.front();
    files_.pop_front();
    return name;
}

std::optional<std::string> MecCliPort::AskOpenFile(const FileDialogSpec& spec) {
    return AskSaveFile(spec);
}

int RunMecOperation(Mec16xxEngine& engine, void (Mec16xxEngine::*click)()) {
    (engine.*click)();
    engine.WaitForWorker();
    return MecExitCode(engine.Outcome());
}

int RunMecOperation(Mec16xxEngine& engine, void (Mec16xxEngine::*click)(bool), bool alsoInfo) {
    (engine.*click)(alsoInfo);
    engine.WaitForWorker();
    return MecExitCode(engine.Outcome());
}

int WithMecEngine(const CliArgs& args, MecCliPort& port,
                  const std::function<int(Mec16xxEngine&, MecStats&)>& body) {
    std::shared_ptr<FtdiApi> api = OpenBackend(args);
    if (!api)
        return kExitNoJig;
    MecStats stats;
    Mec16xxEngine engine(api, port);
    const int status = body(engine, stats);
    if (args.Flag("stats"))
        stats.Print(api);
    return status;
}

void MecStats::Add(const Mec16xxEngine& engine) {
    workerCpu_ += engine.WorkerCpuNanos();
    fileBytes_ += engine.FileBytes();
}

void MecStats::Print(const std::shared_ptr<FtdiApi>& api) const {
    stats_.Print(fileBytes_, workerCpu_, api);
}
