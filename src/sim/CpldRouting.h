#pragma once
// The PCB3 CPLD's routing as wires: which cable contacts the JIG drives, which line each
// driven contact carries (two code bits), and which contact it reads back. A chip behind a
// flexible cable answers only when the JIG drives exactly the contacts of its lines, each
// with its line, and reads its output contact: a contact driven besides them pushes the
// JIG's line onto a net of the motherboard, and the chip sees nothing it can use.
#include <array>
#include <cstdint>
#include <map>

struct CpldCode {
    bool first = false;  // registers 36..39
    bool second = false; // registers 32..35
    bool operator==(const CpldCode&) const = default;
};

struct CpldWiring {
    std::map<int, CpldCode> driven; // contact 1..32 -> the line it must carry
    int readBack = 0;               // the contact the JIG reads (register 64), 1..32
};

// True when the registers route exactly `wiring`: no other contact driven, every driven
// contact with its code, and the read-back select on its contact.
bool RoutesExactly(const std::array<std::uint8_t, 256>& registers, const CpldWiring& wiring);

// True when the CPLD is in its power-up routing (the JIG's own lines, for soldered wires):
// no contact driven and no read-back select.
bool RoutesNothing(const std::array<std::uint8_t, 256>& registers);
