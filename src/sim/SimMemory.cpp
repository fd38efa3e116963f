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

void SimMemory::SaveRange(std::size_t first, std::size_t end) const {
    if (file_.empty() || first >= end || end > data_.size())
        return;
    std::error_code ec;
    if (std::filesystem::file_size(file_, ec) != data_.size() || ec)
        return Save();
    std::fstream out(file_, std::ios::binary | std::ios::in | std::ios::out);
    out.seekp(static_cast<std::streamoff>(first));
    out.write(reinterpret_cast<const char*>(data_.data() + first),
              static_cast<std::streamsize>(end - first));
    if (!out)
        Save();
}
