#pragma once
// What the "mec" commands share: the operator at the terminal, the exit status of an
// operation and the --stats figures.
#include "cli/CliCommand.h"
#include "cli/CliPort.h"
#include "cli/CliStats.h"
#include "modes/Mec16xx/Mec16xxEngine.h"

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>

int MecExitCode(MecOutcome outcome);

// The terminal for several operations in one run: each file dialog takes the next answer.
class MecCliPort : public CliPort {
  public:
    void QueueFile(std::string name) { files_.push_back(std::move(name)); }
    std::optional<std::string> AskSaveFile(const FileDialogSpec& spec) override;
    std::optional<std::string> AskOpenFile(const FileDialogSpec& spec) override;

  private:
    std::deque<std::string> files_;
};

// Runs one operation of the engine to its end; returns its exit status. A stop signal that
// came before it leaves it unstarted.
int RunMecOperation(Mec16xxEngine& engine, void (Mec16xxEngine::*click)());
int RunMecOperation(Mec16xxEngine& engine, void (Mec16xxEngine::*click)(bool), bool alsoInfo);

// After a failed or stopped erase or write: where the chip stands and how to put the backup
// (the operation's own, else `backup`) back.
void PrintMecChipState(const Mec16xxEngine& engine, const CliArgs& args,
                       const std::string& backup = "");

class MecStats;
// One engine on the backend the options choose for the whole command, with --stats at its
// end; `body` runs the command's operations and returns the exit status.
int WithMecEngine(const CliArgs& args, MecCliPort& port,
                  const std::function<int(Mec16xxEngine&, MecStats&)>& body);

// Wall time, CPU time and the simulated JIG's own figures of one command; `Add` counts each
// operation's worker.
class MecStats {
  public:
    void Add(const Mec16xxEngine& engine);
    void Print(const std::shared_ptr<FtdiApi>& api) const;

  private:
    CliStats stats_;
    std::int64_t workerCpu_ = 0;
    std::uint64_t fileBytes_ = 0;
};
