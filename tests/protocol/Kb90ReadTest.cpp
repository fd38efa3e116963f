// READ on both boards against the simulated KB90xx, and every way it can end early.
#include "EneRig.h"
#include "link/OpenProgrammerLink.h"
#include "sim/Scenario.h"

#include <chrono>
#include <filesystem>
#include <thread>

namespace {
std::vector<std::uint8_t> Frame(std::initializer_list<std::uint8_t> bytes) {
    return bytes;
}
void Append(std::vector<std::uint8_t>& to, const std::vector<std::uint8_t>& more) {
    to.insert(to.end(), more.begin(), more.end());
}
} // namespace

class EneReadBoards : public EneTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(EneReadBoards, ReadGivesTheFlashByteForByte) {
    const bool pcb3 = std::string(GetParam()) == "pcb3";
    Start(GetParam());
    const std::string out = dir.File("flash.bin");
    Read(out);

    EXPECT_EQ(FileBytes(out), Chip().Flash());
    EXPECT_EQ(Chip().Flash(), SimEneKb90xx::DefaultImage());
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded);
    ExpectIdle();
    EXPECT_EQ(port.Gauge(), 32768);
    EXPECT_EQ(port.GaugeMax(), 32768);
    EXPECT_EQ(port.GaugeColour(), (Rgb{0, 255, 0}));

    std::vector<std::string> expected{"Communication with KB90XX installed.",
                                      "Embedded Debug Version ID = 11",
                                      "Save the file: ",
                                      out,
                                      "Reading KB90XX ...",
                                      kStamp,
                                      "Reading completed successfully.",
                                      kStamp};
    EXPECT_EQ(LinesFrom("Communication with KB90XX installed."), expected);
    EXPECT_EQ(port.HasLine("WARNING !!! The default mode for SOLDERING WIRES."), pcb3);

    std::vector<std::uint8_t> wire{'B'};
    if (pcb3)
        Append(wire, Frame({'S', 'R', 'K', 'V', 'I', 'K', 'R'}));
    else
        Append(wire, Frame({'V', 'R'}));
    for (int block = 1; block <= 512; ++block) {
        if (pcb3)
            wire.push_back('?');
        wire.push_back(block == 512 ? 'X' : 'N');
    }
    wire.push_back('I');
    EXPECT_EQ(HostBytes(), wire);

    const auto dialogs = port.Dialogs();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].title, "Save file");
    EXPECT_EQ(dialogs[0].filter, "BIN file KB90XX (*.bin)|*.bin");
    EXPECT_EQ(dialogs[0].initialName, "Noname");
    EXPECT_TRUE(dialogs[0].confirmOverwrite);
}

// The stream ends as the protocol ends it, so the JIG takes the next read at once; the dump
// under the chosen name is the old one, the blocks received are beside it.
TEST_P(EneReadBoards, StopBetweenBlocksKeepsTheOldDumpAndLeavesTheJigReady) {
    const bool pcb3 = std::string(GetParam()) == "pcb3";
    Start(GetParam());
    const std::string out = dir.File("flash.bin");
    WriteFileBytes(out, "the old dump");
    StopOnceAtGauge(37 * 64);
    Read(out);

    EXPECT_EQ(engine->Run().Result(), Outcome::Stopped);
    EXPECT_EQ(ReadFileText(out), "the old dump");
    const auto flash = Chip().Flash();
    EXPECT_EQ(FileBytes(out + ".partial"),
              std::vector<std::uint8_t>(flash.begin(), flash.begin() + 37 * 256));
    EXPECT_EQ(LinesFrom(kStoppedLine),
              (std::vector<std::string>{kStoppedLine, kStamp,
                                        "The 9472 bytes received are kept in " + out +
                                            ".partial; " + out + " is unchanged."}));
    EXPECT_EQ(engine->Run().ChipState(), "");
    ExpectIdle();

    std::vector<std::uint8_t> wire{'B'};
    Append(wire, pcb3 ? Frame({'S', 'R', 'K', 'V', 'I', 'K', 'R'}) : Frame({'V', 'R'}));
    for (int block = 1; block <= 37; ++block) {
        if (pcb3)
            wire.push_back('?');
        wire.push_back(block == 37 ? 'X' : 'N');
    }
    wire.push_back('O');
    EXPECT_EQ(HostBytes(), wire);

    Read(dir.File("again.bin"));
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded);
    EXPECT_EQ(FileBytes(dir.File("again.bin")), flash);
}

INSTANTIATE_TEST_SUITE_P(Boards, EneReadBoards, ::testing::Values("pcb2-v41", "pcb3"));

TEST_F(EneTest, NoEcAnswerAndAnAnswerOf0xFFEndTheSameWay) {
    for (const char* chip : {R"({"connected": false})", R"({"debugVersion": 255})"}) {
        port.ClearLog();
        Start("pcb2-v41", std::string(R"({"chips": {"ene": )") + chip + "}}");
        Read(dir.File("never.bin"));
        EXPECT_EQ(LinesFrom(""), (std::vector<std::string>{
                                     "", "No connection to the KB90XX!", "Check the settings !",
                                     "Motherboard is connected / powered ?"}));
        EXPECT_EQ(HostBytes(), (std::vector<std::uint8_t>{'B', 'V', 'O'}));
        EXPECT_TRUE(port.Dialogs().empty());
        EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
    }
}

TEST_F(EneTest, OutdatedOrMissingJigEndsWithoutFurtherLines) {
    Start("pcb2-v42");
    Read(dir.File("never.bin"));
    EXPECT_EQ(port.Lines().back(), FirmwareFixLine(LinkVariants::EneKb90xx));
    EXPECT_EQ(engine->Run().Result(), Outcome::NoJig);

    port.ClearLog();
    Start("pcb3", R"({"devices": []})");
    Read(dir.File("never.bin"));
    EXPECT_EQ(port.Lines(), std::vector<std::string>{"VCOM port is not found on the machine!"});
    EXPECT_EQ(engine->Run().Result(), Outcome::NoJig);
}

TEST_F(EneTest, CancelledSaveDialogAndFilesThatCannotBeMade) {
    Start("pcb3");
    port.QueueFileAnswer(std::nullopt);
    engine->ReadClick();
    EXPECT_EQ(LinesFrom("Write to file is interrupted."),
              (std::vector<std::string>{"Write to file is interrupted.", ""}));
    EXPECT_FALSE(engine->LinkOpen());

    // Refused before the read starts: nothing after the identification goes out.
    for (const auto& [path, reason] :
         {std::pair{dir.File("no-such-folder/out.bin"), "No such file or directory"},
          std::pair{std::string("/dev/full"), "not a regular file"}}) {
        Start("pcb2-v41");
        Read(path);
        EXPECT_TRUE(port.HasLine(path + ": " + reason));
        EXPECT_EQ(port.Messages().back(), "Ошибка создания файла.");
        EXPECT_EQ(HostBytes(), (std::vector<std::uint8_t>{'B', 'V'}));
        EXPECT_EQ(engine->Run().Result(), Outcome::NoFile);
    }
    EXPECT_EQ(port.Messages().size(), 2u);
    EXPECT_FALSE(port.HasLine("Reading completed successfully."));
}

// A read that fails half way keeps the whole blocks it received beside the old dump and names
// the wait that failed: PCB3's bad block status, and silence within the block bound.
TEST_F(EneTest, FailedReadKeepsTheBlocksReadSoFarBesideTheOldDump) {
    const std::string lost = "Lost Communication with ENE or timeout!";
    struct Case {
        const char* board;
        const char* chip;
        int blocks; // received whole
        std::vector<std::string> named;
        std::vector<std::uint8_t> tail;
    } cases[] = {
        {"pcb3", R"({"failBlock": 3})", 3, {}, {'?', 'X', 'O'}},
        {"pcb2-v41",
         R"({"silentAtBlock": 100})",
         99,
         {"Timeout: no answer from the JIG (block 100 of 512)"},
         {'X', 'O'}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chip);
        Start(c.board, std::string(R"({"chips": {"ene": )") + c.chip + "}}");
        port.ClearLog();
        Kb90Bounds bounds;
        bounds.dataBlock = Millis(400);
        engine->SetBounds(bounds);
        const std::string out = dir.File("flash.bin");
        WriteFileBytes(out, PatternImage(131072));
        Read(out);
        const auto flash = Chip().Flash();
        const std::size_t kept = static_cast<std::size_t>(c.blocks) * 256;
        EXPECT_TRUE(ReadFileText(out) == PatternImage(131072));
        EXPECT_EQ(FileBytes(out + ".partial"),
                  std::vector<std::uint8_t>(flash.begin(), flash.begin() + kept));
        std::vector<std::string> lines{lost};
        lines.insert(lines.end(), c.named.begin(), c.named.end());
        lines.insert(lines.end(),
                     {kStamp, "The " + std::to_string(kept) + " bytes received are kept in " + out +
                                  ".partial; " + out + " is unchanged."});
        EXPECT_EQ(LinesFrom(lost), lines);
        const auto wire = HostBytes();
        EXPECT_EQ(
            std::vector<std::uint8_t>(wire.end() - static_cast<long>(c.tail.size()), wire.end()),
            c.tail);
        EXPECT_EQ(port.Gauge(), c.blocks * 64);
        EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
    }
}

TEST_F(EneTest, BusyReadRefusesOtherClicksAndQuittingCancelsIt) {
    Start("pcb2-v41", R"({"chips": {"ene": {"silentAtBlock": 2}}})");
    port.QueueFileAnswer(dir.File("partial.bin"));
    engine->ReadClick(); // the default bound: five seconds of silence
    for (int i = 0; i < 400 && port.Gauge() != 64; ++i)
        std::this_thread::sleep_for(Millis(5));
    ASSERT_EQ(port.Gauge(), 64);
    EXPECT_EQ(engine->Run().State(), "Reading");
    EXPECT_FALSE(port.Enabled("KB901X_WRITE"));
    EXPECT_FALSE(port.Enabled("EXIT_KB901X"));
    EXPECT_TRUE(port.Enabled("KB901X_READ"));

    const auto linesBefore = port.Lines();
    engine->ReadClick();
    engine->WriteClick();
    engine->ApplyFfcSettings(std::string("MB KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8"),
                             std::string("30 pin"), true);
    EXPECT_FALSE(engine->ExitClick());
    EXPECT_EQ(port.Lines(), linesBefore);
    EXPECT_EQ(port.Dialogs().size(), 1u);

    const auto started = SteadyClock::now();
    engine.reset();
    EXPECT_LT(SteadyClock::now() - started, Millis(1000));
    EXPECT_TRUE(port.HasLine("Cancelled while waiting for the JIG (block 2 of 512)"));
    EXPECT_FALSE(std::filesystem::exists(dir.File("partial.bin")));
    EXPECT_EQ(ReadFileText(dir.File("partial.bin.partial")).size(), 256u);
}

// A simulator that serves a technician for hours keeps a bounded record of the wire: after 20
// reads it holds what it held after one, while its figures still count every byte.
TEST_F(EneTest, TheSimulatorsRecordOfTheWireStaysBounded) {
    WriteFileBytes(dir.File("s.json"), "{}");
    Scenario scenario;
    std::string error;
    ASSERT_TRUE(LoadScenario(dir.File("s.json"), "pcb2-v41", SimTiming::Instant, &scenario, &error))
        << error;
    sim = std::make_shared<SimFtdiApi>(scenario);
    engine = std::make_unique<Kb901xEngine>(sim, port);
    Read(dir.File("dump.bin"));
    const std::size_t afterOne = sim->Jig().Transcript().size();
    EXPECT_EQ(afterOne, scenario.transcriptBytes);
    for (int read = 2; read <= 20; ++read)
        Read(dir.File("dump.bin"));
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded);
    EXPECT_EQ(sim->Jig().Transcript().size(), afterOne);
    EXPECT_GE(sim->Jig().Stats().bytesToHost, 20u * 131072u);
}
