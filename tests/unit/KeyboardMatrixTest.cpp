// The indicators' colours and "Hide current".
#include "modes/Keyboard/KeyboardMatrix.h"

#include <gtest/gtest.h>

using namespace Keyboard;

namespace {
const std::vector<PinPair> kHeld{{3, 5}};
} // namespace

TEST(KeyboardMatrix, HideCurrentBlackensTheNextAnswerAndSkipsItAfterwards) {
    KeyboardMatrix m;
    m.ApplyAnswer(kHeld, nullptr);
    m.SetHideCurrent(true);
    EXPECT_EQ(m.Hide(), HideMode::Start);
    std::vector<IndicatorChange> changes;
    EXPECT_TRUE(m.ApplyAnswer(kHeld, &changes)); // recording beeps too
    EXPECT_EQ(m.Hide(), HideMode::End);
    EXPECT_EQ(m.ColourOf(69), Colour::Black);
    EXPECT_EQ(m.Hidden(), std::vector<std::uint32_t>{69});

    changes.clear();
    EXPECT_FALSE(m.ApplyAnswer(kHeld, &changes)); // hidden alone: no report, no beep
    EXPECT_TRUE(changes.empty());
    EXPECT_TRUE(m.ApplyAnswer({{3, 5}, {10, 12}}, &changes));
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].pairNumber, 300);
    EXPECT_EQ(m.ColourOf(69), Colour::Black);

    // Unchecked: the black key blinks again, starting red.
    m.SetHideCurrent(false);
    m.ApplyAnswer(kHeld, nullptr);
    EXPECT_EQ(m.ColourOf(69), Colour::Red);
    // Checked again: the list starts afresh.
    m.SetHideCurrent(true);
    EXPECT_TRUE(m.Hidden().empty());
}

TEST(KeyboardMatrix, AnswerOfInvalidPairsStillEndsTheRecording) {
    KeyboardMatrix m;
    m.SetHideCurrent(true);
    EXPECT_FALSE(m.ApplyAnswer({{5, 3}, {0, 40}}, nullptr));
    EXPECT_EQ(m.Hide(), HideMode::End);
    EXPECT_TRUE(m.Hidden().empty());
}

TEST(KeyboardMatrix, ClearPaintsAll496AquaRowByRow) {
    KeyboardMatrix m;
    m.ApplyAnswer({{1, 2}, {31, 32}}, nullptr);
    std::vector<IndicatorChange> changes;
    m.Clear(&changes);
    ASSERT_EQ(changes.size(), 496u);
    EXPECT_EQ(changes.front().pairNumber, 2);
    EXPECT_EQ(changes[31].pairNumber, 32 + 3); // row 2 starts with pins 2 and 3
    EXPECT_EQ(changes.back().pairNumber, 992);
    EXPECT_EQ(m.ColourOf(2), Colour::Aqua);
    EXPECT_EQ(m.ColourOf(992), Colour::Aqua);
}
