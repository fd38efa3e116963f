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
