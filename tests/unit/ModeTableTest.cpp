// The mode table against the places that read it: a line that names a firmware, a chip module
// or a CLI word nobody has would only show when that mode is started on that board.
#include "modetable/ModeTable.h"
#include "link/OpenProgrammerLink.h"
#include "sim/Scenario.h"
#include "sim/SimModule.h"
#include "support/SimFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

TEST(ModeTable, EveryModeIsCompleteUniqueAndServed) {
    const Scenario scenario;
    const auto modules = MakeSimModules(scenario);
    std::set<std::string> names, groups, served;
    for (const ModeEntry& m : Modes()) {
        SCOPED_TRACE(m.name);
        EXPECT_TRUE(names.insert(m.name).second);
        EXPECT_TRUE(groups.insert(m.cliGroup).second);
        EXPECT_NE(std::string(m.cliDescription), "");
        EXPECT_NE(std::string(m.scenarioSection), "");
        EXPECT_NE(m.operations, 0u);
        EXPECT_NE(FindModeFirmware(m.name), nullptr);
        EXPECT_TRUE(std::any_of(modules.begin(), modules.end(),
                                [&](const auto& s) { return s->Name() == m.simModule; }));
        served.insert(m.simModule);
    }
    EXPECT_EQ(served.size(), modules.size()) << "a chip module that no mode uses";
}

// On a PCB2 running another mode's firmware every mode refuses the JIG and names the command
// that loads its own; on its own firmware it takes it.
TEST(ModeTable, AnotherModesFirmwareIsRefusedWithTheCommandThatFixesIt) {
    const std::pair<const char*, const char*> boards[] = {
        {"V41", "pcb2-v41"}, {"V42", "pcb2-v42"}, {"ITE", "pcb2-ite"}, {"NPCE", "pcb2-npce"}};
    for (const ModeEntry& m : Modes()) {
        for (const auto& [tag, board] : boards) {
            SCOPED_TRACE(std::string(m.name) + " on " + board);
            auto sim = MakeSim(board);
            ProgrammerLink link(sim);
            std::vector<std::string> lines;
            const int result = OpenProgrammerLink(
                link, m.link, [&](const std::string& l) { lines.push_back(l); }, false);
            const bool own = std::string(tag) == m.pcb2Firmware;
            EXPECT_EQ(result, own ? kProgrammerAccepted : kProgrammerOutdated);
            // The keyboard's window says it in its own words; its CLI prints this line.
            const std::string fix = FirmwareFixLine(m.link);
            EXPECT_NE(fix.find("start --mode \"" + std::string(m.name) + "\""), std::string::npos);
            if (m.link.memoLines) {
                EXPECT_EQ(std::find(lines.begin(), lines.end(), fix) != lines.end(), !own);
            }
        }
    }
}
