#pragma once
// The KB90xx mode without its window: the READ, WRITE and Apply-settings handlers and the
// worker they start. The window, the CLI and the tests drive it; it talks to the technician
// only through its OperatorPort.
#include "modes/Kb901x_form/Kb90Session.h"
#include "port/Worker.h"

#include <memory>
#include <optional>
#include <string>

class Kb901xEngine {
  public:
    Kb901xEngine(std::shared_ptr<FtdiApi> api, OperatorPort& port);
    // Stops a running operation (its waits end as cancelled) and joins the worker.
    ~Kb901xEngine();
    Kb901xEngine(const Kb901xEngine&) = delete;
    Kb901xEngine& operator=(const Kb901xEngine&) = delete;

    // "KB90XX_READ" and "KB90XX_WRITE": return once the worker runs and the start command is
    // out, or when the operation ended before that.
    void ReadClick();
    void WriteClick();
    // "Apply settings if use FFC  (only for JIG 3)": routes the cable through the PCB3 CPLD.
    // `entry` is the chosen motherboard line, `cableItem` the chosen cable (nothing when none).
    void ApplyFfcSettings(const std::optional<std::string>& entry,
                          const std::optional<std::string>& cableItem, bool oneToOne);
    // "EXIT": false while an operation runs; otherwise forgets the FFC settings and clears the
    // log.
    bool ExitClick();

    // Asks the running operation to stop at its next safe point (between blocks); any thread.
    void Stop() { s_.stopRequested.store(true); }
    // Where the chip stands after a write that failed or was stopped; empty otherwise.
    std::string ChipState() const;
    // The backup the last write took; empty when none.
    const std::string& BackupPath() const { return s_.backupPath; }

    // Blocks until the worker of the last operation has ended.
    void WaitForWorker() { worker_.Join(); }
    std::string State() const { return s_.state.Get(); }
    bool FfcSettings() const { return s_.ffcSettings.load(); }
    Kb90Outcome Outcome() const { return s_.outcome.load(); }
    // Told, on the worker's thread, when a worker has ended its operation. Call only while idle.
    void OnWorkerEnd(std::function<void()> finished) { s_.finished = std::move(finished); }
    // Call only while idle.
    void SetBounds(const Kb90Bounds& bounds) { s_.bounds = bounds; }
    // Ignored while an operation runs.
    void SetSafety(const SafetyOptions& safety) {
        if (s_.state.IsNone())
            s_.safety = safety;
    }
    std::uint64_t FileBytes() const { return s_.fileBytes; }
    std::int64_t WorkerCpuNanos() const { return s_.workerCpuNanos; }
    bool LinkOpen() const { return s_.link.IsOpen(); }

  private:
    bool OpenLink();
    bool PreparePcb3(const char* lostLine);
    bool CheckEcConnection();
    bool AwaitCommandReply(const char* lostLine, const std::string& step);
    // Starts an operation: the worker of the last one is gone, its figures are reset.
    void Begin(const char* operation);
    void Fail(Kb90Outcome outcome, const std::string& step);
    void StartWorker();
    bool LoadImage(const std::string& name);

    Kb90Session s_;
    Worker worker_;
};
