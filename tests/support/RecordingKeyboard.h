#pragma once
// A keyboard tester display that writes down what the scanner shows, from any thread.
#include "modes/Keyboard/KeyboardListener.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

class RecordingKeyboard : public Keyboard::KeyboardListener {
  public:
    void IndicatorChanged(int pairNumber, Keyboard::Colour colour) override;
    void StatusWordChanged(const std::string& word) override;
    void ScanRunning(bool running) override;
    void PairsReported(const std::vector<Keyboard::PinPair>& pairs) override;

    std::vector<std::pair<int, Keyboard::Colour>> Changes() const;
    std::vector<Keyboard::Colour> ColoursOf(int pairNumber) const;
    std::vector<std::string> Words() const;
    std::vector<bool> Running() const;
    int Answers() const;
    std::vector<std::vector<Keyboard::PinPair>> Reports() const;

    // Waits (at most `bound`) until `done` holds for what has been recorded.
    bool WaitUntil(const std::function<bool(const RecordingKeyboard&)>& done,
                   std::chrono::milliseconds bound = std::chrono::milliseconds(5000)) const;
    bool WaitForEnd(std::chrono::milliseconds bound = std::chrono::milliseconds(5000)) const;

  private:
    template <class F> void Record(F&& f) {
        {
            std::lock_guard lock(mutex_);
            f();
            ++generation_;
        }
        changed_.notify_all();
    }

    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    unsigned generation_ = 0;
    std::vector<std::pair<int, Keyboard::Colour>> changes_;
    std::vector<std::string> words_;
    std::vector<bool> running_;
    std::vector<std::vector<Keyboard::PinPair>> reports_;
};
