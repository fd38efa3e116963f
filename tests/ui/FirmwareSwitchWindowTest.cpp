// Start through the firmware switch, clicked as a technician would, against the simulated JIG.
#include "gui/CaptionBar.h"
#include "link/StartLog.h"
#include "modes/Edid/ui/TEDID_form.h"
#include "modes/Ite/ui/TITE_FORM.h"
#include "modes/Kb901x_form/ui/TKB901X_forms.h"
#include "modes/Keyboard/ui/TKeyboard_testing.h"
#include "modes/Mec16xx/ui/TMEC16_Form.h"
#include "modes/Npce/ui/TNPCE_FORM.h"
#include "modes/Nuvoton_jtag_form/ui/TForm_NUVOTON_JTAG.h"
#include "shell/FirmwareFiles.h"
#include "shell/ui/AppWindows.h"
#include "shell/ui/Update.h"
#include "ui/support/UiTestSupport.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <gtest/gtest.h>

namespace {
// Counts the times a window was shown, however briefly.
class ShowCounter : public QObject {
  public:
    explicit ShowCounter(QWidget* window) { window->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        shows += event->type() == QEvent::Show ? 1 : 0;
        return false;
    }
    int shows = 0;
};

std::string Text(const std::vector<std::uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

class FirmwareSwitchWindow : public ::testing::Test {
  protected:
    void SetUp() override { StartLog::SetPath(dir.File("Start_log.txt")); }
    void TearDown() override { StartLog::SetPath("Start_log.txt"); }

    std::unique_ptr<AppWindows> Start(std::shared_ptr<SimFtdiApi> sim, const QString& mode) {
        auto app = CreateAppWindows(sim);
        updateShows = std::make_unique<ShowCounter>(app->modes.update);
        QObject::connect(app->main.get(), &TForm1::ProgramEnded, [this] { ended = true; });
        app->main->show();
        app->main->MAIN_SELECTOR->setCurrentIndex(app->main->MAIN_SELECTOR->findText(mode));
        app->main->MAIN_CONNECT->click();
        return app;
    }
    QStringList Memo(AppWindows& app) { return app.modes.update->Memo_UPDATE->Lines(); }
    // Every window of the program that is on screen.
    static int VisibleWindows(AppWindows& app) {
        const ModeWindows& m = app.modes;
        const std::vector<QWidget*> windows{app.main.get(), m.edid, m.ene,    m.keyboard,   m.mec,
                                            m.ite,          m.npce, m.update, m.nuvotonJtag};
        return static_cast<int>(std::count_if(windows.begin(), windows.end(),
                                              [](QWidget* w) { return w->isVisible(); }));
    }

    TempDir dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<ShowCounter> updateShows;
    bool ended = false;
};
} // namespace

// The mode chosen at Start is the one opened: the selector cannot be changed while the switch
// decides, and a change would not count. A PCB2 has no flexible cable routing: the ENE window's
// FFC button goes.
TEST_F(FirmwareSwitchWindow, Pcb2IsReflashedAndTheChosenModeWindowOpens) {
    auto sim = MakeSim("pcb2-v41");
    auto app = Start(sim, "NUVOTON spi");
    EXPECT_FALSE(app->modes.ene->SpeedButton1->isEnabled());
    EXPECT_FALSE(app->main->MAIN_SELECTOR->isEnabled());
    EXPECT_FALSE(app->main->MAIN_CONNECT->isEnabled());
    app->main->MAIN_SELECTOR->setCurrentIndex(app->main->MAIN_SELECTOR->findText("ENE KB90XX"));
    ASSERT_TRUE(WaitUntil([&] { return app->modes.npce->isVisible(); }, 10000));
    EXPECT_FALSE(app->modes.ene->isVisible());
    EXPECT_TRUE(app->main->MAIN_SELECTOR->isEnabled()); // for when the mode window hands back
    EXPECT_EQ(updateShows->shows, 1); // the update window showed the switch, then went
    EXPECT_FALSE(app->main->isVisible());
    EXPECT_FALSE(app->modes.update->isVisible());
    EXPECT_FALSE(app->main->SwitchRunning());
    EXPECT_FALSE(app->main->Link().IsOpen());
    const QStringList memo = Memo(*app);
    ASSERT_FALSE(memo.isEmpty());
    EXPECT_EQ(memo.back(), "Exit from BOOT and RUN ... ");
    EXPECT_EQ(app->modes.update->CGauge_UPD->Maximum(), 0x11F6);
    EXPECT_EQ(sim->Jig().Board().versionText, "M88_NPCE288");
    const std::string log = ReadFileText(dir.File("Start_log.txt"));
    EXPECT_TRUE(log.ends_with("ReadThread_UPD start ... \nUser select -> NUVOTON spi\n"
                              "Go to application. End.\n"))
        << log;
}

// After a failed switch the update window stays with its EXIT; its button and its close take it
// away, the main window's Exit ends the program with every window.
TEST_F(FirmwareSwitchWindow, FailedSwitchLeavesTheUpdateWindowWithItsExit) {
    for (const char* way : {"EXIT", "close", "main Exit"}) {
        SCOPED_TRACE(way);
        auto app = Start(MakeSim("pcb2-v41", R"({"bootloader": {"rejectRecord": 0}})"), "ITE");
        TUPDATE_FORM* update = app->modes.update;
        ASSERT_TRUE(WaitUntil([&] { return update->SpeedButton_UPD_EXIT->isEnabled(); }));
        EXPECT_TRUE(update->isVisible());
        EXPECT_EQ(Memo(*app).back(), "Flashing M88 error!");
        EXPECT_FALSE(app->main->Timer_RUN->isActive());
        EXPECT_TRUE(app->main->isVisible());
        if (std::string(way) == "main Exit") {
            app->main->Exit->click();
            EXPECT_TRUE(ended);
            EXPECT_EQ(VisibleWindows(*app), 0);
            continue;
        }
        if (std::string(way) == "EXIT")
            update->SpeedButton_UPD_EXIT->click();
        else
            EXPECT_FALSE(update->close());
        EXPECT_FALSE(update->isVisible());
        EXPECT_TRUE(Memo(*app).isEmpty());
        EXPECT_FALSE(update->SpeedButton_UPD_EXIT->isEnabled());
        EXPECT_FALSE(ended);
    }
}

// The prompt does not wait for its OK: the update goes on, and the prompt goes once the
// bootloader answered.
TEST_F(FirmwareSwitchWindow, OutdatedPcb3PromptsForTheResetButtonAndIsUpdated) {
    auto sim =
        MakeSim("pcb3-old", R"({"events": [{"type": "resetButton", "whenCalledMs": 1000}]})");
    auto app = Start(sim, "ITE");
    QPointer<QMessageBox> prompt;
    ASSERT_TRUE(WaitUntil([&] { return (prompt = app->modes.update->ResetPrompt) != nullptr; }));
    EXPECT_TRUE(prompt->isVisible());
    EXPECT_FALSE(prompt->isModal());
    EXPECT_EQ(prompt->text(), " Please press the reset button on the JIG!");
    const Qt::WindowFlags flags = prompt->windowFlags();
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    ASSERT_TRUE(WaitUntil([&] { return app->modes.ite->isVisible(); }, 10000));
    EXPECT_TRUE(!prompt || !prompt->isVisible());
    EXPECT_EQ(dialogs.script.messages,
              std::vector<std::string>{" Please press the reset button on the JIG!"});
    EXPECT_TRUE(Memo(*app).contains("UPDATE completed successfully."));
    EXPECT_FALSE(app->modes.update->isVisible());
    EXPECT_EQ(app->modes.update->CGauge_UPD->Position(), 0);
}

// Wire timing: the package's 1024 blocks take long enough to close the window among them.
TEST_F(FirmwareSwitchWindow, MainWindowRefusesToCloseWhileTheJigFirmwareIsWritten) {
    auto sim = MakeSim("pcb3-old", R"({"events": [{"type": "resetButton", "whenCalledMs": 0}]})",
                       SimTiming::Wire);
    auto app = Start(sim, "ITE");
    Gauge* gauge = app->modes.update->CGauge_UPD;
    bool closed = true;
    ASSERT_TRUE(WaitUntil(
        [&] {
            if (gauge->Position() < 1 || gauge->Position() > gauge->Maximum() / 2)
                return false;
            closed = app->main->close();
            return true;
        },
        10000));
    EXPECT_FALSE(closed);
    EXPECT_FALSE(ended);
    EXPECT_TRUE(app->main->isVisible());
    EXPECT_EQ(dialogs.script.messages.back(),
              "The JIG's firmware is being written: closing now would leave the JIG without a "
              "working firmware. Wait until the update ends.");
    ASSERT_TRUE(WaitUntil([&] { return app->modes.ite->isVisible(); }, 20000));
    EXPECT_TRUE(Memo(*app).contains("UPDATE completed successfully."));
    // Once the firmware is in, the window closes as always.
    EXPECT_FALSE(app->main->WritingFirmware());
    EXPECT_TRUE(app->main->close());
    EXPECT_TRUE(ended);
}

// While a switch waits for the bootloader, Start is refused and the update window, with no
// border icons, refuses to close; quitting stops the switch.
TEST_F(FirmwareSwitchWindow, StartAndCloseAreRefusedWhileASwitchRunsAndQuittingStopsIt) {
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

    TUPDATE_FORM* update = app->modes.update;
    EXPECT_TRUE(update->isVisible());
    const Qt::WindowFlags flags = update->windowFlags();
    EXPECT_TRUE(flags & Qt::FramelessWindowHint); // no window manager's title bar at all
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(update->Caption->text(), "Update FW for PCB2 and PCB3");
    // Without the window manager's title bar, the caption drawn inside moves it.
    const QPoint at = update->pos();
    const auto mouse = [&](QEvent::Type type, QPoint at, Qt::MouseButton button) {
        QMouseEvent e(type, at, update->Caption->mapToGlobal(at), button, Qt::LeftButton, {});
        QApplication::sendEvent(update->Caption, &e);
    };
    mouse(QEvent::MouseButtonPress, {20, 5}, Qt::LeftButton);
    mouse(QEvent::MouseMove, {70, 45}, Qt::NoButton);
    EXPECT_EQ(update->pos(), at + QPoint(50, 40));
    EXPECT_FALSE(update->close());
    EXPECT_TRUE(update->isVisible());
    EXPECT_TRUE(app->main->SwitchRunning());
    // Since then only the switch's bootloader calls went out.
    const std::string since = Text(sim->Jig().BytesToJig()).substr(before);
    EXPECT_EQ(since, std::string(since.size(), 'U'));
    app.reset(); // cancels the switch and joins it
}

// Ending the program mid-reflash would leave the M88 without a working firmware: Exit is
// refused until the reflash is over.
TEST_F(FirmwareSwitchWindow, ExitDuringAReflashIsRefusedAndTheReflashGoesOn) {
    auto sim = MakeSim("pcb2-v41", "{}", SimTiming::Wire);
    auto app = Start(sim, "MEC jtag");
    ASSERT_TRUE(WaitUntil([&] { return Memo(*app).contains("Update firmware ... "); }));
    WaitUntil([] { return false; }, 200); // records are going out
    app->main->Exit->click();
    EXPECT_FALSE(ended);
    EXPECT_TRUE(app->main->isVisible());
    EXPECT_EQ(dialogs.script.messages, std::vector<std::string>{kFirmwareBeingWritten});
    ASSERT_TRUE(WaitUntil([&] { return app->modes.mec->isVisible(); }, 60000));
    EXPECT_EQ(sim->Jig().Board().versionText, "M88_JTAG_V42");
}
