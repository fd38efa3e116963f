#pragma once
// Whether a path the technician named is a file the program may read whole: devices, pipes,
// folders and /proc files never end or never say their size, so they are refused up front.
#include <cstdint>
#include <filesystem>
#include <string>

// What the program reads whole of a file a technician names: far above any chip image, journal
// or scenario, and small enough to hash or hold at once.
inline constexpr std::uintmax_t kLargestFileToRead = 256u << 20;

// Empty when `path` is a regular file of at most `maxBytes`; otherwise the reason, in words
// ("not a regular file", "No such file or directory", "larger than 1048576 bytes").
std::string RegularFileProblem(const std::filesystem::path& path, std::uintmax_t maxBytes);

// "PATH: REASON", the one line a bad file gets.
std::string FileProblemLine(const std::filesystem::path& path, const std::string& reason);
