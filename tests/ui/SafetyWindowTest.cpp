// The main window's safety check boxes: their defaults, remembered between runs, and what a
// mode window does with them (the backup box: in the NPCE and MEC window tests).
#include "gui/ProgramSettings.h"
#include "gui/SafetySettings.h"
#include "modes/Edid/ui/TEDID_form.h"
#include "port/UserFolders.h"
#include "shell/ui/Main_88m_kb9012.h"
#include "sim/chips/EdidEeprom.h"
#include "ui/support/UiTestSupport.h"

#include <QSettings>
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
