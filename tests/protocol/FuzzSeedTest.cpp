// The fuzzed JIG replays a run of the simulated JIG: each mode's operations, recorded write by
// write, succeed again on the fuzzed JIG with the same bytes from the host. The recordings are
// the fuzzers' seeds: TOLVANE_FUZZ_SEEDS=DIR writes them to DIR/<mode>-reply/.
#include "sim/Scenario.h"
#include "support/FuzzJig.h"
#include "support/FuzzModes.h"
#include "support/FuzzSeeds.h"
#include "support/SimFixture.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {
int BoardIndex(const std::string& board) {
    const auto& presets = BoardPresets();
    for (std::size_t i = 0; i < presets.size(); ++i)
        if (board == presets[i].name)
            return static_cast<int>(i);
    return -1;
}

void WriteSeed(const std::string& mode, const std::string& name,
               const std::vector<std::uint8_t>& seed) {
    const char* dir = std::getenv("TOLVANE_FUZZ_SEEDS");
    if (!dir)
        return;
    const std::filesystem::path folder = std::filesystem::path(dir) / (mode + "-reply");
    std::filesystem::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(seed.data()), static_cast<long>(seed.size()));
}

struct SeedCase {
    const char* mode;
    const char* board;
};

class FuzzSeedTest : public ::testing::TestWithParam<SeedCase> {};

// Blank chips: their blocks make short seeds.
std::string BlankChips(const TempDir& dir) {
    const std::string flash = dir.File("flash.bin");
    const std::string eeprom = dir.File("eeprom.bin");
    WriteFileBytes(flash, std::string(131072, '\xFF'));
    WriteFileBytes(eeprom, std::string(256, '\xFF'));
    std::string chips;
    for (const char* chip : {"ene", "ite", "npce-spi", "npceJtag"})
        chips += std::string(chips.empty() ? "" : ", ") + "\"" + chip + "\": {\"file\": \"" +
                 flash + "\"}";
    const std::string mec = dir.File("mec.bin");
    WriteFileBytes(mec, std::string(196608 + 2048, '\xFF'));
    return "{\"chips\": {" + chips + ", \"mec\": {\"file\": \"" + mec +
           "\"}, \"edid\": {\"file\": \"" + eeprom + "\"}}}";
}

TEST_P(FuzzSeedTest, RecordedRunSucceedsAgainOnTheFuzzedJig) {
    const SeedCase& c = GetParam();
    const FuzzMode& mode = FindFuzzMode(c.mode);
    for (const auto& [selector, operation] : mode.seeds) {
        if (std::string(operation) == "ffc" && std::string(c.board) != "pcb3")
            continue; // the cable routing is a PCB3 thing
        SCOPED_TRACE(std::string(c.mode) + " " + operation + " on " + c.board);
        TempDir dir;
        auto sim = MakeSim(c.board, BlankChips(dir));
        auto recording = std::make_shared<RecordingFtdiApi>(sim);
        const ModeRunResult simulated = RunFuzzMode(mode, selector, recording);
        EXPECT_TRUE(simulated.succeeded);
        EXPECT_TRUE(simulated.broken.empty());

        std::vector<std::uint8_t> seed{selector};
        const auto replies = EncodeFuzzReplies(BoardIndex(c.board), recording->Exchanges());
        seed.insert(seed.end(), replies.begin(), replies.end());
        auto fuzzed = std::make_shared<FuzzFtdiApi>(seed.data() + 1, seed.size() - 1);
        const ModeRunResult replayed = RunFuzzMode(mode, selector, fuzzed);
        EXPECT_TRUE(replayed.succeeded);
        EXPECT_TRUE(replayed.broken.empty());
        EXPECT_EQ(fuzzed->Jig().HostBytes(), sim->Jig().BytesToJig());
        WriteSeed(c.mode, std::string(operation) + "-" + c.board, seed);
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, FuzzSeedTest,
                         ::testing::Values(SeedCase{"ene", "pcb3"}, SeedCase{"ene", "pcb2-v41"},
                                           SeedCase{"mec", "pcb3"}, SeedCase{"mec", "pcb2-v42"},
                                           SeedCase{"ite", "pcb3"}, SeedCase{"ite", "pcb2-ite"},
                                           SeedCase{"npce", "pcb3"}, SeedCase{"npce", "pcb2-npce"},
                                           SeedCase{"jtag", "pcb3"}, SeedCase{"jtag", "pcb2-npce"},
                                           SeedCase{"edid", "pcb3"}, SeedCase{"edid", "pcb2-v41"}),
                         [](const auto& info) {
                             std::string n = std::string(info.param.mode) + "_" + info.param.board;
                             std::replace(n.begin(), n.end(), '-', '_');
                             return n;
                         });

// A JIG that runs out of answers falls silent, a late reply misses the wait that needed it,
// and one cut into pieces still arrives whole.
TEST(FuzzJigTest, DirectivesShapeTheReplies) {
    // Board byte 6 of 7: the 'B' answer is a directive too.
    const std::vector<std::uint8_t> input{6,        2,   'o', 'k', 0x80 | 3, 'a',  'b', 'c', 0,
                                          0xE0 | 1, 'z', 25,  3,   0,        0x55, 1,   '!'};
    FuzzJig jig(input.data(), input.size());
    std::uint8_t buf[16];
    jig.HostWrite(reinterpret_cast<const std::uint8_t*>("B"), 1);
    EXPECT_EQ(jig.WaitReceived(2), WaitOutcome::Ready);
    EXPECT_EQ(jig.HostRead(buf, 16), 2u);
    jig.HostWrite(buf, 1); // in pieces of 0 % 8 + 1 byte
    EXPECT_EQ(jig.WaitReceived(3), WaitOutcome::Ready);
    EXPECT_EQ(jig.HostRead(buf, 16), 3u);
    EXPECT_EQ(std::string(buf, buf + 3), "abc");
    jig.HostWrite(buf, 1); // late
    EXPECT_EQ(jig.WaitReceived(1), WaitOutcome::TimedOut);
    EXPECT_EQ(jig.WaitReceived(1), WaitOutcome::Ready);
    EXPECT_EQ(jig.HostRead(buf, 16), 1u);
    jig.HostWrite(buf, 1); // four 0x55, then "!"
    EXPECT_EQ(jig.HostRead(buf, 16), 5u);
    EXPECT_EQ(std::string(buf, buf + 5), "UUUU!");
    jig.HostWrite(buf, 1); // nothing left: silent
    EXPECT_EQ(jig.WaitReceived(1), WaitOutcome::TimedOut);
}
} // namespace

// What the fuzzers found, kept in tests/fuzz/regressions/<harness>/: each input runs clean now.
TEST(FuzzRegressions, EveryFoundInputHoldsItsProperties) {
    namespace fs = std::filesystem;
    const fs::path root = fs::path(TOLVANE_SOURCE_DIR) / "tests/fuzz/regressions";
    int inputs = 0;
    for (const auto& dir : fs::directory_iterator(root)) {
        const std::string harness = dir.path().filename().string();
        const std::string mode = harness.substr(0, harness.find("-reply"));
        for (const auto& file : fs::directory_iterator(dir.path())) {
            SCOPED_TRACE(file.path().string());
            std::ifstream in(file.path(), std::ios::binary);
            const std::vector<std::uint8_t> input((std::istreambuf_iterator<char>(in)),
                                                  std::istreambuf_iterator<char>());
            ASSERT_GE(input.size(), 2u);
            auto fuzzed = std::make_shared<FuzzFtdiApi>(input.data() + 1, input.size() - 1);
            const ModeRunResult r = RunFuzzMode(FindFuzzMode(mode), input[0], fuzzed);
            std::string broken;
            for (const std::string& b : r.broken)
                broken += b + "; ";
            for (const std::string& l : r.lines)
                broken += "\n  | " + l;
            EXPECT_TRUE(r.broken.empty()) << broken;
            ++inputs;
        }
    }
    EXPECT_GT(inputs, 0);
}
