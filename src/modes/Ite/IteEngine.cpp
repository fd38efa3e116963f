#include "modes/Ite/IteEngine.h"

#include "link/OpenProgrammerLink.h"
#include "modes/Ite/IteBus.h"
#include "modes/Ite/ReadThread_ITE.h"
#include "operation/ImageToWrite.h"
#include "port/TimeText.h"

namespace {
FileDialogSpec SaveDialog() {
    return {"Save data to a file", "BIN file (*.bin)|*.bin", ".bin", "ITE_", true};
}

FileDialogSpec OpenDialog() {
    return {"Read data from a file", "BIN file  (*.bin)|*.bin|Другие|*.*", "", "", false};
}

// The journal's name of the operation a state starts; APPLY only sends settings.
const char* OperationOf(const char* state) {
    const std::string s = state;
    if (s == Ite::kChecking)
        return "check";
    if (s == Ite::kReading)
        return "read";
    if (s == Ite::kWriting)
        return "write";
    return nullptr;
}
} // namespace

std::string IteDateTime() {
    return ShortDateText() + " " + LongTimeText();
}

IteEngine::IteEngine(std::shared_ptr<FtdiApi> api, ItePort& port) : s_(std::move(api), port) {
    port.SetGaugeMax(IteGauge::Blocks, Ite::kReadBlocks);
    port.SetGaugeMax(IteGauge::Speed, Ite::kSpeedGaugeMax);
}

IteEngine::~IteEngine() {
    s_.link.Cancel();
    worker_.Join();
}

bool IteEngine::Begin(const char* state) {
    if (!s_.state.TryBegin(state))
        return false;
    worker_.Join(); // the last operation's worker is past its last act
    s_.outcome.store(IteOutcome::None);
    s_.chipId.reset();
    s_.failedStep.clear();
    s_.fileBytes = 0;
    s_.workerCpuNanos = 0;
    s_.stopRequested.store(false);
    s_.progress.Reset();
    s_.backupPath.clear();
    s_.chipState.clear();
    const char* operation = OperationOf(state);
    s_.record.Begin(s_.safety.active && operation, Ite::kModeName, operation ? operation : "");
    return true;
}

bool IteEngine::OpenLink() {
    const int result = OpenProgrammerLink(
        s_.link, LinkVariants::Ite,
        [this](const std::string& line) { s_.port.Log(IteLanguage::English, line); },
        [this](const std::string& line) { s_.port.Log(IteLanguage::Russian, line); });
    s_.record.SetJig(s_.link.versionText);
    return result == kProgrammerAccepted;
}

void IteEngine::EnableAll(bool enabled) {
    for (const char* name : {Ite::kCheckButton, Ite::kExitButton, Ite::kWriteButton,
                             Ite::kSetupButton, Ite::kReadButton})
        s_.port.EnableControl(name, enabled);
}

void IteEngine::EndInHandler(IteOutcome outcome, bool finish) {
    if (finish)
        IteBus(s_.link).Finish(false, s_.bounds.command);
    s_.link.Close();
    s_.output.Abandon(); // nothing was written to it
    s_.outcome.store(outcome);
    s_.record.End(ResultOf(outcome), outcome == IteOutcome::NoJig ? "connect" : s_.failedStep,
                  [this](const std::string& line) { s_.port.Say(line, line); });
    EnableAll(true);
    s_.state.Set(Ite::kIdle);
}

void IteEngine::StartWorker() {
    worker_.Start([this] { ReadThread_ITE(s_).Execute(); });
}

void IteEngine::CheckClick() {
    if (!Begin(Ite::kChecking))
        return;
    EnableAll(false);
    s_.port.Say("", "");
    s_.port.Say(IteTexts::kCheckConnection);
    if (!OpenLink())
        return EndInHandler(IteOutcome::NoJig, false);
    s_.port.Say(IteTexts::kProgrammerReady);
    s_.port.Say("", "");
    s_.port.Say(IteTexts::kConnectAdapter);
    StartWorker();
}

void IteEngine::ApplyClick(const IteAssignment& boxes) {
    if (!Begin(Ite::kSettingUp))
        return;
    EnableAll(false);
    s_.port.Say(IteTexts::kCurrentTime + IteDateTime());
    if (!OpenLink())
        return EndInHandler(IteOutcome::NoJig, false);
    s_.port.Say(IteTexts::kSendSettings);
    s_.assignment = boxes;
    StartWorker();
}

void IteEngine::ReadClick() {
    if (!Begin(Ite::kReading))
        return;
    // EXIT stays usable: it is how a running operation is stopped.
    for (const char* name : {Ite::kCheckButton, Ite::kWriteButton, Ite::kSetupButton})
        s_.port.EnableControl(name, false);
    s_.port.Say("", "");
    s_.port.SetGaugeColour(IteGauge::Blocks, Ite::kReadColour);
    s_.port.SetGauge(IteGauge::Blocks, 0);
    s_.port.SetGauge(IteGauge::Speed, 0);
    if (!OpenLink())
        return EndInHandler(IteOutcome::NoJig, false);
    const std::optional<std::string> name = s_.port.AskSaveFile(SaveDialog());
    if (!name) {
        s_.port.Say(IteTexts::kReadCancelled);
        s_.failedStep = "RD_DLG";
        return EndInHandler(IteOutcome::Failed, true);
    }
    if (!s_.output.Create(*name)) {
        s_.port.Say(IteTexts::kCreateFailed);
        const std::string why = *name + ": " + s_.output.Error();
        s_.port.Say(why, why);
        s_.failedStep = "RD_CRT_DLG";
        return EndInHandler(IteOutcome::Failed, true);
    }
    // Named in the journal only once it is known to be a file (the journal hashes it).
    s_.record.SetFile(*name);
    s_.fileName = *name;
    s_.port.Say(IteTexts::kCurrentTime + IteDateTime());
    s_.port.Say(IteTexts::kSaveTo + *name);
    s_.port.Say(IteTexts::kReadStart);
    StartWorker();
}

void IteEngine::WriteClick() {
    if (!Begin(Ite::kWriting))
        return;
    for (const char* name : {Ite::kCheckButton, Ite::kReadButton, Ite::kSetupButton})
        s_.port.EnableControl(name, false);
    s_.port.SetGaugeColour(IteGauge::Blocks, Ite::kWriteColour);
    s_.port.SetGauge(IteGauge::Blocks, 0);
    s_.port.Say("", "");
    if (!OpenLink())
        return EndInHandler(IteOutcome::NoJig, false);
    const std::optional<std::string> name = s_.port.AskOpenFile(OpenDialog());
    if (!name) {
        s_.port.Say(IteTexts::kWriteCancelled);
        s_.failedStep = "WR_DLG";
        return EndInHandler(IteOutcome::Failed, true);
    }
    // The whole image is judged and in memory before anything is erased: an empty, oversized
    // or unreadable file, a device or a pipe must never leave the chip blank.
    ImageToWrite loaded = LoadImageToWrite(*name, Ite::kFlashSize);
    if (!loaded.Ok()) {
        s_.port.Say(IteTexts::kOpenFailed);
        s_.port.Say(loaded.error, loaded.error);
        s_.failedStep = "WR_OPN_DLG";
        return EndInHandler(IteOutcome::Failed, true);
    }
    s_.image = std::move(loaded.bytes);
    s_.record.SetFile(*name);
    s_.fileName = *name;
    s_.port.Say(IteTexts::kCurrentTime + IteDateTime());
    s_.port.Say(IteTexts::kDataFile + *name);
    s_.port.Say(IteTexts::kWriteStart);
    StartWorker();
}

bool IteEngine::ExitClick() {
    if (!s_.state.IsNone()) {
        if (s_.port.AskYesNo(Ite::kStopQuestion))
            Stop();
        return false;
    }
    s_.port.ClearLogs();
    s_.port.SetGauge(IteGauge::Blocks, 0);
    return true;
}
