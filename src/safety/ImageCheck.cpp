#include "safety/ImageCheck.h"

#include "port/Tr.h"
#include "safety/Crc32.h"
#include "safety/Sha256.h"

#include <algorithm>
#include <cstdio>

UniformImage UniformValue(std::span<const std::uint8_t> image) {
    if (image.empty())
        return UniformImage::No;
    const std::uint8_t first = image.front();
    if ((first != 0xFF && first != 0x00) ||
        !std::all_of(image.begin(), image.end(), [first](std::uint8_t b) { return b == first; }))
        return UniformImage::No;
    return first == 0xFF ? UniformImage::AllFF : UniformImage::All00;
}

ImageFigures FiguresOf(std::span<const std::uint8_t> image) {
    char crc[16];
    std::snprintf(crc, sizeof crc, "%08X", static_cast<unsigned>(Crc32(image)));
    return {image.size(), crc, Sha256Hex(image)};
}

std::vector<std::string> ImageCheckLines(std::span<const std::uint8_t> image) {
    const ImageFigures figures = FiguresOf(image);
    std::vector<std::string> lines{Fill(Tr("Common", "Image: %1 bytes, CRC-32 %2, SHA-256 %3"),
                                        std::to_string(figures.bytes), figures.crc32,
                                        figures.sha256)};
    switch (UniformValue(image)) {
    case UniformImage::AllFF:
        lines.push_back(
            Tr("Common", "Warning: every byte is FFh: a blank chip, or nothing was read at all."));
        break;
    case UniformImage::All00:
        lines.push_back(Tr("Common", "Warning: every byte is 00h: a data line held low?"));
        break;
    case UniformImage::No:
        break;
    }
    return lines;
}
