#include "modes/Nuvoton_jtag_form/JtagFrames.h"

#include <cstdio>

namespace NuvJtag {
namespace {
void Append32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void Append(std::vector<PairEntry>& to, const std::vector<PairEntry>& entries) {
    to.insert(to.end(), entries.begin(), entries.end());
}
} // namespace

JigCommand IrShift(std::uint8_t value) {
    return {"IR_SHIFT", {'J', 'i', value}, 1};
}

JigCommand DrShift(std::uint8_t value) {
    return {"DR_SHIFT", {'J', 'd', value}, 1};
}

JigCommand DrShift32(std::uint32_t value) {
    JigCommand c{"DR_SHIFT_32", {'J', 'D'}, 4};
    Append32(c.frame, value);
    return c;
}

JigCommand PairWithTrailer(std::uint8_t trailer, std::uint8_t code, std::uint32_t value) {
    JigCommand c{"JT", {'J', 'T', trailer, code}, 1};
    Append32(c.frame, value);
    return c;
}

JigCommand BlockRead() {
    return {"JR", {'J', 'R'}, static_cast<std::size_t>(kBlockSize)};
}

std::vector<std::uint8_t> BatchFrame(std::uint8_t mode, std::span<const PairEntry> entries) {
    const std::size_t length = 5 + 5 * entries.size();
    std::vector<std::uint8_t> frame{'J', 'W', static_cast<std::uint8_t>(length),
                                    static_cast<std::uint8_t>(length >> 8), mode};
    frame.reserve(length);
    for (const PairEntry& e : entries) {
        frame.push_back(e.code);
        Append32(frame, e.value);
    }
    return frame;
}

std::vector<PairEntry> WriteEntries(std::uint32_t address, std::uint32_t value) {
    return {{kAddress, address}, {kData, value}, {kControl, 3}};
}

std::vector<PairEntry> ReadEntries(std::uint32_t address) {
    return {{kAddress, address}, {kControl, 1}, {kReadBack, 1}};
}

std::vector<PairEntry> EraseSectorEntries(int sector) {
    const auto r = static_cast<std::uint32_t>(sector);
    std::vector<PairEntry> e;
    Append(e, WriteEntries(kFlashCommand, 0x06));
    Append(e, WriteEntries(kFlashControl, 0xA0));
    Append(e, ReadEntries(kFlashControl));
    Append(e, WriteEntries(kFlashCommand, 0x20));
    Append(e, WriteEntries(kFlashAddress0, 0));
    Append(e, WriteEntries(kFlashAddress1, r * 16)); // sent whole: 0x1F0 for the last sector
    Append(e, WriteEntries(kFlashAddress2, r / 16));
    Append(e, WriteEntries(kFlashControl, 0xA8));
    return e;
}

std::vector<PairEntry> StatusPollEntries() {
    std::vector<PairEntry> e;
    Append(e, WriteEntries(kFlashCommand, 0x05));
    Append(e, WriteEntries(kFlashControl, 0x81));
    Append(e, ReadEntries(kFlashControl));
    Append(e, ReadEntries(kFlashData));
    return e;
}

std::vector<PairEntry> WriteSetupEntries() {
    std::vector<PairEntry> e = WriteEntries(kCommandWord, 0x10400);
    Append(e, {{0x01, 0x400}, {0x00, 0x400}, {0x02, 0x400}, {0x03, 0x10}});
    return e;
}

std::vector<PairEntry> DataEntries(int block, std::span<const std::uint8_t> bytes) {
    auto word = [&](std::size_t i) {
        std::uint32_t w = 0;
        for (std::size_t b = 0; b < 4; ++b)
            w |= static_cast<std::uint32_t>(bytes[4 * i + b]) << (8 * b);
        return w;
    };
    std::vector<PairEntry> e{
        {kAddress, block % 2 ? kBufferOdd : kBufferEven}, {kData, word(0)}, {kControl, 0x7EB}};
    for (std::size_t i = 1; i < static_cast<std::size_t>(kBlockSize / 4); ++i)
        e.push_back({kData, word(i)});
    return e;
}

std::vector<PairEntry> CommitEntries(int block, std::uint8_t checksum) {
    const auto k = static_cast<std::uint32_t>(block);
    const std::uint32_t flag = block % 2 ? 0x1000000 : 0;
    return {{kAddress, kCommandWord},
            {kData, 0x10077},
            {kControl, 0x6B},
            {kData, 0x10000u + checksum},
            {kData, (k % 256) * 0x1000000 + 0xFF},
            {kData, (k / 256) + flag}};
}

std::uint8_t Crc8Maxim(std::span<const std::uint8_t> bytes, std::uint8_t crc) {
    for (std::uint8_t b : bytes) {
        crc ^= b;
        for (int i = 0; i < 8; ++i)
            crc = (crc & 1) ? static_cast<std::uint8_t>((crc >> 1) ^ 0x8C)
                            : static_cast<std::uint8_t>(crc >> 1);
    }
    return crc;
}

std::string Hex2(std::uint8_t value) {
    char text[4];
    std::snprintf(text, sizeof text, "%02X", static_cast<unsigned>(value));
    return text;
}

} // namespace NuvJtag
