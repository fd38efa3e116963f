#pragma once
// The two MCU bootloaders of the simulated JIG.
#include "sim/SimProgram.h"

#include <cstdint>
#include <string>
#include <vector>

std::unique_ptr<SimProgram> MakeM88Bootloader();
std::unique_ptr<SimProgram> MakeM328Bootloader();

// The PCB2 firmware tag a version text names ("V41", "V42", "ITE", "NPCE"), or empty.
std::string Pcb2TagOf(const std::string& versionText);

// Starts what a bootloader has just written: the version text comes from the image's
// stand-in marker; an image without one leaves the MCU without a working application.
void StartWrittenImage(class SimContext& ctx, const std::vector<std::uint8_t>& image);
