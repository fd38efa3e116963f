// The motherboard database lines, their keys and the wiring help built from them.
#include "modes/Kb901x_form/EneDatabase.h"

#include <gtest/gtest.h>

TEST(EneDatabase, LinesEndAtLineFeedsAndDropCarriageReturns) {
    EXPECT_EQ(SplitEneDatabase("A KSO3=1\r\n\r\nB\rC\nlast without end"),
              (std::vector<std::string>{"A KSO3=1", "", "BC"}));
    EXPECT_EQ(SplitEneDatabase("one\ntwo"), std::vector<std::string>{"one"});
    EXPECT_TRUE(SplitEneDatabase("").empty());
    EXPECT_EQ(SplitEneDatabase("\n\n").size(), 2u);
}

TEST(EneDatabase, ShippedExampleFileParses) {
    const auto lines =
        LoadEneDatabase(std::string(TOLVANE_SOURCE_DIR) + "/data/" + kEneDatabaseFile);
    ASSERT_TRUE(lines.has_value());
    ASSERT_GE(lines->size(), 2u);
    EXPECT_NE(lines->front().find("EXAMPLE"), std::string::npos);
    int boards = 0;
    for (const std::string& line : *lines)
        boards += ParseEnePins(line).has_value() ? 1 : 0;
    EXPECT_EQ(boards, static_cast<int>(lines->size()) - 1);
}

TEST(EneDatabase, KeyNumbersTakeOneOrTwoCharacters) {
    EXPECT_EQ(EneKeyPin("X KSO3=12 KSI4=5", "KSO3="), 12);
    EXPECT_EQ(EneKeyPin("X KSO3=12 KSI4=5", "KSI4="), 5); // one digit at the end of the line
    EXPECT_EQ(EneKeyPin("X KSI4=5 KSO3=1", "KSI4="), 5);  // one digit before a blank
    EXPECT_EQ(EneKeyPin("KSI4=7 KSI4=9", "KSI4="), 7);    // the first occurrence counts
    EXPECT_EQ(EneKeyPin("KSI4=123", "KSI4="), 12);        // a third digit is not read
    EXPECT_FALSE(EneKeyPin("KSI4=5,KSO3=1", "KSI4="));    // "5," is not a number
    EXPECT_FALSE(EneKeyPin("KSI4=", "KSI4="));            // nothing after '='
    EXPECT_FALSE(EneKeyPin("KSI4= 5", "KSI4="));
    EXPECT_FALSE(EneKeyPin("KSI4=0 ", "KSI4=")); // pins count from 1
    EXPECT_FALSE(EneKeyPin("KSI4 5", "KSI4="));
}

TEST(EneDatabase, AllFiveKeysInAnyOrder) {
    const auto pins = ParseEnePins("MB KSI7=8 KSI5=6 KSO3=12 KSI6=7 KSI4=5");
    ASSERT_TRUE(pins);
    EXPECT_EQ(*pins, (EnePins{12, 5, 8, 7, 6}));
    EXPECT_FALSE(ParseEnePins("MB KSI7=8 KSI5=6 KSO3=12 KSI6=7"));
    EXPECT_FALSE(ParseEnePins(""));
}

TEST(EneDatabase, CableItemsAndPinCounts) {
    EXPECT_EQ(FfcCableItems().size(), 8u);
    EXPECT_EQ(CablePinCount("30 pin"), 30);
    EXPECT_EQ(CablePinCount("18 pin"), 18);
    EXPECT_EQ(CablePinCount("x"), 0);
}

TEST(EneDatabase, HelpLabelOneToOneMirroredAndItsFailures) {
    const std::string entry = "MB KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8";
    EneHelp help = EneHelpLabel(entry, "30 pin", true);
    EXPECT_EQ(help.label, "Please connect GND and:  A12 B5 C8 D7 E6 (only for JIG 2)");
    EXPECT_EQ(help.pins, (EnePins{12, 5, 8, 7, 6}));

    help = EneHelpLabel(entry, "30 pin", false);
    EXPECT_EQ(help.label, "Please connect GND and:  A19 B26 C23 D24 E25 (only for JIG 2)");
    EXPECT_EQ(help.pins, (EnePins{12, 5, 8, 7, 6})); // the entry's pins stay as they are

    help = EneHelpLabel("MB KSO3=20 KSI4=5 KSI5=6 KSI6=7 KSI7=8", "18 pin", true);
    EXPECT_EQ(help.label, "Please select big pins FFC!");
    EXPECT_TRUE(help.pins.has_value()); // still the current assignment

    help = EneHelpLabel("MB KSO3=12 KSI4=5, KSI5=6 KSI6=7 KSI7=8", "30 pin", true);
    EXPECT_EQ(help.label, "Error data format!");
    EXPECT_FALSE(help.pins.has_value());
}
