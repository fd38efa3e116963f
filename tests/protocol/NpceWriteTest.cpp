// WRITE on both boards: erase, blank check, the page stream and the read-back verify, compared
// with the simulated JIG's transcript; short files and refused ones; a flash that does not keep
// what was written; stops at each stage.
#include "NpceRig.h"
#include "port/UserFolders.h"
#include "safety/DumpMap.h"
#include "support/Refusal.h"

#include <filesystem>

namespace {
struct Segment {
    bool toJig;
    std::vector<std::uint8_t> bytes;
    bool operator==(const Segment&) const = default;
};

// The transcript as alternating runs: what the host sent, what the JIG answered.
std::vector<Segment> Segments(const std::vector<TranscriptEntry>& transcript) {
    std::vector<Segment> out;
    for (const TranscriptEntry& e : transcript) {
        if (out.empty() || out.back().toJig != e.toJig)
            out.push_back({e.toJig, {}});
        out.back().bytes.push_back(e.byte);
    }
    return out;
}

std::vector<std::uint8_t> Slice(const std::string& image, std::size_t at, std::size_t n) {
    return {image.begin() + static_cast<std::ptrdiff_t>(at),
            image.begin() + static_cast<std::ptrdiff_t>(at + n)};
}

// The exchange of a good write after the connect, with 'N' before the ID, the erase, the blank
// check and the two stream starts on a PCB3 and nowhere else.
std::vector<Segment> ExpectedWrite(bool pcb3, const std::string& image) {
    std::vector<Segment> s;
    auto host = [&](std::vector<std::uint8_t> bytes) { s.push_back({true, std::move(bytes)}); };
    auto jig = [&](std::vector<std::uint8_t> bytes) { s.push_back({false, std::move(bytes)}); };
    auto mode = [&](std::uint8_t command) {
        return pcb3 ? std::vector<std::uint8_t>{'N', command} : std::vector<std::uint8_t>{command};
    };
    host(mode('Z'));
    jig({0xEF, 0x40, 0x12, 0x11});
    host({'I'});
    jig({'I'});
    host(mode('e'));
    jig({0x01, 0x00});
    host(mode('x'));
    jig({0x01, 0x00});
    for (std::size_t block = 0; block < 512; ++block) {
        host(block == 0 ? mode('w') : std::vector<std::uint8_t>{'w'});
        jig({'*'});
        host(Slice(image, block * 256, 256));
        jig({0x01});
    }
    host({0x07});
    jig({0x07});
    for (std::size_t block = 0; block < 256; ++block) {
        host(block == 0 ? mode('r') : std::vector<std::uint8_t>{'r'});
        jig(Slice(image, block * 512, 512));
    }
    host({'-'});
    jig({0x01, 0x00});
    host({'I'});
    jig({'I'});
    return s;
}
} // namespace

class NpceWriteBoards : public NpceTest, public ::testing::WithParamInterface<const char*> {
  protected:
    bool Pcb3() const { return std::string(GetParam()) == "pcb3"; }
};

TEST_P(NpceWriteBoards, FullImageIsErasedWrittenAndVerifiedOnTheWire) {
    Start(GetParam());
    const std::string image = NpcePattern(131072);
    const std::string in = dir.File("in.bin");
    WriteFileBytes(in, image);
    Write(in);

    EXPECT_EQ(Chip().Flash(), Bytes(image));
    EXPECT_EQ(Chip().Erases(), 1);
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded);
    ExpectIdle();
    EXPECT_EQ(port.Gauge(), 512);
    EXPECT_EQ(port.GaugeColour(), (Rgb{255, 255, 0}));
    EXPECT_EQ(LinesFrom("Write to NPCE file:"),
              (std::vector<std::string>{"Write to NPCE file:", in, kNpceStamp, "Erase ...",
                                        "Check clear data ...", "All data is clear!", "Write ...",
                                        "Verify ...", "Nuvoton chip is programmed succesfully!",
                                        kNpceStamp}));
    const auto dialogs = port.Dialogs();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].title, "Read file");
    EXPECT_EQ(dialogs[0].filter, "BIN file NPCE (*.bin)|*.bin|other|*.*");

    std::vector<Segment> wire = Segments(sim->Jig().Transcript());
    ASSERT_GE(wire.size(), 2u);
    EXPECT_EQ(wire[0], (Segment{true, {'B'}}));
    wire.erase(wire.begin(), wire.begin() + 2); // the connect: 'B' and the version text
    const std::vector<Segment> expected = ExpectedWrite(Pcb3(), image);
    ASSERT_EQ(wire.size(), expected.size());
    for (std::size_t i = 0; i < wire.size(); ++i)
        ASSERT_EQ(wire[i], expected[i]) << "exchange " << i;

    Read(dir.File("back.bin"));
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded);
    EXPECT_TRUE(ReadFileText(dir.File("back.bin")) == image);
}

INSTANTIATE_TEST_SUITE_P(Boards, NpceWriteBoards, ::testing::Values("pcb2-npce", "pcb3"));

TEST_F(NpceTest, DifferenceInBlockThreeStopsTheVerifyThere) {
    Start("pcb2-npce", R"({"chips": {"npce-spi": {"corruptAfterWrite": {"address": 1100}}}})");
    const std::string image = NpcePattern(131072);
    WriteFileBytes(dir.File("in.bin"), image);
    port.showsDumps = true;
    Write(dir.File("in.bin"));
    const std::string chipLine = "The chip is written but not verified. No backup was taken.";
    char difference[160];
    std::snprintf(difference, sizeof difference,
                  "Verify: the flash differs from the image at offset 0x0044C (image %02X, flash "
                  "%02X); 1 of the 512 bytes of that block differ",
                  static_cast<unsigned char>(image[1100]),
                  static_cast<unsigned char>(image[1100]) ^ 1);
    EXPECT_EQ(
        LinesFrom("Verify ..."),
        (std::vector<std::string>{"Verify ...", difference, "*** Data is written incorrectly ***",
                                  kNpceStamp, chipLine}));
    EXPECT_EQ(engine->Run().ChipState(), chipLine);
    // The stream start and two next-block commands, then the end of the stream.
    EXPECT_EQ(HostTail(6), (std::vector<std::uint8_t>{0x07, 'r', 'r', 'r', '-', 'O'}));
    EXPECT_EQ(port.Gauge(), 6);
    EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
    EXPECT_EQ(engine->Run().FailedStep(), "verify block 3 of 256");
    // The map: the first 4 KiB block differs, the verify read nothing after it.
    const auto dump = port.Dump();
    ASSERT_TRUE(dump);
    EXPECT_TRUE(dump->image == Bytes(image));
    EXPECT_EQ(dump->readBack.size(), 3 * 512u);
    EXPECT_EQ(DumpMapLines(dump->map)[1], "0x000000 X" + std::string(31, '?'));
}

// Every image is read whole and judged before anything is erased; a refused one sends nothing
// towards an erase or a write, whether it came from the dialog or up front. One image that is
// read and refused and one that cannot be had: the other reasons are LoadImageToWrite's.
TEST_F(NpceTest, RefusedImagesEraseAndWriteNothing) {
    Start("pcb2-npce");
    port.QueueFileAnswer(std::nullopt);
    engine->WriteClick();
    EXPECT_EQ(port.Lines().back(), "Write operation is interrupted.");
    EXPECT_FALSE(engine->LinkOpen());

    WriteFileBytes(dir.File("big.bin"), NpcePattern(131073));
    const std::pair<std::string, std::string> refused[] = {
        {dir.Path(), "a folder, not a file"},
        {dir.File("big.bin"), "larger than the 131072 bytes the chip takes"}};
    for (const auto& [file, reason] : refused) {
        for (const bool upFront : {false, true}) {
            port.ClearLog();
            Start("pcb2-npce");
            if (upFront) {
                engine->WriteFile(file);
                engine->WaitForWorker();
            } else {
                Write(file);
            }
            EXPECT_EQ(port.Messages().back(), "Ошибка открытия файла.") << file;
            EXPECT_EQ(port.Lines().back(), file + ": " + reason);
            // Up front nothing reaches the JIG; from the dialog, the connect and the ID only.
            const std::vector<std::uint8_t> sent =
                upFront ? std::vector<std::uint8_t>{} : std::vector<std::uint8_t>{'B', 'Z', 'I'};
            EXPECT_EQ(HostBytes(), sent) << file;
            EXPECT_EQ(Chip().Erases(), 0);
            EXPECT_EQ(Chip().Flash(), SimNpceSpi::DefaultImage());
            EXPECT_EQ(engine->Run().Result(), RefusalFor(reason));
            EXPECT_EQ(engine->Run().FailedStep(), "file opening");
            ExpectIdle();
        }
    }
}

// A stop between pages ends the stream with 07h as a failed page does, and says truly where
// the chip stands; the next write on the same JIG, of a short file, succeeds with the file
// padded with FFh and verified as padded.
TEST_P(NpceWriteBoards, StopBetweenPagesSaysHowFarTheChipIsWritten) {
    Start(GetParam());
    const std::string image = NpcePattern(131072, 5);
    WriteFileBytes(dir.File("in.bin"), image);
    StopAt(300, Npce::kWriteColour);
    Write(dir.File("in.bin"));
    const std::string chipLine =
        "The chip is partly written (blocks 1 to 300 of 512). No backup was taken.";
    EXPECT_EQ(engine->Run().Result(), Outcome::Stopped);
    EXPECT_EQ(engine->Run().FailedStep(), "after block 300 of 512");
    EXPECT_EQ(engine->Run().ChipState(), chipLine);
    EXPECT_EQ(LinesFrom("Write ..."),
              (std::vector<std::string>{"Write ...", kStoppedLine, kNpceStamp, chipLine}));
    std::vector<std::uint8_t> expected = Bytes(image.substr(0, 300 * 256));
    expected.resize(131072, 0xFF);
    EXPECT_EQ(Chip().Flash(), expected);
    std::vector<std::uint8_t> tail = Bytes(image.substr(299 * 256, 256));
    tail.push_back(0x07);
    EXPECT_EQ(HostTail(tail.size()), tail);
    ExpectIdle();

    port.onGauge = nullptr;
    const std::string part = NpcePattern(1000);
    WriteFileBytes(dir.File("short.bin"), part);
    Write(dir.File("short.bin"));
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded);
    EXPECT_EQ(engine->Run().ChipState(), "");
    std::vector<std::uint8_t> padded = Bytes(part);
    padded.resize(131072, 0xFF);
    EXPECT_EQ(Chip().Flash(), padded);
    EXPECT_EQ(engine->Run().FileBytes(), 1000u);
    EXPECT_TRUE(port.HasLine("Nuvoton chip is programmed succesfully!"));
    // The fourth page went out as 232 file bytes and 24 bytes of FFh.
    const auto sent = HostBytes();
    const std::vector<std::uint8_t> fourth(padded.begin() + 768, padded.begin() + 1024);
    EXPECT_NE(std::search(sent.begin(), sent.end(), fourth.begin(), fourth.end()), sent.end());
}

// A stop during the verify leaves the chip written but not verified; one during the backup
// read, before the erase, leaves it unchanged. Either ends its read stream with '-'.
TEST_F(NpceTest, StopDuringTheVerifyOrTheBackupSaysWhereTheChipStands) {
    TempDir user;
    SetUserDataFolder(user.Path());
    WriteFileBytes(dir.File("in.bin"), NpcePattern(131072));
    for (const bool backup : {false, true}) {
        SCOPED_TRACE(backup ? "backup" : "verify");
        Start(backup ? "pcb2-npce" : "pcb3");
        engine->Run().SetSafety({.active = false, .backup = backup});
        StopAt(2 * 10, backup ? Npce::kReadColour : Npce::kVerifyColour);
        Write(dir.File("in.bin"));
        const std::string chipLine =
            backup ? "The chip is unchanged. No backup was taken."
                   : "The chip is written but not verified. No backup was taken.";
        EXPECT_EQ(engine->Run().Result(), Outcome::Stopped);
        EXPECT_EQ(engine->Run().FailedStep(),
                  backup ? "backup: after block 10 of 256" : "after verify block 10 of 256");
        EXPECT_EQ(engine->Run().ChipState(), chipLine);
        EXPECT_EQ(HostTail(4), (std::vector<std::uint8_t>{'r', 'r', '-', 'O'}));
        EXPECT_EQ(Chip().Erases(), backup ? 0 : 1);
        EXPECT_EQ(Chip().Flash(), backup ? SimNpceSpi::DefaultImage() : Bytes(NpcePattern(131072)));
        if (!backup) {
            EXPECT_EQ(LinesFrom("Verify ..."),
                      (std::vector<std::string>{"Verify ...", kStoppedLine, kNpceStamp, chipLine}));
        }
        ExpectIdle();
    }
    SetUserDataFolder({});
}
