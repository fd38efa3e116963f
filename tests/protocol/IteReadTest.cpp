// READ against the simulated ITE EC: the ways it ends early (the whole read is IteTransfer's).
#include "IteRig.h"

#include <filesystem>

class IteRead : public IteTest {};

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

    for (const auto& [nowhere, reason] :
         {std::pair{dir.File("no-such-folder/out.bin"), "No such file or directory"},
          std::pair{std::string("/dev/full"), "not a regular file"}}) {
        SCOPED_TRACE(nowhere);
        port.ClearLogs();
        Read(nowhere);
        EXPECT_EQ(engine->Run().Result(), Outcome::NoFile);
        EXPECT_EQ(EnFrom(nowhere + ": " + reason),
                  (std::vector<std::string>{nowhere + ": " + reason,
                                            "Error creating file. (RD_CRT_DLG)"}));
        EXPECT_EQ(Ru().back(), "Ошибка при создании файла. (RD_CRT_DLG)");
        EXPECT_EQ(HostBytes().back(), 'O');
    }
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

    // A refused row names its code; nothing is read.
    Start("pcb2-ite", R"({"chips": {"ite": {"refuseWrite": {"register": 8, "value": 11}}}})");
    Read(out);
    EXPECT_EQ(EnFrom("INIT ..."),
              (std::vector<std::string>{
                  "INIT ...",
                  "ITE we do not respond, check the connection and settings. MB powered? (R009)"}));
    EXPECT_EQ(engine->Run().FailedStep(), "(R009)");
    EXPECT_EQ(HostBytes().back(), 'O');
}

// The second read of read-twice differs: the JIG gets the failure signal (the dump, the first
// read and the failed step are the safety-net table's).
TEST_F(IteRead, AReadTwiceMismatchEndsWithTheFailureSignal) {
    // The corrupted byte: 100 bytes into the first block of the second read (after the
    // identification, the test, 13 rows of the first read, its 512 blocks, 13 rows again).
    const long flipped = 14 + 1 + 26 + 512L * 257 + 26 + 100;
    Start("pcb2-ite", R"({"faults": [{"type": "corrupt", "replyByte": )" +
                          std::to_string(flipped + 14 + 17) + "}]}");
    engine->Run().SetSafety({.active = false, .backup = false, .readTwice = true});
    Read(dir.File("dump.bin"));
    ASSERT_EQ(engine->Run().FailedStep(), "read twice: the reads differ") << Dump();
    EXPECT_EQ(HostBytes().back(), 'O');
}
