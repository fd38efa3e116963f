// The "ite" commands of tolvane-jig-cli: the wiring options, exit statuses, the log language,
// the read-back after a write, and round trips over the simulator's serial terminal.
#include "sim/chips/IteEc.h"
#include "support/Process.h"
#include "support/SimFixture.h"

#include <gtest/gtest.h>

namespace {
const char* const kDatabase =
    "Examples of the format\n"
    "Board one PD0=12 PD1=13 PD2=14 PD3=15 PD4=16 PD5=17 PD6=18 PD7=19 BUSY=21 STB=5 AFD=6 "
    "INIT=7 SLIN=8 KSI4=9 KSI5=10 KB_pins=26\r\n"
    "Board two PD0=1 PD1=2 PD2=3 PD3=4 PD4=11 PD5=12 PD6=13 PD7=14 BUSY=15 STB=16 AFD=17 "
    "INIT=18 SLIN=19 KSI4=20 KSI5=22\n";
const std::string kBoardOnePins = "PD0=12 PD1=13 PD2=14 PD3=15 PD4=16 PD5=17 PD6=18 PD7=19 "
                                  "BUSY=21 STB=5 AFD=6 INIT=7 SLIN=8 KSI4=9 KSI5=10 KB_pins=26";

ProcessResult Cli(const std::string& folder, std::vector<std::string> args) {
    const bool tty = std::any_of(args.begin(), args.end(),
                                 [](const std::string& a) { return a.rfind("tty:", 0) == 0; });
    if (!tty)
        args.insert(args.end(), {"--timing", "instant"});
    return RunProgram("tolvane-jig-cli", args, folder);
}

bool Has(const ProcessResult& run, const std::string& text) {
    return run.out.find(text) != std::string::npos;
}

class IteCli : public ::testing::Test {
  protected:
    void SetUp() override { WriteFileBytes(dir.File("MB connection ITE.txt"), kDatabase); }
    TempDir dir;
};
} // namespace

TEST_F(IteCli, WriteVerifiesAndReadGivesTheFileBack) {
    std::string image(131072, '\0');
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<char>(i * 29 + (i >> 10));
    WriteFileBytes(dir.File("in.bin"), image);
    ProcessResult r = Cli(dir.Path(), {"ite", "write", "in.bin", "--mb", "Board one", "--device",
                                       "sim:pcb2-ite", "--scenario", "chip.json"});
    EXPECT_EQ(r.exitCode, 2) << r.out << r.err; // a missing scenario file: no usable JIG

    WriteFileBytes(dir.File("chip.json"), R"({"chips": {"ite": {"file": "flash.bin"}}})");
    r = Cli(dir.Path(), {"ite", "write", "in.bin", "--mb", "Board one", "--device", "sim:pcb2-ite",
                         "--scenario", "chip.json", "--stats", "--force"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(Has(r, "All settings sent.\n"));
    EXPECT_TRUE(Has(r, "WRITE complete.\n"));
    EXPECT_TRUE(Has(r, "Verify: the flash matches the file.\n"));
    EXPECT_TRUE(Has(r, "bytes moved:      262144 (file)"));
    EXPECT_TRUE(ReadFileText(dir.File("flash.bin")) == image);

    r = Cli(dir.Path(), {"ite", "read", "out.bin", "--pins", kBoardOnePins, "--device", "sim:pcb3",
                         "--scenario", "chip.json"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(Has(r, "Reading complete. \n"));
    EXPECT_TRUE(ReadFileText(dir.File("out.bin")) == image);
}

TEST_F(IteCli, AFlashThatReadsBackDifferentNamesTheFirstOffset) {
    WriteFileBytes(dir.File("worn.json"),
                   R"({"chips": {"ite": {"stuckZeroBits": {"address": 74565, "mask": 16}}}})");
    WriteFileBytes(dir.File("in.bin"), std::string(65536, '\x33'));
    ProcessResult r = Cli(dir.Path(), {"ite", "write", "in.bin", "--mb", "one", "--device",
                                       "sim:pcb3", "--scenario", "worn.json"});
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    EXPECT_TRUE(Has(
        r, "Verify: the flash differs from the file at offset 0x12345 (EF / FF) (flash / file)"))
        << r.out;

    r = Cli(dir.Path(), {"ite", "write", "in.bin", "--mb", "one", "--device", "sim:pcb3",
                         "--scenario", "worn.json", "--no-verify"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_FALSE(Has(r, "Verify"));
}

TEST_F(IteCli, WrongWiringEndsTheCheckWithExitOne) {
    ProcessResult r =
        Cli(dir.Path(), {"ite", "check", "--mb", "Board one", "--device", "sim:pcb2-ite"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(Has(r, "Received ITE ID  -> 8512 rev -> 02\n"));

    r = Cli(dir.Path(), {"ite", "check", "--mb", "Board two", "--device", "sim:pcb2-ite"});
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    EXPECT_TRUE(
        Has(r, "ITE we do not respond, check the connection and settings. MB powered? (00)\n"));

    // The same board through a turned cable: right only when mirrored.
    WriteFileBytes(dir.File("turned.json"), R"({"chips": {"ite": {"reversed": true}}})");
    r = Cli(dir.Path(), {"ite", "check", "--mb", "Board one", "--device", "sim:pcb3", "--scenario",
                         "turned.json", "--reversed", "--lang", "ru"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(Has(r, "Версия FW программатора -> M328_EPM240_v16  \n"));
    EXPECT_TRUE(Has(r, "Настройки все отправлены.\n"));
    EXPECT_FALSE(Has(r, "All settings sent."));
    EXPECT_TRUE(Has(r, "PD0=15 PD1=14"));
}

TEST_F(IteCli, UsageErrorsAndAJigThatCannotServe) {
    ProcessResult r =
        Cli(dir.Path(), {"ite", "apply", "--mb", "Board one", "--device", "sim:pcb3"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(Has(r, "All settings sent.\n"));
    r = Cli(dir.Path(), {"ite", "apply", "--mb", "Board one", "--device", "sim:pcb2-v41"});
    EXPECT_EQ(r.exitCode, 2) << r.out << r.err;
    EXPECT_TRUE(Has(r, "It is necessary to update the firmware programmer!\n"));

    const std::vector<std::vector<std::string>> usage{
        {"ite", "check"},                                     // no wiring
        {"ite", "check", "--mb", "Board", "--pins", "PD0=1"}, // both
        {"ite", "check", "--mb", "Board"},                    // two boards match
        {"ite", "check", "--mb", "Board three"},              // none
        {"ite", "check", "--pins", "PD0=1 PD1=2"},            // keys missing
        {"ite", "check", "--mb", "Board two", "--reversed"},  // no KB_pins to mirror with
        {"ite", "check", "--mb", "Board one", "--lang", "de"},
        {"ite", "read", "--mb", "Board one"}, // no file
    };
    for (std::vector<std::string> args : usage) {
        args.insert(args.end(), {"--device", "sim:pcb3"});
        r = Cli(dir.Path(), args);
        EXPECT_EQ(r.exitCode, 64) << args[2] << " " << r.err;
    }
    r = Cli(dir.Path(), {"ite", "check", "--pins", "PD0=1 PD1=2", "--device", "sim:pcb3"});
    EXPECT_NE(r.err.find("Information about the contact number PD2 is not found!"),
              std::string::npos);
}

TEST(IteCliPty, WriteAndReadOverTheSimulatorsSerialTerminal) {
    std::string image(131072, '\0');
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<char>(i * 7 + (i >> 8));
    for (const char* board : {"pcb2-ite", "pcb3"}) {
        SimProcess sim({"--board", board, "--timing", "instant"});
        ASSERT_FALSE(sim.PtyPath().empty());
        TempDir dir;
        WriteFileBytes(dir.File("in.bin"), image);
        const std::string device = "tty:" + sim.PtyPath();
        ProcessResult r = Cli(
            dir.Path(), {"ite", "write", "in.bin", "--pins", kBoardOnePins, "--device", device});
        EXPECT_EQ(r.exitCode, 0) << board << r.out << r.err;
        EXPECT_TRUE(Has(r, "Verify: the flash matches the file.\n")) << board;
        r = Cli(dir.Path(),
                {"ite", "read", "out.bin", "--pins", kBoardOnePins, "--device", device});
        EXPECT_EQ(r.exitCode, 0) << board << r.out << r.err;
        EXPECT_TRUE(ReadFileText(dir.File("out.bin")) == image) << board;
        EXPECT_EQ(sim.Stop(), 0);
    }
}
