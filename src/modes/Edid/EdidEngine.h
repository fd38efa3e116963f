#pragma once
// EDID_READ and EDID_WRITE: a panel's 256-byte EEPROM through the JIG ('E' 'r', 'E' 'w' on both
// boards). Each operation is two short bounded exchanges, so it runs to its end on the caller's
// thread (the window's handler, the command line) and its runner ends it there; it opens the
// link at its start and closes it on every path. Stop() from another thread ends a wait at once.
#include "link/ProgrammerLink.h"
#include "operation/OperationRunner.h"
#include "port/OperatorPort.h"
#include "safety/SafetyOptions.h"

#include <string>

class EdidEngine {
  public:
    EdidEngine(ProgrammerLink& link, OperatorPort& port);
    EdidEngine(const EdidEngine&) = delete;
    EdidEngine& operator=(const EdidEngine&) = delete;

    // The window's buttons: the read asks for its file once the EEPROM has been read, the
    // write before anything is written. Each returns when its operation has ended.
    Outcome ReadClick();
    Outcome WriteClick();
    // The same with the file named up front (the command line).
    Outcome ReadFile(const std::string& file);
    Outcome WriteFile(const std::string& file);
    // Any thread: the wait in progress ends at once and the operation ends as stopped.
    void Stop();
    // The operation's outcome, failed step, file and figures.
    OperationRunner& Run() { return run_; }
    const OperationRunner& Run() const { return run_; }

  private:
    // `file` empty: asked for with the window's dialog.
    Outcome Read(const std::string& file);
    Outcome Write(const std::string& file);
    Outcome ReadBody(const std::string& file);
    Outcome WriteBody(const std::string& file);

    ProgrammerLink& link_;
    OperatorPort& port_;
    OperationRunner run_;
};

// One operation with an engine of its own; without `safety` each does what it always did.
Outcome EdidRead(ProgrammerLink& link, OperatorPort& port, const SafetyOptions& safety = {});
Outcome EdidWrite(ProgrammerLink& link, OperatorPort& port, const SafetyOptions& safety = {});

FileDialogSpec EdidSaveDialog();
FileDialogSpec EdidOpenDialog();
