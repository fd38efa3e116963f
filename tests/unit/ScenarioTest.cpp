// Scenario files: what they choose, and clear refusals of what they get wrong.
#include "sim/Scenario.h"
#include "sim/SimContext.h"
#include "support/SimFixture.h"

#include <gtest/gtest.h>

namespace {
bool Load(const std::string& json, const std::string& board, Scenario* s, std::string* error) {
    TempDir dir;
    WriteFileBytes(dir.File("s.json"), json);
    return LoadScenario(dir.File("s.json"), board, SimTiming::Instant, s, error);
}
} // namespace

TEST(Scenario, BoardFromFileOrCommandLineAndVersionOverride) {
    Scenario s;
    std::string error;
    ASSERT_TRUE(Load(R"({"board": "pcb2-ite", "devices": ["silent", "jig"]})", "", &s, &error));
    EXPECT_FALSE(s.pcb3);
    EXPECT_EQ(s.firmwareTag, "ITE");
    EXPECT_EQ(s.devices, (std::vector<std::string>{"silent", "jig"}));
    // The command line's board wins; the file's own version text still applies.
    ASSERT_TRUE(
        Load(R"({"board": "pcb2-ite", "version": "M328_EPM240_v14"})", "pcb3-old", &s, &error));
    EXPECT_TRUE(s.pcb3);
    EXPECT_EQ(s.versionText, "M328_EPM240_v14");
    ASSERT_TRUE(LoadScenario("", "", SimTiming::Wire, &s, &error));
    EXPECT_EQ(s.versionText, "M328_EPM240_v16");
}

TEST(Scenario, MistakesAreNamed) {
    Scenario s;
    std::string error;
    EXPECT_FALSE(Load("{not json", "", &s, &error));
    EXPECT_NE(error.find("not a JSON object"), std::string::npos);
    EXPECT_FALSE(Load(R"({"faults": [{"type": "gremlins"}]})", "", &s, &error));
    EXPECT_NE(error.find("unknown fault type \"gremlins\""), std::string::npos);
    EXPECT_FALSE(Load(R"({"devices": ["jig", "toaster"]})", "", &s, &error));
    EXPECT_NE(error.find("toaster"), std::string::npos);
    // A float where a whole number belongs was cast out of range (undefined behaviour).
    EXPECT_FALSE(Load(R"({"faults": [{"type": "delay", "ms": 2.66667e36}]})", "", &s, &error));
    EXPECT_NE(error.find("\"ms\" is a whole number"), std::string::npos) << error;
    EXPECT_FALSE(Load(R"({"ftdi": {"openFails": [1, 1e300]}})", "", &s, &error));
    EXPECT_FALSE(Load(R"({"events": [{"type": "resetButton", "atMs": 18446744073709551615}]})", "",
                      &s, &error));
    EXPECT_FALSE(Load(R"({"board": 5})", "", &s, &error));
    EXPECT_FALSE(Load(R"({"board": "pcb9"})", "", &s, &error));
    EXPECT_NE(error.find("unknown simulated board"), std::string::npos);
    EXPECT_FALSE(LoadScenario("/no/such/file.json", "", SimTiming::Wire, &s, &error));
    // Inside the chips: each mistake named by its key's path, none left to a model's default.
    const std::pair<const char*, const char*> chips[] = {
        {R"({"mecc": {}})", R"("chips.mecc" is not a chip)"},
        {R"({"mec": 1})", R"("chips.mec" is an object)"},
        {R"({"mec": {"eraseMs": -5}})", R"("chips.mec.eraseMs" is a whole number from 0)"},
        {R"({"mec": {"silentAtBlok": 3}})", R"("chips.mec.silentAtBlok" is not a key)"},
        {R"({"mec": {"fwp": "yes"}})", R"("chips.mec.fwp" is true or false)"},
        {R"({"npceJtag": {"id": 2.5}})", R"("chips.npceJtag.id" is a whole number)"},
        {R"({"npceJtag": {"commitStatus": {"block": 600}}})",
         R"("chips.npceJtag.commitStatus.block" is a whole number from -1 to 511)"},
        {R"({"npce-spi": {"id": [1, 2]}})", R"("chips.npce-spi.id" holds 4 numbers)"},
        {R"({"ite": {"wiring": {"PD0": 0}}})", R"("chips.ite.wiring.PD0" is a whole number)"},
        {R"({"ite": {"refusePin": "XX"}})", R"("chips.ite.refusePin" is one of)"},
        {R"({"ene": {"wiring": "ribbon"}})", R"("chips.ene.wiring" is "soldered" or "ffc")"},
        {R"({"ene": {"file": "no/such/folder/flash.bin"}})", "folder that does not exist"},
        {R"({"edid": {"file": "."}})", R"("chips.edid.file" is not a regular file)"},
        {R"({"keyboard": {"keys": [{"pins": [1]}]}})", R"("chips.keyboard.keys" holds keys)"},
    };
    for (const auto& [section, why] : chips) {
        EXPECT_FALSE(Load(std::string(R"({"chips": )") + section + "}", "", &s, &error)) << section;
        EXPECT_NE(error.find(why), std::string::npos) << error;
    }
    // A chip file not made yet is a new, blank chip.
    EXPECT_TRUE(Load(R"({"chips": {"ene": {"file": "new.bin", "connector": {"KSO3": 1}}}})", "", &s,
                     &error))
        << error;
}

TEST(SimMemory, LoadsFromItsFileAndSavesBackWhole) {
    TempDir dir;
    const std::string file = dir.File("flash.bin");
    {
        SimMemory fresh(file, 8, 0xFF); // no file yet: erased
        EXPECT_EQ(fresh.Data(), std::vector<std::uint8_t>(8, 0xFF));
        fresh.Data()[2] = 0x12;
        fresh.Save();
    }
    WriteFileBytes(dir.File("short.bin"), "ab");
    SimMemory again(file, 8, 0xFF);
    EXPECT_EQ(again.Data()[2], 0x12);
    SimMemory shortFile(dir.File("short.bin"), 4, 0xFF); // a short file leaves the rest erased
    EXPECT_EQ(shortFile.Data(), (std::vector<std::uint8_t>{'a', 'b', 0xFF, 0xFF}));
}

TEST(SimJig, TranscriptAndWireTimeFollowTheBytes) {
    auto sim = MakeSim("pcb3", "{}", SimTiming::Wire);
    FT_HANDLE h = nullptr;
    ASSERT_EQ(sim->FT_Open(0, &h), FT_OK);
    DWORD n = 0;
    const std::uint8_t b = 'B';
    sim->FT_Write(h, &b, 1, &n);
    std::uint8_t answer[32];
    ASSERT_EQ(sim->FT_Read(h, answer, 17, &n), FT_OK);
    EXPECT_EQ(n, 17u);
    const auto transcript = sim->Jig().Transcript();
    ASSERT_EQ(transcript.size(), 18u);
    EXPECT_TRUE(transcript.front().toJig);
    EXPECT_FALSE(transcript.back().toJig);
    // 18 bytes of 10 bits at 921600 baud.
    EXPECT_EQ(sim->Jig().Stats().wireNanos, 18 * (10'000'000'000LL / 921600));
    sim->FT_Close(h);
}
