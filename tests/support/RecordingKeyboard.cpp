#include "support/RecordingKeyboard.h"

void RecordingKeyboard::IndicatorChanged(int n, Keyboard::Colour c) {
    Record([&] { changes_.emplace_back(n, c); });
}

void RecordingKeyboard::StatusWordChanged(const std::string& word) {
    Record([&] { words_.push_back(word); });
}

void RecordingKeyboard::ScanRunning(bool running) {
    Record([&] { running_.push_back(running); });
}

void RecordingKeyboard::PairsReported(const std::vector<Keyboard::PinPair>& pairs) {
    Record([&] { reports_.push_back(pairs); });
}

std::vector<std::pair<int, Keyboard::Colour>> RecordingKeyboard::Changes() const {
    std::lock_guard lock(mutex_);
    return changes_;
}

std::vector<Keyboard::Colour> RecordingKeyboard::ColoursOf(int n) const {
    std::lock_guard lock(mutex_);
    std::vector<Keyboard::Colour> colours;
    for (const auto& [pair, colour] : changes_)
        if (pair == n)
            colours.push_back(colour);
    return colours;
}

std::vector<std::string> RecordingKeyboard::Words() const {
    std::lock_guard lock(mutex_);
    return words_;
}

std::vector<bool> RecordingKeyboard::Running() const {
    std::lock_guard lock(mutex_);
    return running_;
}

int RecordingKeyboard::Answers() const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(reports_.size());
}

std::vector<std::vector<Keyboard::PinPair>> RecordingKeyboard::Reports() const {
    std::lock_guard lock(mutex_);
    return reports_;
}

bool RecordingKeyboard::WaitUntil(const std::function<bool(const RecordingKeyboard&)>& done,
                                  std::chrono::milliseconds bound) const {
    const auto deadline = std::chrono::steady_clock::now() + bound;
    std::unique_lock lock(mutex_);
    for (;;) {
        const unsigned seen = generation_;
        lock.unlock();
        const bool ok = done(*this);
        lock.lock();
        if (ok)
            return true;
        if (!changed_.wait_until(lock, deadline, [&] { return generation_ != seen; })) {
            lock.unlock();
            return done(*this);
        }
    }
}

bool RecordingKeyboard::WaitForEnd(std::chrono::milliseconds bound) const {
    return WaitUntil(
        [](const RecordingKeyboard& k) {
            const std::vector<bool> r = k.Running();
            return !r.empty() && !r.back();
        },
        bound);
}
