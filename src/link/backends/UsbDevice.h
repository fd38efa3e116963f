#pragma once
// One FTDI device opened through libftdi1. Like the D2XX driver, it keeps a USB read of the
// chip pending all the time, on a thread of its own: packets land in a receive queue whose
// length is known at once, waits sleep on that queue, and no byte that reached the host is
// dropped. libftdi's own read is not used for data: when a USB read times out part-way, it
// returns the time-out and the packets that did arrive are lost with it.
#include "link/FtdiDevice.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <thread>

struct ftdi_context;

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
    FT_STATUS SetChars(UCHAR eventChar, UCHAR eventEnable, UCHAR errorChar,
                       UCHAR errorEnable) override;
    FT_STATUS Purge(DWORD mask) override;
    FT_STATUS Write(const void* data, DWORD count, DWORD* written) override;
    FT_STATUS Read(void* data, DWORD count, DWORD* got) override;
    FT_STATUS GetStatus(DWORD* rxQueue, DWORD* txQueue, DWORD* events) override;
    WaitOutcome WaitReceived(std::size_t count, Deadline deadline) override;
    WaitOutcome WaitSent(Deadline deadline) override;
    void Interrupt() override;
    void ClearInterrupt() override;

  private:
    // The reader starts with the first call that needs what the chip sends.
    void StartReader();
    void ReaderLoop();
    // Queues the payload of each packet of one USB read.
    void TakePackets(const std::uint8_t* raw, int size, std::uint64_t writesBefore);
    // Empties the receive queue once the USB read in flight has ended, so that nothing the
    // chip held before a purge or reset arrives after it.
    void DropReceived();

    ftdi_context* const ctx_;
    std::thread reader_;
    Millis readTimeout_{300};
    // The error character as the chip last took it (off after it is opened): each setting is a
    // USB control transfer, so an unchanged one is not sent again.
    int errorChar_ = -1;

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::uint8_t> received_;
    bool gone_ = false;
    bool stopping_ = false;
    bool interrupted_ = false;
    std::uint64_t readsStarted_ = 0;
    std::uint64_t readsEnded_ = 0;
    // Writes made, and how many of them the chip has reported sent (transmitter empty).
    std::uint64_t writes_ = 0;
    std::uint64_t writesSent_ = 0;
};
