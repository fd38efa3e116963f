#pragma once
// The Nuvoton JTAG mode without its window: Send settings, Check connect (with the script),
// READ, WRITE, the script choice, EXIT and the end-of-operation timer, and the worker they
// start. The window, the CLI and the tests drive it; it talks to the technician only through
// its OperatorPort and NuvJtagView.
#include "modes/Nuvoton_jtag_form/NuvJtagSession.h"
#include "port/Worker.h"

#include <memory>
#include <optional>
#include <string>

class JtagChannel;

class NuvotonJtagEngine {
  public:
    NuvotonJtagEngine(std::shared_ptr<FtdiApi> api, OperatorPort& port,
                      NuvJtagView* view = nullptr);
    // Stops a running operation (its waits end as cancelled) and joins the worker.
    ~NuvotonJtagEngine();
    NuvotonJtagEngine(const NuvotonJtagEngine&) = delete;
    NuvotonJtagEngine& operator=(const NuvotonJtagEngine&) = delete;

    // "Send settings": `pin1ToPin1` is the cable check box (TYPE B when checked).
    void SendSettings(bool pin1ToPin1);
    // "Check connect to Nuvoton": the identifier, then the script on the worker.
    void CheckConnect();
    // "READ" and "WRITE": return once the worker runs, or when the operation ended before.
    void ReadClick();
    void WriteClick();
    // "###": asks for a script; a cancelled dialog goes back to the default.
    void ChooseScript();
    // The script chosen without a dialog (the CLI's --script); nothing is the default.
    void SetScriptPath(std::optional<std::string> path);
    // "EXIT": false while an operation runs; otherwise resets the JIG and the window.
    bool ExitClick();
    // Timer_MSG_ER: the end of a read or write, on the window's thread.
    void EndOfOperationTimer();
    // Asks the running script, read or write to stop at its next safe point (between lines,
    // blocks and sectors). Any thread; it only sets a flag.
    void Stop() { s_.stopRequested.store(true); }
    bool Running() const { return !s_.state.IsNone(); }

    // Blocks until the worker has ended.
    void WaitForWorker() { worker_.Join(); }
    // Blocks until the operation has ended, running the end-of-operation timer's work at once
    // when no window runs it (the CLI, tests).
    void WaitForOperation();

    std::string State() const { return s_.state.Get(); }
    NuvJtagOutcome Outcome() const { return s_.outcome.load(); }
    bool LinkOpen() const { return s_.link.IsOpen(); }
    bool SettingsEnabled() const { return s_.settingsEnabled.load(); }
    bool ConnectEnabled() const { return s_.connectEnabled.load(); }
    bool TransferEnabled() const { return s_.transferEnabled.load(); }
    bool EndTimerArmed() const { return s_.timerArmed.load(); }
    // Call only while idle.
    void SetBounds(const NuvJtagBounds& bounds) { s_.bounds = bounds; }
    // Ignored while an operation runs.
    void SetSafety(const SafetyOptions& safety) {
        if (s_.state.IsNone())
            s_.safety = safety;
    }
    std::uint64_t FileBytes() const { return s_.fileBytes; }
    std::int64_t WorkerCpuNanos() const { return s_.workerCpuNanos; }
    std::string Result() const { return s_.result; }
    // After an erase or write that failed or was stopped, where the chip stands; else empty.
    // Read once the operation has ended.
    std::string ChipState() const { return s_.chipState; }
    // Where the last erase or write left the chip (a good write: written, not verified).
    std::string ChipLine() const { return s_.progress.Line(s_.backupPath); }
    std::string BackupPath() const { return s_.backupPath; }

  private:
    // Starts the journal record of a check, read or write.
    void BeginRecord(const char* operation);
    bool OpenLink();
    // A handler's own ending before any worker ran: the record ends with `step`.
    void EndInHandler(NuvJtagOutcome outcome, const std::string& step);
    // Ends a handler's failed step: SPI_ON and BUZ_ER, link closed, window reset.
    void Break(bool showReasons);
    bool SendRouting(JtagChannel& channel, bool pin1ToPin1);
    std::string ScriptPath();
    // A new read or write: no stop asked for, nothing changed on the chip yet.
    void BeginTransfer(const char* operation);
    void StartWorker();

    NuvJtagSession s_;
    Worker worker_;
    std::optional<std::string> scriptPath_;
};
