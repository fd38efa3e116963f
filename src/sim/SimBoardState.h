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
    bool cpldResetSeen = false;         // RESET_ALTERA since power-up
    std::vector<std::uint8_t> m88Image; // PCB2 application flash, where a bootloader wrote it
};
