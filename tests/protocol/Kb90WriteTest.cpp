// WRITE with its verification on both boards, short and long files, and a flash that does not
// keep what was written.
#include "EneRig.h"
#include "modes/Kb901x_form/Kb90Checksum.h"
#include "safety/DumpMap.h"

#include <algorithm>

namespace {
using Wire = std::vector<std::uint8_t>;

Wire Tail(const Wire& v, std::size_t n) {
    return {v.end() - static_cast<std::ptrdiff_t>(n), v.end()};
}
std::string Hex4(std::uint16_t v) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(v));
    return text;
}
std::vector<std::uint8_t> Padded(const std::string& image) {
    std::vector<std::uint8_t> chip = Bytes(image);
    chip.resize(131072, 0xFF);
    return chip;
}
// A short file goes as its blocks and one more of 0xFF at most; the read-back covers the chip.
Wire WriteWire(bool pcb3, const std::string& image) {
    Wire wire = pcb3 ? Wire{'B', 'S', 'R', 'K', 'V', 'K', 'W'} : Wire{'B', 'V', 'W'};
    const std::vector<std::uint8_t> chip = Padded(image);
    const std::size_t blocks = std::min<std::size_t>(512, image.size() / 256 + 1);
    for (std::size_t block = 0; block < blocks; ++block) {
        wire.insert(wire.end(), chip.begin() + block * 256, chip.begin() + (block + 1) * 256);
        wire.push_back(block + 1 == blocks ? 'X' : 'N');
    }
    if (pcb3) {
        wire.insert(wire.end(), {'K', 'R'});
        wire.insert(wire.end(), 511, 'R');
        wire.insert(wire.end(), {'X', 'I'});
    } else {
        wire.insert(wire.end(), {'S', 'I'});
    }
    return wire;
}
} // namespace

class EneWriteBoards : public EneTest, public ::testing::WithParamInterface<const char*> {
  protected:
    bool Pcb3() const { return std::string(GetParam()) == "pcb3"; }
};

// Whole, half and a hundred bytes: a short file is padded with 0xFF and verified whole.
TEST_P(EneWriteBoards, ImageIsWrittenPaddedAndVerifiedOnTheWireAsTheProtocolSays) {
    port.showsDumps = true;
    for (const std::size_t size : {131072u, 65536u, 100u}) {
        SCOPED_TRACE(size);
        Start(GetParam());
        port.ClearLog();
        const std::string image = PatternImage(size, static_cast<unsigned>(size % 251));
        const std::string file = dir.File("in.bin");
        WriteFileBytes(file, image);
        Write(file);

        const std::vector<std::uint8_t> chip = Padded(image);
        EXPECT_EQ(Chip().Flash(), chip);
        EXPECT_EQ(Chip().Erases(), 1);
        EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded);
        EXPECT_EQ(engine->Run().ChipState(), "");
        EXPECT_EQ(engine->Run().FileBytes(), size);
        ExpectIdle();
        EXPECT_EQ(port.Gauge(), 32768);
        EXPECT_EQ(port.GaugeColour(), (Rgb{255, 255, 0}));
        EXPECT_TRUE(HostBytes() == WriteWire(Pcb3(), image));
        // PCB3 reads the chip back: its map; PCB2's checksums say nothing of blocks.
        if (Pcb3()) {
            ASSERT_TRUE(port.Dump());
            EXPECT_EQ(port.Dump()->image, chip);
            EXPECT_EQ(port.Dump()->map.Count(BlockDiff::Same), 32u);
        } else {
            EXPECT_FALSE(port.Dump());
        }

        std::vector<std::string> expected{"Write in KB90XX file:", file,
                                          "There is a writing KB90XX...", kStamp};
        if (size < 131072)
            expected.insert(expected.end(),
                            {" __ Warning __", "Recorded file is less than 128*1024 byte"});
        if (Pcb3()) {
            expected.insert(expected.end(), {"Writing is completed ...", "Verification ...",
                                             "Writing and verify is OK !"});
        } else {
            const std::string sum = Hex4(Sum16(chip));
            const std::string crc = Hex4(Crc16(chip));
            const std::string stars = "**********************************";
            expected.insert(
                expected.end(),
                {"Writing is completed successfully.", stars, "SUMM of data from a file  -> " + sum,
                 "CRC16 of data from a file -> " + crc, stars, "SUMM FLASH KB90XX -> " + sum,
                 "CRC16 FLASH KB90XX-> " + crc, stars, "Writing and verify is OK !"});
        }
        expected.push_back(kStamp);
        EXPECT_EQ(LinesFrom("Write in KB90XX file:"), expected);
        const auto dialogs = port.Dialogs();
        ASSERT_FALSE(dialogs.empty());
        EXPECT_EQ(dialogs.back().title, "Read file");
        EXPECT_EQ(dialogs.back().filter, "BIN file KB90XX (*.bin)|*.bin|other|*.*");
    }
}

// The flash does not keep what a whole or a short file put there: both are verified, so the
// write fails instead of passing unchecked; PCB3's read-back stops at the block that differs.
TEST_P(EneWriteBoards, FlashThatDoesNotKeepTheImageFails) {
    for (const auto& [size, address] : {std::pair{131072, 70000}, std::pair{100, 50}}) {
        SCOPED_TRACE(size);
        Start(GetParam(), R"({"chips": {"ene": {"corruptAfterWrite": {"address": )" +
                              std::to_string(address) + R"(, "xor": 4}}}})");
        port.ClearLog();
        WriteFileBytes(dir.File("in.bin"), PatternImage(size));
        Write(dir.File("in.bin"));
        EXPECT_TRUE(port.HasLine("!!! Data is written incorrectly !!! "));
        EXPECT_FALSE(port.HasLine("Writing and verify is OK !"));
        EXPECT_EQ(HostBytes().back(), 'O');
        EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
        EXPECT_EQ(engine->Run().ChipState(),
                  "The chip is written but not verified. No backup was taken.");
        if (Pcb3()) {
            EXPECT_EQ(port.Gauge(), (address / 256) * 64);
        }
    }
}

// A stop between two blocks ends the stream with 'X', says how far the chip is written (true
// of the chip), and the JIG takes the next write at once.
TEST_P(EneWriteBoards, StopBetweenBlocksSaysHowFarTheChipIsWritten) {
    Start(GetParam());
    const std::string image = PatternImage(131072);
    WriteFileBytes(dir.File("in.bin"), image);
    StopOnceAtGauge(100 * 64);
    Write(dir.File("in.bin"));

    EXPECT_EQ(engine->Run().Result(), Outcome::Stopped);
    EXPECT_EQ(Chip().Flash(), Padded(image.substr(0, 100 * 256)));
    const std::string where =
        "The chip is partly written (blocks 1 to 100 of 512). No backup was taken.";
    EXPECT_EQ(engine->Run().ChipState(), where);
    EXPECT_EQ(LinesFrom(kStoppedLine), (std::vector<std::string>{kStoppedLine, kStamp, where}));
    Wire tail = Bytes(image.substr(99 * 256, 256));
    tail.insert(tail.end(), {'X', 'O'});
    EXPECT_EQ(Tail(HostBytes(), 258), tail);
    ExpectIdle();

    Write(dir.File("in.bin"));
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded);
    EXPECT_EQ(Chip().Flash(), Bytes(image));
    EXPECT_EQ(engine->Run().ChipState(), "");
}

INSTANTIATE_TEST_SUITE_P(Boards, EneWriteBoards, ::testing::Values("pcb2-v41", "pcb3"));

// PCB2 verifies by the sums the JIG reads back: an erased image sums to 0000, the answer is
// little-endian, a swap that keeps the sum is caught by the CRC, a failed block by both, and
// stray bytes in the checksum pass are ignored.
TEST_F(EneTest, Pcb2ChecksumsJudgeTheWrite) {
    const std::string image = PatternImage(131072);
    ASSERT_NE(image[5000], image[5001]);
    const std::string sum = Hex4(Sum16(Bytes(image)));
    const std::string crc = Hex4(Crc16(Bytes(image)));
    const std::string bad = "!!! Data is written incorrectly !!! ";
    const std::string ok = "Writing and verify is OK !";
    struct Case {
        std::string chip, image;
        std::vector<std::string> lines, notLines;
        Outcome outcome;
    } cases[] = {
        {"{}",
         std::string(131072, '\xFF'),
         {"SUMM of data from a file  -> 0000", "SUMM FLASH KB90XX -> 0000", ok},
         {},
         Outcome::Succeeded},
        {R"({"checksumAnswer": [52, 18, 120, 86]})",
         image,
         {"SUMM FLASH KB90XX -> 1234", "CRC16 FLASH KB90XX-> 5678", bad},
         {ok},
         Outcome::Failed},
        {R"({"swapAfterWrite": 5000})",
         image,
         {"SUMM FLASH KB90XX -> " + sum, bad},
         {"CRC16 FLASH KB90XX-> " + crc, ok},
         Outcome::Failed},
        {R"({"failBlock": 5})", image, {bad}, {ok}, Outcome::Failed},
        // More stray bytes than the pass has blocks.
        {R"({"checksumNoise": 700})", image, {ok}, {bad}, Outcome::Succeeded},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chip);
        Start("pcb2-v41", R"({"chips": {"ene": )" + c.chip + "}}");
        port.ClearLog();
        WriteFileBytes(dir.File("in.bin"), c.image);
        Write(dir.File("in.bin"));
        for (const std::string& line : c.lines)
            EXPECT_TRUE(port.HasLine(line)) << line;
        for (const std::string& line : c.notLines)
            EXPECT_FALSE(port.HasLine(line)) << line;
        EXPECT_EQ(engine->Run().Result(), c.outcome);
        EXPECT_EQ(HostBytes().back(), c.outcome == Outcome::Succeeded ? 'I' : 'O');
        if (c.outcome == Outcome::Succeeded) {
            EXPECT_EQ(port.Gauge(), Kb90::kGaugeMax);
        }
    }
}

// Where a write that ends early stops, which wait it names, and where the chip stands.
TEST_F(EneTest, WriteThatEndsEarlySaysWhichWaitAndWhereTheChipStands) {
    const std::string lost = "!!! Lost Communication with ENE or timeout !!! ";
    const std::string timeout = "Timeout: no answer from the JIG ";
    struct Case {
        const char* board;
        std::string chip;
        std::size_t size;
        Millis Kb90Bounds::*bound;
        std::string from;
        std::vector<std::string> lines;
        Wire tail;
        int gauge;
    } cases[] = {
        {"pcb3",
         R"({"failBlock": 5})",
         131072,
         nullptr,
         lost,
         {lost, kStamp, "The chip is partly written (blocks 1 to 4 of 512). No backup was taken."},
         {'X', 'O'},
         5 * 64},
        {"pcb3",
         R"({"failBlock": 1})",
         100,
         nullptr,
         " __ Warning __",
         {" __ Warning __", "Recorded file is less than 128*1024 byte", lost, kStamp,
          "The chip is erased. No backup was taken."},
         {'X', 'O'},
         -1},
        {"pcb2-v41",
         R"({"checksumNoise": 700})",
         131072,
         &Kb90Bounds::checksumPass,
         lost,
         {lost, timeout + "(checksum progress 1 of 512)", kStamp,
          "The chip is written but not verified. No backup was taken."},
         {'O'},
         -1},
        {"pcb2-v41",
         R"({"silentAtBlock": 10})",
         131072,
         &Kb90Bounds::dataBlock,
         lost,
         {lost, timeout + "(acknowledgement of block 10 of 512)", kStamp,
          "The chip is partly written (blocks 1 to 9 of 512). No backup was taken."},
         {},
         -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chip);
        Start(c.board, R"({"chips": {"ene": )" + c.chip + "}}");
        port.ClearLog();
        if (c.bound) {
            Kb90Bounds bounds;
            bounds.*c.bound = Millis(c.bound == &Kb90Bounds::dataBlock ? 300 : 0);
            engine->SetBounds(bounds);
        }
        WriteFileBytes(dir.File("in.bin"), PatternImage(c.size));
        Write(dir.File("in.bin"));
        EXPECT_EQ(LinesFrom(c.from), c.lines);
        EXPECT_EQ(Tail(HostBytes(), c.tail.size()), c.tail);
        if (c.gauge >= 0) {
            EXPECT_EQ(port.Gauge(), c.gauge);
        }
        EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
    }
}

TEST_F(EneTest, CancelledOpenDialog) {
    Start("pcb2-v41");
    port.QueueFileAnswer(std::nullopt);
    engine->WriteClick();
    EXPECT_EQ(port.Lines().back(), "Write operation is interrupted.");
    EXPECT_FALSE(engine->LinkOpen());
    EXPECT_EQ(Chip().Erases(), 0);
}

// A stop during the backup read ends that read's stream; the write never starts.
TEST_F(EneTest, StopDuringTheBackupLeavesTheChipUnchanged) {
    Start("pcb3");
    SafetyOptions safety;
    safety.active = true;
    safety.backup = true;
    engine->Run().SetSafety(safety);
    WriteFileBytes(dir.File("in.bin"), PatternImage(131072));
    StopOnceAtGauge(10 * 64);
    Write(dir.File("in.bin"));
    EXPECT_EQ(engine->Run().Result(), Outcome::Stopped);
    EXPECT_EQ(engine->Run().ChipState(), "The chip is unchanged. No backup was taken.");
    EXPECT_TRUE(port.HasLine(kStoppedLine));
    const auto wire = HostBytes();
    EXPECT_EQ(std::count(wire.begin(), wire.end(), 'W'), 0);
    EXPECT_EQ(Tail(wire, 3), (Wire{'?', 'X', 'O'}));
    EXPECT_EQ(Chip().Erases(), 0);
    ExpectIdle();
}
