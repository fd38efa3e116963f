// The hex dump and the image file: padding, cutting, unreadable files.
#include "modes/Edid/EdidImage.h"
#include "support/Pattern.h"
#include "support/SimFixture.h"

#include <gtest/gtest.h>

using namespace Edid;

TEST(EdidDump, CharacterColumnShowsOnlyDigitsLettersDotAndUnderscore) {
    const std::uint8_t bytes[16] = {0x00, 0xFF, 0x41, 0x2E, 0x5F, 0x20, '0', '9',
                                    'z',  'a',  'Z',  0x7F, 0x80, '/',  ':', '@'};
    EXPECT_EQ(DumpLine(bytes, 0xA0),
              "A0: 00 FF 41 2E 5F 20 30 39 7A 61 5A 7F 80 2F 3A 40 ..A._.09zaZ.....");
}

TEST(EdidDump, SixteenLinesInAddressOrder) {
    Image image;
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(i);
    const std::vector<std::string> lines = DumpLines(image);
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[0], "00: 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F ................");
    EXPECT_EQ(lines[3], "30: 30 31 32 33 34 35 36 37 38 39 3A 3B 3C 3D 3E 3F 0123456789......");
    EXPECT_EQ(lines[15], "F0: F0 F1 F2 F3 F4 F5 F6 F7 F8 F9 FA FB FC FD FE FF ................");
}

TEST(EdidImageFile, ShortFileIsFilledUpWithFF) {
    TempDir dir;
    WriteFileBytes(dir.File("short.bin"), std::string(128, '\x5A'));
    const auto loaded = LoadImageFile(dir.File("short.bin"));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->fileSize, 128u);
    for (std::size_t i = 0; i < kImageSize; ++i)
        ASSERT_EQ(loaded->image[i], i < 128 ? 0x5A : 0xFF) << i;
}

TEST(EdidImageFile, LongFileGivesItsFirst256Bytes) {
    TempDir dir;
    std::string bytes = Pattern(300, 7, 0, 8, 0);
    WriteFileBytes(dir.File("long.bin"), bytes);
    const auto loaded = LoadImageFile(dir.File("long.bin"));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->fileSize, 300u);
    EXPECT_EQ(std::string(loaded->image.begin(), loaded->image.end()), bytes.substr(0, 256));
}

TEST(EdidImageFile, EmptyMissingAndFolderNames) {
    TempDir dir;
    WriteFileBytes(dir.File("empty.bin"), "");
    const auto empty = LoadImageFile(dir.File("empty.bin"));
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->fileSize, 0u);
    EXPECT_EQ(empty->image[0], 0xFF);
    EXPECT_FALSE(LoadImageFile(dir.File("missing.bin")));
    EXPECT_FALSE(LoadImageFile(dir.Path()));
}
