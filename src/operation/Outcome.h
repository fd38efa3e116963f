#pragma once
// How an operation of any mode ended, and what that means to the journal and to the command
// line's exit status.
#include <string>

// NoFile: a file the operation needs could not be had (an image that is missing, unreadable or
// not a regular file; no place to create the dump); nothing reached the chip.
enum class Outcome { None, NoJig, NoFile, Failed, Succeeded, Stopped };

// "done", "no JIG", "stopped" or "failed".
std::string JournalResult(Outcome outcome);

// 0 done, 2 no usable JIG or no file, 1 anything else (a stop by a signal becomes 128 + the signal
// later).
int ExitStatusOf(Outcome outcome);
