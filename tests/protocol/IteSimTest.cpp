// The simulated ITE EC spoken to byte by byte: a preparation row left out shows as wrong data,
// and what its firmware would not take is a protocol surprise.
#include "IteRig.h"
#include "support/Pattern.h"
#include "support/RawLink.h"
#include "support/SimFixture.h"
#include "support/Surprises.h"

#include <gtest/gtest.h>

namespace {
using namespace std::string_literals;

struct Row {
    std::uint8_t reg, value;
};
const std::vector<Row> kInit{{0x27, 0x01}, {0x27, 0x80}, {0x04, 0xFF}, {0x07, 0x7F}, {0x06, 0xFF}};

class Pcb2Ite {
  public:
    explicit Pcb2Ite(const std::string& json = "{}") : sim(MakeSim("pcb2-ite", json)) {
        link = OpenRawLink(sim);
        EXPECT_EQ(Ask(*link, "S", 1), "*");
        for (std::size_t i = 0; i < kDefaultTriples.size(); i += 3)
            EXPECT_EQ(Ask(*link, kDefaultTriples.substr(i, 3), 1), "+");
        EXPECT_EQ(Ask(*link, "QQQ", 1), "+");
        EXPECT_EQ(Ask(*link, "T", 1), "o");
    }
    void Rows(const std::vector<Row>& rows) {
        for (const Row& r : rows) {
            EXPECT_EQ(Ask(*link, "A"s + static_cast<char>(r.reg), 1), "o");
            EXPECT_EQ(Ask(*link, "W"s + static_cast<char>(r.value), 1), "o");
        }
    }
    std::string ReadBlock() { return Ask(*link, "r", 257); }
    SimIteEc& Chip() { return dynamic_cast<SimIteEc&>(*sim->Jig().Module("ite")); }

    std::shared_ptr<SimFtdiApi> sim;
    std::unique_ptr<ProgrammerLink> link;
};

std::vector<Row> With(std::vector<Row> rows, const std::vector<Row>& more) {
    rows.insert(rows.end(), more.begin(), more.end());
    return rows;
}
} // namespace

TEST(IteSim, AFastReadWithoutItsOpcodeOrItsPreparationReadsNothing) {
    const auto image = SimIteEc::DefaultImage();
    const std::string first(image.begin(), image.begin() + 256);
    const std::vector<Row> fastRead{{0x05, 0xFE}, {0x08, 0x00}, {0x05, 0xFD}, {0x08, 0x0B},
                                    {0x08, 0x00}, {0x08, 0x00}, {0x08, 0x00}, {0x08, 0x00}};
    {
        Pcb2Ite jig;
        jig.Rows(With(kInit, fastRead));
        EXPECT_EQ(jig.ReadBlock(), first + "o");
    }
    {
        Pcb2Ite jig;
        std::vector<Row> noOpcode = fastRead;
        noOpcode.erase(noOpcode.begin() + 3); // (R009) left out
        jig.Rows(With(kInit, noOpcode));
        EXPECT_EQ(jig.ReadBlock(), std::string(256, '\xFF') + "o");
    }
    {
        Pcb2Ite jig;
        jig.Rows(With({kInit.begin() + 1, kInit.end()}, fastRead)); // (R001) left out
        EXPECT_EQ(jig.ReadBlock(), std::string(256, '\xFF') + "o");
    }
}

TEST(IteSim, AWriteWithoutTheEraseLeavesOldBitsInTheFlash) {
    Pcb2Ite jig;
    const std::vector<Row> eraseWithoutEnable{
        {0x05, 0xFE}, {0x08, 0x00}, {0x05, 0xFD}, {0x08, 0x60}, {0x05, 0xFE}};
    jig.Rows(With(kInit, eraseWithoutEnable));
    EXPECT_EQ(jig.Chip().Erases(), 0);
    EXPECT_EQ(Ask(*jig.link, "Y\0\0\0"s, 1), "o");
    EXPECT_EQ(Ask(*jig.link, "w" + std::string(128, '\x0F'), 1), "o");
    const auto before = SimIteEc::DefaultImage();
    const auto flash = jig.Chip().Flash();
    for (std::size_t i = 0; i < 128; ++i)
        ASSERT_EQ(flash[i], before[i] & 0x0F) << i; // programming only clears bits
    EXPECT_EQ(flash[128], before[128]);
}

TEST(IteSim, CommandsOfTheOtherBoardAreSurprises) {
    Pcb2Ite pcb2;
    EXPECT_EQ(Ask(*pcb2.link, "D\x01", 1, Millis(200)), "<timed out>"); // PCB3's data write
    auto surprises = TakeSurprises();
    ASSERT_EQ(surprises.size(), 1u);
    EXPECT_EQ(surprises[0].bytes, (std::vector<std::uint8_t>{'D', 0x01}));

    auto sim = MakeSim("pcb3");
    auto link = OpenRawLink(sim);
    EXPECT_EQ(Ask(*link, "TW\x01", 1, Millis(200)), "<timed out>"); // the M88's data write
    EXPECT_EQ(Ask(*link, "TS", 1), "*");
    EXPECT_EQ(Ask(*link, "XY\x01", 1, Millis(200)), "<timed out>"); // no such signal
    EXPECT_EQ(Ask(*link, "QQQ", 1), "e");                           // nothing assigned yet
    surprises = TakeSurprises();
    ASSERT_EQ(surprises.size(), 2u);
    EXPECT_EQ(surprises[0].bytes, (std::vector<std::uint8_t>{'T', 'W', 0x01}));
    EXPECT_EQ(surprises[1].bytes, (std::vector<std::uint8_t>{'X', 'Y', 0x01}));
}

// The JIG programs a block only at the address 'Y' gave, and only within the flash: a block
// write before any address, or past the end of the flash, is a surprise.
TEST(IteSim, ABlockWriteNeedsItsAddressWithinTheFlash) {
    Pcb2Ite jig;
    jig.Rows(kInit);
    const std::string block = "w" + std::string(128, '\x00');
    EXPECT_EQ(Ask(*jig.link, block, 1, Millis(200)), "<timed out>");
    auto surprises = TakeSurprises();
    ASSERT_EQ(surprises.size(), 1u);
    EXPECT_EQ(surprises[0].bytes, Bytes(block));         // its data with it
    EXPECT_EQ(Ask(*jig.link, "Y\x01\xFF\x80"s, 1), "o"); // the last block of the flash
    EXPECT_EQ(Ask(*jig.link, block, 1), "o");
    EXPECT_EQ(Ask(*jig.link, block, 1, Millis(200)), "<timed out>");
    surprises = TakeSurprises();
    ASSERT_EQ(surprises.size(), 1u);
    EXPECT_EQ(jig.Chip().Flash()[0x1FF80], 0x00);
}
