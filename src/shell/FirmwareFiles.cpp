#include "shell/FirmwareFiles.h"

#include "port/FileBytes.h"
#include "port/ProgramFolder.h"

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
    // The build tree keeps them beside bin/; an installed program under lib/, away from the share
    // folder where a real JIG's files are looked for.
    const std::filesystem::path prefix = ProgramFolder().parent_path();
    std::error_code ec;
    if (std::filesystem::is_directory(prefix / "sim-firmware", ec))
        return prefix / "sim-firmware";
    return prefix / "lib" / "tolvane-jig" / "sim-firmware";
}

FirmwareFile LocateFirmware(const std::string& name, bool simulatedJig) {
    std::vector<std::filesystem::path> tried;
    if (simulatedJig) {
        const std::filesystem::path standIn = SimFirmwareFolder() / name;
        if (IsFile(standIn))
            return {standIn, true, {standIn}};
        tried.push_back(standIn);
    }
    FileLookup lookup = LookUpFile(name, LookFirst::ProgramFolder);
    tried.insert(tried.end(), lookup.tried.begin(), lookup.tried.end());
    if (lookup.found)
        return {*lookup.found, true, tried};
    return {ProgramFolder() / name, false, tried};
}

std::string NotFoundLine(const std::string& name, const FirmwareFile& file) {
    return NotFoundLine(name, FileLookup{std::nullopt, file.tried});
}

std::optional<std::string> ReadFirmwareBytes(const std::filesystem::path& path, std::size_t limit) {
    return ReadFileBytes(path, limit);
}
