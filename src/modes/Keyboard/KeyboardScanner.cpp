#include "modes/Keyboard/KeyboardScanner.h"

#include "link/OpenProgrammerLink.h"
#include "link/WaitBounds.h"

#include <algorithm>
#include <array>
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
    FT_HANDLE h = link_.Handle();
    FtdiApi& api = link_.Api();
    std::optional<Deadline> timer;
    auto startTimer = [&timer] {
        if (!timer)
            timer = DeadlineIn(WaitBounds::KeyboardAnswer);
    };
    std::vector<std::uint8_t> answer;
    answer.reserve(kAnswerBuffer);
    std::array<std::uint8_t, kAnswerBuffer> received{};
    std::string failure;

    auto waitFailure = [&](WaitOutcome w, const char* what) {
        if (w == WaitOutcome::TimedOut)
            return std::string("no ") + what + " within 1000 ms";
        return std::string("device error while waiting for ") + what;
    };

    if (!link_.Send({static_cast<std::uint8_t>(pcb3 ? 'U' : 'u')}))
        failure = "the scan request could not be sent";
    startTimer();
    while (failure.empty()) {
        const WaitOutcome w = h->WaitReceived(1, *timer);
        if (w == WaitOutcome::Cancelled)
            return EndScan("NO", "stopped", !pcb3);
        if (w != WaitOutcome::Ready) {
            failure = waitFailure(w, "scan answer");
            break;
        }
        DWORD rxQueue = 0, txQueue = 0, events = 0;
        if (api.FT_GetStatus(h, &rxQueue, &txQueue, &events) != FT_OK) {
            failure = "FT_GetStatus failed";
            break;
        }
        const DWORD take =
            static_cast<DWORD>(std::clamp<std::size_t>(rxQueue, 1, kAnswerBuffer - answer.size()));
        DWORD got = 0;
        if (api.FT_Read(h, received.data(), take, &got) != FT_OK) {
            failure = "FT_Read failed";
            break;
        }
        answer.insert(answer.end(), received.begin(), received.begin() + got);

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
                        failure = "the buzzer signal could not be sent";
                        break;
                    }
                    if (pcb3) {
                        startTimer();
                        const WaitOutcome ack = h->WaitReceived(1, *timer);
                        if (ack == WaitOutcome::Cancelled)
                            return EndScan("NO", "stopped", false);
                        DWORD one = 0;
                        if (ack != WaitOutcome::Ready) {
                            failure = waitFailure(ack, "buzzer acknowledgement");
                            break;
                        }
                        if (api.FT_Read(h, received.data(), 1, &one) != FT_OK || one != 1) {
                            failure = "FT_Read failed";
                            break;
                        }
                    }
                }
            }
            if (stopRequest_.load())
                return EndScan("NO", "stopped", !pcb3);
            answer.clear();
            if (!link_.Send({'U'})) {
                failure = "the scan request could not be sent";
                break;
            }
            startTimer();
        } else if (answer.size() >= kAnswerBuffer) {
            failure = "the answer did not end within 1024 bytes";
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
