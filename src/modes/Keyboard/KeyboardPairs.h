#pragma once
// Pin pairs of the keyboard connector: their numbers, the scan answer that reports them, and
// where each pair's indicator sits on the grid.
#include <cstdint>
#include <span>
#include <vector>

namespace Keyboard {

inline constexpr int kPins = 32;
inline constexpr int kIndicators = 496;                   // pairs a < b of 32 pins
inline constexpr int kMaxPairNumber = 32 * (31 - 1) + 32; // 992, pins 31 and 32
inline constexpr std::uint8_t kAnswerEnd = '&';
inline constexpr std::uint8_t kClearFirstPin = '>';

struct PinPair {
    int a = 0;
    int b = 0;
    bool operator==(const PinPair&) const = default;
};

// Both pins in 1..32 and a < b: the pairs that have an indicator.
bool HasIndicator(int a, int b);
// n = 32 * (a - 1) + b.
int PairNumber(int a, int b);
// The pins of an indicator's number; {0, 0} for a number without an indicator.
PinPair PinsOf(int pairNumber);
// Every indicator's pair, row by row (a ascending, then b).
std::vector<PinPair> AllPairs();

// The pairs of one scan answer (its bytes up to the final '&'), in the order reported. Pairs
// with a pin outside 1..32, or whose first pin is not below the second, are left out.
std::vector<PinPair> ParseScanAnswer(std::span<const std::uint8_t> answer);

// Grid geometry, in pixels: indicator (a, b) is 17 x 10 at (Left(b), Top(a)).
inline constexpr int kIndicatorWidth = 17;
inline constexpr int kIndicatorHeight = 10;
int IndicatorLeft(int b);
int IndicatorTop(int a);

} // namespace Keyboard
