// The "jtag" commands of tolvane-jig-cli: exit status and output in-process, and whole round
// trips over the simulator process's serial terminal on both boards and both orientations.
#include "sim/chips/NpceJtag.h"
#include "support/Process.h"
#include "support/SimFixture.h"

#include <gtest/gtest.h>

namespace {
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

std::string Image() {
    std::string image(131072, '\0');
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<char>((i * 29) ^ (i >> 7));
    return image;
}
} // namespace

TEST(JtagCli, CheckReadWriteAndTheirExitStatus) {
    TempDir dir;
    ProcessResult r = Cli(dir.Path(), {"jtag", "check", "--device", "sim:pcb3"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(Has(r, "Read NUVOTON ID 0FE2201F\n"));
    EXPECT_TRUE(Has(r, "I`m ready to READ or WRITE.\n"));
    EXPECT_NE(r.err.find("warning:  Now \n Please connect the power supply"), std::string::npos);

    r = Cli(dir.Path(), {"jtag", "read", "out.bin", "--device", "sim:pcb3", "--stats"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    const auto image = SimNpceJtag::DefaultImage();
    EXPECT_TRUE(ReadFileText(dir.File("out.bin")) == std::string(image.begin(), image.end()));
    EXPECT_TRUE(Has(r, "--- stats\n"));
    EXPECT_TRUE(Has(r, "\nscript "));
    EXPECT_TRUE(Has(r, "\nread "));

    WriteFileBytes(dir.File("in.bin"), Image().substr(0, 5000));
    r = Cli(dir.Path(), {"jtag", "write", "in.bin", "--device", "sim:pcb2-npce"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(Has(r, "Write complete! "));
    EXPECT_TRUE(Has(r, "Verify OK: the flash holds in.bin\n"));

    // The cable the other way round: the identifier check fails
    r = Cli(dir.Path(), {"jtag", "read", "out.bin", "--device", "sim:pcb3", "--reversed"});
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    EXPECT_TRUE(Has(r, "Wrong ID. Break.\n"));

    // A byte the flash does not keep: the read-back names its offset
    WriteFileBytes(dir.File("bad.json"),
                   R"({"chips": {"npceJtag": {"corruptAfterWrite": {"address": 70000}}}})");
    r = Cli(dir.Path(),
            {"jtag", "write", "in.bin", "--device", "sim:pcb3", "--scenario", "bad.json"});
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    EXPECT_TRUE(Has(r, "Verify FAILED: the flash differs from the file at offset 0x11170"));
    r = Cli(dir.Path(), {"jtag", "write", "in.bin", "--device", "sim:pcb3", "--scenario",
                         "bad.json", "--no-verify"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_FALSE(Has(r, "Verify"));

    // A script of one's own, missing
    r = Cli(dir.Path(), {"jtag", "check", "--device", "sim:pcb3", "--script", "none.vss"});
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    EXPECT_TRUE(Has(r, "User select VSS file: none.vss\n"));
    EXPECT_TRUE(Has(r, "Break! Open file (.vss) error or not found!\n"));

    WriteFileBytes(dir.File("nojig.json"), R"({"devices": []})");
    r = Cli(dir.Path(), {"jtag", "check", "--device", "sim", "--scenario", "nojig.json"});
    EXPECT_EQ(r.exitCode, 2) << r.out << r.err;
    r = Cli(dir.Path(), {"jtag", "check", "--device", "sim:pcb2-v41"});
    EXPECT_EQ(r.exitCode, 2) << r.out << r.err;
    EXPECT_EQ(Cli(dir.Path(), {"jtag", "read", "--device", "sim:pcb3"}).exitCode, 64);
}

TEST(JtagCli, RoundTripsOverTheSimulatorsSerialTerminal) {
    struct Board {
        const char* board;
        bool reversed;
    };
    const std::string image = Image();
    for (const Board& b : {Board{"pcb3", false}, Board{"pcb3", true}, Board{"pcb2-npce", false}}) {
        TempDir dir;
        WriteFileBytes(dir.File("scenario.json"),
                       b.reversed ? R"({"chips": {"npceJtag": {"reversed": true}}})" : "{}");
        SimProcess sim(
            {"--board", b.board, "--timing", "instant", "--scenario", dir.File("scenario.json")});
        ASSERT_FALSE(sim.PtyPath().empty());
        std::vector<std::string> device{"--device", "tty:" + sim.PtyPath(), "--yes"};
        if (b.reversed)
            device.push_back("--reversed");
        WriteFileBytes(dir.File("in.bin"), image);
        std::vector<std::string> args{"jtag", "write", "in.bin"};
        args.insert(args.end(), device.begin(), device.end());
        ProcessResult r = Cli(dir.Path(), args);
        EXPECT_EQ(r.exitCode, 0) << b.board << r.out << r.err;
        EXPECT_TRUE(Has(r, "Verify OK: the flash holds in.bin\n")) << b.board;

        args = {"jtag", "read", "out.bin"};
        args.insert(args.end(), device.begin(), device.end());
        r = Cli(dir.Path(), args);
        EXPECT_EQ(r.exitCode, 0) << b.board << r.out << r.err;
        EXPECT_TRUE(ReadFileText(dir.File("out.bin")) == image) << b.board;
        EXPECT_EQ(sim.Stop(), 0);
    }
}
