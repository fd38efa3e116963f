#include "sim/SimContext.h"

#include <fstream>

SimMemory::SimMemory(std::filesystem::path file, std::size_t size, std::uint8_t fill)
    : file_(std::move(file)), data_(size, fill) {
    if (file_.empty())
        return;
    std::ifstream in(file_, std::ios::binary);
    if (in)
        in.read(reinterpret_cast<char*>(data_.data()), static_cast<std::streamsize>(size));
}

void SimMemory::Save() const {
    if (file_.empty())
        return;
    // Write beside and rename, so a crash never leaves half a chip image.
    std::filesystem::path temp = file_;
    temp += ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data_.data()),
                  static_cast<std::streamsize>(data_.size()));
        if (!out)
            return;
    }
    std::error_code ec;
    std::filesystem::rename(temp, file_, ec);
}
