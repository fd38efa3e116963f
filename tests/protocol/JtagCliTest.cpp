// The "jtag" commands of tolvane-jig-cli: exit status and output in-process, and whole round
// trips over the simulator process's serial terminal on both boards and both orientations.
#include "modes/Nuvoton_jtag_form/NuvotonJtagEngine.h"
#include "operation/ChipState.h"
#include "safety/Journal.h"
#include "sim/chips/NpceJtag.h"
#include "support/Pattern.h"
#include "support/Process.h"
#include "support/RecordingPort.h"
#include "support/SimFixture.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <regex>

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

// How many bytes the JIG answers before the replies a stop test delays: the replies of a whole
// check and read (or write) on a fresh simulated JIG, as the CLI sends them.
std::size_t RepliesOfAWholeRun(bool write, const std::string& image) {
    auto sim = MakeSim("pcb3");
    RecordingPort port;
    NuvotonJtagEngine engine(sim, port);
    engine.Run().SetSafety({.active = true, .backup = true, .askBeforeErasingBlank = false});
    engine.SendSettings(true);
    engine.CheckConnect();
    engine.WaitForOperation();
    TempDir dir;
    WriteFileBytes(dir.File("in.bin"), image);
    port.QueueFileAnswer(dir.File(write ? "in.bin" : "out.bin"));
    if (write)
        engine.WriteClick();
    else
        engine.ReadClick();
    engine.WaitForOperation();
    EXPECT_EQ(engine.Run().Result(), Outcome::Succeeded);
    return sim->Jig().BytesToHost().size();
}

constexpr int kBlocksOfFlash = 512;

// The size of the file a read is writing in `folder` (a dot file ending in .new).
std::uintmax_t NewFileBytes(const std::string& folder) {
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = e.path().filename().string();
        if (name.starts_with(".") && name.ends_with(".new"))
            return e.file_size(ec);
    }
    return 0;
}

std::string Image() {
    return Pattern(131072, 29, 0, 7);
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
    EXPECT_TRUE(Has(r, "none.vss: No such file or directory\nBreak! Open file (.vss) error or "
                       "not found!\n"));
    // Scripts that are no script: a device that never ends, a file far too large
    WriteFileBytes(dir.File("huge.vss"), std::string(1024 * 1024 + 1, '\n'));
    for (const auto& [script, reason] :
         {std::pair<std::string, std::string>{"/dev/zero", "not a regular file"},
          {"huge.vss", "1048577 bytes, larger than the 1048576 bytes allowed"}}) {
        r = Cli(dir.Path(), {"jtag", "check", "--device", "sim:pcb3", "--script", script});
        EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
        EXPECT_TRUE(Has(r, script + ": " + reason + "\n")) << r.out;
        EXPECT_FALSE(Has(r, "Sending start: ")) << r.out;
    }

    // An image refused before the backup and the erase: the chip keeps what it had
    WriteFileBytes(dir.File("chip.bin"), Image());
    WriteFileBytes(dir.File("chip.json"), R"({"chips": {"npceJtag": {"file": "chip.bin"}}})");
    WriteFileBytes(dir.File("empty.bin"), "");
    r = Cli(dir.Path(),
            {"jtag", "write", "empty.bin", "--device", "sim:pcb3", "--scenario", "chip.json"});
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    EXPECT_TRUE(Has(r, "empty.bin: the file is empty\n")) << r.out;
    EXPECT_NE(r.err.find("error: Error open file!"), std::string::npos) << r.err;
    EXPECT_FALSE(Has(r, "Erase blocks"));
    EXPECT_TRUE(ReadFileText(dir.File("chip.bin")) == Image());

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

// Ctrl-C at a random block of a read and of a write over the simulator's terminal: the
// operation stops between blocks, says so, keeps NAME and the chip as they say, and the JIG
// takes the next command.
TEST(JtagCli, CtrlCStopsAReadAndAWriteAtABlock) {
    std::random_device seed;
    const unsigned s = seed();
    SCOPED_TRACE("seed " + std::to_string(s));
    std::mt19937 random(s);
    const auto chip = SimNpceJtag::DefaultImage();
    const std::string before(chip.begin(), chip.end());
    const std::string image = Image();
    for (const bool write : {false, true}) {
        // The JIG answers late at block N: a read's data once, long enough for Ctrl-C to come
        // while the CLI waits for it; a write's commits of every 30th block from N on, each
        // later by less than the shortest wait (300 ms for the JIG's version) and too far
        // apart to meet in one exchange, as a stop before them leaves them to the next command.
        const int n = 20 + static_cast<int>(random() % (write ? 280 : 470));
        const std::size_t all = RepliesOfAWholeRun(write, image);
        // After the last block: the end signal and the end-of-operation reset, a byte each
        std::string faults;
        for (int k = n; k < (write ? kBlocksOfFlash : n + 1); k += 30) {
            const std::size_t at = write ? all - 3 - 2 * (512 - k) + 1 : all - 3 - 256 * (512 - k);
            faults += std::string(faults.empty() ? "" : ", ") + R"({"type": "delay", "ms": )" +
                      (write ? "150" : "1500") + R"(, "replyByte": )" + std::to_string(at) + "}";
        }
        TempDir dir, user;
        WriteFileBytes(dir.File("scenario.json"), R"({"faults": [)" + faults + "]}");
        SimProcess sim(
            {"--board", "pcb3", "--timing", "instant", "--scenario", dir.File("scenario.json")});
        ASSERT_FALSE(sim.PtyPath().empty());
        const std::string device = "tty:" + sim.PtyPath();
        WriteFileBytes(dir.File("out.bin"), "yesterday's dump");
        WriteFileBytes(dir.File("in.bin"), image);
        const std::string env = "XDG_DATA_HOME=" + user.Path();
        const std::string started = write ? "Write bytes ... " : "Reading ...";
        std::optional<std::chrono::steady_clock::time_point> seen;
        const ProcessResult r = RunProgramAndSignal(
            "tolvane-jig-cli",
            write
                ? std::vector<std::string>{"jtag", "write", "in.bin", "--no-verify", "--device",
                                           device, "--yes"}
                : std::vector<std::string>{"jtag", "read", "out.bin", "--device", device, "--yes"},
            dir.Path(), {env},
            [&](const std::string& out) {
                const auto now = std::chrono::steady_clock::now();
                if (!seen && out.find(started) != std::string::npos)
                    seen = now;
                // A read is stopped while it waits for block N: its new file holds N blocks then
                return seen && (write || NewFileBytes(dir.Path()) >= 256u * n ||
                                now - *seen > std::chrono::seconds(3));
            },
            SIGINT);
        ASSERT_NE(r.out.find(started), std::string::npos) << r.out;
        EXPECT_EQ(r.exitCode, 130) << r.out << r.err;
        EXPECT_TRUE(Has(r, std::string(kStoppedLine) + "\n")) << r.out;
        const auto journal = LoadJournal(user.File("tolvane-jig/journal.jsonl"));
        ASSERT_FALSE(journal.empty());
        EXPECT_EQ(journal.back().result, "stopped");
        EXPECT_EQ(ReadFileText(dir.File("out.bin")), "yesterday's dump");

        // The next command on the same terminal reads the chip
        const ProcessResult next = RunProgram(
            "tolvane-jig-cli", {"jtag", "read", "after.bin", "--device", device, "--yes"},
            dir.Path(), {env});
        ASSERT_EQ(next.exitCode, 0) << next.out << next.err;
        EXPECT_EQ(sim.Stop(), 0);
        const std::string after = ReadFileText(dir.File("after.bin"));
        if (!write) {
            const std::string partial = ReadFileText(dir.File("out.bin.partial"));
            EXPECT_EQ(partial.size(), 256u * static_cast<unsigned>(n + 1));
            EXPECT_TRUE(partial == before.substr(0, partial.size()));
            EXPECT_TRUE(after == before);
            continue;
        }
        // The line says how far the write came, and the chip agrees
        std::smatch m;
        ASSERT_TRUE(std::regex_search(
            r.err, m,
            std::regex(R"(The chip is (erased|partly written \(blocks 1 to (\d+) of 512\))\. )"
                       R"(Backup: (\S+)\.\n)")))
            << r.err;
        const std::size_t blocks = m[2].matched ? std::stoul(m[2].str()) : 0;
        std::string expected = image.substr(0, 256 * blocks);
        expected.resize(131072, '\xFF');
        EXPECT_TRUE(after == expected) << blocks;
        EXPECT_TRUE(ReadFileText(m[3].str()) == before);
        EXPECT_NE(r.err.find("To put it back: tolvane-jig-cli jtag write " + m[3].str() +
                             " --device " + device + "\n"),
                  std::string::npos)
            << r.err;
    }
}
