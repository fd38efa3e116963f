#include "sim/chips/IteSerialFlash.h"

#include <algorithm>

namespace {
constexpr std::uint8_t kWriteEnable = 0x06;
constexpr std::uint8_t kWriteDisable = 0x04;
constexpr std::uint8_t kReadStatus = 0x05;
constexpr std::uint8_t kRead = 0x03;
constexpr std::uint8_t kFastRead = 0x0B;
constexpr std::uint8_t kPageProgram = 0x02;
constexpr std::uint32_t kPageSize = 256;
constexpr std::uint8_t kFloating = 0xFF; // nothing drives the data line
} // namespace

IteSerialFlash::IteSerialFlash(std::vector<std::uint8_t>& memory,
                               std::chrono::nanoseconds eraseTime,
                               std::chrono::nanoseconds programTime,
                               std::vector<std::uint8_t> eraseOpcodes)
    : memory_(memory), eraseTime_(eraseTime), programTime_(programTime),
      eraseOpcodes_(std::move(eraseOpcodes)) {}

std::chrono::nanoseconds IteSerialFlash::RemainingBusy() const {
    const auto now = std::chrono::steady_clock::now();
    return busyUntil_ > now ? busyUntil_ - now : std::chrono::nanoseconds(0);
}

std::uint8_t IteSerialFlash::Status() {
    const bool busy = Busy();
    unpolled_ = false;
    return static_cast<std::uint8_t>((busy ? 0x01 : 0x00) | (writeEnabled_ ? 0x02 : 0x00));
}

void IteSerialFlash::StartWork(std::chrono::nanoseconds time) {
    writeEnabled_ = false;
    busyUntil_ = std::chrono::steady_clock::now() + time;
    unpolled_ = true;
}

void IteSerialFlash::SetStuckZeroBits(std::uint32_t address, std::uint8_t mask) {
    stuckAddress_ = address % static_cast<std::uint32_t>(memory_.size());
    stuckMask_ = mask;
}

void IteSerialFlash::Select() {
    if (selected_)
        return;
    selected_ = true;
    ignored_ = false;
    opcode_ = 0;
    count_ = 0;
    address_ = 0;
    page_.clear();
}

std::uint8_t IteSerialFlash::ReadByte() {
    const std::uint8_t b = memory_[address_ % memory_.size()];
    address_ = static_cast<std::uint32_t>((address_ + 1) % memory_.size());
    return b;
}

std::uint8_t IteSerialFlash::Transfer(std::uint8_t in) {
    if (!selected_)
        return kFloating;
    const std::size_t position = count_++;
    if (position == 0) {
        opcode_ = in;
        ignored_ = Busy() && in != kReadStatus;
        return kFloating;
    }
    if (ignored_)
        return kFloating;
    switch (opcode_) {
    case kReadStatus:
        return Status();
    case kRead:
    case kFastRead: {
        if (position <= 3) {
            address_ = (address_ << 8) | in;
            return kFloating;
        }
        if (opcode_ == kFastRead && position == 4)
            return kFloating; // the dummy byte
        return ReadByte();
    }
    case kPageProgram:
        if (position <= 3) {
            address_ = (address_ << 8) | in;
            return kFloating;
        }
        {
            // Within one page the address wraps, as the chip's page buffer does.
            const std::uint32_t base = address_ & ~(kPageSize - 1);
            const std::uint32_t offset =
                (address_ + static_cast<std::uint32_t>(position - 4)) % kPageSize;
            page_.emplace_back((base + offset) % memory_.size(), in);
        }
        return kFloating;
    default:
        return kFloating;
    }
}

void IteSerialFlash::Deselect() {
    if (!selected_)
        return;
    selected_ = false;
    if (ignored_ || count_ == 0)
        return;
    if (count_ == 1 && writeEnabled_ &&
        std::find(eraseOpcodes_.begin(), eraseOpcodes_.end(), opcode_) != eraseOpcodes_.end()) {
        std::fill(memory_.begin(), memory_.end(), std::uint8_t{0xFF});
        memory_[stuckAddress_] &= static_cast<std::uint8_t>(~stuckMask_);
        StartWork(eraseTime_);
        ++erases_;
        return;
    }
    switch (opcode_) {
    case kWriteEnable:
        if (count_ == 1)
            writeEnabled_ = true;
        break;
    case kWriteDisable:
        if (count_ == 1)
            writeEnabled_ = false;
        break;
    case kPageProgram:
        if (count_ > 4 && writeEnabled_) {
            for (const auto& [at, value] : page_)
                memory_[at] &= value; // programming only clears bits
            StartWork(programTime_);
        }
        break;
    default:
        break;
    }
    page_.clear();
}
