// The keyboard tester window on the simulated JIG: the grid, its labels, the controls through
// a scan, and how often the grid repaints.
#include "modes/Keyboard/KeyboardPairs.h"
#include "modes/Keyboard/ui/IndicatorShape.h"
#include "modes/Keyboard/ui/TKeyboard_testing.h"
#include "ui/support/UiTestSupport.h"

#include <QElapsedTimer>
#include <QEvent>
#include <gtest/gtest.h>

using namespace Keyboard;

namespace {
const QColor kAqua(0, 255, 255);
const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);
const QColor kBlack(0, 0, 0);

std::shared_ptr<SimFtdiApi> KeyboardSim(const std::string& board, const std::string& keyboard) {
    return MakeSim(board, R"({"chips": {"keyboard": )" + keyboard + "}}");
}

QColor LabelColour(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

class PaintCounter : public QObject {
  public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        paints += e->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

class KeyboardWindowTest : public ::testing::Test {
  protected:
    bool WaitIdle(TKeyboard_testing& w) {
        return WaitUntil(
            [&] { return !w.Scanner().Scanning() && w.START_SCAN->text() == "START SCAN"; });
    }
    QWidget mainWindow;
};
} // namespace

TEST_F(KeyboardWindowTest, GridOf496IndicatorsAtTheirPlacesWithLabels) {
    TKeyboard_testing w(MakeSim(), &mainWindow);
    EXPECT_EQ(w.windowTitle(), "Keyboard_testing 02_03_2017");
    EXPECT_EQ(w.findChildren<IndicatorShape*>().size(), 496);
    for (const PinPair& p : AllPairs()) {
        const int n = PairNumber(p.a, p.b);
        auto* shape = w.findChild<IndicatorShape*>(QString("Shape%1").arg(n));
        ASSERT_NE(shape, nullptr) << n;
        EXPECT_EQ(shape->geometry(), QRect(IndicatorLeft(p.b), IndicatorTop(p.a), 17, 10)) << n;
        EXPECT_EQ(shape->Colour(), kAqua);
    }
    EXPECT_EQ(w.findChild<IndicatorShape*>("Shape69")->geometry(), QRect(65, 70, 17, 10));
    EXPECT_EQ(w.findChild<QLabel*>("Label_columns")->text(),
              " 2       6       11        16       21       26       31");
    int i = 0;
    for (int pin : {1, 6, 11, 16, 21, 26, 31}) {
        auto* row = w.findChild<QLabel*>(QString("Label_row%1").arg(pin));
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->text(), QString::number(pin));
        EXPECT_EQ(row->y(), 36 + 80 * i++);
    }
    EXPECT_EQ(w.Label_keyb_con->text(), "Press start scan");
    EXPECT_EQ(LabelColour(w.Label_keyb_con), kRed);
    EXPECT_EQ(w.START_SCAN->text(), "START SCAN");
    EXPECT_EQ(w.Buzzer_box->text(), "Buzzer off");
    EXPECT_EQ(w.CheckBox_HIDE->text(), "Hide current");
    EXPECT_FALSE(w.CheckBox_HIDE->isEnabled());
}

TEST_F(KeyboardWindowTest, ScanLightsTheReportedPairsAndStopRestoresTheControls) {
    auto sim = KeyboardSim("pcb3", R"({"answers": [[3, 5, 7, 62, 10, 12, 38]]})");
    TKeyboard_testing w(sim, &mainWindow);
    w.show();
    w.Buzzer_box->setChecked(true);
    w.START_SCAN->click();
    ASSERT_TRUE(WaitUntil([&] { return w.Shape(300)->Colour() == kRed; }));
    EXPECT_EQ(w.Shape(69)->Colour(), kRed);
    EXPECT_EQ(w.Shape(71)->Colour(), kRed);
    EXPECT_EQ(w.Shape(70)->Colour(), kAqua);
    EXPECT_EQ(w.Label_keyb_con->text(), "Ready to work");
    EXPECT_EQ(LabelColour(w.Label_keyb_con), QColor(0, 255, 0));
    EXPECT_EQ(w.START_SCAN->text(), "STOP");
    EXPECT_FALSE(w.EXIT_KB_TEST->isEnabled());
    EXPECT_TRUE(w.CheckBox_HIDE->isEnabled());
    w.EXIT_KB_TEST->click(); // disabled, and refused while scanning anyway
    w.EXIT_KB_TESTClick();
    EXPECT_TRUE(w.isVisible());

    w.START_SCAN->click();
    ASSERT_TRUE(WaitIdle(w));
    EXPECT_EQ(w.Label_keyb_con->text(), "Press start scan");
    EXPECT_TRUE(w.EXIT_KB_TEST->isEnabled());
    EXPECT_FALSE(w.CheckBox_HIDE->isEnabled());
    EXPECT_FALSE(w.Buzzer_box->isChecked());
    const std::vector<std::uint8_t> toJig = sim->Jig().BytesToJig();
    EXPECT_EQ(std::count(toJig.begin(), toJig.end(), 'I'), 0); // "Buzzer off" was checked
    // Colours stay until Clear; the pairs read as text too.
    EXPECT_EQ(w.Shape(300)->Colour(), kRed);
    EXPECT_EQ(w.Label_pairs->text(), "Pairs seen: 3-5 3-7 10-12");
    w.Clear->click();
    ASSERT_TRUE(WaitUntil([&] { return w.Shape(300)->Colour() == kAqua; }));
    EXPECT_EQ(w.Label_pairs->text(), "Pairs seen: none");

    w.EXIT_KB_TEST->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(mainWindow.isVisible());
}

TEST_F(KeyboardWindowTest, SilentJigGivesDeviceNotFound) {
    TKeyboard_testing w(KeyboardSim("pcb3", R"({"answers": [[]]})"), &mainWindow);
    w.START_SCAN->click();
    ASSERT_TRUE(WaitIdle(w));
    EXPECT_EQ(w.Label_keyb_con->text(), "Device not found");
    EXPECT_EQ(LabelColour(w.Label_keyb_con), kRed);
}

TEST_F(KeyboardWindowTest, HeldKeyRepaintsNoMoreThan25TimesASecond) {
    TKeyboard_testing w(KeyboardSim("pcb3", R"({"keys": [{"pins": [3, 5], "stuck": true}]})"),
                        &mainWindow);
    w.show();
    PaintCounter counter;
    w.Shape(69)->installEventFilter(&counter);
    w.START_SCAN->click();
    ASSERT_TRUE(WaitUntil([&] { return w.Shape(69)->Colour() != kAqua; }));
    counter.paints = 0;
    QElapsedTimer clock;
    clock.start();
    WaitUntil([] { return false; }, 1000);
    const qint64 ms = clock.elapsed();
    w.START_SCAN->click();
    ASSERT_TRUE(WaitIdle(w));
    EXPECT_GT(counter.paints, 5); // it does blink
    EXPECT_LE(counter.paints, ms / TKeyboard_testing::kRepaintMs + 2);
}

TEST_F(KeyboardWindowTest, ClosingTheProgramDuringAScanEndsIt) {
    auto sim = KeyboardSim("pcb2-v41", R"({"keys": [{"pins": [3, 5], "stuck": true}]})");
    auto w = std::make_unique<TKeyboard_testing>(sim, &mainWindow);
    w->show();
    w->START_SCAN->click();
    ASSERT_TRUE(WaitUntil([&] { return w->Shape(69)->Colour() != kAqua; }));
    QElapsedTimer clock;
    clock.start();
    w.reset();
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(sim->Jig().BytesToJig().back(), 'Q');
}
