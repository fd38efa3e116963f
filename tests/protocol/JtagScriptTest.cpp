// A script is judged whole before any of it is sent.
#include "protocol/JtagRig.h"

#include <cstring>

using namespace NuvJtag;

namespace {
std::string DefaultScript() {
    return ReadFileText(std::string(TOLVANE_SOURCE_DIR) + "/data/NUVOTON.vss");
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}

std::size_t LineOf(const std::string& text, const std::string& what) {
    const std::size_t at = text.find(what);
    return static_cast<std::size_t>(std::count(text.begin(), text.begin() + at, '\n')) + 1;
}

// Lines starting with `start`, and the number of host frames that are IR shifts or pairs.
bool HasLineStartingWith(const RecordingPort& port, const std::string& start) {
    const auto lines = port.Lines();
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& l) { return l.rfind(start, 0) == 0; });
}

std::size_t ScriptFrames(SimFtdiApi& sim) {
    std::size_t n = 0;
    for (const auto& f : HostFrames(sim.Jig().BytesToJig()))
        n += f.size() >= 2 && f[0] == 'J' && (f[1] == 'i' || f[1] == 'T');
    return n;
}
} // namespace

TEST_F(JtagTest, AMalformedScriptSendsNothingAndNamesItsLine) {
    const std::string script = DefaultScript();
    const std::string badDigit = Replaced(script, "4E50C3E5", "4E50C3GG");
    std::string crOnly = script;
    crOnly.erase(std::remove(crOnly.begin(), crOnly.end(), '\n'), crOnly.end());
    std::string utf16 = "\xFF\xFE";
    for (char c : script)
        utf16 += std::string(1, c) + '\0';
    const struct {
        const char* name;
        std::string bytes;
        std::string line;
    } cases[] = {
        {"a bad hex digit", badDigit,
         "Script line " + std::to_string(LineOf(badDigit, "4E50C3GG")) + " \"d 0D = 4E50C3GG"},
        {"no last line end", script.substr(0, script.size() - 1),
         "Script line " + std::to_string(std::count(script.begin(), script.end(), '\n'))},
        {"CR-only line ends", crOnly, "Script line 1 "},
        {"UTF-16", utf16, "Script line 1 \"\\xFF\\xFE;\\x00"},
        {"a cut 32-bit group", Replaced(script, "d 0D = 00000001", "d 0D = 0000"),
         "Script line " + std::to_string(LineOf(script, "d 0D = 00000001")) + " \"d 0D = 0000\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        port.ClearLog();
        WriteFileBytes(dir.File("bad.vss"), c.bytes);
        Start("pcb3");
        engine->SetScriptPath(dir.File("bad.vss"));
        Prepare();
        EXPECT_TRUE(HasLineStartingWith(port, c.line)) << ::testing::PrintToString(port.Lines());
        EXPECT_EQ(ScriptFrames(*sim), 0u);
        EXPECT_FALSE(port.HasLine("I`m ready to READ or WRITE."));
        EXPECT_EQ(port.Messages().back(), kScriptErrorBox);
        ExpectReset();
    }
}
