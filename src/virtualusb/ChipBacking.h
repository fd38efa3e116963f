#pragma once
// What sits behind a virtual FTDI chip's UART: the simulated JIG in this process, or the
// pseudo-terminal of tolvane-jig-sim.
#include "link/WaitTypes.h"
#include "sim/SimTranscript.h"

#include <cstddef>
#include <cstdint>
#include <optional>

class ChipBacking {
  public:
    virtual ~ChipBacking() = default;

    // Bytes the chip's UART sends to the JIG.
    virtual void Send(const std::uint8_t* data, std::size_t count) = 0;
    // Bytes from the JIG that the chip would put into a packet now, at most `count`.
    virtual std::size_t Take(std::uint8_t* out, std::size_t count) = 0;
    // Bytes from the JIG that are on their way or held back by the chip's latency timer: while
    // there are any, the timer has data to send and sends no status-only packet.
    virtual std::size_t Holding() = 0;
    // Sleeps until Take has something, `until` passes, or the JIG is gone.
    virtual void Await(Deadline until) = 0;
    virtual void Purge(bool fromJig, bool toJig) = 0;
    virtual void SetBaud(std::uint32_t baud) = 0;
    virtual void SetLatency(int ms) = 0;
    virtual void SetEventChar(std::optional<std::uint8_t> b) = 0;
    // Bytes handed to the UART that have not left it yet.
    virtual std::size_t Sending() = 0;
    virtual bool Gone() = 0;
    // The simulated JIG's statistics, when it runs in this process.
    virtual bool Stats(SimStats* /*stats*/) { return false; }
    virtual void Unplug() = 0;
};
