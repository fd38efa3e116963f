// The main window's safety check boxes: their defaults, remembered between runs. What the mode
// windows do with them: the NPCE, MEC and EDID window tests.
#include "gui/ProgramSettings.h"
#include "gui/SafetySettings.h"
#include "shell/ui/Main_88m_kb9012.h"
#include "support/UserData.h"
#include "ui/support/UiTestSupport.h"

#include <QSettings>
#include <gtest/gtest.h>

namespace {
class SafetyWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { ProgramSettings().clear(); }
    void TearDown() override { ProgramSettings().clear(); }
    TestUserData user;
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
