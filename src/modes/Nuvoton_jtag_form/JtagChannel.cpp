#include "modes/Nuvoton_jtag_form/JtagChannel.h"

#include "link/CommonCommands.h"
#include "port/TimeText.h"
#include "port/Tr.h"

std::string NuvDateTime() {
    return ShortDateText() + " " + LongTimeText();
}

bool JtagChannel::Exchange(std::span<const std::uint8_t> frame, std::size_t replyBytes,
                           Millis bound, const std::string& step) {
    if (!s_.link.Send(frame)) {
        failure_ = WaitFailureLine(WaitOutcome::DeviceError, step);
        s_.linkLost = true;
        return false;
    }
    if (s_.linkLost)
        return false;
    last_ = s_.link.Expect(replyBytes, bound, step);
    if (last_.Ok())
        return true;
    failure_ = last_.FailureLine();
    // Too many bytes were read away with the reply: the JIG still answers.
    s_.linkLost = last_.Lost();
    return false;
}

bool JtagChannel::Run(const NuvJtag::JigCommand& command, const std::string& step) {
    return Exchange(command.frame, command.replyBytes, s_.bounds.commandReply, step);
}

bool JtagChannel::Named(const char* name, std::span<const std::uint8_t> arguments) {
    const CommonCommand* c = FindCommonCommand(name);
    const std::vector<std::uint8_t> frame = CommonCommandFrame(name, arguments);
    if (!c || frame.empty())
        return false;
    return Exchange(frame, c->replyBytes, s_.bounds.commandReply, Tr("Jtag", "answer to ") + name);
}

std::optional<std::uint32_t> JtagChannel::Pair(const NuvJtag::PairEntry& entry,
                                               const std::string& step) {
    if (!Run(NuvJtag::DrShift(entry.code), step) || !Run(NuvJtag::DrShift32(entry.value), step))
        return std::nullopt;
    const std::vector<std::uint8_t>& b = last_.bytes;
    return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
           static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

std::optional<std::uint8_t> JtagChannel::Batch(std::uint8_t mode,
                                               std::span<const NuvJtag::PairEntry> entries,
                                               const std::string& step) {
    if (!Exchange(NuvJtag::BatchFrame(mode, entries), 1, s_.bounds.commandReply, step))
        return std::nullopt;
    return last_.At(0);
}
