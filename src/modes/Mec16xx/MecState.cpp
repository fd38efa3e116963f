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

void MecState::Finish(MecOutcome result, const std::string& step) {
    if (failedStep.empty() && result != MecOutcome::Succeeded)
        failedStep = step;
    outcome.store(result);
    state.Set("NONE");
}
