#include "support/RecordingSwitchPort.h"

#include <algorithm>

void RecordingSwitchPort::Memo(const std::string& line) {
    std::lock_guard lock(mutex_);
    lines_.push_back(line);
}

void RecordingSwitchPort::SetGauge(int position) {
    std::lock_guard lock(mutex_);
    positions_.push_back(position);
}

void RecordingSwitchPort::SetGaugeMax(int maximum) {
    std::lock_guard lock(mutex_);
    gaugeMax_ = maximum;
}

void RecordingSwitchPort::Event(const std::string& e) {
    std::lock_guard lock(mutex_);
    events_.push_back(e);
}

void RecordingSwitchPort::ShowUpdateWindow() {
    Event("show update");
}
void RecordingSwitchPort::HideUpdateWindow() {
    Event("hide update");
}
void RecordingSwitchPort::EnableUpdateExit() {
    Event("exit");
}
void RecordingSwitchPort::EnableTimerRun() {
    Event("timer run");
}
void RecordingSwitchPort::ShowMainWindow() {
    Event("show main");
}
void RecordingSwitchPort::StartResetPrompt() {
    Event("reset prompt");
}

void RecordingSwitchPort::EndResetPrompt() {
    Event("reset prompt ended");
}

void RecordingSwitchPort::StartBootWaitTimer() {
    Event("timer 5sec");
    if (onBootWaitTimer)
        onBootWaitTimer();
}

std::vector<std::string> RecordingSwitchPort::Lines() const {
    std::lock_guard lock(mutex_);
    return lines_;
}

std::vector<std::string> RecordingSwitchPort::Events() const {
    std::lock_guard lock(mutex_);
    return events_;
}

bool RecordingSwitchPort::HasLine(const std::string& line) const {
    std::lock_guard lock(mutex_);
    return std::find(lines_.begin(), lines_.end(), line) != lines_.end();
}

bool RecordingSwitchPort::HasEvent(const std::string& event) const {
    std::lock_guard lock(mutex_);
    return std::find(events_.begin(), events_.end(), event) != events_.end();
}

int RecordingSwitchPort::Gauge() const {
    std::lock_guard lock(mutex_);
    return positions_.empty() ? 0 : positions_.back();
}

int RecordingSwitchPort::GaugeMax() const {
    std::lock_guard lock(mutex_);
    return gaugeMax_;
}

std::vector<int> RecordingSwitchPort::GaugePositions() const {
    std::lock_guard lock(mutex_);
    return positions_;
}
