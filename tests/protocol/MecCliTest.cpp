// The "mec" commands of tolvane-jig-cli: exit status, output, and the round trip over a serial
// terminal served by the simulator process on both boards.
#include "MecRig.h"
#include "support/Process.h"

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

// The first offset where a flash that held `was` differs from `image` once `image` has been
// programmed over it without an erase.
std::size_t FirstUnwritable(const std::string& was, const std::string& image) {
    for (std::size_t i = 0; i < image.size(); ++i)
        if ((was[i] & image[i]) != image[i])
            return i;
    return image.size();
}
} // namespace

TEST(MecCli, CheckReadEraseAndTheirExitStatus) {
    TempDir dir;
    ProcessResult r = Cli(dir.Path(), {"mec", "check", "--device", "sim:pcb2-v42"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(Has(r, "ID from MEC -> 0216 A445h\n"));
    EXPECT_TRUE(Has(r, "--> Erase and Write boot allowed.\n"));

    WriteFileBytes(dir.File("locked.json"), R"({"chips": {"mec": {"fwp": true}}})");
    r = Cli(dir.Path(), {"mec", "check", "--device", "sim:pcb3", "--scenario", "locked.json"});
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    EXPECT_TRUE(Has(r, "--> FW write protect! (FWP ножка)\n"));
    r = Cli(dir.Path(), {"mec", "erase", "--device", "sim:pcb3", "--scenario", "locked.json"});
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    EXPECT_TRUE(Has(r, "--> Каманда стирания отменена.\n"));

    r = Cli(dir.Path(), {"mec", "read", "all.bin", "--info", "--device", "sim:pcb3", "--stats"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(Has(r, "Read INFO complete.\n"));
    EXPECT_TRUE(Has(r, "bytes moved:      198656 (file)"));
    EXPECT_TRUE(Has(r, "wire + JIG time:"));
    const std::vector<std::uint8_t> image = SimMec16xx::DefaultImage();
    EXPECT_TRUE(ReadFileText(dir.File("all.bin")) == std::string(image.begin(), image.end()));

    r = Cli(dir.Path(), {"mec", "erase", "--info", "--device", "sim:pcb2-v42"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(Has(r, "Стирание завершено успешно.\n"));

    WriteFileBytes(dir.File("nojig.json"), R"({"devices": []})");
    r = Cli(dir.Path(), {"mec", "check", "--device", "sim", "--scenario", "nojig.json"});
    EXPECT_EQ(r.exitCode, 2) << r.out << r.err;
    for (const std::vector<std::string>& bad : {std::vector<std::string>{"mec", "read"},
                                                {"mec", "write"},
                                                {"mec", "erase", "x.bin"},
                                                {"mec", "check", "--info"},
                                                {"mec", "flash"}}) {
        std::vector<std::string> args = bad;
        args.insert(args.end(), {"--device", "sim:pcb3"});
        EXPECT_EQ(Cli(dir.Path(), args).exitCode, 64) << bad[1];
    }
}

TEST(MecCli, WriteErasesWritesAndVerifies) {
    TempDir dir;
    const std::string image = MecPattern(196608, 21);
    WriteFileBytes(dir.File("in.bin"), image);
    for (const char* board : {"sim:pcb2-v42", "sim:pcb3"}) {
        ProcessResult r = Cli(dir.Path(), {"mec", "write", "in.bin", "--device", board});
        EXPECT_EQ(r.exitCode, 0) << board << r.out << r.err;
        EXPECT_TRUE(Has(r, "Стирание завершено успешно.\n")) << board;
        EXPECT_TRUE(Has(r, "Write FLASH complete.\n")) << board;
        EXPECT_TRUE(Has(r, "Verification OK: MAIN is byte for byte in.bin\n")) << board;
    }

    // Without the erase the simulator's own image is still in the flash.
    const std::vector<std::uint8_t> was = SimMec16xx::DefaultImage();
    const std::size_t at = FirstUnwritable(std::string(was.begin(), was.end()), image);
    ASSERT_LT(at, image.size());
    ProcessResult r =
        Cli(dir.Path(), {"mec", "write", "in.bin", "--no-erase", "--device", "sim:pcb2-v42"});
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    char offset[16];
    std::snprintf(offset, sizeof offset, "0x%05zX", at);
    EXPECT_TRUE(
        Has(r, "Verification failed: MAIN differs from in.bin at offset " + std::string(offset)))
        << r.out;
    EXPECT_FALSE(Has(r, "Стирание завершено успешно."));

    r = Cli(dir.Path(),
            {"mec", "write", "in.bin", "--no-erase", "--no-verify", "--device", "sim:pcb2-v42"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_FALSE(Has(r, "Verification"));

    // A file that cannot be written is refused before anything is erased.
    r = Cli(dir.Path(), {"mec", "write", "missing.bin", "--device", "sim:pcb3"});
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    EXPECT_NE(r.err.find("cannot read missing.bin"), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty()) << r.out;
}

TEST(MecCli, RoundTripOverTheSimulatorsSerialTerminal) {
    for (const char* board : {"pcb2-v42", "pcb3"}) {
        SCOPED_TRACE(board);
        SimProcess sim({"--board", board, "--timing", "instant"});
        ASSERT_FALSE(sim.PtyPath().empty());
        const std::string device = "tty:" + sim.PtyPath();
        TempDir dir;
        const std::string image = MecPattern(196608, 33);
        WriteFileBytes(dir.File("in.bin"), image);
        ProcessResult r = Cli(dir.Path(), {"mec", "write", "in.bin", "--device", device});
        EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
        EXPECT_TRUE(Has(r, "Verification OK")) << r.out;

        r = Cli(dir.Path(), {"mec", "read", "out.bin", "--device", device});
        EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
        EXPECT_TRUE(ReadFileText(dir.File("out.bin")) == image);

        // The same chip, written again without an erase: the read-back tells.
        const std::string other = MecPattern(196608, 34);
        WriteFileBytes(dir.File("other.bin"), other);
        r = Cli(dir.Path(), {"mec", "write", "other.bin", "--no-erase", "--device", device});
        EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
        char offset[16];
        std::snprintf(offset, sizeof offset, "0x%05zX", FirstUnwritable(image, other));
        EXPECT_TRUE(Has(r, "at offset " + std::string(offset))) << r.out;

        r = Cli(dir.Path(), {"mec", "check", "--device", device});
        EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
        EXPECT_EQ(sim.Stop(), 0);
    }
}
