#include "cli/EneCli.h"

#include "modes/Kb901x_form/EneDatabase.h"
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

std::int64_t ThreadCpuNanos() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<std::int64_t>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

double Seconds(std::int64_t nanos) {
    return static_cast<double>(nanos) / 1e9;
}
} // namespace

int EneExitCode(Kb90Outcome outcome) {
    switch (outcome) {
    case Kb90Outcome::Succeeded:
        return kExitOk;
    case Kb90Outcome::NoJig:
        return kExitNoJig;
    case Kb90Outcome::None:
    case Kb90Outcome::Failed:
        break;
    }
    return kExitFailed;
}

std::optional<std::string> FindEneMotherboard(const std::string& text, std::string* error) {
    const auto lines = LoadEneDatabase();
    std::vector<std::string> matches;
    if (lines) {
        for (const std::string& line : *lines)
            if (line == text)
                return line;
        for (const std::string& line : *lines)
            if (!text.empty() && line.find(text) != std::string::npos)
                matches.push_back(line);
    }
    if (matches.size() == 1)
        return matches.front();
    if (matches.size() > 1) {
        *error = "--mb \"" + text + "\" matches several motherboards:";
        for (const std::string& m : matches)
            *error += "\n  " + m;
        return std::nullopt;
    }
    if (text.find("KS") != std::string::npos)
        return text;
    *error = lines ? "no motherboard in \"" + std::string(kEneDatabaseFile) + "\" matches \"" +
                         text + "\""
                   : std::string(kHelpDatabaseMissing) + " (\"" + kEneDatabaseFile +
                         "\" is not in the current folder; pass the entry itself, e.g. "
                         "\"MB KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8\")";
    return std::nullopt;
}

std::optional<std::string> FindFfcCable(const std::string& text) {
    for (const std::string& item : FfcCableItems())
        if (item == text || item == text + " pin")
            return item;
    return std::nullopt;
}

int ApplyEneCable(Kb901xEngine& engine, const CliArgs& args, OperatorPort& port) {
    const bool hasMb = args.values.count("mb") != 0;
    const bool hasCable = args.values.count("cable") != 0;
    if (hasMb != hasCable) {
        std::fprintf(stderr, "--mb and --cable go together\n");
        return kExitUsage;
    }
    std::string error;
    const std::optional<std::string> entry = FindEneMotherboard(args.Value("mb"), &error);
    if (!entry) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return kExitUsage;
    }
    const std::optional<std::string> cable = FindFfcCable(args.Value("cable"));
    if (!cable) {
        std::string items;
        for (const std::string& i : FfcCableItems())
            items += (items.empty() ? "\"" : ", \"") + i + "\"";
        std::fprintf(stderr, "--cable is one of %s\n", items.c_str());
        return kExitUsage;
    }
    const bool oneToOne = !args.Flag("mirrored");
    port.Log(EneHelpLabel(*entry, *cable, oneToOne).label);
    engine.ApplyFfcSettings(entry, cable, oneToOne);
    return engine.FfcSettings() ? kExitOk : EneExitCode(engine.Outcome());
}

EneStats::EneStats()
    : wallStart_(std::chrono::steady_clock::now()), processCpuStart_(ProcessCpuNanos()),
      threadCpuStart_(ThreadCpuNanos()) {}

void EneStats::Print(const Kb901xEngine& engine, const std::shared_ptr<FtdiApi>& api) const {
    const std::int64_t wall = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                  std::chrono::steady_clock::now() - wallStart_)
                                  .count();
    const std::int64_t hostCpu = ThreadCpuNanos() - threadCpuStart_ + engine.WorkerCpuNanos();
    const std::int64_t processCpu = ProcessCpuNanos() - processCpuStart_;
    std::printf("--- stats\n");
    std::printf("bytes moved:      %llu (file)",
                static_cast<unsigned long long>(engine.FileBytes()));
    auto* sim = dynamic_cast<SimFtdiApi*>(api.get());
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

int RunEneTransfer(const CliArgs& args, bool write) {
    std::shared_ptr<FtdiApi> api = OpenBackend(args);
    if (!api)
        return kExitNoJig;
    EneStats stats;
    CliPort port(args.positional.at(0));
    int status = kExitOk;
    {
        Kb901xEngine engine(api, port);
        if (args.values.count("mb") || args.values.count("cable"))
            status = ApplyEneCable(engine, args, port);
        if (status == kExitOk) {
            if (write)
                engine.WriteClick();
            else
                engine.ReadClick();
            engine.WaitForWorker();
            status = EneExitCode(engine.Outcome());
        }
        if (args.Flag("stats"))
            stats.Print(engine, api);
    }
    return status;
}
