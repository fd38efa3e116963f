#pragma once
// The start of the write stream, on the worker (after the backup when one is taken).
#include "modes/Mec16xx/MecState.h"

#include <optional>
#include <string>

// The JTAG connection opened, the ID taken and judged, the protection read: nothing when the
// chip may be written, else how the operation ended.
std::optional<Outcome> MecOpenForWrite(MecState& s);
// FF3910h = 1, FF3908h = 106h, FF3904h = 0 and the stream's 'W': nothing when the stream runs,
// else how the operation ended (a register that did not take, or a stop asked for).
std::optional<Outcome> MecStartWriteStream(MecState& s);
// Ends a write that never started its stream: result signal, JTAG released, link closed.
Outcome MecFailWriteStart(MecState& s, const std::string& step, Outcome outcome = Outcome::Failed);
