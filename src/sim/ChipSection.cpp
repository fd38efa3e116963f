#include "sim/ChipSection.h"

#include "modetable/ModeTable.h"
#include "sim/Scenario.h"
#include "sim/SimContext.h"

namespace {
std::string SectionOf(const std::string& module) {
    for (const ModeEntry& m : Modes())
        if (module == m.simModule)
            return m.scenarioSection;
    return module;
}
} // namespace

ChipSection::ChipSection(const Scenario& scenario, const std::string& module)
    : ChipSection(scenario, scenario.ModuleSection(module), "chips." + SectionOf(module)) {}

ChipSection::ChipSection(const Scenario& scenario, const nlohmann::json& json, std::string path)
    : scenario_(&scenario), json_(&json), path_(std::move(path)) {}

std::string ChipSection::PathOf(const char* key) const {
    return "\"" + path_ + "." + key + "\"";
}

void ChipSection::Mistake(const char* key, const std::string& reason) const {
    throw ScenarioMistake(PathOf(key) + " " + reason);
}

const nlohmann::json* ChipSection::Find(const char* key) {
    known_.insert(key);
    const auto it = json_->find(key);
    return it == json_->end() ? nullptr : &*it;
}

bool ChipSection::Flag(const char* key, bool fallback) {
    const nlohmann::json* v = Find(key);
    if (!v)
        return fallback;
    if (!v->is_boolean())
        Mistake(key, "is true or false, not " + v->dump());
    return v->get<bool>();
}

long long ChipSection::Whole(const char* key, long long fallback, long long lo, long long hi) {
    const nlohmann::json* v = Find(key);
    return v ? CheckedWhole(*v, PathOf(key), lo, hi) : fallback;
}

std::vector<long long> ChipSection::Wholes(const char* key, std::size_t count, long long lo,
                                           long long hi) {
    const nlohmann::json* v = Find(key);
    if (!v)
        return {};
    if (!v->is_array())
        Mistake(key, "is a list, not " + v->dump());
    std::vector<long long> numbers;
    for (const nlohmann::json& element : *v)
        numbers.push_back(CheckedWhole(element, PathOf(key), lo, hi));
    if (count != 0 && numbers.size() != count)
        Mistake(key, "holds " + std::to_string(count) + " numbers, not " +
                         std::to_string(numbers.size()));
    return numbers;
}

std::optional<std::string> ChipSection::Text(const char* key) {
    const nlohmann::json* v = Find(key);
    if (!v)
        return std::nullopt;
    if (!v->is_string())
        Mistake(key, "is a text, not " + v->dump());
    return v->get<std::string>();
}

std::optional<ChipSection> ChipSection::Part(const char* key) {
    const nlohmann::json* v = Find(key);
    if (!v)
        return std::nullopt;
    if (!v->is_object())
        Mistake(key, "is an object of keys, not " + v->dump());
    return ChipSection(*scenario_, *v, path_ + "." + key);
}

std::filesystem::path ChipSection::File() {
    const std::optional<std::string> name = Text("file");
    if (!name)
        return {};
    const std::filesystem::path file = scenario_->Resolve(*name);
    std::error_code ec;
    const auto status = std::filesystem::status(file, ec);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        Mistake("file", "is not a regular file: " + file.string());
    const std::filesystem::path folder = file.parent_path();
    if (!folder.empty() && !std::filesystem::is_directory(folder, ec))
        Mistake("file", "is in a folder that does not exist: " + file.string());
    return file;
}

std::unique_ptr<SimMemory>
ChipSection::Memory(std::size_t size,
                    const std::function<std::vector<std::uint8_t>()>& defaultImage) {
    const std::filesystem::path file = File();
    auto memory = std::make_unique<SimMemory>(file, size, 0xFF);
    if (file.empty())
        memory->Data() = defaultImage();
    return memory;
}

void ChipSection::Finish() const {
    for (const auto& [key, value] : json_->items())
        if (!known_.count(key)) {
            std::string keys;
            for (const std::string& k : known_)
                keys += (keys.empty() ? "" : ", ") + k;
            throw ScenarioMistake("\"" + path_ + "." + key + "\" is not a key of this chip (" +
                                  keys + ")");
        }
}
