// Scenes for docs/screenshots: a window as the technician sees it after its operation, held on
// screen for SHOT_HOLD_MS. Disabled in normal runs; taken with
//   SHOT_SCREEN=1280x1024 scripts/screenshot docs/screenshots/edid.png env QT_QPA_PLATFORM=xcb
//     SHOT_HOLD_MS=6000 ./tolvane_ui_tests --gtest_also_run_disabled_tests
//     --gtest_filter=Screenshot.DISABLED_EdidAfterRead
// (Screenshot.DISABLED_KeyboardWithPairsLit for keyboard.png,
// Screenshot.DISABLED_NuvotonJtagAfterScript for jtag.png).
#include "modes/Edid/ui/TEDID_form.h"
#include "modes/Keyboard/KeyboardPairs.h"
#include "modes/Keyboard/ui/IndicatorShape.h"
#include "modes/Keyboard/ui/TKeyboard_testing.h"
#include "modes/Nuvoton_jtag_form/ui/TForm_NUVOTON_JTAG.h"
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
