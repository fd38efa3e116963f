// Start through the firmware switch, clicked as a technician would, against the simulated JIG.
#include "link/StartLog.h"
#include "modes/Ite/ui/TITE_FORM.h"
#include "modes/Npce/ui/TNPCE_FORM.h"
#include "shell/FirmwareFiles.h"
#include "shell/ui/AppWindows.h"
#include "shell/ui/Update.h"
#include "ui/support/UiTestSupport.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace {
class FirmwareSwitchWindow : public ::testing::Test {
  protected:
    void SetUp() override { StartLog::SetPath(dir.File("Start_log.txt")); }
    void TearDown() override { StartLog::SetPath("Start_log.txt"); }

    std::unique_ptr<AppWindows> Start(std::shared_ptr<SimFtdiApi> sim, const QString& mode) {
        auto app = CreateAppWindows(sim);
        app->main->show();
        app->main->MAIN_SELECTOR->setCurrentIndex(app->main->MAIN_SELECTOR->findText(mode));
        app->main->MAIN_CONNECT->click();
        return app;
    }
    QStringList Memo(AppWindows& app) { return app.modes.update->Memo_UPDATE->Lines(); }

    TempDir dir;
    ScriptedDialogs dialogs;
};
} // namespace

TEST_F(FirmwareSwitchWindow, Pcb2IsReflashedAndTheChosenModeWindowOpens) {
    auto sim = MakeSim("pcb2-v41");
    auto app = Start(sim, "NUVOTON spi");
    EXPECT_TRUE(app->main->SwitchRunning() || app->modes.update->isVisible());
    ASSERT_TRUE(WaitUntil([&] { return app->modes.npce->isVisible(); }, 10000));
    EXPECT_FALSE(app->main->isVisible());
    EXPECT_FALSE(app->modes.update->isVisible());
    EXPECT_FALSE(app->main->SwitchRunning());
    EXPECT_FALSE(app->main->Link().IsOpen());
    const QStringList memo = Memo(*app);
    ASSERT_FALSE(memo.isEmpty());
    EXPECT_EQ(memo.front(), "Current version of FW -> M88_ALLPCB_V41  ");
    EXPECT_TRUE(memo.contains("BOOT M88 connected - BOOT_M88_V2  "));
    EXPECT_EQ(memo.back(), "Exit from BOOT and RUN ... ");
    EXPECT_EQ(app->modes.update->CGauge_UPD->Maximum(), 0x11F6);
    EXPECT_EQ(sim->Jig().Board().versionText, "M88_NPCE288");
    const std::string log = ReadFileText(dir.File("Start_log.txt"));
    EXPECT_TRUE(log.ends_with("ReadThread_UPD start ... \nUser select -> NUVOTON spi\n"
                              "Go to application. End.\n"))
        << log;
}

TEST_F(FirmwareSwitchWindow, FailedSwitchLeavesTheUpdateWindowWithItsExit) {
    auto app = Start(MakeSim("pcb2-v41", R"({"bootloader": {"rejectRecord": 0}})"), "ITE");
    TUPDATE_FORM* update = app->modes.update;
    ASSERT_TRUE(WaitUntil([&] { return update->SpeedButton_UPD_EXIT->isEnabled(); }));
    EXPECT_TRUE(update->isVisible());
    EXPECT_EQ(Memo(*app).back(), "Flashing M88 error!");
    EXPECT_FALSE(app->main->Timer_RUN->isActive());
    EXPECT_TRUE(app->main->isVisible());

    update->SpeedButton_UPD_EXIT->click();
    EXPECT_FALSE(update->isVisible());
    EXPECT_TRUE(Memo(*app).isEmpty());
    EXPECT_FALSE(update->SpeedButton_UPD_EXIT->isEnabled());
}

TEST_F(FirmwareSwitchWindow, OutdatedPcb3PromptsForTheResetButtonAndIsUpdated) {
    auto sim = MakeSim("pcb3-old", R"({"events": [{"type": "resetButton", "whenCalledMs": 400}]})");
    auto app = Start(sim, "ITE");
    ASSERT_TRUE(WaitUntil([&] { return app->modes.ite->isVisible(); }, 10000));
    EXPECT_EQ(dialogs.script.messages,
              std::vector<std::string>{" Please press the reset button on the JIG!"});
    EXPECT_TRUE(Memo(*app).contains("UPDATE completed successfully."));
    EXPECT_FALSE(app->modes.update->isVisible());
    EXPECT_EQ(app->modes.update->CGauge_UPD->Position(), 0);
}

TEST_F(FirmwareSwitchWindow, StartIsRefusedWhileASwitchRunsAndQuittingStopsIt) {
    // A silent JIG and no reset: the switch waits for the bootloader.
    auto sim = MakeSim("pcb2-v41", R"({"application": "hung"})");
    auto app = Start(sim, "MEC jtag");
    ASSERT_TRUE(
        WaitUntil([&] { return Memo(*app).contains("*** PLEASE PUSH RESET BUTTON ! ***"); }));
    EXPECT_TRUE(app->main->SwitchRunning());
    EXPECT_TRUE(app->main->Timer_5SEC->isActive());
    const std::size_t before = sim->Jig().BytesToJig().size();
    app->main->MAIN_CONNECT->click(); // ignored: no second identification
    const std::string log = ReadFileText(dir.File("Start_log.txt"));
    EXPECT_EQ(log.find("NOT ANSWER"), log.rfind("NOT ANSWER"));
    EXPECT_GE(sim->Jig().BytesToJig().size(), before);
    QElapsedTimer clock;
    clock.start();
    app.reset(); // cancels the switch and joins it
    EXPECT_LT(clock.elapsed(), 2000);
}
