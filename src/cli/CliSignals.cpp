#include "cli/CliSignals.h"

#include "operation/OperationRunner.h"
#include "port/Tr.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <mutex>
#include <pthread.h>
#include <thread>
#include <unistd.h>

namespace {
std::mutex mutex;
std::function<void()> current; // guarded by mutex
std::atomic<int> stopSignal{0};
bool normal = false; // guarded by mutex

sigset_t StopSet() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGHUP);
    return set;
}

[[noreturn]] void EndNow(int sig) {
    // Called from the waiting thread, not from a handler: Tr may lock.
    const std::string line =
        "\n" + Tr("Cli", "Stopped at once: the operation did not end cleanly.") + "\n";
    [[maybe_unused]] const ssize_t n = write(STDERR_FILENO, line.data(), line.size());
    _exit(128 + sig);
}

void Wait() {
    const sigset_t set = StopSet();
    for (;;) {
        int sig = 0;
        if (sigwait(&set, &sig) != 0)
            continue;
        std::lock_guard lock(mutex);
        if (stopSignal.load() != 0 || !current)
            EndNow(sig);
        stopSignal.store(sig);
        if (!normal) {
            const std::string line =
                Fill(Tr("Cli", "Stopping at the next safe point (%1 again ends at once) ..."),
                     sig == SIGINT ? "Ctrl-C" : Tr("Cli", "the signal"));
            std::fprintf(stderr, "\n%s\n", line.c_str());
        }
        current();
    }
}
} // namespace

void InstallStopSignals() {
    // The waiting thread takes no other signal (a command's own, such as SIGUSR1, stays with
    // the thread that waits for it); every other thread blocks the three.
    sigset_t all;
    sigfillset(&all);
    sigset_t before;
    pthread_sigmask(SIG_BLOCK, &all, &before);
    std::thread(Wait).detach();
    const sigset_t set = StopSet();
    pthread_sigmask(SIG_SETMASK, &before, nullptr);
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

StopOnSignal::StopOnSignal(std::function<void()> stop, bool normalEnd) {
    std::lock_guard lock(mutex);
    current = std::move(stop);
    normal = normalEnd;
}

StopOnSignal::~StopOnSignal() {
    std::lock_guard lock(mutex);
    current = nullptr;
}

int StopSignal() {
    std::lock_guard lock(mutex);
    return normal ? 0 : stopSignal.load();
}

int ExitStatusAfterSignal(int status) {
    const int sig = StopSignal();
    return sig != 0 ? 128 + sig : status;
}

Outcome RunToEnd(OperationRunner& run, const std::function<void()>& start) {
    start();
    if (StopSignal() != 0)
        run.Stop();
    run.WaitForWorker();
    return run.Result();
}
