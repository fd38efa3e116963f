#include "modes/Keyboard/KeyboardStatus.h"

namespace Keyboard {

StatusLabel StatusLabelOf(const std::string& word) {
    constexpr Rgb kGreen{0, 255, 0};
    constexpr Rgb kRed{255, 0, 0};
    if (word == "YES")
        return {"Ready to work", kGreen};
    if (word == "NO FTDI")
        return {"Device not found", kRed};
    if (word == "OLD FW")
        return {"Please update FW", kRed};
    return {"Press start scan", kRed};
}

} // namespace Keyboard
