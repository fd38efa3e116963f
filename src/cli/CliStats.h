#pragma once
// --stats: wall time, CPU time and the simulated JIG's own figures of one command.
#include "link/FtdiApi.h"
#include "sim/SimTranscript.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>

class CliStats {
  public:
    CliStats(); // the command starts
    // `workerCpuNanos`: CPU time of a worker thread the command ran, 0 when it had none.
    void Print(std::uint64_t fileBytes, std::int64_t workerCpuNanos,
               const std::shared_ptr<FtdiApi>& api) const;

  private:
    std::chrono::steady_clock::time_point wallStart_;
    std::int64_t processCpuStart_;
    std::int64_t threadCpuStart_;
};

// The figures of the simulated JIG the command talks to: in this process, or behind the
// virtual FTDI chip of the usb backend; none for real hardware or a JIG in another process.
std::optional<SimStats> JigStats(const std::shared_ptr<FtdiApi>& api);
