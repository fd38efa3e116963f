#pragma once
// Ctrl-C, SIGTERM and SIGHUP do what the window's STOP does: the running operation stops at its
// next safe point and ends as its protocol ends a stream, so the JIG waits for the next command.
// A second signal ends the program at once.
#include "operation/Outcome.h"

#include <functional>

class OperationRunner;

// Called by main before any thread starts: the three signals go to one thread of their own.
void InstallStopSignals();

// While one lives, the first signal calls `stop` (which only asks: it must not block); with none
// the program ends at once, as there is nothing to end cleanly.
class StopOnSignal {
  public:
    // `normalEnd`: the signal is how the command ends (a keyboard scan), not a stop: the exit
    // status stays the command's own.
    explicit StopOnSignal(std::function<void()> stop, bool normalEnd = false);
    ~StopOnSignal();
    StopOnSignal(const StopOnSignal&) = delete;
    StopOnSignal& operator=(const StopOnSignal&) = delete;
};

// The signal that asked the operation to stop, or 0.
int StopSignal();
// `status`, or 128 + the signal when one stopped the operation (130 for Ctrl-C, 143 for SIGTERM).
int ExitStatusAfterSignal(int status);

// Starts an operation through `start` and waits for its end; how it ended. Starting clears the
// runner's stop flag, so a signal that came while it started is handed on to it.
Outcome RunToEnd(OperationRunner& run, const std::function<void()>& start);
