#pragma once
// A MEC16xx engine on a simulated JIG with a recording operator, for the protocol tests.
#include "modes/Mec16xx/Mec16xxEngine.h"
#include "operation/ChipState.h"
#include "sim/chips/Mec16xx.h"
#include "support/EngineRig.h"

inline const std::string kMecStamp = "Current time 07.12.2026 10:20:30";
inline const std::string kMecStampRu = "Текущее время  07.12.2026 10:20:30";

class MecTest : public EngineRig<Mec16xxEngine> {
  protected:
    // Short bounds, for the cases that wait for a JIG that does not answer. A sanitizer build
    // runs the simulator several times slower: a reply that comes must still come in time, or
    // the host gives up while the JIG is busy and its bytes are lost.
    void ShortBounds() {
        constexpr int slow = kSanitizerSlowdown;
        MecBounds b;
        b.commandReply = Millis(150 * slow);
        b.dataBlock = Millis(150 * slow);
        b.erase = Millis(300);
        engine->SetBounds(b);
    }
    SimMec16xx& Chip() { return dynamic_cast<SimMec16xx&>(*sim->Jig().Module("mec")); }
    std::vector<std::uint8_t> Main() {
        const auto image = Chip().Image();
        return {image.begin(), image.begin() + SimMec16xx::kMainSize};
    }

    void Check() { engine->CheckClick(); }
    void Read(const std::string& file, bool info = false) {
        port.QueueFileAnswer(file);
        engine->ReadClick(info);
        engine->WaitForWorker();
    }
    void Erase(bool info = false) {
        if (info) // the question INFO's erase asks is MecCheckTest's
            port.QueueYesNo(true);
        engine->EraseClick(info);
        engine->WaitForWorker();
    }

    void ExpectIdle() { ExpectIdleWith({}); }
};

// A MEC image of `size` bytes that differs from the simulator's own.
inline std::string MecPattern(std::size_t size, unsigned seed = 5) {
    return Pattern(size, 97, seed, 10);
}
