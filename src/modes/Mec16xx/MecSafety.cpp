// The worker's part of the safety net: the backup before an erase or a write, and the checks
// that end a read.
#include "modes/Mec16xx/MecImageRead.h"
#include "modes/Mec16xx/MecRegisters.h"
#include "modes/Mec16xx/MecWriteStart.h"
#include "modes/Mec16xx/ReadThread_MEC16.h"
#include "port/ThreadCpu.h"
#include "safety/SafeRead.h"

bool ReadThread_MEC16::Backup() {
    s_.port.SetGaugeColour(Mec::kLime);
    // MAIN and INFO, whatever is erased or written: the file "mec read --info" gives, which a
    // write takes back.
    const std::optional<std::filesystem::path> saved = TakeBackup(
        Mec::kModeName, MecValueText(s_.id.data()),
        [this](std::vector<std::uint8_t>& image) { return MecReadImage(s_, true, image); },
        [this](const std::string& line) { Log(line); }, s_.safety,
        [this](const std::string& q) { return s_.port.AskYesNo(q); });
    if (!saved) {
        s_.failedStep = "backup: " + (s_.failedStep.empty() ? "saving" : s_.failedStep);
        return false;
    }
    s_.record.SetBackup(saved->string());
    s_.backupPath = saved->string();
    s_.port.SetGauge(0);
    return true;
}

bool ReadThread_MEC16::BackupAndStartWrite() {
    if (!Backup()) {
        s_.workerCpuNanos = ThreadCpuNanos();
        if (s_.StopRequested())
            Log(kStoppedLine);
        MecFailWriteStart(s_, s_.failedStep,
                          s_.StopRequested() ? MecOutcome::Stopped : MecOutcome::Failed);
        return false;
    }
    s_.port.SetGaugeColour(Mec::kRed);
    s_.port.SetGaugeMax(Mec::kWriteBlocks);
    if (MecStartWriteStream(s_))
        return true;
    s_.workerCpuNanos = ThreadCpuNanos();
    return false;
}

bool ReadThread_MEC16::CheckRead(bool withInfo) {
    if (!s_.safety.active)
        return true;
    const LogLine log = [this](const std::string& line) { Log(line); };
    if (s_.safety.readTwice && !ReadAgainAndCompare(
                                   s_.image,
                                   [this, withInfo](std::vector<std::uint8_t>& again) {
                                       return MecReadImage(s_, withInfo, again);
                                   },
                                   log)) {
        if (s_.failedStep.empty())
            s_.failedStep = "read twice: the reads differ";
        const bool stopped = s_.StopRequested();
        if (stopped)
            Log(kStoppedLine);
        MecResultSignal(s_, "ERROR");
        MecReleaseJtag(s_);
        EndRead(stopped ? MecOutcome::Stopped : MecOutcome::Failed);
        return false;
    }
    LogImageCheck(s_.image, log);
    return true;
}
