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

// 128 KiB as a dump often looks, in 4 KiB blocks: code, blocks 5 and 9 all 00h, blocks 26 to 31
// erased.
inline std::string RealLookingDump() {
    std::string dump = Pattern(26 * 4096, 37, 1, 9) + std::string(6 * 4096, '\xFF');
    for (const std::size_t zeroBlock : {5, 9})
        dump.replace(zeroBlock * 4096, 4096, std::string(4096, '\0'));
    return dump;
}

// The same as a chip may read back: one bit off in block 3 (at 0x3007), and a byte of block
// 27 that did not stay erased.
inline std::string WithTwoBadBlocks(std::string dump) {
    dump[0x3007] = static_cast<char>(dump[0x3007] ^ 1);
    dump[27 * 4096] = '\0';
    return dump;
}
