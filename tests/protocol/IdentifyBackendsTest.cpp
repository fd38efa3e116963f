// `identify` through a serial terminal served by the simulator process, and with no JIG behind
// a backend (the in-process simulator's answer is CliStart's, over a locale of its own).
#include "support/Process.h"
#include "support/SimFixture.h"

#include <gtest/gtest.h>

TEST(IdentifyCli, SerialTerminalAgainstTheSimulatorProcess) {
    SimProcess sim({"--board", "pcb2-v41"});
    ASSERT_FALSE(sim.PtyPath().empty());
    TempDir cwd;
    ProcessResult r =
        RunProgram("tolvane-jig-cli", {"identify", "--device", "tty:" + sim.PtyPath()}, cwd.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "M88_ALLPCB_V41  \nPCB2\n");
    // A second run finds the same JIG: the terminal survives the host closing it.
    r = RunProgram("tolvane-jig-cli", {"identify", "--device", "tty:" + sim.PtyPath()}, cwd.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(sim.Stop(), 0);
}

TEST(IdentifyCli, NoJigExitsTwoWithTheReason) {
    TempDir cwd;
    ProcessResult r = RunProgram("tolvane-jig-cli", {"identify", "--device", "usb"}, cwd.Path());
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "FTDI device not found\n");

    r = RunProgram("tolvane-jig-cli", {"identify", "--device", "tty:/dev/does-not-exist"},
                   cwd.Path());
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "FTDI device not found\n");

    TempDir dir;
    WriteFileBytes(dir.File("s.json"), R"({"devices": ["silent"]})");
    r = RunProgram(
        "tolvane-jig-cli",
        {"identify", "--device", "sim", "--timing", "instant", "--scenario", dir.File("s.json")},
        cwd.Path());
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "FTDI found, ERROR answer\n");
}

TEST(IdentifyCli, BadOptionsAreRefusedWithUsage) {
    TempDir cwd;
    EXPECT_EQ(RunProgram("tolvane-jig-cli", {"identify", "--device"}, cwd.Path()).exitCode, 64);
    EXPECT_EQ(RunProgram("tolvane-jig-cli", {"identify", "extra"}, cwd.Path()).exitCode, 64);
    ProcessResult r =
        RunProgram("tolvane-jig-cli", {"identify", "--device", "sim:pcb9"}, cwd.Path());
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("unknown simulated board"), std::string::npos);
    r = RunProgram("tolvane-jig-cli", {"identify", "--help"}, cwd.Path());
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("--device D"), std::string::npos);
}
