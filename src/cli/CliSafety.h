#pragma once
// The safety net on the command line: always on, with a backup before every erase or write
// unless --no-backup, and every read made twice with --read-twice.
#include "cli/CliApp.h"
#include "safety/SafetyOptions.h"

// --no-backup, for a command that erases or writes.
CliCommandBuilder& NoBackupFlag(CliCommandBuilder& command);
// --read-twice, for a command that reads.
CliCommandBuilder& ReadTwiceFlag(CliCommandBuilder& command);
SafetyOptions CliSafety(const CliArgs& args);

// After a failed or stopped erase or write: where the chip stands (`chipState`, the engine's
// line) and, when a backup was taken, the exact command that puts it back, on stderr.
// `writeCommand`: the mode's write command ("ene write"). `inLog`: the line is in the log
// (stdout) already, so it is not said again where stdout and stderr are one terminal or file.
void PrintChipState(const std::string& chipState, const CliArgs& args,
                    const std::string& writeCommand, const std::string& backup, bool inLog = false);
