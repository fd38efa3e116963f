#include "modes/Kb901x_form/Kb901xEngine.h"

#include "port/EightBitText.h"
#include "port/TimeText.h"

#include "link/CommonCommands.h"
#include "link/OpenProgrammerLink.h"
#include "modes/Kb901x_form/FfcRouting.h"
#include "modes/Kb901x_form/ReadThread_KB90.h"
#include "operation/ImageToWrite.h"

Kb901xEngine::Kb901xEngine(std::shared_ptr<FtdiApi> api, OperatorPort& port)
    : s_(std::move(api), port) {
    port.SetGaugeMax(Kb90::kGaugeMax);
}

bool Kb901xEngine::OpenLink() {
    const int result = OpenProgrammerLink(s_.link, LinkVariants::EneKb90xx,
                                          [this](const std::string& line) { s_.port.Log(line); });
    s_.run.Record().SetJig(s_.link.versionText);
    if (result == kProgrammerAccepted)
        return true;
    s_.run.EndEarly(Outcome::NoJig, "connect");
    return false;
}

// A reply that does not come ends the step like a lost communication, before any control was
// disabled or the state changed.
bool Kb901xEngine::AwaitCommandReply(const char* lostLine, const std::string& step) {
    const Reply r = s_.link.Expect(1, s_.bounds.commandReply, step);
    if (r.Ok())
        return true;
    if (lostLine)
        s_.port.Log(lostLine);
    s_.port.Log(r.FailureLine());
    s_.link.Send({'O'});
    s_.run.EndEarly(Outcome::Failed, step);
    return false;
}

bool Kb901xEngine::PreparePcb3(const char* lostLine) {
    if (!s_.link.IsPcb3() || s_.ffcSettings.load())
        return true;
    s_.port.Log("-->");
    s_.port.Log(Tr("Ene", "WARNING !!! The default mode for SOLDERING WIRES."));
    s_.port.Log(Tr("Ene", "To work on a flexible cable (FFC) - select the MB and FFC!"));
    s_.link.Send(CommonCommandFrame("RESET_ALTERA"));
    return AwaitCommandReply(lostLine, Tr("Ene", "answer to RESET_ALTERA"));
}

// One byte within the link's read time-out; none, or FFh, is no EC.
bool Kb901xEngine::CheckEcConnection() {
    s_.link.Send(s_.link.ModeFrame(Kb90::kPcb3Prefix, {'V'}));
    const Reply id = s_.link.Expect(1, Millis(LinkVariants::EneKb90xx.readTimeoutMs),
                                    Tr("Ene", "EC connection"));
    if (id.Ok() && id.At(0) != 0xFF) {
        s_.port.Log(Tr("Ene", "Communication with KB90XX installed."));
        s_.port.Log(Tr("Ene", "Embedded Debug Version ID = ") + std::to_string(id.At(0)));
        return true;
    }
    s_.port.Log("");
    s_.port.Log(Tr("Ene", "No connection to the KB90XX!"));
    s_.port.Log(Tr("Ene", "Check the settings !"));
    s_.port.Log(Tr("Ene", "Motherboard is connected / powered ?"));
    s_.link.Send({'O'});
    s_.run.EndEarly(Outcome::Failed, "EC connection");
    return false;
}

void Kb901xEngine::ReadClick() {
    Read("");
}

void Kb901xEngine::ReadFile(const std::string& file) {
    Read(file);
}

void Kb901xEngine::Read(const std::string& file) {
    if (!s_.run.Begin("read", false))
        return;
    if (!OpenLink() || !PreparePcb3(Kb90::kReadLost) || !CheckEcConnection())
        return;
    if (s_.link.IsPcb3()) {
        s_.link.Send({'I'});
        if (!AwaitCommandReply(Kb90::kReadLost, Tr("Ene", "answer to the success signal")))
            return;
    }
    std::optional<std::string> name = file;
    if (file.empty())
        name =
            s_.port.AskSaveFile({Tr("Ene", "Save file"), Tr("Ene", "BIN file KB90XX (*.bin)|*.bin"),
                                 ".bin", "Noname", true});
    if (!name) {
        s_.port.Log(Tr("Ene", "Write to file is interrupted."));
        s_.port.Log("");
        return s_.run.EndEarly(Outcome::Failed, "file dialog");
    }
    s_.run.Record().SetFile(*name);
    // The dump goes into a new file beside the chosen one; the worker puts it in place.
    if (!s_.run.CreateOutput(*name)) {
        s_.port.ShowMessage(MessageIcon::Error, Tr("Ene", "Ошибка создания файла."));
        return s_.run.EndEarly(Outcome::NoFile, "file creation");
    }
    s_.port.Log(Tr("Ene", "Save the file: "));
    s_.port.Log(*name);
    s_.port.SetGaugeColour(Kb90::kReadColour);
    s_.port.SetGauge(0);
    s_.port.Log(Tr("Ene", "Reading KB90XX ..."));
    s_.port.EnableControl(Kb90::kWriteButton, false);
    s_.port.EnableControl(Kb90::kExitButton, false);
    s_.port.Log(CurrentTimeLine());
    // The start command goes out before the worker exists, so the link has one user at a time.
    Kb90StartStream(s_, 'R');
    s_.run.StartWorker(Activity::Reading, [this] { return ReadThread_KB90(s_).Read(); });
}

void Kb901xEngine::WriteClick() {
    if (!s_.run.Begin("write", true))
        return;
    if (!OpenLink() || !PreparePcb3(Kb90::kWriteLost) || !CheckEcConnection())
        return;
    const std::optional<std::string> name =
        s_.port.AskOpenFile({Tr("Ene", "Read file"),
                             Tr("Ene", "BIN file KB90XX (*.bin)|*.bin|other|*.*"), "", "", false});
    if (!name) {
        s_.port.Log(Tr("Ene", "Write operation is interrupted."));
        return s_.run.EndEarly(Outcome::Failed, "file dialog");
    }
    if (LoadImage(*name))
        StartWrite();
}

void Kb901xEngine::WriteFile(const std::string& file) {
    if (s_.run.Begin("write", true) && LoadImage(file) && OpenLink() &&
        PreparePcb3(Kb90::kWriteLost) && CheckEcConnection())
        StartWrite();
}

void Kb901xEngine::StartWrite() {
    s_.port.Log(Tr("Ene", "Write in KB90XX file:"));
    s_.port.Log(s_.run.FileName());
    s_.port.SetGaugeColour(Kb90::kWriteColour);
    s_.port.SetGauge(0);
    s_.port.Log(Tr("Ene", "There is a writing KB90XX..."));
    s_.port.EnableControl(Kb90::kReadButton, false);
    s_.port.EnableControl(Kb90::kExitButton, false);
    s_.port.Log(CurrentTimeLine());
    // With a backup to take first, the worker sends the write command once the chip is saved.
    if (!s_.run.Safety().backup) {
        s_.run.Record().Started([this](const std::string& line) { s_.port.Log(line); });
        s_.run.Progress().Erasing(); // the JIG erases the whole flash on 'W'
        Kb90StartStream(s_, 'W');
    }
    s_.run.StartWorker(Activity::Writing, [this] { return ReadThread_KB90(s_).Write(); });
}

// The whole image, judged before anything reaches the chip: a file the flash cannot hold, an
// empty one or anything but a regular file is refused.
bool Kb901xEngine::LoadImage(const std::string& name) {
    ImageToWrite loaded = LoadImageToWrite(name, Kb90::kFlashSize);
    // The worker counts the bytes as they go out.
    s_.run.SetFile(name, 0);
    if (!loaded.Ok()) {
        s_.port.Log(loaded.error);
        s_.port.ShowMessage(MessageIcon::Error, Tr("Ene", "Error open file!"));
        s_.run.EndEarly(loaded.Refusal(), "file opening");
        return false;
    }
    s_.image = std::move(loaded.bytes);
    s_.imageFileSize = loaded.fileSize;
    return true;
}

void Kb901xEngine::ApplyFfcSettings(const std::optional<std::string>& entry,
                                    const std::optional<std::string>& cableItem, bool oneToOne) {
    if (!s_.run.Begin("ffc", false))
        return;
    // Routing the cable is no operation on the chip: no journal record. It never reaches a
    // worker, so it ends with EndEarly on every path.
    s_.run.Record().Begin(false, Kb90::kModeName, "ffc");
    s_.ffcSettings.store(false);
    const auto refuse = [this](const char* line, const char* step) {
        s_.port.Log(Tr("Ene", line));
        s_.run.EndEarly(Outcome::Failed, step);
    };
    if (!entry)
        return refuse(TR_NOOP("Ene", "Please select MB!"), "motherboard choice");
    if (!cableItem)
        return refuse(TR_NOOP("Ene", "Select FFC cable you used!"), "cable choice");
    if (entry->find("KS") == std::string::npos)
        return refuse(TR_NOOP("Ene", "Please select MB!"), "motherboard choice");
    // An entry whose keys cannot be read must not be routed with another board's pins.
    const std::optional<EnePins> pins = ParseEnePins(*entry);
    if (!pins)
        return refuse(kHelpFormatError, "motherboard entry");
    const int n = CablePinCount(*cableItem);
    if (!PinsFitCable(*pins, n))
        return refuse(kHelpBigPins, "cable choice");
    s_.port.Log("");
    s_.port.Log(Fill(Tr("Ene", "User select --> %1 (%2 pin FFC)%3"), EightBitToUtf8(*entry),
                     std::to_string(n), oneToOne ? Tr("Ene", " 1 to 1 ") : Tr("Ene", " mirrored")));
    const EnePins cable = CablePins(*pins, n, oneToOne);

    if (!OpenLink())
        return;
    if (!s_.link.IsPcb3()) {
        s_.port.Log(Tr("Ene", "Not for this version JIG!"));
        return s_.run.EndEarly(Outcome::Failed, "board");
    }
    s_.link.Send(CommonCommandFrame("RESET_ALTERA"));
    if (!AwaitCommandReply(nullptr, Tr("Ene", "answer to RESET_ALTERA")))
        return;
    for (const CpldRegisterWrite& w : CpldRoutingWrites(ComputeCpldRouting(cable))) {
        const std::uint8_t args[2] = {w.reg, w.value};
        s_.link.Send(CommonCommandFrame("WR_ALTERA_REG", args));
        if (!AwaitCommandReply(
                nullptr, Fill(Tr("Ene", "answer to WR_ALTERA_REG %1"), std::to_string(w.reg))))
            return;
    }
    s_.link.Send({'I'});
    s_.port.Log(Tr("Ene", "Settings sent successfully!"));
    s_.port.Log(Tr("Ene", "Check GND. Connect the motherboard power adapter."));
    s_.port.Log(Tr("Ene", "We are ready for reading or writing"));
    s_.run.EndEarly(Outcome::Succeeded, "");
    s_.ffcSettings.store(true);
}

bool Kb901xEngine::ExitClick() {
    if (!s_.run.Idle())
        return false;
    s_.ffcSettings.store(false);
    s_.port.ClearLog();
    return true;
}
