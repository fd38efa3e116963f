#pragma once
// The MEC16xx mode without its window: the connection check, and the READ, ERASE and WRITE
// handlers with the worker they start. The window, the CLI and the tests drive it; it talks
// to the technician only through its OperatorPort (and the indicator sink).
#include "modes/Mec16xx/MecRegisters.h"
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
    // Asks the running operation to stop at its next safe point (between blocks or steps);
    // only sets a flag, so any thread (a signal handler's) may call it.
    void Stop() { s_.userBreak.store(true); }
    // "STOP and EXIT": true when idle (the window may go); otherwise Stop().
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
    void SetEndSink(std::function<void(MecOutcome, const std::string&)> sink) {
        s_.SetEndSink(std::move(sink));
    }
    // Where the chip stands after the last erase or write failed or stopped ("The chip is
    // partly written (blocks 1 to 37 of 768). Backup: PATH."); empty otherwise. Read once the
    // operation has ended.
    std::string ChipState() const { return s_.chipState; }
    // The backup the last operation took, empty when it took none.
    std::string BackupPath() const { return s_.backupPath; }
    // The next operation goes on from an erase that succeeded (the CLI's erase, write, verify):
    // its chip-state line starts from an erased chip and names `backup` (the erase's), unless
    // it takes its own. Call only while idle.
    void ContinueAfterErase(const std::string& backup) {
        carriedBackup_ = backup;
        afterErase_ = true;
    }
    bool BreakRequested() const { return s_.userBreak.load(); }
    // Call only while idle.
    void SetBounds(const MecBounds& bounds) { s_.bounds = bounds; }
    // Ignored while an operation runs.
    void SetSafety(const SafetyOptions& safety) {
        if (s_.state.IsNone())
            s_.safety = safety;
    }
    std::uint64_t FileBytes() const { return s_.fileBytes; }
    std::int64_t WorkerCpuNanos() const { return s_.workerCpuNanos; }
    bool LinkOpen() const { return s_.link.IsOpen(); }
    bool FileOpen() const { return s_.output.IsOpen(); }

  private:
    // Takes the operation state when idle and readies the shared state for a new operation;
    // `operation` names it in the journal.
    bool Begin(const char* state, const char* operation);
    // The JTAG connection opened and the controller's ID taken (into the journal record).
    bool OpenJtag(IdCountCheck check);
    bool Connect();
    void SetIndicators(Rgb colour);
    // One register write of a start, with its line for either result; true when it took.
    bool PrepareRegister(std::uint32_t address, std::uint32_t value, const char* line,
                         const char* lostLine);
    void FailReadStart(const std::string& step);
    void FailWriteStart(const std::string& step);
    void StartWorker();

    // The image a write is asked for, loaded whole and judged; false: refused and ended.
    bool LoadImage(const std::string& name);

    MecState s_;
    Worker worker_;
    std::string carriedBackup_;
    bool afterErase_ = false;
};
