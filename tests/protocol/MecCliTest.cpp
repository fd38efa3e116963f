// The "mec" commands of tolvane-jig-cli: exit status, output, and the round trip over a serial
// terminal served by the simulator process on both boards.
#include "MecRig.h"
#include "safety/Journal.h"
#include "support/Process.h"
#include "support/Surprises.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <string_view>

namespace {
// The CLI in `folder`, the simulated JIG on instant timing unless a tty is given.
ProcessResult Cli(const std::string& folder, std::vector<std::string> args) {
    const bool tty = std::any_of(args.begin(), args.end(),
                                 [](const std::string& a) { return a.rfind("tty:", 0) == 0; });
    if (!tty)
        args.insert(args.end(), {"--timing", "instant"});
    return RunProgram("tolvane-jig-cli", args, folder);
}

// The CLI in `folder`, sent SIGINT 0.3 s after `after` shows on its output, as a technician
// pressing Ctrl-C in a transfer (which a JIG late with one reply holds up meanwhile).
ProcessResult CliStoppedBySigint(const std::string& folder, const std::vector<std::string>& args,
                                 const std::string& after, const std::vector<std::string>& env) {
    std::optional<std::chrono::steady_clock::time_point> signalAt;
    return RunProgramAndSignal(
        "tolvane-jig-cli", args, folder, env,
        [&](const std::string& out) {
            const auto now = std::chrono::steady_clock::now();
            if (!signalAt && out.find(after) != std::string::npos)
                signalAt = now + std::chrono::milliseconds(300);
            return signalAt && now >= *signalAt;
        },
        SIGINT);
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
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    EXPECT_TRUE(Has(r, "INFO is not erased: the erase was not confirmed.\n"));
    r = Cli(dir.Path(), {"mec", "erase", "--info", "--yes", "--device", "sim:pcb2-v42"});
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
    WriteFileBytes(dir.File("empty.bin"), "");
    WriteFileBytes(dir.File("large.bin"), MecPattern(198657));
    for (const auto& [file, reason] : std::vector<std::pair<std::string, std::string>>{
             {"missing.bin", "missing.bin: No such file or directory"},
             {"empty.bin", "empty.bin: the file is empty"},
             {"large.bin", "large.bin: larger than the 198656 bytes the chip takes"},
             {"/dev/zero", "/dev/zero: not a regular file"}}) {
        r = Cli(dir.Path(), {"mec", "write", file, "--device", "sim:pcb3"});
        EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
        EXPECT_NE(r.err.find(reason + "\n"), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
    }

    // A write that breaks after the erase (the backup read has 194 blocks): where the chip stands,
    // with the erase's backup and the command that puts it back.
    TempDir user;
    WriteFileBytes(dir.File("bad.json"), R"({"chips": {"mec": {"badStatusAtBlock": 200}}})");
    r = RunProgram("tolvane-jig-cli",
                   {"mec", "write", "in.bin", "--device", "sim:pcb3", "--scenario", "bad.json",
                    "--timing", "instant"},
                   dir.Path(), {"XDG_DATA_HOME=" + user.Path()});
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    const auto backups = std::filesystem::directory_iterator(user.File("tolvane-jig/backups"));
    ASSERT_NE(backups, std::filesystem::directory_iterator());
    const std::string backup = backups->path().string();
    EXPECT_NE(r.err.find("The chip is partly written (blocks 1 to 199 of 768). Backup: " + backup +
                         ".\nTo put it back: tolvane-jig-cli mec write " + backup +
                         " --device sim:pcb3 --scenario bad.json\n"),
              std::string::npos)
        << r.err;
}

TEST(MecCli, RoundTripOverTheSimulatorsSerialTerminal) {
    SimProcess sim({"--board", "pcb3", "--timing", "instant"});
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

// Ctrl-C at a random block of a read and of a write, over the simulator's terminal: the stream
// ends as the protocol ends it, so the next command on the same JIG works; the dump under its
// name stays, what came is kept beside it; the journal says "stopped" and the line about the
// chip is what the chip holds. One reply at a random place of the stream comes a second late,
// so that the Ctrl-C lands there (or before).
TEST(MecCli, CtrlCStopsAReadAndAWriteCleanlyAtAnyBlock) {
    TempDir dir, user;
    const std::vector<std::string> env{"XDG_DATA_HOME=" + user.Path()};
    const std::string chip = MecPattern(198656, 41);
    WriteFileBytes(dir.File("chip.bin"), chip);
    std::random_device random;
    const auto lateReply = [&](unsigned from, unsigned to) {
        const unsigned late = from + random() % (to - from);
        WriteFileBytes(dir.File("s.json"), R"({"chips": {"mec": {"file": "chip.bin"}}, "faults": [)"
                                           R"({"type": "delay", "afterReplies": )" +
                                               std::to_string(late) + R"(, "ms": 1000}]})");
        return "late reply " + std::to_string(late);
    };
    const auto lastResult = [&] {
        const auto records = LoadJournal(user.File("tolvane-jig/journal.jsonl"));
        return records.empty() ? std::string() : records.back().result;
    };

    {
        // Replies: version, '1', ID, two register writes, then one per block.
        SCOPED_TRACE(lateReply(8, 190));
        SimProcess sim(
            {"--board", "pcb2-v42", "--timing", "instant", "--scenario", dir.File("s.json")});
        ASSERT_FALSE(sim.PtyPath().empty());
        const std::string device = "tty:" + sim.PtyPath();
        const std::string old = MecPattern(196608, 42);
        WriteFileBytes(dir.File("dump.bin"), old);
        const ProcessResult r = CliStoppedBySigint(
            dir.Path(), {"mec", "read", "dump.bin", "--device", device}, "Read FLASH MEC ...", env);
        EXPECT_EQ(r.exitCode, 130) << r.out << r.err;
        EXPECT_TRUE(Has(r, "User break read ...\n")) << r.out;
        EXPECT_TRUE(Has(r, std::string(kStoppedLine) + "\n")) << r.out;
        EXPECT_TRUE(ReadFileText(dir.File("dump.bin")) == old);
        const std::string partial = ReadFileText(dir.File("dump.bin.partial"));
        EXPECT_GT(partial.size(), 0u);
        EXPECT_LT(partial.size(), 196608u);
        EXPECT_EQ(partial.size() % 1024, 0u);
        EXPECT_TRUE(partial == chip.substr(0, partial.size()));
        EXPECT_EQ(lastResult(), "stopped");

        const ProcessResult next = Cli(dir.Path(), {"mec", "check", "--device", device});
        EXPECT_EQ(next.exitCode, 0) << next.out << next.err;
        EXPECT_EQ(sim.Stop(), 0);
    }
    {
        // An erased MAIN; the write's blocks take two replies each, after fewer than 20.
        WriteFileBytes(dir.File("chip.bin"), std::string(196608, '\xFF') + chip.substr(196608));
        SCOPED_TRACE(lateReply(30, 1500));
        SimProcess sim(
            {"--board", "pcb3", "--timing", "instant", "--scenario", dir.File("s.json")});
        ASSERT_FALSE(sim.PtyPath().empty());
        const std::string device = "tty:" + sim.PtyPath();
        const std::string image = MecPattern(196608, 43);
        WriteFileBytes(dir.File("in.bin"), image);
        const ProcessResult r =
            CliStoppedBySigint(dir.Path(),
                               {"mec", "write", "in.bin", "--no-erase", "--no-backup",
                                "--no-verify", "--device", device},
                               "Начали запись MEC16 main block ...", env);
        EXPECT_EQ(r.exitCode, 130) << r.out << r.err;
        EXPECT_TRUE(Has(r, std::string(kStoppedLine) + "\n")) << r.out;
        EXPECT_EQ(lastResult(), "stopped");
        // "The chip is partly written (blocks 1 to N of 768). No backup was taken."
        const std::string prefix = "The chip is partly written (blocks 1 to ";
        const std::size_t at = r.err.find(prefix);
        ASSERT_NE(at, std::string::npos) << r.err;
        const int blocks = std::stoi(r.err.substr(at + prefix.size()));
        EXPECT_NE(r.err.find(prefix + std::to_string(blocks) + " of 768). No backup was taken.\n"),
                  std::string::npos)
            << r.err;
        EXPECT_GT(blocks, 0);
        EXPECT_LT(blocks, 768);
        std::string expected = image.substr(0, static_cast<std::size_t>(blocks) * 256);
        expected.resize(196608, '\xFF');
        EXPECT_TRUE(ReadFileText(dir.File("chip.bin")).substr(0, 196608) == expected);

        const ProcessResult next = Cli(dir.Path(), {"mec", "check", "--device", device});
        EXPECT_EQ(next.exitCode, 0) << next.out << next.err;
        EXPECT_EQ(sim.Stop(), 0);
    }
}
