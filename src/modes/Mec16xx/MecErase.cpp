// The erase, from the JTAG opening to the end of the operation. It runs on the worker: the
// chip keeps its busy bit for as long as the erase takes.
#include "modes/Mec16xx/MecRegisters.h"
#include "modes/Mec16xx/MecTexts.h"
#include "modes/Mec16xx/ReadThread_MEC16.h"
#include "port/Tr.h"

#include <string>

namespace {
struct EraseWrite {
    std::uint32_t address;
    std::uint32_t value;
    const char* line;
    const char* lostLine;
    const char* step;
};

std::string BoundText(Millis bound) {
    const auto ms = bound.count();
    return ms % 1000 == 0 ? std::to_string(ms / 1000) + " s" : std::to_string(ms) + " ms";
}
} // namespace

Outcome ReadThread_MEC16::Erase() {
    bool fault = false;
    std::string failed;
    if (MecOpenJtag(s_, IdCountCheck::Report)) {
        Log(Tr("Mec", "Получен ID от MEC16 -> ") + MecValueText(s_.id.data()));
        s_.run.Record().SetChipId(MecValueText(s_.id.data()));
        if (MecIdIsBlank(s_)) {
            Log(Tr("Mec", kMecNoChipLine));
            fault = true;
            failed = "no chip";
        }
    } else {
        fault = true;
        failed = s_.run.FailedStep();
    }

    // Without the status nothing is known about the protection: the erase is not sent.
    if (failed == "no chip") {
        // registers that read as all ones would look like protection bits
    } else if (MecRegRead(s_, Mec::kRegStatus) == Mec::kRegLost) {
        Log(Tr("Mec", "Потеряна связь с MEC16 (E100)"));
        fault = true;
        if (failed.empty())
            failed = "E100";
    } else {
        const std::uint8_t status = s_.reply.At(3);
        Log(Tr("Mec", "Регистр FF390Ch -> ") + MecValueText(s_.reply.bytes.data()));
        if (MecShowProtection(s_, status, ProtectionTexts::EraseWrite)) {
            fault = true;
            if (failed.empty())
                failed = (status & Mec::kStatusFwp) ? "FWP" : "Boot_Lock";
        }
    }
    if (fault) {
        MecResultSignal(s_, "ERROR");
        Log(Tr("Mec", "--> Каманда стирания отменена."));
        return EndErase(Outcome::Failed, failed);
    }
    if (s_.run.Safety().backup && !Backup()) {
        MecResultSignal(s_, "ERROR");
        Log(Tr("Mec", "--> Каманда стирания отменена."));
        return EndErase(Stopping() ? Outcome::Stopped : Outcome::Failed, s_.run.FailedStep());
    }
    if (Stopping()) {
        MecResultSignal(s_, "ERROR");
        Log(Tr("Mec", "--> Каманда стирания отменена."));
        return EndErase(Outcome::Stopped, "User break");
    }

    const EraseWrite start[] = {
        {Mec::kRegAccess, 1, TR_NOOP("Mec", "Записали в регистр FF3910h 1"),
         TR_NOOP("Mec", "Потеряна связь с MEC16 (E101)"), "E101"},
        {Mec::kRegMode, Mec::kModeErase, TR_NOOP("Mec", "Записали в регистр FF3908h 107h"),
         TR_NOOP("Mec", "Потеряна связь с MEC16 (E102)"), "E102"},
        {Mec::kRegEraseArgument, s_.eraseInfo ? Mec::kEraseMainAndInfo : Mec::kEraseMain,
         TR_NOOP("Mec", "Отправили команду стирания."),
         TR_NOOP("Mec", "Потеряна связь с MEC16 (E103)"), "E103"},
    };
    for (const EraseWrite& w : start) {
        if (w.address == Mec::kRegEraseArgument) {
            s_.run.Record().Started([this](const std::string& line) { Log(line); });
            s_.run.Progress().Erasing();
        }
        if (MecRegWrite(s_, w.address, w.value) == Mec::kRegLost) {
            Log(Tr("Mec", w.lostLine));
            return EndErase(Outcome::Failed, w.step);
        }
        Log(Tr("Mec", w.line));
    }

    // Each poll waits for its reply, so the loop runs at the pace of the wire.
    const Deadline deadline = DeadlineIn(s_.bounds.erase);
    for (;;) {
        if (MecRegRead(s_, Mec::kRegStatus) == Mec::kRegLost) {
            Log(Tr("Mec", "Потеряна связь с MEC16 (E104)"));
            return EndErase(Outcome::Failed, "E104");
        }
        if ((s_.reply.At(3) & Mec::kStatusBusy) == 0)
            break;
        if (s_.link.CancelRequested() || SteadyClock::now() >= deadline) {
            Log(Tr("Mec", "Потеряна связь с MEC16 (E104)"));
            Log(s_.link.CancelRequested()
                    ? Tr("Mec", "Cancelled while the MEC16 was erasing (busy poll of FF390Ch)")
                    : Fill(Tr("Mec", "Timeout: the MEC16 was still erasing after %1 (busy poll "
                                     "of FF390Ch)"),
                           BoundText(s_.bounds.erase)));
            return EndErase(Outcome::Failed, "E104");
        }
    }
    s_.run.Progress().Erased();
    Log(Tr("Mec", "Стирание завершено успешно."));

    const EraseWrite end[] = {
        {Mec::kRegMode, Mec::kModeEnd, TR_NOOP("Mec", "Записали в регистр FF3908h 100h"),
         TR_NOOP("Mec", "Потеряна связь с MEC16 (E105)"), "E105"},
        {Mec::kRegMode, Mec::kModeIdle, TR_NOOP("Mec", "Записали в регистр FF3908h 0"),
         TR_NOOP("Mec", "Потеряна связь с MEC16 (E106)"), "E106"},
        {Mec::kRegAccess, 0, TR_NOOP("Mec", "Записали в регистр FF3910h 0"),
         TR_NOOP("Mec", "Потеряна связь с MEC16 (E107)"), "E107"},
    };
    for (const EraseWrite& w : end) {
        if (MecRegWrite(s_, w.address, w.value) == Mec::kRegLost) {
            Log(Tr("Mec", w.lostLine));
            return EndErase(Outcome::Failed, w.step);
        }
        Log(Tr("Mec", w.line));
    }
    // A stop asked for while the chip erased comes too late to spare it: the erase is
    // finished and its end sent, and the operation says it stopped with the chip erased.
    if (Stopping()) {
        MecResultSignal(s_, "ERROR");
        return EndErase(Outcome::Stopped, "User break");
    }
    MecResultSignal(s_, "OK");
    return EndErase(Outcome::Succeeded);
}

// The stop flag, with its line said once.
bool ReadThread_MEC16::Stopping() {
    if (!s_.StopRequested())
        return false;
    if (!stoppedSaid_)
        Log(Tr("Common", kStoppedLine));
    stoppedSaid_ = true;
    return true;
}

Outcome ReadThread_MEC16::EndErase(Outcome outcome, const std::string& step) {
    // The step that failed first is named, not a release that then found the JIG silent.
    if (outcome != Outcome::Succeeded)
        s_.Fail(step);
    MecReleaseJtag(s_);
    Log(Tr("Mec", "Закрыли VCOM порт"));
    s_.link.Close();
    Log(Mec::TimeLine(Mec::kTimeRussian));
    Log("");
    return s_.End(outcome, step);
}
