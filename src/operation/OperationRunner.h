#pragma once
// One operation of a mode from its start to its end, the same way for every mode: the worker
// thread, the stop, the failed step, the output file, the backup, the journal record, the chip
// state and the ending. A mode brings its wire steps; it never ends an operation by itself.
//
// The life of one operation (busy from Begin() to its end, so a second click meanwhile, while
// a file dialog is open or the image is checked, is refused):
//   handler thread: Begin() -> (connect, identify, choose files; EndEarly() when that fails)
//                   -> StartWorker(activity, body)
//   worker thread:  body() runs the wire steps and returns how they ended -> the ending
// The ending, in this order: link closed; a read's unfinished file kept as NAME.partial; after a
// failed erase or write the chip-state line; outcome and journal record; the dump's map; state
// idle; controls enabled; the end call. The state goes idle before the controls come back, so a
// click that a control lets through always finds the runner idle.
#include "link/ProgrammerLink.h"
#include "operation/ChipState.h"
#include "operation/Outcome.h"
#include "operation/OutputFile.h"
#include "port/OperatorPort.h"
#include "port/Worker.h"
#include "safety/OperationRecord.h"
#include "safety/SafetyOptions.h"

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

// What a mode's operation is doing; each mode names these as its window's states.
enum class Activity { Idle, Reading, Writing, Erasing, Checking, Sending, ReadingInfo };

struct RunnerSetup {
    // The mode as the journal and the backups name it ("NUVOTON spi").
    std::string mode;
    // The mode's own name of each activity ("Reading_NPCE"); Idle is "NONE" everywhere.
    std::function<const char*(Activity)> stateName;
    // The controls the ending enables again (the handler disables the ones it must).
    std::vector<std::string> controls;
};

class OperationRunner {
  public:
    OperationRunner(ProgrammerLink& link, OperatorPort& port, RunnerSetup setup);
    // Stops a running operation (its waits end as cancelled) and joins the worker.
    ~OperationRunner();
    OperationRunner(const OperationRunner&) = delete;
    OperationRunner& operator=(const OperationRunner&) = delete;

    // ---- the handler's thread

    // A new operation ("read", "write" ...): the last one's worker is joined and its figures are
    // cleared. False, doing nothing, when an operation runs, the handler's part of one included.
    // `changesChip`: an erase or a write, whose failure says where the chip stands. An empty
    // `operation` is not journaled. Every Begin() is ended by EndEarly(), or by the ending of
    // StartWorker() or RunHere().
    bool Begin(const std::string& operation, bool changesChip);
    // Ends an operation before it reached a worker (no JIG, the file refused, the dialog
    // cancelled): link closed, outcome and journal record, the mode idle again; an erase or
    // write that failed so says where the chip stands in ChipState() (not in the log).
    void EndEarly(Outcome outcome, const std::string& step);
    // Hands the operation to a worker: `body` runs the wire steps there and returns how they
    // ended; the runner then ends the operation.
    void StartWorker(Activity activity, std::function<Outcome()> body);
    // The same on the calling thread, for a mode whose whole operation is a few short, bounded
    // exchanges: `body` runs here and the operation ends here, as on a worker.
    void RunHere(Activity activity, const std::function<Outcome()>& body);
    // Blocks until the worker of the last operation has ended.
    void WaitForWorker() { worker_.Join(); }

    // ---- any thread

    // Asks the running operation to stop at its next safe point; only sets a flag.
    void Stop() { stop_.store(true); }
    bool Stopping() const { return stop_.load(); }
    // False from Begin() to the operation's end.
    bool Idle() const { return !busy_.load(); }
    Activity Doing() const { return activity_.load(); }
    // The mode's name of what runs ("NONE" when idle).
    std::string State() const;
    Outcome Result() const { return outcome_.load(); }
    // The step a failed operation ended at ("flash ID", "block 5 of 512" ...).
    std::string FailedStep() const;
    void SetFailedStep(std::string step);
    // Ignored while an operation runs.
    void SetSafety(const SafetyOptions& safety);
    // Called on the worker's thread as its last act, with ChipState(). Set while idle.
    using EndCall = std::function<void(Outcome, const std::string& chipState)>;
    void SetOnEnd(EndCall onEnd) { onEnd_ = std::move(onEnd); }

    // ---- the operation's own things (the handler, then the worker)

    const SafetyOptions& Safety() const { return safety_; }
    OperationRecord& Record() { return record_; }
    ChipProgress& Progress() { return progress_; }
    // A read's file: created beside `target` (false, with the reason logged, when it is no
    // place for one), written by the worker, put in place by CommitOutput() only.
    bool CreateOutput(const std::string& target);
    bool WriteOutput(const void* data, std::size_t size);
    // Puts the read's file in place; false with the reason logged and the step set.
    bool CommitOutput();
    const OutputFile& Output() const { return output_; }
    // The backup before an erase or a write, from the mode's whole-chip read; false when the
    // erase must not start (the read failed, was stopped, or the technician said no to a blank
    // one), the step set.
    bool TakeBackup(const std::string& chipId,
                    const std::function<bool(std::vector<std::uint8_t>&)>& read);
    // An operation that goes on from one that took the backup (a write after its erase): its
    // chip-state line and journal record name that backup unless it takes its own. After
    // Begin().
    void CarryBackup(const std::string& path) {
        backupPath_ = path;
        if (!path.empty())
            record_.SetBackup(path);
    }
    // The file the operation reads into or writes from, for the journal and the figures.
    void SetFile(const std::string& path, std::uint64_t bytes);
    void AddFileBytes(std::uint64_t bytes) { fileBytes_ += bytes; }
    // A write's verify: the image written, then what the chip gives back, in order from its
    // start. The ending shows the image's map with the blocks that differ.
    void StartVerify(std::span<const std::uint8_t> image);
    void VerifiedBytes(std::span<const std::uint8_t> bytes);
    void Log(const std::string& line) { port_.Log(line); }

    // ---- read once the worker has been joined

    // After an erase or write that did not succeed: "The chip is partly written (blocks 1 to 37
    // of 512). Backup: PATH."; empty otherwise.
    const std::string& ChipState() const { return chipState_; }
    // Whether ChipState() is in the log too (an ending on a worker), not only kept for the caller.
    bool ChipStateInLog() const { return chipStateInLog_; }
    const std::string& BackupPath() const { return backupPath_; }
    const std::string& FileName() const { return fileName_; }
    std::uint64_t FileBytes() const { return fileBytes_; }
    // 0 after RunHere(): the caller's thread did the work.
    std::int64_t WorkerCpuNanos() const { return workerCpuNanos_; }

  private:
    // The JIG is the simulator's (or a virtual USB device's): its records and backups say so.
    bool Simulated() const;
    // The one ending of every operation that reached its worker.
    // `onWorker`: the thread's CPU time is the operation's own.
    void End(Outcome outcome, bool onWorker);
    // The map of a read's file or of a verify, for a port that shows one.
    void ShowDump(Outcome outcome);

    ProgrammerLink& link_;
    OperatorPort& port_;
    RunnerSetup setup_;
    std::atomic<bool> busy_{false};
    std::atomic<Activity> activity_{Activity::Idle};
    std::atomic<Outcome> outcome_{Outcome::None};
    std::atomic<bool> stop_{false};
    mutable std::mutex stepMutex_;
    std::string failedStep_;
    SafetyOptions safety_;
    OperationRecord record_;
    ChipProgress progress_;
    OutputFile output_;
    bool changesChip_ = false;
    std::string fileName_;
    std::string backupPath_;
    std::string chipState_;
    bool chipStateInLog_ = false;
    std::uint64_t fileBytes_ = 0;
    std::int64_t workerCpuNanos_ = 0;
    bool committed_ = false;
    bool verifying_ = false;
    std::vector<std::uint8_t> verifyImage_;
    std::vector<std::uint8_t> readBack_;
    EndCall onEnd_;
    Worker worker_;
};
