#include "sim/ChipScenario.h"

#include "sim/Scenario.h"
#include "sim/SimContext.h"

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

std::unique_ptr<SimMemory>
ChipMemory(const Scenario& scenario, const nlohmann::json& section, std::size_t size,
           const std::function<std::vector<std::uint8_t>()>& defaultImage) {
    auto file = section.find("file");
    if (file != section.end() && file->is_string())
        return std::make_unique<SimMemory>(scenario.Resolve(file->get<std::string>()), size, 0xFF);
    auto memory = std::make_unique<SimMemory>(std::filesystem::path(), size, 0xFF);
    memory->Data() = defaultImage();
    return memory;
}
