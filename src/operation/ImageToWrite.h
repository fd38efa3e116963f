#pragma once
// The image a write puts on the chip, read whole and judged before anything is erased: an empty
// file, one larger than the chip takes, or anything that is not a regular file is refused with
// nothing sent to the chip.
#include "operation/Outcome.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

struct ImageToWrite {
    std::vector<std::uint8_t> bytes; // padded with FFh to the chip's size
    std::size_t fileSize = 0;        // what the file held
    std::string error;               // "PATH: reason" when refused
    bool unavailable = false;        // refused as missing or unreadable, not for its size
    bool Ok() const { return error.empty(); }
    // How a write ends that this image refused.
    Outcome Refusal() const { return unavailable ? Outcome::NoFile : Outcome::Failed; }
    bool Short() const { return fileSize < bytes.size(); }
};

// `chipBytes`: what the write puts on the chip (a shorter file is padded to it); `largest`: the
// largest file taken (at least `chipBytes`; MEC16xx also takes MAIN followed by INFO).
ImageToWrite LoadImageToWrite(const std::filesystem::path& path, std::size_t chipBytes,
                              std::size_t largest = 0);
