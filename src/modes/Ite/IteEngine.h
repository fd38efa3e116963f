#pragma once
// The ITE mode without its window: Check connection, APPLY, READ, WRITE and EXIT, and the worker
// they start. The window, the CLI and the tests drive it; it talks to the technician only
// through its ItePort. Every operation that waits for the JIG runs on the worker, so the window
// keeps painting (the attach prompt must be on screen while the JIG waits for the board).
#include "modes/Ite/IteSession.h"
#include "port/Worker.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class IteEngine {
  public:
    IteEngine(std::shared_ptr<FtdiApi> api, ItePort& port);
    // Stops a running operation (its waits end as cancelled) and joins the worker.
    ~IteEngine();
    IteEngine(const IteEngine&) = delete;
    IteEngine& operator=(const IteEngine&) = delete;

    // Each returns once its worker runs, or when the operation ended before that. All of them do
    // nothing unless the state is "NONE".
    void CheckClick();
    // Sends the fifteen boxes' values to the JIG.
    void ApplyClick(const IteAssignment& boxes);
    void ReadClick();
    void WriteClick();
    // While an operation runs: asks "Stop the operation?" and stops it on yes; false. Otherwise
    // clears both logs.
    bool ExitClick();
    // Thread-safe: the running operation ends at its next safe point (between blocks and steps),
    // as its protocol ends a failed one, with the outcome Stopped.
    void Stop() { s_.stopRequested.store(true); }

    // Blocks until the worker of the last operation has ended.
    void WaitForWorker() { worker_.Join(); }
    std::string State() const { return s_.state.Get(); }
    IteOutcome Outcome() const { return s_.outcome.load(); }
    bool LinkOpen() const { return s_.link.IsOpen(); }
    // Call only while idle.
    void SetBounds(const IteBounds& bounds) { s_.bounds = bounds; }
    // Ignored while an operation runs.
    void SetSafety(const SafetyOptions& safety) {
        if (s_.state.IsNone())
            s_.safety = safety;
    }
    // Figures of the last operation; read them after WaitForWorker().
    std::optional<IteChipId> ChipId() const { return s_.chipId; }
    const std::string& FailedStep() const { return s_.failedStep; }
    std::uint64_t FileBytes() const { return s_.fileBytes; }
    std::int64_t WorkerCpuNanos() const { return s_.workerCpuNanos; }
    // What the last write put on the chip (the image, padded to 131072 bytes).
    const std::vector<std::uint8_t>& Image() const { return s_.image; }
    const std::string& BackupPath() const { return s_.backupPath; }
    // Where the chip stands after a write that failed or was stopped; empty otherwise.
    const std::string& ChipState() const { return s_.chipState; }

  private:
    bool Begin(const char* state);
    bool OpenLink();
    // Ends an operation that never reached its worker; `finish` sends "O" first.
    void EndInHandler(IteOutcome outcome, bool finish);
    void EnableAll(bool enabled);
    void StartWorker();

    IteSession s_;
    Worker worker_;
};
