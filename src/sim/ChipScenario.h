#pragma once
// What every chip module reads from its section of the scenario.
#include <nlohmann/json.hpp>

#include <cstdint>
#include <stdexcept>
#include <vector>

// A scenario's whole numbers, checked: nlohmann casts a float to an integer type, which is
// undefined beyond the type's range. Throws ScenarioMistake naming the key when the value is not
// a whole number in [lo, hi]; a missing key gives `fallback`.
struct ScenarioMistake : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// One value checked as above; `what` names it in the message.
long long CheckedWhole(const nlohmann::json& value, const std::string& what, long long lo,
                       long long hi);
long long WholeNumber(const nlohmann::json& section, const char* key, long long fallback,
                      long long lo, long long hi);
// Every element of an array, checked as above; `what` names the array in the message.
std::vector<long long> WholeNumbers(const nlohmann::json& array, const char* what, long long lo,
                                    long long hi);

// A chip's memory when the scenario names no file: fixed for a given seed, different from chip
// to chip, and far from blank, so a read that returns nothing shows.
std::vector<std::uint8_t> PseudoRandomImage(std::size_t size, std::uint32_t seed);
