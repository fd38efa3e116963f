// READ, and WRITE with its erase, on both boards and both cable orientations: the files, the
// log, the batches on the wire and the end of every operation.
#include "JtagRig.h"
#include "modes/Nuvoton_jtag_form/JtagFrames.h"
#include "support/RawLink.h"
#include "support/Refusal.h"
#include "support/Surprises.h"

namespace {
std::vector<std::uint8_t> Tail(const std::vector<std::uint8_t>& v, std::size_t n) {
    return {v.end() - static_cast<std::ptrdiff_t>(n), v.end()};
}

struct Setup {
    const char* board;
    const char* json;
    bool pin1ToPin1;
    std::size_t imageSize; // a shorter file is written with FFh after it
};
} // namespace

class JtagRoundTrip : public JtagTest, public ::testing::WithParamInterface<Setup> {};

// A write and the read back: the file, the log, and the batches on the wire, each block with
// its checksum, each sector erase with its status poll.
TEST_P(JtagRoundTrip, WriteThenReadGivesTheFileBack) {
    const std::size_t size = GetParam().imageSize;
    Start(GetParam().board, GetParam().json);
    const std::string image = JtagPattern(size);
    std::vector<std::uint8_t> expected = Bytes(image);
    expected.resize(131072, 0xFF);
    WriteFileBytes(dir.File("in.bin"), image);
    Prepare(GetParam().pin1ToPin1);
    Write(dir.File("in.bin"));
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded);
    EXPECT_EQ(Chip().Flash(), expected);
    EXPECT_EQ(engine->Run().FileBytes(), size);
    std::vector<std::string> lines{"Write from file: " + dir.File("in.bin"),
                                   "Erase blocks... " + kJtagStamp,
                                   "Erase complete! " + kJtagStamp + "    status=00h",
                                   "Write bytes ... ", "Write complete! " + kJtagStamp};
    if (size < 131072)
        lines.insert(lines.begin() + 1, "The file holds " + std::to_string(size) +
                                            " bytes: the rest of the flash is written with FFh.");
    EXPECT_EQ(LinesFrom(lines[0]), lines);
    EXPECT_EQ(port.Messages().back(), NuvJtag::kDonePowerBox);
    const auto host = sim->Jig().BytesToJig();
    EXPECT_EQ(Tail(host, 5), (std::vector<std::uint8_t>{'I', 'S', 'R', 'J', 'S'}));
    EXPECT_EQ(port.Gauge(), 512);
    EXPECT_EQ(port.GaugeColour(), (Rgb{255, 0, 0}));
    ExpectReset();

    const auto commits = Batches(host, 0x22);
    ASSERT_EQ(commits.size(), 512u);
    for (int k = 0; k < 512; ++k) {
        const std::uint8_t crc = NuvJtag::Crc8Maxim(std::span(expected).subspan(256 * k, 256));
        ASSERT_EQ(EntryValue(commits[k], 3), 0x10000u + crc) << k;
        if (size == 1000 && k >= 4) {
            ASSERT_EQ(crc, 0xB4) << k;
        }
    }
    EXPECT_EQ(EntryValue(commits[300], 4), 0x2C0000FFu);
    EXPECT_EQ(EntryValue(commits[300], 5), 0x00000001u);
    EXPECT_EQ(EntryValue(commits[301], 4), 0x2D0000FFu);
    EXPECT_EQ(EntryValue(commits[301], 5), 0x01000001u);
    // the set-up before the erase and after it, then one data batch per block
    const auto checked = Batches(host, 0xFF);
    ASSERT_EQ(checked.size(), 514u);
    EXPECT_EQ(checked[0], checked[1]);
    EXPECT_EQ(checked[0].size(), 40u);
    EXPECT_EQ(EntryValue(checked[2 + 300], 0), 0x10800u);
    EXPECT_EQ(EntryValue(checked[2 + 301], 0), 0x10900u);

    // After each sector's erase batch, as single shifts: the read-back of FF001E, then the
    // status poll (05 to FF0016, 81 to FF001E, read FF001E, read FF001A) until the flash is
    // ready, which here is at its second round.
    using Frame = std::vector<std::uint8_t>;
    std::vector<Frame> singles;
    const std::uint32_t readBack[][2] = {{0x0B, 0xFF001E}, {0x09, 1}, {0x0C, 1}};
    const std::uint32_t poll[][2] = {
        {0x0B, 0xFF0016}, {0x0D, 0x05}, {0x09, 3}, {0x0B, 0xFF001E}, {0x0D, 0x81}, {0x09, 3},
        {0x0B, 0xFF001E}, {0x09, 1},    {0x0C, 1}, {0x0B, 0xFF001A}, {0x09, 1},    {0x0C, 1}};
    auto add = [&](const auto& pairs) {
        for (const auto& [code, v] : pairs) {
            singles.push_back({'J', 'd', static_cast<std::uint8_t>(code)});
            singles.push_back(
                {'J', 'D', static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                 static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)});
        }
    };
    add(readBack), add(poll), add(poll);
    const auto frames = HostFrames(host);
    int sectors = 0;
    for (auto f = frames.begin(); f != frames.end(); ++f) {
        if (f->size() != 125 || (*f)[4] != 0xFE)
            continue;
        ++sectors;
        ASSERT_GT(frames.end() - f, static_cast<std::ptrdiff_t>(singles.size()));
        EXPECT_EQ(std::vector<Frame>(f + 1, f + 1 + static_cast<std::ptrdiff_t>(singles.size())),
                  singles)
            << "sector " << sectors;
        const Frame& next = f[1 + static_cast<std::ptrdiff_t>(singles.size())];
        EXPECT_TRUE(next.size() > 4 && next[0] == 'J' && next[1] == 'W') << "sector " << sectors;
    }
    EXPECT_EQ(sectors, 32);

    // A read needs the steps again
    engine->ReadClick(); // READ is disabled: no dialog
    EXPECT_EQ(port.Dialogs().size(), 1u);
    Prepare(GetParam().pin1ToPin1);
    Read(dir.File("out.bin"));
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded);
    EXPECT_TRUE(FileBytes(dir.File("out.bin")) == expected);
    EXPECT_EQ(LinesFrom("Data from NUVOTON save to file: " + dir.File("out.bin")),
              (std::vector<std::string>{"Data from NUVOTON save to file: " + dir.File("out.bin"),
                                        "Reading ...       " + kJtagStamp,
                                        "Reading complete. " + kJtagStamp}));
    EXPECT_EQ(port.GaugeColour(), (Rgb{0, 255, 0}));
    EXPECT_EQ(engine->Run().FileBytes(), 131072u);
    EXPECT_EQ(view.TimersArmed(), 2);
    ExpectReset();
    const auto dialogs = port.Dialogs();
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[0].filter, "BIN file NPCE (*.bin)|*.bin|other|*.*");
    EXPECT_EQ(dialogs[1].filter, "BIN file NPCE (*.bin)|*.bin");
    EXPECT_EQ(dialogs[1].defaultExtension, ".bin");
    EXPECT_TRUE(dialogs[1].confirmOverwrite);
}

INSTANTIATE_TEST_SUITE_P(Boards, JtagRoundTrip,
                         ::testing::Values(Setup{"pcb3", "{}", true, 1000},
                                           Setup{"pcb3",
                                                 R"({"chips": {"npceJtag": {"reversed": true}}})",
                                                 false, 131072},
                                           Setup{"pcb2-npce", "{}", true, 131072}));

TEST_F(JtagTest, ACommitThatFailsEndsTheWrite) {
    WriteFileBytes(dir.File("chip.bin"), JtagPattern(131072, 7));
    Start("pcb3", R"({"chips": {"npceJtag": {"file": ")" + dir.File("chip.bin") +
                      R"(", "commitStatus": {"block": 7, "status": 35}}}})");
    WriteFileBytes(dir.File("in.bin"), JtagPattern(131072));
    Prepare();
    Write(dir.File("in.bin"));
    const std::string state =
        "The chip is partly written (blocks 1 to 7 of 512). No backup was taken.";
    EXPECT_EQ(LinesFrom("Write bytes ... "),
              (std::vector<std::string>{"Write bytes ... ", "FAULT B_gr  !=22h  23h", state}));
    EXPECT_EQ(engine->Run().ChipState(), state);
    const auto messages = port.Messages();
    EXPECT_EQ(std::vector<std::string>(messages.end() - 2, messages.end()),
              (std::vector<std::string>{state, NuvJtag::kErrorBox}));
    const auto flash = Chip().Flash();
    // The chip's file holds what the chip does, while the simulated JIG still runs.
    EXPECT_TRUE(ReadFileText(dir.File("chip.bin")) == std::string(flash.begin(), flash.end()));
    const std::string written = JtagPattern(131072).substr(0, 7 * 256);
    EXPECT_TRUE(std::string(flash.begin(), flash.begin() + 7 * 256) == written);
    EXPECT_TRUE(
        std::all_of(flash.begin() + 8 * 256, flash.end(), [](auto b) { return b == 0xFF; }));
    EXPECT_EQ(Tail(sim->Jig().BytesToJig(), 5),
              (std::vector<std::uint8_t>{'O', 'S', 'R', 'J', 'S'}));
    EXPECT_EQ(port.Gauge(), 7);
    EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
    EXPECT_EQ(Batches(sim->Jig().BytesToJig(), 0x22).size(), 8u);
    ExpectReset();
}

TEST_F(JtagTest, WithoutItsHelperTheControllerIsNeverErased) {
    // A script that leaves the controller halted: the helper never runs
    WriteFileBytes(dir.File("halt.vss"), "i 0C\r\nd 0B = 00FFFF00\r\nd 0D = 00000001\r\n"
                                         "d 09 = 00000003\r\n");
    const std::string chip = JtagPattern(static_cast<std::size_t>(NuvJtag::kFlashSize));
    WriteFileBytes(dir.File("chip.bin"), chip);
    Start("pcb2-npce", R"({"chips": {"npceJtag": {"file": ")" + dir.File("chip.bin") + R"("}}})");
    engine->SetScriptPath(dir.File("halt.vss"));
    WriteFileBytes(dir.File("in.bin"), JtagPattern(4096));
    Prepare();
    Write(dir.File("in.bin"));
    EXPECT_EQ(LinesFrom("FAULT first !=22  00h"),
              (std::vector<std::string>{"FAULT first !=22  00h",
                                        "The controller's helper does not answer: the script did "
                                        "not prepare it. Nothing was erased.",
                                        "The chip is unchanged. No backup was taken."}));
    EXPECT_EQ(Batches(sim->Jig().BytesToJig(), 0xFE).size(), 0u); // no sector erase
    EXPECT_TRUE(ReadFileText(dir.File("chip.bin")) == chip);
    EXPECT_TRUE(
        std::equal(chip.begin(), chip.end(), Chip().Flash().begin(),
                   [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; }));
    EXPECT_EQ(port.Messages().back(), NuvJtag::kErrorBox);
    ExpectReset();
}

TEST_F(JtagTest, CancelledDialogsAndFilesThatCannotBeUsed) {
    Start("pcb3");
    Prepare();
    port.QueueFileAnswer(std::nullopt);
    engine->ReadClick();
    EXPECT_EQ(LinesFrom("Write to file is interrupted. All stop."),
              (std::vector<std::string>{"Write to file is interrupted. All stop.", ""}));
    port.QueueFileAnswer(std::nullopt);
    engine->WriteClick();
    EXPECT_EQ(LinesFrom("Read to file is interrupted. All stop."),
              (std::vector<std::string>{"Read to file is interrupted. All stop.", ""}));

    // Images refused before anything else: no backup read, no erase, no write. One that is read
    // and refused and one that cannot be had: the other reasons are LoadImageToWrite's.
    engine->Run().SetSafety({.active = true, .backup = true});
    const std::vector<std::uint8_t> before = Chip().Flash();
    const std::size_t sent = sim->Jig().BytesToJig().size();
    WriteFileBytes(dir.File("big.bin"), JtagPattern(131073));
    const std::pair<std::string, std::string> refused[] = {
        {dir.File("big.bin"), "larger than the 131072 bytes the chip takes"},
        {dir.Path(), "a folder, not a file"},
    };
    for (const auto& [file, reason] : refused) {
        port.QueueFileAnswer(file);
        engine->WriteClick();
        EXPECT_TRUE(port.HasLine(file + ": " + reason)) << file;
        EXPECT_EQ(port.Messages().back(), "Error open file!") << file;
        EXPECT_EQ(engine->Run().Result(), RefusalFor(reason)) << file;
    }
    const auto host = sim->Jig().BytesToJig();
    for (const auto& f : HostFrames({host.begin() + static_cast<std::ptrdiff_t>(sent), host.end()}))
        ASSERT_FALSE(f.size() >= 2 && f[0] == 'J' && (f[1] == 'W' || f[1] == 'R'));
    EXPECT_EQ(Chip().Flash(), before);

    // Files a read cannot create: refused before the first block read
    for (const auto& [file, reason] :
         {std::pair{dir.File("no folder/out.bin"), "No such file or directory"},
          std::pair{std::string("/dev/full"), "not a regular file"}}) {
        port.QueueFileAnswer(file);
        engine->ReadClick();
        engine->WaitForOperation();
        EXPECT_EQ(engine->Run().Result(), Outcome::NoFile);
        EXPECT_EQ(port.Messages().back(), "Error create file!");
        EXPECT_TRUE(port.HasLine(file + ": " + reason));
    }
    const auto all = sim->Jig().BytesToJig();
    for (const auto& f : HostFrames({all.begin() + static_cast<std::ptrdiff_t>(sent), all.end()}))
        ASSERT_NE(f, (std::vector<std::uint8_t>{'J', 'R'}));
    // Nothing started: the link is closed and READ and WRITE are still there to use
    EXPECT_EQ(engine->Run().State(), "NONE");
    EXPECT_FALSE(engine->LinkOpen());
    EXPECT_EQ(view.TimersArmed(), 0);
    EXPECT_TRUE(port.Enabled("BitBtn_NUV_JTAG_RD"));
    Read(dir.File("out.bin"));
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded);
    EXPECT_TRUE(ReadFileText(dir.File("out.bin")) == std::string(before.begin(), before.end()));
}

// The controller's helper serves one pass, as the window's steps have it (settings, check and
// script before each operation): a read stream past the flash's end, a write after a read and a
// read after a write's set-up are refused until the script runs it again.
TEST_F(JtagTest, TheHelperServesOnePass) {
    const auto setUp = NuvJtag::BatchFrame(NuvJtag::kModeChecked, NuvJtag::WriteSetupEntries());
    const std::string setUpText(setUp.begin(), setUp.end());
    const struct {
        const char* name;
        std::string before; // sent first, answered 22h
        int blocks;         // block reads then
        std::string then;
        std::string answer;
    } cases[] = {
        {"a 513th block", "", 512, "JR", "<timed out>"},
        {"a write after a whole read", "", 512, setUpText, "\x2D"},
        {"a write after a part of a read", "", 3, setUpText, "\x2D"},
        {"a read after the write's set-up", setUpText, 0, "JR", "<timed out>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Start("pcb3");
        Prepare();
        ASSERT_TRUE(Chip().Prepared());
        auto link = OpenRawLink(sim);
        if (!c.before.empty()) {
            EXPECT_EQ(Ask(*link, c.before, 1), "\x22");
        }
        const auto flash = Chip().Flash();
        for (int block = 0; block < c.blocks; ++block)
            ASSERT_TRUE(Ask(*link, "JR", 256) ==
                        std::string(flash.begin() + 256 * block, flash.begin() + 256 * (block + 1)))
                << block;
        EXPECT_EQ(Ask(*link, c.then, c.answer.size() == 1 ? 1 : 256, Millis(200)), c.answer);
        const auto surprises = TakeSurprises();
        if (c.then == "JR") {
            ASSERT_EQ(surprises.size(), 1u);
            EXPECT_EQ(surprises[0].bytes, (std::vector<std::uint8_t>{'J', 'R'}));
        } else {
            EXPECT_TRUE(surprises.empty());
        }
        link.reset();
        Prepare(); // the script again: a new pass
        Read(dir.File("again.bin"));
        EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded);
        EXPECT_TRUE(ReadFileText(dir.File("again.bin")) == std::string(flash.begin(), flash.end()));
    }
}
