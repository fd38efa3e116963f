#pragma once
// The register writes that prepare the EC before a transfer. Register 0x08 passes bytes to the
// EC's serial flash, register 0x05 frames each flash command (0xFD opens it, 0xFE closes it).
#include <cstdint>
#include <span>

struct IteStep {
    const char* code; // "(T013)": logged when this row fails
    std::uint8_t reg;
    std::uint8_t value;
};

namespace IteSteps {
// Preparation, write enable and chip erase (0x60, then 0xC7): "(T001)" ... "(T019)". The first
// five rows are the preparation logged as "INIT".
std::span<const IteStep> Erase();
inline constexpr std::size_t kEraseInitRows = 5;
// "(T014)" ends the erase command (0x60 in "(T013)"): the chip changes from this row on.
inline constexpr std::size_t kEraseCommandRow = 13;
// Preparation and a fast read (0x0B) from address 0 left open for the block reads: "(R001)" ...
// "(R013)".
std::span<const IteStep> Read();
} // namespace IteSteps
