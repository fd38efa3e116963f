#pragma once
// What the three "ene" commands share: the cable options, the exit status of an operation and
// the --stats figures.
#include "cli/CliCommand.h"
#include "cli/CliPort.h"
#include "modes/Kb901x_form/Kb901xEngine.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string>

int EneExitCode(Kb90Outcome outcome);

// The motherboard entry --mb names: a line of "MB connection ENE.txt" equal to TEXT, else the
// one line that contains it, else TEXT itself when it carries the keys. Nothing (and a reason)
// otherwise.
std::optional<std::string> FindEneMotherboard(const std::string& text, std::string* error);
// "30 pin" or "30"; nothing when it is not one of the cable list's items.
std::optional<std::string> FindFfcCable(const std::string& text);

// Runs "Apply settings" from --mb, --cable and --mirrored. Returns kExitOk when they were sent,
// or the exit status to stop with.
int ApplyEneCable(Kb901xEngine& engine, const CliArgs& args, OperatorPort& port);

// Wall time, CPU time and the simulated JIG's own figures of one command.
class EneStats {
  public:
    EneStats();
    void Print(const Kb901xEngine& engine, const std::shared_ptr<FtdiApi>& api) const;

  private:
    std::chrono::steady_clock::time_point wallStart_;
    std::int64_t processCpuStart_;
    std::int64_t threadCpuStart_;
};

// The whole of "ene read" and "ene write".
int RunEneTransfer(const CliArgs& args, bool write);
