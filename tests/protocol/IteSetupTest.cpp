// APPLY and Check connection against the simulated ITE EC on both boards.
#include "IteRig.h"
#include "link/OpenProgrammerLink.h"
#include "modes/Ite/IteDatabase.h"

using namespace std::string_literals;

class IteSetup : public IteTest {};

class IteSetupBoards : public IteTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(IteSetupBoards, ApplySendsTheFifteenTriplesAndCheckReadsTheId) {
    const bool pcb3 = std::string(GetParam()) == "pcb3";
    Start(GetParam(), "{}", false);
    Apply(DefaultBoxes());
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded);
    ExpectIdle();
    std::vector<std::uint8_t> wire{'B'};
    if (pcb3)
        wire.push_back('T');
    wire.push_back('S');
    for (char b : kDefaultTriples + "QQQ")
        wire.push_back(static_cast<std::uint8_t>(b)); // no mode letter before the triples
    EXPECT_EQ(HostBytes(), wire);
    const std::string version = pcb3 ? "M328_EPM240_v16  " : "ITE_PROJ_M88  ";
    EXPECT_EQ(En(),
              (std::vector<std::string>{kIteStampEn, "Number of VCOM ports found on the machine: 1",
                                        "Programmer FW version -> " + version,
                                        "Communication with programmer installed.",
                                        "Send the settings for MB.", "All settings sent."}));
    EXPECT_EQ(Ru(), (std::vector<std::string>{
                        kIteStampRu, "Number of VCOM ports found on the machine: 1",
                        "Версия FW программатора -> " + version,
                        "Communication with programmer installed.", "Отправляем настройки под MB.",
                        "Настройки все отправлены."}));
    std::map<std::string, int> given = Chip().Assignment();
    EXPECT_EQ(given, SimIteEc::DefaultWiring());

    port.ClearLogs();
    const std::size_t before = sim->Jig().BytesToJig().size();
    Check();
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded) << Dump();
    ExpectIdle();
    ASSERT_TRUE(engine->ChipId());
    EXPECT_EQ(engine->ChipId()->id1, 0x85);
    EXPECT_EQ(engine->ChipId()->id2, 0x12);
    EXPECT_EQ(engine->ChipId()->revision, 0x02);
    EXPECT_EQ(EnFrom(""),
              (std::vector<std::string>{
                  "", "Check connection ...", "Number of VCOM ports found on the machine: 1",
                  "Programmer FW version -> " + version, "Communication with programmer installed.",
                  "The programmer is found and ready to go.", "",
                  "Now, as soon as possible, connect the adapter (5 seconds) !",
                  "Received ITE ID  -> 8512 rev -> 02"}));
    EXPECT_EQ(Ru()[1], "Проверка связи ...");
    EXPECT_EQ(Ru().back(), "Received ITE ID  -> 8512 rev -> 02");
    const auto all = sim->Jig().BytesToJig();
    const std::vector<std::uint8_t> check(all.begin() + static_cast<std::ptrdiff_t>(before),
                                          all.end());
    EXPECT_EQ(check, pcb3 ? Bytes("BTTTA\0TRTA\1TRTA\2TRI"s) : Bytes("BTA\0RA\1RA\2RI"s));
}

INSTANTIATE_TEST_SUITE_P(Boards, IteSetupBoards, ::testing::Values("pcb2-ite", "pcb3"));

TEST_F(IteSetup, TheFirstRefusedAnswerStopsTheSettings) {
    struct Case {
        const char* chip;
        IteAssignment boxes;
        const char* lastSent; // the wire ends with this
        const char* line;
    };
    IteAssignment unselected = DefaultBoxes();
    unselected[9] = Ite::kNoSelection; // AFD#: its triple carries 0xFF
    const Case cases[] = {
        {R"({"setupAnswer": 63})", DefaultBoxes(), "S", "Error when entering the setup mode."},
        {R"({"refusePin": "AS"})", DefaultBoxes(), "AS\x08", "Protocol error when setting pins."},
        {"{}", unselected, "DS\xFF", "Protocol error when setting pins."},
        // "+" to every triple, but not to "QQQ"
        {R"({"endOfSetupAnswer": 45})", DefaultBoxes(), "QQQ", "Protocol error when setting pins."},
    };
    for (const Case& c : cases) {
        Start("pcb2-ite", std::string(R"({"chips": {"ite": )") + c.chip + "}}", false);
        Apply(c.boxes);
        EXPECT_EQ(engine->Run().Result(), Outcome::Failed) << c.chip;
        EXPECT_EQ(En().back(), c.line) << c.chip;
        const auto wire = HostBytes();
        const std::string tail = c.lastSent;
        ASSERT_GE(wire.size(), tail.size());
        EXPECT_EQ(std::string(wire.end() - static_cast<std::ptrdiff_t>(tail.size()), wire.end()),
                  tail)
            << c.chip; // nothing after it, and no finish byte
        EXPECT_TRUE(Chip().Assignment().empty()) << c.chip;
    }
    EXPECT_EQ(Ru().back(), "Ошибка протокола при настройке выводов.");
}

// A check fails on a test not answered "o" (a signal on NC: the EC cannot answer) and on an
// address cycle answered "e", any other answer lets it go on; a failure stops at once with "O".
TEST_F(IteSetup, CheckFailsOnlyWhereTheEcDoesNotAnswer) {
    Start("pcb3", R"({"chips": {"ite": {"addressAnswer": 120, "id": [137, 2], "revision": 16}}})");
    Check();
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded) << Dump();
    EXPECT_EQ(En().back(), "Received ITE ID  -> 8902 rev -> 10");

    IteAssignment nc = DefaultBoxes();
    nc[13] = Ite::kNotConnected; // KSI4
    for (int step = 0; step < 4; ++step) {
        const std::string code = "(0" + std::to_string(step) + ")";
        SCOPED_TRACE(code);
        const std::string reg = std::to_string(step - 1);
        Start("pcb2-ite", step ? R"({"chips": {"ite": {"refuseAddress": )" + reg + "}}}" : "{}",
              false);
        Apply(step ? DefaultBoxes() : nc);
        EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded);
        const auto applied = HostBytes();
        const std::vector<std::uint8_t> k4{'K', '4', static_cast<std::uint8_t>(step ? 9 : 0)};
        EXPECT_NE(std::search(applied.begin(), applied.end(), k4.begin(), k4.end()), applied.end());
        Check();
        EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
        EXPECT_EQ(engine->Run().FailedStep(), code);
        EXPECT_EQ(En().back(),
                  "ITE we do not respond, check the connection and settings. MB powered? " + code);
        EXPECT_EQ(Ru().back(), "ITE мульт нам не отвечает, проверяйте соединение и настройки "
                               "выводов. MB запитана? " +
                                   code);
        const auto wire = HostBytes();
        EXPECT_EQ(std::vector<std::uint8_t>(wire.end() - 3, wire.end()),
                  step ? (std::vector<std::uint8_t>{'A', static_cast<std::uint8_t>(step - 1), 'O'})
                       : (std::vector<std::uint8_t>{'B', 'T', 'O'}));
    }
}

// The first board of the database beside the program is the simulated one: its boxes reach the
// EC, and through a turned cable only once mirrored.
TEST_F(IteSetup, TheDatabaseBoardAnswersAndATurnedCableNeedsItMirrored) {
    const auto lines = LoadIteDatabase(TOLVANE_SOURCE_DIR "/data/MB connection ITE.txt");
    ASSERT_TRUE(lines);
    auto first = std::find_if(lines->begin(), lines->end(), [](const std::string& line) {
        return SelectIteMotherboard(line, kUnassigned).complete;
    });
    ASSERT_NE(first, lines->end());
    const IteAssignment boxes = SelectIteMotherboard(*first, kUnassigned).boxes;
    Start("pcb3", "{}", false);
    Apply(boxes);
    Check();
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded) << Dump();

    const std::string reversed = R"({"chips": {"ite": {"reversed": true}}})";
    Start("pcb3", reversed, false);
    Apply(boxes);
    Check();
    EXPECT_EQ(engine->Run().FailedStep(), "(00)");
    Start("pcb3", reversed, false);
    const IteMirror mirrored = MirrorIteAssignment(*first, boxes);
    ASSERT_FALSE(mirrored.message);
    Apply(mirrored.boxes);
    Check();
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded) << Dump();
}

TEST_F(IteSetup, AJigWithoutTheIteFirmwareIsNotUsed) {
    Start("pcb2-v41", "{}", false);
    Check();
    EXPECT_EQ(engine->Run().Result(), Outcome::NoJig);
    const std::vector<std::string> end{"It is necessary to update the firmware programmer!",
                                       FirmwareFixLine(LinkVariants::Ite)};
    const auto en = En();
    const auto ru = Ru();
    EXPECT_EQ(std::vector<std::string>(en.end() - 2, en.end()), end);
    EXPECT_EQ(std::vector<std::string>(ru.end() - 2, ru.end()), end);
    EXPECT_EQ(ru[ru.size() - 3], "Версия FW программатора -> M88_ALLPCB_V41  ");
    EXPECT_EQ(HostBytes(), std::vector<std::uint8_t>{'B'});
    ExpectIdle();
}
