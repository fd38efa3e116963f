#include "modes/Ite/IteEngine.h"

#include "link/OpenProgrammerLink.h"
#include "modes/Ite/IteBus.h"
#include "modes/Ite/ReadThread_ITE.h"
#include "operation/ImageToWrite.h"
#include "port/TimeText.h"
#include "port/Tr.h"

#include <algorithm>

namespace {
FileDialogSpec SaveDialog() {
    return {Tr("Ite", "Save data to a file"), Tr("Ite", "BIN file (*.bin)|*.bin"), ".bin", "ITE_",
            true};
}

FileDialogSpec OpenDialog() {
    return {Tr("Ite", "Read data from a file"), Tr("Ite", "BIN file  (*.bin)|*.bin|Другие|*.*"), "",
            "", false};
}

} // namespace

std::string IteDateTime() {
    return ShortDateText() + " " + LongTimeText();
}

const char* IteStateName(Activity activity) {
    switch (activity) {
    case Activity::Checking:
        return Ite::kChecking;
    case Activity::Sending:
        return Ite::kSettingUp;
    case Activity::Writing:
        return Ite::kWriting;
    default:
        return Ite::kReading;
    }
}

IteEngine::IteEngine(std::shared_ptr<FtdiApi> api, ItePort& port) : s_(std::move(api), port) {
    port.SetGaugeMax(IteGauge::Blocks, Ite::kReadBlocks);
    port.SetGaugeMax(IteGauge::Speed, Ite::kSpeedGaugeMax);
    // The technician must see where the chip stands after a write that did not succeed.
    s_.run.SetOnEnd([this](Outcome, const std::string& chipState) {
        if (!chipState.empty())
            s_.port.ShowMessage(MessageIcon::Error, chipState);
    });
}

bool IteEngine::Begin(const char* operation, bool changesChip) {
    if (!s_.run.Begin(operation, changesChip))
        return false;
    s_.chipId.reset();
    return true;
}

bool IteEngine::OpenLink() {
    const int result = OpenProgrammerLink(
        s_.link, LinkVariants::Ite,
        [this](const std::string& line) { s_.port.Log(IteLanguage::English, line); },
        [this](const std::string& line) { s_.port.Log(IteLanguage::Russian, line); });
    s_.run.Record().SetJig(s_.link.versionText);
    return result == kProgrammerAccepted;
}

void IteEngine::EnableAll(bool enabled) {
    for (const char* name : {Ite::kCheckButton, Ite::kExitButton, Ite::kWriteButton,
                             Ite::kSetupButton, Ite::kReadButton})
        s_.port.EnableControl(name, enabled);
}

void IteEngine::EndInHandler(Outcome outcome, const std::string& step, bool finish) {
    if (finish)
        IteBus(s_.link).Finish(false, s_.bounds.command);
    s_.run.EndEarly(outcome, step);
    EnableAll(true);
}

void IteEngine::CheckClick() {
    if (!Begin("check", false))
        return;
    EnableAll(false);
    s_.port.Say("", "");
    s_.port.Say(IteTexts::kCheckConnection);
    if (!OpenLink())
        return EndInHandler(Outcome::NoJig, "connect", false);
    s_.port.Say(IteTexts::kProgrammerReady);
    s_.port.Say("", "");
    s_.port.Say(IteTexts::kConnectAdapter);
    s_.run.StartWorker(Activity::Checking, [this] { return ReadThread_ITE(s_).Check(); });
}

void IteEngine::ApplyClick(const IteAssignment& boxes) {
    if (!Begin("", false)) // settings only: no journal record
        return;
    EnableAll(false);
    s_.port.Say(IteTexts::kCurrentTime + IteDateTime());
    if (!OpenLink())
        return EndInHandler(Outcome::NoJig, "connect", false);
    s_.port.Say(IteTexts::kSendSettings);
    s_.assignment = boxes;
    s_.run.StartWorker(Activity::Sending, [this] { return ReadThread_ITE(s_).Setup(); });
}

void IteEngine::ReadClick() {
    Read("");
}

void IteEngine::ReadFile(const std::string& file) {
    Read(file);
}

// A JIG told that no contact reaches the EC reads its own idle lines: a dump of nothing.
bool IteEngine::WiringReachesTheEc() {
    if (std::any_of(s_.assignment.begin(), s_.assignment.end(),
                    [](int contact) { return contact >= 1 && contact <= Ite::kContacts; }))
        return true;
    s_.port.Say(IteTexts::kNoContact);
    s_.run.EndEarly(Outcome::Failed, "no contact");
    EnableAll(true);
    return false;
}

void IteEngine::Read(const std::string& file) {
    if (!Begin("read", false) || !WiringReachesTheEc())
        return;
    // EXIT stays usable: it is how a running operation is stopped.
    for (const char* name : {Ite::kCheckButton, Ite::kWriteButton, Ite::kSetupButton})
        s_.port.EnableControl(name, false);
    s_.port.Say("", "");
    s_.port.SetGaugeColour(IteGauge::Blocks, Ite::kReadColour);
    s_.port.SetGauge(IteGauge::Blocks, 0);
    s_.port.SetGauge(IteGauge::Speed, 0);
    if (!OpenLink())
        return EndInHandler(Outcome::NoJig, "connect", false);
    const std::optional<std::string> name = file.empty() ? s_.port.AskSaveFile(SaveDialog()) : file;
    if (!name) {
        s_.port.Say(IteTexts::kReadCancelled);
        return EndInHandler(Outcome::Failed, "RD_DLG", true);
    }
    // The dump goes into a new file beside the chosen one; the runner puts it in place.
    if (!s_.run.CreateOutput(*name)) {
        s_.port.Say(IteTexts::kCreateFailed);
        return EndInHandler(Outcome::NoFile, "RD_CRT_DLG", true);
    }
    s_.port.Say(IteTexts::kCurrentTime + IteDateTime());
    s_.port.Say(IteTexts::kSaveTo + *name);
    s_.port.Say(IteTexts::kReadStart);
    s_.run.StartWorker(Activity::Reading, [this] { return ReadThread_ITE(s_).Read(); });
}

void IteEngine::WriteClick() {
    Write("");
}

void IteEngine::WriteFile(const std::string& file) {
    Write(file);
}

void IteEngine::Write(const std::string& file) {
    if (!Begin("write", true) || !WiringReachesTheEc())
        return;
    for (const char* name : {Ite::kCheckButton, Ite::kReadButton, Ite::kSetupButton})
        s_.port.EnableControl(name, false);
    s_.port.SetGaugeColour(IteGauge::Blocks, Ite::kWriteColour);
    s_.port.SetGauge(IteGauge::Blocks, 0);
    s_.port.Say("", "");
    if (!OpenLink())
        return EndInHandler(Outcome::NoJig, "connect", false);
    const std::optional<std::string> name = file.empty() ? s_.port.AskOpenFile(OpenDialog()) : file;
    if (!name) {
        s_.port.Say(IteTexts::kWriteCancelled);
        return EndInHandler(Outcome::Failed, "WR_DLG", true);
    }
    // The whole image is judged and in memory before anything is erased: an empty, oversized
    // or unreadable file, a device or a pipe must never leave the chip blank.
    ImageToWrite loaded = LoadImageToWrite(*name, Ite::kFlashSize);
    if (!loaded.Ok()) {
        s_.port.Say(IteTexts::kOpenFailed);
        s_.port.Say(loaded.error, loaded.error);
        return EndInHandler(loaded.Refusal(), "WR_OPN_DLG", true);
    }
    s_.image = std::move(loaded.bytes);
    // The figures count the blocks that went out, not the file's size.
    s_.run.SetFile(*name, 0);
    s_.port.Say(IteTexts::kCurrentTime + IteDateTime());
    s_.port.Say(IteTexts::kDataFile + *name);
    s_.port.Say(IteTexts::kWriteStart);
    s_.run.StartWorker(Activity::Writing, [this] { return ReadThread_ITE(s_).Write(); });
}

bool IteEngine::ExitClick() {
    if (!s_.run.Idle()) {
        if (s_.port.AskYesNo(Tr("Ite", Ite::kStopQuestion)))
            Stop();
        return false;
    }
    s_.port.ClearLogs();
    s_.port.SetGauge(IteGauge::Blocks, 0);
    return true;
}
