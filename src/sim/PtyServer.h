#pragma once
// One simulated JIG served on a pseudo-terminal, so the serial backend meets a real peer
// process. The terminal's settings (its baud rate) reach the simulated JIG as the host sets
// them.
#include "sim/SimJig.h"

#include <atomic>
#include <memory>
#include <string>

class PtyServer {
  public:
    explicit PtyServer(const Scenario& scenario);
    ~PtyServer();
    PtyServer(const PtyServer&) = delete;
    PtyServer& operator=(const PtyServer&) = delete;

    // Creates the terminal pair; false with a reason on failure.
    bool Open(std::string* error);
    const std::string& Path() const { return path_; }
    // Serves until Stop() is called from any thread (or a signal handler).
    void Run();
    void Stop();
    SimJig& Jig() { return *jig_; }

  private:
    void PumpToJig();
    void PumpToHost();

    std::unique_ptr<SimJig> jig_;
    int master_ = -1;
    int slaveKeeper_ = -1; // keeps the terminal alive between the host's opens
    int stopFd_ = -1;
    std::string path_;
    std::atomic<bool> stop_{false};
};
