#pragma once
// The parts of a scenario that the simulated JIG's devices keep, without the JSON library
// (only what reads a scenario needs it).
#include <optional>
#include <string>
#include <vector>

enum class SimTiming { Instant, Wire };

// "wire" or "instant", as the command lines and the virtual USB chip's environment spell it.
inline std::optional<SimTiming> ParseSimTiming(const std::string& word) {
    if (word == "wire")
        return SimTiming::Wire;
    if (word == "instant")
        return SimTiming::Instant;
    return std::nullopt;
}

// Read from a scenario's "type": "silence", "drop", "corrupt", "split", "vanish", "delay".
enum class FaultType { Silence, Drop, Corrupt, Split, Vanish, Delay };

struct FaultSpec {
    FaultType type = FaultType::Silence;
    long afterReplies = -1;   // trigger: the JIG has sent this many replies
    long afterHostBytes = -1; // trigger: the JIG has received this many bytes
    long replyByte = -1;      // drop/corrupt/delay: index of the reply byte, counted from 0
    int xorMask = 0x01;       // corrupt
    int pieces = 0;           // split: bytes per piece
    int ms = 0;               // delay; split: gap between pieces
};

// Something that happens to the JIG on its own: "resetButton" pressed at `atMs` after the JIG
// powered up, or `whenCalledMs` after the host first called the bootloader of a JIG that runs
// its application (a technician reacting to the prompt). Each event happens once.
struct EventSpec {
    std::string type;
    long atMs = -1;
    long whenCalledMs = -1;
};

// How the bootloaders misbehave: the M88 answers record `rejectRecord` (counted from 0 after
// "pf") as if its checksum were bad; the PCB2 application refuses '?'.
struct BootloaderSpec {
    long rejectRecord = -1;
    bool refuseEntry = false;
};

// How the FTDI library itself fails: the device list, opening a device index, or the set-up
// calls after an open ("FT_GetDriverVersion", "FT_ResetDevice", "FT_SetBaudRate",
// "FT_SetDataCharacteristics", "FT_SetTimeouts", "FT_SetLatencyTimer"), which then return an
// error and change nothing.
struct FtdiFaultSpec {
    bool listFails = false;
    std::vector<int> openFails;
    std::vector<std::string> failingCalls;
};

struct BoardPreset {
    const char* name;
    bool pcb3;
    const char* versionText; // the identification answer without its CR LF
    const char* firmwareTag; // PCB2: the mode firmware running; PCB3: empty
};

const std::vector<BoardPreset>& BoardPresets();
const BoardPreset* FindBoardPreset(const std::string& name);
// "pcb3, pcb3-old, ...": the presets' names for a help text.
std::string BoardPresetNames();
