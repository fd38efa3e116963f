// The Nuvoton JTAG window driven as a technician would, on the simulated JIG: settings, check
// with the script, write, and again settings, check and read, then EXIT.
#include "modes/Nuvoton_jtag_form/ui/TForm_NUVOTON_JTAG.h"
#include "sim/chips/NpceJtag.h"
#include "support/Pattern.h"
#include "ui/support/ModeWindowFixture.h"

#include <QApplication>
#include <algorithm>
#include <gtest/gtest.h>

namespace {
class NuvotonJtagWindowTest : public ModeWindowFixture<TForm_NUVOTON_JTAG> {
  protected:
    SimNpceJtag& Chip() { return dynamic_cast<SimNpceJtag&>(*sim->Jig().Module("npce-jtag")); }
    bool Lines(const QString& line) { return window->Memo_NUV_JTAG->Lines().contains(line); }
    // Buttons as the step table has them: settings, connect, read/write.
    bool Buttons(bool settings, bool connect, bool transfer) {
        QCoreApplication::processEvents();
        return window->BitBtn_SETTINGS->isEnabled() == settings &&
               window->BitBtn_CONNECT->isEnabled() == connect &&
               window->BitBtn_NUV_JTAG_RD->isEnabled() == transfer &&
               window->BitBtn_NUV_JTAG_WR->isEnabled() == transfer;
    }
    void SettingsAndCheck() {
        window->BitBtn_SETTINGS->click();
        ASSERT_TRUE(WaitUntil([&] { return Buttons(false, true, false); }));
        window->BitBtn_CONNECT->click();
        ASSERT_TRUE(
            WaitUntil([&] { return Buttons(false, true, true) && !window->Engine().Running(); }));
    }
    // The operation has ended once its timer has run (its message shown) and the window is back
    // at its start.
    void AwaitEnd() {
        ASSERT_TRUE(WaitUntil([&] {
            return !window->Engine().Running() && !window->Timer_MSG_ER->isActive() &&
                   Buttons(true, false, false);
        }));
    }
};
} // namespace

TEST_F(NuvotonJtagWindowTest, TheWholeSequenceWritesAndReadsTheFlash) {
    Open("pcb3", R"({"chips": {"npceJtag": {"reversed": true}}})");
    EXPECT_EQ(window->windowTitle(), "NUVOTON JTAG 11_03_2017");
    EXPECT_EQ(window->CheckBox1->text(),
              "Pin 1 connected  to pin 1 on the MB keyboard connector (30 pin FFC)");
    EXPECT_TRUE(window->CheckBox1->isChecked());
    EXPECT_TRUE(window->BitBtn_SETTINGS->isDefault());
    EXPECT_EQ(window->BitBtn_CONNECT->text(), "Check connect to Nuvoton");
    EXPECT_FALSE(window->StaticText_in_counter->isVisible());
    EXPECT_TRUE(Buttons(true, false, false));
    EXPECT_TRUE(Lines("4. Click \"Send settings\"."));
    EXPECT_EQ(window->Timer_MSG_ER->interval(), 100);

    window->CheckBox1->click(); // the cable is in pin 1 to pin 30
    SettingsAndCheck();
    EXPECT_TRUE(Lines("Selected 30 pin FFC (TYPE A))"));
    EXPECT_TRUE(Lines("I`m ready to READ or WRITE."));
    EXPECT_EQ(window->CGauge_progrss->Colour(), QColor(255, 255, 0));

    std::string image = Pattern(131072, 13);
    WriteFileBytes(dir.File("in.bin"), image);
    dialogs.script.fileAnswers.push_back(dir.File("in.bin"));
    window->BitBtn_NUV_JTAG_WR->click();
    EXPECT_FALSE(window->CanLeave());
    AwaitEnd();
    EXPECT_TRUE(Lines("Write complete! " + QString::fromStdString(ShortDateText()) + " 10:20:30"));
    const auto flash = Chip().Flash();
    EXPECT_TRUE(std::string(flash.begin(), flash.end()) == image);
    EXPECT_EQ(window->CGauge_progrss->Colour(), QColor(255, 0, 0));
    EXPECT_EQ(window->CGauge_progrss->Position(), 512);
    ASSERT_FALSE(dialogs.script.messages.empty());
    EXPECT_EQ(dialogs.script.messages.back(), NuvJtag::kDonePowerBox);

    SettingsAndCheck();
    dialogs.script.fileAnswers.push_back(dir.File("out.bin"));
    window->BitBtn_NUV_JTAG_RD->click();
    AwaitEnd();
    EXPECT_TRUE(ReadFileText(dir.File("out.bin")) == image);
    EXPECT_EQ(window->CGauge_progrss->Colour(), QColor(0, 255, 0));
    // The checked controller's identifier is in the name the dialog proposed.
    const std::string proposed = dialogs.script.fileDialogs.back().initialName;
    EXPECT_TRUE(proposed.starts_with("NUVOTON_jtag_") && proposed.ends_with("_0FE2201F.bin"))
        << proposed;

    ExpectExitLeaves(window->BitBtn_EXIT_NUV);
    ASSERT_TRUE(WaitUntil([&] { return window->Memo_NUV_JTAG->Lines().isEmpty(); }));
    EXPECT_EQ(window->CGauge_progrss->Position(), 0);
}

TEST_F(NuvotonJtagWindowTest, AWrongIdentifierShowsTheReasonsAndTheScriptButtonTheCounter) {
    Open("pcb3", R"({"chips": {"npceJtag": {"connected": false}}})");
    dialogs.script.fileAnswers.push_back(std::nullopt);
    window->BitBtnFILE_OPEN->click();
    EXPECT_TRUE(WaitUntil([&] { return window->StaticText_in_counter->isVisible(); }));
    ASSERT_EQ(dialogs.script.fileDialogs.size(), 1u);
    EXPECT_EQ(dialogs.script.fileDialogs[0].filter, "Open vss file(*.vss)|*.vss");
    window->BitBtn_SETTINGS->click();
    ASSERT_TRUE(WaitUntil([&] { return Buttons(false, true, false); }));
    window->BitBtn_CONNECT->click();
    ASSERT_TRUE(WaitUntil([&] { return Lines("Wrong ID. Break."); }));
    EXPECT_EQ(dialogs.script.messages.back(), NuvJtag::kReasonsBox);
    EXPECT_TRUE(WaitUntil([&] { return Buttons(true, false, false); }));
}

TEST_F(NuvotonJtagWindowTest, ClosingTheWindowDuringAReadAsksAndStopsIt) {
    // Where the read's replies begin, from a clean run
    Open("pcb2-npce");
    SettingsAndCheck();
    dialogs.script.fileAnswers.push_back(dir.File("clean.bin"));
    window->BitBtn_NUV_JTAG_RD->click();
    AwaitEnd();
    const std::size_t firstBlock = sim->Jig().BytesToHost().size() - 131072 - 3;
    window.reset();

    // The fourth block comes late, while the technician closes the window
    Open("pcb2-npce", R"({"faults": [{"type": "delay", "ms": 1500, "replyByte": )" +
                          std::to_string(firstBlock + 3 * 256) + "}]}");
    WriteFileBytes(dir.File("dump.bin"), "yesterday's dump");
    SettingsAndCheck();
    dialogs.script.fileAnswers.push_back(dir.File("dump.bin"));
    dialogs.script.yesNo = {false, true};
    window->BitBtn_NUV_JTAG_RD->click();
    ASSERT_TRUE(WaitUntil([&] { return window->CGauge_progrss->Position() == 3; }));
    window->close(); // "No": the read goes on
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->CanLeave());
    window->BitBtn_EXIT_NUV->click(); // "Yes": it stops once the block it waits for is in
    AwaitEnd();
    EXPECT_EQ(std::count(dialogs.script.messages.begin(), dialogs.script.messages.end(),
                         "Stop the operation?"),
              2);
    const auto flash = Chip().Flash();
    ExpectReadStopped(dir.File("dump.bin"), "yesterday's dump",
                      std::string(flash.begin(), flash.begin() + 4 * 256), window->Memo_NUV_JTAG);
    ExpectExitLeaves(window->BitBtn_EXIT_NUV); // nothing runs now
}
