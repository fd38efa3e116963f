#pragma once
// Each mode's operations run once on a given JIG (support/ModeAdapters.h), with what must hold
// afterwards whatever the JIG answered. The fuzz harnesses run them on the fuzzed JIG; the seed
// test runs them on the simulated JIG and replays the recording.
#include "link/FtdiApi.h"

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
    const char* mode; // as the mode table names it
    // The operations by their selector byte (the first byte of a fuzz input): its value modulo
    // their count picks one, its high bits a variant (ModeRequest::variant).
    std::vector<const char*> operations;
    // Selectors worth a seed each: every operation, and the variants that differ on the wire.
    std::vector<std::pair<std::uint8_t, const char*>> seeds;
};

const std::vector<FuzzMode>& FuzzModes();
const FuzzMode& FindFuzzMode(const std::string& name);
ModeRunResult RunFuzzMode(const FuzzMode& mode, std::uint8_t selector,
                          const std::shared_ptr<FtdiApi>& api);

// The harness body: the first byte selects the operation, the rest drives the fuzzed JIG.
int RunFuzzedMode(const std::string& name, const std::uint8_t* data, std::size_t size);
