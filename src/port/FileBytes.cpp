#include "port/FileBytes.h"

#include <cstdio>
#include <memory>

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path, std::size_t limit) {
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return std::nullopt;
    std::string bytes;
    char chunk[65536];
    while (bytes.size() < limit) {
        const std::size_t want = std::min(sizeof chunk, limit - bytes.size());
        const std::size_t got = std::fread(chunk, 1, want, file.get());
        bytes.append(chunk, got);
        if (got < want)
            break;
    }
    if (std::ferror(file.get()))
        return std::nullopt;
    return bytes;
}
