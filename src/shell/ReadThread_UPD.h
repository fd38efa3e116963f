#pragma once
// The firmware switch: makes the JIG run the firmware of the chosen mode. On a PCB2 it
// reflashes the M88 over its bootloader when the version tag differs; on a PCB3 with older
// firmware it runs the package update. The outcome goes to the windows through SwitchPort:
// Timer_RUN on success, the update window's EXIT on failure.
#include "link/ProgrammerLink.h"
#include "shell/SwitchPort.h"
#include "shell/SwitchTiming.h"

#include <atomic>
#include <memory>
#include <string>

enum class SwitchOutcome { ModeReady, Failed, Cancelled };

class ReadThread_UPD {
  public:
    // `link`: the main window's link as the identification left it (open, or closed when no
    // device exists). `bootWaitExpired`: the main window's flag, set by Timer_5SEC.
    ReadThread_UPD(ProgrammerLink& link, SwitchPort& port, std::atomic<bool>& bootWaitExpired,
                   std::string mode, SwitchTiming timing = {});
    ~ReadThread_UPD();
    ReadThread_UPD(const ReadThread_UPD&) = delete;
    ReadThread_UPD& operator=(const ReadThread_UPD&) = delete;

    // Runs the whole switch on the calling thread; the link is closed when it returns.
    SwitchOutcome Execute();
    // Any thread: ends every wait of the switch at once.
    void Cancel();

  private:
    SwitchOutcome ExecutePcb2();
    SwitchOutcome ExecutePcb3();
    // '?' and the answer of the application.
    void AskForBootloader();
    // Steps 5 and 6: 'U' until the bootloader greets; false when it never did.
    bool AwaitGreeting(std::vector<std::uint8_t>* greeting);
    // 'U' until bytes are queued; false when the boot window closes first.
    bool CallUntilAnswer();
    SwitchOutcome Fail();

    ProgrammerLink& link_;
    SwitchPort& port_;
    std::atomic<bool>& bootWaitExpired_;
    const std::string mode_;
    const SwitchTiming timing_;
    std::unique_ptr<ProgrammerLink> pcb3Link_; // the PCB3 update's own link
    std::atomic<bool> cancelled_{false};
    Deadline windowEnd_{};
};
