#pragma once
// One simulated JIG behind one FTDI device: the MCU's program on its own thread, the scenario's
// events, and the waits of both sides. Its parts: the wire's timing (SimWire), the MCU's UART
// (SimUart), the scenario's faults (SimFaults) and the record (SimTranscript). All state is
// guarded by one mutex; every wait sleeps on one condition variable.
#include "link/WaitTypes.h"
#include "sim/ScenarioTypes.h"
#include "sim/SimBoardState.h"
#include "sim/SimFaults.h"
#include "sim/SimModule.h"
#include "sim/SimProgram.h"
#include "sim/SimSurprise.h"
#include "sim/SimTranscript.h"
#include "sim/SimUart.h"
#include "sim/SimWire.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

struct Scenario;

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
    void SetHostEventChar(std::optional<std::uint8_t> b);
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
    // `kind`: whose time it is, the MCU's own or the chip's that the MCU waits for.
    void Busy(std::chrono::nanoseconds duration, const std::string& doing,
              SimTimeline::Kind kind = SimTimeline::Jig);
    // The chip works on its own clock from now on (an erase the host polls).
    void ChipWorks(std::chrono::nanoseconds duration);
    bool WireTiming() const;
    void SetJigBaud(std::uint32_t baud);
    void Surprise(const std::string& step, std::vector<std::uint8_t> bytes);
    bool LastRxGarbled();
    void CheckRunning(std::unique_lock<std::mutex>& lock);

    bool QuietLocked(Deadline now) const;
    void CheckVanishLocked();

    const std::unique_ptr<const Scenario> scenario_;
    const bool silent_;
    const Deadline started_ = SteadyClock::now();
    std::vector<std::unique_ptr<SimModule>> modules_;

    std::mutex mutex_;
    std::condition_variable cv_;
    SimWire wire_;
    SimUart uart_;
    SimFaults faults_;
    SimTranscript transcript_;
    SimBoardState board_;
    std::uint64_t hostWrites_ = 0;
    bool rxWaiting_ = false;
    // When the MCU's thread last took a byte or ended a busy spell: its own time until it works
    // or answers next is the simulator's, not the JIG's.
    Deadline mcuAwake_ = started_;
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
