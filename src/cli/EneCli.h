#pragma once
// What the three "ene" commands share: the cable options and the run of an operation.
#include "cli/CliCommand.h"
#include "cli/CliPort.h"
#include "cli/CliStats.h"
#include "modes/Kb901x_form/Kb901xEngine.h"

#include <memory>
#include <optional>
#include <string>

// The motherboard entry --mb names: a line of "MB connection ENE.txt" equal to TEXT, else the
// one line that contains it, else TEXT itself when it carries the keys. Nothing (and a reason)
// otherwise.
std::optional<std::string> FindEneMotherboard(const std::string& text, std::string* error);
// "30 pin" or "30"; nothing when it is not one of the cable list's items.
std::optional<std::string> FindFfcCable(const std::string& text);

// Runs "Apply settings" from --mb, --cable and --mirrored. Returns kExitOk when they were sent,
// or the exit status to stop with.
int ApplyEneCable(Kb901xEngine& engine, const CliArgs& args, OperatorPort& port);

// The whole of "ene read" and "ene write".
int RunEneTransfer(const CliArgs& args, bool write);
