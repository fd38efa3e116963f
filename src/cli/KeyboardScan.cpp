#include "cli/CliApp.h"
#include "cli/CliSignals.h"
#include "link/OpenProgrammerLink.h"
#include "modes/Keyboard/KeyboardScanner.h"
#include "modes/Keyboard/KeyboardStatus.h"
#include "port/Tr.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <mutex>
#include <pthread.h>
#include <set>
#include <unistd.h>

namespace {

// Prints a pair when it closes, not on every scan while it stays closed.
class PrintingListener : public Keyboard::KeyboardListener {
  public:
    void IndicatorChanged(int, Keyboard::Colour) override {}
    void StatusWordChanged(const std::string& word) override {
        if (word != "NO") // "Press start scan" means nothing at a terminal
            std::printf("%s\n", Tr("Keyboard", Keyboard::StatusLabelOf(word).text).c_str());
        if (word == "OLD FW")
            std::printf("%s\n", FirmwareFixLine(LinkVariants::KeyboardTesting).c_str());
    }
    void ScanRunning(bool running) override {
        if (!running)
            kill(getpid(), SIGUSR1); // wakes the main thread's wait
    }
    void PairsReported(const std::vector<Keyboard::PinPair>& pairs) override {
        std::set<int> now;
        for (const Keyboard::PinPair& p : pairs) {
            const int n = Keyboard::PairNumber(p.a, p.b);
            now.insert(n);
            if (!previous_.count(n)) {
                std::printf("%d-%d  (Shape%d)\n", p.a, p.b, n);
                seen_.insert(n);
            }
        }
        previous_ = std::move(now);
    }
    const std::set<int>& Seen() const { return seen_; }

  private:
    std::set<int> previous_;
    std::set<int> seen_;
};

} // namespace

int RunKeyboardScan(const CliArgs& args) {
    long seconds = -1;
    if (!args.Value("seconds").empty()) {
        char* end = nullptr;
        const std::string text = args.Value("seconds");
        seconds = std::strtol(text.c_str(), &end, 10);
        if (*end != '\0' || seconds < 0) {
            std::fprintf(stderr, "%s\n",
                         Tr("Keyboard", "--seconds needs a whole number of seconds").c_str());
            return kExitUsage;
        }
    }
    // Every thread (the simulator's too) inherits the mask; only the wait below takes it. Ctrl+C
    // is how a scan ends: the signal thread turns it into the same wake-up.
    sigset_t wake;
    sigemptyset(&wake);
    sigaddset(&wake, SIGUSR1);
    pthread_sigmask(SIG_BLOCK, &wake, nullptr);
    std::atomic<bool> asked{false};
    StopOnSignal stop(
        [&asked] {
            asked.store(true);
            kill(getpid(), SIGUSR1);
        },
        true);

    std::shared_ptr<FtdiApi> api = OpenBackend(args);
    if (!api)
        return kExitUnavailable;
    PrintingListener listener;
    Keyboard::KeyboardScanner scanner(api, listener);
    scanner.StartScanClick();
    if (!scanner.Scanning())
        return kExitUnavailable;
    std::printf("%s\n", seconds < 0 ? Tr("Keyboard", "Scanning; press keys (Ctrl+C ends).").c_str()
                                    : Tr("Keyboard", "Scanning; press keys.").c_str());

    timespec limit{seconds < 0 ? 0 : seconds, 0};
    bool ended = false;
    for (;;) {
        siginfo_t info{};
        const int sig = sigtimedwait(&wake, &info, seconds < 0 ? nullptr : &limit);
        if (sig == SIGUSR1) {
            ended = !asked.load();
            break;
        }
        if (sig < 0 && errno == EAGAIN)
            break;
    }
    if (!ended) {
        scanner.StartScanClick(); // while scanning it asks the scan to stop
        scanner.Join();
    }
    scanner.Join();
    std::string seen;
    for (int n : listener.Seen()) {
        const Keyboard::PinPair p = Keyboard::PinsOf(n);
        seen += (seen.empty() ? "" : ", ") + std::to_string(p.a) + "-" + std::to_string(p.b);
    }
    std::printf("%s\n",
                Fill(Tr("Keyboard", "Pairs seen: %1"), seen.empty() ? Tr("Keyboard", "none") : seen)
                    .c_str());
    if (scanner.EndReason() != "stopped") {
        std::fprintf(stderr, "%s\n",
                     Fill(Tr("Keyboard", "scan ended: %1"), scanner.EndReason()).c_str());
        return kExitFailed;
    }
    return kExitOk;
}

namespace {
void AddKeyboardCommands(CliApp& cli) {
    CLI::App* keyboard = cli.ModeGroup("Keyboard testing");
    cli.Command(keyboard, "scan", Tr("Keyboard", "Print the keyboard's pin pairs as they close"),
                RunKeyboardScan)
        .Details(
            Tr("Keyboard",
               "Scans the keyboard on the JIG's connector and prints each pin pair when it "
               "closes (\"3-5  (Shape69)\"), for N seconds or until Ctrl+C; then the pairs seen."))
        .Value("--seconds", "N", Tr("Keyboard", "stop after N seconds (default: at Ctrl+C)"))
        .Device()
        .ExitStatus(Tr("Keyboard",
                       "0 stopped, 1 the JIG stopped answering (\"Device not found\"), 2 no usable "
                       "JIG, 64 wrong usage"));
}
const CliRegistration kKeyboard{90, AddKeyboardCommands};
} // namespace
