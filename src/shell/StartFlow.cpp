#include "shell/StartFlow.h"

#include "link/OpenProgrammerLink.h"
#include "link/StartLog.h"
#include "link/VersionText.h"

StartDecision IdentifyForStart(ProgrammerLink& link, const std::string& mode) {
    if (mode == kSelectorPrompt || mode.empty())
        return StartDecision::NothingSelected;
    OpenProgrammerLinkMain(link, kKeepHandle);
    if (link.versionText == kNoDeviceText)
        return StartDecision::NoJig;
    if (link.versionText.find("M328_EPM240_v16") != std::string::npos) {
        link.Close();
        return StartDecision::ModeReady;
    }
    StartLogLine("ReadThread_UPD start ... ");
    return StartDecision::SwitchNeeded;
}

void LogModeWindowOpening(const std::string& mode) {
    StartLog log;
    log.Line("User select -> " + mode);
    log.Line("Go to application. End.");
}
