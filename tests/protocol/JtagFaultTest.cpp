// A JIG that falls silent at each of its waits, a flash that never ends its erase, and a JIG
// that vanishes: each ends within its bound, with a line naming the step, the failure signal,
// the link and the file closed and the window back at its start (for the silent JIG the fault
// matrix checks the end state, at these same waits).
#include "JtagRig.h"
#include "port/UserFolders.h"
#include "safety/Journal.h"

#include <algorithm>
#include <regex>

namespace {
using Frame = std::vector<std::uint8_t>;

struct Cut {
    const char* name;
    bool write;       // the operation after the check: write, else read
    Frame at;         // how the first frame whose reply never comes begins
    int skip;         // frames of this kind to let through first
    const char* line; // the line that names the step
};

const Cut kCuts[] = {
    {"identifier",
     false,
     {'J', 'D', 0xFF, 0xFF, 0xFF, 0xFF},
     0,
     "Timeout: no answer from the JIG (the JTAG identifier)"},
    {"script", false, {'J', 'T'}, 0, "Timeout: no answer from the JIG (script line 22, JT)"},
    {"read", false, {'J', 'R'}, 40, "Timeout: no answer from the JIG (block 41 of 512)"},
    {"erase",
     true,
     {'J', 'W', 125, 0, 0xFE},
     2,
     "Timeout: no answer from the JIG (erase of sector 3 of 32)"},
    {"poll",
     true,
     {'J', 'D', 0x05, 0x00, 0x00, 0x00},
     5,
     "Timeout: no answer from the JIG (status of the erase of sector 3 of 32)"},
    {"probe",
     true,
     {'J', 'W', 40, 0},
     0,
     "Timeout: no answer from the JIG (the write set-up, before the erase)"},
    {"setup", true, {'J', 'W', 40, 0}, 1, "Timeout: no answer from the JIG (the write set-up)"},
    {"data",
     true,
     {'J', 'W', 0x4F, 0x01},
     100,
     "Timeout: no answer from the JIG (data of block 101 of 512)"},
    {"commit",
     true,
     {'J', 'W', 35, 0},
     511,
     "Timeout: no answer from the JIG (commit of block 512 of 512)"},
    {"signal", false, {'I'}, 0, "Timeout: no answer from the JIG (answer to BUZ_OK)"},
};
} // namespace

class JtagSilence : public JtagTest, public ::testing::WithParamInterface<Cut> {
  protected:
    // The number of host bytes up to and including the frame where the JIG falls silent, taken
    // from a clean run of the same steps.
    long CutAt(const std::string& file) {
        Start("pcb3");
        Prepare();
        if (GetParam().write)
            Write(file);
        else
            Read(dir.File("clean.bin"));
        long bytes = 0;
        int seen = 0;
        for (const Frame& f : HostFrames(sim->Jig().BytesToJig())) {
            bytes += static_cast<long>(f.size());
            if (f.size() >= GetParam().at.size() &&
                std::equal(GetParam().at.begin(), GetParam().at.end(), f.begin()) &&
                seen++ == GetParam().skip)
                return bytes;
        }
        return -1;
    }
};

TEST_P(JtagSilence, EndsWithinItsBoundAndResetsTheWindow) {
    WriteFileBytes(dir.File("in.bin"), JtagPattern(131072));
    const long cut = CutAt(dir.File("in.bin"));
    ASSERT_GT(cut, 0);
    const std::size_t before = port.Lines().size();
    WriteFileBytes(dir.File("out.bin"), "yesterday's dump");
    Start("pcb3",
          R"({"faults": [{"type": "silence", "afterHostBytes": )" + std::to_string(cut) + "}]}");
    engine->SetBounds({Millis(200), Millis(200), Millis(200)});
    engine->SendSettings(true);
    engine->CheckConnect();
    engine->WaitForOperation();
    if (engine->TransferEnabled()) {
        if (GetParam().write)
            Write(dir.File("in.bin"));
        else
            Read(dir.File("out.bin"));
    }
    const auto lines = port.Lines();
    const std::vector<std::string> run(lines.begin() + static_cast<std::ptrdiff_t>(before),
                                       lines.end());
    const std::string name = GetParam().name;
    EXPECT_TRUE(std::find(run.begin(), run.end(), GetParam().line) != run.end())
        << name << ": " << run.back();
    if (name == "signal") {
        // The file is whole and closed; only the JIG's acknowledgement of the end is missing
        EXPECT_TRUE(std::find(run.begin(), run.end(), "Reading complete. " + kJtagStamp) !=
                    run.end());
        EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded);
        EXPECT_EQ(port.Messages().back(), NuvJtag::kDonePowerBox);
    } else {
        EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
        EXPECT_EQ(port.Messages().back(), name == "identifier" ? NuvJtag::kReasonsBox
                                          : name == "script"   ? NuvJtag::kScriptErrorBox
                                          : GetParam().write   ? NuvJtag::kErrorBox
                                                               : NuvJtag::kReadErrorBox);
    }
    // A dump is put in place only by a whole read; the blocks of a cut one are NAME.partial
    const auto flash = Chip().Flash();
    const std::string chip(flash.begin(), flash.end());
    EXPECT_TRUE(ReadFileText(dir.File("out.bin")) ==
                (name == "signal" ? chip : std::string("yesterday's dump")))
        << name;
    if (name == "read") {
        EXPECT_TRUE(ReadFileText(dir.File("out.bin.partial")) == chip.substr(0, 40 * 256));
    }
    // The last signals go out but are not waited for: SPI_ON and BUZ_ER after a failed check,
    // the timer's RESET_ALTERA and SPI_ON after a failed transfer
    EXPECT_EQ(sim->Jig().BytesToJig().back(), name == "identifier" ? 'O' : 'S');
}

INSTANTIATE_TEST_SUITE_P(AtEachWait, JtagSilence, ::testing::ValuesIn(kCuts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(JtagTest, AnEraseThatNeverEndsIsGivenUp) {
    Start("pcb3", R"({"chips": {"npceJtag": {"eraseNeverEnds": 3}}})");
    NuvJtagBounds bounds;
    bounds.sectorErase = Millis(100);
    engine->SetBounds(bounds);
    WriteFileBytes(dir.File("in.bin"), JtagPattern(131072));
    Prepare();
    Write(dir.File("in.bin"));
    EXPECT_EQ(LinesFrom("Erase blocks... " + kJtagStamp),
              (std::vector<std::string>{
                  "Erase blocks... " + kJtagStamp,
                  "Timeout: the flash stays busy (status of the erase of sector 4 of 32, "
                  "status=01h)",
                  "The chip may be partly erased. No backup was taken."}));
    EXPECT_EQ(port.Gauge(), 3);
    // The JIG still answers: the failure signal is given and acknowledged
    const auto host = sim->Jig().BytesToJig();
    EXPECT_EQ(std::vector<std::uint8_t>(host.end() - 5, host.end()),
              (std::vector<std::uint8_t>{'O', 'S', 'R', 'J', 'S'}));
    EXPECT_EQ(port.Messages().back(), NuvJtag::kErrorBox);
    EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
    ExpectReset();
}

TEST_F(JtagTest, AJigThatVanishesDuringTheWrite) {
    Start("pcb2-npce", R"({"faults": [{"type": "vanish", "afterHostBytes": 40000}]})");
    WriteFileBytes(dir.File("in.bin"), JtagPattern(131072));
    Prepare();
    Write(dir.File("in.bin"));
    const auto lines = port.Lines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_TRUE(lines[lines.size() - 2].rfind("The JIG was lost (", 0) == 0) << lines.back();
    // Where the write stood when the JIG went
    EXPECT_TRUE(std::regex_match(
        lines.back(),
        std::regex(
            R"(The chip is partly written \(blocks 1 to \d+ of 512\)\. No backup was taken\.)")))
        << lines.back();
    EXPECT_EQ(port.Messages().back(), NuvJtag::kErrorBox);
    EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
    ExpectReset();
    // The window is usable again: Send settings finds no JIG and says so
    engine->SendSettings(true);
    EXPECT_EQ(engine->Run().Result(), Outcome::NoJig);
}

namespace {
struct StopPoint {
    const char* name;
    bool write;       // else a read (or only the check, for the script)
    Rgb colour;       // the gauge of the phase where STOP is pressed
    int at;           // its position then
    const char* chip; // how the chip-state line starts, for a write
};

const StopPoint kStops[] = {
    {"script", false, NuvJtag::kScriptColour, 20, nullptr},
    {"read", false, NuvJtag::kReadColour, 77, nullptr},
    {"backup", true, NuvJtag::kReadColour, 200, "The chip is unchanged. No backup was taken."},
    {"erase", true, NuvJtag::kEraseColour, 5, "The chip may be partly erased. Backup: "},
    {"write", true, NuvJtag::kWriteColour, 100,
     "The chip is partly written (blocks 1 to 100 of 512). Backup: "},
};

std::vector<std::uint8_t> Prefix(const std::vector<std::uint8_t>& v, std::size_t n) {
    return {v.begin(), v.begin() + static_cast<std::ptrdiff_t>(n)};
}
} // namespace

class JtagStop : public JtagTest, public ::testing::WithParamInterface<StopPoint> {};

TEST_P(JtagStop, EndsAtTheNextSafePointAndTheJigTakesTheNextCommand) {
    const StopPoint& p = GetParam();
    const std::string name = p.name;
    Start("pcb3");
    engine->Run().SetSafety({.active = true, .backup = true});
    WriteFileBytes(dir.File("out.bin"), "yesterday's dump");
    const std::string image = JtagPattern(131072);
    WriteFileBytes(dir.File("in.bin"), image);
    const std::vector<std::uint8_t> before = Chip().Flash();
    port.At(p.colour, p.at, [this] { engine->Stop(); });
    Prepare();
    if (name != "script") {
        ASSERT_TRUE(engine->TransferEnabled());
        if (p.write)
            Write(dir.File("in.bin"));
        else
            Read(dir.File("out.bin"));
    }
    EXPECT_EQ(engine->Run().Result(), Outcome::Stopped) << name;
    EXPECT_TRUE(port.HasLine(kStoppedLine)) << name;
    EXPECT_EQ(LoadJournal(JournalFile()).back().result, "stopped") << name;
    // The failure signal, then the end-of-operation reset; the window is back at its start
    const auto host = sim->Jig().BytesToJig();
    EXPECT_EQ(std::vector<std::uint8_t>(host.end() - 5, host.end()),
              (std::vector<std::uint8_t>{'O', 'S', 'R', 'J', 'S'}))
        << name;
    ExpectReset();
    EXPECT_EQ(port.Messages().back(), NuvJtag::kDonePowerBox) << name;

    // NAME untouched; what arrived is NAME.partial
    EXPECT_EQ(ReadFileText(dir.File("out.bin")), "yesterday's dump") << name;
    const std::vector<std::uint8_t> flash = Chip().Flash();
    if (name == "read") {
        const std::string partial = ReadFileText(dir.File("out.bin.partial"));
        EXPECT_EQ(std::vector<std::uint8_t>(partial.begin(), partial.end()),
                  Prefix(before, 77 * 256));
    }
    // The chip-state line is true of the chip
    if (p.write) {
        const std::string state = engine->Run().ChipState();
        EXPECT_EQ(state.rfind(p.chip, 0), 0u) << state;
        EXPECT_TRUE(port.HasLine(state));
        const auto messages = port.Messages();
        EXPECT_EQ(messages[messages.size() - 2], state);
        std::vector<std::uint8_t> expected = before;
        if (name == "erase")
            std::fill_n(expected.begin(), 5 * 4096, 0xFF);
        if (name == "write") {
            std::fill(expected.begin(), expected.end(), 0xFF);
            std::copy_n(image.begin(), 100 * 256, expected.begin());
        }
        EXPECT_TRUE(flash == expected) << name;
        if (name != "backup") {
            EXPECT_TRUE(ReadFileText(engine->Run().BackupPath()) ==
                        std::string(before.begin(), before.end()));
        }
    } else {
        EXPECT_EQ(flash, before);
        EXPECT_EQ(engine->Run().ChipState(), "");
    }

    // The same JIG serves the next operation
    Prepare();
    Read(dir.File("after.bin"));
    EXPECT_EQ(engine->Run().Result(), Outcome::Succeeded) << name;
    EXPECT_TRUE(ReadFileText(dir.File("after.bin")) == std::string(flash.begin(), flash.end()));
}

INSTANTIATE_TEST_SUITE_P(AtEachPhase, JtagStop, ::testing::ValuesIn(kStops),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(JtagTest, ReadsThatDifferLeaveTheDumpAsItWas) {
    // Where the first read's replies begin, from a clean run of both reads (the check and the
    // script again between them)
    Start("pcb3");
    engine->Run().SetSafety({.active = true, .readTwice = true});
    Prepare();
    Read(dir.File("clean.bin"));
    ASSERT_EQ(engine->Run().Result(), Outcome::Succeeded);
    EXPECT_TRUE(port.HasLine(
        "The controller's helper serves one pass: checking it and playing the script again."));
    const auto replies = sim->Jig().BytesToHost();
    const auto image = Chip().Flash();
    const auto at = std::search(replies.begin(), replies.end(), image.begin(), image.end());
    ASSERT_NE(at, replies.end());
    const auto firstRead = static_cast<std::size_t>(at - replies.begin());

    // One byte of block 11 comes wrong in the first read only
    Start("pcb3", R"({"faults": [{"type": "corrupt", "replyByte": )" +
                      std::to_string(firstRead + 10 * 256 + 5) + "}]}");
    engine->Run().SetSafety({.active = true, .readTwice = true});
    WriteFileBytes(dir.File("out.bin"), "yesterday's dump");
    Prepare();
    Read(dir.File("out.bin"));
    EXPECT_EQ(engine->Run().Result(), Outcome::Failed);
    EXPECT_EQ(ReadFileText(dir.File("out.bin")), "yesterday's dump");
    const auto flash = Chip().Flash();
    std::string first(flash.begin(), flash.end());
    first[10 * 256 + 5] ^= 0x01;
    EXPECT_TRUE(ReadFileText(dir.File("out.bin.partial")) == first);
    EXPECT_TRUE(port.HasLine("The 131072 bytes received are kept in " +
                             dir.File("out.bin.partial") + "; " + dir.File("out.bin") +
                             " is unchanged."));
    EXPECT_EQ(port.Messages().back(), NuvJtag::kReadErrorBox);
    ExpectReset();
}
