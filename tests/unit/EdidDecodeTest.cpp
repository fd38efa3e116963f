// "EDID at a glance" for images shaped like real ones, and for broken and blank ones.
#include "modes/Edid/EdidDecode.h"
#include "modes/Edid/PnpIds.h"
#include "support/EdidSamples.h"
#include "support/SimFixture.h"

#include <gtest/gtest.h>

using namespace Edid;

namespace {
class EdidDecodeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteFileBytes(dir.File("pnp.ids"), "# comment line\n"
                                            "DEL\tDell Inc.\n"
                                            "LGD\tLG Display\r\n"
                                            "broken line without a tab\n"
                                            "SAMSamsung\n"
                                            "ab\tlower case\n");
        PnpIds::SetPath(dir.File("pnp.ids"));
    }
    void TearDown() override { PnpIds::SetPath(PnpIds::DefaultPath()); }

    template <std::size_t N>
    static std::vector<std::string> Lines(const std::array<std::uint8_t, N>& a) {
        return SummaryLines(Decode(a));
    }

    TempDir dir;
};
} // namespace

TEST_F(EdidDecodeTest, LaptopPanelEdid14) {
    const Summary s = Decode(EdidSamples::kLaptopPanel);
    ASSERT_TRUE(s.preferred);
    EXPECT_EQ(s.preferred->refreshMilliHz(), 59934);
    EXPECT_EQ(Lines(EdidSamples::kLaptopPanel),
              (std::vector<std::string>{
                  "EDID at a glance:",
                  "  Header: valid",
                  "  Manufacturer: LGD (LG Display)",
                  "  Product code: 0x046F",
                  "  Serial number: 0",
                  "  Text: LG Display",
                  "  Text: LP156WF6-SPK1",
                  "  Manufactured: 2015",
                  "  EDID version: 1.4",
                  "  Preferred resolution: 1920x1080 @ 59.93 Hz, pixel clock 138.50 MHz",
                  "  Extension blocks: 0",
                  "  Checksum of block 0: OK",
              }));
}

TEST_F(EdidDecodeTest, DesktopMonitorEdid13WithExtension) {
    EXPECT_EQ(Lines(EdidSamples::kDesktopMonitor),
              (std::vector<std::string>{
                  "EDID at a glance:",
                  "  Header: valid",
                  "  Manufacturer: DEL (Dell Inc.)",
                  "  Product code: 0xA07A",
                  "  Serial number: 808596300",
                  "  Monitor name: DELL U2412M",
                  "  Serial text: Y3D6K43T0JXL",
                  "  Manufactured: week 12 of 2014",
                  "  EDID version: 1.3",
                  "  Preferred resolution: 1920x1200 @ 59.95 Hz, pixel clock 154.00 MHz",
                  "  Extension blocks: 1",
                  "  Checksum of block 0: OK",
                  "  Checksum of block 1: OK",
              }));
}

TEST_F(EdidDecodeTest, TelevisionMakerMissingFromTheList) {
    const std::vector<std::string> lines = Lines(EdidSamples::kTelevision);
    EXPECT_EQ(lines[2], "  Manufacturer: SAM (not in the PNP ID list)");
    EXPECT_EQ(lines[5], "  Monitor name: SAMSUNG");
    EXPECT_EQ(lines[6], "  Manufactured: 2010");
    EXPECT_EQ(lines[8], "  Preferred resolution: 1920x1080 @ 60.00 Hz, pixel clock 148.50 MHz");
    // The empty text descriptor gives no line.
    EXPECT_EQ(lines.size(), 12u);
}

TEST_F(EdidDecodeTest, WithoutTheSystemListOnlyTheIdShows) {
    PnpIds::SetPath(dir.File("no-such-list"));
    EXPECT_EQ(Lines(EdidSamples::kDesktopMonitor)[2], "  Manufacturer: DEL");
}

TEST_F(EdidDecodeTest, InstalledSystemListNamesTheMaker) {
    PnpIds::SetPath(PnpIds::DefaultPath());
    if (!std::filesystem::exists(PnpIds::DefaultPath()))
        GTEST_SKIP() << "hwdata's pnp.ids is not installed";
    EXPECT_EQ(Lines(EdidSamples::kTelevision)[2], "  Manufacturer: SAM (Samsung Electric Company)");
}

TEST_F(EdidDecodeTest, BrokenHeaderAndChecksum) {
    std::array<std::uint8_t, 128> broken = EdidSamples::kLaptopPanel;
    broken[0] = 0x20;
    broken[100] ^= 0x01;
    const Summary s = Decode(broken);
    EXPECT_FALSE(s.headerValid);
    EXPECT_FALSE(s.ChecksumsOk());
    const std::vector<std::string> lines = SummaryLines(s);
    EXPECT_EQ(lines[1], "  Header: not valid (00 FF FF FF FF FF FF 00 expected)");
    // 0x20 more and one bit less: the stored 0x3E should have been 0x1F.
    EXPECT_EQ(lines.back(), "  Checksum of block 0: wrong (byte 127 is 0x3E, should be 0x1F)");
}

TEST_F(EdidDecodeTest, BadExtensionChecksumIsCaughtOnItsOwn) {
    std::array<std::uint8_t, 256> image = EdidSamples::kDesktopMonitor;
    image[200] ^= 0x80;
    const Summary s = Decode(image);
    ASSERT_EQ(s.checksums.size(), 2u);
    EXPECT_TRUE(s.checksums[0].ok);
    EXPECT_FALSE(s.checksums[1].ok);
    EXPECT_FALSE(s.ChecksumsOk());
}

// One field changed: the year as a model year, a week that is not one, no timing in the first
// descriptor, extensions the image does not hold.
TEST_F(EdidDecodeTest, ChangedFieldsShowInTheirLines) {
    std::array<std::uint8_t, 128> image = EdidSamples::kLaptopPanel;
    image[16] = 0xFF;
    image[17] = 29;
    EXPECT_EQ(SummaryLines(Decode(image))[7], "  Model year: 2019");
    image[16] = 60;
    EXPECT_EQ(SummaryLines(Decode(image))[7], "  Manufactured: 2019 (week 60 is not valid)");

    image = EdidSamples::kLaptopPanel;
    image[54] = image[55] = 0;
    EXPECT_EQ(SummaryLines(Decode(image))[9],
              "  Preferred resolution: not given (the first descriptor holds no timing)");

    image = EdidSamples::kLaptopPanel;
    image[126] = 3;
    image[127] = ExpectedChecksum(image);
    const Summary s = Decode(image);
    EXPECT_EQ(s.checksums.size(), 1u);
    EXPECT_TRUE(s.ChecksumsOk());
    EXPECT_EQ(SummaryLines(s)[10], "  Extension blocks: 3 (0 of them in this image)");
}

TEST_F(EdidDecodeTest, BlankEepromSaysSo) {
    std::array<std::uint8_t, 256> blank;
    blank.fill(0xFF);
    // Byte 126 (0xFF) claims 255 extensions: the second block is checked too.
    EXPECT_EQ(SummaryLines(Decode(blank)),
              (std::vector<std::string>{
                  "EDID at a glance:", "  The image is blank: no EDID.",
                  "  Checksum of block 0: wrong (byte 127 is 0xFF, should be 0x7F)",
                  "  Checksum of block 1: wrong (byte 127 is 0xFF, should be 0x7F)"}));
}

TEST_F(EdidDecodeTest, ShortInputAndInvalidIdLetters) {
    const std::uint8_t header[10] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00};
    const Summary s = Decode(header);
    EXPECT_TRUE(s.headerValid);
    EXPECT_EQ(s.manufacturerId, "???");
    EXPECT_EQ(SummaryLines(s)[2], "  Manufacturer: ??? (not a valid ID)");
    EXPECT_EQ(s.checksums.size(), 1u);
}
