#include "shell/ModeFirmwareTable.h"

const std::vector<ModeFirmware>& ModeFirmwareTable() {
    static const std::vector<ModeFirmware> table{
        {"EDID lcd", "M88_ALLPCB_V41.hex", "V41"},
        {"Keyboard testing", "M88_ALLPCB_V41.hex", "V41"},
        {"ENE KB90XX", "M88_ALLPCB_V41.hex", "V41"},
        {"MEC jtag", "M88_jtag.hex", "V42"},
        {"ITE", "ITE_PROJ_M88.hex", "ITE"},
        {"NUVOTON spi", "M88_NPCE288.hex", "NPCE"},
        {"NUVOTON jtag", "M88_NPCE288.hex", "NPCE"},
    };
    return table;
}

const ModeFirmware* FindModeFirmware(const std::string& mode) {
    for (const ModeFirmware& m : ModeFirmwareTable())
        if (mode == m.mode)
            return &m;
    return nullptr;
}
