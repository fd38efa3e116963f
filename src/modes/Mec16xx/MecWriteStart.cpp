#include "modes/Mec16xx/MecWriteStart.h"

#include "modes/Mec16xx/MecRegisters.h"
#include "modes/Mec16xx/MecTexts.h"

namespace {
struct Prepare {
    std::uint32_t address;
    std::uint32_t value;
    const char* line;
    const char* lostLine;
    const char* step;
};
constexpr Prepare kWritePrepare[] = {
    {Mec::kRegAccess, 1, "Записали в регистр FF3910h 1", "Потеряна связь с MEC16 (W100)", "W100"},
    {Mec::kRegMode, Mec::kModeProgram, "Записали в регистр FF3908h 106h",
     "Потеряна связь с MEC16 (W101)", "W101"},
    {Mec::kRegEraseArgument, 0, "Записали в регистр FF3904h 0", "Потеряна связь с MEC16 (W101A)",
     "W101A"},
};
} // namespace

bool MecStartWriteStream(MecState& s) {
    if (s.StopRequested()) {
        s.port.Log(kStoppedLine);
        MecFailWriteStart(s, "", MecOutcome::Stopped);
        return false;
    }
    for (const Prepare& p : kWritePrepare) {
        const bool took = MecRegWrite(s, p.address, p.value) != Mec::kRegLost;
        s.port.Log(took ? p.line : p.lostLine);
        if (!took) {
            MecFailWriteStart(s, p.step);
            return false;
        }
    }
    s.blockCounter = 1;
    s.record.Started([&s](const std::string& line) { s.port.Log(line); });
    MecStartWrite(s);
    return true;
}

void MecFailWriteStart(MecState& s, const std::string& step, MecOutcome outcome) {
    s.SayChipState(outcome);
    MecResultSignal(s, "ERROR");
    MecReleaseJtag(s);
    s.port.Log("Закрыли VCOM порт");
    s.link.Close();
    s.port.Log(Mec::TimeLine(Mec::kTimeRussian));
    s.port.Log("");
    s.Finish(outcome, step);
}
