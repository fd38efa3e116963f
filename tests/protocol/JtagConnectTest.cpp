// Send settings, Check connect and the script: the routing on both boards, the identifier, the
// script's choice, its lines, its counter, and the buttons that follow the steps.
#include "JtagRig.h"

namespace {
using Frames = std::vector<std::vector<std::uint8_t>>;

Frames CpldWrites(const std::vector<std::uint8_t>& host) {
    Frames out;
    for (auto& f : HostFrames(host))
        if (f.size() == 4 && f[0] == 'S' && f[1] == 'W')
            out.push_back({f[2], f[3]});
    return out;
}
} // namespace

TEST_F(JtagTest, Pcb3SettingsRouteTheCableForTheCheckBox) {
    Start("pcb3");
    engine->SendSettings(false);
    EXPECT_EQ(CpldWrites(sim->Jig().BytesToJig()), (Frames{{0x40, 0x94},
                                                           {0x24, 0x00},
                                                           {0x20, 0x00},
                                                           {0x25, 0x02},
                                                           {0x21, 0x08},
                                                           {0x26, 0x80},
                                                           {0x22, 0x80},
                                                           {0x27, 0x00},
                                                           {0x23, 0x00},
                                                           {0x10, 0x00},
                                                           {0x11, 0x0E},
                                                           {0x12, 0x80},
                                                           {0x13, 0x00}}));
    EXPECT_EQ(port.Lines(), (std::vector<std::string>{"", "Current time  " + kJtagStamp,
                                                      "Selected 30 pin FFC (TYPE A))",
                                                      "Settings for NUVOTON send.", ""}));
    EXPECT_EQ(port.Messages(), (std::vector<std::string>{NuvJtag::kPowerOnBox}));
    EXPECT_FALSE(port.Enabled("BitBtn_SETTINGS"));
    EXPECT_TRUE(port.Enabled("BitBtn_CONNECT"));
    EXPECT_FALSE(engine->LinkOpen());
    // The CPLD was reset and the SPI lines switched on before the registers
    const Frames frames = HostFrames(sim->Jig().BytesToJig());
    ASSERT_GE(frames.size(), 3u);
    EXPECT_EQ(frames[1], (std::vector<std::uint8_t>{'S', 'R'}));
    EXPECT_EQ(frames[2], (std::vector<std::uint8_t>{'J', 'S'}));

    // Settings cannot be sent twice in a row; the checked box routes TYPE B
    engine->SendSettings(true);
    EXPECT_EQ(CpldWrites(sim->Jig().BytesToJig()).size(), 13u);
    Start("pcb3");
    engine->SendSettings(true);
    EXPECT_EQ(sim->Jig().Board().cpld[0x40], 0x89);
    EXPECT_EQ(sim->Jig().Board().cpld[0x12], 0x1C);
    EXPECT_TRUE(port.HasLine("Selected 30 pin FFC (TYPE B)"));
}

TEST_F(JtagTest, Pcb2SettingsNameTheWiresAndWriteNoRegister) {
    Start("pcb2-npce");
    engine->SendSettings(false);
    EXPECT_TRUE(CpldWrites(sim->Jig().BytesToJig()).empty());
    EXPECT_EQ(sim->Jig().BytesToJig(), (std::vector<std::uint8_t>{'B'}));
    EXPECT_EQ(port.Lines(), (std::vector<std::string>{"", "Current time  " + kJtagStamp,
                                                      "Version FW -> M88_NPCE288  ",
                                                      "Communication with programmer installed.",
                                                      "User selected A24 B12 C21 D10 E11", ""}));
    EXPECT_EQ(port.Messages(),
              (std::vector<std::string>{"Please connect GND and: \nA24 B12 C21 D10 E11",
                                        NuvJtag::kPowerOnBox}));
    EXPECT_TRUE(port.Enabled("BitBtn_CONNECT"));
}

TEST_F(JtagTest, CheckReadsTheIdentifierAndPlaysTheDefaultScript) {
    Start("pcb3");
    Prepare();
    EXPECT_EQ(LinesFrom("Read NUVOTON ID 0FE2201F"),
              (std::vector<std::string>{
                  "Read NUVOTON ID 0FE2201F", " *** Default file -> NUVOTON.vss",
                  "Sending start: " + kJtagStamp, "Command lines sent: 17 (of 36 lines)",
                  "Sending end:   " + kJtagStamp, "I`m ready to READ or WRITE."}));
    EXPECT_TRUE(Chip().Prepared());
    EXPECT_EQ(engine->Run().State(), "NONE");
    EXPECT_FALSE(engine->LinkOpen());
    EXPECT_FALSE(port.Enabled("BitBtn_SETTINGS"));
    EXPECT_TRUE(port.Enabled("BitBtn_CONNECT"));
    EXPECT_TRUE(port.Enabled("BitBtn_NUV_JTAG_RD"));
    EXPECT_TRUE(port.Enabled("BitBtn_NUV_JTAG_WR"));
    EXPECT_EQ(port.GaugeColour(), (Rgb{255, 255, 0}));
    EXPECT_EQ(view.TimersArmed(), 0);
    // SPI off, the TAP reset, then the identifier shifted out by ones
    const auto frames = HostFrames(sim->Jig().BytesToJig());
    const auto check = std::find(frames.begin(), frames.end(), std::vector<std::uint8_t>{'J', 'X'});
    ASSERT_TRUE(check != frames.end() && frames.end() - check > 3);
    EXPECT_EQ(check[1], (std::vector<std::uint8_t>{'J', '1'}));
    EXPECT_EQ(check[2], (std::vector<std::uint8_t>{'J', 'D', 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(check[3], (std::vector<std::uint8_t>{'J', 'i', 0xFF}));

    // EXIT resets the JIG and the window; READ does nothing before a script has run again
    EXPECT_TRUE(engine->ExitClick());
    EXPECT_TRUE(port.Lines().empty());
    EXPECT_EQ(view.CounterTexts().back(), "");
    const auto host = sim->Jig().BytesToJig();
    EXPECT_EQ(std::vector<std::uint8_t>(host.end() - 5, host.end()),
              (std::vector<std::uint8_t>{'B', 'S', 'R', 'J', 'S'}));
    EXPECT_FALSE(Chip().Prepared());
    ExpectReset();
    engine->ReadClick();
    EXPECT_EQ(sim->Jig().BytesToJig().size(), host.size());
}

TEST_F(JtagTest, AnotherIdentifierOrTheOtherOrientationBreaks) {
    struct Case {
        const char* json;
        bool pin1ToPin1;
        const char* idLine;
    };
    const std::string otherId = std::to_string(0x1FE2201F);
    const std::vector<Case> cases{
        {nullptr, true, "Read NUVOTON ID 1FE2201F"},
        {R"({"chips": {"npceJtag": {"reversed": true}}})", true, "Read NUVOTON ID FFFFFFFF"},
        {R"({"chips": {"npceJtag": {}}})", false, "Read NUVOTON ID FFFFFFFF"},
        {R"({"chips": {"npceJtag": {"connected": false}}})", true, "Read NUVOTON ID FFFFFFFF"}};
    for (const Case& c : cases) {
        Start("pcb3", c.json ? c.json : R"({"chips": {"npceJtag": {"id": )" + otherId + "}}}");
        Prepare(c.pin1ToPin1);
        const auto lines = port.Lines();
        ASSERT_GE(lines.size(), 3u);
        EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()),
                  (std::vector<std::string>{c.idLine, "Wrong ID. Break.", ""}));
        EXPECT_EQ(port.Messages().back(), NuvJtag::kReasonsBox);
        EXPECT_EQ(sim->Jig().BytesToJig().back(), 'O');
        EXPECT_FALSE(Chip().Prepared());
        EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
        ExpectReset();
    }
    // The same board with the box unchecked: the reversed cable answers
    Start("pcb3", R"({"chips": {"npceJtag": {"reversed": true}}})");
    Prepare(false);
    EXPECT_TRUE(port.HasLine("Read NUVOTON ID 0FE2201F"));
    EXPECT_TRUE(port.Enabled("BitBtn_NUV_JTAG_RD"));
}

TEST_F(JtagTest, AMissingScriptBreaksAndAChosenOneIsLogged) {
    Start("pcb2-npce");
    port.QueueFileAnswer(dir.File("none.vss"));
    engine->ChooseScript();
    EXPECT_TRUE(view.CounterShown());
    EXPECT_EQ(port.Lines().back(), "User select VSS file: " + dir.File("none.vss"));
    EXPECT_EQ(port.Dialogs().back().filter, "Open vss file(*.vss)|*.vss");
    Prepare();
    EXPECT_EQ(port.Lines().back(), "Break! Open file (.vss) error or not found!");
    EXPECT_FALSE(port.HasLine(" *** Default file -> NUVOTON.vss"));
    const auto host = sim->Jig().BytesToJig();
    EXPECT_EQ(std::vector<std::uint8_t>(host.end() - 3, host.end()),
              (std::vector<std::uint8_t>{'J', 'S', 'O'}));
    ExpectReset();

    // A cancelled choice goes back to the default script
    port.QueueFileAnswer(std::nullopt);
    engine->ChooseScript();
    Prepare();
    EXPECT_TRUE(port.HasLine(" *** Default file -> NUVOTON.vss"));
    EXPECT_TRUE(port.Enabled("BitBtn_NUV_JTAG_WR"));
}

// A long script moves the gauge and the counter; while it is sent the buttons do nothing.
TEST_F(JtagTest, AThousandLineScriptMovesTheGaugeAndTheCounter) {
    std::string script;
    for (int i = 0; i < 1000; ++i)
        script += i % 2 ? "i FF\r\n" : "; line\r\n";
    WriteFileBytes(dir.File("long.vss"), script);
    Start("pcb3");
    engine->SetScriptPath(dir.File("long.vss"));
    port.At(NuvJtag::kScriptColour, 256, [&] {
        EXPECT_EQ(engine->Run().State(), "TXT_SEND");
        const std::size_t sent = sim->Jig().BytesToJig().size();
        engine->CheckConnect();
        engine->SendSettings(true);
        EXPECT_FALSE(engine->ExitClick());
        EXPECT_EQ(sim->Jig().BytesToJig().size(), sent);
    });
    Prepare();
    EXPECT_EQ(port.GaugeMax(), 1000);
    EXPECT_EQ(view.CounterTexts(), (std::vector<std::string>{"256", "512", "768"}));
    EXPECT_TRUE(port.HasLine("I`m ready to READ or WRITE."));
    EXPECT_TRUE(port.HasLine("Command lines sent: 500 (of 1000 lines)"));
    std::size_t shifts = 0;
    for (auto& f : HostFrames(sim->Jig().BytesToJig()))
        shifts += f == std::vector<std::uint8_t>{'J', 'i', 0xFF};
    EXPECT_EQ(shifts, 500u);
    EXPECT_EQ(sim->Jig().BytesToJig().back(), 0xFF);
}
