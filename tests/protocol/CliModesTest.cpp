// tolvane-jig-cli per working mode over the in-process simulated JIG: one round trip driven by
// the mode table on both boards each mode runs on, what every mode refuses and with which exit
// status, and the options that are one mode's own.
#include "support/CliModes.h"
#include "modetable/ModeTable.h"
#include "sim/chips/Mec16xx.h"
#include "support/EdidSamples.h"
#include "support/Pattern.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <regex>

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
    using Reason = std::pair<std::string, std::string>;
    for (const auto& [file, reason] : {Reason{"missing.bin", "No such file or directory"},
                                       {"empty.bin", "the file is empty"},
                                       {"large.bin", larger + " the chip takes"},
                                       {"/dev/zero", "not a regular file"}}) {
        r = Run({"write", file, "--scenario", scenario});
        const std::string line = file + ": " + reason + "\n";
        EXPECT_EQ(r.exitCode, 1) << file << r.out << r.err;
        // A mode that judges the image first asks the JIG nothing: the reason is all it says.
        const std::string& said = m->imageReasonOnErr ? r.err : r.out;
        EXPECT_TRUE(m->judgesImageFirst ? said == line : Says(r, line)) << r.out << r.err;
        EXPECT_TRUE(r.err.ends_with(m->imageRefusedErr)) << r.err;
        EXPECT_EQ(r.out.empty(), m->imageReasonOnErr) << r.out;
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

// The options that are one mode's own, in a folder that holds the wiring databases.
class CliOptions : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteFileBytes(
            dir.File("MB connection ENE.txt"),
            "Board one KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8\r\n"
            "Board two KSO3=3 KSI4=9 KSI5=10 KSI6=11 KSI7=13\n"
            "\xCF\xEB\xE0\xF2\xE0 \xEE\xE4\xE8\xED KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8\n");
        WriteFileBytes(dir.File("MB connection ITE.txt"),
                       "Examples of the format\n"
                       "Board one PD0=12 PD1=13 PD2=14 PD3=15 PD4=16 PD5=17 PD6=18 PD7=19 BUSY=21 "
                       "STB=5 AFD=6 INIT=7 SLIN=8 KSI4=9 KSI5=10 KB_pins=26\r\n"
                       "Board two PD0=1 PD1=2 PD2=3 PD3=4 PD4=11 PD5=12 PD6=13 PD7=14 BUSY=15 "
                       "STB=16 AFD=17 INIT=18 SLIN=19 KSI4=20 KSI5=22\n");
    }
    ProcessResult Run(std::vector<std::string> args, const std::string& device = "sim:pcb3") {
        args.insert(args.end(), {"--device", device});
        return Cli(dir.Path(), args);
    }
    TempDir dir;
};

TEST_F(CliOptions, WrongUsageExits64) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"ene", "ffc", "--mb", "Board", "--cable", "30"},     // two boards match
             {"ene", "ffc", "--mb", "Board one", "--cable", "31"}, // a cable not in the list
             {"ene", "ffc", "--mb", "Board one"},                  // no cable
             {"ene", "read", "x.bin", "--mb", "Board one"},
             {"ite", "check"},                                     // no wiring
             {"ite", "check", "--mb", "Board", "--pins", "PD0=1"}, // both
             {"ite", "check", "--mb", "Board"},                    // two boards match
             {"ite", "check", "--mb", "Board three"},              // none
             {"ite", "check", "--pins", "PD0=1 PD1=2"},            // keys missing
             {"ite", "check", "--mb", "Board two", "--reversed"},  // no KB_pins to mirror with
             {"ite", "check", "--mb", "Board one", "--lang", "de"},
             {"ite", "read", "--mb", "Board one"}, // no file
             {"mec", "write"},
             {"mec", "erase", "x.bin"},
             {"mec", "check", "--info"},
             {"mec", "flash"},
             {"keyboard", "scan", "--seconds", "x"}}) {
        const ProcessResult r = Run(args);
        EXPECT_EQ(r.exitCode, 64) << args[0] << " " << args[1] << " " << args.back() << r.err;
    }
    EXPECT_NE(Run({"ite", "check", "--pins", "PD0=1 PD1=2"})
                  .err.find("Information about the contact number PD2 is not found!"),
              std::string::npos);
}

// The flexible cable: a board found in the database by its name as it reads (the file is
// Windows-1251), or the entry itself, routed before a read in the same run; not on a PCB2.
TEST_F(CliOptions, EneCable) {
    ProcessResult r = Run({"ene", "ffc", "--mb", "Board one", "--cable", "30 pin", "--mirrored"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(Says(r, "Please connect GND and:  A19 B26 C23 D24 E25 (only for JIG 2)\n"));
    EXPECT_TRUE(Says(r, "User select --> Board one KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8 (30 pin "
                        "FFC) mirrored\n"));
    EXPECT_TRUE(Says(r, "Settings sent successfully!\n"));
    r = Run({"ene", "ffc", "--mb", "Плата один", "--cable", "30"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(Says(r, "User select --> Плата один KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8 (30 "
                        "pin FFC) 1 to 1 \n"))
        << r.out;
    r = Run({"ene", "ffc", "--mb", "Board two", "--cable", "30"}, "sim:pcb2-v41");
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    EXPECT_TRUE(Says(r, "Not for this version JIG!\n"));

    WriteFileBytes(dir.File("ffc.json"),
                   R"({"chips": {"ene": {"wiring": "ffc", "cable": 30, "connector":
                       {"KSO3": 12, "KSI4": 5, "KSI5": 6, "KSI6": 7, "KSI7": 8}}}})");
    r = Run({"ene", "read", "out.bin", "--scenario", "ffc.json", "--mb",
             "X KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8", "--cable", "30"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_FALSE(Says(r, "WARNING !!! The default mode for SOLDERING WIRES."));
    EXPECT_EQ(ReadFileText(dir.File("out.bin")).size(), 131072u);
}

// The wiring from the database (a part of a board's name will do), a turned cable that is
// right only when mirrored, the Russian log, and "apply".
TEST_F(CliOptions, IteWiringMirroringAndLanguage) {
    ProcessResult r = Run({"ite", "check", "--mb", "one"}, "sim:pcb2-ite");
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(Says(r, "Received ITE ID  -> 8512 rev -> 02\n"));
    WriteFileBytes(dir.File("turned.json"), R"({"chips": {"ite": {"reversed": true}}})");
    r = Run({"ite", "check", "--mb", "Board one", "--scenario", "turned.json", "--reversed",
             "--lang", "ru"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(Says(r, "Версия FW программатора -> M328_EPM240_v16  \n"));
    EXPECT_TRUE(Says(r, "Настройки все отправлены.\n"));
    EXPECT_FALSE(Says(r, "All settings sent."));
    EXPECT_TRUE(Says(r, "PD0=15 PD1=14"));

    r = Run({"ite", "apply", "--mb", "Board one"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(Says(r, "All settings sent.\n"));
    r = Run({"ite", "apply", "--mb", "Board one"}, "sim:pcb2-v41");
    EXPECT_EQ(r.exitCode, 2) << r.out << r.err;
    EXPECT_TRUE(Says(r, "It is necessary to update the firmware programmer!\n"));
}

// The power prompt, scripts of one's own that are missing or no script, and the cable the
// other way round, with --reversed a whole round trip.
TEST_F(CliOptions, JtagScriptsPowerPromptAndTheTurnedCable) {
    ProcessResult r = Run({"jtag", "check"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_NE(r.err.find("warning:  Now \n Please connect the power supply"), std::string::npos);
    r = Run({"jtag", "check", "--script", "none.vss"});
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    EXPECT_TRUE(Says(r, "User select VSS file: none.vss\n"));
    EXPECT_TRUE(Says(r, "none.vss: No such file or directory\nBreak! Open file (.vss) error or "
                        "not found!\n"));
    WriteFileBytes(dir.File("huge.vss"), std::string(1024 * 1024 + 1, '\n'));
    for (const auto& [script, reason] :
         {std::pair<std::string, std::string>{"/dev/zero", "not a regular file"},
          {"huge.vss", "1048577 bytes, larger than the 1048576 bytes allowed"}}) {
        r = Run({"jtag", "check", "--script", script});
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
        r = Run({"jtag", op, op[0] == 'w' ? "in.bin" : "out.bin", "--reversed", "--scenario",
                 "turned.json"});
        EXPECT_EQ(r.exitCode, 0) << op << r.out << r.err;
    }
    EXPECT_TRUE(ReadFileText(dir.File("out.bin")) == image);
}

// --info, the write protection of an erase, writes without an erase or a verify, and a write
// that breaks after its erase: where the chip stands and how to put it back.
TEST_F(CliOptions, MecInfoEraseAndWritesThatGoWrong) {
    WriteFileBytes(dir.File("locked.json"), R"({"chips": {"mec": {"fwp": true}}})");
    ProcessResult r = Run({"mec", "erase", "--scenario", "locked.json"});
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    EXPECT_TRUE(Says(r, "--> Каманда стирания отменена.\n"));

    r = Run({"mec", "read", "all.bin", "--info", "--stats"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(Says(r, "Read INFO complete.\n"));
    EXPECT_TRUE(Says(r, "bytes moved:      198656 (file)"));
    EXPECT_TRUE(Says(r, "wire + JIG time:"));
    const std::vector<std::uint8_t> was = SimMec16xx::DefaultImage();
    EXPECT_TRUE(ReadFileText(dir.File("all.bin")) == std::string(was.begin(), was.end()));
    r = Run({"mec", "erase", "--info"}, "sim:pcb2-v42");
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(Says(r, "Стирание завершено успешно.\n"));

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
    r = Run({"mec", "write", "in.bin", "--no-erase"}, "sim:pcb2-v42");
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    EXPECT_TRUE(
        Says(r, "Verification failed: MAIN differs from in.bin at offset " + std::string(offset)))
        << r.out;
    EXPECT_FALSE(Says(r, "Стирание завершено успешно."));
    r = Run({"mec", "write", "in.bin", "--no-erase", "--no-verify"}, "sim:pcb2-v42");
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_FALSE(Says(r, "Verification"));

    // The backup read has 194 blocks.
    WriteFileBytes(dir.File("bad.json"), R"({"chips": {"mec": {"badStatusAtBlock": 200}}})");
    r = Run({"mec", "write", "in.bin", "--scenario", "bad.json"});
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    std::smatch said;
    ASSERT_TRUE(std::regex_search(
        r.err, said,
        std::regex(R"(The chip is partly written \(blocks 1 to 199 of 768\)\. Backup: (\S+)\.\n)"
                   R"(To put it back: tolvane-jig-cli mec write (\S+) --device sim:pcb3 )"
                   R"(--scenario bad.json\n)")))
        << r.err;
    EXPECT_EQ(said[1], said[2]);
    EXPECT_EQ(ReadFileText(said[1].str()).size(), 198656u);
}

// An EDID with a wrong checksum is written only with --yes; "show" needs no JIG.
TEST_F(CliOptions, EdidChecksumAndShow) {
    std::string bad(EdidSamples::kLaptopPanel.begin(), EdidSamples::kLaptopPanel.end());
    bad[127] ^= 1;
    WriteFileBytes(dir.File("bad.bin"), bad);
    ProcessResult r = Run({"edid", "write", "bad.bin"}, "sim");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("-> no (pass --yes to agree)"), std::string::npos);
    EXPECT_EQ(Run({"edid", "write", "bad.bin", "--yes"}, "sim").exitCode, 0);
    r = Run({"edid", "show", "bad.bin"}, "no-such-backend");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(
        r.out.starts_with("bad.bin holds 128 bytes; the EEPROM takes them followed by FF.\n"));
    EXPECT_TRUE(Says(r, "  Checksum of block 0: wrong (byte 127 is 0x3F, should be 0x3E)\n"));
    EXPECT_EQ(Run({"edid", "show", "missing.bin"}).exitCode, 1);
}

// A key held over many scans is printed once per press; a scan without an answer fails.
TEST_F(CliOptions, KeyboardScan) {
    WriteFileBytes(dir.File("keys.json"), R"({"chips": {"keyboard": {"keys": [
        {"pins": [5, 3], "from": 0, "to": 300}, {"pins": [3, 5], "from": 600, "to": 700}]}}})");
    ProcessResult r =
        Run({"keyboard", "scan", "--seconds", "1", "--scenario", "keys.json"}, "sim:pcb2-v41");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    const std::regex held("3-5  \\(Shape69\\)\n");
    EXPECT_EQ(std::distance(std::sregex_iterator(r.out.begin(), r.out.end(), held), {}), 2)
        << r.out;
    EXPECT_TRUE(Says(r, "Pairs seen: 3-5\n"));

    WriteFileBytes(dir.File("silent.json"), R"({"chips": {"keyboard": {"answers": [[]]}}})");
    r = Run({"keyboard", "scan", "--seconds", "5", "--scenario", "silent.json"}, "sim");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Says(r, "Device not found\n"));
    EXPECT_NE(r.err.find("scan ended: no scan answer within 1000 ms"), std::string::npos);
    r = Run({"keyboard", "scan"}, "sim:pcb2-ite");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "Please update FW\n");
}
