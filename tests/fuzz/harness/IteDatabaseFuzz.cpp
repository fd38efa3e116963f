// "MB connection ITE.txt": choosing any line of any file, then turning the cable twice.
#include "modes/Ite/IteDatabase.h"
#include "support/FuzzCheck.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = SplitIteDatabase(bytes);
    const auto list = IteMotherboardList(lines);
    FUZZ_CHECK(list.size() == lines.size() + 1);
    IteAssignment boxes = kUnassigned;
    for (const std::string& line : lines) {
        const IteSelection chosen = SelectIteMotherboard(line, boxes);
        for (int v : chosen.boxes)
            FUZZ_CHECK(v == Ite::kNoSelection || (v >= 0 && v <= Ite::kContacts));
        FUZZ_CHECK(chosen.complete != chosen.message.has_value() || chosen.complete);
        boxes = chosen.boxes;
        // Mirroring twice gives the boxes back, whatever the line says.
        const IteMirror once = MirrorIteAssignment(line, boxes);
        const IteMirror twice = MirrorIteAssignment(line, once.boxes);
        FUZZ_CHECK(twice.boxes == boxes);
        for (int v : once.boxes)
            FUZZ_CHECK(v == Ite::kNoSelection || (v >= 0 && v <= Ite::kContacts));
        (void)IteAssignmentText(once.boxes);
    }
    return 0;
}
