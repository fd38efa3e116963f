#pragma once
// A chip module's section of the scenario, read strictly: a value of the wrong type or out of
// its range, a key the model does not know, or a chip file that can never be kept throws
// ScenarioMistake naming the key's path ("chips.mec.eraseMs") and the reason. A missing key
// gives the model's default.
#include "sim/ChipScenario.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

struct Scenario;
class SimMemory;

class ChipSection {
  public:
    // The section of a chip module (SimModule::Name()).
    ChipSection(const Scenario& scenario, const std::string& module);

    bool Flag(const char* key, bool fallback);
    long long Whole(const char* key, long long fallback, long long lo, long long hi);
    // A list of whole numbers of `count` elements (any count when 0); empty when missing.
    std::vector<long long> Wholes(const char* key, std::size_t count, long long lo, long long hi);
    std::optional<std::string> Text(const char* key);
    // A value the model reads its own way (its mistakes go through Mistake()); null when missing.
    const nlohmann::json* Raw(const char* key) { return Find(key); }
    // A nested object, read as strictly; nothing when missing.
    std::optional<ChipSection> Part(const char* key);
    // The chip's memory: the file under "file" (kept there, blank when new), else in memory
    // with `defaultImage()`.
    std::unique_ptr<SimMemory>
    Memory(std::size_t size, const std::function<std::vector<std::uint8_t>()>& defaultImage);
    // The file under "file", resolved; empty when missing.
    std::filesystem::path File();

    [[noreturn]] void Mistake(const char* key, const std::string& reason) const;
    // Throws for a key that no read above asked for: a misspelt fault must not pass unseen.
    void Finish() const;

  private:
    ChipSection(const Scenario& scenario, const nlohmann::json& json, std::string path);
    const nlohmann::json* Find(const char* key);
    std::string PathOf(const char* key) const;

    const Scenario* scenario_;
    const nlohmann::json* json_;
    std::string path_;
    std::set<std::string> known_;
};
