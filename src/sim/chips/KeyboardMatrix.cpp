#include "sim/chips/KeyboardMatrix.h"

#include "sim/ChipSection.h"
#include "sim/Scenario.h"

#include <algorithm>

namespace {
constexpr long long kMostMs = 24LL * 3600 * 1000;
} // namespace

SimKeyboardMatrix::SimKeyboardMatrix(const Scenario& scenario) {
    ChipSection c(scenario, Name());
    const nlohmann::json* keys = c.Raw("keys");
    const nlohmann::json* answers = c.Raw("answers");
    try {
        if (keys)
            for (const nlohmann::json& k :
                 keys->is_array() ? *keys : nlohmann::json::array({*keys})) {
                const std::vector<long long> pins = WholeNumbers(k.at("pins"), "pins", 0, 255);
                if (pins.size() != 2)
                    throw ScenarioMistake("\"pins\" holds 2 numbers, not " + k["pins"].dump());
                Key key{static_cast<int>(std::min(pins[0], pins[1])),
                        static_cast<int>(std::max(pins[0], pins[1])), 0, -1};
                if (!k.value("stuck", false)) {
                    key.fromMs = static_cast<long>(WholeNumber(k, "from", 0, 0, kMostMs));
                    key.toMs = static_cast<long>(WholeNumber(k, "to", -1, -1, kMostMs));
                }
                keys_.push_back(key);
            }
    } catch (const std::exception& e) {
        c.Mistake("keys", std::string("holds keys as {\"pins\": [a, b], \"from\", \"to\", "
                                      "\"stuck\"}: ") +
                              e.what());
    }
    try {
        if (answers)
            for (const nlohmann::json& answer : *answers) {
                std::vector<std::uint8_t> bytes;
                for (const long long b : WholeNumbers(answer, "answers", 0, 0xFF))
                    bytes.push_back(static_cast<std::uint8_t>(b));
                rawAnswers_.push_back(std::move(bytes));
            }
    } catch (const std::exception& e) {
        c.Mistake("answers", std::string("holds lists of bytes: ") + e.what());
    }
    scanMicros_ = static_cast<long>(c.Whole("scanMicros", 1000, 0, kMostMs * 1000));
    c.Finish();
}

int SimKeyboardMatrix::Scans() const {
    std::lock_guard lock(mutex_);
    return scans_;
}

int SimKeyboardMatrix::Stops() const {
    std::lock_guard lock(mutex_);
    return stops_;
}

std::vector<std::pair<int, int>> SimKeyboardMatrix::ClosedAt(long ms) const {
    std::vector<std::pair<int, int>> closed;
    for (const Key& k : keys_)
        if (ms >= k.fromMs && (k.toMs < 0 || ms < k.toMs))
            closed.emplace_back(k.a, k.b);
    return closed;
}

std::vector<std::uint8_t> SimKeyboardMatrix::AnswerFor(std::vector<std::pair<int, int>> closed) {
    std::sort(closed.begin(), closed.end());
    closed.erase(std::unique(closed.begin(), closed.end()), closed.end());
    std::vector<std::uint8_t> answer;
    int first = -1;
    for (const auto& [a, b] : closed) {
        if (a != first) {
            if (first != -1)
                answer.push_back('>');
            answer.push_back(static_cast<std::uint8_t>(a));
            first = a;
        }
        answer.push_back(static_cast<std::uint8_t>(b));
    }
    answer.push_back('&');
    return answer;
}

bool SimKeyboardMatrix::Handle(std::uint8_t command, SimContext& ctx) {
    // PCB3 scans on 'U' alone; PCB2 starts with 'u', scans on 'U' after it, and ends on 'Q'.
    const bool pcb3 = ctx.Pcb3();
    if (command == 'Q' && !pcb3 && scanning_) {
        std::lock_guard lock(mutex_);
        ++stops_;
        scanning_ = false;
        return true;
    }
    if (command == 'u' && !pcb3)
        scanning_ = true;
    else if (command != 'U' || (!pcb3 && !scanning_))
        return false;
    ctx.Busy(std::chrono::microseconds(scanMicros_), "scanning the keyboard");
    std::vector<std::uint8_t> answer;
    {
        std::lock_guard lock(mutex_);
        const auto now = SteadyClock::now();
        if (!firstScan_)
            firstScan_ = now;
        ++scans_;
        if (nextRaw_ < rawAnswers_.size()) {
            answer = rawAnswers_[nextRaw_++];
        } else {
            const long ms = static_cast<long>(
                std::chrono::duration_cast<std::chrono::milliseconds>(now - *firstScan_).count());
            answer = AnswerFor(ClosedAt(ms));
        }
    }
    if (!answer.empty())
        ctx.Tx(answer);
    return true;
}
