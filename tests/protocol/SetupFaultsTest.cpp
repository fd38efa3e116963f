// When the FTDI library itself fails: the device list, opening a device, the set-up calls.
// The start log and the mode windows' logs say which, and a failing set-up call does not stop
// the identification.
#include "link/OpenProgrammerLink.h"
#include "link/StartLog.h"
#include "modes/Edid/EdidEngine.h"
#include "port/TimeText.h"
#include "sim/Scenario.h"
#include "support/RecordingPort.h"
#include "support/SimFixture.h"

#include <gtest/gtest.h>

namespace {
using Lines = std::vector<std::string>;

class SetupFaults : public ::testing::Test {
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
    // The main window's identification; returns the start log after the banner.
    std::string MainLog(const std::string& scenario, std::string* version = nullptr) {
        auto sim = MakeSim("pcb3", scenario);
        ProgrammerLink link(sim);
        OpenProgrammerLinkMain(link, kCloseHandle);
        if (version)
            *version = link.versionText;
        const std::string log = ReadFileText(dir.File("Start_log.txt"));
        return log.substr(std::string(38, '*').size() * 2 +
                          std::string("07.12.2026 10:20:30").size() + 3);
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

    TempDir dir;
};

const char* const kAllSetupCallsFail =
    R"({"ftdi": {"failingCalls": ["FT_GetDriverVersion", "FT_ResetDevice", "FT_SetBaudRate",
       "FT_SetDataCharacteristics", "FT_SetTimeouts", "FT_SetLatencyTimer"]}})";
} // namespace

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
