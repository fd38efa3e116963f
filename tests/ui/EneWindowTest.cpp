// The KB90xx window driven as a technician would, on the simulated JIG.
#include "gui/SafetySettings.h"
#include "modes/Kb901x_form/ui/TKB901X_forms.h"
#include "sim/chips/EneKb90xx.h"
#include "support/Pattern.h"
#include "ui/support/ModeWindowFixture.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <thread>

namespace {
const char* const kDatabase = "Examples of the format\n"
                              "Board one KSO3=20 KSI4=5 KSI5=6 KSI6=7 KSI7=8\r\n"
                              "Board broken KSO3=12 KSI4=5,KSI5=6 KSI6=7 KSI7=8\n";

class EneWindowTest : public ModeWindowFixture<TKB901X_forms> {
  protected:
    void SetUp() override {
        ModeWindowFixture::SetUp();
        WriteFileBytes(dir.File("MB connection ENE.txt"), kDatabase);
    }
    std::unique_ptr<TKB901X_forms> Make(std::shared_ptr<SimFtdiApi> api) override {
        return std::make_unique<TKB901X_forms>(api, &mainWindow, dir.File("MB connection ENE.txt"));
    }
    SimEneKb90xx& Chip() { return dynamic_cast<SimEneKb90xx&>(*sim->Jig().Module("ene")); }
    bool Idle() {
        QCoreApplication::processEvents();
        return Run().State() == "NONE" && window->KB901X_READ->isEnabled() &&
               window->KB901X_WRITE->isEnabled() && window->EXIT->isEnabled();
    }
    void Choose(QComboBox* list, int index) {
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
};
} // namespace

// READ, then WRITE on the same window: while the write runs READ and EXIT wait, and EXIT then
// hands back to the main window.
TEST_F(EneWindowTest, ReadThenWriteThenExit) {
    Open("pcb2-v41");
    EXPECT_EQ(window->windowTitle(), "KB9010/9012/9016/9022  03/03/2017");
    dialogs.script.fileAnswers.push_back(dir.File("flash.bin"));
    window->KB901X_READ->click();
    ASSERT_TRUE(WaitUntil([&] { return Idle() && Run().Result() != Outcome::None; }));
    ASSERT_TRUE(WaitUntil([&] { return window->CGauge_KB901X->Position() == 32768; }));
    const auto before = Chip().Flash();
    EXPECT_TRUE(ReadFileText(dir.File("flash.bin")) == std::string(before.begin(), before.end()));
    EXPECT_EQ(window->CGauge_KB901X->Maximum(), 32768);
    EXPECT_EQ(window->CGauge_KB901X->Colour(), QColor(0, 255, 0));
    const QStringList lines = window->KB901X_Memo->Lines();
    // The read ends with its time, then the image's figures.
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[lines.size() - 2], "Current time  10:20:30");
    EXPECT_TRUE(lines.back().startsWith("Image: 131072 bytes, CRC-32 "));
    ASSERT_EQ(dialogs.script.fileDialogs.size(), 1u);
    EXPECT_EQ(dialogs.script.fileDialogs[0].title, "Save file");

    const std::string image = Pattern(131072, 7, 0, 9);
    WriteFileBytes(dir.File("in.bin"), image);
    dialogs.script.fileAnswers.push_back(dir.File("in.bin"));
    ASSERT_TRUE(ClickWhileBusy(window->KB901X_WRITE, "Writing", window->KB901X_READ, [&] {
        return Idle() && Run().Result() != Outcome::None &&
               window->KB901X_Memo->Lines().contains("Writing and verify is OK !");
    }));
    const auto flash = Chip().Flash();
    EXPECT_TRUE(std::string(flash.begin(), flash.end()) == image);
    EXPECT_EQ(window->CGauge_KB901X->Colour(), QColor(255, 255, 0));
    EXPECT_TRUE(window->isVisible());
    ExpectExitLeaves(window->EXIT);
    ASSERT_TRUE(WaitUntil([&] { return window->KB901X_Memo->Lines().isEmpty(); }));
    ASSERT_TRUE(WaitUntil([&] { return window->CGauge_KB901X->Position() == 0; }));
}

TEST_F(EneWindowTest, DatabaseFillsTheListsAndTheHelpFollowsTheChoice) {
    Open("pcb3");
    EXPECT_TRUE(window->ComboBox_KB901X->isEnabled());
    EXPECT_EQ(window->ComboBox_KB901X->count(), 3);
    EXPECT_EQ(window->ComboBox_KB901X->itemText(1),
              "Board one KSO3=20 KSI4=5 KSI5=6 KSI6=7 KSI7=8");
    EXPECT_EQ(window->ComboBox_KB901X->placeholderText(), "Select MB");
    EXPECT_EQ(window->ComboBox_KB901X->currentIndex(), -1);
    EXPECT_EQ(window->ComboBox_KB901X->maxVisibleItems(), 20);
    EXPECT_EQ(window->ComboBox_KB901X_FFC->count(), 8);
    EXPECT_EQ(window->ComboBox_KB901X->palette().color(QPalette::Button), QColor(Qt::yellow));
    EXPECT_TRUE(window->Label_result->text().isEmpty());
    EXPECT_TRUE(window->CheckBox_KB901X->isChecked());

    Choose(window->ComboBox_KB901X, 1);
    EXPECT_TRUE(window->Label_result->text().isEmpty()); // no cable yet
    EXPECT_NE(window->ComboBox_KB901X->palette().color(QPalette::Button), QColor(Qt::yellow));
    Choose(window->ComboBox_KB901X_FFC, window->ComboBox_KB901X_FFC->findText("30 pin"));
    EXPECT_EQ(window->Label_result->text(),
              "Please connect GND and:  A20 B5 C8 D7 E6 (only for JIG 2)");
    window->CheckBox_KB901X->click();
    EXPECT_EQ(window->Label_result->text(),
              "Please connect GND and:  A11 B26 C23 D24 E25 (only for JIG 2)");
    Choose(window->ComboBox_KB901X, 2);
    EXPECT_EQ(window->Label_result->text(), "Error data format!");

    // Routing the mirrored cable on the PCB3 JIG
    Choose(window->ComboBox_KB901X, 1);
    Choose(window->ComboBox_KB901X_FFC, window->ComboBox_KB901X_FFC->findText("30 pin"));
    window->SpeedButton1->click();
    EXPECT_TRUE(window->Engine().FfcSettings());
    EXPECT_EQ(sim->Jig().Board().cpld[64], 0x96);
    ASSERT_TRUE(WaitUntil([&] {
        return window->KB901X_Memo->Lines().contains("We are ready for reading or writing");
    }));
}

TEST_F(EneWindowTest, MissingDatabaseLeavesTheListsDisabled) {
    sim = MakeSim("pcb3");
    window = std::make_unique<TKB901X_forms>(sim, &mainWindow, dir.File("nothing here.txt"));
    EXPECT_EQ(window->Label_result->text(), "Create base of connections KB90XX !");
    // The lists' initial texts, whether or not the file loaded.
    EXPECT_EQ(window->ComboBox_KB901X->placeholderText(), "Select MB");
    EXPECT_EQ(window->ComboBox_KB901X_FFC->placeholderText(), "Select FFC cable you used");
    EXPECT_EQ(window->ComboBox_KB901X_FFC->currentIndex(), -1);
    EXPECT_FALSE(window->ComboBox_KB901X->isEnabled());
    EXPECT_FALSE(window->ComboBox_KB901X_FFC->isEnabled());
    EXPECT_FALSE(window->CheckBox_KB901X->isEnabled());
    EXPECT_EQ(window->ComboBox_KB901X->palette().color(QPalette::Button),
              QApplication::palette().color(QPalette::Button));
    window->SpeedButton1->click();
    // The window's log says where the database was looked for.
    ASSERT_TRUE(WaitUntil([&] { return window->KB901X_Memo->Lines().size() == 2; }));
    EXPECT_EQ(window->KB901X_Memo->Lines().front().toStdString(),
              dir.File("nothing here.txt") + " not found (looked in " + dir.Path() + ")");
    EXPECT_EQ(window->KB901X_Memo->Lines().back(), "Please select MB!");
}

// The window has no STOP: its close asks, and a yes stops the operation between two blocks. A
// stopped read keeps the old dump under its name and the blocks received beside it; a stopped
// write ends with a message box that says how far the chip is written.
TEST_F(EneWindowTest, ClosingTheWindowDuringAnOperationAsksAndStopsIt) {
    SafetySettings::SetBackup(false);
    Open("pcb3", "{}", SimTiming::Wire);
    const std::string dump = dir.File("flash.bin");
    WriteFileBytes(dump, "the old dump");
    dialogs.script.fileAnswers.push_back(dump);
    window->KB901X_READ->click();
    ASSERT_TRUE(WaitUntil([&] { return window->CGauge_KB901X->Position() >= 3 * 64; }));
    dialogs.script.yesNo.push_back(false);
    window->close(); // no: the read goes on
    EXPECT_TRUE(dialogs.script.yesNo.empty());
    EXPECT_EQ(Run().State(), "Reading");
    dialogs.script.yesNo.push_back(true);
    window->close();
    EXPECT_TRUE(dialogs.script.yesNo.empty());
    ASSERT_TRUE(
        WaitUntil([&] { return Idle() && window->KB901X_Memo->Lines().contains(kStoppedLine); }));
    const std::size_t received = ReadFileText(dump + ".partial").size();
    const auto flash = Chip().Flash();
    EXPECT_GE(received, 3u * 256u);
    EXPECT_LT(received, flash.size());
    EXPECT_EQ(received % 256, 0u);
    ExpectReadStopped(dump, "the old dump", std::string(flash.begin(), flash.begin() + received),
                      window->KB901X_Memo);
    // Only the questions: a read leaves the chip as it was.
    EXPECT_EQ(dialogs.script.messages, std::vector<std::string>(2, "Stop the operation?"));

    WriteFileBytes(dir.File("in.bin"), std::string(131072, '\x5A'));
    dialogs.script.fileAnswers.push_back(dir.File("in.bin"));
    window->KB901X_WRITE->click();
    ASSERT_TRUE(WaitUntil(
        [&] { return Run().State() == "Writing" && window->CGauge_KB901X->Position() >= 3 * 64; }));
    dialogs.script.yesNo.push_back(true);
    window->close();
    ASSERT_TRUE(WaitUntil([&] { return Idle() && dialogs.script.messages.size() == 4; }));
    EXPECT_EQ(Run().Result(), Outcome::Stopped);
    const std::string line = Run().ChipState();
    ASSERT_TRUE(line.starts_with("The chip is partly written (blocks 1 to ")) << line;
    EXPECT_EQ(dialogs.script.messages[2], "Stop the operation?");
    EXPECT_EQ(dialogs.script.messages[3], line);
}

// Not a check: shows the window after a read for TOLVANE_SHOT_MS milliseconds so that
// scripts/screenshot can capture it (docs/screenshots/ene.png). Skipped otherwise.
TEST(EneWindowScreenshot, Show) {
    const int ms = qEnvironmentVariableIntValue("TOLVANE_SHOT_MS");
    if (ms <= 0)
        GTEST_SKIP() << "set TOLVANE_SHOT_MS to show the window";
    TempDir dir;
    ScriptedDialogs dialogs;
    QWidget mainWindow;
    auto sim = MakeSim("pcb2-v41");
    TKB901X_forms window(sim, &mainWindow, TOLVANE_SOURCE_DIR "/data/MB connection ENE.txt");
    window.show();
    window.ComboBox_KB901X->setCurrentIndex(1);
    emit window.ComboBox_KB901X->activated(1);
    const int cable = window.ComboBox_KB901X_FFC->findText("30 pin");
    window.ComboBox_KB901X_FFC->setCurrentIndex(cable);
    emit window.ComboBox_KB901X_FFC->activated(cable);
    dialogs.script.fileAnswers.push_back(dir.File("KB9012.bin"));
    window.KB901X_READ->click();
    WaitUntil([] { return false; }, ms);
    EXPECT_EQ(window.Engine().Run().State(), "NONE");
}

TEST_F(EneWindowTest, EightBitBoardNamesShowReadablyAndRouteOnTheirBytes) {
    // One name in Windows-1251 ("Плата"), one in Latin-1 ("Müller"), as such files are written.
    WriteFileBytes(dir.File("MB connection ENE.txt"),
                   "\xCF\xEB\xE0\xF2\xE0 KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8\n"
                   "M\xFCller KSO3=20 KSI4=5 KSI5=6 KSI6=7 KSI7=8\n");
    Open("pcb3", R"({"chips": {"ene": {"wiring": "ffc", "cable": 30,
                    "connector": {"KSO3": 12, "KSI4": 5, "KSI5": 6, "KSI6": 7, "KSI7": 8}}}})");
    EXPECT_EQ(window->ComboBox_KB901X->itemText(0), "Плата KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8");
    EXPECT_EQ(window->ComboBox_KB901X->itemText(1), "Müller KSO3=20 KSI4=5 KSI5=6 KSI6=7 KSI7=8");

    Choose(window->ComboBox_KB901X, 0);
    Choose(window->ComboBox_KB901X_FFC, window->ComboBox_KB901X_FFC->findText("30 pin"));
    EXPECT_EQ(window->Label_result->text(),
              "Please connect GND and:  A12 B5 C8 D7 E6 (only for JIG 2)");
    window->SpeedButton1->click();
    EXPECT_TRUE(window->Engine().FfcSettings());
    EXPECT_EQ(sim->Jig().Board().cpld[64], 0x87);
    ASSERT_TRUE(WaitUntil([&] {
        return window->KB901X_Memo->Lines().contains(
            "User select --> Плата KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8 (30 pin FFC) 1 to 1 ");
    }));
}
