// tolvane-jig-cli per working mode over the in-process simulated JIG: one round trip driven by
// the mode table on both boards each mode runs on, what every mode refuses and with which exit
// status, and the options that are one mode's own.
#include "support/CliModes.h"
#include "modetable/ModeTable.h"
#include "sim/chips/Mec16xx.h"
#include "support/EdidSamples.h"
#include "support/Pattern.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace {
ProcessResult Cli(const std::string& folder, std::vector<std::string> args) {
    args.insert(args.end(), {"--timing", "instant"});
    return RunProgram("tolvane-jig-cli", args, folder);
}

std::string Board(const char* pcb2Firmware) {
    std::string tag = pcb2Firmware;
    std::transform(tag.begin(), tag.end(), tag.begin(), ::tolower);
    return "pcb2-" + tag;
}

std::string Chips(const CliModeCase& m, const std::string& section) {
    return R"({"chips": {")" + std::string(FindMode(m.mode)->scenarioSection) + R"(": )" +
           (section.empty() ? "{}" : section) + "}}";
}

std::vector<std::string> ModesThatRead() {
    std::vector<std::string> names;
    for (const ModeEntry& e : Modes())
        if (e.operations & kOpRead)
            names.push_back(e.name);
    return names;
}

class CliMode : public ::testing::TestWithParam<std::string> {
  protected:
    void SetUp() override {
        m = FindCliModeCase(GetParam());
        ASSERT_NE(m, nullptr) << "a mode that reads needs its case in tests/support/CliModes.cpp";
        entry = FindMode(m->mode);
    }
    // `group` `args` with the mode's wiring on `device`.
    ProcessResult Run(std::vector<std::string> args, const std::string& device = "sim:pcb3",
                      bool wired = true) {
        args.insert(args.begin(), CliGroup(*m));
        if (wired)
            args.insert(args.end(), m->wiring.begin(), m->wiring.end());
        args.insert(args.end(), {"--device", device});
        return Cli(dir.Path(), args);
    }
    const CliModeCase* m = nullptr;
    const ModeEntry* entry = nullptr;
    TempDir dir;
};
} // namespace

TEST_P(CliMode, RoundTripOnBothBoards) {
    for (const std::string& board : {std::string("pcb3"), Board(entry->pcb2Firmware)}) {
        SCOPED_TRACE(board);
        TempDir folder;
        const std::string scenario = FlashScenario(*m, folder);
        CliRoundTrip(*m, folder, [&](std::vector<std::string> args) {
            args.insert(args.end(), {"--device", "sim:" + board, "--scenario", scenario});
            return Cli(folder.Path(), args);
        });
    }
}

TEST_P(CliMode, RefusesWithItsExitStatus) {
    // No usable JIG: none at all, a scenario that is missing, a PCB2 running another firmware.
    WriteFileBytes(dir.File("nojig.json"), R"({"devices": []})");
    ProcessResult r = Run({"read", "x.bin", "--scenario", "nojig.json"}, "sim");
    EXPECT_EQ(r.exitCode, 2) << r.out << r.err;
    EXPECT_TRUE(Says(r, "VCOM port is not found on the machine!\n")) << r.out;
    EXPECT_EQ(Run({"read", "x.bin", "--scenario", "missing.json"}).exitCode, 2);
    const std::vector<std::string>& tags = entry->link.acceptedTags;
    for (const Pcb2Firmware& f : Pcb2Firmwares()) {
        if (tags.empty() || std::find(tags.begin(), tags.end(), f.tag) != tags.end())
            continue;
        r = Run({"read", "x.bin"}, "sim:" + Board(f.tag));
        EXPECT_EQ(r.exitCode, 2) << f.tag << r.out << r.err;
        EXPECT_TRUE(Says(r, "It is necessary to update the firmware programmer!\n")) << f.tag;
    }

    // Wrong usage: an operation the table does not give the mode is no command.
    for (const auto& [op, bit] : {std::pair{"check", kOpCheck},
                                  {"read", kOpRead},
                                  {"erase", kOpErase},
                                  {"write", kOpWrite}})
        EXPECT_EQ(Run({op, "--help"}).exitCode, entry->operations & bit ? 0 : 64) << op;
    EXPECT_EQ(Run({"read"}).exitCode, 64);

    // An image that cannot be written is refused before anything reaches the chip, and a read
    // into something that is no file ends without a dump.
    const std::string scenario = FlashScenario(*m, dir);
    const std::string flash = ReadFileText(dir.File("flash.bin"));
    WriteFileBytes(dir.File("empty.bin"), "");
    WriteFileBytes(dir.File("large.bin"), std::string(m->capacity + 1, '\x11'));
    const std::string larger = "larger than the " + std::to_string(m->capacity) + " bytes";
    for (const auto& [file, reason] :
         {std::pair<std::string, std::string>{"missing.bin", "No such file or "
                                                             "directory"},
          {"empty.bin", "the file is empty"},
          {"large.bin", larger + " the chip takes"},
          {"/dev/zero", "not a regular file"}}) {
        r = Run({"write", file, "--scenario", scenario});
        const std::string line = file + ": " + reason + "\n";
        EXPECT_EQ(r.exitCode, 1) << file << r.out << r.err;
        if (m->imageReasonOnErr) {
            EXPECT_EQ(r.err, line);
            EXPECT_EQ(r.out, "");
        } else if (m->judgesImageFirst) {
            EXPECT_EQ(r.out, line);
            EXPECT_EQ(r.err, m->imageRefusedErr);
        } else {
            EXPECT_TRUE(Says(r, line)) << r.out;
            EXPECT_TRUE(r.err.ends_with(m->imageRefusedErr)) << r.err;
        }
        EXPECT_FALSE(Says(r, "Backup")) << r.out;
        EXPECT_TRUE(ReadFileText(dir.File("flash.bin")) == flash) << file;
    }
    r = Run({"read", "/dev/zero"});
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    EXPECT_TRUE(Says(r, "/dev/zero: not a regular file\n")) << r.out;

    // The mode's own refusal; the dump it was to replace stays as it was.
    WriteFileBytes(dir.File("old.bin"), "an older dump");
    WriteFileBytes(dir.File("in.bin"), m->image);
    WriteFileBytes(dir.File("refused.json"), Chips(*m, m->refusalChip));
    std::vector<std::string> args = m->refusalArgs;
    args.insert(args.end(), {"--scenario", "refused.json"});
    r = Run(args, "sim:pcb3", false);
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    EXPECT_TRUE(Says(r, m->refusal)) << r.out;
    EXPECT_EQ(ReadFileText(dir.File("old.bin")), "an older dump");

    // A flash that does not keep what is written: the read-back names where, unless skipped.
    if (m->verifyFault.empty())
        return;
    WriteFileBytes(dir.File("in.bin"), std::string(65536, '\x33'));
    WriteFileBytes(dir.File("worn.json"), Chips(*m, m->verifyFaultChip));
    r = Run({"write", "in.bin", "--scenario", "worn.json"});
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    EXPECT_TRUE(Says(r, m->verifyFault)) << r.out;
    r = Run({"write", "in.bin", "--scenario", "worn.json", "--no-verify"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_FALSE(Says(r, "Verif")) << r.out;
}

INSTANTIATE_TEST_SUITE_P(Modes, CliMode, ::testing::ValuesIn(ModesThatRead()),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::erase_if(name, [](char c) { return !std::isalnum(c); });
                             return name;
                         });

// The same round trip over a serial terminal served by the simulator process.
TEST(CliBackends, RoundTripOverTheSimulatorsSerialTerminal) {
    const CliModeCase& m = *FindCliModeCase("ENE KB90XX");
    TempDir dir;
    SimProcess sim(
        {"--board", "pcb2-v41", "--timing", "instant", "--scenario", FlashScenario(m, dir)});
    ASSERT_FALSE(sim.PtyPath().empty());
    CliRoundTrip(m, dir, [&](std::vector<std::string> args) {
        args.insert(args.end(), {"--device", "tty:" + sim.PtyPath()});
        return RunProgram("tolvane-jig-cli", args, dir.Path());
    });
    EXPECT_EQ(sim.Stop(), 0);
}

// The flexible cable: a board found in the database of the current folder by its name as it
// reads (the file is Windows-1251), or the entry itself, routed before a read in the same run.
TEST(EneCli, CableFromTheDatabaseOrTheEntryItself) {
    TempDir dir;
    WriteFileBytes(dir.File("MB connection ENE.txt"),
                   "Board one KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8\r\n"
                   "Board two KSO3=3 KSI4=9 KSI5=10 KSI6=11 KSI7=13\n"
                   "\xCF\xEB\xE0\xF2\xE0 \xEE\xE4\xE8\xED KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8\n");
    ProcessResult r = Cli(dir.Path(), {"ene", "ffc", "--mb", "Board one", "--cable", "30 pin",
                                       "--mirrored", "--device", "sim:pcb3"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(Says(r, "Please connect GND and:  A19 B26 C23 D24 E25 (only for JIG 2)\n"));
    EXPECT_TRUE(Says(r, "User select --> Board one KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8 (30 pin "
                        "FFC) mirrored\n"));
    EXPECT_TRUE(Says(r, "Settings sent successfully!\n"));
    r = Cli(dir.Path(),
            {"ene", "ffc", "--mb", "Плата один", "--cable", "30", "--device", "sim:pcb3"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(Says(r, "User select --> Плата один KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8 (30 "
                        "pin FFC) 1 to 1 \n"))
        << r.out;
    r = Cli(dir.Path(),
            {"ene", "ffc", "--mb", "Board two", "--cable", "30", "--device", "sim:pcb2-v41"});
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    EXPECT_TRUE(Says(r, "Not for this version JIG!\n"));
    // Two boards match, a cable that is not in the list, a missing option
    for (std::vector<std::string> args :
         {std::vector<std::string>{"ene", "ffc", "--mb", "Board", "--cable", "30"},
          {"ene", "ffc", "--mb", "Board one", "--cable", "31"},
          {"ene", "ffc", "--mb", "Board one"},
          {"ene", "read", "x.bin", "--mb", "Board one"}}) {
        args.insert(args.end(), {"--device", "sim:pcb3"});
        EXPECT_EQ(Cli(dir.Path(), args).exitCode, 64) << args[3];
    }

    WriteFileBytes(dir.File("ffc.json"),
                   R"({"chips": {"ene": {"wiring": "ffc", "cable": 30, "connector":
                       {"KSO3": 12, "KSI4": 5, "KSI5": 6, "KSI6": 7, "KSI7": 8}}}})");
    r = Cli(dir.Path(), {"ene", "read", "out.bin", "--device", "sim:pcb3", "--scenario", "ffc.json",
                         "--mb", "X KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8", "--cable", "30"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_FALSE(Says(r, "WARNING !!! The default mode for SOLDERING WIRES."));
    EXPECT_EQ(ReadFileText(dir.File("out.bin")).size(), 131072u);
}

// The wiring from the database (a part of a board's name will do), a turned cable that is
// right only when mirrored, the Russian log, "apply", and wrong usage.
TEST(IteCli, WiringMirroringLanguageAndUsage) {
    TempDir dir;
    WriteFileBytes(dir.File("MB connection ITE.txt"),
                   "Examples of the format\n"
                   "Board one PD0=12 PD1=13 PD2=14 PD3=15 PD4=16 PD5=17 PD6=18 PD7=19 BUSY=21 "
                   "STB=5 AFD=6 INIT=7 SLIN=8 KSI4=9 KSI5=10 KB_pins=26\r\n"
                   "Board two PD0=1 PD1=2 PD2=3 PD3=4 PD4=11 PD5=12 PD6=13 PD7=14 BUSY=15 STB=16 "
                   "AFD=17 INIT=18 SLIN=19 KSI4=20 KSI5=22\n");
    ProcessResult r = Cli(dir.Path(), {"ite", "check", "--mb", "one", "--device", "sim:pcb2-ite"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(Says(r, "Received ITE ID  -> 8512 rev -> 02\n"));

    WriteFileBytes(dir.File("flash.bin"), Pattern(131072, 13));
    WriteFileBytes(dir.File("turned.json"), R"({"chips": {"ite": {"reversed": true}}})");
    r = Cli(dir.Path(), {"ite", "check", "--mb", "Board one", "--device", "sim:pcb3", "--scenario",
                         "turned.json", "--reversed", "--lang", "ru"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(Says(r, "Версия FW программатора -> M328_EPM240_v16  \n"));
    EXPECT_TRUE(Says(r, "Настройки все отправлены.\n"));
    EXPECT_FALSE(Says(r, "All settings sent."));
    EXPECT_TRUE(Says(r, "PD0=15 PD1=14"));

    r = Cli(dir.Path(), {"ite", "apply", "--mb", "Board one", "--device", "sim:pcb3"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(Says(r, "All settings sent.\n"));
    r = Cli(dir.Path(), {"ite", "apply", "--mb", "Board one", "--device", "sim:pcb2-v41"});
    EXPECT_EQ(r.exitCode, 2) << r.out << r.err;
    EXPECT_TRUE(Says(r, "It is necessary to update the firmware programmer!\n"));

    for (std::vector<std::string> args : std::vector<std::vector<std::string>>{
             {"ite", "check"},                                     // no wiring
             {"ite", "check", "--mb", "Board", "--pins", "PD0=1"}, // both
             {"ite", "check", "--mb", "Board"},                    // two boards match
             {"ite", "check", "--mb", "Board three"},              // none
             {"ite", "check", "--pins", "PD0=1 PD1=2"},            // keys missing
             {"ite", "check", "--mb", "Board two", "--reversed"},  // no KB_pins to mirror with
             {"ite", "check", "--mb", "Board one", "--lang", "de"},
             {"ite", "read", "--mb", "Board one"}}) { // no file
        args.insert(args.end(), {"--device", "sim:pcb3"});
        r = Cli(dir.Path(), args);
        EXPECT_EQ(r.exitCode, 64) << args[2] << " " << r.err;
    }
    r = Cli(dir.Path(), {"ite", "check", "--pins", "PD0=1 PD1=2", "--device", "sim:pcb3"});
    EXPECT_NE(r.err.find("Information about the contact number PD2 is not found!"),
              std::string::npos);
}

// The power prompt, scripts of one's own that are missing or no script, and the cable the
// other way round, with --reversed a whole round trip.
TEST(JtagCli, ScriptsPowerPromptAndTheTurnedCable) {
    TempDir dir;
    ProcessResult r = Cli(dir.Path(), {"jtag", "check", "--device", "sim:pcb3"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_NE(r.err.find("warning:  Now \n Please connect the power supply"), std::string::npos);

    r = Cli(dir.Path(), {"jtag", "check", "--device", "sim:pcb3", "--script", "none.vss"});
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    EXPECT_TRUE(Says(r, "User select VSS file: none.vss\n"));
    EXPECT_TRUE(Says(r, "none.vss: No such file or directory\nBreak! Open file (.vss) error or "
                        "not found!\n"));
    WriteFileBytes(dir.File("huge.vss"), std::string(1024 * 1024 + 1, '\n'));
    for (const auto& [script, reason] :
         {std::pair<std::string, std::string>{"/dev/zero", "not a regular file"},
          {"huge.vss", "1048577 bytes, larger than the 1048576 bytes allowed"}}) {
        r = Cli(dir.Path(), {"jtag", "check", "--device", "sim:pcb3", "--script", script});
        EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
        EXPECT_TRUE(Says(r, script + ": " + reason + "\n")) << r.out;
        EXPECT_FALSE(Says(r, "Sending start: ")) << r.out;
    }

    const std::string image = Pattern(131072, 29, 0, 7);
    WriteFileBytes(dir.File("in.bin"), image);
    WriteFileBytes(dir.File("flash.bin"), Pattern(131072, 13));
    WriteFileBytes(dir.File("turned.json"),
                   R"({"chips": {"npceJtag": {"reversed": true, "file": "flash.bin"}}})");
    for (const char* op : {"write", "read"}) {
        r = Cli(dir.Path(), {"jtag", op, op[0] == 'w' ? "in.bin" : "out.bin", "--reversed",
                             "--device", "sim:pcb3", "--scenario", "turned.json"});
        EXPECT_EQ(r.exitCode, 0) << op << r.out << r.err;
    }
    EXPECT_TRUE(ReadFileText(dir.File("out.bin")) == image);
}

// --info, erase, the write protection of an erase, writes without an erase or a verify, and
// a write that breaks after its erase: where the chip stands and how to put it back.
TEST(MecCli, InfoEraseAndWritesThatGoWrong) {
    TempDir dir;
    WriteFileBytes(dir.File("locked.json"), R"({"chips": {"mec": {"fwp": true}}})");
    ProcessResult r =
        Cli(dir.Path(), {"mec", "erase", "--device", "sim:pcb3", "--scenario", "locked.json"});
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    EXPECT_TRUE(Says(r, "--> Каманда стирания отменена.\n"));

    r = Cli(dir.Path(), {"mec", "read", "all.bin", "--info", "--device", "sim:pcb3", "--stats"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(Says(r, "Read INFO complete.\n"));
    EXPECT_TRUE(Says(r, "bytes moved:      198656 (file)"));
    EXPECT_TRUE(Says(r, "wire + JIG time:"));
    const std::vector<std::uint8_t> was = SimMec16xx::DefaultImage();
    EXPECT_TRUE(ReadFileText(dir.File("all.bin")) == std::string(was.begin(), was.end()));
    r = Cli(dir.Path(), {"mec", "erase", "--info", "--device", "sim:pcb2-v42"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(Says(r, "Стирание завершено успешно.\n"));
    for (std::vector<std::string> args :
         std::vector<std::vector<std::string>>{{"mec", "write"},
                                               {"mec", "erase", "x.bin"},
                                               {"mec", "check", "--info"},
                                               {"mec", "flash"}}) {
        args.insert(args.end(), {"--device", "sim:pcb3"});
        EXPECT_EQ(Cli(dir.Path(), args).exitCode, 64) << args[1];
    }

    // Without the erase the simulator's own image is still in the flash.
    const std::string image = Pattern(196608, 21, 5, 8, 3);
    WriteFileBytes(dir.File("in.bin"), image);
    const std::vector<std::uint8_t> in = Bytes(image);
    std::size_t at = 0;
    while (at < in.size() && (was[at] & in[at]) == in[at])
        ++at;
    ASSERT_LT(at, image.size());
    char offset[16];
    std::snprintf(offset, sizeof offset, "0x%05zX", at);
    r = Cli(dir.Path(), {"mec", "write", "in.bin", "--no-erase", "--device", "sim:pcb2-v42"});
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    EXPECT_TRUE(
        Says(r, "Verification failed: MAIN differs from in.bin at offset " + std::string(offset)))
        << r.out;
    EXPECT_FALSE(Says(r, "Стирание завершено успешно."));
    r = Cli(dir.Path(),
            {"mec", "write", "in.bin", "--no-erase", "--no-verify", "--device", "sim:pcb2-v42"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_FALSE(Says(r, "Verification"));

    // The backup read has 194 blocks.
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

TEST(EdidCli, BadChecksumNeedsYesAndShowNeedsNoJig) {
    TempDir dir;
    std::string bad(EdidSamples::kLaptopPanel.begin(), EdidSamples::kLaptopPanel.end());
    bad[127] ^= 1;
    WriteFileBytes(dir.File("bad.bin"), bad);
    ProcessResult r = Cli(dir.Path(), {"edid", "write", "bad.bin", "--device", "sim"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("-> no (pass --yes to agree)"), std::string::npos);
    r = Cli(dir.Path(), {"edid", "write", "bad.bin", "--yes", "--device", "sim"});
    EXPECT_EQ(r.exitCode, 0) << r.err;

    r = RunProgram("tolvane-jig-cli", {"edid", "show", "bad.bin", "--device", "no-such-backend"},
                   dir.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(
        r.out.starts_with("bad.bin holds 128 bytes; the EEPROM takes them followed by FF.\n"));
    EXPECT_TRUE(Says(r, "  Checksum of block 0: wrong (byte 127 is 0x3F, should be 0x3E)\n"));
    EXPECT_EQ(RunProgram("tolvane-jig-cli", {"edid", "show", "missing.bin"}, dir.Path()).exitCode,
              1);
}

TEST(KeyboardCli, HeldKeyPrintedOnceAndMissingAnswerFails) {
    TempDir dir;
    WriteFileBytes(dir.File("keys.json"), R"({"chips": {"keyboard": {"keys": [
        {"pins": [5, 3], "from": 0, "to": 300}, {"pins": [3, 5], "from": 600, "to": 700}]}}})");
    ProcessResult r = RunProgram("tolvane-jig-cli",
                                 {"keyboard", "scan", "--seconds", "1", "--device", "sim:pcb2-v41",
                                  "--scenario", "keys.json"},
                                 dir.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    // Pressed twice, printed twice, not once per scan.
    std::size_t printed = 0;
    for (std::size_t at = r.out.find("3-5  (Shape69)\n"); at != std::string::npos;
         at = r.out.find("3-5  (Shape69)\n", at + 1))
        ++printed;
    EXPECT_EQ(printed, 2u) << r.out;
    EXPECT_TRUE(Says(r, "Pairs seen: 3-5\n"));

    WriteFileBytes(dir.File("silent.json"), R"({"chips": {"keyboard": {"answers": [[]]}}})");
    r = RunProgram(
        "tolvane-jig-cli",
        {"keyboard", "scan", "--seconds", "5", "--device", "sim", "--scenario", "silent.json"},
        dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Says(r, "Device not found\n"));
    EXPECT_NE(r.err.find("scan ended: no scan answer within 1000 ms"), std::string::npos);
    r = RunProgram("tolvane-jig-cli", {"keyboard", "scan", "--device", "sim:pcb2-ite"}, dir.Path());
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "Please update FW\n");
    EXPECT_EQ(
        RunProgram("tolvane-jig-cli", {"keyboard", "scan", "--seconds", "x"}, dir.Path()).exitCode,
        64);
}
