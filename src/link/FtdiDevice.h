#pragma once
// One open FTDI device. Backends subclass it; callers reach it through FtdiApi's FT_ calls.
#include "link/FtdiTypes.h"
#include "link/WaitTypes.h"

#include <cstddef>

class FtdiDevice {
  public:
    virtual ~FtdiDevice() = default;

    virtual FT_STATUS GetDriverVersion(DWORD* version) = 0;
    virtual FT_STATUS ResetDevice() = 0;
    virtual FT_STATUS SetBaudRate(DWORD baud) = 0;
    virtual FT_STATUS SetDataCharacteristics(UCHAR bits, UCHAR stop, UCHAR parity) = 0;
    virtual FT_STATUS SetTimeouts(DWORD readMs, DWORD writeMs) = 0;
    virtual FT_STATUS SetLatencyTimer(UCHAR ms) = 0;
    // The chip sends what it holds as soon as it receives `eventChar` (when `eventEnable`), not
    // when its latency timer runs out. A backend whose driver has no event character (a tty)
    // takes the call and keeps working as before.
    virtual FT_STATUS SetChars(UCHAR eventChar, UCHAR eventEnable, UCHAR errorChar,
                               UCHAR errorEnable);
    virtual FT_STATUS Purge(DWORD mask) = 0;
    // Blocks until all bytes are handed to the device or the write time-out passes.
    virtual FT_STATUS Write(const void* data, DWORD count, DWORD* written) = 0;
    // Blocks until `count` bytes arrived or the read time-out passed; returns what arrived.
    virtual FT_STATUS Read(void* data, DWORD count, DWORD* got) = 0;
    virtual FT_STATUS GetStatus(DWORD* rxQueue, DWORD* txQueue, DWORD* events) = 0;

    // The one addition to D2XX: sleep until the receive queue holds at least `count` bytes,
    // the deadline passes, the device fails, or Interrupt() is called. Never spins.
    virtual WaitOutcome WaitReceived(std::size_t count, Deadline deadline) = 0;
    virtual WaitOutcome WaitSent(Deadline deadline) = 0;
    // Thread-safe: wakes every wait and makes it return Cancelled until ClearInterrupt().
    virtual void Interrupt() = 0;
    virtual void ClearInterrupt() = 0;
};

using FT_HANDLE = FtdiDevice*;
