#include "link/backends/UsbFtdiApi.h"

#include <algorithm>
#include <cstring>
#include <libftdi1/ftdi.h>
#include <libusb-1.0/libusb.h>

namespace {
int RemainingMs(Deadline deadline) {
    auto left = std::chrono::ceil<Millis>(deadline - SteadyClock::now()).count();
    return static_cast<int>(std::clamp<long long>(left, 1, 60'000));
}
} // namespace

UsbFtdiApi::~UsbFtdiApi() {
    ForgetDevices();
}

void UsbFtdiApi::ForgetDevices() {
    for (libusb_device* d : devices_)
        libusb_unref_device(d);
    devices_.clear();
    if (listContext_)
        ftdi_free(listContext_);
    listContext_ = nullptr;
}

FT_STATUS UsbFtdiApi::FT_CreateDeviceInfoList(DWORD* numDevs) {
    *numDevs = 0;
    ForgetDevices();
    listContext_ = ftdi_new();
    if (!listContext_)
        return FT_INSUFFICIENT_RESOURCES;
    ftdi_device_list* list = nullptr;
    // Vendor and product 0: every known FTDI device.
    int n = ftdi_usb_find_all(listContext_, &list, 0, 0);
    if (n < 0)
        return FT_OTHER_ERROR;
    for (ftdi_device_list* p = list; p; p = p->next)
        devices_.push_back(libusb_ref_device(p->dev));
    ftdi_list_free(&list);
    *numDevs = static_cast<DWORD>(devices_.size());
    return FT_OK;
}

FT_STATUS UsbFtdiApi::FT_Open(int index, FT_HANDLE* handle) {
    *handle = nullptr;
    if (index < 0 || static_cast<std::size_t>(index) >= devices_.size())
        return FT_DEVICE_NOT_FOUND;
    ftdi_context* ctx = ftdi_new();
    if (!ctx)
        return FT_INSUFFICIENT_RESOURCES;
    if (ftdi_usb_open_dev(ctx, devices_[static_cast<std::size_t>(index)]) < 0) {
        ftdi_free(ctx);
        return FT_DEVICE_NOT_OPENED;
    }
    *handle = new UsbDevice(ctx);
    return FT_OK;
}

UsbDevice::~UsbDevice() {
    ftdi_usb_close(ctx_);
    ftdi_free(ctx_);
}

bool UsbDevice::Fill(int usbTimeoutMs) {
    ctx_->usb_read_timeout = usbTimeoutMs;
    std::uint8_t chunk[4096];
    int n = ftdi_read_data(ctx_, chunk, sizeof chunk);
    if (n < 0)
        return false;
    rx_.insert(rx_.end(), chunk, chunk + n);
    return true;
}

FT_STATUS UsbDevice::GetDriverVersion(DWORD* version) {
    ftdi_version_info v = ftdi_get_library_version();
    *version = static_cast<DWORD>((v.major << 16) | (v.minor << 8) | v.micro);
    return FT_OK;
}

FT_STATUS UsbDevice::ResetDevice() {
    rx_.clear();
    return ftdi_usb_reset(ctx_) == 0 ? FT_OK : FT_IO_ERROR;
}

FT_STATUS UsbDevice::SetBaudRate(DWORD baud) {
    return ftdi_set_baudrate(ctx_, static_cast<int>(baud)) == 0 ? FT_OK : FT_INVALID_BAUD_RATE;
}

FT_STATUS UsbDevice::SetDataCharacteristics(UCHAR bits, UCHAR stop, UCHAR parity) {
    if (bits != FT_BITS_8 || stop != FT_STOP_BITS_1 || parity != FT_PARITY_NONE)
        return FT_INVALID_PARAMETER;
    return ftdi_set_line_property(ctx_, BITS_8, STOP_BIT_1, NONE) == 0 ? FT_OK : FT_IO_ERROR;
}

FT_STATUS UsbDevice::SetTimeouts(DWORD readMs, DWORD writeMs) {
    readTimeout_ = Millis(readMs);
    writeTimeout_ = Millis(writeMs);
    ctx_->usb_write_timeout = static_cast<int>(writeMs);
    return FT_OK;
}

FT_STATUS UsbDevice::SetLatencyTimer(UCHAR ms) {
    return ftdi_set_latency_timer(ctx_, ms) == 0 ? FT_OK : FT_IO_ERROR;
}

FT_STATUS UsbDevice::Purge(DWORD mask) {
    int r = 0;
    if (mask & FT_PURGE_RX) {
        rx_.clear();
        r |= ftdi_tciflush(ctx_);
    }
    if (mask & FT_PURGE_TX)
        r |= ftdi_tcoflush(ctx_);
    return r == 0 ? FT_OK : FT_IO_ERROR;
}

FT_STATUS UsbDevice::Write(const void* data, DWORD count, DWORD* written) {
    *written = 0;
    int n = ftdi_write_data(ctx_, static_cast<const unsigned char*>(data), static_cast<int>(count));
    if (n < 0)
        return FT_IO_ERROR;
    *written = static_cast<DWORD>(n);
    return FT_OK;
}

FT_STATUS UsbDevice::Read(void* data, DWORD count, DWORD* got) {
    *got = 0;
    const Deadline deadline = DeadlineIn(readTimeout_);
    while (rx_.size() < count && SteadyClock::now() < deadline && !interrupt_.load())
        if (!Fill(RemainingMs(deadline)))
            return FT_IO_ERROR;
    const std::size_t n = std::min<std::size_t>(count, rx_.size());
    std::memcpy(data, rx_.data(), n);
    rx_.erase(rx_.begin(), rx_.begin() + static_cast<std::ptrdiff_t>(n));
    *got = static_cast<DWORD>(n);
    return FT_OK;
}

FT_STATUS UsbDevice::GetStatus(DWORD* rxQueue, DWORD* txQueue, DWORD* events) {
    *rxQueue = *txQueue = *events = 0;
    if (!Fill(1))
        return FT_IO_ERROR;
    *rxQueue = static_cast<DWORD>(rx_.size());
    return FT_OK; // ftdi_write_data returns once the chip has the bytes
}

WaitOutcome UsbDevice::WaitReceived(std::size_t count, Deadline deadline) {
    // Each USB read sleeps in the kernel until the chip's next packet: no spinning.
    for (;;) {
        if (interrupt_.load())
            return WaitOutcome::Cancelled;
        if (rx_.size() >= count)
            return WaitOutcome::Ready;
        if (SteadyClock::now() >= deadline)
            return WaitOutcome::TimedOut;
        if (!Fill(std::min(RemainingMs(deadline), 100)))
            return WaitOutcome::DeviceError;
    }
}

WaitOutcome UsbDevice::WaitSent(Deadline /*deadline*/) {
    return interrupt_.load() ? WaitOutcome::Cancelled : WaitOutcome::Ready;
}
