// .vss script lines: any script is split and interpreted line by line as the engine runs it; a
// line yields whole JIG commands or none.
#include "modes/Nuvoton_jtag_form/VssScript.h"
#include "support/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    NuvJtag::VssLineSplitter splitter;
    std::size_t lines = 0;
    for (std::size_t i = 0; i < size; ++i) {
        if (!splitter.Feed(data[i]))
            continue;
        ++lines;
        FUZZ_CHECK(splitter.Line().size() <= NuvJtag::kLineBuffer);
        const auto commands = splitter.Commands();
        FUZZ_CHECK(commands.size() <= 2);
        if (splitter.Overlong())
            FUZZ_CHECK(commands.empty());
        for (const NuvJtag::JigCommand& c : commands) {
            FUZZ_CHECK(!c.frame.empty() && c.frame.size() <= 16);
            FUZZ_CHECK(c.replyBytes >= 1 && c.replyBytes <= 16);
        }
    }
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    FUZZ_CHECK(NuvJtag::CountLines(text) == lines);
    (void)NuvJtag::InterpretVssLine(text);
    return 0;
}
