// Board names from 8-bit text files shown readably.
#include "port/EightBitText.h"

#include <gtest/gtest.h>

TEST(EightBitText, Utf8StaysAsItIs) {
    EXPECT_EQ(EightBitToUtf8("Board one KSO3=12"), "Board one KSO3=12");
    EXPECT_EQ(EightBitToUtf8("Плата Müller"), "Плата Müller");
    EXPECT_TRUE(IsValidUtf8(""));
}

TEST(EightBitText, CyrillicWordsReadAsWindows1251) {
    // "Плата ёж" in Windows-1251
    EXPECT_EQ(EightBitToUtf8("\xCF\xEB\xE0\xF2\xE0 \xB8\xE6 KSO3=12"), "Плата ёж KSO3=12");
}

TEST(EightBitText, IsolatedAccentsReadAsLatin1) {
    EXPECT_EQ(EightBitToUtf8("M\xFCller X55 \xE9t\xE9"), "Müller X55 été");
}

TEST(EightBitText, BrokenOrOverlongUtf8IsNotTakenForUtf8) {
    for (const char* bytes :
         {"\xC3", "\xE2\x82", "\xC0\xAF", "\xED\xA0\x80", "\xF5\x80\x80\x80", "\x80", "ab\xC3(c"})
        EXPECT_FALSE(IsValidUtf8(bytes)) << bytes;
    EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x98\x80"));
    EXPECT_EQ(EightBitToUtf8("\xC0\xAF"), "À¯");
}
