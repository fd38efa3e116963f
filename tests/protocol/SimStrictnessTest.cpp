// The simulated JIG takes only what its firmware would: each host mistake below is recorded
// as a protocol surprise and gets no answer that a valid command would get.
#include "support/RawLink.h"
#include "support/SimFixture.h"
#include "support/Surprises.h"

#include <gtest/gtest.h>

namespace {
const std::string kBlockTimedOut = "<timed out>";
constexpr Millis kShort{150};

// A PCB3 read of the KB90xx flash stopped after its first block.
std::unique_ptr<ProgrammerLink> Pcb3ReadAtFirstBlock(const std::shared_ptr<SimFtdiApi>& sim) {
    auto link = OpenRawLink(sim);
    EXPECT_EQ(Ask(*link, "SR", 1), "R");
    EXPECT_EQ(Ask(*link, "KR", 256).size(), 256u);
    return link;
}
} // namespace

TEST(SimStrictness, BytesSentWhileTheJigErasesAreLost) {
    auto sim = MakeSim("pcb2-v41");
    auto link = OpenRawLink(sim);
    // 'W' and a whole block in one go, without waiting for the ready byte after the erase.
    const std::string early = "W" + std::string(256, '\x5A');
    link->Send(std::span(reinterpret_cast<const std::uint8_t*>(early.data()), early.size()));
    EXPECT_EQ(Ask(*link, "", 1), "R");
    EXPECT_EQ(Ask(*link, "", 1, kShort), kBlockTimedOut) << "the block is never acknowledged";
    const std::vector<SimSurprise> s = TakeSurprises();
    ASSERT_EQ(s.size(), 1u) << DescribeSurprises(s);
    EXPECT_EQ(s[0].bytes.size(), 254u);
    EXPECT_NE(s[0].step.find("erasing"), std::string::npos) << s[0].Describe();
}

TEST(SimStrictness, Pcb3ReadTakesOnlyTheStatusOrTheReadBackOrTheEnd) {
    auto sim = MakeSim("pcb3");
    // 'N' without '?' first.
    auto link = Pcb3ReadAtFirstBlock(sim);
    EXPECT_EQ(Ask(*link, "N", 1, kShort), kBlockTimedOut);
    ExpectOneSurprise("N", "after block 1");
    // After '?', 'R' (the read-back's next) is not 'N'.
    EXPECT_EQ(Ask(*link, "?", 1), "G");
    EXPECT_EQ(Ask(*link, "R", 1, kShort), kBlockTimedOut);
    ExpectOneSurprise("R", "status");
    // A byte of no meaning does not end the transfer: 'X' still does, and only then is the
    // JIG back to its commands.
    EXPECT_EQ(Ask(*link, "Z", 1, kShort), kBlockTimedOut);
    ExpectOneSurprise("Z", "status");
    EXPECT_EQ(Ask(*link, "XB", 17), "M328_EPM240_v16\r\n");
    EXPECT_TRUE(TakeSurprises().empty());
}

TEST(SimStrictness, OnlyXEndsTheTransferAfterTheLastBlock) {
    auto sim = MakeSim("pcb3");
    auto link = Pcb3ReadAtFirstBlock(sim);
    for (int block = 2; block <= 512; ++block) {
        ASSERT_EQ(Ask(*link, "?", 1), "G");
        ASSERT_EQ(Ask(*link, "N", 256).size(), 256u);
    }
    EXPECT_EQ(Ask(*link, "?", 1), "G");
    EXPECT_EQ(Ask(*link, "N", 1, kShort), kBlockTimedOut);
    ExpectOneSurprise("N", "after block 512");
    EXPECT_EQ(Ask(*link, "XB", 17), "M328_EPM240_v16\r\n");
}

TEST(SimStrictness, CommandsOfAnotherBoardAreNotAnswered) {
    // PCB2 has no mode letter and no block status.
    auto pcb2 = MakeSim("pcb2-v41");
    auto link = OpenRawLink(pcb2);
    EXPECT_EQ(Ask(*link, "KV", 1, kShort), kBlockTimedOut);
    ExpectOneSurprise("KV", "waiting for a command");
    EXPECT_EQ(Ask(*link, "R", 256).size(), 256u);
    EXPECT_EQ(Ask(*link, "?", 1, kShort), kBlockTimedOut);
    ExpectOneSurprise("?", "after block 1");
    EXPECT_EQ(Ask(*link, "X", 1, kShort), kBlockTimedOut);
    // The checksum is PCB2's: on PCB3 'K' 'S' is nothing, and an unknown byte is noted too.
    auto pcb3 = MakeSim("pcb3");
    auto link3 = OpenRawLink(pcb3);
    EXPECT_EQ(Ask(*link3, "KS", 1, kShort), kBlockTimedOut);
    ExpectOneSurprise("KS", "mode letter 'K'");
    EXPECT_EQ(Ask(*link3, "\x7F", 1, kShort), kBlockTimedOut);
    ExpectOneSurprise("\x7F", "waiting for a command");
}

TEST(SimStrictness, KeyboardScanCommandsBelongToTheirBoard) {
    auto pcb2 = MakeSim("pcb2-v41");
    auto link = OpenRawLink(pcb2);
    EXPECT_EQ(Ask(*link, "U", 1, kShort), kBlockTimedOut); // before 'u'
    ExpectOneSurprise("U", "waiting for a command");
    EXPECT_EQ(Ask(*link, "u", 1), "&");
    EXPECT_EQ(Ask(*link, "U", 1), "&");
    link->Send({'Q'});
    EXPECT_EQ(Ask(*link, "U", 1, kShort), kBlockTimedOut); // scanning ended with 'Q'
    ExpectOneSurprise("U", "waiting for a command");

    auto pcb3 = MakeSim("pcb3");
    auto link3 = OpenRawLink(pcb3);
    EXPECT_EQ(Ask(*link3, "u", 1, kShort), kBlockTimedOut);
    ExpectOneSurprise("u", "waiting for a command");
    EXPECT_EQ(Ask(*link3, "U", 1), "&");
    EXPECT_EQ(Ask(*link3, "Q", 1, kShort), kBlockTimedOut);
    ExpectOneSurprise("Q", "waiting for a command");
}

TEST(SimStrictness, ExtraDrivenContactsShortTheEcLines) {
    // The routing of the example board: the debug byte comes back only when no other contact
    // is driven besides the EC's four.
    auto sim = MakeSim("pcb3", R"({"chips": {"ene": {"wiring": "ffc", "cable": 30,
        "connector": {"KSO3": 12, "KSI4": 5, "KSI5": 6, "KSI6": 7, "KSI7": 8}}}})");
    auto link = OpenRawLink(sim);
    auto route = [&](std::initializer_list<int> drive) {
        std::string frames = "SR";
        const int regs[] = {36, 37, 38, 39, 32, 33, 34, 35, 16, 17, 18, 19, 64};
        const int codes[] = {0x10, 0x08, 0, 0, 0x40, 0x08, 0, 0};
        std::vector<int> values(codes, codes + 8);
        values.insert(values.end(), drive);
        values.push_back(0x87);
        for (std::size_t i = 0; i < values.size(); ++i)
            frames += RawBytes({'S', 'W', regs[i], values[i]});
        EXPECT_EQ(Ask(*link, frames, 14), std::string(1, 'R') + std::string(13, 'W'));
        return Ask(*link, "KV", 1);
    };
    EXPECT_EQ(route({0x70, 0x08, 0x00, 0x00}), "\x0B");
    EXPECT_EQ(route({0xF0, 0xFF, 0xFF, 0xFF}), "\xFF");
    EXPECT_EQ(route({0x70, 0x18, 0x00, 0x00}), "\xFF"); // one contact too many
    EXPECT_EQ(route({0x70, 0x00, 0x00, 0x00}), "\xFF"); // ZERO not driven
}

TEST(SimStrictness, AShortBusySpellLosesOnlyWhatTheWireCouldBring) {
    // A TAP reset keeps the MCU busy for less than two byte times: commands sent ahead of its
    // answer reach the UART after it is read again.
    auto sim = MakeSim("pcb3");
    auto link = OpenRawLink(sim);
    EXPECT_EQ(Ask(*link, "J1J1J1", 3), "111");
}

// The JIG's JTAG lines: a JTAG command needs SPI_OFF and then a TAP reset; an operation gives
// the lines back (SPI_ON, or '0' on PCB2) before the next one reads the ID.
TEST(SimStrictness, JtagCommandsNeedTheLinesTakenAndGivenBack) {
    const std::string mecId = "\x02\x16\xA4\x45";
    const std::string shift = RawBytes({'J', 'D', 0xFF, 0xFF, 0xFF, 0xFF});
    struct Case {
        const char* board;
        std::vector<std::string> before; // each answered with one byte, or four for an ID
        std::string frame;
        const char* why;
    };
    const Case cases[] = {
        {"pcb3", {"SR"}, "Mj", "no SPI_OFF"},
        {"pcb3", {"SR", "JX"}, "Mj", "TAP was reset"},
        {"pcb3", {"SR", "J1", "JX"}, "Mj", "TAP was reset"}, // a reset under the SPI side
        {"pcb3", {"SR", "JX", "J1", "JS"}, "Mj", "no SPI_OFF"},
        {"pcb3", {"SR", "JX", "J1", "Mj", "J1"}, "Mj", "never given back"},
        {"pcb3", {"JX"}, shift, "TAP was reset"},
        {"pcb2-v42", {}, "j", "TAP was reset"},
        {"pcb2-v42", {"1", "j"}, "j", "never given back"},
        {"pcb2-npce", {}, shift, "no SPI_OFF"},
        {"pcb2-npce", {"JX", "J1", "JS"}, "JR", "no SPI_OFF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.board) + ": " + c.frame + " after " +
                     std::to_string(c.before.size()) + " frames");
        auto sim = MakeSim(c.board);
        auto link = OpenRawLink(sim);
        for (const std::string& f : c.before)
            ASSERT_EQ(Ask(*link, f, f.back() == 'j' ? 4 : 1).size(), f.back() == 'j' ? 4u : 1u);
        EXPECT_EQ(Ask(*link, c.frame, 1, kShort), kBlockTimedOut);
        ExpectOneSurprise(c.frame, c.why);
    }
    // Given back and taken again, the chip answers a new session.
    auto sim = MakeSim("pcb2-v42");
    auto link = OpenRawLink(sim);
    for (int session = 0; session < 2; ++session) {
        EXPECT_EQ(Ask(*link, "1", 1), "1");
        EXPECT_EQ(Ask(*link, "j", 4), mecId);
        link->Send(std::vector<std::uint8_t>{'0'});
    }
    EXPECT_TRUE(TakeSurprises().empty());
}
