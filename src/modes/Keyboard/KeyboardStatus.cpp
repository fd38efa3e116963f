#include "modes/Keyboard/KeyboardStatus.h"

namespace Keyboard {

StatusLabel StatusLabelOf(const std::string& word) {
    constexpr Rgb kGreen{0, 255, 0};
    constexpr Rgb kRed{255, 0, 0};
    if (word == "YES")
        return {TR_NOOP("Keyboard", "Ready to work"), kGreen};
    if (word == "NO FTDI")
        return {TR_NOOP("Keyboard", "Device not found"), kRed};
    if (word == "OLD FW")
        return {TR_NOOP("Keyboard", "Please update FW"), kRed};
    return {TR_NOOP("Keyboard", "Press start scan"), kRed};
}

} // namespace Keyboard
