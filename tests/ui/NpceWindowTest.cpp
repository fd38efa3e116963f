// The NPCE window driven as a technician would, on the simulated JIG.
#include "gui/DumpMapView.h"
#include "gui/SafetySettings.h"
#include "modes/Npce/ui/TNPCE_FORM.h"
#include "sim/chips/NpceSpi.h"
#include "support/Pattern.h"
#include "ui/support/ModeWindowFixture.h"

#include <QApplication>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

namespace {
class NpceWindowTest : public ModeWindowFixture<TNPCE_FORM> {
  protected:
    SimNpceSpi& Chip() { return dynamic_cast<SimNpceSpi&>(*sim->Jig().Module("npce-spi")); }
    bool Idle() {
        QCoreApplication::processEvents();
        return Run().Idle() && window->NPCE_READ->isEnabled() && window->NPCE_WRITE->isEnabled() &&
               window->EXIT->isEnabled();
    }
    bool Ended() { return Idle() && Run().Result() != Outcome::None; }
};
} // namespace

TEST_F(NpceWindowTest, ReadButtonReadsTheFlashIntoTheChosenFile) {
    Open("pcb3");
    EXPECT_EQ(window->windowTitle(), "NPCE288N/388N 02_02_2017");
    EXPECT_EQ(window->NPCE_READ->text(), "Nuvoton_READ");
    EXPECT_EQ(window->NPCE_WRITE->text(), "Nuvoton_WRITE");
    EXPECT_EQ(window->EXIT->text(), "EXIT");
    dialogs.script.fileAnswers.push_back(dir.File("flash.bin"));
    window->NPCE_READ->click();
    ASSERT_TRUE(WaitUntil([&] { return Ended(); }));
    ASSERT_TRUE(WaitUntil([&] { return window->CGauge_NPCE->Position() == 512; }));

    const auto image = Chip().Flash();
    EXPECT_TRUE(ReadFileText(dir.File("flash.bin")) == std::string(image.begin(), image.end()));
    EXPECT_EQ(Run().Result(), Outcome::Succeeded);
    EXPECT_EQ(window->CGauge_NPCE->Maximum(), 512);
    EXPECT_EQ(window->CGauge_NPCE->Colour(), QColor(0, 255, 0));
    const QStringList lines = window->NPCE_Memo->Lines();
    // The read ends with its time, then the image's figures.
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[lines.size() - 2], "Current time  07.12.2026 10:20:30");
    EXPECT_TRUE(lines.back().startsWith("Image: 131072 bytes, CRC-32 "));
    ASSERT_EQ(dialogs.script.fileDialogs.size(), 1u);
    EXPECT_EQ(dialogs.script.fileDialogs[0].title, "Save file");
    // The dump's map beside the window.
    const DumpMapView* map = window->findChild<DumpMapView*>("dumpMap");
    ASSERT_TRUE(map && map->isVisible());
    EXPECT_EQ(map->Picture()->map.kinds, MapImage(image, 4096).kinds);
    EXPECT_EQ(map->Picture()->map.figures.sha256, FiguresOf(image).sha256);
    // No folder used yet: the dialog's own; a name that says what, which chip and when.
    EXPECT_EQ(dialogs.script.fileFolders, std::vector<std::string>{""});
    EXPECT_TRUE(QRegularExpression(R"(^NUVOTON_spi_\d{4}-\d\d-\d\d_\d{6}_EF4012\.bin$)")
                    .match(QString::fromStdString(dialogs.script.fileDialogs[0].initialName))
                    .hasMatch())
        << dialogs.script.fileDialogs[0].initialName;
    // The SHA-256 line is wider than the log: it wraps, and the view stays on the last line.
    EXPECT_TRUE(window->NPCE_Memo->AtBottom());
    EXPECT_EQ(window->NPCE_Memo->horizontalScrollBar()->maximum(), 0);
    EXPECT_TRUE(QFontInfo(window->NPCE_Memo->font()).fixedPitch());
}

// A log filled before its window showed opens at its last line, and keeps it in view when a
// narrower window wraps its lines again; one scrolled up to read stays there while lines come,
// and follows them again once scrolled back down.
TEST_F(NpceWindowTest, LogOpensAtItsLastLineAndFollowsUnlessScrolledUp) {
    sim = MakeSim("pcb3");
    window = std::make_unique<TNPCE_FORM>(sim, &mainWindow);
    LogView* log = window->NPCE_Memo;
    for (int i = 0; i < 100; ++i)
        log->AppendLine(QString("line %1 ").arg(i) + QString(50, 'x'));
    window->show();
    QCoreApplication::processEvents();
    QScrollBar* bar = log->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_TRUE(log->AtBottom());
    window->resize(window->minimumSizeHint().width(), window->height());
    QCoreApplication::processEvents();
    EXPECT_TRUE(log->AtBottom());
    bar->setValue(10);
    const auto topLine = [&] { return log->cursorForPosition({0, 0}).block().text(); };
    const QString reading = topLine();
    log->AppendLine("while reading");
    QCoreApplication::processEvents();
    EXPECT_EQ(topLine(), reading);
    EXPECT_FALSE(log->AtBottom());
    bar->setValue(bar->maximum());
    log->AppendLine("back at the end");
    EXPECT_TRUE(log->AtBottom());
}

// Alt+R reads, Alt+W writes; Enter on a focused WRITE starts nothing; the second dialog opens
// where the first file went; Esc leaves the idle window.
TEST_F(NpceWindowTest, KeysReachTheButtonsAndTheDialogsRememberTheFolder) {
    Open("pcb3");
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->NPCE_WRITE->setFocus();
    QTest::keyClick(window->NPCE_WRITE, Qt::Key_Return);
    QTest::keyClick(window->NPCE_WRITE, Qt::Key_Enter);
    EXPECT_TRUE(dialogs.script.fileDialogs.empty());

    dialogs.script.fileAnswers.push_back(dir.File("flash.bin"));
    QTest::keyClick(window.get(), Qt::Key_R, Qt::AltModifier);
    ASSERT_TRUE(WaitUntil([&] { return Ended(); }));
    EXPECT_EQ(Run().Result(), Outcome::Succeeded);
    // The map opens beside the window; the keys stay with the window.
    ASSERT_TRUE(WaitUntil([&] {
        const auto* map = window->findChild<DumpMapView*>("dumpMap");
        return map && map->isVisible();
    }));
    EXPECT_TRUE(window->isActiveWindow());
    dialogs.script.fileAnswers.push_back(std::nullopt); // the write's file: cancelled
    QTest::keyClick(window.get(), Qt::Key_W, Qt::AltModifier);
    ASSERT_TRUE(WaitUntil([&] { return Idle() && dialogs.script.fileDialogs.size() == 2; }));
    EXPECT_EQ(dialogs.script.fileDialogs[1].title, "Read file");
    EXPECT_EQ(dialogs.script.fileFolders[1], dir.Path());

    mainWindow.hide();
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(mainWindow.isVisible());
}

// The backup box unticked: no backup (StoppedWriteShowsWhereTheChipStands has one).
TEST_F(NpceWindowTest, WriteButtonWritesAndVerifiesWhileReadAndExitWait) {
    SafetySettings::SetBackup(false);
    Open("pcb2-npce");
    std::string image = Pattern(131072, 13, 0, 10);
    WriteFileBytes(dir.File("in.bin"), image);
    dialogs.script.fileAnswers.push_back(dir.File("in.bin"));
    // Until the worker ends, READ and EXIT stay disabled and the window does not leave.
    ASSERT_TRUE(ClickWhileBusy(window->NPCE_WRITE, "Write_NPCE", window->NPCE_READ, [&] {
        return Ended() &&
               window->NPCE_Memo->Lines().contains("Nuvoton chip is programmed succesfully!");
    }));
    const auto flash = Chip().Flash();
    EXPECT_TRUE(std::string(flash.begin(), flash.end()) == image);
    EXPECT_EQ(window->CGauge_NPCE->Colour(), QColor(255, 255, 0));
    EXPECT_EQ(window->CGauge_NPCE->Position(), 512);
    // The verify's map: the image written, every block read back the same.
    const DumpMapView* map = window->findChild<DumpMapView*>("dumpMap");
    ASSERT_TRUE(map && map->isVisible());
    EXPECT_TRUE(map->Picture()->image == Bytes(image));
    EXPECT_EQ(map->Picture()->map.Count(BlockDiff::Same), 32u);
    EXPECT_TRUE(Run().BackupPath().empty());
    ExpectExitLeaves(window->EXIT);
}

// The window has no STOP: EXIT and the window's close ask first, and a yes stops the read at
// the next block, the older dump untouched and the blocks received beside it.
TEST_F(NpceWindowTest, ExitOrCloseDuringAReadAsksAndStopsIt) {
    // Replies: the version, the ID, 'I', then the blocks: block 3 comes two seconds late, so
    // the read is still running while the window is clicked.
    Open("pcb2-npce", R"({"faults": [{"type": "delay", "afterReplies": 5, "ms": 2000}]})");
    const std::string out = dir.File("dump.bin");
    WriteFileBytes(out, "an older dump");
    dialogs.script.fileAnswers.push_back(out);
    dialogs.script.yesNo = {false, true};
    window->NPCE_READ->click();
    ASSERT_TRUE(WaitUntil([&] { return window->CGauge_NPCE->Position() == 4; }));
    QTest::keyClick(window.get(), Qt::Key_Escape); // nothing while the read runs
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(dialogs.script.messages.empty());
    window->EXIT->click(); // no: the read goes on
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(Run().Idle());
    window->close(); // yes
    ASSERT_TRUE(WaitUntil([&] { return Ended(); }));
    EXPECT_EQ(dialogs.script.messages,
              (std::vector<std::string>{"Stop the operation?", "Stop the operation?"}));
    const auto flash = Chip().Flash();
    ExpectReadStopped(out, "an older dump", std::string(flash.begin(), flash.begin() + 3 * 512),
                      window->NPCE_Memo);
    ExpectExitLeaves(window->EXIT); // idle now
}

TEST_F(NpceWindowTest, StoppedWriteShowsWhereTheChipStands) {
    // After the backup (replies 3 to 259), the erase and the blank check, page N's status is
    // reply 261 + 2N: page 5's comes two seconds late.
    SafetySettings::SetBackup(true);
    Open("pcb3", R"({"faults": [{"type": "delay", "afterReplies": 271, "ms": 2000}]})");
    std::string image = Pattern(131072, 7, 0, 9);
    WriteFileBytes(dir.File("in.bin"), image);
    dialogs.script.fileAnswers.push_back(dir.File("in.bin"));
    dialogs.script.yesNo = {true};
    const auto before = Chip().Flash();
    window->NPCE_WRITE->click();
    ASSERT_TRUE(WaitUntil([&] {
        return window->CGauge_NPCE->Colour() == QColor(255, 0, 0) &&
               window->CGauge_NPCE->Position() == 5;
    }));
    window->EXIT->click();
    ASSERT_TRUE(WaitUntil([&] { return Ended() && dialogs.script.messages.size() == 2; }));
    EXPECT_EQ(Run().Result(), Outcome::Stopped);
    const std::string backup = Run().BackupPath();
    ASSERT_FALSE(backup.empty());
    EXPECT_TRUE(FileBytes(backup) == before);
    EXPECT_EQ(dialogs.script.messages,
              (std::vector<std::string>{
                  "Stop the operation?",
                  "The chip is partly written (blocks 1 to 5 of 512). Backup: " + backup + "."}));
}

// Not a check: the window after a successful write and verify at wire speed, held on screen for
// SHOT_HOLD_MS milliseconds so that scripts/screenshot can capture docs/screenshots/npce.png:
//   SHOT_SCREEN=1024x768 SHOT_DELAY=14 scripts/screenshot docs/screenshots/npce.png env
//     QT_QPA_PLATFORM=xcb SHOT_HOLD_MS=6000 ./tolvane_ui_tests --gtest_also_run_disabled_tests
//     --gtest_filter=NpceWindowScreenshot.DISABLED_AfterWrite
TEST(NpceWindowScreenshot, DISABLED_AfterWrite) {
    TempDir dir;
    ScriptedDialogs dialogs;
    const std::string in = dir.File("NPCE388N_backup.bin");
    const std::string image = Pattern(90000, 7) + std::string(131072 - 90000, '\xFF');
    WriteFileBytes(in, image);
    dialogs.script.fileAnswers.push_back(in);
    QWidget mainWindow;
    TNPCE_FORM window(MakeSim("pcb2-npce", "{}", SimTiming::Wire), &mainWindow);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    window.show();
    window.NPCE_WRITE->click();
    ASSERT_TRUE(WaitUntil(
        [&] {
            return window.Engine().Run().Result() != Outcome::None && window.Engine().Run().Idle();
        },
        60000));
    WaitUntil([] { return false; }, qEnvironmentVariableIntValue("SHOT_HOLD_MS"));
    EXPECT_EQ(window.Engine().Run().Result(), Outcome::Succeeded);
}
