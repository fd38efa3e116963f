#pragma once
// What a simulated program or chip module sees of its JIG.
#include "sim/SimJig.h"

#include <filesystem>
#include <span>
#include <string_view>

class SimContext {
  public:
    explicit SimContext(SimJig& jig) : jig_(jig) {}

    // Next byte from the host; blocks until one arrives (the JIG's UART has no time-out).
    std::uint8_t Rx() { return jig_.Rx(); }
    // Next byte within `bound` of real time, or nothing.
    std::optional<std::uint8_t> RxFor(std::chrono::milliseconds bound);
    void Tx(std::span<const std::uint8_t> bytes) { jig_.Tx(bytes.data(), bytes.size()); }
    void Tx(std::uint8_t byte) { jig_.Tx(&byte, 1); }
    void Tx(const std::string& text);
    // Time the JIG itself needs (programming a page, a chip-side checksum); free when the
    // timing is instant. `doing` names the work ("erasing the flash"): the MCU does not read
    // its UART meanwhile, so bytes that the host sends before the reply that follows, beyond
    // the UART's two-byte buffer, are lost and recorded as a surprise.
    void Busy(std::chrono::nanoseconds duration, const std::string& doing) {
        jig_.Busy(duration, doing);
    }
    // The same, where the MCU waits for the chip (an erase, programming): chip time in the
    // statistics.
    void ChipBusy(std::chrono::nanoseconds duration, const std::string& doing) {
        jig_.Busy(duration, doing, SimTimeline::Chip);
    }
    // The chip works on its own for `duration` while the MCU goes on (an erase it polls).
    void ChipWorks(std::chrono::nanoseconds duration) { jig_.ChipWorks(duration); }

    // The next byte, when it is one of `accepted`; anything else is a protocol surprise at
    // `step` (the firmware ignores it, with the rest of the host's write it came in) and the
    // wait goes on.
    std::uint8_t Expect(const std::string& step, std::string_view accepted);
    // Whether the byte taken last was sent at another baud rate than the UART's (noise).
    bool LastRxGarbled() { return jig_.LastRxGarbled(); }
    // Records bytes the firmware does not accept here; the rest of the host's write that the
    // last of them came in is dropped with them, as a firmware that lost its frame would.
    void Surprise(const std::string& step, std::vector<std::uint8_t> bytes) {
        jig_.Surprise(step, std::move(bytes));
    }
    void SetUartBaud(std::uint32_t baud) { jig_.SetJigBaud(baud); }
    // A last answer at this speed, then another one: a program handing over to the next.
    void TxThenBaud(std::span<const std::uint8_t> bytes, std::uint32_t baud) {
        jig_.Tx(bytes.data(), bytes.size(), baud);
    }

    // The program thread is the only writer; it writes under the JIG's lock so that
    // observers on other threads read a consistent board.
    const SimBoardState& Board() const { return jig_.board_; }
    template <class F> void UpdateBoard(F&& change) {
        std::lock_guard lock(jig_.mutex_);
        change(jig_.board_);
    }
    bool Pcb3() const { return jig_.board_.pcb3; }
    const Scenario& ScenarioData() const { return *jig_.scenario_; }
    SimModule* Module(const std::string& name) { return jig_.Module(name); }
    const std::vector<std::unique_ptr<SimModule>>& Modules() const { return jig_.modules_; }

    // Marks what runs next before the reply that announces it leaves, so that a host reacting
    // to that reply already meets the new program.
    void Announce(const SimProgram& next) { jig_.MarkRunning(next); }
    [[noreturn]] void SwitchTo(std::shared_ptr<SimProgram> next) {
        throw SimSwitch{std::move(next)};
    }

  private:
    SimJig& jig_;
};

// A chip memory: loaded from the scenario's file when one is named, saved back on Save().
class SimMemory {
  public:
    // `file` empty: kept in memory only.
    SimMemory(std::filesystem::path file, std::size_t size, std::uint8_t fill);
    std::vector<std::uint8_t>& Data() { return data_; }
    void Save() const;
    // Bytes [first, end) written into the file where they stand (the whole file when it is not
    // there yet): what a chip changes reaches its file at once, at the cost of those bytes.
    void SaveRange(std::size_t first, std::size_t end) const;
    const std::filesystem::path& File() const { return file_; }

  private:
    std::filesystem::path file_;
    std::vector<std::uint8_t> data_;
};
