#pragma once
// The wire between the host and the JIG: each byte's time at its side's baud rate, the FTDI
// chip's USB packets and latency timer, the 1 ms USB frames, and so when the host sees each
// byte the JIG sent. Instant timing keeps only the order. SimJig's mutex guards it.
#include "link/WaitTypes.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>

class SimWire {
  public:
    // `wire`: realistic timing; otherwise every byte is there at once.
    SimWire(Deadline started, bool wire) : started_(started), wire_(wire) {}

    static std::chrono::nanoseconds ByteTime(std::uint32_t baud);
    // A byte clocked at another baud rate arrives as a different pattern (or a framing error).
    static std::uint8_t Garble(std::uint8_t b) {
        return static_cast<std::uint8_t>((b >> 1) | 0x80);
    }

    void SetHostBaud(std::uint32_t baud) { hostBaud_ = baud; }
    void SetJigBaud(std::uint32_t baud) { jigBaud_ = baud; }
    std::uint32_t HostBaud() const { return hostBaud_; }
    std::uint32_t JigBaud() const { return jigBaud_; }
    bool BaudsDiffer() const { return hostBaud_ != jigBaud_; }
    void SetLatency(int ms);
    // The FTDI chip's event character: receiving it sends what the chip holds at the next USB
    // frame instead of when the latency timer runs out.
    void SetEventChar(std::optional<std::uint8_t> b) { eventChar_ = b; }
    bool IsEventChar(std::uint8_t b) const { return eventChar_ == b; }

    // ---- host to JIG
    // A write leaves the host with the next USB frame.
    Deadline HostWriteLeaves(Deadline now) const { return wire_ ? ToFrame(now) : now; }
    // When the next byte of a write that left at `leaves` reaches the JIG's UART.
    Deadline HostByteArrives(Deadline leaves);
    // When the last byte the host wrote is out.
    Deadline HostTxEnd() const { return hostTxEnd_; }

    // ---- JIG to host
    // Queues a byte the JIG sends at `now`, `later` after the wire would show it; returns when
    // the host sees it.
    Deadline JigSends(std::uint8_t b, Deadline now, std::chrono::nanoseconds later);
    // When the last byte the JIG sent is out of its UART.
    Deadline JigTxEnd() const { return jigTxEnd_; }
    std::size_t Visible(Deadline now) const;
    std::optional<Deadline> NextVisible(Deadline now) const;
    // Takes at most `count` of the bytes visible at `now`.
    std::size_t Read(std::uint8_t* out, std::size_t count, Deadline now);
    // Every byte the JIG has sent that the host has not read, visible yet or not.
    std::size_t Queued() const { return toHost_.size(); }
    // `rx`: drops what the host has not read; the FTDI chip's packet starts afresh either way.
    void Purge(bool rx);

    // Time bytes spent on the wire, both directions.
    std::int64_t Nanos() const { return nanos_; }

  private:
    struct HostBound {
        std::uint8_t byte;
        Deadline visible;
    };
    Deadline ToFrame(Deadline t) const; // the next 1 ms USB frame
    // The chip's packet leaves now: its bytes are seen at the frame after `at`.
    Deadline SendPacket(Deadline at);

    const Deadline started_;
    const bool wire_;
    std::deque<HostBound> toHost_;
    std::uint32_t hostBaud_ = 921600;
    std::uint32_t jigBaud_ = 921600;
    int latencyMs_ = 16;
    std::optional<std::uint8_t> eventChar_;
    Deadline hostTxEnd_ = started_;
    Deadline jigTxEnd_ = started_;
    Deadline chunkFlush_ = started_;
    std::size_t chunkBytes_ = 0;
    std::int64_t nanos_ = 0;
};
