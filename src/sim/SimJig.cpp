#include "sim/SimJig.h"

#include "sim/Scenario.h"
#include "sim/SimContext.h"

#include <algorithm>

namespace {
using std::chrono::nanoseconds;

constexpr std::size_t kUsbPacketPayload = 62;
// The MCU's UART holds two received bytes while its program does something else.
constexpr std::size_t kUartReceiveBuffer = 2;

nanoseconds ByteTime(std::uint32_t baud) {
    return nanoseconds(10'000'000'000LL / baud);
}
} // namespace

SimJig::SimJig(const Scenario& scenario, bool silent)
    : scenario_(std::make_unique<const Scenario>(scenario)), silent_(silent),
      modules_(MakeSimModules(scenario)) {
    board_.pcb3 = scenario.pcb3;
    board_.versionText = scenario.versionText;
    board_.firmwareTag = scenario.firmwareTag;
    board_.applicationHung = scenario.applicationHung;
    program_ = std::thread([this] { ProgramLoop(); });
    if (!silent_ && !scenario_->events.empty())
        events_ = std::thread([this] { EventLoop(); });
}

SimJig::~SimJig() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    cv_.notify_all();
    eventsCv_.notify_all();
    if (events_.joinable())
        events_.join();
    program_.join();
}

void SimJig::EventLoop() {
    std::unique_lock lock(mutex_);
    std::vector<bool> done(scenario_->events.size(), false);
    while (!stop_) {
        const Deadline now = SteadyClock::now();
        Deadline next = Deadline::max();
        bool waiting = false;
        for (std::size_t i = 0; i < done.size(); ++i) {
            if (done[i])
                continue;
            const EventSpec& e = scenario_->events[i];
            std::optional<Deadline> due;
            if (e.atMs >= 0)
                due = started_ + Millis(e.atMs);
            else if (firstCall_)
                due = *firstCall_ + Millis(e.whenCalledMs);
            waiting = true;
            if (!due)
                continue;
            if (*due <= now) {
                done[i] = true;
                PressResetLocked();
            } else {
                next = std::min(next, *due);
            }
        }
        if (!waiting)
            return;
        if (next == Deadline::max())
            eventsCv_.wait(lock);
        else
            eventsCv_.wait_until(lock, next);
    }
}

void SimJig::MarkRunning(const SimProgram& program) {
    std::lock_guard lock(mutex_);
    runningBootloader_ = program.IsBootloader();
}

bool SimJig::InBootloader() {
    std::lock_guard lock(mutex_);
    return runningBootloader_;
}

void SimJig::NoteHostCallLocked(const std::uint8_t* data, std::size_t count) {
    // A bootloader call is a write of the single byte '+' (PCB3), or of 'U' at the M88
    // bootloader's 115200 baud; larger writes are commands or data.
    if (firstCall_ || runningBootloader_ || count != 1)
        return;
    if (data[0] == '+' || (data[0] == 'U' && hostBaud_ == 115200)) {
        firstCall_ = SteadyClock::now();
        eventsCv_.notify_all();
    }
}

void SimJig::ProgramLoop() {
    SimContext ctx(*this);
    std::shared_ptr<SimProgram> program;
    if (!silent_)
        program = MakeApplication(board_);
    for (;;) {
        try {
            if (!program) {
                for (;;)
                    Rx(); // a device with nothing behind it swallows what it gets
            }
            program->Run(ctx);
            return;
        } catch (const SimHalt&) {
            return;
        } catch (const SimSwitch& s) {
            program = s.next;
            MarkRunning(*program);
        }
    }
}

// ---------------------------------------------------------------- program side

void SimJig::CheckRunning(std::unique_lock<std::mutex>& lock) {
    if (stop_ || vanished_.load())
        throw SimHalt{};
    if (resetPressed_) {
        resetPressed_ = false;
        lock.unlock();
        std::shared_ptr<SimProgram> next = MakeBootloader(board_);
        if (!next)
            next = MakeApplication(board_);
        throw SimSwitch{std::move(next)};
    }
}

std::uint8_t SimJig::Rx() {
    std::optional<std::uint8_t> b = RxUntil(Deadline::max());
    return *b;
}

std::optional<std::uint8_t> SimJig::RxUntil(Deadline deadline) {
    std::unique_lock lock(mutex_);
    if (std::optional<SimSurprise> lost = LoseWhatBusyMissedLocked()) {
        lock.unlock();
        ReportSimSurprise(*lost);
        lock.lock();
    }
    for (;;) {
        CheckRunning(lock);
        const Deadline now = SteadyClock::now();
        if (!toJig_.empty() && toJig_.front().at <= now) {
            std::uint8_t b = toJig_.front().byte;
            lastRxWrite_ = toJig_.front().write;
            lastRxGarbled_ = toJig_.front().garbled;
            toJig_.pop_front();
            rxWaiting_ = false;
            ++hostBytes_;
            CheckVanishLocked();
            cv_.notify_all();
            return b;
        }
        if (now >= deadline) {
            rxWaiting_ = false;
            return std::nullopt;
        }
        if (!rxWaiting_) {
            rxWaiting_ = true;
            cv_.notify_all(); // a host read may now see the JIG idle
        }
        Deadline until = deadline;
        if (!toJig_.empty())
            until = std::min(until, toJig_.front().at);
        if (until == Deadline::max())
            cv_.wait(lock);
        else
            cv_.wait_until(lock, until);
    }
}

bool SimJig::FaultSilencesLocked() const {
    for (const FaultSpec& f : scenario_->faults) {
        if (f.type != "silence")
            continue;
        if ((f.afterReplies >= 0 && replies_ >= f.afterReplies) ||
            (f.afterHostBytes >= 0 && hostBytes_ >= f.afterHostBytes))
            return true;
    }
    return false;
}

void SimJig::CheckVanishLocked() {
    for (const FaultSpec& f : scenario_->faults) {
        if (f.type != "vanish")
            continue;
        if ((f.afterReplies >= 0 && replies_ >= f.afterReplies) ||
            (f.afterHostBytes >= 0 && hostBytes_ >= f.afterHostBytes)) {
            vanished_.store(true);
            cv_.notify_all();
        }
    }
}

void SimJig::Tx(const std::uint8_t* data, std::size_t count, std::uint32_t baudAfter) {
    std::unique_lock lock(mutex_);
    CheckRunning(lock);
    if (count == 0)
        return;
    struct BaudAfter {
        std::uint32_t& baud;
        std::uint32_t after;
        ~BaudAfter() {
            if (after != 0)
                baud = after;
        }
    } baudAfterTx{jigBaud_, baudAfter};
    if (deaf_)
        promptAt_ = emitted_;
    emitted_ += count;
    const bool silenced = FaultSilencesLocked();
    Deadline now = SteadyClock::now();
    const bool wire = scenario_->timing == SimTiming::Wire;
    // Real-time faults shape when the reply shows, whatever the timing.
    int splitPieces = 0;
    Millis splitGap{2};
    for (const FaultSpec& f : scenario_->faults) {
        // A delay picks its reply by count, or by a byte it carries (byte counts do not
        // depend on how the JIG's output happens to be grouped).
        const bool byByte = f.replyByte >= 0;
        const bool carries =
            f.replyByte >= replyBytes_ && f.replyByte < replyBytes_ + static_cast<long>(count);
        if (f.type == "delay" &&
            (byByte ? carries : (f.afterReplies < 0 || f.afterReplies == replies_)))
            now += Millis(f.ms);
        if (f.type == "split") {
            splitPieces = std::max(1, f.pieces);
            if (f.ms > 0)
                splitGap = Millis(f.ms);
        }
    }
    const nanoseconds byteTime = ByteTime(jigBaud_);
    for (std::size_t i = 0; i < count; ++i, ++replyBytes_) {
        std::uint8_t b = data[i];
        bool dropped = silenced;
        for (const FaultSpec& f : scenario_->faults) {
            if (f.replyByte != replyBytes_)
                continue;
            if (f.type == "drop")
                dropped = true;
            if (f.type == "corrupt")
                b ^= static_cast<std::uint8_t>(f.xorMask);
        }
        if (dropped)
            continue;
        if (jigBaud_ != hostBaud_)
            b = Garble(b);
        Deadline visible = now;
        if (wire) {
            jigTxEnd_ = std::max(now, jigTxEnd_) + byteTime;
            stats_.wireNanos += byteTime.count();
            // The FTDI chip sends a packet when it is full or its latency timer runs out;
            // the host sees it at the next 1 ms USB frame.
            if (chunkBytes_ == 0 || jigTxEnd_ > chunkFlush_) {
                chunkFlush_ = jigTxEnd_ + Millis(latencyMs_);
                chunkBytes_ = 0;
            }
            ++chunkBytes_;
            visible = chunkFlush_;
            if (chunkBytes_ == kUsbPacketPayload) {
                // A full packet leaves at once, and takes the bytes before it along.
                visible = ToFrame(jigTxEnd_);
                std::size_t earlier = std::min(chunkBytes_ - 1, toHost_.size());
                for (auto it = toHost_.rbegin(); earlier > 0; ++it, --earlier)
                    it->at = std::min(it->at, visible);
                chunkBytes_ = 0;
            }
            visible = ToFrame(visible);
        }
        if (splitPieces > 0)
            visible += splitGap * static_cast<int>(i / splitPieces);
        toHost_.push_back({b, visible});
        lastReplyVisible_ = std::max(lastReplyVisible_, visible);
        transcript_.push_back({false, data[i], MicrosSinceStart(SteadyClock::now())});
        ++stats_.bytesToHost;
    }
    ++replies_;
    CheckVanishLocked();
    cv_.notify_all();
}

std::optional<SimSurprise> SimJig::LoseWhatBusyMissedLocked() {
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
        early, static_cast<std::size_t>(deafNanos_ / ByteTime(jigBaud_).count()) + 1);
    if (arriving <= kUartReceiveBuffer)
        return std::nullopt;
    SimSurprise lost;
    lost.step = "sent while the JIG was " + deafDoing_ + ", beyond its " +
                std::to_string(kUartReceiveBuffer) + "-byte receive buffer (lost)";
    lost.atMicros = MicrosSinceStart(SteadyClock::now());
    auto from = toJig_.begin() + static_cast<std::ptrdiff_t>(kUartReceiveBuffer);
    auto to = toJig_.begin() + static_cast<std::ptrdiff_t>(arriving);
    for (auto it = from; it != to; ++it)
        lost.bytes.push_back(it->byte);
    toJig_.erase(from, to);
    surprises_.push_back(lost);
    return lost;
}

void SimJig::Surprise(const std::string& step, std::vector<std::uint8_t> bytes) {
    SimSurprise s;
    {
        std::lock_guard lock(mutex_);
        while (!toJig_.empty() && toJig_.front().write == lastRxWrite_) {
            bytes.push_back(toJig_.front().byte);
            toJig_.pop_front();
        }
        s.step = step;
        s.bytes = std::move(bytes);
        s.atMicros = MicrosSinceStart(SteadyClock::now());
        surprises_.push_back(s);
    }
    cv_.notify_all();
    ReportSimSurprise(s);
}

bool SimJig::LastRxGarbled() {
    std::lock_guard lock(mutex_);
    return lastRxGarbled_;
}

std::vector<SimSurprise> SimJig::Surprises() {
    std::lock_guard lock(mutex_);
    return surprises_;
}

void SimJig::Busy(nanoseconds duration, const std::string& doing) {
    std::unique_lock lock(mutex_);
    CheckRunning(lock);
    if (!deaf_) {
        deaf_ = true;
        deafNanos_ = 0;
        promptAt_.reset();
    }
    deafDoing_ = doing;
    deafNanos_ += duration.count();
    stats_.jigNanos += duration.count();
    if (scenario_->timing != SimTiming::Wire)
        return;
    busy_ = true;
    const Deadline until = SteadyClock::now() + duration;
    while (!stop_ && !vanished_.load() && SteadyClock::now() < until)
        cv_.wait_until(lock, until);
    busy_ = false;
    cv_.notify_all();
}

void SimJig::SetJigBaud(std::uint32_t baud) {
    std::lock_guard lock(mutex_);
    jigBaud_ = baud;
}

std::uint8_t SimJig::Garble(std::uint8_t b) const {
    // A byte clocked at another baud rate arrives as a different pattern (or a framing error).
    return static_cast<std::uint8_t>((b >> 1) | 0x80);
}

// ---------------------------------------------------------------- host side

Deadline SimJig::ToFrame(Deadline t) const {
    return started_ + std::chrono::ceil<Millis>(t - started_);
}

std::int64_t SimJig::MicrosSinceStart(Deadline t) const {
    return std::chrono::duration_cast<std::chrono::microseconds>(t - started_).count();
}

void SimJig::HostWrite(const std::uint8_t* data, std::size_t count) {
    {
        std::lock_guard lock(mutex_);
        if (vanished_.load())
            return;
        NoteHostCallLocked(data, count);
        const bool wire = scenario_->timing == SimTiming::Wire;
        Deadline now = SteadyClock::now();
        if (lastReplyVisible_ > lastHostWrite_ && now > lastReplyVisible_)
            stats_.hostLagNanos +=
                std::chrono::duration_cast<nanoseconds>(now - lastReplyVisible_).count();
        lastHostWrite_ = now;
        ++hostWrites_;
        if (wire)
            now = ToFrame(now); // a write leaves the host with the next USB frame
        const nanoseconds byteTime = ByteTime(hostBaud_);
        for (std::size_t i = 0; i < count; ++i) {
            std::uint8_t b = data[i];
            Deadline at = now;
            if (wire) {
                hostTxEnd_ = std::max(now, hostTxEnd_) + byteTime;
                at = hostTxEnd_;
                stats_.wireNanos += byteTime.count();
            }
            transcript_.push_back({true, b, MicrosSinceStart(SteadyClock::now())});
            ++stats_.bytesToJig;
            const bool garbled = hostBaud_ != jigBaud_;
            toJig_.push_back({garbled ? Garble(b) : b, at, hostWrites_, emitted_, garbled});
        }
    }
    cv_.notify_all();
}

std::size_t SimJig::VisibleLocked(Deadline now) const {
    std::size_t n = 0;
    for (const TimedByte& t : toHost_) {
        if (t.at > now)
            break;
        ++n;
    }
    return n;
}

std::optional<Deadline> SimJig::NextVisibleLocked(Deadline now) const {
    for (const TimedByte& t : toHost_)
        if (t.at > now)
            return t.at;
    return std::nullopt;
}

bool SimJig::QuietLocked(Deadline now) const {
    return scenario_->timing == SimTiming::Instant && rxWaiting_ && !busy_ && toJig_.empty() &&
           !NextVisibleLocked(now);
}

std::size_t SimJig::HostRead(std::uint8_t* out, std::size_t count) {
    std::lock_guard lock(mutex_);
    const std::size_t n = std::min(count, VisibleLocked(SteadyClock::now()));
    for (std::size_t i = 0; i < n; ++i) {
        out[i] = toHost_.front().byte;
        toHost_.pop_front();
    }
    return n;
}

std::size_t SimJig::HostReadTimed(std::uint8_t* out, std::size_t count, Deadline deadline,
                                  const std::atomic<bool>* interrupt) {
    std::unique_lock lock(mutex_);
    for (;;) {
        const Deadline now = SteadyClock::now();
        const std::size_t visible = VisibleLocked(now);
        if (visible >= count || now >= deadline || QuietLocked(now) || vanished_.load() ||
            (interrupt && interrupt->load()))
            break;
        Deadline until = deadline;
        if (auto next = NextVisibleLocked(now))
            until = std::min(until, *next);
        cv_.wait_until(lock, until);
    }
    const std::size_t n = std::min(count, VisibleLocked(SteadyClock::now()));
    for (std::size_t i = 0; i < n; ++i) {
        out[i] = toHost_.front().byte;
        toHost_.pop_front();
    }
    return n;
}

std::size_t SimJig::HostAvailable() {
    std::lock_guard lock(mutex_);
    return VisibleLocked(SteadyClock::now());
}

std::size_t SimJig::HostQueued() {
    std::lock_guard lock(mutex_);
    return toHost_.size();
}

std::size_t SimJig::HostTxPending() {
    std::lock_guard lock(mutex_);
    const Deadline now = SteadyClock::now();
    std::size_t n = 0;
    for (const TimedByte& t : toJig_)
        n += t.at > now ? 1 : 0;
    return n;
}

WaitOutcome SimJig::HostWaitReceived(std::size_t count, Deadline deadline,
                                     const std::atomic<bool>* interrupt) {
    std::unique_lock lock(mutex_);
    for (;;) {
        if (vanished_.load())
            return WaitOutcome::DeviceError;
        if (interrupt && interrupt->load())
            return WaitOutcome::Cancelled;
        const Deadline now = SteadyClock::now();
        if (VisibleLocked(now) >= count)
            return WaitOutcome::Ready;
        if (now >= deadline)
            return WaitOutcome::TimedOut;
        Deadline until = deadline;
        if (auto next = NextVisibleLocked(now))
            until = std::min(until, *next);
        cv_.wait_until(lock, until);
    }
}

WaitOutcome SimJig::HostWaitSent(Deadline deadline, const std::atomic<bool>* interrupt) {
    std::unique_lock lock(mutex_);
    for (;;) {
        if (vanished_.load())
            return WaitOutcome::DeviceError;
        if (interrupt && interrupt->load())
            return WaitOutcome::Cancelled;
        const Deadline now = SteadyClock::now();
        if (hostTxEnd_ <= now)
            return WaitOutcome::Ready;
        if (now >= deadline)
            return WaitOutcome::TimedOut;
        cv_.wait_until(lock, std::min(deadline, hostTxEnd_));
    }
}

void SimJig::HostPurge(bool rx, bool tx) {
    {
        std::lock_guard lock(mutex_);
        if (rx)
            toHost_.clear();
        if (tx) {
            const Deadline now = SteadyClock::now();
            std::erase_if(toJig_, [now](const TimedByte& t) { return t.at > now; });
        }
        chunkBytes_ = 0;
    }
    cv_.notify_all();
}

void SimJig::SetHostBaud(std::uint32_t baud) {
    std::lock_guard lock(mutex_);
    hostBaud_ = baud;
}

void SimJig::SetHostLatency(int ms) {
    std::lock_guard lock(mutex_);
    latencyMs_ = std::clamp(ms, 1, 255);
}

void SimJig::WakeWaiters() {
    { std::lock_guard lock(mutex_); } // a waiter between its check and its sleep must not miss this
    cv_.notify_all();
}

std::vector<TranscriptEntry> SimJig::Transcript() {
    std::lock_guard lock(mutex_);
    return transcript_;
}

std::vector<std::uint8_t> SimJig::BytesToJig() {
    std::lock_guard lock(mutex_);
    std::vector<std::uint8_t> out;
    for (const TranscriptEntry& e : transcript_)
        if (e.toJig)
            out.push_back(e.byte);
    return out;
}

std::vector<std::uint8_t> SimJig::BytesToHost() {
    std::lock_guard lock(mutex_);
    std::vector<std::uint8_t> out;
    for (const TranscriptEntry& e : transcript_)
        if (!e.toJig)
            out.push_back(e.byte);
    return out;
}

long SimJig::RepliesSent() {
    std::lock_guard lock(mutex_);
    return replies_;
}

SimStats SimJig::Stats() {
    std::lock_guard lock(mutex_);
    return stats_;
}

SimBoardState SimJig::Board() {
    std::lock_guard lock(mutex_);
    return board_;
}

SimModule* SimJig::Module(const std::string& name) {
    for (auto& m : modules_)
        if (m->Name() == name)
            return m.get();
    return nullptr;
}

void SimJig::PressReset() {
    {
        std::lock_guard lock(mutex_);
        PressResetLocked();
    }
    cv_.notify_all();
}

void SimJig::PressResetLocked() {
    if (silent_)
        return; // nothing behind this FTDI chip to reset
    resetPressed_ = true;
    toJig_.clear();
    cv_.notify_all();
}

void SimJig::Vanish() {
    {
        std::lock_guard lock(mutex_);
        vanished_.store(true);
    }
    cv_.notify_all();
}

// ---------------------------------------------------------------- SimContext helpers

std::uint8_t SimContext::Expect(const std::string& step, std::string_view accepted) {
    for (;;) {
        const std::uint8_t b = Rx();
        if (accepted.find(static_cast<char>(b)) != std::string_view::npos)
            return b;
        Surprise(step, {b});
    }
}

std::optional<std::uint8_t> SimContext::RxFor(std::chrono::milliseconds bound) {
    return jig_.RxUntil(SteadyClock::now() + bound);
}

void SimContext::Tx(const std::string& text) {
    jig_.Tx(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}
