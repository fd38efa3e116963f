// The simulated NPCE flash behaves like flash and takes only what the JIG's firmware would.
#include "sim/chips/NpceSpi.h"
#include "support/RawLink.h"
#include "support/SimFixture.h"
#include "support/Surprises.h"

#include <gtest/gtest.h>

namespace {
constexpr Millis kShort{150};
const std::string kTimedOut = "<timed out>";

SimNpceSpi& Chip(const std::shared_ptr<SimFtdiApi>& sim) {
    return dynamic_cast<SimNpceSpi&>(*sim->Jig().Module("npce-spi"));
}

void ExpectOneSurprise(const std::string& bytes, const std::string& where) {
    const std::vector<SimSurprise> s = TakeSurprises();
    ASSERT_EQ(s.size(), 1u) << DescribeSurprises(s);
    EXPECT_EQ(std::string(s[0].bytes.begin(), s[0].bytes.end()), bytes) << s[0].Describe();
    EXPECT_NE(s[0].step.find(where), std::string::npos) << s[0].Describe();
}
} // namespace

TEST(NpceSim, ProgrammingOnlyClearsBitsAndTheBlankCheckLooks) {
    auto sim = MakeSim("pcb2-npce");
    auto link = OpenRawLink(sim);
    EXPECT_EQ(Ask(*link, "w", 1), "*");
    EXPECT_EQ(Ask(*link, std::string(256, '\xF0'), 1), "\x01");
    EXPECT_EQ(Ask(*link, "\x07", 1), "\x07");
    const auto flash = Chip(sim).Flash();
    const auto before = SimNpceSpi::DefaultImage();
    for (std::size_t i = 0; i < 256; ++i)
        ASSERT_EQ(flash[i], before[i] & 0xF0) << i;
    EXPECT_EQ(Ask(*link, "x", 2), std::string("\x00\x00", 2));

    EXPECT_EQ(Ask(*link, "e", 2), std::string("\x01\x00", 2));
    EXPECT_EQ(Ask(*link, "x", 2), std::string("\x01\x00", 2));
    EXPECT_EQ(Chip(sim).Flash(), std::vector<std::uint8_t>(131072, 0xFF));
    EXPECT_EQ(Chip(sim).Erases(), 1);
}

TEST(NpceSim, StreamsTakeOnlyTheirOwnBytes) {
    auto sim = MakeSim("pcb3");
    auto link = OpenRawLink(sim);
    // The mode letter starts a stream; inside it the bytes come without one.
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
