// The transcript, the statistics and the surprises of one simulated JIG.
#include "sim/SimTranscript.h"

#include <algorithm>

std::int64_t SimTranscript::MicrosNow() const {
    return std::chrono::duration_cast<std::chrono::microseconds>(SteadyClock::now() - started_)
        .count();
}

void SimTranscript::HostWrites(Deadline now) {
    if (lastReplyVisible_ > lastHostWrite_ && now > lastReplyVisible_)
        stats_.hostLagNanos +=
            std::chrono::duration_cast<std::chrono::nanoseconds>(now - lastReplyVisible_).count();
    if (replySinceWrite_)
        ++(lastOnEventChar_ ? stats_.repliesOnEventChar : stats_.repliesOnTimer);
    replySinceWrite_ = false;
    // Two writes without a reply between them: the host's time runs from the first.
    if (lastHostWrite_ > started_)
        Timed(SimTimeline::Host, std::max(lastReplyVisible_, lastHostWrite_), now);
    lastHostWrite_ = now;
}

void SimTranscript::Keep(const TranscriptEntry& entry) {
    if (kept_ == 0)
        return;
    if (entries_.size() == kept_)
        entries_.pop_front();
    entries_.push_back(entry);
}

void SimTranscript::ToJig(std::uint8_t byte) {
    Keep({true, byte, MicrosNow()});
    ++stats_.bytesToJig;
}

void SimTranscript::ToHost(std::uint8_t byte, Deadline visible, bool eventChar) {
    lastReplyVisible_ = std::max(lastReplyVisible_, visible);
    lastOnEventChar_ = eventChar;
    replySinceWrite_ = true;
    Keep({false, byte, MicrosNow()});
    ++stats_.bytesToHost;
}

SimSurprise SimTranscript::Surprise(SimSurprise surprise) {
    surprise.atMicros = MicrosNow();
    surprises_.push_back(surprise);
    return surprise;
}

std::vector<std::uint8_t> SimTranscript::Bytes(bool toJig) const {
    std::vector<std::uint8_t> out;
    for (const TranscriptEntry& e : entries_)
        if (e.toJig == toJig)
            out.push_back(e.byte);
    return out;
}

SimStats SimTranscript::Stats(std::int64_t wireNanos) const {
    SimStats stats = stats_;
    stats.wireNanos = wireNanos;
    stats.shares = timeline_.Shares();
    return stats;
}
