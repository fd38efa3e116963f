#include "modes/Npce/NpceEngine.h"

#include "link/OpenProgrammerLink.h"
#include "modes/Npce/ReadThread_NPCE.h"
#include "operation/ImageToWrite.h"

#include <algorithm>
#include <cstdio>

namespace {
std::string HexBytes(const std::uint8_t* bytes, std::size_t count) {
    std::string text;
    char pair[4];
    for (std::size_t i = 0; i < count; ++i) {
        std::snprintf(pair, sizeof pair, "%02X", static_cast<unsigned>(bytes[i]));
        text += pair;
    }
    return text;
}
} // namespace

NpceEngine::NpceEngine(std::shared_ptr<FtdiApi> api, OperatorPort& port)
    : s_(std::move(api), port) {
    port.SetGaugeMax(Npce::kGaugeMax);
}

NpceEngine::~NpceEngine() {
    s_.link.Cancel();
    worker_.Join();
}

void NpceEngine::Fail(NpceOutcome outcome, const std::string& step) {
    s_.link.Close();
    s_.SetFailedStep(step);
    s_.outcome.store(outcome);
    s_.record.End(ResultOf(outcome), step, [this](const std::string& line) { s_.port.Log(line); });
}

// The flash answers its ID; the JIG then signals the result either way.
bool NpceEngine::IdentifyFlash() {
    s_.link.Send(s_.link.ModeFrame(Npce::kPcb3Prefix, {'Z'}));
    const NpceAnswer id = AwaitAnswer(s_.link, 4, s_.bounds.commandReply);
    const std::uint8_t* b = s_.link.Buffer();
    if (id.Ok() && std::equal(b, b + 3, Npce::kFlashId)) {
        s_.port.Log("Communication with NPCE installed.");
        s_.port.Log("ID FLASH EFh 4012h ");
        s_.record.SetChipId(Npce::kFlashIdText);
        std::string failure;
        if (SendResultSignal(s_.link, 'I', true, s_.bounds.commandReply, &failure))
            return true;
        s_.port.Log(failure);
        Fail(NpceOutcome::Failed, "answer to the success signal");
        return false;
    }
    s_.port.Log("No connection to the NPCE! reading ID -> " +
                HexBytes(b, std::min<std::size_t>(id.count, 3)));
    s_.port.Log("Check soldering NPCE or chip damaged.");
    if (!id.Ok())
        s_.port.Log(WaitLine(id, "flash ID"));
    std::string failure;
    if (!SendResultSignal(s_.link, 'O', !id.Lost(), s_.bounds.commandReply, &failure))
        s_.port.Log(failure);
    Fail(NpceOutcome::Failed, "flash ID");
    return false;
}

// A new operation: the last one's worker is past its last act, its figures are cleared.
void NpceEngine::Reset(const char* operation) {
    worker_.Join();
    s_.outcome.store(NpceOutcome::None);
    s_.stopRequested.store(false);
    s_.progress.Reset();
    s_.SetFailedStep("");
    s_.fileBytes = 0;
    s_.backupPath.clear();
    s_.chipState.clear();
    s_.record.Begin(s_.safety.active, Npce::kModeName, operation);
}

// Empty line, connect, identify: true when the flash answered and the link is open.
bool NpceEngine::Connect() {
    s_.port.Log("");
    const int result = OpenProgrammerLink(s_.link, LinkVariants::NuvotonSpi,
                                          [this](const std::string& line) { s_.port.Log(line); });
    s_.record.SetJig(s_.link.versionText);
    if (result != kProgrammerAccepted) {
        Fail(NpceOutcome::NoJig, "connect");
        return false;
    }
    return IdentifyFlash();
}

void NpceEngine::StartWorker() {
    worker_.Start([this] {
        ReadThread_NPCE(s_).Execute();
        if (onEnd_)
            onEnd_(s_.chipState);
    });
}

void NpceEngine::ReadClick() {
    if (!s_.state.IsNone())
        return;
    Reset("read");
    if (!Connect())
        return;
    const std::optional<std::string> name =
        s_.port.AskSaveFile({"Save file", "BIN file NPCE (*.bin)|*.bin", ".bin", "NPCE_", true});
    if (!name) {
        s_.port.Log("Write to file is interrupted.");
        return Fail(NpceOutcome::Failed, "file dialog");
    }
    // The dump goes into a new file beside the chosen one; the worker puts it in place.
    if (!s_.output.Create(*name)) {
        s_.port.ShowMessage(MessageIcon::Error, "Ошибка создания файла.");
        s_.port.Log(*name + ": " + s_.output.Error());
        return Fail(NpceOutcome::Failed, "file creation");
    }
    s_.fileName = *name;
    s_.port.Log("Save the file: ");
    s_.port.Log(*name);
    s_.port.SetGaugeColour(Npce::kReadColour);
    s_.port.SetGauge(0);
    s_.port.Log("Reading ...");
    s_.port.EnableControl(Npce::kWriteButton, false);
    s_.port.EnableControl(Npce::kExitButton, false);
    s_.port.Log(Npce::TimeLine());

    s_.blockCounter = 1;
    s_.state.Set("Reading_NPCE");
    StartWorker(); // it sends the stream start: from here on the link is the worker's
}

void NpceEngine::WriteClick() {
    if (!s_.state.IsNone())
        return;
    Reset("write");
    if (!Connect())
        return;
    const std::optional<std::string> name =
        s_.port.AskOpenFile({"Read file", "BIN file NPCE (*.bin)|*.bin|other|*.*", "", "", false});
    if (!name) {
        s_.port.Log("Write operation is interrupted.");
        return Fail(NpceOutcome::Failed, "file dialog");
    }
    if (TakeImage(*name))
        StartWrite();
}

void NpceEngine::WriteFile(const std::string& file) {
    if (!s_.state.IsNone())
        return;
    Reset("write");
    if (TakeImage(file) && Connect())
        StartWrite();
}

// The whole image, judged before anything is erased: an empty file, one larger than the flash,
// or anything but a regular file is refused.
bool NpceEngine::TakeImage(const std::string& file) {
    s_.record.SetFile(file);
    ImageToWrite image = LoadImageToWrite(file, Npce::kFlashSize);
    if (!image.Ok()) {
        s_.port.ShowMessage(MessageIcon::Error, "Ошибка открытия файла.");
        s_.port.Log(image.error);
        Fail(NpceOutcome::Failed, "file opening");
        return false;
    }
    s_.image = std::move(image.bytes);
    s_.fileBytes = image.fileSize;
    s_.fileName = file;
    return true;
}

void NpceEngine::StartWrite() {
    s_.port.Log("Write to NPCE file:");
    s_.port.Log(s_.fileName);
    s_.port.SetGaugeColour(Npce::kWriteColour);
    s_.port.SetGauge(0);
    s_.port.Log(Npce::TimeLine());
    if (!s_.safety.backup) // else the worker says it once the backup is saved
        s_.port.Log("Erase ...");
    s_.port.EnableControl(Npce::kReadButton, false);
    s_.port.EnableControl(Npce::kExitButton, false);

    // The erase takes the chip's time: the worker runs it, so the window stays responsive.
    s_.blockCounter = 1;
    s_.state.Set("Write_NPCE");
    StartWorker();
}
