// Erase and WRITE on both boards against the simulated ITE EC and its serial flash.
#include "IteRig.h"
#include "support/Refusal.h"

#include <array>
#include <chrono>
#include <random>
#include <thread>

class IteWrite : public IteTest {};

namespace {
struct Flash {
    const char* board;
    const char* chip; // the "ite" section: which chip erase opcodes its serial flash knows
    std::size_t size; // of the image written: a shorter one is filled with FFh
};

using Rows = std::vector<std::array<std::uint8_t, 2>>;
// The register writes of the read and of the erase, in their order.
const Rows kReadRows{{0x27, 0x01}, {0x27, 0x80}, {0x04, 0xFF}, {0x07, 0x7F}, {0x06, 0xFF},
                     {0x05, 0xFE}, {0x08, 0x00}, {0x05, 0xFD}, {0x08, 0x0B}, {0x08, 0x00},
                     {0x08, 0x00}, {0x08, 0x00}, {0x08, 0x00}};
const Rows kEraseRows{{0x27, 0x01}, {0x27, 0x80}, {0x04, 0xFF}, {0x07, 0x7F}, {0x06, 0xFF},
                      {0x05, 0xFE}, {0x08, 0x00}, {0x05, 0xFD}, {0x08, 0x06}, {0x05, 0xFE},
                      {0x08, 0x00}, {0x05, 0xFD}, {0x08, 0x60}, {0x05, 0xFE}, {0x08, 0x00},
                      {0x05, 0xFD}, {0x08, 0xC7}, {0x05, 0xFE}, {0x08, 0x00}};

// The host's bytes of one operation: the identification, the test, the rows (address cycle,
// then data cycle), then what follows.
class IteWire {
  public:
    explicit IteWire(bool pcb3) : pcb3_(pcb3) { bytes.push_back('B'); }
    IteWire& Command(std::initializer_list<std::uint8_t> command) {
        if (pcb3_)
            bytes.push_back('T');
        bytes.insert(bytes.end(), command);
        return *this;
    }
    IteWire& Add(const Rows& rows) {
        for (const auto& [reg, value] : rows)
            Command({'A', reg}).Command({pcb3_ ? std::uint8_t{'D'} : std::uint8_t{'W'}, value});
        return *this;
    }
    std::vector<std::uint8_t> bytes;

  private:
    bool pcb3_;
};
} // namespace

class IteTransfer : public IteTest, public ::testing::WithParamInterface<Flash> {};

// A read of the chip, a write of another image and the read back, each checked on the wire
// byte for byte, in the log and in the file or the flash. One flash knows both chip erase
// opcodes, one 0x60 alone, one 0xC7 alone: each needs its row of the erase.
TEST_P(IteTransfer, ReadWriteAndReadBack) {
    const bool pcb3 = std::string(GetParam().board) == "pcb3";
    // The chip's contents come from the scenario's file, and go back to it.
    const std::string chip = dir.File("ec.bin");
    const std::string before = ItePattern(131072, 3);
    WriteFileBytes(chip, before);
    std::string section = GetParam().chip;
    section.insert(1, R"("file": ")" + chip + (section.size() > 2 ? "\", " : "\""));
    Start(GetParam().board, R"({"chips": {"ite": )" + section + "}}");
    const std::string out = dir.File("flash.bin");
    Read(out);
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded) << Dump();
    EXPECT_TRUE(ReadFileText(out) == before);
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
    IteWire read(pcb3);
    read.Command({'T'}).Add(kReadRows);
    for (int block = 0; block < 512; ++block)
        read.Command({'r'});
    read.bytes.push_back('I');
    EXPECT_EQ(HostBytes(), read.bytes);
    const auto dialogs = port.english.Dialogs();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].title, "Save data to a file");
    EXPECT_EQ(dialogs[0].filter, "BIN file (*.bin)|*.bin");
    EXPECT_EQ(dialogs[0].defaultExtension, ".bin");
    EXPECT_EQ(dialogs[0].initialName, "ITE_");
    EXPECT_TRUE(dialogs[0].confirmOverwrite);

    port.ClearLogs();
    applied = sim->Jig().BytesToJig().size();
    const std::string file = ItePattern(GetParam().size, 11);
    const std::string image = file + std::string(131072 - file.size(), '\xFF');
    WriteFileBytes(dir.File("in.bin"), file);
    Write(dir.File("in.bin"));
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded) << Dump();
    ExpectIdle();
    EXPECT_TRUE(Chip().Flash() == Bytes(image));
    EXPECT_TRUE(engine->Image() == Bytes(image));  // what the CLI's verify compares with
    EXPECT_EQ(engine->Run().FileBytes(), 131072u); // every block goes out, blocks of FF too
    EXPECT_TRUE(ReadFileText(chip) == image);
    EXPECT_EQ(Chip().Erases(), 1); // the second opcode meets a busy chip, or one that knows it
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
    IteWire write(pcb3);
    write.Command({'T'}).Add(kEraseRows).Command({'Y', 0, 0, 0});
    for (std::size_t at = 0; at < image.size(); at += 128) {
        write.Command({'w'});
        write.bytes.insert(write.bytes.end(), image.begin() + static_cast<std::ptrdiff_t>(at),
                           image.begin() + static_cast<std::ptrdiff_t>(at + 128));
    }
    write.bytes.push_back('I');
    EXPECT_TRUE(HostBytes() == write.bytes);

    port.ClearLogs();
    Read(dir.File("back.bin"));
    EXPECT_TRUE(ReadFileText(dir.File("back.bin")) == image);
}

INSTANTIATE_TEST_SUITE_P(Flashes, IteTransfer,
                         ::testing::Values(Flash{"pcb2-ite", "{}", 131072},
                                           Flash{"pcb3", R"({"chipErase": [96]})", 65536},
                                           Flash{"pcb2-ite", R"({"chipErase": [199]})", 131072}));

// Every image that cannot be what the chip gets is refused before anything is sent towards an
// erase or a write: the wire carries the identification and "O", nothing else. One image that
// is read and refused and one that cannot be had: the other reasons are LoadImageToWrite's.
TEST_F(IteWrite, RefusedImagesLeaveTheChipAlone) {
    Start("pcb3");
    const auto before = Chip().Flash();
    Write(std::nullopt);
    EXPECT_EQ(En().back(), "WRITE canceled by the user. all displace. (WR_DLG)");
    EXPECT_EQ(Ru().back(), "Запись отмененена пользователем. Все сворачиваем. (WR_DLG)");
    EXPECT_EQ(HostBytes(), (std::vector<std::uint8_t>{'B', 'O'}));
    ExpectIdle();

    WriteFileBytes(dir.File("long.bin"), ItePattern(131072 + 1, 9));
    const struct {
        std::string path;
        std::string reason;
    } refused[] = {
        {dir.Path(), "a folder, not a file"},
        {dir.File("long.bin"), "larger than the 131072 bytes the chip takes"},
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
