#include "cli/JtagPhases.h"
#include "port/ThreadCpu.h"
#include "port/Tr.h"

#include "cli/CliStats.h"

#include <cstdio>
#include <ctime>

namespace {
struct Boundary {
    const char* context;
    const char* opens;
    const char* closes;
    const char* phase;
};
// The engine's own lines (their source texts), in the language they are logged in.
constexpr Boundary kBoundaries[] = {
    {"Jtag", "Sending start: ", "Sending end:   ", "script"},
    {"Common", "Backup: reading the chip before anything is erased or written ...",
     "Backup saved: ", "backup"},
    {"Jtag", "Reading ...       ", "Reading complete. ", "read"},
    {"Jtag", "Erase blocks... ", "Erase complete! %1    status=%2h", "erase"},
    {"Jtag", "Write bytes ... ", "Write complete! ", "write"},
};

// A line's fixed start: the text before its first placeholder.
std::string Prefix(const char* context, const char* source) {
    const std::string text = Tr(context, source);
    return text.substr(0, text.find("%1"));
}

bool StartsWith(const std::string& line, const std::string& prefix) {
    return line.rfind(prefix, 0) == 0;
}
} // namespace

JtagPhases::Mark JtagPhases::Now() const {
    Mark m;
    m.wall = std::chrono::steady_clock::now();
    m.threadCpu = ThreadCpuNanos();
    if (const std::optional<SimStats> s = JigStats(api_)) {
        // At wire timing each moment counts once: the chip's erases too, the host's lag with
        // the simulated JIG's thread.
        const SimShares& t = s->shares;
        const bool timed = t.spanNanos > 0;
        m.simNanos = timed ? t.wireNanos + t.jigNanos + t.chipNanos : s->wireNanos + s->jigNanos;
        m.hostLagNanos = timed ? t.hostNanos + t.simLagNanos : s->hostLagNanos;
        m.toJig = s->bytesToJig;
        m.fromJig = s->bytesToHost;
        m.jig = true;
    }
    return m;
}

JtagPhases::JtagPhases(std::shared_ptr<FtdiApi> api) : api_(std::move(api)), start_(Now()) {
    for (const Boundary& b : kBoundaries)
        cuts_.push_back({Prefix(b.context, b.opens), Prefix(b.context, b.closes), b.phase});
}

void JtagPhases::Note(const std::string& line) {
    for (const Cut& c : cuts_) {
        if (StartsWith(line, c.opens)) {
            std::lock_guard lock(mutex_);
            open_ = Phase{c.phase, Now(), {}};
        } else if (StartsWith(line, c.closes)) {
            std::lock_guard lock(mutex_);
            if (open_ && open_->name == c.phase) {
                open_->to = Now();
                done_.push_back(*open_);
                open_.reset();
            }
        }
    }
}

void JtagPhases::Print() const {
    std::lock_guard lock(mutex_);
    // A virtual FTDI chip is plugged in only once the command first looks for a device.
    const bool sim = Now().jig;
    std::printf("%-7s %9s %12s %12s %11s %14s %10s %10s\n", "phase", "wall s", "w+JIG+chip s",
                "wall/(w+J+c)", "host lag s", "host CPU/wall", "to JIG", "from JIG");
    struct Row {
        double wall, jig, lag, cpu;
        std::uint64_t toJig, fromJig;
    };
    auto print = [&](const std::string& name, const Row& r) {
        const double busy = r.wall > 0 ? 100.0 * r.cpu / r.wall : 0.0;
        if (sim && r.jig > 0)
            std::printf("%-7s %9.3f %12.3f %12.3f %11.3f %13.2f%% %10llu %10llu\n", name.c_str(),
                        r.wall, r.jig, r.wall / r.jig, r.lag, busy,
                        static_cast<unsigned long long>(r.toJig),
                        static_cast<unsigned long long>(r.fromJig));
        else
            std::printf("%-7s %9.3f %12s %12s %11s %13.2f%% %10s %10s\n", name.c_str(), r.wall, "-",
                        "-", "-", busy, "-", "-");
    };
    auto between = [](const Mark& from, const Mark& to) {
        return Row{std::chrono::duration<double>(to.wall - from.wall).count(),
                   static_cast<double>(to.simNanos - from.simNanos) / 1e9,
                   static_cast<double>(to.hostLagNanos - from.hostLagNanos) / 1e9,
                   static_cast<double>(to.threadCpu - from.threadCpu) / 1e9,
                   to.toJig - from.toJig,
                   to.fromJig - from.fromJig};
    };
    Row phases{0, 0, 0, 0, 0, 0};
    for (const Phase& p : done_) {
        const Row r = between(p.from, p.to);
        print(p.name, r);
        phases = {phases.wall + r.wall, phases.jig + r.jig,     phases.lag + r.lag,
                  phases.cpu + r.cpu,   phases.toJig + r.toJig, phases.fromJig + r.fromJig};
    }
    // The phases ran on the worker; what lies between them mostly on this thread.
    const Row total = between(start_, Now());
    print("other", {total.wall - phases.wall, total.jig - phases.jig, total.lag - phases.lag,
                    total.cpu, total.toJig - phases.toJig, total.fromJig - phases.fromJig});
    print("total",
          {total.wall, total.jig, total.lag, total.cpu + phases.cpu, total.toJig, total.fromJig});
}
