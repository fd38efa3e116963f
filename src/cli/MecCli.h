#pragma once
// What the "mec" commands share: one engine for the command, the exit status of an operation
// and the --stats figures.
#include "cli/CliCommand.h"
#include "cli/CliPort.h"
#include "cli/CliStats.h"
#include "modes/Mec16xx/Mec16xxEngine.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

// Runs one operation of the engine (`start` begins it) to its end; returns its exit status. A
// stop signal that came before it leaves it unstarted.
int RunMecOperation(Mec16xxEngine& engine, const std::function<void()>& start);

// After a failed or stopped erase or write: where the chip stands and how to put the backup
// (the operation's own, else `backup`) back.
void PrintMecChipState(const Mec16xxEngine& engine, const CliArgs& args,
                       const std::string& backup = "");

class MecStats;
// One engine on the backend the options choose for the whole command, with --stats at its
// end; `body` runs the command's operations and returns the exit status.
int WithMecEngine(const CliArgs& args, CliPort& port,
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
