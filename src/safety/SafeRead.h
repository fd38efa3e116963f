#pragma once
// What every mode does around its reads, whatever its protocol: the backup before an erase or
// write, the second read of "read twice", and the image check that ends a read. The mode
// supplies its own read of the whole chip.
#include "port/TrNoop.h"
#include "safety/SafetyOptions.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

using LogLine = std::function<void(const std::string&)>;
// Reads the whole chip into its argument; false when the read failed (it has said why).
using ReadWholeChip = std::function<bool(std::vector<std::uint8_t>&)>;

// Asks the technician; true for yes.
using AskYesNoFn = std::function<bool(const std::string&)>;

inline constexpr const char* kBlankBackupQuestion =
    TR_NOOP("Common", "The chip reads blank. A failed read looks the same. Erase anyway?");

// Reads the chip and keeps it in a new backup file: its path, or nothing (the reason logged)
// when the erase or write must not start. A backup that reads blank starts nothing unless
// `safety` allows it or `ask` (when it may ask) says yes.
std::optional<std::filesystem::path> TakeBackup(const std::string& mode, const std::string& chipId,
                                                const ReadWholeChip& read, const LogLine& log,
                                                const SafetyOptions& safety, const AskYesNoFn& ask);

// The second read of "read twice": true when it gives `first` again; otherwise the places
// where they differ are logged.
bool ReadAgainAndCompare(std::span<const std::uint8_t> first, const ReadWholeChip& read,
                         const LogLine& log);

// Size, CRC-32 and SHA-256 of what a read gave, and a warning when it is all one value.
void LogImageCheck(std::span<const std::uint8_t> image, const LogLine& log);
