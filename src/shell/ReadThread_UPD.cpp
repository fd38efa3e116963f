#include "shell/ReadThread_UPD.h"

#include "link/VersionText.h"
#include "modetable/ModeTable.h"
#include "port/Tr.h"
#include "shell/LoadAndSendModeFirmware.h"
#include "shell/UpdatePcb3Firmware.h"

#include <cstdio>
#include <optional>

namespace {
constexpr DWORD kBootloaderBaud = 115200;
constexpr int kGreetingAttempts = 3;
constexpr std::size_t kGreetingSize = 16;
constexpr std::uint8_t kGreetingEnd = 0x11;
constexpr const char* kNoBootloader =
    TR_NOOP("Shell", "You did not press the reset button or error response BOOT_loader");
constexpr const char* kPushReset = TR_NOOP("Shell", "*** PLEASE PUSH RESET BUTTON ! ***");

std::string GreetingHex(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    for (std::uint8_t b : bytes) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02X", b);
        text += pair;
    }
    return text;
}
} // namespace

ReadThread_UPD::ReadThread_UPD(ProgrammerLink& link, SwitchPort& port,
                               std::atomic<bool>& bootWaitExpired, std::string mode,
                               SwitchTiming timing)
    : link_(link), port_(port), bootWaitExpired_(bootWaitExpired), mode_(std::move(mode)),
      timing_(timing), pcb3Link_(std::make_unique<ProgrammerLink>(link.SharedApi())) {
    link_.ResetCancel();
}

ReadThread_UPD::~ReadThread_UPD() = default;

void ReadThread_UPD::Cancel() {
    cancelled_.store(true);
    link_.Cancel();
    pcb3Link_->Cancel();
}

SwitchOutcome ReadThread_UPD::Execute() {
    if (link_.versionText.find("M328_EPM240") != std::string::npos)
        return ExecutePcb3();
    return ExecutePcb2();
}

SwitchOutcome ReadThread_UPD::Fail() {
    link_.Close();
    port_.EnableUpdateExit();
    return cancelled_.load() ? SwitchOutcome::Cancelled : SwitchOutcome::Failed;
}

SwitchOutcome ReadThread_UPD::ExecutePcb3() {
    link_.Close();
    port_.ShowUpdateWindow();
    if (UpdatePcb3Firmware(*pcb3Link_, port_, timing_) == "OK") {
        port_.HideUpdateWindow();
        port_.SetGauge(0);
        port_.EnableTimerRun();
        return SwitchOutcome::ModeReady;
    }
    port_.EnableUpdateExit();
    port_.ShowMainWindow();
    return cancelled_.load() ? SwitchOutcome::Cancelled : SwitchOutcome::Failed;
}

SwitchOutcome ReadThread_UPD::ExecutePcb2() {
    port_.ShowUpdateWindow();
    port_.Memo(Fill(Tr("Shell", "Current version of FW -> %1"), link_.versionText));
    port_.Memo(Fill(Tr("Shell", "User select -> %1"), mode_));
    if (link_.versionText != kNoAnswerText) {
        const Pcb2Firmware* fw = FindModeFirmware(mode_);
        if (fw && link_.versionText.find(fw->tag) != std::string::npos) {
            port_.EnableTimerRun();
            port_.HideUpdateWindow();
            link_.Close();
            return SwitchOutcome::ModeReady;
        }
        AskForBootloader();
    } else {
        port_.Memo(Tr("Shell", kPushReset));
    }

    std::vector<std::uint8_t> greeting;
    if (!AwaitGreeting(&greeting)) {
        port_.Memo(cancelled_.load() ? Tr("Shell", "Firmware switch stopped.")
                                     : Tr("Shell", kNoBootloader));
        return Fail();
    }
    port_.Memo(GreetingHex(greeting));
    port_.Memo(Fill(Tr("Shell", "BOOT M88 connected - %1"),
                    FilterAnswer(greeting.data(), greeting.size())));

    std::optional<FirmwareWritingScope> writing(std::in_place, port_);
    port_.Memo(Tr("Shell", "Update firmware ... "));
    const std::string result = LoadAndSendModeFirmware(link_, mode_, port_);
    if (result == kFwErrorFileFormat)
        port_.Memo(Tr("Shell", "Error format .hex file for M88!"));
    else if (result == kFwErrorUpgrade)
        port_.Memo(Tr("Shell", "Flashing M88 error!"));
    else if (result == kFwUpgradeOk)
        port_.Memo(Tr("Shell", "Exit from BOOT and RUN ... "));

    // Whatever happened, the bootloader is told to start the application.
    link_.Send({'g', '\n'});
    const Reply run = link_.ExpectQueued(5, DeadlineIn(WaitBounds::BootloaderReply));
    if (run.outcome != WaitOutcome::Ready)
        port_.Memo(BootloaderSilenceLine(Tr("Shell", "'g' (run)"), run.outcome));
    link_.Close();
    writing.reset();
    if (result != kFwUpgradeOk || run.outcome != WaitOutcome::Ready)
        return Fail();
    port_.HideUpdateWindow();
    port_.EnableTimerRun();
    return SwitchOutcome::ModeReady;
}

void ReadThread_UPD::AskForBootloader() {
    port_.Memo(Tr("Shell", "Command go to BOOT ... "));
    link_.Send({'?'});
    const Reply answer = link_.ExpectRead(1, 5);
    if (!answer.Ok() || answer.At(0) != '!')
        port_.Memo(Tr("Shell", "*** FAULT ANSWER. PLEASE push reset button ***"));
}

bool ReadThread_UPD::AwaitGreeting(std::vector<std::uint8_t>* greeting) {
    if (!link_.IsOpen())
        return false;
    FtdiApi& api = link_.Api();
    port_.SetGauge(0);
    api.FT_SetBaudRate(link_.Handle(), kBootloaderBaud);
    api.FT_SetTimeouts(link_.Handle(), 300, 300);
    bootWaitExpired_.store(false);
    port_.StartBootWaitTimer();
    windowEnd_ = DeadlineIn(timing_.bootWindow);

    for (int attempt = 1;; ++attempt) {
        api.FT_Purge(link_.Handle(), FT_PURGE_RX | FT_PURGE_TX);
        if (!CallUntilAnswer())
            return false;
        greeting->clear();
        while (greeting->size() < kGreetingSize) {
            const Reply b = link_.ExpectRead(1, 3);
            if (!b.Ok())
                break;
            greeting->push_back(b.At(0));
            if (b.At(0) == kGreetingEnd)
                break;
        }
        if (!greeting->empty() && greeting->back() == kGreetingEnd)
            return true;
        if (attempt == kGreetingAttempts || cancelled_.load())
            return false;
        port_.Memo(Tr("Shell", kPushReset));
    }
}

bool ReadThread_UPD::CallUntilAnswer() {
    for (;;) {
        if (!link_.Send({'U'}))
            return false;
        const Deadline next = std::min(windowEnd_, DeadlineIn(timing_.callRepeat));
        // Only looks: the greeting's reads take the answer.
        const WaitOutcome w = link_.AwaitReceived(1, next);
        if (w == WaitOutcome::Cancelled || w == WaitOutcome::DeviceError)
            return false;
        // The switch's own deadline stands in for Timer_5SEC where no window runs one.
        if (SteadyClock::now() >= windowEnd_)
            bootWaitExpired_.store(true);
        if (bootWaitExpired_.load())
            return false;
        if (w == WaitOutcome::Ready)
            return true;
    }
}
