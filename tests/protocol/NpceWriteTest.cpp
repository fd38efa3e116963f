// WRITE on both boards: erase, blank check, the page stream and the read-back verify, compared
// with the simulated JIG's transcript; short and long files; a flash that does not keep what
// was written.
#include "NpceRig.h"

namespace {
struct Segment {
    bool toJig;
    std::vector<std::uint8_t> bytes;
    bool operator==(const Segment&) const = default;
};

// The transcript as alternating runs: what the host sent, what the JIG answered.
std::vector<Segment> Segments(const std::vector<TranscriptEntry>& transcript) {
    std::vector<Segment> out;
    for (const TranscriptEntry& e : transcript) {
        if (out.empty() || out.back().toJig != e.toJig)
            out.push_back({e.toJig, {}});
        out.back().bytes.push_back(e.byte);
    }
    return out;
}

std::vector<std::uint8_t> Slice(const std::string& image, std::size_t at, std::size_t n) {
    return {image.begin() + static_cast<std::ptrdiff_t>(at),
            image.begin() + static_cast<std::ptrdiff_t>(at + n)};
}

// The exchange of a good write after the connect, with 'N' before the ID, the erase, the blank
// check and the two stream starts on a PCB3 and nowhere else.
std::vector<Segment> ExpectedWrite(bool pcb3, const std::string& image) {
    std::vector<Segment> s;
    auto host = [&](std::vector<std::uint8_t> bytes) { s.push_back({true, std::move(bytes)}); };
    auto jig = [&](std::vector<std::uint8_t> bytes) { s.push_back({false, std::move(bytes)}); };
    auto mode = [&](std::uint8_t command) {
        return pcb3 ? std::vector<std::uint8_t>{'N', command} : std::vector<std::uint8_t>{command};
    };
    host(mode('Z'));
    jig({0xEF, 0x40, 0x12, 0x11});
    host({'I'});
    jig({'I'});
    host(mode('e'));
    jig({0x01, 0x00});
    host(mode('x'));
    jig({0x01, 0x00});
    for (std::size_t block = 0; block < 512; ++block) {
        host(block == 0 ? mode('w') : std::vector<std::uint8_t>{'w'});
        jig({'*'});
        host(Slice(image, block * 256, 256));
        jig({0x01});
    }
    host({0x07});
    jig({0x07});
    for (std::size_t block = 0; block < 256; ++block) {
        host(block == 0 ? mode('r') : std::vector<std::uint8_t>{'r'});
        jig(Slice(image, block * 512, 512));
    }
    host({'-'});
    jig({0x01, 0x00});
    host({'I'});
    jig({'I'});
    return s;
}
} // namespace

class NpceWriteBoards : public NpceTest, public ::testing::WithParamInterface<const char*> {
  protected:
    bool Pcb3() const { return std::string(GetParam()) == "pcb3"; }
};

TEST_P(NpceWriteBoards, FullImageIsErasedWrittenAndVerifiedOnTheWire) {
    Start(GetParam());
    const std::string image = NpcePattern(131072);
    const std::string in = dir.File("in.bin");
    WriteFileBytes(in, image);
    Write(in);

    EXPECT_EQ(Chip().Flash(), AsBytes(image));
    EXPECT_EQ(Chip().Erases(), 1);
    EXPECT_EQ(engine->Outcome(), NpceOutcome::Succeeded);
    ExpectIdle();
    EXPECT_EQ(port.Gauge(), 512);
    EXPECT_EQ(port.GaugeColour(), (Rgb{255, 255, 0}));
    EXPECT_EQ(LinesFrom("Write to NPCE file:"),
              (std::vector<std::string>{"Write to NPCE file:", in, kNpceStamp, "Erase ...",
                                        "Check clear data ...", "All data is clear!", "Write ...",
                                        "Verify ...", "Nuvoton chip is programmed succesfully!",
                                        kNpceStamp}));
    const auto dialogs = port.Dialogs();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].title, "Read file");
    EXPECT_EQ(dialogs[0].filter, "BIN file NPCE (*.bin)|*.bin|other|*.*");

    std::vector<Segment> wire = Segments(sim->Jig().Transcript());
    ASSERT_GE(wire.size(), 2u);
    EXPECT_EQ(wire[0], (Segment{true, {'B'}}));
    wire.erase(wire.begin(), wire.begin() + 2); // the connect: 'B' and the version text
    const std::vector<Segment> expected = ExpectedWrite(Pcb3(), image);
    ASSERT_EQ(wire.size(), expected.size());
    for (std::size_t i = 0; i < wire.size(); ++i)
        ASSERT_EQ(wire[i], expected[i]) << "exchange " << i;
}

TEST_P(NpceWriteBoards, WriteThenReadGivesTheFileBack) {
    Start(GetParam());
    const std::string image = NpcePattern(131072, 11);
    WriteFileBytes(dir.File("in.bin"), image);
    Write(dir.File("in.bin"));
    ASSERT_EQ(engine->Outcome(), NpceOutcome::Succeeded);
    Read(dir.File("back.bin"));
    EXPECT_EQ(engine->Outcome(), NpceOutcome::Succeeded);
    EXPECT_TRUE(ReadFileText(dir.File("back.bin")) == image);
}

TEST_P(NpceWriteBoards, ShortFileIsPaddedWithFFAndVerifiedAsPadded) {
    Start(GetParam());
    const std::string image = NpcePattern(1000);
    WriteFileBytes(dir.File("short.bin"), image);
    Write(dir.File("short.bin"));

    std::vector<std::uint8_t> padded = AsBytes(image);
    padded.resize(131072, 0xFF);
    EXPECT_EQ(Chip().Flash(), padded);
    EXPECT_EQ(engine->FileBytes(), 1000u);
    EXPECT_TRUE(port.HasLine("Nuvoton chip is programmed succesfully!"));
    EXPECT_EQ(engine->Outcome(), NpceOutcome::Succeeded);
    // 512 full pages went out, the fourth one 232 file bytes and 24 bytes of FFh.
    const auto sent = HostBytes();
    const std::vector<std::uint8_t> fourth(padded.begin() + 768, padded.begin() + 1024);
    EXPECT_NE(std::search(sent.begin(), sent.end(), fourth.begin(), fourth.end()), sent.end());
}

INSTANTIATE_TEST_SUITE_P(Boards, NpceWriteBoards, ::testing::Values("pcb2-npce", "pcb3"));

TEST_F(NpceTest, DifferenceInBlockThreeStopsTheVerifyThere) {
    Start("pcb2-npce", R"({"chips": {"npce-spi": {"corruptAfterWrite": {"address": 1100}}}})");
    WriteFileBytes(dir.File("in.bin"), NpcePattern(131072));
    Write(dir.File("in.bin"));
    EXPECT_EQ(LinesFrom("Verify ..."),
              (std::vector<std::string>{"Verify ...", "*** Data is written incorrectly ***",
                                        kNpceStamp}));
    // The stream start and two next-block commands, then the end of the stream.
    EXPECT_EQ(HostTail(6), (std::vector<std::uint8_t>{0x07, 'r', 'r', 'r', '-', 'O'}));
    EXPECT_EQ(port.Gauge(), 6);
    EXPECT_EQ(engine->Outcome(), NpceOutcome::Failed);
    EXPECT_EQ(engine->FailedStep(), "verify block 3 of 256");
    ExpectIdle();
}

TEST_F(NpceTest, LongFileIsCutAtTheFlashSize) {
    Start("pcb3");
    const std::string image = NpcePattern(131073);
    WriteFileBytes(dir.File("in.bin"), image);
    Write(dir.File("in.bin"));
    EXPECT_EQ(Chip().Flash(), AsBytes(image.substr(0, 131072)));
    EXPECT_EQ(engine->FileBytes(), 131072u);
    EXPECT_EQ(engine->Outcome(), NpceOutcome::Succeeded);
}

TEST_F(NpceTest, CancelledOpenDialogAndUnreadableFilesEraseNothing) {
    Start("pcb2-npce");
    port.QueueFileAnswer(std::nullopt);
    engine->WriteClick();
    EXPECT_EQ(port.Lines().back(), "Write operation is interrupted.");
    EXPECT_FALSE(engine->LinkOpen());

    Write(dir.File("missing.bin"));
    Write(dir.Path()); // a folder
    EXPECT_EQ(port.Messages(),
              (std::vector<std::string>{"Ошибка открытия файла.", "Ошибка открытия файла."}));
    EXPECT_EQ(Chip().Erases(), 0);
    EXPECT_EQ(Chip().Flash(), SimNpceSpi::DefaultImage());
    EXPECT_EQ(engine->State(), "NONE");
    EXPECT_EQ(engine->Outcome(), NpceOutcome::Failed);
    EXPECT_FALSE(engine->LinkOpen());
}
