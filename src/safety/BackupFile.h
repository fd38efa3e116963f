#pragma once
// Backups of a chip's content, taken before it is erased or written: one new file each in the
// user's backup folder, never replacing another.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

struct SavedBackup {
    std::filesystem::path path;
    std::string error; // empty when the whole image is in `path`
    bool Ok() const { return error.empty(); }
};

// "MODE_2026-12-07_102030_CHIPID.bin" (without "_CHIPID" when there is none); `attempt` > 1
// adds "-2", "-3" ... before ".bin". Characters a file name should not carry become '_'.
std::string BackupFileName(const std::string& mode, const std::string& chipId,
                           const std::string& dateTime, int attempt);

// Writes `image` into a new file of BackupFolder(), named for now; a partly written file is
// removed again.
SavedBackup SaveBackup(const std::string& mode, const std::string& chipId,
                       std::span<const std::uint8_t> image);
