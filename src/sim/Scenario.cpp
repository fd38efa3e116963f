#include "sim/Scenario.h"

#include "modetable/ModeTable.h"
#include "port/RegularFile.h"
#include "sim/ChipScenario.h"
#include "sim/SimModule.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <limits>

const std::vector<BoardPreset>& BoardPresets() {
    static const std::vector<BoardPreset> presets{
        {"pcb3", true, "M328_EPM240_v16", ""},        {"pcb3-old", true, "M328_EPM240_v15", ""},
        {"pcb2-v41", false, "M88_ALLPCB_V41", "V41"}, {"pcb2-v42", false, "M88_JTAG_V42", "V42"},
        {"pcb2-ite", false, "ITE_PROJ_M88", "ITE"},   {"pcb2-npce", false, "M88_NPCE288", "NPCE"},
    };
    return presets;
}

const BoardPreset* FindBoardPreset(const std::string& name) {
    for (const BoardPreset& p : BoardPresets())
        if (name == p.name)
            return &p;
    return nullptr;
}

std::string BoardPresetNames() {
    std::string names;
    for (const BoardPreset& p : BoardPresets()) {
        names += names.empty() ? "" : ", ";
        names += p.name;
    }
    return names;
}

std::filesystem::path Scenario::Resolve(const std::string& file) const {
    std::filesystem::path p(file);
    return p.is_absolute() ? p : baseDir / p;
}

const nlohmann::json& Scenario::Chip(const std::string& name) const {
    static const nlohmann::json empty = nlohmann::json::object();
    auto it = chips.find(name);
    return it != chips.end() && it->is_object() ? *it : empty;
}

const nlohmann::json& Scenario::ModuleSection(const std::string& module) const {
    for (const ModeEntry& m : Modes())
        if (module == m.simModule)
            return Chip(m.scenarioSection);
    return Chip("");
}

bool ApplyBoard(const std::string& board, Scenario* s, std::string* error) {
    const BoardPreset* p = FindBoardPreset(board);
    if (!p) {
        std::string names;
        for (const BoardPreset& b : BoardPresets())
            names += std::string(names.empty() ? "" : ", ") + b.name;
        *error = "unknown simulated board \"" + board + "\" (known: " + names + ")";
        return false;
    }
    s->board = p->name;
    s->pcb3 = p->pcb3;
    s->versionText = p->versionText;
    s->firmwareTag = p->firmwareTag;
    return true;
}

namespace {
// A day in milliseconds: beyond it a delay is a mistake, not a test.
constexpr long long kMostMs = 24LL * 3600 * 1000;

long Whole(const nlohmann::json& j, const char* key, long fallback) {
    return static_cast<long>(WholeNumber(j, key, fallback, -1, std::numeric_limits<long>::max()));
}

bool ReadFault(const nlohmann::json& j, FaultSpec* f, std::string* error) {
    if (!j.is_object() || !j.contains("type") || !j["type"].is_string()) {
        *error = "a fault needs a \"type\"";
        return false;
    }
    static const std::pair<const char*, FaultType> known[] = {
        {"silence", FaultType::Silence}, {"drop", FaultType::Drop},
        {"corrupt", FaultType::Corrupt}, {"split", FaultType::Split},
        {"vanish", FaultType::Vanish},   {"delay", FaultType::Delay}};
    const std::string type = j["type"].get<std::string>();
    const auto it = std::find_if(std::begin(known), std::end(known),
                                 [&](const auto& k) { return type == k.first; });
    if (it == std::end(known)) {
        *error = "unknown fault type \"" + type + "\"";
        return false;
    }
    f->type = it->second;
    f->afterReplies = Whole(j, "afterReplies", -1);
    f->afterHostBytes = Whole(j, "afterHostBytes", -1);
    f->replyByte = Whole(j, "replyByte", -1);
    f->xorMask = static_cast<int>(WholeNumber(j, "xor", 0x01, 0, 0xFF));
    f->pieces = static_cast<int>(WholeNumber(j, "pieces", 0, 0, kMostMs));
    f->ms = static_cast<int>(WholeNumber(j, "ms", 0, 0, kMostMs));
    return true;
}

bool ReadFtdiFaults(const nlohmann::json& j, FtdiFaultSpec* f, std::string* error) {
    static const std::vector<std::string> calls{"FT_GetDriverVersion", "FT_ResetDevice",
                                                "FT_SetBaudRate",      "FT_SetDataCharacteristics",
                                                "FT_SetTimeouts",      "FT_SetLatencyTimer"};
    f->listFails = j.value("listFails", false);
    if (j.contains("openFails"))
        for (const long long n : WholeNumbers(j["openFails"], "openFails", 0, kMostMs))
            f->openFails.push_back(static_cast<int>(n));
    f->failingCalls = j.value("failingCalls", std::vector<std::string>{});
    for (const std::string& c : f->failingCalls)
        if (std::find(calls.begin(), calls.end(), c) == calls.end()) {
            *error = "\"failingCalls\" names set-up calls (FT_ResetDevice ...), not \"" + c + "\"";
            return false;
        }
    return true;
}

// Each chip section names a chip and holds what its model knows; the models throw
// ScenarioMistake for the rest, so they are built once here to say so before anything runs.
void CheckChips(const Scenario& s) {
    if (!s.chips.is_object())
        throw ScenarioMistake("\"chips\" is an object of chip sections, not " + s.chips.dump());
    for (const auto& item : s.chips.items()) {
        const std::string name = item.key();
        const nlohmann::json& section = item.value();
        const bool known = std::any_of(Modes().begin(), Modes().end(), [&](const ModeEntry& m) {
            return name == m.scenarioSection;
        });
        if (!known) {
            std::string names;
            for (const ModeEntry& m : Modes())
                if (names.find("\"" + std::string(m.scenarioSection) + "\"") == std::string::npos)
                    names +=
                        std::string(names.empty() ? "" : ", ") + "\"" + m.scenarioSection + "\"";
            throw ScenarioMistake("\"chips." + name + "\" is not a chip (" + names + ")");
        }
        if (!section.is_object())
            throw ScenarioMistake("\"chips." + name + "\" is an object of keys, not " +
                                  section.dump());
    }
    MakeSimModules(s);
}

bool ReadEvent(const nlohmann::json& j, EventSpec* e, std::string* error) {
    if (!j.is_object() || j.value("type", std::string()) != "resetButton") {
        *error = "an event needs \"type\": \"resetButton\"";
        return false;
    }
    e->type = "resetButton";
    e->atMs = Whole(j, "atMs", -1);
    e->whenCalledMs = Whole(j, "whenCalledMs", -1);
    if ((e->atMs < 0) == (e->whenCalledMs < 0)) {
        *error = "a resetButton event needs one of \"atMs\" or \"whenCalledMs\" (0 or more)";
        return false;
    }
    return true;
}
} // namespace

bool LoadScenario(const std::string& file, const std::string& board, SimTiming timing, Scenario* s,
                  std::string* error) {
    *s = Scenario{};
    s->timing = timing;
    if (!file.empty()) {
        // A folder, a device or a pipe would throw or never end.
        if (const std::string problem = RegularFileProblem(file, kLargestFileToRead);
            !problem.empty()) {
            *error = FileProblemLine(file, problem);
            return false;
        }
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            *error = FileProblemLine(file, std::strerror(errno));
            return false;
        }
        nlohmann::json doc = nlohmann::json::parse(in, nullptr, false);
        if (doc.is_discarded() || !doc.is_object()) {
            *error = "scenario file " + file + " is not a JSON object";
            return false;
        }
        s->document = doc;
        s->baseDir = std::filesystem::absolute(file).parent_path();
        try {
            const std::string chosen =
                !board.empty() ? board : doc.value("board", std::string("pcb3"));
            if (!ApplyBoard(chosen, s, error))
                return false;
            if (doc.contains("version"))
                s->versionText = doc["version"].get<std::string>();
            if (doc.contains("devices")) {
                s->devices = doc["devices"].get<std::vector<std::string>>();
                for (const std::string& d : s->devices)
                    if (d != "jig" && d != "silent") {
                        *error = "a device is \"jig\" or \"silent\", not \"" + d + "\"";
                        return false;
                    }
            }
            if (doc.contains("faults"))
                for (const nlohmann::json& f : doc["faults"]) {
                    FaultSpec spec;
                    if (!ReadFault(f, &spec, error))
                        return false;
                    s->faults.push_back(spec);
                }
            if (doc.contains("events"))
                for (const nlohmann::json& e : doc["events"]) {
                    EventSpec spec;
                    if (!ReadEvent(e, &spec, error))
                        return false;
                    s->events.push_back(spec);
                }
            if (doc.contains("bootloader")) {
                const nlohmann::json& b = doc["bootloader"];
                s->bootloader.rejectRecord = Whole(b, "rejectRecord", -1);
                s->bootloader.refuseEntry = b.value("refuseEntry", false);
            }
            if (doc.contains("ftdi") && !ReadFtdiFaults(doc["ftdi"], &s->ftdi, error))
                return false;
            if (doc.contains("application")) {
                const std::string a = doc["application"].get<std::string>();
                if (a != "running" && a != "hung") {
                    *error = "\"application\" is \"running\" or \"hung\", not \"" + a + "\"";
                    return false;
                }
                s->applicationHung = a == "hung";
            }
            if (doc.contains("chips")) {
                s->chips = doc["chips"];
                CheckChips(*s);
            }
        } catch (const nlohmann::json::exception& e) {
            *error = "scenario file " + file + ": " + e.what();
            return false;
        } catch (const ScenarioMistake& e) {
            *error = "scenario file " + file + ": " + e.what();
            return false;
        }
    }
    if (file.empty() && !ApplyBoard(board.empty() ? "pcb3" : board, s, error))
        return false;
    return true;
}
