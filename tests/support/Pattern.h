#pragma once
// Test data. Deterministic bytes: byte i is i * step + start + (i >> shift) * drift, modulo 256.
// The drift term keeps blocks of the same size from being equal, so a block written to the
// wrong address is seen.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

inline std::string Pattern(std::size_t size, unsigned step, unsigned start = 0, unsigned shift = 8,
                           unsigned drift = 1) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * step + start + (i >> shift) * drift) & 0xFF);
    return bytes;
}

inline std::vector<std::uint8_t> Bytes(const std::string& s) {
    return {s.begin(), s.end()};
}
