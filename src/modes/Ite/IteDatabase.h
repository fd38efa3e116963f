#pragma once
// The motherboard connection database "MB connection ITE.txt": one motherboard per line, free
// text with "KEY=value" pairs anywhere in it; what choosing a line does to the fifteen boxes,
// and the mirroring of the boxes for a reversed cable. Pure functions: the window and the CLI
// share them.
#include "modes/Ite/IteSignals.h"
#include "modes/Ite/IteTexts.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* kIteDatabaseFile = "MB connection ITE.txt";
inline constexpr const char* kIteDatabaseMissing =
    TR_NOOP("Ite", "File [MB connection ITE.txt] not found. Please read manual!");
inline constexpr const char* kIteSelectMotherboard = TR_NOOP("Ite", "Please select MOTHERBOARD");
inline constexpr const char* kIteKbPinsKey = "KB_pins=";

// A line ends at LF, CR bytes are dropped wherever they stand, text after the last LF is not
// a line.
std::vector<std::string> SplitIteDatabase(std::string_view bytes);
// Nothing when the file cannot be opened.
std::optional<std::vector<std::string>> LoadIteDatabase(const std::string& path = kIteDatabaseFile);
// A line that holds none of the keys is the file's own comment, not a motherboard.
bool IsIteBoardLine(std::string_view line);
// The motherboard list as the window shows it: "Please select MOTHERBOARD" and the boards' lines,
// or the single not-found entry (the first entry in the chosen language).
std::vector<std::string> IteMotherboardList(const std::optional<std::vector<std::string>>& lines);
// What comes before the first key, without the blanks around it.
std::string IteBoardName(std::string_view line);

// The boards `text` names: the one whose name is exactly `text`, else every board whose name
// holds it in any case (one of them is the choice).
std::vector<std::string> FindIteBoards(const std::vector<std::string>& lines,
                                       const std::string& text);

struct IteKeyValue {
    enum Kind { Missing, NotANumber, Number } kind = Missing;
    int value = 0;
};
// The value after the first occurrence of `key`: its first character, and the second one
// unless the line ends or it is a blank.
IteKeyValue FindIteKey(std::string_view line, std::string_view key);

// What choosing a motherboard line did: the boxes (those set before a stop carry their new
// values, the others are as they were), whether all fifteen were set, and the message of a
// stop.
struct IteSelection {
    IteAssignment boxes{};
    bool complete = false;
    std::optional<IteText> message;
};
IteSelection SelectIteMotherboard(std::string_view line, const IteAssignment& before);

// Mirrors the boxes for a reversed cable: contact i becomes KB_pins - i + 1. A box on "NC",
// without a selection, or beyond the connector's contacts keeps its value, so that mirroring
// twice always gives the boxes back. Nothing changes when KB_pins is missing or wrong.
struct IteMirror {
    IteAssignment boxes{};
    std::optional<IteText> message;
};
IteMirror MirrorIteAssignment(std::string_view line, const IteAssignment& boxes);

// The database line of an assignment (used by the CLI to show what it sends).
std::string IteAssignmentText(const IteAssignment& boxes);
