#include "safety/ImageDiff.h"
#include "port/Tr.h"

#include <algorithm>
#include <cstdio>

std::vector<DiffRange> DiffRanges(std::span<const std::uint8_t> a,
                                  std::span<const std::uint8_t> b) {
    std::vector<DiffRange> ranges;
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common;) {
        if (a[i] == b[i]) {
            ++i;
            continue;
        }
        DiffRange r{i, 0};
        while (i < common && a[i] != b[i])
            ++i;
        r.length = i - r.offset;
        ranges.push_back(r);
    }
    return ranges;
}

std::size_t DifferingBytes(const std::vector<DiffRange>& ranges) {
    std::size_t n = 0;
    for (const DiffRange& r : ranges)
        n += r.length;
    return n;
}

namespace {
std::string Bytes(std::span<const std::uint8_t> image, const DiffRange& r, std::size_t shown) {
    std::string text;
    char hex[4];
    for (std::size_t i = 0; i < shown; ++i) {
        std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned>(image[r.offset + i]));
        text += (i ? " " : "") + std::string(hex);
    }
    return text + (shown < r.length ? " ..." : "");
}
} // namespace

std::string DiffRangeText(const DiffRange& r, std::span<const std::uint8_t> a,
                          std::span<const std::uint8_t> b, std::size_t maxShown) {
    char offset[24];
    std::snprintf(offset, sizeof offset, "0x%06zX", r.offset);
    const std::size_t shown = std::min(r.length, maxShown);
    return Fill(r.length == 1 ? Tr("Common", "%1, %2 byte: %3 / %4")
                              : Tr("Common", "%1, %2 bytes: %3 / %4"),
                offset, std::to_string(r.length), Bytes(a, r, shown), Bytes(b, r, shown));
}
