// The CPLD register values that route a flexible cable to the EC's lines.
#include "modes/Kb901x_form/FfcRouting.h"

#include <gtest/gtest.h>

// One to one, the cable's writes are Kb90FfcTest's wire.
TEST(FfcRouting, MirroredExample) {
    const EnePins example{12, 5, 8, 7, 6};
    EXPECT_EQ(CablePins(example, 30, false), (EnePins{19, 26, 23, 24, 25}));
    const CpldRouting r = ComputeCpldRouting(CablePins(example, 30, false));
    EXPECT_EQ(r.inputSelect, 0x96);
    // ZERO 19, CS 26, D_TO 24, CLK 25: bits 18, 25, 23, 24
    EXPECT_EQ(r.drive, (1u << 18) | (1u << 25) | (1u << 23) | (1u << 24));
    EXPECT_EQ(r.codeHigh, (1u << 18) | (1u << 25));
    EXPECT_EQ(r.codeLow, (1u << 18) | (1u << 23));
    EXPECT_EQ(CpldRoutingWrites(r).back(), (CpldRegisterWrite{64, 0x96}));
}

TEST(FfcRouting, SharedContactTakesTheLaterLinesCode) {
    // CLK entered after ZERO on the same contact leaves that contact with CLK's code.
    const CpldRouting r = ComputeCpldRouting({4, 2, 1, 3, 4});
    EXPECT_EQ(r.drive, 0b1110u);
    EXPECT_EQ(r.codeHigh, 0b0010u);
    EXPECT_EQ(r.codeLow, 0b0100u);
    EXPECT_EQ(r.inputSelect, 0x80);
}

TEST(FfcRouting, HighestContactLandsInTheLastByte) {
    const auto writes = CpldRoutingWrites(ComputeCpldRouting({32, 31, 30, 29, 25}));
    EXPECT_EQ(writes.size(), 13u);
    EXPECT_EQ(writes[6], (CpldRegisterWrite{39, 0xC0}));  // ZERO 32, CS 31
    EXPECT_EQ(writes[7], (CpldRegisterWrite{35, 0x90}));  // ZERO 32, D_TO 29
    EXPECT_EQ(writes[11], (CpldRegisterWrite{19, 0xD1})); // 32, 31, 29, 25
    EXPECT_EQ(writes[12], (CpldRegisterWrite{64, 0x80 | 29}));
}
