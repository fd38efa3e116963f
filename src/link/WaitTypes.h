#pragma once
#include <chrono>

using SteadyClock = std::chrono::steady_clock;
using Deadline = SteadyClock::time_point;
using Millis = std::chrono::milliseconds;

enum class WaitOutcome { Ready, TimedOut, Cancelled, DeviceError };

inline Deadline DeadlineIn(Millis bound) {
    return SteadyClock::now() + bound;
}

const char* WaitOutcomeText(WaitOutcome outcome);
