#include "cli/CliStats.h"
#include "port/ThreadCpu.h"

#include "sim/SimFtdiApi.h"

#include <cstdio>
#include <ctime>
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
} // namespace

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
    auto* sim = dynamic_cast<SimFtdiApi*>(api.get());
    if (sim && sim->DeviceCount() == 0) // a scenario without a device has no JIG to ask
        sim = nullptr;
    SimStats s;
    if (sim) {
        s = sim->Jig().Stats();
        std::printf(", %llu to the JIG, %llu from the JIG",
                    static_cast<unsigned long long>(s.bytesToJig),
                    static_cast<unsigned long long>(s.bytesToHost));
    }
    std::printf("\nwall time:        %.3f s\n", Seconds(wall));
    std::printf("host CPU time:    %.3f s (program threads; %.1f %% of wall)\n", Seconds(hostCpu),
                wall > 0 ? 100.0 * static_cast<double>(hostCpu) / static_cast<double>(wall) : 0.0);
    std::printf("process CPU time: %.3f s%s\n", Seconds(processCpu),
                sim ? " (includes the simulated JIG)" : "");
    if (sim) {
        const std::int64_t jig = s.wireNanos + s.jigNanos;
        std::printf("wire + JIG time:  %.3f s (wire %.3f s, JIG %.3f s)", Seconds(jig),
                    Seconds(s.wireNanos), Seconds(s.jigNanos));
        if (jig > 0)
            std::printf("; wall / (wire + JIG) = %.3f",
                        static_cast<double>(wall) / static_cast<double>(jig));
        std::printf("\nhost lag:         %.3f s (the host's own time between a reply's arrival "
                    "and its next command)\n",
                    Seconds(s.hostLagNanos));
    }
}
