#include "link/backends/UsbFtdiApi.h"

#include "link/InUse.h"
#include "link/backends/UsbDevice.h"

#include <dlfcn.h>
#include <libftdi1/ftdi.h>
#include <libusb-1.0/libusb.h>

namespace {
// Exported only by the virtual FTDI chip's stand-in for libusb.
using DescribeVirtualUsb = const char* (*)();

DescribeVirtualUsb VirtualUsb() {
    return reinterpret_cast<DescribeVirtualUsb>(
        dlsym(RTLD_DEFAULT, "tolvane_virtual_usb_describe"));
}
} // namespace

UsbFtdiApi::~UsbFtdiApi() {
    ForgetDevices();
}

bool UsbFtdiApi::IsRealHardware() const {
    return VirtualUsb() == nullptr;
}

std::string UsbFtdiApi::Describe() const {
    const DescribeVirtualUsb describe = VirtualUsb();
    const std::string serial = serialNumber_.empty() ? "" : ", serial number " + serialNumber_;
    return describe ? std::string("FTDI over USB (libftdi1)") + serial + ", " + describe()
                    : "FTDI over USB (libftdi1)" + serial;
}

bool UsbFtdiApi::ReadStrings(libusb_device* device, FtdiDeviceInfo* info) {
    char description[128] = "";
    char serial[128] = "";
    // Opens the device for its descriptors only and closes it again.
    if (ftdi_usb_get_strings(listContext_, device, nullptr, 0, description, sizeof description,
                             serial, sizeof serial) < 0)
        return false;
    info->description = description;
    info->serialNumber = serial;
    return true;
}

FT_STATUS UsbFtdiApi::FT_GetDeviceInfoDetail(int index, FtdiDeviceInfo* info) {
    if (index < 0 || static_cast<std::size_t>(index) >= devices_.size())
        return FT_DEVICE_NOT_FOUND;
    return ReadStrings(devices_[static_cast<std::size_t>(index)], info) ? FT_OK
                                                                        : FT_DEVICE_NOT_OPENED;
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
    for (ftdi_device_list* p = list; p; p = p->next) {
        FtdiDeviceInfo info;
        if (!serialNumber_.empty() &&
            (!ReadStrings(p->dev, &info) || info.serialNumber != serialNumber_))
            continue;
        devices_.push_back(libusb_ref_device(p->dev));
    }
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
    const int r = ftdi_usb_open_dev(ctx, devices_[static_cast<std::size_t>(index)]);
    if (r < 0) {
        ftdi_free(ctx);
        // -5, "unable to claim usb device": another program has claimed the interface.
        return r == -5 ? FT_DEVICE_IN_USE : FT_DEVICE_NOT_OPENED;
    }
    *handle = new UsbDevice(ctx);
    return FT_OK;
}
