#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct SimBoardState {
    bool pcb3 = true;
    std::string versionText; // answered to 'B', followed by CR LF
    std::string firmwareTag; // PCB2: the mode firmware; PCB3: empty (one firmware for all)
    std::array<std::uint8_t, 256> cpld{};
    bool cpldResetSeen = false; // RESET_ALTERA since power-up
    // The JIG's JTAG lines (sim/JtagLines.h): who holds them, whether the TAP was reset since,
    // and how many times a JTAG session has given them back.
    bool spiLinesOn = true;
    bool tapReset = false;
    unsigned jtagReleases = 0;
    std::vector<std::uint8_t> m88Image;  // PCB2 application flash, where a bootloader wrote it
    std::vector<std::uint8_t> m328Image; // PCB3: the package its bootloader last received
    bool applicationHung = false;        // no working application: nothing is answered
};
