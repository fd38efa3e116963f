#pragma once
// A KB90xx engine on a simulated JIG with a recording operator, for the protocol tests.
#include "modes/Kb901x_form/Kb901xEngine.h"
#include "sim/chips/EneKb90xx.h"
#include "support/EngineRig.h"

inline const std::string kStamp = "Current time  10:20:30";

class EneTest : public EngineRig<Kb901xEngine> {
  protected:
    SimEneKb90xx& Chip() { return dynamic_cast<SimEneKb90xx&>(*sim->Jig().Module("ene")); }
    void ExpectIdle() { ExpectIdleWith({"KB901X_READ", "KB901X_WRITE", "EXIT_KB901X"}); }
};

inline std::string PatternImage(std::size_t size, unsigned seed = 7) {
    return Pattern(size, 131, seed);
}
