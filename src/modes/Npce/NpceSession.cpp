#include "modes/Npce/NpceSession.h"

#include "link/WaitFailureLine.h"

#include "port/TimeText.h"

#include <algorithm>

std::string Npce::TimeLine() {
    return "Current time  " + ShortDateText() + " " + LongTimeText();
}

NpceAnswer AwaitAnswer(ProgrammerLink& link, std::size_t count, Millis bound) {
    NpceAnswer a;
    if (!link.IsOpen()) {
        a.outcome = WaitOutcome::DeviceError;
        return a;
    }
    FtdiApi& api = link.Api();
    a.outcome = link.Handle()->WaitReceived(count, DeadlineIn(bound));
    if (a.outcome == WaitOutcome::DeviceError)
        return a;
    if (api.FT_GetStatus(link.Handle(), &link.rxQueue, &link.txQueue, &link.eventWord) != FT_OK) {
        a.outcome = WaitOutcome::DeviceError;
        return a;
    }
    // On a time-out the bytes that did come are taken too, so the log can show them.
    a.surplus = a.outcome == WaitOutcome::Ready && link.rxQueue > count;
    const std::size_t take =
        std::min<std::size_t>(a.surplus ? link.rxQueue : std::min<std::size_t>(link.rxQueue, count),
                              ProgrammerLink::kBufferSize);
    link.transferred = 0;
    if (take != 0 && api.FT_Read(link.Handle(), link.Buffer(), static_cast<DWORD>(take),
                                 &link.transferred) != FT_OK) {
        a.outcome = WaitOutcome::DeviceError;
        return a;
    }
    a.count = link.transferred;
    if (a.outcome == WaitOutcome::Ready && !a.surplus && a.count != count)
        a.outcome = WaitOutcome::DeviceError; // the queue said the bytes were there
    return a;
}

std::string WaitLine(const NpceAnswer& answer, const std::string& step) {
    if (answer.outcome == WaitOutcome::Ready) // a surplus: say how much came
        return WaitFailureLine(answer.outcome,
                               step + ": " + std::to_string(answer.count) + " bytes");
    return WaitFailureLine(answer.outcome, step);
}

bool SendResultSignal(ProgrammerLink& link, std::uint8_t signal, bool awaitAnswer, Millis bound,
                      std::string* failureLine) {
    link.Send({signal});
    if (!awaitAnswer)
        return true;
    const NpceAnswer answer = AwaitAnswer(link, 1, bound);
    if (answer.Ok())
        return true;
    *failureLine = WaitLine(answer, signal == 'I' ? "answer to the success signal"
                                                  : "answer to the failure signal");
    return false;
}
