#pragma once
// The "jtag" commands: the settings, the power prompt, the identifier check with its script,
// then the read or the write (with its read-back), and the --stats figures of each phase.
#include "cli/CliCommand.h"

enum class JtagJob { Check, Read, Write };

int RunJtag(const CliArgs& args, JtagJob job);
