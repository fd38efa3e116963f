#pragma once
// Each mode's operations run once on a given JIG, with what must hold afterwards whatever the
// JIG answered. The fuzz harnesses run them on the fuzzed JIG; the seed test runs them on the
// simulated JIG and replays the recording.
#include "link/FtdiApi.h"
#include "modes/Ite/IteSignals.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct ModeRunResult {
    bool succeeded = false;
    // Properties that did not hold (empty when all did).
    std::vector<std::string> broken;
    // What the operator was told, shown with a broken property.
    std::vector<std::string> lines;
};

struct FuzzMode {
    const char* name; // the harness's: "ene" is ene-reply-fuzz
    // The operations by their selector byte (the first byte of a fuzz input).
    std::vector<std::pair<std::uint8_t, const char*>> operations;
    ModeRunResult (*run)(std::uint8_t selector, const std::shared_ptr<FtdiApi>& api);
};

const std::vector<FuzzMode>& FuzzModes();
const FuzzMode& FindFuzzMode(const std::string& name);

// The harness body: the first byte selects the operation, the rest drives the fuzzed JIG.
int RunFuzzedMode(const std::string& name, const std::uint8_t* data, std::size_t size);

// The boxes that reach the simulated ITE EC when its scenario names no wiring.
IteAssignment SimulatedIteBoxes();
