// Scenes for docs/screenshots: a window as the technician sees it after its operation, held on
// screen for SHOT_HOLD_MS. Disabled in normal runs; taken with
//   SHOT_SCREEN=1280x1024 scripts/screenshot docs/screenshots/edid.png env QT_QPA_PLATFORM=xcb
//     SHOT_HOLD_MS=6000 ./tolvane_ui_tests --gtest_also_run_disabled_tests
//     --gtest_filter=Screenshot.DISABLED_EdidAfterRead
// (and Screenshot.DISABLED_KeyboardWithPairsLit for keyboard.png,
// Screenshot.DISABLED_UpdateWindowWaitingForTheBootloader for update.png,
// Screenshot.DISABLED_IteReading with SHOT_DELAY=5 for ite.png (SHOT_LANG=en or ru: in that
// language),
// Screenshot.DISABLED_NuvotonJtagAfterScript for jtag.png, Screenshot.DISABLED_Journal for
// journal.png).
#include "modes/Edid/ui/TEDID_form.h"
#include "modes/Ite/ui/TITE_FORM.h"
#include "modes/Keyboard/KeyboardPairs.h"
#include "modes/Keyboard/ui/IndicatorShape.h"
#include "modes/Keyboard/ui/TKeyboard_testing.h"
#include "modes/Nuvoton_jtag_form/ui/TForm_NUVOTON_JTAG.h"
#include "port/Tr.h"
#include "port/UserFolders.h"
#include "safety/Journal.h"
#include "shell/ui/AppWindows.h"
#include "shell/ui/JournalView.h"
#include "shell/ui/Update.h"
#include "ui/support/UiTestSupport.h"

#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

namespace {
void HoldOnScreen(QWidget& w) {
    if (QScreen* screen = QGuiApplication::primaryScreen())
        w.move(screen->availableGeometry().center() - w.rect().center());
    w.show();
    w.raise();
    WaitUntil([] { return false; }, qEnvironmentVariableIntValue("SHOT_HOLD_MS"));
}
} // namespace

TEST(Screenshot, DISABLED_EdidAfterRead) {
    TempDir dir;
    ScriptedDialogs dialogs;
    const std::string out = dir.File("Noname.bin");
    dialogs.script.fileAnswers.push_back(out);
    QWidget mainWindow;
    TEDID_form w(MakeSim("pcb3", "{}", SimTiming::Wire), &mainWindow);
    w.show();
    w.EDID_READ->click();
    ASSERT_TRUE(WaitUntil([&] {
        return !w.EDID_Memo->Lines().isEmpty() &&
               w.EDID_Memo->Lines().back() == QString::fromStdString("Save the file: " + out);
    }));
    HoldOnScreen(w);
}

TEST(Screenshot, DISABLED_KeyboardWithPairsLit) {
    using Keyboard::PairNumber;
    auto sim = MakeSim("pcb3", R"({"chips": {"keyboard": {"keys": [
        {"pins": [5, 6], "stuck": true},
        {"pins": [3, 5], "from": 400}, {"pins": [3, 7], "from": 413},
        {"pins": [10, 12], "from": 300, "to": 350}, {"pins": [1, 20], "from": 427},
        {"pins": [14, 27], "from": 441}, {"pins": [22, 31], "from": 455}]}}})",
                       SimTiming::Wire);
    QWidget mainWindow;
    TKeyboard_testing w(sim, &mainWindow);
    w.show();
    w.Buzzer_box->setChecked(true);
    w.START_SCAN->click();
    ASSERT_TRUE(
        WaitUntil([&] { return w.Shape(PairNumber(5, 6))->Colour() != QColor(0, 255, 255); }));
    w.CheckBox_HIDE->click();
    ASSERT_TRUE(WaitUntil([&] { return w.Shape(PairNumber(5, 6))->Colour() == QColor(0, 0, 0); }));
    ASSERT_TRUE(
        WaitUntil([&] { return w.Shape(PairNumber(22, 31))->Colour() != QColor(0, 255, 255); }));
    HoldOnScreen(w);
    w.START_SCAN->click();
}

TEST(Screenshot, DISABLED_UpdateWindowWaitingForTheBootloader) {
    // A JIG that answers nothing: the switch waits for the reset button.
    auto app = CreateAppWindows(MakeSim("pcb2-v41", R"({"application": "hung"})"));
    app->main->show();
    app->main->MAIN_SELECTOR->setCurrentIndex(app->main->MAIN_SELECTOR->findText("MEC jtag"));
    app->main->MAIN_CONNECT->click();
    ASSERT_TRUE(WaitUntil([&] { return app->modes.update->isVisible(); }));
    WaitUntil([] { return false; }, qEnvironmentVariableIntValue("SHOT_HOLD_MS"));
}

TEST(Screenshot, DISABLED_IteReading) {
    const auto language = ParseLanguage(qEnvironmentVariable("SHOT_LANG").toStdString());
    if (language) {
        ASSERT_TRUE(SetLanguage(*language));
    }
    TempDir dir;
    ScriptedDialogs dialogs;
    dialogs.script.fileAnswers.push_back(dir.File("ITE_flash.bin"));
    QWidget mainWindow;
    TITE_FORM w(MakeSim("pcb3", "{}", SimTiming::Wire), &mainWindow,
                TOLVANE_SOURCE_DIR "/data/MB connection ITE.txt");
    if (QScreen* screen = QGuiApplication::primaryScreen())
        w.move(screen->availableGeometry().center() - w.rect().center());
    w.show();
    w.ITE_ComboBox_MB_SWITCH->setCurrentIndex(2);
    emit w.ITE_ComboBox_MB_SWITCH->activated(2);
    if (!language)
        w.CheckBox_RUS_ENG->click(); // the English log; a language chooses its own
    w.ITE_SETUP_BitBtn->click();
    ASSERT_TRUE(WaitUntil([&] { return w.ITE_Memo_ENG->Lines().contains("All settings sent."); }));
    ASSERT_TRUE(WaitUntil([&] { return w.Engine().Run().State() == "NONE"; }));
    w.ITE_READ_BitBtn->click(); // a read under way at the wire's speed
    HoldOnScreen(w);
    SetLanguage(Language::Original);
}

TEST(Screenshot, DISABLED_NuvotonJtagAfterScript) {
    ScriptedDialogs dialogs; // the settings' boxes are answered at once
    QWidget mainWindow;
    TForm_NUVOTON_JTAG w(MakeSim("pcb3", "{}", SimTiming::Wire), &mainWindow);
    w.show();
    w.BitBtn_SETTINGS->click();
    ASSERT_TRUE(WaitUntil([&] { return w.BitBtn_CONNECT->isEnabled(); }));
    w.BitBtn_CONNECT->click();
    ASSERT_TRUE(WaitUntil([&] {
        return w.Memo_NUV_JTAG->Lines().contains("I`m ready to READ or WRITE.") &&
               w.BitBtn_NUV_JTAG_RD->isEnabled();
    }));
    HoldOnScreen(w);
}

TEST(Screenshot, DISABLED_Journal) {
    TempDir user;
    SetUserDataFolder(user.Path());
    const char* const rows[][5] = {
        {"2026-12-08 09:12:04", "NUVOTON spi", "read", "NUVOTON_spi_2026-12-08_09-12-04.bin",
         "done"},
        {"2026-12-08 09:15:40", "NUVOTON spi", "write", "NPCE388N_fixed.bin", "done"},
        {"2026-12-08 10:02:11", "ENE KB90XX", "read", "ENE_KB90XX_2026-12-08_10-02-11.bin", "done"},
        {"2026-12-08 10:07:55", "ENE KB90XX", "write", "KB9012_new.bin", "failed"},
        {"2026-12-08 10:09:30", "MEC jtag", "check", "", "no JIG"},
    };
    for (const auto& r : rows) {
        JournalRecord record;
        record.time = r[0], record.mode = r[1], record.operation = r[2];
        record.file = *r[3] ? std::string("/home/technician/dumps/") + r[3] : "";
        record.result = r[4];
        record.failedStep = record.result == "failed" ? "verify, block 17" : "";
        AppendJournal(record, JournalFile(), nullptr);
    }
    QWidget mainWindow;
    JournalView view(&mainWindow);
    view.Reload();
    HoldOnScreen(view);
    SetUserDataFolder({});
}
