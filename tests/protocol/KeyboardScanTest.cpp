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

// A scan started with START SCAN on `jig`, and what it showed.
struct Scan {
    explicit Scan(std::shared_ptr<SimFtdiApi> jig) : sim(std::move(jig)), scanner(sim, shown) {
        scanner.StartScanClick();
    }
    Scan(const std::string& board, const std::string& keyboard, const std::string& faults = "")
        : Scan(KeyboardSim(board, keyboard, faults)) {}
    // Stops it as the second click on START SCAN does, and waits for its end.
    void Stop() {
        scanner.StartScanClick();
        ASSERT_TRUE(shown.WaitForEnd());
        scanner.Join();
    }
    // Waits for the scan to end by itself.
    void Ended() {
        ASSERT_TRUE(shown.WaitForEnd());
        scanner.Join();
    }
    Bytes Wire() const { return sim->Jig().BytesToJig(); }

    std::shared_ptr<SimFtdiApi> sim;
    RecordingKeyboard shown;
    KeyboardScanner scanner;
};

} // namespace

TEST(KeyboardScan, AnswerLightsShape69Shape71AndShape300) {
    Scan s("pcb3", R"({"answers": [[3, 5, 7, 62, 10, 12, 38]]})");
    ASSERT_TRUE(s.shown.WaitUntil(AnswersAtLeast(3)));
    s.Stop();

    using C = std::pair<int, Colour>;
    EXPECT_EQ(s.shown.Changes(),
              (std::vector<C>{{69, Colour::Red}, {71, Colour::Red}, {300, Colour::Red}}));
    EXPECT_EQ(s.scanner.ColourOf(71), Colour::Red);
    const Bytes toJig = s.Wire();
    ASSERT_GE(toJig.size(), 4u);
    // One report, one beep; PCB3 scans with 'U' from the first request and gets no 'Q'.
    EXPECT_EQ((Bytes{toJig[0], toJig[1], toJig[2], toJig[3]}), (Bytes{'B', 'U', 'I', 'U'}));
    EXPECT_EQ(Count(toJig, 'I'), 1);
    EXPECT_EQ(Count(toJig, 'Q'), 0);
    EXPECT_EQ(Count(toJig, 'u'), 0);
}

TEST(KeyboardScan, HeldKeyBlinksAndStopOnPcb2SendsQ) {
    Scan s("pcb2-v41", R"({"keys": [{"pins": [5, 3], "stuck": true}]})");
    EXPECT_EQ(s.scanner.State(), "Keyboard");
    ASSERT_TRUE(s.shown.WaitUntil(ChangesOfAtLeast(69, 3)));
    s.Stop();

    const std::vector<Colour> colours = s.shown.ColoursOf(69);
    EXPECT_EQ((std::vector<Colour>{colours[0], colours[1], colours[2]}),
              (std::vector<Colour>{Colour::Red, Colour::Yellow, Colour::Red}));
    const Bytes toJig = s.Wire();
    EXPECT_EQ(toJig[1], 'u');
    EXPECT_EQ(Count(toJig, 'u'), 1);
    EXPECT_EQ(toJig.back(), 'Q');
    // The JIG takes the 'Q' on its own thread.
    for (int i = 0; i < 1000 && Keys(*s.sim).Stops() == 0; ++i)
        std::this_thread::sleep_for(Millis(1));
    EXPECT_EQ(Keys(*s.sim).Stops(), 1);
    EXPECT_GE(Count(toJig, 'I'), 3); // a beep per report, none awaited on PCB2
    EXPECT_EQ(s.shown.Words(), (std::vector<std::string>{"NO", "YES", "NO"}));
    EXPECT_EQ(s.shown.Running(), (std::vector<bool>{true, false}));
    EXPECT_EQ(s.scanner.State(), "NONE");
    EXPECT_EQ(s.scanner.EndReason(), "stopped");
}

TEST(KeyboardScan, AmpersandAloneChangesNothingAndSoundsNothing) {
    Scan s("pcb3", R"({"keys": []})");
    ASSERT_TRUE(s.shown.WaitUntil(AnswersAtLeast(20)));
    s.Stop();
    EXPECT_TRUE(s.shown.Changes().empty());
    EXPECT_EQ(Count(s.Wire(), 'I'), 0);
}

TEST(KeyboardScan, HideCurrentTurnsTheHeldKeyBlackWhileOthersBlinkAndBeep) {
    Scan s("pcb3",
           R"({"keys": [{"pins": [10, 12], "stuck": true}, {"pins": [3, 5], "from": 700}]})");
    ASSERT_TRUE(s.shown.WaitUntil(ChangesOfAtLeast(300, 2)));
    s.scanner.SetHideCurrent(true);
    ASSERT_TRUE(s.shown.WaitUntil([](const RecordingKeyboard& k) {
        const auto c = k.ColoursOf(300);
        return !c.empty() && c.back() == Colour::Black;
    }));
    EXPECT_EQ(s.scanner.Hide(), HideMode::End);
    // Only the hidden key is held now: nothing is painted and nothing beeps.
    std::this_thread::sleep_for(Millis(30));
    const long beeps = Count(s.Wire(), 'I');
    const std::size_t shownChanges = s.shown.Changes().size();
    std::this_thread::sleep_for(Millis(150));
    EXPECT_EQ(Count(s.Wire(), 'I'), beeps);
    EXPECT_EQ(s.shown.Changes().size(), shownChanges);

    ASSERT_TRUE(s.shown.WaitUntil(ChangesOfAtLeast(69, 3)));
    s.Stop();
    const std::vector<Colour> hidden = s.shown.ColoursOf(300);
    EXPECT_EQ(hidden.back(), Colour::Black);
    EXPECT_EQ(std::count(hidden.begin(), hidden.end(), Colour::Black), 1);
    EXPECT_GT(Count(s.Wire(), 'I'), beeps);
    EXPECT_EQ(s.scanner.Hide(), HideMode::None); // unchecked at the end of the scan
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
        const auto start = SteadyClock::now();
        Scan s(c.board, c.keyboard, c.faults);
        s.Ended();
        if (c.reason.find("1024") != std::string::npos) { // at once, not at the second's end
            EXPECT_LT(SteadyClock::now() - start, Millis(900));
        }
        EXPECT_EQ(s.scanner.EndReason(), c.reason);
        EXPECT_EQ(s.scanner.StatusWord(), "NO FTDI");
        EXPECT_STREQ(StatusLabelOf(s.scanner.StatusWord()).text, "Device not found");
        EXPECT_EQ(s.scanner.State(), "NONE");
        EXPECT_EQ(s.shown.Answers(), c.answers);
        if (c.answers == 0) {
            EXPECT_TRUE(s.shown.Changes().empty());
        }
        EXPECT_EQ(Count(s.Wire(), 'Q'), 0);
    }
    // Only the late acknowledgement: the second answer comes in its second.
    Scan s("pcb3", report, lateAck);
    ASSERT_TRUE(s.shown.WaitUntil(AnswersAtLeast(3)));
    s.Stop();
    EXPECT_EQ(s.scanner.EndReason(), "stopped");
}

TEST(KeyboardScan, AnswerInPiecesIsProcessedOnceWhenItsEndArrives) {
    Scan s("pcb2-v41", R"({"answers": [[3, 5, 7, 62, 10, 12, 38]]})",
           R"({"type": "split", "pieces": 2, "ms": 5})");
    ASSERT_TRUE(s.shown.WaitUntil(AnswersAtLeast(3)));
    s.Stop();
    EXPECT_EQ(s.shown.Changes().size(), 3u);
    const auto reports = s.shown.Reports();
    EXPECT_EQ(reports[0], (std::vector<PinPair>{{3, 5}, {3, 7}, {10, 12}}));
    EXPECT_TRUE(reports[1].empty());
}

TEST(KeyboardScan, ClearRepaintsDuringAScanAndAtOnceWhenIdle) {
    Scan s("pcb3", R"({"answers": [[2, 3, 38]]})");
    ASSERT_TRUE(s.shown.WaitUntil(ChangesOfAtLeast(35, 1)));
    s.scanner.ClearClick();
    ASSERT_TRUE(
        s.shown.WaitUntil([](const RecordingKeyboard& k) { return k.Changes().size() >= 497; }));
    EXPECT_EQ(s.scanner.ColourOf(35), Colour::Aqua);
    s.Stop();

    s.scanner.SetHideCurrent(false);
    const std::size_t before = s.shown.Changes().size();
    s.scanner.ClearClick();
    EXPECT_EQ(s.shown.Changes().size(), before + 496);
}

TEST(KeyboardScan, ShutdownEndsASilentWaitAtOnce) {
    Scan s("pcb2-v41", R"({"answers": [[]]})");
    std::this_thread::sleep_for(Millis(100));
    const auto start = SteadyClock::now();
    s.scanner.Shutdown();
    EXPECT_LT(SteadyClock::now() - start, Millis(500));
    EXPECT_EQ(s.scanner.EndReason(), "stopped");
    EXPECT_EQ(s.scanner.State(), "NONE");
    EXPECT_EQ(s.Wire().back(), 'Q');
}

TEST(KeyboardScan, NoJigOrOutdatedFirmwareNeverStarts) {
    {
        Scan none(MakeSim("pcb3", R"({"devices": []})"));
        EXPECT_EQ(none.scanner.StatusWord(), "NO FTDI");
        EXPECT_EQ(none.scanner.State(), "NONE");
        EXPECT_TRUE(none.shown.Running().empty());
    }
    Scan old(MakeSim("pcb2-ite"));
    EXPECT_EQ(old.scanner.StatusWord(), "OLD FW");
    EXPECT_STREQ(StatusLabelOf("OLD FW").text, "Please update FW");
    EXPECT_EQ(old.scanner.State(), "NONE");
    EXPECT_EQ(old.Wire(), Bytes{'B'});
}

// After an error ending, a new scan starts with 'u' again, which the JIG takes whatever the
// last one left.
TEST(KeyboardScan, Pcb2ScanAfterAnErrorEndingStartsAfresh) {
    Scan first("pcb2-v41", R"({"answers": [[]]})");
    first.Ended();
    Scan next(first.sim);
    ASSERT_TRUE(next.shown.WaitUntil(AnswersAtLeast(2)));
    next.Stop();
    const Bytes wire = next.Wire();
    EXPECT_EQ(Count(wire, 'u'), 2);
    EXPECT_EQ(wire.back(), 'Q');
}
