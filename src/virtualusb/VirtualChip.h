#pragma once
// One virtual FT232R on the USB bus: its descriptors, the vendor requests that libftdi sends,
// and its two bulk endpoints as the chip drives them. Data from the JIG leaves in 64-byte
// packets, each starting with the two modem-status bytes; with nothing to send, the chip
// answers a status-only packet each time its latency timer runs out, and a host that asks for
// less time than that gets a USB time-out. Returns libusb's status codes.
#include "virtualusb/ChipBacking.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

class VirtualChip {
  public:
    static constexpr std::uint16_t kVendor = 0x0403;
    static constexpr std::uint16_t kProduct = 0x6001;
    static constexpr std::uint16_t kRelease = 0x0600; // FT232R
    static constexpr int kPacketSize = 64;
    static constexpr std::uint8_t kInEndpoint = 0x81;
    static constexpr std::uint8_t kOutEndpoint = 0x02;

    VirtualChip(std::string serial, std::unique_ptr<ChipBacking> backing);

    const std::string& Serial() const { return serial_; }
    bool Unplugged() { return backing_->Gone(); }
    void Unplug() { backing_->Unplug(); }
    bool Stats(SimStats* stats) { return backing_->Stats(stats); }

    // One handle at a time may claim the interface.
    int Claim(const void* owner);
    int Release(const void* owner);

    int Control(std::uint8_t requestType, std::uint8_t request, std::uint16_t value,
                std::uint16_t index, std::uint8_t* data, std::uint16_t length);
    int BulkOut(const std::uint8_t* data, int length, int* transferred);
    // timeoutMs 0: no time-out.
    int BulkIn(std::uint8_t* data, int length, int* transferred, unsigned timeoutMs);

    // Latest settings, as the chip took them.
    std::uint32_t Baud();
    int LatencyMs();

  private:
    int VendorOut(std::uint8_t request, std::uint16_t value, std::uint16_t index);
    int VendorIn(std::uint8_t request, std::uint8_t* data, std::uint16_t length);
    std::uint8_t LineStatus();

    const std::string serial_;
    const std::unique_ptr<ChipBacking> backing_;

    std::mutex mutex_; // the settings below
    std::uint32_t baud_ = 9600;
    int latencyMs_ = 16;
    std::uint16_t lineProperty_ = 8; // 8 data bits, no parity, 1 stop bit
    std::uint16_t modemControl_ = 0;
    std::uint16_t flowControl_ = 0;
    std::uint16_t bitMode_ = 0;
    const void* claimedBy_ = nullptr;

    std::mutex inMutex_; // one IN transfer at a time, as on the bus
    Deadline lastPacket_ = SteadyClock::now();
};
