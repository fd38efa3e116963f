#pragma once
// The MCU's UART receive side: the host's bytes on their way in, and what the MCU misses while
// it is busy. A busy MCU does not read its UART: what arrives waits in the UART's two-byte
// buffer and what does not fit is lost. Judged by causality (each host byte carries how many
// bytes the JIG had sent when it was written) and by the busy spell's modelled duration, never
// by the clock. SimJig's mutex guards it.
#include "link/WaitTypes.h"
#include "sim/SimSurprise.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

class SimUart {
  public:
    // A byte of the host's write number `write`; `garbled`: sent at another baud rate.
    void Arrive(std::uint8_t byte, Deadline at, std::uint64_t write, bool garbled);
    // The next byte that has arrived by `now`.
    std::optional<std::uint8_t> Take(Deadline now);
    std::optional<Deadline> NextArrival() const;
    // Moves the rest of the write that the byte taken last came in to `bytes`.
    void TakeRestOfWrite(std::vector<std::uint8_t>& bytes);
    // Whether the byte taken last was sent at another baud rate (noise).
    bool LastGarbled() const { return lastGarbled_; }
    bool Empty() const { return toJig_.empty(); }
    // Bytes still on their way at `now`.
    std::size_t InFlight(Deadline now) const;
    void DropInFlight(Deadline now);
    void Clear() { toJig_.clear(); }

    // The program sends `count` bytes (a reply that may end a busy spell).
    void Sent(std::size_t count);
    // The MCU works for `duration` without reading its UART.
    void Busy(std::chrono::nanoseconds duration, const std::string& doing);
    // Ends a busy spell, at a UART running at `baud`: drops the bytes it missed and returns
    // them as a surprise (not yet timed), or nothing when the buffer held them all.
    std::optional<SimSurprise> LoseWhatBusyMissed(std::uint32_t baud);

  private:
    struct JigBound {
        std::uint8_t byte;
        Deadline at;
        std::uint64_t write;       // which of the host's writes brought it
        std::uint64_t seenReplies; // how many bytes the JIG had sent by then
        bool garbled;
    };

    std::deque<JigBound> toJig_;
    std::uint64_t emitted_ = 0;   // bytes the JIG's program sent, before any fault
    std::uint64_t lastWrite_ = 0; // the write of the byte the program took last
    bool lastGarbled_ = false;
    // `promptAt_` is the number of bytes sent before the reply that ended the busy spell; a
    // host that waited for that reply wrote after it.
    bool deaf_ = false;
    std::string deafDoing_;
    std::int64_t deafNanos_ = 0; // how long the MCU has been busy in this spell
    std::optional<std::uint64_t> promptAt_;
};
