#include "shell/StartFlow.h"

#include "link/InUse.h"
#include "link/OpenProgrammerLink.h"
#include "link/StartLog.h"
#include "link/VersionText.h"
#include "modetable/ModeTable.h"
#include "port/Tr.h"
#include "shell/ProgramVersion.h"

const std::vector<std::string>& ModeSelectorItems() {
    static const std::vector<std::string> items = [] {
        std::vector<std::string> names{TR_NOOP("Shell", "Please select ")};
        for (const ModeEntry& m : Modes())
            names.emplace_back(m.name);
        return names;
    }();
    return items;
}

std::vector<std::string> FlexibleCableInstructions() {
    static constexpr const char* kLines[] = {
        TR_NOOP("Shell", "  The sequence of the connection while working on a flexible cable."),
        TR_NOOP("Shell", "1 Connect the motherboard and the programmer via a flexible cable."),
        TR_NOOP("Shell", "2 Connect the ground between the motherboard and the programmer."),
        TR_NOOP("Shell", "3 In the shell, choose a motherboard, a flexible cable, the first in the "
                         "first or not, and then click APPLY SETTINGS."),
        TR_NOOP("Shell",
                "4 Only NOW it is possible to connect the power supply to the motherboard !"),
    };
    std::vector<std::string> lines;
    for (const char* line : kLines)
        lines.push_back(Tr("Shell", line));
    lines.emplace_back();
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
        StartLogLine(Tr("Link", "ReadThread_UPD start ... "));
    else
        link.Close();
    return step;
}

void LogModeWindowOpening(const std::string& mode) {
    StartLog log;
    log.Line(Fill(Tr("Link", "User select -> %1"), mode));
    log.Line(Tr("Link", "Go to application. End."));
}
