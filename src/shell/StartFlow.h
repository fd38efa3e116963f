#pragma once
// The decisions of the main window's Start, apart from the window.
#include <string>
#include <vector>

// The selector's items, in order; item 0 selects nothing.
const std::vector<std::string>& ModeSelectorItems();

// The lines the ENE window's log gets when a PCB3 JIG answers.
const std::vector<std::string>& FlexibleCableInstructions();

enum class StartStep {
    NoJig,          // "JIG not connected to the USB port!"
    OpenModeWindow, // PCB3 with current firmware: the mode window opens 300 ms later
    FirmwareSwitch, // anything else: ReadThread_UPD decides
};

StartStep StepAfterIdentification(const std::string& versionText);
bool IsPcb3Answer(const std::string& versionText);
