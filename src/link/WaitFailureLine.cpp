#include "link/WaitFailureLine.h"

#include "port/Tr.h"

std::string WaitFailureLine(WaitOutcome outcome, const std::string& step) {
    switch (outcome) {
    case WaitOutcome::TimedOut:
        return Fill(Tr("Link", "Timeout: no answer from the JIG (%1)"), step);
    case WaitOutcome::Cancelled:
        return Fill(Tr("Link", "Cancelled while waiting for the JIG (%1)"), step);
    case WaitOutcome::DeviceError:
        return Fill(Tr("Link", "The JIG was lost (%1)"), step);
    case WaitOutcome::Ready:
        break;
    }
    return Fill(Tr("Link", "Unexpected answer from the JIG (%1)"), step);
}

std::string Reply::FailureLine() const {
    if (Ok())
        return {};
    if (outcome == WaitOutcome::Ready) // a surplus: say how much came
        return WaitFailureLine(
            outcome, Fill(Tr("Link", "%1: %2 bytes"), step, std::to_string(bytes.size())));
    return WaitFailureLine(outcome, step);
}
