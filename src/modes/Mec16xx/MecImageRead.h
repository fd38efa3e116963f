#pragma once
// A whole read of the flash into memory, inside an operation whose JTAG connection is open:
// the backup before an erase or a write, and the second read of "read twice".
#include "modes/Mec16xx/MecState.h"

#include <cstdint>
#include <vector>

// MAIN (with `withInfo` MAIN followed by INFO) into `image`, the flash controller prepared
// for the stream and set back after it. False when a step failed: its line is logged, the
// step kept as the failed one and the stream stopped; the JTAG connection stays open.
bool MecReadImage(MecState& s, bool withInfo, std::vector<std::uint8_t>& image);
