#pragma once
// A serial device (the kernel's FTDI driver gives /dev/ttyUSB0) or the pseudo-terminal of
// tolvane-jig-sim, behind the D2XX calls. Queue lengths come from the kernel.
#include "link/FtdiApi.h"

#include <atomic>
#include <vector>

class TtyFtdiApi : public FtdiApi {
  public:
    explicit TtyFtdiApi(std::string path) : path_(std::move(path)) {}
    FT_STATUS FT_CreateDeviceInfoList(DWORD* numDevs) override;
    FT_STATUS FT_Open(int index, FT_HANDLE* handle) override;
    bool IsRealHardware() const override { return true; }
    std::string Describe() const override { return "serial device " + path_; }
    FT_STATUS FT_GetDeviceInfoDetail(int index, FtdiDeviceInfo* info) override {
        if (index != 0)
            return FT_DEVICE_NOT_FOUND;
        info->description = Describe();
        return FT_OK;
    }

  private:
    std::string path_;
};

class TtyDevice : public FtdiDevice {
  public:
    // Returns nullptr when the device cannot be opened as a terminal; `status` then says why
    // (FT_DEVICE_IN_USE: another program holds it).
    static TtyDevice* Open(const std::string& path, FT_STATUS* status);
    ~TtyDevice() override;

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
    void Interrupt() override;
    void ClearInterrupt() override;

  private:
    TtyDevice(int fd, int wakeFd, std::string path);
    // Moves what the kernel holds into our buffer; false when the device is gone.
    bool Drain();
    // Sleeps until the device has data, the wake fd fires, or the deadline passes.
    WaitOutcome Sleep(Deadline deadline);

    int fd_;
    int wakeFd_;
    std::string path_;
    std::vector<std::uint8_t> rx_;
    bool failed_ = false;
    Millis readTimeout_{300};
    Millis writeTimeout_{300};
    std::atomic<bool> interrupt_{false};
};
