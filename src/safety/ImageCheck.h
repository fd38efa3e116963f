#pragma once
// What a read's image says about itself: its size, CRC-32 and SHA-256, and whether it is all
// one value, which a read that never reached the chip also gives.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

enum class UniformImage { No, AllFF, All00 };

UniformImage UniformValue(std::span<const std::uint8_t> image);

struct ImageFigures {
    std::size_t bytes = 0;
    std::string crc32;  // 8 upper-case hex digits
    std::string sha256; // 64 lower-case hex digits
};
ImageFigures FiguresOf(std::span<const std::uint8_t> image);

// "Image: 131072 bytes, CRC-32 1A2B3C4D, SHA-256 ..." and a warning when it is all FFh or 00h.
std::vector<std::string> ImageCheckLines(std::span<const std::uint8_t> image);
