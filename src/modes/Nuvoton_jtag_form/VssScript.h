#pragma once
// .vss script lines and the JIG commands they stand for. A line ends at its LF; its text ends at
// the first CR before that. The first character decides ("i", "d", "D"; case-sensitive); every
// other line is a comment.
//
// A script is read whole and judged before any of it is sent: a controller left half prepared
// by a script that stopped at a bad line is what makes a write erase a chip it cannot write.
//  - A command line whose fields are not hex digits, or that the text does not reach, is an
//    error; so is a "d" line of 8 to 14 characters (its 32-bit group cut short).
//  - Hex digits may be upper or lower case.
//  - A line without a CR before its LF: its text ends at the LF. Text after the CR, in any line,
//    is an error (line ends that are a CR alone, a 16-bit text).
//  - A command line of more than kLineBuffer bytes is an error; a comment may be any length.
//  - A last line without its LF would never run: an error unless it is blank.
//  - A script without a command line is refused.
#include "modes/Nuvoton_jtag_form/JtagFrames.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace NuvJtag {

inline constexpr std::size_t kLineBuffer = 1024;

// The commands of one line (none for a comment); nothing when it is a command line the table
// cannot read. `line` is what came before its LF (CR included).
std::optional<std::vector<JigCommand>> InterpretVssLine(std::string_view line);

struct VssCommandLine {
    std::size_t number = 0; // counted from 1
    std::vector<JigCommand> commands;
};

struct VssScript {
    std::vector<VssCommandLine> commandLines;
    std::size_t lines = 0; // LF bytes
    // Why the script may not be played (it names the line); empty when it may.
    std::string error;
};

VssScript ParseVssScript(std::string_view bytes);

} // namespace NuvJtag
