#pragma once
// The update and main windows as the firmware switch sees them, written down for tests.
#include "shell/SwitchPort.h"

#include <functional>
#include <mutex>
#include <string>
#include <vector>

class RecordingSwitchPort : public SwitchPort {
  public:
    void Memo(const std::string& line) override;
    void SetGauge(int position) override;
    void SetGaugeMax(int maximum) override;
    void ShowUpdateWindow() override;
    void HideUpdateWindow() override;
    void EnableUpdateExit() override;
    void EnableTimerRun() override;
    void ShowMainWindow() override;
    void StartBootWaitTimer() override;
    void StartResetPrompt() override;
    void EndResetPrompt() override;

    // Runs on the switch's thread when it arms Timer_5SEC (a test may set the flag there).
    std::function<void()> onBootWaitTimer;

    std::vector<std::string> Lines() const;
    // Window events in order: "show update", "hide update", "exit", "timer run", "show main",
    // "timer 5sec", "reset prompt", "reset prompt ended".
    std::vector<std::string> Events() const;
    bool HasLine(const std::string& line) const;
    bool HasEvent(const std::string& event) const;
    int Gauge() const;
    int GaugeMax() const;
    std::vector<int> GaugePositions() const;

  private:
    void Event(const std::string& e);
    mutable std::mutex mutex_;
    std::vector<std::string> lines_;
    std::vector<std::string> events_;
    std::vector<int> positions_;
    int gaugeMax_ = 0;
};
