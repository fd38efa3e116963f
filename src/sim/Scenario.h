#pragma once
// What the simulated JIG is: board, firmware, FTDI devices, chip contents, wiring and faults.
// Read from a JSON file; modules read their own section under "chips".
#include "sim/ScenarioTypes.h"

#include <nlohmann/json.hpp>

#include <filesystem>
#include <string>
#include <vector>

struct Scenario {
    std::string board = "pcb3";
    bool pcb3 = true;
    std::string versionText = "M328_EPM240_v16";
    std::string firmwareTag;
    std::vector<std::string> devices{"jig"}; // in index order: "jig" or "silent"
    std::vector<FaultSpec> faults;
    std::vector<EventSpec> events;
    BootloaderSpec bootloader;
    FtdiFaultSpec ftdi;
    bool applicationHung = false; // "application": "hung": the MCU answers nothing until reset
    nlohmann::json chips = nlohmann::json::object();
    nlohmann::json document = nlohmann::json::object();
    std::filesystem::path baseDir = ".";
    SimTiming timing = SimTiming::Wire;
    // How many of the latest bytes on the wire the record keeps: a simulator that serves a
    // technician for hours must not grow by every byte; tests that read whole wires keep all.
    std::size_t transcriptBytes = std::size_t{1} << 16;

    // A file named in the scenario, relative to the scenario's folder.
    std::filesystem::path Resolve(const std::string& file) const;
    const nlohmann::json& Chip(const std::string& name) const;
    // The section of a chip module (SimModule::Name()), as the mode table names it.
    const nlohmann::json& ModuleSection(const std::string& module) const;
};

// `board` may be empty (the scenario's or "pcb3"). Returns false with a reason on bad input.
bool LoadScenario(const std::string& file, const std::string& board, SimTiming timing,
                  Scenario* out, std::string* error);
bool ApplyBoard(const std::string& board, Scenario* scenario, std::string* error);
