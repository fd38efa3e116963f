// The .vss line table, and the rules for what the format leaves open: no CR, an overlong line,
// lower-case digits, fields the text does not reach.
#include "modes/Nuvoton_jtag_form/VssScript.h"

#include <gtest/gtest.h>

using namespace NuvJtag;
using Bytes = std::vector<std::uint8_t>;

namespace {
// Every command of a line as one run of bytes, with the reply sizes.
std::pair<Bytes, std::vector<std::size_t>> Sent(std::string_view line) {
    std::pair<Bytes, std::vector<std::size_t>> out;
    const auto commands = InterpretVssLine(line);
    EXPECT_TRUE(commands) << line;
    for (const JigCommand& c : commands.value_or(std::vector<JigCommand>{})) {
        out.first.insert(out.first.end(), c.frame.begin(), c.frame.end());
        out.second.push_back(c.replyBytes);
    }
    return out;
}
} // namespace

TEST(VssLine, EveryRowOfTheTable) {
    EXPECT_EQ(Sent("i 0C\r"),
              (std::pair<Bytes, std::vector<std::size_t>>{{0x4A, 0x69, 0x0C}, {1}}));
    EXPECT_EQ(Sent("D 0000FFFF\r"), (std::pair<Bytes, std::vector<std::size_t>>{
                                        {0x4A, 0x44, 0xFF, 0xFF, 0x00, 0x00}, {4}}));
    // "d" shorter than 7 characters, and exactly 7: the 8-bit shift only
    EXPECT_EQ(Sent("d 5A\r").first, (Bytes{0x4A, 0x64, 0x5A}));
    EXPECT_EQ(Sent("d 0B -=\r"),
              (std::pair<Bytes, std::vector<std::size_t>>{{0x4A, 0x64, 0x0B}, {1}}));
    // the pair as two shifts
    EXPECT_EQ(Sent("d 0B = 000107F0\r"),
              (std::pair<Bytes, std::vector<std::size_t>>{
                  {0x4A, 0x64, 0x0B, 0x4A, 0x44, 0xF0, 0x07, 0x01, 0x00}, {1, 4}}));
    // the pair with its trailer as one "JT" frame, and no separate shifts
    EXPECT_EQ(Sent("d 0B = 000107F0 05\r"),
              (std::pair<Bytes, std::vector<std::size_t>>{
                  {0x4A, 0x54, 0x05, 0x0B, 0xF0, 0x07, 0x01, 0x00}, {1}}));
    // columns 1 and 4 to 6 are not read
    EXPECT_EQ(Sent("dX0BXYZ000107F0X05\r").first, Sent("d 0B = 000107F0\r").first);
    EXPECT_EQ(Sent("d@0B#$%000107F0 05\r").first, Sent("d 0B = 000107F0 05\r").first);
}

TEST(VssLine, CommentsAndTheCaseOfTheFirstCharacter) {
    for (const char* line :
         {"", "\r", "; d 0B = 000107F0\r", "I 0C\r", "# i 0C\r", " i 0C\r", "x 0000FFFF\r"})
        EXPECT_EQ(InterpretVssLine(line), std::vector<JigCommand>{}) << line;
    EXPECT_EQ(Sent("D 0000FFFF\r").second, (std::vector<std::size_t>{4}));
    EXPECT_EQ(Sent("d 00\r").second, (std::vector<std::size_t>{1}));
}

TEST(VssLine, TheTextEndsAtTheFirstCr) {
    EXPECT_EQ(Sent("i 0C\r 0000FFFF").first, (Bytes{0x4A, 0x69, 0x0C}));
    // what follows the CR never makes the trailer form
    EXPECT_EQ(Sent("d 0B = 000107F0\r05").first, Sent("d 0B = 000107F0\r").first);
    // a CR before the fields leaves the line too short to run
    EXPECT_FALSE(InterpretVssLine("i 0\rC"));
}

TEST(VssLine, WithoutACrTheLineEndsAtItsLf) {
    EXPECT_EQ(Sent("i 0C").first, (Bytes{0x4A, 0x69, 0x0C}));
    EXPECT_EQ(Sent("d 0B = 000107F0 05").first, Sent("d 0B = 000107F0 05\r").first);
}

TEST(VssLine, LowerCaseDigitsCarryTheirValue) {
    EXPECT_EQ(Sent("i 0c\r").first, (Bytes{0x4A, 0x69, 0x0C}));
    EXPECT_EQ(Sent("D deadbeef\r").first, (Bytes{0x4A, 0x44, 0xEF, 0xBE, 0xAD, 0xDE}));
    EXPECT_EQ(Sent("d 0b = 000107f0 0a\r").first,
              (Bytes{0x4A, 0x54, 0x0A, 0x0B, 0xF0, 0x07, 0x01, 0x00}));
}

TEST(VssLine, AFieldThatIsNoNumberOrIsCutShortIsNoCommand) {
    for (const char* line : {"i\r", "i 0\r", "i 0G\r", "i -1\r", "D 0000FFF\r", "D 0000FFFG\r",
                             "d\r", "d 0\r", "d G0 = 000107F0\r", "d 0B = 0001\r",
                             "d 0B = 000107F\r", "d 0B = 0001 7F0\r", "d 0B = 0001X7F0 05\r"})
        EXPECT_FALSE(InterpretVssLine(line)) << line;
}

TEST(VssLine, ATrailerNeedsItsBlankAndTwoDigits) {
    // column 15 not a blank, or the trailer not two hex digits: the two single shifts
    EXPECT_EQ(Sent("d 0B = 000107F0:05\r").second, (std::vector<std::size_t>{1, 4}));
    EXPECT_EQ(Sent("d 0B = 000107F0 5\r").second, (std::vector<std::size_t>{1, 4}));
    EXPECT_EQ(Sent("d 0B = 000107F0 G5\r").second, (std::vector<std::size_t>{1, 4}));
    EXPECT_EQ(Sent("d 0B = 000107F0 05 comment\r").second, (std::vector<std::size_t>{1}));
}

TEST(VssScript, LinesAreNumberedAndOnlyCommandLinesKept) {
    const VssScript script = ParseVssScript("i 0C\r\n; comment\r\n\r\nD 00000001\n  \r");
    EXPECT_EQ(script.error, "");
    EXPECT_EQ(script.lines, 4u);
    ASSERT_EQ(script.commandLines.size(), 2u);
    EXPECT_EQ(script.commandLines[0].number, 1u);
    EXPECT_EQ(script.commandLines[1].number, 4u);
    EXPECT_EQ(script.commandLines[1].commands, (std::vector<JigCommand>{DrShift32(1)}));
    // a comment may run past the line buffer; a command may not
    const std::string longComment = ";" + std::string(kLineBuffer * 2, ' ') + "\r\n";
    EXPECT_EQ(ParseVssScript(longComment + "i 0D\r\n").error, "");
}

// Each is refused whole, naming its line and showing it: none of it may reach the controller.
TEST(VssScript, ALineThatIsNoCommandCommentOrBlankRefusesTheScript) {
    const std::string good = "; prepare\r\ni FF\r\nd 0B = 00FFFF00\r\n";
    std::string utf16 = "\xFF\xFE";
    for (char c : good)
        utf16 += std::string(1, c) + '\0';
    const struct {
        std::string script;
        std::string error;
    } cases[] = {
        {good + "d 0D = 4E50C3GG\r\n", "Script line 4 \"d 0D = 4E50C3GG\": not a command"},
        {good + "d 0D = 4E50\r\n", "Script line 4 \"d 0D = 4E50\": not a command"},
        {good + "d 09 = 00000003 10", "Script line 4 \"d 09 = 00000003 10\": the last line "
                                      "has no line end (LF), so it would never run"},
        {"; prepare\ri FF\r", "Script line 1 \"; prepare\\x0Di FF\": the last line"},
        {"; prepare\ri FF\r\n", "Script line 1 \"; prepare\\x0Di FF\": text after its CR"},
        {utf16, "Script line 1 \"\\xFF\\xFE;\\x00 \\x00p\\x00"},
        {good + "i 0C" + std::string(kLineBuffer, ' ') + "\r\n", "Script line 4 \"i 0C      "},
        {"; nothing but comments\r\n\r\n", "The script holds no command line"},
        {"", "The script holds no command line"},
    };
    for (const auto& c : cases) {
        const VssScript script = ParseVssScript(c.script);
        EXPECT_EQ(script.error.rfind(c.error, 0), 0u) << script.error;
        EXPECT_TRUE(script.error.ends_with("Nothing of the script was sent.") ||
                    script.error.rfind("The script", 0) == 0)
            << script.error;
    }
}
