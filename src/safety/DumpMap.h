#pragma once
// A picture of a dump, block by block: what each block holds (all FFh, all 00h, data) and,
// against a second image, which blocks differ. The CLI prints it as text, the windows draw it.
#include "safety/ImageCheck.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <vector>

enum class BlockKind : std::uint8_t { Data, AllFF, All00 };
enum class BlockDiff : std::uint8_t { None, Same, Differs, Unchecked };

struct DumpMap {
    std::size_t blockSize = 0;
    ImageFigures figures;         // of the image
    std::vector<BlockKind> kinds; // one a block
    std::vector<BlockDiff> diffs; // one a block against a second image; empty without one

    std::size_t Blocks() const { return kinds.size(); }
    std::size_t Count(BlockKind kind) const;
    std::size_t Count(BlockDiff diff) const;
    BlockDiff DiffOf(std::size_t block) const {
        return diffs.empty() ? BlockDiff::None : diffs[block];
    }
};

// 4 KiB (a flash sector), halved for an image of fewer than 32 of them, down to 16 bytes.
std::size_t DefaultBlockSize(std::size_t imageBytes);
DumpMap MapImage(std::span<const std::uint8_t> image, std::size_t blockSize);
// `image` against `other`: a block differs where a byte differs or only one image has it.
// Blocks from `compared` bytes on were not compared (a verify that stopped at its first
// difference). A block only `other` has is classed by `other`'s bytes.
DumpMap MapAgainst(std::span<const std::uint8_t> image, std::span<const std::uint8_t> other,
                   std::size_t blockSize,
                   std::size_t compared = std::numeric_limits<std::size_t>::max());

// '#' data, '.' all FFh, '0' all 00h; 'X' differs, '?' not compared.
char BlockChar(const DumpMap& map, std::size_t block);
// A heading with the counts, rows of `width` blocks after their offset, a legend line.
std::vector<std::string> DumpMapLines(const DumpMap& map, std::size_t width = 64);
// "00001000  4D 5A 90 00 ...  |MZ..............|" for `bytes` that start at `offset`.
std::vector<std::string> HexLines(std::span<const std::uint8_t> bytes, std::size_t offset);

// What a window shows after a read, or after a write's verify.
struct DumpPicture {
    std::string file;                   // the dump read, or the image written
    std::vector<std::uint8_t> image;    // its bytes
    std::vector<std::uint8_t> readBack; // a verify's: what the chip gave back, maybe less
    DumpMap map;
};
