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
