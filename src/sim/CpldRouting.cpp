#include "sim/CpldRouting.h"

namespace {
constexpr int kDriveMask = 16;
constexpr int kFirstCode = 36;
constexpr int kSecondCode = 32;
constexpr int kReadBack = 64;

bool Bit(const std::array<std::uint8_t, 256>& r, int base, int contact) {
    return (r[static_cast<std::size_t>(base + (contact - 1) / 8)] >> ((contact - 1) % 8)) & 1;
}
} // namespace

bool RoutesExactly(const std::array<std::uint8_t, 256>& r, const CpldWiring& wiring) {
    for (int contact = 1; contact <= 32; ++contact) {
        auto want = wiring.driven.find(contact);
        if (Bit(r, kDriveMask, contact) != (want != wiring.driven.end()))
            return false;
        if (want != wiring.driven.end() &&
            CpldCode{Bit(r, kFirstCode, contact), Bit(r, kSecondCode, contact)} != want->second)
            return false;
    }
    return wiring.readBack >= 1 && wiring.readBack <= 32 &&
           r[kReadBack] == (0x80 | ((wiring.readBack - 1) & 0x1F));
}

bool RoutesNothing(const std::array<std::uint8_t, 256>& r) {
    for (int i = 0; i < 4; ++i)
        if (r[static_cast<std::size_t>(kDriveMask + i)] != 0)
            return false;
    return r[kReadBack] == 0;
}
