#pragma once
// Every mode that reads and writes a chip, driven the same way for the safety-net tests: a
// simulated JIG with the chip's memory in a file, a read, a write, and what the chip holds.
#include "modes/Edid/EdidEngine.h"
#include "modes/Ite/IteEngine.h"
#include "modes/Kb901x_form/Kb901xEngine.h"
#include "modes/Npce/NpceEngine.h"
#include "modes/Nuvoton_jtag_form/NuvotonJtagEngine.h"
#include "safety/SafetyOptions.h"
#include "sim/chips/EdidEeprom.h"
#include "sim/chips/EneKb90xx.h"
#include "sim/chips/IteEc.h"
#include "sim/chips/NpceJtag.h"
#include "sim/chips/NpceSpi.h"
#include "support/RecordingItePort.h"
#include "support/RecordingPort.h"
#include "support/SimFixture.h"

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

class ModeDriver {
  public:
    virtual ~ModeDriver() = default;
    // The scenario's section of the chip ("ene", "npce-spi" ...) and the board it runs on.
    virtual const char* Section() const = 0;
    virtual std::size_t Size() const = 0;
    // The engine on `sim`.
    virtual void Attach(std::shared_ptr<SimFtdiApi> sim) = 0;
    // True when the operation succeeded.
    virtual bool Read(const std::string& file, const SafetyOptions& safety) = 0;
    virtual bool Write(const std::string& file, const SafetyOptions& safety) = 0;
    virtual std::vector<std::string> Lines() const = 0;
    // The engine is idle and its link closed.
    virtual bool Idle() const = 0;
    // Every wait bounded by half a second, so that a silent JIG ends a test quickly.
    virtual void ShortBounds() = 0;
    // Keys of the chip's scenario section that make it fall silent in the middle of a read.
    virtual std::string BrokenReadKeys() const { return R"("silentAtBlock": 100)"; }
    virtual void Detach() = 0;
};

// `board`: a board that runs the mode; `name`: for test names.
struct ModeCase {
    const char* name;
    const char* board;
    std::function<std::unique_ptr<ModeDriver>()> make;
};

inline void PrintTo(const ModeCase& c, std::ostream* out) {
    *out << c.name;
}

// The mode's engine as its window and its command line drive it.
std::vector<ModeCase> SafetyModeCases();
// The bytes that start the erase or the write of the chip of a scenario `section`; no read
// sends them.
std::vector<std::uint8_t> EraseOrWriteCommand(const std::string& section, bool pcb3);
