// The "ene" commands of tolvane-jig-cli: exit status, output, the database lookup, and a read
// over a serial terminal served by the simulator process.
#include "sim/chips/EneKb90xx.h"
#include "support/Process.h"
#include "support/SimFixture.h"

#include <gtest/gtest.h>

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
    for (const char* board : {"pcb2-v41", "pcb3"}) {
        SimProcess sim({"--board", board, "--timing", "instant"});
        ASSERT_FALSE(sim.PtyPath().empty());
        TempDir dir;
        ProcessResult r =
            Cli(dir.Path(), {"ene", "read", "out.bin", "--device", "tty:" + sim.PtyPath()});
        EXPECT_EQ(r.exitCode, 0) << board << r.out << r.err;
        EXPECT_TRUE(ReadFileText(dir.File("out.bin")) == expected) << board;

        WriteFileBytes(dir.File("in.bin"), std::string(131072, '\x5A'));
        r = Cli(dir.Path(), {"ene", "write", "in.bin", "--device", "tty:" + sim.PtyPath()});
        EXPECT_EQ(r.exitCode, 0) << board << r.out << r.err;
        EXPECT_TRUE(Has(r, "Writing and verify is OK !\n")) << board;
        EXPECT_EQ(sim.Stop(), 0);
    }
}
