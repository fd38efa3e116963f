// The keyboard tester's scan against the simulated JIG: indicators, buzzer, hiding, the
// answer watchdog and the ways a scan ends.
#include "modes/Keyboard/KeyboardScanner.h"
#include "modes/Keyboard/KeyboardStatus.h"
#include "sim/chips/KeyboardMatrix.h"
#include "support/RecordingKeyboard.h"
#include "support/SimFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

using namespace Keyboard;

namespace {

using Bytes = std::vector<std::uint8_t>;

std::shared_ptr<SimFtdiApi> KeyboardSim(const std::string& board, const std::string& keyboard,
                                        const std::string& faults = "") {
    std::string json = R"({"chips": {"keyboard": )" + keyboard + "}";
    if (!faults.empty())
        json += R"(, "faults": [)" + faults + "]";
    return MakeSim(board, json + "}");
}

long Count(const Bytes& bytes, std::uint8_t b) {
    return std::count(bytes.begin(), bytes.end(), b);
}

auto AnswersAtLeast(int n) {
    return [n](const RecordingKeyboard& k) { return k.Answers() >= n; };
}

auto ChangesOfAtLeast(int pair, std::size_t n) {
    return [pair, n](const RecordingKeyboard& k) { return k.ColoursOf(pair).size() >= n; };
}

SimKeyboardMatrix& Keys(SimFtdiApi& sim) {
    return *dynamic_cast<SimKeyboardMatrix*>(sim.Jig().Module("keyboard"));
}

// Stops a running scan as the second click on START SCAN does, and waits for its end.
void Stop(KeyboardScanner& scanner, RecordingKeyboard& shown) {
    scanner.StartScanClick();
    ASSERT_TRUE(shown.WaitForEnd());
    scanner.Join();
}

} // namespace

TEST(KeyboardScan, AnswerLightsShape69Shape71AndShape300) {
    auto sim = KeyboardSim("pcb3", R"({"answers": [[3, 5, 7, 62, 10, 12, 38]]})");
    RecordingKeyboard shown;
    KeyboardScanner scanner(sim, shown);
    scanner.StartScanClick();
    ASSERT_TRUE(shown.WaitUntil(AnswersAtLeast(3)));
    Stop(scanner, shown);

    using C = std::pair<int, Colour>;
    EXPECT_EQ(shown.Changes(),
              (std::vector<C>{{69, Colour::Red}, {71, Colour::Red}, {300, Colour::Red}}));
    EXPECT_EQ(scanner.ColourOf(71), Colour::Red);
    const Bytes toJig = sim->Jig().BytesToJig();
    ASSERT_GE(toJig.size(), 4u);
    // One report, one beep; PCB3 scans with 'U' from the first request and gets no 'Q'.
    EXPECT_EQ((Bytes{toJig[0], toJig[1], toJig[2], toJig[3]}), (Bytes{'B', 'U', 'I', 'U'}));
    EXPECT_EQ(Count(toJig, 'I'), 1);
    EXPECT_EQ(Count(toJig, 'Q'), 0);
    EXPECT_EQ(Count(toJig, 'u'), 0);
}

TEST(KeyboardScan, HeldKeyBlinksAndStopOnPcb2SendsQ) {
    auto sim = KeyboardSim("pcb2-v41", R"({"keys": [{"pins": [5, 3], "stuck": true}]})");
    RecordingKeyboard shown;
    KeyboardScanner scanner(sim, shown);
    scanner.StartScanClick();
    EXPECT_EQ(scanner.State(), "Keyboard");
    ASSERT_TRUE(shown.WaitUntil(ChangesOfAtLeast(69, 3)));
    Stop(scanner, shown);

    const std::vector<Colour> colours = shown.ColoursOf(69);
    EXPECT_EQ((std::vector<Colour>{colours[0], colours[1], colours[2]}),
              (std::vector<Colour>{Colour::Red, Colour::Yellow, Colour::Red}));
    const Bytes toJig = sim->Jig().BytesToJig();
    EXPECT_EQ(toJig[1], 'u');
    EXPECT_EQ(Count(toJig, 'u'), 1);
    EXPECT_EQ(toJig.back(), 'Q');
    // The JIG takes the 'Q' on its own thread.
    for (int i = 0; i < 1000 && Keys(*sim).Stops() == 0; ++i)
        std::this_thread::sleep_for(Millis(1));
    EXPECT_EQ(Keys(*sim).Stops(), 1);
    EXPECT_GE(Count(toJig, 'I'), 3); // a beep per report, none awaited on PCB2
    EXPECT_EQ(shown.Words(), (std::vector<std::string>{"NO", "YES", "NO"}));
    EXPECT_EQ(shown.Running(), (std::vector<bool>{true, false}));
    EXPECT_EQ(scanner.State(), "NONE");
    EXPECT_EQ(scanner.EndReason(), "stopped");
}

TEST(KeyboardScan, AmpersandAloneChangesNothingAndSoundsNothing) {
    auto sim = KeyboardSim("pcb3", R"({"keys": []})");
    RecordingKeyboard shown;
    KeyboardScanner scanner(sim, shown);
    scanner.StartScanClick();
    ASSERT_TRUE(shown.WaitUntil(AnswersAtLeast(20)));
    Stop(scanner, shown);
    EXPECT_TRUE(shown.Changes().empty());
    EXPECT_EQ(Count(sim->Jig().BytesToJig(), 'I'), 0);
}

TEST(KeyboardScan, HideCurrentTurnsTheHeldKeyBlackWhileOthersBlinkAndBeep) {
    auto sim = KeyboardSim(
        "pcb3", R"({"keys": [{"pins": [10, 12], "stuck": true}, {"pins": [3, 5], "from": 700}]})");
    RecordingKeyboard shown;
    KeyboardScanner scanner(sim, shown);
    scanner.StartScanClick();
    ASSERT_TRUE(shown.WaitUntil(ChangesOfAtLeast(300, 2)));
    scanner.SetHideCurrent(true);
    ASSERT_TRUE(shown.WaitUntil([](const RecordingKeyboard& k) {
        const auto c = k.ColoursOf(300);
        return !c.empty() && c.back() == Colour::Black;
    }));
    EXPECT_EQ(scanner.Hide(), HideMode::End);
    // Only the hidden key is held now: nothing is painted and nothing beeps.
    std::this_thread::sleep_for(Millis(30));
    const long beeps = Count(sim->Jig().BytesToJig(), 'I');
    const std::size_t shownChanges = shown.Changes().size();
    std::this_thread::sleep_for(Millis(150));
    EXPECT_EQ(Count(sim->Jig().BytesToJig(), 'I'), beeps);
    EXPECT_EQ(shown.Changes().size(), shownChanges);

    ASSERT_TRUE(shown.WaitUntil(ChangesOfAtLeast(69, 3)));
    Stop(scanner, shown);
    const std::vector<Colour> hidden = shown.ColoursOf(300);
    EXPECT_EQ(hidden.back(), Colour::Black);
    EXPECT_EQ(std::count(hidden.begin(), hidden.end(), Colour::Black), 1);
    EXPECT_GT(Count(sim->Jig().BytesToJig(), 'I'), beeps);
    EXPECT_EQ(scanner.Hide(), HideMode::None); // unchecked at the end of the scan
}

// The ways a scan ends by itself, each as "Device not found": no answer within its second (the
// wait for the buzzer's acknowledgement does not restart that second), no acknowledgement on
// PCB3, an answer that does not end; PCB2 then sends no 'Q'.
TEST(KeyboardScan, ScanEndsByItselfWithDeviceNotFoundAndSaysWhy) {
    const std::string noAnswer = "no scan answer within 1000 ms";
    const std::string report = R"({"answers": [[3, 5, 38]]})";
    std::string longAnswer = R"({"answers": [[5)";
    for (int i = 1; i < 1100; ++i)
        longAnswer += ",5";
    longAnswer += "]]}";
    // Replies: version, first answer (a report), buzzer acknowledgement, second answer.
    const std::string lateAck = R"({"type": "delay", "afterReplies": 2, "ms": 600})";
    struct Case {
        const char* board;
        std::string keyboard, faults, reason;
        int answers; // shown before the end; -1: not counted
    } cases[] = {
        {"pcb3", R"({"answers": [[]]})", "", noAnswer, 0},
        {"pcb2-v41", R"({"answers": [[]]})", "", noAnswer, 0},
        {"pcb3", report, lateAck + R"(, {"type": "delay", "afterReplies": 3, "ms": 600})", noAnswer,
         1},
        {"pcb3", report, R"({"type": "silence", "afterReplies": 2})",
         "no buzzer acknowledgement within 1000 ms", 1},
        {"pcb3", longAnswer, "", "the answer did not end within 1024 bytes", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason + " " + c.faults);
        auto sim = KeyboardSim(c.board, c.keyboard, c.faults);
        RecordingKeyboard shown;
        KeyboardScanner scanner(sim, shown);
        const auto start = SteadyClock::now();
        scanner.StartScanClick();
        ASSERT_TRUE(shown.WaitForEnd());
        scanner.Join();
        if (c.reason.find("1024") != std::string::npos) { // at once, not at the second's end
            EXPECT_LT(SteadyClock::now() - start, Millis(900));
        }
        EXPECT_EQ(scanner.EndReason(), c.reason);
        EXPECT_EQ(scanner.StatusWord(), "NO FTDI");
        EXPECT_STREQ(StatusLabelOf(scanner.StatusWord()).text, "Device not found");
        EXPECT_EQ(scanner.State(), "NONE");
        EXPECT_EQ(shown.Answers(), c.answers);
        if (c.answers == 0) {
            EXPECT_TRUE(shown.Changes().empty());
        }
        EXPECT_EQ(Count(sim->Jig().BytesToJig(), 'Q'), 0);
    }
    // Only the late acknowledgement: the second answer comes in its second.
    auto sim = KeyboardSim("pcb3", report, lateAck);
    RecordingKeyboard shown;
    KeyboardScanner scanner(sim, shown);
    scanner.StartScanClick();
    ASSERT_TRUE(shown.WaitUntil(AnswersAtLeast(3)));
    Stop(scanner, shown);
    EXPECT_EQ(scanner.EndReason(), "stopped");
}

TEST(KeyboardScan, AnswerInPiecesIsProcessedOnceWhenItsEndArrives) {
    auto sim = KeyboardSim("pcb2-v41", R"({"answers": [[3, 5, 7, 62, 10, 12, 38]]})",
                           R"({"type": "split", "pieces": 2, "ms": 5})");
    RecordingKeyboard shown;
    KeyboardScanner scanner(sim, shown);
    scanner.StartScanClick();
    ASSERT_TRUE(shown.WaitUntil(AnswersAtLeast(3)));
    Stop(scanner, shown);
    EXPECT_EQ(shown.Changes().size(), 3u);
    const auto reports = shown.Reports();
    EXPECT_EQ(reports[0], (std::vector<PinPair>{{3, 5}, {3, 7}, {10, 12}}));
    EXPECT_TRUE(reports[1].empty());
}

TEST(KeyboardScan, ClearRepaintsDuringAScanAndAtOnceWhenIdle) {
    auto sim = KeyboardSim("pcb3", R"({"answers": [[2, 3, 38]]})");
    RecordingKeyboard shown;
    KeyboardScanner scanner(sim, shown);
    scanner.StartScanClick();
    ASSERT_TRUE(shown.WaitUntil(ChangesOfAtLeast(35, 1)));
    scanner.ClearClick();
    ASSERT_TRUE(
        shown.WaitUntil([](const RecordingKeyboard& k) { return k.Changes().size() >= 497; }));
    EXPECT_EQ(scanner.ColourOf(35), Colour::Aqua);
    Stop(scanner, shown);

    scanner.SetHideCurrent(false);
    const std::size_t before = shown.Changes().size();
    scanner.ClearClick();
    EXPECT_EQ(shown.Changes().size(), before + 496);
}

TEST(KeyboardScan, ShutdownEndsASilentWaitAtOnce) {
    auto sim = KeyboardSim("pcb2-v41", R"({"answers": [[]]})");
    RecordingKeyboard shown;
    auto scanner = std::make_unique<KeyboardScanner>(sim, shown);
    scanner->StartScanClick();
    std::this_thread::sleep_for(Millis(100));
    const auto start = SteadyClock::now();
    scanner->Shutdown();
    EXPECT_LT(SteadyClock::now() - start, Millis(500));
    EXPECT_EQ(scanner->EndReason(), "stopped");
    EXPECT_EQ(scanner->State(), "NONE");
    EXPECT_EQ(sim->Jig().BytesToJig().back(), 'Q');
}

TEST(KeyboardScan, NoJigOrOutdatedFirmwareNeverStarts) {
    {
        auto sim = MakeSim("pcb3", R"({"devices": []})");
        RecordingKeyboard shown;
        KeyboardScanner scanner(sim, shown);
        scanner.StartScanClick();
        EXPECT_EQ(scanner.StatusWord(), "NO FTDI");
        EXPECT_EQ(scanner.State(), "NONE");
        EXPECT_TRUE(shown.Running().empty());
    }
    auto sim = MakeSim("pcb2-ite");
    RecordingKeyboard shown;
    KeyboardScanner scanner(sim, shown);
    scanner.StartScanClick();
    EXPECT_EQ(scanner.StatusWord(), "OLD FW");
    EXPECT_STREQ(StatusLabelOf("OLD FW").text, "Please update FW");
    EXPECT_EQ(scanner.State(), "NONE");
    EXPECT_EQ(sim->Jig().BytesToJig(), Bytes{'B'});
}

// After an error ending, a new scan starts with 'u' again, which the JIG takes whatever the
// last one left.
TEST(KeyboardScan, Pcb2ScanAfterAnErrorEndingStartsAfresh) {
    auto sim = KeyboardSim("pcb2-v41", R"({"answers": [[]]})");
    RecordingKeyboard shown;
    KeyboardScanner scanner(sim, shown);
    scanner.StartScanClick();
    ASSERT_TRUE(shown.WaitForEnd());
    scanner.Join();
    RecordingKeyboard again;
    KeyboardScanner next(sim, again);
    next.StartScanClick();
    ASSERT_TRUE(again.WaitUntil(AnswersAtLeast(2)));
    Stop(next, again);
    const Bytes wire = sim->Jig().BytesToJig();
    EXPECT_EQ(Count(wire, 'u'), 2);
    EXPECT_EQ(wire.back(), 'Q');
}
