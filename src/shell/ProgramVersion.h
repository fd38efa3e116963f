#pragma once
// The program's release and the JIG firmware whose protocol it speaks, for --version.
#include <string>

inline constexpr const char* kProgramVersion = "4.A";
// The PCB3 firmware the program expects; an older one is updated from its package.
inline constexpr const char* kPcb3CurrentFirmware = "M328_EPM240_v16";

// Two lines: "NAME 4.A" and the JIG protocol (PCB3 firmware, PCB2 mode firmware tags).
std::string VersionLines(const std::string& programName);
