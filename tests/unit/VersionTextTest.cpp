#include "link/VersionText.h"

#include <gtest/gtest.h>

TEST(FilterAnswerChar, KeepsDigitsLettersDotAndUnderscoreOnly) {
    std::string kept;
    for (int b = 0; b < 256; ++b)
        if (FilterAnswerChar(static_cast<std::uint8_t>(b)) != " ")
            kept += static_cast<char>(b);
    EXPECT_EQ(kept, ".0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz");
}

TEST(BoardOf, TellsBoardsByTheirTags) {
    EXPECT_EQ(BoardOf("M328_EPM240_v16  "), Board::Pcb3);
    EXPECT_EQ(BoardOf("M328_EPM240_v15  "), Board::Pcb3);
    EXPECT_EQ(BoardOf("M88_ALLPCB_V41  "), Board::Pcb2);
    EXPECT_EQ(BoardOf("FTDI device not found"), Board::None);
    EXPECT_EQ(BoardOf("FTDI found, ERROR answer"), Board::None);
}
