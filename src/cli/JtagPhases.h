#pragma once
// Figures of each phase of a "jtag" command (script, backup, read, erase, write), cut at the log
// lines that open and close them: wall time, the simulated JIG's wire, own and chip time, the
// host's lag (its own time between a reply's arrival and its next command), the CPU time of the
// thread that ran the phase (the engine's worker) and the bytes it moved each way. "other" is what
// lies between the phases (the settings, the checks, the signals), "total" the whole command: every
// second is in a row.
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
    // The lines are those of the language chosen before.
    explicit JtagPhases(std::shared_ptr<FtdiApi> api);
    // Called with every log line, on the thread that logs it.
    void Note(const std::string& line);
    void Print() const;

  private:
    struct Mark {
        std::chrono::steady_clock::time_point wall;
        std::int64_t simNanos = 0;
        std::int64_t hostLagNanos = 0;
        std::int64_t threadCpu = 0;
        std::uint64_t toJig = 0, fromJig = 0;
        bool jig = false; // a simulated JIG gave its figures
    };
    struct Phase {
        std::string name;
        Mark from, to;
    };
    Mark Now() const;
    // The starts of the lines that open and close a phase.
    struct Cut {
        std::string opens, closes;
        const char* phase;
    };

    std::shared_ptr<FtdiApi> api_;
    Mark start_;
    std::vector<Cut> cuts_;
    mutable std::mutex mutex_;
    std::optional<Phase> open_;
    std::vector<Phase> done_;
};
