// The safety net in every mode that reads and writes a chip, on the boards that carry it: the
// backup before a write, a failed backup read that stops the write, the wire untouched with
// the options off, read twice, and the image check after a read.
#include "SafetyDrivers.h"

#include "port/UserFolders.h"
#include "safety/Journal.h"
#include "safety/Sha256.h"

#include "support/Pattern.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

bool Contains(const std::vector<std::uint8_t>& haystack, const std::vector<std::uint8_t>& needle) {
    return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end()) !=
           haystack.end();
}

class SafetyNetModes : public ::testing::TestWithParam<ModeCase> {
  protected:
    void SetUp() override {
        SetUserDataFolder(user.Path());
        driver = GetParam().make();
    }
    void TearDown() override {
        if (driver)
            driver->Detach();
        SetUserDataFolder({});
    }

    // A JIG whose chip holds `image`; `chipKeys` go into its section, `scenarioKeys` into the
    // scenario itself.
    void Start(const std::string& image, const std::string& chipKeys = "",
               const std::string& scenarioKeys = "") {
        if (sim)
            driver->Detach();
        WriteFileBytes(Flash(), image);
        const std::string json = std::string(R"({"chips": {")") + driver->Section() +
                                 R"(": {"file": ")" + Flash() + "\"" +
                                 (chipKeys.empty() ? "" : ", " + chipKeys) + "}}" +
                                 (scenarioKeys.empty() ? "" : ", " + scenarioKeys) + "}";
        sim = MakeSim(GetParam().board, json);
        ASSERT_TRUE(sim);
        driver->Attach(sim);
    }
    std::string Flash() const { return dir.File("flash.bin"); }
    std::vector<std::filesystem::path> Backups() const {
        std::vector<std::filesystem::path> files;
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(user.File("backups"), ec))
            files.push_back(e.path());
        return files;
    }
    bool HasLine(const std::string& line) const {
        const auto lines = driver->Lines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    bool HasLineStarting(const std::string& start) const {
        const auto lines = driver->Lines();
        return std::any_of(lines.begin(), lines.end(),
                           [&](const std::string& l) { return l.starts_with(start); });
    }
    std::vector<JournalRecord> Journal() const { return LoadJournal(user.File("journal.jsonl")); }
    bool Pcb3() const { return std::string(GetParam().board) == "pcb3"; }

    static constexpr SafetyOptions kBackup{.active = true, .backup = true};
    static constexpr SafetyOptions kTwice{.active = true, .readTwice = true};
    static constexpr SafetyOptions kBoxesOff{.active = true};

    TempDir dir;
    TempDir user;
    std::unique_ptr<ModeDriver> driver;
    std::shared_ptr<SimFtdiApi> sim;
};
} // namespace

TEST_P(SafetyNetModes, WriteKeepsTheChipsContentInABackupFirst) {
    const std::string before = Pattern(driver->Size(), 167, 3 * 29, 8, 3);
    const std::string image = Pattern(driver->Size(), 167, 11 * 29, 8, 11);
    Start(before);
    WriteFileBytes(dir.File("in.bin"), image);
    ASSERT_TRUE(driver->Write(dir.File("in.bin"), kBackup));

    EXPECT_EQ(ReadFileText(Flash()), image);
    const auto backups = Backups();
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_TRUE(ReadFileText(backups[0].string()) == before);
    EXPECT_TRUE(HasLine("Backup saved: " + backups[0].string()));
    EXPECT_TRUE(driver->Idle());

    const auto records = Journal();
    ASSERT_FALSE(records.empty());
    const JournalRecord& r = records.back();
    EXPECT_EQ(r.operation, "write");
    EXPECT_EQ(r.result, "done");
    EXPECT_EQ(r.backup, backups[0].string());
    EXPECT_EQ(r.file, dir.File("in.bin"));
    EXPECT_EQ(r.fileSize, driver->Size());
    EXPECT_EQ(r.fileSha256, Sha256Hex(Bytes(image)));
    EXPECT_EQ(r.board, Pcb3() ? "PCB3" : "PCB2");
    EXPECT_TRUE(r.failedStep.empty());

    // A second write keeps the first backup and adds one of what it found.
    WriteFileBytes(dir.File("in.bin"), before);
    ASSERT_TRUE(driver->Write(dir.File("in.bin"), kBackup));
    const auto both = Backups();
    ASSERT_EQ(both.size(), 2u);
    const bool firstIsOld = both[0] == backups[0];
    EXPECT_TRUE(ReadFileText(both[firstIsOld ? 0 : 1].string()) == before);
    EXPECT_TRUE(ReadFileText(both[firstIsOld ? 1 : 0].string()) == image);
}

TEST_P(SafetyNetModes, FailedBackupReadNeverLetsAnEraseOrWriteReachTheChip) {
    const std::string before = Pattern(driver->Size(), 167, 5 * 29, 8, 5);
    Start(before, driver->BrokenReadKeys());
    driver->ShortBounds();
    WriteFileBytes(dir.File("in.bin"), Pattern(driver->Size(), 167, 13 * 29, 8, 13));
    EXPECT_FALSE(driver->Write(dir.File("in.bin"), kBackup));

    EXPECT_TRUE(HasLine("The backup read failed: nothing was erased or written."));
    EXPECT_FALSE(Contains(sim->Jig().BytesToJig(), EraseOrWriteCommand(driver->Section(), Pcb3())));
    EXPECT_TRUE(ReadFileText(Flash()) == before);
    EXPECT_TRUE(Backups().empty());
    EXPECT_TRUE(driver->Idle());
    const auto records = Journal();
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records.back().result, "failed");
    EXPECT_TRUE(records.back().failedStep.starts_with("backup: ")) << records.back().failedStep;
    EXPECT_TRUE(records.back().backup.empty());
}

// The check box unticked (and --no-backup) is today's program: the same bytes on the wire as an
// engine that knows nothing of the safety net.
TEST_P(SafetyNetModes, OptionsOffSendExactlyTodaysWireSequence) {
    const std::string before = Pattern(driver->Size(), 167, 7 * 29, 8, 7);
    WriteFileBytes(dir.File("in.bin"), Pattern(driver->Size(), 167, 17 * 29, 8, 17));
    std::vector<std::uint8_t> wire[2][2];
    for (int withNet = 0; withNet < 2; ++withNet) {
        const SafetyOptions options = withNet ? kBoxesOff : SafetyOptions{};
        Start(before);
        ASSERT_TRUE(driver->Read(dir.File("out.bin"), options));
        wire[withNet][0] = sim->Jig().BytesToJig();
        Start(before);
        ASSERT_TRUE(driver->Write(dir.File("in.bin"), options));
        wire[withNet][1] = sim->Jig().BytesToJig();
    }
    EXPECT_TRUE(wire[0][0] == wire[1][0]) << "read";
    EXPECT_TRUE(wire[0][1] == wire[1][1]) << "write";
    EXPECT_TRUE(Backups().empty());
}

TEST_P(SafetyNetModes, ReadTwiceFailsAFlakyReadAtTheOffsetThatFlipped) {
    const std::string image = Pattern(driver->Size(), 167, 9 * 29, 8, 9);
    // Where the chip's first bytes cross the wire in a clean read: the flip goes 100 bytes on.
    Start(image);
    ASSERT_TRUE(driver->Read(dir.File("clean.bin"), kTwice));
    EXPECT_TRUE(HasLine("Both reads are the same."));
    EXPECT_EQ(ReadFileText(dir.File("clean.bin")), image);
    std::vector<std::uint8_t> replies;
    for (const TranscriptEntry& e : sim->Jig().Transcript())
        if (!e.toJig)
            replies.push_back(e.byte);
    const std::vector<std::uint8_t> start = Bytes(image.substr(0, 64));
    const auto first = std::search(replies.begin(), replies.end(), start.begin(), start.end());
    ASSERT_NE(first, replies.end());
    const long flipped = (first - replies.begin()) + 100;

    Start(image, "",
          R"("faults": [{"type": "corrupt", "replyByte": )" + std::to_string(flipped) +
              R"(, "xor": 16}])");
    EXPECT_FALSE(driver->Read(dir.File("out.bin"), kTwice));
    EXPECT_TRUE(HasLineStarting("The two reads differ in 1 bytes"));
    char expected[64];
    std::snprintf(expected, sizeof expected, "  at 0x000064, 1 byte: %02X / %02X",
                  static_cast<unsigned>(static_cast<std::uint8_t>(image[100]) ^ 16),
                  static_cast<unsigned>(static_cast<std::uint8_t>(image[100])));
    EXPECT_TRUE(HasLine(expected)) << expected;
    EXPECT_TRUE(driver->Idle());
    const auto records = Journal();
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records.back().operation, "read");
    EXPECT_EQ(records.back().result, "failed");
    EXPECT_EQ(records.back().failedStep, "read twice: the reads differ");
}

TEST_P(SafetyNetModes, ReadEndsWithTheImagesFiguresAndWarnsWhenItIsAllOneValue) {
    const std::string image = Pattern(driver->Size(), 167, 21 * 29, 8, 21);
    Start(image);
    ASSERT_TRUE(driver->Read(dir.File("out.bin"), kBoxesOff));
    const auto lines = driver->Lines();
    const std::string figures = "Image: " + std::to_string(driver->Size()) + " bytes, CRC-32 ";
    EXPECT_NE(std::find_if(lines.begin(), lines.end(),
                           [&](const std::string& l) {
                               return l.starts_with(figures) &&
                                      l.ends_with(", SHA-256 " + Sha256Hex(Bytes(image)));
                           }),
              lines.end());
    EXPECT_FALSE(HasLineStarting("Warning: every byte"));

    for (const char fill : {'\xFF', '\0'}) {
        Start(std::string(driver->Size(), fill));
        ASSERT_TRUE(driver->Read(dir.File("out.bin"), kBoxesOff));
        EXPECT_TRUE(HasLine(fill ? "Warning: every byte is FFh: a blank chip, or nothing was "
                                   "read at all."
                                 : "Warning: every byte is 00h: a data line held low?"))
            << int(fill);
    }
    std::vector<JournalRecord> reads;
    for (const JournalRecord& r : Journal())
        if (r.operation == "read") // the JTAG mode's connection checks have records too
            reads.push_back(r);
    ASSERT_EQ(reads.size(), 3u);
    EXPECT_EQ(reads[0].result, "done");
    EXPECT_EQ(reads[0].file, dir.File("out.bin"));
    EXPECT_EQ(reads[0].fileSha256, Sha256Hex(Bytes(image)));
}

INSTANTIATE_TEST_SUITE_P(Modes, SafetyNetModes, ::testing::ValuesIn(SafetyModeCases()),
                         [](const auto& info) { return std::string(info.param.name); });
