#pragma once
// Where the JIG firmware files are found. A simulated JIG takes the build's stand-ins first
// (they live in their own folder, never beside an installed program); a real JIG only ever
// sees the files beside the program.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

struct FirmwareFile {
    std::filesystem::path path; // where it was found, or where it was expected
    bool found = false;
    std::vector<std::filesystem::path> tried; // every place looked at, in order
};

// "NAME not found (looked in ...)" for a file that was not found.
std::string NotFoundLine(const std::string& name, const FirmwareFile& file);

FirmwareFile LocateFirmware(const std::string& name, bool simulatedJig);

// The stand-ins' folder: by default sim-firmware beside the program's bin folder (the build
// tree), else lib/tolvane-jig/sim-firmware there (installed). Empty goes back to the default.
void SetSimFirmwareFolder(std::filesystem::path folder);
std::filesystem::path SimFirmwareFolder();

// Reads at most `limit` bytes; nothing when the file cannot be opened.
std::optional<std::string> ReadFirmwareBytes(const std::filesystem::path& path, std::size_t limit);
