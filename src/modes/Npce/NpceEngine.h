#pragma once
// The NPCE SPI mode without its window: the READ and WRITE handlers and the worker they start.
// The window, the CLI and the tests drive it; it talks to the technician only through its
// OperatorPort.
#include "modes/Npce/NpceSession.h"
#include "port/Worker.h"

#include <optional>
#include <string>
#include <vector>

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

  private:
    bool Begin(const char* operation);
    bool IdentifyFlash();
    void Fail(NpceOutcome outcome, const std::string& step);
    void StartWorker();

    NpceSession s_;
    Worker worker_;
};

// The image written from `file`: its first 131072 bytes, filled up with FFh. Nothing when the
// file cannot be read; `fileBytes` gets how many bytes came from the file.
std::optional<std::vector<std::uint8_t>> LoadNpceImage(const std::string& file,
                                                       std::uint64_t* fileBytes);
