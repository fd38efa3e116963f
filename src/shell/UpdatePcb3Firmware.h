#pragma once
// Updating an outdated PCB3 JIG from its package through the M328 bootloader.
#include "link/ProgrammerLink.h"
#include "shell/SwitchPort.h"
#include "shell/SwitchTiming.h"

#include <string>

inline constexpr const char* kPcb3PackageFile = "M328_EPM240_v16.vss";
inline constexpr std::size_t kPcb3PackageLimit = 131072;
inline constexpr std::size_t kPcb3BlockSize = 128;

// `local`: a closed link of the update's own (the main window's link is closed before). The
// bootloader is called until it answers or `timing.pcb3Bootloader` passes. "OK" or "ERROR".
std::string UpdatePcb3Firmware(ProgrammerLink& local, SwitchPort& port,
                               const SwitchTiming& timing = {});
