// The scenario's faults on replies and on the device, by the counts they trigger on.
#include "sim/SimFaults.h"

#include <algorithm>

bool SimFaults::Triggered(FaultType type) const {
    for (const FaultSpec& f : faults_) {
        if (f.type != type)
            continue;
        if ((f.afterReplies >= 0 && replies_ >= f.afterReplies) ||
            (f.afterHostBytes >= 0 && hostBytes_ >= f.afterHostBytes))
            return true;
    }
    return false;
}

SimFaults::Reply SimFaults::PlanReply(std::size_t count) const {
    Reply reply;
    reply.silenced = Triggered(FaultType::Silence);
    for (const FaultSpec& f : faults_) {
        // A delay picks its reply by count, or by a byte it carries (byte counts do not depend
        // on how the JIG's output happens to be grouped).
        const bool byByte = f.replyByte >= 0;
        const bool carries =
            f.replyByte >= replyBytes_ && f.replyByte < replyBytes_ + static_cast<long>(count);
        if (f.type == FaultType::Delay &&
            (byByte ? carries : (f.afterReplies < 0 || f.afterReplies == replies_)))
            reply.delay += Millis(f.ms);
        if (f.type == FaultType::Split) {
            reply.splitPieces = std::max(1, f.pieces);
            if (f.ms > 0)
                reply.splitGap = Millis(f.ms);
        }
    }
    return reply;
}

std::chrono::nanoseconds SimFaults::Reply::Later(std::size_t i) const {
    if (splitPieces <= 0)
        return std::chrono::nanoseconds(0);
    return splitGap * static_cast<int>(i / splitPieces);
}

std::optional<std::uint8_t> SimFaults::ReplyByte(std::uint8_t b, const Reply& reply) {
    bool dropped = reply.silenced;
    for (const FaultSpec& f : faults_) {
        if (f.replyByte != replyBytes_)
            continue;
        if (f.type == FaultType::Drop)
            dropped = true;
        if (f.type == FaultType::Corrupt)
            b ^= static_cast<std::uint8_t>(f.xorMask);
    }
    ++replyBytes_;
    if (dropped)
        return std::nullopt;
    return b;
}
