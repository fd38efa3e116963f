#include "modes/Kb901x_form/EneDatabase.h"

#include "port/FileBytes.h"
#include "port/Tr.h"

std::vector<std::string> SplitEneDatabase(std::string_view bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : bytes) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else if (c != '\r') {
            line.push_back(c);
        }
    }
    return lines;
}

std::optional<std::vector<std::string>> LoadEneDatabase(const std::string& path) {
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes)
        return std::nullopt;
    return SplitEneDatabase(*bytes);
}

std::optional<int> EneKeyPin(std::string_view entry, std::string_view key) {
    const std::size_t at = entry.find(key);
    if (at == std::string_view::npos)
        return std::nullopt;
    const std::size_t first = at + key.size();
    if (first >= entry.size())
        return std::nullopt;
    std::string_view text = entry.substr(first, 1);
    if (first + 1 < entry.size() && entry[first + 1] != ' ')
        text = entry.substr(first, 2);
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    // Pins count from 1; a pin 0 would route nowhere.
    if (value < 1)
        return std::nullopt;
    return value;
}

std::optional<EnePins> ParseEnePins(std::string_view entry) {
    EnePins p;
    const std::pair<const char*, int*> keys[] = {{"KSO3=", &p.zero},
                                                 {"KSI4=", &p.cs},
                                                 {"KSI7=", &p.dataFrom},
                                                 {"KSI6=", &p.dataTo},
                                                 {"KSI5=", &p.clk}};
    for (const auto& [key, into] : keys) {
        std::optional<int> pin = EneKeyPin(entry, key);
        if (!pin)
            return std::nullopt;
        *into = *pin;
    }
    return p;
}

const std::vector<std::string>& FfcCableItems() {
    static const std::vector<std::string> items{"18 pin", "20 pin", "24 pin", "25 pin",
                                                "26 pin", "28 pin", "30 pin", "32 pin"};
    return items;
}

int CablePinCount(std::string_view item) {
    if (item.size() < 2 || item[0] < '0' || item[0] > '9' || item[1] < '0' || item[1] > '9')
        return 0;
    return (item[0] - '0') * 10 + (item[1] - '0');
}

EnePins CablePins(const EnePins& c, int n, bool oneToOne) {
    if (oneToOne)
        return c;
    auto mirror = [n](int pin) { return n - pin + 1; };
    return {mirror(c.zero), mirror(c.cs), mirror(c.dataFrom), mirror(c.dataTo), mirror(c.clk)};
}

bool PinsFitCable(const EnePins& p, int n) {
    for (int pin : {p.zero, p.cs, p.dataFrom, p.dataTo, p.clk})
        if (pin > n)
            return false;
    return true;
}

EneHelp EneHelpLabel(std::string_view entry, std::string_view cableItem, bool oneToOne) {
    EneHelp help;
    help.pins = ParseEnePins(entry);
    if (!help.pins) {
        help.label = Tr("Ene", kHelpFormatError);
        return help;
    }
    const int n = CablePinCount(cableItem);
    if (!PinsFitCable(*help.pins, n)) {
        help.label = Tr("Ene", kHelpBigPins);
        return help;
    }
    const EnePins c = CablePins(*help.pins, n, oneToOne);
    help.label = Fill(Tr("Ene", "Please connect GND and:  A%1 B%2 C%3 D%4 E%5 (only for JIG 2)"),
                      std::to_string(c.zero), std::to_string(c.cs), std::to_string(c.dataFrom),
                      std::to_string(c.dataTo), std::to_string(c.clk));
    return help;
}
