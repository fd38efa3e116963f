#pragma once
// What an EDID image says, at a glance: the fields a technician checks before and after
// touching a panel's EEPROM. Decoding never changes a byte.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace Edid {

inline constexpr std::size_t kBlockSize = 128;

struct DetailedTiming {
    int pixelClockKHz = 0;
    int hActive = 0;
    int vActive = 0;
    int hTotal = 0;
    int vTotal = 0;
    bool interlaced = false;
    // Frame rate in millihertz; 0 when the totals make no sense.
    long refreshMilliHz() const;
};

struct BlockChecksum {
    int block = 0;
    bool ok = false;
    std::uint8_t stored = 0;   // the block's last byte
    std::uint8_t expected = 0; // the last byte that makes the block sum to 0
};

struct Summary {
    bool blank = false; // every byte 0xFF, or every byte 0x00
    bool headerValid = false;
    std::string manufacturerId; // three letters, '?' for a letter code outside A..Z
    std::uint16_t productCode = 0;
    std::uint32_t serialNumber = 0;
    int week = 0;
    int year = 0;
    int versionMajor = 0;
    int versionMinor = 0;
    std::optional<DetailedTiming> preferred;
    int extensionCount = 0;
    std::vector<BlockChecksum> checksums; // base block, then each extension the image holds
    std::string monitorName;              // display descriptor 0xFC
    std::string serialText;               // display descriptor 0xFF
    std::vector<std::string> texts;       // display descriptors 0xFE (panel maker, model)

    bool ChecksumsOk() const;
};

// Block 0 sums to zero with its checksum byte set to this.
std::uint8_t ExpectedChecksum(std::span<const std::uint8_t> block);

// Decodes the first 128 bytes and the checksum of every extension block the image holds.
// A shorter image is treated as padded with 0xFF.
Summary Decode(std::span<const std::uint8_t> image);

// The log lines, starting with "EDID at a glance:".
std::vector<std::string> SummaryLines(const Summary& summary);

} // namespace Edid
