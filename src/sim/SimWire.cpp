// When each byte reaches the other side: byte times, USB packets and frames, the latency timer.
#include "sim/SimWire.h"

#include <algorithm>

namespace {
constexpr std::size_t kUsbPacketPayload = 62;
} // namespace

std::chrono::nanoseconds SimWire::ByteTime(std::uint32_t baud) {
    return std::chrono::nanoseconds(10'000'000'000LL / baud);
}

void SimWire::SetLatency(int ms) {
    latencyMs_ = std::clamp(ms, 1, 255);
}

Deadline SimWire::ToFrame(Deadline t) const {
    return started_ + std::chrono::ceil<Millis>(t - started_);
}

Deadline SimWire::SendPacket(Deadline at) {
    const Deadline visible = ToFrame(at);
    std::size_t earlier = std::min(chunkBytes_ - 1, toHost_.size());
    for (auto it = toHost_.rbegin(); earlier > 0; ++it, --earlier)
        it->visible = std::min(it->visible, visible);
    chunkBytes_ = 0;
    return visible;
}

Deadline SimWire::HostByteArrives(Deadline leaves) {
    if (!wire_)
        return leaves;
    const std::chrono::nanoseconds byteTime = ByteTime(hostBaud_);
    hostTxEnd_ = std::max(leaves, hostTxEnd_) + byteTime;
    nanos_ += byteTime.count();
    return hostTxEnd_;
}

Deadline SimWire::JigSends(std::uint8_t b, Deadline now, std::chrono::nanoseconds later) {
    Deadline visible = now;
    if (wire_) {
        const std::chrono::nanoseconds byteTime = ByteTime(jigBaud_);
        jigTxEnd_ = std::max(now, jigTxEnd_) + byteTime;
        nanos_ += byteTime.count();
        // The FTDI chip sends a packet when it is full or its latency timer runs out; the host
        // sees it at the next 1 ms USB frame.
        if (chunkBytes_ == 0 || jigTxEnd_ > chunkFlush_) {
            chunkFlush_ = jigTxEnd_ + Millis(latencyMs_);
            chunkBytes_ = 0;
        }
        ++chunkBytes_;
        visible = ToFrame(chunkFlush_);
        // A full packet, or the event character, leaves at once and takes the bytes before it.
        if (chunkBytes_ == kUsbPacketPayload || IsEventChar(b))
            visible = SendPacket(jigTxEnd_);
    }
    visible += later;
    toHost_.push_back({b, visible});
    return visible;
}

std::size_t SimWire::Visible(Deadline now) const {
    std::size_t n = 0;
    for (const HostBound& t : toHost_) {
        if (t.visible > now)
            break;
        ++n;
    }
    return n;
}

std::optional<Deadline> SimWire::NextVisible(Deadline now) const {
    for (const HostBound& t : toHost_)
        if (t.visible > now)
            return t.visible;
    return std::nullopt;
}

std::size_t SimWire::Read(std::uint8_t* out, std::size_t count, Deadline now) {
    const std::size_t n = std::min(count, Visible(now));
    for (std::size_t i = 0; i < n; ++i) {
        out[i] = toHost_.front().byte;
        toHost_.pop_front();
    }
    return n;
}

void SimWire::Purge(bool rx) {
    if (rx)
        toHost_.clear();
    chunkBytes_ = 0;
}
