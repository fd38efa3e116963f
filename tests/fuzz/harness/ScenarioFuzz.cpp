// The simulator's scenario files: any bytes load or are refused with a reason, and every chip
// module takes its section of a loaded one. Chip image files are left out ("file" keys are
// dropped): what a module reads from disk is not the scenario's text.
#include "sim/Scenario.h"
#include "sim/SimModule.h"
#include "support/FuzzCheck.h"
#include "support/FuzzFile.h"

namespace {
void DropFiles(nlohmann::json& j) {
    if (j.is_object()) {
        j.erase("file");
        for (auto& [key, value] : j.items())
            DropFiles(value);
    } else if (j.is_array()) {
        for (auto& value : j)
            DropFiles(value);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto file = FuzzFile("scenario.json", data, size);
    Scenario s;
    std::string error;
    if (!LoadScenario(file, "", SimTiming::Instant, &s, &error)) {
        FUZZ_CHECK(!error.empty());
        return 0;
    }
    FUZZ_CHECK(FindBoardPreset(s.board) != nullptr);
    DropFiles(s.chips);
    const auto modules = MakeSimModules(s);
    FUZZ_CHECK(!modules.empty());
    return 0;
}
