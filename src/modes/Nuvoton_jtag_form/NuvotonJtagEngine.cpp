#include "modes/Nuvoton_jtag_form/NuvotonJtagEngine.h"

#include "link/OpenProgrammerLink.h"
#include "modes/Nuvoton_jtag_form/JtagChannel.h"
#include "modes/Nuvoton_jtag_form/JtagRouting.h"
#include "modes/Nuvoton_jtag_form/ReadThread_JTAG_NUV.h"
#include "operation/ImageToWrite.h"
#include "port/ProgramFolder.h"
#include "port/RegularFile.h"
#include "port/Tr.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

using namespace NuvJtag;

namespace {

std::string IdText(const std::uint8_t* b) {
    return Hex2(b[3]) + Hex2(b[2]) + Hex2(b[1]) + Hex2(b[0]);
}
} // namespace

NuvotonJtagEngine::NuvotonJtagEngine(std::shared_ptr<FtdiApi> api, OperatorPort& port,
                                     NuvJtagView* view)
    : s_(std::move(api), port) {
    s_.view = view;
    s_.ResetControls();
    s_.run.SetOnEnd([this](Outcome outcome, const std::string&) { Ended(outcome); });
}

const char* NuvJtagStateName(Activity activity) {
    switch (activity) {
    case Activity::Sending:
        return "TXT_SEND";
    case Activity::Reading:
        return "NUVOTON_READ";
    default:
        return "ERASE_NUVOTON";
    }
}

// The buttons come back once the runner is idle, so that a click they let through finds it so;
// the timer is armed first, so that no one sees the window reset before its message is due.
void NuvotonJtagEngine::Ended(Outcome outcome) {
    if (!s_.timerArmed.load()) { // a script that was played whole
        if (outcome == Outcome::Succeeded)
            s_.EnableTransfer(true);
        return;
    }
    if (s_.view)
        s_.view->ArmEndTimer();
    s_.ResetControls();
}

bool NuvotonJtagEngine::OpenLink(bool endsOperation) {
    s_.link.ResetCancel();
    s_.linkLost = false;
    const int result = OpenProgrammerLink(
        s_.link, LinkVariants::NuvotonJtag, [this](const std::string& line) { s_.port.Log(line); },
        true);
    s_.run.Record().SetJig(s_.link.versionText);
    if (result == kProgrammerAccepted)
        return true;
    if (endsOperation)
        s_.run.EndEarly(Outcome::NoJig, "connect");
    else
        s_.link.Close();
    return false;
}

void NuvotonJtagEngine::Break(const std::string& step, bool showReasons, Outcome outcome) {
    JtagChannel channel(s_);
    channel.Named("SPI_ON");
    channel.Named("BUZ_ER");
    s_.run.EndEarly(outcome, step);
    s_.ResetControls();
    if (showReasons)
        s_.port.ShowMessage(MessageIcon::Error, Tr("Jtag", kReasonsBox));
}

bool NuvotonJtagEngine::SendRouting(JtagChannel& channel, bool pin1ToPin1) {
    if (!channel.Named("RESET_ALTERA") || !channel.Named("SPI_ON"))
        return false;
    const FfcMap map = MapFor(pin1ToPin1);
    s_.port.Log(Tr("Jtag", pin1ToPin1 ? TR_NOOP("Jtag", "Selected 30 pin FFC (TYPE B)")
                                      : TR_NOOP("Jtag", "Selected 30 pin FFC (TYPE A))")));
    for (const RoutingWrite& w : RoutingWrites(map)) {
        const std::uint8_t args[2] = {w.reg, w.value};
        if (!channel.Named("WR_ALTERA_REG", args))
            return false;
    }
    s_.port.Log(Tr("Jtag", "Settings for NUVOTON send."));
    return true;
}

void NuvotonJtagEngine::SendSettings(bool pin1ToPin1) {
    if (Running() || !s_.settingsEnabled.load())
        return;
    // Not an operation of the journal: it ends early, never reaching a worker.
    s_.run.WaitForWorker();
    if (!OpenLink(true))
        return;
    s_.port.SetGauge(0);
    s_.port.Log("");
    s_.port.Log(Tr("Jtag", "Current time  ") + NuvDateTime());
    JtagChannel channel(s_);
    if (s_.link.versionText.find("NPCE") != std::string::npos) {
        const std::string text = MapText(MapFor(pin1ToPin1));
        s_.port.Log(Tr("Jtag", "Version FW -> ") + s_.link.versionText);
        s_.port.Log(Tr("Jtag", "Communication with programmer installed."));
        s_.port.Log(Tr("Jtag", "User selected ") + text);
        s_.port.ShowMessage(MessageIcon::Warning, Tr("Jtag", "Please connect GND and: \n") + text);
    } else if (!SendRouting(channel, pin1ToPin1)) {
        s_.port.Log(channel.Failure());
        return Break(channel.Failure(), false);
    }
    s_.link.Close();
    s_.port.ShowMessage(MessageIcon::Warning, Tr("Jtag", kPowerOnBox));
    s_.port.Log("");
    s_.EnableConnect(true);
    s_.EnableSettings(false);
    s_.run.EndEarly(Outcome::Succeeded, "");
}

std::string NuvotonJtagEngine::ScriptPath() {
    if (scriptPath_)
        return *scriptPath_;
    s_.port.Log(Tr("Jtag", " *** Default file -> NUVOTON.vss"));
    const FileLookup lookup = LookUpFile(kDefaultScript, LookFirst::ProgramFolder);
    if (!lookup.found)
        s_.port.Log(NotFoundLine(kDefaultScript, lookup));
    return lookup.found.value_or(ProgramFolder() / kDefaultScript).string();
}

void NuvotonJtagEngine::CheckConnect() {
    if (Running() || !s_.connectEnabled.load() || !s_.run.Begin("check", false) || !OpenLink(true))
        return;
    JtagChannel channel(s_);
    if (!channel.Named("SPI_OFF") || !channel.Named("Test-Logic-Reset") ||
        !channel.Run(DrShift32(0xFFFFFFFF), Tr("Jtag", "the JTAG identifier"))) {
        s_.port.Log(channel.Failure());
        s_.port.Log("");
        return Break(channel.Failure(), true);
    }
    const std::uint8_t* b = channel.Last().bytes.data();
    const std::uint32_t id =
        static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
        static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
    s_.port.Log(Tr("Jtag", "Read NUVOTON ID ") + IdText(b));
    s_.run.Record().SetChipId(IdText(b));
    if (id != kExpectedId) {
        s_.port.Log(Tr("Jtag", "Wrong ID. Break."));
        s_.port.Log("");
        return Break("Wrong ID", true);
    }
    const std::string path = ScriptPath();
    std::string problem = RegularFileProblem(path, kLargestScript);
    if (problem.empty()) {
        s_.file.reset(std::fopen(path.c_str(), "rb"));
        if (!s_.file)
            problem = std::strerror(errno);
    }
    if (!problem.empty()) {
        s_.port.Log(FileProblemLine(path, problem));
        s_.port.Log(Tr("Jtag", "Break! Open file (.vss) error or not found!"));
        return Break("script file", false, Outcome::NoFile);
    }
    s_.scriptName = path;
    s_.failureBox = kScriptErrorBox;
    s_.run.StartWorker(Activity::Sending, [this] { return ReadThread_JTAG_NUV(s_).SendScript(); });
}

void NuvotonJtagEngine::ReadClick() {
    Read("");
}

void NuvotonJtagEngine::ReadFile(const std::string& file) {
    Read(file);
}

void NuvotonJtagEngine::WriteClick() {
    Write("");
}

void NuvotonJtagEngine::WriteFile(const std::string& file) {
    Write(file);
}

void NuvotonJtagEngine::Read(const std::string& file) {
    if (Running() || !s_.transferEnabled.load() || !s_.run.Begin("read", false) || !OpenLink(true))
        return;
    // Only a checked controller gets here: its identifier was the expected one.
    s_.run.Record().SetChipId(kExpectedIdText);
    std::optional<std::string> name = file;
    if (file.empty())
        name =
            s_.port.AskSaveFile({"", Tr("Jtag", "BIN file NPCE (*.bin)|*.bin"), ".bin", "", true});
    if (!name || name->empty()) {
        s_.port.Log(Tr("Jtag", "Write to file is interrupted. All stop."));
        s_.port.Log("");
        return s_.run.EndEarly(Outcome::Failed, "file dialog");
    }
    if (!s_.run.CreateOutput(*name)) {
        s_.port.ShowMessage(MessageIcon::Error, Tr("Jtag", "Error create file!"));
        return s_.run.EndEarly(Outcome::NoFile, FileProblemLine(*name, s_.run.Output().Error()));
    }
    s_.port.Log(Tr("Jtag", "Data from NUVOTON save to file: ") + *name);
    s_.port.SetGaugeColour(kReadColour);
    s_.port.SetGaugeMax(kBlocks);
    s_.port.SetGauge(0);
    s_.failureBox = kReadErrorBox;
    s_.run.StartWorker(Activity::Reading, [this] { return ReadThread_JTAG_NUV(s_).Read(); });
}

void NuvotonJtagEngine::Write(const std::string& file) {
    if (Running() || !s_.transferEnabled.load() || !s_.run.Begin("write", true))
        return;
    s_.image.clear();
    if (!OpenLink(true))
        return;
    s_.run.Record().SetChipId(kExpectedIdText);
    std::optional<std::string> name = file;
    if (file.empty())
        name = s_.port.AskOpenFile(
            {"", Tr("Jtag", "BIN file NPCE (*.bin)|*.bin|other|*.*"), "", "", false});
    if (!name || name->empty()) {
        s_.port.Log(Tr("Jtag", "Read to file is interrupted. All stop."));
        s_.port.Log("");
        return s_.run.EndEarly(Outcome::Failed, "file dialog");
    }
    // Read whole and judged here: nothing may be erased for a file that cannot be written.
    ImageToWrite loaded = LoadImageToWrite(*name, static_cast<std::size_t>(kFlashSize));
    if (!loaded.Ok()) {
        s_.port.Log(loaded.error);
        s_.port.ShowMessage(MessageIcon::Error, Tr("Jtag", "Error open file!"));
        return s_.run.EndEarly(loaded.Refusal(), loaded.error);
    }
    s_.run.SetFile(*name, loaded.fileSize);
    const bool isShort = loaded.Short();
    s_.image = std::move(loaded.bytes);
    s_.port.Log(Tr("Jtag", "Write from file: ") + *name);
    if (isShort)
        s_.port.Log(
            Fill(Tr("Jtag", "The file holds %1 bytes: the rest of the flash is written with FFh."),
                 std::to_string(loaded.fileSize)));
    s_.port.SetGaugeColour(kEraseColour);
    s_.port.SetGaugeMax(kSectors);
    s_.port.SetGauge(0);
    s_.failureBox = kErrorBox;
    s_.run.StartWorker(Activity::Writing,
                       [this] { return ReadThread_JTAG_NUV(s_).EraseAndWrite(); });
}

void NuvotonJtagEngine::ChooseScript() {
    if (Running())
        return;
    scriptPath_.reset();
    if (s_.view)
        s_.view->ShowCounter();
    const std::optional<std::string> name =
        s_.port.AskOpenFile({"", Tr("Jtag", "Open vss file(*.vss)|*.vss"), "", "", false});
    if (!name || name->empty())
        return;
    scriptPath_ = *name;
    s_.port.Log(Tr("Jtag", "User select VSS file: ") + *name);
}

void NuvotonJtagEngine::SetScriptPath(std::optional<std::string> path) {
    scriptPath_ = std::move(path);
    if (scriptPath_)
        s_.port.Log(Tr("Jtag", "User select VSS file: ") + *scriptPath_);
}

bool NuvotonJtagEngine::ExitClick() {
    if (Running())
        return false;
    s_.run.WaitForWorker();
    if (OpenLink(false)) {
        JtagChannel channel(s_);
        channel.Named("RESET_ALTERA");
        channel.Named("SPI_ON");
        s_.link.Close();
    }
    s_.ResetControls();
    if (s_.view)
        s_.view->SetCounterText("");
    s_.port.SetGauge(0);
    s_.port.ClearLog();
    return true;
}

// The worker reset the JIG before the runner closed the link; what is left is the message.
void NuvotonJtagEngine::EndOfOperationTimer() {
    if (!s_.timerArmed.load())
        return;
    s_.endShowing.store(true);
    s_.timerArmed.store(false);
    s_.run.WaitForWorker(); // past its last act already
    const std::string& chipState = s_.run.ChipState();
    if (s_.view && !chipState.empty())
        s_.port.ShowMessage(MessageIcon::Error, chipState);
    if (s_.run.Result() == Outcome::Failed || s_.run.Result() == Outcome::NoFile)
        s_.port.ShowMessage(MessageIcon::Error, Tr("Jtag", s_.failureBox));
    else
        s_.port.ShowMessage(MessageIcon::Warning, Tr("Jtag", kDonePowerBox));
    s_.endShowing.store(false);
}

void NuvotonJtagEngine::WaitForOperation() {
    s_.run.WaitForWorker();
    EndOfOperationTimer();
}
