// The keyboard tester's scan answers: any bytes give pairs that have an indicator, and painting
// them keeps the grid's bookkeeping within its bounds, whatever the hide mode.
#include "modes/Keyboard/KeyboardMatrix.h"
#include "modes/Keyboard/KeyboardPairs.h"
#include "support/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    // First byte: the hide mode changes; the rest: answers separated by '&'.
    const std::uint8_t mode = data[0];
    Keyboard::KeyboardMatrix matrix;
    std::size_t start = 1;
    int answers = 0;
    for (std::size_t i = 1; i <= size; ++i) {
        if (i < size && data[i] != Keyboard::kAnswerEnd)
            continue;
        const auto pairs = Keyboard::ParseScanAnswer({data + start, i - start});
        for (const Keyboard::PinPair& p : pairs) {
            FUZZ_CHECK(Keyboard::HasIndicator(p.a, p.b));
            const int n = Keyboard::PairNumber(p.a, p.b);
            FUZZ_CHECK(n >= 1 && n <= Keyboard::kMaxPairNumber);
            FUZZ_CHECK(Keyboard::PinsOf(n) == p);
        }
        if (((mode >> (answers % 8)) & 1) != 0)
            matrix.SetHideCurrent(matrix.Hide() == Keyboard::HideMode::None);
        std::vector<Keyboard::IndicatorChange> changes;
        if (!pairs.empty())
            matrix.ApplyAnswer(pairs, &changes);
        for (const auto& c : changes)
            FUZZ_CHECK(Keyboard::PinsOf(c.pairNumber).a != 0);
        FUZZ_CHECK(matrix.Hidden().size() <= Keyboard::KeyboardMatrix::kHiddenCapacity);
        ++answers;
        start = i + 1;
    }
    std::vector<Keyboard::IndicatorChange> cleared;
    matrix.Clear(&cleared);
    return 0;
}
