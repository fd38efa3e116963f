#pragma once
// The real JIG over USB through libftdi1 (the devices are UsbDevice).
#include "link/FtdiApi.h"

#include <vector>

struct ftdi_context;
struct libusb_device;

class UsbFtdiApi : public FtdiApi {
  public:
    UsbFtdiApi() = default;
    ~UsbFtdiApi() override;
    FT_STATUS FT_CreateDeviceInfoList(DWORD* numDevs) override;
    FT_STATUS FT_Open(int index, FT_HANDLE* handle) override;
    // False when the virtual FTDI chip stands in for libusb in this process: then no real
    // device can be reached at all.
    bool IsRealHardware() const override;
    std::string Describe() const override;

  private:
    void ForgetDevices();
    std::vector<libusb_device*> devices_;
    ftdi_context* listContext_ = nullptr;
};
