#pragma once
// The Nuvoton NPCE controller behind the JIG's JTAG lines, with the JIG firmware code that
// drives them: the line commands 'J' 'S' (SPI on), 'J' 'X' (SPI off, JTAG driven), 'J' '1'
// (Test-Logic-Reset), the shifts 'J' 'i' / 'J' 'd' / 'J' 'D', the pair with trailer 'J' 'T',
// the batch 'J' 'W' and the block read 'J' 'R'. On PCB3 it owns the mode letter 'J' (so it
// answers the line commands whatever chip is behind); on PCB2 the NPCE firmware carries it,
// with 'S' 'R' acknowledged (that board has no CPLD to reset).
//
// The TAP answers only while the JIG drives JTAG (after 'J' 'X'), the board is powered and,
// on PCB3, the CPLD routes ZERO, TCK, TMS and TDI to the cable contacts of the scenario's
// orientation and reads TDO back from its contact; otherwise every shift reads all ones.
//
// Scenario section "npceJtag" (every key optional):
//   "file": flash image (.bin, 128 KiB; written back after each write), else a fixed
//           pseudo-random image kept in memory
//   "id": the JTAG identifier (default 0x0FE2201F)
//   "connected": false for a board that is not powered or not wired
//   "reversed": true for a cable put in pin 1 to pin 30 (the TYPE A routing reaches it)
//   "silentAtBlock": N    the JIG falls silent at block N (0..511) of a read or a write
//   "commitStatus": {"block": N, "status": S}   the commit of block N answers S
//   "eraseNeverEnds": N   the erase of sector N (0..31) never clears the busy bit
//   "eraseMs": T          how long a sector erase keeps the flash busy at wire timing (60)
//   "corruptAfterWrite": {"address": A, "xor": M}  a byte that goes bad once a write ends
#include "sim/SimModule.h"
#include "sim/chips/NpceJtagController.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

class SimMemory;

class SimNpceJtag : public SimModule {
  public:
    static constexpr std::size_t kFlashSize = 128 * 1024;
    static constexpr std::uint32_t kDefaultId = 0x0FE2201F;

    explicit SimNpceJtag(const Scenario& scenario);
    ~SimNpceJtag() override;

    std::string Name() const override { return "npce-jtag"; }
    char Pcb3Prefix() const override { return 'J'; }
    bool Handle(std::uint8_t command, SimContext& ctx) override;

    // For tests, from any thread.
    std::vector<std::uint8_t> Flash() const;
    bool Prepared() const;
    // The image a scenario without a file starts with.
    static std::vector<std::uint8_t> DefaultImage();

  private:
    bool Jtag(std::uint8_t sub, SimContext& ctx);
    bool TapReachable(SimContext& ctx) const;
    void Shift(std::uint8_t sub, SimContext& ctx);
    void Batch(SimContext& ctx);
    void BlockRead(SimContext& ctx);
    [[noreturn]] void FallSilent(SimContext& ctx);
    // Writes what the controller changed into the chip's file; the caller holds mutex_.
    void Persist();
    // The chip's own time (an erase it was just told to do) into the JIG's statistics.
    void ReportChipWork(SimContext& ctx);

    mutable std::mutex mutex_;
    std::unique_ptr<SimMemory> memory_;
    std::unique_ptr<NpceJtagController> controller_;
    bool connected_ = true;
    bool reversed_ = false;
    int silentAtBlock_ = -1;
    int commitFaultBlock_ = -1;
    std::uint8_t commitFaultStatus_ = 0;
    std::optional<std::size_t> corruptAddress_;
    std::uint8_t corruptXor_ = 0x01;
};
