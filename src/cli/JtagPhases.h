#pragma once
// Figures of each phase of a "jtag" command (script, read, erase, write), cut at the log lines
// that open and close them: wall time, the simulated JIG's wire and own time, the host's lag
// (its own time between a reply's arrival and its next command), and the CPU time of the thread
// that ran the phase (the engine's worker).
#include "link/FtdiApi.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

class JtagPhases {
  public:
    explicit JtagPhases(std::shared_ptr<FtdiApi> api) : api_(std::move(api)) {}
    // Called with every log line, on the thread that logs it.
    void Note(const std::string& line);
    void Print() const;

  private:
    struct Mark {
        std::chrono::steady_clock::time_point wall;
        std::int64_t simNanos = 0;
        std::int64_t hostLagNanos = 0;
        std::int64_t threadCpu = 0;
    };
    struct Phase {
        std::string name;
        Mark from, to;
    };
    Mark Now() const;

    std::shared_ptr<FtdiApi> api_;
    mutable std::mutex mutex_;
    std::optional<Phase> open_;
    std::vector<Phase> done_;
};
