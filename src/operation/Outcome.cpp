#include "operation/Outcome.h"

std::string JournalResult(Outcome outcome) {
    switch (outcome) {
    case Outcome::Succeeded:
        return "done";
    case Outcome::Stopped:
        return "stopped";
    case Outcome::NoJig:
        return "no JIG";
    case Outcome::None:
    case Outcome::NoFile:
    case Outcome::Failed:
        break;
    }
    return "failed";
}

int ExitStatusOf(Outcome outcome) {
    switch (outcome) {
    case Outcome::Succeeded:
        return 0;
    case Outcome::NoJig:
    case Outcome::NoFile:
        return 2;
    case Outcome::None:
    case Outcome::Failed:
    case Outcome::Stopped:
        break;
    }
    return 1;
}
