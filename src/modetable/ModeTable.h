#pragma once
// The working modes, one entry each: what the link, the main window, the firmware switch, the
// simulator and the CLI need to know about a mode. Plain data below every layer (it includes
// nothing of the program but the translation marker), so each of them reads it without depending on
// the modes' code.
#include "port/TrNoop.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// How a window waits for the reply of one of the shared named commands.
enum class ReplyWait {
    None,        // nothing is read
    Reply,       // the first byte, then the rest as the device's read time-out allows
    QueuedExact, // the whole reply queued, then exactly its bytes are read
};

// A mode window's way of finding and identifying the JIG (OpenProgrammerLink).
struct LinkVariant {
    const char* window = ""; // the mode's name
    std::uint32_t readTimeoutMs = 300;
    std::uint32_t writeTimeoutMs = 300;
    std::vector<std::string> acceptedTags; // empty: any answer is accepted
    bool memoLines = true;                 // the keyboard tester writes none
    bool countLine = true;
    bool successLine = true;
    bool latencyBeforeTimeouts = false;
    const char* versionPrefix = TR_NOOP("Link", "Version FW -> ");
    const char* notFoundLine = TR_NOOP("Link", "The programmer is not found or does not respond");
    // A window that keeps a second memo in another language (ITE): its version line there.
    const char* secondVersionPrefix = nullptr;
};

// The waits of the shared commands: the buzzer signals ("BUZ_OK", "BUZ_ER") on each board,
// and every other shared command.
struct CommonReplyWaits {
    ReplyWait buzzerPcb3 = ReplyWait::None;
    ReplyWait buzzerPcb2 = ReplyWait::None;
    ReplyWait others = ReplyWait::None;
};

// An M88 mode firmware of a PCB2 JIG: the tag its version text carries and its Intel HEX file
// in the program's folder.
struct Pcb2Firmware {
    const char* tag;
    const char* file;
};

enum ModeOperation : unsigned {
    kOpCheck = 1u << 0,  // connection and chip identification
    kOpRead = 1u << 1,   // the chip into a file
    kOpErase = 1u << 2,  // erase alone
    kOpWrite = 1u << 3,  // a file into the chip, verified
    kOpWiring = 1u << 4, // the JIG's routing to the board
    kOpScan = 1u << 5,   // watching the chip's lines
};

struct ModeEntry {
    const char* name; // the main selector's item, the link's window, the journal's mode
    LinkVariant link;
    CommonReplyWaits replies;
    const char* pcb2Firmware; // the tag of the M88 firmware it runs on a PCB2
    const char* simModule;    // the simulated chip module that answers it
    const char* scenarioSection;
    const char* cliGroup;
    const char* cliDescription;
    unsigned operations; // ModeOperation bits
};

// In the main selector's order.
const std::vector<ModeEntry>& Modes();
// Nullptr for a name that is no working mode.
const ModeEntry* FindMode(std::string_view name);
// The mode whose link settings `link` is (one of LinkVariants); nothing for any other.
const ModeEntry* ModeOfLink(const LinkVariant& link);

// In the order the program names them ("V41, V42, ITE, NPCE").
const std::vector<Pcb2Firmware>& Pcb2Firmwares();
const Pcb2Firmware* FindPcb2Firmware(std::string_view tag);
// The firmware a mode runs on a PCB2; nullptr for a name that is no working mode.
const Pcb2Firmware* FindModeFirmware(std::string_view mode);
