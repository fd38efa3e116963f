#include "modes/Mec16xx/MecWriteStart.h"

#include "modes/Mec16xx/MecRegisters.h"
#include "modes/Mec16xx/MecTexts.h"
#include "port/Tr.h"

namespace {
struct Prepare {
    std::uint32_t address;
    std::uint32_t value;
    const char* line;
    const char* lostLine;
    const char* step;
};
constexpr Prepare kWritePrepare[] = {
    {Mec::kRegAccess, 1, TR_NOOP("Mec", "Записали в регистр FF3910h 1"),
     TR_NOOP("Mec", "Потеряна связь с MEC16 (W100)"), "W100"},
    {Mec::kRegMode, Mec::kModeProgram, TR_NOOP("Mec", "Записали в регистр FF3908h 106h"),
     TR_NOOP("Mec", "Потеряна связь с MEC16 (W101)"), "W101"},
    {Mec::kRegEraseArgument, 0, TR_NOOP("Mec", "Записали в регистр FF3904h 0"),
     TR_NOOP("Mec", "Потеряна связь с MEC16 (W101A)"), "W101A"},
};
} // namespace

std::optional<Outcome> MecOpenForWrite(MecState& s) {
    if (!MecOpenJtag(s, IdCountCheck::Report))
        return MecFailWriteStart(s, s.run.FailedStep());
    s.lastResult = MecValueText(s.id.data());
    s.run.Record().SetChipId(s.lastResult);
    s.port.Log(Tr("Mec", "Получен ID от MEC16 -> ") + s.lastResult);
    if (MecIdIsBlank(s)) {
        s.port.Log(Tr("Mec", "Неверный ID. Операция прервана!"));
        return MecFailWriteStart(s, "Invalid ID");
    }
    if (MecRegRead(s, Mec::kRegStatus) == Mec::kRegLost) {
        s.port.Log(Tr("Mec", "Потеряна связь с MEC16 (TW001)"));
        return MecFailWriteStart(s, "TW001");
    }
    const std::uint8_t status = s.reply.At(3);
    if (MecShowProtection(s, status, ProtectionTexts::EraseWrite)) {
        s.port.Log(Tr("Mec", "--> Команда записи отменена (nFWP или BOOT_LOCK)"));
        return MecFailWriteStart(s, (status & Mec::kStatusFwp) ? "FWP" : "Boot_Lock");
    }
    return std::nullopt;
}

std::optional<Outcome> MecStartWriteStream(MecState& s) {
    if (s.StopRequested()) {
        s.port.Log(Tr("Common", kStoppedLine));
        return MecFailWriteStart(s, "", Outcome::Stopped);
    }
    for (const Prepare& p : kWritePrepare) {
        const bool took = MecRegWrite(s, p.address, p.value) != Mec::kRegLost;
        s.port.Log(Tr("Mec", took ? p.line : p.lostLine));
        if (!took)
            return MecFailWriteStart(s, p.step);
    }
    s.blockCounter = 1;
    s.run.Record().Started([&s](const std::string& line) { s.port.Log(line); });
    MecStartWrite(s);
    return std::nullopt;
}

Outcome MecFailWriteStart(MecState& s, const std::string& step, Outcome outcome) {
    s.Fail(step); // before the signal and the release, which may find the JIG silent
    MecResultSignal(s, "ERROR");
    MecReleaseJtag(s);
    s.port.Log(Tr("Mec", "Закрыли VCOM порт"));
    s.link.Close();
    s.port.Log(Mec::TimeLine(Mec::kTimeRussian));
    s.port.Log("");
    return s.End(outcome, step);
}
