// The "npce" commands of tolvane-jig-cli: exit status, output, and round trips on both boards,
// in the same process and over the serial terminal of the simulator process.
#include "sim/chips/NpceSpi.h"
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

std::string Pattern(unsigned seed) {
    std::string bytes(131072, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>((i * 29 + seed + (i >> 8)) & 0xFF);
    return bytes;
}
} // namespace

TEST(NpceCli, WriteThenReadOfAFlashKeptInAFileOnBothBoards) {
    for (const char* board : {"pcb2-npce", "pcb3"}) {
        TempDir dir;
        // The flash lives in a file, so it outlasts one CLI run.
        WriteFileBytes(dir.File("flash.json"), R"({"chips": {"npce-spi": {"file": "chip.bin"}}})");
        const std::string image = Pattern(board[3] == '2' ? 5 : 9);
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
    ProcessResult r = Cli(dir.Path(), {"npce", "read", "out.bin", "--device", "sim:pcb3",
                                       "--scenario", "otherid.json"});
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    EXPECT_TRUE(Has(r, "No connection to the NPCE! reading ID -> EF4013\n"));

    r = Cli(dir.Path(), {"npce", "write", "missing.bin", "--device", "sim:pcb3"});
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    EXPECT_NE(r.err.find("Ошибка открытия файла."), std::string::npos) << r.err;

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
    for (const char* board : {"pcb2-npce", "pcb3"}) {
        SimProcess sim({"--board", board, "--timing", "instant"});
        ASSERT_FALSE(sim.PtyPath().empty());
        TempDir dir;
        const std::string image = Pattern(board[3] == '2' ? 1 : 2);
        WriteFileBytes(dir.File("in.bin"), image);
        ProcessResult r =
            Cli(dir.Path(), {"npce", "write", "in.bin", "--device", "tty:" + sim.PtyPath()});
        EXPECT_EQ(r.exitCode, 0) << board << r.out << r.err;
        EXPECT_TRUE(Has(r, "Nuvoton chip is programmed succesfully!\n")) << board;

        r = Cli(dir.Path(), {"npce", "read", "out.bin", "--device", "tty:" + sim.PtyPath()});
        EXPECT_EQ(r.exitCode, 0) << board << r.out << r.err;
        EXPECT_TRUE(ReadFileText(dir.File("out.bin")) == image) << board;
        EXPECT_EQ(sim.Stop(), 0);
    }
}
