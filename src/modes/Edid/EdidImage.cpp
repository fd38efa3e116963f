#include "modes/Edid/EdidImage.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace Edid {

char DumpChar(std::uint8_t b) {
    const bool digit = b >= '0' && b <= '9';
    const bool letter = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
    return digit || letter || b == '.' || b == '_' ? static_cast<char>(b) : '.';
}

std::string DumpLine(const std::uint8_t* sixteen, std::size_t offset) {
    char hex[4];
    std::snprintf(hex, sizeof hex, "%02zX", offset & 0xFF);
    std::string line = std::string(hex) + ":";
    for (int i = 0; i < 16; ++i) {
        std::snprintf(hex, sizeof hex, " %02X", sixteen[i]);
        line += hex;
    }
    line += ' ';
    for (int i = 0; i < 16; ++i)
        line += DumpChar(sixteen[i]);
    return line;
}

std::vector<std::string> DumpLines(const Image& image) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < image.size(); at += 16)
        lines.push_back(DumpLine(image.data() + at, at));
    return lines;
}

std::optional<LoadedImage> LoadImageFile(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    LoadedImage loaded;
    loaded.image.fill(0xFF);
    in.read(reinterpret_cast<char*>(loaded.image.data()), kImageSize);
    if (in.bad())
        return std::nullopt;
    in.clear();
    in.seekg(0, std::ios::end);
    const std::streamoff end = in.tellg();
    loaded.fileSize = end > 0 ? static_cast<std::uintmax_t>(end) : 0;
    return loaded;
}

} // namespace Edid
