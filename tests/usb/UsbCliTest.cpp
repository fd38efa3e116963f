// tolvane-jig-cli over `--device usb`: the real libftdi1 in front of the virtual chip, with the
// simulated JIG in the chip's process or behind tolvane-jig-sim's terminal.
#include "sim/chips/EneKb90xx.h"
#include "support/CliModes.h"
#include "support/Process.h"
#include "usb/VirtualUsb.h"

namespace {
ProcessResult UsbCli(const std::string& folder, const std::string& board,
                     std::vector<std::string> args, const std::string& scenarioFile = "",
                     const std::string& pty = "") {
    args.insert(args.end(), {"--device", "usb"});
    return RunProgram("tolvane-jig-cli", args, folder,
                      VirtualUsbEnvironment(board, scenarioFile, "instant", pty));
}
} // namespace

TEST(UsbCli, IdentifyWritesTheStartLogAsOverTheOtherBackends) {
    TempDir cwd;
    ProcessResult r = UsbCli(cwd.Path(), "pcb3", {"identify"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "M328_EPM240_v16  \nPCB3\n");
    const std::string log = ReadFileText(cwd.File("Start_log.txt"));
    EXPECT_NE(log.find("Open  numDevs -> 1\nFT_Open OK\nFT_GetDriverVersion OK    ("),
              std::string::npos)
        << log;
    EXPECT_TRUE(log.ends_with("FT_ResetDevice OK\nFT_SetBaudRate OK\n"
                              "FT_SetDataCharacteristics OK\nFT_SetTimeouts OK\n"
                              "Read answer version bytes -> 17\nM328_EPM240_v16  \n"
                              "FT_SetLatencyTimer OK\n"))
        << log;

    WriteFileBytes(cwd.File("silent.json"), R"({"devices": ["silent"]})");
    r = UsbCli(cwd.Path(), "pcb3", {"identify"}, cwd.File("silent.json"));
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "FTDI found, ERROR answer\n");
    WriteFileBytes(cwd.File("none.json"), R"({"devices": []})");
    r = UsbCli(cwd.Path(), "pcb3", {"identify"}, cwd.File("none.json"));
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "FTDI device not found\n");
}

// The switch reflashes the M88 at the bootloader's 115200 baud: the divisor libftdi sends must
// take effect in the chip for the bootloader to understand a single byte.
TEST(UsbCli, FirmwareSwitchReflashesAPcb2) {
    TempDir cwd;
    ProcessResult r = UsbCli(cwd.Path(), "pcb2-v41", {"start", "--mode", "MEC jtag"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_NE(r.out.find("\nBOOT M88 connected - BOOT_M88_V2  \n"), std::string::npos) << r.out;
    EXPECT_TRUE(r.out.ends_with("Exit from BOOT and RUN ... \nJIG ready for MEC jtag\n")) << r.out;
    EXPECT_TRUE(ReadFileText(cwd.File("Start_log.txt"))
                    .ends_with("ReadThread_UPD start ... \nUser select -> MEC jtag\n"
                               "Go to application. End.\n"));
}

// The round trip every backend makes; the flash file of the scenario holds what the JIG
// wrote, so a write is checked by the JIG's verification and by the bytes that reached it.
TEST(UsbCli, RoundTrip) {
    const CliModeCase& m = *FindCliModeCase("ENE KB90XX");
    TempDir dir;
    const std::string scenario = FlashScenario(m, dir);
    CliRoundTrip(
        m, dir,
        [&](std::vector<std::string> args) { return UsbCli(dir.Path(), "pcb3", args, scenario); },
        false);
}

TEST(UsbCli, UnpluggingMidReadEndsTheReadWithAClearLine) {
    TempDir dir;
    WriteFileBytes(dir.File("s.json"), R"({"faults": [{"type": "vanish", "afterReplies": 60}]})");
    ProcessResult r = UsbCli(dir.Path(), "pcb3", {"ene", "read", "out.bin"}, dir.File("s.json"));
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    EXPECT_TRUE(Says(r, "Lost Communication with ENE or timeout!\nThe JIG was lost (")) << r.out;
    EXPECT_FALSE(Says(r, "Reading completed successfully."));
}

TEST(UsbCli, TheChipInFrontOfTheSimulatorProcess) {
    SimProcess sim({"--board", "pcb2-v41", "--timing", "instant"});
    ASSERT_FALSE(sim.PtyPath().empty());
    TempDir dir;
    ProcessResult r = UsbCli(dir.Path(), "", {"ene", "read", "out.bin"}, "", sim.PtyPath());
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    const std::vector<std::uint8_t> image = SimEneKb90xx::DefaultImage();
    EXPECT_TRUE(ReadFileText(dir.File("out.bin")) == std::string(image.begin(), image.end()));
    EXPECT_EQ(sim.Stop(), 0);
}
