// "start": the main window's Start without windows. The update window's lines go to stdout;
// where the technician must press the JIG's reset button the lines say so and the switch
// waits for the bootloader within its bounds.
#include "cli/CliApp.h"
#include "cli/CliPort.h"
#include "cli/CliSignals.h"
#include "link/InUse.h"
#include "port/Tr.h"
#include "shell/ReadThread_UPD.h"
#include "shell/StartFlow.h"

#include <algorithm>
#include <atomic>
#include <cstdio>

namespace {
class CliSwitchPort : public SwitchPort {
  public:
    void Memo(const std::string& line) override { terminal_.Log(line); }
    void SetGauge(int position) override { terminal_.SetGauge(position); }
    void SetGaugeMax(int maximum) override { terminal_.SetGaugeMax(maximum); }
    void ShowUpdateWindow() override {}
    void HideUpdateWindow() override {}
    void EnableUpdateExit() override {}
    void EnableTimerRun() override {}
    void ShowMainWindow() override {}
    void StartResetPrompt() override {
        terminal_.ShowMessage(MessageIcon::Warning,
                              Tr("Shell", " Please press the reset button on the JIG!"));
    }
    void FirmwareWriting(bool writing) override { writing_.store(writing); }
    bool Writing() const { return writing_.load(); }

  private:
    CliPort terminal_;
    std::atomic<bool> writing_{false};
};

bool IsWorkingMode(const std::string& mode) {
    const auto& items = ModeSelectorItems();
    return std::find(items.begin() + 1, items.end(), mode) != items.end();
}
} // namespace

int RunStart(const CliArgs& args) {
    const std::string mode = args.Value("mode");
    if (!IsWorkingMode(mode)) {
        std::fprintf(stderr, "%s", Tr("Cli", "--mode is one of:").c_str());
        for (auto it = ModeSelectorItems().begin() + 1; it != ModeSelectorItems().end(); ++it)
            std::fprintf(stderr, " \"%s\"", it->c_str());
        std::fprintf(stderr, "\n");
        return kExitUsage;
    }
    std::shared_ptr<FtdiApi> api = OpenBackend(args);
    if (!api)
        return kExitUnavailable;
    ProgrammerLink link(api);
    const StartStep step = IdentifyForStart(link);
    if (step == StartStep::NoJig) {
        std::fprintf(stderr, "%s: %s\n", Tr("Cli", "error").c_str(),
                     (link.versionText == kInUseText
                          ? Tr("Link", kInUseText)
                          : Tr("Shell", "JIG not connected to the USB port!"))
                         .c_str());
        return kExitUnavailable;
    }
    if (step == StartStep::FirmwareSwitch) {
        CliSwitchPort port;
        std::atomic<bool> bootWaitExpired{false};
        // A JIG left in the middle of its own firmware has none that works, and a cancel that
        // met the write's first step would leave it so: the switch runs to its end (every wait
        // of it is bounded) and a second Ctrl-C ends at once.
        StopOnSignal stop([&port] {
            const std::string line =
                port.Writing()
                    ? Tr("Cli", "The JIG's firmware is being written: it goes on to its end (a "
                                "second Ctrl-C ends at once and leaves the JIG without a working "
                                "firmware).")
                    : Tr("Cli", "The firmware switch goes on to its end (a second Ctrl-C ends "
                                "at once).");
            std::fprintf(stderr, "%s\n", line.c_str());
        });
        ReadThread_UPD upd(link, port, bootWaitExpired, mode);
        if (upd.Execute() != SwitchOutcome::ModeReady)
            return kExitFailed;
    }
    LogModeWindowOpening(mode);
    std::printf("%s\n", Fill(Tr("Cli", "JIG ready for %1"), mode).c_str());
    return kExitOk;
}

namespace {
void AddStartCommand(CliApp& cli) {
    cli.Command(&cli.Root(), "start", Tr("Cli", "Make the JIG run a working mode's firmware"),
                RunStart)
        .Details(Tr("Cli", "Start as the main window does it: identifies the JIG and makes it "
                           "run the firmware of the working mode NAME (\"ENE KB90XX\", \"MEC "
                           "jtag\", \"ITE\", \"NUVOTON spi\", \"NUVOTON jtag\", \"EDID lcd\" or "
                           "\"Keyboard testing\"): a PCB2 is reflashed over its bootloader, an "
                           "outdated PCB3 is updated from its package. Prints the update "
                           "window's lines. When the JIG's reset button is needed the lines say "
                           "so: a PCB2 bootloader must greet within 5 s, a PCB3 bootloader "
                           "within 120 s."))
        .Value("--mode", "NAME", Tr("Cli", "the working mode, as the main window's list names it"),
               true)
        .Device()
        .ExitStatus(Tr("Cli", "0 the JIG runs the mode's firmware, 1 the switch failed, 2 no "
                              "JIG, 64 no such mode or wrong usage"));
}
const CliRegistration kStart{20, AddStartCommand};
} // namespace
