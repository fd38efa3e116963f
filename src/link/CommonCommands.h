#pragma once
// The named commands several mode firmwares share. Senders examine no reply content: a reply
// byte only marks that the JIG has finished the command.
#include "link/ProgrammerLink.h"
#include "modetable/ModeTable.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

struct CommonCommand {
    std::string_view name;
    std::uint8_t bytes[2];
    std::uint8_t byteCount;
    std::uint8_t argumentBytes;
    std::uint8_t replyBytes;
    // The one-byte form a PCB2 mode firmware takes instead (0: the same bytes on both boards).
    std::uint8_t pcb2Byte = 0;
};

// Knows every window's name for a command ("ALTERA_RESET", "Test-Logic-Reset" ...).
const CommonCommand* FindCommonCommand(std::string_view name);

// The frame of a named command with its arguments; empty when the name or the argument
// count is wrong. `pcb3` false gives the PCB2 form of the commands that have one ("ID_READ"
// 'j', "JTAG_RESET" '1').
std::vector<std::uint8_t> CommonCommandFrame(std::string_view name,
                                             std::span<const std::uint8_t> arguments = {},
                                             bool pcb3 = true);

// How a window waits for each shared command's reply, as its mode's entry says; a name that
// is no mode waits for nothing.
ReplyWait WindowReplyWait(std::string_view window, std::string_view command, bool pcb3);

// Sends one named command, in the form of the link's board, in one write and waits for its
// reply as `wait` says.
// Returns false on a failed write, an unknown name, or a reply that did not come in time.
bool SendCommonCommand(ProgrammerLink& link, std::string_view name,
                       std::span<const std::uint8_t> arguments, ReplyWait wait);

// "DR_SHIFT_32" argument: the value least significant byte first.
std::vector<std::uint8_t> LittleEndian32(std::uint32_t value);
