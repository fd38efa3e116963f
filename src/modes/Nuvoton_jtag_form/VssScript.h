#pragma once
// .vss script lines and the JIG commands they stand for. A line ends at its LF; its text ends at
// the first CR before that. The first character decides ("i", "d", "D"; case-sensitive); every
// other line is a comment.
//
// Where the format says nothing, one rule holds: a line is executed whole or not at all.
//  - A line without a CR before its LF: its text ends at the LF.
//  - A line of more than kLineBuffer bytes before its LF is skipped.
//  - Hex digits may be upper or lower case; a field with any other character, or one that the
//    text does not reach, skips the line (nothing is read beyond the text).
//  - A "d" line of 8 to 14 characters (its 32-bit group cut short) is skipped.
#include "modes/Nuvoton_jtag_form/JtagFrames.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace NuvJtag {

inline constexpr std::size_t kLineBuffer = 1024;
// The script file is read in chunks of this size.
inline constexpr std::size_t kScriptChunk = 1024;

// The commands of one line; `line` is what came before its LF (CR included).
std::vector<JigCommand> InterpretVssLine(std::string_view line);

// Collects a script's bytes into lines.
class VssLineSplitter {
  public:
    // True when `byte` was an LF: Line() is complete until the next Feed().
    bool Feed(std::uint8_t byte);
    std::string_view Line() const { return line_; }
    // The line ran past the buffer (and is to be skipped).
    bool Overlong() const { return overlong_; }
    // The commands of the completed line (none for an overlong one).
    std::vector<JigCommand> Commands() const;

  private:
    std::string line_;
    bool overlong_ = false;
    bool complete_ = false;
};

// The number of LF bytes: the lines a script has.
std::size_t CountLines(std::string_view bytes);

} // namespace NuvJtag
