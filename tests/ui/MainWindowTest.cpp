// The main window driven as a technician would: choose a mode, press Start, come back.
#include "link/StartLog.h"
#include "modes/Kb901x_form/ui/TKB901X_forms.h"
#include "shell/ui/AppWindows.h"
#include "shell/ui/Update.h"
#include "ui/support/UiTestSupport.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace {
class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { StartLog::SetPath(dir.File("Start_log.txt")); }
    void TearDown() override { StartLog::SetPath("Start_log.txt"); }

    std::unique_ptr<AppWindows> Start(std::shared_ptr<SimFtdiApi> sim) {
        auto app = CreateAppWindows(sim);
        app->main->show();
        return app;
    }
    void Select(AppWindows& app, const QString& mode) {
        app.main->MAIN_SELECTOR->setCurrentIndex(app.main->MAIN_SELECTOR->findText(mode));
    }

    TempDir dir;
    ScriptedDialogs dialogs;
};
} // namespace

TEST_F(MainWindowTest, SelectorListsTheModesInOrderWithNothingChosen) {
    auto app = Start(MakeSim());
    QStringList items;
    for (int i = 0; i < app->main->MAIN_SELECTOR->count(); ++i)
        items << app->main->MAIN_SELECTOR->itemText(i);
    EXPECT_EQ(items, (QStringList{"Please select ", "Keyboard testing", "NUVOTON spi",
                                  "NUVOTON jtag", "ENE KB90XX", "MEC jtag", "EDID lcd", "ITE"}));
    EXPECT_EQ(app->main->MAIN_SELECTOR->currentIndex(), 0);
    EXPECT_EQ(app->main->windowTitle(), "Tolvane_JIG  VER 4.A   24/03/2017   for PCB2 and PCB3");
    EXPECT_FALSE(app->modes.ene->isVisible());
    EXPECT_FALSE(app->modes.update->isVisible());
}

TEST_F(MainWindowTest, StartWithNothingChosenDoesNotEvenIdentify) {
    auto sim = MakeSim();
    auto app = Start(sim);
    app->main->MAIN_CONNECT->click();
    EXPECT_TRUE(sim->Jig().BytesToJig().empty());
    EXPECT_FALSE(app->main->Timer_RUN->isActive());
    EXPECT_TRUE(ReadFileText(dir.File("Start_log.txt")).empty());
}

TEST_F(MainWindowTest, Pcb3OpensTheEneWindow300msLaterAndExitComesBack) {
    auto sim = MakeSim("pcb3");
    auto app = Start(sim);
    Select(*app, "ENE KB90XX");
    QElapsedTimer clock;
    clock.start();
    app->main->MAIN_CONNECT->click();
    EXPECT_TRUE(app->main->Timer_RUN->isActive());
    EXPECT_FALSE(app->main->Link().IsOpen());
    ASSERT_TRUE(WaitUntil([&] { return app->modes.ene->isVisible(); }));
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_FALSE(app->main->isVisible());
    EXPECT_FALSE(app->modes.update->isVisible());
    EXPECT_TRUE(app->modes.ene->KB901X_Memo->Lines().contains(
        "4 Only NOW it is possible to connect the power supply to the motherboard !"));
    EXPECT_TRUE(app->modes.ene->SpeedButton1->isEnabled());
    const std::string log = ReadFileText(dir.File("Start_log.txt"));
    EXPECT_NE(log.find("M328_EPM240_v16  \nFT_SetLatencyTimer OK\nUser select -> ENE KB90XX\n"
                       "Go to application. End.\n"),
              std::string::npos);

    app->modes.ene->EXIT->click();
    EXPECT_TRUE(app->main->isVisible());
    EXPECT_FALSE(app->modes.ene->isVisible());
}

TEST_F(MainWindowTest, NoJigShowsTheMessageAndNothingElse) {
    auto app = Start(MakeSim("pcb3", R"({"devices": []})"));
    Select(*app, "EDID lcd");
    app->main->MAIN_CONNECT->click();
    EXPECT_EQ(dialogs.script.messages,
              std::vector<std::string>{"JIG not connected to the USB port!"});
    EXPECT_FALSE(app->main->Timer_RUN->isActive());
    EXPECT_TRUE(app->main->isVisible());
}

TEST_F(MainWindowTest, OtherFirmwareGoesToTheSwitchAndDisablesTheFfcButton) {
    auto app = Start(MakeSim("pcb2-v41"));
    Select(*app, "ENE KB90XX");
    app->main->MAIN_CONNECT->click();
    EXPECT_FALSE(app->modes.ene->SpeedButton1->isEnabled());
    EXPECT_NE(ReadFileText(dir.File("Start_log.txt")).find("ReadThread_UPD start ... \n"),
              std::string::npos);
}
