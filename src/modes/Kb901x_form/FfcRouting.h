#pragma once
// The PCB3 CPLD routing that puts the EC's five lines on the cable contacts a motherboard uses.
#include "modes/Kb901x_form/EneDatabase.h"

#include <cstdint>
#include <vector>

struct CpldRegisterWrite {
    std::uint8_t reg;
    std::uint8_t value;
    bool operator==(const CpldRegisterWrite&) const = default;
};

struct CpldRouting {
    std::uint32_t drive = 0;    // contacts the CPLD drives
    std::uint32_t codeHigh = 0; // first code bit of each contact
    std::uint32_t codeLow = 0;  // second code bit
    std::uint8_t inputSelect = 0;
};

// Lines entered in the order ZERO, CS, D_FROM, D_TO, CLK; on a shared contact the later line
// decides the code, and ZERO only ever sets bits. `cable` holds contact numbers 1..32.
CpldRouting ComputeCpldRouting(const EnePins& cable);
// The thirteen register writes in the order they go out: the code masks byte by byte
// (36, 32, 37, 33, ...), the drive mask (16..19), the input select (64).
std::vector<CpldRegisterWrite> CpldRoutingWrites(const CpldRouting& routing);
