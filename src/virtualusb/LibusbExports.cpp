// libusb-1.0's calls, as far as libftdi and the program use them, served by the virtual chips.
// Devices, handles and contexts are what libusb promises: reference-counted devices, one handle
// per open, and contexts that need only exist.
#include "virtualusb/VirtualBus.h"
#include "virtualusb/VirtualUsbControl.h"

#include <algorithm>
#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <libusb-1.0/libusb.h>
#include <new>

struct libusb_context {
    int unused = 0;
};

struct libusb_device {
    std::atomic<int> references{1};
    std::shared_ptr<VirtualChip> chip;
    std::uint8_t address = 0;
};

struct libusb_device_handle {
    libusb_device* device = nullptr;
    std::shared_ptr<VirtualChip> chip;
    bool claimed = false;
};

namespace {
constexpr std::uint8_t kBus = 1;
constexpr std::uint8_t kFirstAddress = 2;

// One allocation holds a whole configuration descriptor, freed as one.
struct ConfigBlock {
    libusb_config_descriptor config;
    libusb_interface interface;
    libusb_interface_descriptor setting;
    libusb_endpoint_descriptor endpoints[2];
};

const char* StringDescriptor(const VirtualChip& chip, std::uint8_t index) {
    switch (index) {
    case 1:
        return "FTDI";
    case 2:
        return "FT232R USB UART";
    case 3:
        return chip.Serial().c_str();
    default:
        return nullptr;
    }
}
} // namespace

extern "C" {

int libusb_init(libusb_context** ctx) {
    if (ctx)
        *ctx = new (std::nothrow) libusb_context;
    return ctx && !*ctx ? LIBUSB_ERROR_NO_MEM : LIBUSB_SUCCESS;
}

void libusb_exit(libusb_context* ctx) {
    delete ctx;
}

void libusb_set_debug(libusb_context*, int) {}

int libusb_set_option(libusb_context*, enum libusb_option, ...) {
    return LIBUSB_SUCCESS;
}

const struct libusb_version* libusb_get_version(void) {
    static const libusb_version version{1, 0, 26, 0, "", "virtual FTDI chip"};
    return &version;
}

int libusb_has_capability(uint32_t capability) {
    return capability == LIBUSB_CAP_HAS_CAPABILITY;
}

const char* libusb_error_name(int code) {
    switch (code) {
    case LIBUSB_SUCCESS:
        return "LIBUSB_SUCCESS";
    case LIBUSB_ERROR_IO:
        return "LIBUSB_ERROR_IO";
    case LIBUSB_ERROR_INVALID_PARAM:
        return "LIBUSB_ERROR_INVALID_PARAM";
    case LIBUSB_ERROR_ACCESS:
        return "LIBUSB_ERROR_ACCESS";
    case LIBUSB_ERROR_NO_DEVICE:
        return "LIBUSB_ERROR_NO_DEVICE";
    case LIBUSB_ERROR_NOT_FOUND:
        return "LIBUSB_ERROR_NOT_FOUND";
    case LIBUSB_ERROR_BUSY:
        return "LIBUSB_ERROR_BUSY";
    case LIBUSB_ERROR_TIMEOUT:
        return "LIBUSB_ERROR_TIMEOUT";
    case LIBUSB_ERROR_OVERFLOW:
        return "LIBUSB_ERROR_OVERFLOW";
    case LIBUSB_ERROR_PIPE:
        return "LIBUSB_ERROR_PIPE";
    case LIBUSB_ERROR_INTERRUPTED:
        return "LIBUSB_ERROR_INTERRUPTED";
    case LIBUSB_ERROR_NO_MEM:
        return "LIBUSB_ERROR_NO_MEM";
    case LIBUSB_ERROR_NOT_SUPPORTED:
        return "LIBUSB_ERROR_NOT_SUPPORTED";
    default:
        return "LIBUSB_ERROR_OTHER";
    }
}

const char* libusb_strerror(int code) {
    return libusb_error_name(code);
}

ssize_t libusb_get_device_list(libusb_context*, libusb_device*** list) {
    const std::vector<std::shared_ptr<VirtualChip>> chips = VirtualBus::Get().Plugged();
    auto** devices = static_cast<libusb_device**>(std::calloc(chips.size() + 1, sizeof(void*)));
    if (!devices)
        return LIBUSB_ERROR_NO_MEM;
    for (std::size_t i = 0; i < chips.size(); ++i) {
        devices[i] = new libusb_device;
        devices[i]->chip = chips[i];
        devices[i]->address = static_cast<std::uint8_t>(kFirstAddress + i);
    }
    *list = devices;
    return static_cast<ssize_t>(chips.size());
}

void libusb_free_device_list(libusb_device** list, int unrefDevices) {
    if (!list)
        return;
    if (unrefDevices)
        for (libusb_device** d = list; *d; ++d)
            libusb_unref_device(*d);
    std::free(list);
}

libusb_device* libusb_ref_device(libusb_device* dev) {
    dev->references.fetch_add(1);
    return dev;
}

void libusb_unref_device(libusb_device* dev) {
    if (dev && dev->references.fetch_sub(1) == 1)
        delete dev;
}

int libusb_get_device_descriptor(libusb_device*, struct libusb_device_descriptor* desc) {
    *desc = libusb_device_descriptor{};
    desc->bLength = LIBUSB_DT_DEVICE_SIZE;
    desc->bDescriptorType = LIBUSB_DT_DEVICE;
    desc->bcdUSB = 0x0200;
    desc->bMaxPacketSize0 = 8;
    desc->idVendor = VirtualChip::kVendor;
    desc->idProduct = VirtualChip::kProduct;
    desc->bcdDevice = VirtualChip::kRelease;
    desc->iManufacturer = 1;
    desc->iProduct = 2;
    desc->iSerialNumber = 3;
    desc->bNumConfigurations = 1;
    return LIBUSB_SUCCESS;
}

int libusb_get_config_descriptor(libusb_device*, uint8_t index,
                                 struct libusb_config_descriptor** config) {
    if (index != 0)
        return LIBUSB_ERROR_NOT_FOUND;
    auto* block = new (std::nothrow) ConfigBlock{};
    if (!block)
        return LIBUSB_ERROR_NO_MEM;
    for (int i = 0; i < 2; ++i) {
        libusb_endpoint_descriptor& e = block->endpoints[i];
        e.bLength = LIBUSB_DT_ENDPOINT_SIZE;
        e.bDescriptorType = LIBUSB_DT_ENDPOINT;
        e.bEndpointAddress = i == 0 ? VirtualChip::kInEndpoint : VirtualChip::kOutEndpoint;
        e.bmAttributes = LIBUSB_TRANSFER_TYPE_BULK;
        e.wMaxPacketSize = VirtualChip::kPacketSize;
    }
    libusb_interface_descriptor& s = block->setting;
    s.bLength = LIBUSB_DT_INTERFACE_SIZE;
    s.bDescriptorType = LIBUSB_DT_INTERFACE;
    s.bNumEndpoints = 2;
    s.bInterfaceClass = LIBUSB_CLASS_VENDOR_SPEC;
    s.bInterfaceSubClass = 0xFF;
    s.bInterfaceProtocol = 0xFF;
    s.iInterface = 2;
    s.endpoint = block->endpoints;
    block->interface.altsetting = &block->setting;
    block->interface.num_altsetting = 1;
    libusb_config_descriptor& c = block->config;
    c.bLength = LIBUSB_DT_CONFIG_SIZE;
    c.bDescriptorType = LIBUSB_DT_CONFIG;
    c.wTotalLength = LIBUSB_DT_CONFIG_SIZE + LIBUSB_DT_INTERFACE_SIZE + 2 * LIBUSB_DT_ENDPOINT_SIZE;
    c.bNumInterfaces = 1;
    c.bConfigurationValue = 1;
    c.bmAttributes = 0xA0; // bus-powered, remote wake-up
    c.MaxPower = 45;       // 90 mA
    c.interface = &block->interface;
    *config = &block->config;
    return LIBUSB_SUCCESS;
}

void libusb_free_config_descriptor(struct libusb_config_descriptor* config) {
    delete reinterpret_cast<ConfigBlock*>(config);
}

uint8_t libusb_get_bus_number(libusb_device*) {
    return kBus;
}

uint8_t libusb_get_port_number(libusb_device* dev) {
    return static_cast<uint8_t>(dev->address - kFirstAddress + 1);
}

uint8_t libusb_get_device_address(libusb_device* dev) {
    return dev->address;
}

int libusb_get_device_speed(libusb_device*) {
    return LIBUSB_SPEED_FULL;
}

int libusb_open(libusb_device* dev, libusb_device_handle** handle) {
    if (dev->chip->Unplugged())
        return LIBUSB_ERROR_NO_DEVICE;
    auto* h = new (std::nothrow) libusb_device_handle;
    if (!h)
        return LIBUSB_ERROR_NO_MEM;
    h->device = libusb_ref_device(dev);
    h->chip = dev->chip;
    *handle = h;
    return LIBUSB_SUCCESS;
}

void libusb_close(libusb_device_handle* handle) {
    if (!handle)
        return;
    if (handle->claimed)
        handle->chip->Release(handle);
    libusb_unref_device(handle->device);
    delete handle;
}

libusb_device* libusb_get_device(libusb_device_handle* handle) {
    return handle->device;
}

int libusb_get_configuration(libusb_device_handle* handle, int* config) {
    if (handle->chip->Unplugged())
        return LIBUSB_ERROR_NO_DEVICE;
    *config = 1;
    return LIBUSB_SUCCESS;
}

int libusb_set_configuration(libusb_device_handle* handle, int config) {
    if (handle->chip->Unplugged())
        return LIBUSB_ERROR_NO_DEVICE;
    return config == 1 || config == -1 ? LIBUSB_SUCCESS : LIBUSB_ERROR_NOT_FOUND;
}

int libusb_claim_interface(libusb_device_handle* handle, int interface) {
    if (interface != 0)
        return LIBUSB_ERROR_NOT_FOUND;
    const int r = handle->chip->Claim(handle);
    handle->claimed = handle->claimed || r == LIBUSB_SUCCESS;
    return r;
}

int libusb_release_interface(libusb_device_handle* handle, int interface) {
    if (interface != 0 || !handle->claimed)
        return LIBUSB_ERROR_NOT_FOUND;
    handle->claimed = false;
    return handle->chip->Release(handle);
}

// No kernel driver is bound to a virtual chip.
int libusb_kernel_driver_active(libusb_device_handle* handle, int) {
    return handle->chip->Unplugged() ? LIBUSB_ERROR_NO_DEVICE : 0;
}

int libusb_detach_kernel_driver(libusb_device_handle* handle, int) {
    return handle->chip->Unplugged() ? LIBUSB_ERROR_NO_DEVICE : LIBUSB_ERROR_NOT_FOUND;
}

int libusb_attach_kernel_driver(libusb_device_handle* handle, int) {
    return handle->chip->Unplugged() ? LIBUSB_ERROR_NO_DEVICE : LIBUSB_ERROR_NOT_FOUND;
}

int libusb_set_auto_detach_kernel_driver(libusb_device_handle*, int) {
    return LIBUSB_SUCCESS;
}

int libusb_clear_halt(libusb_device_handle* handle, unsigned char) {
    return handle->chip->Unplugged() ? LIBUSB_ERROR_NO_DEVICE : LIBUSB_SUCCESS;
}

int libusb_reset_device(libusb_device_handle* handle) {
    return handle->chip->Unplugged() ? LIBUSB_ERROR_NOT_FOUND : LIBUSB_SUCCESS;
}

int libusb_get_string_descriptor_ascii(libusb_device_handle* handle, uint8_t index,
                                       unsigned char* data, int length) {
    if (handle->chip->Unplugged())
        return LIBUSB_ERROR_NO_DEVICE;
    const char* text = StringDescriptor(*handle->chip, index);
    if (!text)
        return LIBUSB_ERROR_PIPE;
    if (length <= 0)
        return LIBUSB_ERROR_INVALID_PARAM;
    const int n = std::min<int>(static_cast<int>(std::strlen(text)), length - 1);
    std::memcpy(data, text, static_cast<std::size_t>(n));
    data[n] = 0;
    return n;
}

int libusb_control_transfer(libusb_device_handle* handle, uint8_t requestType, uint8_t request,
                            uint16_t value, uint16_t index, unsigned char* data, uint16_t length,
                            unsigned int /*timeout*/) {
    return handle->chip->Control(requestType, request, value, index, data, length);
}

int libusb_bulk_transfer(libusb_device_handle* handle, unsigned char endpoint, unsigned char* data,
                         int length, int* actualLength, unsigned int timeout) {
    int transferred = 0;
    int r = LIBUSB_ERROR_NOT_FOUND;
    if (endpoint == VirtualChip::kInEndpoint)
        r = handle->chip->BulkIn(data, length, &transferred, timeout);
    else if (endpoint == VirtualChip::kOutEndpoint)
        r = handle->chip->BulkOut(data, length, &transferred);
    if (actualLength)
        *actualLength = transferred;
    return r;
}

// The asynchronous interface is not offered: the program and libftdi's synchronous calls need
// none of it.
struct libusb_transfer* libusb_alloc_transfer(int isoPackets) {
    const std::size_t size =
        sizeof(libusb_transfer) + sizeof(libusb_iso_packet_descriptor) *
                                      static_cast<std::size_t>(isoPackets > 0 ? isoPackets : 0);
    return static_cast<libusb_transfer*>(std::calloc(1, size));
}

void libusb_free_transfer(struct libusb_transfer* transfer) {
    if (transfer && (transfer->flags & LIBUSB_TRANSFER_FREE_BUFFER))
        std::free(transfer->buffer);
    std::free(transfer);
}

int libusb_submit_transfer(struct libusb_transfer*) {
    return LIBUSB_ERROR_NOT_SUPPORTED;
}

int libusb_cancel_transfer(struct libusb_transfer*) {
    return LIBUSB_ERROR_NOT_FOUND;
}

int libusb_handle_events_timeout(libusb_context*, struct timeval*) {
    return LIBUSB_ERROR_NOT_SUPPORTED;
}

int libusb_handle_events_timeout_completed(libusb_context*, struct timeval*, int*) {
    return LIBUSB_ERROR_NOT_SUPPORTED;
}

int tolvane_virtual_usb_plug(const char* board, const char* scenarioFile, const char* timing,
                             const char* pty, char* error, std::size_t errorSize) {
    VirtualUsbSetup setup;
    setup.board = board ? board : "";
    setup.scenarioFile = scenarioFile ? scenarioFile : "";
    if (timing && *timing)
        setup.timing = timing;
    setup.pty = pty ? pty : "";
    std::string reason;
    if (VirtualBus::Get().Plug(setup, &reason))
        return 0;
    if (error && errorSize > 0)
        std::snprintf(error, errorSize, "%s", reason.c_str());
    return -1;
}

int tolvane_virtual_usb_unplug(int index) {
    return VirtualBus::Get().Unplug(index) ? 0 : -1;
}

int tolvane_virtual_usb_settings(int index, unsigned* baud, int* latencyMs) {
    const std::shared_ptr<VirtualChip> chip = VirtualBus::Get().Chip(index);
    if (!chip)
        return -1;
    *baud = chip->Baud();
    *latencyMs = chip->LatencyMs();
    return 0;
}

int tolvane_virtual_usb_stats(int index, SimStats* stats) {
    const std::shared_ptr<VirtualChip> chip = VirtualBus::Get().Chip(index);
    return chip && chip->Stats(stats) ? 0 : -1;
}

const char* tolvane_virtual_usb_describe(void) {
    static thread_local std::string text;
    text = VirtualBus::Get().Describe();
    return text.c_str();
}

} // extern "C"
