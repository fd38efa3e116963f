#include "modes/Keyboard/KeyboardScanner.h"

#include "link/ExpectSome.h"
#include "link/OpenProgrammerLink.h"
#include "link/WaitBounds.h"
#include "port/Tr.h"

#include <optional>

namespace Keyboard {

KeyboardScanner::KeyboardScanner(std::shared_ptr<FtdiApi> api, KeyboardListener& listener)
    : link_(std::move(api)), listener_(listener) {}

KeyboardScanner::~KeyboardScanner() {
    Shutdown();
}

std::string KeyboardScanner::StatusWord() const {
    std::lock_guard lock(mutex_);
    return statusWord_;
}

std::string KeyboardScanner::EndReason() const {
    std::lock_guard lock(mutex_);
    return endReason_;
}

Colour KeyboardScanner::ColourOf(int pairNumber) const {
    std::lock_guard lock(mutex_);
    return matrix_.ColourOf(pairNumber);
}

HideMode KeyboardScanner::Hide() const {
    std::lock_guard lock(mutex_);
    return matrix_.Hide();
}

void KeyboardScanner::SetStatusWord(const std::string& word) {
    {
        std::lock_guard lock(mutex_);
        statusWord_ = word;
    }
    listener_.StatusWordChanged(word);
}

void KeyboardScanner::Emit(const std::vector<IndicatorChange>& changes) {
    for (const IndicatorChange& c : changes)
        listener_.IndicatorChanged(c.pairNumber, c.colour);
}

void KeyboardScanner::StartScanClick() {
    if (!state_.TryBegin("Keyboard")) {
        stopRequest_.store(true);
        return;
    }
    SetStatusWord("NO");
    {
        std::lock_guard lock(mutex_);
        matrix_.SetHideCurrent(false);
        endReason_.clear();
    }
    worker_.Join(); // the last scan's worker has set "NONE" as its last act
    link_.ResetCancel();
    const int result = OpenProgrammerLink(link_, LinkVariants::KeyboardTesting, nullptr);
    if (result != kProgrammerAccepted) {
        SetStatusWord(result == kNoProgrammer ? "NO FTDI" : "OLD FW");
        state_.Set("NONE");
        return;
    }
    SetStatusWord("YES");
    listener_.ScanRunning(true);
    stopRequest_.store(false);
    worker_.Start([this] { Execute(); });
}

void KeyboardScanner::ClearClick() {
    if (Scanning()) {
        clearRequest_.store(true);
        return;
    }
    // No worker to do it: the grid is the handler's own.
    clearRequest_.store(false);
    std::vector<IndicatorChange> changes;
    {
        std::lock_guard lock(mutex_);
        matrix_.Clear(&changes);
    }
    Emit(changes);
}

void KeyboardScanner::SetHideCurrent(bool checked) {
    std::lock_guard lock(mutex_);
    matrix_.SetHideCurrent(checked);
}

void KeyboardScanner::SetBuzzerOff(bool checked) {
    buzzerOff_.store(checked);
}

void KeyboardScanner::Shutdown() {
    if (Scanning()) {
        stopRequest_.store(true);
        link_.Cancel();
    }
    worker_.Join();
}

void KeyboardScanner::Join() {
    worker_.Join();
}

void KeyboardScanner::EndScan(const std::string& statusWord, const std::string& reason,
                              bool sendStop) {
    if (sendStop)
        link_.Send({'Q'});
    link_.Close();
    buzzerOff_.store(false);
    std::vector<IndicatorChange> changes;
    {
        std::lock_guard lock(mutex_);
        matrix_.SetHideCurrent(false);
        endReason_ = reason;
        if (clearRequest_.exchange(false))
            matrix_.Clear(&changes);
    }
    Emit(changes);
    stopRequest_.store(false);
    SetStatusWord(statusWord);
    listener_.ScanRunning(false);
    state_.Set("NONE"); // last: a new START may now take the link
}

// ReadThread_keyboard. `timer` is Timer_KEYB: started with each scan request and with the
// wait for a buzzer acknowledgement, not restarted while it runs, stopped by a whole answer.
void KeyboardScanner::Execute() {
    const bool pcb3 = link_.IsPcb3();
    std::optional<Deadline> timer;
    auto startTimer = [&timer] {
        if (!timer)
            timer = DeadlineIn(WaitBounds::KeyboardAnswer);
    };
    std::vector<std::uint8_t> answer;
    answer.reserve(kAnswerBuffer);
    std::string failure;

    auto waitFailure = [](const Reply& r) {
        if (r.outcome == WaitOutcome::TimedOut)
            return Fill(Tr("Keyboard", "no %1 within 1000 ms"), r.step);
        return Fill(Tr("Keyboard", "device error while waiting for %1"), r.step);
    };

    if (!link_.Send({static_cast<std::uint8_t>(pcb3 ? 'U' : 'u')}))
        failure = Tr("Keyboard", "the scan request could not be sent");
    startTimer();
    while (failure.empty()) {
        const Reply part =
            ExpectSome(link_, kAnswerBuffer - answer.size(), *timer, Tr("Keyboard", "scan answer"));
        if (part.outcome == WaitOutcome::Cancelled)
            return EndScan("NO", "stopped", !pcb3);
        if (part.Lost()) {
            failure = waitFailure(part);
            break;
        }
        answer.insert(answer.end(), part.bytes.begin(), part.bytes.end());

        if (!answer.empty() && answer.back() == kAnswerEnd) {
            timer.reset();
            if (answer.size() == 1)
                listener_.PairsReported({});
            if (answer.size() > 1) {
                const std::vector<PinPair> pairs = ParseScanAnswer(answer);
                std::vector<IndicatorChange> changes;
                bool reported;
                {
                    std::lock_guard lock(mutex_);
                    reported = matrix_.ApplyAnswer(pairs, &changes);
                }
                Emit(changes);
                listener_.PairsReported(pairs);
                if (!buzzerOff_.load() && reported) {
                    if (!link_.Send({'I'})) {
                        failure = Tr("Keyboard", "the buzzer signal could not be sent");
                        break;
                    }
                    if (pcb3) {
                        startTimer();
                        // One byte; anything after it stays for the next answer.
                        const Reply ack =
                            ExpectSome(link_, 1, *timer, Tr("Keyboard", "buzzer acknowledgement"));
                        if (ack.outcome == WaitOutcome::Cancelled)
                            return EndScan("NO", "stopped", false);
                        if (ack.Lost() || ack.Count() != 1) {
                            failure = waitFailure(ack);
                            break;
                        }
                    }
                }
            }
            if (stopRequest_.load())
                return EndScan("NO", "stopped", !pcb3);
            answer.clear();
            if (!link_.Send({'U'})) {
                failure = Tr("Keyboard", "the scan request could not be sent");
                break;
            }
            startTimer();
        } else if (answer.size() >= kAnswerBuffer) {
            failure = Tr("Keyboard", "the answer did not end within 1024 bytes");
            break;
        }
        if (clearRequest_.exchange(false)) {
            std::vector<IndicatorChange> changes;
            {
                std::lock_guard lock(mutex_);
                matrix_.Clear(&changes);
            }
            Emit(changes);
        }
    }
    EndScan("NO FTDI", failure, false);
}

} // namespace Keyboard
