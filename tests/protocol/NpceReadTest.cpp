// READ on both boards against the simulated NPCE flash: the identification, the stream, and
// every way the read can end early.
#include "NpceRig.h"
#include "link/OpenProgrammerLink.h"
#include "support/Surprises.h"

#include <filesystem>
#include <thread>

class NpceReadBoards : public NpceTest, public ::testing::WithParamInterface<const char*> {
  protected:
    bool Pcb3() const { return std::string(GetParam()) == "pcb3"; }
};

TEST_P(NpceReadBoards, ReadGivesTheWholeFlashByteForByte) {
    Start(GetParam());
    const std::string out = dir.File("flash.bin");
    Read(out);

    EXPECT_EQ(Bytes(ReadFileText(out)), SimNpceSpi::DefaultImage());
    EXPECT_EQ(engine->Run().FileBytes(), 131072u);
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded);
    EXPECT_EQ(engine->Run().FailedStep(), "");
    ExpectIdle();
    EXPECT_EQ(port.GaugeMax(), 512);
    EXPECT_EQ(port.Gauge(), 512);
    EXPECT_EQ(port.GaugeColour(), (Rgb{0, 255, 0}));
    EXPECT_EQ(Chip().Erases(), 0);

    const std::string version = Pcb3() ? "M328_EPM240_v16  " : "M88_NPCE288  ";
    EXPECT_EQ(port.Lines(),
              (std::vector<std::string>{
                  "", "Number of VCOM ports found on the machine: 1", "Version FW -> " + version,
                  "Communication with programmer installed.", "Communication with NPCE installed.",
                  "ID FLASH EFh 4012h ", "Save the file: ", out, "Reading ...", kNpceStamp,
                  "Reading complete ...", kNpceStamp}));

    // 'N' only before the ID and the stream start; the next blocks are asked for with 'r'.
    std::vector<std::uint8_t> wire{'B'};
    if (Pcb3())
        wire.push_back('N');
    wire.insert(wire.end(), {'Z', 'I'});
    if (Pcb3())
        wire.push_back('N');
    wire.insert(wire.end(), 256, 'r');
    wire.insert(wire.end(), {'-', 'I'});
    EXPECT_EQ(HostBytes(), wire);

    const auto dialogs = port.Dialogs();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].title, "Save file");
    EXPECT_EQ(dialogs[0].filter, "BIN file NPCE (*.bin)|*.bin");
    EXPECT_EQ(dialogs[0].defaultExtension, ".bin");
    EXPECT_EQ(dialogs[0].initialName, "NPCE_");
    EXPECT_TRUE(dialogs[0].confirmOverwrite);
}

INSTANTIATE_TEST_SUITE_P(Boards, NpceReadBoards, ::testing::Values("pcb2-npce", "pcb3"));

TEST_F(NpceTest, WrongFlashIdIsRefusedWithItsBytes) {
    for (const auto& [chip, shown] : std::vector<std::pair<std::string, std::string>>{
             {R"({"id": [239, 64, 19, 17]})", "EF4013"}, {R"({"connected": false})", "FFFFFF"}}) {
        port.ClearLog();
        Start("pcb2-npce", R"({"chips": {"npce-spi": )" + chip + "}}");
        Read(dir.File("never.bin"));
        EXPECT_EQ(LinesFrom("Communication with programmer installed."),
                  (std::vector<std::string>{"Communication with programmer installed.",
                                            "No connection to the NPCE! reading ID -> " + shown,
                                            "Check soldering NPCE or chip damaged."}));
        EXPECT_EQ(HostBytes(), (std::vector<std::uint8_t>{'B', 'Z', 'O'}));
        EXPECT_TRUE(port.Dialogs().empty());
        EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
        EXPECT_EQ(engine->Run().FailedStep(), "flash ID");
        EXPECT_FALSE(std::filesystem::exists(dir.File("never.bin")));
    }
    // The fourth ID byte is not examined.
    Start("pcb3", R"({"chips": {"npce-spi": {"id": [239, 64, 18, 0]}}})");
    Read(dir.File("out.bin"));
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded);
}

TEST_F(NpceTest, OutdatedOrMissingJigEndsWithoutFurtherLines) {
    Start("pcb2-v41");
    Read(dir.File("never.bin"));
    EXPECT_EQ(port.Lines().back(), FirmwareFixLine(LinkVariants::NuvotonSpi));
    EXPECT_EQ(engine->Run().Result(), Outcome::NoJig);
    EXPECT_EQ(HostBytes(), std::vector<std::uint8_t>{'B'});

    port.ClearLog();
    Start("pcb3", R"({"devices": []})");
    Read(dir.File("never.bin"));
    EXPECT_EQ(port.Lines(),
              (std::vector<std::string>{"", "VCOM port is not found on the machine!"}));
    EXPECT_EQ(engine->Run().Result(), Outcome::NoJig);
    EXPECT_FALSE(engine->LinkOpen());
}

TEST_F(NpceTest, CancelledSaveDialogEndsAfterTheIdentification) {
    Start("pcb3");
    port.QueueFileAnswer(std::nullopt);
    engine->ReadClick();
    EXPECT_EQ(port.Lines().back(), "Write to file is interrupted.");
    EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
    EXPECT_EQ(HostBytes(), (std::vector<std::uint8_t>{'B', 'N', 'Z', 'I'}));
    ExpectIdle();
}

TEST_F(NpceTest, EndStatusOfTheReadDecidesTheSignalAndWhetherTheDumpIsReplaced) {
    // A read is spoilt only by 00h; the JIG's usual 01h and anything else pass.
    const std::string out = dir.File("out.bin");
    for (const auto& [status, good] : std::vector<std::pair<int, bool>>{{0, false}, {2, true}}) {
        port.ClearLog();
        WriteFileBytes(out, "an older dump");
        Start("pcb2-npce",
              R"({"chips": {"npce-spi": {"endStatus": )" + std::to_string(status) + "}}}");
        Read(out);
        EXPECT_EQ(engine->Run().Result(), good ? Outcome::Succeeded : Outcome::Failed);
        EXPECT_EQ(HostBytes().back(), good ? 'I' : 'O');
        std::vector<std::string> tail{"Reading complete ...", kNpceStamp};
        if (!good)
            tail.insert(tail.end(), {"ERROR timeout. Corrupted data !? ", KeptLine(131072, out)});
        EXPECT_EQ(LinesFrom("Reading complete ..."), tail);
        // A read the JIG calls corrupted never replaces the dump; the blocks wait beside it.
        const auto flash = Chip().Flash();
        const std::string whole(flash.begin(), flash.end());
        EXPECT_TRUE(ReadFileText(out) == (good ? whole : "an older dump"));
        EXPECT_EQ(std::filesystem::exists(out + ".partial"), !good);
        if (!good) {
            EXPECT_TRUE(ReadFileText(out + ".partial") == whole);
        }
        std::filesystem::remove(out + ".partial");
    }
}

TEST_F(NpceTest, SurplusByteAfterABlockIsAFault) {
    Start("pcb3", R"({"chips": {"npce-spi": {"surplusAtBlock": 5}}})");
    const std::string out = dir.File("partial.bin");
    Read(out);
    EXPECT_EQ(
        LinesFrom("ERROR timeout. Corrupted data !? "),
        (std::vector<std::string>{"ERROR timeout. Corrupted data !? ",
                                  "Unexpected answer from the JIG (block 5 of 256: 513 bytes)",
                                  kNpceStamp, KeptLine(4 * 512, out)}));
    const auto flash = Chip().Flash();
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(Bytes(ReadFileText(out + ".partial")),
              std::vector<std::uint8_t>(flash.begin(), flash.begin() + 4 * 512));
    EXPECT_EQ(HostTail(2), (std::vector<std::uint8_t>{'-', 'O'}));
    EXPECT_EQ(port.Gauge(), 8);
    EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
}

TEST_F(NpceTest, BusyReadRefusesOtherClicksAndQuittingCancelsIt) {
    Start("pcb2-npce", R"({"chips": {"npce-spi": {"silentAtBlock": 2}}})");
    port.QueueFileAnswer(dir.File("partial.bin"));
    engine->ReadClick(); // the default bound: five seconds of silence
    for (int i = 0; i < 400 && port.Gauge() != 2; ++i)
        std::this_thread::sleep_for(Millis(5));
    ASSERT_EQ(port.Gauge(), 2);
    EXPECT_EQ(engine->Run().State(), "Reading_NPCE");
    EXPECT_FALSE(engine->Run().Idle());
    EXPECT_FALSE(port.Enabled("NPCE_WRITE"));
    EXPECT_FALSE(port.Enabled("EXIT_NPCE"));
    EXPECT_TRUE(port.Enabled("NPCE_READ"));

    const auto linesBefore = port.Lines();
    engine->ReadClick();
    engine->WriteClick();
    EXPECT_EQ(port.Lines(), linesBefore);
    EXPECT_EQ(port.Dialogs().size(), 1u);

    engine.reset();
    EXPECT_TRUE(port.HasLine("Cancelled while waiting for the JIG (block 2 of 256)"));
    EXPECT_FALSE(std::filesystem::exists(dir.File("partial.bin")));
    EXPECT_EQ(ReadFileText(dir.File("partial.bin.partial")).size(), 512u);
}

TEST_F(NpceTest, DeviceOrFolderAsTheDumpIsRefusedBeforeTheStream) {
    for (const auto& [target, reason] : std::vector<std::pair<std::string, std::string>>{
             {"/dev/full", "not a regular file"},
             {dir.Path(), "a folder, not a file"},
             {dir.File("no-such-folder/out.bin"), "No such file or directory"}}) {
        port.ClearLog();
        Start("pcb2-npce");
        const std::size_t boxes = port.Messages().size();
        Read(target);
        EXPECT_EQ(port.Lines().back(), target + ": " + reason);
        EXPECT_EQ(port.Messages().size(), boxes + 1);
        EXPECT_EQ(port.Messages().back(), "Ошибка создания файла.");
        EXPECT_EQ(HostBytes(), (std::vector<std::uint8_t>{'B', 'Z', 'I'}));
        EXPECT_EQ(engine->Run().Result(), Outcome::NoFile);
    }
}

// Where the dump and the first read go, and the end state, are the safety-net table's; here the
// mode's words for it, with the kept blocks said last.
TEST_F(NpceTest, ReadTwiceThatDiffersSaysWhyAndWhereTheFirstReadIsKept) {
    // Reply bytes on a PCB3: 17 of 'B', 4 of the ID, 1 for 'I', 131072 of data, 2 of the end
    // answer: the second read's byte 700 is 131796.
    Start("pcb3", R"({"faults": [{"type": "corrupt", "replyByte": 131796, "xor": 16}]})");
    engine->Run().SetSafety({.active = false, .backup = false, .readTwice = true});
    const std::string out = dir.File("dump.bin");
    Read(out);
    EXPECT_TRUE(port.HasLine("The two reads differ in 1 bytes (a loose clip or a long wire, not "
                             "the chip?), first read / second read:"));
    EXPECT_EQ(port.Lines().back(), KeptLine(131072, out));
}

// A stop at a block ends the stream with '-' and the failure signal, keeps the blocks received
// beside the dump, and leaves the JIG waiting for the next command.
TEST_P(NpceReadBoards, StopAtABlockEndsTheStreamAndTheNextReadSucceeds) {
    Start(GetParam());
    const std::string out = dir.File("dump.bin");
    WriteFileBytes(out, "an older dump");
    StopAt(2 * 57, Npce::kReadColour);
    Read(out);
    EXPECT_EQ(engine->Run().Result(), Outcome::Stopped);
    EXPECT_EQ(engine->Run().FailedStep(), "after block 57 of 256");
    EXPECT_EQ(LinesFrom("Reading ..."),
              (std::vector<std::string>{"Reading ...", kNpceStamp, kStoppedLine, kNpceStamp,
                                        KeptLine(57 * 512, out)}));
    const auto flash = Chip().Flash();
    EXPECT_EQ(ReadFileText(out), "an older dump");
    EXPECT_EQ(Bytes(ReadFileText(out + ".partial")),
              std::vector<std::uint8_t>(flash.begin(), flash.begin() + 57 * 512));
    std::vector<std::uint8_t> wire(56, 'r');
    wire.insert(wire.end(), {'-', 'O'});
    EXPECT_EQ(HostTail(wire.size()), wire);
    EXPECT_EQ(engine->Run().ChipState(), "");
    ExpectIdle();

    port.onGauge = nullptr;
    Read(out);
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded);
    EXPECT_EQ(Bytes(ReadFileText(out)), flash);
}
