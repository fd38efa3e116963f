// `edid` and `keyboard` at the terminal: exit codes, what is printed, and a panel image that
// survives from one run to the next through the scenario's file.
#include "link/OpenProgrammerLink.h"
#include "support/EdidSamples.h"
#include "support/Process.h"
#include "support/SimFixture.h"

#include <gtest/gtest.h>

namespace {
std::string Text(const auto& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

std::size_t Occurrences(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}
} // namespace

TEST(EdidCli, WriteThenReadBackThroughThePanelFile) {
    TempDir dir;
    WriteFileBytes(dir.File("panel.bin"), std::string(256, '\xFF'));
    WriteFileBytes(dir.File("scenario.json"), R"({"chips": {"edid": {"file": "panel.bin"}}})");
    WriteFileBytes(dir.File("monitor.bin"), Text(EdidSamples::kDesktopMonitor));
    const std::vector<std::string> sim{
        "--device", "sim:pcb2-v41", "--scenario", dir.File("scenario.json"), "--timing", "instant"};
    auto with = [&](std::vector<std::string> args) {
        args.insert(args.end(), sim.begin(), sim.end());
        return args;
    };

    ProcessResult w = RunProgram("tolvane-jig-cli",
                                 with({"edid", "write", "monitor.bin", "--force"}), dir.Path());
    EXPECT_EQ(w.exitCode, 0) << w.err;
    EXPECT_NE(w.out.find("Writing data to EEPROM is completed successfully.\n"), std::string::npos);
    EXPECT_EQ(ReadFileText(dir.File("panel.bin")), Text(EdidSamples::kDesktopMonitor));

    ProcessResult r = RunProgram("tolvane-jig-cli", with({"edid", "read", "back.bin"}), dir.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(ReadFileText(dir.File("back.bin")), Text(EdidSamples::kDesktopMonitor));
    EXPECT_NE(r.out.find("  Monitor name: DELL U2412M\n"), std::string::npos);
}

TEST(EdidCli, BadChecksumNeedsYesAndShowNeedsNoJig) {
    TempDir dir;
    std::array<std::uint8_t, 128> bad = EdidSamples::kLaptopPanel;
    bad[127] ^= 1;
    WriteFileBytes(dir.File("bad.bin"), Text(bad));
    ProcessResult r =
        RunProgram("tolvane-jig-cli", {"edid", "write", "bad.bin", "--device", "sim"}, dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("-> no (pass --yes to agree)"), std::string::npos);
    r = RunProgram("tolvane-jig-cli", {"edid", "write", "bad.bin", "--yes", "--device", "sim"},
                   dir.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;

    r = RunProgram("tolvane-jig-cli", {"edid", "show", "bad.bin", "--device", "no-such-backend"},
                   dir.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.rfind("bad.bin holds 128 bytes; the EEPROM takes them followed by FF.\n", 0),
              0u);
    EXPECT_NE(r.out.find("  Checksum of block 0: wrong (byte 127 is 0x3F, should be 0x3E)\n"),
              std::string::npos);
    EXPECT_EQ(RunProgram("tolvane-jig-cli", {"edid", "show", "missing.bin"}, dir.Path()).exitCode,
              1);
    EXPECT_EQ(RunProgram("tolvane-jig-cli", {"edid", "read"}, dir.Path()).exitCode, 64);
}

TEST(EdidCli, ReadOverASerialTerminalServedByTheSimulatorProcess) {
    SimProcess sim({"--board", "pcb3"});
    ASSERT_FALSE(sim.PtyPath().empty());
    TempDir dir;
    ProcessResult r =
        RunProgram("tolvane-jig-cli",
                   {"edid", "read", "panel.bin", "--device", "tty:" + sim.PtyPath()}, dir.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(ReadFileText(dir.File("panel.bin")).size(), 256u);
    EXPECT_NE(r.out.find("  Header: valid\n"), std::string::npos);
    EXPECT_EQ(sim.Stop(), 0);
}

TEST(KeyboardCli, HeldKeyPrintedOnceAndMissingAnswerFails) {
    TempDir dir;
    WriteFileBytes(dir.File("keys.json"), R"({"chips": {"keyboard": {"keys": [
        {"pins": [5, 3], "from": 0, "to": 300}, {"pins": [3, 5], "from": 600, "to": 700}]}}})");
    ProcessResult r = RunProgram("tolvane-jig-cli",
                                 {"keyboard", "scan", "--seconds", "1", "--device", "sim:pcb2-v41",
                                  "--scenario", dir.File("keys.json")},
                                 dir.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    // Pressed twice, printed twice, not once per scan.
    EXPECT_EQ(Occurrences(r.out, "3-5  (Shape69)\n"), 2u) << r.out;
    EXPECT_NE(r.out.find("Pairs seen: 3-5\n"), std::string::npos);

    WriteFileBytes(dir.File("silent.json"), R"({"chips": {"keyboard": {"answers": [[]]}}})");
    r = RunProgram("tolvane-jig-cli",
                   {"keyboard", "scan", "--seconds", "5", "--device", "sim", "--scenario",
                    dir.File("silent.json")},
                   dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.out.find("Device not found\n"), std::string::npos);
    EXPECT_NE(r.err.find("scan ended: no scan answer within 1000 ms"), std::string::npos);

    r = RunProgram("tolvane-jig-cli", {"keyboard", "scan", "--device", "sim:pcb2-ite"}, dir.Path());
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "Please update FW\n" + FirmwareFixLine(LinkVariants::KeyboardTesting) + "\n");
    EXPECT_EQ(
        RunProgram("tolvane-jig-cli", {"keyboard", "scan", "--seconds", "x"}, dir.Path()).exitCode,
        64);
}
