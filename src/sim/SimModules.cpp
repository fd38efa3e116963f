// The chips behind the simulated JIG, one line each, in the order they are offered a command.
// Which mode and firmware each one serves is the mode table's.
#include "modetable/ModeTable.h"
#include "sim/SimModule.h"
#include "sim/chips/EdidEeprom.h"
#include "sim/chips/EneKb90xx.h"
#include "sim/chips/IteEc.h"
#include "sim/chips/KeyboardMatrix.h"
#include "sim/chips/Mec16xx.h"
#include "sim/chips/NpceJtag.h"
#include "sim/chips/NpceSpi.h"

#include <algorithm>

std::vector<std::unique_ptr<SimModule>> MakeSimModules(const Scenario& scenario) {
    std::vector<std::unique_ptr<SimModule>> modules;
    modules.push_back(std::make_unique<SimEneKb90xx>(scenario));
    modules.push_back(std::make_unique<SimEdidEeprom>(scenario));
    modules.push_back(std::make_unique<SimKeyboardMatrix>(scenario));
    modules.push_back(std::make_unique<SimNpceSpi>(scenario));
    modules.push_back(std::make_unique<SimIteEc>(scenario));
    modules.push_back(std::make_unique<SimNpceJtag>(scenario));
    modules.push_back(std::make_unique<SimMec16xx>(scenario));
    return modules;
}

std::vector<std::string> SimModule::Pcb2Firmwares() const {
    const std::string name = Name();
    std::vector<std::string> tags;
    for (const ModeEntry& m : Modes())
        if (name == m.simModule &&
            std::find(tags.begin(), tags.end(), m.pcb2Firmware) == tags.end())
            tags.emplace_back(m.pcb2Firmware);
    return tags;
}
