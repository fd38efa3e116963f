// The busy MCU's UART: what its two-byte buffer keeps and what is lost.
#include "sim/SimUart.h"

#include "sim/SimWire.h"

#include <algorithm>

namespace {
// The MCU's UART holds two received bytes while its program does something else.
constexpr std::size_t kUartReceiveBuffer = 2;
} // namespace

void SimUart::Arrive(std::uint8_t byte, Deadline at, std::uint64_t write, bool garbled) {
    toJig_.push_back({byte, at, write, emitted_, garbled});
}

std::optional<std::uint8_t> SimUart::Take(Deadline now) {
    if (toJig_.empty() || toJig_.front().at > now)
        return std::nullopt;
    const std::uint8_t b = toJig_.front().byte;
    lastWrite_ = toJig_.front().write;
    lastGarbled_ = toJig_.front().garbled;
    toJig_.pop_front();
    return b;
}

std::optional<Deadline> SimUart::NextArrival() const {
    if (toJig_.empty())
        return std::nullopt;
    return toJig_.front().at;
}

void SimUart::TakeRestOfWrite(std::vector<std::uint8_t>& bytes) {
    while (!toJig_.empty() && toJig_.front().write == lastWrite_) {
        bytes.push_back(toJig_.front().byte);
        toJig_.pop_front();
    }
}

std::size_t SimUart::InFlight(Deadline now) const {
    std::size_t n = 0;
    for (const JigBound& t : toJig_)
        n += t.at > now ? 1 : 0;
    return n;
}

void SimUart::DropInFlight(Deadline now) {
    std::erase_if(toJig_, [now](const JigBound& t) { return t.at > now; });
}

void SimUart::Sent(std::size_t count) {
    if (deaf_)
        promptAt_ = emitted_;
    emitted_ += count;
}

void SimUart::Busy(std::chrono::nanoseconds duration, const std::string& doing) {
    if (!deaf_) {
        deaf_ = true;
        deafNanos_ = 0;
        promptAt_.reset();
    }
    deafDoing_ = doing;
    deafNanos_ += duration.count();
}

std::optional<SimSurprise> SimUart::LoseWhatBusyMissed(std::uint32_t baud) {
    if (!deaf_)
        return std::nullopt;
    deaf_ = false;
    const std::uint64_t prompt = promptAt_.value_or(emitted_);
    std::size_t early = 0;
    while (early < toJig_.size() && toJig_[early].seenReplies <= prompt)
        ++early;
    // Of the bytes sent early, those the wire can bring while the MCU is busy (counted from
    // its start, as if they left at once) meet the full buffer; the later ones find it read.
    const std::size_t arriving = std::min<std::size_t>(
        early, static_cast<std::size_t>(deafNanos_ / SimWire::ByteTime(baud).count()) + 1);
    if (arriving <= kUartReceiveBuffer)
        return std::nullopt;
    SimSurprise lost;
    lost.step = "sent while the JIG was " + deafDoing_ + ", beyond its " +
                std::to_string(kUartReceiveBuffer) + "-byte receive buffer (lost)";
    auto from = toJig_.begin() + static_cast<std::ptrdiff_t>(kUartReceiveBuffer);
    auto to = toJig_.begin() + static_cast<std::ptrdiff_t>(arriving);
    for (auto it = from; it != to; ++it)
        lost.bytes.push_back(it->byte);
    toJig_.erase(from, to);
    return lost;
}
