// The EDID window on the simulated JIG: its buttons, its log and its dialogs.
#include "gui/ProgramSettings.h"
#include "gui/SafetySettings.h"
#include "modes/Edid/PnpIds.h"
#include "modes/Edid/ui/TEDID_form.h"
#include "sim/chips/EdidEeprom.h"
#include "ui/support/UiTestSupport.h"

#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

namespace {
class EdidWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        PnpIds::SetPath(dir.File("no-list"));
        ProgramSettings().clear();
    }
    void TearDown() override {
        PnpIds::SetPath(PnpIds::DefaultPath());
        ProgramSettings().clear();
    }

    QStringList Memo(TEDID_form& w) { return w.EDID_Memo->Lines(); }
    bool MemoEndsWith(TEDID_form& w, const QString& line) {
        return WaitUntil([&] { return !Memo(w).isEmpty() && Memo(w).back() == line; });
    }

    TempDir dir;
    ScriptedDialogs dialogs;
    QWidget mainWindow;
};
} // namespace

TEST_F(EdidWindowTest, CaptionAndButtons) {
    TEDID_form w(MakeSim(), &mainWindow);
    EXPECT_EQ(w.windowTitle(), "EEPROM LCD read/write 09/01/2017");
    EXPECT_EQ(w.EDID_READ->text(), "EDID_READ");
    EXPECT_EQ(w.EDID_WRITE->text(), "EDID_WRITE");
    EXPECT_EQ(w.EXIT->text(), "EXIT");
    EXPECT_TRUE(w.EDID_Memo->isReadOnly());
}

TEST_F(EdidWindowTest, ReadShowsTheDumpAndSavesThePanelImage) {
    auto sim = MakeSim("pcb3");
    TEDID_form w(sim, &mainWindow);
    w.show();
    const std::string out = dir.File("panel.bin");
    dialogs.script.fileAnswers.push_back(out);
    w.EDID_READ->click();
    ASSERT_TRUE(MemoEndsWith(w, QString::fromStdString("Save the file: " + out)));
    const QStringList lines = Memo(w);
    EXPECT_EQ(lines[3], "Reading EEPROM ...");
    EXPECT_EQ(lines[6], "00: 00 FF FF FF FF FF FF 00 06 AF EC 21 00 00 00 00 ................");
    EXPECT_TRUE(
        lines.contains("  Preferred resolution: 1366x768 @ 59.91 Hz, pixel clock 76.30 MHz"));
    const std::vector<std::uint8_t> image = SimEdidEeprom::DefaultImage();
    EXPECT_EQ(ReadFileText(out), std::string(image.begin(), image.end()));
    ASSERT_EQ(dialogs.script.fileDialogs.size(), 1u);
    EXPECT_EQ(dialogs.script.fileDialogs[0].title, "Укажите имя файла для сохранения.");

    // A second read starts with a clean log; with the read-twice box ticked it reads twice and
    // keeps one image.
    SafetySettings::SetReadTwice(true);
    dialogs.script.fileAnswers.push_back(std::nullopt);
    w.EDID_READ->click();
    ASSERT_TRUE(MemoEndsWith(w, "Write to file is interrupted."));
    EXPECT_EQ(Memo(w).front(), "Number of VCOM ports found on the machine: 1");
    EXPECT_TRUE(Memo(w).contains("Both reads are the same."));
    EXPECT_EQ(Memo(w).filter("Image: 256 bytes, CRC-32 ").size(), 1);
}

// EXIT, and Esc as well, which leaves as EXIT does.
TEST_F(EdidWindowTest, ExitClearsTheLogAndGoesBackToTheMainWindow) {
    TEDID_form w(MakeSim("pcb3", R"({"devices": []})"), &mainWindow);
    for (const bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "Esc" : "EXIT");
        mainWindow.hide();
        w.show();
        w.EDID_READ->click();
        ASSERT_TRUE(MemoEndsWith(w, "VCOM port is not found on the machine!"));
        if (escape)
            QTest::keyClick(&w, Qt::Key_Escape);
        else
            w.EXIT->click();
        EXPECT_TRUE(w.EDID_Memo->Lines().isEmpty());
        EXPECT_TRUE(mainWindow.isVisible());
        EXPECT_FALSE(w.isVisible());
    }
}
