// The main window driven as a technician would: choose a mode, press Start, come back; and what
// every window shares: keys for its buttons, a log that grows with the window.
#include "gui/Accelerators.h"
#include "gui/LanguageChoice.h"
#include "gui/LogView.h"
#include "link/StartLog.h"
#include "modes/Edid/ui/TEDID_form.h"
#include "modes/Ite/ui/TITE_FORM.h"
#include "modes/Kb901x_form/ui/TKB901X_forms.h"
#include "modes/Keyboard/ui/TKeyboard_testing.h"
#include "modes/Mec16xx/ui/TMEC16_Form.h"
#include "modes/Npce/ui/TNPCE_FORM.h"
#include "modes/Nuvoton_jtag_form/ui/TForm_NUVOTON_JTAG.h"
#include "port/UserFolders.h"
#include "safety/Journal.h"
#include "shell/ui/AppWindows.h"
#include "shell/ui/JigPicker.h"
#include "shell/ui/JournalView.h"
#include "shell/ui/Update.h"
#include "support/UserData.h"
#include "ui/support/UiTestSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <gtest/gtest.h>

#include <set>

namespace {
class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        StartLog::SetPath(dir.File("Start_log.txt"));
        JigMemory::Remember("");
    }
    void TearDown() override {
        JigMemory::Remember("");
        StartLog::SetPath("Start_log.txt");
    }

    std::unique_ptr<AppWindows> Start(std::shared_ptr<SimFtdiApi> sim) {
        auto app = CreateAppWindows(sim);
        app->main->show();
        return app;
    }
    void Select(AppWindows& app, const QString& mode) {
        app.main->MAIN_SELECTOR->setCurrentIndex(app.main->MAIN_SELECTOR->findText(mode));
    }

    TempDir dir;
    TestUserData user; // backups and the journal
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
    const QPoint mainCentre = app->main->frameGeometry().center();
    QElapsedTimer clock;
    clock.start();
    app->main->MAIN_CONNECT->click();
    EXPECT_TRUE(app->main->Timer_RUN->isActive());
    EXPECT_FALSE(app->main->Link().IsOpen());
    ASSERT_TRUE(WaitUntil([&] { return app->modes.ene->isVisible(); }));
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_FALSE(app->main->isVisible());
    EXPECT_FALSE(app->modes.update->isVisible());
    // Where the technician was looking, not in a corner of the screen.
    EXPECT_LE((app->modes.ene->frameGeometry().center() - mainCentre).manhattanLength(), 2);
    EXPECT_TRUE(app->modes.ene->KB901X_Memo->Lines().contains(
        "4 Only NOW it is possible to connect the power supply to the motherboard !"));
    EXPECT_TRUE(app->modes.ene->SpeedButton1->isEnabled());
    const std::string log = ReadFileText(dir.File("Start_log.txt"));
    EXPECT_NE(log.find("M328_EPM240_v16  \nFT_SetLatencyTimer OK\nUser select -> ENE KB90XX\n"
                       "Go to application. End.\n"),
              std::string::npos);

    // One JIG: no list to choose from, the title still names it.
    EXPECT_FALSE(app->main->Jig_picker->isVisible());
    EXPECT_EQ(app->modes.ene->windowTitle(), "KB9010/9012/9016/9022  03/03/2017 — JIG TJS00001");

    app->modes.ene->EXIT->click();
    EXPECT_TRUE(app->main->isVisible());
    EXPECT_FALSE(app->modes.ene->isVisible());
}

// Two JIGs: the technician picks the second, the mode window reads from it and says so, and the
// next start remembers it. A remembered JIG that is gone is named, and the first one used.
TEST_F(MainWindowTest, TwoJigsTheSecondPickedReadsFromItAndIsRemembered) {
    const std::string twoJigs = R"({"devices": ["jig", "jig"]})";
    auto sim = MakeSim("pcb3", twoJigs);
    auto app = Start(sim);
    JigPicker* picker = app->main->Jig_picker;
    ASSERT_TRUE(picker->isVisible());
    ASSERT_EQ(picker->Selector->count(), 2);
    EXPECT_EQ(picker->Selector->itemText(0), "TJS00001  simulated JIG");
    EXPECT_EQ(picker->Selector->itemText(1), "TJS00002  simulated JIG");
    EXPECT_EQ(picker->Selector->currentIndex(), 0);
    EXPECT_FALSE(picker->Notice->isVisible());

    picker->Selector->setCurrentIndex(1);
    emit picker->Selector->activated(1);
    Select(*app, "NUVOTON spi");
    app->main->MAIN_CONNECT->click();
    EXPECT_EQ(picker->Selector->itemText(1), "TJS00002  simulated JIG  M328_EPM240_v16");
    TNPCE_FORM* npce = app->modes.npce;
    ASSERT_TRUE(WaitUntil([&] { return npce->isVisible(); }));
    EXPECT_EQ(npce->windowTitle(), "NPCE288N/388N 02_02_2017 — JIG TJS00002");
    dialogs.script.fileAnswers.push_back(dir.File("flash.bin"));
    npce->NPCE_READ->click();
    ASSERT_TRUE(WaitUntil([&] {
        return npce->Engine().Run().Idle() && npce->Engine().Run().Result() != Outcome::None;
    }));
    EXPECT_EQ(npce->Engine().Run().Result(), Outcome::Succeeded);
    EXPECT_GT(sim->Device(1).BytesToHost().size(), 1000u);
    EXPECT_TRUE(sim->Device(0).BytesToJig().empty());
    npce->EXIT->click();
    app.reset();

    sim = MakeSim("pcb3", twoJigs);
    app = Start(sim);
    picker = app->main->Jig_picker;
    EXPECT_EQ(picker->Selector->currentIndex(), 1);
    EXPECT_EQ(picker->ChosenSerial(), "TJS00002");
    // The first one, which a Start without a choice would try last.
    picker->Selector->setCurrentIndex(0);
    emit picker->Selector->activated(0);
    Select(*app, "EDID lcd");
    app->main->MAIN_CONNECT->click();
    EXPECT_EQ(sim->Device(0).BytesToJig(), std::vector<std::uint8_t>{'B'});
    EXPECT_TRUE(sim->Device(1).BytesToJig().empty());
    ASSERT_TRUE(WaitUntil([&] { return app->modes.edid->isVisible(); }));
    EXPECT_TRUE(app->modes.edid->windowTitle().endsWith(" — JIG TJS00001"));
    app.reset();
    JigMemory::Remember("TJS00002");

    // The remembered TJS00002 is not plugged in: said, the first one used, the main window
    // tall enough for the words.
    sim = MakeSim("pcb3");
    app = Start(sim);
    picker = app->main->Jig_picker;
    EXPECT_TRUE(picker->Notice->isVisible());
    EXPECT_EQ(picker->Notice->text(),
              "The JIG TJS00002 is not plugged in: working on the JIG TJS00001 instead.");
    EXPECT_EQ(picker->ChosenSerial(), "TJS00001");
    EXPECT_GE(picker->Notice->height(), picker->Notice->heightForWidth(picker->Notice->width()));
    Select(*app, "EDID lcd");
    app->main->MAIN_CONNECT->click();
    EXPECT_EQ(sim->Device(0).BytesToJig(), std::vector<std::uint8_t>{'B'});
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

// Every button answers a key of its own in its window. A mode window with a log grows with it:
// the log takes the room, the bottom row keeps its distance to the bottom edge. The keyboard
// grid has fixed places and so no maximise button.
TEST_F(MainWindowTest, EveryButtonHasAKeyAndTheLogsGrowWithTheirWindows) {
    auto app = Start(MakeSim());
    std::vector<QWidget*> windows{app->main.get(), app->modes.update};
    for (const auto& [mode, window] : app->modes.byMode)
        windows.push_back(window);
    for (QWidget* window : windows) {
        SCOPED_TRACE(window->windowTitle().toStdString());
        std::set<QString> keys;
        for (const QPushButton* button : window->findChildren<QPushButton*>()) {
            const QString key = AcceleratorOf(button).toString();
            EXPECT_FALSE(key.isEmpty()) << button->text().toStdString();
            EXPECT_TRUE(keys.insert(key).second) << key.toStdString();
        }
    }
    for (const auto& [mode, window] : app->modes.byMode) {
        SCOPED_TRACE(mode);
        const bool maximise = window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint);
        if (window == static_cast<QWidget*>(app->modes.keyboard)) {
            EXPECT_FALSE(maximise);
            EXPECT_EQ(window->minimumSize(), window->maximumSize());
            continue;
        }
        EXPECT_TRUE(maximise);
        window->show();
        QCoreApplication::processEvents();
        LogView* log = nullptr;
        for (LogView* l : window->findChildren<LogView*>())
            log = l->isVisible() ? l : log;
        ASSERT_NE(log, nullptr);
        const auto bottomRow = [&] {
            int lowest = 0;
            for (const QPushButton* b : window->findChildren<QPushButton*>())
                lowest = std::max(lowest, b->geometry().bottom());
            return window->height() - lowest;
        };
        const int logHeight = log->height();
        const int below = bottomRow();
        window->resize(window->width() + 100, window->height() + 200);
        QCoreApplication::processEvents();
        EXPECT_EQ(log->height(), logHeight + 200);
        EXPECT_EQ(bottomRow(), below);
        window->hide();
    }
}

// The main window says where backups and the journal are; the journal's table lists the
// newest operation first, one that failed in red.
TEST_F(MainWindowTest, ShowsWhereBackupsAndTheJournalAreAndTheJournalItself) {
    JournalRecord read;
    read.time = "2026-12-07 10:20:30";
    read.mode = "NUVOTON spi";
    read.operation = "read";
    read.file = "/bench/a.bin";
    read.result = "done";
    JournalRecord write = read;
    write.time = "2026-12-07 10:25:00";
    write.operation = "write";
    write.result = "failed";
    write.failedStep = "verify";
    ASSERT_TRUE(AppendJournal(read, JournalFile(), nullptr));
    ASSERT_TRUE(AppendJournal(write, JournalFile(), nullptr));
    auto app = Start(MakeSim());
    EXPECT_EQ(app->main->Label_backups->text().toStdString(),
              "Backups: " + BackupFolder().string());
    EXPECT_EQ(app->main->Label_journal->text().toStdString(), "Journal: " + JournalFile().string());

    app->main->OpenBackups->click();
    EXPECT_EQ(dialogs.script.openedFolders, std::vector<std::string>{BackupFolder().string()});
    EXPECT_TRUE(std::filesystem::is_directory(BackupFolder()));

    app->main->ShowJournal->click();
    const QTableWidget* table = app->main->Journal->Table;
    EXPECT_TRUE(app->main->Journal->isVisible());
    ASSERT_EQ(table->rowCount(), 2);
    const auto row = [&](int r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c)
            cells << table->item(r, c)->text();
        return cells;
    };
    EXPECT_EQ(row(0), (QStringList{"2026-12-07 10:25:00", "NUVOTON spi", "write", "/bench/a.bin",
                                   "failed: verify"}));
    EXPECT_EQ(row(1),
              (QStringList{"2026-12-07 10:20:30", "NUVOTON spi", "read", "/bench/a.bin", "done"}));
    EXPECT_EQ(table->item(0, 4)->foreground().color(), QColor(200, 0, 0));
    EXPECT_NE(table->item(1, 4)->foreground().color(), QColor(200, 0, 0));
}

// The language box: every open window changes at once, the choice is remembered, and the
// original texts come back.
TEST_F(MainWindowTest, TheLanguageBoxRetranslatesEveryWindowAndIsRemembered) {
    auto app = Start(MakeSim());
    QComboBox* box = app->main->Language_box;
    ASSERT_EQ(box->currentText(), "Original texts (English and Russian)");
    TMEC16_Form* mec = app->modes.mec;
    ASSERT_EQ(mec->BitBtn_MEC16->text(), "Check connect to MEC");
    ASSERT_TRUE(app->modes.ite->CheckBox_RUS_ENG->isChecked()); // the Russian log

    emit box->activated(box->findText("English"));
    EXPECT_EQ(mec->BitBtn_MEC16->text(), "Check connection to MEC");
    EXPECT_FALSE(app->modes.ite->CheckBox_RUS_ENG->isChecked());
    EXPECT_EQ(RememberedLanguage(), Language::English);

    emit box->activated(box->findText(QString::fromUtf8("Русский")));
    EXPECT_EQ(mec->BitBtn_MEC16->text(), QString::fromUtf8("Проверить связь с MEC"));
    EXPECT_EQ(mec->windowTitle(), QString::fromUtf8("Чтение и запись MEC   19_03_17"));
    EXPECT_EQ(app->modes.npce->NPCE_WRITE->text(), QString::fromUtf8("Nuvoton_ЗАПИСЬ"));
    EXPECT_EQ(app->modes.nuvotonJtag->BitBtn_SETTINGS->text(),
              QString::fromUtf8("Отправить настройки"));
    EXPECT_TRUE(app->modes.ite->CheckBox_RUS_ENG->isChecked());
    EXPECT_EQ(app->modes.ene->KB901X_READ->text(), QString::fromUtf8("ЧТЕНИЕ KB90XX"));
    EXPECT_EQ(app->modes.edid->EDID_READ->text(), QString::fromUtf8("ЧТЕНИЕ EDID"));
    EXPECT_EQ(app->modes.keyboard->Label_keyb_con->text(),
              QString::fromUtf8("Нажмите «Начать сканирование»"));
    // Qt's own buttons too (message boxes, the file dialog), and the main window's captions.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString::fromUtf8("&Да"));
    EXPECT_EQ(app->main->MAIN_CONNECT->text(), QString::fromUtf8("Старт"));

    emit box->activated(box->findText("Original texts (English and Russian)"));
    EXPECT_EQ(CurrentLanguage(), Language::Original);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Yes");
    EXPECT_EQ(mec->BitBtn_MEC16->text(), "Check connect to MEC");
    EXPECT_EQ(RememberedLanguage(), Language::Original);
}
