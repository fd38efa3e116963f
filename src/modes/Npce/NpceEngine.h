#pragma once
// The NPCE SPI mode without its window: the READ and WRITE handlers and the worker they start.
// The window, the CLI and the tests drive it; it talks to the technician only through its
// OperatorPort.
#include "modes/Npce/NpceSession.h"
#include "port/Worker.h"

#include <functional>
#include <string>

class NpceEngine {
  public:
    NpceEngine(std::shared_ptr<FtdiApi> api, OperatorPort& port);
    // Stops a running operation (its waits end as cancelled) and joins the worker.
    ~NpceEngine();
    NpceEngine(const NpceEngine&) = delete;
    NpceEngine& operator=(const NpceEngine&) = delete;

    // "Nuvoton_READ": the whole flash into a file the operator chooses.
    // "Nuvoton_WRITE": erase, blank check, program and verify a file the operator chooses.
    // Both return once the worker runs, or when the operation ended before that.
    void ReadClick();
    void WriteClick();
    // The write with its image named up front (the command line): the file is read and judged
    // before anything is said to the JIG.
    void WriteFile(const std::string& file);
    // Asks the running operation to stop at its next safe point (between blocks, between
    // steps); it then ends its stream as the protocol does. Any thread; only sets a flag.
    void Stop() { s_.stopRequested.store(true); }
    // Called on the worker's thread as its last act, once the operation has ended, with
    // ChipState() (the window shows where the chip stands). Set while idle.
    using EndCall = std::function<void(const std::string& chipState)>;
    void SetOnEnd(EndCall onEnd) { onEnd_ = std::move(onEnd); }
    // No operation runs: the buttons may act and "EXIT" may leave.
    bool Idle() const { return s_.state.IsNone(); }

    // Blocks until the worker of the last operation has ended.
    void WaitForWorker() { worker_.Join(); }
    std::string State() const { return s_.state.Get(); }
    NpceOutcome Outcome() const { return s_.outcome.load(); }
    // The step a failed operation ended at ("flash ID", "erase", "block 5 of 512" ...).
    std::string FailedStep() const { return s_.FailedStep(); }
    // Call only while idle.
    void SetBounds(const NpceBounds& bounds) { s_.bounds = bounds; }
    // Ignored while an operation runs.
    void SetSafety(const SafetyOptions& safety) {
        if (s_.state.IsNone())
            s_.safety = safety;
    }
    std::uint64_t FileBytes() const { return s_.fileBytes; }
    std::int64_t WorkerCpuNanos() const { return s_.workerCpuNanos; }
    bool LinkOpen() const { return s_.link.IsOpen(); }
    // After a write that failed or stopped: "The chip is partly written (blocks 1 to 37 of
    // 512). Backup: PATH." Empty otherwise. Read once the worker has been joined.
    std::string ChipState() const { return s_.chipState; }
    // The backup the last write took before erasing, or empty.
    std::string BackupPath() const { return s_.backupPath; }

  private:
    void Reset(const char* operation);
    bool Connect();
    bool IdentifyFlash();
    bool TakeImage(const std::string& file);
    void StartWrite();
    void Fail(NpceOutcome outcome, const std::string& step);
    void StartWorker();

    NpceSession s_;
    EndCall onEnd_;
    Worker worker_;
};
