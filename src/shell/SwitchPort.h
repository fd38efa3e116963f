#pragma once
// What the firmware switch and the PCB3 update reach of the windows: the update window
// (memo, gauge, visibility, EXIT button, reset prompt) and the main window (Timer_RUN,
// Timer_5SEC, visibility). The main window implements it for the window thread, the CLI
// with the terminal, the tests with a recorder. Calls come from the worker thread.
#include <string>

class SwitchPort {
  public:
    virtual ~SwitchPort() = default;

    // Memo_UPDATE and CGauge_UPD.
    virtual void Memo(const std::string& line) = 0;
    virtual void SetGauge(int position) = 0;
    virtual void SetGaugeMax(int maximum) = 0;

    virtual void ShowUpdateWindow() = 0;
    virtual void HideUpdateWindow() = 0;
    // SpeedButton_UPD_EXIT: the switch failed, the technician closes the window.
    virtual void EnableUpdateExit() = 0;
    // Timer_RUN: the JIG runs the mode's firmware; the mode window opens 300 ms later.
    virtual void EnableTimerRun() = 0;
    virtual void ShowMainWindow() = 0;

    // Timer_5SEC: sets the switch's BootWaitExpired flag 5 s later. The switch keeps a
    // deadline of its own as well, so a port without a timer may leave this empty.
    virtual void StartBootWaitTimer() {}
    // TimerMSG: " Please press the reset button on the JIG!" 200 ms later.
    virtual void StartResetPrompt() = 0;
    // The bootloader answered, or its wait ended: the prompt has nothing more to ask.
    virtual void EndResetPrompt() {}
    // The JIG's own flash is being written (true) or no longer (false): a JIG left in the
    // middle has no working firmware, so the program must not end meanwhile.
    virtual void FirmwareWriting(bool writing) { (void)writing; }
};

// FirmwareWriting(true) for its life, false at every way out.
class FirmwareWritingScope {
  public:
    explicit FirmwareWritingScope(SwitchPort& port) : port_(port) { port_.FirmwareWriting(true); }
    ~FirmwareWritingScope() { port_.FirmwareWriting(false); }
    FirmwareWritingScope(const FirmwareWritingScope&) = delete;
    FirmwareWritingScope& operator=(const FirmwareWritingScope&) = delete;

  private:
    SwitchPort& port_;
};
