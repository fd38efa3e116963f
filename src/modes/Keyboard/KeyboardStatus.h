#pragma once
// The status label `Label_keyb_con` as its status word drives it.
#include "port/OperatorPort.h"
#include "port/TrNoop.h"

#include <string>

namespace Keyboard {

struct StatusLabel {
    const char* text; // the source text: shown through Tr("Keyboard", text)
    Rgb colour;
};

// "YES", "NO", "NO FTDI" or "OLD FW"; any other word shows as "NO".
StatusLabel StatusLabelOf(const std::string& word);

} // namespace Keyboard
