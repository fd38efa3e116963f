// The PCB3 package update against the simulated M328 bootloader, and the start of Start.
#include "port/UserFolders.h"
#include "shell/FirmwareFiles.h"
#include "shell/UpdatePcb3Firmware.h"
#include "sim/StandInFirmware.h"
#include "support/SwitchFixture.h"

namespace {
using Lines = std::vector<std::string>;
using namespace std::chrono_literals;

// The technician presses the reset button shortly after the prompt.
const char* const kPressed = R"("events": [{"type": "resetButton", "whenCalledMs": 50}])";

std::string Pressed(const std::string& more = "") {
    return std::string("{") + kPressed + (more.empty() ? "" : ", " + more) + "}";
}

std::vector<std::uint8_t> Padded(std::vector<std::uint8_t> package, std::size_t blocks) {
    package.resize(blocks * kPcb3BlockSize, 0xFF);
    return package;
}

class Pcb3Update : public SwitchFixture {};
} // namespace

TEST_F(Pcb3Update, OutdatedFirmwareIsUpdatedFromThePackage) {
    auto sim = MakeSim("pcb3-old", Pressed());
    ASSERT_EQ(Start(sim, "ITE"), SwitchOutcome::ModeReady);
    EXPECT_EQ(
        port.Lines(),
        (Lines{"Loaded to buffer bytes (dec): 29500",
               "Founded FTDI device, wait answer. (RESET pushed?)", "Readed bytes answer -> 9",
               "Readed bytes (hex)  -> 563353 4D3332380D0A", "Bootloader M328 ANSWER_OK",
               "Current time  10:20:30", "UPDATE completed successfully."}));
    EXPECT_EQ(port.Events(), (Lines{"show update", "reset prompt", "reset prompt ended",
                                    "hide update", "timer run"}));
    EXPECT_EQ(port.GaugeMax(), 230);
    const std::vector<int> gauge = port.GaugePositions();
    ASSERT_GE(gauge.size(), 3u);
    EXPECT_EQ(gauge[gauge.size() - 2], 231); // 230 full blocks and the padded tail
    EXPECT_EQ(gauge.back(), 0);

    EXPECT_TRUE(Text(sim->Jig().BytesToJig()).ends_with("X"));
    EXPECT_EQ(VersionNow(sim), "M328_EPM240_v16  "); // also waits for the JIG to take 'X'
    const std::string package = ReadFileText((SimFirmwareFolder() / kPcb3PackageFile).string());
    EXPECT_EQ(sim->Jig().Board().m328Image, Padded({package.begin(), package.end()}, 231));

    const std::string log = StartLogText();
    const std::size_t started = log.find("ReadThread_UPD start ... \nJIG ver3 start update FW\n"
                                         "Bootloader answer OK\nUPDATE FW successfully.\n");
    EXPECT_NE(started, std::string::npos) << log;
}

// At real wire speed, where 'X' must leave before the device closes; how long it takes is
// tests/bench/switch-bench's business.
TEST_F(Pcb3Update, UpdateAtWireTiming) {
    auto sim = MakeSim("pcb3-old", Pressed(), SimTiming::Wire);
    ASSERT_EQ(Start(sim, "ITE"), SwitchOutcome::ModeReady);
    EXPECT_EQ(VersionNow(sim), "M328_EPM240_v16  ");
}

TEST_F(Pcb3Update, PackageOfWholeBlocksEndsWithAnAllFfBlock) {
    const std::string fw = UseFirmwareFolder();
    const auto package = StandInImage("M328_EPM240_v16", 32768, 0x100);
    WriteFileBytes(fw + "/" + kPcb3PackageFile, std::string(package.begin(), package.end()));
    auto sim = MakeSim("pcb3-old", Pressed());
    ASSERT_EQ(Start(sim, "NUVOTON jtag"), SwitchOutcome::ModeReady);
    EXPECT_EQ(port.GaugeMax(), 256);
    EXPECT_EQ(VersionNow(sim), "M328_EPM240_v16  ");
    const auto written = sim->Jig().Board().m328Image;
    ASSERT_EQ(written.size(), 257u * 128);
    EXPECT_EQ(written, Padded(package, 257));
    EXPECT_TRUE(std::all_of(written.end() - 128, written.end(), [](auto b) { return b == 0xFF; }));
}

TEST_F(Pcb3Update, ShortPackageGoesAsOnePaddedBlock) {
    const std::string fw = UseFirmwareFolder();
    const auto package = StandInImage("M328_EPM240_v16", 100, 4);
    WriteFileBytes(fw + "/" + kPcb3PackageFile, std::string(package.begin(), package.end()));
    auto sim = MakeSim("pcb3-old", Pressed());
    ASSERT_EQ(Start(sim, "EDID lcd"), SwitchOutcome::ModeReady);
    EXPECT_EQ(port.GaugeMax(), 0);
    const std::string wire = Text(sim->Jig().BytesToJig());
    ASSERT_GE(wire.size(), 130u);
    const std::string tail = wire.substr(wire.size() - 130);
    EXPECT_EQ(tail,
              "W" + std::string(package.begin(), package.end()) + std::string(28, '\xFF') + "X");
    EXPECT_EQ(Count(wire, "W"), 1u + Count(std::string(package.begin(), package.end()), "W"));
    EXPECT_EQ(VersionNow(sim), "M328_EPM240_v16  ");
    EXPECT_EQ(sim->Jig().Board().m328Image, Padded(package, 1));
}

TEST_F(Pcb3Update, AnswerWithoutSInThirdPlaceIsPurgedAndCalledAgain) {
    // 'B' took 17 reply bytes; the bootloader's first answer has its 'S' at 19.
    auto sim = MakeSim("pcb3-old",
                       Pressed(R"("faults": [{"type": "corrupt", "replyByte": 19, "xor": 1}])"));
    ASSERT_EQ(Start(sim, "ITE"), SwitchOutcome::ModeReady);
    EXPECT_EQ(Count(Text(sim->Jig().BytesToHost()), "V3SM328"), 2u);
    EXPECT_TRUE(port.HasLine("Readed bytes (hex)  -> 563353 4D3332380D0A"));
    EXPECT_EQ(VersionNow(sim), "M328_EPM240_v16  ");
}

TEST_F(Pcb3Update, BootloaderThatNeverAnswersEndsAtItsBound) {
    auto sim = MakeSim("pcb3-old");
    SwitchTiming timing = SteadyTiming();
    timing.pcb3Bootloader = 1s;
    const auto began = SteadyClock::now();
    ASSERT_EQ(Start(sim, "ITE", timing), SwitchOutcome::Failed);
    EXPECT_GE(SteadyClock::now() - began, 1s);
    EXPECT_EQ(port.Lines().back(),
              "No answer from the M328 bootloader within 1 s: was the reset button pressed? "
              "Update stopped.");
    EXPECT_EQ(port.Events(),
              (Lines{"show update", "reset prompt", "reset prompt ended", "exit", "show main"}));
    EXPECT_NE(StartLogText().find("JIG ver3 start update FW\nERROR answer bootloader \n"),
              std::string::npos);
    EXPECT_EQ(VersionNow(sim), "M328_EPM240_v15  ");
}

TEST_F(Pcb3Update, MissingOrEmptyPackageStopsBeforeTheJig) {
    const std::string fw = UseFirmwareFolder();
    auto sim = MakeSim("pcb3-old", Pressed());
    EXPECT_EQ(Start(sim, "ITE"), SwitchOutcome::Failed);
    const std::string notFound = std::string(kPcb3PackageFile) + " not found (looked in " + fw +
                                 ", " + dir.File("program") + ", " + UserDataFolder().string() +
                                 ", " + dir.File("share/tolvane-jig") + ")";
    EXPECT_EQ(port.Lines(), (Lines{"ERROR open file.", notFound}));
    WriteFileBytes(fw + "/" + kPcb3PackageFile, "");
    EXPECT_EQ(Start(sim, "ITE"), SwitchOutcome::Failed);
    EXPECT_EQ(port.Lines(), (Lines{"ERROR open file.", notFound, "ERROR short file."}));
    EXPECT_EQ(Text(sim->Jig().BytesToJig()), "BB");
    EXPECT_EQ(StartLogText().find("JIG ver3"), std::string::npos);
}

TEST_F(Pcb3Update, SecondFtdiDeviceMustBeUnplugged) {
    auto sim = MakeSim("pcb3-old", Pressed(R"("devices": ["jig", "jig"])"));
    EXPECT_EQ(Start(sim, "ITE"), SwitchOutcome::Failed);
    EXPECT_EQ(port.Lines().back(), "Please disconnect other device and replay!");
    EXPECT_NE(StartLogText().find("JIG ver3 start update FW\nJIG ver3 start update FW\n"),
              std::string::npos);
}

TEST_F(Pcb3Update, MissingBlockHandshakeStopsTheUpdate) {
    // Reply bytes: 17 of 'B', 9 of the bootloader's answer, then 'G' (26) and '+' (27).
    struct Case {
        int replyByte;
        const char* line;
    } cases[] = {{26, "ERROR protocol! Update stopped.(G)"},
                 {27, "ERROR protocol! Update stopped.(+)"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        auto sim = MakeSim("pcb3-old", Pressed(R"("faults": [{"type": "corrupt", "replyByte": )" +
                                               std::to_string(c.replyByte) + "}]"));
        EXPECT_EQ(Start(sim, "ITE"), SwitchOutcome::Failed);
        EXPECT_EQ(port.Lines().back(), c.line);
        EXPECT_TRUE(port.HasEvent("exit"));
        EXPECT_NE(StartLogText().find(std::string("Bootloader answer OK\n") + c.line + "\n"),
                  std::string::npos);
        EXPECT_FALSE(Text(sim->Jig().BytesToJig()).ends_with("X"));
        EXPECT_TRUE(sim->Jig().InBootloader()); // left there, as the protocol says
    }
}

TEST_F(Pcb3Update, StandInPackageIsNeverSentToARealJig) {
    const std::string standIn = (SimFirmwareFolder() / kPcb3PackageFile).string();
    WriteFileBytes(dir.File("program/") + kPcb3PackageFile, ReadFileText(standIn));
    auto sim = MakeSim("pcb3-old", Pressed());
    ASSERT_EQ(Start(std::make_shared<RealLookingApi>(sim), "ITE"), SwitchOutcome::Failed);
    EXPECT_EQ(port.Lines(), (Lines{"Loaded to buffer bytes (dec): 29500",
                                   "This package is a stand-in made for the simulated JIG; it is "
                                   "not sent to a real JIG!"}));
    EXPECT_EQ(Text(sim->Jig().BytesToJig()), "B");
}

TEST_F(Pcb3Update, StartDecidesBeforeAnyWindowOpens) {
    StartStep step{};
    auto none = MakeSim("pcb3", R"({"devices": []})");
    EXPECT_EQ(Start(none, "ITE", SteadyTiming(), &step), SwitchOutcome::Failed);
    EXPECT_EQ(step, StartStep::NoJig);

    auto current = MakeSim("pcb3");
    EXPECT_EQ(Start(current, "MEC jtag", SteadyTiming(), &step), SwitchOutcome::ModeReady);
    EXPECT_EQ(step, StartStep::OpenModeWindow);
    EXPECT_EQ(Text(current->Jig().BytesToJig()), "B");
    EXPECT_TRUE(port.Lines().empty());
    EXPECT_EQ(StartLogText().find("ReadThread_UPD"), std::string::npos);
}

TEST_F(Pcb3Update, BootloaderAnswerCutInPiecesIsTakenWhole) {
    // "V3SM328" arrives first and is enough to recognise the bootloader; its CR LF comes later.
    auto sim =
        MakeSim("pcb3-old", Pressed(R"("faults": [{"type": "split", "pieces": 7, "ms": 40}])"));
    ASSERT_EQ(Start(sim, "ITE"), SwitchOutcome::ModeReady) << port.Lines().back();
    EXPECT_TRUE(port.HasLine("Readed bytes answer -> 9"));
    EXPECT_TRUE(port.HasLine("Readed bytes (hex)  -> 563353 4D3332380D0A"));
    EXPECT_EQ(VersionNow(sim), "M328_EPM240_v16  ");
}

TEST_F(Pcb3Update, AnswersQueuedBeyondOneBlockAreAllTakenBeforeTheFirstBlock) {
    // The first answer is held back while '+' goes on every 10 ms: some thirty answers, far
    // more than one 128-byte block, arrive together.
    auto sim = MakeSim("pcb3-old", Pressed(R"("faults": [{"type": "delay", "afterReplies": 1,
                                                          "ms": 800}])"));
    SwitchTiming timing;
    timing.callRepeat = Millis(10);
    ASSERT_EQ(Start(sim, "ITE", timing), SwitchOutcome::ModeReady) << port.Lines().back();
    EXPECT_GT(Count(Text(sim->Jig().BytesToHost()), "V3SM328\r\n"), 15u);
    EXPECT_TRUE(port.HasLine("Readed bytes (hex)  -> 563353 4D3332380D0A"));
    EXPECT_EQ(VersionNow(sim), "M328_EPM240_v16  ");
}
