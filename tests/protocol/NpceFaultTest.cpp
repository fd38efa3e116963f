// Every way an NPCE operation can fail: the chip refusing a step, the JIG falling silent at each
// of its answers, nonsense where a byte is expected, and a device that goes away. Each ends
// with its own lines, link and file closed, state "NONE" and the buttons back (for the silent
// or vanishing JIG the fault matrix checks that, at these same waits).
#include "NpceRig.h"

#include <filesystem>

namespace {
std::string Timeout(const std::string& step) {
    return "Timeout: no answer from the JIG (" + step + ")";
}

struct SilentCase {
    const char* name;
    bool write;
    int silentFromReply; // replies counted from 0: the version text, the ID, 'I', ...
    std::string from;    // the first log line compared
    std::vector<std::string> lines;
    std::vector<std::uint8_t> hostTail;
    std::string failedStep;
    std::string chipLine = ""; // a write's last line: where the chip stands
    int keptBytes = 0;         // a read's last line: the bytes kept beside the dump
};

// Replies of a PCB2 write: 0 version, 1 ID, 2 'I', 3 erase, 4 blank check, then '*' and the
// status of each page (5 to 1028), 1029 the end of the write, 1030 to 1285 the verify blocks,
// 1286 the end of the verify, 1287 'I'. A read has the blocks at 3 to 258, its end at 259 and
// 'I' at 260.
const std::vector<SilentCase>& SilentCases() {
    static const std::string stamp = kNpceStamp;
    static const std::string corrupted = "ERROR timeout. Corrupted data !? ";
    static const std::string notWritten = "The chip is written but not verified.";
    // clang-format off
    static const std::vector<SilentCase> cases{
        {"FlashId", false, 1, "No connection to the NPCE! reading ID -> ",
         {"No connection to the NPCE! reading ID -> ", "Check soldering NPCE or chip damaged.",
          Timeout("flash ID")}, {'Z', 'O'}, "flash ID"},
        {"SignalAfterTheId", false, 2, "ID FLASH EFh 4012h ",
         {"ID FLASH EFh 4012h ", Timeout("answer to the success signal")}, {'Z', 'I'},
         "answer to the success signal"},
        {"FirstReadBlock", false, 3, corrupted, {corrupted, Timeout("block 1 of 256"), stamp},
         {'r', '-', 'O'}, "block 1 of 256"},
        {"EndOfTheRead", false, 259, "Reading complete ...",
         {"Reading complete ...", stamp, corrupted, Timeout("end of the read")}, {'-', 'O'},
         "end of the read", "", 131072},
        {"SignalAfterTheRead", false, 260, "Reading complete ...",
         {"Reading complete ...", stamp, Timeout("answer to the success signal")}, {'-', 'I'},
         "answer to the success signal"},
        {"Erase", true, 3, "Erase ...",
         {"Erase ...", "** Lost contact with the chip or ERROR timeout **",
          Timeout("answer to the erase"), stamp}, {'e', 'O'}, "answer to the erase",
         "The chip may be partly erased."},
        {"BlankCheck", true, 4, "Check clear data ...",
         {"Check clear data ...", "** Data not clear !**", Timeout("answer to the blank check"),
          stamp}, {'x', 'O'}, "answer to the blank check", "The chip is erased."},
        {"ReadyForThePage", true, 5 + 2 * 299, "Write ...",
         {"Write ...", "** HOST/M88 Protocol ERROR **", Timeout("ready for block 300 of 512"),
          stamp}, {}, "ready for block 300 of 512",
         "The chip is partly written (blocks 1 to 299 of 512)."},
        {"StatusOfThePage", true, 6, "Write ...",
         {"Write ...", "** ERROR write or ERROR timeout **", Timeout("status of block 1 of 512"),
          stamp}, {0x07}, "status of block 1 of 512", "The chip is erased."},
        {"EndOfTheWrite", true, 1029, "Write ...",
         {"Write ...", "** ERROR write or ERROR timeout **",
          Timeout("answer to the end of the write"), stamp}, {0x07},
         "answer to the end of the write", notWritten},
        {"FirstVerifyBlock", true, 1030, "Verify ...",
         {"Verify ...", "Принято не 512 байт  0", corrupted, Timeout("verify block 1 of 256"),
          stamp}, {'r', '-', 'O'}, "verify block 1 of 256", notWritten},
        {"EndOfTheVerify", true, 1286, "Verify ...",
         {"Verify ...", corrupted, Timeout("end of the verify"), stamp}, {'-', 'O'},
         "end of the verify", notWritten},
        {"SignalAfterTheVerify", true, 1287, "Verify ...",
         {"Verify ...", "Nuvoton chip is programmed succesfully!",
          Timeout("answer to the success signal"), stamp}, {'-', 'I'},
         "answer to the success signal", "The chip is written and verified."},
    };
    // clang-format on
    return cases;
}

class NpceSilence : public NpceTest, public ::testing::WithParamInterface<SilentCase> {};
} // namespace

TEST_P(NpceSilence, EndsAtItsBoundWithALineNamingTheStep) {
    const SilentCase& c = GetParam();
    Start("pcb2-npce", R"({"faults": [{"type": "silence", "afterReplies": )" +
                           std::to_string(c.silentFromReply) + "}]}");
    ShortBounds();
    const std::string file = dir.File(c.write ? "in.bin" : "out.bin");
    if (c.write) {
        WriteFileBytes(file, NpcePattern(131072));
        Write(file);
    } else {
        Read(file);
    }
    std::vector<std::string> lines = c.lines;
    if (!c.chipLine.empty())
        lines.push_back(c.chipLine + " No backup was taken.");
    if (c.keptBytes != 0)
        lines.push_back(KeptLine(c.keptBytes, file));
    EXPECT_EQ(LinesFrom(c.from), lines);
    EXPECT_EQ(engine->Run().ChipState(), c.chipLine.empty() ? "" : lines.back());
    if (!c.hostTail.empty()) {
        EXPECT_EQ(HostTail(c.hostTail.size()), c.hostTail);
    }
    EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
    EXPECT_EQ(engine->Run().FailedStep(), c.failedStep);
    // A read that failed before its end answer never puts its file in place.
    if (!c.write && c.failedStep != "answer to the success signal") {
        EXPECT_FALSE(std::filesystem::exists(file));
    }
}

INSTANTIATE_TEST_SUITE_P(EachWait, NpceSilence, ::testing::ValuesIn(SilentCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(NpceTest, FailedEraseLeavesTheFlashAsItWas) {
    Start("pcb3", R"({"chips": {"npce-spi": {"eraseFails": true}}})");
    WriteFileBytes(dir.File("in.bin"), NpcePattern(131072));
    Write(dir.File("in.bin"));
    EXPECT_EQ(LinesFrom("Erase ..."),
              (std::vector<std::string>{
                  "Erase ...", "** Lost contact with the chip or ERROR timeout **", kNpceStamp,
                  "The chip may be partly erased. No backup was taken."}));
    EXPECT_EQ(HostTail(3), (std::vector<std::uint8_t>{'N', 'e', 'O'}));
    EXPECT_EQ(Chip().Flash(), SimNpceSpi::DefaultImage());
    EXPECT_EQ(engine->Run().FailedStep(), "erase");
    EXPECT_EQ(port.GaugeColour(), (Rgb{255, 0, 0}));
    ExpectIdle();
}

TEST_F(NpceTest, BlankCheckThatFindsDataStopsBeforeProgramming) {
    Start("pcb2-npce", R"({"chips": {"npce-spi": {"notBlankAt": 70000}}})");
    WriteFileBytes(dir.File("in.bin"), NpcePattern(131072));
    Write(dir.File("in.bin"));
    EXPECT_EQ(LinesFrom("Check clear data ..."),
              (std::vector<std::string>{"Check clear data ...", "** Data not clear !**", kNpceStamp,
                                        "The chip may be partly erased. No backup was taken."}));
    EXPECT_EQ(HostTail(2), (std::vector<std::uint8_t>{'x', 'O'}));
    EXPECT_EQ(Chip().Erases(), 1);
    EXPECT_EQ(engine->Run().FailedStep(), "blank check");
    EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
    ExpectIdle();
}

TEST_F(NpceTest, PageThatIsNotProgrammedEndsTheWriteStream) {
    Start("pcb2-npce", R"({"chips": {"npce-spi": {"failBlock": 5}}})");
    const std::string image = NpcePattern(131072);
    WriteFileBytes(dir.File("in.bin"), image);
    Write(dir.File("in.bin"));
    EXPECT_EQ(LinesFrom("Write ..."),
              (std::vector<std::string>{
                  "Write ...", "** ERROR write or ERROR timeout **", kNpceStamp,
                  "The chip is partly written (blocks 1 to 4 of 512). No backup was taken."}));
    // The fifth page, then 07h ends the stream; no result signal follows.
    std::vector<std::uint8_t> tail(image.begin() + 4 * 256, image.begin() + 5 * 256);
    tail.push_back(0x07);
    EXPECT_EQ(HostTail(tail.size()), tail);
    EXPECT_EQ(port.Gauge(), 5);
    EXPECT_EQ(engine->Run().FailedStep(), "block 5 of 512");
    EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
    ExpectIdle();
}

TEST_F(NpceTest, JigThatIsNotReadyForAPageIsAProtocolError) {
    // Reply bytes: 13 of 'B', 4 of the ID, 1 for 'I', 2 and 2 for the erase and the blank check:
    // the first '*' is byte 22.
    Start("pcb2-npce", R"({"faults": [{"type": "corrupt", "replyByte": 22, "xor": 1}]})");
    WriteFileBytes(dir.File("in.bin"), NpcePattern(131072));
    Write(dir.File("in.bin"));
    EXPECT_EQ(LinesFrom("Write ..."),
              (std::vector<std::string>{"Write ...", "** HOST/M88 Protocol ERROR **", kNpceStamp,
                                        "The chip is erased. No backup was taken."}));
    EXPECT_EQ(HostBytes().back(), 'w');
    EXPECT_EQ(engine->Run().FailedStep(), "ready for block 1 of 512");
    ExpectIdle();
}

TEST_F(NpceTest, DeviceThatVanishesMidStreamEndsEitherOperation) {
    // The device goes with the reply that triggers it: read block 57, the JIG ready for page 28.
    Start("pcb3", R"({"faults": [{"type": "vanish", "afterReplies": 60}]})");
    const std::string out = dir.File("out.bin");
    Read(out);
    EXPECT_EQ(LinesFrom("ERROR timeout. Corrupted data !? "),
              (std::vector<std::string>{"ERROR timeout. Corrupted data !? ",
                                        "The JIG was lost (block 57 of 256)", kNpceStamp,
                                        KeptLine(56 * 512, out)}));
    EXPECT_EQ(ReadFileText(out + ".partial").size(), 56u * 512u);
    EXPECT_EQ(engine->Run().Result(), Outcome::Failed);

    Start("pcb3", R"({"faults": [{"type": "vanish", "afterReplies": 60}]})");
    WriteFileBytes(dir.File("in.bin"), NpcePattern(131072));
    Write(dir.File("in.bin"));
    EXPECT_EQ(LinesFrom("** HOST/M88 Protocol ERROR **"),
              (std::vector<std::string>{
                  "** HOST/M88 Protocol ERROR **", "The JIG was lost (ready for block 28 of 512)",
                  kNpceStamp,
                  "The chip is partly written (blocks 1 to 27 of 512). No backup was taken."}));
    EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
}
