// The safety net on the command line: backups by default and --no-backup, --read-twice, the
// journal and its command, list, and compare.
#include "support/CliModes.h"
#include "support/Pattern.h"
#include "support/UserData.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {
class SafetyCli : public ::testing::Test {
  protected:
    // The CLI in the test's folder, with its own user data folder and instant timing.
    ProcessResult Cli(std::vector<std::string> args, bool instant = true) {
        if (instant)
            args.insert(args.end(), {"--timing", "instant"});
        return RunProgram("tolvane-jig-cli", args, dir.Path(), {"XDG_DATA_HOME=" + user.Path()});
    }
    std::string Data(const std::string& name) const { return user.File("tolvane-jig/" + name); }
    std::vector<std::filesystem::path> Backups() const { return FilesIn(Data("backups")); }

    TempDir dir;
    TempDir user;
};

} // namespace

TEST_F(SafetyCli, WriteBacksUpByDefaultAndTheJournalTellsReadWriteAndFailure) {
    const std::string before = Pattern(131072, 37, 1, 9);
    WriteFileBytes(dir.File("chip.bin"), before);
    WriteFileBytes(dir.File("s.json"), R"({"chips": {"npce-spi": {"file": "chip.bin"}}})");
    WriteFileBytes(dir.File("in.bin"), Pattern(131072, 37, 2, 9));

    ProcessResult r =
        Cli({"npce", "read", "out.bin", "--device", "sim:pcb3", "--scenario", "s.json"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(Says(r, "\nImage: 131072 bytes, CRC-32 ")) << r.out;

    r = Cli({"npce", "write", "in.bin", "--device", "sim:pcb3", "--scenario", "s.json"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    const auto backups = Backups();
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_TRUE(backups[0].filename().string().starts_with("NUVOTON_spi_"));
    EXPECT_TRUE(backups[0].filename().string().ends_with("_EF4012.bin"));
    EXPECT_TRUE(ReadFileText(backups[0].string()) == before);
    EXPECT_TRUE(Says(r, "\nBackup saved: " + backups[0].string() + "\nErase ...\n")) << r.out;
    EXPECT_TRUE(ReadFileText(dir.File("chip.bin")) == Pattern(131072, 37, 2, 9));

    WriteFileBytes(dir.File("gone.json"), R"({"chips": {"npce-spi": {"connected": false}}})");
    r = Cli({"npce", "read", "out.bin", "--device", "sim:pcb3", "--scenario", "gone.json"});
    EXPECT_EQ(r.exitCode, 1);

    r = Cli({"journal"}, false);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    // The write's "started" record and its end record are one operation.
    const std::string head = "Journal: " + Data("journal.jsonl") + " (3 operations)\n";
    EXPECT_TRUE(r.out.starts_with(head)) << r.out;
    const std::size_t read = r.out.find("  NUVOTON spi  read  done\n");
    const std::size_t write = r.out.find("  NUVOTON spi  write  done\n");
    const std::size_t failed = r.out.find("  NUVOTON spi  read  failed (flash ID)\n");
    EXPECT_NE(read, std::string::npos) << r.out;
    EXPECT_LT(read, write);
    EXPECT_LT(write, failed);
    EXPECT_NE(failed, std::string::npos) << r.out;
    // The simulator's JIG and backups are never taken for a customer's.
    EXPECT_TRUE(Says(r, "    JIG: M328_EPM240_v16   (PCB3) (simulated)   chip ID: EF4012\n"))
        << r.out;
    EXPECT_TRUE(backups[0].filename().string().starts_with("NUVOTON_spi_SIMULATED_")) << backups[0];
    EXPECT_TRUE(Says(r, "    file: " + dir.File("out.bin") + " (131072 bytes, SHA-256 ")) << r.out;
    EXPECT_TRUE(Says(r, "    backup: " + backups[0].string() + "\n"));
}

// A "started" record is one operation with its end record, even with another program's record
// between them; without one it says the program stopped during the operation.
TEST_F(SafetyCli, JournalShowsAnOperationWithoutItsEndRecord) {
    auto record = [](const std::string& time, const std::string& mode, const std::string& result) {
        return R"({"time": ")" + time + R"(", "mode": ")" + mode +
               R"(", "operation": "write", "result": ")" + result + "\"}\n";
    };
    std::filesystem::create_directories(Data(""));
    WriteFileBytes(Data("journal.jsonl"), record("10:00:00", "ENE KB90XX", "started") +
                                              record("10:00:05", "NUVOTON spi", "done") +
                                              record("10:00:00", "ENE KB90XX", "done") +
                                              record("10:01:00", "ENE KB90XX", "started") +
                                              record("10:02:00", "ENE KB90XX", "started") +
                                              record("10:02:00", "ENE KB90XX", "stopped"));
    ProcessResult r = Cli({"journal"}, false);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Journal: " + Data("journal.jsonl") +
                         " (4 operations)\n"
                         "10:00:05  NUVOTON spi  write  done\n    JIG: -\n"
                         "10:00:00  ENE KB90XX  write  done\n    JIG: -\n"
                         "10:01:00  ENE KB90XX  write  no end: the program stopped during this "
                         "operation\n    JIG: -\n"
                         "10:02:00  ENE KB90XX  write  stopped\n    JIG: -\n");
    // The last two operations, under the count of all.
    const std::string all = r.out;
    r = Cli({"journal", "--last", "2"}, false);
    EXPECT_EQ(r.out, all.substr(0, all.find('\n') + 1) + all.substr(all.find("10:01:00")));
    EXPECT_EQ(Cli({"journal", "--last", "0"}, false).exitCode, 64);
    EXPECT_EQ(Cli({"journal", "--last", "x"}, false).exitCode, 64);
}

TEST_F(SafetyCli, NoBackupSkipsItAndReadTwiceReadsAgain) {
    WriteFileBytes(dir.File("in.bin"), Pattern(131072, 37, 3, 9));
    ProcessResult r = Cli({"ene", "write", "in.bin", "--device", "sim:pcb2-v41", "--no-backup"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_FALSE(Says(r, "Backup"));
    EXPECT_TRUE(Backups().empty());

    r = Cli({"ene", "read", "out.bin", "--device", "sim:pcb2-v41", "--read-twice"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(Says(r, "\nReading a second time to compare ...\nBoth reads are the same.\n"))
        << r.out;
    // A read takes no --no-backup, a write no --read-twice.
    EXPECT_EQ(Cli({"ene", "read", "out.bin", "--device", "sim:pcb3", "--no-backup"}).exitCode, 64);
    EXPECT_EQ(Cli({"ene", "write", "in.bin", "--device", "sim:pcb3", "--read-twice"}).exitCode, 64);
}

// A read that never reached the chip looks like a blank chip: erasing after it would lose the
// firmware with a blank backup, so only --force goes on.
TEST_F(SafetyCli, ABlankBackupStopsTheEraseUnlessForced) {
    WriteFileBytes(dir.File("s.json"), R"({"chips": {"npce-spi": {"file": "chip.bin"}}})");
    WriteFileBytes(dir.File("in.bin"), Pattern(131072, 37, 4, 9));
    for (const char blank : {'\xFF', '\0'}) {
        WriteFileBytes(dir.File("chip.bin"), std::string(131072, blank));
        ProcessResult r =
            Cli({"npce", "write", "in.bin", "--device", "sim:pcb3", "--scenario", "s.json"});
        EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
        EXPECT_TRUE(Says(r, "Nothing was erased or written: the backup reads blank (--force erases "
                            "anyway).\n"))
            << r.out;
        EXPECT_TRUE(ReadFileText(dir.File("chip.bin")) == std::string(131072, blank));
        EXPECT_TRUE(Backups().empty());
    }
    ProcessResult r =
        Cli({"npce", "write", "in.bin", "--device", "sim:pcb3", "--scenario", "s.json", "--force"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(ReadFileText(dir.File("chip.bin")) == Pattern(131072, 37, 4, 9));
}

TEST_F(SafetyCli, CompareExitsAsCmpDoes) {
    std::string a = Pattern(131072, 37, 4, 9);
    WriteFileBytes(dir.File("a.bin"), a);
    WriteFileBytes(dir.File("same.bin"), a);
    const auto map = [](const std::string& heading, const std::string& row) {
        return "Map: 32 blocks of 4096 bytes: 32 data, 0 all FFh, 0 all 00h; " + heading +
               "\n0x000000 " + row + "\nLegend: # data  . all FFh  0 all 00h  X differs\n";
    };
    ProcessResult r = Cli({"compare", "a.bin", "same.bin"}, false);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "a.bin and same.bin are the same (131072 bytes)\n" +
                         map("0 differ", std::string(32, '#')));

    std::string b = a;
    b[0x10] = static_cast<char>(b[0x10] ^ 0xFF);
    b[0x1FF00] = static_cast<char>(b[0x1FF00] ^ 0x01);
    b[0x1FF01] = static_cast<char>(b[0x1FF01] ^ 0x80);
    WriteFileBytes(dir.File("b.bin"), b);
    r = Cli({"compare", "a.bin", "b.bin"}, false);
    EXPECT_EQ(r.exitCode, 1);
    auto hex = [](const std::string& s, std::size_t at) {
        char text[4];
        std::snprintf(text, sizeof text, "%02X",
                      static_cast<unsigned>(static_cast<std::uint8_t>(s[at])));
        return std::string(text);
    };
    EXPECT_EQ(r.out, "0x000010, 1 byte: " + hex(a, 0x10) + " / " + hex(b, 0x10) + "\n" +
                         "0x01FF00, 2 bytes: " + hex(a, 0x1FF00) + " " + hex(a, 0x1FF01) + " / " +
                         hex(b, 0x1FF00) + " " + hex(b, 0x1FF01) + "\n" +
                         "3 bytes differ in 2 places\n" +
                         map("2 differ", "X" + std::string(30, '#') + "X"));

    WriteFileBytes(dir.File("short.bin"), a.substr(0, 100));
    r = Cli({"compare", "short.bin", "a.bin"}, false);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "short.bin is 100 bytes, a.bin 131072: the bytes from 0x000064 on are only "
                     "in a.bin\n0 bytes differ in 0 places\n" +
                         map("32 differ", std::string(32, 'X')));

    r = Cli({"compare", "a.bin", "missing.bin"}, false);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "missing.bin: No such file or directory\n");
    EXPECT_EQ(Cli({"compare", "a.bin"}, false).exitCode, 64);
}

// A dump with code, two blocks of 00h and an erased tail: "show" and "compare" print one map,
// compare marking the blocks that differ.
TEST_F(SafetyCli, ShowAndComparePrintTheSameMap) {
    const std::string dump = RealLookingDump();
    const std::string bad = WithTwoBadBlocks(dump);
    WriteFileBytes(dir.File("dump.bin"), dump);
    WriteFileBytes(dir.File("bad.bin"), bad);
    const std::string rows = "\n0x000000 #####0###0################......\n";
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string shown; // in the output, or the whole of stderr
    };
    const Case cases[] = {
        {{"show", "dump.bin"}, 0, rows},
        {{"compare", "dump.bin", "bad.bin"}, 1, "\n0x000000 ###X#0###0################.X....\n"},
        {{"show", "dump.bin", "--block", "65536"}, 0, "\n0x000000 ##\n"},
        {{"compare", "dump.bin", "bad.bin", "--block", "16384"}, 1, "\n0x000000 X#####X.\n"},
        {{"show", "dump.bin", "--block", "0"},
         64,
         "--block takes a number of bytes from 1 on, not \"0\"\n"},
        {{"show", "missing.bin"}, 2, "missing.bin: No such file or directory\n"},
    };
    for (const Case& c : cases) {
        const ProcessResult r = Cli(c.args, false);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args[0] << " " << c.args.back() << "\n" << r.err;
        if (c.exitCode < 2)
            EXPECT_TRUE(Says(r, c.shown)) << r.out;
        else
            EXPECT_EQ(r.err, c.shown);
    }
    const ProcessResult shown = Cli({"show", "dump.bin"}, false);
    EXPECT_TRUE(shown.out.starts_with("Image: 131072 bytes, CRC-32 ")) << shown.out;
    EXPECT_TRUE(shown.out.ends_with(rows + "Legend: # data  . all FFh  0 all 00h\n"));
}

// Devices, /proc files and folders are refused by their kind before anything reads them: no
// hang on a file without an end, no exception, one line with the path and the reason.
TEST_F(SafetyCli, OddFilesEndAtOnceWithTheirPathAndWhy) {
    WriteFileBytes(dir.File("a.bin"), Pattern(131072, 37, 3, 9));
    const std::string folder = dir.File("folder");
    std::filesystem::create_directories(folder);
    const std::string notRegular = ": not a regular file\n";
    const std::string aFolder = ": a folder, not a file\n";
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string err;
    };
    const Case cases[] = {
        {{"compare", "/dev/zero", "a.bin"}, 2, "/dev/zero" + notRegular},
        {{"compare", "a.bin", "/dev/zero"}, 2, "/dev/zero" + notRegular},
        {{"compare", "/proc/self/mem", "a.bin"}, 2, "/proc/self/mem" + notRegular},
        {{"compare", "a.bin", folder}, 2, folder + aFolder},
        {{"identify", "--device", "sim", "--scenario", "/tmp"}, 2, "/tmp" + aFolder},
        {{"identify", "--device", "sim", "--scenario", "/dev/zero"}, 2, "/dev/zero" + notRegular},
        {{"edid", "show", "/dev/zero"}, 2, "/dev/zero" + notRegular},
        {{"edid", "show", folder}, 2, folder + aFolder},
    };
    for (const Case& c : cases) {
        const ProcessResult r = Cli(c.args, false);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args[0] << " " << c.args.back() << "\n" << r.err;
        EXPECT_EQ(r.err, c.err);
    }
    std::filesystem::create_directories(Data("journal.jsonl"));
    const ProcessResult r = Cli({"journal"}, false);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, Data("journal.jsonl") + aFolder);
}

TEST_F(SafetyCli, ListShowsEveryDeviceAndWithIdentifyItsAnswer) {
    WriteFileBytes(dir.File("two.json"), R"({"devices": ["jig", "silent"]})");
    ProcessResult r = Cli({"list", "--device", "sim:pcb3", "--scenario", "two.json"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "index  serial number     description\n"
                     "0      TJS00001          simulated JIG\n"
                     "1      TJS00002          simulated FTDI chip (nothing behind it)\n");
    r = Cli({"list", "--identify", "--device", "sim:pcb2-npce", "--scenario", "two.json"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    // The answer column starts after 40 columns of description.
    EXPECT_TRUE(Says(r, "0      TJS00001          simulated JIG" + std::string(40 - 13 + 1, ' ') +
                            "M88_NPCE288   (PCB2)\n"))
        << r.out;
    EXPECT_TRUE(Says(r, "(nothing behind it)  no answer\n")) << r.out;

    WriteFileBytes(dir.File("none.json"), R"({"devices": []})");
    r = Cli({"list", "--device", "sim", "--scenario", "none.json"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.starts_with("FTDI device not found (simulated JIG")) << r.err;
}

// "mec write" erases, writes and reads back: one backup, taken by the erase, of MAIN and INFO.
TEST_F(SafetyCli, MecWriteKeepsOneBackupOfTheWholeChipBeforeItsErase) {
    std::string before = Pattern(198656, 13, 0, 10, 7);
    WriteFileBytes(dir.File("chip.bin"), before);
    WriteFileBytes(dir.File("s.json"), R"({"chips": {"mec": {"file": "chip.bin"}}})");
    WriteFileBytes(dir.File("in.bin"), Pattern(131072, 37, 5, 9));

    ProcessResult r =
        Cli({"mec", "write", "in.bin", "--device", "sim:pcb2-v42", "--scenario", "s.json"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    const auto backups = Backups();
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_TRUE(ReadFileText(backups[0].string()) == before);
    const std::size_t saved = r.out.find("Backup saved: " + backups[0].string() + "\n");
    EXPECT_NE(saved, std::string::npos) << r.out;
    EXPECT_LT(saved, r.out.find("Отправили команду стирания.")) << r.out;
    EXPECT_TRUE(Says(r, "Verification OK")) << r.out;

    // --no-backup, and a write without the erase before it backs up itself.
    r = Cli({"mec", "write", "in.bin", "--device", "sim:pcb2-v42", "--scenario", "s.json",
             "--no-backup"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_FALSE(Says(r, "Backup"));
    EXPECT_EQ(Backups().size(), 1u);
    r = Cli({"mec", "write", "in.bin", "--device", "sim:pcb2-v42", "--scenario", "s.json",
             "--no-erase"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_EQ(Backups().size(), 2u);

    r = Cli({"journal", "--last", "3"}, false);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Says(r, "  MEC jtag  write  done\n    JIG: ")) << r.out;
    EXPECT_TRUE(Says(r, "   chip ID: 0216 A445h\n")) << r.out;
    EXPECT_TRUE(Says(r, "  MEC jtag  read  done\n")) << r.out;
}
