#pragma once
// The checksums the JIG computes over the KB90xx flash after a write, so the host can compare
// them with the bytes it sent.
#include <cstdint>
#include <span>

// CRC-16/ARC: polynomial 0x8005 reflected (0xA001), initial 0, no final XOR.
std::uint16_t Crc16Update(std::uint16_t crc, std::uint8_t byte);
std::uint16_t Crc16(std::span<const std::uint8_t> bytes, std::uint16_t crc = 0);

// Unsigned byte sum modulo 65536.
std::uint16_t Sum16(std::span<const std::uint8_t> bytes, std::uint16_t sum = 0);
