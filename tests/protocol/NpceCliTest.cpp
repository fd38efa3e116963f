// The "npce" commands of tolvane-jig-cli: exit status, output, and round trips on both boards in
// the same process and on one over the serial terminal of the simulator process (the terminal
// does not depend on the board).
#include "sim/chips/NpceSpi.h"
#include "support/Pattern.h"
#include "support/Process.h"
#include "support/SimFixture.h"

#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <regex>
#include <sstream>

namespace {
// The CLI in `folder`, the simulated JIG on instant timing unless a tty is given.
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

} // namespace

TEST(NpceCli, WriteThenReadOfAFlashKeptInAFileOnBothBoards) {
    for (const char* board : {"pcb2-npce", "pcb3"}) {
        TempDir dir;
        // The flash lives in a file, so it outlasts one CLI run.
        WriteFileBytes(dir.File("flash.json"), R"({"chips": {"npce-spi": {"file": "chip.bin"}}})");
        const std::string image = Pattern(131072, 29, board[3] == '2' ? 5 : 9);
        WriteFileBytes(dir.File("in.bin"), image);
        const std::string device = std::string("sim:") + board;
        ProcessResult r = Cli(dir.Path(), {"npce", "write", "in.bin", "--device", device,
                                           "--scenario", "flash.json", "--stats", "--force"});
        EXPECT_EQ(r.exitCode, 0) << board << r.out << r.err;
        EXPECT_TRUE(Has(r, "Nuvoton chip is programmed succesfully!\n")) << board;
        EXPECT_TRUE(Has(r, "bytes moved:      131072 (file)")) << board;
        EXPECT_TRUE(Has(r, "wire + JIG time:")) << board;

        r = Cli(dir.Path(),
                {"npce", "read", "out.bin", "--device", device, "--scenario", "flash.json"});
        EXPECT_EQ(r.exitCode, 0) << board << r.out << r.err;
        EXPECT_TRUE(Has(r, "Reading complete ...\n")) << board;
        EXPECT_TRUE(ReadFileText(dir.File("out.bin")) == image) << board;
    }
}

TEST(NpceCli, ExitStatusOfEachEnd) {
    TempDir dir;
    WriteFileBytes(dir.File("otherid.json"),
                   R"({"chips": {"npce-spi": {"id": [239, 64, 19, 0]}}})");
    WriteFileBytes(dir.File("out.bin"), "an older dump");
    ProcessResult r = Cli(dir.Path(), {"npce", "read", "out.bin", "--device", "sim:pcb3",
                                       "--scenario", "otherid.json"});
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    EXPECT_TRUE(Has(r, "No connection to the NPCE! reading ID -> EF4013\n"));
    EXPECT_EQ(ReadFileText(dir.File("out.bin")), "an older dump");

    // The image is judged before the JIG is asked for anything.
    r = Cli(dir.Path(), {"npce", "write", "missing.bin", "--device", "sim:pcb3"});
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    EXPECT_NE(r.err.find("Ошибка открытия файла."), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "missing.bin: No such file or directory\n");

    r = Cli(dir.Path(), {"npce", "read", "out.bin", "--device", "sim:pcb2-v41"});
    EXPECT_EQ(r.exitCode, 2) << r.out << r.err;
    EXPECT_TRUE(Has(r, "It is necessary to update the firmware programmer!\n"));
    WriteFileBytes(dir.File("nojig.json"), R"({"devices": []})");
    r = Cli(dir.Path(), {"npce", "read", "out.bin", "--device", "sim", "--scenario", "nojig.json"});
    EXPECT_EQ(r.exitCode, 2) << r.out << r.err;

    EXPECT_EQ(Cli(dir.Path(), {"npce", "read", "--device", "sim:pcb3"}).exitCode, 64);
    EXPECT_EQ(Cli(dir.Path(), {"npce", "erase", "--device", "sim:pcb3"}).exitCode, 64);
}

TEST(NpceCli, WriteThenReadOverTheSimulatorsSerialTerminal) {
    SimProcess sim({"--board", "pcb2-npce", "--timing", "instant"});
    ASSERT_FALSE(sim.PtyPath().empty());
    TempDir dir;
    const std::string image = Pattern(131072, 29, 1);
    WriteFileBytes(dir.File("in.bin"), image);
    ProcessResult r =
        Cli(dir.Path(), {"npce", "write", "in.bin", "--device", "tty:" + sim.PtyPath()});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(Has(r, "Nuvoton chip is programmed succesfully!\n"));

    r = Cli(dir.Path(), {"npce", "read", "out.bin", "--device", "tty:" + sim.PtyPath()});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(ReadFileText(dir.File("out.bin")) == image);
    EXPECT_EQ(sim.Stop(), 0);
}

namespace {
// The simulated JIG on a terminal with a flash kept in `chip` and one reply held back two
// seconds, so that a Ctrl-C sent once the stream starts lands before it ends.
SimProcess SlowSim(const TempDir& dir, const std::string& chip, int heldReply) {
    WriteFileBytes(dir.File("slow.json"),
                   R"({"chips": {"npce-spi": {"file": ")" + chip +
                       R"("}}, "faults": [{"type": "delay", "afterReplies": )" +
                       std::to_string(heldReply) + R"(, "ms": 2000}]})");
    return SimProcess(
        {"--board", "pcb3", "--timing", "instant", "--scenario", dir.File("slow.json")});
}

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}
} // namespace

// Ctrl-C during a read and during a write over the simulator's terminal: the stream ends as
// the protocol ends it, the CLI says where things stand and exits 130, the journal says
// "stopped", and the next command on the same terminal works.
TEST(NpceCli, CtrlCStopsAReadAndAWriteAtARandomBlockAndTheJigStaysReady) {
    std::mt19937 random(std::random_device{}());
    const int readBlock = std::uniform_int_distribution(2, 255)(random);
    const int writePage = std::uniform_int_distribution(2, 511)(random);
    SCOPED_TRACE("held: read block " + std::to_string(readBlock) + ", write page " +
                 std::to_string(writePage));
    TempDir dir;
    TempDir user;
    const std::vector<std::string> env{"XDG_DATA_HOME=" + user.Path()};
    auto cli = [&](const std::vector<std::string>& args) {
        return RunProgram("tolvane-jig-cli", args, dir.Path(), env);
    };
    auto lastJournalRecord = [&] { return cli({"journal", "--last", "1"}).out; };
    const std::string chip = dir.File("chip.bin");
    const std::string old = Pattern(131072, 29, 4);
    WriteFileBytes(chip, old);

    {
        // Replies: the version, the ID, 'I', then block N as reply N + 2.
        SimProcess sim = SlowSim(dir, chip, readBlock + 2);
        const std::string device = "tty:" + sim.PtyPath();
        WriteFileBytes(dir.File("dump.bin"), "an older dump");
        ProcessResult r =
            RunProgramSignalled("tolvane-jig-cli", {"npce", "read", "dump.bin", "--device", device},
                                "Reading ...\n", SIGINT, dir.Path(), env);
        EXPECT_EQ(r.exitCode, 130) << r.out << r.err;
        EXPECT_NE(r.err.find("Stopping at the next safe point"), std::string::npos) << r.err;
        EXPECT_TRUE(Has(r, "Stopped at the technician's request.\n")) << r.out;
        EXPECT_EQ(ReadFileText(dir.File("dump.bin")), "an older dump");
        const std::string partial = ReadFileText(dir.File("dump.bin.partial"));
        const std::size_t blocks = partial.size() / 512;
        EXPECT_EQ(partial.size() % 512, 0u);
        EXPECT_GE(blocks, 1u);
        EXPECT_LE(blocks, static_cast<std::size_t>(readBlock));
        EXPECT_TRUE(old.compare(0, partial.size(), partial) == 0);
        EXPECT_TRUE(Has(r, "The " + std::to_string(partial.size()) +
                               " bytes received are kept in dump.bin.partial; dump.bin is "
                               "unchanged.\n"))
            << r.out;
        EXPECT_NE(lastJournalRecord().find("  NUVOTON spi  read  stopped (after block " +
                                           std::to_string(blocks) + " of 256)\n"),
                  std::string::npos);

        r = cli({"npce", "read", "dump.bin", "--device", device});
        EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
        EXPECT_TRUE(ReadFileText(dir.File("dump.bin")) == old);
        EXPECT_EQ(sim.Stop(), 0);
    }
    {
        // With the backup first (replies 3 to 259), the erase and the blank check, page N's
        // status is reply 261 + 2N.
        SimProcess sim = SlowSim(dir, chip, 261 + 2 * writePage);
        const std::string device = "tty:" + sim.PtyPath();
        const std::string image = Pattern(131072, 29, 5);
        WriteFileBytes(dir.File("in.bin"), image);
        ProcessResult r =
            RunProgramSignalled("tolvane-jig-cli", {"npce", "write", "in.bin", "--device", device},
                                "Write ...\n", SIGINT, dir.Path(), env);
        EXPECT_EQ(r.exitCode, 130) << r.out << r.err;
        std::smatch m;
        ASSERT_TRUE(std::regex_search(
            r.err, m,
            std::regex(R"(\nThe chip is partly written \(blocks 1 to (\d+) of 512\)\. )"
                       R"(Backup: (\S+)\.\nTo put it back: (.*)\n)")))
            << r.err;
        const int pages = std::stoi(m[1]);
        const std::string backup = m[2];
        const std::string putBack = m[3];
        EXPECT_GE(pages, 1);
        EXPECT_LE(pages, writePage);
        EXPECT_TRUE(ReadFileText(backup) == old);
        EXPECT_EQ(putBack, "tolvane-jig-cli npce write " + backup + " --device " + device);
        EXPECT_NE(lastJournalRecord().find("  NUVOTON spi  write  stopped (after block " +
                                           std::to_string(pages) + " of 512)\n"),
                  std::string::npos);

        // The line is true: the chip holds the pages it names and is erased after them.
        r = cli({"npce", "read", "now.bin", "--device", device});
        EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
        std::string expected = image.substr(0, static_cast<std::size_t>(pages) * 256);
        expected.resize(131072, '\xFF');
        EXPECT_TRUE(ReadFileText(dir.File("now.bin")) == expected);

        // And the command it gives puts the chip back.
        std::vector<std::string> words = Words(putBack);
        words.erase(words.begin());
        r = cli(words);
        EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
        r = cli({"npce", "read", "now.bin", "--device", device});
        EXPECT_TRUE(ReadFileText(dir.File("now.bin")) == old);
        EXPECT_EQ(sim.Stop(), 0);
    }
}
