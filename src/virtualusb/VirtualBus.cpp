#include "virtualusb/VirtualBus.h"

#include "sim/Scenario.h"
#include "virtualusb/PtyBacking.h"
#include "virtualusb/SimJigBacking.h"

#include <cstdio>
#include <cstdlib>

namespace {
std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

std::string SerialNumber(std::size_t index) {
    char serial[16];
    std::snprintf(serial, sizeof serial, "TJV%05zu", index + 1);
    return serial;
}

bool MakeChips(const VirtualUsbSetup& setup, std::vector<std::shared_ptr<VirtualChip>>* chips,
               std::string* description, std::string* error) {
    if (!setup.pty.empty()) {
        std::unique_ptr<PtyBacking> pty = PtyBacking::Open(setup.pty, error);
        if (!pty)
            return false;
        chips->push_back(std::make_shared<VirtualChip>(SerialNumber(0), std::move(pty)));
        *description = "virtual FTDI chip in front of " + setup.pty;
        return true;
    }
    const std::optional<SimTiming> timing = ParseSimTiming(setup.timing);
    if (!timing) {
        *error = "timing is wire or instant, not " + setup.timing;
        return false;
    }
    Scenario scenario;
    if (!LoadScenario(setup.scenarioFile, setup.board, *timing, &scenario, error))
        return false;
    for (const std::string& device : scenario.devices) {
        auto jig = std::make_unique<SimJig>(scenario, device != "jig");
        chips->push_back(std::make_shared<VirtualChip>(
            SerialNumber(chips->size()), std::make_unique<SimJigBacking>(std::move(jig))));
    }
    *description = std::to_string(chips->size()) + " virtual FTDI chip(s), simulated JIG " +
                   scenario.board + ", " + setup.timing + " timing";
    return true;
}
} // namespace

VirtualBus& VirtualBus::Get() {
    static VirtualBus bus;
    return bus;
}

VirtualBus::~VirtualBus() {
    std::vector<std::shared_ptr<VirtualChip>> chips;
    {
        std::lock_guard lock(mutex_);
        chips.swap(chips_);
    }
}

void VirtualBus::PlugFromEnvironmentLocked() {
    configured_ = true;
    VirtualUsbSetup setup;
    setup.board = Env("TOLVANE_VUSB_BOARD");
    setup.scenarioFile = Env("TOLVANE_VUSB_SCENARIO");
    setup.pty = Env("TOLVANE_VUSB_PTY");
    if (!Env("TOLVANE_VUSB_TIMING").empty())
        setup.timing = Env("TOLVANE_VUSB_TIMING");
    std::string error;
    if (!MakeChips(setup, &chips_, &description_, &error)) {
        std::fprintf(stderr, "virtual USB: %s\n", error.c_str());
        description_ = "no virtual FTDI chip (" + error + ")";
    }
}

std::vector<std::shared_ptr<VirtualChip>> VirtualBus::Plugged() {
    std::lock_guard lock(mutex_);
    if (!configured_)
        PlugFromEnvironmentLocked();
    std::vector<std::shared_ptr<VirtualChip>> present;
    for (const auto& chip : chips_)
        if (!chip->Unplugged())
            present.push_back(chip);
    return present;
}

bool VirtualBus::Plug(const VirtualUsbSetup& setup, std::string* error) {
    std::vector<std::shared_ptr<VirtualChip>> chips;
    std::string description;
    if (!MakeChips(setup, &chips, &description, error))
        return false;
    std::lock_guard lock(mutex_);
    for (const auto& chip : chips_)
        chip->Unplug();
    chips_ = std::move(chips);
    description_ = std::move(description);
    configured_ = true;
    return true;
}

bool VirtualBus::Unplug(int index) {
    std::shared_ptr<VirtualChip> chip = Chip(index);
    if (chip)
        chip->Unplug();
    return chip != nullptr;
}

std::shared_ptr<VirtualChip> VirtualBus::Chip(int index) {
    std::lock_guard lock(mutex_);
    if (index < 0 || static_cast<std::size_t>(index) >= chips_.size())
        return nullptr;
    return chips_[static_cast<std::size_t>(index)];
}

std::string VirtualBus::Describe() {
    std::lock_guard lock(mutex_);
    if (!configured_)
        PlugFromEnvironmentLocked();
    return description_;
}
