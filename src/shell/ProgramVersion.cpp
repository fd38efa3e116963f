#include "shell/ProgramVersion.h"

#include "shell/ModeFirmwareTable.h"

std::string VersionLines(const std::string& programName) {
    std::string tags;
    for (const ModeFirmware& m : ModeFirmwareTable())
        if (tags.find(m.tag) == std::string::npos)
            tags += (tags.empty() ? "" : ", ") + std::string(m.tag);
    return programName + " " + kProgramVersion + "\nJIG protocol: PCB3 firmware " +
           kPcb3CurrentFirmware + ", PCB2 M88 mode firmwares " + tags;
}
