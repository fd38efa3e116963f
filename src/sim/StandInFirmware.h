#pragma once
// The firmware files the simulated JIG is flashed with: one Intel HEX image per PCB2 mode
// firmware and the PCB3 package, each carrying the stand-in marker and the version text the
// simulator reports once it runs them. The build writes them into a folder of their own.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

struct StandInFile {
    std::string name;
    std::string version;
    std::vector<std::uint8_t> image; // M88 application bytes, or the package itself
    std::string content;             // the file: Intel HEX text, or the package bytes
};

std::vector<StandInFile> StandInFirmwareFiles();

// `count` bytes of made-up code with the marker and `version` inside, never ending in 0xFF.
std::vector<std::uint8_t> StandInImage(const std::string& version, std::size_t count,
                                       std::size_t markerAt);
// 16-byte data records from address 0 with CR LF line ends, then the end record.
std::string IntelHexText(const std::vector<std::uint8_t>& image);

bool WriteStandInFirmware(const std::filesystem::path& folder, std::string* error);
