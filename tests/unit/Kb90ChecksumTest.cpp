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

TEST(Kb90Checksum, FoldingBlockByBlockEqualsOnePass) {
    std::vector<std::uint8_t> data(1000);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<std::uint8_t>(i * 37 + 11);
    const std::span<const std::uint8_t> all(data);
    std::uint16_t crc = 0, sum = 0;
    for (std::size_t at = 0; at < data.size(); at += 256) {
        const auto part = all.subspan(at, std::min<std::size_t>(256, data.size() - at));
        crc = Crc16(part, crc);
        sum = Sum16(part, sum);
    }
    EXPECT_EQ(crc, Crc16(all));
    EXPECT_EQ(sum, Sum16(all));
    std::uint16_t byteWise = 0;
    for (std::uint8_t b : data)
        byteWise = Crc16Update(byteWise, b);
    EXPECT_EQ(byteWise, Crc16(all));
}

TEST(Kb90Checksum, SumWrapsModulo65536) {
    const std::vector<std::uint8_t> erased(131072, 0xFF);
    EXPECT_EQ(Sum16(erased), 0x0000); // 131072 * 255 = 0x1FE0000
    const std::vector<std::uint8_t> ones(257, 0xFF);
    EXPECT_EQ(Sum16(ones), static_cast<std::uint16_t>(257 * 255));
}
