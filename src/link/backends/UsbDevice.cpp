#include "link/backends/UsbDevice.h"

#include <algorithm>
#include <libftdi1/ftdi.h>
#include <libusb-1.0/libusb.h>
#include <vector>

namespace {
// One USB read takes up to 64 packets; a short packet ends it sooner. An idle chip sends a
// status-only packet each latency period (at most 255 ms), so a read normally ends well before
// its time-out, which only bounds a chip that stops answering.
constexpr int kPacketsPerRead = 64;
constexpr unsigned kReadTimeoutMs = 1000;
// Second status byte: the transmitter is empty.
constexpr std::uint8_t kTransmitterEmpty = 0x40;
// Reads that fail (other than by a time-out) in a row before the device counts as lost, and the
// pause between them.
constexpr int kFailuresForLost = 5;
constexpr Millis kRetryPause{20};
} // namespace

UsbDevice::~UsbDevice() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (reader_.joinable())
        reader_.join();
    ftdi_usb_close(ctx_);
    ftdi_free(ctx_);
}

void UsbDevice::StartReader() {
    if (!reader_.joinable())
        reader_ = std::thread([this] { ReaderLoop(); });
}

void UsbDevice::ReaderLoop() {
    const int packetSize = static_cast<int>(ctx_->max_packet_size);
    std::vector<std::uint8_t> raw(static_cast<std::size_t>(packetSize * kPacketsPerRead));
    int failures = 0;
    for (;;) {
        std::uint64_t writesBefore;
        {
            std::lock_guard lock(mutex_);
            if (stopping_ || gone_)
                return;
            ++readsStarted_;
            writesBefore = writes_;
        }
        int got = 0;
        const int r = libusb_bulk_transfer(ctx_->usb_dev, ctx_->out_ep, raw.data(),
                                           static_cast<int>(raw.size()), &got, kReadTimeoutMs);
        std::unique_lock lock(mutex_);
        // Packets that came before a time-out or an error are the chip's data all the same.
        TakePackets(raw.data(), got, writesBefore);
        ++readsEnded_;
        const bool failed =
            r != LIBUSB_SUCCESS && r != LIBUSB_ERROR_TIMEOUT && r != LIBUSB_ERROR_INTERRUPTED;
        failures = failed ? failures + 1 : 0;
        if (r == LIBUSB_ERROR_NO_DEVICE || failures >= kFailuresForLost)
            gone_ = true;
        changed_.notify_all();
        if (failed && !gone_)
            changed_.wait_for(lock, kRetryPause, [this] { return stopping_; });
    }
}

void UsbDevice::TakePackets(const std::uint8_t* raw, int size, std::uint64_t writesBefore) {
    const int packetSize = static_cast<int>(ctx_->max_packet_size);
    std::uint8_t lineStatus = 0;
    for (int at = 0; at + 2 <= size; at += packetSize) {
        const int end = std::min(size, at + packetSize);
        lineStatus = raw[at + 1];
        received_.insert(received_.end(), raw + at + 2, raw + end);
    }
    // A packet made after the last write finished tells whether its bytes are out.
    if (size >= 2 && (lineStatus & kTransmitterEmpty))
        writesSent_ = std::max(writesSent_, writesBefore);
}

void UsbDevice::DropReceived() {
    std::unique_lock lock(mutex_);
    if (reader_.joinable()) {
        const std::uint64_t inFlight = readsStarted_;
        changed_.wait_for(lock, Millis(2 * kReadTimeoutMs),
                          [&] { return readsEnded_ >= inFlight || gone_ || stopping_; });
    }
    received_.clear();
}

FT_STATUS UsbDevice::GetDriverVersion(DWORD* version) {
    ftdi_version_info v = ftdi_get_library_version();
    *version = static_cast<DWORD>((v.major << 16) | (v.minor << 8) | v.micro);
    return FT_OK;
}

FT_STATUS UsbDevice::ResetDevice() {
    const int r = ftdi_usb_reset(ctx_);
    DropReceived();
    return r == 0 ? FT_OK : FT_IO_ERROR;
}

FT_STATUS UsbDevice::SetBaudRate(DWORD baud) {
    switch (ftdi_set_baudrate(ctx_, static_cast<int>(baud))) {
    case 0:
        return FT_OK;
    case -1:
        return FT_INVALID_BAUD_RATE;
    default:
        return FT_IO_ERROR;
    }
}

FT_STATUS UsbDevice::SetDataCharacteristics(UCHAR bits, UCHAR stop, UCHAR parity) {
    if (bits != FT_BITS_8 || stop != FT_STOP_BITS_1 || parity != FT_PARITY_NONE)
        return FT_INVALID_PARAMETER;
    return ftdi_set_line_property(ctx_, BITS_8, STOP_BIT_1, NONE) == 0 ? FT_OK : FT_IO_ERROR;
}

FT_STATUS UsbDevice::SetTimeouts(DWORD readMs, DWORD writeMs) {
    readTimeout_ = Millis(readMs);
    ctx_->usb_write_timeout = static_cast<int>(writeMs);
    return FT_OK;
}

FT_STATUS UsbDevice::SetLatencyTimer(UCHAR ms) {
    return ftdi_set_latency_timer(ctx_, ms) == 0 ? FT_OK : FT_IO_ERROR;
}

FT_STATUS UsbDevice::SetChars(UCHAR eventChar, UCHAR eventEnable, UCHAR errorChar,
                              UCHAR errorEnable) {
    if (ftdi_set_event_char(ctx_, eventChar, eventEnable) != 0)
        return FT_IO_ERROR;
    const int error = errorEnable ? errorChar : -1;
    if (error != errorChar_) {
        if (ftdi_set_error_char(ctx_, errorChar, errorEnable) != 0)
            return FT_IO_ERROR;
        errorChar_ = error;
    }
    return FT_OK;
}

FT_STATUS UsbDevice::Purge(DWORD mask) {
    int r = 0;
    if (mask & FT_PURGE_RX) {
        r |= ftdi_tciflush(ctx_);
        DropReceived();
    }
    if (mask & FT_PURGE_TX)
        r |= ftdi_tcoflush(ctx_);
    return r == 0 ? FT_OK : FT_IO_ERROR;
}

FT_STATUS UsbDevice::Write(const void* data, DWORD count, DWORD* written) {
    *written = 0;
    {
        std::lock_guard lock(mutex_);
        if (gone_)
            return FT_IO_ERROR;
    }
    const int n =
        ftdi_write_data(ctx_, static_cast<const unsigned char*>(data), static_cast<int>(count));
    if (n < 0)
        return FT_IO_ERROR;
    {
        std::lock_guard lock(mutex_);
        ++writes_;
    }
    *written = static_cast<DWORD>(n);
    return FT_OK;
}

FT_STATUS UsbDevice::Read(void* data, DWORD count, DWORD* got) {
    *got = 0;
    StartReader();
    std::unique_lock lock(mutex_);
    changed_.wait_until(lock, DeadlineIn(readTimeout_),
                        [&] { return received_.size() >= count || gone_ || interrupted_; });
    const std::size_t n = std::min<std::size_t>(count, received_.size());
    if (n == 0 && gone_)
        return FT_IO_ERROR;
    const auto end = received_.begin() + static_cast<std::ptrdiff_t>(n);
    std::copy(received_.begin(), end, static_cast<std::uint8_t*>(data));
    received_.erase(received_.begin(), end);
    *got = static_cast<DWORD>(n);
    return FT_OK;
}

FT_STATUS UsbDevice::GetStatus(DWORD* rxQueue, DWORD* txQueue, DWORD* events) {
    *rxQueue = *txQueue = *events = 0;
    StartReader();
    std::lock_guard lock(mutex_);
    if (gone_ && received_.empty())
        return FT_IO_ERROR;
    *rxQueue = static_cast<DWORD>(received_.size());
    return FT_OK; // ftdi_write_data returns once the chip has taken the bytes
}

WaitOutcome UsbDevice::WaitReceived(std::size_t count, Deadline deadline) {
    StartReader();
    std::unique_lock lock(mutex_);
    for (;;) {
        if (interrupted_)
            return WaitOutcome::Cancelled;
        if (received_.size() >= count)
            return WaitOutcome::Ready;
        if (gone_)
            return WaitOutcome::DeviceError;
        if (SteadyClock::now() >= deadline)
            return WaitOutcome::TimedOut;
        changed_.wait_until(lock, deadline);
    }
}

WaitOutcome UsbDevice::WaitSent(Deadline deadline) {
    StartReader();
    std::unique_lock lock(mutex_);
    const std::uint64_t target = writes_;
    for (;;) {
        if (interrupted_)
            return WaitOutcome::Cancelled;
        if (writesSent_ >= target)
            return WaitOutcome::Ready;
        if (gone_)
            return WaitOutcome::DeviceError;
        if (SteadyClock::now() >= deadline)
            return WaitOutcome::TimedOut;
        changed_.wait_until(lock, deadline);
    }
}

void UsbDevice::Interrupt() {
    {
        std::lock_guard lock(mutex_);
        interrupted_ = true;
    }
    changed_.notify_all();
}

void UsbDevice::ClearInterrupt() {
    std::lock_guard lock(mutex_);
    interrupted_ = false;
}
