#pragma once
// The motherboard wiring database "MB connection ENE.txt" and what the window derives from one
// of its entries: the keyboard-connector pins of the EC's five programming lines and the
// wiring help for a flexible cable.
#include "port/TrNoop.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* kEneDatabaseFile = "MB connection ENE.txt";

// Keyboard-connector (or cable) pins of the five EC lines, counted from 1.
struct EnePins {
    int zero = 0;     // "KSO3=", help letter A
    int cs = 0;       // "KSI4=", B
    int dataFrom = 0; // "KSI7=", C
    int dataTo = 0;   // "KSI6=", D
    int clk = 0;      // "KSI5=", E
    bool operator==(const EnePins&) const = default;
};

// Every line of the file, in order: a line ends at LF, CRs are dropped, text after the last LF
// is not an entry. Nothing when the file cannot be opened.
std::optional<std::vector<std::string>> LoadEneDatabase(const std::string& path = kEneDatabaseFile);
std::vector<std::string> SplitEneDatabase(std::string_view bytes);

// The number after `key` ("KSO3="): one character, plus the next one unless it is a blank or
// the line ends there. Nothing when the key is missing or the text is not a pin number.
std::optional<int> EneKeyPin(std::string_view entry, std::string_view key);
// All five keys of an entry; nothing when one is missing or malformed.
std::optional<EnePins> ParseEnePins(std::string_view entry);

// The fixed items of the cable list and the pin count an item stands for (its first two
// characters; 0 when they are not a number).
const std::vector<std::string>& FfcCableItems();
int CablePinCount(std::string_view item);

// Where each line arrives on the cable: the connector pin itself one to one, N - pin + 1
// mirrored.
EnePins CablePins(const EnePins& connector, int cablePins, bool oneToOne);
bool PinsFitCable(const EnePins& pins, int cablePins);

inline constexpr const char* kHelpDatabaseMissing =
    TR_NOOP("Ene", "Create base of connections KB90XX !");
inline constexpr const char* kHelpFormatError = TR_NOOP("Ene", "Error data format!");
inline constexpr const char* kHelpBigPins = TR_NOOP("Ene", "Please select big pins FFC!");

struct EneHelp {
    std::string label;
    // The entry's pins when its keys could be read (also when the cable is too small).
    std::optional<EnePins> pins;
};
// The wiring help for a motherboard entry on a cable, in the chosen language.
EneHelp EneHelpLabel(std::string_view entry, std::string_view cableItem, bool oneToOne);
