#include "cli/CliStats.h"
#include "port/ThreadCpu.h"

#include "sim/SimFtdiApi.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <dlfcn.h>
#include <sys/resource.h>

namespace {
std::int64_t Nanos(const timeval& t) {
    return static_cast<std::int64_t>(t.tv_sec) * 1'000'000'000 +
           static_cast<std::int64_t>(t.tv_usec) * 1000;
}

std::int64_t ProcessCpuNanos() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return Nanos(u.ru_utime) + Nanos(u.ru_stime);
}

double Seconds(std::int64_t nanos) {
    return static_cast<double>(nanos) / 1e9;
}

// Exported only by the virtual FTDI chip's stand-in for libusb.
using VirtualUsbStats = int (*)(int, SimStats*);

// Where the wall clock went, when the JIG's exchanges were timed as on the wire.
void PrintShares(std::int64_t wall, const SimShares& s) {
    // Before the first command and after the last reply the host is on its own.
    const std::int64_t outside = std::max<std::int64_t>(0, wall - s.spanNanos);
    const std::int64_t host = s.hostNanos + s.simLagNanos + outside;
    const std::int64_t work = s.wireNanos + s.jigNanos + s.chipNanos;
    const std::int64_t sum = work + s.usbNanos + host;
    std::printf("wire + JIG time:  %.3f s (wire %.3f s, JIG %.3f s)\n",
                Seconds(s.wireNanos + s.jigNanos), Seconds(s.wireNanos), Seconds(s.jigNanos));
    std::printf("chip time:        %.3f s (erases and programming the JIG waits for)\n",
                Seconds(s.chipNanos));
    std::printf("USB latency:      %.3f s (replies held in the FTDI chip, writes waiting for a "
                "USB frame)\n",
                Seconds(s.usbNanos));
    std::printf("host lag:         %.3f s (the host's own time between a reply's arrival and its "
                "next command; %.3f s of it before the first and after the last, %.3f s the "
                "simulated JIG's thread)\n",
                Seconds(host), Seconds(outside), Seconds(s.simLagNanos));
    std::printf("accounted for:    %.3f s (%.1f %% of wall)\n", Seconds(sum),
                wall > 0 ? 100.0 * static_cast<double>(sum) / static_cast<double>(wall) : 0.0);
    if (work > 0)
        std::printf("wall / (wire + JIG + chip) = %.3f\n",
                    static_cast<double>(wall) / static_cast<double>(work));
}
} // namespace

std::optional<SimStats> JigStats(const std::shared_ptr<FtdiApi>& api) {
    if (auto* sim = dynamic_cast<SimFtdiApi*>(api.get())) {
        if (sim->DeviceCount() == 0) // a scenario without a device has no JIG to ask
            return std::nullopt;
        return sim->Jig().Stats();
    }
    const auto stats =
        reinterpret_cast<VirtualUsbStats>(dlsym(RTLD_DEFAULT, "tolvane_virtual_usb_stats"));
    if (!stats)
        return std::nullopt;
    // The chip the command talked to answered the most; silent ones only took a call.
    std::optional<SimStats> best;
    SimStats s;
    for (int i = 0; stats(i, &s) == 0; ++i)
        if (!best || s.bytesToHost > best->bytesToHost)
            best = s;
    return best;
}

CliStats::CliStats()
    : wallStart_(std::chrono::steady_clock::now()), processCpuStart_(ProcessCpuNanos()),
      threadCpuStart_(ThreadCpuNanos()) {}

void CliStats::Print(std::uint64_t fileBytes, std::int64_t workerCpuNanos,
                     const std::shared_ptr<FtdiApi>& api) const {
    const std::int64_t wall = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                  std::chrono::steady_clock::now() - wallStart_)
                                  .count();
    const std::int64_t hostCpu = ThreadCpuNanos() - threadCpuStart_ + workerCpuNanos;
    const std::int64_t processCpu = ProcessCpuNanos() - processCpuStart_;
    std::printf("--- stats\n");
    std::printf("bytes moved:      %llu (file)", static_cast<unsigned long long>(fileBytes));
    const std::optional<SimStats> s = JigStats(api);
    if (s)
        std::printf(", %llu to the JIG, %llu from the JIG",
                    static_cast<unsigned long long>(s->bytesToJig),
                    static_cast<unsigned long long>(s->bytesToHost));
    std::printf("\nwall time:        %.3f s\n", Seconds(wall));
    std::printf("host CPU time:    %.3f s (program threads; %.1f %% of wall)\n", Seconds(hostCpu),
                wall > 0 ? 100.0 * static_cast<double>(hostCpu) / static_cast<double>(wall) : 0.0);
    std::printf("process CPU time: %.3f s%s\n", Seconds(processCpu),
                s ? " (includes the simulated JIG)" : "");
    if (!s)
        return;
    std::printf("event character:  %llu of %llu replies ended in it and left the FTDI chip at "
                "once\n",
                static_cast<unsigned long long>(s->repliesOnEventChar),
                static_cast<unsigned long long>(s->repliesOnEventChar + s->repliesOnTimer));
    if (s->shares.spanNanos > 0) {
        PrintShares(wall, s->shares);
        return;
    }
    // Instant timing: the modelled times only.
    const std::int64_t jig = s->wireNanos + s->jigNanos;
    std::printf("wire + JIG time:  %.3f s (wire %.3f s, JIG %.3f s, as modelled)\n", Seconds(jig),
                Seconds(s->wireNanos), Seconds(s->jigNanos));
    std::printf("host lag:         %.3f s (the host's own time between a reply's arrival and its "
                "next command)\n",
                Seconds(s->hostLagNanos));
}
