#include "modes/Keyboard/KeyboardMatrix.h"

#include <algorithm>

namespace Keyboard {

Rgb RgbOf(Colour colour) {
    switch (colour) {
    case Colour::Aqua:
        return {0, 255, 255};
    case Colour::Red:
        return {255, 0, 0};
    case Colour::Yellow:
        return {255, 255, 0};
    case Colour::Black:
        return {0, 0, 0};
    }
    return {};
}

const char* ColourName(Colour colour) {
    switch (colour) {
    case Colour::Aqua:
        return "aqua";
    case Colour::Red:
        return "red";
    case Colour::Yellow:
        return "yellow";
    case Colour::Black:
        return "black";
    }
    return "?";
}

Colour KeyboardMatrix::ColourOf(int n) const {
    return n >= 0 && n <= kMaxPairNumber ? colours_[static_cast<std::size_t>(n)] : Colour::Aqua;
}

void KeyboardMatrix::Paint(int n, Colour c, std::vector<IndicatorChange>* changes) {
    colours_[static_cast<std::size_t>(n)] = c;
    if (changes)
        changes->push_back({n, c});
}

bool KeyboardMatrix::IsHidden(int n) const {
    return std::find(hidden_.begin(), hidden_.end(), static_cast<std::uint32_t>(n)) !=
           hidden_.end();
}

bool KeyboardMatrix::ApplyAnswer(const std::vector<PinPair>& pairs,
                                 std::vector<IndicatorChange>* changes) {
    bool reported = false;
    for (const PinPair& p : pairs) {
        if (!HasIndicator(p.a, p.b))
            continue;
        const int n = PairNumber(p.a, p.b);
        if (hide_ == HideMode::Start) {
            if (hidden_.size() < kHiddenCapacity && !IsHidden(n))
                hidden_.push_back(static_cast<std::uint32_t>(n));
            Paint(n, Colour::Black, changes);
            reported = true;
            continue;
        }
        if (hide_ == HideMode::End && IsHidden(n))
            continue;
        Paint(n, ColourOf(n) == Colour::Red ? Colour::Yellow : Colour::Red, changes);
        reported = true;
    }
    if (hide_ == HideMode::Start)
        hide_ = HideMode::End;
    return reported;
}

void KeyboardMatrix::Clear(std::vector<IndicatorChange>* changes) {
    for (const PinPair& p : AllPairs())
        Paint(PairNumber(p.a, p.b), Colour::Aqua, changes);
}

void KeyboardMatrix::SetHideCurrent(bool checked) {
    if (checked) {
        hide_ = HideMode::Start;
        hidden_.clear();
    } else {
        hide_ = HideMode::None;
    }
}

} // namespace Keyboard
