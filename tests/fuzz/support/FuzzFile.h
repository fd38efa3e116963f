#pragma once
// A file of this process's own under the temporary folder that a harness rewrites with each
// input, for the parsers that read a path.
#include "support/Pattern.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

// The folder, made on first use (left behind: a campaign may want the files of its last input).
inline const std::filesystem::path& FuzzDir() {
    static const std::filesystem::path dir = [] {
        std::filesystem::path d =
            std::filesystem::temp_directory_path() / ("tolvane-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(d);
        return d;
    }();
    return dir;
}

inline std::filesystem::path FuzzFile(const std::string& name, const std::uint8_t* data,
                                      std::size_t size) {
    const std::filesystem::path file = FuzzDir() / name;
    if (std::FILE* f = std::fopen(file.c_str(), "wb")) {
        if (size != 0)
            std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    return file;
}

// An image of `size` bytes, written once, for the engines' writes: each 256-byte block holds
// one value (blocks differ), so that seeds that carry it back stay short.
inline std::string FuzzImage(std::size_t size) {
    const std::string name = "image-" + std::to_string(size) + ".bin";
    const std::filesystem::path file = FuzzDir() / name;
    if (!std::filesystem::exists(file)) {
        const std::string bytes = Pattern(size, 0, 5, 8, 37);
        FuzzFile(name, reinterpret_cast<const std::uint8_t*>(bytes.data()), size);
    }
    return file;
}

// Where an engine's read goes; nothing there before it runs.
inline std::string FuzzOutput(const std::string& name) {
    const std::filesystem::path file = FuzzDir() / name;
    std::error_code ec;
    std::filesystem::remove(file, ec);
    return file;
}
