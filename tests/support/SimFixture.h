#pragma once
// Builds a simulated JIG for a test: board, timing (instant unless asked), scenario JSON.
#include "sim/SimFtdiApi.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// How much slower a sanitizer build runs the simulator: a short bound that a reply which does
// come must still meet is this many times longer there (a loaded machine runs several at once).
#if defined(__SANITIZE_THREAD__) || defined(__SANITIZE_ADDRESS__)
inline constexpr int kSanitizerSlowdown = 4;
#else
inline constexpr int kSanitizerSlowdown = 1;
#endif

std::shared_ptr<SimFtdiApi> MakeSim(const std::string& board = "pcb3",
                                    const std::string& scenarioJson = "{}",
                                    SimTiming timing = SimTiming::Instant);

// A fresh empty folder under the system's temporary folder, removed by its destructor.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

std::string ReadFileText(const std::string& path);
std::vector<std::uint8_t> FileBytes(const std::string& path);
// The lines from the first one equal to `from` on.
std::vector<std::string> LinesFrom(const std::vector<std::string>& lines, const std::string& from);
void WriteFileBytes(const std::string& path, const std::string& bytes);
