// The "ene" commands of tolvane-jig-cli: exit status, output, the database lookup, and a read
// over a serial terminal served by the simulator process.
#include "link/WaitBounds.h"
#include "sim/chips/EneKb90xx.h"
#include "support/Pattern.h"
#include "support/Process.h"
#include "support/SimFixture.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>

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

TEST(EneCli, ReadWriteAndTheirExitStatus) {
    TempDir dir;
    ProcessResult r =
        Cli(dir.Path(), {"ene", "read", "out.bin", "--device", "sim:pcb3", "--stats"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(Has(r, "Reading completed successfully.\n"));
    EXPECT_TRUE(Has(r, "bytes moved:      131072 (file)"));
    EXPECT_TRUE(Has(r, "wire + JIG time:"));
    EXPECT_EQ(ReadFileText(dir.File("out.bin")).size(), 131072u);

    r = Cli(dir.Path(), {"ene", "write", "out.bin", "--device", "sim:pcb2-v41"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(Has(r, "Writing and verify is OK !\n"));

    WriteFileBytes(dir.File("noec.json"), R"({"chips": {"ene": {"connected": false}}})");
    r = Cli(dir.Path(),
            {"ene", "write", "out.bin", "--device", "sim:pcb3", "--scenario", "noec.json"});
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    EXPECT_TRUE(Has(r, "No connection to the KB90XX!\n"));

    // An empty image is refused before the JIG is asked anything, and says the chip is as it was.
    WriteFileBytes(dir.File("empty.bin"), "");
    r = Cli(dir.Path(), {"ene", "write", "empty.bin", "--device", "sim:pcb3"});
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    EXPECT_FALSE(Has(r, "Version FW")) << r.out;
    EXPECT_NE(r.err.find("The chip is unchanged. No backup was taken.\n"), std::string::npos)
        << r.err;

    WriteFileBytes(dir.File("nojig.json"), R"({"devices": []})");
    r = Cli(dir.Path(), {"ene", "read", "out.bin", "--device", "sim", "--scenario", "nojig.json"});
    EXPECT_EQ(r.exitCode, 2) << r.out << r.err;
    r = Cli(dir.Path(), {"ene", "read", "out.bin", "--device", "sim:pcb2-v42"});
    EXPECT_EQ(r.exitCode, 2) << r.out << r.err;
}

TEST(EneCli, FfcFindsAWindows1251BoardByItsReadableName) {
    TempDir dir;
    WriteFileBytes(dir.File("MB connection ENE.txt"),
                   "\xCF\xEB\xE0\xF2\xE0 \xEE\xE4\xE8\xED KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8\n");
    const ProcessResult r = Cli(
        dir.Path(), {"ene", "ffc", "--mb", "Плата один", "--cable", "30", "--device", "sim:pcb3"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(Has(r, "User select --> Плата один KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8 (30 pin "
                       "FFC) 1 to 1 \n"))
        << r.out;
}

TEST(EneCli, FfcFindsTheBoardInTheDatabaseOfTheCurrentFolder) {
    TempDir dir;
    WriteFileBytes(dir.File("MB connection ENE.txt"),
                   "Board one KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8\r\n"
                   "Board two KSO3=3 KSI4=9 KSI5=10 KSI6=11 KSI7=13\n");
    ProcessResult r = Cli(dir.Path(), {"ene", "ffc", "--mb", "Board one", "--cable", "30 pin",
                                       "--mirrored", "--device", "sim:pcb3"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(Has(r, "Please connect GND and:  A19 B26 C23 D24 E25 (only for JIG 2)\n"));
    EXPECT_TRUE(Has(r, "User select --> Board one KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8 (30 pin "
                       "FFC) mirrored\n"));
    EXPECT_TRUE(Has(r, "Settings sent successfully!\n"));

    r = Cli(dir.Path(),
            {"ene", "ffc", "--mb", "Board two", "--cable", "30", "--device", "sim:pcb2-v41"});
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    EXPECT_TRUE(Has(r, "Not for this version JIG!\n"));

    // Two boards match, a cable that is not in the list, a missing option
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"ene", "ffc", "--mb", "Board", "--cable", "30"},
          {"ene", "ffc", "--mb", "Board one", "--cable", "31"},
          {"ene", "ffc", "--mb", "Board one"},
          {"ene", "read", "x.bin", "--mb", "Board one"}}) {
        std::vector<std::string> args = bad;
        args.insert(args.end(), {"--device", "sim:pcb3"});
        EXPECT_EQ(Cli(dir.Path(), args).exitCode, 64) << bad[3];
    }
}

TEST(EneCli, ReadThroughACableRoutedInTheSameRun) {
    TempDir dir;
    WriteFileBytes(dir.File("scenario.json"),
                   R"({"chips": {"ene": {"wiring": "ffc", "cable": 30, "connector":
                       {"KSO3": 12, "KSI4": 5, "KSI5": 6, "KSI6": 7, "KSI7": 8}}}})");
    ProcessResult r = Cli(dir.Path(), {"ene", "read", "out.bin", "--device", "sim:pcb3",
                                       "--scenario", "scenario.json", "--mb",
                                       "X KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8", "--cable", "30"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_FALSE(Has(r, "WARNING !!! The default mode for SOLDERING WIRES."));
    EXPECT_EQ(ReadFileText(dir.File("out.bin")).size(), 131072u);
}

TEST(EneCli, ReadAndWriteOverTheSimulatorsSerialTerminal) {
    const std::vector<std::uint8_t> image = SimEneKb90xx::DefaultImage();
    const std::string expected(image.begin(), image.end());
    SimProcess sim({"--board", "pcb2-v41", "--timing", "instant"});
    ASSERT_FALSE(sim.PtyPath().empty());
    TempDir dir;
    ProcessResult r =
        Cli(dir.Path(), {"ene", "read", "out.bin", "--device", "tty:" + sim.PtyPath()});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(ReadFileText(dir.File("out.bin")) == expected);

    WriteFileBytes(dir.File("in.bin"), std::string(131072, '\x5A'));
    r = Cli(dir.Path(), {"ene", "write", "in.bin", "--device", "tty:" + sim.PtyPath()});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(Has(r, "Writing and verify is OK !\n"));
    EXPECT_EQ(sim.Stop(), 0);
}

// Ctrl-C at a random block of a read and of a write over the simulator's terminal, at wire
// speed: each ends at a safe point with 130, the journal says "stopped", the old dump is
// untouched beside the blocks received, the chip-state line is what the chip holds, and the
// JIG takes the next command on the same terminal.
TEST(EneCli, CtrlCStopsAReadAndAWriteAndTheJigStaysReady) {
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    TempDir dir;
    TempDir user;
    const std::vector<std::string> env{"XDG_DATA_HOME=" + user.Path()};
    const std::vector<std::uint8_t> chip = SimEneKb90xx::DefaultImage();
    WriteFileBytes(dir.File("chip.bin"), std::string(chip.begin(), chip.end()));
    WriteFileBytes(dir.File("s.json"), R"({"chips": {"ene": {"file": "chip.bin"}}})");
    SimProcess sim({"--board", "pcb3", "--scenario", dir.File("s.json"), "--timing", "wire"});
    ASSERT_FALSE(sim.PtyPath().empty());
    const std::string device = "tty:" + sim.PtyPath();
    auto lastJournalRecord = [&] {
        const std::string text = ReadFileText(user.File("tolvane-jig/journal.jsonl"));
        const std::size_t end = text.find_last_not_of('\n');
        return end == std::string::npos ? "" : text.substr(text.rfind('\n', end) + 1);
    };

    // The read: stopped once the new file beside the dump holds `blocks` blocks.
    const std::string dump = dir.File("dump.bin");
    WriteFileBytes(dump, "the old dump");
    const std::size_t blocks = std::uniform_int_distribution<std::size_t>(1, 200)(random);
    auto received = [&](const std::string&) {
        for (const auto& e : std::filesystem::directory_iterator(dir.Path()))
            if (e.path().filename().string().starts_with(".dump.bin.") &&
                e.file_size() >= blocks * 256)
                return true;
        return false;
    };
    ProcessResult r =
        RunProgramAndSignal("tolvane-jig-cli", {"ene", "read", dump, "--device", device},
                            dir.Path(), env, received, SIGINT);
    EXPECT_EQ(r.exitCode, 130) << r.out << r.err;
    EXPECT_TRUE(Has(r, "Stopped at the technician's request.\n")) << r.out;
    EXPECT_EQ(ReadFileText(dump), "the old dump");
    const std::string partial = ReadFileText(dump + ".partial");
    EXPECT_EQ(partial.size() % 256, 0u);
    EXPECT_GE(partial.size(), blocks * 256);
    EXPECT_LT(partial.size(), chip.size());
    EXPECT_TRUE(partial == std::string(chip.begin(), chip.begin() + partial.size()));
    EXPECT_NE(lastJournalRecord().find("\"stopped\""), std::string::npos) << lastJournalRecord();

    // The write: stopped some time into its blocks.
    std::string image = Pattern(131072, 29);
    WriteFileBytes(dir.File("in.bin"), image);
    const auto started = std::chrono::steady_clock::now();
    const auto after = Millis(std::uniform_int_distribution<int>(300, 4000)(random));
    r = RunProgramAndSignal(
        "tolvane-jig-cli", {"ene", "write", "in.bin", "--no-backup", "--device", device},
        dir.Path(), env,
        [&](const std::string&) { return std::chrono::steady_clock::now() - started > after; },
        SIGINT);
    EXPECT_EQ(r.exitCode, 130) << r.out << r.err;
    EXPECT_NE(lastJournalRecord().find("\"stopped\""), std::string::npos) << lastJournalRecord();
    const std::string prefix = "The chip is partly written (blocks 1 to ";
    const std::size_t at = r.err.find(prefix);
    ASSERT_NE(at, std::string::npos) << r.err;
    const int written = std::atoi(r.err.c_str() + at + prefix.size());
    ASSERT_GT(written, 0);
    ASSERT_LT(written, 512);
    EXPECT_NE(r.err.find(prefix + std::to_string(written) + " of 512). No backup was taken.\n"),
              std::string::npos)
        << r.err;

    // The next command on the same terminal is answered: the write's stream is over, and the
    // chip holds what the line said.
    r = Cli(dir.Path(), {"identify", "--device", device});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    std::string expected = image.substr(0, static_cast<std::size_t>(written) * 256);
    expected.resize(131072, '\xFF');
    EXPECT_TRUE(ReadFileText(dir.File("chip.bin")) == expected);
    EXPECT_EQ(sim.Stop(), 0);
}
