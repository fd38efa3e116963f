// READ of MAIN and MAIN+INFO on both boards, and every way it can end early.
#include "MecRig.h"

#include <filesystem>

namespace {
std::string Repeat(char c, int n) {
    return std::string(static_cast<std::size_t>(n), c);
}

// A complete dump from an earlier read, that a failed read must leave as it is.
const std::string kOldDump = MecPattern(196608, 77);

std::string Partial(const std::string& name) {
    return name + ".partial";
}
} // namespace

class MecReadBoards : public MecTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(MecReadBoards, MainReadGivesMainByteForByte) {
    const bool pcb3 = std::string(GetParam()) == "pcb3";
    Start(GetParam());
    const std::string out = dir.File("main.bin");
    Read(out);

    EXPECT_EQ(FileBytes(out), Main());
    EXPECT_EQ(FileBytes(out).size(), 196608u);
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded);
    ExpectIdle();
    EXPECT_EQ(port.Gauge(), 192);
    EXPECT_EQ(port.GaugeMax(), 192);
    EXPECT_EQ(port.GaugeColour(), Mec::kLime);

    std::vector<std::string> expected{kMecStamp, "Write to file: ", out, "Read only FLASH to file",
                                      "Read FLASH MEC ..."};
    if (!pcb3)
        expected.push_back("получили ответ после команды 1");
    for (const char* line :
         {"ID from MEC -> 0216 A445h", "Write to reg FF3910h 1", "Write to reg FF3908h 105h",
          "Read FLASH complete.", "Write to reg FF3908h 100h", "Write to reg FF3908h 0",
          "Write to reg FF3910h 0", "Close VCOM port"})
        expected.push_back(line);
    expected.insert(expected.end(), {kMecStamp, ""});
    EXPECT_EQ(LinesFrom(kMecStamp), expected);

    const std::string m = pcb3 ? "M" : "";
    const std::string opening = pcb3 ? "SRJXJ1Mj" : "1j";
    const std::string release = pcb3 ? "J1JS" : "0";
    EXPECT_EQ(HostText(), "B" + opening + m + "wFF391000000001" + m + "wFF390800000105" + m +
                              "R000000" + Repeat('N', 191) + "X" + m + "wFF390800000100" + m +
                              "wFF390800000000" + m + "wFF391000000000" + "I" + release);

    const auto dialogs = port.Dialogs();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].title, "Укажите имя файла для сохранения.");
    EXPECT_EQ(dialogs[0].filter, "BIN файл MEC16 (*.bin)|*.bin");
    EXPECT_EQ(dialogs[0].defaultExtension, ".bin");
    EXPECT_EQ(dialogs[0].initialName, "Noname");
    EXPECT_TRUE(dialogs[0].confirmOverwrite);
}

TEST_P(MecReadBoards, MainAndInfoReadPutsInfoAfterMain) {
    const bool pcb3 = std::string(GetParam()) == "pcb3";
    Start(GetParam());
    const std::string out = dir.File("all.bin");
    Read(out, true);

    EXPECT_EQ(FileBytes(out), Chip().Image());
    EXPECT_EQ(FileBytes(out).size(), 198656u);
    EXPECT_EQ(LinesFrom("Read FLASH complete."),
              (std::vector<std::string>{"Read FLASH complete.", "Write to reg FF3908h 100h",
                                        "Read INFO ...", "Write to reg FF3908h 105h",
                                        "Read INFO complete.", "Write to reg FF3908h 100h",
                                        "Write to reg FF3908h 0", "Write to reg FF3910h 0",
                                        "Close VCOM port", kMecStamp, ""}));
    EXPECT_TRUE(port.HasLine("Read FLASH and INFO to file"));
    const std::string m = pcb3 ? "M" : "";
    const std::string text = HostText();
    EXPECT_NE(text.find(Repeat('N', 191) + "X" + m + "wFF390800000100" + m + "wFF390800000105" + m +
                        "R040000NX" + m + "wFF390800000100"),
              std::string::npos);
    EXPECT_EQ(port.Gauge(), 192); // the INFO blocks do not move it
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded);
    ExpectIdle();
}

INSTANTIATE_TEST_SUITE_P(Boards, MecReadBoards, ::testing::Values("pcb2-v42", "pcb3"));

TEST_F(MecTest, BadStatusInBlockFiveKeepsFiveBlocksBesideTheOldDump) {
    Start("pcb2-v42", R"({"chips": {"mec": {"badStatusAtBlock": 5}}})");
    const std::string out = dir.File("dump.bin");
    WriteFileBytes(out, kOldDump);
    Read(out);
    const auto main = Main();
    EXPECT_TRUE(ReadFileText(out) == kOldDump);
    EXPECT_EQ(FileBytes(Partial(out)),
              std::vector<std::uint8_t>(main.begin(), main.begin() + 5120));
    EXPECT_EQ(LinesFrom("Lost communication with MEC (P103)."),
              (std::vector<std::string>{"Lost communication with MEC (P103).", "Close VCOM port",
                                        kMecStamp, "",
                                        "The 5120 bytes received are kept in " + Partial(out) +
                                            "; " + out + " is unchanged."}));
    // 'X', the end of access (the JIG still answers), the release, the error signal.
    const std::string tail = "NNNNXwFF390800000100wFF390800000000wFF3910000000000O";
    const std::string text = HostText();
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    EXPECT_EQ(engine->Run().FailedStep(), "P103");
    EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
    // The controller takes the next read on the same JIG up to the same block: with its access
    // left open it would refuse FF3910h = 1.
    Read(out);
    EXPECT_EQ(engine->Run().FailedStep(), "P103");
}

TEST_F(MecTest, BadStatusInAnInfoBlock) {
    Start("pcb3", R"({"chips": {"mec": {"badStatusAtBlock": 194}}})");
    const std::string out = dir.File("partial.bin");
    Read(out, true);
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(FileBytes(Partial(out)).size(), 198656u);
    EXPECT_EQ(LinesFrom("Lost communication with MEC (P109).").size(), 5u);
    const std::string tail = "XMwFF390800000100MwFF390800000000MwFF391000000000OJ1JS";
    EXPECT_EQ(HostText().substr(HostText().size() - tail.size()), tail);
    EXPECT_EQ(engine->Run().FailedStep(), "P109");
}

TEST_F(MecTest, StopDuringEitherStreamEndsAfterTheNextBlockAndTheJigTakesTheNextCommand) {
    Start("pcb3");
    port.onGauge = [this](int block) {
        if (block == 3) {
            EXPECT_FALSE(engine->StopExitClick()); // a read runs: the window stays
        }
    };
    const std::string out = dir.File("dump.bin");
    WriteFileBytes(out, kOldDump);
    Read(out);
    EXPECT_TRUE(ReadFileText(out) == kOldDump);
    const auto main = Main();
    EXPECT_EQ(FileBytes(Partial(out)),
              std::vector<std::uint8_t>(main.begin(), main.begin() + 3 * 1024));
    EXPECT_EQ(LinesFrom("User break read ..."),
              (std::vector<std::string>{"User break read ...", kStoppedLine,
                                        "Write to reg FF3908h 100h", "Write to reg FF3908h 0",
                                        "Write to reg FF3910h 0", "Close VCOM port", kMecStamp, "",
                                        "The 3072 bytes received are kept in " + Partial(out) +
                                            "; " + out + " is unchanged."}));
    EXPECT_NE(HostText().find("NNX"), std::string::npos);
    EXPECT_EQ(HostText().substr(HostText().size() - 5), "J1JSO");
    EXPECT_EQ(engine->Run().Result(), Outcome::Stopped);
    EXPECT_EQ(engine->Run().ChipState(), ""); // a read leaves the chip as it was
    ExpectIdle();
    EXPECT_TRUE(engine->StopExitClick()); // the second press leaves

    // In the INFO stream (which the Part leaves unstoppable) the stop takes after INFO block 1.
    port.onGauge = nullptr;
    port.onLine = [this](const std::string& line) {
        if (line == "Read INFO ...")
            engine->Stop();
    };
    Read(out, true);
    port.onLine = nullptr;
    EXPECT_EQ(engine->Run().Result(), Outcome::Stopped);
    EXPECT_TRUE(ReadFileText(out) == kOldDump);
    EXPECT_EQ(FileBytes(Partial(out)).size(), 196608u + 1024u);
    Check();
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded) << engine->Run().FailedStep();
}

TEST_F(MecTest, BlankIdIsRefusedBeforeAnyRegisterWrite) {
    for (const char* chip : {R"({"connected": false})", R"({"id": 4294967295})"}) {
        port.ClearLog();
        Start("pcb2-v42", std::string(R"({"chips": {"mec": )") + chip + "}}");
        // No chip: the dump of an earlier read stays byte for byte, and nothing else is left.
        const std::string out = dir.File("dump.bin");
        WriteFileBytes(out, kOldDump);
        Read(out);
        EXPECT_EQ(LinesFrom("ID from MEC -> FFFF FFFFh"),
                  (std::vector<std::string>{"ID from MEC -> FFFF FFFFh", "Invalid ID. Read break!",
                                            "Close VCOM port", kMecStamp, ""}));
        EXPECT_EQ(HostText(), "B1jO0");
        EXPECT_TRUE(ReadFileText(out) == kOldDump);
        EXPECT_FALSE(std::filesystem::exists(Partial(out)));
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                                std::filesystem::directory_iterator()),
                  1);
    }
}

TEST_F(MecTest, LostPreparationEndsTheReadStart) {
    // Replies: version (14), '1', ID (4): the FF3910h acknowledgement is byte 19; 02h for 01h.
    Start("pcb2-v42", R"({"faults": [{"type": "corrupt", "replyByte": 19, "xor": 3}]})");
    Read(dir.File("never.bin"));
    EXPECT_EQ(LinesFrom("Потеряна связь с MEC (R100)"),
              (std::vector<std::string>{"Потеряна связь с MEC (R100)", "Close VCOM port", kMecStamp,
                                        ""}));
    EXPECT_EQ(engine->Run().FailedStep(), "R100");

    port.ClearLog();
    Start("pcb2-v42", R"({"faults": [{"type": "drop", "replyByte": 20}]})");
    Read(dir.File("never.bin"));
    EXPECT_TRUE(port.HasLine("Write to reg FF3910h 1"));
    EXPECT_TRUE(port.HasLine("Потеряна связь с MEC (R101)"));
    EXPECT_EQ(HostText().find('R'), std::string::npos); // no stream was started
}

TEST_F(MecTest, CancelledSaveDialogAndUncreatableFile) {
    Start("pcb3");
    port.QueueFileAnswer(std::nullopt);
    engine->ReadClick(false);
    EXPECT_EQ(port.Lines().back(), "Close VCOM port");
    EXPECT_TRUE(port.HasLine("User break"));
    EXPECT_EQ(HostText(), "BO");
    ExpectIdle();

    // Refused before the first block: the error signal alone, and no dump said to be read.
    port.ClearLog();
    Read(dir.File("no-such-folder/out.bin"));
    EXPECT_EQ(LinesFrom(dir.File("no-such-folder/out.bin") + ": No such file or directory"),
              (std::vector<std::string>{dir.File("no-such-folder/out.bin") +
                                            ": No such file or directory",
                                        "Error create file", "Close VCOM port"}));
    EXPECT_EQ(HostText(), "BOBO");
    EXPECT_EQ(engine->Run().Result(), Outcome::NoFile);
}
