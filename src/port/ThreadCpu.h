#pragma once
// CPU time the calling thread has used so far: a worker reads it as its last act, so that
// --stats and the benchmarks can tell the host's own work from the time it waits.
#include <cstdint>
#include <ctime>

inline std::int64_t ThreadCpuNanos() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<std::int64_t>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}
