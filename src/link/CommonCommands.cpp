#include "link/CommonCommands.h"

#include "link/WaitBounds.h"

#include <array>

namespace {
constexpr std::array<CommonCommand, 14> kCommands{{
    {"BUZ_OK", {'I', 0}, 1, 0, 1},
    {"BUZ_ER", {'O', 0}, 1, 0, 1},
    {"RESET_ALTERA", {'S', 'R'}, 2, 0, 1},
    {"ALTERA_RESET", {'S', 'R'}, 2, 0, 1},
    {"WR_ALTERA_REG", {'S', 'W'}, 2, 2, 1},
    {"SPI_ON", {'J', 'S'}, 2, 0, 1},
    {"SPI_OFF", {'J', 'X'}, 2, 0, 1},
    {"JTAG_RESET", {'J', '1'}, 2, 0, 1, '1'},
    {"Test-Logic-Reset", {'J', '1'}, 2, 0, 1},
    {"ID_READ", {'M', 'j'}, 2, 0, 4, 'j'},
    {"DR_SHIFT_32", {'J', 'D'}, 2, 4, 4},
    {"DR_SHIFT", {'J', 'd'}, 2, 1, 1},
    {"IR_SHIFT", {'J', 'i'}, 2, 1, 1},
    {"ENTER_BOOTLOADER", {'?', 0}, 1, 0, 1},
}};
} // namespace

const CommonCommand* FindCommonCommand(std::string_view name) {
    for (const CommonCommand& c : kCommands)
        if (!c.name.empty() && c.name == name)
            return &c;
    return nullptr;
}

std::vector<std::uint8_t> CommonCommandFrame(std::string_view name,
                                             std::span<const std::uint8_t> arguments, bool pcb3) {
    const CommonCommand* c = FindCommonCommand(name);
    if (!c || arguments.size() != c->argumentBytes)
        return {};
    std::vector<std::uint8_t> frame(c->bytes, c->bytes + c->byteCount);
    if (!pcb3 && c->pcb2Byte != 0)
        frame.assign(1, c->pcb2Byte);
    frame.insert(frame.end(), arguments.begin(), arguments.end());
    return frame;
}

ReplyWait WindowReplyWait(std::string_view window, std::string_view command, bool pcb3) {
    const ModeEntry* mode = FindMode(window);
    if (!mode)
        return ReplyWait::None;
    if (command == "BUZ_OK" || command == "BUZ_ER")
        return pcb3 ? mode->replies.buzzerPcb3 : mode->replies.buzzerPcb2;
    return mode->replies.others;
}

bool SendCommonCommand(ProgrammerLink& link, std::string_view name,
                       std::span<const std::uint8_t> arguments, ReplyWait wait) {
    const CommonCommand* c = FindCommonCommand(name);
    std::vector<std::uint8_t> frame = CommonCommandFrame(name, arguments, link.IsPcb3());
    if (!c || frame.empty() || !link.Send(frame))
        return false;
    switch (wait) {
    case ReplyWait::None:
        return true;
    case ReplyWait::Reply:
        // Once the first byte came, the rest as the device's read time-out allows.
        if (!link.ExpectNext(1, WaitBounds::CommandReply).Ok())
            return false;
        if (c->replyBytes > 1)
            link.ExpectRead(c->replyBytes - 1, 1);
        return true;
    case ReplyWait::QueuedExact:
        return link.ExpectNext(c->replyBytes, WaitBounds::CommandReply).Ok();
    }
    return false;
}

std::vector<std::uint8_t> LittleEndian32(std::uint32_t v) {
    return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
            static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
}
