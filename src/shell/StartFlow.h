#pragma once
// The decisions of the main window's Start, apart from the window.
#include <string>
#include <vector>

// The selector's items, in order; item 0 selects nothing (its caption is shown through Tr).
const std::vector<std::string>& ModeSelectorItems();

// The lines the ENE window's log gets when a PCB3 JIG answers, in the chosen language.
std::vector<std::string> FlexibleCableInstructions();

enum class StartStep {
    NoJig,          // "JIG not connected to the USB port!"
    OpenModeWindow, // PCB3 with current firmware: the mode window opens 300 ms later
    FirmwareSwitch, // anything else: ReadThread_UPD decides
};

StartStep StepAfterIdentification(const std::string& versionText);
bool IsPcb3Answer(const std::string& versionText);

class ProgrammerLink;

// Start's identification without the windows (the CLI and the tests): OpenProgrammerLink with
// "NOT CLOSE FTDI Handle"; the link is closed again unless the firmware switch follows, and
// "ReadThread_UPD start ... " is logged when it does.
StartStep IdentifyForStart(ProgrammerLink& link);

// Timer_RUN's start log lines, once the mode window is about to open.
void LogModeWindowOpening(const std::string& mode);
