#pragma once
// The NPCE SPI mode without its window: the READ and WRITE handlers and the worker they start.
// The window, the CLI and the tests drive it; it talks to the technician only through its
// OperatorPort.
#include "modes/Npce/NpceSession.h"

#include <string>

class NpceEngine {
  public:
    NpceEngine(std::shared_ptr<FtdiApi> api, OperatorPort& port);
    NpceEngine(const NpceEngine&) = delete;
    NpceEngine& operator=(const NpceEngine&) = delete;

    // "Nuvoton_READ": the whole flash into a file the operator chooses.
    // "Nuvoton_WRITE": erase, blank check, program and verify a file the operator chooses.
    // Both return once the worker runs, or when the operation ended before that.
    void ReadClick();
    void WriteClick();
    // The same with the file named up front (the command line); a write's file is read and
    // judged before anything is said to the JIG.
    void ReadFile(const std::string& file);
    void WriteFile(const std::string& file);
    // Asks the running operation to stop at its next safe point (between blocks, between
    // steps); it then ends its stream as the protocol does. Any thread; only sets a flag.
    void Stop() { s_.run.Stop(); }
    // The operation's state, outcome, failed step, files and figures.
    OperationRunner& Run() { return s_.run; }
    const OperationRunner& Run() const { return s_.run; }
    void WaitForWorker() { s_.run.WaitForWorker(); }
    // Call only while idle.
    void SetBounds(const NpceBounds& bounds) { s_.bounds = bounds; }
    bool LinkOpen() const { return s_.link.IsOpen(); }

  private:
    // `file` empty: asked for once the flash has answered.
    void Read(const std::string& file);
    bool Connect();
    bool IdentifyFlash();
    bool TakeImage(const std::string& file);
    void StartWrite();

    NpceSession s_;
};
