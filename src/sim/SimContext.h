#pragma once
// What a simulated program or chip module sees of its JIG.
#include "sim/SimJig.h"

#include <filesystem>
#include <span>

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
    // timing is instant.
    void Busy(std::chrono::nanoseconds duration) { jig_.Busy(duration); }
    void SetUartBaud(std::uint32_t baud) { jig_.SetJigBaud(baud); }

    // The program thread is the only writer; it writes under the JIG's lock so that
    // observers on other threads read a consistent board.
    const SimBoardState& Board() const { return jig_.board_; }
    template <class F> void UpdateBoard(F&& change) {
        std::lock_guard lock(jig_.mutex_);
        change(jig_.board_);
    }
    bool Pcb3() const { return jig_.board_.pcb3; }
    const Scenario& ScenarioData() const { return jig_.scenario_; }
    SimModule* Module(const std::string& name) { return jig_.Module(name); }
    const std::vector<std::unique_ptr<SimModule>>& Modules() const { return jig_.modules_; }

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
    const std::filesystem::path& File() const { return file_; }

  private:
    std::filesystem::path file_;
    std::vector<std::uint8_t> data_;
};
