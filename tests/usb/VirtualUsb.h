#pragma once
// Plugging virtual FTDI chips for a test, in this process or for a program the test runs.
#include "support/SimFixture.h"
#include "virtualusb/VirtualUsbControl.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

// Replaces the chips on the virtual bus with one per device of the scenario.
inline void PlugVirtualChips(const std::string& board, const std::string& scenarioJson = "{}",
                             const std::string& timing = "instant") {
    TempDir dir;
    WriteFileBytes(dir.File("scenario.json"), scenarioJson);
    char error[256] = "";
    ASSERT_EQ(tolvane_virtual_usb_plug(board.c_str(), dir.File("scenario.json").c_str(),
                                       timing.c_str(), nullptr, error, sizeof error),
              0)
        << error;
}

// The environment under which a program of the build reaches virtual chips over `usb`.
inline std::vector<std::string> VirtualUsbEnvironment(const std::string& board,
                                                      const std::string& scenarioFile = "",
                                                      const std::string& timing = "instant",
                                                      const std::string& pty = "") {
    return {"LD_LIBRARY_PATH=" TOLVANE_VIRTUAL_USB_DIR, "TOLVANE_VUSB_BOARD=" + board,
            "TOLVANE_VUSB_SCENARIO=" + scenarioFile, "TOLVANE_VUSB_TIMING=" + timing,
            "TOLVANE_VUSB_PTY=" + pty};
}
