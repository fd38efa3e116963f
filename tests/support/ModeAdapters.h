#pragma once
// Every operation of every mode behind one call: the engine started on a given JIG as its
// window starts it, waited for, and what it left behind. The fault matrix, the safety-net tests
// and the fuzz harnesses all run the modes through this one table.
#include "link/FtdiApi.h"
#include "operation/Outcome.h"
#include "safety/SafetyOptions.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct ModeRequest {
    std::shared_ptr<FtdiApi> api;
    std::string file; // where a read goes, what a write takes
    // Every wait of the engine gets this bound; its own bounds when empty. The EEPROM and the
    // keyboard tester have only fixed ones.
    std::optional<std::chrono::milliseconds> bound;
    SafetyOptions safety;
    // The high bits of a fuzz input's first byte pick a variant: 0x80 the MEC info block, an
    // ITE box left empty, the ENE cable's other end; 0x02 the JTAG cable's other end, the
    // EEPROM write's "no" to a bad checksum, the keyboard's buzzer off; 0x01 the keyboard's
    // current hidden.
    std::uint8_t variant = 0;
    // A keyboard scan is stopped after three answers, or left to end by itself.
    bool scanToItsEnd = false;
};

struct ModeResult {
    Outcome outcome = Outcome::None;
    bool succeeded = false;
    bool idle = false;            // state "NONE", no end timer armed
    bool linkClosed = false;      // and the mode's own file
    bool controlsEnabled = false; // the window can start the next operation
    bool namesStep = false;       // a line (or the failed step) says where it stopped
    // The mode's own properties that did not hold (a failure that says nothing, a successful
    // read whose file is not the whole chip ...): empty when all did.
    std::vector<std::string> broken;
    std::string failedStep;
    std::vector<std::string> lines;        // of the operation itself, not of the steps before it
    std::vector<std::string> earlierLines; // of those steps (MEC's erase before its write)
    std::vector<std::string> messages;
};

struct ModeAdapter {
    const char* mode;      // its name in the mode table
    const char* operation; // "read", "write", "check", "erase", "apply", "ffc", "scan"
    std::vector<std::string> boards;
    // A read's whole file, or the image a write takes (0: neither), and the unit a read that
    // ended early leaves whole.
    std::uintmax_t fileSize = 0;
    std::uintmax_t blockSize = 0;
    ModeResult (*run)(const ModeAdapter& self, const ModeRequest& request);
    bool Reads() const { return std::string_view(operation) == "read"; }
    bool Writes() const { return std::string_view(operation) == "write"; }
};

const std::vector<ModeAdapter>& ModeAdapters();
// Nullptr when the mode has no such operation.
const ModeAdapter* FindModeAdapter(std::string_view mode, std::string_view operation);
