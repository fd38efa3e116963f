#pragma once
// An NPCE engine on a simulated JIG with a recording operator, for the protocol tests.
#include "modes/Npce/NpceEngine.h"
#include "sim/chips/NpceSpi.h"
#include "support/EngineRig.h"

inline const std::string kNpceStamp = "Current time  07.12.2026 10:20:30";

class NpceTest : public EngineRig<NpceEngine> {
  protected:
    // Every wait bounded by `bound`, so that a silent JIG ends a test quickly.
    void ShortBounds(Millis bound = Millis(200)) {
        engine->SetBounds({bound, bound, bound, bound, bound});
    }
    SimNpceSpi& Chip() { return dynamic_cast<SimNpceSpi&>(*sim->Jig().Module("npce-spi")); }
    // The engine stops once the gauge shows `position` in `colour`.
    void StopAt(int position, Rgb colour) {
        port.onGauge = [this, position, colour](int p) {
            if (p == position && port.GaugeColour() == colour)
                engine->Stop();
        };
    }
    // "The N bytes received are kept in FILE.partial; FILE is unchanged."
    static std::string KeptLine(std::size_t bytes, const std::string& file) {
        return "The " + std::to_string(bytes) + " bytes received are kept in " + file +
               ".partial; " + file + " is unchanged.";
    }
    void ExpectIdle() { ExpectIdleWith({"NPCE_READ", "NPCE_WRITE", "EXIT_NPCE"}); }
};

inline std::string NpcePattern(std::size_t size, unsigned seed = 7) {
    return Pattern(size, 151, seed, 9);
}
