#pragma once
// The scenario's faults, injected between the JIG's program and the wire: silence from some
// step on, a dropped or corrupted reply byte, a delayed reply or one split into pieces, and a
// device that vanishes. Counts what they trigger on; SimJig's mutex guards it.
#include "link/WaitTypes.h"
#include "sim/ScenarioTypes.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

class SimFaults {
  public:
    // `faults` must outlive this.
    explicit SimFaults(const std::vector<FaultSpec>& faults) : faults_(faults) {}

    // How the next reply, of `count` bytes, leaves.
    struct Reply {
        bool silenced = false;
        std::chrono::nanoseconds delay{0};
        int splitPieces = 0; // bytes per piece; 0: not split
        Millis splitGap{2};
        // How much later than the wire would show it byte `i` of the reply shows.
        std::chrono::nanoseconds Later(std::size_t i) const;
    };
    Reply PlanReply(std::size_t count) const;
    // The next reply byte as it leaves, or nothing when it is dropped.
    std::optional<std::uint8_t> ReplyByte(std::uint8_t b, const Reply& reply);
    void ReplyDone() { ++replies_; }
    void HostByteTaken() { ++hostBytes_; }
    long Replies() const { return replies_; }
    bool Vanishes() const { return Triggered(FaultType::Vanish); }

  private:
    bool Triggered(FaultType type) const;

    const std::vector<FaultSpec>& faults_;
    long replies_ = 0;
    long replyBytes_ = 0;
    long hostBytes_ = 0;
};
