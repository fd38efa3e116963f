#include "modes/Keyboard/KeyboardPairs.h"

namespace Keyboard {

bool HasIndicator(int a, int b) {
    return a >= 1 && b <= kPins && a < b;
}

int PairNumber(int a, int b) {
    return 32 * (a - 1) + b;
}

PinPair PinsOf(int n) {
    if (n < 1 || n > kMaxPairNumber)
        return {};
    const int a = (n - 1) / 32 + 1;
    const int b = n - 32 * (a - 1);
    return HasIndicator(a, b) ? PinPair{a, b} : PinPair{};
}

std::vector<PinPair> AllPairs() {
    std::vector<PinPair> pairs;
    pairs.reserve(kIndicators);
    for (int a = 1; a < kPins; ++a)
        for (int b = a + 1; b <= kPins; ++b)
            pairs.push_back({a, b});
    return pairs;
}

std::vector<PinPair> ParseScanAnswer(std::span<const std::uint8_t> answer) {
    if (!answer.empty() && answer.back() == kAnswerEnd)
        answer = answer.first(answer.size() - 1);
    std::vector<PinPair> pairs;
    constexpr int kNone = -1;
    int first = kNone;
    for (std::uint8_t byte : answer) {
        if (byte == kClearFirstPin) {
            first = kNone;
        } else if (first == kNone) {
            first = byte;
        } else if (HasIndicator(first, byte)) {
            pairs.push_back({first, byte});
        }
    }
    return pairs;
}

int IndicatorLeft(int b) {
    return 20 + 15 * (b - 2) + 8 * ((b - 1) / 5);
}

int IndicatorTop(int a) {
    return 40 + 15 * (a - 1) + 5 * ((a - 1) / 5);
}

} // namespace Keyboard
