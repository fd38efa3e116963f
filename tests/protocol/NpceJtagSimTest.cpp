// The simulated NPCE behind the JIG's JTAG lines, byte by byte: the line commands it answers
// for every mode on PCB3, what it refuses, and when its TAP can be heard at all.
#include "support/RawLink.h"
#include "support/SimFixture.h"
#include "support/Surprises.h"

#include <gtest/gtest.h>

namespace {
constexpr Millis kShort{150};

const std::string kId = RawBytes({0x1F, 0x20, 0xE2, 0x0F});
const std::string kOnes(4, '\xFF');
} // namespace

TEST(NpceJtagSim, LineCommandsAreAnsweredOnPcb3WhateverIsBehind) {
    auto sim = MakeSim("pcb3");
    auto link = OpenRawLink(sim);
    EXPECT_EQ(Ask(*link, "JS", 1), "S");
    EXPECT_EQ(Ask(*link, "JX", 1), "X");
    EXPECT_EQ(Ask(*link, "J1", 1), "1");
    // Nothing routed: the TAP is not heard
    EXPECT_EQ(Ask(*link, RawBytes({'J', 'D', 0xFF, 0xFF, 0xFF, 0xFF}), 4), kOnes);
    EXPECT_EQ(Ask(*link, "JQ", 1, kShort), "<timed out>");
    EXPECT_EQ(SurpriseBytes(), (std::vector<std::string>{"JQ"}));
}

TEST(NpceJtagSim, TheNpceFirmwareAnswersItsSignalsAndHasNoCpld) {
    auto sim = MakeSim("pcb2-npce");
    auto link = OpenRawLink(sim);
    const std::string id = RawBytes({'J', 'D', 0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(Ask(*link, "JX", 1), "X");
    EXPECT_EQ(Ask(*link, "J1", 1), "1");
    EXPECT_EQ(Ask(*link, id, 4), kId);
    EXPECT_EQ(Ask(*link, "JS", 1), "S");
    EXPECT_EQ(Ask(*link, "I", 1), "I");
    EXPECT_EQ(Ask(*link, "SR", 1), "R");
    EXPECT_EQ(Ask(*link, RawBytes({'S', 'W', 0x40, 0x89}), 1, kShort), "<timed out>");
    EXPECT_EQ(SurpriseBytes(), (std::vector<std::string>{RawBytes({'S', 'W', 0x40, 0x89})}));
}

TEST(NpceJtagSim, BatchesOfAnotherShapeAreRefused) {
    auto sim = MakeSim("pcb2-npce");
    auto link = OpenRawLink(sim);
    EXPECT_EQ(Ask(*link, "JX", 1), "X");
    EXPECT_EQ(Ask(*link, "J1", 1), "1");
    // Not a whole number of entries; more than the JIG's buffer; a mode it does not know
    const std::string ragged = RawBytes({'J', 'W', 11, 0, 0xFE, 0x0B, 0, 0, 0, 0, 0});
    const std::string huge = RawBytes({'J', 'W', 0x05, 0x04, 0xFE});
    const std::string mode = RawBytes({'J', 'W', 10, 0, 0x23, 0x0B, 0, 0, 0, 0});
    for (const std::string& batch : {ragged, huge, mode})
        EXPECT_EQ(Ask(*link, batch, 1, kShort), "<timed out>");
    EXPECT_EQ(SurpriseBytes(), (std::vector<std::string>{ragged, huge, mode}));
    // A raw batch of one entry is taken; a checked one without a helper says so
    EXPECT_EQ(Ask(*link, RawBytes({'J', 'W', 10, 0, 0xFE, 0x0B, 0, 0, 0, 0}), 1), "\x22");
    EXPECT_EQ(Ask(*link, RawBytes({'J', 'W', 10, 0, 0xFF, 0x0B, 0, 0, 0, 0}), 1),
              std::string(1, '\0'));
    // Without a helper a block read brings only ones
    EXPECT_EQ(Ask(*link, "JR", 256), std::string(256, '\xFF'));
}
