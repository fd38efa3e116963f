#pragma once
// --stats of a transfer command: wall time, the program's CPU time, and on the simulated JIG the
// time the modelled wire and the JIG themselves need and the host's own lag.
#include "link/FtdiApi.h"

#include <chrono>
#include <cstdint>
#include <memory>

class TransferStats {
  public:
    TransferStats(); // the clock starts here
    // `workerCpuNanos`: CPU time of the operation's worker threads (the calling thread's own is
    // counted here).
    void Print(std::uint64_t fileBytes, std::int64_t workerCpuNanos,
               const std::shared_ptr<FtdiApi>& api) const;

  private:
    std::chrono::steady_clock::time_point wallStart_;
    std::int64_t processCpuStart_;
    std::int64_t threadCpuStart_;
};
