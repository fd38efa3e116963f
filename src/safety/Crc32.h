#pragma once
// CRC-32 as zip, PNG and most dump tools print it (reflected 0xEDB88320, start and end ~0).
#include <cstdint>
#include <span>

std::uint32_t Crc32(std::span<const std::uint8_t> bytes, std::uint32_t crc = 0);
