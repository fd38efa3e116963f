// The start log, byte for byte, for the ways a Start can meet the JIG; and when the FTDI
// library itself fails (the device list, opening a device, the set-up calls), the start log and
// the mode windows' logs say which, and a failing set-up call does not stop the identification.
#include "link/StartLog.h"
#include "link/ChosenDevice.h"
#include "link/OpenProgrammerLink.h"
#include "link/VersionText.h"
#include "modes/Edid/EdidEngine.h"
#include "port/TimeText.h"
#include "sim/Scenario.h"
#include "support/RecordingPort.h"
#include "support/SimFixture.h"

#include <gtest/gtest.h>

namespace {
class StartLogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetTimeTextSource(
            {[] { return std::string("10:20:30"); }, [] { return std::string("07.12.2026"); }});
        StartLog::SetPath(dir.File("Start_log.txt"));
    }
    void TearDown() override {
        SetTimeTextSource({});
        StartLog::SetPath("Start_log.txt");
    }
    std::string Log() const { return ReadFileText(dir.File("Start_log.txt")); }

    TempDir dir;
    const std::string banner = "**************************************\n"
                               "07.12.2026 10:20:30\n"
                               "**************************************\n";
    const std::string setup = "FT_Open OK\n"
                              "FT_GetDriverVersion OK    (197142)\n"
                              "FT_ResetDevice OK\n"
                              "FT_SetBaudRate OK\n"
                              "FT_SetDataCharacteristics OK\n"
                              "FT_SetTimeouts OK\n";
};

using Lines = std::vector<std::string>;

class SetupFaults : public StartLogTest {
  protected:
    // The main window's identification; returns the start log after the banner.
    std::string MainLog(const std::string& scenario, std::string* version) {
        auto sim = MakeSim("pcb3", scenario);
        ProgrammerLink link(sim);
        OpenProgrammerLinkMain(link, kCloseHandle);
        *version = link.versionText;
        const std::string log = Log();
        EXPECT_TRUE(log.starts_with(banner)) << log;
        return log.substr(banner.size());
    }
    // A mode window's identification (the EDID window's), its log lines and result.
    Lines ModeLines(const std::string& scenario, int* result) {
        auto sim = MakeSim("pcb3", scenario);
        ProgrammerLink link(sim);
        Lines lines;
        *result = OpenProgrammerLink(link, LinkVariants::EneKb90xx,
                                     [&](const std::string& l) { lines.push_back(l); });
        return lines;
    }
};

const char* const kAllSetupCallsFail =
    R"({"ftdi": {"failingCalls": ["FT_GetDriverVersion", "FT_ResetDevice", "FT_SetBaudRate",
       "FT_SetDataCharacteristics", "FT_SetTimeouts", "FT_SetLatencyTimer"]}})";
} // namespace

TEST_F(StartLogTest, NoDeviceLeavesNotFoundAndLogsNumDevsZero) {
    auto sim = MakeSim("pcb3", R"({"devices": []})");
    ProgrammerLink link(sim);
    OpenProgrammerLinkMain(link, kKeepHandle);
    EXPECT_EQ(link.versionText, "FTDI device not found");
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(Log(), banner + "Error numDevs = 0\n");
}

TEST_F(StartLogTest, Pcb3AnswerGivesVersionWithTwoTrailingBlanks) {
    auto sim = MakeSim("pcb3");
    ProgrammerLink link(sim);
    OpenProgrammerLinkMain(link, kKeepHandle);
    EXPECT_EQ(link.versionText, "M328_EPM240_v16  ");
    EXPECT_TRUE(link.IsOpen());
    EXPECT_EQ(Log(), banner + "Open  numDevs -> 1\n" + setup +
                         "Read answer version bytes -> 17\n"
                         "M328_EPM240_v16  \n"
                         "FT_SetLatencyTimer OK\n");
    EXPECT_EQ(sim->Jig().BytesToJig(), std::vector<std::uint8_t>{'B'});
}

TEST_F(StartLogTest, HigherIndexTriedFirstThenTheAnsweringLowerOne) {
    auto sim = MakeSim("pcb2-v41", R"({"devices": ["jig", "silent"]})");
    ProgrammerLink link(sim);
    OpenProgrammerLinkMain(link, kCloseHandle);
    EXPECT_EQ(link.versionText, "M88_ALLPCB_V41  ");
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(Log(), banner + "Open  numDevs -> 2\n" + setup + "Read answer version bytes -> 0\n" +
                         "Open  numDevs -> 1\n" + setup +
                         "Read answer version bytes -> 16\n"
                         "M88_ALLPCB_V41  \n"
                         "FT_SetLatencyTimer OK\n");
    EXPECT_EQ(sim->Device(1).BytesToJig(), std::vector<std::uint8_t>{'B'});
}

// A chosen JIG is the only one the link sees; one that is not plugged in is none, never another.
TEST_F(StartLogTest, AChosenJigIsTheOnlyOneTried) {
    auto sim = MakeSim("pcb3", R"({"devices": ["jig", "jig"]})");
    auto chosen = std::make_shared<ChosenDeviceApi>(sim);
    ASSERT_EQ(chosen->Plugged().size(), 2u);
    EXPECT_EQ(chosen->Plugged()[1].serialNumber, "TJS00002");
    ProgrammerLink link(chosen);
    chosen->Choose("TJS00001");
    OpenProgrammerLinkMain(link, kCloseHandle);
    EXPECT_EQ(link.versionText, "M328_EPM240_v16  ");
    EXPECT_EQ(Log(), banner + "Open  numDevs -> 1\n" + setup +
                         "Read answer version bytes -> 17\n"
                         "M328_EPM240_v16  \n"
                         "FT_SetLatencyTimer OK\n");
    EXPECT_EQ(sim->Device(0).BytesToJig(), std::vector<std::uint8_t>{'B'});
    EXPECT_TRUE(sim->Device(1).BytesToJig().empty());

    chosen->Choose("TJS00007");
    OpenProgrammerLinkMain(link, kCloseHandle);
    EXPECT_EQ(link.versionText, "FTDI device not found");
    EXPECT_EQ(sim->Device(0).BytesToJig().size(), 1u);
    EXPECT_TRUE(sim->Device(1).BytesToJig().empty());

    // The remembered JIG when plugged in; else the first, said aloud.
    const std::vector<FtdiDeviceInfo> plugged = chosen->Plugged();
    EXPECT_EQ(PickJig(plugged, "TJS00002").index, 1);
    EXPECT_EQ(PickJig(plugged, "TJS00002").notice, "");
    EXPECT_EQ(PickJig(plugged, std::nullopt).index, 0);
    const JigPick missing = PickJig(plugged, "FT9XYZ");
    EXPECT_EQ(missing.index, 0);
    EXPECT_EQ(missing.notice,
              "The JIG FT9XYZ is not plugged in: working on the JIG TJS00001 instead.");
    EXPECT_EQ(PickJig({}, "FT9XYZ").index, -1);
}

TEST_F(StartLogTest, NoAnswerKeepsTheLastDeviceOpenForTheBootloader) {
    auto sim = MakeSim("pcb2-v41", R"({"devices": ["silent", "silent"]})");
    ProgrammerLink link(sim);
    OpenProgrammerLinkMain(link, kKeepHandle);
    EXPECT_EQ(link.versionText, "FTDI found, ERROR answer");
    EXPECT_TRUE(link.IsOpen());
    EXPECT_EQ(Log(), banner + "Open  numDevs -> 2\n" + setup + "Read answer version bytes -> 0\n" +
                         "Open  numDevs -> 1\n" + setup + "Read answer version bytes -> 0\n" +
                         "NOT ANSWER \n");
}

TEST_F(StartLogTest, AnswerLaterThanTheReadTimeoutCountsAsNone) {
    auto sim = MakeSim("pcb3", R"({"faults": [{"type": "delay", "afterReplies": 0, "ms": 450}]})");
    ProgrammerLink link(sim);
    OpenProgrammerLinkMain(link, kCloseHandle);
    EXPECT_EQ(link.versionText, "FTDI found, ERROR answer");
}

TEST_F(StartLogTest, GroupsAreAppendedNeverTruncated) {
    auto sim = MakeSim("pcb3", R"({"devices": []})");
    ProgrammerLink link(sim);
    OpenProgrammerLinkMain(link, kKeepHandle);
    StartLogLine("ReadThread_UPD start ... ");
    OpenProgrammerLinkMain(link, kKeepHandle);
    EXPECT_EQ(Log(), banner + "Error numDevs = 0\n" + "ReadThread_UPD start ... \n" + banner +
                         "Error numDevs = 0\n");
}

TEST_F(SetupFaults, DeviceListFailure) {
    std::string version;
    EXPECT_EQ(MainLog(R"({"ftdi": {"listFails": true}})", &version),
              "Error FT_CreateDeviceInfoList\n");
    EXPECT_EQ(version, "FTDI device not found");
    int result = -1;
    EXPECT_EQ(ModeLines(R"({"ftdi": {"listFails": true}})", &result),
              Lines{"I can not get a list of VCOM ports"});
    EXPECT_EQ(result, kNoProgrammer);
}

TEST_F(SetupFaults, DeviceThatCannotBeOpenedIsSkipped) {
    const char* const scenario = R"({"devices": ["jig", "jig"], "ftdi": {"openFails": [1]}})";
    std::string version;
    const std::string log = MainLog(scenario, &version);
    EXPECT_TRUE(
        log.starts_with("Open  numDevs -> 2\nERROR FT_Open\nOpen  numDevs -> 1\nFT_Open OK\n"))
        << log;
    EXPECT_EQ(version, "M328_EPM240_v16  ");

    int result = -1;
    EXPECT_EQ(ModeLines(R"({"ftdi": {"openFails": [0]}})", &result),
              (Lines{"Number of VCOM ports found on the machine: 1",
                     "The programmer is not found or does not respond"}));
    EXPECT_EQ(result, kNoProgrammer);
}

TEST_F(SetupFaults, FailingSetupCallsAreLoggedAndTheIdentificationGoesOn) {
    std::string version;
    EXPECT_EQ(MainLog(kAllSetupCallsFail, &version), "Open  numDevs -> 1\n"
                                                     "FT_Open OK\n"
                                                     "Error FT_GetDriverVersion\n"
                                                     "Error FT_ResetDevice\n"
                                                     "Error FT_SetBaudRate\n"
                                                     "Error FT_SetDataCharacteristics\n"
                                                     "Error FT_SetTimeouts\n"
                                                     "Read answer version bytes -> 17\n"
                                                     "M328_EPM240_v16  \n"
                                                     "Error FT_SetLatencyTimer\n");
    EXPECT_EQ(version, "M328_EPM240_v16  ");

    int result = -1;
    EXPECT_EQ(
        ModeLines(kAllSetupCallsFail, &result),
        (Lines{"Number of VCOM ports found on the machine: 1", "Version FW -> M328_EPM240_v16  ",
               "Communication with programmer installed."}));
    EXPECT_EQ(result, kProgrammerAccepted);
}

TEST_F(SetupFaults, EdidWindowSaysWhyAndEndsAsWithoutAJig) {
    auto sim = MakeSim("pcb3", R"({"ftdi": {"listFails": true}})");
    ProgrammerLink link(sim);
    RecordingPort port;
    port.QueueFileAnswer(dir.File("panel.bin"));
    EXPECT_EQ(EdidRead(link, port), Outcome::NoJig);
    EXPECT_TRUE(port.HasLine("I can not get a list of VCOM ports"));
    EXPECT_TRUE(sim->Jig().BytesToJig().empty());
}

TEST(ScenarioFtdiFaults, UnknownSetupCallIsRefused) {
    TempDir dir;
    WriteFileBytes(dir.File("s.json"), R"({"ftdi": {"failingCalls": ["FT_Write"]}})");
    Scenario s;
    std::string error;
    EXPECT_FALSE(LoadScenario(dir.File("s.json"), "", SimTiming::Instant, &s, &error));
    EXPECT_NE(error.find("FT_Write"), std::string::npos) << error;
}
