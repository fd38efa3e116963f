#pragma once
// The FTDI library as the program sees it: D2XX-shaped calls over one backend
// (libftdi1 over USB, a serial tty, or the simulated JIG).
#include "link/FtdiDevice.h"

#include <memory>
#include <string>

// What the device list says of one device besides its index.
struct FtdiDeviceInfo {
    std::string serialNumber;
    std::string description;
};

class FtdiApi {
  public:
    virtual ~FtdiApi() = default;

    virtual FT_STATUS FT_CreateDeviceInfoList(DWORD* numDevs) = 0;
    virtual FT_STATUS FT_Open(int index, FT_HANDLE* handle) = 0;
    // Whether the bytes of this backend reach a real chip (used to refuse simulator-only images).
    virtual bool IsRealHardware() const = 0;
    virtual std::string Describe() const = 0;
    // Serial number and description of device `index` of the last list; FT_NOT_SUPPORTED from a
    // backend that knows none.
    virtual FT_STATUS FT_GetDeviceInfoDetail(int index, FtdiDeviceInfo* info);

    FT_STATUS FT_Close(FT_HANDLE handle);
    FT_STATUS FT_GetDriverVersion(FT_HANDLE handle, DWORD* version);
    FT_STATUS FT_ResetDevice(FT_HANDLE handle);
    FT_STATUS FT_SetBaudRate(FT_HANDLE handle, DWORD baud);
    FT_STATUS FT_SetDataCharacteristics(FT_HANDLE handle, UCHAR bits, UCHAR stop, UCHAR parity);
    FT_STATUS FT_SetTimeouts(FT_HANDLE handle, DWORD readMs, DWORD writeMs);
    FT_STATUS FT_SetLatencyTimer(FT_HANDLE handle, UCHAR ms);
    FT_STATUS FT_SetChars(FT_HANDLE handle, UCHAR eventChar, UCHAR eventEnable, UCHAR errorChar,
                          UCHAR errorEnable);
    FT_STATUS FT_Purge(FT_HANDLE handle, DWORD mask);
    FT_STATUS FT_Write(FT_HANDLE handle, const void* data, DWORD count, DWORD* written);
    FT_STATUS FT_Read(FT_HANDLE handle, void* data, DWORD count, DWORD* got);
    FT_STATUS FT_GetStatus(FT_HANDLE handle, DWORD* rxQueue, DWORD* txQueue, DWORD* events);
};

// "usb", "usb:SERIAL" (only the device with that serial number), "tty:PATH" or "sim[:BOARD]";
// scenario and timing apply to the simulator only.
struct DeviceChoice {
    std::string device = "usb";
    std::string scenarioFile;
    std::string timing = "wire";
};

// Returns nullptr and fills `error` when the choice cannot be served.
std::shared_ptr<FtdiApi> MakeFtdiApi(const DeviceChoice& choice, std::string* error);
