#pragma once
// What Start does before a mode window can open, without the windows: identify the JIG with
// the link left open, and decide whether the firmware switch must run.
#include "link/ProgrammerLink.h"

#include <string>

inline constexpr const char* kSelectorPrompt = "Please select ";
inline constexpr const char* kNoJigMessage = "JIG not connected to the USB port!";

enum class StartDecision {
    NothingSelected, // "Please select ": not even the identification runs
    NoJig,           // "FTDI device not found": the message box, nothing else
    ModeReady,       // PCB3 with current firmware: link closed, Timer_RUN
    SwitchNeeded,    // "ReadThread_UPD start ... " logged; the link stays for the switch
};

StartDecision IdentifyForStart(ProgrammerLink& link, const std::string& mode);

// Timer_RUN's start log lines once the mode window is about to open.
void LogModeWindowOpening(const std::string& mode);
