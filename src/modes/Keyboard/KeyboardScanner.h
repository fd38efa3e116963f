#pragma once
// The keyboard tester's engine: the START SCAN, Clear, "Hide current" and "Buzzer off"
// handlers and the scan worker `ReadThread_keyboard`. The window (or the CLI) calls the
// handlers from one thread; the worker talks to the link alone while it runs.
#include "link/ProgrammerLink.h"
#include "modes/Keyboard/KeyboardListener.h"
#include "modes/Keyboard/KeyboardMatrix.h"
#include "port/OperationState.h"
#include "port/Worker.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <string>

namespace Keyboard {

class KeyboardScanner {
  public:
    static constexpr std::size_t kAnswerBuffer = 1024;

    KeyboardScanner(std::shared_ptr<FtdiApi> api, KeyboardListener& listener);
    // Stops a running scan and waits for its worker.
    ~KeyboardScanner();
    KeyboardScanner(const KeyboardScanner&) = delete;
    KeyboardScanner& operator=(const KeyboardScanner&) = delete;

    // START SCAN: opens the link and starts the worker; while scanning, asks the scan to stop
    // after the answer it waits for.
    void StartScanClick();
    // Clear: the worker repaints every indicator aqua between answers; with no scan running
    // the grid is cleared at once.
    void ClearClick();
    void SetHideCurrent(bool checked);
    void SetBuzzerOff(bool checked);
    // Ends a running scan at once (leaving the window, quitting) and waits for the worker.
    void Shutdown();
    // Waits for the worker to end by itself (the CLI, tests).
    void Join();

    std::string State() const { return state_.Get(); } // "NONE" or "Keyboard"
    bool Scanning() const { return !state_.IsNone(); }
    std::string StatusWord() const;
    Colour ColourOf(int pairNumber) const;
    HideMode Hide() const;
    bool BuzzerOff() const { return buzzerOff_.load(); }
    // Why the last scan ended: "stopped" (in every language), or what failed in the chosen
    // language ("no scan answer within 1000 ms").
    std::string EndReason() const;

  private:
    void Execute(); // ReadThread_keyboard
    void SetStatusWord(const std::string& word);
    void Emit(const std::vector<IndicatorChange>& changes);
    void EndScan(const std::string& statusWord, const std::string& reason, bool sendStop);

    ProgrammerLink link_;
    KeyboardListener& listener_;
    OperationState state_;
    std::atomic<bool> stopRequest_{false};
    std::atomic<bool> clearRequest_{false};
    std::atomic<bool> buzzerOff_{false};
    mutable std::mutex mutex_; // the matrix and the status word
    KeyboardMatrix matrix_;
    std::string statusWord_ = "NO";
    std::string endReason_;
    Worker worker_;
};

} // namespace Keyboard
