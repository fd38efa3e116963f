#pragma once
// The real JIG over USB through libftdi1. libftdi has no receive-queue length, so each device
// keeps its own receive buffer, filled from USB reads.
#include "link/FtdiApi.h"

#include <atomic>
#include <vector>

struct ftdi_context;
struct libusb_device;

class UsbFtdiApi : public FtdiApi {
  public:
    UsbFtdiApi() = default;
    ~UsbFtdiApi() override;
    FT_STATUS FT_CreateDeviceInfoList(DWORD* numDevs) override;
    FT_STATUS FT_Open(int index, FT_HANDLE* handle) override;
    bool IsRealHardware() const override { return true; }
    std::string Describe() const override { return "FTDI over USB (libftdi1)"; }

  private:
    void ForgetDevices();
    std::vector<libusb_device*> devices_;
    ftdi_context* listContext_ = nullptr;
};

class UsbDevice : public FtdiDevice {
  public:
    explicit UsbDevice(ftdi_context* ctx) : ctx_(ctx) {}
    ~UsbDevice() override;

    FT_STATUS GetDriverVersion(DWORD* version) override;
    FT_STATUS ResetDevice() override;
    FT_STATUS SetBaudRate(DWORD baud) override;
    FT_STATUS SetDataCharacteristics(UCHAR bits, UCHAR stop, UCHAR parity) override;
    FT_STATUS SetTimeouts(DWORD readMs, DWORD writeMs) override;
    FT_STATUS SetLatencyTimer(UCHAR ms) override;
    FT_STATUS Purge(DWORD mask) override;
    FT_STATUS Write(const void* data, DWORD count, DWORD* written) override;
    FT_STATUS Read(void* data, DWORD count, DWORD* got) override;
    FT_STATUS GetStatus(DWORD* rxQueue, DWORD* txQueue, DWORD* events) override;
    WaitOutcome WaitReceived(std::size_t count, Deadline deadline) override;
    WaitOutcome WaitSent(Deadline deadline) override;
    void Interrupt() override { interrupt_.store(true); }
    void ClearInterrupt() override { interrupt_.store(false); }

  private:
    // One USB read: returns after a packet (the chip sends one every latency period) or the
    // USB time-out; false when the device is gone.
    bool Fill(int usbTimeoutMs);

    ftdi_context* ctx_;
    std::vector<std::uint8_t> rx_;
    Millis readTimeout_{300};
    Millis writeTimeout_{300};
    std::atomic<bool> interrupt_{false};
};
