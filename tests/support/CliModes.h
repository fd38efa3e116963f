#pragma once
// What the CLI tests know of each working mode that reads and writes a chip, keyed by the mode
// table's name: the size of its chip and of its images, the lines that say a step worked and
// how it refuses. One round trip (read, write another image) serves every mode and every
// backend.
#include "support/Process.h"
#include "support/SimFixture.h"

#include <functional>
#include <string>
#include <vector>

// The contacts of ITE's board in the simulator.
inline constexpr const char* kCliItePins = "PD0=12 PD1=13 PD2=14 PD3=15 PD4=16 PD5=17 PD6=18 "
                                           "PD7=19 BUSY=21 STB=5 AFD=6 INIT=7 SLIN=8 KSI4=9 "
                                           "KSI5=10 KB_pins=26";

struct CliModeCase {
    const char* mode;                       // the mode table's name
    std::vector<std::string> wiring{};      // what each of its commands needs (ITE's contacts)
    std::size_t capacity{};                 // the largest image a write takes
    std::size_t chipSize{};                 // the simulated chip's file, if not `capacity`
    std::string image{};                    // what the round trip writes, as a read gives it
    std::vector<std::string> read{};        // printed by a read with --stats
    std::vector<std::string> writeArgs{};   // its write's options
    std::vector<std::string> write{};       // printed by a write that worked
    bool phaseTable = false;                // its --stats gives each phase's bytes in a row
    std::string refusalChip{};              // its scenario section for the mode's own refusal,
    std::vector<std::string> refusalArgs{}; // the command that meets it,
    std::string refusal{};                  // and the line that says so
    bool judgesImageFirst = false;          // a bad image is refused before the JIG is asked
    bool imageReasonOnErr = false;          // and the reason goes to stderr (else stdout)
    std::string imageRefusedErr{};          // how stderr ends after the reason
    std::string verifyFaultChip{};          // a flash that does not keep what is written,
    std::string verifyFault{};              // the line that names where (64 KiB of 33h)
};

// The case of a working mode; nullptr for a mode that has none.
const CliModeCase* FindCliModeCase(const std::string& mode);
// The mode's command group ("ene").
std::string CliGroup(const CliModeCase& m);
std::size_t ChipSize(const CliModeCase& m);

bool Says(const ProcessResult& r, const std::string& text);
// A mode's name as a test's name ("NUVOTONspi").
std::string ModeTestName(std::string mode);

// A scenario whose section for the mode's chip is `chip` (an object, none when empty), with
// `more` of the scenario's own keys after it.
std::string ChipScenario(const CliModeCase& m, const std::string& chip,
                         const std::string& more = "");

// tolvane-jig-cli with `args` and the device options of one backend.
using CliRun = std::function<ProcessResult(std::vector<std::string> args)>;
// The scenario of a simulated chip kept in `dir`/flash.bin (written with a pattern), so that
// it outlasts one CLI run; returns the scenario file.
std::string FlashScenario(const CliModeCase& m, const TempDir& dir);
// Reads the chip that FlashScenario made and writes m.image; `jigFigures`: the JIG is simulated.
void CliRoundTrip(const CliModeCase& m, const TempDir& dir, const CliRun& cli,
                  bool jigFigures = true);
