#pragma once
// The JIG's JTAG commands as this mode sends them, and the pair entries and batches that reach
// the NPCE's memory-mapped registers through them. Pure functions, no link.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace NuvJtag {

// One JIG command and the size of its reply.
struct JigCommand {
    std::string name;
    std::vector<std::uint8_t> frame;
    std::size_t replyBytes = 1;
    bool operator==(const JigCommand&) const = default;
};

JigCommand IrShift(std::uint8_t value);
JigCommand DrShift(std::uint8_t value);
JigCommand DrShift32(std::uint32_t value);
// "JT": the pair (code, value) in one frame, with the trailer byte first.
JigCommand PairWithTrailer(std::uint8_t trailer, std::uint8_t code, std::uint32_t value);
// "JR": the next 256 bytes of the flash.
JigCommand BlockRead();

// A controller register pair: the code shifted in 8 bits, then its 32-bit value.
struct PairEntry {
    std::uint8_t code;
    std::uint32_t value;
    bool operator==(const PairEntry&) const = default;
};

// Codes of the controller's debug access.
inline constexpr std::uint8_t kAddress = 0x0B;
inline constexpr std::uint8_t kData = 0x0D;
inline constexpr std::uint8_t kControl = 0x09;
inline constexpr std::uint8_t kReadBack = 0x0C;

// Batch mode bytes.
inline constexpr std::uint8_t kModeRaw = 0xFE;
inline constexpr std::uint8_t kModeChecked = 0xFF;
inline constexpr std::uint8_t kModeCommit = 0x22;
inline constexpr std::uint8_t kStatusGood = 0x22;

// Flash interface registers and the RAM the write goes through.
inline constexpr std::uint32_t kFlashCommand = 0xFF0016;
inline constexpr std::uint32_t kFlashAddress0 = 0xFF0017;
inline constexpr std::uint32_t kFlashAddress1 = 0xFF0018;
inline constexpr std::uint32_t kFlashAddress2 = 0xFF0019;
inline constexpr std::uint32_t kFlashData = 0xFF001A;
inline constexpr std::uint32_t kFlashControl = 0xFF001E;
inline constexpr std::uint32_t kCommandWord = 0x107F0;
inline constexpr std::uint32_t kBufferEven = 0x10800;
inline constexpr std::uint32_t kBufferOdd = 0x10900;

inline constexpr int kBlockSize = 256;
inline constexpr int kBlocks = 512;
inline constexpr int kFlashSize = kBlockSize * kBlocks;
inline constexpr int kSectorSize = 4096;
inline constexpr int kSectors = kFlashSize / kSectorSize;

// "J" "W", total length (low byte first), mode, the entries.
std::vector<std::uint8_t> BatchFrame(std::uint8_t mode, std::span<const PairEntry> entries);

// [0B a] [0D d] [09 3]: d written at a.
std::vector<PairEntry> WriteEntries(std::uint32_t address, std::uint32_t value);
// [0B a] [09 1] [0C 1]: a read; the value comes back from the last shift.
std::vector<PairEntry> ReadEntries(std::uint32_t address);

// Write enable, then a 4 KiB sector erase at sector r (0..31): 24 entries.
std::vector<PairEntry> EraseSectorEntries(int sector);
// One status poll: read status register command, start it, read the control and data bytes.
std::vector<PairEntry> StatusPollEntries();
// The write set-up: 7 entries.
std::vector<PairEntry> WriteSetupEntries();
// Block k's 256 bytes into its RAM buffer: 66 entries.
std::vector<PairEntry> DataEntries(int block, std::span<const std::uint8_t> bytes);
// Block k's commit with its checksum: 6 entries.
std::vector<PairEntry> CommitEntries(int block, std::uint8_t checksum);

// CRC-8/MAXIM (1-Wire): reflected polynomial 0x8C, initial 0, no final inversion.
std::uint8_t Crc8Maxim(std::span<const std::uint8_t> bytes, std::uint8_t crc = 0);

std::string Hex2(std::uint8_t value);

} // namespace NuvJtag
