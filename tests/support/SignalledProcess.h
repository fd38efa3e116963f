#pragma once
// Runs one of the project's executables and interrupts it as a technician would: a signal sent
// once the test sees the moment it wants (some blocks received, a time passed).
#include "support/Process.h"

#include <functional>
#include <string>
#include <vector>

// As RunProgram; `when` is asked every few milliseconds while the program runs and `signal` is
// sent the first time it says yes. The program gets 60 s in all before it is killed.
ProcessResult RunProgramAndSignal(const std::string& program, const std::vector<std::string>& args,
                                  const std::string& cwd, const std::vector<std::string>& env,
                                  const std::function<bool()>& when, int signal);
