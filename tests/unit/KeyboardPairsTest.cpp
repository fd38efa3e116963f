// Pin pairs: numbering, the scan answer and the grid geometry.
#include "modes/Keyboard/KeyboardPairs.h"

#include <gtest/gtest.h>

#include <set>

using namespace Keyboard;

TEST(KeyboardAnswer, OneFirstPinWithSeveralSecondsThenANewGroup) {
    const std::vector<std::uint8_t> answer{0x03, 0x05, 0x07, '>', 0x0A, 0x0C, '&'};
    const std::vector<PinPair> pairs = ParseScanAnswer(answer);
    EXPECT_EQ(pairs, (std::vector<PinPair>{{3, 5}, {3, 7}, {10, 12}}));
    std::vector<int> numbers;
    for (const PinPair& p : pairs)
        numbers.push_back(PairNumber(p.a, p.b));
    EXPECT_EQ(numbers, (std::vector<int>{69, 71, 300}));
}

TEST(KeyboardAnswer, PairsWithoutAnIndicatorAreSkippedAndOthersKept) {
    // (0,5) and (33,3): pins out of range; (7,3): descending; (3,3): equal; (3,40): out of
    // range. The valid pairs around them stay.
    const std::vector<std::uint8_t> answer{0,   5, '>', 33, 3, '>', 7,  3,  9,
                                           '>', 3, 3,   40, 4, '>', 31, 32, '&'};
    EXPECT_EQ(ParseScanAnswer(answer), (std::vector<PinPair>{{7, 9}, {3, 4}, {31, 32}}));
}

TEST(KeyboardAnswer, EmptyAndUnfinishedGroups) {
    EXPECT_TRUE(ParseScanAnswer(std::vector<std::uint8_t>{'&'}).empty());
    EXPECT_TRUE(ParseScanAnswer(std::vector<std::uint8_t>{5, '>', 6, '&'}).empty());
    EXPECT_TRUE(ParseScanAnswer(std::vector<std::uint8_t>{}).empty());
    // The first pin stays until '>': no '>' means the next byte is a second pin, not a first.
    EXPECT_EQ(ParseScanAnswer(std::vector<std::uint8_t>{2, 4, 6, 8, '&'}),
              (std::vector<PinPair>{{2, 4}, {2, 6}, {2, 8}}));
}

TEST(KeyboardPairNumbers, EveryIndicatorHasItsOwnNumberAndBack) {
    EXPECT_EQ(PairNumber(1, 2), 2);
    EXPECT_EQ(PairNumber(31, 32), 992);
    std::set<int> numbers;
    for (const PinPair& p : AllPairs()) {
        const int n = PairNumber(p.a, p.b);
        numbers.insert(n);
        EXPECT_EQ(PinsOf(n), p) << n;
    }
    EXPECT_EQ(numbers.size(), 496u);
    EXPECT_EQ(PinsOf(33), PinPair{}); // pins 2 and 1
    EXPECT_EQ(PinsOf(0), PinPair{});
    EXPECT_EQ(PinsOf(993), PinPair{});
}

TEST(KeyboardGrid, GroupsOfFiveWithAnExtraGap) {
    EXPECT_EQ(IndicatorLeft(2), 20);
    EXPECT_EQ(IndicatorLeft(5), 65);
    EXPECT_EQ(IndicatorLeft(6), 88); // 8 more before pin 6
    EXPECT_EQ(IndicatorLeft(32), 518);
    EXPECT_EQ(IndicatorTop(1), 40);
    EXPECT_EQ(IndicatorTop(5), 100);
    EXPECT_EQ(IndicatorTop(6), 120); // 5 more before pin 6
    EXPECT_EQ(IndicatorTop(31), 520);
}
