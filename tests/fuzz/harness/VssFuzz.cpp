// .vss scripts: any bytes are judged whole; a script that may be played yields whole JIG
// commands in line order, and one that may not names why and yields none.
#include "modes/Nuvoton_jtag_form/VssScript.h"
#include "support/FuzzCheck.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const NuvJtag::VssScript script = NuvJtag::ParseVssScript(text);
    const auto lfs = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    if (!script.error.empty()) {
        FUZZ_CHECK(script.error.size() < 400); // a line is shown cut short
        return 0;
    }
    FUZZ_CHECK(script.lines == lfs);
    FUZZ_CHECK(!script.commandLines.empty());
    std::size_t previous = 0;
    for (const NuvJtag::VssCommandLine& line : script.commandLines) {
        FUZZ_CHECK(line.number > previous && line.number <= script.lines);
        previous = line.number;
        FUZZ_CHECK(!line.commands.empty() && line.commands.size() <= 2);
        for (const NuvJtag::JigCommand& c : line.commands) {
            FUZZ_CHECK(!c.frame.empty() && c.frame.size() <= 16);
            FUZZ_CHECK(c.replyBytes >= 1 && c.replyBytes <= 16);
        }
    }
    return 0;
}
