#pragma once
// Which cable contact carries each JTAG signal, for either orientation of the 30-contact cable,
// and the PCB3 CPLD registers that route the JIG's lines there.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace NuvJtag {

enum class Signal { Zero, Tck, Tdo, Tdi, Tms };

struct SignalContact {
    Signal signal;
    char line;   // the JIG's line, 'A' to 'E'
    int contact; // cable contact, 1..30
};

struct FfcMap {
    const char* type; // "TYPE B" (pin 1 to pin 1) or "TYPE A" (mirrored)
    std::array<SignalContact, 5> signals;
};

// The check box "Pin 1 connected to pin 1": checked is TYPE B, unchecked TYPE A.
FfcMap MapFor(bool pin1ToPin1);
// "A7 B19 C10 D21 E20": the JIG's lines and their contacts, for wiring a PCB2 by hand.
std::string MapText(const FfcMap& map);

struct RoutingWrite {
    std::uint8_t reg;
    std::uint8_t value;
    bool operator==(const RoutingWrite&) const = default;
};

// The thirteen "WR_ALTERA_REG" writes in the order they go out: the read-back select (0x40),
// the selector bits group by group (0x24, 0x20, 0x25, 0x21, ...), the drive masks (0x10..0x13).
std::vector<RoutingWrite> RoutingWrites(const FfcMap& map);

} // namespace NuvJtag
