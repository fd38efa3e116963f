#include "modes/Mec16xx/MecState.h"

void MecState::SetIndicator(MecIndicator which, Rgb colour) {
    std::function<void(MecIndicator, Rgb)> sink;
    {
        std::lock_guard lock(indicatorMutex_);
        (which == MecIndicator::Fwp ? fwp_ : bootLock_) = colour;
        sink = indicatorSink_;
    }
    if (sink)
        sink(which, colour);
}

Rgb MecState::Indicator(MecIndicator which) const {
    std::lock_guard lock(indicatorMutex_);
    return which == MecIndicator::Fwp ? fwp_ : bootLock_;
}

void MecState::SetIndicatorSink(std::function<void(MecIndicator, Rgb)> sink) {
    std::lock_guard lock(indicatorMutex_);
    indicatorSink_ = std::move(sink);
}

void MecState::SetEndSink(std::function<void(MecOutcome, const std::string&)> sink) {
    std::lock_guard lock(indicatorMutex_);
    endSink_ = std::move(sink);
}

void MecState::SayChipState(MecOutcome result) {
    if (!chipMatters || !chipState.empty() ||
        (result != MecOutcome::Failed && result != MecOutcome::Stopped))
        return;
    chipState = progress.Line(backupPath);
    port.Log(chipState);
    // Red only for a chip that changed: on one left as it was they would hide what the
    // protection check showed.
    if (progress.Changed()) {
        SetIndicator(MecIndicator::Fwp, Mec::kRed);
        SetIndicator(MecIndicator::BootLock, Mec::kRed);
    }
}

void MecState::Finish(MecOutcome result, const std::string& step) {
    if (failedStep.empty() && result != MecOutcome::Succeeded)
        failedStep = step;
    outcome.store(result);
    std::function<void(MecOutcome, const std::string&)> sink;
    {
        std::lock_guard lock(indicatorMutex_);
        sink = endSink_;
    }
    if (sink)
        sink(result, chipState);
    record.End(ResultOf(result), failedStep, [this](const std::string& line) { port.Log(line); });
    state.Set("NONE");
}
