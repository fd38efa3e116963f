#pragma once
// How an operation of any mode ended, and what that means to the journal and to the command
// line's exit status.
#include <string>

enum class Outcome { None, NoJig, Failed, Succeeded, Stopped };

// "done", "no JIG", "stopped" or "failed".
std::string JournalResult(Outcome outcome);

// 0 done, 2 no usable JIG, 1 anything else (a stop by a signal becomes 128 + the signal later).
int ExitStatusOf(Outcome outcome);
