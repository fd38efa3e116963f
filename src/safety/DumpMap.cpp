#include "safety/DumpMap.h"

#include "port/Tr.h"

#include <algorithm>
#include <cstdio>

namespace {
constexpr std::size_t kSector = 4096;
constexpr std::size_t kFewestBlocks = 32;
constexpr std::size_t kSmallestBlock = 16;

BlockKind KindOf(std::span<const std::uint8_t> block) {
    switch (UniformValue(block)) {
    case UniformImage::AllFF:
        return BlockKind::AllFF;
    case UniformImage::All00:
        return BlockKind::All00;
    case UniformImage::No:
        break;
    }
    return BlockKind::Data;
}

std::span<const std::uint8_t> Part(std::span<const std::uint8_t> image, std::size_t from,
                                   std::size_t to) {
    from = std::min(from, image.size());
    return image.subspan(from, std::min(to, image.size()) - from);
}

BlockDiff Compare(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b,
                  std::size_t from, std::size_t to, std::size_t compared) {
    if (from >= compared)
        return BlockDiff::Unchecked;
    const std::size_t end = std::min(to, compared);
    const std::span<const std::uint8_t> pa = Part(a, from, end);
    const std::span<const std::uint8_t> pb = Part(b, from, end);
    if (pa.size() != end - from || pb.size() != end - from || !std::ranges::equal(pa, pb))
        return BlockDiff::Differs;
    return end < to ? BlockDiff::Unchecked : BlockDiff::Same;
}

// `what` holds %1 where the number goes.
std::string Count(std::size_t n, const char* what) {
    return Fill(Tr("Common", what), std::to_string(n));
}
} // namespace

std::size_t DumpMap::Count(BlockKind kind) const {
    return static_cast<std::size_t>(std::ranges::count(kinds, kind));
}

std::size_t DumpMap::Count(BlockDiff diff) const {
    return static_cast<std::size_t>(std::ranges::count(diffs, diff));
}

std::size_t DefaultBlockSize(std::size_t imageBytes) {
    std::size_t block = kSector;
    while (block > kSmallestBlock && imageBytes / block < kFewestBlocks)
        block /= 2;
    return block;
}

DumpMap MapImage(std::span<const std::uint8_t> image, std::size_t blockSize) {
    DumpMap map{blockSize, FiguresOf(image), {}, {}};
    for (std::size_t at = 0; blockSize && at < image.size(); at += blockSize)
        map.kinds.push_back(KindOf(Part(image, at, at + blockSize)));
    return map;
}

DumpMap MapAgainst(std::span<const std::uint8_t> image, std::span<const std::uint8_t> other,
                   std::size_t blockSize, std::size_t compared) {
    DumpMap map = MapImage(image, blockSize);
    const std::size_t total = std::max(image.size(), other.size());
    for (std::size_t at = 0; blockSize && at < total; at += blockSize) {
        if (at >= image.size())
            map.kinds.push_back(KindOf(Part(other, at, at + blockSize)));
        map.diffs.push_back(Compare(image, other, at, at + blockSize, compared));
    }
    return map;
}

char BlockChar(const DumpMap& map, std::size_t block) {
    switch (map.DiffOf(block)) {
    case BlockDiff::Differs:
        return 'X';
    case BlockDiff::Unchecked:
        return '?';
    case BlockDiff::None:
    case BlockDiff::Same:
        break;
    }
    switch (map.kinds[block]) {
    case BlockKind::AllFF:
        return '.';
    case BlockKind::All00:
        return '0';
    case BlockKind::Data:
        break;
    }
    return '#';
}

std::vector<std::string> DumpMapLines(const DumpMap& map, std::size_t width) {
    std::string heading = Fill(
        Tr("Common", "Map: %1 blocks of %2 bytes: %3 data, %4 all FFh, %5 all 00h"),
        std::to_string(map.Blocks()), std::to_string(map.blockSize),
        std::to_string(map.Count(BlockKind::Data)), std::to_string(map.Count(BlockKind::AllFF)),
        std::to_string(map.Count(BlockKind::All00)));
    std::string legend = Tr("Common", "Legend: # data  . all FFh  0 all 00h");
    if (!map.diffs.empty()) {
        heading += "; " + Count(map.Count(BlockDiff::Differs), TR_NOOP("Common", "%1 differ"));
        legend += Tr("Common", "  X differs");
    }
    if (const std::size_t unchecked = map.Count(BlockDiff::Unchecked)) {
        heading += ", " + Count(unchecked, TR_NOOP("Common", "%1 not compared"));
        legend += Tr("Common", "  ? not compared");
    }
    std::vector<std::string> lines{heading};
    width = std::max<std::size_t>(width, 1);
    for (std::size_t row = 0; row < map.Blocks(); row += width) {
        char offset[24];
        std::snprintf(offset, sizeof offset, "0x%06zX ", row * map.blockSize);
        std::string line = offset;
        for (std::size_t b = row; b < std::min(row + width, map.Blocks()); ++b)
            line += BlockChar(map, b);
        lines.push_back(line);
    }
    lines.push_back(legend);
    return lines;
}

std::vector<std::string> HexLines(std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < bytes.size(); at += 16) {
        char text[24];
        std::snprintf(text, sizeof text, "%08zX ", offset + at);
        std::string line = text, ascii;
        for (std::size_t i = 0; i < 16; ++i) {
            line += i == 8 ? "  " : " ";
            if (at + i >= bytes.size()) {
                line += "  ";
                continue;
            }
            const std::uint8_t b = bytes[at + i];
            std::snprintf(text, sizeof text, "%02X", static_cast<unsigned>(b));
            line += text;
            ascii += b >= 0x20 && b < 0x7F ? static_cast<char>(b) : '.';
        }
        lines.push_back(line + "  |" + ascii + "|");
    }
    return lines;
}
