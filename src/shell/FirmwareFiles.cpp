#include "shell/FirmwareFiles.h"

#include "port/ProgramFolder.h"

#include <fstream>
#include <mutex>

namespace {
std::mutex folderMutex;
std::filesystem::path simFolder;

bool IsFile(const std::filesystem::path& p) {
    std::error_code ec;
    return std::filesystem::is_regular_file(p, ec);
}
} // namespace

void SetSimFirmwareFolder(std::filesystem::path folder) {
    std::lock_guard lock(folderMutex);
    simFolder = std::move(folder);
}

std::filesystem::path SimFirmwareFolder() {
    {
        std::lock_guard lock(folderMutex);
        if (!simFolder.empty())
            return simFolder;
    }
    return ProgramFolder().parent_path() / "sim-firmware";
}

FirmwareFile LocateFirmware(const std::string& name, bool simulatedJig) {
    if (simulatedJig) {
        const std::filesystem::path standIn = SimFirmwareFolder() / name;
        if (IsFile(standIn))
            return {standIn, true};
    }
    if (auto beside = FindBesideProgram(name))
        return {*beside, true};
    return {ProgramFolder() / name, false};
}

std::optional<std::string> ReadFirmwareBytes(const std::filesystem::path& path, std::size_t limit) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes(limit, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(limit));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}
