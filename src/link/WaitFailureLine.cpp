#include "link/WaitFailureLine.h"

std::string WaitFailureLine(WaitOutcome outcome, const std::string& step) {
    switch (outcome) {
    case WaitOutcome::TimedOut:
        return "Timeout: no answer from the JIG (" + step + ")";
    case WaitOutcome::Cancelled:
        return "Cancelled while waiting for the JIG (" + step + ")";
    case WaitOutcome::DeviceError:
        return "The JIG was lost (" + step + ")";
    case WaitOutcome::Ready:
        break;
    }
    return "Unexpected answer from the JIG (" + step + ")";
}

std::string Reply::FailureLine() const {
    if (Ok())
        return {};
    if (outcome == WaitOutcome::Ready) // a surplus: say how much came
        return WaitFailureLine(outcome, step + ": " + std::to_string(bytes.size()) + " bytes");
    return WaitFailureLine(outcome, step);
}
