#include "modes/Mec16xx/Mec16xxEngine.h"

#include "link/OpenProgrammerLink.h"
#include "modes/Mec16xx/MecRegisters.h"
#include "modes/Mec16xx/MecTexts.h"
#include "modes/Mec16xx/MecWriteStart.h"
#include "modes/Mec16xx/ReadThread_MEC16.h"
#include "operation/ImageToWrite.h"
#include "port/RegularFile.h"

#include <optional>

namespace {
struct CheckRead {
    std::uint32_t address;
    const char* label;
    const char* lostLine;
    const char* step;
};
constexpr CheckRead kCheckReads[] = {
    {Mec::kRegDevice, "REG FFFD00h -> ", "Потеряна связь с MEC (I100)", "I100"},
    {Mec::kRegMode, "REG FF3908h -> ", "Потеряна связь с MEC (I101)", "I101"},
    {Mec::kRegAccess, "REG FF3910h -> ", "Потеряна связь с MEC (I102)", "I102"},
    {Mec::kRegStatus, "REG FF390Ch -> ", "Потеряна связь с MEC (I103)", "I103"},
};
} // namespace

Mec16xxEngine::Mec16xxEngine(std::shared_ptr<FtdiApi> api, OperatorPort& port)
    : s_(std::move(api), port) {
    port.SetGaugeMax(Mec::kGaugeStart);
}

Mec16xxEngine::~Mec16xxEngine() {
    s_.link.Cancel();
    worker_.Join();
}

void Mec16xxEngine::ShowOpeningNotes() {
    for (const std::string& line : Mec::OpeningNotes())
        s_.port.Log(line);
}

bool Mec16xxEngine::Begin(const char* state, const char* operation) {
    if (!s_.state.IsNone())
        return false;
    worker_.Join(); // the last operation's worker is past its last act
    if (!s_.state.TryBegin(state))
        return false;
    s_.outcome.store(MecOutcome::None);
    s_.failedStep.clear();
    s_.jigLost = false;
    s_.fileBytes = 0;
    s_.workerCpuNanos = 0;
    s_.image.clear();
    s_.toWrite.clear();
    s_.progress.Reset();
    if (afterErase_)
        s_.progress.Erased();
    afterErase_ = false;
    s_.chipMatters = false;
    s_.backupPath = carriedBackup_;
    carriedBackup_.clear();
    s_.chipState.clear();
    // A STOP pressed during the last operation must not stop this one.
    s_.userBreak.store(false);
    s_.record.Begin(s_.safety.active, Mec::kModeName, operation);
    return true;
}

bool Mec16xxEngine::Connect() {
    const int result = OpenProgrammerLink(s_.link, LinkVariants::MecJtag,
                                          [this](const std::string& line) { s_.port.Log(line); });
    s_.record.SetJig(s_.link.versionText);
    if (result == kProgrammerAccepted)
        return true;
    s_.link.Close();
    s_.Finish(MecOutcome::NoJig, "no programmer");
    return false;
}

bool Mec16xxEngine::OpenJtag(IdCountCheck check) {
    if (!MecOpenJtag(s_, check))
        return false;
    s_.record.SetChipId(MecValueText(s_.id.data()));
    return true;
}

void Mec16xxEngine::SetIndicators(Rgb colour) {
    s_.SetIndicator(MecIndicator::Fwp, colour);
    s_.SetIndicator(MecIndicator::BootLock, colour);
}

void Mec16xxEngine::StartWorker() {
    worker_.Start([this] { ReadThread_MEC16(s_).Execute(); });
}

// ---------------------------------------------------------------- check

void Mec16xxEngine::CheckClick() {
    if (!Begin("ID", "check"))
        return;
    std::string failed;
    s_.port.SetGauge(0);
    SetIndicators(Mec::kBlack);
    s_.port.Log(Mec::TimeLine(Mec::kTimeEnglish));
    if (!Connect())
        return;
    if (OpenJtag(IdCountCheck::Report))
        s_.port.Log("ID from MEC -> " + MecValueText(s_.id.data()));
    else
        failed = s_.failedStep;

    // With the status register lost the buffer holds no status: the indicators stay black.
    std::optional<std::uint8_t> status;
    for (const CheckRead& r : kCheckReads) {
        const std::string value = MecRegRead(s_, r.address);
        if (value == Mec::kRegLost) {
            s_.port.Log(r.lostLine);
            if (failed.empty())
                failed = r.step;
            continue;
        }
        s_.port.Log(r.label + value);
        if (r.address == Mec::kRegStatus)
            status = s_.link.Buffer()[3];
    }
    if (status && MecShowProtection(s_, *status, ProtectionTexts::Check) && failed.empty())
        failed = (*status & Mec::kStatusFwp) ? "FWP" : "Boot_Lock";

    MecResultSignal(s_, failed.empty() ? "OK" : "ERROR");
    MecReleaseJtag(s_);
    s_.port.Log("Close VCOM port");
    s_.link.Close();
    s_.port.Log(Mec::TimeLine(Mec::kTimeEnglish));
    s_.port.Log("");
    s_.Finish(failed.empty() ? MecOutcome::Succeeded : MecOutcome::Failed, failed);
}

// ---------------------------------------------------------------- read

void Mec16xxEngine::ReadClick(bool alsoInfo) {
    if (!Begin("READ_MAIN", "read"))
        return;
    s_.port.SetGaugeColour(Mec::kLime);
    s_.port.SetGauge(0);
    s_.port.SetGaugeMax(Mec::kMainReadBlocks);
    if (!Connect())
        return;

    const std::optional<std::string> name =
        s_.port.AskSaveFile({"Укажите имя файла для сохранения.", "BIN файл MEC16 (*.bin)|*.bin",
                             ".bin", "Noname", true});
    if (!name) {
        s_.port.Log("User break");
        MecResultSignal(s_, "ERROR");
        s_.port.Log("Close VCOM port");
        s_.link.Close();
        return s_.Finish(MecOutcome::Failed, "User break");
    }
    s_.record.SetFile(*name);
    if (!s_.output.Create(*name)) {
        s_.port.Log("Error create file");
        s_.port.Log(FileProblemLine(*name, s_.output.Error()));
        MecResultSignal(s_, "ERROR");
        s_.port.Log("Close VCOM port");
        s_.link.Close();
        return s_.Finish(MecOutcome::Failed, "Error create file");
    }
    s_.fileName = *name;
    s_.port.Log(Mec::TimeLine(Mec::kTimeEnglish));
    s_.port.Log("Write to file: ");
    s_.port.Log(*name);
    s_.blockMode = alsoInfo ? Mec::kMainAndInfo : Mec::kMainOnly;
    s_.port.Log(alsoInfo ? "Read FLASH and INFO to file" : "Read only FLASH to file");
    s_.port.Log("Read FLASH MEC ...");

    if (!OpenJtag(IdCountCheck::Silent))
        return FailReadStart(s_.failedStep);
    s_.lastResult = MecValueText(s_.id.data());
    s_.port.Log("ID from MEC -> " + s_.lastResult);
    if (MecIdIsBlank(s_)) {
        s_.port.Log("Invalid ID. Read break!");
        return FailReadStart("Invalid ID");
    }
    if (!PrepareRegister(Mec::kRegAccess, 1, "Write to reg FF3910h 1",
                         "Потеряна связь с MEC (R100)"))
        return FailReadStart("R100");
    if (!PrepareRegister(Mec::kRegMode, Mec::kModeRead, "Write to reg FF3908h 105h",
                         "Потеряна связь с MEC (R101)"))
        return FailReadStart("R101");

    s_.blockCounter = 1;
    // The start goes out before the worker exists, so the link has one user at a time.
    MecStartRead(s_, Mec::kMainAddress);
    StartWorker();
}

bool Mec16xxEngine::PrepareRegister(std::uint32_t address, std::uint32_t value, const char* line,
                                    const char* lostLine) {
    const bool took = MecRegWrite(s_, address, value) != Mec::kRegLost;
    s_.port.Log(took ? line : lostLine);
    return took;
}

// Nothing was received: no file is left, and one already under the name stays as it was.
void Mec16xxEngine::FailReadStart(const std::string& step) {
    s_.output.Abandon();
    MecResultSignal(s_, "ERROR");
    MecReleaseJtag(s_);
    s_.port.Log("Close VCOM port");
    s_.link.Close();
    s_.port.Log(Mec::TimeLine(Mec::kTimeEnglish));
    s_.port.Log("");
    s_.Finish(MecOutcome::Failed, step);
}

// ---------------------------------------------------------------- erase

void Mec16xxEngine::EraseClick(bool alsoInfo) {
    if (!Begin("ERASE", "erase"))
        return;
    s_.port.SetGauge(0);
    SetIndicators(Mec::kBlack);
    s_.port.Log(Mec::TimeLine(Mec::kTimeRussian));
    if (!Connect())
        return;
    s_.eraseInfo = alsoInfo;
    s_.chipMatters = true;
    // The chip takes its time: the busy poll runs on the worker, not on the window's thread.
    StartWorker();
}

// ---------------------------------------------------------------- write

void Mec16xxEngine::WriteClick() {
    if (!Begin("WRITE_MAIN", "write"))
        return;
    s_.port.SetGaugeColour(Mec::kRed);
    s_.port.SetGauge(0);
    s_.port.SetGaugeMax(Mec::kWriteBlocks);
    SetIndicators(Mec::kBlack);
    if (!Connect())
        return;

    const std::optional<std::string> name = s_.port.AskOpenFile(
        {"Укажите файл за заливки.", "BIN файл MEC16 (*.bin)|*.bin|Другие|*.*", "", "", false});
    if (!name) {
        s_.port.Log("Операция записи прервана");
        MecResultSignal(s_, "ERROR");
        s_.port.Log("Закрыли VCOM порт");
        s_.link.Close();
        return s_.Finish(MecOutcome::Failed, "Операция записи прервана");
    }
    s_.record.SetFile(*name);
    if (!LoadImage(*name))
        return;
    s_.fileName = *name;
    s_.port.Log(Mec::TimeLine(Mec::kTimeRussian));
    s_.port.Log("Записываем в файл: ");
    s_.port.Log(*name);
    s_.port.Log("Выбрана запись только MAIN блока");
    s_.blockMode = Mec::kMainOnly;
    s_.port.Log("Начали запись MEC16 main block ...");

    s_.chipMatters = true;
    if (!OpenJtag(IdCountCheck::Report))
        return FailWriteStart(s_.failedStep);
    s_.lastResult = MecValueText(s_.id.data());
    s_.port.Log("Получен ID от MEC16 -> " + s_.lastResult);
    if (MecIdIsBlank(s_)) {
        s_.port.Log("Неверный ID. Операция прервана!");
        return FailWriteStart("Invalid ID");
    }
    if (MecRegRead(s_, Mec::kRegStatus) == Mec::kRegLost) {
        s_.port.Log("Потеряна связь с MEC16 (TW001)");
        return FailWriteStart("TW001");
    }
    const std::uint8_t status = s_.link.Buffer()[3];
    if (MecShowProtection(s_, status, ProtectionTexts::EraseWrite)) {
        s_.port.Log("--> Команда записи отменена (nFWP или BOOT_LOCK)");
        return FailWriteStart((status & Mec::kStatusFwp) ? "FWP" : "Boot_Lock");
    }
    // With a backup to take first, the worker readies the write once the chip is saved.
    if (!s_.safety.backup && !MecStartWriteStream(s_))
        return;
    StartWorker();
}

// MAIN, or MAIN followed by INFO as a read with INFO saves it; refused before anything goes
// towards the chip.
bool Mec16xxEngine::LoadImage(const std::string& name) {
    ImageToWrite image = LoadImageToWrite(name, Mec::kMainBytes, Mec::kMainBytes + Mec::kInfoBytes);
    if (image.Ok()) {
        s_.toWrite = std::move(image.bytes);
        s_.toWrite.resize(Mec::kMainBytes);
        s_.toWriteFileBytes = image.fileSize;
        return true;
    }
    s_.port.Log("Ошибка открытия файла");
    s_.port.Log(image.error);
    MecResultSignal(s_, "ERROR");
    s_.port.Log("Закрыли VCOM порт");
    s_.link.Close();
    s_.Finish(MecOutcome::Failed, "Ошибка открытия файла");
    return false;
}

void Mec16xxEngine::FailWriteStart(const std::string& step) {
    MecFailWriteStart(s_, step);
}

// ---------------------------------------------------------------- the other buttons

bool Mec16xxEngine::StopExitClick() {
    if (s_.state.IsNone())
        return true;
    Stop();
    return false;
}

void Mec16xxEngine::HelpClick() {
    if (!s_.state.IsNone())
        return;
    for (const std::string& line : Mec::HelpLines())
        s_.port.Log(line);
}
