#pragma once
// The MEC16xx mode without its window: the connection check, and the READ, ERASE and WRITE
// handlers with the worker they start. The window, the CLI and the tests drive it; it talks
// to the technician only through its OperatorPort (and the indicator sink).
#include "modes/Mec16xx/MecState.h"
#include "port/Worker.h"

#include <functional>
#include <memory>
#include <string>

class Mec16xxEngine {
  public:
    Mec16xxEngine(std::shared_ptr<FtdiApi> api, OperatorPort& port);
    // Stops a running operation (its waits end as cancelled) and joins the worker.
    ~Mec16xxEngine();
    Mec16xxEngine(const Mec16xxEngine&) = delete;
    Mec16xxEngine& operator=(const Mec16xxEngine&) = delete;

    // The notes the window's log opens with.
    void ShowOpeningNotes();
    // "Check connect to MEC": ID, registers, FWP and Boot_Lock; runs to its end.
    void CheckClick();
    // "Read FLASH MEC " (MAIN, with `alsoInfo` MAIN followed by INFO), "Erase FLASH MEC16"
    // (with `alsoInfo` MAIN and INFO) and "Write FLASH MEC16" (MAIN): return once the worker
    // runs, or when the operation ended before that.
    void ReadClick(bool alsoInfo);
    void EraseClick(bool alsoInfo);
    void WriteClick();
    // "STOP and EXIT": true when idle (the window may go); otherwise asks a running read to
    // stop after its current block.
    bool StopExitClick();
    void HelpClick();

    // Blocks until the worker of the last operation has ended.
    void WaitForWorker() { worker_.Join(); }
    std::string State() const { return s_.state.Get(); }
    MecOutcome Outcome() const { return s_.outcome.load(); }
    // The step the last operation failed at ("P103", "E104", "answer to ID_READ"); read once
    // it has ended.
    std::string FailedStep() const { return s_.failedStep; }
    Rgb Indicator(MecIndicator which) const { return s_.Indicator(which); }
    void SetIndicatorSink(std::function<void(MecIndicator, Rgb)> sink) {
        s_.SetIndicatorSink(std::move(sink));
    }
    bool BreakRequested() const { return s_.userBreak.load(); }
    // Call only while idle.
    void SetBounds(const MecBounds& bounds) { s_.bounds = bounds; }
    std::uint64_t FileBytes() const { return s_.fileBytes; }
    std::int64_t WorkerCpuNanos() const { return s_.workerCpuNanos; }
    bool LinkOpen() const { return s_.link.IsOpen(); }
    bool FileOpen() const { return s_.file != nullptr; }

  private:
    // Takes the operation state when idle and readies the shared state for a new operation.
    bool Begin(const char* state);
    bool Connect();
    void SetIndicators(Rgb colour);
    // One register write of a start, with its line for either result; true when it took.
    bool PrepareRegister(std::uint32_t address, std::uint32_t value, const char* line,
                         const char* lostLine);
    void FailReadStart(const std::string& step);
    void FailWriteStart(const std::string& step);
    void StartWorker();

    MecState s_;
    Worker worker_;
};
