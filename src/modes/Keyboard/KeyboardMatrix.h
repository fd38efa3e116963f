#pragma once
// The 496 indicators' colours and the "Hide current" bookkeeping. Not locked: the scanner
// guards it.
#include "modes/Keyboard/KeyboardPairs.h"
#include "port/OperatorPort.h"

#include <array>
#include <cstdint>
#include <vector>

namespace Keyboard {

enum class Colour : std::uint8_t { Aqua, Red, Yellow, Black };

Rgb RgbOf(Colour colour);
const char* ColourName(Colour colour);

enum class HideMode { None, Start, End }; // "NONE", "START", "END"

struct IndicatorChange {
    int pairNumber;
    Colour colour;
};

class KeyboardMatrix {
  public:
    static constexpr std::size_t kHiddenCapacity = 1000;

    Colour ColourOf(int pairNumber) const;

    // Paints the pairs of one non-empty answer as the hide mode says; true when at least one
    // pair was shown (the report flag), which is what sounds the buzzer.
    bool ApplyAnswer(const std::vector<PinPair>& pairs, std::vector<IndicatorChange>* changes);
    // Every indicator back to aqua, row by row.
    void Clear(std::vector<IndicatorChange>* changes);

    HideMode Hide() const { return hide_; }
    // Checking "Hide current" records the next answer afresh; unchecking shows everything.
    void SetHideCurrent(bool checked);
    const std::vector<std::uint32_t>& Hidden() const { return hidden_; }

  private:
    void Paint(int n, Colour c, std::vector<IndicatorChange>* changes);
    bool IsHidden(int n) const;

    std::array<Colour, kMaxPairNumber + 1> colours_{}; // all aqua
    HideMode hide_ = HideMode::None;
    std::vector<std::uint32_t> hidden_;
};

} // namespace Keyboard
