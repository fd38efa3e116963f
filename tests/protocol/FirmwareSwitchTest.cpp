// The PCB2 firmware switch against the simulated M88 and its bootloader.
#include "link/StandInMarker.h"
#include "port/UserFolders.h"
#include "shell/FirmwareFiles.h"
#include "shell/HexImage.h"
#include "sim/StandInFirmware.h"
#include "support/SwitchFixture.h"

#include <thread>

namespace {
using Lines = std::vector<std::string>;
using namespace std::chrono_literals;

const char* const kGreetingHex = "424F4F545F4D38385F56320D11";
const char* const kGreetingText = "BOOT M88 connected - BOOT_M88_V2  ";
const char* const kNoBoot = "You did not press the reset button or error response BOOT_loader";
const char* const kPushReset = "*** PLEASE PUSH RESET BUTTON ! ***";

ModeFirmwareImage StandInImageOf(const std::string& file) {
    for (const StandInFile& f : StandInFirmwareFiles())
        if (f.name == file) {
            ModeFirmwareImage image(kModeFirmwareImageSize, 0xFF);
            std::copy(f.image.begin(), f.image.end(), image.begin());
            return image;
        }
    return {};
}

class FirmwareSwitch : public SwitchFixture {};
} // namespace

TEST_F(FirmwareSwitch, OtherModeFirmwareIsReflashedAndStarted) {
    auto sim = MakeSim("pcb2-v41");
    ASSERT_EQ(Start(sim, "MEC jtag"), SwitchOutcome::ModeReady);

    const std::string file = (SimFirmwareFolder() / "M88_jtag.hex").string();
    EXPECT_EQ(port.Lines(),
              (Lines{"Current version of FW -> M88_ALLPCB_V41  ", "User select -> MEC jtag",
                     "Command go to BOOT ... ", kGreetingHex, kGreetingText, "Update firmware ... ",
                     "UPGRADE file loaded to buffer (" + file + ")", "Bytes read from file 10981",
                     "HEX position_buff 0F39", "отправлено EOF корректно",
                     "Exit from BOOT and RUN ... "}));
    EXPECT_EQ(port.Events(), (Lines{"show update", "timer 5sec", "hide update", "timer run"}));
    EXPECT_EQ(port.GaugeMax(), 0x0F39);
    EXPECT_EQ(port.Gauge(), 0x0F40);

    const std::string wire = Text(sim->Jig().BytesToJig());
    EXPECT_EQ(wire.substr(0, 3), "B?U");
    EXPECT_EQ(Count(wire, "pf\n"), 1u);
    EXPECT_EQ(Count(wire, ":10"), 0x0F40u / 16); // 244 records, 0x0000 to 0x0F30
    EXPECT_TRUE(wire.ends_with(":00000001FF\ng\n"));
    EXPECT_EQ(sim->Jig().Board().m88Image, StandInImageOf("M88_jtag.hex"));
    EXPECT_EQ(VersionNow(sim), "M88_JTAG_V42  ");
    EXPECT_NE(StartLogText().find("ReadThread_UPD start ... \n"), std::string::npos);
}

// At real wire speed (115200 baud to the bootloader, the FTDI chip's packets); how long it
// takes is tests/bench/switch-bench's business.
TEST_F(FirmwareSwitch, ReflashAtWireTiming) {
    auto sim = MakeSim("pcb2-v41", "{}", SimTiming::Wire);
    ASSERT_EQ(Start(sim, "MEC jtag"), SwitchOutcome::ModeReady);
    EXPECT_EQ(VersionNow(sim), "M88_JTAG_V42  ");
    EXPECT_EQ(sim->Jig().Board().m88Image, StandInImageOf("M88_jtag.hex"));
    // 244 records of 44 bytes at 115200 baud alone take about 0.93 s on the wire.
    EXPECT_GT(sim->Jig().Stats().wireNanos, 900'000'000);
}

TEST_F(FirmwareSwitch, RightFirmwareClosesTheUpdateWindowAtOnce) {
    auto sim = MakeSim("pcb2-v41");
    ASSERT_EQ(Start(sim, "ENE KB90XX"), SwitchOutcome::ModeReady);
    EXPECT_EQ(port.Lines(),
              (Lines{"Current version of FW -> M88_ALLPCB_V41  ", "User select -> ENE KB90XX"}));
    EXPECT_EQ(port.Events(), (Lines{"show update", "timer run", "hide update"}));
    EXPECT_EQ(Text(sim->Jig().BytesToJig()), "B");
    EXPECT_TRUE(sim->Jig().Board().m88Image.empty());
}

TEST_F(FirmwareSwitch, SilentJigIsReachedOnceTheResetButtonIsPressed) {
    auto sim = MakeSim("pcb2-v41", R"({"application": "hung",
                                       "events": [{"type": "resetButton", "atMs": 400}]})");
    const auto began = SteadyClock::now();
    ASSERT_EQ(Start(sim, "ITE"), SwitchOutcome::ModeReady);
    EXPECT_GE(SteadyClock::now() - began, 400ms);
    const Lines lines = port.Lines();
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 5),
              (Lines{"Current version of FW -> FTDI found, ERROR answer", "User select -> ITE",
                     kPushReset, kGreetingHex, kGreetingText}));
    EXPECT_EQ(lines.back(), "Exit from BOOT and RUN ... ");
    // No '?': the identification got no answer; 'U' went out until the bootloader greeted.
    const std::string wire = Text(sim->Jig().BytesToJig());
    EXPECT_EQ(wire.find('?'), std::string::npos);
    EXPECT_GE(Count(wire.substr(0, wire.find("pf")), "U"), 2u);
    EXPECT_EQ(VersionNow(sim), "ITE_PROJ_M88  ");
}

TEST_F(FirmwareSwitch, NoResetWithinTheWindowFailsAndOffersExit) {
    auto sim = MakeSim("pcb2-v41", R"({"application": "hung"})");
    SwitchTiming timing = SteadyTiming();
    timing.bootWindow = 300ms;
    const auto began = SteadyClock::now();
    ASSERT_EQ(Start(sim, "ITE", timing), SwitchOutcome::Failed);
    EXPECT_GE(SteadyClock::now() - began, 300ms);
    EXPECT_LT(SteadyClock::now() - began, 3s);
    EXPECT_EQ(port.Lines().back(), kNoBoot);
    EXPECT_EQ(port.Events(), (Lines{"show update", "timer 5sec", "exit"}));
    EXPECT_EQ(Text(sim->Jig().BytesToJig()).find_first_not_of('U', 1), std::string::npos);
}

TEST_F(FirmwareSwitch, TheFiveSecondTimerEndsTheWaitThroughItsFlag) {
    auto sim = MakeSim("pcb2-v41", R"({"application": "hung"})");
    std::thread timer;
    port.onBootWaitTimer = [&] {
        timer = std::thread([&] {
            std::this_thread::sleep_for(150ms);
            bootWaitExpired.store(true);
        });
    };
    const auto began = SteadyClock::now();
    EXPECT_EQ(Start(sim, "ITE"), SwitchOutcome::Failed); // the window itself is 5 s
    EXPECT_LT(SteadyClock::now() - began, 2s);
    timer.join();
    EXPECT_EQ(port.Lines().back(), kNoBoot);
}

TEST_F(FirmwareSwitch, ApplicationRefusingTheBootloaderIsReachedByTheResetButton) {
    auto sim = MakeSim("pcb2-npce", R"({"bootloader": {"refuseEntry": true},
                                        "events": [{"type": "resetButton", "whenCalledMs": 100}]})");
    ASSERT_EQ(Start(sim, "EDID lcd"), SwitchOutcome::ModeReady);
    EXPECT_EQ(LinesFrom(port.Lines(), "Command go to BOOT ... ").at(1),
              "*** FAULT ANSWER. PLEASE push reset button ***");
    EXPECT_EQ(VersionNow(sim), "M88_ALLPCB_V41  ");
}

TEST_F(FirmwareSwitch, RejectedRecordStopsTheTransferButStillLeavesTheBootloader) {
    auto sim = MakeSim("pcb2-v41", R"({"bootloader": {"rejectRecord": 3}})");
    ASSERT_EQ(Start(sim, "NUVOTON spi"), SwitchOutcome::Failed);
    const Lines tail = LinesFrom(port.Lines(), "HEX position_buff 11F6");
    EXPECT_EQ(tail, (Lines{"HEX position_buff 11F6", "ERROR FW upgrade!", "Flashing M88 error!"}));
    EXPECT_EQ(port.Events(), (Lines{"show update", "timer 5sec", "exit"}));
    EXPECT_EQ(port.Gauge(), 0x30); // three records went through
    const std::string wire = Text(sim->Jig().BytesToJig());
    EXPECT_EQ(Count(wire, ":10"), 4u);
    EXPECT_EQ(wire.find(":00000001FF"), std::string::npos);
    EXPECT_TRUE(wire.ends_with("g\n"));
    // The erased M88 has no application left: the next Start meets a silent JIG.
    EXPECT_EQ(VersionNow(sim), "FTDI found, ERROR answer");
}

TEST_F(FirmwareSwitch, ATwoByteAnswerPassesEvenWithMinusInSecondPlace) {
    // Reply bytes so far: 16 of 'B', 1 of '?', 13 of the greeting, 10 of "pf"; the first
    // record's answer "\r+\x11" has its '+' at 41. XOR 6 turns it into '-'.
    auto sim =
        MakeSim("pcb2-v41", R"({"faults": [{"type": "corrupt", "replyByte": 41, "xor": 6}]})");
    EXPECT_EQ(Start(sim, "MEC jtag"), SwitchOutcome::ModeReady);
    EXPECT_EQ(VersionNow(sim), "M88_JTAG_V42  ");
}

TEST_F(FirmwareSwitch, GreetingWithoutItsEndByteIsTriedThreeTimes) {
    // Greetings start at reply byte 17 (16 of 'B', 1 of '?'); each is 13 bytes ending 0x11.
    auto twoLost = MakeSim("pcb2-v41", R"({"faults": [{"type": "drop", "replyByte": 29},
                                                       {"type": "drop", "replyByte": 42}]})");
    ASSERT_EQ(Start(twoLost, "MEC jtag"), SwitchOutcome::ModeReady);
    EXPECT_EQ(Count(Text(twoLost->Jig().BytesToHost()), "BOOT_M88_V2"), 3u);
    const Lines lines = LinesFrom(port.Lines(), "Command go to BOOT ... ");
    EXPECT_EQ(Lines(lines.begin() + 1, lines.begin() + 4),
              (Lines{kPushReset, kPushReset, kGreetingHex}));

    port.Memo("---");
    auto threeLost = MakeSim("pcb2-v41", R"({"faults": [{"type": "drop", "replyByte": 29},
                                                         {"type": "drop", "replyByte": 42},
                                                         {"type": "drop", "replyByte": 55}]})");
    ASSERT_EQ(Start(threeLost, "MEC jtag"), SwitchOutcome::Failed);
    EXPECT_EQ(LinesFrom(port.Lines(), "---"),
              (Lines{"---", "Current version of FW -> M88_ALLPCB_V41  ", "User select -> MEC jtag",
                     "Command go to BOOT ... ", kPushReset, kPushReset, kNoBoot}));
    EXPECT_EQ(Count(Text(threeLost->Jig().BytesToHost()), "BOOT_M88_V2"), 3u);
    EXPECT_EQ(Text(threeLost->Jig().BytesToJig()).find("pf"), std::string::npos);
}

TEST_F(FirmwareSwitch, GreetingByteOnItsThirdReadIsStoredAndALateBangIsAFaultAnswer) {
    // Every reply's bytes from the thirteenth on come 650 ms late: the greeting's 0x11 lands on
    // the third 300 ms read of its byte, and the tail of the identification answer holds up
    // the '!' past the five reads.
    auto sim = MakeSim("pcb2-v41", R"({"faults": [{"type": "split", "pieces": 12, "ms": 650}]})");
    ASSERT_EQ(Start(sim, "MEC jtag"), SwitchOutcome::ModeReady);
    const Lines lines = LinesFrom(port.Lines(), "Command go to BOOT ... ");
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 4),
              (Lines{"Command go to BOOT ... ", "*** FAULT ANSWER. PLEASE push reset button ***",
                     kGreetingHex, kGreetingText}));
    EXPECT_EQ(port.Lines().front(), "Current version of FW -> M88_ALLPCB_V");
}

TEST_F(FirmwareSwitch, MissingFileIsNamedAndTheBootloaderStillRuns) {
    const std::string fw = UseFirmwareFolder();
    auto sim = MakeSim("pcb2-v41");
    ASSERT_EQ(Start(sim, "MEC jtag"), SwitchOutcome::Failed);
    EXPECT_EQ(LinesFrom(port.Lines(), "Update firmware ... "),
              (Lines{"Update firmware ... ",
                     "Not found .hex file -> " + dir.File("program") +
                         "/M88_jtag.hex for M88 in the program folder ",
                     "M88_jtag.hex not found (looked in " + fw + ", " + dir.File("program") + ", " +
                         UserDataFolder().string() + ", " + dir.File("share/tolvane-jig") + ")"}));
    EXPECT_TRUE(Text(sim->Jig().BytesToJig()).ends_with("UUg\n") ||
                Text(sim->Jig().BytesToJig()).ends_with("Ug\n"));
    EXPECT_TRUE(port.HasEvent("exit"));
    // Nothing was erased: the old firmware answers again.
    EXPECT_EQ(VersionNow(sim), "M88_ALLPCB_V41  ");
}

TEST_F(FirmwareSwitch, LastDataByteAt0123SendsNineteenRecords) {
    const std::string fw = UseFirmwareFolder();
    ModeFirmwareImage image(0x124, 0x00);
    image[0x123] = 0x42;
    WriteFileBytes(fw + "/M88_jtag.hex", IntelHexText(image));
    auto sim = MakeSim("pcb2-v41");
    ASSERT_EQ(Start(sim, "MEC jtag"), SwitchOutcome::ModeReady);
    EXPECT_TRUE(port.HasLine("HEX position_buff 0123"));
    EXPECT_EQ(port.GaugeMax(), 0x123);
    const std::string wire = Text(sim->Jig().BytesToJig());
    EXPECT_EQ(Count(wire, ":10"), 19u);
    EXPECT_NE(wire.find(":10012000"), std::string::npos);
    EXPECT_EQ(wire.find(":10013000"), std::string::npos);
    // The last record carries the image's 0xFF fill after 0x0123.
    EXPECT_NE(wire.find(":1001200000000042FFFFFFFFFFFFFFFFFFFFFFFF"), std::string::npos);
}

TEST_F(FirmwareSwitch, BadFilesNeverReachTheBootloader) {
    const std::string fw = UseFirmwareFolder();
    struct Case {
        const char* what;
        std::string text;
        Lines lines;
    } cases[] = {
        {"LF only",
         ":0401200001020304D1\n:00000001FF\n",
         {"Wrong file format!", "Error format .hex file for M88!"}},
        {"type 04",
         ":020000040000FA\r\n:0401200001020304D1\r\n:00000001FF\r\n",
         {"Wrong file format!", "Error format .hex file for M88!"}},
        {"past 0x17FF",
         ":041800000102030400\r\n:00000001FF\r\n",
         {"Wrong file format!", "Error format .hex file for M88!"}},
        {"no data",
         ":00000001FF\r\n",
         {"No program bytes for M88 in the .hex file!", "Error format .hex file for M88!"}},
        {"empty",
         "",
         {"No program bytes for M88 in the .hex file!", "Error format .hex file for M88!"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFileBytes(fw + "/ITE_PROJ_M88.hex", c.text);
        port.Memo("---");
        auto sim = MakeSim("pcb2-v41");
        ASSERT_EQ(Start(sim, "ITE"), SwitchOutcome::Failed);
        Lines tail =
            LinesFrom(port.Lines(), "Bytes read from file " + std::to_string(c.text.size()));
        ASSERT_FALSE(tail.empty());
        EXPECT_EQ(Lines(tail.begin() + 1, tail.end()), c.lines);
        const std::string wire = Text(sim->Jig().BytesToJig());
        EXPECT_EQ(wire.find("pf"), std::string::npos);
        EXPECT_TRUE(wire.ends_with("g\n"));
        EXPECT_EQ(VersionNow(sim), "M88_ALLPCB_V41  ");
    }
}

TEST_F(FirmwareSwitch, StandInImageIsNeverSentToARealJig) {
    // A stand-in copied beside the program: the simulator answers, but the link says "real".
    const std::string standIn = (SimFirmwareFolder() / "M88_jtag.hex").string();
    WriteFileBytes(dir.File("program/M88_jtag.hex"), ReadFileText(standIn));
    auto sim = MakeSim("pcb2-v41");
    auto real = std::make_shared<RealLookingApi>(sim);
    ASSERT_EQ(Start(real, "MEC jtag"), SwitchOutcome::Failed);
    EXPECT_TRUE(
        port.HasLine("UPGRADE file loaded to buffer (" + dir.File("program") + "/M88_jtag.hex)"));
    EXPECT_TRUE(port.HasLine("This .hex file is a stand-in made for the simulated JIG; it is not "
                             "sent to a real JIG!"));
    EXPECT_EQ(Text(sim->Jig().BytesToJig()).find("pf"), std::string::npos);
}

TEST_F(FirmwareSwitch, CancelEndsTheBootloaderWaitAtOnce) {
    auto sim = MakeSim("pcb2-v41", R"({"application": "hung"})");
    ProgrammerLink link(sim);
    ASSERT_EQ(IdentifyForStart(link), StartStep::FirmwareSwitch);
    SwitchTiming timing = SteadyTiming();
    timing.bootWindow = 60s;
    ReadThread_UPD upd(link, port, bootWaitExpired, "ITE", timing);
    SwitchOutcome outcome = SwitchOutcome::ModeReady;
    const auto began = SteadyClock::now();
    std::thread worker([&] { outcome = upd.Execute(); });
    std::this_thread::sleep_for(100ms);
    upd.Cancel();
    worker.join();
    EXPECT_LT(SteadyClock::now() - began, 2s);
    EXPECT_EQ(outcome, SwitchOutcome::Cancelled);
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(port.Lines().back(), "Firmware switch stopped.");
    EXPECT_TRUE(port.HasEvent("exit"));
}
