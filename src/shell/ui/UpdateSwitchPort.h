#pragma once
// The firmware switch's view of the update and main windows. Every call is posted to the main
// window's thread in order; the update window is reached through a guarded pointer, so a
// late call after it is gone does nothing.
#include "shell/SwitchPort.h"

#include <QPointer>

#include <atomic>

class TForm1;
class TUPDATE_FORM;

class UpdateSwitchPort : public SwitchPort {
  public:
    UpdateSwitchPort(TForm1* main, TUPDATE_FORM* update);

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
    void FirmwareWriting(bool writing) override { writing_.store(writing); }
    // Any thread: whether the JIG's own flash is being written now.
    bool WritingFirmware() const { return writing_.load(); }

  private:
    template <class F> void OnUpdate(F&& change);
    TForm1* main_;
    QPointer<TUPDATE_FORM> update_;
    std::atomic<bool> writing_{false};
};
