// The checksums the host compares with the JIG's after a write.
#include "modes/Kb901x_form/Kb90Checksum.h"

#include <gtest/gtest.h>
#include <string_view>
#include <vector>

namespace {
std::span<const std::uint8_t> Bytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}
} // namespace

TEST(Kb90Checksum, CrcAndSumOfTheReferenceTexts) {
    EXPECT_EQ(Crc16(Bytes("123456789")), 0xBB3D);
    EXPECT_EQ(Sum16(Bytes("abc")), 0x0126);
    EXPECT_EQ(Crc16(Bytes("")), 0x0000);
}

TEST(Kb90Checksum, SumWrapsModulo65536) {
    const std::vector<std::uint8_t> erased(131072, 0xFF);
    EXPECT_EQ(Sum16(erased), 0x0000); // 131072 * 255 = 0x1FE0000
    const std::vector<std::uint8_t> ones(257, 0xFF);
    EXPECT_EQ(Sum16(ones), static_cast<std::uint16_t>(257 * 255));
}
