// Erase and WRITE on both boards against the simulated ITE EC and its serial flash.
#include "IteRig.h"
#include "support/Refusal.h"

#include <chrono>
#include <random>
#include <sys/stat.h>
#include <thread>

class IteWrite : public IteTest {};
class IteWriteBoards : public IteTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(IteWriteBoards, WriteThenReadGivesTheFileBack) {
    const bool pcb3 = std::string(GetParam()) == "pcb3";
    Start(GetParam());
    const std::string image = ItePattern(131072, 11);
    WriteFileBytes(dir.File("in.bin"), image);
    Write(dir.File("in.bin"));

    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded) << Dump();
    ExpectIdle();
    EXPECT_TRUE(Chip().Flash() == Bytes(image));
    EXPECT_EQ(Chip().Erases(), 1); // 0x60 erases; 0xC7 meets a chip without its write enable
    EXPECT_EQ(port.english.GaugeColour(), (Rgb{255, 0, 0}));
    EXPECT_EQ(port.english.Gauge(), 0);
    EXPECT_EQ(port.russian.Gauge(), pcb3 ? 256 : 1024); // SPEED_ITE_CGauge
    EXPECT_EQ(port.russian.GaugeMax(), pcb3 ? 256 : 1024);
    const auto ffs = std::count(image.begin(), image.end(), '\xFF');
    EXPECT_EQ(EnFrom(kIteStampEn),
              (std::vector<std::string>{
                  kIteStampEn, "Data file: " + dir.File("in.bin"), "Writing starts ...", "INIT ...",
                  "INIT complete.", "ERASE complete.", "File loaded to buffer.",
                  "The number of bytes equal to the value of FFh -> " + std::to_string(ffs),
                  "WRITE, please wait ...", "WRITE complete.", kIteStampEn}));
    EXPECT_TRUE(port.russian.HasLine("Команда стирания чипа отправлена (0x60/0xC7)..."));
    EXPECT_TRUE(port.russian.HasLine("Мы все записали. "));

    // The address frame, then 1024 frames of 129 (M88) or 130 (PCB3) bytes, then "I".
    const auto wire = HostBytes();
    const std::size_t frame = pcb3 ? 130 : 129;
    const std::size_t blocks = 1024 * frame;
    ASSERT_GT(wire.size(), blocks + 1);
    EXPECT_EQ(wire.back(), 'I');
    const auto first = wire.end() - 1 - static_cast<std::ptrdiff_t>(blocks);
    const std::vector<std::uint8_t> address(first - (pcb3 ? 5 : 4), first);
    EXPECT_EQ(address, pcb3 ? (std::vector<std::uint8_t>{'T', 'Y', 0, 0, 0})
                            : (std::vector<std::uint8_t>{'Y', 0, 0, 0}));
    EXPECT_EQ(first[pcb3 ? 1 : 0], 'w');
    EXPECT_EQ(first[static_cast<std::ptrdiff_t>(frame)], pcb3 ? 'T' : 'w');

    port.ClearLogs();
    Read(dir.File("back.bin"));
    EXPECT_TRUE(ReadFileText(dir.File("back.bin")) == image);
}

INSTANTIATE_TEST_SUITE_P(Boards, IteWriteBoards, ::testing::Values("pcb2-ite", "pcb3"));

TEST_F(IteWrite, ShortFilesAreFilledWithFF) {
    Start("pcb2-ite");
    const std::string half = ItePattern(65536, 5);
    WriteFileBytes(dir.File("half.bin"), half);
    Write(dir.File("half.bin"));
    ASSERT_EQ(engine->Run().Result(), Outcome::Succeeded) << Dump();
    const std::string expected = half + std::string(65536, '\xFF');
    EXPECT_TRUE(Chip().Flash() == Bytes(expected));
    EXPECT_TRUE(engine->Image() == Bytes(expected)); // what the CLI's verify compares with
    EXPECT_EQ(engine->Run().FileBytes(), 131072u);   // every block goes out, blocks of FF too
    const auto ffs = std::count(expected.begin(), expected.end(), '\xFF');
    EXPECT_TRUE(port.english.HasLine("The number of bytes equal to the value of FFh -> " +
                                     std::to_string(ffs)));
    EXPECT_GE(ffs, 65536);
}

// Every image that cannot be what the chip gets is refused before anything is sent towards an
// erase or a write: the wire carries the identification and "O", nothing else.
TEST_F(IteWrite, RefusedImagesLeaveTheChipAlone) {
    Start("pcb3");
    const auto before = Chip().Flash();
    Write(std::nullopt);
    EXPECT_EQ(En().back(), "WRITE canceled by the user. all displace. (WR_DLG)");
    EXPECT_EQ(Ru().back(), "Запись отмененена пользователем. Все сворачиваем. (WR_DLG)");
    EXPECT_EQ(HostBytes(), (std::vector<std::uint8_t>{'B', 'O'}));
    ExpectIdle();

    WriteFileBytes(dir.File("empty.bin"), "");
    WriteFileBytes(dir.File("long.bin"), ItePattern(131072 + 1, 9));
    const std::string fifo = dir.File("pipe.bin");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const struct {
        std::string path;
        std::string reason;
    } refused[] = {
        {dir.Path(), "a folder, not a file"},
        {dir.File("empty.bin"), "the file is empty"},
        {dir.File("long.bin"), "larger than the 131072 bytes the chip takes"},
        {"/dev/zero", "not a regular file"},
        {fifo, "not a regular file"},
        {"/proc/self/mem", "not a regular file"},
        {dir.File("missing.bin"), "No such file or directory"},
    };
    for (const auto& r : refused) {
        SCOPED_TRACE(r.path);
        port.ClearLogs();
        const std::size_t sent = sim->Jig().BytesToJig().size();
        Write(r.path);
        EXPECT_EQ(EnFrom("Error opening the file. (WR_OPN_DLG)"),
                  (std::vector<std::string>{"Error opening the file. (WR_OPN_DLG)",
                                            r.path + ": " + r.reason}));
        EXPECT_EQ(Ru()[Ru().size() - 2], "Ошибка при открытии файла. (WR_OPN_DLG)");
        EXPECT_EQ(engine->Run().Result(), RefusalFor(r.reason));
        const auto all = sim->Jig().BytesToJig();
        ASSERT_GT(all.size(), sent);
        EXPECT_EQ(all.back(), 'O');
        ExpectIdle();
    }
    // Past the identifications, only the failure signal ever went out.
    const auto wire = HostBytes();
    EXPECT_EQ(std::count(wire.begin(), wire.end(), 'w'), 0);
    EXPECT_EQ(std::count(wire.begin(), wire.end(), 'A'), 0);
    EXPECT_TRUE(Chip().Flash() == before);
    EXPECT_EQ(Chip().Erases(), 0);
}

TEST_F(IteWrite, RefusedErasePreparationNamesItsRow) {
    // The chip erase command itself refused: nothing is erased, no block is sent.
    Start("pcb2-ite", R"({"chips": {"ite": {"refuseWrite": {"register": 8, "value": 96}}}})");
    WriteFileBytes(dir.File("in.bin"), ItePattern(131072));
    Write(dir.File("in.bin"));
    EXPECT_EQ(EnFrom("INIT complete."),
              (std::vector<std::string>{
                  "INIT complete.",
                  "ITE we do not respond, check the connection and settings. MB powered? (T013)",
                  kIteStampEn, "The chip is unchanged. No backup was taken."}));
    EXPECT_EQ(port.english.Messages(),
              (std::vector<std::string>{"The chip is unchanged. No backup was taken."}));
    EXPECT_EQ(engine->Run().FailedStep(), "(T013)");
    EXPECT_EQ(Chip().Erases(), 0);
    const auto wire = HostBytes();
    EXPECT_EQ(std::count(wire.begin(), wire.end(), 'w'), 0);
    EXPECT_EQ(wire.back(), 'O');
    ExpectIdle();
}

TEST_F(IteWrite, ABlockAnsweredWithoutOEndsTheWrite) {
    Start("pcb3", R"({"chips": {"ite": {"badBlock": 300}}})");
    WriteFileBytes(dir.File("in.bin"), ItePattern(131072));
    Write(dir.File("in.bin"));
    const std::string chipState =
        "The chip is partly written (blocks 1 to 299 of 1024). No backup was taken.";
    EXPECT_EQ(EnFrom("WRITE, please wait ..."),
              (std::vector<std::string>{"WRITE, please wait ...",
                                        "Error writing to flash or lost contact with ITE",
                                        kIteStampEn, chipState}));
    EXPECT_EQ(Ru()[Ru().size() - 3], "Ошибка записи во флеш или потеряна связь с ITE");
    EXPECT_EQ(engine->Run().FailedStep(), "block 300 of 1024");
    EXPECT_EQ(engine->Run().ChipState(), chipState);
    // What the line says is what the chip holds: the first 299 blocks, then the erased rest.
    const std::string image = ItePattern(131072);
    const std::string written = image.substr(0, 299 * 128);
    EXPECT_TRUE(Chip().Flash() == Bytes(written + std::string(131072 - written.size(), '\xFF')));
    EXPECT_EQ(port.russian.Gauge(), 299 * 128 / 512);
    EXPECT_EQ(HostBytes().back(), 'O');
    ExpectIdle();
}

TEST_F(IteWrite, OnlyThePcb3FormExaminesTheWriteAddressAnswer) {
    // The reply byte to the write address: after the identification (17 bytes), the test and
    // the nineteen register writes of the write.
    for (const char* board : {"pcb3", "pcb2-ite"}) {
        const std::size_t ident = std::string(board) == "pcb3" ? 17 : 14;
        // APPLY before it: the identification, "*" and sixteen "+".
        const std::size_t index = ident + 17 + ident + 1 + 38;
        Start(board,
              R"({"faults": [{"type": "corrupt", "replyByte": )" + std::to_string(index) + "}]}");
        WriteFileBytes(dir.File("in.bin"), ItePattern(131072));
        Write(dir.File("in.bin"));
        if (std::string(board) == "pcb3") {
            EXPECT_EQ(EnFrom("Protocol error while sending addresses in a flash."),
                      (std::vector<std::string>{
                          "Protocol error while sending addresses in a flash.", kIteStampEn,
                          "The chip may be partly erased. No backup was taken."}));
            EXPECT_EQ(Ru()[Ru().size() - 3], "Ошибка протокола при отправке адреса во флеш.");
            EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
        } else {
            EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded) << Dump();
        }
        ExpectIdle();
    }
}

TEST_F(IteWrite, OtherButtonsDoNothingWhileAWriteRuns) {
    Start("pcb2-ite", R"({"chips": {"ite": {"silentAtBlock": 3}}})");
    WriteFileBytes(dir.File("in.bin"), ItePattern(131072));
    port.english.QueueFileAnswer(dir.File("in.bin"));
    engine->WriteClick(); // the default bounds: the third block is awaited for 5 seconds
    for (int i = 0; i < 1000 && port.russian.Gauge() != 2; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_EQ(port.russian.Gauge(), 2);
    EXPECT_EQ(engine->Run().State(), "WRITE_ITE_step_one");
    EXPECT_FALSE(port.english.Enabled("ITE_READ_BitBtn"));
    EXPECT_TRUE(port.english.Enabled("ITE_EXIT_BitBtn")); // how the write is stopped

    const auto lines = En();
    engine->ReadClick();
    engine->CheckClick();
    engine->ApplyClick(DefaultBoxes());
    engine->WriteClick();
    EXPECT_FALSE(engine->ExitClick()); // "Stop the operation?" answered no
    EXPECT_EQ(port.english.Messages(), (std::vector<std::string>{"Stop the operation?"}));
    EXPECT_EQ(En(), lines);
    EXPECT_EQ(port.english.Dialogs().size(), 1u);

    engine.reset(); // quitting cancels the wait and joins the worker
    EXPECT_TRUE(port.english.HasLine("Error writing to flash or lost contact with ITE"));
    EXPECT_TRUE(port.english.HasLine("Cancelled while waiting for the JIG (block 3 of 1024)"));
}

// The technician stops a read and then a write at a random block (here from the worker, the
// moment the gauge shows it): each ends at the next block boundary with "O", keeps the blocks
// read aside, says where the chip stands, and the JIG takes the next operation.
TEST_F(IteWrite, AStopEndsAtTheNextBlockAndTheJigStaysReady) {
    Start("pcb2-ite");
    std::random_device random;
    const int readAt = 1 + static_cast<int>(random() % 511);
    const int writeAt = 1 + static_cast<int>(random() % 1023);
    SCOPED_TRACE("read stopped at block " + std::to_string(readAt) + ", write at block " +
                 std::to_string(writeAt));
    const std::string out = dir.File("dump.bin");
    const std::string earlier = ItePattern(131072, 12);
    WriteFileBytes(out, earlier);
    port.onGauge = [&](IteGauge gauge, int position) {
        if (gauge == IteGauge::Blocks && position == readAt)
            engine->Stop();
    };
    Read(out);
    EXPECT_EQ(engine->Run().Result(), Outcome::Stopped) << Dump();
    EXPECT_EQ(engine->Run().FailedStep(),
              "stopped before block " + std::to_string(readAt + 1) + " of 512");
    EXPECT_TRUE(ReadFileText(out) == earlier);
    const auto flash = SimIteEc::DefaultImage();
    const auto received = static_cast<std::ptrdiff_t>(readAt) * 256;
    EXPECT_EQ(FileBytes(out + ".partial"),
              std::vector<std::uint8_t>(flash.begin(), flash.begin() + received));
    EXPECT_EQ(EnFrom("Stopped at the technician's request."),
              (std::vector<std::string>{"Stopped at the technician's request.", kIteStampEn,
                                        "The " + std::to_string(received) +
                                            " bytes received are kept in " + out + ".partial; " +
                                            out + " is unchanged."}));
    EXPECT_TRUE(engine->Run().ChipState().empty()); // a read leaves the chip as it was
    EXPECT_EQ(HostBytes().back(), 'O');
    ExpectIdle();

    port.ClearLogs();
    const std::string image = ItePattern(131072, 13);
    WriteFileBytes(dir.File("in.bin"), image);
    port.onGauge = [&](IteGauge gauge, int position) {
        if (gauge == IteGauge::Speed && position == writeAt)
            engine->Stop();
    };
    Write(dir.File("in.bin"));
    EXPECT_EQ(engine->Run().Result(), Outcome::Stopped) << Dump();
    const std::string chipState = "The chip is partly written (blocks 1 to " +
                                  std::to_string(writeAt) + " of 1024). No backup was taken.";
    EXPECT_EQ(
        EnFrom("Stopped at the technician's request."),
        (std::vector<std::string>{"Stopped at the technician's request.", kIteStampEn, chipState}));
    EXPECT_EQ(port.english.Messages(), (std::vector<std::string>{chipState}));
    const std::string written = image.substr(0, static_cast<std::size_t>(writeAt) * 128);
    EXPECT_TRUE(Chip().Flash() == Bytes(written + std::string(131072 - written.size(), '\xFF')));
    EXPECT_EQ(HostBytes().back(), 'O');
    ExpectIdle();

    port.onGauge = nullptr;
    port.ClearLogs();
    Read(out);
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded) << Dump();
    EXPECT_TRUE(FileBytes(out) == Chip().Flash());
}
