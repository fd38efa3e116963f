#include "modes/Kb901x_form/FfcRouting.h"

namespace {
std::uint32_t Bit(int pin) {
    return std::uint32_t{1} << ((pin - 1) & 31);
}

void Route(CpldRouting& r, int pin, bool high, bool low) {
    const std::uint32_t bit = Bit(pin);
    r.drive |= bit;
    r.codeHigh = high ? (r.codeHigh | bit) : (r.codeHigh & ~bit);
    r.codeLow = low ? (r.codeLow | bit) : (r.codeLow & ~bit);
}

std::uint8_t Byte(std::uint32_t mask, int index) {
    return static_cast<std::uint8_t>(mask >> (8 * index));
}
} // namespace

CpldRouting ComputeCpldRouting(const EnePins& cable) {
    CpldRouting r;
    const std::uint32_t zero = Bit(cable.zero);
    r.drive |= zero;
    r.codeHigh |= zero;
    r.codeLow |= zero;
    Route(r, cable.cs, true, false);
    r.inputSelect = static_cast<std::uint8_t>(0x80 | ((cable.dataFrom - 1) & 0x1F));
    Route(r, cable.dataTo, false, true);
    Route(r, cable.clk, false, false);
    return r;
}

std::vector<CpldRegisterWrite> CpldRoutingWrites(const CpldRouting& r) {
    std::vector<CpldRegisterWrite> writes;
    for (int i = 0; i < 4; ++i) {
        writes.push_back({static_cast<std::uint8_t>(36 + i), Byte(r.codeHigh, i)});
        writes.push_back({static_cast<std::uint8_t>(32 + i), Byte(r.codeLow, i)});
    }
    for (int i = 0; i < 4; ++i)
        writes.push_back({static_cast<std::uint8_t>(16 + i), Byte(r.drive, i)});
    writes.push_back({64, r.inputSelect});
    return writes;
}
