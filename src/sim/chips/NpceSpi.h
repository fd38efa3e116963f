#pragma once
// The SPI flash of a Nuvoton NPCE288N/388N behind the JIG, with the JIG firmware code that
// drives it: the M88_NPCE288 firmware on a PCB2, the 'N' commands of the one firmware on a PCB3.
// The SPI lines come from the JIG's own SPI header, not through the PCB3 CPLD, so the CPLD's
// routing does not matter to this chip.
//
// Scenario section "npce-spi" (every key optional):
//   "file": flash image (.bin, 128 KiB; written back after each write), else a fixed
//           pseudo-random image kept in memory
//   "id": [b0, b1, b2, b3]   the answer to the flash ID command (default EF 40 12 11)
//   "connected": false       nothing on the SPI lines: the ID reads FF FF FF FF, every read
//                            gives FFh, the erase and the programming fail
//   "silentAtBlock": N       the JIG falls silent before sending read block N (of 256) or
//                            after taking write block N (of 512)
//   "failBlock": N           write block N is not programmed: status 00h
//   "corruptAfterWrite": {"address": A, "xor": M}  a byte that reads back wrong once a write
//                            stream ends
//   "eraseFails": true       the erase answers 00h and leaves the flash as it was
//   "notBlankAt": A          the erase leaves the byte at A programmed (00h), so the blank
//                            check finds it
//   "endStatus": S           the status byte that ends every read stream (default 01h)
//   "surplusAtBlock": N      read block N comes with one byte too many
//
// Command set (after 'N' on a PCB3): 'Z' flash ID (4 bytes back); 'e' erase (2 bytes back, 01h
// first when erased); 'x' blank check (2 bytes back, 01h first when every byte is FFh); 'r'
// read stream: 512-byte blocks, each next one asked for with 'r', ended by '-' (2 bytes back:
// the status, then the number of blocks sent); 'w' write stream: '*' when ready, 256 data
// bytes, a status byte (00h failed, 01h programmed), then 'w' for the next block or 07h to end
// it (1 byte back). A write stream starts only after the flash ID, an erase that took and a
// blank check that found the flash clear, in that order and each once since the last stream;
// else it is a protocol surprise.
#include "sim/SimModule.h"

#include <array>
#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

class SimMemory;

class SimNpceSpi : public SimModule {
  public:
    static constexpr std::size_t kFlashSize = 128 * 1024;
    static constexpr std::size_t kReadBlock = 512;
    static constexpr int kReadBlocks = 256;
    static constexpr std::size_t kWriteBlock = 256;
    static constexpr int kWriteBlocks = 512;

    explicit SimNpceSpi(const Scenario& scenario);
    ~SimNpceSpi() override;

    std::string Name() const override { return "npce-spi"; }
    char Pcb3Prefix() const override { return 'N'; }
    bool Handle(std::uint8_t command, SimContext& ctx) override;

    // For tests, from any thread.
    std::vector<std::uint8_t> Flash() const;
    int Erases() const;
    // The image a scenario without a file starts with.
    static std::vector<std::uint8_t> DefaultImage();

  private:
    void Identify(SimContext& ctx);
    void Erase(SimContext& ctx);
    void BlankCheck(SimContext& ctx);
    void Read(SimContext& ctx);
    void Write(SimContext& ctx);
    [[noreturn]] void FallSilent(SimContext& ctx);

    mutable std::mutex mutex_;
    std::unique_ptr<SimMemory> memory_;
    int erases_ = 0;

    std::array<std::uint8_t, 4> id_{0xEF, 0x40, 0x12, 0x11};
    bool connected_ = true;
    int silentAtBlock_ = 0;
    int failBlock_ = 0;
    std::optional<std::size_t> corruptAddress_;
    std::uint8_t corruptXor_ = 0x01;
    bool eraseFails_ = false;
    std::optional<std::size_t> notBlankAt_;
    std::uint8_t endStatus_ = 0x01;
    int surplusAtBlock_ = 0;
    // How far the steps before a write stream went: ID, erase, blank check.
    enum class Prepared { Nothing, Identified, Erased, Blank } prepared_ = Prepared::Nothing;
};
