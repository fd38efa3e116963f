// The worker's part of the safety net: the backup before an erase or a write, and the checks
// that end a read.
#include "modes/Mec16xx/MecImageRead.h"
#include "modes/Mec16xx/MecRegisters.h"
#include "modes/Mec16xx/ReadThread_MEC16.h"
#include "port/Tr.h"
#include "safety/SafeRead.h"

bool ReadThread_MEC16::Backup() {
    s_.port.SetGaugeColour(Mec::kLime);
    // MAIN and INFO, whatever is erased or written: the file "mec read --info" gives, which a
    // write takes back.
    if (!s_.run.TakeBackup(MecValueText(s_.id.data()), [this](std::vector<std::uint8_t>& image) {
            return MecReadImage(s_, true, image);
        }))
        return false;
    s_.port.SetGauge(0);
    return true;
}

bool ReadThread_MEC16::CheckRead(bool withInfo) {
    if (!s_.run.Safety().active)
        return true;
    const LogLine log = [this](const std::string& line) { Log(line); };
    if (s_.run.Safety().readTwice && !ReadAgainAndCompare(
                                         s_.image,
                                         [this, withInfo](std::vector<std::uint8_t>& again) {
                                             return MecReadImage(s_, withInfo, again);
                                         },
                                         log)) {
        s_.Fail("read twice: the reads differ");
        const bool stopped = s_.StopRequested();
        if (stopped)
            Log(Tr("Common", kStoppedLine));
        MecResultSignal(s_, "ERROR");
        MecReleaseJtag(s_);
        EndRead(stopped ? Outcome::Stopped : Outcome::Failed);
        return false;
    }
    LogImageCheck(s_.image, log);
    return true;
}
