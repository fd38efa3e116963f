// tolvane-jig-cli per working mode over the in-process simulated JIG: one round trip driven by
// the mode table, what every mode refuses and with which exit status, and the options that are
// one mode's own.
#include "support/CliModes.h"
#include "link/OpenProgrammerLink.h"
#include "modetable/ModeTable.h"
#include "sim/chips/Mec16xx.h"
#include "support/EdidSamples.h"
#include "support/Pattern.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <regex>

namespace {
ProcessResult Cli(const std::string& folder, std::vector<std::string> args) {
    args.insert(args.end(), {"--timing", "instant"});
    return RunProgram("tolvane-jig-cli", args, folder);
}

std::string Board(std::string tag) {
    std::ranges::transform(tag, tag.begin(), ::tolower);
    return "pcb2-" + tag;
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

// On the mode's PCB2: its PCB3 runs whole commands in CliStop.
TEST_P(CliMode, RoundTripOnItsPcb2) {
    const std::string scenario = FlashScenario(*m, dir);
    CliRoundTrip(*m, dir, [&](std::vector<std::string> args) {
        args.insert(args.end(),
                    {"--device", "sim:" + Board(entry->pcb2Firmware), "--scenario", scenario});
        return Cli(dir.Path(), args);
    });
}

TEST_P(CliMode, RefusesWithItsExitStatus) {
    // No usable JIG: none at all, a scenario that is missing, a PCB2 running another firmware.
    WriteFileBytes(dir.File("nojig.json"), R"({"devices": []})");
    // --stats too: with no JIG there is none to ask for its figures.
    ProcessResult r = Run({"read", "x.bin", "--scenario", "nojig.json", "--stats"}, "sim");
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
    // A file that cannot be had is 2, like a JIG; one that was read and refused is 1.
    struct Refused {
        std::string file, reason;
        int exitCode;
    };
    for (const auto& [file, reason, exitCode] :
         {Refused{"missing.bin", "No such file or directory", 2},
          {"empty.bin", "the file is empty", 1},
          {"large.bin", larger + " the chip takes", 1},
          {"/dev/zero", "not a regular file", 2}}) {
        r = Run({"write", file, "--scenario", scenario});
        const std::string line = file + ": " + reason + "\n";
        EXPECT_EQ(r.exitCode, exitCode) << file << r.out << r.err;
        // A mode that judges the image first asks the JIG nothing: the reason is all it says.
        const std::string& said = m->imageReasonOnErr ? r.err : r.out;
        EXPECT_TRUE(m->judgesImageFirst ? said == line : Says(r, line)) << r.out << r.err;
        EXPECT_TRUE(r.err.ends_with(m->imageRefusedErr)) << r.err;
        EXPECT_EQ(r.out.empty(), m->imageReasonOnErr) << r.out;
        EXPECT_FALSE(Says(r, "Backup")) << r.out;
        EXPECT_TRUE(ReadFileText(dir.File("flash.bin")) == flash) << file;
    }
    r = Run({"read", "/dev/zero"});
    EXPECT_EQ(r.exitCode, 2) << r.out << r.err;
    EXPECT_TRUE(Says(r, "/dev/zero: not a regular file\n")) << r.out;

    // The mode's own refusal; the dump it was to replace stays as it was.
    WriteFileBytes(dir.File("old.bin"), "an older dump");
    WriteFileBytes(dir.File("in.bin"), m->image);
    WriteFileBytes(dir.File("refused.json"), ChipScenario(*m, m->refusalChip));
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
    WriteFileBytes(dir.File("worn.json"), ChipScenario(*m, m->verifyFaultChip));
    r = Run({"write", "in.bin", "--scenario", "worn.json"});
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    EXPECT_TRUE(Says(r, m->verifyFault)) << r.out;
    r = Run({"write", "in.bin", "--scenario", "worn.json", "--no-verify"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_FALSE(Says(r, "Verif")) << r.out;
}

INSTANTIATE_TEST_SUITE_P(Modes, CliMode, ::testing::ValuesIn(ModesThatRead()),
                         [](const auto& info) { return ModeTestName(info.param); });

// The options that are one mode's own, in a folder that holds the wiring databases, the
// scenarios and the files they name.
class CliOptions : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string edid(EdidSamples::kLaptopPanel.begin(), EdidSamples::kLaptopPanel.end());
        edid[127] ^= 1; // its checksum wrong
        for (const auto& [name, text] : std::vector<std::pair<std::string, std::string>>{
                 {"MB connection ENE.txt",
                  "Board one KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8\r\n"
                  "Board two KSO3=3 KSI4=9 KSI5=10 KSI6=11 KSI7=13\n"
                  "\xCF\xEB\xE0\xF2\xE0 \xEE\xE4\xE8\xED KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8\n"},
                 {"MB connection ITE.txt",
                  "Examples of the format\n"
                  "Board one PD0=12 PD1=13 PD2=14 PD3=15 PD4=16 PD5=17 PD6=18 PD7=19 BUSY=21 "
                  "STB=5 AFD=6 INIT=7 SLIN=8 KSI4=9 KSI5=10 KB_pins=26\r\n"
                  "Board two PD0=1 PD1=2 PD2=3 PD3=4 PD4=11 PD5=12 PD6=13 PD7=14 BUSY=15 "
                  "STB=16 AFD=17 INIT=18 SLIN=19 KSI4=20 KSI5=22\n"},
                 {"edid.bin", edid},
                 {"ffc.json", R"({"chips": {"ene": {"wiring": "ffc", "cable": 30, "connector":
                      {"KSO3": 12, "KSI4": 5, "KSI5": 6, "KSI6": 7, "KSI7": 8}}}})"},
                 {"ite-turned.json", R"({"chips": {"ite": {"reversed": true}}})"},
                 {"jtag-turned.json",
                  R"({"chips": {"npceJtag": {"reversed": true, "file": "flash.bin"}}})"},
                 {"flash.bin", Pattern(131072, 13)},
                 {"huge.vss", std::string(1024 * 1024 + 1, '\n')},
                 {"locked.json", R"({"chips": {"mec": {"fwp": true}}})"},
                 {"mec.bin", Pattern(196608, 21, 5, 8, 3)},
                 {"bad.json", R"({"chips": {"mec": {"badStatusAtBlock": 200}}})"},
                 {"keys.json", R"({"chips": {"keyboard": {"keys": [{"pins": [5, 3], "from": 0,
                      "to": 300}, {"pins": [3, 5], "from": 600, "to": 700}]}}})"},
                 {"silent.json", R"({"chips": {"keyboard": {"answers": [[]]}}})"}})
            WriteFileBytes(dir.File(name), text);
    }
    ProcessResult Run(std::vector<std::string> args, const std::string& device = "sim:pcb3") {
        args.insert(args.end(), {"--device", device});
        return Cli(dir.Path(), args);
    }
    TempDir dir;
};

TEST_F(CliOptions, EachModesOwnOptions) {
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::vector<std::string> says{}; // on stdout
        std::string err{};               // on stderr
        std::string never{};             // not on stdout
        std::string device = "sim:pcb3";
    };
    const std::string pcb2 = "sim:pcb2-v41";
    // clang-format off
    const Case cases[] = {
        // ENE: a board of the database, by its name as it reads (the file is Windows-1251) or
        // the entry itself, routed before a read in the same run; not on a PCB2.
        {{"ene", "ffc", "--mb", "Board one", "--cable", "30 pin", "--mirrored"}, 0,
         {"Please connect GND and:  A19 B26 C23 D24 E25 (only for JIG 2)\n",
          "User select --> Board one KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8 (30 pin FFC) mirrored\n",
          "Settings sent successfully!\n"}},
        {{"ene", "ffc", "--mb", "Плата один", "--cable", "30"}, 0,
         {"User select --> Плата один KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8 (30 pin FFC) 1 to 1 \n"}},
        {{"ene", "ffc", "--mb", "Board two", "--cable", "30"}, 1, {"Not for this version JIG!\n"},
         "", "", pcb2},
        {{"ene", "read", "ene.bin", "--scenario", "ffc.json", "--mb",
          "X KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8", "--cable", "30"},
         0, {}, "", "WARNING !!! The default mode for SOLDERING WIRES."},
        // ITE: a part of a board's name will do; a turned cable is right only when mirrored;
        // the Russian log; "apply".
        {{"ite", "check", "--mb", "one"}, 0, {"Received ITE ID  -> 8512 rev -> 02\n"}, "", "",
         "sim:pcb2-ite"},
        {{"ite", "check", "--mb", "Board one", "--scenario", "ite-turned.json", "--reversed",
          "--lang", "ru"}, 0,
         {"Версия FW программатора -> M328_EPM240_v16  \n", "Настройки все отправлены.\n",
          "PD0=15 PD1=14"}, "", "All settings sent."},
        {{"ite", "apply", "--mb", "Board one"}, 0, {"All settings sent.\n"}},
        {{"ite", "apply", "--mb", "Board one"}, 2,
         {"It is necessary to update the firmware programmer!\n"}, "", "", pcb2},
        {{"ite", "check", "--pins", "PD0=1 PD1=2"}, 64, {},
         "Information about the contact number PD2 is not found!"},
        // JTAG: the power prompt; scripts of one's own, missing or no script; the cable the
        // other way round, read with --reversed.
        {{"jtag", "check"}, 0, {"Read NUVOTON ID 0FE2201F\n", "I`m ready to READ or WRITE.\n"},
         "warning:  Now \n Please connect the power supply"},
        {{"jtag", "check", "--script", "none.vss"}, 2,
         {"User select VSS file: none.vss\n",
          "none.vss: No such file or directory\nBreak! Open file (.vss) error or not found!\n"}},
        {{"jtag", "check", "--script", "/dev/zero"}, 2, {"/dev/zero: not a regular file\n"}, "",
         "Sending start: "},
        {{"jtag", "check", "--script", "huge.vss"}, 2,
         {"huge.vss: 1048577 bytes, larger than the 1048576 bytes allowed\n"}, "",
         "Sending start: "},
        {{"jtag", "read", "jtag-back.bin", "--reversed", "--scenario", "jtag-turned.json"}, 0},
        // MEC: a free chip, --info, the write protection of an erase.
        {{"mec", "check"}, 0, {"ID from MEC -> 0216 A445h\n", "--> Erase and Write boot allowed.\n"}},
        {{"mec", "erase", "--scenario", "locked.json"}, 1, {"--> Каманда стирания отменена.\n"}},
        {{"mec", "read", "mec-all.bin", "--info", "--stats"}, 0,
         {"Read INFO complete.\n", "bytes moved:      198656 (file)", "wire + JIG time:"}},
        {{"mec", "erase", "--info"}, 1, {"INFO is not erased: the erase was not confirmed.\n"}, "", "", "sim:pcb2-v42"},
        {{"mec", "erase", "--info", "--yes"}, 0, {"Стирание завершено успешно.\n"}, "", "", "sim:pcb2-v42"},
        // EDID: a wrong checksum is written only with --yes; "show" needs no JIG.
        {{"edid", "write", "edid.bin"}, 1, {}, "-> no (pass --yes to agree)", "", "sim"},
        {{"edid", "write", "edid.bin", "--yes"}, 0, {}, "", "", "sim"},
        {{"edid", "show", "edid.bin"}, 0,
         {"  Checksum of block 0: wrong (byte 127 is 0x3F, should be 0x3E)\n"}, "", "",
         "no-such-backend"},
        {{"edid", "show", "missing.bin"}, 2},
        // Keyboard: a key held over many scans is printed once per press; a scan without an
        // answer fails; another firmware has none.
        {{"keyboard", "scan", "--seconds", "1", "--scenario", "keys.json"}, 0,
         {"Pairs seen: 3-5\n"}, "", "", pcb2},
        {{"keyboard", "scan", "--seconds", "5", "--scenario", "silent.json"}, 1,
         {"Device not found\n"}, "scan ended: no scan answer within 1000 ms", "", "sim"},
        {{"keyboard", "scan"}, 2, {}, "", "", "sim:pcb2-ite"},
        // Wrong usage
        {{"ene", "ffc", "--mb", "Board", "--cable", "30"}, 64},     // two boards match
        {{"ene", "ffc", "--mb", "Board one", "--cable", "31"}, 64}, // a cable not in the list
        {{"ene", "ffc", "--mb", "Board one"}, 64},                  // no cable
        {{"ene", "read", "x.bin", "--mb", "Board one"}, 64},
        {{"ite", "check"}, 64},                                     // no wiring
        {{"ite", "check", "--mb", "Board", "--pins", "PD0=1"}, 64}, // both
        {{"ite", "check", "--mb", "Board"}, 64},                    // two boards match
        {{"ite", "check", "--mb", "Board three"}, 64},              // none
        {{"ite", "check", "--mb", "Board two", "--reversed"}, 64},  // no KB_pins to mirror with
        {{"ite", "check", "--mb", "Board one", "--lang", "de"}, 64},
        {{"ite", "read", "--mb", "Board one"}, 64},                 // no file
        {{"mec", "write"}, 64}, {{"mec", "erase", "x.bin"}, 64}, {{"mec", "check", "--info"}, 64},
        {{"mec", "flash"}, 64}, {{"keyboard", "scan", "--seconds", "x"}, 64},
    };
    // clang-format on
    std::map<std::string, ProcessResult> last;
    for (const Case& c : cases) {
        const ProcessResult r = Run(c.args, c.device);
        std::string name;
        for (const std::string& w : c.args)
            name += w + " ";
        EXPECT_EQ(r.exitCode, c.exitCode) << name << "\n" << r.out << r.err;
        for (const std::string& line : c.says)
            EXPECT_TRUE(Says(r, line)) << name << line << "\n" << r.out;
        EXPECT_NE(r.err.find(c.err), std::string::npos) << name << r.err;
        EXPECT_TRUE(c.never.empty() || !Says(r, c.never)) << name << r.out;
        last[name] = r;
    }
    EXPECT_EQ(ReadFileText(dir.File("ene.bin")).size(), 131072u);
    EXPECT_TRUE(ReadFileText(dir.File("jtag-back.bin")) == ReadFileText(dir.File("flash.bin")));
    const std::vector<std::uint8_t> mec = SimMec16xx::DefaultImage();
    EXPECT_TRUE(ReadFileText(dir.File("mec-all.bin")) == std::string(mec.begin(), mec.end()));
    EXPECT_TRUE(last["edid show edid.bin "].out.starts_with(
        "edid.bin holds 128 bytes; the EEPROM takes them followed by FF.\n"));
    const std::string& keys = last["keyboard scan --seconds 1 --scenario keys.json "].out;
    const std::regex held("3-5  \\(Shape69\\)\n"); // pressed twice, printed twice
    EXPECT_EQ(std::distance(std::sregex_iterator(keys.begin(), keys.end(), held), {}), 2) << keys;
    EXPECT_EQ(last["keyboard scan "].out,
              "Please update FW\n" + FirmwareFixLine(LinkVariants::KeyboardTesting) + "\n");
}

// A MEC write whose read-back differs, and one that breaks after its erase: where the chip
// stands and how to put it back.
TEST_F(CliOptions, MecWritesThatGoWrong) {
    // An erased MAIN, and reply byte 1600 (byte 13 of the read-back's first block) flipped.
    WriteFileBytes(dir.File("blank.bin"), std::string(198656, '\xFF'));
    WriteFileBytes(dir.File("flip.json"), R"({"chips": {"mec": {"file": ")" +
                                              dir.File("blank.bin") +
                                              R"("}}, "faults": [{"type": "corrupt", )"
                                              R"("replyByte": 1600, "xor": 1}]})");
    ProcessResult r =
        Run({"mec", "write", "mec.bin", "--no-erase", "--no-backup", "--scenario", "flip.json"},
            "sim:pcb2-v42");
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    EXPECT_TRUE(Says(r, "Verification failed: MAIN differs from mec.bin at offset 0x0000D"))
        << r.out;
    // On an erased MAIN, without the erase and the read-back, the write alone.
    WriteFileBytes(dir.File("blank.bin"), std::string(198656, '\xFF'));
    WriteFileBytes(dir.File("blank.json"),
                   R"({"chips": {"mec": {"file": ")" + dir.File("blank.bin") + R"("}}})");
    r = Run({"mec", "write", "mec.bin", "--no-erase", "--no-verify", "--no-backup", "--scenario",
             "blank.json"},
            "sim:pcb2-v42");
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_FALSE(Says(r, "Verification")) << r.out;
    EXPECT_FALSE(Says(r, "Стирание завершено")) << r.out;

    // The backup read has 194 blocks.
    r = Run({"mec", "write", "mec.bin", "--scenario", "bad.json"});
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    std::smatch said;
    ASSERT_TRUE(std::regex_search(
        r.err, said,
        std::regex(
            R"(The chip is partly written \(blocks 1 to 199 of 768; block 200 of 768 went out )"
            R"(unconfirmed\)\. Backup: (\S+)\.\n)"
            R"(To put it back: tolvane-jig-cli mec write (\S+) --device sim:pcb3 )"
            R"(--scenario bad.json\n)")))
        << r.err;
    EXPECT_EQ(said[1], said[2]);
    EXPECT_EQ(ReadFileText(said[1].str()).size(), 198656u);
    // Both streams into one file, as `> log 2>&1` or a terminal has them: the state once.
    r = RunProgram("/bin/sh",
                   {"-c", std::string(TOLVANE_BIN_DIR) +
                              "/tolvane-jig-cli mec write mec.bin --scenario bad.json "
                              "--device sim:pcb3 --timing instant > both.txt 2>&1"},
                   dir.Path());
    const std::string both = ReadFileText(dir.File("both.txt"));
    const std::size_t state = both.find("The chip is partly written");
    ASSERT_NE(state, std::string::npos) << both;
    EXPECT_EQ(both.find("The chip is partly written", state + 1), std::string::npos) << both;
    EXPECT_NE(both.find("To put it back: ", state), std::string::npos) << both;
}
