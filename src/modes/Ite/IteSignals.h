#pragma once
// The fifteen ITE EC signals that reach the JIG through the keyboard connector, and the pin
// assignment: for each signal's box, the keyboard-connector contact it is wired to.
#include <array>
#include <cstdint>

enum class IteSignalGroup { Data, Busy, Strobe, Input };

struct IteSignal {
    const char* name;  // "PD0", as the messages name it
    const char* label; // shown beside its box
    const char* key;   // in "MB connection ITE.txt"
    int box;           // ComboBox1 ... ComboBox15
    char code[3];      // the two letters of its pin-assignment triple
    IteSignalGroup group;
};

namespace Ite {
inline constexpr int kSignals = 15;
inline constexpr int kContacts = 32;
// A box's value: 0 "NC", 1..32 a contact, kNoSelection when its text matches no entry.
inline constexpr int kNotConnected = 0;
inline constexpr int kNoSelection = -1;
} // namespace Ite

// In the order the database keys are taken: PD0 ... PD7, BUSY, STB, AFD, INIT, SLIN, KSI4, KSI5.
const std::array<IteSignal, Ite::kSignals>& IteSignals();
// The boxes in the order their triples are sent: IN, DS, AS, WR, K4, K5, BL, d0 ... d7.
const std::array<int, Ite::kSignals>& IteSendOrder();

// Box n (1..15) at index n - 1.
using IteAssignment = std::array<int, Ite::kSignals>;
inline constexpr IteAssignment kUnassigned{}; // every box on "NC"

const IteSignal& IteSignalOfBox(int box);
// The byte a box's value is sent as: its contact, 0 for "NC", 0xFF without a selection.
std::uint8_t IteContactByte(int value);
