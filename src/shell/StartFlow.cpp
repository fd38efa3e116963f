#include "shell/StartFlow.h"

#include "link/InUse.h"
#include "link/OpenProgrammerLink.h"
#include "link/StartLog.h"
#include "link/VersionText.h"
#include "modetable/ModeTable.h"
#include "shell/ProgramVersion.h"

const std::vector<std::string>& ModeSelectorItems() {
    static const std::vector<std::string> items = [] {
        std::vector<std::string> names{"Please select "};
        for (const ModeEntry& m : Modes())
            names.emplace_back(m.name);
        return names;
    }();
    return items;
}

const std::vector<std::string>& FlexibleCableInstructions() {
    static const std::vector<std::string> lines{
        "  The sequence of the connection while working on a flexible cable.",
        "1 Connect the motherboard and the programmer via a flexible cable.",
        "2 Connect the ground between the motherboard and the programmer.",
        "3 In the shell, choose a motherboard, a flexible cable, the first in the first or not, "
        "and "
        "then click APPLY SETTINGS.",
        "4 Only NOW it is possible to connect the power supply to the motherboard !",
        ""};
    return lines;
}

bool IsPcb3Answer(const std::string& v) {
    return v.find("M328_EPM240") != std::string::npos;
}

StartStep StepAfterIdentification(const std::string& v) {
    if (v == kNoDeviceText || v == kInUseText)
        return StartStep::NoJig;
    if (v.find(kPcb3CurrentFirmware) != std::string::npos)
        return StartStep::OpenModeWindow;
    return StartStep::FirmwareSwitch;
}

StartStep IdentifyForStart(ProgrammerLink& link) {
    OpenProgrammerLinkMain(link, kKeepHandle);
    const StartStep step = StepAfterIdentification(link.versionText);
    if (step == StartStep::FirmwareSwitch)
        StartLogLine("ReadThread_UPD start ... ");
    else
        link.Close();
    return step;
}

void LogModeWindowOpening(const std::string& mode) {
    StartLog log;
    log.Line("User select -> " + mode);
    log.Line("Go to application. End.");
}
