#include "modes/Npce/NpceSession.h"

#include "link/WaitFailureLine.h"

#include "port/TimeText.h"
#include "port/Tr.h"

#include <algorithm>

std::string Npce::TimeLine() {
    return Tr("Npce", "Current time  ") + ShortDateText() + " " + LongTimeText();
}

bool SendResultSignal(ProgrammerLink& link, std::uint8_t signal, bool awaitAnswer, Millis bound,
                      std::string* failureLine) {
    link.Send({signal});
    if (!awaitAnswer)
        return true;
    const Reply answer =
        link.Expect(1, bound,
                    Tr("Npce", signal == 'I' ? TR_NOOP("Npce", "answer to the success signal")
                                             : TR_NOOP("Npce", "answer to the failure signal")));
    if (answer.Ok())
        return true;
    *failureLine = answer.FailureLine();
    return false;
}

const char* NpceStateName(Activity activity) {
    return activity == Activity::Writing ? "Write_NPCE" : "Reading_NPCE";
}
