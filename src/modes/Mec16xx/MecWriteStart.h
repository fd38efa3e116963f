#pragma once
// The start of the write stream, from the handler or (after a backup) from the worker.
#include "modes/Mec16xx/MecState.h"

#include <string>

// FF3910h = 1, FF3908h = 106h, FF3904h = 0 and the stream's 'W'. False when a register did not
// take or a stop was asked for: the operation has then ended.
bool MecStartWriteStream(MecState& s);
// Ends a write that never started its stream: result signal, JTAG released, link and file
// closed, state "NONE".
void MecFailWriteStart(MecState& s, const std::string& step,
                       MecOutcome outcome = MecOutcome::Failed);
