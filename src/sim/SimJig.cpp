#include "sim/SimJig.h"

#include "sim/Scenario.h"
#include "sim/SimContext.h"

#include <algorithm>

SimJig::SimJig(const Scenario& scenario, bool silent)
    : scenario_(std::make_unique<const Scenario>(scenario)), silent_(silent),
      modules_(MakeSimModules(scenario)), wire_(started_, scenario.timing == SimTiming::Wire),
      faults_(scenario_->faults),
      transcript_(started_, scenario.transcriptBytes, scenario.timing == SimTiming::Wire) {
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
    if (data[0] == '+' || (data[0] == 'U' && wire_.HostBaud() == 115200)) {
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
    if (std::optional<SimSurprise> lost = uart_.LoseWhatBusyMissed(wire_.JigBaud())) {
        const SimSurprise recorded = transcript_.Surprise(std::move(*lost));
        lock.unlock();
        ReportSimSurprise(recorded);
        lock.lock();
    }
    for (;;) {
        CheckRunning(lock);
        const Deadline now = SteadyClock::now();
        const std::optional<Deadline> arrived = uart_.NextArrival();
        if (std::optional<std::uint8_t> b = uart_.Take(now)) {
            transcript_.Timed(SimTimeline::SimLag, *arrived, now);
            mcuAwake_ = now;
            rxWaiting_ = false;
            faults_.HostByteTaken();
            CheckVanishLocked();
            cv_.notify_all();
            return *b;
        }
        if (now >= deadline) {
            rxWaiting_ = false;
            mcuAwake_ = now;
            return std::nullopt;
        }
        if (!rxWaiting_) {
            rxWaiting_ = true;
            cv_.notify_all(); // a host read may now see the JIG idle
        }
        Deadline until = deadline;
        if (std::optional<Deadline> next = uart_.NextArrival())
            until = std::min(until, *next);
        if (until == Deadline::max())
            cv_.wait(lock);
        else
            cv_.wait_until(lock, until);
    }
}

void SimJig::CheckVanishLocked() {
    if (faults_.Vanishes()) {
        vanished_.store(true);
        cv_.notify_all();
    }
}

void SimJig::Tx(const std::uint8_t* data, std::size_t count, std::uint32_t baudAfter) {
    std::unique_lock lock(mutex_);
    CheckRunning(lock);
    if (count == 0)
        return;
    uart_.Sent(count);
    transcript_.Timed(SimTimeline::SimLag, mcuAwake_, SteadyClock::now());
    const SimFaults::Reply reply = faults_.PlanReply(count);
    const Deadline now = SteadyClock::now() + reply.delay;
    for (std::size_t i = 0; i < count; ++i) {
        std::optional<std::uint8_t> b = faults_.ReplyByte(data[i], reply);
        if (!b)
            continue;
        if (wire_.BaudsDiffer())
            b = SimWire::Garble(*b);
        const Deadline visible = wire_.JigSends(*b, now, reply.Later(i));
        transcript_.ToHost(data[i], visible, wire_.IsEventChar(*b));
        const Deadline onWire = wire_.JigTxEnd();
        transcript_.Timed(SimTimeline::Wire, onWire - SimWire::ByteTime(wire_.JigBaud()), onWire);
        transcript_.Timed(SimTimeline::Usb, onWire, visible);
    }
    faults_.ReplyDone();
    CheckVanishLocked();
    cv_.notify_all();
    if (baudAfter != 0)
        wire_.SetJigBaud(baudAfter);
}

void SimJig::Surprise(const std::string& step, std::vector<std::uint8_t> bytes) {
    SimSurprise s;
    {
        std::lock_guard lock(mutex_);
        uart_.TakeRestOfWrite(bytes);
        s.step = step;
        s.bytes = std::move(bytes);
        s = transcript_.Surprise(std::move(s));
    }
    cv_.notify_all();
    ReportSimSurprise(s);
}

bool SimJig::LastRxGarbled() {
    std::lock_guard lock(mutex_);
    return uart_.LastGarbled();
}

std::vector<SimSurprise> SimJig::Surprises() {
    std::lock_guard lock(mutex_);
    return transcript_.Surprises();
}

void SimJig::Busy(std::chrono::nanoseconds duration, const std::string& doing,
                  SimTimeline::Kind kind) {
    std::unique_lock lock(mutex_);
    CheckRunning(lock);
    uart_.Busy(duration, doing);
    transcript_.JigWorked(duration);
    if (!WireTiming())
        return;
    busy_ = true;
    const Deadline from = SteadyClock::now();
    transcript_.Timed(SimTimeline::SimLag, mcuAwake_, from);
    const Deadline until = from + duration;
    while (!stop_ && !vanished_.load() && SteadyClock::now() < until)
        cv_.wait_until(lock, until);
    busy_ = false;
    transcript_.Timed(kind, from, until);
    mcuAwake_ = SteadyClock::now();
    transcript_.Timed(SimTimeline::SimLag, until, mcuAwake_);
    cv_.notify_all();
}

void SimJig::ChipWorks(std::chrono::nanoseconds duration) {
    std::lock_guard lock(mutex_);
    const Deadline now = SteadyClock::now();
    transcript_.Timed(SimTimeline::Chip, now, now + duration);
}

bool SimJig::WireTiming() const {
    return scenario_->timing == SimTiming::Wire;
}

void SimJig::SetJigBaud(std::uint32_t baud) {
    std::lock_guard lock(mutex_);
    wire_.SetJigBaud(baud);
}

// ---------------------------------------------------------------- host side

void SimJig::HostWrite(const std::uint8_t* data, std::size_t count) {
    {
        std::lock_guard lock(mutex_);
        if (vanished_.load())
            return;
        NoteHostCallLocked(data, count);
        const Deadline now = SteadyClock::now();
        transcript_.HostWrites(now);
        ++hostWrites_;
        const Deadline leaves = wire_.HostWriteLeaves(now);
        const std::chrono::nanoseconds byteTime = SimWire::ByteTime(wire_.HostBaud());
        transcript_.Timed(SimTimeline::Usb, now, leaves);
        for (std::size_t i = 0; i < count; ++i) {
            const std::uint8_t b = data[i];
            const Deadline at = wire_.HostByteArrives(leaves);
            transcript_.Timed(SimTimeline::Wire, at - byteTime, at);
            transcript_.ToJig(b);
            const bool garbled = wire_.BaudsDiffer();
            uart_.Arrive(garbled ? SimWire::Garble(b) : b, at, hostWrites_, garbled);
        }
    }
    cv_.notify_all();
}

bool SimJig::QuietLocked(Deadline now) const {
    return scenario_->timing == SimTiming::Instant && rxWaiting_ && !busy_ && uart_.Empty() &&
           !wire_.NextVisible(now);
}

std::size_t SimJig::HostRead(std::uint8_t* out, std::size_t count) {
    std::lock_guard lock(mutex_);
    return wire_.Read(out, count, SteadyClock::now());
}

std::size_t SimJig::HostReadTimed(std::uint8_t* out, std::size_t count, Deadline deadline,
                                  const std::atomic<bool>* interrupt) {
    std::unique_lock lock(mutex_);
    for (;;) {
        const Deadline now = SteadyClock::now();
        const std::size_t visible = wire_.Visible(now);
        if (visible >= count || now >= deadline || QuietLocked(now) || vanished_.load() ||
            (interrupt && interrupt->load()))
            break;
        Deadline until = deadline;
        if (auto next = wire_.NextVisible(now))
            until = std::min(until, *next);
        cv_.wait_until(lock, until);
    }
    return wire_.Read(out, count, SteadyClock::now());
}

std::size_t SimJig::HostAvailable() {
    std::lock_guard lock(mutex_);
    return wire_.Visible(SteadyClock::now());
}

std::size_t SimJig::HostQueued() {
    std::lock_guard lock(mutex_);
    return wire_.Queued();
}

std::size_t SimJig::HostTxPending() {
    std::lock_guard lock(mutex_);
    return uart_.InFlight(SteadyClock::now());
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
        if (wire_.Visible(now) >= count)
            return WaitOutcome::Ready;
        if (now >= deadline)
            return WaitOutcome::TimedOut;
        Deadline until = deadline;
        if (auto next = wire_.NextVisible(now))
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
        if (wire_.HostTxEnd() <= now)
            return WaitOutcome::Ready;
        if (now >= deadline)
            return WaitOutcome::TimedOut;
        cv_.wait_until(lock, std::min(deadline, wire_.HostTxEnd()));
    }
}

void SimJig::HostPurge(bool rx, bool tx) {
    {
        std::lock_guard lock(mutex_);
        wire_.Purge(rx);
        if (tx)
            uart_.DropInFlight(SteadyClock::now());
    }
    cv_.notify_all();
}

void SimJig::SetHostBaud(std::uint32_t baud) {
    std::lock_guard lock(mutex_);
    wire_.SetHostBaud(baud);
}

void SimJig::SetHostLatency(int ms) {
    std::lock_guard lock(mutex_);
    wire_.SetLatency(ms);
}

// A USB control transfer: the host waits for the next frame, as for its writes.
void SimJig::SetHostEventChar(std::optional<std::uint8_t> b) {
    Deadline done;
    {
        std::lock_guard lock(mutex_);
        const Deadline now = SteadyClock::now();
        done = wire_.HostWriteLeaves(now);
        transcript_.Timed(SimTimeline::Usb, now, done);
        wire_.SetEventChar(b);
    }
    std::this_thread::sleep_until(done);
}

void SimJig::WakeWaiters() {
    { std::lock_guard lock(mutex_); } // a waiter between its check and its sleep must not miss this
    cv_.notify_all();
}

std::vector<TranscriptEntry> SimJig::Transcript() {
    std::lock_guard lock(mutex_);
    return transcript_.Entries();
}

std::vector<std::uint8_t> SimJig::BytesToJig() {
    std::lock_guard lock(mutex_);
    return transcript_.Bytes(true);
}

std::vector<std::uint8_t> SimJig::BytesToHost() {
    std::lock_guard lock(mutex_);
    return transcript_.Bytes(false);
}

long SimJig::RepliesSent() {
    std::lock_guard lock(mutex_);
    return faults_.Replies();
}

SimStats SimJig::Stats() {
    std::lock_guard lock(mutex_);
    return transcript_.Stats(wire_.Nanos());
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
    uart_.Clear();
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
