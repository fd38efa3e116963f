// The chips behind the simulated JIG, one line each.
#include "sim/SimModule.h"

std::vector<std::unique_ptr<SimModule>> MakeSimModules(const Scenario& /*scenario*/) {
    std::vector<std::unique_ptr<SimModule>> modules;
    return modules;
}
