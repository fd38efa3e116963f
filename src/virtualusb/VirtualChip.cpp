#include "virtualusb/VirtualChip.h"

#include "virtualusb/BaudDivisor.h"

#include <algorithm>
#include <cstring>
#include <libusb-1.0/libusb.h>
#include <vector>

namespace {
constexpr std::size_t kPayload = VirtualChip::kPacketSize - 2;
// First status byte: the low nibble always reads 1; CTS, DSR, RI and DCD are not wired.
constexpr std::uint8_t kModemStatus = 0x01;
// Second status byte: transmitter holding register and transmitter empty.
constexpr std::uint8_t kThre = 0x20;
constexpr std::uint8_t kTemt = 0x40;

enum Request : std::uint8_t {
    kReset = 0x00,
    kModemCtrl = 0x01,
    kFlowCtrl = 0x02,
    kSetBaudRate = 0x03,
    kSetData = 0x04,
    kPollModemStatus = 0x05,
    kSetEventChar = 0x06,
    kSetErrorChar = 0x07,
    kSetLatencyTimer = 0x09,
    kGetLatencyTimer = 0x0A,
    kSetBitMode = 0x0B,
    kReadPins = 0x0C,
    kReadEeprom = 0x90,
};
enum ResetKind : std::uint16_t { kResetSio = 0, kPurgeToJig = 1, kPurgeFromJig = 2 };
} // namespace

VirtualChip::VirtualChip(std::string serial, std::unique_ptr<ChipBacking> backing)
    : serial_(std::move(serial)), backing_(std::move(backing)) {
    backing_->SetBaud(UartRateHeard(baud_));
    backing_->SetLatency(latencyMs_);
}

int VirtualChip::Claim(const void* owner) {
    std::lock_guard lock(mutex_);
    if (backing_->Gone())
        return LIBUSB_ERROR_NO_DEVICE;
    if (claimedBy_ && claimedBy_ != owner)
        return LIBUSB_ERROR_BUSY;
    claimedBy_ = owner;
    return LIBUSB_SUCCESS;
}

int VirtualChip::Release(const void* owner) {
    std::lock_guard lock(mutex_);
    if (claimedBy_ != owner)
        return LIBUSB_ERROR_NOT_FOUND;
    claimedBy_ = nullptr;
    return backing_->Gone() ? LIBUSB_ERROR_NO_DEVICE : LIBUSB_SUCCESS;
}

std::uint32_t VirtualChip::Baud() {
    std::lock_guard lock(mutex_);
    return baud_;
}

int VirtualChip::LatencyMs() {
    std::lock_guard lock(mutex_);
    return latencyMs_;
}

int VirtualChip::Control(std::uint8_t requestType, std::uint8_t request, std::uint16_t value,
                         std::uint16_t index, std::uint8_t* data, std::uint16_t length) {
    if (backing_->Gone())
        return LIBUSB_ERROR_NO_DEVICE;
    const bool in = requestType & LIBUSB_ENDPOINT_IN;
    const int type = requestType & (0x03 << 5);
    if (type == LIBUSB_REQUEST_TYPE_VENDOR)
        return in ? VendorIn(request, data, length) : VendorOut(request, value, index);
    if (type == LIBUSB_REQUEST_TYPE_STANDARD && in && request == LIBUSB_REQUEST_GET_STATUS) {
        const int n = std::min<int>(length, 2);
        std::memset(data, 0, static_cast<std::size_t>(n));
        return n;
    }
    return LIBUSB_ERROR_PIPE; // the chip stalls what it does not know
}

int VirtualChip::VendorOut(std::uint8_t request, std::uint16_t value, std::uint16_t index) {
    std::lock_guard lock(mutex_);
    switch (request) {
    case kReset:
        if (value > kPurgeFromJig)
            return LIBUSB_ERROR_PIPE;
        backing_->Purge(value != kPurgeToJig, value != kPurgeFromJig);
        return 0;
    case kSetBaudRate:
        baud_ = FtdiBaudFromDivisor(value, index);
        backing_->SetBaud(UartRateHeard(baud_));
        return 0;
    case kSetData:
        lineProperty_ = value;
        return 0;
    case kSetLatencyTimer:
        if ((value & 0xFF) == 0)
            return LIBUSB_ERROR_PIPE;
        latencyMs_ = value & 0xFF;
        backing_->SetLatency(latencyMs_);
        return 0;
    case kModemCtrl:
        modemControl_ = value;
        return 0;
    case kFlowCtrl:
        flowControl_ = index & 0xFF00;
        return 0;
    case kSetBitMode:
        bitMode_ = value;
        return 0;
    case kSetEventChar:
        backing_->SetEventChar(value & 0x100 ? std::optional<std::uint8_t>(value & 0xFF)
                                             : std::nullopt);
        return 0;
    case kSetErrorChar:
        return 0;
    default:
        return LIBUSB_ERROR_PIPE;
    }
}

int VirtualChip::VendorIn(std::uint8_t request, std::uint8_t* data, std::uint16_t length) {
    std::uint8_t answer[2] = {0, 0};
    int size = 0;
    switch (request) {
    case kPollModemStatus:
        answer[0] = kModemStatus;
        answer[1] = LineStatus();
        size = 2;
        break;
    case kGetLatencyTimer:
        answer[0] = static_cast<std::uint8_t>(LatencyMs());
        size = 1;
        break;
    case kReadPins:
        answer[0] = 0xFF;
        size = 1;
        break;
    case kReadEeprom:
        answer[0] = answer[1] = 0xFF; // a blank EEPROM word
        size = 2;
        break;
    default:
        return LIBUSB_ERROR_PIPE;
    }
    const int n = std::min<int>(size, length);
    std::memcpy(data, answer, static_cast<std::size_t>(n));
    return n;
}

std::uint8_t VirtualChip::LineStatus() {
    return backing_->Sending() == 0 ? kThre | kTemt : 0;
}

int VirtualChip::BulkOut(const std::uint8_t* data, int length, int* transferred) {
    *transferred = 0;
    if (backing_->Gone())
        return LIBUSB_ERROR_NO_DEVICE;
    bool sevenBits;
    {
        std::lock_guard lock(mutex_);
        sevenBits = (lineProperty_ & 0xFF) == 7;
    }
    if (sevenBits) {
        // An 8-bit receiver takes the stop bit for the eighth data bit.
        std::vector<std::uint8_t> framed(data, data + length);
        for (std::uint8_t& b : framed)
            b |= 0x80;
        backing_->Send(framed.data(), framed.size());
    } else {
        backing_->Send(data, static_cast<std::size_t>(length));
    }
    *transferred = length;
    return LIBUSB_SUCCESS;
}

int VirtualChip::BulkIn(std::uint8_t* data, int length, int* transferred, unsigned timeoutMs) {
    std::lock_guard in(inMutex_);
    const Deadline deadline =
        timeoutMs == 0 ? Deadline::max() : SteadyClock::now() + Millis(timeoutMs);
    int out = 0;
    for (;;) {
        *transferred = out;
        if (backing_->Gone())
            return LIBUSB_ERROR_NO_DEVICE;
        int latency;
        bool sevenBits;
        {
            std::lock_guard lock(mutex_);
            latency = latencyMs_;
            sevenBits = (lineProperty_ & 0xFF) == 7;
        }
        std::uint8_t payload[kPayload];
        const std::size_t n = backing_->Take(payload, kPayload);
        const Deadline now = SteadyClock::now();
        const bool holding = n == 0 && backing_->Holding() > 0;
        const Deadline statusDue = holding ? Deadline::max() : lastPacket_ + Millis(latency);
        if (n > 0 || now >= statusDue) {
            const int size = static_cast<int>(2 + n);
            lastPacket_ = now;
            if (length - out < size)
                return LIBUSB_ERROR_OVERFLOW; // the packet is lost, as on the bus
            data[out] = kModemStatus;
            data[out + 1] = LineStatus();
            for (std::size_t i = 0; i < n; ++i)
                data[out + 2 + static_cast<int>(i)] = sevenBits ? payload[i] & 0x7F : payload[i];
            out += size;
            *transferred = out;
            // A short packet ends the transfer; so does a full buffer.
            if (size < kPacketSize || out == length)
                return LIBUSB_SUCCESS;
            continue;
        }
        if (now >= deadline)
            return LIBUSB_ERROR_TIMEOUT;
        backing_->Await(std::min(deadline, statusDue));
    }
}
