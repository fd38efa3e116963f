#include "cli/MecCli.h"

#include "cli/CliSafety.h"
#include "cli/CliSignals.h"

#include <cstdio>

int MecExitCode(MecOutcome outcome) {
    switch (outcome) {
    case MecOutcome::Succeeded:
        return kExitOk;
    case MecOutcome::NoJig:
        return kExitNoJig;
    case MecOutcome::None:
    case MecOutcome::Failed:
    case MecOutcome::Stopped:
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

namespace {
// A signal before the operation begins leaves it unstarted; one that came while it began
// (its start clears the flag) is handed to it again.
int RunStoppable(Mec16xxEngine& engine, const std::function<void()>& click) {
    if (StopSignal() != 0)
        return kExitFailed;
    click();
    if (StopSignal() != 0)
        engine.Stop();
    engine.WaitForWorker();
    return MecExitCode(engine.Outcome());
}
} // namespace

int RunMecOperation(Mec16xxEngine& engine, void (Mec16xxEngine::*click)()) {
    return RunStoppable(engine, [&] { (engine.*click)(); });
}

int RunMecOperation(Mec16xxEngine& engine, void (Mec16xxEngine::*click)(bool), bool alsoInfo) {
    return RunStoppable(engine, [&] { (engine.*click)(alsoInfo); });
}

void PrintMecChipState(const Mec16xxEngine& engine, const CliArgs& args,
                       const std::string& backup) {
    PrintChipState(engine.ChipState(), args, "mec write",
                   engine.BackupPath().empty() ? backup : engine.BackupPath());
}

int WithMecEngine(const CliArgs& args, MecCliPort& port,
                  const std::function<int(Mec16xxEngine&, MecStats&)>& body) {
    std::shared_ptr<FtdiApi> api = OpenBackend(args);
    if (!api)
        return kExitNoJig;
    MecStats stats;
    Mec16xxEngine engine(api, port);
    engine.SetSafety(CliSafety(args));
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
    workerCpu_ += engine.WorkerCpuNanos();
    fileBytes_ += engine.FileBytes();
}

void MecStats::Print(const std::shared_ptr<FtdiApi>& api) const {
    stats_.Print(fileBytes_, workerCpu_, api);
}
