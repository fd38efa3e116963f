#include "modes/Kb901x_form/Kb901xEngine.h"

#include "port/EightBitText.h"

#include "link/CommonCommands.h"
#include "link/OpenProgrammerLink.h"
#include "modes/Kb901x_form/FfcRouting.h"
#include "modes/Kb901x_form/ReadThread_KB90.h"
#include "operation/ImageToWrite.h"
#include "port/RegularFile.h"
#include "port/TimeText.h"

Kb901xEngine::Kb901xEngine(std::shared_ptr<FtdiApi> api, OperatorPort& port)
    : s_(std::move(api), port) {
    port.SetGaugeMax(Kb90::kGaugeMax);
}

Kb901xEngine::~Kb901xEngine() {
    s_.link.Cancel();
    worker_.Join();
}

bool Kb901xEngine::OpenLink() {
    const int result = OpenProgrammerLink(s_.link, LinkVariants::EneKb90xx,
                                          [this](const std::string& line) { s_.port.Log(line); });
    s_.record.SetJig(s_.link.versionText);
    if (result == kProgrammerAccepted)
        return true;
    Fail(Kb90Outcome::NoJig, "connect");
    return false;
}

void Kb901xEngine::Begin(const char* operation) {
    worker_.Join(); // the last operation's worker is past its last act
    s_.outcome.store(Kb90Outcome::None);
    s_.fileBytes = 0;
    s_.failedStep.clear();
    s_.progress.Reset();
    s_.writing = false;
    s_.backupPath.clear();
    s_.record.Begin(s_.safety.active, Kb90::kModeName, operation);
}

std::string Kb901xEngine::ChipState() const {
    const Kb90Outcome outcome = s_.outcome.load();
    if (!s_.writing || !s_.state.IsNone() ||
        (outcome != Kb90Outcome::Failed && outcome != Kb90Outcome::Stopped))
        return "";
    return s_.progress.Line(s_.backupPath);
}

void Kb901xEngine::Fail(Kb90Outcome outcome, const std::string& step) {
    s_.link.Close();
    s_.stopRequested.store(false); // a stop asked for before the end is spent with it
    s_.outcome.store(outcome);
    s_.failedStep = step;
    s_.record.End(ResultOf(outcome), step, [this](const std::string& line) { s_.port.Log(line); });
}

// A reply that does not come ends the step like a lost communication, before any control was
// disabled or the state changed.
bool Kb901xEngine::AwaitCommandReply(const char* lostLine, const std::string& step) {
    const ReplyResult r = s_.link.AwaitReply(1, s_.bounds.commandReply);
    if (r.Ok())
        return true;
    if (lostLine)
        s_.port.Log(lostLine);
    s_.port.Log(WaitFailureLine(r.outcome, step));
    s_.link.Send({'O'});
    Fail(Kb90Outcome::Failed, step);
    return false;
}

bool Kb901xEngine::PreparePcb3(const char* lostLine) {
    if (!s_.link.IsPcb3() || s_.ffcSettings.load())
        return true;
    s_.port.Log("-->");
    s_.port.Log("WARNING !!! The default mode for SOLDERING WIRES.");
    s_.port.Log("To work on a flexible cable (FFC) - select the MB and FFC!");
    s_.link.Send(CommonCommandFrame("RESET_ALTERA"));
    return AwaitCommandReply(lostLine, "answer to RESET_ALTERA");
}

bool Kb901xEngine::CheckEcConnection() {
    s_.link.Send(s_.link.ModeFrame(Kb90::kPcb3Prefix, {'V'}));
    const std::optional<std::uint8_t> id = s_.link.CountedRead(1);
    if (id && *id != 0xFF) {
        s_.port.Log("Communication with KB90XX installed.");
        s_.port.Log("Embedded Debug Version ID = " + std::to_string(*id));
        return true;
    }
    s_.port.Log("");
    s_.port.Log("No connection to the KB90XX!");
    s_.port.Log("Check the settings !");
    s_.port.Log("Motherboard is connected / powered ?");
    s_.link.Send({'O'});
    Fail(Kb90Outcome::Failed, "EC connection");
    return false;
}

void Kb901xEngine::StartWorker() {
    worker_.Start([this] { ReadThread_KB90(s_).Execute(); });
}

void Kb901xEngine::ReadClick() {
    if (!s_.state.IsNone())
        return;
    Begin("read");
    if (!OpenLink() || !PreparePcb3(Kb90::kReadLost) || !CheckEcConnection())
        return;
    if (s_.link.IsPcb3()) {
        s_.link.Send({'I'});
        if (!AwaitCommandReply(Kb90::kReadLost, "answer to the success signal"))
            return;
    }
    const std::optional<std::string> name =
        s_.port.AskSaveFile({"Save file", "BIN file KB90XX (*.bin)|*.bin", ".bin", "Noname", true});
    if (!name) {
        s_.port.Log("Write to file is interrupted.");
        s_.port.Log("");
        return Fail(Kb90Outcome::Failed, "file dialog");
    }
    s_.record.SetFile(*name);
    if (!s_.out.Create(*name)) {
        s_.port.Log(FileProblemLine(*name, s_.out.Error()));
        s_.port.ShowMessage(MessageIcon::Error, "Ошибка создания файла.");
        return Fail(Kb90Outcome::Failed, "file creation");
    }
    s_.fileName = *name;
    s_.port.Log("Save the file: ");
    s_.port.Log(*name);
    s_.port.SetGaugeColour(Kb90::kReadColour);
    s_.port.SetGauge(0);
    s_.port.Log("Reading KB90XX ...");
    s_.port.EnableControl(Kb90::kWriteButton, false);
    s_.port.EnableControl(Kb90::kExitButton, false);
    s_.port.Log(CurrentTimeLine());

    s_.blockCounter = 1;
    s_.state.Set("Reading");
    // The start command goes out before the worker exists, so the link has one user at a time.
    s_.link.Send(s_.link.ModeFrame(Kb90::kPcb3Prefix, {'R'}));
    StartWorker();
}

void Kb901xEngine::WriteClick() {
    if (!s_.state.IsNone())
        return;
    Begin("write");
    s_.writing = true;
    if (!OpenLink() || !PreparePcb3(Kb90::kWriteLost) || !CheckEcConnection())
        return;
    const std::optional<std::string> name = s_.port.AskOpenFile(
        {"Read file", "BIN file KB90XX (*.bin)|*.bin|other|*.*", "", "", false});
    if (!name) {
        s_.port.Log("Write operation is interrupted.");
        return Fail(Kb90Outcome::Failed, "file dialog");
    }
    s_.record.SetFile(*name);
    if (!LoadImage(*name))
        return Fail(Kb90Outcome::Failed, "file opening");
    s_.fileName = *name;
    s_.port.Log("Write in KB90XX file:");
    s_.port.Log(*name);
    s_.port.SetGaugeColour(Kb90::kWriteColour);
    s_.port.SetGauge(0);
    s_.port.Log("There is a writing KB90XX...");
    s_.port.EnableControl(Kb90::kReadButton, false);
    s_.port.EnableControl(Kb90::kExitButton, false);
    s_.port.Log(CurrentTimeLine());

    s_.fileSum = 0;
    s_.fileCrc = 0;
    s_.blockCounter = 1;
    s_.state.Set("Writing");
    // With a backup to take first, the worker sends the write command once the chip is saved.
    if (!s_.safety.backup) {
        s_.record.Started([this](const std::string& line) { s_.port.Log(line); });
        s_.progress.Erasing(); // the JIG erases the whole flash on 'W'
        s_.link.Send(s_.link.ModeFrame(Kb90::kPcb3Prefix, {'W'}));
    }
    StartWorker();
}

// The whole image, judged before anything reaches the chip: a file the flash cannot hold, an
// empty one or anything but a regular file is refused.
bool Kb901xEngine::LoadImage(const std::string& name) {
    ImageToWrite loaded = LoadImageToWrite(name, Kb90::kFlashSize);
    if (!loaded.Ok()) {
        s_.port.Log(loaded.error);
        s_.port.ShowMessage(MessageIcon::Error, "Error open file!");
        return false;
    }
    s_.image = std::move(loaded.bytes);
    s_.imageFileSize = loaded.fileSize;
    return true;
}

void Kb901xEngine::ApplyFfcSettings(const std::optional<std::string>& entry,
                                    const std::optional<std::string>& cableItem, bool oneToOne) {
    if (!s_.state.IsNone())
        return;
    s_.ffcSettings.store(false);
    s_.outcome.store(Kb90Outcome::Failed);
    if (!entry) {
        s_.port.Log("Please select MB!");
        return;
    }
    if (!cableItem) {
        s_.port.Log("Select FFC cable you used!");
        return;
    }
    if (entry->find("KS") == std::string::npos) {
        s_.port.Log("Please select MB!");
        return;
    }
    // An entry whose keys cannot be read must not be routed with another board's pins.
    const std::optional<EnePins> pins = ParseEnePins(*entry);
    if (!pins) {
        s_.port.Log(kHelpFormatError);
        return;
    }
    const int n = CablePinCount(*cableItem);
    if (!PinsFitCable(*pins, n)) {
        s_.port.Log(kHelpBigPins);
        return;
    }
    s_.port.Log("");
    s_.port.Log("User select --> " + EightBitToUtf8(*entry) + " (" + std::to_string(n) +
                " pin FFC)" + (oneToOne ? " 1 to 1 " : " mirrored"));
    const EnePins cable = CablePins(*pins, n, oneToOne);

    worker_.Join();
    if (!OpenLink())
        return;
    if (!s_.link.IsPcb3()) {
        s_.port.Log("Not for this version JIG!");
        return Fail(Kb90Outcome::Failed, "board");
    }
    s_.link.Send(CommonCommandFrame("RESET_ALTERA"));
    if (!AwaitCommandReply(nullptr, "answer to RESET_ALTERA"))
        return;
    for (const CpldRegisterWrite& w : CpldRoutingWrites(ComputeCpldRouting(cable))) {
        const std::uint8_t args[2] = {w.reg, w.value};
        s_.link.Send(CommonCommandFrame("WR_ALTERA_REG", args));
        if (!AwaitCommandReply(nullptr, "answer to WR_ALTERA_REG " + std::to_string(w.reg)))
            return;
    }
    s_.link.Send({'I'});
    s_.port.Log("Settings sent successfully!");
    s_.port.Log("Check GND. Connect the motherboard power adapter.");
    s_.port.Log("We are ready for reading or writing");
    s_.link.Close();
    s_.ffcSettings.store(true);
    s_.outcome.store(Kb90Outcome::Succeeded);
}

bool Kb901xEngine::ExitClick() {
    if (!s_.state.IsNone())
        return false;
    s_.ffcSettings.store(false);
    s_.port.ClearLog();
    return true;
}
