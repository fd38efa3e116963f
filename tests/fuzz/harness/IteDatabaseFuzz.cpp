// "MB connection ITE.txt": choosing any line of any file, finding it by its name, then turning
// the cable.
#include "modes/Ite/IteDatabase.h"
#include "support/FuzzCheck.h"

#include <algorithm>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = SplitIteDatabase(bytes);
    const auto list = IteMotherboardList(lines);
    // Every board line is listed after the first entry, and nothing else.
    FUZZ_CHECK(list.size() == 1 + static_cast<std::size_t>(std::count_if(
                                      lines.begin(), lines.end(),
                                      [](const std::string& l) { return IsIteBoardLine(l); })));
    IteAssignment boxes = kUnassigned;
    for (const std::string& line : lines) {
        const IteSelection chosen = SelectIteMotherboard(line, boxes);
        for (int v : chosen.boxes)
            FUZZ_CHECK(v == Ite::kNoSelection || (v >= 0 && v <= Ite::kContacts));
        FUZZ_CHECK(chosen.complete != chosen.message.has_value() || chosen.complete);
        boxes = chosen.boxes;
        // Once mirrored (a contact beyond the connector left unselected), mirroring twice gives
        // the boxes back, whatever the line says.
        const IteMirror once = MirrorIteAssignment(line, boxes);
        const IteMirror twice = MirrorIteAssignment(line, once.boxes);
        FUZZ_CHECK(MirrorIteAssignment(line, twice.boxes).boxes == once.boxes);
        const std::vector<std::string> found = FindIteBoards(lines, IteBoardName(line));
        FUZZ_CHECK(!IsIteBoardLine(line) || IteBoardName(line).empty() || !found.empty());
        for (int v : once.boxes)
            FUZZ_CHECK(v == Ite::kNoSelection || (v >= 0 && v <= Ite::kContacts));
        (void)IteAssignmentText(once.boxes);
    }
    return 0;
}
