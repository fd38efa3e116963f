#include "modes/Nuvoton_jtag_form/NuvotonJtagEngine.h"

#include "link/OpenProgrammerLink.h"
#include "modes/Nuvoton_jtag_form/JtagChannel.h"
#include "modes/Nuvoton_jtag_form/JtagRouting.h"
#include "modes/Nuvoton_jtag_form/ReadThread_JTAG_NUV.h"
#include "operation/ImageToWrite.h"
#include "port/ProgramFolder.h"
#include "port/RegularFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

using namespace NuvJtag;

namespace {
// A script is a few hundred lines; anything near this is not one, and a device never ends.
constexpr std::uintmax_t kLargestScript = 1024 * 1024;

std::string IdText(const std::uint8_t* b) {
    return Hex2(b[3]) + Hex2(b[2]) + Hex2(b[1]) + Hex2(b[0]);
}
} // namespace

NuvotonJtagEngine::NuvotonJtagEngine(std::shared_ptr<FtdiApi> api, OperatorPort& port,
                                     NuvJtagView* view)
    : s_(std::move(api), port) {
    s_.view = view;
    s_.ResetControls();
}

NuvotonJtagEngine::~NuvotonJtagEngine() {
    s_.stopRequested.store(true);
    s_.link.Cancel();
    worker_.Join();
}

void NuvotonJtagEngine::BeginRecord(const char* operation) {
    s_.failedStep.clear();
    s_.record.Begin(s_.safety.active, kModeName, operation);
}

void NuvotonJtagEngine::EndInHandler(NuvJtagOutcome outcome, const std::string& step) {
    s_.failedStep = step;
    s_.EndRecord(outcome);
}

bool NuvotonJtagEngine::OpenLink() {
    s_.link.ResetCancel();
    s_.linkLost = false;
    const int result = OpenProgrammerLink(
        s_.link, LinkVariants::NuvotonJtag, [this](const std::string& line) { s_.port.Log(line); },
        true);
    s_.record.SetJig(s_.link.versionText);
    if (result == kProgrammerAccepted)
        return true;
    s_.link.Close();
    s_.outcome.store(NuvJtagOutcome::NoJig);
    EndInHandler(NuvJtagOutcome::NoJig, "connect");
    return false;
}

void NuvotonJtagEngine::Break(bool showReasons) {
    JtagChannel channel(s_);
    channel.Named("SPI_ON");
    channel.Named("BUZ_ER");
    s_.link.Close();
    s_.ResetControls();
    s_.outcome.store(NuvJtagOutcome::Failed);
    s_.EndRecord(NuvJtagOutcome::Failed);
    if (showReasons)
        s_.port.ShowMessage(MessageIcon::Error, kReasonsBox);
}

void NuvotonJtagEngine::StartWorker() {
    worker_.Start([this] { ReadThread_JTAG_NUV(s_).Execute(); });
}

bool NuvotonJtagEngine::SendRouting(JtagChannel& channel, bool pin1ToPin1) {
    if (!channel.Named("RESET_ALTERA") || !channel.Named("SPI_ON"))
        return false;
    const FfcMap map = MapFor(pin1ToPin1);
    s_.port.Log(pin1ToPin1 ? "Selected 30 pin FFC (TYPE B)" : "Selected 30 pin FFC (TYPE A))");
    for (const RoutingWrite& w : RoutingWrites(map)) {
        const std::uint8_t args[2] = {w.reg, w.value};
        if (!channel.Named("WR_ALTERA_REG", args))
            return false;
    }
    s_.port.Log("Settings for NUVOTON send.");
    return true;
}

void NuvotonJtagEngine::SendSettings(bool pin1ToPin1) {
    if (!s_.state.IsNone() || !s_.settingsEnabled.load())
        return;
    worker_.Join();
    s_.outcome.store(NuvJtagOutcome::None);
    if (!OpenLink())
        return;
    s_.port.SetGauge(0);
    s_.port.Log("");
    s_.port.Log("Current time  " + NuvDateTime());
    JtagChannel channel(s_);
    if (s_.link.versionText.find("NPCE") != std::string::npos) {
        const std::string text = MapText(MapFor(pin1ToPin1));
        s_.port.Log("Version FW -> " + s_.link.versionText);
        s_.port.Log("Communication with programmer installed.");
        s_.port.Log("User selected " + text);
        s_.port.ShowMessage(MessageIcon::Warning, "Please connect GND and: \n" + text);
    } else if (!SendRouting(channel, pin1ToPin1)) {
        s_.port.Log(channel.Failure());
        return Break(false);
    }
    s_.link.Close();
    s_.port.ShowMessage(MessageIcon::Warning, kPowerOnBox);
    s_.port.Log("");
    s_.EnableConnect(true);
    s_.EnableSettings(false);
    s_.outcome.store(NuvJtagOutcome::Succeeded);
}

std::string NuvotonJtagEngine::ScriptPath() {
    if (scriptPath_)
        return *scriptPath_;
    s_.port.Log(" *** Default file -> NUVOTON.vss");
    const FileLookup lookup = LookUpFile(kDefaultScript, LookFirst::ProgramFolder);
    if (!lookup.found)
        s_.port.Log(NotFoundLine(kDefaultScript, lookup));
    return lookup.found.value_or(ProgramFolder() / kDefaultScript).string();
}

void NuvotonJtagEngine::CheckConnect() {
    if (!s_.state.IsNone() || !s_.connectEnabled.load())
        return;
    worker_.Join();
    s_.stopRequested.store(false);
    s_.outcome.store(NuvJtagOutcome::None);
    BeginRecord("check");
    if (!OpenLink())
        return;
    JtagChannel channel(s_);
    if (!channel.Named("SPI_OFF") || !channel.Named("Test-Logic-Reset") ||
        !channel.Run(DrShift32(0xFFFFFFFF), "the JTAG identifier")) {
        s_.port.Log(channel.Failure());
        s_.port.Log("");
        s_.failedStep = channel.Failure();
        return Break(true);
    }
    const std::uint8_t* b = s_.link.Buffer();
    const std::uint32_t id =
        static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
        static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
    s_.port.Log("Read NUVOTON ID " + IdText(b));
    s_.record.SetChipId(IdText(b));
    if (id != kExpectedId) {
        s_.failedStep = "Wrong ID";
        s_.port.Log("Wrong ID. Break.");
        s_.port.Log("");
        return Break(true);
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
        s_.port.Log("Break! Open file (.vss) error or not found!");
        s_.failedStep = "script file";
        return Break(false);
    }
    s_.fileName = path;
    s_.state.Set("TXT_SEND");
    StartWorker();
}

void NuvotonJtagEngine::BeginTransfer(const char* operation) {
    worker_.Join();
    s_.stopRequested.store(false);
    s_.outcome.store(NuvJtagOutcome::None);
    s_.fileBytes = 0;
    s_.progress.Reset();
    s_.backupPath.clear();
    s_.chipState.clear();
    s_.image.clear();
    BeginRecord(operation);
}

void NuvotonJtagEngine::ReadClick() {
    if (!s_.state.IsNone() || !s_.transferEnabled.load())
        return;
    BeginTransfer("read");
    if (!OpenLink())
        return;
    // Only a checked controller gets here: its identifier was the expected one.
    s_.record.SetChipId(kExpectedIdText);
    const std::optional<std::string> name =
        s_.port.AskSaveFile({"", "BIN file NPCE (*.bin)|*.bin", ".bin", "", true});
    if (!name || name->empty()) {
        s_.port.Log("Write to file is interrupted. All stop.");
        s_.port.Log("");
        s_.link.Close();
        return EndInHandler(NuvJtagOutcome::Failed, "file dialog");
    }
    // The record describes the file by its content: only once it is known to be a plain file.
    if (!s_.out.Create(*name)) {
        const std::string problem = FileProblemLine(*name, s_.out.Error());
        s_.port.Log(problem);
        s_.port.ShowMessage(MessageIcon::Error, "Error create file!");
        s_.link.Close();
        s_.outcome.store(NuvJtagOutcome::Failed);
        return EndInHandler(NuvJtagOutcome::Failed, problem);
    }
    s_.record.SetFile(*name);
    s_.fileName = *name;
    s_.port.Log("Data from NUVOTON save to file: " + *name);
    s_.state.Set("NUVOTON_READ");
    s_.port.SetGaugeColour(kReadColour);
    s_.port.SetGaugeMax(kBlocks);
    s_.port.SetGauge(0);
    StartWorker();
}

void NuvotonJtagEngine::WriteClick() {
    if (!s_.state.IsNone() || !s_.transferEnabled.load())
        return;
    BeginTransfer("write");
    if (!OpenLink())
        return;
    s_.record.SetChipId(kExpectedIdText);
    const std::optional<std::string> name =
        s_.port.AskOpenFile({"", "BIN file NPCE (*.bin)|*.bin|other|*.*", "", "", false});
    if (!name || name->empty()) {
        s_.port.Log("Read to file is interrupted. All stop.");
        s_.port.Log("");
        s_.link.Close();
        return EndInHandler(NuvJtagOutcome::Failed, "file dialog");
    }
    // Read whole and judged here: nothing may be erased for a file that cannot be written.
    ImageToWrite loaded = LoadImageToWrite(*name, static_cast<std::size_t>(kFlashSize));
    if (!loaded.Ok()) {
        s_.port.Log(loaded.error);
        s_.port.ShowMessage(MessageIcon::Error, "Error open file!");
        s_.link.Close();
        s_.outcome.store(NuvJtagOutcome::Failed);
        return EndInHandler(NuvJtagOutcome::Failed, loaded.error);
    }
    s_.record.SetFile(*name);
    const bool isShort = loaded.Short();
    s_.image = std::move(loaded.bytes);
    s_.fileBytes = loaded.fileSize;
    s_.fileName = *name;
    s_.port.Log("Write from file: " + *name);
    if (isShort)
        s_.port.Log("The file holds " + std::to_string(loaded.fileSize) +
                    " bytes: the rest of the flash is written with FFh.");
    s_.state.Set("ERASE_NUVOTON");
    s_.port.SetGaugeColour(kEraseColour);
    s_.port.SetGaugeMax(kSectors);
    s_.port.SetGauge(0);
    StartWorker();
}

void NuvotonJtagEngine::ChooseScript() {
    if (!s_.state.IsNone())
        return;
    scriptPath_.reset();
    if (s_.view)
        s_.view->ShowCounter();
    const std::optional<std::string> name =
        s_.port.AskOpenFile({"", "Open vss file(*.vss)|*.vss", "", "", false});
    if (!name || name->empty())
        return;
    scriptPath_ = *name;
    s_.port.Log("User select VSS file: " + *name);
}

void NuvotonJtagEngine::SetScriptPath(std::optional<std::string> path) {
    scriptPath_ = std::move(path);
    if (scriptPath_)
        s_.port.Log("User select VSS file: " + *scriptPath_);
}

bool NuvotonJtagEngine::ExitClick() {
    if (!s_.state.IsNone())
        return false;
    worker_.Join();
    if (OpenLink()) {
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

void NuvotonJtagEngine::EndOfOperationTimer() {
    if (!s_.timerArmed.exchange(false))
        return;
    worker_.Join(); // past its last act already
    if (s_.view && !s_.chipState.empty())
        s_.port.ShowMessage(MessageIcon::Error, s_.chipState);
    if (s_.result == "ERROR" && s_.outcome.load() != NuvJtagOutcome::Stopped)
        s_.port.ShowMessage(MessageIcon::Error, kErrorBox);
    else
        s_.port.ShowMessage(MessageIcon::Warning, kDonePowerBox);
    JtagChannel channel(s_);
    channel.Named("RESET_ALTERA");
    channel.Named("SPI_ON");
    s_.link.Close();
    s_.state.Set("NONE");
}

void NuvotonJtagEngine::WaitForOperation() {
    worker_.Join();
    EndOfOperationTimer();
}
