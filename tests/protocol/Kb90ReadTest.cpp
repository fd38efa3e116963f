// READ on both boards against the simulated KB90xx, and every way it can end early.
#include "EneRig.h"
#include "link/OpenProgrammerLink.h"

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
    port.stopAtGauge = 37 * 64;
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

TEST_F(EneTest, ReadOfAFlashFromTheScenarioFile) {
    const std::string image = PatternImage(131072, 3);
    WriteFileBytes(dir.File("ec.bin"), image);
    Start("pcb3", R"({"chips": {"ene": {"file": ")" + dir.File("ec.bin") + R"("}}})");
    Read(dir.File("out.bin"));
    EXPECT_EQ(ReadFileText(dir.File("out.bin")), image);
}

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
        EXPECT_FALSE(engine->LinkOpen());
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

TEST_F(EneTest, CancelledSaveDialogAndUncreatableFile) {
    Start("pcb3");
    port.QueueFileAnswer(std::nullopt);
    engine->ReadClick();
    EXPECT_EQ(LinesFrom("Write to file is interrupted."),
              (std::vector<std::string>{"Write to file is interrupted.", ""}));
    EXPECT_FALSE(engine->LinkOpen());

    Read(dir.File("no-such-folder/out.bin"));
    EXPECT_EQ(port.Messages(), std::vector<std::string>{"Ошибка создания файла."});
    EXPECT_TRUE(port.HasLine(dir.File("no-such-folder/out.bin") + ": No such file or directory"));
    EXPECT_FALSE(engine->LinkOpen());
    EXPECT_EQ(engine->Run().State(), "NONE");
}

TEST_F(EneTest, Pcb3BadBlockStatusKeepsTheBlocksReadSoFarBesideTheOldDump) {
    Start("pcb3", R"({"chips": {"ene": {"failBlock": 3}}})");
    const std::string out = dir.File("flash.bin");
    WriteFileBytes(out, PatternImage(131072));
    Read(out);
    const auto flash = Chip().Flash();
    EXPECT_TRUE(ReadFileText(out) == PatternImage(131072));
    EXPECT_EQ(FileBytes(out + ".partial"),
              std::vector<std::uint8_t>(flash.begin(), flash.begin() + 3 * 256));
    EXPECT_EQ(LinesFrom("Lost Communication with ENE or timeout!"),
              (std::vector<std::string>{"Lost Communication with ENE or timeout!", kStamp,
                                        "The 768 bytes received are kept in " + out + ".partial; " +
                                            out + " is unchanged."}));
    const auto wire = HostBytes();
    EXPECT_EQ(std::vector<std::uint8_t>(wire.end() - 3, wire.end()),
              (std::vector<std::uint8_t>{'?', 'X', 'O'}));
    EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
    ExpectIdle();
}

TEST_F(EneTest, SilentJigEndsTheReadWithinItsBound) {
    Start("pcb2-v41", R"({"chips": {"ene": {"silentAtBlock": 100}}})");
    Kb90Bounds bounds;
    bounds.dataBlock = Millis(400);
    engine->SetBounds(bounds);
    const std::string out = dir.File("partial.bin");
    const auto started = SteadyClock::now();
    Read(out);
    const auto took = SteadyClock::now() - started;
    EXPECT_GE(took, Millis(400));
    EXPECT_LT(took, Millis(2000));

    const auto flash = Chip().Flash();
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(FileBytes(out + ".partial"),
              std::vector<std::uint8_t>(flash.begin(), flash.begin() + 99 * 256));
    EXPECT_EQ(
        LinesFrom("Lost Communication with ENE or timeout!"),
        (std::vector<std::string>{"Lost Communication with ENE or timeout!",
                                  "Timeout: no answer from the JIG (block 100 of 512)", kStamp,
                                  "The 25344 bytes received are kept in " + out + ".partial; " +
                                      out + " is unchanged."}));
    EXPECT_EQ(port.Gauge(), 99 * 64);
    EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
    ExpectIdle();
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

TEST_F(EneTest, DeviceAsTheDumpIsRefusedBeforeTheRead) {
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    Start("pcb2-v41");
    Read("/dev/full");
    EXPECT_FALSE(port.HasLine("Reading completed successfully."));
    EXPECT_TRUE(port.HasLine("/dev/full: not a regular file"));
    EXPECT_EQ(port.Messages(), std::vector<std::string>{"Ошибка создания файла."});
    EXPECT_EQ(HostBytes(), (std::vector<std::uint8_t>{'B', 'V'})); // no read started
    EXPECT_EQ(engine->Run().Result(), Outcome::NoFile);
    EXPECT_EQ(engine->Run().State(), "NONE");
    EXPECT_FALSE(engine->LinkOpen());
}

// A byte that changes on the second read of "read twice": the read fails and the dump already
// under the chosen name stays as it was; the first read is kept beside it.
TEST_F(EneTest, ReadTwiceMismatchLeavesTheOldDumpAlone) {
    Start("pcb2-v41", R"({"faults": [{"type": "corrupt", "replyByte": 136072, "xor": 1}]})");
    SafetyOptions safety;
    safety.active = true;
    safety.readTwice = true;
    engine->Run().SetSafety(safety);
    const std::string out = dir.File("flash.bin");
    WriteFileBytes(out, "the old dump");
    Read(out);
    EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
    EXPECT_FALSE(port.HasLine("Reading completed successfully."));
    EXPECT_EQ(ReadFileText(out), "the old dump");
    EXPECT_EQ(FileBytes(out + ".partial"), Chip().Flash());
    EXPECT_EQ(HostBytes().back(), 'O');
    ExpectIdle();
}
