#pragma once
// An ITE EC reached through the keyboard connector, with the JIG firmware code that drives its
// parallel flash interface (ITE_PROJ_M88 on a PCB2, the 'T' mode of a PCB3), and the 128 KiB
// serial flash behind it.
//
// The JIG answers bus cycles for the EC only when the fifteen contacts it was given (APPLY)
// reach the EC's signals: the wiring of the motherboard, through the cable. The EC's register
// interface: 0x00 / 0x01 the identifier, 0x02 the revision; 0x27, 0x04, 0x07, 0x06 open the
// flash port (0x27 = 0x01 then 0x80, 0x04 = 0xFF, 0x07 = 0x7F, 0x06 = 0xFF); 0x05 frames a flash
// command (0xFD selects the flash, 0xFE ends the command); 0x08 passes one byte each way. The
// JIG's block commands use the same registers: a block read clocks 256 bytes out of 0x08, a
// block write polls the flash's status until it is ready, then programs 128 bytes (write enable,
// page program 0x02) at the address that 'Y' gave and polls again. A block write without a
// write address before it, or past the end of the flash, is a surprise: the firmware has no
// address to program.
//
// Scenario section "ite" (every key optional):
//   "file": flash image (.bin, 128 KiB; written back after each block write), else a fixed
//           pseudo-random image kept in memory
//   "id": [0x85, 0x12], "revision": 2    what registers 0x00, 0x01, 0x02 hold
//   "connected": false     the board is not powered: the EC answers nothing
//   "wiring": {"PD0": 12, ..., "BUSY": 21, "STB": 5, "AFD": 6, "INIT": 7, "SLIN": 8, "KSI4": 9,
//              "KSI5": 10}   keyboard-connector contact of each signal; signals not named keep
//              those of the default wiring, the first board of "MB connection ITE.txt"
//   "kbPins": 26           contacts of the keyboard connector
//   "chipErase": [96]      the chip erase opcodes the serial flash knows (default [96, 199]:
//                          0x60 and 0xC7)
//   "reversed": true       the cable is turned: JIG contact c reaches contact kbPins - c + 1
// Faults:
//   "silentAtBlock": N     the JIG falls silent at block N of a read or a write
//   "badBlock": N          block N is answered without "o" (a read's 257th byte, a write's
//                          answer) and is not programmed
//   "refuseAddress": R     address cycles with register R are answered "e"
//   "refuseWrite": {"register": R, "value": V}   that data write cycle is answered "e"
//   "addressAnswer": B     what address cycles the EC takes are answered with (default "o")
//   "setupAnswer": B       the answer to enter setup (default "*")
//   "refusePin": "DS"      the triple with this code is refused (setup ends)
//   "endOfSetupAnswer": B  the answer to "QQQ" (default "+" once all fifteen were given)
//   "stuckZeroBits": {"address": A, "mask": M}   a worn flash cell: these bits stay 0 after an
//                          erase, so what is written there reads back different
#include "sim/SimModule.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

class SimMemory;
class IteSerialFlash;

class SimIteEc : public SimModule {
  public:
    static constexpr std::size_t kFlashSize = 128 * 1024;

    explicit SimIteEc(const Scenario& scenario);
    ~SimIteEc() override;

    std::string Name() const override { return "ite"; }
    char Pcb3Prefix() const override { return 'T'; }
    bool Handle(std::uint8_t command, SimContext& ctx) override;

    // For tests, from any thread.
    std::vector<std::uint8_t> Flash() const;
    int Erases() const;
    // The contacts the JIG was last given, by signal ("PD0" ... "KSI5"); empty before a
    // complete APPLY.
    std::map<std::string, int> Assignment() const;
    // The image a scenario without a file starts with.
    static std::vector<std::uint8_t> DefaultImage();
    // The motherboard a scenario without "wiring" has, and its connector.
    static const std::map<std::string, int>& DefaultWiring();
    static constexpr int kDefaultKbPins = 26;

  private:
    bool EcAnswers() const;
    void ResetInterface();
    void WriteRegister(std::uint8_t reg, std::uint8_t value);
    std::uint8_t ReadRegister(std::uint8_t reg);
    bool FlashPortOpen() const;

    void Test(SimContext& ctx);
    void Address(SimContext& ctx);
    void DataWrite(SimContext& ctx);
    void DataRead(SimContext& ctx);
    void Setup(SimContext& ctx);
    void BlockRead(SimContext& ctx);
    void SetWriteAddress(SimContext& ctx);
    void BlockWrite(SimContext& ctx);
    [[noreturn]] void FallSilent(SimContext& ctx);
    // The JIG's status poll on the flash port; false when the flash never says ready. The
    // caller holds mutex_.
    bool PollReady();

    mutable std::mutex mutex_;
    std::unique_ptr<SimMemory> memory_;
    std::unique_ptr<IteSerialFlash> flash_;

    // The motherboard.
    std::array<std::uint8_t, 3> id_{0x85, 0x12, 0x02};
    bool connected_ = true;
    std::map<std::string, int> wiring_;
    int kbPins_ = kDefaultKbPins;
    bool reversed_ = false;
    // What the JIG was told.
    std::map<std::string, int> given_;
    // The EC's register interface.
    std::array<std::uint8_t, 256> registers_{};
    std::uint8_t address_ = 0;
    bool armed_ = false;    // 0x27 = 0x01 seen
    bool unlocked_ = false; // then 0x27 = 0x80
    // The JIG's transfers.
    int readBlocks_ = 0;
    int writeBlocks_ = 0;
    std::optional<std::uint32_t> writeAddress_; // none before 'Y' and past the flash's end
    bool dirty_ = false;                        // the flash changed since it was loaded or saved
    // Faults.
    int silentAtBlock_ = 0;
    int badBlock_ = 0;
    std::optional<std::uint8_t> refuseAddress_;
    std::optional<std::pair<std::uint8_t, std::uint8_t>> refuseWrite_;
    std::uint8_t addressAnswer_ = 'o';
    std::uint8_t setupAnswer_ = '*';
    std::string refusePin_;
    std::optional<std::uint8_t> endOfSetupAnswer_;
};
