#pragma once
// The MEC16xx mode without its window: the connection check, and the READ, ERASE and WRITE
// handlers with the worker they start. The window, the CLI and the tests drive it; it talks
// to the technician only through its OperatorPort (and the indicator sink).
#include "modes/Mec16xx/MecRegisters.h"
#include "modes/Mec16xx/MecState.h"

#include <functional>
#include <memory>
#include <string>

class Mec16xxEngine {
  public:
    Mec16xxEngine(std::shared_ptr<FtdiApi> api, OperatorPort& port);
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
    // The same with the file named up front (the command line) instead of asked for.
    void ReadFile(const std::string& file, bool alsoInfo);
    void WriteFile(const std::string& file);
    // Asks the running operation to stop at its next safe point (between blocks or steps);
    // only sets a flag, so any thread (a signal handler's) may call it.
    void Stop() { s_.run.Stop(); }
    // "STOP and EXIT": true when idle (the window may go); otherwise Stop().
    bool StopExitClick();
    void HelpClick();

    // The operation's state, outcome, failed step, files and figures.
    OperationRunner& Run() { return s_.run; }
    const OperationRunner& Run() const { return s_.run; }
    // Blocks until the worker of the last operation has ended.
    void WaitForWorker() { s_.run.WaitForWorker(); }
    Rgb Indicator(MecIndicator which) const { return s_.Indicator(which); }
    void SetIndicatorSink(std::function<void(MecIndicator, Rgb)> sink) {
        s_.SetIndicatorSink(std::move(sink));
    }
    // Called as an operation that reached its worker ends, with its chip-state line.
    void SetEndSink(std::function<void(Outcome, const std::string&)> sink) {
        s_.SetEndSink(std::move(sink));
    }
    // The next operation goes on from an erase that succeeded (the CLI's erase, write, verify):
    // its chip-state line starts from an erased chip and names `backup` (the erase's), unless
    // it takes its own. Call only while idle.
    void ContinueAfterErase(const std::string& backup) {
        carriedBackup_ = backup;
        afterErase_ = true;
    }
    // Call only while idle.
    void SetBounds(const MecBounds& bounds) { s_.bounds = bounds; }
    bool LinkOpen() const { return s_.link.IsOpen(); }
    bool FileOpen() const { return s_.run.Output().IsOpen(); }

  private:
    // Begins the operation when idle and readies the shared state for it; `operation` names
    // it in the journal.
    bool Begin(const char* operation, bool changesChip);
    // The JTAG connection opened and the controller's ID taken (into the journal record).
    bool OpenJtag(IdCountCheck check);
    bool Connect();
    void SetIndicators(Rgb colour);
    // `file` empty: asked for once the JIG has answered.
    void Read(const std::string& file, bool alsoInfo);
    void Write(const std::string& file);
    // One register write of a start, with its line for either result; true when it took.
    bool PrepareRegister(std::uint32_t address, std::uint32_t value, const char* line,
                         const char* lostLine);
    void FailReadStart(const std::string& step);

    // The image a write is asked for, loaded whole and judged; false: refused and ended.
    bool LoadImage(const std::string& name);

    MecState s_;
    std::string carriedBackup_;
    bool afterErase_ = false;
};
