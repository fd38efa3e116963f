#pragma once
#include "cli/CliCommand.h"
#include "modes/Edid/EdidEngine.h"

inline int EdidExitCode(EdidOutcome outcome) {
    switch (outcome) {
    case EdidOutcome::Done:
        return kExitOk;
    case EdidOutcome::NoProgrammer:
        return kExitNoJig;
    case EdidOutcome::Failed:
    case EdidOutcome::Cancelled:
        break;
    }
    return kExitFailed;
}
