#include "support/RecordingPort.h"

#include <algorithm>

void RecordingPort::Log(const std::string& line) {
    {
        std::lock_guard lock(mutex_);
        lines_.push_back(line);
    }
    if (onLine)
        onLine(line);
}

void RecordingPort::ClearLog() {
    std::lock_guard lock(mutex_);
    lines_.clear();
}

void RecordingPort::SetGauge(int position) {
    {
        std::lock_guard lock(mutex_);
        gauge_ = position;
    }
    if (onGauge)
        onGauge(position);
}

void RecordingPort::SetGaugeMax(int maximum) {
    std::lock_guard lock(mutex_);
    gaugeMax_ = maximum;
}

void RecordingPort::SetGaugeColour(Rgb colour) {
    std::lock_guard lock(mutex_);
    colour_ = colour;
}

void RecordingPort::EnableControl(const std::string& name, bool enabled) {
    std::lock_guard lock(mutex_);
    enabled_.emplace_back(name, enabled);
}

std::optional<std::string> RecordingPort::AskSaveFile(const FileDialogSpec& spec) {
    std::lock_guard lock(mutex_);
    dialogs_.push_back(spec);
    if (fileAnswers_.empty())
        return std::nullopt;
    auto a = fileAnswers_.front();
    fileAnswers_.pop_front();
    return a;
}

std::optional<std::string> RecordingPort::AskOpenFile(const FileDialogSpec& spec) {
    return AskSaveFile(spec);
}

void RecordingPort::ShowMessage(MessageIcon, const std::string& text) {
    std::lock_guard lock(mutex_);
    messages_.push_back(text);
}

bool RecordingPort::AskYesNo(const std::string& text) {
    std::lock_guard lock(mutex_);
    messages_.push_back(text);
    if (yesNo_.empty())
        return false;
    bool a = yesNo_.front();
    yesNo_.pop_front();
    return a;
}

void RecordingPort::QueueFileAnswer(std::optional<std::string> answer) {
    std::lock_guard lock(mutex_);
    fileAnswers_.push_back(std::move(answer));
}

void RecordingPort::QueueYesNo(bool answer) {
    std::lock_guard lock(mutex_);
    yesNo_.push_back(answer);
}

std::vector<std::string> RecordingPort::Lines() const {
    std::lock_guard lock(mutex_);
    return lines_;
}

std::vector<std::string> RecordingPort::Messages() const {
    std::lock_guard lock(mutex_);
    return messages_;
}

std::vector<FileDialogSpec> RecordingPort::Dialogs() const {
    std::lock_guard lock(mutex_);
    return dialogs_;
}

int RecordingPort::Gauge() const {
    std::lock_guard lock(mutex_);
    return gauge_;
}

int RecordingPort::GaugeMax() const {
    std::lock_guard lock(mutex_);
    return gaugeMax_;
}

Rgb RecordingPort::GaugeColour() const {
    std::lock_guard lock(mutex_);
    return colour_;
}

bool RecordingPort::Enabled(const std::string& name, bool fallback) const {
    std::lock_guard lock(mutex_);
    for (auto it = enabled_.rbegin(); it != enabled_.rend(); ++it)
        if (it->first == name)
            return it->second;
    return fallback;
}

bool RecordingPort::HasLine(const std::string& line) const {
    std::lock_guard lock(mutex_);
    return std::find(lines_.begin(), lines_.end(), line) != lines_.end();
}

void RecordingPort::ShowDump(std::shared_ptr<const DumpPicture> picture) {
    std::lock_guard lock(mutex_);
    dump_ = std::move(picture);
}

std::shared_ptr<const DumpPicture> RecordingPort::Dump() const {
    std::lock_guard lock(mutex_);
    return dump_;
}
