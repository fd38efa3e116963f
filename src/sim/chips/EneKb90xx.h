#pragma once
// The ENE KB90xx EC behind the JIG, with the JIG firmware code that drives it over the
// keyboard-connector lines.
//
// Scenario section "ene" (every key optional):
//   "file": flash image (.bin, 128 KiB; written back after each write), else a fixed
//           pseudo-random image kept in memory
//   "debugVersion": the byte answered to 'V' (0xFF means no EC)
//   "connected": false for a board that is not powered or not wired
//   "wiring": "soldered" (default: wires on the JIG's default lines, answered after
//             RESET_ALTERA) or "ffc" (a flexible cable: the CPLD must route the lines)
//   "connector": {"KSO3": 12, "KSI4": 5, "KSI5": 6, "KSI6": 7, "KSI7": 8} motherboard pins
//   "cable": 30, "mirrored": false   the cable between the connector and the JIG
//   "silentAtBlock": N     the JIG falls silent before sending or acknowledging block N
//   "failBlock": N         block N fails: 'E' instead of 'G', nothing programmed
//   "corruptAfterWrite": {"address": A, "xor": M}  a byte that goes bad once a write ends
//   "swapAfterWrite": A    bytes A and A+1 trade places once a write ends (the sum stays)
//   "checksumAnswer": [b0, b1, b2, b3]  PCB2: what 'S' answers, whatever the flash holds
//   "checksumNoise": N     PCB2: N stray bytes ('.') among the 'S' pass's '-' bytes
//
// The JIG erases the whole flash when a write starts (the host sends no erase of its own);
// each block is then programmed flash-like, clearing bits only.
#include "sim/SimModule.h"

#include <array>
#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

class SimMemory;

class SimEneKb90xx : public SimModule {
  public:
    static constexpr std::size_t kFlashSize = 128 * 1024;
    static constexpr std::size_t kBlockSize = 256;
    static constexpr int kBlocks = 512;

    explicit SimEneKb90xx(const Scenario& scenario);
    ~SimEneKb90xx() override;

    std::string Name() const override { return "ene"; }
    char Pcb3Prefix() const override { return 'K'; }
    bool Handle(std::uint8_t command, SimContext& ctx) override;

    // For tests, from any thread.
    std::vector<std::uint8_t> Flash() const;
    int Erases() const;
    // The image a scenario without a file starts with.
    static std::vector<std::uint8_t> DefaultImage();

  private:
    struct Lines {
        int zero, cs, dataFrom, dataTo, clk; // cable contacts 1..32
    };

    bool EcReachable(SimContext& ctx) const;
    void Read(SimContext& ctx);
    void Write(SimContext& ctx);
    void Checksum(SimContext& ctx);
    [[noreturn]] void FallSilent(SimContext& ctx);

    mutable std::mutex mutex_;
    std::unique_ptr<SimMemory> memory_;
    int erases_ = 0;

    std::uint8_t debugVersion_ = 11;
    bool connected_ = true;
    std::optional<Lines> ffc_; // nothing: soldered wires
    bool ffcMisfit_ = false;   // the connector's pins do not reach the cable
    int silentAtBlock_ = 0;
    int failBlock_ = 0;
    int checksumNoise_ = 0;
    std::optional<std::size_t> corruptAddress_;
    std::optional<std::size_t> swapAddress_;
    std::optional<std::array<std::uint8_t, 4>> checksumAnswer_;
    std::uint8_t corruptXor_ = 0x01;
};
