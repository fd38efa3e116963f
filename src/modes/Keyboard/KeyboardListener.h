#pragma once
// What the keyboard tester shows, as the scanner reports it. Calls come from the thread that
// clicked (start, clear while idle) and from the scan's worker; a window posts them to its
// own thread and repaints the grid no faster than the eye can follow.
#include "modes/Keyboard/KeyboardMatrix.h"

#include <string>
#include <vector>

namespace Keyboard {

class KeyboardListener {
  public:
    virtual ~KeyboardListener() = default;
    // One indicator took a new colour (thousands a second while keys are held).
    virtual void IndicatorChanged(int pairNumber, Colour colour) = 0;
    // The status word: "YES", "NO", "NO FTDI" or "OLD FW".
    virtual void StatusWordChanged(const std::string& word) = 0;
    // true: the scan runs ("STOP", EXIT disabled, "Hide current" enabled). false: it ended
    // ("START SCAN", EXIT enabled, "Buzzer off" and "Hide current" unchecked, the latter
    // disabled).
    virtual void ScanRunning(bool running) = 0;
    // The valid pairs of every whole answer, in the order reported; empty for '&' alone.
    virtual void PairsReported(const std::vector<PinPair>& /*pairs*/) {}
};

} // namespace Keyboard
