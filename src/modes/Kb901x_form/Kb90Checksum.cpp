#include "modes/Kb901x_form/Kb90Checksum.h"

#include <array>

namespace {
constexpr std::array<std::uint16_t, 256> MakeTable() {
    std::array<std::uint16_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        std::uint16_t v = static_cast<std::uint16_t>(i);
        for (int bit = 0; bit < 8; ++bit)
            v = (v & 1) ? static_cast<std::uint16_t>((v >> 1) ^ 0xA001)
                        : static_cast<std::uint16_t>(v >> 1);
        table[i] = v;
    }
    return table;
}
constexpr std::array<std::uint16_t, 256> kTable = MakeTable();
} // namespace

std::uint16_t Crc16Update(std::uint16_t crc, std::uint8_t byte) {
    return static_cast<std::uint16_t>(kTable[(crc ^ byte) & 0xFF] ^ (crc >> 8));
}

std::uint16_t Crc16(std::span<const std::uint8_t> bytes, std::uint16_t crc) {
    for (std::uint8_t b : bytes)
        crc = Crc16Update(crc, b);
    return crc;
}

std::uint16_t Sum16(std::span<const std::uint8_t> bytes, std::uint16_t sum) {
    for (std::uint8_t b : bytes)
        sum = static_cast<std::uint16_t>(sum + b);
    return sum;
}
