#pragma once
// Where the wall clock of a simulated JIG's exchanges went. Each piece of work is an interval
// of one kind; overlapping time counts once, for the kind that ranks first (bytes on the wire
// before the JIG's own work, before the chip's, before a reply held by the FTDI chip, before
// the host), so the shares add up to the time the exchanges took. SimJig's mutex guards it.
#include "link/WaitTypes.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <vector>

struct SimShares {
    std::int64_t wireNanos = 0; // bytes on the wire, either way
    std::int64_t jigNanos = 0;  // the JIG's MCU at work
    std::int64_t chipNanos = 0; // the chip on its own clock: erases, programming
    std::int64_t usbNanos = 0;  // replies held by the FTDI chip, writes waiting for a USB frame
    std::int64_t hostNanos = 0; // the host between a reply and its next write
    // The simulated MCU's thread waking later than the byte or the work it waited for.
    std::int64_t simLagNanos = 0;
    // From the first piece of work to the end of the last one.
    std::int64_t spanNanos = 0;

    std::int64_t Sum() const {
        return wireNanos + jigNanos + chipNanos + usbNanos + hostNanos + simLagNanos;
    }
};

class SimTimeline {
  public:
    // In rank order.
    enum Kind { Wire, Jig, Chip, Usb, Host, SimLag, kKinds };

    explicit SimTimeline(Deadline started) : started_(started) {}

    void Add(Kind kind, Deadline from, Deadline to);
    SimShares Shares() const;

  private:
    struct Span {
        std::int64_t from, to;
    };
    // Shares of the intervals before `until` into `into` (the rest is left alone).
    void Sweep(std::int64_t until, SimShares& into) const;
    // Settles what lies well behind the newest work, so that a JIG serving for hours keeps
    // a bounded record.
    void Settle();

    const Deadline started_;
    std::array<std::vector<Span>, kKinds> spans_;
    std::size_t count_ = 0;
    std::int64_t settledUntil_ = 0;
    std::int64_t first_ = -1;
    std::int64_t last_ = 0;
    SimShares settled_;
};
