// The "ite" commands of tolvane-jig-cli: the wiring options, exit statuses, the log language,
// the read-back after a write, and round trips over the simulator's serial terminal.
#include "sim/chips/IteEc.h"
#include "support/Pattern.h"
#include "support/Process.h"
#include "support/SimFixture.h"
#include "support/Surprises.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <regex>

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
    std::string image = Pattern(131072, 29, 0, 10);
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

    // A device is neither an image nor a dump: refused at once with its reason, and never
    // read to its end for the journal.
    for (const char* op : {"write", "read"}) {
        r = Cli(dir.Path(), {"ite", op, "/dev/zero", "--mb", "Board one", "--device", "sim:pcb3"});
        EXPECT_EQ(r.exitCode, 1) << op << r.out << r.err;
        EXPECT_TRUE(Has(r, "/dev/zero: not a regular file\n")) << op << r.out;
    }
}

TEST(IteCliPty, WriteAndReadOverTheSimulatorsSerialTerminal) {
    std::string image = Pattern(131072, 7);
    SimProcess sim({"--board", "pcb2-ite", "--timing", "instant"});
    ASSERT_FALSE(sim.PtyPath().empty());
    TempDir dir;
    WriteFileBytes(dir.File("in.bin"), image);
    const std::string device = "tty:" + sim.PtyPath();
    ProcessResult r =
        Cli(dir.Path(), {"ite", "write", "in.bin", "--pins", kBoardOnePins, "--device", device});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(Has(r, "Verify: the flash matches the file.\n"));
    r = Cli(dir.Path(), {"ite", "read", "out.bin", "--pins", kBoardOnePins, "--device", device});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(ReadFileText(dir.File("out.bin")) == image);
    EXPECT_EQ(sim.Stop(), 0);
}

// Ctrl-C in the middle of a read and of a write over the simulator's terminal, a random moment
// after the blocks began. Every reply comes 2 ms late, so that the transfer lasts well beyond
// the signal; the stop lands at whichever block boundary comes next. The CLI exits 130 with a
// "stopped" journal record, the dump under its name is untouched with the blocks received aside,
// the chip-state line is what the chip holds, and the JIG takes the next command on the same
// terminal.
class IteCliStop : public ::testing::Test {
  protected:
    // A PCB3 simulator on a terminal, its flash in `flash` (holding `chip`).
    std::unique_ptr<SimProcess> Sim(const std::string& flash) {
        WriteFileBytes(dir.File(flash), chip);
        const std::string scenario = dir.File(flash + ".json");
        WriteFileBytes(scenario, R"({"chips": {"ite": {"file": ")" + dir.File(flash) +
                                     R"("}}, "faults": [{"type": "delay", "ms": 2}]})");
        auto sim = std::make_unique<SimProcess>(std::vector<std::string>{
            "--board", "pcb3", "--timing", "instant", "--scenario", scenario});
        device = "tty:" + sim->PtyPath();
        return sim;
    }
    // Runs `args`, sends Ctrl-C up to 0.3 s after `line` is out, and returns how it ended.
    ProcessResult Interrupted(const std::vector<std::string>& args, const std::string& line) {
        std::optional<std::chrono::steady_clock::time_point> signalAt;
        const auto pause = std::chrono::milliseconds(random() % 300);
        return RunProgramAndSignal(
            "tolvane-jig-cli", args, dir.Path(), {env},
            [&](const std::string& out) {
                const auto now = std::chrono::steady_clock::now();
                if (!signalAt && out.find(line) != std::string::npos)
                    signalAt = now + pause;
                return signalAt && now >= *signalAt;
            },
            SIGINT);
    }
    std::string LastRecord() const {
        const ProcessResult j = RunProgram("tolvane-jig-cli", {"journal"}, dir.Path(), {env});
        const std::size_t at = j.out.rfind("  ITE  ");
        return at == std::string::npos ? j.out : j.out.substr(at, j.out.find('\n', at) - at);
    }

    TempDir dir, user;
    const std::string env = "XDG_DATA_HOME=" + user.Path();
    const std::string chip = Pattern(131072, 13, 1, 9);
    std::string device;
    std::random_device random;
};

TEST_F(IteCliStop, CtrlCDuringAReadKeepsTheDumpAndTheBlocksReadAside) {
    auto sim = Sim("flash.bin");
    const std::string dump = dir.File("dump.bin");
    const std::string earlier(131072, '\x5A');
    WriteFileBytes(dump, earlier);
    const ProcessResult r =
        Interrupted({"ite", "read", "dump.bin", "--pins", kBoardOnePins, "--device", device},
                    "READ, please wait ...");
    EXPECT_EQ(r.exitCode, 130) << r.out << r.err;
    EXPECT_TRUE(Has(r, "Stopped at the technician's request.\n")) << r.out;
    EXPECT_TRUE(ReadFileText(dump) == earlier);
    const std::string partial = ReadFileText(dump + ".partial");
    EXPECT_EQ(partial.size() % 256, 0u);
    EXPECT_LT(partial.size(), chip.size());
    EXPECT_TRUE(partial == chip.substr(0, partial.size()));
    EXPECT_NE(LastRecord().find("  ITE  read  stopped"), std::string::npos) << LastRecord();

    const ProcessResult again = RunProgram(
        "tolvane-jig-cli", {"ite", "read", "dump.bin", "--pins", kBoardOnePins, "--device", device},
        dir.Path(), {env});
    EXPECT_EQ(again.exitCode, 0) << again.out << again.err;
    EXPECT_TRUE(ReadFileText(dump) == chip);
    EXPECT_EQ(sim->Stop(), 0);
}

TEST_F(IteCliStop, CtrlCDuringAWriteSaysWhereTheChipStandsAndHowToPutItBack) {
    auto sim = Sim("flash.bin");
    const std::string image = Pattern(131072, 7, 1, 9);
    WriteFileBytes(dir.File("in.bin"), image);
    const ProcessResult w =
        Interrupted({"ite", "write", "in.bin", "--pins", kBoardOnePins, "--device", device},
                    "WRITE, please wait ...");
    EXPECT_EQ(w.exitCode, 130) << w.out << w.err;
    EXPECT_TRUE(Has(w, "Stopped at the technician's request.\n")) << w.out;
    EXPECT_NE(LastRecord().find("  ITE  write  stopped"), std::string::npos) << LastRecord();
    std::smatch m;
    const std::regex state("The chip (is partly written \\(blocks 1 to ([0-9]+) of 1024\\)|may "
                           "be partly erased|is erased)\\. Backup: ([^\\n]+)\\.\n");
    ASSERT_TRUE(std::regex_search(w.err, m, state)) << w.err;
    const std::size_t written = m[2].matched ? std::stoul(m[2].str()) * 128 : 0;
    EXPECT_LT(written, image.size());
    // The next command on the same terminal reads what the line says.
    const ProcessResult now = RunProgram(
        "tolvane-jig-cli", {"ite", "read", "now.bin", "--pins", kBoardOnePins, "--device", device},
        dir.Path(), {env});
    EXPECT_EQ(now.exitCode, 0) << now.out << now.err;
    EXPECT_TRUE(ReadFileText(dir.File("now.bin")) ==
                image.substr(0, written) + std::string(131072 - written, '\xFF'));
    const std::string backup = m[3].str();
    EXPECT_TRUE(ReadFileText(backup) == chip);

    // The command printed to put it back, run as a shell would (its quotes taken off).
    const std::string back = "To put it back: tolvane-jig-cli ite write --no-backup --pins '" +
                             kBoardOnePins + "' " + backup + " --device " + device + "\n";
    EXPECT_NE(w.err.find(back), std::string::npos) << w.err;
    const ProcessResult again = RunProgram(
        "tolvane-jig-cli",
        {"ite", "write", "--no-backup", "--pins", kBoardOnePins, backup, "--device", device},
        dir.Path(), {env});
    EXPECT_EQ(again.exitCode, 0) << again.out << again.err;
    EXPECT_TRUE(Has(again, "Verify: the flash matches the file.\n"));
    EXPECT_EQ(sim->Stop(), 0);
    EXPECT_TRUE(ReadFileText(dir.File("flash.bin")) == chip);
}
