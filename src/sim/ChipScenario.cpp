#include "sim/ChipScenario.h"

int IntOr(const nlohmann::json& section, const char* key, int fallback) {
    auto it = section.find(key);
    return it != section.end() && it->is_number_integer() ? it->get<int>() : fallback;
}

bool BoolOr(const nlohmann::json& section, const char* key, bool fallback) {
    auto it = section.find(key);
    return it != section.end() && it->is_boolean() ? it->get<bool>() : fallback;
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
