// The simulated serial flash behind the ITE EC obeys its opcodes, so that a command the host
// leaves out shows as wrong data.
#include "sim/chips/IteSerialFlash.h"

#include <gtest/gtest.h>

namespace {
class Flash {
  public:
    explicit Flash(std::chrono::nanoseconds erase = {},
                   std::vector<std::uint8_t> eraseOpcodes = {0x60, 0xC7})
        : memory(4096, 0x5A), chip(memory, erase, {}, std::move(eraseOpcodes)) {}
    std::vector<std::uint8_t> Command(std::vector<std::uint8_t> bytes) {
        chip.Select();
        for (std::uint8_t& b : bytes)
            b = chip.Transfer(b);
        chip.Deselect();
        return bytes;
    }
    std::vector<std::uint8_t> memory;
    IteSerialFlash chip;
};
} // namespace

TEST(IteSerialFlash, EraseAndProgramNeedTheirWriteEnable) {
    Flash f;
    f.Command({0x60});
    EXPECT_EQ(f.memory[0], 0x5A);
    EXPECT_EQ(f.chip.Erases(), 0);
    f.Command({0x06});
    EXPECT_EQ(f.Command({0x05, 0})[1], 0x02); // write enable latched
    f.Command({0xC7});
    EXPECT_EQ(f.memory[100], 0xFF);
    EXPECT_EQ(f.chip.Erases(), 1);
    // Busy until a status read has seen it so, whatever the timing: a write enable and an erase
    // sent at once are not taken; then the enable is used up.
    f.Command({0x06});
    f.Command({0x60});
    EXPECT_EQ(f.chip.Erases(), 1);
    EXPECT_EQ(f.Command({0x05, 0, 0}), (std::vector<std::uint8_t>{0xFF, 0x01, 0x00}));
    f.Command({0x60});
    EXPECT_EQ(f.chip.Erases(), 1);

    f.Command({0x02, 0, 0, 0x10, 0x12, 0x34});
    EXPECT_EQ(f.memory[0x10], 0xFF); // no write enable: nothing programmed
    f.Command({0x06});
    f.Command({0x02, 0, 0, 0x10, 0x12, 0x34});
    EXPECT_EQ(f.memory[0x10], 0x12);
    EXPECT_EQ(f.memory[0x11], 0x34);
    f.Command({0x06}); // the program still runs: not taken
    EXPECT_EQ(f.Command({0x05, 0, 0}), (std::vector<std::uint8_t>{0xFF, 0x01, 0x00}));
    f.Command({0x06});
    f.Command({0x02, 0, 0, 0x10, 0xF0}); // programming only clears bits
    EXPECT_EQ(f.memory[0x10], 0x10);

    // A flash that knows one chip erase opcode ignores the other and keeps its write enable.
    for (const std::uint8_t known : {0x60, 0xC7}) {
        Flash one({}, {known});
        one.Command({0x06});
        one.Command({static_cast<std::uint8_t>(known == 0x60 ? 0xC7 : 0x60)});
        EXPECT_EQ(one.chip.Erases(), 0);
        one.Command({known});
        EXPECT_EQ(one.chip.Erases(), 1) << int{known};
    }
}

TEST(IteSerialFlash, ABusyChipAnswersOnlyItsStatus) {
    Flash f(std::chrono::seconds(60));
    f.Command({0x06});
    f.Command({0x60});
    EXPECT_GT(f.chip.RemainingBusy().count(), 0);
    EXPECT_EQ(f.Command({0x05, 0})[1], 0x01);
    f.Command({0x06}); // ignored while erasing
    EXPECT_EQ(f.Command({0x05, 0})[1], 0x01);
    EXPECT_EQ(f.Command({0x03, 0, 0, 0, 0})[4], 0xFF);
}
