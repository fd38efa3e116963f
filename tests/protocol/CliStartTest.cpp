// tolvane-jig-cli start: the whole Start flow without windows, and the start log's date.
#include "support/Process.h"
#include "support/SimFixture.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <regex>

TEST(CliStart, ReflashesAPcb2AndPrintsTheUpdateWindowsLines) {
    TempDir cwd;
    ProcessResult r = RunProgram(
        "tolvane-jig-cli",
        {"start", "--device", "sim:pcb2-v41", "--timing", "instant", "--mode", "MEC jtag"},
        cwd.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(r.out.starts_with("Current version of FW -> M88_ALLPCB_V41  \nUser select -> "
                                  "MEC jtag\nCommand go to BOOT ... \n"))
        << r.out;
    EXPECT_NE(r.out.find("\nBOOT M88 connected - BOOT_M88_V2  \n"), std::string::npos);
    EXPECT_TRUE(r.out.ends_with("Exit from BOOT and RUN ... \nJIG ready for MEC jtag\n")) << r.out;
    const std::string log = ReadFileText(cwd.File("Start_log.txt"));
    EXPECT_TRUE(log.ends_with("ReadThread_UPD start ... \nUser select -> MEC jtag\n"
                              "Go to application. End.\n"))
        << log;

    // Ctrl-C while the M88's flash is written: a JIG left half-flashed has no firmware, so the
    // reflash runs to its end and the stop is said.
    r = RunProgramSignalled("tolvane-jig-cli",
                            {"start", "--device", "sim:pcb2-v41", "--mode", "MEC jtag"},
                            "Update firmware ... \n", SIGINT, cwd.Path());
    EXPECT_EQ(r.exitCode, 130) << r.err;
    EXPECT_TRUE(r.out.ends_with("Exit from BOOT and RUN ... \nJIG ready for MEC jtag\n")) << r.out;
    EXPECT_NE(r.err.find("The JIG's firmware is being written: it goes on to its end"),
              std::string::npos)
        << r.err;
}

TEST(CliStart, AsksForTheResetButtonOfAnOutdatedPcb3) {
    TempDir cwd;
    WriteFileBytes(cwd.File("press.json"),
                   R"({"events": [{"type": "resetButton", "whenCalledMs": 200}]})");
    ProcessResult r = RunProgram("tolvane-jig-cli",
                                 {"start", "--device", "sim:pcb3-old", "--timing", "instant",
                                  "--scenario", cwd.File("press.json"), "--mode", "ITE"},
                                 cwd.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "warning:  Please press the reset button on the JIG!\n");
    EXPECT_NE(r.out.find("Founded FTDI device, wait answer. (RESET pushed?)\n"), std::string::npos);
    EXPECT_TRUE(r.out.ends_with("UPDATE completed successfully.\nJIG ready for ITE\n")) << r.out;
}

TEST(CliStart, RefusesUnknownModesAndReportsAMissingJig) {
    TempDir cwd;
    ProcessResult r =
        RunProgram("tolvane-jig-cli", {"start", "--device", "sim:pcb3", "--mode", "Please select "},
                   cwd.Path());
    EXPECT_EQ(r.exitCode, 64);
    EXPECT_NE(r.err.find("\"NUVOTON spi\""), std::string::npos);
    WriteFileBytes(cwd.File("none.json"), R"({"devices": []})");
    r = RunProgram(
        "tolvane-jig-cli",
        {"start", "--device", "sim", "--scenario", cwd.File("none.json"), "--mode", "ENE KB90XX"},
        cwd.Path());
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "error: JIG not connected to the USB port!\n");
    EXPECT_EQ(r.out, "");
}

TEST(CliStart, StartLogDateFollowsTheSystemsShortDate) {
    // A German locale of our own, whatever the machine has installed: its short date is
    // DD.MM.YYYY where the C locale's is MM/DD/YY.
    TempDir locales;
    const std::string build =
        "localedef -i de_DE -f UTF-8 " + locales.File("de_DE.UTF-8") + " >/dev/null 2>&1";
    ASSERT_EQ(std::system(build.c_str()), 0) << "localedef (Debian package locales) failed";
    TempDir cwd;
    const ProcessResult r =
        RunProgram("tolvane-jig-cli", {"identify", "--device", "sim:pcb3"}, cwd.Path(),
                   {"LOCPATH=" + locales.Path(), "LC_ALL=de_DE.UTF-8"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    const std::string log = ReadFileText(cwd.File("Start_log.txt"));
    EXPECT_TRUE(std::regex_search(log, std::regex("\n[0-9]{2}\\.[0-9]{2}\\.[0-9]{4} [0-9]{2}:")))
        << log;
    // Figures stay as a terminal expects them, whatever the locale says.
    EXPECT_EQ(r.out, "M328_EPM240_v16  \nPCB3\n");
}
