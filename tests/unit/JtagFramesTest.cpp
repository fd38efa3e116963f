// The batches of the erase and the write, the block checksum, and the cable routing.
#include "modes/Nuvoton_jtag_form/JtagFrames.h"
#include "modes/Nuvoton_jtag_form/JtagRouting.h"

#include <gtest/gtest.h>

using namespace NuvJtag;

TEST(JtagFrames, Crc8MaximCheckValueAndAnErasedBlock) {
    const std::string digits = "123456789";
    EXPECT_EQ(Crc8Maxim({reinterpret_cast<const std::uint8_t*>(digits.data()), digits.size()}),
              0xA1);
    const std::vector<std::uint8_t> erased(256, 0xFF);
    EXPECT_EQ(Crc8Maxim(erased), 0xB4);
    // a running checksum over two halves is the checksum of the whole
    const std::vector<std::uint8_t> one{1, 2, 3}, two{4, 5};
    EXPECT_EQ(Crc8Maxim(two, Crc8Maxim(one)), Crc8Maxim(std::vector<std::uint8_t>{1, 2, 3, 4, 5}));
}

TEST(JtagFrames, BatchSizesAndTheirHeader) {
    const std::vector<std::uint8_t> block(256, 0x11);
    EXPECT_EQ(BatchFrame(kModeRaw, EraseSectorEntries(0)).size(), 125u);
    EXPECT_EQ(BatchFrame(kModeChecked, WriteSetupEntries()).size(), 40u);
    EXPECT_EQ(BatchFrame(kModeChecked, DataEntries(0, block)).size(), 335u);
    const auto commit = BatchFrame(kModeCommit, CommitEntries(0, 0));
    ASSERT_EQ(commit.size(), 35u);
    EXPECT_EQ(std::vector<std::uint8_t>(commit.begin(), commit.begin() + 10),
              (std::vector<std::uint8_t>{'J', 'W', 35, 0, 0x22, 0x0B, 0xF0, 0x07, 0x01, 0x00}));
}

TEST(JtagFrames, EraseOfTheLastSectorSendsItsAddressBytesWhole) {
    const auto e = EraseSectorEntries(31);
    ASSERT_EQ(e.size(), 24u);
    EXPECT_EQ(e[0], (PairEntry{0x0B, 0xFF0016}));
    EXPECT_EQ(e[1], (PairEntry{0x0D, 0x06}));
    EXPECT_EQ(e[10], (PairEntry{0x0D, 0x20}));
    EXPECT_EQ(e[15], (PairEntry{0x0B, 0xFF0018}));
    EXPECT_EQ(e[16], (PairEntry{0x0D, 0x1F0}));
    EXPECT_EQ(e[19], (PairEntry{0x0D, 0x01}));
    EXPECT_EQ(e[22], (PairEntry{0x0D, 0xA8}));
    EXPECT_EQ(e[23], (PairEntry{0x09, 0x03}));
}

TEST(JtagFrames, DataAndCommitOfEvenAndOddBlocks) {
    std::vector<std::uint8_t> block(256);
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<std::uint8_t>(i);
    const auto even = DataEntries(300, block);
    ASSERT_EQ(even.size(), 66u);
    EXPECT_EQ(even[0], (PairEntry{0x0B, 0x10800}));
    EXPECT_EQ(even[1], (PairEntry{0x0D, 0x03020100}));
    EXPECT_EQ(even[2], (PairEntry{0x09, 0x7EB}));
    EXPECT_EQ(even[65], (PairEntry{0x0D, 0xFFFEFDFC}));
    EXPECT_EQ(DataEntries(301, block)[0], (PairEntry{0x0B, 0x10900}));

    EXPECT_EQ(CommitEntries(300, 0x5A), (std::vector<PairEntry>{{0x0B, 0x107F0},
                                                                {0x0D, 0x10077},
                                                                {0x09, 0x6B},
                                                                {0x0D, 0x1005A},
                                                                {0x0D, 0x2C0000FF},
                                                                {0x0D, 0x00000001}}));
    const auto odd = CommitEntries(301, 0x5A);
    EXPECT_EQ(odd[4].value, 0x2D0000FFu);
    EXPECT_EQ(odd[5].value, 0x01000001u);
}

TEST(JtagRouting, TypeBAndTheMapTexts) {
    EXPECT_EQ(RoutingWrites(MapFor(true)), (std::vector<RoutingWrite>{{0x40, 0x89},
                                                                      {0x24, 0x40},
                                                                      {0x20, 0x40},
                                                                      {0x25, 0x00},
                                                                      {0x21, 0x00},
                                                                      {0x26, 0x10},
                                                                      {0x22, 0x04},
                                                                      {0x27, 0x00},
                                                                      {0x23, 0x00},
                                                                      {0x10, 0x40},
                                                                      {0x11, 0x00},
                                                                      {0x12, 0x1C},
                                                                      {0x13, 0x00}}));
    EXPECT_EQ(MapText(MapFor(true)), "A7 B19 C10 D21 E20");
    EXPECT_EQ(MapText(MapFor(false)), "A24 B12 C21 D10 E11");
}
