#pragma once
// EDID_READ and EDID_WRITE: a panel's 256-byte EEPROM through the JIG ('E' 'r', 'E' 'w' on both
// boards). Each runs to its end in the caller's thread, opens the link at its start and closes
// it on every path; link.Cancel() from another thread stops a wait at once.
#include "link/ProgrammerLink.h"
#include "port/OperatorPort.h"
#include "safety/SafetyOptions.h"

enum class EdidOutcome {
    Done,
    NoProgrammer, // the link did not connect (its own lines say why)
    Failed,       // the EEPROM, the JIG or a file let the operation down (the log says how)
    Cancelled,    // the technician cancelled a dialog or the checksum question
};

// Without `safety` (its default) each does what it always did.
EdidOutcome EdidRead(ProgrammerLink& link, OperatorPort& port, const SafetyOptions& safety = {});
EdidOutcome EdidWrite(ProgrammerLink& link, OperatorPort& port, const SafetyOptions& safety = {});

FileDialogSpec EdidSaveDialog();
FileDialogSpec EdidOpenDialog();
