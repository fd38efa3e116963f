#include "support/SwitchFixture.h"

#include "link/OpenProgrammerLink.h"
#include "link/StartLog.h"
#include "port/ProgramFolder.h"
#include "port/TimeText.h"
#include "shell/FirmwareFiles.h"

#include <filesystem>

void SwitchFixture::SetUp() {
    SetTimeTextSource(
        {[] { return std::string("10:20:30"); }, [] { return std::string("07.12.2026"); }});
    StartLog::SetPath(dir.File("Start_log.txt"));
    SetSimFirmwareFolder({});
    SetProgramFolder({});
    SetSimFirmwareFolder(SimFirmwareFolder()); // the build's, fixed before the program moves
    std::filesystem::create_directories(dir.File("program"));
    SetProgramFolder(dir.File("program"));
}

void SwitchFixture::TearDown() {
    SetTimeTextSource({});
    StartLog::SetPath("Start_log.txt");
    SetSimFirmwareFolder({});
    SetProgramFolder({});
}

SwitchOutcome SwitchFixture::Start(const std::shared_ptr<FtdiApi>& api, const std::string& mode,
                                   SwitchTiming timing, StartStep* step) {
    ProgrammerLink link(api);
    const StartStep s = IdentifyForStart(link);
    if (step)
        *step = s;
    if (s != StartStep::FirmwareSwitch) {
        EXPECT_FALSE(link.IsOpen());
        return s == StartStep::OpenModeWindow ? SwitchOutcome::ModeReady : SwitchOutcome::Failed;
    }
    ReadThread_UPD upd(link, port, bootWaitExpired, mode, timing);
    const SwitchOutcome outcome = upd.Execute();
    EXPECT_FALSE(link.IsOpen()) << "the switch leaves the link closed";
    return outcome;
}

std::string SwitchFixture::VersionNow(const std::shared_ptr<FtdiApi>& api) {
    ProgrammerLink link(api);
    OpenProgrammerLinkMain(link, kCloseHandle);
    return link.versionText;
}

std::string SwitchFixture::StartLogText() const {
    return ReadFileText(dir.File("Start_log.txt"));
}

std::string SwitchFixture::UseFirmwareFolder() {
    std::filesystem::create_directories(dir.File("fw"));
    SetSimFirmwareFolder(dir.File("fw"));
    return dir.File("fw");
}

std::string Text(const std::vector<std::uint8_t>& bytes) {
    return {bytes.begin(), bytes.end()};
}

std::size_t Count(const std::string& haystack, const std::string& needle) {
    std::size_t n = 0;
    for (std::size_t at = haystack.find(needle); at != std::string::npos;
         at = haystack.find(needle, at + needle.size()))
        ++n;
    return n;
}
