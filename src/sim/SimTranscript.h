#pragma once
// The record of one simulated JIG for tests and the CLI's statistics: the latest bytes in both
// directions with their times (at most a given number; the statistics count every byte), the time
// the JIG worked, how long the host lagged behind the replies, and the protocol surprises. SimJig's
// mutex guards it.
#include "link/WaitTypes.h"
#include "sim/SimSurprise.h"
#include "sim/SimTimeline.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <vector>

struct TranscriptEntry {
    bool toJig; // host -> JIG
    std::uint8_t byte;
    std::int64_t atMicros; // since the JIG started
};

struct SimStats {
    std::int64_t wireNanos = 0; // bytes on the wire, both directions
    std::int64_t jigNanos = 0;  // the JIG's own work
    std::uint64_t bytesToJig = 0;
    std::uint64_t bytesToHost = 0;
    // Time the host took to send its next bytes after the JIG's last reply had arrived: what the
    // host adds to a transfer on top of the wire, the USB frames and the JIG.
    std::int64_t hostLagNanos = 0;
    // Replies the host waited for whose last byte was the FTDI chip's event character (sent
    // at once), and the others (held for the latency timer unless they filled a packet).
    std::uint64_t repliesOnEventChar = 0;
    std::uint64_t repliesOnTimer = 0;
    // The wall clock of the exchanges, each moment counted once (wire timing only).
    SimShares shares;
};

class SimTranscript {
  public:
    // `timed`: the wire's timing is real, so the wall clock's shares mean something.
    SimTranscript(Deadline started, std::size_t kept, bool timed)
        : started_(started), kept_(kept), timed_(timed), timeline_(started),
          lastReplyVisible_(started), lastHostWrite_(started) {}

    // The host starts a write at `now`.
    void HostWrites(Deadline now);
    void ToJig(std::uint8_t byte);
    // A byte the JIG sent, which the host sees at `visible`; `eventChar`: it was the FTDI
    // chip's event character.
    void ToHost(std::uint8_t byte, Deadline visible, bool eventChar);
    void JigWorked(std::chrono::nanoseconds duration) { stats_.jigNanos += duration.count(); }
    // Work of one kind between two moments, for the shares of the wall clock.
    void Timed(SimTimeline::Kind kind, Deadline from, Deadline to) {
        if (timed_)
            timeline_.Add(kind, from, to);
    }
    // Records `surprise` as happening now and returns it so.
    SimSurprise Surprise(SimSurprise surprise);

    std::vector<TranscriptEntry> Entries() const { return {entries_.begin(), entries_.end()}; }
    std::vector<std::uint8_t> Bytes(bool toJig) const;
    // The statistics, with the wire's own time.
    SimStats Stats(std::int64_t wireNanos) const;
    const std::vector<SimSurprise>& Surprises() const { return surprises_; }

  private:
    std::int64_t MicrosNow() const;
    void Keep(const TranscriptEntry& entry);

    const Deadline started_;
    const std::size_t kept_;
    const bool timed_;
    std::deque<TranscriptEntry> entries_;
    std::vector<SimSurprise> surprises_;
    SimStats stats_;
    SimTimeline timeline_;
    Deadline lastReplyVisible_;
    bool lastOnEventChar_ = false;
    bool replySinceWrite_ = false;
    Deadline lastHostWrite_;
};
