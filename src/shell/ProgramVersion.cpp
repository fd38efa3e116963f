#include "shell/ProgramVersion.h"

#include "modetable/ModeTable.h"

std::string VersionLines(const std::string& programName) {
    std::string tags;
    for (const Pcb2Firmware& f : Pcb2Firmwares())
        tags += (tags.empty() ? "" : ", ") + std::string(f.tag);
    return programName + " " + kProgramVersion + "\nJIG protocol: PCB3 firmware " +
           kPcb3CurrentFirmware + ", PCB2 M88 mode firmwares " + tags;
}
