#pragma once
// Which M88 firmware each working mode needs on a PCB2 JIG, and the tag it reports.
#include <string>
#include <vector>

struct ModeFirmware {
    const char* mode; // as in the main selector
    const char* file; // Intel HEX file in the program's folder
    const char* tag;  // looked for in the version text
};

const std::vector<ModeFirmware>& ModeFirmwareTable();
// Nullptr for a name that is no working mode ("Please select " included).
const ModeFirmware* FindModeFirmware(const std::string& mode);
