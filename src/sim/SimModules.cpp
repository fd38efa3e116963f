// The chips behind the simulated JIG, one line each.
#include "sim/SimModule.h"
#include "sim/chips/EneKb90xx.h"

std::vector<std::unique_ptr<SimModule>> MakeSimModules(const Scenario& scenario) {
    std::vector<std::unique_ptr<SimModule>> modules;
    modules.push_back(std::make_unique<SimEneKb90xx>(scenario));
    return modules;
}
