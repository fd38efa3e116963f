#include "modes/Mec16xx/Mec16xxEngine.h"

#include "link/OpenProgrammerLink.h"
#include "modes/Mec16xx/MecRegisters.h"
#include "modes/Mec16xx/MecTexts.h"
#include "modes/Mec16xx/MecWriteStart.h"
#include "modes/Mec16xx/ReadThread_MEC16.h"
#include "operation/ImageToWrite.h"
#include "port/Tr.h"

#include <optional>
#include <span>

namespace {
struct CheckRead {
    std::uint32_t address;
    const char* label;
    const char* lostLine;
    const char* step;
};
constexpr CheckRead kCheckReads[] = {
    {Mec::kRegDevice, TR_NOOP("Mec", "REG FFFD00h -> "),
     TR_NOOP("Mec", "Потеряна связь с MEC (I100)"), "I100"},
    {Mec::kRegMode, TR_NOOP("Mec", "REG FF3908h -> "),
     TR_NOOP("Mec", "Потеряна связь с MEC (I101)"), "I101"},
    {Mec::kRegAccess, TR_NOOP("Mec", "REG FF3910h -> "),
     TR_NOOP("Mec", "Потеряна связь с MEC (I102)"), "I102"},
    {Mec::kRegStatus, TR_NOOP("Mec", "REG FF390Ch -> "),
     TR_NOOP("Mec", "Потеряна связь с MEC (I103)"), "I103"},
};
} // namespace

Mec16xxEngine::Mec16xxEngine(std::shared_ptr<FtdiApi> api, OperatorPort& port)
    : s_(std::move(api), port) {
    port.SetGaugeMax(Mec::kGaugeStart);
    s_.run.SetOnEnd(
        [this](Outcome outcome, const std::string& chipState) { s_.Ended(outcome, chipState); });
}

void Mec16xxEngine::ShowOpeningNotes() {
    // The notes stand in Russian and then in English; in one language they are said once.
    const std::vector<std::string>& notes = Mec::OpeningNotes();
    const std::size_t first = CurrentLanguage() == Language::Original ? 0 : notes.size() / 2;
    for (std::size_t i = first; i < notes.size(); ++i)
        s_.port.Log(Tr("Mec", notes[i].c_str()));
}

bool Mec16xxEngine::Begin(const char* operation, bool changesChip) {
    if (!s_.run.Begin(operation, changesChip))
        return false;
    s_.jigLost = false;
    s_.image.clear();
    s_.toWrite.clear();
    if (afterErase_)
        s_.run.Progress().Erased();
    afterErase_ = false;
    s_.run.CarryBackup(carriedBackup_);
    carriedBackup_.clear();
    return true;
}

bool Mec16xxEngine::Connect() {
    const int result = OpenProgrammerLink(s_.link, LinkVariants::MecJtag,
                                          [this](const std::string& line) { s_.port.Log(line); });
    s_.run.Record().SetJig(s_.link.versionText);
    if (result == kProgrammerAccepted)
        return true;
    s_.EndEarly(Outcome::NoJig, "no programmer");
    return false;
}

bool Mec16xxEngine::OpenJtag(IdCountCheck check) {
    if (!MecOpenJtag(s_, check))
        return false;
    s_.run.Record().SetChipId(MecValueText(s_.id.data()));
    return true;
}

void Mec16xxEngine::SetIndicators(Rgb colour) {
    s_.SetIndicator(MecIndicator::Fwp, colour);
    s_.SetIndicator(MecIndicator::BootLock, colour);
}

// ---------------------------------------------------------------- check

void Mec16xxEngine::CheckClick() {
    if (!Begin("check", false))
        return;
    std::string failed;
    s_.port.SetGauge(0);
    SetIndicators(Mec::kBlack);
    s_.port.Log(Mec::TimeLine(Mec::kTimeEnglish));
    if (!Connect())
        return;
    bool chip = true;
    if (OpenJtag(IdCountCheck::Report)) {
        s_.port.Log(Tr("Mec", "ID from MEC -> ") + MecValueText(s_.id.data()));
        if (MecIdIsBlank(s_)) {
            // Its registers would read as all ones too, and look like protection bits.
            s_.port.Log(Tr("Mec", kMecNoChipLine));
            failed = "no chip";
            chip = false;
        }
    } else {
        failed = s_.run.FailedStep();
    }

    // With the status register lost the buffer holds no status: the indicators stay black.
    std::optional<std::uint8_t> status;
    for (const CheckRead& r : chip ? std::span(kCheckReads) : std::span<const CheckRead>()) {
        const std::string value = MecRegRead(s_, r.address);
        if (value == Mec::kRegLost) {
            s_.port.Log(Tr("Mec", r.lostLine));
            if (failed.empty())
                failed = r.step;
            continue;
        }
        s_.port.Log(Tr("Mec", r.label) + value);
        if (r.address == Mec::kRegStatus)
            status = s_.reply.At(3);
    }
    if (status && MecShowProtection(s_, *status, ProtectionTexts::Check) && failed.empty())
        failed = (*status & Mec::kStatusFwp) ? "FWP" : "Boot_Lock";

    MecResultSignal(s_, failed.empty() ? "OK" : "ERROR");
    MecReleaseJtag(s_);
    s_.port.Log(Tr("Mec", "Close VCOM port"));
    s_.link.Close();
    s_.port.Log(Mec::TimeLine(Mec::kTimeEnglish));
    s_.port.Log("");
    s_.EndEarly(failed.empty() ? Outcome::Succeeded : Outcome::Failed, failed);
}

// ---------------------------------------------------------------- read

void Mec16xxEngine::ReadClick(bool alsoInfo) {
    Read("", alsoInfo);
}

void Mec16xxEngine::ReadFile(const std::string& file, bool alsoInfo) {
    Read(file, alsoInfo);
}

void Mec16xxEngine::Read(const std::string& file, bool alsoInfo) {
    if (!Begin("read", false))
        return;
    s_.port.SetGaugeColour(Mec::kLime);
    s_.port.SetGauge(0);
    s_.port.SetGaugeMax(Mec::kMainReadBlocks);
    if (!Connect())
        return;

    std::optional<std::string> name = file;
    if (file.empty())
        name = s_.port.AskSaveFile({Tr("Mec", "Укажите имя файла для сохранения."),
                                    Tr("Mec", "BIN файл MEC16 (*.bin)|*.bin"), ".bin", "Noname",
                                    true});
    if (!name) {
        s_.port.Log(Tr("Mec", "User break"));
        MecResultSignal(s_, "ERROR");
        s_.port.Log(Tr("Mec", "Close VCOM port"));
        s_.link.Close();
        return s_.EndEarly(Outcome::Failed, "User break");
    }
    s_.run.Record().SetFile(*name);
    // The dump goes into a new file beside the named one; only a whole read puts it in place.
    if (!s_.run.CreateOutput(*name)) {
        s_.port.Log(Tr("Mec", "Error create file"));
        MecResultSignal(s_, "ERROR");
        s_.port.Log(Tr("Mec", "Close VCOM port"));
        s_.link.Close();
        return s_.EndEarly(Outcome::NoFile, "Error create file");
    }
    s_.port.Log(Mec::TimeLine(Mec::kTimeEnglish));
    s_.port.Log(Tr("Mec", "Write to file: "));
    s_.port.Log(*name);
    s_.blockMode = alsoInfo ? Mec::kMainAndInfo : Mec::kMainOnly;
    s_.port.Log(alsoInfo ? Tr("Mec", "Read FLASH and INFO to file")
                         : Tr("Mec", "Read only FLASH to file"));
    s_.port.Log(Tr("Mec", "Read FLASH MEC ..."));

    if (!OpenJtag(IdCountCheck::Silent))
        return FailReadStart(s_.run.FailedStep());
    s_.lastResult = MecValueText(s_.id.data());
    s_.port.Log(Tr("Mec", "ID from MEC -> ") + s_.lastResult);
    if (MecIdIsBlank(s_)) {
        s_.port.Log(Tr("Mec", "Invalid ID. Read break!"));
        return FailReadStart("Invalid ID");
    }
    if (!PrepareRegister(Mec::kRegAccess, 1, TR_NOOP("Mec", "Write to reg FF3910h 1"),
                         TR_NOOP("Mec", "Потеряна связь с MEC (R100)")))
        return FailReadStart("R100");
    if (!PrepareRegister(Mec::kRegMode, Mec::kModeRead, TR_NOOP("Mec", "Write to reg FF3908h 105h"),
                         TR_NOOP("Mec", "Потеряна связь с MEC (R101)")))
        return FailReadStart("R101");

    s_.blockCounter = 1;
    // The start goes out before the worker exists, so the link has one user at a time.
    MecStartRead(s_, Mec::kMainAddress);
    s_.run.StartWorker(Activity::Reading, [this] { return ReadThread_MEC16(s_).Read(); });
}

bool Mec16xxEngine::PrepareRegister(std::uint32_t address, std::uint32_t value, const char* line,
                                    const char* lostLine) {
    const bool took = MecRegWrite(s_, address, value) != Mec::kRegLost;
    s_.port.Log(Tr("Mec", took ? line : lostLine));
    return took;
}

// Nothing was received: no file is left, and one already under the name stays as it was.
void Mec16xxEngine::FailReadStart(const std::string& step) {
    s_.Fail(step); // before the signal and the release, which may find the JIG silent
    MecResultSignal(s_, "ERROR");
    MecReleaseJtag(s_);
    s_.port.Log(Tr("Mec", "Close VCOM port"));
    s_.link.Close();
    s_.port.Log(Mec::TimeLine(Mec::kTimeEnglish));
    s_.port.Log("");
    s_.EndEarly(Outcome::Failed, step);
}

// ---------------------------------------------------------------- erase

void Mec16xxEngine::EraseClick(bool alsoInfo) {
    if (!Begin("erase", true))
        return;
    // Nothing here writes INFO back: it goes only when the technician says so.
    if (alsoInfo && !s_.port.AskYesNo(Tr("Mec", Mec::kEraseInfoQuestion))) {
        s_.port.Log(Tr("Mec", "INFO is not erased: the erase was not confirmed."));
        return s_.EndEarly(Outcome::Failed, "INFO erase not confirmed");
    }
    s_.port.SetGauge(0);
    SetIndicators(Mec::kBlack);
    s_.port.Log(Mec::TimeLine(Mec::kTimeRussian));
    if (!Connect())
        return;
    s_.eraseInfo = alsoInfo;
    // The chip takes its time: the busy poll runs on the worker, not on the window's thread.
    s_.run.StartWorker(Activity::Erasing, [this] { return ReadThread_MEC16(s_).Erase(); });
}

// ---------------------------------------------------------------- write

void Mec16xxEngine::WriteClick() {
    Write("");
}

void Mec16xxEngine::WriteFile(const std::string& file) {
    Write(file);
}

void Mec16xxEngine::Write(const std::string& file) {
    if (!Begin("write", true))
        return;
    s_.port.SetGaugeColour(Mec::kRed);
    s_.port.SetGauge(0);
    s_.port.SetGaugeMax(Mec::kWriteBlocks);
    SetIndicators(Mec::kBlack);
    if (!Connect())
        return;

    std::optional<std::string> name = file;
    if (file.empty())
        name = s_.port.AskOpenFile({Tr("Mec", "Укажите файл за заливки."),
                                    Tr("Mec", "BIN файл MEC16 (*.bin)|*.bin|Другие|*.*"), "", "",
                                    false});
    if (!name) {
        s_.port.Log(Tr("Mec", "Операция записи прервана"));
        MecResultSignal(s_, "ERROR");
        s_.port.Log(Tr("Mec", "Закрыли VCOM порт"));
        s_.link.Close();
        return s_.EndEarly(Outcome::Failed, "Операция записи прервана");
    }
    if (!LoadImage(*name))
        return;
    s_.port.Log(Mec::TimeLine(Mec::kTimeRussian));
    s_.port.Log(Tr("Mec", "Записываем в файл: "));
    s_.port.Log(*name);
    s_.port.Log(Tr("Mec", "Выбрана запись только MAIN блока"));
    s_.blockMode = Mec::kMainOnly;
    s_.port.Log(Tr("Mec", "Начали запись MEC16 main block ..."));

    // The JTAG opening, the protection check, the backup and the stream all run on the
    // worker: every way they end says where the chip stands.
    s_.run.StartWorker(Activity::Writing, [this] { return ReadThread_MEC16(s_).Write(); });
}

// MAIN, or MAIN followed by INFO as a read with INFO saves it; refused before anything goes
// towards the chip.
bool Mec16xxEngine::LoadImage(const std::string& name) {
    ImageToWrite image = LoadImageToWrite(name, Mec::kMainBytes, Mec::kMainBytes + Mec::kInfoBytes);
    s_.run.SetFile(name, 0); // the figures count what the stream sends
    if (image.Ok()) {
        s_.toWrite = std::move(image.bytes);
        s_.toWrite.resize(Mec::kMainBytes);
        s_.toWriteFileBytes = image.fileSize;
        return true;
    }
    s_.port.Log(Tr("Mec", "Ошибка открытия файла"));
    s_.port.Log(image.error);
    MecResultSignal(s_, "ERROR");
    s_.port.Log(Tr("Mec", "Закрыли VCOM порт"));
    s_.link.Close();
    s_.EndEarly(image.Refusal(), "Ошибка открытия файла");
    return false;
}

// ---------------------------------------------------------------- the other buttons

bool Mec16xxEngine::StopExitClick() {
    if (s_.run.Idle())
        return true;
    Stop();
    return false;
}

void Mec16xxEngine::HelpClick() {
    if (!s_.run.Idle())
        return;
    for (const std::string& line : Mec::HelpLines())
        s_.port.Log(Tr("Mec", line.c_str()));
}
