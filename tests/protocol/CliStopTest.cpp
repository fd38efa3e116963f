// Ctrl-C during a read and during a write of every mode that writes a chip, over the serial
// terminal of the simulator process: the operation ends at a block boundary with 130 and says
// so, its journal record says "stopped"; the dump under its name is untouched and the blocks
// received are kept beside it; the chip-state line is what the chip holds and the command it
// gives puts the chip back; the JIG takes the next command on the same terminal. Every reply
// comes a little late, so that a transfer outlasts the signal sent a random moment after its
// blocks began.
#include "support/CliModes.h"
#include "support/Pattern.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <regex>

namespace {
struct StopCase {
    const char* mode;
    const char* board;
    std::size_t readBlock{};            // the bytes of a read's block
    std::size_t writeBlock{};           // and of a write's
    const char* readLine;               // printed as the read's blocks begin
    const char* writeLine;              // and as the write's begin, after its backup
    const char* readStep;               // the journal's step of a stopped read and write,
    const char* writeStep;              // # the blocks done, ^ the one after them
    std::vector<std::string> options{}; // of every command over a terminal
    std::string putBack{};              // the options of the command that puts the chip back
    std::string readStopped{};          // the mode's own line for a stopped read
};

const char* const kStopped = "Stopped at the technician's request.";
// clang-format off
const StopCase kCases[] = {
    {"NUVOTON spi", "pcb3", 512, 256, "Reading ...\n", "Write ...\n", "after block # of 256",
     "after block # of 512"},
    {"NUVOTON jtag", "pcb3", 256, 256, "Reading ...", "Write bytes ... \n", kStopped,
     kStopped, {"--yes"}},
    {"ENE KB90XX", "pcb3", 256, 256, "Reading KB90XX ...\n", "Backup saved: ",
     "stopped after block # of 512", "stopped"},
    {"MEC jtag", "pcb3", 1024, 256, "Read FLASH MEC ...\n",
     "Начали запись MEC16 main block ...\n", "User break", "User break", {}, "",
     "User break read ...\n"},
    {"ITE", "pcb3", 256, 128, "READ, please wait ...\n", "WRITE, please wait ...\n",
     "stopped before block ^ of 512", "stopped before block ^ of 1024", {},
     " --no-backup --pins '" + std::string(kCliItePins) + "'"},
};
// clang-format on

// The journal's record of a stop after `blocks` blocks.
std::string Record(const std::string& mode, const char* op, std::string step, std::size_t blocks) {
    if (const std::size_t at = step.find_first_of("#^"); at != std::string::npos)
        step.replace(at, 1, std::to_string(blocks + (step[at] == '^')));
    return "  " + mode + "  " + op + "  stopped (" + step + ")\n";
}

class CliStop : public ::testing::TestWithParam<StopCase> {
  protected:
    std::vector<std::string> Args(std::vector<std::string> args) const {
        args.insert(args.begin(), group);
        args.insert(args.end(), m.wiring.begin(), m.wiring.end());
        args.insert(args.end(), c.options.begin(), c.options.end());
        args.insert(args.end(), {"--device", device});
        return args;
    }
    ProcessResult Cli(const std::vector<std::string>& args) {
        return RunProgram("tolvane-jig-cli", Args(args), dir.Path(), env);
    }
    // Sends Ctrl-C a random `from` to `to` ms after `line` is out: a read's blocks take at
    // least 190 ms, a write's at least a second.
    ProcessResult Interrupted(const std::vector<std::string>& args, const std::string& line,
                              unsigned from, unsigned to) {
        std::optional<std::chrono::steady_clock::time_point> at;
        const auto pause = std::chrono::milliseconds(from + random() % (to - from));
        return RunProgramAndSignal(
            "tolvane-jig-cli", Args(args), dir.Path(), env,
            [&](const std::string& out) {
                const auto now = std::chrono::steady_clock::now();
                if (!at && out.find(line) != std::string::npos)
                    at = now + pause;
                return at && now >= *at;
            },
            SIGINT);
    }
    std::string LastRecord() {
        return RunProgram("tolvane-jig-cli", {"journal", "--last", "1"}, dir.Path(), env).out;
    }

    const StopCase& c = GetParam();
    const CliModeCase& m = *FindCliModeCase(c.mode);
    const std::string group = CliGroup(m);
    TempDir dir, user;
    const std::vector<std::string> env{"XDG_DATA_HOME=" + user.Path()};
    std::string device;
    std::random_device random;
};
} // namespace

TEST_P(CliStop, CtrlCStopsAReadAndAWriteAtABlockAndTheJigStaysReady) {
    const std::string chip = Pattern(ChipSize(m), 13, 1, 9);
    const std::size_t size = m.image.size(); // what a read gives
    WriteFileBytes(dir.File("flash.bin"), chip);
    WriteFileBytes(dir.File("s.json"), ChipScenario(m, R"({"file": "flash.bin"})",
                                                    R"(, "faults": [{"type": "delay", "ms": 1}])"));
    SimProcess sim({"--board", c.board, "--timing", "instant", "--scenario", dir.File("s.json")});
    ASSERT_FALSE(sim.PtyPath().empty());
    device = "tty:" + sim.PtyPath();

    WriteFileBytes(dir.File("dump.bin"), "an older dump");
    ProcessResult r = Interrupted({"read", "dump.bin"}, c.readLine, 20, 100);
    EXPECT_EQ(r.exitCode, 130) << r.out << r.err;
    EXPECT_NE(r.err.find("Stopping at the next safe point"), std::string::npos) << r.err;
    EXPECT_TRUE(Says(r, std::string(kStopped) + "\n") && Says(r, c.readStopped)) << r.out;
    EXPECT_EQ(ReadFileText(dir.File("dump.bin")), "an older dump");
    const std::string partial = ReadFileText(dir.File("dump.bin.partial"));
    EXPECT_EQ(partial.size() % c.readBlock, 0u);
    EXPECT_GT(partial.size(), 0u);
    EXPECT_LT(partial.size(), size);
    EXPECT_TRUE(partial == chip.substr(0, partial.size()));
    EXPECT_TRUE(Says(r, "The " + std::to_string(partial.size()) +
                            " bytes received are kept in dump.bin.partial; dump.bin is "
                            "unchanged.\n"))
        << r.out;
    EXPECT_NE(LastRecord().find(Record(m.mode, "read", c.readStep, partial.size() / c.readBlock)),
              std::string::npos)
        << LastRecord();
    r = Cli({"read", "dump.bin"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(ReadFileText(dir.File("dump.bin")) == chip.substr(0, size));

    const std::string image = Pattern(size, 7, 1, 9);
    WriteFileBytes(dir.File("in.bin"), image);
    r = Interrupted({"write", "in.bin"}, c.writeLine, 100, 300);
    EXPECT_EQ(r.exitCode, 130) << r.out << r.err;
    EXPECT_TRUE(Says(r, std::string(kStopped) + "\n")) << r.out;
    const std::string record = LastRecord();
    const std::string blocks = std::to_string(size / c.writeBlock);
    std::smatch line;
    ASSERT_TRUE(
        std::regex_search(r.err, line,
                          std::regex(R"(\nThe chip is partly written \(blocks 1 to (\d+) of )" +
                                     blocks + R"(\)\. Backup: (\S+)\.\nTo put it back: (.*)\n)")))
        << r.err;
    const std::size_t written = std::stoul(line[1]) * c.writeBlock;
    const std::string backup = line[2];
    const std::string putBack = line[3]; // the match points into r, which is used again below
    EXPECT_NE(record.find(Record(m.mode, "write", c.writeStep, std::stoul(line[1]))),
              std::string::npos)
        << record;
    EXPECT_GT(written, 0u);
    EXPECT_LT(written, image.size());
    EXPECT_TRUE(ReadFileText(backup).substr(0, size) == chip.substr(0, size));
    EXPECT_EQ(putBack, "tolvane-jig-cli " + group + " write" + c.putBack + " " + backup +
                           " --device " + device);

    // The line is true: the chip holds the blocks it names and is erased after them.
    r = Cli({"read", "now.bin"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    std::string expected = image.substr(0, written);
    expected.resize(size, '\xFF');
    EXPECT_TRUE(ReadFileText(dir.File("now.bin")) == expected);

    // And the command it gives puts the chip back.
    std::string command = putBack;
    for (const std::string& option : c.options)
        command += " " + option;
    r = RunProgram("/bin/sh", {"-c", command}, dir.Path(),
                   {env[0], "PATH=" TOLVANE_BIN_DIR ":/usr/bin:/bin"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_EQ(sim.Stop(), 0);
    EXPECT_TRUE(ReadFileText(dir.File("flash.bin")).substr(0, size) == chip.substr(0, size));
}

INSTANTIATE_TEST_SUITE_P(Modes, CliStop, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return ModeTestName(info.param.mode); });
