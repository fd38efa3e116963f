// The safety net in every mode that reads and writes a chip, on the boards that carry it: the
// backup before a write, a failed backup read that stops the write, the wire untouched with
// the options off, read twice, and the image check after a read.
#include "modes/Ite/IteBus.h"
#include "modes/Nuvoton_jtag_form/JtagFrames.h"
#include "modetable/ModeTable.h"
#include "safety/Sha256.h"
#include "sim/chips/Mec16xx.h"
#include "support/ModeAdapters.h"
#include "support/Pattern.h"
#include "support/SimFixture.h"
#include "support/UserData.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <ostream>

namespace {

bool Contains(const std::vector<std::uint8_t>& haystack, const std::vector<std::uint8_t>& needle) {
    return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end()) !=
           haystack.end();
}

// `board`: a board that runs the mode; `name`: for test names.
struct ModeCase {
    const char* name;
    const char* board;
    const char* mode; // as the mode table names it
    // Replies of a plain read and write whose last byte was the FTDI chip's event character
    // (the link told the chip how the phase's replies end); the others wait for its timer.
    std::uint64_t readOnEventChar = 0;
    std::uint64_t writeOnEventChar = 0;
    std::uint8_t variant = 0; // 0x80: MEC's reads take INFO after MAIN
};

void PrintTo(const ModeCase& c, std::ostream* out) {
    *out << c.name;
}

// The bytes that start the erase or the write of the chip of a scenario `section`; no read
// sends them.
std::vector<std::vector<std::uint8_t>> EraseOrWriteCommands(const std::string& section, bool pcb3) {
    auto frame = [pcb3](char prefix, std::uint8_t command) {
        return pcb3 ? std::vector<std::uint8_t>{static_cast<std::uint8_t>(prefix), command}
                    : std::vector<std::uint8_t>{command};
    };
    if (section == "ene")
        return {frame('K', 'W')};
    if (section == "npce-spi")
        return {frame('N', 'e')};
    if (section == "ite") // the chip erase opcode into the flash port
        return {IteFrames::Command(pcb3, IteCommand::DataWrite, 0x60)};
    if (section == "npceJtag")
        return {NuvJtag::BatchFrame(NuvJtag::kModeRaw, NuvJtag::EraseSectorEntries(0))};
    if (section == "mec") // the flash mode register set to erase, and to program
        return {Bytes("FF390800000107"), Bytes("FF390800000106")};
    return {{'E', 'w'}};
}

class SafetyNetModes : public ::testing::TestWithParam<ModeCase> {
  protected:
    // A JIG whose chip holds `image`; `chipKeys` go into its section, `scenarioKeys` into the
    // scenario itself.
    void Start(const std::string& image, const std::string& chipKeys = "",
               const std::string& scenarioKeys = "") {
        WriteFileBytes(Flash(), image);
        const std::string json = std::string(R"({"chips": {")") + Section() + R"(": {"file": ")" +
                                 Flash() + "\"" + (chipKeys.empty() ? "" : ", " + chipKeys) + "}}" +
                                 (scenarioKeys.empty() ? "" : ", " + scenarioKeys) + "}";
        sim = MakeSim(GetParam().board, json);
        ASSERT_TRUE(sim);
    }
    // True when the operation succeeded.
    bool Run(const char* operation, const std::string& file, const SafetyOptions& safety) {
        const ModeAdapter* a = FindModeAdapter(GetParam().mode, operation);
        ModeRequest request;
        request.api = sim;
        request.file = file;
        request.bound = bound;
        request.safety = safety;
        request.variant = GetParam().variant;
        last = a->run(*a, request);
        EXPECT_TRUE(last.broken.empty()) << last.broken.front();
        return last.succeeded;
    }
    bool Read(const std::string& file, const SafetyOptions& safety) {
        return Run("read", file, safety);
    }
    bool Write(const std::string& file, const SafetyOptions& safety) {
        return Run("write", file, safety);
    }
    std::string Section() const { return FindMode(GetParam().mode)->scenarioSection; }
    // The image a write takes; the whole chip holds MEC's INFO after it, which a read takes
    // with the variant.
    std::size_t Size() const { return FindModeAdapter(GetParam().mode, "write")->fileSize; }
    std::size_t ChipSize() const { return Section() == "mec" ? SimMec16xx::kImageSize : Size(); }
    std::size_t ReadSize() const { return GetParam().variant & 0x80 ? ChipSize() : Size(); }
    // Keys of the chip's scenario section that make it fall silent in the middle of a read; a
    // cable without a panel has the JIG answer "ER" to the EEPROM's read. MEC's JIG answers on,
    // a bad block status, so that an erase that ignored the failure would reach the chip.
    std::string BrokenReadKeys() const {
        if (Section() == "mec")
            return R"("badStatusAtBlock": 100)";
        return Section() == "edid" ? R"("panel": false)" : R"("silentAtBlock": 100)";
    }
    // The last operation ended idle with its link closed.
    bool Idle() const { return last.idle && last.linkClosed; }
    std::string Flash() const { return dir.File("flash.bin"); }
    bool HasLine(const std::string& line) const {
        return std::find(last.lines.begin(), last.lines.end(), line) != last.lines.end() ||
               std::find(last.earlierLines.begin(), last.earlierLines.end(), line) !=
                   last.earlierLines.end();
    }
    bool HasLineStarting(const std::string& start) const {
        return std::any_of(last.lines.begin(), last.lines.end(),
                           [&](const std::string& l) { return l.starts_with(start); });
    }
    bool Pcb3() const { return std::string(GetParam().board) == "pcb3"; }

    static constexpr SafetyOptions kBackup{.active = true, .backup = true};
    static constexpr SafetyOptions kTwice{.active = true, .readTwice = true};
    static constexpr SafetyOptions kBoxesOff{.active = true};

    TempDir dir;
    TestUserData user;
    std::shared_ptr<SimFtdiApi> sim;
    std::optional<std::chrono::milliseconds> bound;
    ModeResult last;
};
} // namespace

TEST_P(SafetyNetModes, WriteKeepsTheChipsContentInABackupFirst) {
    const std::string before = Pattern(ChipSize(), 167, 3 * 29, 8, 3);
    const std::string image = Pattern(Size(), 167, 11 * 29, 8, 11);
    const std::string written = image + before.substr(Size());
    Start(before);
    WriteFileBytes(dir.File("in.bin"), image);
    ASSERT_TRUE(Write(dir.File("in.bin"), kBackup));

    EXPECT_TRUE(ReadFileText(Flash()) == written);
    const auto backups = user.Backups();
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_TRUE(ReadFileText(backups[0].string()) == before);
    EXPECT_TRUE(HasLine("Backup saved: " + backups[0].string()));
    EXPECT_TRUE(Idle());

    const auto records = user.Journal();
    ASSERT_FALSE(records.empty());
    const JournalRecord& r = records.back();
    EXPECT_EQ(r.operation, "write");
    EXPECT_EQ(r.result, "done");
    EXPECT_EQ(r.backup, backups[0].string());
    EXPECT_EQ(r.file, dir.File("in.bin"));
    EXPECT_EQ(r.fileSize, Size());
    EXPECT_EQ(r.fileSha256, Sha256Hex(Bytes(image)));
    EXPECT_EQ(r.board, Pcb3() ? "PCB3" : "PCB2");
    EXPECT_TRUE(r.failedStep.empty());

    // A second write keeps the first backup and adds one of what it found.
    WriteFileBytes(dir.File("in.bin"), before.substr(0, Size()));
    ASSERT_TRUE(Write(dir.File("in.bin"), kBackup));
    const auto both = user.Backups();
    ASSERT_EQ(both.size(), 2u);
    const bool firstIsOld = both[0] == backups[0];
    EXPECT_TRUE(ReadFileText(both[firstIsOld ? 0 : 1].string()) == before);
    EXPECT_TRUE(ReadFileText(both[firstIsOld ? 1 : 0].string()) == written);
}

TEST_P(SafetyNetModes, FailedBackupReadNeverLetsAnEraseOrWriteReachTheChip) {
    const std::string before = Pattern(ChipSize(), 167, 5 * 29, 8, 5);
    Start(before, BrokenReadKeys());
    bound = std::chrono::milliseconds(500); // a silent JIG ends the test quickly
    WriteFileBytes(dir.File("in.bin"), Pattern(Size(), 167, 13 * 29, 8, 13));
    EXPECT_FALSE(Write(dir.File("in.bin"), kBackup));

    EXPECT_TRUE(HasLine("The backup read failed: nothing was erased or written."));
    for (const auto& command : EraseOrWriteCommands(Section(), Pcb3()))
        EXPECT_FALSE(Contains(sim->Jig().BytesToJig(), command));
    EXPECT_TRUE(ReadFileText(Flash()) == before);
    EXPECT_TRUE(user.Backups().empty());
    EXPECT_TRUE(Idle());
    const auto records = user.Journal();
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records.back().result, "failed");
    EXPECT_TRUE(records.back().failedStep.starts_with("backup: ")) << records.back().failedStep;
    EXPECT_TRUE(records.back().backup.empty());
}

// The check box unticked (and --no-backup) is today's program: the same bytes on the wire as an
// engine that knows nothing of the safety net.
TEST_P(SafetyNetModes, OptionsOffSendExactlyTodaysWireSequence) {
    const std::string before = Pattern(ChipSize(), 167, 7 * 29, 8, 7);
    WriteFileBytes(dir.File("in.bin"), Pattern(Size(), 167, 17 * 29, 8, 17));
    std::vector<std::uint8_t> wire[2][2];
    for (int withNet = 0; withNet < 2; ++withNet) {
        const SafetyOptions options = withNet ? kBoxesOff : SafetyOptions{};
        Start(before);
        ASSERT_TRUE(Read(dir.File("out.bin"), options));
        wire[withNet][0] = sim->Jig().BytesToJig();
        Start(before);
        ASSERT_TRUE(Write(dir.File("in.bin"), options));
        wire[withNet][1] = sim->Jig().BytesToJig();
    }
    EXPECT_TRUE(wire[0][0] == wire[1][0]) << "read";
    EXPECT_TRUE(wire[0][1] == wire[1][1]) << "write";
    EXPECT_TRUE(user.Backups().empty());
}

TEST_P(SafetyNetModes, EachStreamTellsTheFtdiChipTheByteItsRepliesEndWith) {
    const std::string before = Pattern(ChipSize(), 167, 5 * 29, 8, 5);
    WriteFileBytes(dir.File("in.bin"), Pattern(Size(), 167, 13 * 29, 8, 13));
    Start(before);
    ASSERT_TRUE(Read(dir.File("out.bin"), {}));
    EXPECT_EQ(sim->Jig().Stats().repliesOnEventChar, GetParam().readOnEventChar) << "read";
    Start(before);
    ASSERT_TRUE(Write(dir.File("in.bin"), {}));
    EXPECT_EQ(sim->Jig().Stats().repliesOnEventChar, GetParam().writeOnEventChar) << "write";
}

TEST_P(SafetyNetModes, ReadTwiceFailsAFlakyReadAtTheOffsetThatFlipped) {
    const std::string chip = Pattern(ChipSize(), 167, 9 * 29, 8, 9);
    const std::string image = chip.substr(0, ReadSize());
    // Where the chip's first bytes cross the wire in a clean read: the flip goes 100 bytes on.
    Start(chip);
    ASSERT_TRUE(Read(dir.File("clean.bin"), kTwice));
    EXPECT_TRUE(HasLine("Both reads are the same."));
    EXPECT_TRUE(ReadFileText(dir.File("clean.bin")) == image);
    std::vector<std::uint8_t> replies;
    for (const TranscriptEntry& e : sim->Jig().Transcript())
        if (!e.toJig)
            replies.push_back(e.byte);
    const std::vector<std::uint8_t> start = Bytes(image.substr(0, 64));
    const auto first = std::search(replies.begin(), replies.end(), start.begin(), start.end());
    ASSERT_NE(first, replies.end());
    const long flipped = (first - replies.begin()) + 100;

    Start(chip, "",
          R"("faults": [{"type": "corrupt", "replyByte": )" + std::to_string(flipped) +
              R"(, "xor": 16}])");
    WriteFileBytes(dir.File("out.bin"), "the old dump");
    EXPECT_FALSE(Read(dir.File("out.bin"), kTwice));
    // The dump under the chosen name stays as it was; the first read, flip and all, is kept
    // beside it (the EEPROM's file is asked for only after a good read).
    EXPECT_EQ(ReadFileText(dir.File("out.bin")), "the old dump");
    std::string once = image;
    once[100] = static_cast<char>(once[100] ^ 16);
    if (Section() == "edid") {
        EXPECT_FALSE(std::filesystem::exists(dir.File("out.bin.partial")));
    } else {
        EXPECT_TRUE(ReadFileText(dir.File("out.bin.partial")) == once);
    }
    EXPECT_TRUE(HasLineStarting("The two reads differ in 1 bytes"));
    char expected[64];
    std::snprintf(expected, sizeof expected, "  at 0x000064, 1 byte: %02X / %02X",
                  static_cast<unsigned>(static_cast<std::uint8_t>(image[100]) ^ 16),
                  static_cast<unsigned>(static_cast<std::uint8_t>(image[100])));
    EXPECT_TRUE(HasLine(expected)) << expected;
    if (Section() == "ene") { // the failure signal ends the second read
        EXPECT_EQ(sim->Jig().BytesToJig().back(), 'O');
    }
    EXPECT_TRUE(Idle());
    const auto records = user.Journal();
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records.back().operation, "read");
    EXPECT_EQ(records.back().result, "failed");
    EXPECT_EQ(records.back().failedStep, "read twice: the reads differ");
    EXPECT_EQ(std::count_if(records.begin(), records.end(),
                            [](const JournalRecord& r) { return r.operation == "read"; }),
              2); // one each, whatever each read twice
}

// The figures are of the image read; what they warn of is ImageCheckLines' own business.
TEST_P(SafetyNetModes, ReadEndsWithTheImagesFiguresAndItsJournalRecord) {
    const std::string chip = Pattern(ChipSize(), 167, 21 * 29, 8, 21);
    const std::string image = chip.substr(0, ReadSize());
    Start(chip);
    ASSERT_TRUE(Read(dir.File("out.bin"), kBoxesOff));
    const std::string figures = "Image: " + std::to_string(ReadSize()) + " bytes, CRC-32 ";
    EXPECT_TRUE(std::any_of(last.lines.begin(), last.lines.end(), [&](const std::string& l) {
        return l.starts_with(figures) && l.ends_with(", SHA-256 " + Sha256Hex(Bytes(image)));
    }));
    EXPECT_FALSE(HasLineStarting("Warning: every byte"));
    std::vector<JournalRecord> reads;
    for (const JournalRecord& r : user.Journal())
        if (r.operation == "read") // the JTAG mode's connection checks have records too
            reads.push_back(r);
    ASSERT_EQ(reads.size(), 1u);
    EXPECT_EQ(reads[0].result, "done");
    EXPECT_EQ(reads[0].file, dir.File("out.bin"));
    EXPECT_EQ(reads[0].fileSize, ReadSize());
    EXPECT_EQ(reads[0].fileSha256, Sha256Hex(Bytes(image)));
}

INSTANTIATE_TEST_SUITE_P(Modes, SafetyNetModes,
                         ::testing::Values(ModeCase{"EnePcb2", "pcb2-v41", "ENE KB90XX"},
                                           ModeCase{"EnePcb3", "pcb3", "ENE KB90XX", 514, 514},
                                           ModeCase{"NpcePcb2", "pcb2-npce", "NUVOTON spi", 0, 768},
                                           ModeCase{"NpcePcb3", "pcb3", "NUVOTON spi", 0, 768},
                                           ModeCase{"ItePcb2", "pcb2-ite", "ITE", 539, 1064},
                                           ModeCase{"ItePcb3", "pcb3", "ITE", 539, 1064},
                                           ModeCase{"JtagPcb3", "pcb3", "NUVOTON jtag", 0, 1025},
                                           ModeCase{"MecPcb2", "pcb2-v42", "MEC jtag", 197, 785},
                                           ModeCase{"MecInfoPcb3", "pcb3", "MEC jtag", 201, 785,
                                                    0x80},
                                           ModeCase{"EdidPcb2", "pcb2-v41", "EDID lcd"},
                                           ModeCase{"EdidPcb3", "pcb3", "EDID lcd"}),
                         [](const auto& info) { return std::string(info.param.name); });
