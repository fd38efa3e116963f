// READ on both boards against the simulated ITE EC, and the ways it ends early.
#include "IteRig.h"

#include <filesystem>

class IteRead : public IteTest {};
class IteReadBoards : public IteTest, public ::testing::WithParamInterface<const char*> {};

namespace {
// Register writes as the wire carries them: address cycle, then data cycle.
void AppendRow(std::vector<std::uint8_t>& wire, bool pcb3, std::uint8_t reg, std::uint8_t value) {
    if (pcb3)
        wire.push_back('T');
    wire.insert(wire.end(), {'A', reg});
    if (pcb3)
        wire.insert(wire.end(), {'T', 'D'});
    else
        wire.push_back('W');
    wire.push_back(value);
}
} // namespace

TEST_P(IteReadBoards, ReadGivesTheFlashByteForByte) {
    const bool pcb3 = std::string(GetParam()) == "pcb3";
    Start(GetParam());
    const std::string out = dir.File("flash.bin");
    Read(out);

    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded) << Dump();
    EXPECT_EQ(FileBytes(out), SimIteEc::DefaultImage());
    EXPECT_EQ(engine->Run().FileBytes(), 131072u);
    ExpectIdle();
    EXPECT_EQ(port.english.Gauge(), 512);
    EXPECT_EQ(port.english.GaugeMax(), 512);
    EXPECT_EQ(port.english.GaugeColour(), (Rgb{0, 255, 0}));

    EXPECT_EQ(EnFrom(kIteStampEn),
              (std::vector<std::string>{kIteStampEn, "Write to file: " + out, "Reading start...",
                                        "INIT ...", "INIT complete.", "READ, please wait ...",
                                        "Reading complete. ", kIteStampEn}));
    const auto ru = Ru();
    EXPECT_EQ(std::vector<std::string>(ru.end() - 8, ru.end()),
              (std::vector<std::string>{
                  kIteStampRu, "Сохраняем в файл: " + out, "Начинаем чтение ITE ...",
                  "Преподготовка ITE ...", "Закончили преподготовку ...",
                  "Читаю, пожалуйста ждите ...", "Мы все прочитали ", kIteStampRu}));

    std::vector<std::uint8_t> wire{'B'};
    if (pcb3)
        wire.push_back('T');
    wire.push_back('T');
    const std::uint8_t rows[][2] = {{0x27, 0x01}, {0x27, 0x80}, {0x04, 0xFF}, {0x07, 0x7F},
                                    {0x06, 0xFF}, {0x05, 0xFE}, {0x08, 0x00}, {0x05, 0xFD},
                                    {0x08, 0x0B}, {0x08, 0x00}, {0x08, 0x00}, {0x08, 0x00},
                                    {0x08, 0x00}};
    for (const auto& row : rows)
        AppendRow(wire, pcb3, row[0], row[1]);
    for (int block = 0; block < 512; ++block) {
        if (pcb3)
            wire.push_back('T');
        wire.push_back('r');
    }
    wire.push_back('I');
    EXPECT_EQ(HostBytes(), wire);

    const auto dialogs = port.english.Dialogs();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].title, "Save data to a file");
    EXPECT_EQ(dialogs[0].filter, "BIN file (*.bin)|*.bin");
    EXPECT_EQ(dialogs[0].defaultExtension, ".bin");
    EXPECT_EQ(dialogs[0].initialName, "ITE_");
    EXPECT_TRUE(dialogs[0].confirmOverwrite);
}

INSTANTIATE_TEST_SUITE_P(Boards, IteReadBoards, ::testing::Values("pcb2-ite", "pcb3"));

TEST_F(IteRead, ReadsTheImageOfTheScenarioFile) {
    const std::string image = ItePattern(131072, 3);
    WriteFileBytes(dir.File("ec.bin"), image);
    Start("pcb3", R"({"chips": {"ite": {"file": ")" + dir.File("ec.bin") + R"("}}})");
    Read(dir.File("out.bin"));
    EXPECT_TRUE(ReadFileText(dir.File("out.bin")) == image);
}

TEST_F(IteRead, CancelledDialogAndUncreatableFileSignalTheFailure) {
    Start("pcb2-ite");
    Read(std::nullopt);
    EXPECT_EQ(EnFrom(""),
              (std::vector<std::string>{"", "Number of VCOM ports found on the machine: 1",
                                        "Programmer FW version -> ITE_PROJ_M88  ",
                                        "Communication with programmer installed.",
                                        "Reading canceled by the user. All displace. (RD_DLG)"}));
    EXPECT_EQ(Ru().back(), "Чтение отмененено пользователем. Все сворачиваем. (RD_DLG)");
    EXPECT_EQ(HostBytes(), (std::vector<std::uint8_t>{'B', 'O'}));
    EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
    ExpectIdle();

    port.ClearLogs();
    const std::string nowhere = dir.File("no-such-folder/out.bin");
    Read(nowhere);
    EXPECT_EQ(EnFrom(nowhere + ": No such file or directory"),
              (std::vector<std::string>{nowhere + ": No such file or directory",
                                        "Error creating file. (RD_CRT_DLG)"}));
    EXPECT_EQ(Ru().back(), "Ошибка при создании файла. (RD_CRT_DLG)");
    EXPECT_EQ(HostBytes().back(), 'O');
    ExpectIdle();
}

// With every signal on NC the JIG would read its own idle lines: refused before a byte goes.
TEST_F(IteRead, NoContactNoReadNoWrite) {
    Start("pcb2-ite", "{}", false);
    Apply(kUnassigned);
    const std::size_t sent = HostBytes().size();
    port.ClearLogs();
    Read(dir.File("out.bin"));
    EXPECT_EQ(En(), std::vector<std::string>{IteTexts::kNoContact.en});
    Write(dir.File("out.bin"));
    EXPECT_EQ(HostBytes().size(), sent);
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.bin")));
    EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
    ExpectIdle();
}

TEST_F(IteRead, ABlockWithoutItsOKeepsTheBlocksBeforeItAside) {
    Start("pcb2-ite", R"({"chips": {"ite": {"badBlock": 7}}})");
    // A good dump from an earlier read is there under the chosen name.
    const std::string out = dir.File("dump.bin");
    const std::string earlier = ItePattern(131072, 4);
    WriteFileBytes(out, earlier);
    Read(out);
    EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
    EXPECT_TRUE(ReadFileText(out) == earlier);
    const auto image = SimIteEc::DefaultImage();
    EXPECT_EQ(FileBytes(out + ".partial"),
              std::vector<std::uint8_t>(image.begin(), image.begin() + 1536));
    EXPECT_EQ(EnFrom("ERROR reading block ->7"),
              (std::vector<std::string>{"ERROR reading block ->7", kIteStampEn,
                                        "The 1536 bytes received are kept in " + out +
                                            ".partial; " + out + " is unchanged."}));
    EXPECT_EQ(Ru()[Ru().size() - 3], "Ошибка при чтении блока ->7");
    EXPECT_EQ(port.english.Gauge(), 6);
    EXPECT_EQ(engine->Run().FailedStep(), "block 7 of 512");
    const auto wire = HostBytes();
    EXPECT_EQ(std::vector<std::uint8_t>(wire.end() - 2, wire.end()),
              (std::vector<std::uint8_t>{'r', 'O'}));
    ExpectIdle();
}

TEST_F(IteRead, AnEcThatDoesNotAnswerStopsBeforeThePreparation) {
    Start("pcb3", R"({"chips": {"ite": {"connected": false}}})");
    const std::string out = dir.File("dump.bin");
    const std::string earlier = ItePattern(131072, 6);
    WriteFileBytes(out, earlier);
    Read(out);
    EXPECT_EQ(En().back(),
              "ITE we do not respond, check the connection and settings. MB powered? (Rxxx)");
    EXPECT_EQ(HostBytes(), (std::vector<std::uint8_t>{'B', 'T', 'T', 'O'}));
    EXPECT_TRUE(ReadFileText(out) == earlier);
    EXPECT_FALSE(std::filesystem::exists(out + ".partial")); // nothing arrived
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              1); // no new file left beside it
    ExpectIdle();

    // A refused row names its code; nothing is read.
    Start("pcb2-ite", R"({"chips": {"ite": {"refuseWrite": {"register": 8, "value": 11}}}})");
    Read(out);
    EXPECT_EQ(EnFrom("INIT ..."),
              (std::vector<std::string>{
                  "INIT ...",
                  "ITE we do not respond, check the connection and settings. MB powered? (R009)"}));
    EXPECT_EQ(engine->Run().FailedStep(), "(R009)");
    EXPECT_EQ(HostBytes().back(), 'O');
    ExpectIdle();
}

TEST_F(IteRead, ADeviceIsNoPlaceForADump) {
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    Start("pcb2-ite");
    Read("/dev/full");
    EXPECT_EQ(engine->Run().Result(), Outcome::NoFile);
    EXPECT_EQ(EnFrom("/dev/full: not a regular file"),
              (std::vector<std::string>{"/dev/full: not a regular file",
                                        "Error creating file. (RD_CRT_DLG)"}));
    EXPECT_EQ(HostBytes().back(), 'O');
    ExpectIdle();
}

// The second read of read-twice differs: the first one never reaches the chosen name.
TEST_F(IteRead, AReadTwiceMismatchLeavesTheDumpThere) {
    // The corrupted byte: 100 bytes into the first block of the second read (after the
    // identification, the test, 13 rows of the first read, its 512 blocks, 13 rows again).
    const long flipped = 14 + 1 + 26 + 512L * 257 + 26 + 100;
    Start("pcb2-ite", R"({"faults": [{"type": "corrupt", "replyByte": )" +
                          std::to_string(flipped + 14 + 17) + "}]}");
    engine->Run().SetSafety({.active = false, .backup = false, .readTwice = true});
    const std::string out = dir.File("dump.bin");
    const std::string earlier = ItePattern(131072, 8);
    WriteFileBytes(out, earlier);
    Read(out);
    EXPECT_EQ(engine->Run().Result(), Outcome::Failed) << Dump();
    EXPECT_EQ(engine->Run().FailedStep(), "read twice: the reads differ");
    EXPECT_TRUE(ReadFileText(out) == earlier);
    EXPECT_EQ(FileBytes(out + ".partial"), SimIteEc::DefaultImage()); // the first read, aside
    EXPECT_EQ(HostBytes().back(), 'O');
    ExpectIdle();
}
