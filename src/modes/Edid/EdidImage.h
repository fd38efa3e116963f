#pragma once
// The 256-byte EEPROM image of a panel: its file form and its hex dump.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace Edid {

inline constexpr std::size_t kImageSize = 256;
// The 256 data bytes of a read followed by the status pair.
inline constexpr std::size_t kReplySize = 258;

using Image = std::array<std::uint8_t, kImageSize>;

// How a byte shows in the dump's character column: digits, ASCII letters, '.' and '_' as
// themselves, everything else as '.'.
char DumpChar(std::uint8_t byte);
// The offset's two hex digits + ":" + " XX" per byte + " " + the 16 characters.
std::string DumpLine(const std::uint8_t* sixteen, std::size_t offset);
// The 16 lines of the whole image, in address order.
std::vector<std::string> DumpLines(const Image& image);

struct LoadedImage {
    Image image;
    std::uintmax_t fileSize = 0;
};

// Up to 256 bytes from the file's start over an image of 0xFF; nothing when it cannot be opened
// or read.
std::optional<LoadedImage> LoadImageFile(const std::string& path);

} // namespace Edid
