#pragma once
// The serial flash behind an ITE EC, at the opcode level: chip select, then one byte in and one
// byte out per transfer. It obeys 06 (write enable), 04 (write disable), 05 (status), 03 and 0B
// (read, fast read with its dummy byte), 02 (page program, clearing bits only) and the chip
// erase opcodes it was made with (60 and C7, or one of them: a flash that does not know an
// opcode ignores it and keeps its write enable); erase and program need the write enable, which
// they use up. While they run only 05 is answered, and they last until a status read has seen
// them busy, whatever the timing: a command sent straight after one meets a busy chip, as it
// does on a real one. Not thread-safe: its owner locks.
#include <chrono>
#include <cstdint>
#include <vector>

class IteSerialFlash {
  public:
    // `memory` is the flash's contents (its size is the flash's); the times are those of the
    // chip, zero when the simulation runs without timing.
    IteSerialFlash(std::vector<std::uint8_t>& memory, std::chrono::nanoseconds eraseTime,
                   std::chrono::nanoseconds programTime,
                   std::vector<std::uint8_t> eraseOpcodes = {0x60, 0xC7});

    void Select();
    // Ends the command: an erase or a program starts here.
    void Deselect();
    bool Selected() const { return selected_; }
    // A worn cell: the bits of `mask` at `address` stay 0 after an erase.
    void SetStuckZeroBits(std::uint32_t address, std::uint8_t mask);
    std::uint8_t Transfer(std::uint8_t in);

    // How long the chip still works on its last erase or program, by the clock; it stays busy
    // beyond that until its status was read once.
    std::chrono::nanoseconds RemainingBusy() const;
    bool Busy() const { return unpolled_ || RemainingBusy().count() > 0; }
    int Erases() const { return erases_; }

  private:
    std::uint8_t Status();
    void StartWork(std::chrono::nanoseconds time);
    std::uint8_t ReadByte();

    std::vector<std::uint8_t>& memory_;
    const std::chrono::nanoseconds eraseTime_;
    const std::chrono::nanoseconds programTime_;
    const std::vector<std::uint8_t> eraseOpcodes_;
    bool unpolled_ = false; // an erase or program no status read has seen yet
    std::chrono::steady_clock::time_point busyUntil_{};
    bool selected_ = false;
    bool writeEnabled_ = false;
    bool ignored_ = false; // a command the busy chip does not take
    std::uint8_t opcode_ = 0;
    std::size_t count_ = 0; // bytes of this command so far, its opcode included
    std::uint32_t address_ = 0;
    std::vector<std::pair<std::uint32_t, std::uint8_t>> page_; // bytes of a page program
    int erases_ = 0;
    std::uint32_t stuckAddress_ = 0;
    std::uint8_t stuckMask_ = 0;
};
