// WRITE with its verification on both boards, short and long files, and a flash that does not
// keep what was written.
#include "EneRig.h"
#include "modes/Kb901x_form/Kb90Checksum.h"
#include "support/Refusal.h"

#include <algorithm>
#include <sys/stat.h>

namespace {
std::vector<std::uint8_t> Tail(const std::vector<std::uint8_t>& v, std::size_t n) {
    return {v.end() - static_cast<std::ptrdiff_t>(n), v.end()};
}
std::string Hex4(std::uint16_t v) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(v));
    return text;
}
} // namespace

class EneWriteBoards : public EneTest, public ::testing::WithParamInterface<const char*> {
  protected:
    bool Pcb3() const { return std::string(GetParam()) == "pcb3"; }
};

TEST_P(EneWriteBoards, FullImageIsWrittenAndVerified) {
    Start(GetParam());
    const std::string image = PatternImage(131072);
    WriteFileBytes(dir.File("in.bin"), image);
    Write(dir.File("in.bin"));

    EXPECT_EQ(Chip().Flash(), Bytes(image));
    EXPECT_EQ(Chip().Erases(), 1);
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded);
    ExpectIdle();
    EXPECT_EQ(port.Gauge(), 32768);
    EXPECT_EQ(port.GaugeColour(), (Rgb{255, 255, 0}));

    std::vector<std::string> expected{"Write in KB90XX file:", dir.File("in.bin"),
                                      "There is a writing KB90XX...", kStamp};
    if (Pcb3()) {
        expected.insert(expected.end(), {"Writing is completed ...", "Verification ...",
                                         "Writing and verify is OK !"});
    } else {
        const std::vector<std::uint8_t> data = Bytes(image);
        const std::string sum = Hex4(Sum16(data));
        const std::string crc = Hex4(Crc16(data));
        const std::string stars = "**********************************";
        expected.insert(
            expected.end(),
            {"Writing is completed successfully.", stars, "SUMM of data from a file  -> " + sum,
             "CRC16 of data from a file -> " + crc, stars, "SUMM FLASH KB90XX -> " + sum,
             "CRC16 FLASH KB90XX-> " + crc, stars, "Writing and verify is OK !"});
    }
    expected.push_back(kStamp);
    EXPECT_EQ(LinesFrom("Write in KB90XX file:"), expected);

    const auto wire = HostBytes();
    if (Pcb3())
        EXPECT_EQ(Tail(wire, 3), (std::vector<std::uint8_t>{'R', 'X', 'I'}));
    else
        EXPECT_EQ(Tail(wire, 3), (std::vector<std::uint8_t>{'X', 'S', 'I'}));
    const auto dialogs = port.Dialogs();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].title, "Read file");
    EXPECT_EQ(dialogs[0].filter, "BIN file KB90XX (*.bin)|*.bin|other|*.*");
}

TEST_P(EneWriteBoards, CorruptedFlashByteIsCaught) {
    Start(GetParam(), R"({"chips": {"ene": {"corruptAfterWrite": {"address": 70000, "xor": 4}}}})");
    WriteFileBytes(dir.File("in.bin"), PatternImage(131072));
    Write(dir.File("in.bin"));
    EXPECT_TRUE(port.HasLine("!!! Data is written incorrectly !!! "));
    EXPECT_FALSE(port.HasLine("Writing and verify is OK !"));
    EXPECT_EQ(HostBytes().back(), 'O');
    EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
    ExpectIdle();
    if (Pcb3()) { // the read-back stops at the block that differs
        EXPECT_EQ(port.Gauge(), (70000 / 256) * 64);
    }
}

// Images that must not reach the chip: nothing is erased and no write command goes out.
TEST_P(EneWriteBoards, RefusedImagesNeverReachTheChip) {
    Start(GetParam());
    WriteFileBytes(dir.File("empty.bin"), "");
    WriteFileBytes(dir.File("long.bin"), PatternImage(131073));
    const std::string fifo = dir.File("pipe.bin");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::vector<std::pair<std::string, std::string>> refused{
        {dir.File("missing.bin"), "No such file or directory"},
        {dir.Path(), "a folder, not a file"},
        {dir.File("empty.bin"), "the file is empty"},
        {dir.File("long.bin"), "larger than the 131072 bytes the chip takes"},
        {"/dev/zero", "not a regular file"},
        {fifo, "not a regular file"}};
    for (const auto& [path, reason] : refused) {
        Write(path);
        EXPECT_TRUE(port.HasLine(path + ": " + reason)) << path;
        EXPECT_EQ(engine->Run().Result(), RefusalFor(reason)) << path;
        EXPECT_EQ(engine->Run().ChipState(), "The chip is unchanged. No backup was taken.") << path;
    }
    EXPECT_EQ(port.Messages(), std::vector<std::string>(refused.size(), "Error open file!"));
    const auto wire = HostBytes();
    EXPECT_EQ(std::count(wire.begin(), wire.end(), 'W'), 0);
    EXPECT_EQ(Chip().Erases(), 0);
    EXPECT_EQ(Chip().Flash(), SimEneKb90xx::DefaultImage());
    EXPECT_EQ(engine->Run().State(), "NONE");
    EXPECT_FALSE(engine->LinkOpen());
}

TEST_P(EneWriteBoards, HalfSizeFileGetsOnePaddedBlockAndIsVerifiedWhole) {
    Start(GetParam());
    const std::string image = PatternImage(65536);
    WriteFileBytes(dir.File("in.bin"), image);
    Write(dir.File("in.bin"));
    std::vector<std::uint8_t> expected = Bytes(image);
    expected.resize(131072, 0xFF);
    EXPECT_EQ(Chip().Flash(), expected);
    std::vector<std::string> lines{" __ Warning __", "Recorded file is less than 128*1024 byte"};
    if (Pcb3()) {
        lines.insert(lines.end(), {"Writing is completed ...", "Verification ...",
                                   "Writing and verify is OK !"});
    } else {
        const std::string sum = Hex4(Sum16(expected));
        const std::string crc = Hex4(Crc16(expected));
        const std::string stars = "**********************************";
        lines.insert(lines.end(),
                     {"Writing is completed successfully.", stars,
                      "SUMM of data from a file  -> " + sum, "CRC16 of data from a file -> " + crc,
                      stars, "SUMM FLASH KB90XX -> " + sum, "CRC16 FLASH KB90XX-> " + crc, stars,
                      "Writing and verify is OK !"});
    }
    lines.push_back(kStamp);
    EXPECT_EQ(LinesFrom(" __ Warning __"), lines);
    EXPECT_EQ(port.Gauge(), 32768);
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded);
    EXPECT_EQ(engine->Run().ChipState(), "");
    ExpectIdle();

    // 256 full blocks, then one block of 0xFF: 257 blocks of 256 bytes between the commands
    std::size_t blockBytes = HostBytes().size();
    blockBytes -= Pcb3() ? 1 + 2 + 2 + 2 : 1 + 1 + 1; // 'B', ('S' 'R'), 'V', 'W'
    blockBytes -= 256 + 1;                            // 'N' after all but the last, 'X'
    blockBytes -= Pcb3() ? 2 + 511 + 2 : 2;           // 'K' 'R', 'R' ..., 'X' 'I' / 'S' 'I'
    EXPECT_EQ(blockBytes, 257u * 256u);
}

// The flash does not keep what a short file put there: the padded image is verified as a full
// one is, so the write fails instead of passing unchecked.
TEST_P(EneWriteBoards, ShortImageThatTheFlashDoesNotKeepFails) {
    Start(GetParam(), R"({"chips": {"ene": {"corruptAfterWrite": {"address": 50, "xor": 4}}}})");
    WriteFileBytes(dir.File("in.bin"), PatternImage(100));
    Write(dir.File("in.bin"));
    EXPECT_TRUE(port.HasLine("Recorded file is less than 128*1024 byte"));
    EXPECT_TRUE(port.HasLine("!!! Data is written incorrectly !!! "));
    EXPECT_FALSE(port.HasLine("Writing and verify is OK !"));
    EXPECT_EQ(HostBytes().back(), 'O');
    EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
    EXPECT_EQ(engine->Run().ChipState(),
              "The chip is written but not verified. No backup was taken.");
    ExpectIdle();
}

// A stop between two blocks ends the stream with 'X', says how far the chip is written (true
// of the chip), and the JIG takes the next write at once.
TEST_P(EneWriteBoards, StopBetweenBlocksSaysHowFarTheChipIsWritten) {
    Start(GetParam());
    const std::string image = PatternImage(131072);
    WriteFileBytes(dir.File("in.bin"), image);
    port.stopAtGauge = 100 * 64;
    Write(dir.File("in.bin"));

    EXPECT_EQ(engine->Run().Result(), Outcome::Stopped);
    std::vector<std::uint8_t> chip = Bytes(image.substr(0, 100 * 256));
    chip.resize(131072, 0xFF);
    EXPECT_EQ(Chip().Flash(), chip);
    const std::string where =
        "The chip is partly written (blocks 1 to 100 of 512). No backup was taken.";
    EXPECT_EQ(engine->Run().ChipState(), where);
    EXPECT_EQ(LinesFrom(kStoppedLine), (std::vector<std::string>{kStoppedLine, kStamp, where}));
    std::vector<std::uint8_t> tail = Bytes(image.substr(99 * 256, 256));
    tail.insert(tail.end(), {'X', 'O'});
    EXPECT_EQ(Tail(HostBytes(), 258), tail);
    ExpectIdle();

    Write(dir.File("in.bin"));
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded);
    EXPECT_EQ(Chip().Flash(), Bytes(image));
    EXPECT_EQ(engine->Run().ChipState(), "");
}

TEST_P(EneWriteBoards, HundredByteFileIsPaddedWith0xFF) {
    Start(GetParam());
    const std::string image = PatternImage(100);
    WriteFileBytes(dir.File("in.bin"), image);
    Write(dir.File("in.bin"));
    std::vector<std::uint8_t> expected = Bytes(image);
    expected.resize(131072, 0xFF);
    EXPECT_EQ(Chip().Flash(), expected);
    std::vector<std::uint8_t> block = Bytes(image);
    block.resize(256, 0xFF);
    block.push_back('X');
    const auto wire = HostBytes();
    EXPECT_NE(std::search(wire.begin(), wire.end(), block.begin(), block.end()), wire.end());
    EXPECT_TRUE(port.HasLine("Recorded file is less than 128*1024 byte"));
    EXPECT_TRUE(port.HasLine("Writing and verify is OK !"));
    EXPECT_EQ(engine->Run().FileBytes(), 100u);
}

INSTANTIATE_TEST_SUITE_P(Boards, EneWriteBoards, ::testing::Values("pcb2-v41", "pcb3"));

TEST_F(EneTest, ErasedImageShowsTheSumAsFourZeros) {
    Start("pcb2-v41");
    WriteFileBytes(dir.File("ff.bin"), std::string(131072, '\xFF'));
    Write(dir.File("ff.bin"));
    EXPECT_TRUE(port.HasLine("SUMM of data from a file  -> 0000"));
    EXPECT_TRUE(port.HasLine("SUMM FLASH KB90XX -> 0000"));
    EXPECT_TRUE(port.HasLine("Writing and verify is OK !"));
}

TEST_F(EneTest, Pcb3FailedBlockAcknowledgementEndsTheWrite) {
    Start("pcb3", R"({"chips": {"ene": {"failBlock": 5}}})");
    WriteFileBytes(dir.File("in.bin"), PatternImage(131072));
    Write(dir.File("in.bin"));
    EXPECT_EQ(LinesFrom("!!! Lost Communication with ENE or timeout !!! "),
              (std::vector<std::string>{
                  "!!! Lost Communication with ENE or timeout !!! ", kStamp,
                  "The chip is partly written (blocks 1 to 4 of 512). No backup was taken."}));
    EXPECT_EQ(Tail(HostBytes(), 2), (std::vector<std::uint8_t>{'X', 'O'}));
    EXPECT_EQ(port.Gauge(), 5 * 64);
    ExpectIdle();
}

TEST_F(EneTest, Pcb2FailedBlockIsCaughtByTheChecksums) {
    Start("pcb2-v41", R"({"chips": {"ene": {"failBlock": 5}}})");
    WriteFileBytes(dir.File("in.bin"), PatternImage(131072));
    Write(dir.File("in.bin"));
    EXPECT_TRUE(port.HasLine("!!! Data is written incorrectly !!! "));
    EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
}

TEST_F(EneTest, Pcb2StrayBytesInTheChecksumPassAreIgnored) {
    // More stray bytes than the pass has blocks.
    Start("pcb2-v41", R"({"chips": {"ene": {"checksumNoise": 700}}})");
    WriteFileBytes(dir.File("in.bin"), PatternImage(131072));
    Write(dir.File("in.bin"));
    EXPECT_TRUE(port.HasLine("Writing and verify is OK !"));
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded);
    EXPECT_EQ(port.Gauge(), Kb90::kGaugeMax);
}

TEST_F(EneTest, Pcb2ChecksumPassEndsAtItsDeadline) {
    Start("pcb2-v41", R"({"chips": {"ene": {"checksumNoise": 700}}})");
    Kb90Bounds bounds;
    bounds.checksumPass = Millis(0);
    engine->SetBounds(bounds);
    WriteFileBytes(dir.File("in.bin"), PatternImage(131072));
    Write(dir.File("in.bin"));
    EXPECT_EQ(LinesFrom("!!! Lost Communication with ENE or timeout !!! "),
              (std::vector<std::string>{
                  "!!! Lost Communication with ENE or timeout !!! ",
                  "Timeout: no answer from the JIG (checksum progress 1 of 512)", kStamp,
                  "The chip is written but not verified. No backup was taken."}));
    EXPECT_EQ(Tail(HostBytes(), 1), (std::vector<std::uint8_t>{'O'}));
    ExpectIdle();
}

TEST_F(EneTest, Pcb3ShortFileWithAFailedLastBlock) {
    Start("pcb3", R"({"chips": {"ene": {"failBlock": 1}}})");
    WriteFileBytes(dir.File("in.bin"), PatternImage(100));
    Write(dir.File("in.bin"));
    EXPECT_EQ(
        LinesFrom(" __ Warning __"),
        (std::vector<std::string>{" __ Warning __", "Recorded file is less than 128*1024 byte",
                                  "!!! Lost Communication with ENE or timeout !!! ", kStamp,
                                  "The chip is erased. No backup was taken."}));
    EXPECT_EQ(Tail(HostBytes(), 2), (std::vector<std::uint8_t>{'X', 'O'}));
    EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
}

TEST_F(EneTest, SilenceDuringTheWriteEndsItWithinTheBound) {
    Start("pcb2-v41", R"({"chips": {"ene": {"silentAtBlock": 10}}})");
    Kb90Bounds bounds;
    bounds.dataBlock = Millis(300);
    engine->SetBounds(bounds);
    WriteFileBytes(dir.File("in.bin"), PatternImage(131072));
    const auto started = SteadyClock::now();
    Write(dir.File("in.bin"));
    EXPECT_LT(SteadyClock::now() - started, Millis(2000));
    EXPECT_EQ(LinesFrom("!!! Lost Communication with ENE or timeout !!! "),
              (std::vector<std::string>{
                  "!!! Lost Communication with ENE or timeout !!! ",
                  "Timeout: no answer from the JIG (acknowledgement of block 10 of 512)", kStamp,
                  "The chip is partly written (blocks 1 to 9 of 512). No backup was taken."}));
    EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
    ExpectIdle();
}

TEST_F(EneTest, CancelledOpenDialog) {
    Start("pcb2-v41");
    port.QueueFileAnswer(std::nullopt);
    engine->WriteClick();
    EXPECT_EQ(port.Lines().back(), "Write operation is interrupted.");
    EXPECT_FALSE(engine->LinkOpen());
    EXPECT_EQ(Chip().Erases(), 0);
}

TEST_F(EneTest, Pcb2SwapThatKeepsTheSumIsCaughtByTheCrc) {
    const std::string image = PatternImage(131072);
    ASSERT_NE(image[5000], image[5001]);
    Start("pcb2-v41", R"({"chips": {"ene": {"swapAfterWrite": 5000}}})");
    WriteFileBytes(dir.File("in.bin"), image);
    Write(dir.File("in.bin"));
    const std::vector<std::uint8_t> data = Bytes(image);
    EXPECT_TRUE(port.HasLine("SUMM FLASH KB90XX -> " + Hex4(Sum16(data))));
    EXPECT_FALSE(port.HasLine("CRC16 FLASH KB90XX-> " + Hex4(Crc16(data))));
    EXPECT_TRUE(port.HasLine("!!! Data is written incorrectly !!! "));
    EXPECT_EQ(HostBytes().back(), 'O');
    EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
}

TEST_F(EneTest, Pcb3WriteOnTheWireBlockByBlockThenTheReadBack) {
    Start("pcb3");
    const std::string image = PatternImage(131072, 3);
    WriteFileBytes(dir.File("in.bin"), image);
    Write(dir.File("in.bin"));
    ASSERT_EQ(engine->Run().Result(), Outcome::Succeeded);

    std::vector<std::uint8_t> expected{'B', 'S', 'R', 'K', 'V', 'K', 'W'};
    for (int block = 0; block < 512; ++block) {
        expected.insert(expected.end(), image.begin() + block * 256,
                        image.begin() + (block + 1) * 256);
        expected.push_back(block == 511 ? 'X' : 'N');
    }
    expected.insert(expected.end(), {'K', 'R'});
    expected.insert(expected.end(), 511, 'R');
    expected.insert(expected.end(), {'X', 'I'});
    EXPECT_EQ(HostBytes(), expected);
}

TEST_F(EneTest, ChecksumAnswerIsReadLittleEndian) {
    Start("pcb2-v41", R"({"chips": {"ene": {"checksumAnswer": [52, 18, 120, 86]}}})");
    WriteFileBytes(dir.File("in.bin"), PatternImage(131072));
    Write(dir.File("in.bin"));
    EXPECT_TRUE(port.HasLine("SUMM FLASH KB90XX -> 1234"));
    EXPECT_TRUE(port.HasLine("CRC16 FLASH KB90XX-> 5678"));
    EXPECT_TRUE(port.HasLine("!!! Data is written incorrectly !!! "));
}

// A stop during the backup read ends that read's stream; the write never starts.
TEST_F(EneTest, StopDuringTheBackupLeavesTheChipUnchanged) {
    Start("pcb3");
    SafetyOptions safety;
    safety.active = true;
    safety.backup = true;
    engine->Run().SetSafety(safety);
    WriteFileBytes(dir.File("in.bin"), PatternImage(131072));
    port.stopAtGauge = 10 * 64;
    Write(dir.File("in.bin"));
    EXPECT_EQ(engine->Run().Result(), Outcome::Stopped);
    EXPECT_EQ(engine->Run().ChipState(), "The chip is unchanged. No backup was taken.");
    EXPECT_TRUE(port.HasLine(kStoppedLine));
    const auto wire = HostBytes();
    EXPECT_EQ(std::count(wire.begin(), wire.end(), 'W'), 0);
    EXPECT_EQ(Tail(wire, 3), (std::vector<std::uint8_t>{'?', 'X', 'O'}));
    EXPECT_EQ(Chip().Erases(), 0);
    ExpectIdle();
}
