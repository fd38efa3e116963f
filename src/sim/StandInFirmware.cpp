#include "sim/StandInFirmware.h"

#include "link/StandInMarker.h"

#include <cstdio>
#include <fstream>

namespace {
struct Recipe {
    const char* name;
    const char* version;
    std::size_t size;
    std::size_t markerAt;
};

constexpr Recipe kRecipes[] = {
    {"M88_ALLPCB_V41.hex", "M88_ALLPCB_V41", 0x1530, 0x1400},
    {"M88_jtag.hex", "M88_JTAG_V42", 0x0F3A, 0x0E00},
    {"ITE_PROJ_M88.hex", "ITE_PROJ_M88", 0x16C4, 0x1600},
    {"M88_NPCE288.hex", "M88_NPCE288", 0x11F7, 0x1100},
};
constexpr Recipe kPackage{"M328_EPM240_v16.vss", "M328_EPM240_v16", 29500, 0x0100};

void AppendHexByte(std::string& text, std::uint8_t b) {
    char pair[3];
    std::snprintf(pair, sizeof pair, "%02X", b);
    text += pair;
}
} // namespace

std::vector<std::uint8_t> StandInImage(const std::string& version, std::size_t count,
                                       std::size_t markerAt) {
    std::vector<std::uint8_t> image(count);
    std::uint32_t seed = 2166136261u;
    for (char c : version)
        seed = (seed ^ static_cast<std::uint8_t>(c)) * 16777619u;
    for (std::uint8_t& b : image) {
        seed = seed * 1103515245u + 12345u;
        b = static_cast<std::uint8_t>(seed >> 16);
    }
    std::string mark(kStandInMarker);
    mark += version;
    mark += '\0';
    std::copy(mark.begin(), mark.end(), image.begin() + static_cast<std::ptrdiff_t>(markerAt));
    if (image.back() == 0xFF)
        image.back() = 0x00;
    return image;
}

std::string IntelHexText(const std::vector<std::uint8_t>& image) {
    std::string text;
    for (std::size_t a = 0; a < image.size(); a += 16) {
        const std::size_t n = std::min<std::size_t>(16, image.size() - a);
        unsigned sum = static_cast<unsigned>(n + (a >> 8) + (a & 0xFF));
        text += ':';
        AppendHexByte(text, static_cast<std::uint8_t>(n));
        AppendHexByte(text, static_cast<std::uint8_t>(a >> 8));
        AppendHexByte(text, static_cast<std::uint8_t>(a));
        AppendHexByte(text, 0x00);
        for (std::size_t i = 0; i < n; ++i) {
            sum += image[a + i];
            AppendHexByte(text, image[a + i]);
        }
        AppendHexByte(text, static_cast<std::uint8_t>(-sum));
        text += "\r\n";
    }
    text += ":00000001FF\r\n";
    return text;
}

std::vector<StandInFile> StandInFirmwareFiles() {
    std::vector<StandInFile> files;
    for (const Recipe& r : kRecipes) {
        StandInFile f{r.name, r.version, StandInImage(r.version, r.size, r.markerAt), {}};
        f.content = IntelHexText(f.image);
        files.push_back(std::move(f));
    }
    StandInFile p{kPackage.name,
                  kPackage.version,
                  StandInImage(kPackage.version, kPackage.size, kPackage.markerAt),
                  {}};
    p.content.assign(p.image.begin(), p.image.end());
    files.push_back(std::move(p));
    return files;
}

bool WriteStandInFirmware(const std::filesystem::path& folder, std::string* error) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    for (const StandInFile& f : StandInFirmwareFiles()) {
        const std::filesystem::path path = folder / f.name;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(f.content.data(), static_cast<std::streamsize>(f.content.size()));
        out.close();
        if (!out) {
            *error = "cannot write " + path.string();
            return false;
        }
    }
    return true;
}
