// "MB connection ITE.txt": its lines, the values of its keys, choosing a motherboard and
// mirroring the boxes for a reversed cable.
#include "modes/Ite/IteDatabase.h"

#include <gtest/gtest.h>

namespace {
const std::string kBoard = "Board PD0=12 PD1=13 PD2=14 PD3=15 PD4=16 PD5=17 PD6=18 PD7=19 "
                           "BUSY=21 STB=5 AFD=6 INIT=7 SLIN=8 KSI4=9 KSI5=10 KB_pins=24";

int Box(const IteAssignment& boxes, int number) {
    return boxes[static_cast<std::size_t>(number - 1)];
}

IteAssignment Filled(int value) {
    IteAssignment boxes;
    boxes.fill(value);
    return boxes;
}
} // namespace

TEST(IteDatabase, LinesEndAtLfWithCrDroppedAndAnUnfinishedLastLineLeftOut) {
    const auto lf = SplitIteDatabase("one\ntwo\n\nthree");
    EXPECT_EQ(lf, (std::vector<std::string>{"one", "two", ""}));
    EXPECT_EQ(SplitIteDatabase("one\r\ntwo\r\n\r\nthree"), lf);
    EXPECT_EQ(SplitIteDatabase("o\rne\n"), std::vector<std::string>{"one"});

    // A line with no key is the file's comment, not a board.
    EXPECT_EQ(
        IteMotherboardList(std::vector<std::string>{"comment", "a PD0=1", "", "b KB_pins=24"}),
        (std::vector<std::string>{"Please select MOTHERBOARD", "a PD0=1", "b KB_pins=24"}));
    EXPECT_EQ(
        IteMotherboardList(std::nullopt),
        std::vector<std::string>{"File [MB connection ITE.txt] not found. Please read manual!"});
}

TEST(IteDatabase, AValueIsOneOrTwoCharactersAfterTheFirstKey) {
    using K = IteKeyValue;
    auto value = [](std::string_view line) {
        const IteKeyValue v = FindIteKey(line, "PD0=");
        return v.kind == K::Number ? v.value : -1 - static_cast<int>(v.kind);
    };
    EXPECT_EQ(value("X PD0=7 PD1=8"), 7);
    EXPECT_EQ(value("X PD0=7"), 7);
    EXPECT_EQ(value("PD0=12 X"), 12);
    EXPECT_EQ(value("PD0=123"), 12); // a third digit is never read
    EXPECT_EQ(value("PD0=0"), 0);
    EXPECT_EQ(value("X PD0=33 PD0=5"), 33); // the first occurrence counts
    EXPECT_EQ(value("X pd0=5"), -1 - K::Missing);
    EXPECT_EQ(value("X PD0=A"), -1 - K::NotANumber);
    EXPECT_EQ(value("X PD0=1A"), -1 - K::NotANumber);
    EXPECT_EQ(value("X PD0="), -1 - K::NotANumber);
    // The name is searched too: a board named after a key is read at its name.
    EXPECT_EQ(value("PD0=4U PD0=5"), -1 - K::NotANumber);
}

TEST(IteDatabase, ChoosingABoardSetsEachSignalsBox) {
    const IteSelection s = SelectIteMotherboard(kBoard, Filled(0));
    ASSERT_TRUE(s.complete);
    EXPECT_FALSE(s.message);
    for (int box = 1; box <= 8; ++box)
        EXPECT_EQ(Box(s.boxes, box), 11 + box); // PD0..PD7
    EXPECT_EQ(Box(s.boxes, 9), 5);              // STB
    EXPECT_EQ(Box(s.boxes, 10), 6);             // AFD
    EXPECT_EQ(Box(s.boxes, 11), 8);             // SLIN
    EXPECT_EQ(Box(s.boxes, 12), 7);             // INIT
    EXPECT_EQ(Box(s.boxes, 13), 21);            // BUSY
    EXPECT_EQ(Box(s.boxes, 14), 9);             // KSI4
    EXPECT_EQ(Box(s.boxes, 15), 10);            // KSI5
}

TEST(IteDatabase, AStopKeepsTheBoxesItDidNotReach) {
    for (const char* bad : {"PD0=0", "PD0=33", "PD0=x"}) {
        std::string line = kBoard;
        line.replace(line.find("PD0=12"), 6, bad);
        const IteSelection s = SelectIteMotherboard(line, Filled(3));
        EXPECT_FALSE(s.complete) << bad;
        EXPECT_EQ(s.message,
                  (IteText{"Неверный номер ножки для PD0 !", "Invalid contact number PD0"}))
            << bad;
        EXPECT_EQ(s.boxes, Filled(3)) << bad;
    }

    std::string noKsi5 = kBoard;
    noKsi5.replace(noKsi5.find("KSI5=10"), 7, "");
    const IteSelection s = SelectIteMotherboard(noKsi5, Filled(Ite::kNoSelection));
    EXPECT_FALSE(s.complete);
    EXPECT_EQ(s.message->en, "Information about the contact number KSI5 is not found!");
    EXPECT_EQ(s.message->ru, "Не найдена информация по номеру ножки для KSI5 !");
    EXPECT_EQ(Box(s.boxes, 14), 9); // fourteen boxes set
    EXPECT_EQ(Box(s.boxes, 15), Ite::kNoSelection);

    EXPECT_EQ(SelectIteMotherboard("Please select MOTHERBOARD", Filled(1)).message->en,
              "Information about the contact number PD0 is not found!");
}

TEST(IteDatabase, MirroringTurnsTheContactsAroundTheConnector) {
    IteAssignment boxes = Filled(Ite::kNotConnected);
    boxes[0] = 1;
    boxes[1] = 24;
    boxes[2] = 10;
    boxes[3] = Ite::kNoSelection;
    boxes[4] = 30; // beyond a 24-contact connector
    const IteMirror once = MirrorIteAssignment(kBoard, boxes);
    EXPECT_FALSE(once.message);
    EXPECT_EQ(Box(once.boxes, 1), 24);
    EXPECT_EQ(Box(once.boxes, 2), 1);
    EXPECT_EQ(Box(once.boxes, 3), 15);
    EXPECT_EQ(Box(once.boxes, 4), Ite::kNoSelection);
    EXPECT_EQ(Box(once.boxes, 5), Ite::kNoSelection);  // no mirror: no selection
    EXPECT_EQ(Box(once.boxes, 6), Ite::kNotConnected); // "NC" stays "NC"
    boxes[4] = Ite::kNoSelection;
    EXPECT_EQ(MirrorIteAssignment(kBoard, once.boxes).boxes, boxes);

    std::string wrong = kBoard;
    wrong.replace(wrong.find("KB_pins=24"), 10, "KB_pins=33");
    const IteMirror refused = MirrorIteAssignment(wrong, boxes);
    EXPECT_EQ(refused.boxes, boxes);
    EXPECT_EQ(refused.message->en,
              "Wrong number of keyboard connector contacts (23 < acceptable <33)!");
    EXPECT_EQ(MirrorIteAssignment("KB_pins=23", boxes).message, IteTexts::kPinCountWrong);
    EXPECT_EQ(MirrorIteAssignment("KB_pins=32", boxes).message, std::nullopt);
    EXPECT_EQ(MirrorIteAssignment("PD0=1", boxes).message, IteTexts::kPinCountMissing);
}

// --mb: an exact name wins over boards whose names hold it; then one match in any case.
TEST(IteDatabase, BoardsAreFoundByTheirNames) {
    const std::vector<std::string> lines{"LA-1234 rev10 PD0=1", "LA-1234 rev1 PD0=2",
                                         "Other Board KB_pins=24 PD0=3", "comment LA-1234 rev1"};
    EXPECT_EQ(IteBoardName(lines[2]), "Other Board");
    EXPECT_EQ(FindIteBoards(lines, "LA-1234 rev1"), std::vector<std::string>{lines[1]});
    EXPECT_EQ(FindIteBoards(lines, lines[0]), std::vector<std::string>{lines[0]});
    EXPECT_EQ(FindIteBoards(lines, "other"), std::vector<std::string>{lines[2]});
    EXPECT_EQ(FindIteBoards(lines, "la-1234").size(), 2u);
    EXPECT_TRUE(FindIteBoards(lines, "comment").empty());
    EXPECT_TRUE(FindIteBoards(lines, "").empty());
}
