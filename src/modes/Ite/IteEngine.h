#pragma once
// The ITE mode without its window: Check connection, APPLY, READ, WRITE and EXIT, and the worker
// they start. The window, the CLI and the tests drive it; it talks to the technician only
// through its ItePort. Every operation that waits for the JIG runs on the worker, so the window
// keeps painting (the attach prompt must be on screen while the JIG waits for the board).
#include "modes/Ite/IteSession.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class IteEngine {
  public:
    IteEngine(std::shared_ptr<FtdiApi> api, ItePort& port);
    IteEngine(const IteEngine&) = delete;
    IteEngine& operator=(const IteEngine&) = delete;

    // Each returns once its worker runs, or when the operation ended before that. All of them do
    // nothing while an operation runs.
    void CheckClick();
    // Sends the fifteen boxes' values to the JIG.
    void ApplyClick(const IteAssignment& boxes);
    void ReadClick();
    void WriteClick();
    // The same with the file named up front (the command line) instead of asked for.
    void ReadFile(const std::string& file);
    void WriteFile(const std::string& file);
    // While an operation runs: asks "Stop the operation?" and stops it on yes; false. Otherwise
    // clears both logs.
    bool ExitClick();
    // Thread-safe: the running operation ends at its next safe point (between blocks and steps),
    // as its protocol ends a failed one, with the outcome Stopped.
    void Stop() { s_.run.Stop(); }

    // The operation's state, outcome, failed step, files and figures.
    OperationRunner& Run() { return s_.run; }
    const OperationRunner& Run() const { return s_.run; }
    void WaitForWorker() { s_.run.WaitForWorker(); }
    bool LinkOpen() const { return s_.link.IsOpen(); }
    // Call only while idle.
    void SetBounds(const IteBounds& bounds) { s_.bounds = bounds; }
    // What the last check read; read it after WaitForWorker().
    std::optional<IteChipId> ChipId() const { return s_.chipId; }
    // What the last write put on the chip (the image, padded to 131072 bytes).
    const std::vector<std::uint8_t>& Image() const { return s_.image; }

  private:
    bool Begin(const char* operation, bool changesChip);
    bool OpenLink();
    // False (and the operation ended) when every box is on NC.
    bool WiringReachesTheEc();
    // Ends an operation that never reached its worker; `finish` sends "O" first.
    void EndInHandler(Outcome outcome, const std::string& step, bool finish);
    void EnableAll(bool enabled);
    // `file` empty: asked for once the JIG has answered.
    void Read(const std::string& file);
    void Write(const std::string& file);

    IteSession s_;
};
