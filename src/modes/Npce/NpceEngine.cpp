#include "modes/Npce/NpceEngine.h"

#include "link/OpenProgrammerLink.h"
#include "modes/Npce/ReadThread_NPCE.h"
#include "operation/ImageToWrite.h"
#include "port/Tr.h"

#include <algorithm>
#include <cstdio>

namespace {
std::string HexBytes(const std::vector<std::uint8_t>& bytes, std::size_t count) {
    std::string text;
    char pair[4];
    for (std::size_t i = 0; i < std::min(count, bytes.size()); ++i) {
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

// The flash answers its ID; the JIG then signals the result either way.
bool NpceEngine::IdentifyFlash() {
    s_.link.Send(s_.link.ModeFrame(Npce::kPcb3Prefix, {'Z'}));
    const Reply id = s_.link.Expect(4, s_.bounds.commandReply, Tr("Npce", "flash ID"));
    if (id.Ok() && std::equal(id.bytes.begin(), id.bytes.begin() + 3, Npce::kFlashId)) {
        s_.port.Log(Tr("Npce", "Communication with NPCE installed."));
        s_.port.Log(Tr("Npce", "ID FLASH EFh 4012h "));
        s_.run.Record().SetChipId(Npce::kFlashIdText);
        std::string failure;
        if (SendResultSignal(s_.link, 'I', true, s_.bounds.commandReply, &failure))
            return true;
        s_.port.Log(failure);
        s_.run.EndEarly(Outcome::Failed, "answer to the success signal");
        return false;
    }
    s_.port.Log(Tr("Npce", "No connection to the NPCE! reading ID -> ") + HexBytes(id.bytes, 3));
    s_.port.Log(Tr("Npce", "Check soldering NPCE or chip damaged."));
    if (!id.Ok())
        s_.port.Log(id.FailureLine());
    std::string failure;
    if (!SendResultSignal(s_.link, 'O', !id.Lost(), s_.bounds.commandReply, &failure))
        s_.port.Log(failure);
    s_.run.EndEarly(Outcome::Failed, "flash ID");
    return false;
}

// Empty line, connect, identify: true when the flash answered and the link is open.
bool NpceEngine::Connect() {
    s_.port.Log("");
    const int result = OpenProgrammerLink(s_.link, LinkVariants::NuvotonSpi,
                                          [this](const std::string& line) { s_.port.Log(line); });
    s_.run.Record().SetJig(s_.link.versionText);
    if (result != kProgrammerAccepted) {
        s_.run.EndEarly(Outcome::NoJig, "connect");
        return false;
    }
    return IdentifyFlash();
}

void NpceEngine::ReadClick() {
    Read("");
}

void NpceEngine::ReadFile(const std::string& file) {
    Read(file);
}

void NpceEngine::Read(const std::string& file) {
    if (!s_.run.Begin("read", false) || !Connect())
        return;
    std::optional<std::string> name = file;
    if (file.empty())
        name =
            s_.port.AskSaveFile({Tr("Npce", "Save file"), Tr("Npce", "BIN file NPCE (*.bin)|*.bin"),
                                 ".bin", "NPCE_", true});
    if (!name) {
        s_.port.Log(Tr("Npce", "Write to file is interrupted."));
        return s_.run.EndEarly(Outcome::Failed, "file dialog");
    }
    // The dump goes into a new file beside the chosen one; the worker puts it in place.
    if (!s_.run.CreateOutput(*name)) {
        s_.port.ShowMessage(MessageIcon::Error, Tr("Npce", "Ошибка создания файла."));
        return s_.run.EndEarly(Outcome::NoFile, "file creation");
    }
    s_.port.Log(Tr("Npce", "Save the file: "));
    s_.port.Log(*name);
    s_.port.SetGaugeColour(Npce::kReadColour);
    s_.port.SetGauge(0);
    s_.port.Log(Tr("Npce", "Reading ..."));
    s_.port.EnableControl(Npce::kWriteButton, false);
    s_.port.EnableControl(Npce::kExitButton, false);
    s_.port.Log(Npce::TimeLine());
    // It sends the stream start: from here on the link is the worker's.
    s_.run.StartWorker(Activity::Reading, [this] { return ReadThread_NPCE(s_).Read(); });
}

void NpceEngine::WriteClick() {
    if (!s_.run.Begin("write", true) || !Connect())
        return;
    const std::optional<std::string> name =
        s_.port.AskOpenFile({Tr("Npce", "Read file"),
                             Tr("Npce", "BIN file NPCE (*.bin)|*.bin|other|*.*"), "", "", false});
    if (!name) {
        s_.port.Log(Tr("Npce", "Write operation is interrupted."));
        return s_.run.EndEarly(Outcome::Failed, "file dialog");
    }
    if (TakeImage(*name))
        StartWrite();
}

void NpceEngine::WriteFile(const std::string& file) {
    if (s_.run.Begin("write", true) && TakeImage(file) && Connect())
        StartWrite();
}

// The whole image, judged before anything is erased: an empty file, one larger than the flash,
// or anything but a regular file is refused.
bool NpceEngine::TakeImage(const std::string& file) {
    ImageToWrite image = LoadImageToWrite(file, Npce::kFlashSize);
    s_.run.SetFile(file, image.fileSize);
    if (!image.Ok()) {
        s_.port.ShowMessage(MessageIcon::Error, Tr("Npce", "Ошибка открытия файла."));
        s_.port.Log(image.error);
        s_.run.EndEarly(image.Refusal(), "file opening");
        return false;
    }
    s_.image = std::move(image.bytes);
    return true;
}

void NpceEngine::StartWrite() {
    s_.port.Log(Tr("Npce", "Write to NPCE file:"));
    s_.port.Log(s_.run.FileName());
    s_.port.SetGaugeColour(Npce::kWriteColour);
    s_.port.SetGauge(0);
    s_.port.Log(Npce::TimeLine());
    if (!s_.run.Safety().backup) // else the worker says it once the backup is saved
        s_.port.Log(Tr("Npce", "Erase ..."));
    s_.port.EnableControl(Npce::kReadButton, false);
    s_.port.EnableControl(Npce::kExitButton, false);
    // The erase takes the chip's time: the worker runs it, so the window stays responsive.
    s_.run.StartWorker(Activity::Writing, [this] { return ReadThread_NPCE(s_).Write(); });
}
