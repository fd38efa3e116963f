#pragma once
// The Nuvoton JTAG mode without its window: Send settings, Check connect (with the script),
// READ, WRITE, the script choice, EXIT and the end-of-operation timer, and the worker they
// start. The window, the CLI and the tests drive it; it talks to the technician only through
// its OperatorPort and NuvJtagView.
#include "modes/Nuvoton_jtag_form/NuvJtagSession.h"

#include <memory>
#include <optional>
#include <string>

class JtagChannel;

class NuvotonJtagEngine {
  public:
    NuvotonJtagEngine(std::shared_ptr<FtdiApi> api, OperatorPort& port,
                      NuvJtagView* view = nullptr);
    NuvotonJtagEngine(const NuvotonJtagEngine&) = delete;
    NuvotonJtagEngine& operator=(const NuvotonJtagEngine&) = delete;

    // "Send settings": `pin1ToPin1` is the cable check box (TYPE B when checked).
    void SendSettings(bool pin1ToPin1);
    // "Check connect to Nuvoton": the identifier, then the script on the worker.
    void CheckConnect();
    // "READ" and "WRITE": return once the worker runs, or when the operation ended before.
    void ReadClick();
    void WriteClick();
    // The same with the file named up front (the command line) instead of the dialog.
    void ReadFile(const std::string& file);
    void WriteFile(const std::string& file);
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
    void Stop() { s_.run.Stop(); }
    // An operation runs, or its end has yet to be shown by the timer.
    bool Running() const { return !s_.run.Idle() || s_.timerArmed.load() || s_.endShowing.load(); }

    // Blocks until the worker has ended.
    void WaitForWorker() { s_.run.WaitForWorker(); }
    // Blocks until the operation has ended, running the end-of-operation timer's work at once
    // when no window runs it (the CLI, tests).
    void WaitForOperation();

    // The operation's state, outcome, files and figures.
    OperationRunner& Run() { return s_.run; }
    const OperationRunner& Run() const { return s_.run; }
    bool LinkOpen() const { return s_.link.IsOpen(); }
    bool SettingsEnabled() const { return s_.settingsEnabled.load(); }
    bool ConnectEnabled() const { return s_.connectEnabled.load(); }
    bool TransferEnabled() const { return s_.transferEnabled.load(); }
    bool EndTimerArmed() const { return s_.timerArmed.load(); }
    // Call only while idle.
    void SetBounds(const NuvJtagBounds& bounds) { s_.bounds = bounds; }

  private:
    // `endsOperation`: a failure ends the operation as "no JIG".
    bool OpenLink(bool endsOperation);
    // Ends a handler's failed step: SPI_ON and BUZ_ER, the operation ended at `step`, window
    // reset.
    void Break(const std::string& step, bool showReasons, Outcome outcome = Outcome::Failed);
    bool SendRouting(JtagChannel& channel, bool pin1ToPin1);
    std::string ScriptPath();
    // `file` empty: asked for once the link is open.
    void Read(const std::string& file);
    void Write(const std::string& file);
    // The runner's end call, on the worker's thread once the runner is idle.
    void Ended(Outcome outcome);

    NuvJtagSession s_;
    std::optional<std::string> scriptPath_;
};
