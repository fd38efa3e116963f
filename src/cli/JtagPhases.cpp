#include "cli/JtagPhases.h"
#include "port/ThreadCpu.h"

#include "sim/SimFtdiApi.h"

#include <cstdio>
#include <ctime>

namespace {
struct Boundary {
    const char* opens;
    const char* closes;
    const char* phase;
};
constexpr Boundary kBoundaries[] = {
    {"Sending start: ", "Sending end:   ", "script"},
    {"Reading ...", "Reading complete. ", "read"},
    {"Erase blocks... ", "Erase complete! ", "erase"},
    {"Write bytes ... ", "Write complete! ", "write"},
};

bool StartsWith(const std::string& line, const char* prefix) {
    return line.rfind(prefix, 0) == 0;
}
} // namespace

JtagPhases::Mark JtagPhases::Now() const {
    Mark m;
    m.wall = std::chrono::steady_clock::now();
    m.threadCpu = ThreadCpuNanos();
    if (auto* sim = dynamic_cast<SimFtdiApi*>(api_.get())) {
        const SimStats s = sim->Jig().Stats();
        m.simNanos = s.wireNanos + s.jigNanos;
        m.hostLagNanos = s.hostLagNanos;
    }
    return m;
}

void JtagPhases::Note(const std::string& line) {
    for (const Boundary& b : kBoundaries) {
        if (StartsWith(line, b.opens)) {
            std::lock_guard lock(mutex_);
            open_ = Phase{b.phase, Now(), {}};
        } else if (StartsWith(line, b.closes)) {
            std::lock_guard lock(mutex_);
            if (open_ && open_->name == b.phase) {
                open_->to = Now();
                done_.push_back(*open_);
                open_.reset();
            }
        }
    }
}

void JtagPhases::Print() const {
    std::lock_guard lock(mutex_);
    const bool sim = dynamic_cast<SimFtdiApi*>(api_.get()) != nullptr;
    std::printf("%-7s %9s %12s %12s %11s %14s\n", "phase", "wall s", "wire+JIG s", "wall/(w+J)",
                "host lag s", "host CPU/wall");
    for (const Phase& p : done_) {
        const double wall = std::chrono::duration<double>(p.to.wall - p.from.wall).count();
        const double jig = static_cast<double>(p.to.simNanos - p.from.simNanos) / 1e9;
        const double lag = static_cast<double>(p.to.hostLagNanos - p.from.hostLagNanos) / 1e9;
        const double cpu = static_cast<double>(p.to.threadCpu - p.from.threadCpu) / 1e9;
        const double busy = wall > 0 ? 100.0 * cpu / wall : 0.0;
        if (sim && jig > 0)
            std::printf("%-7s %9.3f %12.3f %12.3f %11.3f %13.2f%%\n", p.name.c_str(), wall, jig,
                        wall / jig, lag, busy);
        else
            std::printf("%-7s %9.3f %12s %12s %11s %13.2f%%\n", p.name.c_str(), wall, "-", "-", "-",
                        busy);
    }
}
