#pragma once
// A reply of a fixed size as a value: what came, how the wait ended, and the step it was for,
// so that a failure can be logged and judged after the wait without looking at the link again.
#include "link/WaitTypes.h"

#include <cstdint>
#include <string>
#include <vector>

struct Reply {
    WaitOutcome outcome = WaitOutcome::TimedOut;
    // The reply's bytes; on a time-out, those that did come; with a surplus, all that was queued.
    std::vector<std::uint8_t> bytes;
    // More was queued than the reply has: nonsense from the JIG.
    bool surplus = false;
    std::string step;

    bool Ok() const { return outcome == WaitOutcome::Ready && !surplus; }
    // The JIG stopped answering (or the device went): nothing it is sent will be answered.
    bool Lost() const { return outcome != WaitOutcome::Ready; }
    std::size_t Count() const { return bytes.size(); }
    // The byte at `index`, 00h when it did not come.
    std::uint8_t At(std::size_t index) const { return index < bytes.size() ? bytes[index] : 0; }
    // "Timeout: no answer from the JIG (STEP)", "Unexpected answer from the JIG (STEP: 3 bytes)"
    // and their kin; empty when the reply is good.
    std::string FailureLine() const;
};
