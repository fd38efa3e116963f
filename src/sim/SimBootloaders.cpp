// The MCU bootloaders. PCB2's M88 bootloader and PCB3's M328 bootloader are still to come;
// until then a JIG asked to enter its bootloader keeps running its application.
#include "sim/SimProgram.h"

std::unique_ptr<SimProgram> MakeBootloader(const SimBoardState& /*board*/) {
    return nullptr;
}
