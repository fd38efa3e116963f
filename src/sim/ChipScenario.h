#pragma once
// What every chip module reads from its section of the scenario.
#include <nlohmann/json.hpp>

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

struct Scenario;
class SimMemory;

// The value under `key` when it has the right type, else `fallback`.
int IntOr(const nlohmann::json& section, const char* key, int fallback);
bool BoolOr(const nlohmann::json& section, const char* key, bool fallback);

// A scenario's whole numbers, checked: nlohmann casts a float to an integer type, which is
// undefined beyond the type's range. Throws ScenarioMistake naming the key when the value is not
// a whole number in [lo, hi]; a missing key gives `fallback`.
struct ScenarioMistake : std::runtime_error {
    using std::runtime_error::runtime_error;
};
long long WholeNumber(const nlohmann::json& section, const char* key, long long fallback,
                      long long lo, long long hi);
// Every element of an array, checked as above; `what` names the array in the message.
std::vector<long long> WholeNumbers(const nlohmann::json& array, const char* what, long long lo,
                                    long long hi);

// A chip's memory when the scenario names no file: fixed for a given seed, different from chip
// to chip, and far from blank, so a read that returns nothing shows.
std::vector<std::uint8_t> PseudoRandomImage(std::size_t size, std::uint32_t seed);

// A chip's memory: the file the section names (kept there, blank when new), else in memory only
// and filled with `defaultImage()`.
std::unique_ptr<SimMemory>
ChipMemory(const Scenario& scenario, const nlohmann::json& section, std::size_t size,
           const std::function<std::vector<std::uint8_t>()>& defaultImage);
