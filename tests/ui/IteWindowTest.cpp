// The ITE window driven as a technician would, on the simulated JIG.
#include "modes/Ite/ui/TITE_FORM.h"
#include "port/Tr.h"
#include "sim/chips/IteEc.h"
#include "support/Pattern.h"
#include "ui/support/ModeWindowFixture.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {
const char* const kDatabase =
    "Examples of the format\r\n"
    "Board one PD0=12 PD1=13 PD2=14 PD3=15 PD4=16 PD5=17 PD6=18 PD7=19 BUSY=21 STB=5 AFD=6 "
    "INIT=7 SLIN=8 KSI4=9 KSI5=10 KB_pins=26\r\n"
    "Board broken PD0=1 PD1=2 PD2=3 PD3=40 PD4=5 PD5=6 PD6=7 PD7=8 BUSY=9 STB=10 AFD=11 "
    "INIT=12 SLIN=13 KSI4=14 KSI5=15 KB_pins=26\r\n"
    "Board unfinished PD0=1";

class IteWindowTest : public ModeWindowFixture<TITE_FORM> {
  protected:
    void SetUp() override {
        ModeWindowFixture::SetUp();
        WriteFileBytes(dir.File("MB connection ITE.txt"), kDatabase);
    }
    std::unique_ptr<TITE_FORM> Make(std::shared_ptr<SimFtdiApi> api) override {
        return std::make_unique<TITE_FORM>(api, &mainWindow, dir.File("MB connection ITE.txt"));
    }
    SimIteEc& Chip() { return dynamic_cast<SimIteEc&>(*sim->Jig().Module("ite")); }
    void Choose(int index) {
        window->ITE_ComboBox_MB_SWITCH->setCurrentIndex(index);
        emit window->ITE_ComboBox_MB_SWITCH->activated(index);
    }
    bool Idle() {
        QCoreApplication::processEvents();
        for (QPushButton* b :
             {window->ITE_SETUP_BitBtn, window->ITE_CHECK_CON_BitBtn, window->ITE_READ_BitBtn,
              window->ITE_WRITE_BitBtn, window->ITE_EXIT_BitBtn})
            if (!b->isEnabled())
                return false;
        return Run().State() == "NONE";
    }
    // Clicks and waits until the operation has ended and its lines have arrived.
    void ClickAndWait(QPushButton* button, const QString& lastEnglishLine) {
        button->click();
        ASSERT_TRUE(WaitUntil([&] {
            return Idle() && Run().Result() != Outcome::None &&
                   window->ITE_Memo_ENG->Lines().contains(lastEnglishLine);
        })) << window->ITE_Memo_ENG->toPlainText().toStdString();
    }
};
} // namespace

TEST_F(IteWindowTest, ApplyCheckReadAndWriteThroughTheButtons) {
    Open("pcb2-ite");
    EXPECT_EQ(window->windowTitle(), "ITE");
    Choose(1);
    EXPECT_TRUE(window->ITE_CheckBox->isEnabled());
    ClickAndWait(window->ITE_SETUP_BitBtn, "All settings sent.");
    EXPECT_EQ(Chip().Assignment(), SimIteEc::DefaultWiring());

    ClickAndWait(window->ITE_CHECK_CON_BitBtn, "Received ITE ID  -> 8512 rev -> 02");
    EXPECT_TRUE(window->ITE_Memo1->Lines().contains("Received ITE ID  -> 8512 rev -> 02"));

    dialogs.script.fileAnswers.push_back(dir.File("flash.bin"));
    ClickAndWait(window->ITE_READ_BitBtn, "Reading complete. ");
    const auto image = SimIteEc::DefaultImage();
    EXPECT_TRUE(ReadFileText(dir.File("flash.bin")) == std::string(image.begin(), image.end()));
    ASSERT_TRUE(WaitUntil([&] { return window->ITE_CGauge1->Position() == 512; }));
    EXPECT_EQ(window->ITE_CGauge1->Colour(), QColor(0, 255, 0));
    EXPECT_EQ(dialogs.script.fileDialogs.back().title, "Save data to a file");

    std::string written = Pattern(131072, 13, 0, 9);
    WriteFileBytes(dir.File("in.bin"), written);
    dialogs.script.fileAnswers.push_back(dir.File("in.bin"));
    ASSERT_TRUE(ClickWhileBusy(
        window->ITE_WRITE_BitBtn, "WRITE_ITE_step_one", window->ITE_READ_BitBtn,
        [&] { return Idle() && window->ITE_Memo_ENG->Lines().contains("WRITE complete."); }));
    const auto flash = Chip().Flash();
    EXPECT_TRUE(std::string(flash.begin(), flash.end()) == written);
    ASSERT_TRUE(WaitUntil([&] { return window->SPEED_ITE_CGauge->Position() == 1024; }));
    EXPECT_EQ(window->SPEED_ITE_CGauge->Maximum(), 1024);
    EXPECT_EQ(window->ITE_CGauge1->Colour(), QColor(255, 0, 0));
    EXPECT_EQ(dialogs.script.fileDialogs.back().title, "Read data from a file");

    ExpectExitLeaves(window->ITE_EXIT_BitBtn);
    ASSERT_TRUE(WaitUntil([&] {
        return window->ITE_Memo_ENG->Lines().isEmpty() && window->ITE_Memo1->Lines().isEmpty() &&
               window->ITE_CGauge1->Position() == 0;
    }));
}

TEST_F(IteWindowTest, TheDatabaseFillsTheBoxesAndTheCheckBoxMirrorsThem) {
    Open("pcb3");
    QComboBox* list = window->ITE_ComboBox_MB_SWITCH;
    // Neither the file's comment nor the unfinished last line is a board.
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(list->itemText(0), "Please select MOTHERBOARD");
    EXPECT_TRUE(list->itemText(1).startsWith("Board one PD0=12"));
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_EQ(list->maxVisibleItems(), 30);
    EXPECT_EQ(list->palette().color(QPalette::Text), QColor(0, 0, 0));
    EXPECT_TRUE(window->ITE_CheckBox->isChecked());
    EXPECT_FALSE(window->ITE_CheckBox->isEnabled());
    EXPECT_EQ(window->GroupBox_pins->title(), "Pin ITE mcu -> pin keyboard connector");
    for (int box = 1; box <= 15; ++box) {
        EXPECT_EQ(window->Box(box)->count(), 33);
        EXPECT_EQ(window->Box(box)->currentText(), "NC");
    }
    EXPECT_EQ(window->BoxLabel(13)->text(), "BUSY (pin 45 KSO9)");
    EXPECT_EQ(window->BoxLabel(1)->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    EXPECT_EQ(window->BoxLabel(13)->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(window->BoxLabel(9)->palette().color(QPalette::WindowText), QColor(255, 0, 0));

    Choose(1);
    EXPECT_EQ(window->ComboBox1->currentText(), "12");
    EXPECT_EQ(window->ComboBox13->currentText(), "21");
    EXPECT_TRUE(window->ITE_CheckBox->isEnabled());
    window->ITE_CheckBox->click(); // a reversed cable: mirrored on the board's 26 contacts
    EXPECT_FALSE(window->ITE_CheckBox->isChecked());
    EXPECT_EQ(window->ComboBox1->currentText(), "15");
    EXPECT_EQ(window->ComboBox13->currentText(), "6");
    window->ITE_CheckBox->click();
    EXPECT_EQ(window->ComboBox1->currentText(), "12");

    window->ComboBox2->setEditText("nc"); // typed: matched to "NC"
    window->ComboBox3->setEditText("77"); // no such entry: no selection
    EXPECT_EQ(window->Boxes()[1], 0);
    EXPECT_EQ(window->Boxes()[2], -1);
    EXPECT_EQ(window->ComboBox4->lineEdit()->maxLength(), 2);

    // A line with a contact out of range stops at it; the boxes after it keep their values.
    window->ITE_CheckBox->click();
    Choose(2);
    EXPECT_FALSE(window->ITE_CheckBox->isEnabled());
    EXPECT_TRUE(window->ITE_CheckBox->isChecked());
    EXPECT_EQ(window->ComboBox1->currentText(), "1");
    EXPECT_EQ(window->ComboBox3->currentText(), "3");
    // PD3=40 stops it: setting the check mark mirrored PD3's 12 back to 15, and there it stays.
    EXPECT_EQ(window->ComboBox4->currentText(), "15");
    ASSERT_TRUE(WaitUntil(
        [&] { return window->ITE_Memo_ENG->Lines().contains("Invalid contact number PD3"); }));
    EXPECT_TRUE(window->ITE_Memo1->Lines().contains("Неверный номер ножки для PD3 !"));

    Choose(0);
    EXPECT_FALSE(window->ITE_CheckBox->isEnabled());
    EXPECT_EQ(window->ComboBox1->currentText(), "1");
}

TEST_F(IteWindowTest, TheLanguageSwitchShowsOneLogAndAMissingDatabaseIsRed) {
    sim = MakeSim("pcb3");
    window = std::make_unique<TITE_FORM>(sim, &mainWindow, dir.File("nothing here.txt"));
    QComboBox* list = window->ITE_ComboBox_MB_SWITCH;
    EXPECT_EQ(list->count(), 1);
    EXPECT_EQ(list->currentText(), "File [MB connection ITE.txt] not found. Please read manual!");
    EXPECT_EQ(list->palette().color(QPalette::Text), QColor(255, 0, 0));

    EXPECT_TRUE(window->CheckBox_RUS_ENG->isChecked());
    EXPECT_EQ(window->Logs->currentWidget(), window->ITE_Memo1);
    EXPECT_TRUE(window->ITE_Memo1->Lines().front().startsWith("Порядок подключения"));
    window->CheckBox_RUS_ENG->click();
    EXPECT_EQ(window->Logs->currentWidget(), window->ITE_Memo_ENG);
    EXPECT_EQ(window->ITE_Memo_ENG->Lines().front(), "How to connect:");

    // A chosen language starts the switch at it, and each log keeps its own language.
    window.reset();
    ASSERT_TRUE(SetLanguage(Language::English));
    window = std::make_unique<TITE_FORM>(sim, &mainWindow, dir.File("nothing here.txt"));
    SetLanguage(Language::Original);
    EXPECT_EQ(window->ITE_ComboBox_MB_SWITCH->currentText(),
              "File [MB connection ITE.txt] not found. Please read the manual!");
    EXPECT_EQ(window->Logs->currentWidget(), window->ITE_Memo_ENG);
    EXPECT_EQ(window->ITE_Memo1->Lines().front(), QString::fromUtf8("Порядок подключения:"));
}

// The window has no STOP: its close (or EXIT) during a read asks "Stop the operation?"; no lets
// the read go on, yes stops it at the next block. The dump chosen keeps what it held.
TEST_F(IteWindowTest, ClosingTheWindowDuringAReadAsksAndStopsIt) {
    // The reply to block 4 comes 1.5 s late: the identification and APPLY (31 bytes), the
    // read's identification, test and rows (41), three blocks.
    Open("pcb2-ite", R"({"faults": [{"type": "delay", "ms": 1500, "replyByte": 843}]})");
    Choose(1);
    window->ITE_SETUP_BitBtn->click();
    ASSERT_TRUE(WaitUntil([&] { return Idle() && !Chip().Assignment().empty(); }));
    const std::string dump = dir.File("dump.bin");
    WriteFileBytes(dump, std::string(131072, '\x11'));
    dialogs.script.fileAnswers.push_back(dump);
    window->ITE_READ_BitBtn->click();
    ASSERT_TRUE(WaitUntil([&] { return window->ITE_CGauge1->Position() == 3; }));
    EXPECT_TRUE(window->ITE_EXIT_BitBtn->isEnabled());
    dialogs.script.yesNo = {false, true};
    window->close(); // no: the read goes on
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Run().State(), "READ_ITE");
    window->close(); // yes: it stops after the block it waits for
    EXPECT_EQ(dialogs.script.messages,
              (std::vector<std::string>{"Stop the operation?", "Stop the operation?"}));
    ASSERT_TRUE(WaitUntil([&] {
        return Idle() && window->ITE_Memo_ENG->Lines().contains(
                             QString::fromStdString("The 1024 bytes received are kept in " + dump +
                                                    ".partial; " + dump + " is unchanged."));
    })) << window->ITE_Memo_ENG->toPlainText().toStdString();
    const auto image = SimIteEc::DefaultImage();
    ExpectReadStopped(dump, std::string(131072, '\x11'),
                      std::string(image.begin(), image.begin() + 1024), window->ITE_Memo_ENG);
    ExpectExitLeaves(window->ITE_EXIT_BitBtn); // idle now
}
