#pragma once
// A protocol surprise: bytes that the JIG's firmware would not accept where they arrived (a
// command of another board or mode, a command out of sequence, bytes lost while the MCU was
// busy). The simulated JIG records each one and never answers it as a valid command.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct SimSurprise {
    std::string step;                // what the firmware was doing, and what it would accept
    std::vector<std::uint8_t> bytes; // the bytes it did not accept, in arrival order
    std::int64_t atMicros = 0;       // since the JIG started

    // One line: "protocol surprise at 12.345 ms, <step>: 4B 56".
    std::string Describe() const;
};

// Where recorded surprises go as they happen; by default each is printed on stderr. Tests
// collect them instead. The observer may be called from any simulated JIG's thread.
using SimSurpriseObserver = std::function<void(const SimSurprise&)>;
void SetSimSurpriseObserver(SimSurpriseObserver observer);
void ReportSimSurprise(const SimSurprise& surprise);

// The surprises that lines of `text` describe (as printed by Describe), e.g. a simulator
// process's stderr.
std::vector<SimSurprise> ParseSimSurprises(const std::string& text);
