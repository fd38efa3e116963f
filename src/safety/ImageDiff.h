#pragma once
// Where two images differ: runs of differing bytes, for "read twice" and "compare".
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct DiffRange {
    std::size_t offset = 0;
    std::size_t length = 0;
    bool operator==(const DiffRange&) const = default;
};

// Runs of differing bytes over the common length; bytes only one image has are not included.
std::vector<DiffRange> DiffRanges(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b);
std::size_t DifferingBytes(const std::vector<DiffRange>& ranges);

// "0x0001F0, 3 bytes: 12 34 56 / 12 35 56" (at most `maxShown` bytes of each side).
std::string DiffRangeText(const DiffRange& range, std::span<const std::uint8_t> a,
                          std::span<const std::uint8_t> b, std::size_t maxShown = 16);
