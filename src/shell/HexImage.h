#pragma once
// The M88 application image read from an Intel HEX mode firmware file, and the record lines
// the bootloader takes. Pure functions: no file, no link.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

inline constexpr std::size_t kHexFileLimit = 32768;           // bytes of the file parsed
inline constexpr std::size_t kModeFirmwareImageSize = 0x1800; // M88 application flash
inline constexpr std::size_t kHexRecordLineSize = 44;

using ModeFirmwareImage = std::vector<std::uint8_t>;

// Fills a 0xFF image with the data records of `text`. False on anything but ':' at a record
// start, a record type other than 00 and 01, a bad checksum, a record cut off by the end of
// the text, or data that would land past 0x17FF.
bool ParseModeFirmwareHex(std::span<const std::uint8_t> text, ModeFirmwareImage* image);

// The highest address holding a byte other than 0xFF; nothing for a blank image.
std::optional<std::size_t> LastProgrammedAddress(const ModeFirmwareImage& image);

// ':' "10" AAAA "00", the 16 image bytes at `address`, checksum, LF.
std::array<std::uint8_t, kHexRecordLineSize> HexRecordLine(const ModeFirmwareImage& image,
                                                           std::size_t address);
