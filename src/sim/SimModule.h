#pragma once
// A chip behind the JIG together with the firmware code that drives it. One file per chip;
// MakeSimModules (SimModules.cpp) lists them.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class SimContext;
struct Scenario;

class SimModule {
  public:
    virtual ~SimModule() = default;
    virtual std::string Name() const = 0;
    // The PCB3 mode letter that precedes this module's commands, or 0 when they carry none
    // (the module then sees every unclaimed first byte).
    virtual char Pcb3Prefix() const = 0;
    // PCB2 firmware tags ("V41", "V42", "ITE", "NPCE") whose image carries this module: those
    // of the modes it serves in the mode table.
    std::vector<std::string> Pcb2Firmwares() const;
    // A command byte (after the mode letter on PCB3). Returns false when it is not this
    // module's; may read further bytes and stay in its own loop until its operation ends.
    virtual bool Handle(std::uint8_t command, SimContext& ctx) = 0;
};

std::vector<std::unique_ptr<SimModule>> MakeSimModules(const Scenario& scenario);
