#include "modes/Edid/EdidDecode.h"

#include "modes/Edid/PnpIds.h"
#include "port/Tr.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace Edid {
namespace {

constexpr std::array<std::uint8_t, 8> kHeader{0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
constexpr std::size_t kDescriptorOffsets[] = {54, 72, 90, 108};

std::string Hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

char IdLetter(unsigned code) {
    return code >= 1 && code <= 26 ? static_cast<char>('A' + code - 1) : '?';
}

DetailedTiming ReadTiming(const std::uint8_t* d) {
    DetailedTiming t;
    t.pixelClockKHz = (d[0] | d[1] << 8) * 10;
    t.hActive = d[2] | (d[4] & 0xF0) << 4;
    t.hTotal = t.hActive + (d[3] | (d[4] & 0x0F) << 8);
    t.vActive = d[5] | (d[7] & 0xF0) << 4;
    t.vTotal = t.vActive + (d[6] | (d[7] & 0x0F) << 8);
    t.interlaced = (d[17] & 0x80) != 0;
    return t;
}

// Text of a display descriptor: up to 13 bytes, ended by LF, padded with blanks.
std::string DescriptorText(const std::uint8_t* d) {
    std::string text;
    for (int i = 5; i < 18 && d[i] != 0x0A; ++i)
        text += d[i] >= 0x20 && d[i] < 0x7F ? static_cast<char>(d[i]) : '.';
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

bool AllBytes(std::span<const std::uint8_t> image, std::uint8_t value) {
    return std::all_of(image.begin(), image.end(), [value](std::uint8_t b) { return b == value; });
}

std::string RefreshText(const DetailedTiming& t) {
    const long mhz = t.refreshMilliHz();
    if (mhz == 0)
        return "";
    const long centiHz = (mhz + 5) / 10;
    char text[32];
    std::snprintf(text, sizeof text, "%ld.%02ld", centiHz / 100, centiHz % 100);
    return Fill(Tr("Edid", " @ %1 Hz"), text);
}

std::string ManufacturerLine(const Summary& s) {
    std::string line = Tr("Edid", "  Manufacturer: ") + s.manufacturerId;
    if (s.manufacturerId.find('?') != std::string::npos)
        return line + Tr("Edid", " (not a valid ID)");
    const PnpIds::Answer maker = PnpIds::Find(s.manufacturerId);
    if (maker.lookup == PnpIds::Lookup::Found)
        return line + " (" + maker.name + ")";
    if (maker.lookup == PnpIds::Lookup::NotListed)
        return line + Tr("Edid", " (not in the PNP ID list)");
    return line;
}

std::string DateLine(const Summary& s) {
    const std::string year = std::to_string(s.year);
    const std::string week = std::to_string(s.week);
    if (s.week == 0xFF)
        return Tr("Edid", "  Model year: ") + year;
    if (s.week == 0)
        return Tr("Edid", "  Manufactured: ") + year;
    if (s.week > 54)
        return Fill(Tr("Edid", "  Manufactured: %1 (week %2 is not valid)"), year, week);
    return Fill(Tr("Edid", "  Manufactured: week %1 of %2"), week, year);
}

std::string TimingLine(const Summary& s) {
    if (!s.preferred)
        return Tr("Edid",
                  "  Preferred resolution: not given (the first descriptor holds no timing)");
    const DetailedTiming& t = *s.preferred;
    char clock[16];
    std::snprintf(clock, sizeof clock, "%d.%02d", t.pixelClockKHz / 1000,
                  t.pixelClockKHz % 1000 / 10);
    return Fill(Tr("Edid", "  Preferred resolution: %1%2, pixel clock %3 MHz"),
                std::to_string(t.hActive) + "x" + std::to_string(t.vActive) +
                    (t.interlaced ? "i" : ""),
                RefreshText(t), clock);
}

std::string ChecksumLine(const BlockChecksum& c) {
    const std::string block = std::to_string(c.block);
    if (c.ok)
        return Fill(Tr("Edid", "  Checksum of block %1: OK"), block);
    return Fill(Tr("Edid", "  Checksum of block %1: wrong (byte 127 is %2, should be %3)"), block,
                Hex(c.stored, 2), Hex(c.expected, 2));
}

} // namespace

long DetailedTiming::refreshMilliHz() const {
    const long long pixels = static_cast<long long>(hTotal) * vTotal;
    if (pixels <= 0 || pixelClockKHz <= 0)
        return 0;
    return static_cast<long>((1'000'000LL * pixelClockKHz + pixels / 2) / pixels);
}

bool Summary::ChecksumsOk() const {
    return std::all_of(checksums.begin(), checksums.end(),
                       [](const BlockChecksum& c) { return c.ok; });
}

std::uint8_t ExpectedChecksum(std::span<const std::uint8_t> block) {
    unsigned sum = 0;
    for (std::size_t i = 0; i + 1 < kBlockSize && i < block.size(); ++i)
        sum += block[i];
    return static_cast<std::uint8_t>(0x100 - (sum & 0xFF));
}

Summary Decode(std::span<const std::uint8_t> input) {
    std::vector<std::uint8_t> image(input.begin(), input.end());
    if (image.size() < kBlockSize)
        image.resize(kBlockSize, 0xFF);
    const std::uint8_t* b = image.data();

    Summary s;
    s.blank = AllBytes(image, 0xFF) || AllBytes(image, 0x00);
    s.headerValid = std::equal(kHeader.begin(), kHeader.end(), b);
    const unsigned id = static_cast<unsigned>(b[8] << 8 | b[9]);
    s.manufacturerId = {IdLetter(id >> 10 & 0x1F), IdLetter(id >> 5 & 0x1F), IdLetter(id & 0x1F)};
    s.productCode = static_cast<std::uint16_t>(b[10] | b[11] << 8);
    s.serialNumber = static_cast<std::uint32_t>(b[12]) | static_cast<std::uint32_t>(b[13]) << 8 |
                     static_cast<std::uint32_t>(b[14]) << 16 |
                     static_cast<std::uint32_t>(b[15]) << 24;
    s.week = b[16];
    s.year = 1990 + b[17];
    s.versionMajor = b[18];
    s.versionMinor = b[19];
    if (b[54] != 0 || b[55] != 0)
        s.preferred = ReadTiming(b + 54);
    s.extensionCount = b[126];

    for (std::size_t offset : kDescriptorOffsets) {
        const std::uint8_t* d = b + offset;
        if (d[0] != 0 || d[1] != 0 || d[2] != 0)
            continue;
        if (d[3] == 0xFC)
            s.monitorName = DescriptorText(d);
        else if (d[3] == 0xFF)
            s.serialText = DescriptorText(d);
        else if (d[3] == 0xFE)
            s.texts.push_back(DescriptorText(d));
    }

    const std::size_t held = image.size() / kBlockSize;
    const std::size_t blocks =
        std::min<std::size_t>(held, 1 + static_cast<std::size_t>(s.extensionCount));
    for (std::size_t i = 0; i < blocks; ++i) {
        std::span<const std::uint8_t> block(b + i * kBlockSize, kBlockSize);
        BlockChecksum c;
        c.block = static_cast<int>(i);
        c.stored = block[kBlockSize - 1];
        c.expected = ExpectedChecksum(block);
        c.ok = c.stored == c.expected;
        s.checksums.push_back(c);
    }
    return s;
}

std::vector<std::string> SummaryLines(const Summary& s) {
    std::vector<std::string> lines{Tr("Edid", "EDID at a glance:")};
    if (s.blank) {
        lines.push_back(Tr("Edid", "  The image is blank: no EDID."));
        for (const BlockChecksum& c : s.checksums)
            lines.push_back(ChecksumLine(c));
        return lines;
    }
    lines.push_back(s.headerValid
                        ? Tr("Edid", "  Header: valid")
                        : Tr("Edid", "  Header: not valid (00 FF FF FF FF FF FF 00 expected)"));
    lines.push_back(ManufacturerLine(s));
    lines.push_back(Tr("Edid", "  Product code: ") + Hex(s.productCode, 4));
    lines.push_back(Tr("Edid", "  Serial number: ") + std::to_string(s.serialNumber));
    if (!s.monitorName.empty())
        lines.push_back(Tr("Edid", "  Monitor name: ") + s.monitorName);
    if (!s.serialText.empty())
        lines.push_back(Tr("Edid", "  Serial text: ") + s.serialText);
    for (const std::string& text : s.texts)
        if (!text.empty())
            lines.push_back(Tr("Edid", "  Text: ") + text);
    lines.push_back(DateLine(s));
    lines.push_back(Tr("Edid", "  EDID version: ") + std::to_string(s.versionMajor) + "." +
                    std::to_string(s.versionMinor));
    lines.push_back(TimingLine(s));
    std::string extensions = Tr("Edid", "  Extension blocks: ") + std::to_string(s.extensionCount);
    const int held = static_cast<int>(s.checksums.size()) - 1;
    if (s.extensionCount > held)
        extensions +=
            Fill(Tr("Edid", " (%1 of them in this image)"), std::to_string(std::max(held, 0)));
    lines.push_back(extensions);
    for (const BlockChecksum& c : s.checksums)
        lines.push_back(ChecksumLine(c));
    return lines;
}

} // namespace Edid
