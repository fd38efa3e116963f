#pragma once
// The Microchip MEC16xx EC behind the JIG, reached over JTAG, with the JIG firmware code that
// drives it: the PCB2 "V42" firmware ('1', 'j', 'r', 'w', 'R', 'W', '0') and the PCB3
// firmware's 'M' commands ('M' 'j', 'M' 'r', 'M' 'w', 'M' 'R', 'M' 'W'). On PCB3 the JTAG
// wires are soldered to the JIG's own lines: the chip answers after RESET_ALTERA, with the
// CPLD in its power-up routing.
//
// Scenario section "mec" (every key optional):
//   "file": MAIN (196608 bytes) followed by INFO (2048 bytes), as "mec read --info" writes
//           it; written back after each erase and write. Else a fixed pseudo-random image
//           kept in memory.
//   "id": the JTAG ID, a number (b0 of the answer is its most significant byte)
//   "connected": false for no chip on the JTAG wires (the ID reads FFFFFFFFh)
//   "fwp": true for a flash write protected by the nFWP pin (bit 4 of FF390Ch)
//   "bootLock": true for a locked boot block (bit 3 of FF390Ch)
//   "regFFFD00": what FFFD00h reads
//   "eraseMs": how long an erase keeps the busy bit at wire timing (instant timing: two
//              status reads)
//   "stuckBusy": true for an erase that never clears the busy bit
//   "silentAtBlock": N   the JIG falls silent before sending read block N, or after taking
//                        the data of write block N
//   "badStatusAtBlock": N  read block N ends with status 00h; write block N is answered
//                        'E' and not programmed
// Read blocks count over the flash: MAIN 1..192, INFO 193 and 194.
//
// The chip is strict about its registers, in their order: FF3910h = 1 opens access, then
// FF3908h = 105h arms one read stream, 106h and FF3904h = 0 one write stream, 107h one erase
// (FF3904h = its argument); FF3908h = 100h ends the flash mode (another may follow), then
// FF3908h = 0 and FF3910h = 0 end access. Anything out of that order, a stream or an erase
// that was not armed, FF3910h = 1 while an earlier operation's access is still open, and a
// register written while the flash is erasing are protocol surprises. Programming only clears
// bits. The JIG's lines are strict too (sim/JtagLines.h): no command before SPI_OFF and
// JTAG_RESET (PCB2: '1'), and no new session (ID read) before the last one gave them back.
#include "sim/SimModule.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

class SimMemory;

class SimMec16xx : public SimModule {
  public:
    static constexpr std::size_t kMainSize = 196608;
    static constexpr std::size_t kInfoSize = 2048;
    static constexpr std::size_t kImageSize = kMainSize + kInfoSize;
    static constexpr std::uint32_t kDefaultId = 0x0216A445;

    explicit SimMec16xx(const Scenario& scenario);
    ~SimMec16xx() override;

    std::string Name() const override { return "mec"; }
    char Pcb3Prefix() const override { return 'M'; }
    bool Handle(std::uint8_t command, SimContext& ctx) override;

    // For tests, from any thread: MAIN followed by INFO.
    std::vector<std::uint8_t> Image() const;
    int Erases() const;
    // The image a scenario without a file starts with.
    static std::vector<std::uint8_t> DefaultImage();

  private:
    bool Reachable(SimContext& ctx) const;
    // The six or eight ASCII hex digits after a command; nothing (a surprise) when one is not.
    std::optional<std::uint32_t> TakeHex(SimContext& ctx, int digits, std::uint8_t command,
                                         const std::string& step);
    void JtagReset(SimContext& ctx);
    void ReadId(SimContext& ctx, const std::vector<std::uint8_t>& frame);
    void ReadRegister(SimContext& ctx, std::uint8_t command);
    void WriteRegister(SimContext& ctx, std::uint8_t command);
    bool TakeRegisterWrite(SimContext& ctx, std::uint32_t address, std::uint32_t value);
    void ReadStream(SimContext& ctx, std::uint8_t command);
    void WriteStream(SimContext& ctx, std::uint8_t command);
    std::uint8_t StatusByte(SimContext& ctx);
    bool Erasing(SimContext& ctx);
    [[noreturn]] void FallSilent(SimContext& ctx);

    mutable std::mutex mutex_;
    std::unique_ptr<SimMemory> memory_;
    int erases_ = 0;

    std::uint32_t id_ = kDefaultId;
    bool connected_ = true;
    bool fwp_ = false;
    bool bootLock_ = false;
    std::uint32_t regFffd00_ = 0x00160900;
    std::chrono::milliseconds eraseTime_{1200};
    bool stuckBusy_ = false;
    int silentAtBlock_ = 0;
    int badStatusAtBlock_ = 0;
    // The reply to a read of this register carries one byte too many.
    long long surplusRegister_ = -1;

    // Registers and the flash controller, on the program thread only.
    std::uint32_t access_ = 0;        // FF3910h
    std::uint32_t mode_ = 0;          // FF3908h
    std::uint32_t eraseArgument_ = 0; // FF3904h
    bool armed_ = false;              // one stream or erase may start
    std::optional<std::chrono::steady_clock::time_point> eraseEnds_;
    int busyPollsLeft_ = 0; // instant timing
    // The JIG's release count when the open session read the ID.
    std::optional<unsigned> sessionReleases_;
};
