#pragma once
// The real JIG over USB through libftdi1 (the devices are UsbDevice).
#include "link/FtdiApi.h"

#include <string>
#include <vector>

struct ftdi_context;
struct libusb_device;

class UsbFtdiApi : public FtdiApi {
  public:
    // With a serial number, the list holds only the device that carries it.
    explicit UsbFtdiApi(std::string serialNumber = "") : serialNumber_(std::move(serialNumber)) {}
    ~UsbFtdiApi() override;
    FT_STATUS FT_CreateDeviceInfoList(DWORD* numDevs) override;
    FT_STATUS FT_Open(int index, FT_HANDLE* handle) override;
    FT_STATUS FT_GetDeviceInfoDetail(int index, FtdiDeviceInfo* info) override;
    // False when the virtual FTDI chip stands in for libusb in this process: then no real
    // device can be reached at all.
    bool IsRealHardware() const override;
    std::string Describe() const override;

  private:
    void ForgetDevices();
    // The device's string descriptors; false when they cannot be read (the device is gone).
    bool ReadStrings(libusb_device* device, FtdiDeviceInfo* info);
    std::string serialNumber_;
    std::vector<libusb_device*> devices_;
    ftdi_context* listContext_ = nullptr;
};
