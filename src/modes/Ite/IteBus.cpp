#include "modes/Ite/IteBus.h"

namespace IteFrames {
namespace {
std::vector<std::uint8_t> Prefixed(bool pcb3, std::initializer_list<std::uint8_t> bytes) {
    std::vector<std::uint8_t> frame;
    frame.reserve(bytes.size() + 1);
    if (pcb3)
        frame.push_back(static_cast<std::uint8_t>(Ite::kPcb3Prefix));
    for (std::uint8_t b : bytes)
        frame.push_back(b);
    return frame;
}
} // namespace

std::vector<std::uint8_t> Command(bool pcb3, IteCommand kind, std::uint8_t value) {
    switch (kind) {
    case IteCommand::Test:
        return Prefixed(pcb3, {'T'});
    case IteCommand::Address:
        return Prefixed(pcb3, {'A', value});
    case IteCommand::DataWrite:
        return Prefixed(pcb3, {static_cast<std::uint8_t>(pcb3 ? 'D' : 'W'), value});
    case IteCommand::DataRead:
        return Prefixed(pcb3, {'R'});
    case IteCommand::EnterSetup:
        return Prefixed(pcb3, {'S'});
    }
    return {};
}

std::vector<std::uint8_t> PinAssignment(const char code[3], std::uint8_t contact) {
    return {static_cast<std::uint8_t>(code[0]), static_cast<std::uint8_t>(code[1]), contact};
}

std::vector<std::uint8_t> EndOfSetup() {
    return {'Q', 'Q', 'Q'};
}

std::vector<std::uint8_t> BlockRead(bool pcb3) {
    return Prefixed(pcb3, {'r'});
}

std::vector<std::uint8_t> SetWriteAddress(bool pcb3, std::uint32_t address) {
    return Prefixed(pcb3,
                    {'Y', static_cast<std::uint8_t>(address >> 16),
                     static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address)});
}

std::vector<std::uint8_t> BlockWrite(bool pcb3, std::span<const std::uint8_t> block) {
    std::vector<std::uint8_t> frame = Prefixed(pcb3, {'w'});
    frame.reserve(frame.size() + block.size());
    for (std::uint8_t b : block)
        frame.push_back(b);
    return frame;
}
} // namespace IteFrames

IteReply IteBus::Exchange(std::span<const std::uint8_t> frame, Millis bound) {
    // Every answer but a data read's value is "o" when it went well; a data read is rare.
    link_.RepliesEndWith(Ite::kDone);
    if (!link_.Send(frame))
        return {WaitOutcome::DeviceError, 0};
    // The first byte is the answer; anything queued behind it is stale and is dropped with it.
    const Reply r = link_.Expect(1, bound);
    if (r.Lost())
        return {r.outcome, 0};
    return {WaitOutcome::Ready, r.At(0)};
}

IteReply IteBus::Command(IteCommand kind, std::uint8_t value, Millis bound) {
    return Exchange(IteFrames::Command(Pcb3(), kind, value), bound);
}

IteReply IteBus::RegisterWrite(std::uint8_t reg, std::uint8_t value, Millis bound) {
    const IteReply address = Command(IteCommand::Address, reg, bound);
    if (!address.Is(Ite::kDone))
        return address;
    return Command(IteCommand::DataWrite, value, bound);
}

void IteBus::Finish(bool success, Millis bound) {
    const std::uint8_t signal = success ? 'I' : 'O';
    if (link_.Send({signal}))
        link_.AwaitSent(bound);
}
