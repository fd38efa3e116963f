// "Apply settings": the CPLD routing of a flexible cable, and the simulated EC answering only
// when its lines arrive where the board's wiring puts them.
#include "EneRig.h"

namespace {
const std::string kEntry = "Board X KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8";
const std::string kCable = "30 pin";

std::string FfcScenario(bool mirrored) {
    return std::string(R"({"chips": {"ene": {"wiring": "ffc", "cable": 30, "mirrored": )") +
           (mirrored ? "true" : "false") +
           R"(, "connector": {"KSO3": 12, "KSI4": 5, "KSI5": 6, "KSI6": 7, "KSI7": 8}}}})";
}

// The register writes found on the wire, in order.
std::vector<std::pair<int, int>> RegisterWrites(const std::vector<std::uint8_t>& wire) {
    std::vector<std::pair<int, int>> writes;
    for (std::size_t i = 0; i + 3 < wire.size(); ++i)
        if (wire[i] == 'S' && wire[i + 1] == 'W') {
            writes.emplace_back(wire[i + 2], wire[i + 3]);
            i += 3;
        }
    return writes;
}
} // namespace

TEST_F(EneTest, OneToOneCableIsRoutedAndThenRead) {
    Start("pcb3", FfcScenario(false));
    engine->ApplyFfcSettings(kEntry, kCable, true);
    EXPECT_TRUE(engine->FfcSettings());
    EXPECT_FALSE(engine->LinkOpen());
    EXPECT_EQ(LinesFrom(""),
              (std::vector<std::string>{
                  "", "User select --> " + kEntry + " (30 pin FFC) 1 to 1 ",
                  "Number of VCOM ports found on the machine: 1", "Version FW -> M328_EPM240_v16  ",
                  "Communication with programmer installed.", "Settings sent successfully!",
                  "Check GND. Connect the motherboard power adapter.",
                  "We are ready for reading or writing"}));
    const std::vector<std::pair<int, int>> expected{
        {36, 0x10}, {32, 0x40}, {37, 0x08}, {33, 0x08}, {38, 0}, {34, 0},   {39, 0},
        {35, 0},    {16, 0x70}, {17, 0x08}, {18, 0},    {19, 0}, {64, 0x87}};
    const auto wire = HostBytes();
    EXPECT_EQ(RegisterWrites(wire), expected);
    EXPECT_EQ(std::vector<std::uint8_t>(wire.begin(), wire.begin() + 3),
              (std::vector<std::uint8_t>{'B', 'S', 'R'}));
    EXPECT_EQ(wire.back(), 'I');
    const SimBoardState board = sim->Jig().Board();
    EXPECT_EQ(board.cpld[64], 0x87);
    EXPECT_EQ(board.cpld[16], 0x70);

    port.ClearLog();
    Read(dir.File("ffc.bin"));
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded);
    EXPECT_FALSE(port.HasLine("WARNING !!! The default mode for SOLDERING WIRES."));
    EXPECT_EQ(FileBytes(dir.File("ffc.bin")), Chip().Flash());
    EXPECT_TRUE(engine->FfcSettings()); // kept for the next operation
}

TEST_F(EneTest, CableWithoutRoutingOrWithTheWrongOrientationIsNotAnswered) {
    Start("pcb3", FfcScenario(true));
    Read(dir.File("never.bin")); // soldered-wire default routing
    EXPECT_TRUE(port.HasLine("No connection to the KB90XX!"));

    engine->ApplyFfcSettings(kEntry, kCable, true);
    port.ClearLog();
    Read(dir.File("never.bin"));
    EXPECT_TRUE(port.HasLine("No connection to the KB90XX!"));

    // Applied twice, the mirrored routing sends the same registers again.
    const std::size_t before = RegisterWrites(HostBytes()).size();
    engine->ApplyFfcSettings(kEntry, kCable, false);
    const auto first = RegisterWrites(HostBytes());
    engine->ApplyFfcSettings(kEntry, kCable, false);
    const auto both = RegisterWrites(HostBytes());
    ASSERT_EQ(first.size(), before + 13);
    ASSERT_EQ(both.size(), before + 26);
    EXPECT_EQ(std::vector(both.begin() + static_cast<long>(before) + 13, both.end()),
              std::vector(first.begin() + static_cast<long>(before), first.end()));
    EXPECT_EQ(first.back(), (std::pair<int, int>{64, 0x96}));
    EXPECT_EQ(sim->Jig().Board().cpld[64], 0x96);
    port.ClearLog();
    Read(dir.File("mirrored.bin"));
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded);
}

TEST_F(EneTest, SolderedWiresAnswerOnlyOnTheDefaultRouting) {
    Start("pcb3");
    engine->ApplyFfcSettings(kEntry, kCable, true);
    Read(dir.File("never.bin"));
    EXPECT_TRUE(port.HasLine("No connection to the KB90XX!"));

    ASSERT_TRUE(engine->ExitClick());
    EXPECT_FALSE(engine->FfcSettings());
    EXPECT_TRUE(port.Lines().empty());
    Read(dir.File("soldered.bin"));
    EXPECT_TRUE(port.HasLine("WARNING !!! The default mode for SOLDERING WIRES."));
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded);
}

TEST_F(EneTest, Pcb2JigIsNotForCableRouting) {
    Start("pcb2-v41");
    engine->ApplyFfcSettings(kEntry, kCable, true);
    EXPECT_EQ(port.Lines().back(), "Not for this version JIG!");
    EXPECT_FALSE(engine->FfcSettings());
    EXPECT_FALSE(engine->LinkOpen());
    EXPECT_EQ(HostBytes(), std::vector<std::uint8_t>{'B'});
}

TEST_F(EneTest, ApplyRefusesIncompleteChoicesWithoutTouchingTheJig) {
    Start("pcb3");
    struct Case {
        std::optional<std::string> entry, cable;
        const char* line;
    } cases[] = {
        {std::nullopt, kCable, "Please select MB!"},
        {kEntry, std::nullopt, "Select FFC cable you used!"},
        {std::string("EXAMPLES OF THE FORMAT"), kCable, "Please select MB!"},
        {std::string("Board KSO3=12 KSI4=5,KSI5=6 KSI6=7 KSI7=8"), kCable, "Error data format!"},
        {std::string("Board KSO3=12 KSI4=5"), kCable, "Error data format!"},
        {std::string("Board KSO3=22 KSI4=5 KSI5=6 KSI6=7 KSI7=8"), std::string("20 pin"),
         "Please select big pins FFC!"},
    };
    for (const Case& c : cases) {
        port.ClearLog();
        engine->ApplyFfcSettings(c.entry, c.cable, true);
        EXPECT_EQ(port.Lines(), std::vector<std::string>{c.line}) << c.line;
        EXPECT_FALSE(engine->FfcSettings());
    }
    EXPECT_TRUE(HostBytes().empty());
}
