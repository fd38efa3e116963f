// The simulated JIG's bootloaders and reset button, byte by byte.
#include "sim/Scenario.h"
#include "support/RawLink.h"
#include "support/SimFixture.h"
#include "support/Surprises.h"

#include <gtest/gtest.h>
#include <thread>

namespace {
using namespace std::chrono_literals;

bool WaitForBootloader(SimJig& jig, bool wanted) {
    const Deadline until = DeadlineIn(3s);
    while (jig.InBootloader() != wanted && SteadyClock::now() < until)
        std::this_thread::sleep_for(5ms);
    return jig.InBootloader() == wanted;
}

std::string Loaded(const std::string& json, std::string* error) {
    TempDir dir;
    WriteFileBytes(dir.File("s.json"), json);
    Scenario s;
    return LoadScenario(dir.File("s.json"), "", SimTiming::Instant, &s, error) ? "ok" : *error;
}
} // namespace

TEST(SimBootloader, M88GreetsOnlyAtItsOwnBaudRate) {
    auto sim = MakeSim("pcb2-v41");
    auto link = OpenRawLink(sim, 921600);
    EXPECT_EQ(Ask(*link, "?", 1), "!");
    EXPECT_TRUE(sim->Jig().InBootloader());
    EXPECT_EQ(Ask(*link, "U", 1, 300ms), "<timed out>"); // 'U' at 921600 is noise at 115200
    const std::vector<SimSurprise> noise = TakeSurprises();
    ASSERT_EQ(noise.size(), 1u) << DescribeSurprises(noise);
    EXPECT_NE(noise[0].bytes, std::vector<std::uint8_t>{'U'});
    sim->FT_SetBaudRate(link->Handle(), 115200);
    EXPECT_EQ(Ask(*link, "U", 13), "BOOT_M88_V2\r\x11");
}

TEST(SimBootloader, M88TakesRecordsOnlyAfterPfAndChecksEach) {
    auto sim = MakeSim("pcb2-v41");
    auto link = OpenRawLink(sim, 921600);
    ASSERT_EQ(Ask(*link, "?", 1), "!");
    sim->FT_SetBaudRate(link->Handle(), 115200);
    const std::string record = ":0400100001020304E2\n";
    EXPECT_EQ(Ask(*link, record, 5), "\r-CS\x11"); // not erased yet
    EXPECT_EQ(Ask(*link, "pf\n", 7), "\r\nERASED\r\n");
    EXPECT_EQ(Ask(*link, record, 3), "\r+\x11");
    EXPECT_EQ(Ask(*link, ":0400100001020304E3\n", 5), "\r-CS\x11");
    EXPECT_EQ(Ask(*link, ":041800000102030400\n", 5), "\r-CS\x11"); // past the flash
    EXPECT_EQ(Ask(*link, ":00000001FF\n", 7), "\r\nDONE\r\n");
    const auto image = sim->Jig().Board().m88Image;
    ASSERT_EQ(image.size(), 0x1800u);
    EXPECT_EQ(image[0x10], 0x01);
    EXPECT_EQ(image[0x13], 0x04);
    EXPECT_EQ(image[0x14], 0xFF);
    // An image without the stand-in marker runs nothing once started.
    EXPECT_EQ(Ask(*link, "g\n", 5), "\r\nRUN\r\n");
    sim->FT_SetBaudRate(link->Handle(), 921600);
    EXPECT_EQ(Ask(*link, "B", 1, 300ms), "<timed out>");
    EXPECT_FALSE(sim->Jig().InBootloader());
}

TEST(SimBootloader, ResetButtonAtATimeOrWhenTheHostCalls) {
    const auto made = SteadyClock::now();
    auto timed = MakeSim("pcb3-old", R"({"events": [{"type": "resetButton", "atMs": 100}]})");
    // A loaded machine may take longer than the 100 ms to build the sim: pressed already is
    // only wrong if it came early.
    if (timed->Jig().InBootloader()) {
        EXPECT_GE(SteadyClock::now() - made, 100ms);
    }
    EXPECT_TRUE(WaitForBootloader(timed->Jig(), true));
    auto link = OpenRawLink(timed, 921600);
    EXPECT_EQ(Ask(*link, "+", 9), "V3SM328\r\n"); // all nine: fewer may be all that came

    auto called =
        MakeSim("pcb3-old", R"({"events": [{"type": "resetButton", "whenCalledMs": 50}]})");
    auto host = OpenRawLink(called, 921600);
    std::this_thread::sleep_for(150ms);
    EXPECT_FALSE(called->Jig().InBootloader()) << "nobody called the bootloader yet";
    EXPECT_EQ(Ask(*host, "B", 17), "M328_EPM240_v15\r\n");
    host->Send({'+'});
    EXPECT_TRUE(WaitForBootloader(called->Jig(), true));
    EXPECT_EQ(Ask(*host, "+", 9), "V3SM328\r\n");
    EXPECT_EQ(Ask(*host, "W", 1), "G");
}

TEST(SimBootloader, ResetButtonOfAnFtdiChipWithoutJigDoesNothing) {
    auto sim = MakeSim("pcb2-v41", R"({"devices": ["silent"]})");
    sim->Jig().PressReset();
    auto link = OpenRawLink(sim, 115200);
    EXPECT_EQ(Ask(*link, "U", 1, 300ms), "<timed out>");
    EXPECT_FALSE(sim->Jig().InBootloader());
}

TEST(SimBootloader, ScenarioMistakesAreNamed) {
    std::string error;
    EXPECT_EQ(Loaded(R"({"events": [{"type": "resetButton", "atMs": 10}],
                         "bootloader": {"rejectRecord": 2, "refuseEntry": true},
                         "application": "hung"})",
                     &error),
              "ok");
    EXPECT_NE(Loaded(R"({"events": [{"type": "powerCut", "atMs": 10}]})", &error)
                  .find("\"type\": \"resetButton\""),
              std::string::npos);
    EXPECT_NE(Loaded(R"({"events": [{"type": "resetButton"}]})", &error).find("one of"),
              std::string::npos);
    EXPECT_NE(
        Loaded(R"({"events": [{"type": "resetButton", "atMs": 1, "whenCalledMs": 1}]})", &error)
            .find("one of"),
        std::string::npos);
    EXPECT_NE(Loaded(R"({"application": "sleepy"})", &error).find("\"sleepy\""), std::string::npos);
    EXPECT_NE(Loaded(R"({"events": [{"type": "resetButton", "atMs": "soon"}]})", &error)
                  .find("scenario file"),
              std::string::npos);
}
