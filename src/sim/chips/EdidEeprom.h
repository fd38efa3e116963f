#pragma once
// The panel's 256-byte EDID EEPROM behind the JIG, with the firmware code that reads and
// writes it ('E' 'r', 'E' 'w' on both boards). Scenario, under chips.edid:
//   "file": image file (256 bytes; missing: a built-in laptop panel),
//   "panel": false for a cable with no panel on it, "writeProtected": true for WP held low,
//   "extraReplyBytes": N noise bytes after the status pair of a read.
#include "sim/SimContext.h"
#include "sim/SimModule.h"

#include <mutex>

class ChipSection;

class SimEdidEeprom : public SimModule {
  public:
    explicit SimEdidEeprom(const Scenario& scenario);

    std::string Name() const override { return "edid"; }
    char Pcb3Prefix() const override { return 0; } // 'E' is sent on both boards
    bool Handle(std::uint8_t command, SimContext& ctx) override;

    std::vector<std::uint8_t> Contents() const;
    int Writes() const;

    // The image a panel carries when the scenario names no file.
    static std::vector<std::uint8_t> DefaultImage();

  private:
    explicit SimEdidEeprom(ChipSection&& section);
    void Read(SimContext& ctx);
    void Write(SimContext& ctx);

    const bool panel_;
    const bool writeProtected_;
    const int extraReplyBytes_;
    mutable std::mutex mutex_;
    mutable SimMemory memory_; // SimMemory offers no const view
    int writes_ = 0;
};
