#pragma once
// The waits of the firmware switch and the PCB3 update that are not reply bounds.
#include "link/WaitBounds.h"

struct SwitchTiming {
    // Timer_5SEC: how long the M88 bootloader may take to greet once it is called.
    Millis bootWindow = WaitBounds::BootloaderGreeting;
    // The PCB3 bootloader wait: a technician looking for the reset button.
    Millis pcb3Bootloader = WaitBounds::ResetButton;
    // How long one call of a bootloader ('U', '+') waits for its answer before the next.
    Millis callRepeat = WaitBounds::BootloaderCallRepeat;
};
