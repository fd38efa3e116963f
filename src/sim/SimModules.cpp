// The chips behind the simulated JIG, one line each.
#include "sim/SimModule.h"
#include "sim/chips/EdidEeprom.h"
#include "sim/chips/EneKb90xx.h"
#include "sim/chips/IteEc.h"
#include "sim/chips/KeyboardMatrix.h"
#include "sim/chips/Mec16xx.h"
#include "sim/chips/NpceJtag.h"
#include "sim/chips/NpceSpi.h"

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
