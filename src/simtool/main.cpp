// tolvane-jig-sim: one simulated JIG on a pseudo-terminal. Prints the terminal's path on its
// first line and serves until stopped (SIGINT or SIGTERM).
#include "sim/PtyServer.h"

#include "shell/ProgramVersion.h"
#include "sim/Scenario.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <pthread.h>
#include <string>
#include <thread>
#include <unistd.h>

namespace {
void Usage(FILE* out) {
    std::fprintf(out,
                 "Usage: tolvane-jig-sim --pty [--board B] [--scenario FILE.json] [--timing T]\n"
                 "  --board B      %s (the first is the default)\n"
                 "  --scenario F   JSON scenario: board, chips, wiring, faults\n"
                 "  --timing T     wire (default: real speeds) or instant\n"
                 "  --version      print the program's and the JIG protocol's version and exit\n",
                 BoardPresetNames().c_str());
}
} // namespace

int main(int argc, char** argv) {
    bool pty = false;
    std::string board, scenarioFile, timing = "wire";
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto value = [&](std::string* into) {
            if (i + 1 >= argc)
                return false;
            *into = argv[++i];
            return true;
        };
        if (a == "--pty") {
            pty = true;
        } else if (a == "--help" || a == "-h") {
            Usage(stdout);
            return 0;
        } else if (a == "--version") {
            std::printf("%s\n", VersionLines("tolvane-jig-sim").c_str());
            return 0;
        } else if (!((a == "--board" && value(&board)) ||
                     (a == "--scenario" && value(&scenarioFile)) ||
                     (a == "--timing" && value(&timing)))) {
            Usage(stderr);
            return 64;
        }
    }
    const std::optional<SimTiming> simTiming = ParseSimTiming(timing);
    if (!pty || !simTiming) {
        Usage(stderr);
        return 64;
    }
    Scenario scenario;
    std::string error;
    if (!LoadScenario(scenarioFile, board, *simTiming, &scenario, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }

    // Signals are taken by one thread that stops the server; the others never see them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    PtyServer server(scenario);
    if (!server.Open(&error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    std::printf("%s\n", server.Path().c_str());
    std::fflush(stdout);

    std::thread waiter([&] {
        int sig = 0;
        sigwait(&stopSignals, &sig);
        server.Stop();
    });
    server.Run();
    kill(getpid(), SIGTERM); // wakes the waiter if the server ended on its own
    waiter.join();
    return 0;
}
