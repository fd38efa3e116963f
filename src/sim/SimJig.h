#pragma once
// One simulated JIG behind one FTDI device: the byte queues in both directions with their
// timing, the faults of the scenario, the transcript, and the MCU's program on its own thread.
// All state is guarded by one mutex; every wait sleeps on one condition variable.
#include "link/WaitTypes.h"
#include "sim/ScenarioTypes.h"
#include "sim/SimBoardState.h"
#include "sim/SimModule.h"
#include "sim/SimProgram.h"
#include "sim/SimSurprise.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

struct Scenario;

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
};

// Unwinds the program: the JIG stops (shut-down or vanished device).
struct SimHalt {};
// Unwinds the program so that another one runs (bootloader entry, reset, start of a new image).
struct SimSwitch {
    std::shared_ptr<SimProgram> next;
};

class SimJig {
  public:
    // `silent`: an FTDI device with nothing behind it that answers.
    SimJig(const Scenario& scenario, bool silent);
    ~SimJig();
    SimJig(const SimJig&) = delete;
    SimJig& operator=(const SimJig&) = delete;

    // ---- host side (an FTDI handle or the pty bridge)
    void HostWrite(const std::uint8_t* data, std::size_t count);
    // Reads what is visible now, at most `count`.
    std::size_t HostRead(std::uint8_t* out, std::size_t count);
    // D2XX read: returns when `count` bytes are visible, the deadline passes, or (instant
    // timing) the JIG is idle and nothing more can come without the host.
    std::size_t HostReadTimed(std::uint8_t* out, std::size_t count, Deadline deadline,
                              const std::atomic<bool>* interrupt);
    std::size_t HostAvailable();
    // Every byte the JIG has sent that the host has not read, visible yet or not.
    std::size_t HostQueued();
    std::size_t HostTxPending();
    WaitOutcome HostWaitReceived(std::size_t count, Deadline deadline,
                                 const std::atomic<bool>* interrupt);
    WaitOutcome HostWaitSent(Deadline deadline, const std::atomic<bool>* interrupt);
    void HostPurge(bool rx, bool tx);
    void SetHostBaud(std::uint32_t baud);
    void SetHostLatency(int ms);
    void WakeWaiters();
    bool Vanished() const { return vanished_.load(); }
    bool Silent() const { return silent_; }

    // ---- observation and scenario events (any thread)
    std::vector<TranscriptEntry> Transcript();
    std::vector<std::uint8_t> BytesToJig();
    std::vector<std::uint8_t> BytesToHost();
    SimStats Stats();
    SimBoardState Board();
    SimModule* Module(const std::string& name);
    // Every protocol surprise so far, in order.
    std::vector<SimSurprise> Surprises();
    // Replies the program has sent so far (what "afterReplies" faults count).
    long RepliesSent();
    // The reset button: the MCU leaves whatever it runs for its bootloader.
    void PressReset();
    void Vanish();
    // Whether the MCU runs a bootloader now.
    bool InBootloader();

  private:
    friend class SimContext;
    struct TimedByte {
        std::uint8_t byte;
        Deadline at;
        std::uint64_t write = 0;       // host bytes: which of the host's writes brought it
        std::uint64_t seenReplies = 0; // host bytes: how many bytes the JIG had sent by then
        bool garbled = false;          // host bytes: sent at another baud rate than the JIG's
    };

    void ProgramLoop();
    // The scenario's events ("resetButton"), on a thread of their own.
    void EventLoop();
    void PressResetLocked();
    void NoteHostCallLocked(const std::uint8_t* data, std::size_t count);
    void MarkRunning(const SimProgram& program);
    // Program side, called through SimContext on the program thread.
    std::uint8_t Rx();
    std::optional<std::uint8_t> RxUntil(Deadline deadline);
    // `baudAfter` (non-zero): the UART changes speed once these bytes are out, before the
    // host can see them.
    void Tx(const std::uint8_t* data, std::size_t count, std::uint32_t baudAfter = 0);
    void Busy(std::chrono::nanoseconds duration, const std::string& doing);
    void SetJigBaud(std::uint32_t baud);
    void Surprise(const std::string& step, std::vector<std::uint8_t> bytes);
    std::optional<SimSurprise> LoseWhatBusyMissedLocked();
    bool LastRxGarbled();
    void CheckRunning(std::unique_lock<std::mutex>& lock);

    std::size_t VisibleLocked(Deadline now) const;
    bool QuietLocked(Deadline now) const;
    std::optional<Deadline> NextVisibleLocked(Deadline now) const;
    std::int64_t MicrosSinceStart(Deadline t) const;
    Deadline ToFrame(Deadline t) const; // the next 1 ms USB frame
    std::uint8_t Garble(std::uint8_t b) const;
    bool FaultSilencesLocked() const;
    void CheckVanishLocked();

    const std::unique_ptr<const Scenario> scenario_;
    const bool silent_;
    const Deadline started_ = SteadyClock::now();
    std::vector<std::unique_ptr<SimModule>> modules_;

    std::mutex mutex_;
    std::condition_variable cv_;
    std::deque<TimedByte> toJig_;
    std::deque<TimedByte> toHost_;
    std::vector<TranscriptEntry> transcript_;
    SimBoardState board_;
    SimStats stats_;
    std::uint32_t hostBaud_ = 921600;
    std::uint32_t jigBaud_ = 921600;
    int latencyMs_ = 16;
    Deadline hostTxEnd_ = started_;
    Deadline jigTxEnd_ = started_;
    Deadline chunkFlush_ = started_;
    Deadline lastReplyVisible_ = started_;
    Deadline lastHostWrite_ = started_;
    std::size_t chunkBytes_ = 0;
    long replies_ = 0;
    long replyBytes_ = 0;
    long hostBytes_ = 0;
    std::uint64_t emitted_ = 0; // bytes the JIG's program sent, before any fault
    std::uint64_t hostWrites_ = 0;
    std::uint64_t lastRxWrite_ = 0; // the write of the byte the program took last
    bool lastRxGarbled_ = false;
    // While the MCU is busy it does not read its UART: what arrives waits in the UART's small
    // buffer, and what does not fit is lost. `promptAt_` is the number of bytes sent before the
    // reply that ended the busy spell; a host that waited for that reply wrote after it.
    bool deaf_ = false;
    std::string deafDoing_;
    std::int64_t deafNanos_ = 0; // how long the MCU has been busy in this spell
    std::optional<std::uint64_t> promptAt_;
    std::vector<SimSurprise> surprises_;
    bool rxWaiting_ = false;
    bool busy_ = false;
    bool stop_ = false;
    bool resetPressed_ = false;
    bool runningBootloader_ = false;
    std::optional<Deadline> firstCall_; // the host first called a bootloader that was not running
    std::condition_variable eventsCv_;
    std::atomic<bool> vanished_{false};
    std::thread program_;
    std::thread events_;
};
