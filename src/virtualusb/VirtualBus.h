#pragma once
// The virtual chips plugged into the bus. Until a test plugs its own, the environment says what
// is plugged in: TOLVANE_VUSB_BOARD, TOLVANE_VUSB_SCENARIO, TOLVANE_VUSB_TIMING and
// TOLVANE_VUSB_PTY (scripts/with-virtual-usb sets them); with none of them, one PCB3 JIG.
#include "virtualusb/VirtualChip.h"

#include <memory>
#include <mutex>
#include <string>
#include <vector>

struct VirtualUsbSetup {
    std::string board;
    std::string scenarioFile;
    std::string timing = "wire";
    std::string pty;
};

class VirtualBus {
  public:
    // Ends with the process; its JIGs stop then, except those a handle still holds.
    static VirtualBus& Get();
    ~VirtualBus();

    std::vector<std::shared_ptr<VirtualChip>> Plugged();
    bool Plug(const VirtualUsbSetup& setup, std::string* error);
    bool Unplug(int index);
    // Chip `index` in bus order, plugged in or not; nullptr without one.
    std::shared_ptr<VirtualChip> Chip(int index);
    std::string Describe();

  private:
    void PlugFromEnvironmentLocked();

    std::mutex mutex_;
    bool configured_ = false;
    std::vector<std::shared_ptr<VirtualChip>> chips_;
    std::string description_;
};
