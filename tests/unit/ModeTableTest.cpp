// The mode table against the places that read it: a line that names a firmware, a chip module
// or a CLI word nobody has would only show when that mode is started on that board.
#include "modetable/ModeTable.h"
#include "sim/Scenario.h"
#include "sim/SimModule.h"

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
