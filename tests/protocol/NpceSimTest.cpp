// The simulated NPCE flash behaves like flash and takes only what the JIG's firmware would.
#include "sim/chips/NpceSpi.h"
#include "support/RawLink.h"
#include "support/SimFixture.h"
#include "support/Surprises.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {
constexpr Millis kShort{150};
const std::string kTimedOut = "<timed out>";

SimNpceSpi& Chip(const std::shared_ptr<SimFtdiApi>& sim) {
    return dynamic_cast<SimNpceSpi&>(*sim->Jig().Module("npce-spi"));
}
} // namespace

// A write stream starts only after the ID, an erase and a blank check, each once for it: a
// stream without one of them, or a second one on the same preparation, is a surprise.
TEST(NpceSim, WriteStreamNeedsTheIdTheEraseAndTheBlankCheckFirst) {
    const std::string done("\x01\x00", 2);
    for (const std::string before : {"", "Z", "Ze", "ex", "Zx", "Zexw"}) {
        SCOPED_TRACE("after \"" + before + "\"");
        auto sim = MakeSim("pcb2-npce");
        auto link = OpenRawLink(sim);
        for (const char c : before) {
            if (c == 'Z') {
                EXPECT_EQ(Ask(*link, "Z", 4).size(), 4u);
            } else if (c == 'e') {
                EXPECT_EQ(Ask(*link, "e", 2), done);
            } else if (c == 'x') { // clear only after the erase
                EXPECT_EQ(Ask(*link, "x", 2)[0], before.find('e') != std::string::npos ? 1 : 0);
            } else {
                EXPECT_EQ(Ask(*link, "w", 1), "*");
                EXPECT_EQ(Ask(*link, std::string(256, '\xF0'), 1), "\x01");
                EXPECT_EQ(Ask(*link, "\x07", 1), "\x07");
            }
        }
        EXPECT_EQ(Ask(*link, "w", 1, kShort), kTimedOut);
        ExpectOneSurprise("w", "NPCE write stream start without");
    }
}

// The chip erase leaves every byte FFh and the blank check says so; programming a page takes
// it, and the blank check finds it.
TEST(NpceSim, ProgrammingAfterTheEraseAndTheBlankCheckLooks) {
    auto sim = MakeSim("pcb2-npce");
    auto link = OpenRawLink(sim);
    EXPECT_EQ(Ask(*link, "Z", 4), "\xEF\x40\x12\x11");
    EXPECT_EQ(Ask(*link, "e", 2), std::string("\x01\x00", 2));
    EXPECT_EQ(Ask(*link, "x", 2), std::string("\x01\x00", 2));
    EXPECT_EQ(Chip(sim).Flash(), std::vector<std::uint8_t>(131072, 0xFF));
    EXPECT_EQ(Chip(sim).Erases(), 1);
    EXPECT_EQ(Ask(*link, "w", 1), "*");
    EXPECT_EQ(Ask(*link, std::string(256, '\xF0'), 1), "\x01");
    EXPECT_EQ(Ask(*link, "\x07", 1), "\x07");
    const auto flash = Chip(sim).Flash();
    EXPECT_EQ(std::count(flash.begin(), flash.begin() + 256, 0xF0), 256);
    EXPECT_EQ(std::count(flash.begin() + 256, flash.end(), 0xFF), 131072 - 256);
    EXPECT_EQ(Ask(*link, "x", 2), std::string("\x00\x00", 2));
}

TEST(NpceSim, StreamsTakeOnlyTheirOwnBytes) {
    auto sim = MakeSim("pcb3");
    auto link = OpenRawLink(sim);
    // The mode letter starts a stream; inside it the bytes come without one.
    EXPECT_EQ(Ask(*link, "NZ", 4).size(), 4u);
    EXPECT_EQ(Ask(*link, "Ne", 2), std::string("\x01\x00", 2));
    EXPECT_EQ(Ask(*link, "Nx", 2), std::string("\x01\x00", 2));
    EXPECT_EQ(Ask(*link, "Nw", 1), "*");
    EXPECT_EQ(Ask(*link, std::string(256, '\x5A'), 1), "\x01");
    EXPECT_EQ(Ask(*link, "Nw", 1, kShort), kTimedOut);
    ExpectOneSurprise("Nw", "NPCE write, after block 1");
    EXPECT_EQ(Ask(*link, "\x07", 1), "\x07");

    // '-' outside a stream is nobody's command on a PCB3.
    EXPECT_EQ(Ask(*link, "-", 1, kShort), kTimedOut);
    ExpectOneSurprise("-", "waiting for a command");

    // After the last block only the end of the stream is taken.
    EXPECT_EQ(Ask(*link, "Nr", 512).size(), 512u);
    for (int block = 2; block <= 256; ++block)
        ASSERT_EQ(Ask(*link, "r", 512).size(), 512u);
    EXPECT_EQ(Ask(*link, "r", 1, kShort), kTimedOut);
    ExpectOneSurprise("r", "NPCE read, after block 256");
    EXPECT_EQ(Ask(*link, "-", 2), std::string("\x01\x00", 2));
    EXPECT_EQ(Ask(*link, "B", 17), "M328_EPM240_v16\r\n");
}

TEST(NpceSim, CommandsSentDuringTheEraseAreLostBeyondTheUartBuffer) {
    auto sim = MakeSim("pcb2-npce");
    auto link = OpenRawLink(sim);
    // Four blank checks in the same write as the erase: two wait in the UART, two are lost.
    EXPECT_EQ(Ask(*link, "exxxx", 6), std::string("\x01\x00\x01\x00\x01\x00", 6));
    ExpectOneSurprise("xx", "erasing the flash");
}
