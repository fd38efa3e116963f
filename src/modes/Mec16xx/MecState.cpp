#include "modes/Mec16xx/MecState.h"

const char* MecStateName(Activity activity) {
    switch (activity) {
    case Activity::Checking:
        return "ID";
    case Activity::Reading:
        return "READ_MAIN";
    case Activity::ReadingInfo:
        return "READ_INFO";
    case Activity::Erasing:
        return "ERASE";
    case Activity::Writing:
        return "WRITE_MAIN";
    case Activity::Idle:
    case Activity::Sending:
        break;
    }
    return "NONE";
}

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

void MecState::SetEndSink(std::function<void(Outcome, const std::string&)> sink) {
    std::lock_guard lock(indicatorMutex_);
    endSink_ = std::move(sink);
}

void MecState::Ended(Outcome outcome, const std::string& chipState) {
    // Red only for a chip that changed: on one left as it was they would hide what the
    // protection check showed.
    if (!chipState.empty() && run.Progress().Changed()) {
        SetIndicator(MecIndicator::Fwp, Mec::kRed);
        SetIndicator(MecIndicator::BootLock, Mec::kRed);
    }
    std::function<void(Outcome, const std::string&)> sink;
    {
        std::lock_guard lock(indicatorMutex_);
        sink = endSink_;
    }
    if (sink)
        sink(outcome, chipState);
}

void MecState::Fail(const std::string& step) {
    if (run.FailedStep().empty())
        run.SetFailedStep(step);
}

Outcome MecState::End(Outcome outcome, const std::string& step) {
    if (outcome != Outcome::Succeeded)
        Fail(step);
    return outcome;
}

void MecState::EndEarly(Outcome outcome, const std::string& step) {
    End(outcome, step);
    run.EndEarly(outcome, run.FailedStep());
}
