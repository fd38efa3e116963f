// The safety net in the MEC16xx mode where it is its own, beside what every mode shares: the
// erase and the write are operations of their own, each with a backup of MAIN and INFO that a
// stop or a failed read ends.
#include "MecRig.h"
#include "safety/Sha256.h"
#include "support/UserData.h"

#include <filesystem>
#include <random>

namespace {
constexpr SafetyOptions kBackup{.active = true, .backup = true};
constexpr SafetyOptions kBoxesOff{.active = true};

// What the chip is told when its flash is to be erased or programmed.
const std::string kEraseMode = "FF390800000107";
const std::string kProgramMode = "FF390800000106";

class MecSafety : public MecTest, public ::testing::WithParamInterface<const char*> {
  protected:
    // The chip holds `image` (MAIN followed by INFO); `keys` go into its scenario section.
    void StartWith(const std::string& image, const std::string& keys = "",
                   const std::string& scenarioKeys = "") {
        WriteFileBytes(Flash(), image);
        Start(GetParam(), R"({"chips": {"mec": {"file": ")" + Flash() + "\"" +
                              (keys.empty() ? "" : ", " + keys) + "}}" +
                              (scenarioKeys.empty() ? "" : ", " + scenarioKeys) + "}");
    }
    std::string Flash() const { return dir.File("flash.bin"); }
    bool HasLine(const std::string& line) const {
        const auto lines = port.Lines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

    TestUserData user;
};
} // namespace

TEST_P(MecSafety, EraseAndWriteEachKeepTheWholeChipInABackupFirst) {
    const std::string before = MecPattern(SimMec16xx::kImageSize, 3);
    StartWith(before);
    engine->Run().SetSafety(kBackup);
    Erase();
    ASSERT_EQ(engine->Run().Result(), Outcome::Succeeded) << engine->Run().FailedStep();
    const auto backups = user.Backups();
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_TRUE(ReadFileText(backups[0].string()) == before);
    EXPECT_TRUE(backups[0].filename().string().starts_with("MEC_jtag_"));
    EXPECT_TRUE(backups[0].filename().string().ends_with("_0216_A445h.bin"));
    EXPECT_TRUE(HasLine("Backup saved: " + backups[0].string()));
    EXPECT_EQ(Chip().Erases(), 1);
    ExpectIdle();

    // The write finds the erased MAIN and the INFO the erase left, and keeps them too.
    const std::vector<std::uint8_t> erased = Chip().Image();
    const std::string image = MecPattern(SimMec16xx::kMainSize, 11);
    WriteFileBytes(dir.File("in.bin"), image);
    Write(dir.File("in.bin"));
    ASSERT_EQ(engine->Run().Result(), Outcome::Succeeded) << engine->Run().FailedStep();
    EXPECT_EQ(user.Backups().size(), 2u);
    EXPECT_TRUE(Main() == Bytes(image));
    ExpectIdle();

    // Each operation that reaches the chip says so before it does, and again when it ends.
    const auto records = user.Journal();
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].result, "started");
    EXPECT_EQ(records[0].operation, "erase");
    EXPECT_EQ(records[1].operation, "erase");
    EXPECT_EQ(records[1].result, "done");
    EXPECT_EQ(records[1].chipId, "0216 A445h");
    EXPECT_EQ(records[1].backup, backups[0].string());
    EXPECT_EQ(records[2].result, "started");
    EXPECT_EQ(records[2].operation, "write");
    EXPECT_EQ(records[3].operation, "write");
    EXPECT_EQ(records[3].result, "done");
    EXPECT_EQ(records[3].file, dir.File("in.bin"));
    EXPECT_EQ(records[3].fileSha256, Sha256Hex(Bytes(image)));
    EXPECT_EQ(records[3].board, std::string(GetParam()) == "pcb3" ? "PCB3" : "PCB2");
    ASSERT_NE(records[3].backup, records[1].backup);
    EXPECT_TRUE(Bytes(ReadFileText(records[3].backup)) == erased);
}

// The erase's failed backup is every mode's case (the erase leads the write); here the
// window's write with no erase before it, whose step names the block the read stopped at.
TEST_P(MecSafety, FailedBackupReadNeverLetsAWriteReachTheChip) {
    const std::string before = MecPattern(SimMec16xx::kImageSize, 5);
    WriteFileBytes(dir.File("in.bin"), MecPattern(SimMec16xx::kMainSize, 13));
    for (const auto& [keys, step] :
         {std::pair{R"("silentAtBlock": 100)", "backup: MAIN block 100 of 192"},
          std::pair{R"("badStatusAtBlock": 193)", "backup: INFO block 1 of 2"}}) {
        SCOPED_TRACE(keys);
        StartWith(before, keys);
        ShortBounds();
        engine->Run().SetSafety(kBackup);
        Write(dir.File("in.bin"));
        EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
        EXPECT_TRUE(HasLine("The backup read failed: nothing was erased or written."));
        const std::string wire = HostText();
        EXPECT_EQ(wire.find(kEraseMode), std::string::npos);
        EXPECT_EQ(wire.find(kProgramMode), std::string::npos);
        EXPECT_EQ(Chip().Erases(), 0);
        EXPECT_TRUE(ReadFileText(Flash()) == before);
        EXPECT_TRUE(user.Backups().empty());
        EXPECT_FALSE(engine->FileOpen());
        ExpectIdle();
        const auto records = user.Journal();
        ASSERT_FALSE(records.empty());
        EXPECT_EQ(records.back().operation, "write");
        EXPECT_EQ(records.back().result, "failed");
        EXPECT_EQ(records.back().failedStep, step);
        EXPECT_TRUE(records.back().backup.empty());
    }
}

// STOP during an erase's backup read ends the erase before the chip is touched; the next erase
// is not stopped by that old press.
TEST_P(MecSafety, StopDuringTheBackupEndsOnlyThatErase) {
    StartWith(MecPattern(SimMec16xx::kImageSize, 4));
    engine->Run().SetSafety(kBackup);
    port.onGauge = [&](int position) {
        if (position == 50)
            engine->StopExitClick();
    };
    Erase();
    EXPECT_EQ(engine->Run().Result(), Outcome::Stopped);
    EXPECT_EQ(engine->Run().FailedStep(), "backup: User break");
    EXPECT_EQ(engine->Run().ChipState(), "The chip is unchanged. No backup was taken.");
    EXPECT_EQ(user.Journal().back().result, "stopped");
    EXPECT_EQ(HostText().find(kEraseMode), std::string::npos);
    EXPECT_TRUE(user.Backups().empty());
    port.onGauge = nullptr;
    Erase();
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded) << engine->Run().FailedStep();
    EXPECT_EQ(Chip().Erases(), 1);
    EXPECT_EQ(user.Backups().size(), 1u);
}

// A stop once the erase command went out lets the erase finish (a half-erased flash helps
// nobody) and says so; a stop during the write ends the stream after the block the chip took.
// Each time the chip-state line tells the truth, the journal says "stopped" after "started",
// and the JIG takes the next command.
TEST_P(MecSafety, StopDuringAnEraseOrAWriteSaysWhereTheChipStands) {
    const std::string was = MecPattern(SimMec16xx::kImageSize, 6);
    StartWith(was);
    engine->Run().SetSafety(kBackup);
    port.onLine = [&](const std::string& line) {
        if (line == "Отправили команду стирания.")
            engine->Stop();
    };
    Erase();
    port.onLine = nullptr;
    ASSERT_EQ(user.Backups().size(), 1u);
    const std::string backup = user.Backups()[0].string();
    EXPECT_EQ(engine->Run().Result(), Outcome::Stopped);
    EXPECT_EQ(engine->Run().ChipState(), "The chip is erased. Backup: " + backup + ".");
    EXPECT_TRUE(HasLine(kStoppedLine));
    EXPECT_TRUE(HasLine("Стирание завершено успешно."));
    EXPECT_EQ(Main(), std::vector<std::uint8_t>(SimMec16xx::kMainSize, 0xFF));
    std::vector<JournalRecord> records = user.Journal();
    ASSERT_GE(records.size(), 2u);
    EXPECT_EQ(records[records.size() - 2].result, "started");
    EXPECT_EQ(records.back().result, "stopped");
    EXPECT_EQ(ReadFileText(backup), was);

    const std::string image = MecPattern(SimMec16xx::kMainSize, 8);
    WriteFileBytes(dir.File("in.bin"), image);
    engine->Run().SetSafety(kBoxesOff);
    engine->ContinueAfterErase(backup);
    const int stopAt = 1 + static_cast<int>(std::random_device{}() % 766);
    SCOPED_TRACE("stopped at block " + std::to_string(stopAt));
    port.onGauge = [&](int block) {
        if (block == stopAt)
            engine->StopExitClick();
    };
    Write(dir.File("in.bin"));
    port.onGauge = nullptr;
    EXPECT_EQ(engine->Run().Result(), Outcome::Stopped);
    const std::string state = "The chip is partly written (blocks 1 to " + std::to_string(stopAt) +
                              " of 768). Backup: " + backup + ".";
    EXPECT_EQ(engine->Run().ChipState(), state);
    EXPECT_TRUE(HasLine(state));
    std::string expected(image.substr(0, static_cast<std::size_t>(stopAt) * 256));
    expected.resize(SimMec16xx::kMainSize, '\xFF');
    EXPECT_TRUE(Main() == Bytes(expected));
    EXPECT_EQ(engine->Indicator(MecIndicator::Fwp), Mec::kRed);
    EXPECT_EQ(engine->Indicator(MecIndicator::BootLock), Mec::kRed);
    records = user.Journal();
    EXPECT_EQ(records[records.size() - 2].result, "started");
    EXPECT_EQ(records.back().result, "stopped");
    EXPECT_EQ(records.back().operation, "write");
    // The stream ended as after its last block: 'X', the end writes, the error signal.
    const std::string wire = HostText();
    const std::string m = std::string(GetParam()) == "pcb3" ? "M" : "";
    EXPECT_NE(wire.find("X" + m + "wFF390800000100"), std::string::npos);
    ExpectIdle();

    Check();
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded) << engine->Run().FailedStep();
}

// The erase of MAIN and INFO with the boxes unticked sends what the program without them sends
// (a read and the erase of MAIN before a write are every mode's case).
TEST_P(MecSafety, AnInfoEraseWithTheOptionsOffSendsExactlyTodaysWire) {
    std::vector<std::uint8_t> wire[2];
    for (int withNet = 0; withNet < 2; ++withNet) {
        StartWith(MecPattern(SimMec16xx::kImageSize, 7));
        engine->Run().SetSafety(withNet ? kBoxesOff : SafetyOptions{});
        Erase(true);
        ASSERT_EQ(engine->Run().Result(), Outcome::Succeeded);
        wire[withNet] = HostBytes();
    }
    EXPECT_TRUE(wire[0] == wire[1]);
    EXPECT_TRUE(user.Backups().empty());
}

INSTANTIATE_TEST_SUITE_P(Boards, MecSafety, ::testing::Values("pcb2-v42", "pcb3"),
                         [](const auto& info) {
                             return std::string(info.param) == "pcb3" ? "Pcb3" : "Pcb2";
                         });
