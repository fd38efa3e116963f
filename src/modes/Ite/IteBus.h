#pragma once
// The ITE mode firmware's command set as the PC uses it: the JIG performs the bus cycles on the
// EC's parallel flash interface. On a PCB3 every command carries the mode letter 'T' (and its
// data write is 'D' instead of 'W'); the pin-assignment triples, "QQQ" and the finish bytes go
// without it on both boards.
#include "link/ProgrammerLink.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace Ite {
inline constexpr char kPcb3Prefix = 'T';
inline constexpr std::uint8_t kDone = 'o';    // the EC answered, the cycle is done
inline constexpr std::uint8_t kNoEc = 'e';    // the EC did not answer an address cycle
inline constexpr std::uint8_t kSetupOn = '*'; // the JIG takes pin assignments
inline constexpr std::uint8_t kAccepted = '+';
inline constexpr std::size_t kReadBlock = 256;
inline constexpr std::size_t kReadReply = kReadBlock + 1; // the data, then "o"
inline constexpr std::size_t kWriteBlock = 128;
} // namespace Ite

enum class IteCommand { Test, Address, DataWrite, DataRead, EnterSetup };

// A single-byte reply, or how the wait for it ended.
struct IteReply {
    WaitOutcome outcome = WaitOutcome::TimedOut;
    std::uint8_t byte = 0;
    bool Arrived() const { return outcome == WaitOutcome::Ready; }
    bool Is(std::uint8_t expected) const { return Arrived() && byte == expected; }
};

namespace IteFrames {
std::vector<std::uint8_t> Command(bool pcb3, IteCommand kind, std::uint8_t value = 0);
std::vector<std::uint8_t> PinAssignment(const char code[3], std::uint8_t contact);
std::vector<std::uint8_t> EndOfSetup();
std::vector<std::uint8_t> BlockRead(bool pcb3);
std::vector<std::uint8_t> SetWriteAddress(bool pcb3, std::uint32_t address);
std::vector<std::uint8_t> BlockWrite(bool pcb3, std::span<const std::uint8_t> block);
} // namespace IteFrames

class IteBus {
  public:
    explicit IteBus(ProgrammerLink& link) : link_(link) {}

    bool Pcb3() const { return link_.IsPcb3(); }
    // Sends one frame and waits for its one-byte reply.
    IteReply Exchange(std::span<const std::uint8_t> frame, Millis bound);
    IteReply Command(IteCommand kind, std::uint8_t value, Millis bound);
    // Address cycle with `reg`, then (only when it was answered "o") data write of `value`. The
    // reply that ended it: "o" when both cycles were done.
    IteReply RegisterWrite(std::uint8_t reg, std::uint8_t value, Millis bound);
    // "I" or "O": no reply is awaited, only that the byte has left.
    void Finish(bool success, Millis bound);

  private:
    ProgrammerLink& link_;
};
