#pragma once
// The journal of operations: one record per read, write, erase or check, appended to a file in
// the user's data folder (one JSON object per line), whatever window or command ran it.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

struct JournalRecord {
    std::string time;  // local, "2026-12-07 10:20:30"
    std::string mode;  // as the main window names it: "ENE KB90XX"
    std::string jig;   // the JIG's version text
    std::string board; // "PCB2", "PCB3" or empty
    std::string chipId;
    std::string operation; // "read", "write", "erase", "check"
    std::string file;
    std::optional<std::uint64_t> fileSize;
    std::string fileSha256;
    std::string backup;
    std::string result; // "started", "done", "failed", "stopped", "no JIG", "cancelled"
    std::string failedStep;
    std::string device; // "(simulated)" for the simulator's JIG; empty for a real one
};

// Appends one line; false with the reason when it could not be written.
bool AppendJournal(const JournalRecord& record, const std::filesystem::path& file,
                   std::string* error);
// Every record in order; lines that are not records are counted in `unreadable`.
std::vector<JournalRecord> LoadJournal(const std::filesystem::path& file,
                                       std::size_t* unreadable = nullptr);
inline constexpr const char* kStartedResult = "started";
inline constexpr const char* kNoEndResult = "no end: the program stopped during this operation";
// One record per operation: a "started" record and its end record (same time, mode and
// operation, later in the file) are the end record; a "started" record without one is kept
// with the result kNoEndResult.
std::vector<JournalRecord> JournalOperations(const std::vector<JournalRecord>& records);
// The record as the journal command prints it: a headline and indented details.
std::vector<std::string> JournalRecordLines(const JournalRecord& record);
