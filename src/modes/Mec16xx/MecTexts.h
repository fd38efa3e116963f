#pragma once
// The MEC window's fixed texts and the lines that end a wait without its reply.
#include "link/WaitFailureLine.h"
#include "link/WaitTypes.h"
#include "port/Tr.h"

#include <string>
#include <vector>

namespace Mec {
// The notes the log opens with: the Russian half, then the same in English.
const std::vector<std::string>& OpeningNotes();
// What HELP adds to the log: the JTAG wiring and what the board needs.
const std::vector<std::string>& HelpLines();

// "Current time " / "Текущее время  " followed by the date and the time.
inline constexpr const char* kTimeEnglish = TR_NOOP("Mec", "Current time ");
inline constexpr const char* kTimeRussian = TR_NOOP("Mec", "Текущее время  ");
inline constexpr const char* kEraseInfoQuestion = TR_NOOP(
    "Mec", "Erase INFO too? No command or button of this program can write INFO back once it is "
           "erased: keep a read with INFO first.");
std::string TimeLine(const char* prefix);

// "MAIN block 5 of 192" and the like: `what` holds %1 (the block) and %2 (of).
std::string BlockStep(const char* what, int block, int of);
} // namespace Mec
