#include "sim/ChipScenario.h"

long long CheckedWhole(const nlohmann::json& value, const std::string& what, long long lo,
                       long long hi) {
    const bool whole =
        value.is_number_integer() && !(value.is_number_unsigned() &&
                                       value.get<std::uint64_t>() > static_cast<std::uint64_t>(hi));
    if (!whole || value.get<long long>() < lo || value.get<long long>() > hi)
        throw ScenarioMistake(what + " is a whole number from " + std::to_string(lo) + " to " +
                              std::to_string(hi) + ", not " + value.dump());
    return value.get<long long>();
}

long long WholeNumber(const nlohmann::json& section, const char* key, long long fallback,
                      long long lo, long long hi) {
    const auto it = section.find(key);
    return it == section.end() ? fallback
                               : CheckedWhole(*it, std::string("\"") + key + "\"", lo, hi);
}

std::vector<long long> WholeNumbers(const nlohmann::json& array, const char* what, long long lo,
                                    long long hi) {
    if (!array.is_array())
        throw ScenarioMistake(std::string("\"") + what + "\" is a list, not " + array.dump());
    std::vector<long long> numbers;
    for (const nlohmann::json& v : array)
        numbers.push_back(CheckedWhole(v, std::string("an element of \"") + what + "\"", lo, hi));
    return numbers;
}

std::vector<std::uint8_t> PseudoRandomImage(std::size_t size, std::uint32_t seed) {
    std::vector<std::uint8_t> image(size);
    std::uint32_t x = seed;
    for (std::uint8_t& b : image) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b = static_cast<std::uint8_t>(x >> 24);
    }
    return image;
}
