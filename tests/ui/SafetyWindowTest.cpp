// The main window's safety check boxes: their defaults, remembered between runs, and what a
// mode window does with them.
#include "gui/ProgramSettings.h"
#include "gui/SafetySettings.h"
#include "modes/Edid/ui/TEDID_form.h"
#include "modes/Mec16xx/ui/TMEC16_Form.h"
#include "modes/Npce/ui/TNPCE_FORM.h"
#include "port/UserFolders.h"
#include "safety/Journal.h"
#include "shell/ui/Main_88m_kb9012.h"
#include "sim/chips/EdidEeprom.h"
#include "sim/chips/Mec16xx.h"
#include "sim/chips/NpceSpi.h"
#include "ui/support/UiTestSupport.h"

#include <QSettings>
#include <filesystem>
#include <gtest/gtest.h>

namespace {
class SafetyWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ProgramSettings().clear();
        SetUserDataFolder(user.Path());
    }
    void TearDown() override {
        ProgramSettings().clear();
        SetUserDataFolder({});
    }
    std::size_t BackupCount() const {
        std::error_code ec;
        std::size_t n = 0;
        for ([[maybe_unused]] const auto& e :
             std::filesystem::directory_iterator(user.File("backups"), ec))
            ++n;
        return n;
    }

    TempDir dir;
    TempDir user;
    ScriptedDialogs dialogs;
    QWidget mainWindow;
};
} // namespace

TEST_F(SafetyWindowTest, BackupOnAndReadTwiceOffUntilChangedThenRemembered) {
    {
        TForm1 main(MakeSim());
        EXPECT_EQ(main.CheckBox_BACKUP->text(), "Back up the chip before erasing or writing");
        EXPECT_EQ(main.CheckBox_READ_TWICE->text(), "Read twice and compare");
        EXPECT_TRUE(main.CheckBox_BACKUP->isChecked());
        EXPECT_FALSE(main.CheckBox_READ_TWICE->isChecked());
        EXPECT_TRUE(
            main.CheckBox_BACKUP->toolTip().contains(QString::fromStdString(user.File("backups"))));
        main.CheckBox_BACKUP->click();
        main.CheckBox_READ_TWICE->click();
        EXPECT_FALSE(SafetySettings::Backup());
        EXPECT_TRUE(SafetySettings::ReadTwice());
    }
    TForm1 again(MakeSim());
    EXPECT_FALSE(again.CheckBox_BACKUP->isChecked());
    EXPECT_TRUE(again.CheckBox_READ_TWICE->isChecked());
}

TEST_F(SafetyWindowTest, ModeWindowsWriteWithTheBackupTheBoxAsks) {
    WriteFileBytes(dir.File("chip.bin"), std::string(131072, '\x3C'));
    auto sim =
        MakeSim("pcb3", R"({"chips": {"npce-spi": {"file": ")" + dir.File("chip.bin") + R"("}}})");
    TNPCE_FORM window(sim, &mainWindow);
    window.show();
    WriteFileBytes(dir.File("in.bin"), std::string(131072, '\x42'));
    auto write = [&] {
        dialogs.script.fileAnswers.push_back(dir.File("in.bin"));
        window.NPCE_WRITE->click();
        return WaitUntil([&] {
            return window.Engine().Run().Idle() &&
                   window.Engine().Run().Result() != Outcome::None && window.NPCE_READ->isEnabled();
        });
    };
    ASSERT_TRUE(write());
    EXPECT_EQ(window.Engine().Run().Result(), Outcome::Succeeded);
    EXPECT_EQ(BackupCount(), 1u);
    EXPECT_TRUE(window.NPCE_Memo->Lines().filter("Backup saved: ").size() == 1);

    SafetySettings::SetBackup(false);
    ASSERT_TRUE(write());
    EXPECT_EQ(BackupCount(), 1u);
    // Each write's end record; its "started" record came before its erase.
    auto records = LoadJournal(JournalFile());
    EXPECT_EQ(std::erase_if(records, [](const auto& r) { return r.result == "started"; }), 2u);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_FALSE(records[0].backup.empty());
    EXPECT_TRUE(records[1].backup.empty());
}

TEST_F(SafetyWindowTest, EdidReadTwiceWhenTheBoxSaysSo) {
    SafetySettings::SetReadTwice(true);
    auto sim = MakeSim("pcb3");
    TEDID_form window(sim, &mainWindow);
    dialogs.script.fileAnswers.push_back(dir.File("panel.bin"));
    window.EDID_READ->click();
    ASSERT_TRUE(
        WaitUntil([&] { return !window.EDID_Memo->Lines().filter("Save the file: ").isEmpty(); }));
    const QStringList lines = window.EDID_Memo->Lines();
    EXPECT_TRUE(lines.contains("Both reads are the same."));
    EXPECT_EQ(lines.filter("Image: 256 bytes, CRC-32 ").size(), 1);
    const auto image = SimEdidEeprom::DefaultImage();
    EXPECT_TRUE(ReadFileText(dir.File("panel.bin")) == std::string(image.begin(), image.end()));
}

// The MEC window erases and writes in operations of their own: each reads the chip first while
// the box is ticked, and the box unticked leaves the chip as the erase found it.
TEST_F(SafetyWindowTest, MecEraseAndWriteEachBackUpWhileTheBoxIsTicked) {
    const std::string before(SimMec16xx::kImageSize, '\x5A');
    WriteFileBytes(dir.File("chip.bin"), before);
    auto sim =
        MakeSim("pcb2-v42", R"({"chips": {"mec": {"file": ")" + dir.File("chip.bin") + R"("}}})");
    TMEC16_Form window(sim, &mainWindow);
    window.show();
    auto ended = [&] {
        return WaitUntil([&] {
            const QStringList lines = window.Memo_MEC16->Lines();
            return window.Engine().Run().State() == "NONE" && !lines.isEmpty() &&
                   lines.back().isEmpty();
        });
    };
    window.BitBtn_MEC16_ERASE->click();
    ASSERT_TRUE(ended());
    EXPECT_EQ(window.Engine().Run().Result(), Outcome::Succeeded);
    ASSERT_EQ(BackupCount(), 1u);
    EXPECT_EQ(window.Memo_MEC16->Lines().filter("Backup saved: ").size(), 1);

    SafetySettings::SetBackup(false);
    WriteFileBytes(dir.File("in.bin"), std::string(SimMec16xx::kMainSize, '\x42'));
    dialogs.script.fileAnswers.push_back(dir.File("in.bin"));
    window.BitBtn_MEC16_WRITE->click();
    ASSERT_TRUE(ended());
    EXPECT_EQ(window.Engine().Run().Result(), Outcome::Succeeded);
    EXPECT_EQ(BackupCount(), 1u);
    // Each operation's "started" record comes before its end record.
    const auto records = LoadJournal(JournalFile());
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].result, "started");
    EXPECT_EQ(records[1].operation, "erase");
    EXPECT_TRUE(ReadFileText(records[1].backup) == before);
    EXPECT_EQ(records[2].result, "started");
    EXPECT_EQ(records[3].operation, "write");
    EXPECT_TRUE(records[3].backup.empty());
}
