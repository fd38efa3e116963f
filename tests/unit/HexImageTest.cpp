// Intel HEX parsing of the M88 mode firmware, and the record lines sent to the bootloader.
#include "shell/HexImage.h"
#include "link/StandInMarker.h"
#include "shell/LoadAndSendModeFirmware.h"
#include "sim/StandInFirmware.h"

#include "support/Pattern.h"

#include <gtest/gtest.h>

namespace {
bool Parse(const std::string& text, ModeFirmwareImage* image) {
    const auto bytes = Bytes(text);
    return ParseModeFirmwareHex(bytes, image);
}

// One data record, CR LF ended, with a correct checksum.
std::string DataRecord(std::size_t address, const std::vector<std::uint8_t>& data) {
    unsigned sum = static_cast<unsigned>(data.size() + (address >> 8) + (address & 0xFF));
    char text[16];
    std::snprintf(text, sizeof text, ":%02X%04X", static_cast<unsigned>(data.size()),
                  static_cast<unsigned>(address & 0xFFFF));
    std::string line = std::string(text) + "00";
    for (std::uint8_t b : data) {
        sum += b;
        std::snprintf(text, sizeof text, "%02X", b);
        line += text;
    }
    std::snprintf(text, sizeof text, "%02X", static_cast<unsigned>(-sum & 0xFF));
    return line + text + "\r\n";
}
} // namespace

TEST(HexImage, DataRecordsLandAtTheirAddressesInAnFfImage) {
    ModeFirmwareImage image;
    ASSERT_TRUE(Parse(":0401200001020304D1\r\n:00000001FF\r\n", &image));
    ASSERT_EQ(image.size(), 0x1800u);
    EXPECT_EQ(image[0x11F], 0xFF);
    EXPECT_EQ(image[0x120], 0x01);
    EXPECT_EQ(image[0x123], 0x04);
    EXPECT_EQ(image[0x124], 0xFF);
    EXPECT_EQ(LastProgrammedAddress(image), 0x123u);
}

TEST(HexImage, LineEndsMustBeCrLf) {
    ModeFirmwareImage image;
    const std::string lfOnly = ":0401200001020304D1\n:00000001FF\n";
    EXPECT_FALSE(Parse(lfOnly, &image));
    // A lone record still passes: the error shows at the second one.
    EXPECT_TRUE(Parse(":0401200001020304D1\n", &image));
}

TEST(HexImage, OnlyDataAndEndRecordsAreUnderstood) {
    ModeFirmwareImage image;
    EXPECT_FALSE(Parse(":020000040000FA\r\n:0401200001020304D1\r\n:00000001FF\r\n", &image));
    EXPECT_FALSE(Parse(":0400000300001234B3\r\n", &image)); // start segment address
    EXPECT_FALSE(Parse("0401200001020304D1\r\n", &image));  // no ':'
}

TEST(HexImage, ChecksumsAndDigitCaseAreChecked) {
    ModeFirmwareImage image;
    EXPECT_FALSE(Parse(":0401200001020304D2\r\n", &image));
    EXPECT_FALSE(Parse(":00000001FE\r\n", &image));
    EXPECT_TRUE(Parse(":01000000AB54\r\n", &image));
    // Lower-case digits do not read as hex: the same record fails its checksum.
    EXPECT_FALSE(Parse(":01000000ab54\r\n", &image));
}

TEST(HexImage, TheEndRecordStopsTheParse) {
    ModeFirmwareImage image;
    ASSERT_TRUE(Parse(":00000001FF\r\nnot a record", &image));
    EXPECT_FALSE(LastProgrammedAddress(image).has_value());
    // Without an end record the data still counts.
    ASSERT_TRUE(Parse(":01000000AB54\r\n", &image));
    EXPECT_EQ(LastProgrammedAddress(image), 0u);
}

TEST(HexImage, RecordsReachingPastTheImageAreRefusedNotWritten) {
    ModeFirmwareImage image;
    const std::vector<std::uint8_t> sixteen(16, 0x5A);
    EXPECT_TRUE(Parse(DataRecord(0x17F0, sixteen), &image));
    EXPECT_EQ(LastProgrammedAddress(image), 0x17FFu);
    EXPECT_FALSE(Parse(DataRecord(0x17F8, sixteen), &image));
    EXPECT_FALSE(Parse(DataRecord(0xFFF0, sixteen), &image));
}

TEST(HexImage, ARecordCutOffByTheEndOfTheTextIsAnError) {
    ModeFirmwareImage image;
    EXPECT_FALSE(Parse(":0401200001020304", &image));
    EXPECT_FALSE(Parse(":04012000", &image));
    EXPECT_FALSE(Parse(":040", &image));
    // The checksum is there; only the line end is missing.
    EXPECT_TRUE(Parse(":0401200001020304D1", &image));
}

TEST(HexImage, OnlyTheFirst32768BytesAreParsed) {
    // 727 records of 16 bytes (45 characters each) and one of 20 bytes fill 32768 exactly.
    std::string text;
    const std::vector<std::uint8_t> data(16, 0x11);
    for (int i = 0; i < 727; ++i)
        text += DataRecord(static_cast<std::size_t>(i % 384) * 16, data);
    text += DataRecord(0x100, std::vector<std::uint8_t>(20, 0x22));
    ASSERT_EQ(text.size(), kHexFileLimit);
    const std::string beyond = DataRecord(0x1700, std::vector<std::uint8_t>(16, 0x33)) + "junk";
    ModeFirmwareImage image;
    ASSERT_TRUE(Parse(text + beyond, &image));
    EXPECT_EQ(image[0x100], 0x22);
    EXPECT_EQ(image[0x1700], 0x11); // the record past the limit was not applied
}

TEST(HexImage, RecordLineIsFortyFourBytesOfUpperCaseHexEndedByLf) {
    ModeFirmwareImage image(kModeFirmwareImageSize, 0xFF);
    for (int i = 0; i < 16; ++i)
        image[0x120 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    const auto line = HexRecordLine(image, 0x120);
    EXPECT_EQ(std::string(line.begin(), line.end()),
              ":10012000000102030405060708090A0B0C0D0E0F57\n");
    const auto blank = HexRecordLine(image, 0x17F0);
    EXPECT_EQ(std::string(blank.begin(), blank.end()),
              ":1017F000FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9\n");
}

TEST(HexImage, RecordRepliesOfTwoOrThreeBytesPassWhateverTheyHold) {
    auto refused = [](std::string reply) {
        reply += '\x11';
        return RecordReplyRefused(Bytes(reply));
    };
    EXPECT_FALSE(refused("x-"));
    EXPECT_FALSE(refused("x-y"));
    EXPECT_TRUE(refused("x-yz"));
    EXPECT_TRUE(refused("\r-CS"));
    EXPECT_FALSE(refused("\r+CS"));
    EXPECT_FALSE(refused(""));
    EXPECT_FALSE(refused("x"));
}

TEST(StandInFirmware, EveryFileParsesAndNamesItsVersion) {
    const auto files = StandInFirmwareFiles();
    ASSERT_EQ(files.size(), 5u);
    for (const StandInFile& f : files) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(StandInVersion(f.image), f.version);
        if (f.name.ends_with(".vss")) {
            EXPECT_EQ(f.content.size(), f.image.size());
            EXPECT_NE(f.content.size() % 128, 0u); // the last block is padded
            continue;
        }
        ModeFirmwareImage image;
        ASSERT_TRUE(Parse(f.content, &image));
        EXPECT_LE(f.content.size(), kHexFileLimit);
        EXPECT_EQ(LastProgrammedAddress(image), f.image.size() - 1);
        EXPECT_TRUE(std::equal(f.image.begin(), f.image.end(), image.begin()));
    }
}
