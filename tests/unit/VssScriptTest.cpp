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
    for (const JigCommand& c : InterpretVssLine(line)) {
        out.first.insert(out.first.end(), c.frame.begin(), c.frame.end());
        out.second.push_back(c.replyBytes);
    }
    return out;
}

// The commands of every complete line of `script`, one entry per line.
std::vector<Bytes> Play(const std::string& script) {
    VssLineSplitter splitter;
    std::vector<Bytes> lines;
    for (char c : script) {
        if (!splitter.Feed(static_cast<std::uint8_t>(c)))
            continue;
        Bytes bytes;
        for (const JigCommand& command : splitter.Commands())
            bytes.insert(bytes.end(), command.frame.begin(), command.frame.end());
        lines.push_back(bytes);
    }
    return lines;
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
        EXPECT_TRUE(InterpretVssLine(line).empty()) << line;
    EXPECT_EQ(Sent("D 0000FFFF\r").second, (std::vector<std::size_t>{4}));
    EXPECT_EQ(Sent("d 00\r").second, (std::vector<std::size_t>{1}));
}

TEST(VssLine, TheTextEndsAtTheFirstCr) {
    EXPECT_EQ(Sent("i 0C\r 0000FFFF").first, (Bytes{0x4A, 0x69, 0x0C}));
    // what follows the CR never makes the trailer form
    EXPECT_EQ(Sent("d 0B = 000107F0\r05").first, Sent("d 0B = 000107F0\r").first);
    // a CR before the fields leaves the line too short to run
    EXPECT_TRUE(InterpretVssLine("i 0\rC").empty());
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

TEST(VssLine, AFieldThatIsNoNumberOrIsCutShortSkipsTheWholeLine) {
    for (const char* line : {"i\r", "i 0\r", "i 0G\r", "i -1\r", "D 0000FFF\r", "D 0000FFFG\r",
                             "d\r", "d 0\r", "d G0 = 000107F0\r", "d 0B = 0001\r",
                             "d 0B = 000107F\r", "d 0B = 0001 7F0\r", "d 0B = 0001X7F0 05\r"})
        EXPECT_TRUE(InterpretVssLine(line).empty()) << line;
}

TEST(VssLine, ATrailerNeedsItsBlankAndTwoDigits) {
    // column 15 not a blank, or the trailer not two hex digits: the two single shifts
    EXPECT_EQ(Sent("d 0B = 000107F0:05\r").second, (std::vector<std::size_t>{1, 4}));
    EXPECT_EQ(Sent("d 0B = 000107F0 5\r").second, (std::vector<std::size_t>{1, 4}));
    EXPECT_EQ(Sent("d 0B = 000107F0 G5\r").second, (std::vector<std::size_t>{1, 4}));
    EXPECT_EQ(Sent("d 0B = 000107F0 05 comment\r").second, (std::vector<std::size_t>{1}));
}

TEST(VssScript, LinesRunAtTheirLfAndAFinalLineWithoutOneDoesNot) {
    const auto lines = Play("i 0C\r\n; comment\r\nD 00000001\r\ni FF");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], (Bytes{0x4A, 0x69, 0x0C}));
    EXPECT_TRUE(lines[1].empty());
    EXPECT_EQ(lines[2], (Bytes{0x4A, 0x44, 0x01, 0x00, 0x00, 0x00}));
    EXPECT_EQ(CountLines("i 0C\r\n; comment\r\nD 00000001\r\ni FF"), 3u);
    EXPECT_EQ(CountLines(""), 0u);
}

TEST(VssScript, ALineLongerThanTheBufferIsSkippedAndTheNextOneRuns) {
    std::string fits = "i 0C" + std::string(kLineBuffer - 5, ' ') + "\r"; // 1024 bytes
    std::string longer = "i 0C" + std::string(kLineBuffer, ' ') + "\r";
    const auto lines = Play(fits + "\n" + longer + "\n" + "i 0D\r\n");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], (Bytes{0x4A, 0x69, 0x0C}));
    EXPECT_TRUE(lines[1].empty());
    EXPECT_EQ(lines[2], (Bytes{0x4A, 0x69, 0x0D}));
}
